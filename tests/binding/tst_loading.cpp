// Loading a document into a form: the file and kind checks, the value of each control kind,
// combo-box lists, groups, and every message that loading shows.
#include "BindingFixture.h"
#include "Errors.h"
#include "Gbk.h"
#include "ScriptedPrompter.h"
#include "ShortDate.h"

#include <QApplication>
#include <QtTest>

using namespace fixture;

class TestLoading : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void missingFile_data();
    void missingFile();
    void otherKind();
    void newFormFromEmptyDefinition();
    void checkBoxValues_data();
    void checkBoxValues();
    void dateValues_data();
    void dateValues();
    void memoValues_data();
    void memoValues();
    void comboBox_data();
    void comboBox();
    void radioGroup_data();
    void radioGroup();
    void checkGroup_data();
    void checkGroup();
    void namesIgnoreLetterCaseTypesDoNot();
    void missingControlsPassedOver();
    void datePickerInTabOrder_data();
    void datePickerInTabOrder();
};

static const QStringList kAllKinds = {
    QStringLiteral("edit:Edit1"),  QStringLiteral("memo:Memo1"),  QStringLiteral("check:Check1"),
    QStringLiteral("date:Date1"),  QStringLiteral("combo:Combo1"), QStringLiteral("radio:Radio1/Box"),
    QStringLiteral("radio:Radio2/Box"), QStringLiteral("check:Box1"), QStringLiteral("check:Box2"),
    QStringLiteral("edit:Dep1"), QStringLiteral("memo:Dep2")};

void TestLoading::missingFile_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::newRow("empty") << QString();
    QTest::newRow("one space") << QStringLiteral(" ");
    QTest::newRow("no such file") << QStringLiteral("/nonexistent/APPF.xml");
    QTest::newRow("a folder") << QDir::tempPath();
}

void TestLoading::missingFile()
{
    QFETCH(QString, fileName);
    TScriptedPrompter prompter;
    auto form = MakeForm({QStringLiteral("edit:Edit1")});
    form->show();
    auto *helper = new TUIHelper(form.get());
    helper->FileName = fileName;
    helper->LoadFile(kConfigType);
    QCOMPARE(helper->ExpectedConfigType, kConfigType);
    QCOMPARE(prompter.Messages, QStringList{QStringLiteral("配置文件名不正确，请检查！")});
    QVERIFY(!form->isVisible());
    QVERIFY(!helper->Document());
}

void TestLoading::otherKind()
{
    TScriptedPrompter prompter;
    QTemporaryDir dir;
    auto form = MakeForm({QStringLiteral("edit:Edit1")});
    form->show();
    const QByteArray doc = MakeDocument("", "<e type=\"Edit\" name=\"Edit1\" Field=\"f\"/>",
                                        "<f name=\"f\" value=\"x\"/>", QStringLiteral("其他申请"));
    Load(form.get(), dir, doc);
    QCOMPARE(prompter.Messages, QStringList{QStringLiteral("该文件类型不匹配，凭重新选取")});
    QVERIFY(!form->isVisible());
    QCOMPARE(Find<QLineEdit>(form.get(), "Edit1")->text(), QString());  // nothing applied
}

