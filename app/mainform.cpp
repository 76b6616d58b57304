#include "mainform.h"
#include "ui_mainform.h"

#include "ConfigedBase.h"
#include "Errors.h"
#include "Kinds.h"
#include "Pictures.h"
#include "Prompts.h"
#include "YJAbout.h"
#include "YJHelp.h"
#include "YJProc.h"

#include <QCloseEvent>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QToolButton>

#include <algorithm>

TFrmMain *FrmMain = nullptr;

TFrmMain::TFrmMain(QWidget *parent) : QMainWindow(parent), ui(new Ui::TFrmMain)
{
    ui->setupUi(this);
    // Where the window stands when the user restores it from maximised; the layout keeps its
    // size but a top-level window's place has to be given here.
    move(185, 109);
    setWindowIcon(ApplicationIcon());
    ui->StatusBar1->addWidget(ui->StatusPanel1);
    // The long panel is 700 pixels wide where the window leaves room for it; in a narrower window
    // its end is cut off instead of the panel holding the whole window wider than asked.
    ui->StatusBar1->addWidget(ui->StatusPanel2, 1);
    SetUpPictures();
    SetUpToolBar();

    // The separators of the menu carry their names too.
    const auto fileItems = ui->F1->actions();
    for (QAction *a : fileItems)
        if (a->isSeparator())
            a->setObjectName(QStringLiteral("N8"));
    const auto helpItems = ui->H1->actions();
    for (QAction *a : helpItems)
        if (a->isSeparator())
            a->setObjectName(QStringLiteral("N15"));

    // Every command runs under the default error handler.
    const auto bind = [this](QAction *action, void (TFrmMain::*command)(QObject *)) {
        connect(action, &QAction::triggered, this,
                [this, action, command] { Guarded([&] { (this->*command)(action); }); });
    };
    bind(ui->N2, &TFrmMain::N2Click);
    bind(ui->N6, &TFrmMain::N6Click);
    bind(ui->mnuSaveNoExit, &TFrmMain::mnuSaveNoExitClick);
    bind(ui->mnuReport, &TFrmMain::mnuReportClick);
    bind(ui->Q1, &TFrmMain::Q1Click);
    bind(ui->N10, &TFrmMain::N10Click);
    bind(ui->N9, &TFrmMain::N9Click);
    bind(ui->mnuHelp, &TFrmMain::mnuHelpClick);
    bind(ui->N11, &TFrmMain::N11Click);
}

TFrmMain::~TFrmMain()
{
    if (FrmMain == this)
        FrmMain = nullptr;
}

void TFrmMain::SetUpPictures()
{
    ui->N1->setIcon(ShellIcon(picNew));
    ui->mnuOpen->setIcon(ShellIcon(picOpen));
    ui->mnuSaveNoExit->setIcon(ShellIcon(picSaveAs));
    ui->mnuReport->setIcon(ShellIcon(picPrintSave));
    ui->mnuHelp->setIcon(ShellIcon(picHelp));
}

void TFrmMain::SetUpToolBar()
{
    struct Button {
        QAction *action;
        const char *name;
    };
    const Button buttons[] = {
        {ui->N1->menuAction(), "ToolButton6"},  {ui->mnuOpen->menuAction(), "ToolButton1"},
        {ui->mnuSaveNoExit, "ToolButton4"},     {ui->mnuReport, "ToolButton3"},
        {ui->mnuHelp, "ToolButton11"},
    };
    for (const Button &b : buttons) {
        auto *button = qobject_cast<QToolButton *>(ui->ToolBar1->widgetForAction(b.action));
        if (!button)
            continue;
        button->setObjectName(QString::fromLatin1(b.name));
        button->setToolTip(b.action->text().remove(QLatin1Char('&')));
        // The buttons of the two submenus drop their submenu down below them when pressed.
        if (b.action->menu())
            button->setPopupMode(QToolButton::InstantPopup);
    }
    const char *separatorNames[] = {"ToolButton2", "ToolButton7", "ToolButton5", "ToolButton8",
                                    "ToolButton9"};
    int next = 0;
    const auto actions = ui->ToolBar1->actions();
    for (QAction *a : actions)
        if (a->isSeparator() && next < 5)
            a->setObjectName(QString::fromLatin1(separatorNames[next++]));
}

QMdiArea *TFrmMain::ClientArea() const
{
    return ui->MDIClient;
}

QList<QMdiSubWindow *> TFrmMain::MDIChildren() const
{
    QList<QMdiSubWindow *> children = ui->MDIClient->subWindowList(QMdiArea::StackingOrder);
    std::reverse(children.begin(), children.end());
    return children;
}

int TFrmMain::MDIChildCount() const
{
    return int(ui->MDIClient->subWindowList().size());
}

