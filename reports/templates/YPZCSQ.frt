# The import herbal-material inspection form "进 口 药 材 报 验 单": page 1 the ruled form,
# page 2 the filling notes. Data objects carry the names of the window's input controls and
# show their own name until filled; VerifyCode1 is filled with the data check code.
report printer=""
defaults Font.Name="宋体" Font.Size=9 Font.Bold=0 Alignment=left,middle WordWrap=1 LineWidth=1

page name="" paper=9 size=2100,2970 orientation=portrait margins=90,79,54,54
# title and HS code
memo name=Memo1 rect=233,22,305,33 Font.Size=20 Font.Bold=1 Alignment=left,top text="进 口 药 材 报 验 单"
memo name=Memo3 rect=40,66,84,20 Font.Bold=1 Alignment=centre,middle text="HS商品编码："
memo name=E_1 rect=126,66,351,20 text="E_1"
# row 90-128
memo name=Memo6 rect=128,91,51,36 Alignment=centre,middle text="中文"
memo name=edit101 rect=181,92,244,32 text="edit101"
memo name=Memo7 rect=431,91,50,36 Alignment=centre,middle text="英文名"
memo name=edit102 rect=485,90,241,34 text="edit102"
# row 128-164
memo name=Memo13 rect=53,91,65,72 Alignment=centre,middle text="药材名称"
memo name=Memo14 rect=128,129,51,34 Alignment=centre,middle text="别名"
memo name=edit103 rect=181,129,243,33 text="edit103"
memo name=Memo15 rect=429,129,58,34 Alignment=centre,middle text="拉丁学名"
memo name=edit104 rect=489,130,231,31 text="edit104"
# row 164-206
memo name=Memo16 rect=46,165,79,40 Alignment=centre,middle text="包装规格"
memo name=edit105 rect=129,167,292,37 text="edit105"
memo name=Memo17 rect=430,165,55,40 Alignment=centre,middle text="批件号"
memo name=edit106 rect=488,166,235,36 text="edit106"
# row 206-257
memo name=Memo18 rect=44,207,83,49 Alignment=centre,middle text="合同号／唛头"
memo name=edit107 rect=132,212,163,36 text="edit107"
memo name=Memo19 rect=304,207,53,49 Alignment=centre,middle text="检验标准"
memo name=edit108 rect=372,212,159,36 text="edit108"
memo name=Memo20 rect=541,207,54,49 Alignment=centre,middle text="索赔期"
memo name=edit109 rect=604,212,119,36 text="edit109"
# row 257-306
memo name=Memo21 rect=48,258,75,47 Alignment=centre,middle text="货物数量"
memo name=edit110 rect=130,264,164,36 text="edit110"
memo name=Memo22 rect=300,258,61,47 Alignment=centre,middle text="货值"
memo name=edit111 rect=367,264,162,36 text="edit111"
memo name=Memo23 rect=536,258,64,47 Alignment=centre,middle text="提运单号"
memo name=edit112 rect=603,264,119,32 text="edit112"
# row 306-353
memo name=Memo24 rect=46,307,79,45 Alignment=centre,middle text="发货港(地)"
memo name=edit113 rect=132,311,278,36 text="edit113"
memo name=Memo25 rect=415,307,59,45 Alignment=centre,middle text="发货日期"
memo name=edit114 rect=484,312,239,36 text="edit114"
# row 353-399
memo name=Memo26 rect=48,354,77,44 Alignment=centre,middle text="运输工具(航／班次)"
memo name=edit115 rect=132,359,279,34 text="edit115"
memo name=Memo27 rect=416,354,57,44 Alignment=centre,middle text="负责海关"
memo name=edit116 rect=484,358,239,34 text="edit116"
# row 399-446
memo name=Memo28 rect=46,400,79,45 Alignment=centre,middle text="到岸港(地)"
memo name=edit117 rect=133,408,168,32 text="edit117"
memo name=Memo29 rect=300,400,64,45 Alignment=centre,middle text="到货日期"
memo name=edit118 rect=368,408,99,32 text="edit118"
memo name=Memo30 rect=479,400,54,45 Alignment=centre,middle text="存货地点"
memo name=edit119 rect=540,403,183,36 text="edit119"
# row 446-488
memo name=Memo31 rect=52,447,67,40 Alignment=centre,middle text="出口商 "
memo name=edit120 rect=132,452,227,28 text="edit120"
memo name=Memo32 rect=402,447,36,40 Alignment=centre,middle text="国家"
memo name=edit121 rect=480,456,244,24 text="edit121"
# row 488-532
memo name=edit208 rect=0,496,19,16 text="+"
memo name=Memo33 rect=48,489,75,42 Alignment=centre,middle text="发货单位"
memo name=edit122 rect=136,496,223,28 text="edit122"
memo name=Memo34 rect=402,489,36,42 Alignment=centre,middle text="国家"
memo name=edit123 rect=479,496,246,28 text="edit123"
# row 532-595
memo name=Memo35 rect=128,533,60,61 Alignment=centre,middle text="名称"
memo name=edit124 rect=196,544,159,40 text="edit124"
memo name=Memo36 rect=368,533,107,61 Alignment=centre,middle text="药品经营或生产许可证证号　"
memo name=edit126 rect=481,544,244,40 text="edit126"
# row 595-653
memo name=Memo37 rect=48,613,75,20 Alignment=centre,middle text="申请人"
memo name=Memo38 rect=41,635,89,20 Alignment=centre,middle text="(报验单位)"
memo name=Memo39 rect=128,596,60,56 Alignment=centre,middle text="地址"
memo name=edit125 rect=196,604,523,40 text="edit125"
# row 653-734
memo name=Memo40 rect=129,654,58,79 Alignment=centre,middle text="联系人"
memo name=edit127 rect=200,664,135,60 text="edit127"
memo name=Memo41 rect=352,654,48,79 Alignment=centre,middle text="电话"
memo name=edit128 rect=412,676,115,44 text="edit128"
memo name=Memo42 rect=536,654,186,79 Alignment=centre,middle text="（公　章）　\n   年   月   日"
# attached documents
memo name=Memo44 rect=70,796,31,20 Alignment=centre,middle text="所"
memo name=Memo45 rect=70,832,31,20 Alignment=centre,middle text="附"
memo name=Memo46 rect=70,864,31,20 Alignment=centre,middle text="资"
memo name=Memo47 rect=70,896,31,20 Alignment=centre,middle text="料"
memo name=edit201 rect=160,748,19,22 text="+"
memo name=Memo48 rect=181,748,545,22 text="1、《进口药材批件》复印件（和《进口药材补充申请批件》复印件）。"
memo name=edit202 rect=160,772,19,24 text="+"
memo name=Memo49 rect=181,772,545,24 text="2、申请人的《药品经营许可证》或者《药品生产许可证》复印件。"
memo name=edit203 rect=160,796,19,26 text="+"
memo name=Memo50 rect=181,796,545,26 text="3、原产地证明复印件。 "
memo name=edit204 rect=160,823,19,22 text="+"
memo name=Memo51 rect=181,823,545,22 text="4、购货合同复印件。"
memo name=edit205 rect=160,845,19,24 text="+"
memo name=Memo52 rect=181,845,545,24 text="5、装箱单、提运单和货运发票复印件。 "
memo name=edit206 rect=160,871,19,22 text="+"
memo name=Memo53 rect=181,871,545,22 text="6、经其他国家或者地区转口的进口药材，应当同时提交从原产地到各转口地的全部购货合同、装箱"
memo name=Memo54 rect=183,896,543,20 text="   单、提运单和货运发票。"
memo name=edit207 rect=160,916,19,23 text="+"
memo name=Memo59 rect=181,916,545,23 text="7、涉及濒危物种的药材，应当提供进出口双方国家濒危物种进出口管理机构证明文件复印件。"
memo name=edit129 rect=164,952,555,20 text="edit129"
# data check code
memo name=Memo60 rect=84,983,548,18 Alignment=right,middle text="   数据核对码："
memo name=VerifyCode rect=634,983,96,18 text=""
memo name=VerifyCryptCode rect=636,1028,96,18 text=""
# rules
line name=Line1 rect=45,90,682,0 LineWidth=2
line name=Line2 rect=128,128,598,0
line name=Line3 rect=46,164,681,0
line name=Line4 rect=47,206,678,0
line name=Line11 rect=46,257,681,0
line name=Line14 rect=46,306,678,0
line name=Line15 rect=46,353,678,0
line name=Line16 rect=46,399,682,0
line name=Line17 rect=46,446,679,0
line name=Line20 rect=48,488,679,0
line name=Line21 rect=44,532,681,0
line name=Line22 rect=128,595,599,0
line name=Line23 rect=127,653,599,0
line name=Line24 rect=47,734,680,0
line name=Line25 rect=47,981,681,0 LineWidth=2
line name=Line26 rect=63,132,1,0 LineWidth=1.5
line name=Line27 rect=45,88,0,893 LineWidth=2
line name=Line28 rect=126,89,0,892
line name=Line29 rect=190,534,0,198
line name=Line30 rect=297,208,0,49
line name=Line31 rect=297,259,0,46
line name=Line33 rect=300,400,0,46
line name=Line34 rect=344,652,0,81
line name=Line35 rect=364,209,0,96
line name=Line36 rect=364,401,0,130
line name=Line37 rect=364,533,0,62
line name=Line38 rect=408,654,0,79
line name=Line39 rect=413,307,0,92
line name=Line40 rect=427,90,0,116
line name=Line41 rect=476,308,0,91
line name=Line42 rect=476,400,0,45
line name=Line43 rect=476,447,0,83
line name=Line45 rect=476,532,0,62
line name=Line47 rect=531,655,0,79
line name=Line80 rect=536,209,0,96
line name=Line81 rect=536,401,0,45
line name=Line82 rect=600,209,0,96
line name=Line83 rect=727,89,0,892 LineWidth=2
# rules kept from the design above the paper; they print nothing
line name=Line5 rect=45,-145,100,0
line name=Line6 rect=65,-145,100,0
line name=Line10 rect=85,-145,100,0
line name=Line12 rect=105,-145,100,0
line name=Line13 rect=125,-145,100,0