void TestLoading::newFormFromEmptyDefinition()
{
    TScriptedPrompter prompter;
    QTemporaryDir dir;
    auto form = MakeForm(kAllKinds);
    form->show();
    const QByteArray doc = MakeDocument(
        "<r name=\"Check1\" type=\"c\"><d name=\"Dep1\"/><d name=\"Dep2\"/></r>",
        "<e type=\"Edit\" name=\"Edit1\" Field=\"f1\"/>"
        "<e type=\"Memo\" name=\"Memo1\" Field=\"f2\"/>"
        "<e type=\"Check\" name=\"Check1\" Field=\"f3\"/>"
        "<e type=\"Date\" name=\"Date1\" Field=\"f4\"/>"
        "<e type=\"ComboBox\" name=\"Combo1\" Field=\"f5\"><k key=\"甲\"/><k key=\"乙\"/><k/></e>"
        "<e type=\"RadioGroup\" Field=\"f6\"><i name=\"Radio1\" key=\"1\"/><i name=\"Radio2\" key=\"2\"/></e>"
        "<e type=\"CheckGroup\" Field=\"f7\"><i name=\"Box1\" key=\"a\"/><i name=\"Box2\" key=\"b\"/></e>"
        "<e type=\"Edit\" name=\"Dep1\" Field=\"f8\"/><e type=\"Memo\" name=\"Dep2\" Field=\"f9\"/>",
        "<f name=\"f1\" value=\"\"/><f name=\"f2\" value=\"\"/><f name=\"f3\" value=\"\"/>"
        "<f name=\"f4\" value=\"\"/><f name=\"f5\" value=\"\"/><f name=\"f6\" value=\"\"/>"
        "<f name=\"f7\" value=\"\"/><f name=\"f8\" value=\"\"/><f name=\"f9\" value=\"\"/>");
    Load(form.get(), dir, doc);
    QVERIFY(prompter.Messages.isEmpty());
    QCOMPARE(Find<QLineEdit>(form.get(), "Edit1")->text(), QString());
    QCOMPARE(Find<QPlainTextEdit>(form.get(), "Memo1")->toPlainText(), QString());
    QVERIFY(!Find<QCheckBox>(form.get(), "Check1")->isChecked());
    auto *picker = Find<TDateTimePicker>(form.get(), "Date1");
    QVERIFY(picker->ShowCheckbox());
    QVERIFY(picker->TickBox()->isVisible());
    QVERIFY(!picker->Checked());
    auto *combo = Find<QComboBox>(form.get(), "Combo1");
    QCOMPARE(combo->count(), 2);
    QCOMPARE(combo->itemText(1), QStringLiteral("乙"));
    QCOMPARE(combo->currentIndex(), -1);
    QCOMPARE(combo->currentText(), QString());
    QVERIFY(!Find<QRadioButton>(form.get(), "Radio1")->isChecked());
    QVERIFY(!Find<QRadioButton>(form.get(), "Radio2")->isChecked());
    QVERIFY(!Find<QCheckBox>(form.get(), "Box1")->isChecked());
    const QColor buttonFace = QApplication::palette().color(QPalette::Button);
    for (const char *name : {"Dep1", "Dep2"}) {
        auto *dep = form->findChild<QWidget *>(name);
        QVERIFY(!dep->isEnabled());
        QCOMPARE(dep->palette().color(QPalette::Base), buttonFace);
    }
    QVERIFY(Find<QLineEdit>(form.get(), "Edit1")->isEnabled());
}

static QByteArray plainDocument(const char *kindType, const QString &value)
{
    return MakeDocument("", QStringLiteral("<e type=\"%1\" name=\"Ctl\" Field=\"fld\"/>").arg(QLatin1String(kindType)),
                        QStringLiteral("<f name=\"fld\" value=\"%1\"/>").arg(value.toHtmlEscaped()));
}

void TestLoading::checkBoxValues_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<bool>("message");
    QTest::newRow("-1") << "-1" << true << false;
    QTest::newRow("0") << "0" << false << false;
    QTest::newRow("1") << "1" << true << false;
    QTest::newRow("0.0") << "0.0" << false << false;
    QTest::newRow("2.5") << "2.5" << true << false;
    QTest::newRow("TRUE") << "TRUE" << true << false;
    QTest::newRow("false") << "false" << false << false;
    QTest::newRow("empty") << "" << false << false;
    QTest::newRow("one space") << " " << false << false;
    QTest::newRow("word") << "yes" << false << true;
    QTest::newRow("not a number") << "nan" << false << true;
    QTest::newRow("infinity") << "inf" << false << true;
}

void TestLoading::checkBoxValues()
{
    QFETCH(QString, value);
    QFETCH(bool, ticked);
    QFETCH(bool, message);
    TScriptedPrompter prompter;
    QTemporaryDir dir;
    auto form = MakeForm({QStringLiteral("check:Ctl")});
    auto *box = Find<QCheckBox>(form.get(), "Ctl");
    box->setChecked(!ticked);  // loading sets the state either way
    Load(form.get(), dir, plainDocument("Check", value));
    QCOMPARE(box->isChecked(), ticked);
    const QStringList expected = message
        ? QStringList{QStringLiteral("Field\"fld\"的值:\"") + value
                      + QStringLiteral("\"不是布尔型格式，\r\n正确格式应为：0, -1")}
        : QStringList();
    QCOMPARE(prompter.Messages, expected);
}