QString TFrmMain::OpenDialogInitialDir()
{
#ifdef Q_OS_WIN
    return QStringLiteral("c:\\baopan");
#else
    const QString dir = QDir::home().filePath(QStringLiteral("baopan"));
    return QFileInfo(dir).isDir() ? dir : QString();
#endif
}

QString TFrmMain::OpenDialogFilter()
{
    return QStringLiteral("医疗器械出口证明申请表报盘文件(*.qx)");
}

void TFrmMain::NewForm(const char *className)
{
    const TKindInfo &kind = KindOfClass(QString::fromLatin1(className));
    if (TEABaseForm *open = kind.current())
        if (!open->ConfirmDiscard())
            return;
    TEABaseForm *form = kind.create(ui->MDIClient);
    form->NewApplication();
}

void TFrmMain::OpenForm(const char *className)
{
    const TKindInfo &kind = KindOfClass(QString::fromLatin1(className));
    // The dialog, preset with the kind tag, comes before the question: cancelling it never asks
    // anything.
    const QString fileName = Prompt::OpenFile(kind.kindTag, OpenDialogFilter(), OpenDialogInitialDir());
    if (fileName.isEmpty())
        return;
    if (TEABaseForm *open = kind.current())
        if (!open->ConfirmDiscard())
            return;
    TEABaseForm *form = kind.create(ui->MDIClient);
    form->OpenApplication(QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath()));
}

void TFrmMain::N2Click(QObject *) { NewForm("TFrmYPZCSQ"); }
void TFrmMain::N6Click(QObject *) { OpenForm("TFrmYPZCSQ"); }
void TFrmMain::N3Click(QObject *) { NewForm("TFrmYPBCSQ"); }
void TFrmMain::N5Click(QObject *) { OpenForm("TFrmYPBCSQ"); }
void TFrmMain::N12Click(QObject *) { NewForm("TFrmYPZCSQ_JK"); }
void TFrmMain::N14Click(QObject *) { OpenForm("TFrmYPZCSQ_JK"); }
void TFrmMain::N13Click(QObject *) { NewForm("TFrmYPBCSQ_JK"); }
void TFrmMain::N16Click(QObject *) { OpenForm("TFrmYPBCSQ_JK"); }
void TFrmMain::N4Click(QObject *) { NewForm("TFrmYPZZCSQ"); }
void TFrmMain::N7Click(QObject *) { OpenForm("TFrmYPZZCSQ"); }
void TFrmMain::N_NClick(QObject *) { NewForm("TFrmYPBCSQ_N"); }
void TFrmMain::N17Click(QObject *) { OpenForm("TFrmYPBCSQ_N"); }

void TFrmMain::SaveActive(bool andPrint)
{
    QMdiSubWindow *active = ui->MDIClient->currentSubWindow();
    if (!active)
        return;
    // The class test order of the kinds; at most one window of a kind is open, so the kind's
    // global reference is the active window itself.
    for (const TKindInfo &kind : AllKinds()) {
        if (!active->inherits(kind.className.toLatin1().constData()))
            continue;
        if (TEABaseForm *form = kind.current()) {
            if (andPrint)
                form->SaveAndPrint();
            else
                form->SaveBackup();
        }
        return;
    }
}

void TFrmMain::mnuSaveNoExitClick(QObject *) { SaveActive(false); }
void TFrmMain::mnuReportClick(QObject *) { SaveActive(true); }

void TFrmMain::Q1Click(QObject *)
{
    if (!Prompt::Question(QStringLiteral("你确定要退出系统吗?")))
        return;
    CloseAllChildren(this);
}

void TFrmMain::N10Click(QObject *)
{
    ui->StatusBar1->setVisible(ui->N10->isChecked());
}

void TFrmMain::N9Click(QObject *)
{
    ui->ToolBar1->setVisible(ui->N9->isChecked());
}

void TFrmMain::mnuHelpClick(QObject *)
{
    FrmYJHelp = new TFrmYJHelp(this);
    FrmYJHelp->exec();
}

void TFrmMain::N11Click(QObject *)
{
    FrmYJAbout = new TFrmYJAbout(this);
    FrmYJAbout->exec();
}

void TFrmMain::closeEvent(QCloseEvent *event)
{
    QList<QPointer<TEABaseForm>> forms;
    const auto children = MDIChildren();
    for (QMdiSubWindow *child : children)
        if (auto *form = qobject_cast<TEABaseForm *>(child))
            forms << form;
    for (const QPointer<TEABaseForm> &form : std::as_const(forms)) {
        bool canClose = true;
        if (form)
            form->FormCloseQuery(form, canClose);
        if (!canClose) {
            event->ignore();
            return;
        }
    }
    // Everyone agreed: close the forms without asking a second time.
    for (const QPointer<TEABaseForm> &form : std::as_const(forms)) {
        if (!form)
            continue;
        form->SkipCloseQuery = true;
        form->close();
    }
    QMainWindow::closeEvent(event);
}
