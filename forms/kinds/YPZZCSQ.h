#pragma once
// TFrmYPZZCSQ, the window of the application for exemption from independent testing. Its layout
// comes from YPZZCSQ.ui; FormCreate stores the kind's values in TEABaseForm, which does all the
// work.

#include "ConfigedBase.h"

#include <memory>

namespace Ui {
class TFrmYPZZCSQ;
}
class TfrReport;

class TFrmYPZZCSQ : public TEABaseForm {
    Q_OBJECT
public:
    explicit TFrmYPZZCSQ(QWidget *parent = nullptr);
    ~TFrmYPZZCSQ() override;

    void FormCreate(QObject *sender);
    void FormClose(QObject *sender, TCloseAction &action) override;
    void FormBeforePrintDoc(QObject *sender, TfrReport *&PrnReport, QString &AttachStr);

    // The window's controls, as laid out in YPZZCSQ.ui.
    Ui::TFrmYPZZCSQ *Controls() const { return ui.get(); }

    TfrReport *frReport1 = nullptr;

private:
    std::unique_ptr<Ui::TFrmYPZZCSQ> ui;
};

// The open window of the kind, nullptr while none is open.
extern TFrmYPZZCSQ *FrmYPZZCSQ;
