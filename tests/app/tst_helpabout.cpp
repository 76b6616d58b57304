// The About and help windows, shown through the main window's help menu and tool button: their
// contents, their modal showing, and where the help text comes from.

#include "ScriptedPrompter.h"
#include "YJAbout.h"
#include "YJHelp.h"
#include "mainform.h"
#include <QAction>
#include <QFrame>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStringEncoder>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include <functional>

namespace {
// The controls of the About and help windows, found by name.
struct TControls {
    explicit TControls(QWidget *w) : window(w) {}
    const TControls *operator->() const { return this; }
    template <class T>
    T *find(const char *name) const { return window->findChild<T *>(QString::fromLatin1(name)); }
    QWidget *window;
#define CONTROL(T, N) T *const N = find<T>(#N);
    CONTROL(QLabel, Label1) CONTROL(QLabel, Label2) CONTROL(QLabel, Label4) CONTROL(QLabel, Label10)
    CONTROL(QLabel, Image1) CONTROL(QFrame, Panel1) CONTROL(QPushButton, BitBtn1)
    CONTROL(QTabWidget, PageControl1) CONTROL(QPlainTextEdit, Memo1)
#undef CONTROL
};

const QString kNoHelp = QStringLiteral("无可用帮助！");

QByteArray Gbk(const QString &text)
{
    QStringEncoder gbk("GB18030");
    return gbk.encode(text);
}

void WriteHelpFile(const QString &folder, const QByteArray &bytes)
{
    QDir(folder).mkpath(QStringLiteral("sys"));
    QFile file(QDir(folder).filePath(QStringLiteral("sys/APPFHelp1.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}
}  // namespace

class TestHelpAbout : public QObject {
    Q_OBJECT

    std::unique_ptr<TScriptedPrompter> prompts;
    QPointer<TFrmMain> main;
    QString startFolder;

    // Runs inspect while the modal window opened by open() is shown; inspect closes it.
    template <class Window>
    bool WhileShown(const std::function<void()> &open, QPointer<Window> &global,
                    const std::function<void(Window *)> &inspect)
    {
        bool seen = false;
        QTimer::singleShot(0, this, [&] {
            Window *window = global.data();
            if (window && window->isVisible() && window->isModal()
                && QApplication::activeModalWidget() == window) {
                seen = true;
                inspect(window);
            }
            if (global && global->isVisible())
                global->close();
        });
        open();
        return seen;
    }

private Q_SLOTS:
    void initTestCase() { startFolder = QDir::currentPath(); }

    void init()
    {
        prompts = std::make_unique<TScriptedPrompter>();
        main = new TFrmMain;
        FrmMain = main;
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main));
    }

    void cleanup()
    {
        delete main;
        QDir::setCurrent(startFolder);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // Closed windows are freed.
        QVERIFY(!FrmYJHelp);
        QVERIFY(!FrmYJAbout);
        QCOMPARE(prompts->Unexpected, QStringList());
        QCOMPARE(prompts->Log, QStringList());
    }

    void about()
    {
        auto open = [this] { main->findChild<QAction *>(QStringLiteral("N11"))->trigger(); };
        const bool seen = WhileShown<TFrmYJAbout>(open, FrmYJAbout, [](TFrmYJAbout *about) {
            const TControls ui(about);
            QCOMPARE(about->windowTitle(), QStringLiteral("关于..."));
            QCOMPARE(about->size(), QSize(397, 348));
            QCOMPARE(about->minimumSize(), about->maximumSize());
            QCOMPARE(ui->Label1->text(), QStringLiteral("感谢使用本软件!"));
            QCOMPARE(ui->Label10->text(), QStringLiteral("负责使用过程中的技术问题解答（请先仔细阅读帮助文件）"));
            QVERIFY(!ui->Label4->text().isEmpty());
            QVERIFY(!ui->Label2->text().isEmpty());
            QVERIFY(!ui->Image1->pixmap().isNull());
            QCOMPARE(ui->Panel1->geometry(), QRect(16, 8, 369, 297));
            QCOMPARE(ui->BitBtn1->text(), QStringLiteral("关闭(&O)"));
            QVERIFY(!ui->BitBtn1->icon().isNull());
            // The close button is the first (and only) control that takes the focus.
            QVERIFY(ui->BitBtn1->isDefault());
            QWidget *first = about->nextInFocusChain();
            while (first != about && !(first->focusPolicy() & Qt::TabFocus))
                first = first->nextInFocusChain();
            QCOMPARE(first, ui->BitBtn1);
            // Every text fits its label: nothing is cut off.
            for (QLabel *label : {ui->Label1, ui->Label4, ui->Label2, ui->Label10}) {
                const QSize needed = label->wordWrap() ? QSize(label->width(), label->heightForWidth(label->width()))
                                                       : label->sizeHint();
                QVERIFY2(needed.width() <= label->width() && needed.height() <= label->height(),
                         qPrintable(label->objectName()));
            }
            QTest::mouseClick(ui->BitBtn1, Qt::LeftButton);
            QVERIFY(!about->isVisible());
        });
        QVERIFY(seen);
    }

    void centredOnTheScreen_data()
    {
        QTest::addColumn<QString>("item");
        QTest::newRow("about") << "N11";
        QTest::newRow("help") << "mnuHelp";
    }
    void centredOnTheScreen()
    {
        QFETCH(QString, item);
        // The main window stands in a corner, away from the middle of the screen.
        main->setGeometry(0, 0, 400, 300);
        auto open = [&] { main->findChild<QAction *>(item)->trigger(); };
        const auto inspect = [](QDialog *window) {
            const QPoint centre = window->screen()->geometry().center();
            const QPoint shown = window->frameGeometry().center();
            QVERIFY2((shown - centre).manhattanLength() <= 4,
                     qPrintable(QStringLiteral("%1,%2").arg(shown.x()).arg(shown.y())));
        };
        const bool seen = item == QLatin1String("N11")
                              ? WhileShown<TFrmYJAbout>(open, FrmYJAbout, inspect)
                              : WhileShown<TFrmYJHelp>(open, FrmYJHelp, inspect);
        QVERIFY(seen);
    }

    void aboutIsNewEachTime()
    {
        QPointer<TFrmYJAbout> first;
        auto open = [this] { main->findChild<QAction *>(QStringLiteral("N11"))->trigger(); };
        QVERIFY(WhileShown<TFrmYJAbout>(open, FrmYJAbout, [&](TFrmYJAbout *a) { first = a; }));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!first);
        QVERIFY(WhileShown<TFrmYJAbout>(open, FrmYJAbout, [&](TFrmYJAbout *a) { QVERIFY(a != first); }));
    }

    void helpWindow()
    {
        QTemporaryDir folder;
        WriteHelpFile(folder.path(), Gbk(QStringLiteral("第一行\r\n第二行\r\n")));
        QDir::setCurrent(folder.path());
        auto open = [this] { main->findChild<QAction *>(QStringLiteral("mnuHelp"))->trigger(); };
        QVERIFY(WhileShown<TFrmYJHelp>(open, FrmYJHelp, [](TFrmYJHelp *help) {
            const TControls ui(help);
            QCOMPARE(help->windowTitle(), QStringLiteral("填写说明"));
            QCOMPARE(help->size(), QSize(800, 547));
            QCOMPARE(help->minimumSize(), help->maximumSize());
            QCOMPARE(ui->Panel1->height(), 41);
            QCOMPARE(ui->BitBtn1->text(), QStringLiteral("确定(&O)"));
            QCOMPARE(ui->BitBtn1->geometry(), QRect(8, 8, 75, 25));
            QCOMPARE(ui->PageControl1->count(), 1);
            QCOMPARE(ui->PageControl1->tabText(0), QStringLiteral("使用帮助"));
            QCOMPARE(ui->Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
            QCOMPARE(ui->Memo1->lineWrapMode(), QPlainTextEdit::WidgetWidth);
            QVERIFY(!ui->Memo1->isReadOnly());
            QCOMPARE(ui->Memo1->toPlainText(), QStringLiteral("第一行\n第二行"));
            // What the user types is kept nowhere.
            ui->Memo1->setFocus();
            QTest::keyClicks(ui->Memo1, QStringLiteral("abc"));
            QVERIFY(ui->Memo1->toPlainText().contains(QLatin1String("abc")));
            QTest::mouseClick(ui->BitBtn1, Qt::LeftButton);
        }));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        // The tool button opens a fresh window with the file's text again.
        auto button = [this] {
            QTest::mouseClick(main->findChild<QToolButton *>(QStringLiteral("ToolButton11")),
                              Qt::LeftButton);
        };
        QVERIFY(WhileShown<TFrmYJHelp>(button, FrmYJHelp, [](TFrmYJHelp *help) {
            QCOMPARE(TControls(help)->Memo1->toPlainText(), QStringLiteral("第一行\n第二行"));
        }));
    }

    void helpText_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty file") << QByteArray() << QString();
        QTest::newRow("crlf") << Gbk(QStringLiteral("填写\r\n保存\r\n")) << QStringLiteral("填写\n保存");
        QTest::newRow("lone cr and lf") << Gbk(QStringLiteral("一\r二\n三")) << QStringLiteral("一\n二\n三");
        QTest::newRow("blank lines kept") << Gbk(QStringLiteral("一\r\n\r\n二\r\n")) << QStringLiteral("一\n\n二");
        QTest::newRow("gbk punctuation") << Gbk(QStringLiteral("“数据核对码”：８位")) << QStringLiteral("“数据核对码”：８位");
    }
    void helpText()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        QTemporaryDir folder;
        WriteHelpFile(folder.path(), bytes);
        QDir::setCurrent(folder.path());
        TFrmYJHelp help;
        QCOMPARE(TControls(&help)->Memo1->toPlainText(), shown);
    }

