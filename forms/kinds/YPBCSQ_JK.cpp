#include "YPBCSQ_JK.h"
#include "ui_YPBCSQ_JK.h"

#include "Kinds.h"
#include "frReport.h"

TFrmYPBCSQ_JK *FrmYPBCSQ_JK = nullptr;

TFrmYPBCSQ_JK::TFrmYPBCSQ_JK(QWidget *parent) : TEABaseForm(nullptr), ui(new Ui::TFrmYPBCSQ_JK)
{
    setObjectName(KindOfClass(QStringLiteral("TFrmYPBCSQ_JK")).formName);
    auto *client = new QWidget;
    ui->setupUi(client);
    setWidget(client);
    setWindowTitle(KindOfClass(QStringLiteral("TFrmYPBCSQ_JK")).caption);
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
    frReport1 = StoreKindValues(*this, KindOfClass(QStringLiteral("TFrmYPBCSQ_JK")));
    VerifyCodeEdit = ui->VerifyCode;
    ProductNameEdit = ui->Edit4;
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