void TestLoading::dateValues_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QDate>("date");  // invalid: box unticked
    QTest::addColumn<bool>("message");
    QTest::newRow("short date") << FormatShortDate(QDate(2026, 1, 31)) << QDate(2026, 1, 31) << false;
    QTest::newRow("empty") << "" << QDate() << false;
    QTest::newRow("one space") << " " << QDate() << false;
    QTest::newRow("letters") << "abc" << QDate() << true;
    QTest::newRow("no such day") << FormatShortDate(QDate(2026, 1, 31)).replace("31", "32") << QDate()
                                 << true;
}

void TestLoading::dateValues()
{
    QFETCH(QString, value);
    QFETCH(QDate, date);
    QFETCH(bool, message);
    TScriptedPrompter prompter;
    QTemporaryDir dir;
    auto form = MakeForm({QStringLiteral("date:Ctl")});
    auto *picker = Find<TDateTimePicker>(form.get(), "Ctl");
    picker->SetDate(QDate(2001, 2, 3));
    Load(form.get(), dir, plainDocument("Date", value));
    QVERIFY(picker->ShowCheckbox());
    QCOMPARE(picker->Checked(), date.isValid());
    if (date.isValid())
        QCOMPARE(picker->Date(), date);
    if (message) {
        QCOMPARE(prompter.Messages,
                 QStringList{QStringLiteral("日期:\"") + value
                             + QStringLiteral("\"的日期格式不对，请检查字段:\"fld\"，\r\n现在以今日作为缺省日期。")});
        QCOMPARE(picker->Date(), QDate::currentDate());
    } else {
        QVERIFY(prompter.Messages.isEmpty());
    }
}

void TestLoading::memoValues_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("lines") << QString::fromLatin1(EncodeMemoText(QStringLiteral("一\r\n二")))
                           << QStringLiteral("一\n二");
    QTest::newRow("empty") << "" << "";
    QTest::newRow("broken into lines") << "1tDO\r\nxA==" << "中文";
    QTest::newRow("malformed keeps the decoded part") << "1tDO=tDO" << FromGbk("\xD6\xD0\xCE");
    QTest::newRow("bad length gives nothing") << "1tDOx" << "";
    QTest::newRow("emoji") << QString::fromLatin1(EncodeMemoText(QString::fromUtf8("\xF0\x9F\x98\x80")))
                           << QString::fromUtf8("\xF0\x9F\x98\x80");
}

void TestLoading::memoValues()
{
    QFETCH(QString, value);
    QFETCH(QString, text);
    TScriptedPrompter prompter;
    QTemporaryDir dir;
    auto form = MakeForm({QStringLiteral("memo:Ctl")});
    Find<QPlainTextEdit>(form.get(), "Ctl")->setPlainText(QStringLiteral("before"));
    Load(form.get(), dir, plainDocument("Memo", value));
    QCOMPARE(Find<QPlainTextEdit>(form.get(), "Ctl")->toPlainText(), text);
    QVERIFY(prompter.Messages.isEmpty());
}

void TestLoading::comboBox_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("exact") << "combo:Ctl" << "Beta" << 1 << "Beta" << QStringList();
    QTest::newRow("letter case ignored") << "combo:Ctl" << "bETA" << 1 << "Beta" << QStringList();
    QTest::newRow("typed text kept") << "combo:Ctl" << "Gamma" << -1 << "Gamma" << QStringList();
    QTest::newRow("empty") << "combo:Ctl" << "" << -1 << "" << QStringList();
    QTest::newRow("not a combo box") << "edit:Ctl" << "Beta" << -2 << ""
                                     << QStringList{QStringLiteral("Ctl不是一个TComboBox")};
}

