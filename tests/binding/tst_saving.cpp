// Saving: every control kind collected into its field, the messages and errors of collecting,
// the atomic write, and a round trip of every kind through a fresh form.
#include "BindingFixture.h"
#include "Errors.h"
#include "Gbk.h"
#include "ScriptedPrompter.h"
#include "ShortDate.h"
#include "uTBase64.h"

#include <QtTest>

using namespace fixture;

class TestSaving : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void collectedValues_data();
    void collectedValues();
    void memoStoredAsGbkBase64();
    void missingFieldEntry();
    void missingGroupControlRaisesAndKeepsFile_data();
    void missingGroupControlRaisesAndKeepsFile();
    void noDocument();
    void unwritablePath();
    void roundTripEveryKind();
    void textsThatXmlCannotHold_data();
    void textsThatXmlCannotHold();
};

static const QStringList kForm = {
    QStringLiteral("edit:Edit1"), QStringLiteral("memo:Memo1"), QStringLiteral("check:Check1"),
    QStringLiteral("date:Date1"), QStringLiteral("combo:Combo1"), QStringLiteral("radio:Radio1/Box"),
    QStringLiteral("radio:Radio2/Box"), QStringLiteral("check:Box1"), QStringLiteral("check:Box2"),
    QStringLiteral("check:Box3"), QStringLiteral("label:Label1")};

// An entry with an empty Field loads the empty text, so it comes before the real one.
static const char kData[] =
    "<e type=\"Edit\" name=\"Edit1\" Field=\"\"/>"
    "<e type=\"Edit\" name=\"Edit1\" Field=\"edit\"/>"
    "<e type=\"Memo\" name=\"Memo1\" Field=\"memo\"/>"
    "<e type=\"Check\" name=\"Check1\" Field=\"check\"/>"
    "<e type=\"Date\" name=\"Date1\" Field=\"date\"/>"
    "<e type=\"ComboBox\" name=\"Combo1\" Field=\"combo\"><k key=\"甲\"/><k key=\"乙\"/></e>"
    "<e type=\"RadioGroup\" name=\"G\" Field=\"radio\"><i name=\"Radio1\" key=\"1\"/><i name=\"Radio2\" key=\"2\"/></e>"
    "<e type=\"CheckGroup\" Field=\"group\"><i name=\"Box1\" key=\"k1\"/><i name=\"Box2\" key=\"k2\"/>"
    "<i name=\"Box3\" key=\"k3\"/></e>"
    "<e type=\"Edit\" name=\"Label1\" Field=\"other\"/>"
    "<e type=\"Edit\" name=\"Absent\" Field=\"absent\"/>"
    "<e name=\"Edit1\" Field=\"notype\"/>"
    "<e type=\"Combo\" name=\"Combo1\" Field=\"plaincombo\"/>";

static const char kFields[] =
    "<f name=\"edit\"/><f name=\"memo\"/><f name=\"check\"/><f name=\"date\"/><f name=\"combo\"/>"
    "<f name=\"radio\"/><f name=\"group\"/><f name=\"other\" value=\"was\"/><f name=\"absent\" value=\"was\"/>"
    "<f name=\"notype\" value=\"kept\"/><f name=\"plaincombo\"/>";

// The field values of a written file.
static QHash<QString, QString> fieldValues(const QString &path)
{
    QHash<QString, QString> values;
    const auto doc = TXmlDocument::Parse(ReadFile(path));
    for (TXmlElement f = doc->Root().FirstChildElement("data-fields").FirstChildElement(); f;
         f = f.NextSiblingElement())
        values.insert(f.Attribute("name"), f.HasAttribute("value") ? f.Attribute("value") : QStringLiteral("<absent>"));
    return values;
}

