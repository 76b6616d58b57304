# The registration-certificate change application "上海市医疗器械产品注册证变更申请表", two A4
# pages: page 1 the product, the changed items, the enterprise and contact data and the start of
# the description of the change; page 2 its continuation, the submitted materials, the
# declaration and the signatures. Data objects carry the names of the window's input controls and
# show their own name until filled; VerifyCode1 is filled with the data check code.
report printer=""
defaults Font.Name="仿宋_GB2312" Font.Size=11 Alignment=left,middle WordWrap=0

page name="" paper=9 size=2101,2969 orientation=portrait margins=90,79,54,54
# title block
memo name=Memo1 rect=496,104,80,20 text="资料号："
memo name=Memo2 rect=124,140,548,30 Font.Name="黑体" Font.Size=18 Alignment=centre,middle text="上海市医疗器械产品注册证变更申请表"
memo name=Memo3 rect=140,196,60,24 text="受理人："
memo name=Memo4 rect=408,196,76,24 text="受理日期："
line name=Line5 rect=200,220,196,0
line name=Line6 rect=484,220,180,0
# the table: rules
line name=Line13 rect=124,240,108,0
line name=Line14 rect=232,240,444,0
line name=Line15 rect=124,272,108,0
line name=Line34 rect=232,272,444,0
line name=Line35 rect=124,304,108,0
line name=Line36 rect=232,304,440,0
line name=Line37 rect=124,377,108,0
line name=Line38 rect=232,377,444,0
line name=Line39 rect=124,413,108,0
line name=Line40 rect=232,413,291,0
line name=Line41 rect=523,413,153,0
line name=Line42 rect=124,453,108,0
line name=Line44 rect=232,453,291,0
line name=Line45 rect=523,453,153,0
line name=Line46 rect=124,489,552,0
line name=Line47 rect=124,525,108,0
line name=Line48 rect=232,525,440,0
line name=Line49 rect=124,565,108,0
line name=Line50 rect=232,565,444,0
line name=Line51 rect=124,605,552,0
line name=Line52 rect=124,641,548,0
line name=Line53 rect=124,980,552,0
line name=Line54 rect=124,241,0,400
line name=Line55 rect=124,641,0,338
line name=Line56 rect=232,240,0,401
line name=Line57 rect=499,525,0,80
line name=Line58 rect=523,413,0,72
line name=Line59 rect=568,525,0,77
line name=Line60 rect=595,412,0,74
line name=Line61 rect=676,241,0,400
line name=Line62 rect=676,641,0,336
# the table: labels of the left column and the small labels, centred in their cells
memo name=Memo5 rect=129,241,103,31 Alignment=centre,middle text="产 品 名 称"
memo name=Memo8 rect=128,273,104,31 Alignment=centre,middle text="注 册 证 号"
memo name=Memo17 rect=127,305,105,72 Alignment=centre,middle text="变 更 项 目"
memo name=Memo49 rect=124,378,108,35 Alignment=centre,middle text="企 业 名 称"
memo name=Memo54 rect=124,414,108,39 Alignment=centre,middle text="企业注册地址"
memo name=Memo57 rect=527,414,68,39 Alignment=centre,middle text="邮政编码"
memo name=Memo58 rect=124,454,108,35 Alignment=centre,middle text="生产场所地址"
memo name=Memo59 rect=526,454,69,35 Alignment=centre,middle text="邮政编码"
memo name=Memo60 rect=124,490,108,35 Alignment=centre,middle text="联 系 人"
memo name=Memo61 rect=124,526,108,39 Alignment=centre,middle text="联 系 地 址"
memo name=Memo63 rect=501,526,67,39 Alignment=centre,middle text="邮政编码"
memo name=Memo64 rect=124,566,108,39 Alignment=centre,middle text="联 系 电 话"
memo name=Memo65 rect=501,566,67,39 Alignment=centre,middle text="传 真"
memo name=Memo66 rect=124,606,108,35 Alignment=centre,middle text="电 子 信 箱"
# the changed items, each mark after its text
memo name=Memo19 rect=236,307,136,21 text="1. 注册产品名称"
memo name=Memo20 rect=452,307,148,21 text="2. 生产企业名称"
memo name=Memo21 rect=236,335,136,19 text="3. 生产企业地址"
memo name=Memo26 rect=452,335,148,19 text="4. 注册产品规格型号"
memo name=Memo48 rect=236,356,88,17 text="5. 其他"
memo name=Memo80 rect=132,646,540,28 text="简述变更内容及原因："
# data objects
memo name=edit1 rect=234,241,438,31 Font.Size=10 WordWrap=1 text="edit1"
memo name=edit2 rect=234,275,440,28 Font.Size=10 WordWrap=1 text="edit2"
memo name=edit3 rect=372,307,58,21 Font.Size=10 WordWrap=1 text="edit3"
memo name=edit4 rect=600,308,45,20 Font.Size=10 WordWrap=1 text="edit4"
memo name=edit5 rect=372,335,58,19 Font.Size=10 WordWrap=1 text="edit5"
memo name=edit6 rect=600,336,47,19 Font.Size=10 WordWrap=1 text="edit6"
memo name=edit7 rect=324,356,322,17 Font.Size=11 WordWrap=1 text="edit7"
memo name=edit8 rect=235,381,438,31 Font.Size=10 WordWrap=1 text="edit8"
memo name=edit9 rect=235,417,286,34 Font.Size=10 WordWrap=1 text="edit9"
memo name=edit10 rect=595,417,77,30 Font.Size=10 WordWrap=0 text="edit10"
memo name=edit11 rect=235,457,287,31 Font.Size=10 WordWrap=1 text="edit11"
memo name=edit12 rect=596,455,77,29 Font.Size=10 WordWrap=0 text="edit12"
memo name=edit13 rect=236,492,438,29 Font.Size=10 WordWrap=1 text="edit13"
memo name=edit14 rect=234,530,262,32 Font.Size=10 WordWrap=1 text="edit14"
memo name=edit15 rect=570,529,102,29 Font.Size=10 WordWrap=0 text="edit15"
memo name=edit16 rect=236,569,260,30 Font.Size=11 WordWrap=0 text="edit16"
memo name=edit17 rect=570,569,103,34 Font.Size=10 WordWrap=1 text="edit17"
memo name=edit18 rect=236,609,432,27 Font.Size=11 WordWrap=1 text="edit18"
memo name=edit19 rect=131,676,545,304 Alignment=left,top Font.Size=10 WordWrap=1 text="edit19"
# the data check code
memo name=Memo325 rect=68,1000,548,18 Font.Size=8 Alignment=right,middle WordWrap=1 text="  数据核对码："
memo name=VerifyCode rect=620,1000,96,18 Font.Size=8 WordWrap=1 text="VerifyCode"