void TestLoading::comboBox()
{
    QFETCH(QString, control);
    QFETCH(QString, value);
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(QStringList, messages);
    TScriptedPrompter prompter;
    QTemporaryDir dir;
    auto form = MakeForm({control});
    if (auto *combo = Find<QComboBox>(form.get(), "Ctl"))
        combo->addItems({QStringLiteral("old1"), QStringLiteral("old2"), QStringLiteral("old3")});
    Load(form.get(), dir,
         MakeDocument("", "<e type=\"ComboBox\" name=\"Ctl\" Field=\"fld\"><k key=\"Alpha\"/><k key=\"Beta\"/></e>",
                      QStringLiteral("<f name=\"fld\" value=\"%1\"/>").arg(value)));
    QCOMPARE(prompter.Messages, messages);
    if (index == -2)
        return;
    auto *combo = Find<QComboBox>(form.get(), "Ctl");
    QCOMPARE(combo->count(), 2);
    QCOMPARE(combo->currentIndex(), index);
    QCOMPARE(combo->currentText(), text);
}

void TestLoading::radioGroup_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("selected");  // empty: none
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("second") << "2" << "Radio2" << QStringList();
    QTest::newRow("no match") << "9" << "" << QStringList();
    QTest::newRow("letter case counts") << "b" << "" << QStringList();
    QTest::newRow("empty value") << "" << "" << QStringList();
    QTest::newRow("matching item without control") << "3" << "" << QStringList{QStringLiteral("Radio9")};
}

void TestLoading::radioGroup()
{
    QFETCH(QString, value);
    QFETCH(QString, selected);
    QFETCH(QStringList, messages);
    TScriptedPrompter prompter;
    QTemporaryDir dir;
    auto form = MakeForm({QStringLiteral("radio:Radio1/Box"), QStringLiteral("radio:Radio2/Box")});
    Load(form.get(), dir,
         MakeDocument("",
                      "<e type=\"RadioGroup\" name=\"G\" Field=\"fld\"><i name=\"Radio1\" key=\"1\"/>"
                      "<i name=\"Radio2\" key=\"2\"/><i name=\"Radio3\" key=\"B\"/><i name=\"Radio9\" key=\"3\"/>"
                      "<i key=\"2\"/></e>",
                      QStringLiteral("<f name=\"fld\" value=\"%1\"/>").arg(value)));
    QCOMPARE(prompter.Messages, messages);
    for (const char *name : {"Radio1", "Radio2"})
        QCOMPARE(Find<QRadioButton>(form.get(), name)->isChecked(), selected == QLatin1String(name));
}

void TestLoading::checkGroup_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("ticked");  // names of ticked boxes, joined with ','
    QTest::newRow("two keys") << "k1|$$|k3" << "Box1,Box3";
    QTest::newRow("letter case ignored") << "K1|$$|K3" << "Box1,Box3";
    QTest::newRow("one key") << "k2" << "Box2";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("unknown key") << "k9" << "";
}

void TestLoading::checkGroup()
{
    QFETCH(QString, value);
    QFETCH(QString, ticked);
    TScriptedPrompter prompter;
    QTemporaryDir dir;
    auto form = MakeForm({QStringLiteral("check:Box1"), QStringLiteral("check:Box2"),
                          QStringLiteral("check:Box3"), QStringLiteral("check:Box4")});
    Load(form.get(), dir,
         MakeDocument("",
                      "<e type=\"CheckGroup\" Field=\"fld\"><i name=\"Box1\" key=\"k1\"/><i name=\"Box2\" key=\"k2\"/>"
                      "<i name=\"Box4\"/><i name=\"Box3\" key=\"k3\"/><i name=\"Box8\" key=\"k1\"/></e>",
                      QStringLiteral("<f name=\"fld\" value=\"%1\"/>").arg(value)));
    QCOMPARE(prompter.Messages, QStringList{QStringLiteral("CheckBoxItem:\"Box4\"没有Key。")});
    const QStringList names = ticked.isEmpty() ? QStringList() : ticked.split(QLatin1Char(','));
    for (const char *name : {"Box1", "Box2", "Box3", "Box4"})
        QCOMPARE(Find<QCheckBox>(form.get(), name)->isChecked(), names.contains(QLatin1String(name)));
}

