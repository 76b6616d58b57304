# The clinical trial exemption application "医疗器械产品临床试验豁免申请表" on two A4 pages:
# page 1 the enterprise and product, the comparable registered product, the contacts and the
# start of the application report; page 2 the report's continuation, the submitted materials with
# their record marks, the declaration and the signatures. Data objects carry the names of the
# window's input controls and show their own name until filled; VerifyCode1 is filled with the
# data check code.
report printer=""
defaults Font.Name="仿宋_GB2312" Font.Size=11 Alignment=centre,middle WordWrap=1

page name="" paper=9 size=2101,2969 orientation=portrait margins=90,79,54,54
# above the table
memo name=Memo1 rect=496,92,176,24 Alignment=left,middle text="资料号："
memo name=Memo2 rect=120,124,548,30 Font.Size=18 text="医疗器械产品临床试验豁免申请表"
memo name=Memo3 rect=132,168,68,24 Alignment=left,middle text="受理人："
line name=Line5 rect=200,192,196,0
memo name=Memo4 rect=408,168,80,24 Alignment=left,middle text="受理日期："
line name=Line6 rect=488,192,180,0
# the table's frame and its label column
line name=Line13 rect=124,204,552,0
line name=Line41 rect=124,204,0,779
line name=Line42 rect=232,204,0,440
line name=Line49 rect=676,204,0,778
# 204-236
memo name=Memo5 rect=125,205,106,31 text="企 业 名 称"
memo name=edit1 rect=235,207,440,28 Font.Size=10 Alignment=left,middle text="edit1"
line name=Line14 rect=124,236,552,0
# 236-268
memo name=Memo8 rect=126,237,105,31 text="企 业 地 址"
memo name=edit2 rect=233,240,306,24 Font.Size=10 Alignment=left,middle text="edit2"
line name=Line46 rect=544,236,0,32
memo name=Memo26 rect=544,237,68,31 text="邮政编码"
line name=Line48 rect=612,236,0,32
memo name=edit3 rect=613,240,60,25 Font.Size=10 Alignment=left,middle text="edit3"
line name=Line15 rect=124,268,550,0
# 268-301
memo name=Memo27 rect=127,269,104,32 text="产 品 名 称"
memo name=edit4 rect=234,273,438,23 Font.Size=10 Alignment=left,middle text="edit4"
line name=Line16 rect=124,301,552,0
# 301-332
memo name=Memo28 rect=124,302,108,30 text="执 行 标 准"
memo name=edit5 rect=236,304,435,26 Font.Size=10 Alignment=left,middle text="edit5"
line name=Line18 rect=124,332,552,0
# 332-372
memo name=Memo29 rect=124,333,108,39 text="试 产 检 测\n报 告 编 号"
memo name=edit6 rect=232,336,435,29 Font.Size=10 Alignment=left,middle text="edit6"
line name=Line19 rect=124,372,551,0
# 372-520: the comparable product, five sub-rows with a second label column
memo name=Memo30 rect=124,412,108,68 Alignment=left,middle text="\n同 类 产 品\n\n基 本 情 况"
line name=Line44 rect=308,374,0,144
memo name=Memo31 rect=232,373,76,30 text="产品名称"
memo name=edit7 rect=312,376,359,26 Font.Size=10 Alignment=left,middle text="edit7"
line name=Line20 rect=232,403,443,0
memo name=Memo32 rect=232,404,76,28 text="规格型号"
memo name=edit8 rect=312,404,359,26 Font.Size=10 Alignment=left,middle WordWrap=0 text="edit8"
line name=Line21 rect=233,432,442,0
memo name=Memo33 rect=232,433,76,27 text="生产单位"
memo name=edit9 rect=312,432,359,26 Font.Size=10 Alignment=left,middle text="edit9"
line name=Line22 rect=232,460,444,0
memo name=Memo44 rect=232,461,76,31 text="注册标准"
memo name=edit10 rect=312,464,359,26 Font.Size=10 Alignment=left,middle text="edit10"
line name=Line23 rect=232,492,444,0
memo name=Memo45 rect=236,493,72,27 text="注册证号"
memo name=edit11 rect=312,492,359,26 Font.Size=10 Alignment=left,middle text="edit11"
line name=Line34 rect=125,520,549,0
# 520-551
memo name=Memo48 rect=128,521,104,30 Alignment=left,middle text="联 系 人"
memo name=edit12 rect=236,524,435,26 Font.Size=10 Alignment=left,middle text="edit12"
line name=Line36 rect=126,551,548,0
# 551-582
memo name=Memo49 rect=128,552,104,30 Alignment=left,middle text="联 系 地 址"
memo name=edit13 rect=232,552,264,26 Font.Size=10 Alignment=left,middle text="edit13"
line name=Line45 rect=498,552,0,60
memo name=Memo50 rect=499,552,68,30 text="邮政编码"
line name=Line47 rect=567,552,0,60
memo name=edit14 rect=569,553,103,28 Font.Size=10 Alignment=left,middle text="edit14"
line name=Line37 rect=126,582,548,0
# 582-614
memo name=Memo54 rect=128,583,104,31 Alignment=left,middle text="联 系 电 话"
memo name=edit15 rect=232,584,264,26 Font.Size=10 Alignment=left,middle text="edit15"
memo name=Memo57 rect=499,583,68,31 text="传   真"
memo name=edit16 rect=568,584,106,28 Font.Size=10 Alignment=left,middle text="edit16"
line name=Line38 rect=125,614,550,0
# 614-645
memo name=Memo59 rect=128,615,104,30 text="电 子 信 箱"
memo name=edit17 rect=232,616,435,26 Font.Size=10 Alignment=left,middle text="edit17"
line name=Line39 rect=124,645,552,0
# 645-984: the application report
memo name=Memo80 rect=136,653,536,27 Alignment=left,middle text="申 请 报 告：（按照医疗器械产品豁免临床试验要求编写申请报告）"
memo name=edit18 rect=135,684,529,296 Font.Size=10 Alignment=left,top text="edit18"
line name=Line40 rect=124,984,548,0
# the data check code
memo name=Memo325 rect=48,985,548,18 Font.Size=8 Alignment=right,middle text="  数据核对码："
memo name=VerifyCode rect=600,985,96,18 Font.Size=8 Alignment=left,middle text="VerifyCode"

