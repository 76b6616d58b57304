#pragma once
// TFrmMain, the multi-document frame of the program: menu, tool bar and status bar, the new and
// open commands of every form kind, save backup and save-and-print of the active form, help,
// About and quitting.

#include <QList>
#include <QMainWindow>
#include <QString>

#include <memory>

namespace Ui {
class TFrmMain;
}
class QMdiArea;
class QMdiSubWindow;
class QToolButton;

class TFrmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TFrmMain(QWidget *parent = nullptr);
    ~TFrmMain() override;

    // The window's controls, as laid out in mainform.ui.
    Ui::TFrmMain *Controls() const { return ui.get(); }
    QMdiArea *ClientArea() const;

    // The frame's child windows in the frame's order: the front-most (active) one first.
    QList<QMdiSubWindow *> MDIChildren() const;
    int MDIChildCount() const;

    // Where the open dialog starts: "c:\baopan" on Windows; elsewhere the "baopan" folder in the
    // user's home when it exists, else the dialog's default.
    static QString OpenDialogInitialDir();
    // The open dialog's single filter entry.
    static QString OpenDialogFilter();

    // New and open operations, one pair per form kind.
    void N2Click(QObject *Sender);
    void N6Click(QObject *Sender);
    void N3Click(QObject *Sender);
    void N5Click(QObject *Sender);
    void N12Click(QObject *Sender);
    void N14Click(QObject *Sender);
    void N13Click(QObject *Sender);
    void N16Click(QObject *Sender);
    void N4Click(QObject *Sender);
    void N7Click(QObject *Sender);
    void N_NClick(QObject *Sender);
    void N17Click(QObject *Sender);

    void mnuSaveNoExitClick(QObject *Sender);
    void mnuReportClick(QObject *Sender);
    void Q1Click(QObject *Sender);
    // View toggles: the menu has just inverted the item's tick; the bar follows it.
    void N10Click(QObject *Sender);
    void N9Click(QObject *Sender);
    void mnuHelpClick(QObject *Sender);
    void N11Click(QObject *Sender);

protected:
    // Closing by the frame's own close box: each child's close question, first to last; the
    // first refusal keeps every window open.
    void closeEvent(QCloseEvent *event) override;

private:
    void NewForm(const char *className);
    void OpenForm(const char *className);
    void SaveActive(bool andPrint);
    void SetUpPictures();
    void SetUpToolBar();

    std::unique_ptr<Ui::TFrmMain> ui;
};

// The one main window.
extern TFrmMain *FrmMain;
