// The main window: menu, tool bar, status bar, the new and open operations of every kind, save
// backup and save-and-print of the active form, the default error handler, the view toggles,
// quitting and the frame's own close box.

#include "../forms/FormFixture.h"
#include "Components.h"
#include "ScriptedPrompter.h"
#include "frReport.h"
#include "mainform.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

using namespace formfixture;

namespace {
const QString kDiscard = QStringLiteral("你要退出现在编写的文件吗?");
const QString kQuit = QStringLiteral("你确定要退出系统吗?");

using Operation = void (TFrmMain::*)(QObject *);

struct TOperations {
    const char *className;
    Operation newForm;
    Operation openForm;
    const char *preset;
};

const TOperations kOperations[] = {
    {"TFrmYPZCSQ", &TFrmMain::N2Click, &TFrmMain::N6Click, "注册"},
    {"TFrmYPBCSQ", &TFrmMain::N3Click, &TFrmMain::N5Click, "变更"},
    {"TFrmYPZCSQ_JK", &TFrmMain::N12Click, &TFrmMain::N14Click, "临床"},
    {"TFrmYPBCSQ_JK", &TFrmMain::N13Click, &TFrmMain::N16Click, "临床豁免"},
    {"TFrmYPZZCSQ", &TFrmMain::N4Click, &TFrmMain::N7Click, "第三方豁免"},
    {"TFrmYPBCSQ_N", &TFrmMain::N_NClick, &TFrmMain::N17Click, "其他"},
};

const TOperations &Ops(const QString &className)
{
    for (const TOperations &ops : kOperations)
        if (className == QLatin1String(ops.className))
            return ops;
    qFatal("no operations for %s", qPrintable(className));
}

void AddKindColumns()
{
    QTest::addColumn<QString>("className");
    for (const TOperations &ops : kOperations)
        QTest::newRow(ops.className) << QString::fromLatin1(ops.className);
}

// The menu as text: one line per item, indented by its depth, "-" for a separator, "*" for an
// item with a picture and "[x]" for a ticked one.
void DescribeMenu(const QList<QAction *> &actions, int depth, QStringList &out)
{
    for (QAction *a : actions) {
        QString line = QString(depth * 2, QLatin1Char(' '));
        if (a->isSeparator()) {
            out << line + QStringLiteral("- ") + a->objectName();
            continue;
        }
        const QString name = a->menu() ? a->menu()->objectName() : a->objectName();
        line += name + QLatin1Char(' ') + a->text();
        if (!a->icon().isNull())
            line += QStringLiteral(" *");
        if (a->isCheckable() && a->isChecked())
            line += QStringLiteral(" [x]");
        out << line;
        if (a->menu())
            DescribeMenu(a->menu()->actions(), depth + 1, out);
    }
}
}  // namespace

class TestMainForm : public QObject {
    Q_OBJECT

    std::unique_ptr<TScriptedPrompter> prompts;
    QPointer<TFrmMain> main;
    QTemporaryDir dir;
    int previews = 0;
    QStringList written;

    template <class T = QWidget>
    T *W(const char *name) const
    {
        T *w = main->findChild<T *>(QString::fromLatin1(name));
        if (!w)
            qFatal("no %s", name);
        return w;
    }
    QAction *Act(const char *name) const { return W<QAction>(name); }
    QMenu *Menu(const char *name) const { return W<QMenu>(name); }

    // A data file of the kind, answered to the next open dialog.
    QString DataFileFor(const QString &className, const QString &code,
                        const QString &product = QStringLiteral("产品"))
    {
        const TKindRow &row = Row(className);
        return WriteDataFile(dir, className + code + QStringLiteral(".qx"),
                             QString::fromUtf8(row.configType), code,
                             QString::fromLatin1(row.productEdit), product);
    }

    // Opens a data file of the kind through the kind's open operation.
    TEABaseForm *OpenThroughMenu(const QString &className, const QString &code,
                                 const QString &product = QStringLiteral("产品"))
    {
        prompts->AnswerOpenFile(DataFileFor(className, code, product));
        (main->*Ops(className).openForm)(nullptr);
        return Kind(className).current();
    }

