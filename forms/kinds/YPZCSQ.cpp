#include "YPZCSQ.h"
#include "ui_YPZCSQ.h"

#include "frReport.h"

TFrmYPZCSQ *FrmYPZCSQ = nullptr;

TFrmYPZCSQ::TFrmYPZCSQ(QWidget *parent) : TEABaseForm(nullptr), ui(new Ui::TFrmYPZCSQ)
{
    setObjectName(QStringLiteral("FrmYPZCSQ"));
    auto *client = new QWidget;
    ui->setupUi(client);
    setWidget(client);
    setWindowTitle(QStringLiteral("注册申请表"));
    FormCreate(this);
    PlaceIn(parent);
}

TFrmYPZCSQ::~TFrmYPZCSQ()
{
    if (FrmYPZCSQ == this)
        FrmYPZCSQ = nullptr;
}

void TFrmYPZCSQ::FormCreate(QObject *)
{
    frReport1 = new TfrReport(this);
    frReport1->setObjectName(QStringLiteral("frReport1"));
    frReport1->DefaultCopies = 2;
    frReport1->LoadFromFile(QStringLiteral(":/reports/YPZCSQ.frt"));
    Report = frReport1;
    VerifyCodeEdit = ui->VerifyCode;
    ConfigFile = QStringLiteral(".\\sys\\APPFZCSQ.xml");
    FormTitle = QStringLiteral("进口药材报验申请表");
    KindTag = QStringLiteral("注册");
    ConfigType = QStringLiteral("医疗器械出口证明申请");
    OnBeforePrintDoc = [this](QObject *sender, TfrReport *&PrnReport, QString &AttachStr) {
        FormBeforePrintDoc(sender, PrnReport, AttachStr);
    };
}

void TFrmYPZCSQ::FormClose(QObject *sender, TCloseAction &action)
{
    TEABaseForm::FormClose(sender, action);
    if (FrmYPZCSQ == this)
        FrmYPZCSQ = nullptr;
}

void TFrmYPZCSQ::FormBeforePrintDoc(QObject *, TfrReport *&, QString &)
{
    // Every field of this kind prints in its own place on the template: nothing moves to an
    // attachment page.
}
