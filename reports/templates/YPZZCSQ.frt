# The application for exemption from testing by an independent party, "医疗器械产品第三方检测豁免申请表",
# on two A4 pages: page 1 the enterprise, the product, the registration and certification
# particulars, the comparable registered product, the contacts and the start of the application
# report; page 2 the rest of the report, the submitted materials, the declaration and the
# signatures. Data objects carry the names of the window's input controls and show their own name
# until filled; VerifyCode1 is filled with the data check code.
report printer=""
defaults Font.Name="仿宋_GB2312" Font.Size=11 Alignment=left,middle WordWrap=1

page name="" paper=9 size=2101,2969 orientation=portrait margins=90,79,54,54
# above the table
memo name=Memo1 rect=496,92,80,20 text="资料号："
memo name=Memo2 rect=120,124,548,30 Font.Size=18 Font.Bold=1 Alignment=centre,middle text="医疗器械产品第三方检测豁免申请表"
memo name=Memo3 rect=132,168,66,20 text="受理人："
line name=Line5 rect=200,192,196,0
memo name=Memo4 rect=408,168,78,20 text="受理日期："
line name=Line6 rect=488,192,180,0

# the table: label column 120-232, value column to 676
line name=Line13 rect=121,204,555,0
memo name=Memo5 rect=127,205,105,31 Alignment=centre,middle text="企 业 名 称"
memo name=edit1 rect=235,208,440,24 Font.Size=10 text="edit1"
line name=Line14 rect=120,236,554,0
memo name=Memo8 rect=128,237,104,31 Alignment=centre,middle text="企 业 地 址"
memo name=edit2 rect=234,239,307,25 Font.Size=10 text="edit2"
memo name=Memo26 rect=544,237,68,31 Alignment=centre,middle text="邮政编码"
memo name=edit3 rect=613,240,60,25 Font.Size=10 text="edit3"
line name=Line15 rect=121,268,553,0
memo name=Memo27 rect=127,269,105,32 Alignment=centre,middle text="产 品 名 称"
memo name=edit4 rect=235,272,438,24 Font.Size=10 text="edit4"
line name=Line16 rect=120,301,555,0
memo name=Memo28 rect=124,302,108,30 Alignment=centre,middle text="规 格 型 号"
memo name=edit5 rect=236,305,435,24 Font.Size=10 text="edit5"
line name=Line18 rect=120,332,554,0
memo name=Memo29 rect=124,333,108,31 Alignment=centre,middle text="产 品 分 类"
memo name=edit6 rect=235,336,439,26 Font.Size=10 text="edit6"
line name=Line19 rect=120,364,553,0
memo name=Memo30 rect=124,365,108,30 Alignment=centre,middle text="执 行 标 准"
memo name=edit7 rect=236,368,435,22 Font.Size=10 text="edit7"
line name=Line20 rect=120,395,555,0
memo name=Memo31 rect=124,396,108,36 Alignment=centre,middle text="本次申请\n注册种类"
memo name=edit8 rect=236,398,435,31 Font.Size=10 text="edit8"
line name=Line21 rect=121,432,555,0
memo name=Memo32 rect=124,433,108,39 Alignment=centre,middle text="本次申请\n豁免情况"
memo name=edit9 rect=234,435,439,32 Font.Size=10 text="edit9"
line name=Line22 rect=120,472,555,0
memo name=Memo33 rect=124,473,108,43 Alignment=centre,middle text="企业质量保证\n体系认证"
memo name=edit10 rect=234,476,439,34 Font.Size=10 text="edit10"
line name=Line23 rect=121,516,554,0
memo name=Memo44 rect=124,517,108,30 Alignment=centre,middle text="产品质量认证"
memo name=edit11 rect=234,520,438,22 Font.Size=10 text="edit11"
line name=Line27 rect=118,547,557,0