page name="Page4" paper=9 size=2101,2969 orientation=portrait margins=90,79,54,0
defaults WordWrap=1
# the frame and the rows of the materials list
line name=Line1 rect=122,108,554,0
line name=Line2 rect=124,582,551,0
line name=Line3 rect=124,617,552,0
line name=Line4 rect=124,650,550,0
line name=Line7 rect=124,686,550,0
line name=Line8 rect=124,726,550,0
line name=Line9 rect=124,768,550,0
line name=Line10 rect=124,810,550,0
line name=Line11 rect=124,848,550,0
line name=Line12 rect=201,840,389,0
line name=Line16 rect=124,979,552,0
line name=Line81 rect=123,108,0,871
line name=Line83 rect=596,584,0,262
line name=Line84 rect=676,109,0,868
# continuation of the description
memo name=Memo6 rect=136,117,536,28 Font.Bold=1 text="变更内容及原因（续）:"
memo name=edit20 rect=137,149,531,368 Font.Size=10 Alignment=left,top text="edit20"
memo name=Memo7 rect=416,522,256,28 text="申请企业（盖章）："
memo name=Memo9 rect=415,551,257,28 text="申请日期：     年   月   日"
# submitted materials
memo name=Memo10 rect=128,583,468,34 Alignment=centre,middle text="企  业  提  交  资  料"
memo name=Memo11 rect=600,583,74,34 Alignment=centre,middle text="企业提交材料记录"
memo name=Memo12 rect=127,618,469,32 text="1、上海市医疗器械产品注册证变更申请表"
memo name=Memo13 rect=129,651,467,35 text="2、原产品注册证及认可表"
memo name=Memo14 rect=130,687,466,39 text="3、新生产企业许可证或备案表"
memo name=Memo15 rect=131,727,465,41 text="4、相关的证明文件"
memo name=Memo16 rect=132,769,464,41 text="5、产品使用说明书"
memo name=Memo18 rect=129,811,70,37 text="6、其他："
memo name=edit21 rect=604,620,63,28 Font.Size=10 text="edit21"
memo name=edit22 rect=604,654,63,28 Font.Size=10 text="edit22"
memo name=edit23 rect=604,690,63,32 Font.Size=10 text="edit23"
memo name=edit24 rect=604,727,63,32 Font.Size=10 text="edit24"
memo name=edit30 rect=602,772,63,32 Font.Size=10 text="edit30"
memo name=edit26 rect=199,818,392,21 Font.Size=10 text="edit26"
memo name=edit25 rect=604,812,63,32 Font.Size=10 text="edit25"
# declaration and signatures
memo name=Memo22 rect=132,856,536,38 text="我们保证申请表内容及所提交资料均真实、合法。如以上内容被查有不实之处，我们承担由此导致的一切后果。"
memo name=Memo23 rect=132,916,284,28 text="法人签名："
memo name=Memo24 rect=420,924,252,24 text="联系人签名："
memo name=Memo25 rect=128,948,288,26 text=" 日   期：       年    月    日"
memo name=Memo46 rect=420,948,252,26 text=" 日   期：       年    月    日"
# the data check code
memo name=Memo103 rect=48,984,548,18 Font.Size=8 Alignment=right,middle text="  数据核对码："
memo name=VerifyCode1 rect=600,984,96,18 Font.Size=8 text="VerifyCode1"
