#pragma once
// TFrmYPBCSQ_JK, the window of the clinical trial exemption application. Its layout comes from
// YPBCSQ_JK.ui; FormCreate stores the kind's values in TEABaseForm, which does all the work.

#include "ConfigedBase.h"

#include <memory>

namespace Ui {
class TFrmYPBCSQ_JK;
}
class TfrReport;

class TFrmYPBCSQ_JK : public TEABaseForm {
    Q_OBJECT
public:
    explicit TFrmYPBCSQ_JK(QWidget *parent = nullptr);
    ~TFrmYPBCSQ_JK() override;

    void FormCreate(QObject *sender);
    void FormClose(QObject *sender, TCloseAction &action) override;
    void FormBeforePrintDoc(QObject *sender, TfrReport *&PrnReport, QString &AttachStr);

    // The window's controls, as laid out in YPBCSQ_JK.ui.
    Ui::TFrmYPBCSQ_JK *Controls() const { return ui.get(); }

    TfrReport *frReport1 = nullptr;

private:
    std::unique_ptr<Ui::TFrmYPBCSQ_JK> ui;
};

// The open window of the kind, nullptr while none is open.
extern TFrmYPBCSQ_JK *FrmYPBCSQ_JK;