page name="Page1" paper=9 size=2100,2970 orientation=portrait margins=90,79,54,54
defaults Font.Name="仿宋_GB2312" Font.Size=14
# filling notes
memo name=Memo2 rect=240,40,301,33 Font.Size=20 text="注  意  事  项"
memo name=Memo4 rect=93,92,606,65 text=" 1．本表由申请人填写，一式两份。一份由口岸或边境口岸(食品)药品监督管理局存档，一份交药品检验所。申请人应当在指定“公章”处盖章。"
memo name=Memo5 rect=94,169,605,53 text=" 2．经其它国家或者地区转口的进口药材，应当同时呈报从原产地到各转口地的全部购货合同、装箱单、提运单和货运发票。"
memo name=Memo8 rect=94,230,609,30 text=" 3．“检验标准”指《进口药材批件》载明的质量标准及其编号。"
memo name=Memo9 rect=96,270,605,45 text=" 4．“货物数量”指以《进口药材批件》载明的包装规格为基本单位的货物总量，如瓶数、盒数、公斤数等。"
memo name=Memo10 rect=96,328,605,45 text=" 5．存货地点为办结海关手续后货物拟储存仓库的具体地点，应注明名称和地址。"
memo name=Memo11 rect=96,381,605,45 text=" 6．“所附资料”项，应当逐一注明《进口药材批件》规定资料的编号。"
memo name=Memo12 rect=96,433,605,45 text=" 7．如本报验单空间不够，可另附纸说明。"
# data check code
memo name=Memo43 rect=84,979,548,18 Font.Size=9 Alignment=right,middle text="   数据核对码："
memo name=VerifyCode1 rect=634,979,96,18 Font.Size=9 text=""
# rules kept from the design above the paper; they print nothing
line name=Line7 rect=45,-148,100,0
line name=Line8 rect=65,-148,100,0
line name=Line9 rect=85,-148,100,0
line name=Line18 rect=105,-148,100,0
line name=Line19 rect=125,-148,100,0