page name="Page4" paper=9 size=2101,2969 orientation=portrait margins=90,79,54,0
defaults Alignment=left,middle
# the frame
line name=Line1 rect=122,108,554,0
line name=Line26 rect=123,108,0,858
line name=Line84 rect=676,109,0,857
# 108-532: the report continued, the applicant's seal and date
memo name=Memo6 rect=136,117,300,26 Font.Bold=1 text="申 请 报 告（续）:"
memo name=edit19 rect=137,149,531,304 Font.Size=10 Alignment=left,top text="edit19"
memo name=Memo7 rect=440,456,228,28 text="申请企业（盖章）："
memo name=Memo9 rect=439,496,229,28 text="申请日期：     年   月   日"
line name=Line2 rect=124,532,550,0
# the materials: item, mark column 552-596, record column from 596. A 14-point mark needs a
# line of 22 units: its box is that high, centred where an 18-unit box would stand.
line name=Line81 rect=552,533,0,288
line name=Line83 rect=596,532,0,290
memo name=Memo10 rect=132,533,420,35 text="企  业  提  交  资  料"
memo name=Memo11 rect=560,538,30,22 Font.Size=14 text="+"
memo name=Memo12 rect=600,533,76,35 text="企业提交材料记录"
line name=Line3 rect=124,568,551,0
memo name=Memo13 rect=131,569,420,39 text="1、医疗器械产品临床试验豁免申请表"
memo name=Memo24 rect=560,578,30,22 Font.Size=14 text="+"
memo name=edit20 rect=616,576,54,21 Font.Size=10 text="edit20"
line name=Line4 rect=124,608,552,0
memo name=Memo14 rect=129,609,422,35 text="2、产品注册标准"
memo name=Memo25 rect=560,614,30,22 Font.Size=14 text="+"
memo name=edit21 rect=616,616,51,20 Font.Size=10 text="edit21"
line name=Line7 rect=128,644,550,0
memo name=Memo15 rect=128,645,423,37 text="3、注册标准技术复核报告"
memo name=Memo34 rect=560,654,30,22 Font.Size=14 text="+"
memo name=edit22 rect=616,652,51,20 Font.Size=10 text="edit22"
line name=Line8 rect=124,682,550,0
memo name=Memo18 rect=130,683,421,37 text="4、产品使用说明书（含产品实物照片）"
memo name=Memo36 rect=560,690,30,22 Font.Size=14 text="+"
memo name=edit23 rect=616,690,51,20 Font.Size=10 text="edit23"
line name=Line9 rect=128,720,550,0
memo name=Memo20 rect=131,721,420,37 text="5、已上市同类产品的概述"
memo name=Memo37 rect=560,730,30,22 Font.Size=14 text="+"
memo name=edit24 rect=616,729,51,16 Font.Size=10 text="edit24"
line name=Line10 rect=124,758,550,0
memo name=Memo22 rect=128,759,423,33 text="6、要求豁免临床试验的医疗器械与上市的器械进行实质性等同对比"
memo name=Memo38 rect=560,766,30,22 Font.Size=14 text="+"
memo name=edit25 rect=616,764,51,20 Font.Size=10 text="edit25"
line name=Line11 rect=124,792,550,0
memo name=Memo23 rect=128,793,84,27 text="7、其他："
memo name=edit27 rect=212,796,335,24 Font.Size=10 text="edit27"
line name=Line12 rect=196,820,348,0
memo name=Memo39 rect=556,798,30,22 Font.Size=14 text="±"
memo name=edit26 rect=616,798,47,22 Font.Size=10 text="edit26"
line name=Line24 rect=120,824,556,0
# 824-965: the declaration and the signatures
memo name=Memo40 rect=132,840,536,38 text="我们保证申请表内容及所提交资料均真实、合法。如以上内容被查有不实之处，我们承担由此导致的一切后果。"
memo name=Memo41 rect=132,900,200,24 text="法人签名："
memo name=Memo42 rect=424,908,200,24 text="联系人签名："
memo name=Memo43 rect=128,932,260,24 text=" 日   期：       年    月    日"
memo name=Memo46 rect=420,932,250,24 text=" 日   期：       年    月    日"
line name=Line25 rect=124,965,552,0
# the data check code
memo name=Memo103 rect=48,967,548,18 Font.Size=8 Alignment=right,middle text="  数据核对码："
memo name=VerifyCode1 rect=600,967,96,18 Font.Size=8 text="VerifyCode1"
