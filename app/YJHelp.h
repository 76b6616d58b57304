#pragma once
// TFrmYJHelp, the filling-help window: shows the help text file supplied with the program.

#include <QDialog>
#include <QPointer>
#include <QString>

#include <memory>

namespace Ui {
class TFrmYJHelp;
}

class TFrmYJHelp : public QDialog {
    Q_OBJECT
public:
    explicit TFrmYJHelp(QWidget *parent = nullptr);
    ~TFrmYJHelp() override;

    Ui::TFrmYJHelp *Controls() const { return ui.get(); }

    void FormCreate(QObject *Sender);
    void BitBtn1Click(QObject *Sender);

    // The help file: ".\sys\APPFHelp1.txt" in the current folder; when it is not there, the one in
    // the sys folder beside the executable, so that a program started from a desktop launcher
    // finds its help too. When neither exists, the path in the current folder.
    static QString HelpFileName(const QString &currentDir, const QString &executableDir);
    // The text of a help file's bytes: GBK, lines ending in CR LF, a lone CR or a lone LF.
    static QString HelpText(const QByteArray &bytes);

private:
    std::unique_ptr<Ui::TFrmYJHelp> ui;
};

// The most recently created help window, while it exists.
extern QPointer<TFrmYJHelp> FrmYJHelp;
