#pragma once
// TFrmYJAbout, the About window: fixed texts about the program and its maker, and a picture.

#include <QDialog>
#include <QPointer>

#include <memory>

namespace Ui {
class TFrmYJAbout;
}

class TFrmYJAbout : public QDialog {
    Q_OBJECT
public:
    explicit TFrmYJAbout(QWidget *parent = nullptr);
    ~TFrmYJAbout() override;

    Ui::TFrmYJAbout *Controls() const { return ui.get(); }

    void BitBtn1Click(QObject *Sender);

private:
    std::unique_ptr<Ui::TFrmYJAbout> ui;
};

// The most recently created About window, while it exists.
extern QPointer<TFrmYJAbout> FrmYJAbout;
