# The clinical trial plan application "医疗器械产品临床试验方案", four A4 pages: the cover, the
# application table with the list of submitted materials, the trial institution's sheet and the
# trial staff's sheet. Data objects carry the names of the window's input controls and show their
# own name until filled. scpmc, ssqdw and slcdw (product, applicant, clinical unit on the cover) and
# VerifyCode1 to VerifyCode3 (the data check code of pages 2 to 4) are filled by print preparation.
report printer=""
defaults Font.Name="仿宋_GB2312" Alignment=centre,middle WordWrap=1

# ---------------------------------------------------------------- page 1: the cover
page name="" paper=9 size=2101,2969 orientation=portrait margins=90,79,54,54
defaults Font.Size=14 Alignment=left,bottom
memo name=Memo1 rect=172,140,476,40 Font.Name="黑体" Font.Size=20 Alignment=centre,bottom text="医疗器械产品临床试验方案"
# product, applicant and clinical unit, each on its fill-in rule
memo name=Memo2 rect=172,256,108,35 text="产品名称："
memo name=scpmc rect=292,256,355,35 text="scpmc"
line name=Line5 rect=280,296,332,0
memo name=Memo3 rect=172,324,164,35 text="申请单位（盖章）："
memo name=ssqdw rect=344,324,315,35 text="ssqdw"
line name=Line6 rect=336,364,275,0
memo name=Memo4 rect=176,384,144,35 text="临床试验单位："
memo name=slcdw rect=324,384,339,35 text="slcdw"
line name=Line13 rect=320,424,290,0
# the date of application: year, month and day right-aligned before 年, 月 and 日
memo name=Memo5 rect=176,448,96,34 text="申报日期："
memo name=edit75 rect=332,456,51,23 Alignment=right,top text="edit75"
memo name=Memo8 rect=384,456,220,23 Font.Size=11 Alignment=left,top text=" 年      月       日"
memo name=edit76 rect=408,456,30,23 Alignment=right,top text="edit76"
memo name=edit77 rect=476,456,31,23 Alignment=right,top text="edit77"
line name=Line14 rect=272,484,339,0
# filled in by the receiving office
memo name=Memo11 rect=312,564,180,20 Font.Size=9 text="（以下由受理部门填写）"
memo name=Memo41 rect=176,668,108,34 text="资 料 号："
line name=Line34 rect=284,704,328,0
memo name=Memo42 rect=176,732,104,34 text="受理人员："
line name=Line35 rect=280,768,336,0
memo name=Memo43 rect=176,800,96,30 text="受理日期："
line name=Line36 rect=272,832,348,0
memo name=Memo44 rect=156,936,476,30 Alignment=centre,bottom text="上 海 市 药 品 监 督 管 理 局 印 制"
# data check code
memo name=Memo80 rect=52,975,548,18 Font.Size=8 Alignment=right,top text="  数据核对码："
memo name=VerifyCode rect=604,976,96,18 Font.Size=8 Alignment=left,top text="VerifyCode"

