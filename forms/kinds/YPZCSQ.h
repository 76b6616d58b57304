#pragma once
// TFrmYPZCSQ, the window of the import herbal-material inspection application. Its layout comes
// from YPZCSQ.ui; FormCreate stores the kind's values in TEABaseForm, which does all the work.

#include "ConfigedBase.h"

#include <memory>

namespace Ui {
class TFrmYPZCSQ;
}
class TfrReport;

class TFrmYPZCSQ : public TEABaseForm {
    Q_OBJECT
public:
    explicit TFrmYPZCSQ(QWidget *parent = nullptr);
    ~TFrmYPZCSQ() override;

    void FormCreate(QObject *sender);
    void FormClose(QObject *sender, TCloseAction &action) override;
    void FormBeforePrintDoc(QObject *sender, TfrReport *&PrnReport, QString &AttachStr);

    // The window's controls, as laid out in YPZCSQ.ui.
    Ui::TFrmYPZCSQ *Controls() const { return ui.get(); }

    TfrReport *frReport1 = nullptr;

private:
    std::unique_ptr<Ui::TFrmYPZCSQ> ui;
};

// The open window of the kind, nullptr while none is open.
extern TFrmYPZCSQ *FrmYPZCSQ;
