#include "YPBCSQ_N.h"
#include "ui_YPBCSQ_N.h"

#include "frReport.h"

TFrmYPBCSQ_N *FrmYPBCSQ_N = nullptr;

TFrmYPBCSQ_N::TFrmYPBCSQ_N(QWidget *parent) : TEABaseForm(nullptr), ui(new Ui::TFrmYPBCSQ_N)
{
    setObjectName(QStringLiteral("FrmYPBCSQ_N"));
    auto *client = new QWidget;
    ui->setupUi(client);
    setWidget(client);
    setWindowTitle(QStringLiteral("各类报告申请"));
    FormCreate(this);
    PlaceIn(parent);
}

TFrmYPBCSQ_N::~TFrmYPBCSQ_N()
{
    if (FrmYPBCSQ_N == this)
        FrmYPBCSQ_N = nullptr;
}

void TFrmYPBCSQ_N::FormCreate(QObject *)
{
    frReport1 = new TfrReport(this);
    frReport1->setObjectName(QStringLiteral("frReport1"));
    frReport1->DefaultCopies = 2;
    frReport1->LoadFromFile(QStringLiteral(":/reports/YPBCSQ_N.frt"));
    Report = frReport1;
    VerifyCodeEdit = ui->VerifyCode;
    ProductNameEdit = ui->Edit1;
    ConfigFile = QStringLiteral(".\\sys\\APPFQTSQ.xml");
    FormTitle = QStringLiteral("其他");
    KindTag = QStringLiteral("其他");
    ConfigType = QStringLiteral("各类报告");
    OnBeforePrintDoc = [this](QObject *sender, TfrReport *&PrnReport, QString &AttachStr) {
        FormBeforePrintDoc(sender, PrnReport, AttachStr);
    };
}

void TFrmYPBCSQ_N::FormClose(QObject *sender, TCloseAction &action)
{
    TEABaseForm::FormClose(sender, action);
    if (FrmYPBCSQ_N == this)
        FrmYPBCSQ_N = nullptr;
}

void TFrmYPBCSQ_N::FormBeforePrintDoc(QObject *, TfrReport *&, QString &)
{
    // Every field of this kind prints in its own place on the template: nothing moves to an
    // attachment page.
}
