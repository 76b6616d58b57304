#include "YPBCSQ.h"
#include "ui_YPBCSQ.h"

#include "Kinds.h"
#include "frReport.h"

TFrmYPBCSQ *FrmYPBCSQ = nullptr;

TFrmYPBCSQ::TFrmYPBCSQ(QWidget *parent) : TEABaseForm(nullptr), ui(new Ui::TFrmYPBCSQ)
{
    setObjectName(KindOfClass(QStringLiteral("TFrmYPBCSQ")).formName);
    auto *client = new QWidget;
    ui->setupUi(client);
    setWidget(client);
    setWindowTitle(KindOfClass(QStringLiteral("TFrmYPBCSQ")).caption);
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
    frReport1 = StoreKindValues(*this, KindOfClass(QStringLiteral("TFrmYPBCSQ")));
    VerifyCodeEdit = ui->VerifyCode;
    ProductNameEdit = ui->Edit1;
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
