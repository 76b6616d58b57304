#pragma once
// TFrmYPBCSQ_N, the window of the application for reports of all kinds. Its layout comes from
// YPBCSQ_N.ui; FormCreate stores the kind's values in TEABaseForm, which does all the work.

#include "ConfigedBase.h"

#include <memory>

namespace Ui {
class TFrmYPBCSQ_N;
}
class TfrReport;

class TFrmYPBCSQ_N : public TEABaseForm {
    Q_OBJECT
public:
    explicit TFrmYPBCSQ_N(QWidget *parent = nullptr);
    ~TFrmYPBCSQ_N() override;

    void FormCreate(QObject *sender);
    void FormClose(QObject *sender, TCloseAction &action) override;
    void FormBeforePrintDoc(QObject *sender, TfrReport *&PrnReport, QString &AttachStr);

    // The window's controls, as laid out in YPBCSQ_N.ui.
    Ui::TFrmYPBCSQ_N *Controls() const { return ui.get(); }

    TfrReport *frReport1 = nullptr;

private:
    std::unique_ptr<Ui::TFrmYPBCSQ_N> ui;
};

// The open window of the kind, nullptr while none is open.
extern TFrmYPBCSQ_N *FrmYPBCSQ_N;