    void helpFileLookup_data()
    {
        QTest::addColumn<bool>("inCurrent");
        QTest::addColumn<bool>("besideExecutable");
        QTest::addColumn<QString>("found");  // "current", "executable"
        QTest::newRow("in the current folder") << true << true << "current";
        QTest::newRow("only beside the executable") << false << true << "executable";
        QTest::newRow("nowhere") << false << false << "current";
    }
    void helpFileLookup()
    {
        QFETCH(bool, inCurrent);
        QFETCH(bool, besideExecutable);
        QFETCH(QString, found);
        QTemporaryDir current, executable;
        if (inCurrent)
            WriteHelpFile(current.path(), "a");
        if (besideExecutable)
            WriteHelpFile(executable.path(), "b");
        const QString expected = (found == QLatin1String("current") ? current : executable).filePath(QStringLiteral("sys/APPFHelp1.txt"));
        QCOMPARE(TFrmYJHelp::HelpFileName(current.path(), executable.path()), expected);
    }

    void helpFromAnotherFolderUsesTheFileBesideTheExecutable()
    {
        QTemporaryDir elsewhere;
        QDir::setCurrent(elsewhere.path());
        QFile shipped(QCoreApplication::applicationDirPath() + QStringLiteral("/sys/APPFHelp1.txt"));
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        TFrmYJHelp help;
        const QString text = TControls(&help)->Memo1->toPlainText();
        QCOMPARE(text, TFrmYJHelp::HelpText(shipped.readAll()));
        QVERIFY(text.contains(QStringLiteral("数据核对码")));
        QVERIFY(text.contains(QStringLiteral("另存为")));
        QVERIFY(text.contains(QStringLiteral("打印保存")));
    }

    void helpFileThatCannotBeOpened()
    {
        // A folder where the file should be: it exists but cannot be read as a file.
        QTemporaryDir folder;
        QDir(folder.path()).mkpath(QStringLiteral("sys/APPFHelp1.txt"));
        QDir::setCurrent(folder.path());
        TFrmYJHelp help;
        QCOMPARE(TControls(&help)->Memo1->toPlainText(), kNoHelp);
    }
};

QTEST_MAIN(TestHelpAbout)
#include "tst_helpabout.moc"
