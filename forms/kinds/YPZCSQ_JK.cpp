#include "YPZCSQ_JK.h"
#include "ui_YPZCSQ_JK.h"

#include "frReport.h"

TFrmYPZCSQ_JK *FrmYPZCSQ_JK = nullptr;

TFrmYPZCSQ_JK::TFrmYPZCSQ_JK(QWidget *parent) : TEABaseForm(nullptr), ui(new Ui::TFrmYPZCSQ_JK)
{
    setObjectName(QStringLiteral("FrmYPZCSQ_JK"));
    auto *client = new QWidget;
    ui->setupUi(client);
    setWidget(client);
    setWindowTitle(QStringLiteral("临床试验方案"));
    FormCreate(this);
    PlaceIn(parent);
}

TFrmYPZCSQ_JK::~TFrmYPZCSQ_JK()
{
    if (FrmYPZCSQ_JK == this)
        FrmYPZCSQ_JK = nullptr;
}

void TFrmYPZCSQ_JK::FormCreate(QObject *)
{
    frReport1 = new TfrReport(this);
    frReport1->setObjectName(QStringLiteral("frReport1"));
    frReport1->DefaultCopies = 2;
    frReport1->LoadFromFile(QStringLiteral(":/reports/YPZCSQ_JK.frt"));
    Report = frReport1;
    VerifyCodeEdit = ui->VerifyCode;
    ProductNameEdit = ui->Edit5;
    ApplicantEdit = ui->Edit1;
    ClinicalUnitEdit = ui->Edit15;
    ConfigFile = QStringLiteral(".\\sys\\APPFLC.xml");
    FormTitle = QStringLiteral("临床试验方案申请表");
    KindTag = QStringLiteral("临床");
    ConfigType = QStringLiteral("临床试验方案");
    OnBeforePrintDoc = [this](QObject *sender, TfrReport *&PrnReport, QString &AttachStr) {
        FormBeforePrintDoc(sender, PrnReport, AttachStr);
    };
}

void TFrmYPZCSQ_JK::FormClose(QObject *sender, TCloseAction &action)
{
    TEABaseForm::FormClose(sender, action);
    if (FrmYPZCSQ_JK == this)
        FrmYPZCSQ_JK = nullptr;
}

void TFrmYPZCSQ_JK::FormBeforePrintDoc(QObject *, TfrReport *&, QString &)
{
    // Every field of this kind prints in its own place on the template: nothing moves to an
    // attachment page.
}
