#include "YPBCSQ_N.h"
#include "ui_YPBCSQ_N.h"

#include "Kinds.h"
#include "frReport.h"

TFrmYPBCSQ_N *FrmYPBCSQ_N = nullptr;

TFrmYPBCSQ_N::TFrmYPBCSQ_N(QWidget *parent) : TEABaseForm(nullptr), ui(new Ui::TFrmYPBCSQ_N)
{
    setObjectName(KindOfClass(QStringLiteral("TFrmYPBCSQ_N")).formName);
    auto *client = new QWidget;
    ui->setupUi(client);
    setWidget(client);
    setWindowTitle(KindOfClass(QStringLiteral("TFrmYPBCSQ_N")).caption);
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
    frReport1 = StoreKindValues(*this, KindOfClass(QStringLiteral("TFrmYPBCSQ_N")));
    VerifyCodeEdit = ui->VerifyCode;
    ProductNameEdit = ui->Edit1;
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
