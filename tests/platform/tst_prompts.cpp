// The Qt prompter as the user sees it: captions, icons, buttons in Chinese, and which answer goes
// on; and the default error handler.
#include "Application.h"
#include "Errors.h"
#include "Prompts.h"
#include "ScriptedPrompter.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <stdexcept>

namespace {
struct SeenBox {
    QString caption, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

// Answers the next message box with the given standard button, recording what it showed.
void answerNextBox(SeenBox *seen, QMessageBox::StandardButton answer)
{
    QTimer::singleShot(0, [seen, answer] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen->caption = box->windowTitle();
        seen->text = box->text();
        seen->icon = box->icon();
        for (QAbstractButton *b : box->buttons())
            seen->buttons << b->text().remove(QLatin1Char('&'));
        box->button(answer)->click();
    });
}
}  // namespace

class TestPrompts : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void messageBox();
    void question_data();
    void question();
    void defaultErrorHandler_data();
    void defaultErrorHandler();
};

void TestPrompts::messageBox()
{
    SeenBox seen;
    answerNextBox(&seen, QMessageBox::Ok);
    TQtPrompter().Message(QStringLiteral("已成功保存"));
    QCOMPARE(seen.caption, QStringLiteral("电子申报"));
    QCOMPARE(seen.text, QStringLiteral("已成功保存"));
    QCOMPARE(seen.icon, QMessageBox::NoIcon);
    QCOMPARE(seen.buttons, QStringList{QStringLiteral("确定")});
}

void TestPrompts::question_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("goesOn");
    QTest::newRow("OK") << int(QMessageBox::Ok) << true;
    QTest::newRow("Cancel") << int(QMessageBox::Cancel) << false;
}

void TestPrompts::question()
{
    QFETCH(int, answer);
    QFETCH(bool, goesOn);
    SeenBox seen;
    answerNextBox(&seen, QMessageBox::StandardButton(answer));
    QCOMPARE(TQtPrompter().Question(QStringLiteral("你确定要退出系统吗?")), goesOn);
    QCOMPARE(seen.caption, QStringLiteral("警告"));
    QCOMPARE(seen.icon, QMessageBox::Warning);
    seen.buttons.sort();
    QStringList expected{QStringLiteral("确定"), QStringLiteral("取消")};
    expected.sort();
    QCOMPARE(seen.buttons, expected);
}

void TestPrompts::defaultErrorHandler_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("shown");
    QTest::newRow("system error") << 0 << QStringLiteral("文件没有类型字段，请检查！");
    QTest::newRow("standard exception") << 1 << QStringLiteral("bad thing");
    QTest::newRow("anything else") << 2 << QStringLiteral("发生未知错误。");
}

void TestPrompts::defaultErrorHandler()
{
    QFETCH(int, kind);
    QFETCH(QString, shown);
    TScriptedPrompter prompts;
    Guarded([kind] {
        if (kind == 0)
            throw EError(QStringLiteral("文件没有类型字段，请检查！"));
        if (kind == 1)
            throw std::runtime_error("bad thing");
        throw 42;
    });
    QCOMPARE(prompts.Messages, QStringList{shown});
}

int main(int argc, char **argv)
{
    TApplication app(argc, argv);
    TestPrompts test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_prompts.moc"