# ---------------------------------------------------------------- page 2: the application table
page name="Page4" paper=9 size=2101,2969 orientation=portrait margins=90,79,54,0
defaults Font.Size=9
memo name=Memo6 rect=124,48,548,30 Font.Size=18 text="上海市医疗器械临床试验申请表"
# fields 1 to 20: labels centred in the label cells, values left-aligned
memo name=Memo7 rect=123,102,104,26 text="1.企业名称"
memo name=edit1 rect=231,104,298,21 Alignment=left,middle text="edit1"
memo name=Memo9 rect=533,102,74,26 text="2.企业代码"
memo name=edit2 rect=609,104,61,21 Alignment=left,middle text="edit2"
memo name=Memo10 rect=124,130,103,26 text="3.企业地址"
memo name=edit3 rect=231,131,298,23 Alignment=left,middle text="edit3"
memo name=Memo15 rect=534,130,73,26 text="4.邮政编码"
memo name=edit4 rect=609,132,61,21 Alignment=left,middle text="edit4"
memo name=Memo16 rect=123,158,104,26 text="5.产品名称"
memo name=edit5 rect=232,159,435,22 Alignment=left,middle text="edit5"
memo name=Memo17 rect=122,186,105,27 text="6.商品名称"
memo name=edit6 rect=232,187,435,22 Alignment=left,middle text="edit6"
memo name=Memo18 rect=122,215,105,26 text="7.注册标准"
memo name=edit7 rect=232,216,435,20 Alignment=left,middle text="edit7"
memo name=Memo19 rect=122,243,105,23 text="8.产品分类"
memo name=edit8 rect=232,244,435,20 Alignment=left,middle text="edit8"
memo name=Memo20 rect=125,268,102,23 text="9.联 系 人 "
memo name=edit9 rect=232,270,438,19 Alignment=left,middle text="edit9"
memo name=Memo21 rect=122,293,105,23 text="10.联系地址"
memo name=edit10 rect=231,294,279,21 Alignment=left,middle text="edit10"
memo name=Memo22 rect=513,293,67,23 text="11.邮政编码"
memo name=edit11 rect=583,295,86,18 Alignment=left,middle text="edit11"
memo name=Memo23 rect=122,318,105,25 text="12.联系电话"
memo name=edit12 rect=232,320,277,22 Alignment=left,middle text="edit12"
memo name=Memo24 rect=514,318,66,25 text="13.传 真"
memo name=edit13 rect=583,320,85,20 Alignment=left,middle text="edit13"
memo name=Memo25 rect=120,345,107,26 text="14.电子信箱"
memo name=edit14 rect=232,348,436,19 Alignment=left,middle text="edit14"
memo name=Memo26 rect=123,373,104,37 text="15.临床试验\n机构名称"
memo name=edit15 rect=232,376,436,30 Alignment=left,middle text="edit15"
memo name=Memo28 rect=121,412,106,24 text="16.机构地址"
memo name=edit16 rect=232,414,281,22 Alignment=left,middle text="edit16"
memo name=Memo29 rect=516,412,65,24 text="17.邮政编码"
memo name=edit17 rect=581,414,88,19 Alignment=left,middle WordWrap=0 text="edit17"
memo name=Memo30 rect=121,438,106,32 text="18.机构电话"
memo name=edit18 rect=232,441,280,24 Alignment=left,middle text="edit18"
memo name=Memo31 rect=516,438,65,32 text="19.传 真"
memo name=edit19 rect=582,442,88,25 Alignment=left,middle text="edit19"
memo name=Memo32 rect=123,472,104,35 text="20.临床试验\n负责人"
memo name=edit20 rect=232,476,436,24 Alignment=left,middle text="edit20"
# the materials list: a mark for each box, the item, and whether it must be submitted
memo name=Memo33 rect=276,509,236,26 text="临 床 试 验 申 报 材 料"
memo name=Memo45 rect=620,509,44,26 text="备 注"
memo name=edit21 rect=135,539,38,21 Alignment=left,middle WordWrap=0 text="edit21"
memo name=Memo46 rect=180,537,431,26 Alignment=left,middle text="1.产品注册标准"
memo name=Memo52 rect=620,537,44,26 text="+"
memo name=edit22 rect=135,566,37,18 Alignment=left,middle WordWrap=0 text="edit22"
memo name=Memo53 rect=180,565,431,22 Alignment=left,middle text="2.产品试产检测报告"
memo name=Memo54 rect=620,565,44,22 text="±"
memo name=edit23 rect=134,592,37,18 Alignment=left,middle WordWrap=0 text="edit23"
memo name=Memo55 rect=180,589,431,24 Alignment=left,middle text="3.评估本产品安全性、有效性的文献综述（附有关国内外文献资料）"
memo name=Memo56 rect=620,589,44,24 text="+"
memo name=edit24 rect=134,620,37,18 Alignment=left,middle WordWrap=0 text="edit24"
memo name=Memo57 rect=180,615,431,23 Alignment=left,middle text="4.实验室试验报告/动物试验报告"
memo name=Memo58 rect=620,615,44,23 text="±"
memo name=edit25 rect=135,644,38,18 Alignment=left,middle WordWrap=0 text="edit25"
memo name=Memo59 rect=176,640,435,22 Alignment=left,middle text="5.医疗器械产品临床试验方案（一式二份）"
memo name=Memo60 rect=620,640,44,22 text="+"
memo name=edit26 rect=134,684,38,18 Alignment=left,middle WordWrap=0 text="edit26"
memo name=Memo61 rect=178,664,433,50 Alignment=left,middle text="6.产品说明（包括每个重要组份及各自的成分和特性说明；工作原理；在试验\n期内预计的样品变化说明；充分说明试验过程中的信息，如有关禁忌、危险、不良\n作用、干扰物以及警告和注意事项）"
memo name=Memo62 rect=620,664,44,50 text="+"
memo name=edit27 rect=135,720,38,18 Alignment=left,middle WordWrap=0 text="edit27"
memo name=Memo63 rect=180,716,431,25 Alignment=left,middle text="7.制造信息（包括制造过程；制造工艺；包装；储存；安装）"
memo name=Memo64 rect=619,716,46,25 text="+"
memo name=edit28 rect=135,747,38,18 Alignment=left,middle WordWrap=0 text="edit28"
memo name=Memo65 rect=180,743,431,25 Alignment=left,middle text="8.临床试验机构申请表"
memo name=Memo66 rect=620,743,44,25 text="+"
memo name=edit29 rect=136,776,38,18 Alignment=left,middle WordWrap=0 text="edit29"
memo name=Memo67 rect=180,770,431,26 Alignment=left,middle text="9.临床试验人员信息表"
memo name=Memo68 rect=620,770,44,26 text="+"
memo name=edit30 rect=136,800,38,18 Alignment=left,middle WordWrap=0 text="edit30"
memo name=Memo69 rect=176,798,435,25 Alignment=left,middle text="10.病人知情通知书（与患者直接接触的产品）"
memo name=Memo70 rect=620,798,44,25 text="+"
# notes
memo name=Memo71 rect=120,828,552,16 Font.Size=8 Alignment=left,middle text="注：1.申请人确认以上提交的资料不含虚假成分，上述资料没有提供的应做书面说明。"
memo name=Memo82 rect=142,844,530,16 Font.Size=8 Alignment=left,middle text="2.表中\"+\"符号表示必须提交的资料，\"±\"符号表示根据实际情况和审查需要而提交的资料。"
memo name=Memo83 rect=142,860,530,16 Font.Size=8 Alignment=left,middle text="3.产品试产检测报告在申报临床试验方案时可免于提交，但在临床方案批准之前必须补齐。"
memo name=Memo84 rect=143,876,529,16 Font.Size=8 Alignment=left,middle text="4.III类产品申请\"可供临床试验用证明\"，需提交第1、2、3、6、7、8、9项资料。"
# signatures
memo name=Memo85 rect=126,912,200,26 Font.Size=11 Alignment=left,middle text="法人代表签名："
memo name=Memo86 rect=128,940,200,24 Font.Size=11 Alignment=left,middle text="联系人签名："
memo name=Memo87 rect=128,966,280,20 Font.Size=11 Alignment=left,middle text="日 期：      年    月    日"
memo name=Memo88 rect=421,923,216,24 Font.Size=11 Alignment=left,middle text="受理人："
memo name=Memo89 rect=420,953,218,24 Font.Size=11 Alignment=left,middle text="日  期：     年    月    日"
# data check code
memo name=Memo90 rect=48,1000,548,18 Font.Size=8 Alignment=right,middle text="  数据核对码："
memo name=VerifyCode1 rect=600,1000,96,18 Font.Size=8 Alignment=left,middle text="VerifyCode1"
# rules: the rows of the table
line name=Line1 rect=120,101,552,0
line name=Line2 rect=120,129,552,0
line name=Line3 rect=120,157,552,0
line name=Line4 rect=120,185,552,0
line name=Line7 rect=120,214,552,0
line name=Line8 rect=120,242,552,0
line name=Line9 rect=120,267,552,0
line name=Line10 rect=120,292,552,0
line name=Line11 rect=120,317,552,0
line name=Line12 rect=120,344,552,0
line name=Line15 rect=120,372,552,0
line name=Line16 rect=120,411,552,0
line name=Line17 rect=120,437,552,0
line name=Line18 rect=120,471,552,0
line name=Line19 rect=120,508,552,0
line name=Line20 rect=120,536,552,0
line name=Line21 rect=120,564,552,0
line name=Line23 rect=120,588,552,0
line name=Line25 rect=120,614,552,0
line name=Line26 rect=120,639,552,0
line name=Line27 rect=120,663,552,0
line name=Line28 rect=120,715,552,0
line name=Line29 rect=120,742,552,0
line name=Line30 rect=120,769,552,0
line name=Line31 rect=120,797,552,0
line name=Line32 rect=120,824,552,0
# the receiving office's box
line name=Line33 rect=416,912,225,0
line name=Line37 rect=416,986,225,0
# columns
line name=Line38 rect=120,101,0,407
line name=Line39 rect=120,508,0,317
line name=Line40 rect=228,101,0,407
line name=Line41 rect=532,102,0,56
line name=Line42 rect=608,102,0,55
line name=Line43 rect=512,294,0,49
line name=Line44 rect=581,293,0,50
line name=Line45 rect=515,412,0,56
line name=Line46 rect=581,412,0,60
line name=Line47 rect=176,536,0,287
line name=Line48 rect=612,510,0,26
line name=Line49 rect=612,536,0,287
line name=Line50 rect=672,101,0,407
line name=Line51 rect=672,508,0,316
line name=Line52 rect=417,912,0,72
line name=Line63 rect=641,912,0,72

