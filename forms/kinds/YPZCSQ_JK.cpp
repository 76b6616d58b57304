#include "YPZCSQ_JK.h"
#include "ui_YPZCSQ_JK.h"

#include "Kinds.h"
#include "frReport.h"

TFrmYPZCSQ_JK *FrmYPZCSQ_JK = nullptr;

TFrmYPZCSQ_JK::TFrmYPZCSQ_JK(QWidget *parent) : TEABaseForm(nullptr), ui(new Ui::TFrmYPZCSQ_JK)
{
    setObjectName(KindOfClass(QStringLiteral("TFrmYPZCSQ_JK")).formName);
    auto *client = new QWidget;
    ui->setupUi(client);
    setWidget(client);
    setWindowTitle(KindOfClass(QStringLiteral("TFrmYPZCSQ_JK")).caption);
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
    frReport1 = StoreKindValues(*this, KindOfClass(QStringLiteral("TFrmYPZCSQ_JK")));
    VerifyCodeEdit = ui->VerifyCode;
    ProductNameEdit = ui->Edit5;
    ApplicantEdit = ui->Edit1;
    ClinicalUnitEdit = ui->Edit15;
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