    QToolButton *Button(const char *name) const
    {
        return W<QToolBar>("ToolBar1")->findChild<QToolButton *>(QString::fromLatin1(name));
    }

private Q_SLOTS:
    void init()
    {
        prompts = std::make_unique<TScriptedPrompter>();
        previews = 0;
        TfrReport::SetPreviewHook([this](TfrReport &) { ++previews; });
        main = new TFrmMain;
        FrmMain = main;
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main));
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main));
    }

    void cleanup()
    {
        CloseAllForms();
        delete main;
        FlushDeletes();
        for (const QString &file : std::as_const(written))
            QFile::remove(file);
        written.clear();
        TfrReport::SetPreviewHook(nullptr);
        QCOMPARE(prompts->Unexpected, QStringList());
        prompts.reset();
        for (const TKindInfo &kind : AllKinds())
            QVERIFY2(!kind.current(), qPrintable(kind.className));
    }

    void startsWithNoChildAndBothBars()
    {
        QCOMPARE(main->windowTitle(), QStringLiteral("电子申报"));
        QCOMPARE(main->MDIChildCount(), 0);
        QVERIFY(W<QToolBar>("ToolBar1")->isVisible());
        QVERIFY(W<QStatusBar>("StatusBar1")->isVisible());
        QVERIFY(W<QMenuBar>("MainMenu1")->isVisible());
    }

    void restoredBounds()
    {
        // Shown without maximising, the window stands where it is restored to.
        QCOMPARE(main->frameGeometry().topLeft(), QPoint(185, 109));
        QCOMPARE(main->size(), QSize(808, 580));
    }

    void menu()
    {
        QStringList described;
        DescribeMenu(W<QMenuBar>("MainMenu1")->actions(), 0, described);
        const QStringList expected{
            "F1 申请(&F)",
            "  N1 新建(&N) *",
            "    N2 进口药材报验申请",
            "  mnuOpen 打开(&O) *",
            "    N6 进口药材报验申请",
            "  mnuSaveNoExit 另存为(&S) *",
            "  mnuReport 打印保存(&P) *",
            "  - N8",
            "  Q1 退出(&Q)",
            "V1 查看(&V)",
            "  N10 状态栏 [x]",
            "  N9 工具栏 [x]",
            "H1 帮助(&H)",
            "  mnuHelp 填写帮助 *",
            "  - N15",
            "  N11 关于系统...",
        };
        QCOMPARE(described, expected);
    }

    void toolBar()
    {
        QStringList names;
        const auto actions = W<QToolBar>("ToolBar1")->actions();
        for (QAction *a : actions)
            names << (a->isSeparator() ? a->objectName()
                                       : W<QToolBar>("ToolBar1")->widgetForAction(a)->objectName());
        QCOMPARE(names, (QStringList{"ToolButton6", "ToolButton2", "ToolButton1", "ToolButton7",
                                     "ToolButton4", "ToolButton5", "ToolButton3", "ToolButton8",
                                     "ToolButton11", "ToolButton9"}));
        // Each button stands for a menu item: its picture at 64 x 64, no caption shown.
        const struct {
            const char *button;
            QAction *item;
        } stands[] = {{"ToolButton6", Menu("N1")->menuAction()}, {"ToolButton1", Menu("mnuOpen")->menuAction()},
                      {"ToolButton4", Act("mnuSaveNoExit")}, {"ToolButton3", Act("mnuReport")},
                      {"ToolButton11", Act("mnuHelp")}};
        for (const auto &s : stands) {
            QToolButton *button = Button(s.button);
            QVERIFY2(button, s.button);
            QCOMPARE(button->defaultAction(), s.item);
            QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonIconOnly);
            QCOMPARE(button->iconSize(), QSize(64, 64));
            QCOMPARE(button->icon().cacheKey(), s.item->icon().cacheKey());
            QVERIFY(!button->icon().pixmap(64, 64).isNull());
            QCOMPARE(button->width(), 82);
            QCOMPARE(button->height(), 78);
        }
        QCOMPARE(W<QToolBar>("ToolBar1")->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(W<QToolBar>("ToolBar1")->height(), 86);
        // Money green behind the buttons.
        const QImage image = W<QToolBar>("ToolBar1")->grab().toImage();
        QCOMPARE(image.pixelColor(image.width() - 10, image.height() / 2), QColor(192, 220, 192));
    }

    void toolButtonDropsDownSubmenu_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("menu");
        QTest::newRow("new") << "ToolButton6" << "N1";
        QTest::newRow("open") << "ToolButton1" << "mnuOpen";
    }
    void toolButtonDropsDownSubmenu()
    {
        QFETCH(QString, button);
        QFETCH(QString, menu);
        QToolButton *tool = Button(button.toLatin1().constData());
        QVERIFY(tool);
        QString shown;
        QStringList entries;
        bool below = false;
        // The drop-down runs its own loop: look at it from inside, then close it.
        QTimer::singleShot(0, this, [&] {
            if (auto *popup = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
                shown = popup->objectName();
                const auto actions = popup->actions();
                for (QAction *a : actions)
                    entries << a->text();
                below = popup->geometry().top() >= tool->mapToGlobal(QPoint(0, tool->height())).y() - 1;
                popup->close();
            }
        });
        QTest::mouseClick(tool, Qt::LeftButton);
        QCOMPARE(shown, menu);
        QCOMPARE(entries, QStringList{QStringLiteral("进口药材报验申请")});
        QVERIFY(below);
        QCOMPARE(main->MDIChildCount(), 0);
    }

    void statusBar_data()
    {
        QTest::addColumn<int>("windowWidth");
        QTest::addColumn<bool>("roomForBoth");
        QTest::newRow("wide window") << 1100 << true;
        QTest::newRow("restored width") << 808 << false;
    }
    void statusBar()
    {
        QFETCH(int, windowWidth);
        QFETCH(bool, roomForBoth);
        // The panels never hold the window wider than it is asked to be.
        main->resize(windowWidth, 580);
        QCOMPARE(main->width(), windowWidth);
        auto *bar = W<QStatusBar>("StatusBar1");
        auto *first = W<QLabel>("StatusPanel1");
        auto *second = W<QLabel>("StatusPanel2");
        QTRY_COMPARE(bar->width(), windowWidth);
        QCOMPARE(bar->height(), 19);
        QCOMPARE(first->text(), QStringLiteral("版本日期：2005年12月25日"));
        QVERIFY(second->text().startsWith(
            QStringLiteral("   在填写申请表前请务必确认本软件为最新版本！ 最新版本请到")));
        QVERIFY(second->text().endsWith(QStringLiteral("网站下载")));
        QCOMPARE(first->parentWidget(), bar);
        QCOMPARE(second->parentWidget(), bar);
        QVERIFY(first->isVisible() && second->isVisible());
        QCOMPARE(first->width(), 150);
        QVERIFY(second->x() > first->geometry().right());
        if (roomForBoth) {
            QCOMPARE(second->width(), 700);
        } else {
            // Cut off at the window's edge, as far as the window reaches.
            QVERIFY(second->width() > 500 && second->width() < 700);
            QVERIFY(second->geometry().right() < bar->width());
        }
    }

    void viewToggles_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("bar");
        QTest::newRow("status bar") << "N10" << "StatusBar1";
        QTest::newRow("tool bar") << "N9" << "ToolBar1";
    }
    void viewToggles()
    {
        QFETCH(QString, item);
        QFETCH(QString, bar);
        auto *action = main->findChild<QAction *>(item);
        auto *widget = main->findChild<QWidget *>(bar);
        QVERIFY(action && widget);
        QVERIFY(action->isChecked());
        QVERIFY(widget->isVisible());
        action->trigger();
        QVERIFY(!action->isChecked());
        QVERIFY(!widget->isVisible());
        action->trigger();
        QVERIFY(action->isChecked());
        QVERIFY(widget->isVisible());
        QCOMPARE(prompts->Log, QStringList());
    }

    void newThroughTheKeyboard()
    {
        // Alt+F, N, Enter: "申请(&F)" > "新建(&N)" > "进口药材报验申请".
        QTest::keyClick(main, Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(qobject_cast<QMenu *>(QApplication::activePopupWidget()) == Menu("F1"));
        QTest::keyClick(Menu("F1"), Qt::Key_N);
        QTRY_VERIFY(qobject_cast<QMenu *>(QApplication::activePopupWidget()) == Menu("N1"));
        QTest::keyClick(Menu("N1"), Qt::Key_Return);
        QTRY_VERIFY(Kind(QStringLiteral("TFrmYPZCSQ")).current() || !prompts->Messages.isEmpty());
        if (QFile::exists(DefinitionFile(QStringLiteral("TFrmYPZCSQ")))) {
            TEABaseForm *form = Kind(QStringLiteral("TFrmYPZCSQ")).current();
            QVERIFY(form);
            QCOMPARE(prompts->Log, QStringList());
            QCOMPARE(form->windowTitle(), QStringLiteral("新建进口药材报验申请表"));
            QVERIFY(form->isMaximized());
            QCOMPARE(form->mdiArea(), main->ClientArea());
            QVERIFY(kCodePattern.match(form->VerifyCodeEdit->text()).hasMatch());
        } else {
            QCOMPARE(prompts->Messages, QStringList{QStringLiteral("配置文件名不正确，请检查！")});
        }
    }

    void newAsksOnlyAboutItsOwnKind_data() { AddKindColumns(); }
    void newAsksOnlyAboutItsOwnKind()
    {
        QFETCH(QString, className);
        QPointer<TEABaseForm> old = OpenThroughMenu(className, QStringLiteral("0000AAAA"));
        QVERIFY(old);
        // A window of another kind is open too; nobody asks about it.
        const QString other = className == QLatin1String("TFrmYPBCSQ_N") ? QStringLiteral("TFrmYPBCSQ")
                                                                         : QStringLiteral("TFrmYPBCSQ_N");
        QPointer<TEABaseForm> bystander = OpenThroughMenu(other, QStringLiteral("0000BBBB"));
        QVERIFY(bystander);
        prompts->Clear();

        prompts->AnswerQuestion(false);
        (main->*Ops(className).newForm)(nullptr);
        QCOMPARE(prompts->Log, QStringList{QStringLiteral("question: ") + kDiscard});
        FlushDeletes();
        QVERIFY(old);
        QCOMPARE(Kind(className).current(), old.data());
        QCOMPARE(old->VerifyCodeEdit->text(), QStringLiteral("0000AAAA"));
        QCOMPARE(main->MDIChildCount(), 2);

        prompts->Clear();
        prompts->AnswerQuestion(true);
        (main->*Ops(className).newForm)(nullptr);
        QCOMPARE(prompts->Questions, QStringList{kDiscard});
        FlushDeletes();
        QVERIFY(!old);
        QVERIFY(bystander);
        if (QFile::exists(DefinitionFile(className))) {
            TEABaseForm *fresh = Kind(className).current();
            QVERIFY(fresh);
            QCOMPARE(prompts->Messages, QStringList());
            QVERIFY(kCodePattern.match(fresh->VerifyCodeEdit->text()).hasMatch());
            QVERIFY(fresh->VerifyCodeEdit->text() != QLatin1String("0000AAAA"));
            QCOMPARE(main->MDIChildCount(), 2);
        } else {
            QCOMPARE(prompts->Messages, QStringList{QStringLiteral("配置文件名不正确，请检查！")});
            QCOMPARE(Kind(className).current(), nullptr);
            QCOMPARE(main->MDIChildCount(), 1);
        }

        // With the kind's window gone, nothing is asked.
        CloseAllForms();
        prompts->Clear();
        (main->*Ops(className).newForm)(nullptr);
        QCOMPARE(prompts->Questions, QStringList());
    }

    void open_data() { AddKindColumns(); }
    void open()
    {
        QFETCH(QString, className);
        const TKindRow &row = Row(className);
        TEABaseForm *form = OpenThroughMenu(className, QStringLiteral("1111AAAA"));
        QVERIFY(form);
        QCOMPARE(prompts->OpenPresets, QStringList{QString::fromUtf8(Ops(className).preset)});
        QCOMPARE(prompts->OpenFilters, QStringList{QStringLiteral("医疗器械出口证明申请表报盘文件(*.qx)")});
        QCOMPARE(prompts->OpenDirs, QStringList{TFrmMain::OpenDialogInitialDir()});
        QCOMPARE(prompts->Questions, QStringList());
        QCOMPARE(prompts->Messages, QStringList());
        QCOMPARE(form->windowTitle(), QStringLiteral("编辑") + QString::fromUtf8(row.formTitle));
        QCOMPARE(form->VerifyCodeEdit->text(), QStringLiteral("1111AAAA"));
        QCOMPARE(form->mdiArea(), main->ClientArea());
        QVERIFY(form->isMaximized());

        // Cancelling the dialog asks nothing and changes nothing.
        prompts->Clear();
        prompts->AnswerOpenFile(QString());
        (main->*Ops(className).openForm)(nullptr);
        QCOMPARE(prompts->Log, QStringList{QStringLiteral("open: ") + QString::fromUtf8(Ops(className).preset)});
        QCOMPARE(Kind(className).current(), form);

        // Declining the question after the dialog: the chosen file is not opened.
        prompts->Clear();
        prompts->AnswerOpenFile(DataFileFor(className, QStringLiteral("2222BBBB")));
        prompts->AnswerQuestion(false);
        (main->*Ops(className).openForm)(nullptr);
        QCOMPARE(prompts->Log, (QStringList{QStringLiteral("open: ") + QString::fromUtf8(Ops(className).preset),
                                            QStringLiteral("question: ") + kDiscard}));
        QCOMPARE(Kind(className).current(), form);
        QCOMPARE(form->VerifyCodeEdit->text(), QStringLiteral("1111AAAA"));

        // Agreeing: the old window goes without a second question, the file opens.
        prompts->Clear();
        prompts->AnswerOpenFile(DataFileFor(className, QStringLiteral("3333CCCC")));
        prompts->AnswerQuestion(true);
        QPointer<TEABaseForm> old = form;
        (main->*Ops(className).openForm)(nullptr);
        QCOMPARE(prompts->Questions, QStringList{kDiscard});
        FlushDeletes();
        QVERIFY(!old);
        QVERIFY(Kind(className).current());
        QCOMPARE(Kind(className).current()->VerifyCodeEdit->text(), QStringLiteral("3333CCCC"));
        QCOMPARE(main->MDIChildCount(), 1);
    }

    void openAnotherKindsFile()
    {
        QPointer<TEABaseForm> form = OpenThroughMenu(QStringLiteral("TFrmYPBCSQ"), QStringLiteral("4444DDDD"));
        prompts->Clear();
        prompts->AnswerOpenFile(DataFileFor(QStringLiteral("TFrmYPBCSQ_N"), QStringLiteral("5555EEEE")));
        prompts->AnswerQuestion(true);
        main->N5Click(nullptr);
        QCOMPARE(prompts->Questions, QStringList{kDiscard});
        QCOMPARE(prompts->Messages, QStringList{QStringLiteral("该文件类型不匹配，凭重新选取")});
        FlushDeletes();
        QVERIFY(!form);
        QCOMPARE(Kind(QStringLiteral("TFrmYPBCSQ")).current(), nullptr);
        QCOMPARE(Kind(QStringLiteral("TFrmYPBCSQ_N")).current(), nullptr);
        QCOMPARE(main->MDIChildCount(), 0);
    }

    void openDialogInitialFolder_data()
    {
        QTest::addColumn<bool>("withBaopan");
        QTest::newRow("baopan in home") << true;
        QTest::newRow("no baopan") << false;
    }
    void openDialogInitialFolder()
    {
        QFETCH(bool, withBaopan);
        QTemporaryDir home;
        const QByteArray oldHome = qgetenv("HOME");
        qputenv("HOME", home.path().toLocal8Bit());
        if (withBaopan)
            QDir(home.path()).mkdir(QStringLiteral("baopan"));
        prompts->AnswerOpenFile(QString());
        main->N6Click(nullptr);
        qputenv("HOME", oldHome);
        QCOMPARE(prompts->OpenDirs, QStringList{withBaopan ? home.filePath(QStringLiteral("baopan")) : QString()});
    }

    void saveCommandsWithNoChild()
    {
        Act("mnuSaveNoExit")->trigger();
        Act("mnuReport")->trigger();
        QTest::mouseClick(Button("ToolButton4"), Qt::LeftButton);
        QTest::mouseClick(Button("ToolButton3"), Qt::LeftButton);
        QCOMPARE(prompts->Log, QStringList());
        QCOMPARE(previews, 0);
    }

    void saveCommandsActOnTheActiveWindow()
    {
        TEABaseForm *change = OpenThroughMenu(QStringLiteral("TFrmYPBCSQ"), QStringLiteral("6666AAAA"), QStringLiteral("甲"));
        TEABaseForm *reports = OpenThroughMenu(QStringLiteral("TFrmYPBCSQ_N"), QStringLiteral("7777BBBB"), QStringLiteral("乙"));
        QVERIFY(change && reports);
        // The window opened last is the active one.
        QCOMPARE(main->ClientArea()->currentSubWindow(), reports);
        prompts->Clear();

        main->ClientArea()->setActiveSubWindow(change);
        QCOMPARE(main->ClientArea()->currentSubWindow(), change);
        QTest::mouseClick(Button("ToolButton4"), Qt::LeftButton);
        const QString backupCode = change->VerifyCodeEdit->text();
        QVERIFY(backupCode != QLatin1String("6666AAAA"));
        QCOMPARE(reports->VerifyCodeEdit->text(), QStringLiteral("7777BBBB"));
        written << TUIHelper::ApplicationDir() + QStringLiteral("变更甲_") + backupCode + QStringLiteral(".qx");
        QCOMPARE(prompts->Messages.size(), 1);
        QVERIFY(prompts->Messages.first().startsWith(QStringLiteral("已成功保存为备份文件:") + written.last()));
        QVERIFY(QFile::exists(written.last()));

        prompts->Clear();
        main->ClientArea()->setActiveSubWindow(reports);
        Act("mnuReport")->trigger();
        written << TUIHelper::ApplicationDir() + QStringLiteral("其他乙_7777BBBB.qx");
        QVERIFY(!prompts->Messages.isEmpty());
        QVERIFY(prompts->Messages.first().startsWith(QStringLiteral("已成功生成报盘文件:") + written.last()));
        QVERIFY(QFile::exists(written.last()));
        QCOMPARE(previews, 1);
        QCOMPARE(change->VerifyCodeEdit->text(), backupCode);
    }

    void errorsAreShownAndTheProgramCarriesOn()
    {
        TEABaseForm *form = OpenThroughMenu(QStringLiteral("TFrmYPZZCSQ"), QStringLiteral("8888AAAA"), QStringLiteral("a/b"));
        QVERIFY(form);
        prompts->Clear();
        QTest::mouseClick(Button("ToolButton3"), Qt::LeftButton);
        QCOMPARE(prompts->Messages.size(), 1);
        QVERIFY(prompts->Messages.first().contains(QStringLiteral("a/b")));
        QCOMPARE(previews, 0);
        QVERIFY(!QFile::exists(TUIHelper::ApplicationDir() + QStringLiteral("第三方豁免a/b_8888AAAA.qx")));
        QCOMPARE(Kind(QStringLiteral("TFrmYPZZCSQ")).current(), form);
        QVERIFY(main->isVisible());
    }

    void quit_data()
    {
        QTest::addColumn<int>("children");
        QTest::addColumn<QList<bool>>("answers");  // quit question first, then the children's
        QTest::addColumn<QStringList>("questions");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QStringList>("remaining");
        QTest::addColumn<bool>("ends");
        QTest::newRow("no child, ok") << 0 << QList<bool>{true} << QStringList{kQuit} << QStringList()
                                      << QStringList() << true;
        QTest::newRow("no child, cancel") << 0 << QList<bool>{false} << QStringList{kQuit} << QStringList()
                                          << QStringList() << false;
        QTest::newRow("two children, cancel")
            << 2 << QList<bool>{false} << QStringList{kQuit} << QStringList()
            << QStringList{"TFrmYPBCSQ", "TFrmYPBCSQ_N"} << false;
        QTest::newRow("two children agree")
            << 2 << QList<bool>{true, true, true} << QStringList{kQuit, kDiscard, kDiscard} << QStringList()
            << QStringList() << true;
        QTest::newRow("three children, the second declines")
            << 3 << QList<bool>{true, true, false, true} << QStringList{kQuit, kDiscard, kDiscard, kDiscard}
            << QStringList{QStringLiteral("还有1个窗体没关闭！")} << QStringList{"TFrmYPBCSQ_N"} << false;
        QTest::newRow("three children, all decline")
            << 3 << QList<bool>{true, false, false, false} << QStringList{kQuit, kDiscard, kDiscard, kDiscard}
            << QStringList{QStringLiteral("还有3个窗体没关闭！")}
            << QStringList{"TFrmYPBCSQ", "TFrmYPBCSQ_N", "TFrmYPBCSQ_JK"} << false;
    }
    void quit()
    {
        QFETCH(int, children);
        QFETCH(QList<bool>, answers);
        QFETCH(QStringList, questions);
        QFETCH(QStringList, messages);
        QFETCH(QStringList, remaining);
        QFETCH(bool, ends);
        // Opened in this order; the last one opened is in front.
        const QStringList kinds{"TFrmYPBCSQ", "TFrmYPBCSQ_N", "TFrmYPBCSQ_JK"};
        for (int i = 0; i < children; ++i)
            QVERIFY(OpenThroughMenu(kinds.at(i), QStringLiteral("9999000%1").arg(i)));
        prompts->Clear();
        for (bool answer : answers)
            prompts->AnswerQuestion(answer);
        Act("Q1")->trigger();
        FlushDeletes();
        QCOMPARE(prompts->Questions, questions);
        QCOMPARE(prompts->Messages, messages);
        QStringList open;
        for (const QString &kind : kinds)
            if (Kind(kind).current())
                open << kind;
        QCOMPARE(open, remaining);
        QCOMPARE(main->MDIChildCount(), int(remaining.size()));
        QCOMPARE(!main || !main->isVisible(), ends);
    }

    void frameCloseBox_data()
    {
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<int>("asked");
        QTest::addColumn<bool>("ends");
        QTest::newRow("all agree") << QList<bool>{true, true, true} << 3 << true;
        QTest::newRow("the front one declines") << QList<bool>{false} << 1 << false;
        QTest::newRow("the middle one declines") << QList<bool>{true, false} << 2 << false;
    }
    void frameCloseBox()
    {
        QFETCH(QList<bool>, answers);
        QFETCH(int, asked);
        QFETCH(bool, ends);
        const QStringList kinds{"TFrmYPBCSQ", "TFrmYPBCSQ_N", "TFrmYPBCSQ_JK"};
        for (const QString &kind : kinds)
            QVERIFY(OpenThroughMenu(kind, QStringLiteral("ABCD0000")));
        QCOMPARE(main->MDIChildren().first(), Kind(QStringLiteral("TFrmYPBCSQ_JK")).current());
        prompts->Clear();
        for (bool answer : answers)
            prompts->AnswerQuestion(answer);
        QCOMPARE(main->close(), ends);
        FlushDeletes();
        // No quit question and no count message: only the children's own questions.
        QCOMPARE(prompts->Questions, QStringList(asked, kDiscard));
        QCOMPARE(prompts->Messages, QStringList());
        QCOMPARE(main->MDIChildCount(), ends ? 0 : 3);
        QCOMPARE(main->isVisible(), !ends);
    }
};

QTEST_MAIN(TestMainForm)
#include "tst_mainform.moc"
