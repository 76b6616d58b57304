#pragma once
// TFrmYPZCSQ_JK, the window of the clinical trial plan application. Its layout comes from
// YPZCSQ_JK.ui; FormCreate stores the kind's values in TEABaseForm, which does all the work.

#include "ConfigedBase.h"

#include <memory>

namespace Ui {
class TFrmYPZCSQ_JK;
}
class TfrReport;

class TFrmYPZCSQ_JK : public TEABaseForm {
    Q_OBJECT
public:
    explicit TFrmYPZCSQ_JK(QWidget *parent = nullptr);
    ~TFrmYPZCSQ_JK() override;

    void FormCreate(QObject *sender);
    void FormClose(QObject *sender, TCloseAction &action) override;
    void FormBeforePrintDoc(QObject *sender, TfrReport *&PrnReport, QString &AttachStr);

    // The window's controls, as laid out in YPZCSQ_JK.ui.
    Ui::TFrmYPZCSQ_JK *Controls() const { return ui.get(); }

    TfrReport *frReport1 = nullptr;

private:
    std::unique_ptr<Ui::TFrmYPZCSQ_JK> ui;
};

// The open window of the kind, nullptr while none is open.
extern TFrmYPZCSQ_JK *FrmYPZCSQ_JK;
