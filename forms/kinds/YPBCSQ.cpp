#include "YPBCSQ.h"
#include "ui_YPBCSQ.h"

#include "frReport.h"

TFrmYPBCSQ *FrmYPBCSQ = nullptr;

TFrmYPBCSQ::TFrmYPBCSQ(QWidget *parent) : TEABaseForm(nullptr), ui(new Ui::TFrmYPBCSQ)
{
    setObjectName(QStringLiteral("FrmYPBCSQ"));
    auto *client = new QWidget;
    ui->setupUi(client);
    setWidget(client);
    setWindowTitle(QStringLiteral("变更/补办申请"));
    FormCreate(this);
    PlaceIn(parent);
}

TFrmYPBCSQ::~TFrmYPBCSQ()
{
    if (FrmYPBCSQ == this)
        FrmYPBCSQ = nullptr;
}

void TFrmYPBCSQ::FormCreate(QObject *)
{
    frReport1 = new TfrReport(this);
    frReport1->setObjectName(QStringLiteral("frReport1"));
    frReport1->DefaultCopies = 2;
    frReport1->LoadFromFile(QStringLiteral(":/reports/YPBCSQ.frt"));
    Report = frReport1;
    VerifyCodeEdit = ui->VerifyCode;
    ProductNameEdit = ui->Edit1;
    ConfigFile = QStringLiteral(".\\sys\\APPFBCSQ.xml");
    FormTitle = QStringLiteral("医疗器械变更补办申请表");
    KindTag = QStringLiteral("变更");
    ConfigType = QStringLiteral("医疗器械变更申请");
    OnBeforePrintDoc = [this](QObject *sender, TfrReport *&PrnReport, QString &AttachStr) {
        FormBeforePrintDoc(sender, PrnReport, AttachStr);
    };
}

void TFrmYPBCSQ::FormClose(QObject *sender, TCloseAction &action)
{
    TEABaseForm::FormClose(sender, action);
    if (FrmYPBCSQ == this)
        FrmYPBCSQ = nullptr;
}

void TFrmYPBCSQ::FormBeforePrintDoc(QObject *, TfrReport *&, QString &)
{
    // Every field of this kind prints in its own place on the template: nothing moves to an
    // attachment page.
}
