#include "YPBCSQ_JK.h"
#include "ui_YPBCSQ_JK.h"

#include "frReport.h"

TFrmYPBCSQ_JK *FrmYPBCSQ_JK = nullptr;

TFrmYPBCSQ_JK::TFrmYPBCSQ_JK(QWidget *parent) : TEABaseForm(nullptr), ui(new Ui::TFrmYPBCSQ_JK)
{
    setObjectName(QStringLiteral("FrmYPBCSQ_JK"));
    auto *client = new QWidget;
    ui->setupUi(client);
    setWidget(client);
    setWindowTitle(QStringLiteral("临床试验豁免"));
    FormCreate(this);
    PlaceIn(parent);
}

TFrmYPBCSQ_JK::~TFrmYPBCSQ_JK()
{
    if (FrmYPBCSQ_JK == this)
        FrmYPBCSQ_JK = nullptr;
}

void TFrmYPBCSQ_JK::FormCreate(QObject *)
{
    frReport1 = new TfrReport(this);
    frReport1->setObjectName(QStringLiteral("frReport1"));
    frReport1->DefaultCopies = 1;
    frReport1->LoadFromFile(QStringLiteral(":/reports/YPBCSQ_JK.frt"));
    Report = frReport1;
    VerifyCodeEdit = ui->VerifyCode;
    ProductNameEdit = ui->Edit4;
    ConfigFile = QStringLiteral(".\\sys\\APPFLCHM.xml");
    FormTitle = QStringLiteral("临床试验豁免申请");
    KindTag = QStringLiteral("临床豁免");
    ConfigType = QStringLiteral("临床试验豁免申请");
    OnBeforePrintDoc = [this](QObject *sender, TfrReport *&PrnReport, QString &AttachStr) {
        FormBeforePrintDoc(sender, PrnReport, AttachStr);
    };
}

void TFrmYPBCSQ_JK::FormClose(QObject *sender, TCloseAction &action)
{
    TEABaseForm::FormClose(sender, action);
    if (FrmYPBCSQ_JK == this)
        FrmYPBCSQ_JK = nullptr;
}

void TFrmYPBCSQ_JK::FormBeforePrintDoc(QObject *, TfrReport *&, QString &)
{
    // Every field of this kind prints in its own place on the template: nothing moves to an
    // attachment page.
}