# ---------------------------------------------------------------- page 3: the institution sheet
page name="Page1" paper=9 size=2101,2969 orientation=portrait margins=0,0,0,0
defaults Font.Size=11
memo name=Memo12 rect=72,36,548,30 Font.Size=18 text="临床试验机构信息表"
memo name=Memo91 rect=64,76,400,24 Alignment=left,middle text="1.临床试验所需仪器设备："
# the equipment the trial needs
memo name=Memo92 rect=68,106,155,32 text="仪 器 名 称"
memo name=Memo93 rect=236,106,268,32 text="规 格 型 号"
memo name=Memo94 rect=516,106,170,32 text="制 造 商"
defaults Font.Size=9 Alignment=left,middle
memo name=edit31 rect=62,144,165,27 text="edit31"
memo name=edit32 rect=234,143,270,29 text="edit32"
memo name=edit33 rect=512,143,177,31 text="edit33"
memo name=edit34 rect=62,181,165,28 text="edit34"
memo name=edit35 rect=232,180,270,29 text="edit35"
memo name=edit36 rect=510,180,180,31 text="edit36"
memo name=edit37 rect=64,217,162,32 text="edit37"
memo name=edit38 rect=232,216,270,32 text="edit38"
memo name=edit39 rect=511,217,177,31 text="edit39"
memo name=edit40 rect=64,257,165,27 text="edit40"
memo name=edit41 rect=232,256,272,29 WordWrap=0 text="edit41"
memo name=edit42 rect=512,256,177,31 text="edit42"
# the patients available to the trial
memo name=Memo95 rect=61,291,600,36 Font.Size=11 text="2.是否有足够的临床试验所需病员的说明："
memo name=Memo108 rect=57,329,190,37 Font.Size=11 text="门诊量（平均人次/天）"
memo name=edit43 rect=252,332,432,29 text="edit43"
memo name=Memo109 rect=57,368,190,40 Font.Size=11 text="住院人数（人次/年）"
memo name=edit44 rect=252,370,433,34 WordWrap=0 text="edit44"
memo name=Memo110 rect=57,410,190,41 Font.Size=11 text="床 位 数"
memo name=edit45 rect=251,416,435,34 text="edit45"
# emergency capability and the institution's opinion
memo name=Memo111 rect=63,453,620,34 Font.Size=11 text="3.临床试验出现意外不良反映，是否有相应的应急抢救能力的说明："
memo name=edit46 rect=61,493,622,293 Alignment=left,top text="edit46"
memo name=Memo112 rect=64,793,400,30 Font.Size=11 text="4.临床试验单位意见："
memo name=edit47 rect=60,828,625,136 Alignment=left,top text="edit47"
# data check code
memo name=Memo113 rect=52,980,548,18 Font.Size=8 Alignment=right,middle text="  数据核对码："
memo name=VerifyCode2 rect=604,980,96,18 Font.Size=8 text="VerifyCode2"
# rules
line name=Line53 rect=60,105,633,0
line name=Line54 rect=60,139,633,0
line name=Line55 rect=60,175,633,0
line name=Line56 rect=60,214,633,0
line name=Line57 rect=60,253,633,0
line name=Line58 rect=60,290,633,0
line name=Line59 rect=56,328,632,0
line name=Line60 rect=56,367,632,0
line name=Line61 rect=56,409,632,0
line name=Line62 rect=56,452,632,0
line name=Line64 rect=56,488,632,0
line name=Line65 rect=56,792,632,0
line name=Line66 rect=56,824,632,0
line name=Line67 rect=56,968,632,0
line name=Line68 rect=60,105,0,185
line name=Line69 rect=693,105,0,185
line name=Line70 rect=231,104,0,184
line name=Line71 rect=508,104,0,184
line name=Line72 rect=56,324,0,128
line name=Line73 rect=688,324,0,128
line name=Line74 rect=56,488,0,303
line name=Line75 rect=688,488,0,303
line name=Line76 rect=56,825,0,142
line name=Line77 rect=688,825,0,142
line name=Line78 rect=248,328,0,122

