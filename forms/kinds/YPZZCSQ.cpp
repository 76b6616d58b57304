#include "YPZZCSQ.h"
#include "ui_YPZZCSQ.h"

#include "frReport.h"

TFrmYPZZCSQ *FrmYPZZCSQ = nullptr;

TFrmYPZZCSQ::TFrmYPZZCSQ(QWidget *parent) : TEABaseForm(nullptr), ui(new Ui::TFrmYPZZCSQ)
{
    setObjectName(QStringLiteral("FrmYPZZCSQ"));
    auto *client = new QWidget;
    ui->setupUi(client);
    setWidget(client);
    setWindowTitle(QStringLiteral("第三方检测豁免申请"));
    FormCreate(this);
    PlaceIn(parent);
}

TFrmYPZZCSQ::~TFrmYPZZCSQ()
{
    if (FrmYPZZCSQ == this)
        FrmYPZZCSQ = nullptr;
}

void TFrmYPZZCSQ::FormCreate(QObject *)
{
    frReport1 = new TfrReport(this);
    frReport1->setObjectName(QStringLiteral("frReport1"));
    frReport1->DefaultCopies = 1;
    frReport1->LoadFromFile(QStringLiteral(":/reports/YPZZCSQ.frt"));
    Report = frReport1;
    VerifyCodeEdit = ui->VerifyCode;
    ProductNameEdit = ui->Edit4;
    ConfigFile = QStringLiteral(".\\sys\\APPF3SQ.xml");
    FormTitle = QStringLiteral("医疗器械产品第三方检测豁免申请");
    KindTag = QStringLiteral("第三方豁免");
    ConfigType = QStringLiteral("医疗器械3申请");
    OnBeforePrintDoc = [this](QObject *sender, TfrReport *&PrnReport, QString &AttachStr) {
        FormBeforePrintDoc(sender, PrnReport, AttachStr);
    };
}

void TFrmYPZZCSQ::FormClose(QObject *sender, TCloseAction &action)
{
    TEABaseForm::FormClose(sender, action);
    if (FrmYPZZCSQ == this)
        FrmYPZZCSQ = nullptr;
}

void TFrmYPZZCSQ::FormBeforePrintDoc(QObject *, TfrReport *&, QString &)
{
    // Every field of this kind prints in its own place on the template: nothing moves to an
    // attachment page.
}