# the enterprise's registered product of the same class: three sub-rows, a second label column to 308
memo name=Memo45 rect=128,560,104,60 Alignment=centre,middle text="本企业同类\n已注册产品\n基本情况"
memo name=Memo48 rect=236,548,72,24 text="产品名称"
memo name=edit12 rect=312,548,360,22 Font.Size=10 text="edit12"
line name=Line28 rect=232,572,442,0
memo name=Memo49 rect=236,573,72,27 text="注册标准"
memo name=edit13 rect=312,576,360,22 Font.Size=10 text="edit13"
line name=Line29 rect=232,600,444,0
memo name=Memo50 rect=236,601,72,27 text="注册证号"
memo name=edit14 rect=312,604,361,22 Font.Size=10 text="edit14"
line name=Line30 rect=119,628,556,0

# contacts
memo name=Memo54 rect=124,629,108,27 Alignment=centre,middle text="联 系 人"
memo name=edit15 rect=236,632,437,22 Font.Size=10 text="edit15"
line name=Line34 rect=120,656,556,0
memo name=Memo56 rect=128,657,104,30 Alignment=centre,middle text="联 系 地 址"
memo name=edit16 rect=235,659,268,24 Font.Size=10 text="edit16"
memo name=Memo57 rect=506,657,71,30 Alignment=centre,middle text="邮政编码"
memo name=edit17 rect=579,658,94,26 Font.Size=10 WordWrap=0 text="edit17"
line name=Line36 rect=122,687,553,0
memo name=Memo58 rect=128,688,104,31 Alignment=centre,middle text="联 系 电 话"
memo name=edit18 rect=236,688,267,24 Font.Size=10 text="edit18"
memo name=Memo59 rect=506,688,71,31 Alignment=centre,middle text="传   真"
memo name=edit19 rect=578,689,95,26 Font.Size=10 text="edit19"
line name=Line37 rect=121,719,554,0
memo name=Memo60 rect=128,720,104,30 Alignment=centre,middle text="电 子 信 箱"
memo name=edit20 rect=236,724,435,22 Font.Size=10 text="edit20"
line name=Line39 rect=120,750,555,0

# the application report; its heading and guidance in 9 points, the size at which the whole
# guidance fits its two lines under the heading
memo name=Memo80 rect=132,754,537,43 Font.Size=9 text="申 请 报 告：\n（报告中应包含以下内容：1、所申请产品的名称、结构组成、器械结构或电气原理图、作用机理、预期使用目的和对产品的风险分析；2、所申请产品与已注册产品结构组成和性能的比较）"
memo name=edit21 rect=130,801,541,148 Font.Size=10 Alignment=left,top text="edit21"
line name=Line40 rect=120,956,555,0

# the frame's verticals and the inner rules
line name=Line41 rect=120,203,0,752
line name=Line42 rect=232,204,0,544
line name=Line45 rect=308,548,0,80
line name=Line46 rect=505,657,0,62
line name=Line47 rect=544,236,0,32
line name=Line48 rect=577,657,0,61
line name=Line49 rect=612,236,0,32
line name=Line51 rect=676,204,0,751

# the data check code
memo name=Memo325 rect=32,958,548,18 Font.Size=8 Alignment=right,middle text="  数据核对码："
memo name=VerifyCode rect=584,958,96,18 Font.Size=8 text="VerifyCode"

page name="Page4" paper=9 size=2101,2969 orientation=portrait margins=90,79,54,0
# the frame
line name=Line1 rect=122,80,554,0
line name=Line26 rect=123,80,0,890
line name=Line84 rect=676,81,0,889

# the continued report, the stamp and the date
memo name=Memo6 rect=136,89,200,20 Font.Bold=1 text="申 请 报 告（续）:"
memo name=edit22 rect=128,112,543,356 Font.Size=10 Alignment=left,top text="edit22"
memo name=Memo7 rect=428,480,160,20 text="申请企业（盖章）："
memo name=Memo9 rect=427,508,240,20 text="申请日期：     年   月   日"
line name=Line2 rect=124,548,550,0