# ---------------------------------------------------------------- page 4: the staff sheet
page name="Page2" paper=9 size=2101,2969 orientation=portrait margins=0,0,0,0
defaults Font.Size=11
memo name=Memo14 rect=76,36,548,30 Font.Size=18 text="临床试验人员信息表"
memo name=Memo121 rect=64,76,400,24 Alignment=left,middle text="1.临床试验负责人信息："
# the person in charge
memo name=Memo122 rect=61,106,93,32 text="姓  名"
memo name=Memo123 rect=284,106,94,32 text="年  龄"
memo name=Memo124 rect=503,106,83,32 text="性  别"
memo name=Memo125 rect=62,140,91,34 text="任职部门"
memo name=Memo126 rect=284,140,94,34 text="职  称"
memo name=Memo127 rect=502,140,84,34 text="职  务"
memo name=Memo128 rect=60,176,95,43 text="通讯地址\n邮政编码"
memo name=Memo129 rect=60,221,95,30 text="电  话"
memo name=Memo130 rect=500,221,88,30 text="传  真"
memo name=Memo131 rect=62,253,91,29 text="电子信箱"
memo name=Memo132 rect=64,288,500,26 Alignment=left,middle text="承担该临床试验具有的专业特长和资格能力说明："
# the staff list
memo name=Memo133 rect=67,560,400,35 Alignment=left,middle text="2.参加临床试验人员名单："
memo name=Memo134 rect=68,597,136,37 text="姓  名"
memo name=Memo135 rect=220,597,137,37 text="职   务"
memo name=Memo136 rect=368,597,163,37 text="职   称"
memo name=Memo137 rect=544,597,138,37 text="专   业"
# the pledges and the signature
memo name=Memo138 rect=68,813,500,26 Alignment=left,middle text="3.临床试验人员对下列承诺的声明："
memo name=Memo143 rect=84,844,600,24 Font.Size=10 Alignment=left,middle text="* 参与按照协议、审查批准临床试验计划和其他适用的法规进行临床试验；"
memo name=Memo148 rect=84,872,600,24 Font.Size=10 Alignment=left,middle text="* 确保受试者获得知情同意。"
memo name=Memo153 rect=72,912,300,30 Alignment=left,middle text="4.临床试验人员签章："
memo name=Memo154 rect=456,960,200,22 Alignment=left,middle text="年     月     日"
memo name=Memo155 rect=64,1000,548,18 Font.Size=8 Alignment=right,middle text="  数据核对码："
defaults Font.Size=9 Alignment=left,middle WordWrap=0
memo name=edit48 rect=160,108,114,29 text="edit48"
memo name=edit49 rect=384,108,114,29 text="edit49"
memo name=edit50 rect=592,108,98,29 text="edit50"
memo name=edit51 rect=160,140,114,29 text="edit51"
memo name=edit52 rect=384,144,114,29 text="edit52"
memo name=edit53 rect=588,144,102,29 text="edit53"
memo name=edit54 rect=160,181,526,35 text="edit54"
memo name=edit55 rect=158,224,339,24 text="edit55"
memo name=edit56 rect=592,224,94,25 text="edit56"
memo name=edit57 rect=160,256,526,25 text="edit57"
memo name=edit58 rect=64,320,626,237 Alignment=left,top WordWrap=1 text="edit58"
memo name=edit59 rect=63,637,146,37 WordWrap=1 text="edit59"
memo name=edit60 rect=216,640,146,36 WordWrap=1 text="edit60"
memo name=edit61 rect=367,636,160,37 WordWrap=1 text="edit61"
memo name=edit62 rect=536,640,150,36 WordWrap=1 text="edit62"
memo name=edit63 rect=64,680,146,37 WordWrap=1 text="edit63"
memo name=edit64 rect=216,681,144,35 WordWrap=1 text="edit64"
memo name=edit65 rect=368,682,162,35 WordWrap=1 text="edit65"
memo name=edit66 rect=537,681,150,37 WordWrap=1 text="edit66"
memo name=edit67 rect=63,725,146,37 WordWrap=1 text="edit67"
memo name=edit68 rect=216,727,145,36 WordWrap=1 text="edit68"
memo name=edit69 rect=369,724,158,37 WordWrap=1 text="edit69"
memo name=edit70 rect=536,723,151,41 WordWrap=1 text="edit70"
memo name=edit71 rect=63,768,146,37 text="edit71"
memo name=edit72 rect=216,768,146,37 WordWrap=1 text="edit72"
memo name=edit73 rect=368,768,162,37 WordWrap=1 text="edit73"
memo name=edit74 rect=536,768,150,37 WordWrap=1 text="edit74"
memo name=VerifyCode3 rect=616,1000,96,18 Font.Size=8 WordWrap=1 text="VerifyCode3"
# rules
line name=Line79 rect=60,105,633,0
line name=Line80 rect=60,139,633,0
line name=Line81 rect=60,175,633,0
line name=Line82 rect=60,220,633,0
line name=Line83 rect=60,252,633,0
line name=Line84 rect=60,283,633,0
line name=Line85 rect=60,559,633,0
line name=Line86 rect=60,596,632,0
line name=Line87 rect=60,635,632,0
line name=Line88 rect=60,677,632,0
line name=Line89 rect=60,720,632,0
line name=Line90 rect=60,768,632,0
line name=Line91 rect=60,808,632,0
line name=Line92 rect=224,948,440,0
line name=Line93 rect=60,105,0,178
line name=Line94 rect=60,283,0,276
line name=Line95 rect=60,592,0,43
line name=Line96 rect=60,635,0,173
line name=Line97 rect=155,107,0,177
line name=Line98 rect=281,104,0,71
line name=Line99 rect=380,104,0,71
line name=Line100 rect=500,104,0,70
line name=Line101 rect=500,220,0,32
line name=Line104 rect=588,104,0,71
line name=Line105 rect=589,221,0,29
line name=Line106 rect=212,596,0,212
line name=Line107 rect=365,596,0,212
line name=Line108 rect=534,596,0,212
line name=Line109 rect=692,595,0,40
line name=Line110 rect=692,635,0,174
line name=Line111 rect=693,105,0,178
line name=Line112 rect=693,283,0,276
line name=Line113 rect=0,492,0,176
