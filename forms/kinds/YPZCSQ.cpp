#include "YPZCSQ.h"
#include "ui_YPZCSQ.h"

#include "Kinds.h"
#include "frReport.h"

TFrmYPZCSQ *FrmYPZCSQ = nullptr;

TFrmYPZCSQ::TFrmYPZCSQ(QWidget *parent) : TEABaseForm(nullptr), ui(new Ui::TFrmYPZCSQ)
{
    setObjectName(KindOfClass(QStringLiteral("TFrmYPZCSQ")).formName);
    auto *client = new QWidget;
    ui->setupUi(client);
    setWidget(client);
    setWindowTitle(KindOfClass(QStringLiteral("TFrmYPZCSQ")).caption);
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
    frReport1 = StoreKindValues(*this, KindOfClass(QStringLiteral("TFrmYPZCSQ")));
    VerifyCodeEdit = ui->VerifyCode;
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