void TestSaving::collectedValues_data()
{
    QTest::addColumn<QString>("state");  // what the test sets on the form
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::newRow("edit text") << "edit" << "edit" << "文字 text";
    QTest::newRow("empty edit") << "" << "edit" << "";
    QTest::newRow("check ticked") << "check" << "check" << "-1";
    QTest::newRow("check unticked") << "" << "check" << "0";
    QTest::newRow("date ticked") << "date" << "date" << FormatShortDate(QDate(2026, 12, 1));
    QTest::newRow("date unticked") << "" << "date" << "";
    QTest::newRow("combo chosen") << "combo" << "combo" << "乙";
    QTest::newRow("combo typed") << "combotyped" << "combo" << "自填";
    QTest::newRow("combo bound plainly") << "combo" << "plaincombo" << "乙";
    QTest::newRow("radio selected") << "radio" << "radio" << "2";
    QTest::newRow("radio none") << "" << "radio" << "";
    QTest::newRow("group first and third") << "group13" << "group" << "k1|$$|k3";
    QTest::newRow("group last only") << "group3" << "group" << "k3";
    QTest::newRow("group none") << "" << "group" << "";
    QTest::newRow("other kind of control") << "" << "other" << "";
    QTest::newRow("missing control") << "" << "absent" << "";
    QTest::newRow("entry without type") << "edit" << "notype" << "kept";
}

static void setState(QWidget *form, const QString &state)
{
    if (state == QLatin1String("edit"))
        Find<QLineEdit>(form, "Edit1")->setText(QStringLiteral("文字 text"));
    if (state == QLatin1String("check"))
        Find<QCheckBox>(form, "Check1")->setChecked(true);
    if (state == QLatin1String("date"))
        Find<TDateTimePicker>(form, "Date1")->SetDate(QDate(2026, 12, 1));
    if (state == QLatin1String("combo"))
        Find<QComboBox>(form, "Combo1")->setCurrentIndex(1);
    if (state == QLatin1String("combotyped"))
        Find<QComboBox>(form, "Combo1")->setEditText(QStringLiteral("自填"));
    if (state == QLatin1String("radio"))
        Find<QRadioButton>(form, "Radio2")->setChecked(true);
    if (state.startsWith(QLatin1String("group")))
        for (QChar c : state.mid(5))
            Find<QCheckBox>(form, QStringLiteral("Box") + c)->setChecked(true);
}

void TestSaving::collectedValues()
{
    QFETCH(QString, state);
    QFETCH(QString, field);
    QFETCH(QString, value);
    TScriptedPrompter prompter;
    QTemporaryDir dir;
    auto form = MakeForm(kForm);
    TUIHelper *helper = Load(form.get(), dir, MakeDocument("", QString::fromUtf8(kData), QString::fromUtf8(kFields)));
    setState(form.get(), state);
    const QString path = dir.filePath(QStringLiteral("out.qx"));
    helper->SaveFile(path);
    QCOMPARE(fieldValues(path).value(field), value);
    // The collected value stays in the bound document for printing.
    QCOMPARE(helper->FindFieldValue(field), value);
    QVERIFY(prompter.Messages.isEmpty());
}

void TestSaving::memoStoredAsGbkBase64()
{
    TScriptedPrompter prompter;
    QTemporaryDir dir;
    auto form = MakeForm(kForm);
    TUIHelper *helper = Load(form.get(), dir, MakeDocument("", QString::fromUtf8(kData), QString::fromUtf8(kFields)));
    const QString text = QString::fromUtf8("第一行\n第二行 \xF0\x9F\x98\x80");
    Find<QPlainTextEdit>(form.get(), "Memo1")->setPlainText(text);
    const QString path = dir.filePath(QStringLiteral("out.qx"));
    helper->SaveFile(path);
    const QString stored = fieldValues(path).value(QStringLiteral("memo"));
    QByteArray bytes;
    QCOMPARE(int(TBase64().Decode(stored.toLatin1(), bytes)), int(b64Ok));
    QVERIFY(bytes.startsWith("\xB5\xDA\xD2\xBB\xD0\xD0\r\n\xB5\xDA\xB6\xFE\xD0\xD0 "));  // GBK, CR LF
    QCOMPARE(FromGbk(bytes), QString(text).replace(QLatin1String("\n"), QLatin1String("\r\n")));
}

void TestSaving::missingFieldEntry()
{
    TScriptedPrompter prompter;
    QTemporaryDir dir;
    auto form = MakeForm({QStringLiteral("edit:Edit1"), QStringLiteral("edit:Edit2")});
    TUIHelper *helper = Load(form.get(), dir,
                             MakeDocument("",
                                          "<e type=\"Edit\" name=\"Edit1\" Field=\"gone\"/>"
                                          "<e type=\"Edit\" name=\"Edit2\" Field=\"f2\"/>",
                                          "<f name=\"f2\"/><f name=\"wrap\"><f name=\"deep\"/></f>"));
    Find<QLineEdit>(form.get(), "Edit2")->setText(QStringLiteral("saved"));
    const QString path = dir.filePath(QStringLiteral("out.qx"));
    helper->SaveFile(path);
    QCOMPARE(prompter.Messages, QStringList{QStringLiteral("Field未找到！ gone")});
    QCOMPARE(fieldValues(path).value(QStringLiteral("f2")), QStringLiteral("saved"));
}

