# The reports application "医疗器械报告申请表" on two A4 pages. Page 1: enterprise and product,
# the kind of application, the contacts and the start of the application report. Page 2: the
# report's continuation, the submitted materials, the declaration and the signatures.
# Data objects carry the names of the window's input controls and show their own name until
# filled; VerifyCode1 is filled with the data check code.
report printer=""
defaults Font.Name="仿宋_GB2312" Font.Size=11 Alignment=left,middle WordWrap=1

page name="" paper=9 size=2101,2969 orientation=portrait margins=90,79,54,54
# above the table
memo name=Memo2 rect=496,104,180,22 text="资料号："
memo name=Memo1 rect=112,140,548,30 Font.Name="黑体" Font.Size=18 Alignment=centre,middle text="医疗器械报告申请表"
memo name=Memo3 rect=140,196,60,22 text="受理人："
line name=Line5 rect=200,220,196,0
memo name=Memo4 rect=408,196,76,22 text="受理日期："
line name=Line6 rect=484,220,180,0
# the table's frame and its label column
line name=Line13 rect=124,226,552,0
line name=Line35 rect=124,225,0,753
line name=Line36 rect=676,225,0,706
line name=Line37 rect=676,936,0,41
line name=Line38 rect=232,226,0,328
line name=Line39 rect=232,563,0,36
# 226-264
memo name=Memo5 rect=125,227,107,36 Alignment=centre,middle text="企 业 名 称"
memo name=edit1 rect=232,232,440,29 Font.Size=10 text="edit1"
line name=Line14 rect=124,264,550,0
# 264-299
memo name=Memo8 rect=127,265,105,33 Alignment=centre,middle text="企 业 地 址"
memo name=edit2 rect=234,267,289,28 Font.Size=10 text="edit2"
line name=Line40 rect=525,264,0,34
memo name=Memo16 rect=526,265,65,33 Alignment=centre,middle text="邮政编码"
line name=Line41 rect=591,264,0,34
memo name=edit3 rect=592,268,80,29 Font.Size=10 WordWrap=0 text="edit3"
line name=Line15 rect=124,299,552,0
# 299-336
memo name=Memo17 rect=128,300,104,35 Alignment=centre,middle text="产 品 名 称"
memo name=edit4 rect=232,304,440,28 Font.Size=10 text="edit4"
line name=Line42 rect=125,336,549,0
# 336-373
memo name=Memo19 rect=128,337,104,35 Alignment=centre,middle text="注 册 证 号"
memo name=edit5 rect=235,340,438,31 Font.Size=10 text="edit5"
line name=Line44 rect=124,373,550,0
# 373-449: the kinds of application, each kind's mark after its text
memo name=Memo20 rect=127,374,105,74 Alignment=centre,middle text="申 请 类 别"
memo name=Memo21 rect=236,375,170,21 text="1. 注册分类申请"
memo name=edit6 rect=406,375,39,21 Font.Size=10 text="edit6"
memo name=Memo26 rect=443,376,193,20 text="2.直接准产申请"
memo name=edit7 rect=636,376,36,20 Font.Size=10 text="edit7"
memo name=Memo28 rect=235,402,173,20 text="3. 注册单元申请"
memo name=edit8 rect=408,403,35,19 Font.Size=10 text="edit8"
memo name=Memo30 rect=443,403,193,20 text="4. 说明书变更"
memo name=edit9 rect=636,404,35,19 Font.Size=10 text="edit9"
memo name=Memo32 rect=236,426,172,20 text="5. 有关文件规定的申请"
memo name=edit10 rect=408,426,35,19 Font.Size=10 text="edit10"
memo name=Memo48 rect=444,426,78,20 text="6. 其他"
memo name=edit11 rect=522,428,149,18 Font.Size=11 text="edit11"
line name=Line45 rect=124,449,552,0
# 449-485
memo name=Memo49 rect=124,450,108,34 Alignment=centre,middle text="联 系 人"
memo name=edit12 rect=236,452,438,29 Font.Size=10 text="edit12"
line name=Line46 rect=124,485,551,0
# 485-523
memo name=Memo59 rect=124,486,108,36 Alignment=centre,middle text="联 系 地 址"
memo name=edit13 rect=234,490,266,32 Font.Size=10 text="edit13"
line name=Line47 rect=502,486,0,76
memo name=Memo60 rect=504,486,65,36 Alignment=centre,middle text="邮政编码"
line name=Line48 rect=569,486,0,77
memo name=edit14 rect=571,489,102,29 Font.Size=10 WordWrap=0 text="edit14"
line name=Line49 rect=124,523,552,0
# 523-563
memo name=Memo61 rect=124,524,108,38 Alignment=centre,middle text="联 系 电 话"
memo name=edit15 rect=236,527,264,30 Font.Size=11 WordWrap=0 text="edit15"
memo name=Memo65 rect=503,524,66,38 Alignment=centre,middle text="传 真"
memo name=edit16 rect=571,527,103,34 Font.Size=10 text="edit16"
line name=Line51 rect=124,563,552,0
# 563-599
memo name=Memo66 rect=124,564,108,34 Alignment=centre,middle text="电 子 信 箱"
memo name=edit17 rect=236,567,432,27 Font.Size=11 text="edit17"
line name=Line52 rect=124,599,550,0
# 599-980: the application report
memo name=Memo80 rect=132,604,540,24 text="申请报告：（报告必须包括以下内容：1、标题；2、报告事由;3、日期）"
memo name=edit18 rect=131,634,545,342 Font.Size=10 Alignment=left,top text="edit18"
line name=Line53 rect=124,980,552,0
# the code line
memo name=Memo325 rect=68,980,548,18 Font.Size=8 Alignment=right,middle text="  数据核对码："
memo name=VerifyCode rect=620,980,96,18 Font.Size=8 text="VerifyCode"

