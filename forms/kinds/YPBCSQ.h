#pragma once
// TFrmYPBCSQ, the window of the medical-device change and re-issue application. Its layout comes
// from YPBCSQ.ui; FormCreate stores the kind's values in TEABaseForm, which does all the work.

#include "ConfigedBase.h"

#include <memory>

namespace Ui {
class TFrmYPBCSQ;
}
class TfrReport;

class TFrmYPBCSQ : public TEABaseForm {
    Q_OBJECT
public:
    explicit TFrmYPBCSQ(QWidget *parent = nullptr);
    ~TFrmYPBCSQ() override;

    void FormCreate(QObject *sender);
    void FormClose(QObject *sender, TCloseAction &action) override;
    void FormBeforePrintDoc(QObject *sender, TfrReport *&PrnReport, QString &AttachStr);

    // The window's controls, as laid out in YPBCSQ.ui.
    Ui::TFrmYPBCSQ *Controls() const { return ui.get(); }

    TfrReport *frReport1 = nullptr;

private:
    std::unique_ptr<Ui::TFrmYPBCSQ> ui;
};

// The open window of the kind, nullptr while none is open.
extern TFrmYPBCSQ *FrmYPBCSQ;