void TestSaving::missingGroupControlRaisesAndKeepsFile_data()
{
    QTest::addColumn<QString>("type");
    QTest::newRow("radio group") << "RadioGroup";
    QTest::newRow("check group") << "CheckGroup";
}

void TestSaving::missingGroupControlRaisesAndKeepsFile()
{
    QFETCH(QString, type);
    TScriptedPrompter prompter;
    QTemporaryDir dir;
    auto form = MakeForm({QStringLiteral("radio:Radio1/Box"), QStringLiteral("check:Box1")});
    TUIHelper *helper = Load(
        form.get(), dir,
        MakeDocument("",
                     QStringLiteral("<e type=\"%1\" Field=\"g\"><i name=\"Radio1\" key=\"1\"/><i name=\"Box1\" key=\"2\"/>"
                                    "<i name=\"Gone9\" key=\"3\"/></e>").arg(type),
                     "<f name=\"g\"/>"));
    const QString path = dir.filePath(QStringLiteral("out.qx"));
    WriteFile(dir, QStringLiteral("out.qx"), "previous content");
    QString raised;
    try {
        helper->SaveFile(path);
    } catch (const EError &e) {
        raised = e.Message();
    }
    QCOMPARE(raised, QStringLiteral("窗体FrmTest里没有名字为Gone9的控件，请检查"));
    QCOMPARE(ReadFile(path), QByteArray("previous content"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             (QStringList{QStringLiteral("doc.xml"), QStringLiteral("out.qx")}));
}

void TestSaving::noDocument()
{
    TScriptedPrompter prompter;
    QTemporaryDir dir;
    auto form = MakeForm({QStringLiteral("edit:Edit1")});
    TUIHelper helper(form.get());
    QVERIFY_THROWS_EXCEPTION(EError, helper.SaveFile(dir.filePath(QStringLiteral("x.qx"))));
    try {
        helper.SaveFile(dir.filePath(QStringLiteral("x.qx")));
    } catch (const EError &e) {
        QCOMPARE(e.Message(), QStringLiteral("无法找到\"ui-data\"元素，请检查xml文件，或者可能未装载xml文件。"));
    }
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("x.qx"))));
}

void TestSaving::unwritablePath()
{
    TScriptedPrompter prompter;
    QTemporaryDir dir;
    auto form = MakeForm({QStringLiteral("edit:Edit1")});
    TUIHelper *helper = Load(form.get(), dir, MakeDocument("", "<e type=\"Edit\" name=\"Edit1\" Field=\"f\"/>",
                                                           "<f name=\"f\"/>"));
    const QString path = dir.filePath(QStringLiteral("no-such-folder/a.qx"));
    QString raised;
    try {
        helper->SaveFile(path);
    } catch (const EError &e) {
        raised = e.Message();
    }
    QVERIFY2(raised.startsWith(QStringLiteral("无法创建文件\"") + path + QStringLiteral("\"。")), qPrintable(raised));
    QVERIFY(!QFile::exists(path));
}