void TestLoading::namesIgnoreLetterCaseTypesDoNot()
{
    TScriptedPrompter prompter;
    QTemporaryDir dir;
    auto form = MakeForm({QStringLiteral("edit:Edit5"), QStringLiteral("radio:Radio1/Box")});
    Load(form.get(), dir,
         MakeDocument("",
                      "<e type=\"Edit\" name=\"edit5\" Field=\"f1\"/>"
                      "<e type=\"radiogroup\" name=\"Radio1\" Field=\"f2\"><i name=\"Radio1\" key=\"1\"/></e>",
                      "<f name=\"f1\" value=\"五\"/><f name=\"f2\" value=\"1\"/>"));
    QCOMPARE(Find<QLineEdit>(form.get(), "Edit5")->text(), QStringLiteral("五"));
    // A plain entry on a radio button loads nothing.
    QVERIFY(!Find<QRadioButton>(form.get(), "Radio1")->isChecked());
    QVERIFY(prompter.Messages.isEmpty());
}

void TestLoading::missingControlsPassedOver()
{
    TScriptedPrompter prompter;
    QTemporaryDir dir;
    auto form = MakeForm({QStringLiteral("edit:Edit1")});
    Load(form.get(), dir,
         MakeDocument("<r name=\"Nothing1\" type=\"c\"><d name=\"Edit1\"/></r>",
                      "<e type=\"Edit\" name=\"Nothing2\" Field=\"f\"/><e type=\"ComboBox\" name=\"Nothing3\" Field=\"f\"/>"
                      "<e type=\"CheckGroup\" Field=\"f\"><i name=\"Nothing4\" key=\"v\"/></e>"
                      "<e name=\"Edit1\" Field=\"f\"/><e type=\"Edit\" name=\"Edit1\"/>",
                      "<f name=\"f\" value=\"v\"/>"));
    QVERIFY(prompter.Messages.isEmpty());
    auto *edit = Find<QLineEdit>(form.get(), "Edit1");
    QVERIFY(edit->isEnabled());  // the relation's control is missing: nothing installed or disabled
    QCOMPARE(edit->text(), QString());  // entries without type or without Field load nothing
}

void TestLoading::datePickerInTabOrder_data()
{
    QTest::addColumn<bool>("tickBox");
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<bool>("backwards");
    QTest::addColumn<QStringList>("stops");
    QTest::newRow("no tick box") << false << false << false << QStringList{"Before", "date", "After"};
    QTest::newRow("ticked") << true << true << false << QStringList{"Before", "tick", "date", "After"};
    QTest::newRow("unticked") << true << false << false << QStringList{"Before", "tick", "After"};
    QTest::newRow("ticked, backwards") << true << true << true << QStringList{"After", "date", "tick", "Before"};
    QTest::newRow("unticked, backwards") << true << false << true << QStringList{"After", "tick", "Before"};
}

// A window's declared tab order puts the picker between two edits created before it.
void TestLoading::datePickerInTabOrder()
{
    QFETCH(bool, tickBox);
    QFETCH(bool, ticked);
    QFETCH(bool, backwards);
    QFETCH(QStringList, stops);
    auto form = MakeForm(
        {QStringLiteral("edit:Before"), QStringLiteral("edit:After"), QStringLiteral("date:Ctl")});
    auto *before = Find<QLineEdit>(form.get(), "Before");
    auto *after = Find<QLineEdit>(form.get(), "After");
    auto *picker = Find<TDateTimePicker>(form.get(), "Ctl");
    picker->SetShowCheckbox(tickBox);
    picker->SetChecked(ticked);
    QWidget::setTabOrder(before, picker);
    QWidget::setTabOrder(picker, after);
    form->show();
    QApplication::setActiveWindow(form.get());
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    (backwards ? after : before)->setFocus(Qt::TabFocusReason);
    // Tab walks the date's sections before it leaves the picker; a stop counts once.
    const QString last = stops.constLast();
    QStringList seen;
    for (int i = 0; i < 12 && !seen.contains(last); ++i) {
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus);
        QString stop = focus->objectName();
        if (focus == picker->TickBox())
            stop = QStringLiteral("tick");
        else if (picker->isAncestorOf(focus))
            stop = QStringLiteral("date");
        if (seen.isEmpty() || seen.constLast() != stop)
            seen.append(stop);
        QTest::keyClick(focus, backwards ? Qt::Key_Backtab : Qt::Key_Tab,
                        backwards ? Qt::ShiftModifier : Qt::NoModifier);
    }
    QCOMPARE(seen, stops);
}

QTEST_MAIN(TestLoading)
#include "tst_loading.moc"
