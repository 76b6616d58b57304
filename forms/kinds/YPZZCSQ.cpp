#include "YPZZCSQ.h"
#include "ui_YPZZCSQ.h"

#include "Kinds.h"
#include "frReport.h"

TFrmYPZZCSQ *FrmYPZZCSQ = nullptr;

TFrmYPZZCSQ::TFrmYPZZCSQ(QWidget *parent) : TEABaseForm(nullptr), ui(new Ui::TFrmYPZZCSQ)
{
    setObjectName(KindOfClass(QStringLiteral("TFrmYPZZCSQ")).formName);
    auto *client = new QWidget;
    ui->setupUi(client);
    setWidget(client);
    setWindowTitle(KindOfClass(QStringLiteral("TFrmYPZZCSQ")).caption);
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
    frReport1 = StoreKindValues(*this, KindOfClass(QStringLiteral("TFrmYPZZCSQ")));
    VerifyCodeEdit = ui->VerifyCode;
    ProductNameEdit = ui->Edit4;
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