void TestSaving::roundTripEveryKind()
{
    TScriptedPrompter prompter;
    QTemporaryDir dir;
    const QByteArray definition = MakeDocument("", QString::fromUtf8(kData), QString::fromUtf8(kFields));
    auto form = MakeForm(kForm);
    TUIHelper *helper = Load(form.get(), dir, definition);
    Find<QLineEdit>(form.get(), "Edit1")->setText(QStringLiteral("名称 <&> \"引号\""));
    Find<QPlainTextEdit>(form.get(), "Memo1")->setPlainText(QString::fromUtf8("一\n\n三\xF0\xA0\x80\x80"));
    Find<QCheckBox>(form.get(), "Check1")->setChecked(true);
    Find<TDateTimePicker>(form.get(), "Date1")->SetDate(QDate(2026, 2, 28));
    Find<QComboBox>(form.get(), "Combo1")->setCurrentIndex(0);
    Find<QRadioButton>(form.get(), "Radio1")->setChecked(true);
    Find<QCheckBox>(form.get(), "Box2")->setChecked(true);
    Find<QCheckBox>(form.get(), "Box3")->setChecked(true);
    const QString first = dir.filePath(QStringLiteral("first.qx"));
    helper->SaveFile(first);

    auto fresh = MakeForm(kForm);
    auto *reader = new TUIHelper(fresh.get());
    reader->FileName = first;
    reader->LoadFile(kConfigType);
    QWidget *f = fresh.get();
    QCOMPARE(Find<QLineEdit>(f, "Edit1")->text(), QStringLiteral("名称 <&> \"引号\""));
    QCOMPARE(Find<QPlainTextEdit>(f, "Memo1")->toPlainText(), QString::fromUtf8("一\n\n三\xF0\xA0\x80\x80"));
    QVERIFY(Find<QCheckBox>(f, "Check1")->isChecked());
    QVERIFY(Find<TDateTimePicker>(f, "Date1")->Checked());
    QCOMPARE(Find<TDateTimePicker>(f, "Date1")->Date(), QDate(2026, 2, 28));
    QCOMPARE(Find<QComboBox>(f, "Combo1")->currentText(), QStringLiteral("甲"));
    QVERIFY(Find<QRadioButton>(f, "Radio1")->isChecked());
    QVERIFY(!Find<QRadioButton>(f, "Radio2")->isChecked());
    QVERIFY(!Find<QCheckBox>(f, "Box1")->isChecked());
    QVERIFY(Find<QCheckBox>(f, "Box2")->isChecked());
    QVERIFY(Find<QCheckBox>(f, "Box3")->isChecked());

    // Saving the opened file again without edits writes the same bytes.
    const QString second = dir.filePath(QStringLiteral("second.qx"));
    reader->SaveFile(second);
    QCOMPARE(ReadFile(second), ReadFile(first));

    // A typed combo-box text that is no list entry comes back as the box's text, with the list
    // filled and no entry selected, and saving the opened file again keeps it.
    Find<QComboBox>(f, "Combo1")->setEditText(QStringLiteral("自填"));
    reader->SaveFile(second);
    QCOMPARE(fieldValues(second).value(QStringLiteral("combo")), QStringLiteral("自填"));
    auto third = MakeForm(kForm);
    auto *again = new TUIHelper(third.get());
    again->FileName = second;
    again->LoadFile(kConfigType);
    auto *combo = Find<QComboBox>(third.get(), "Combo1");
    QCOMPARE(combo->currentText(), QStringLiteral("自填"));
    QCOMPARE(combo->currentIndex(), -1);
    QCOMPARE(combo->count(), 2);
    const QString fourth = dir.filePath(QStringLiteral("fourth.qx"));
    again->SaveFile(fourth);
    QCOMPARE(ReadFile(fourth), ReadFile(second));
    QVERIFY(prompter.Messages.isEmpty());
}

void TestSaving::textsThatXmlCannotHold_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("reopened");
    QTest::newRow("tab and line breaks kept") << QStringLiteral("a\tb\r\nc") << QStringLiteral("a\tb\r\nc");
    QTest::newRow("control characters dropped") << QString::fromLatin1("a\x01" "b\x0B\x1F" "c") << QStringLiteral("abc");
    QTest::newRow("spaces kept") << QStringLiteral("  a  ") << QStringLiteral("  a  ");
}

// A pasted control character must not make the data file unreadable.
void TestSaving::textsThatXmlCannotHold()
{
    QFETCH(QString, typed);
    QFETCH(QString, reopened);
    TScriptedPrompter prompter;
    QTemporaryDir dir;
    const QByteArray doc = MakeDocument("", "<e type=\"Edit\" name=\"Edit1\" Field=\"f\"/>", "<f name=\"f\"/>");
    auto form = MakeForm({QStringLiteral("edit:Edit1")});
    TUIHelper *helper = Load(form.get(), dir, doc);
    Find<QLineEdit>(form.get(), "Edit1")->setText(typed);
    const QString path = dir.filePath(QStringLiteral("out.qx"));
    helper->SaveFile(path);
    auto fresh = MakeForm({QStringLiteral("edit:Edit1")});
    auto *reader = new TUIHelper(fresh.get());
    reader->FileName = path;
    reader->LoadFile(kConfigType);
    QCOMPARE(Find<QLineEdit>(fresh.get(), "Edit1")->text(), reopened);
}

QTEST_MAIN(TestSaving)
#include "tst_saving.moc"