page name="Page4" paper=9 size=2101,2969 orientation=portrait margins=90,79,54,0
# the frame
line name=Line1 rect=122,108,554,0
line name=Line2 rect=123,108,0,871
line name=Line3 rect=676,109,0,868
line name=Line4 rect=124,979,552,0
# 108-508: the application report, continued
memo name=Memo6 rect=136,117,200,24 Font.Bold=1 text="申请报告（续）:"
memo name=edit19 rect=137,149,531,287 Font.Size=10 Alignment=left,top text="edit19"
memo name=Memo7 rect=380,444,200,22 text="申请企业（盖章）："
memo name=Memo9 rect=383,476,280,22 text="申请日期：     年   月   日"
line name=Line7 rect=124,508,551,0
# 508-548: the materials' column headings
memo name=Memo10 rect=128,509,467,38 Alignment=centre,middle text="企  业  提  交  资  料"
line name=Line16 rect=596,508,0,338
memo name=Memo11 rect=600,509,70,38 Alignment=centre,middle text="企业提交材料记录"
line name=Line8 rect=124,548,552,0
# 548-848: the materials, each with its mark in the record column
memo name=Memo12 rect=131,549,464,34 text="1.医疗器械报告申请表"
memo name=edit20 rect=620,555,47,22 Font.Size=10 text="edit20"
line name=Line9 rect=124,584,550,0
memo name=Memo13 rect=131,585,461,35 text="2.产品使用说明（包括产品名称、结构组成、机械结构图或电气原理图、作用原理、预期使用目的、对产品的风险分析）"
memo name=edit21 rect=620,592,47,24 Font.Size=10 text="edit21"
line name=Line10 rect=124,622,550,0
memo name=Memo14 rect=130,623,465,36 text="3.产品说明书（含实物照片）"
memo name=edit22 rect=620,628,47,27 Font.Size=10 text="edit22"
line name=Line11 rect=124,660,550,0
memo name=Memo15 rect=132,661,463,34 text="4．产品注册标准"
memo name=edit23 rect=620,666,43,25 Font.Size=10 text="edit23"
line name=Line12 rect=124,696,550,0
memo name=Memo18 rect=132,697,463,34 text="5．（原）产品注册证及认可表"
memo name=edit24 rect=620,703,43,20 Font.Size=10 text="edit24"
line name=Line17 rect=124,732,550,0
memo name=Memo22 rect=132,733,463,38 text="6．质量体系考核证明"
memo name=edit25 rect=620,739,47,26 Font.Size=10 text="edit25"
line name=Line18 rect=124,772,550,0
memo name=Memo23 rect=131,773,464,36 text="7．相关的文献资料或证明文件"
memo name=edit26 rect=620,779,47,23 Font.Size=10 text="edit26"
line name=Line81 rect=124,810,550,0
memo name=Memo24 rect=129,811,70,36 text="8.其他："
memo name=edit27 rect=199,818,392,21 Font.Size=10 text="edit27"
line name=Line83 rect=201,840,389,0
memo name=edit28 rect=620,820,47,22 Font.Size=10 text="edit28"
line name=Line84 rect=124,848,550,0
# 848-979: the declaration and the signatures
memo name=Memo25 rect=132,856,536,38 text="我们保证申请表内容及所提交资料均真实、合法。如以上内容被查有不实之处，我们承担由此导致的一切后果。"
memo name=Memo34 rect=132,916,200,22 text="法人签名："
memo name=Memo35 rect=420,924,200,22 text="联系人签名："
memo name=Memo36 rect=128,948,270,22 text=" 日   期：       年    月    日"
memo name=Memo46 rect=420,948,250,22 text=" 日   期：       年    月    日"
# the code line
memo name=Memo103 rect=48,984,548,18 Font.Size=8 Alignment=right,middle text="  数据核对码："
memo name=VerifyCode1 rect=600,984,96,18 Font.Size=8 text="VerifyCode1"