# the submitted materials: item column, marks column 552-596, record column from 596; the
# 14-point marks stand in boxes one 14-point line high, centred on their rows
memo name=Memo10 rect=132,549,418,35 Alignment=centre,middle text="企  业  提  交  资  料"
memo name=Memo11 rect=560,554,30,22 Font.Size=14 Alignment=centre,middle text="+"
memo name=Memo12 rect=600,549,68,35 Alignment=centre,middle text="企业提交材料记录"
line name=Line3 rect=124,584,551,0
memo name=Memo13 rect=131,585,419,39 text="1、医疗器械产品第三方检测豁免申请表"
memo name=Memo24 rect=560,594,30,22 Font.Size=14 Alignment=centre,middle text="+"
memo name=edit23 rect=620,592,47,23 Font.Size=10 text="edit23"
line name=Line4 rect=124,624,552,0
memo name=Memo14 rect=129,625,421,35 text="2、产品注册标准"
memo name=Memo25 rect=560,630,30,22 Font.Size=14 Alignment=centre,middle text="+"
memo name=edit24 rect=620,632,47,22 Font.Size=10 text="edit24"
line name=Line7 rect=128,660,550,0
memo name=Memo15 rect=128,661,422,37 text="3、产品使用说明书（含产品实物照片）"
memo name=Memo34 rect=560,670,30,22 Font.Size=14 Alignment=centre,middle text="+"
memo name=edit25 rect=620,668,47,23 Font.Size=10 text="edit25"
line name=Line8 rect=124,698,550,0
memo name=Memo18 rect=130,699,420,37 text="4、本企业同类已注册产品注册证及认可表"
memo name=Memo36 rect=560,706,30,22 Font.Size=14 Alignment=centre,middle text="+"
memo name=edit26 rect=621,706,47,23 Font.Size=10 text="edit26"
line name=Line9 rect=128,736,550,0
memo name=Memo20 rect=131,737,419,37 text="5、企业质量保证体系认证证明"
memo name=Memo37 rect=560,746,30,22 Font.Size=14 Alignment=centre,middle text="+"
memo name=edit27 rect=620,745,49,21 Font.Size=10 text="edit27"
line name=Line10 rect=124,774,550,0
memo name=Memo22 rect=128,775,422,33 text="6、产品质量认证证明"
memo name=Memo38 rect=560,782,30,22 Font.Size=14 Alignment=centre,middle text="+"
memo name=edit28 rect=621,780,51,20 Font.Size=10 text="edit28"
line name=Line11 rect=124,808,550,0
memo name=Memo23 rect=128,809,78,27 text="7、其他："
memo name=edit30 rect=208,816,339,24 Font.Size=10 text="edit30"
line name=Line12 rect=196,836,348,0
memo name=Memo39 rect=560,814,30,22 Font.Size=14 Alignment=centre,middle text="±"
memo name=edit29 rect=620,815,47,20 Font.Size=10 text="edit29"
line name=Line24 rect=120,840,556,0
line name=Line81 rect=552,549,0,288
line name=Line83 rect=596,548,0,290

# the declaration and the signatures
memo name=Memo40 rect=132,856,536,38 text="我们保证申请表内容及所提交资料均真实、合法。如以上内容被查有不实之处，我们承担由此导致的一切后果。"
memo name=Memo41 rect=132,908,200,20 text="法人签名："
memo name=Memo42 rect=424,912,200,20 text="联系人签名："
memo name=Memo43 rect=128,940,280,20 text=" 日   期：       年    月    日"
memo name=Memo46 rect=420,940,250,20 text=" 日   期：       年    月    日"
line name=Line25 rect=124,969,552,0

# the data check code
memo name=Memo103 rect=268,976,312,18 Font.Size=8 Alignment=right,middle text="  数据核对码："
memo name=VerifyCode1 rect=584,976,96,18 Font.Size=8 text="VerifyCode1"
