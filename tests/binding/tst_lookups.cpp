// The engine's searches of the bound document and of the form's controls, the split of group
// values, the missing-control error and the short date texts.
#include "BindingFixture.h"
#include "Components.h"
#include "Errors.h"
#include "ScriptedPrompter.h"
#include "ShortDate.h"

#include <QLocale>
#include <QRegularExpression>
#include <QtTest>

using namespace fixture;

class TestLookups : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void findFieldValue_data();
    void findFieldValue();
    void findEntries_data();
    void findEntries();
    void findEntryByNameStopsBelowUnnamed();
    void splitText_data();
    void splitText();
    void blankValue_data();
    void blankValue();
    void checkControlMessage();
    void findComponent();
    void componentIndexFollowsChanges();
    void shortDate();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<QWidget> m_form;
    TUIHelper *m_helper = nullptr;
};

// Two fields of one name, one without value, one with an empty value, one nested below
// another field and a relation and data section with nesting and an unnamed level.
static const char kRelations[] =
    "<r name=\"Check1\" type=\"c\"><d name=\"Edit1\"/><d name=\"Check2\" type=\"c\"><d name=\"Edit2\"/></d></r>"
    "<x type=\"c\"><d name=\"Hidden\"/></x>";
static const char kData[] =
    "<e type=\"RadioGroup\" name=\"Group1\" Field=\"g\"><i name=\"Radio1\" key=\"1\"/><i name=\"Radio2\" key=\"2\"/></e>"
    "<e type=\"Edit\" name=\"Edit1\" Field=\"dup\"/>"
    "<e type=\"CheckGroup\" Field=\"cg\"><i name=\"Box1\" key=\"k1\"/></e>";
static const char kFields[] =
    "<f name=\"dup\" value=\"first\"/><f name=\"dup\" value=\"second\"/>"
    "<f name=\"novalue\"/><f name=\"empty\" value=\"\"/>"
    "<f name=\"outer\" value=\"o\"><f name=\"inner\" value=\"i\"/></f>"
    "<f value=\"unnamed\"><f name=\"below-unnamed\" value=\"b\"/></f>";

void TestLookups::init()
{
    m_form = MakeForm({QStringLiteral("check:Check1"), QStringLiteral("edit:Edit1")});
    m_helper = Load(m_form.get(), m_dir,
                    MakeDocument(QLatin1String(kRelations), QLatin1String(kData), QLatin1String(kFields)));
}

void TestLookups::findFieldValue_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::newRow("first of two of one name") << "dup" << "first";
    QTest::newRow("no value attribute") << "novalue" << "";
    QTest::newRow("empty value") << "empty" << "";
    QTest::newRow("direct child") << "outer" << "o";
    QTest::newRow("nested field is not read") << "inner" << "";
    QTest::newRow("no such field") << "nothing" << "";
    QTest::newRow("letter case counts") << "DUP" << "";
}

void TestLookups::findFieldValue()
{
    QFETCH(QString, name);
    QFETCH(QString, value);
    QCOMPARE(m_helper->FindFieldValue(name), value);
}

void TestLookups::findEntries_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("attribute");  // an attribute of the hit: "name=value"
    QTest::newRow("field, nested") << "field" << "inner" << true << "value=i";
    QTest::newRow("field, first of two") << "field" << "dup" << true << "value=first";
    QTest::newRow("field below an unnamed one") << "field" << "below-unnamed" << false << "";
    QTest::newRow("relation, top") << "relation" << "Check1" << true << "type=c";
    QTest::newRow("relation, nested controlling") << "relation" << "Check2" << true << "type=c";
    QTest::newRow("relation, dependent") << "relation" << "Edit2" << true << "name=Edit2";
    QTest::newRow("relation, letter case counts") << "relation" << "check1" << false << "";
    QTest::newRow("relation below unnamed entry") << "relation" << "Hidden" << false << "";
    QTest::newRow("data, radio item") << "data" << "Radio2" << true << "key=2";
    QTest::newRow("data, group") << "data" << "Group1" << true << "type=RadioGroup";
    QTest::newRow("data, item of unnamed group") << "data" << "Box1" << false << "";
}

void TestLookups::findEntries()
{
    QFETCH(QString, section);
    QFETCH(QString, name);
    QFETCH(bool, found);
    QFETCH(QString, attribute);
    TXmlElement hit;
    if (section == QLatin1String("field"))
        hit = m_helper->FindFieldEntry(name);
    else if (section == QLatin1String("relation"))
        hit = m_helper->FindRelationEntry(name);
    else
        hit = m_helper->FindDataEntry(name);
    QCOMPARE(!hit.IsNull(), found);
    if (found) {
        const QByteArray attr = attribute.section(QLatin1Char('='), 0, 0).toLatin1();
        QCOMPARE(hit.Attribute(attr.constData()), attribute.section(QLatin1Char('='), 1));
    }
}

void TestLookups::findEntryByNameStopsBelowUnnamed()
{
    const TXmlElement root = m_helper->Document()->Root();
    const TXmlElement relations = root.FirstChildElement("ui-relation");
    const TXmlElement first = relations.FirstChildElement();
    QCOMPARE(TUIHelper::FindEntryByName(first, QStringLiteral("Edit2")).Attribute("name"),
             QStringLiteral("Edit2"));
    QVERIFY(TUIHelper::FindEntryByName(first.NextSiblingElement(), QStringLiteral("Hidden")).IsNull());
    QVERIFY(TUIHelper::FindEntryByName(relations, QStringLiteral("Check1")).IsNull());  // no name
    // The radio item's group is its parent.
    QCOMPARE(m_helper->FindDataEntry(QStringLiteral("Radio1")).Parent().Attribute("name"),
             QStringLiteral("Group1"));
}

void TestLookups::splitText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("pieces");
    QTest::newRow("two pieces") << "A|$$|B" << QStringList{"A", "B"};
    QTest::newRow("empty text") << "" << QStringList{""};
    QTest::newRow("separator at the end") << "A|$$|" << QStringList{"A", ""};
    QTest::newRow("separator at the start") << "|$$|A" << QStringList{"", "A"};
    QTest::newRow("no separator") << "A|$B" << QStringList{"A|$B"};
    QTest::newRow("three, one empty") << "a|$$||$$|c" << QStringList{"a", "", "c"};
}

void TestLookups::splitText()
{
    QFETCH(QString, text);
    QFETCH(QStringList, pieces);
    QStringList list{QStringLiteral("kept")};
    TUIHelper::SplitText(text, QStringLiteral("|$$|"), list);
    QCOMPARE(list, QStringList{"kept"} + pieces);
}

void TestLookups::blankValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("blank");
    QTest::newRow("empty") << "" << true;
    QTest::newRow("one space") << " " << true;
    QTest::newRow("two spaces") << "  " << false;
    QTest::newRow("tab first") << "\tx" << true;
    QTest::newRow("cr first") << "\r\n" << true;
    QTest::newRow("text") << "0" << false;
    QTest::newRow("space then text") << " 1" << false;
}

void TestLookups::blankValue()
{
    QFETCH(QString, text);
    QFETCH(bool, blank);
    QCOMPARE(TUIHelper::IsBlankValue(text), blank);
}

void TestLookups::checkControlMessage()
{
    m_helper->CheckControl(Find<QLineEdit>(m_form.get(), "Edit1"), QStringLiteral("Edit1"));
    try {
        m_helper->CheckControl(nullptr, QStringLiteral("Edit9"));
        QFAIL("no error raised");
    } catch (const EError &e) {
        QCOMPARE(e.Message(), QStringLiteral("窗体FrmTest里没有名字为Edit9的控件，请检查"));
    }
}

void TestLookups::findComponent()
{
    auto form = MakeForm({QStringLiteral("edit:Edit5"), QStringLiteral("date:Date1"),
                          QStringLiteral("radio:Radio1/Box1")});
    QCOMPARE(FindComponent(form.get(), QStringLiteral("edit5")), Find<QLineEdit>(form.get(), "Edit5"));
    QCOMPARE(FindComponent(form.get(), QStringLiteral("EDIT5")), Find<QLineEdit>(form.get(), "Edit5"));
    QCOMPARE(FindComponent(form.get(), QStringLiteral("radio1")),
             Find<QRadioButton>(form.get(), "Radio1"));  // inside a group box
    QVERIFY(!FindComponent(form.get(), QString()));
    QVERIFY(!FindComponent(form.get(), QStringLiteral("qt_picker_tick")));  // a picker's inner part
    QVERIFY(!FindComponent(form.get(), QStringLiteral("FrmTest")));          // the form itself
    auto other = MakeForm({QStringLiteral("edit:Other1")});
    QVERIFY(!FindComponent(form.get(), QStringLiteral("Other1")));  // another form's control
}

void TestLookups::componentIndexFollowsChanges()
{
    auto form = MakeForm({QStringLiteral("edit:Edit1"), QStringLiteral("edit:Edit2")});
    auto *edit1 = Find<QLineEdit>(form.get(), "Edit1");
    QCOMPARE(FindComponent(form.get(), QStringLiteral("edit1")), edit1);
    edit1->setObjectName(QStringLiteral("Edit7"));
    QVERIFY(!FindComponent(form.get(), QStringLiteral("edit1")));
    QCOMPARE(FindComponent(form.get(), QStringLiteral("edit7")), edit1);
    auto *added = new QLineEdit(form.get());
    added->setObjectName(QStringLiteral("Edit3"));
    QCOMPARE(FindComponent(form.get(), QStringLiteral("EDIT3")), added);
    delete added;
    QVERIFY(!FindComponent(form.get(), QStringLiteral("Edit3")));
    auto *moved = Find<QLineEdit>(form.get(), "Edit2");
    QWidget elsewhere;
    moved->setParent(&elsewhere);
    QVERIFY(!FindComponent(form.get(), QStringLiteral("Edit2")));
}

void TestLookups::shortDate()
{
    const QString format = ShortDateFormat();
    QVERIFY2(format.contains(QLatin1String("yyyy")), qPrintable(format));
    const QDate date(2026, 3, 9);
    const QString text = FormatShortDate(date);
    QVERIFY2(text.contains(QLatin1String("2026")), qPrintable(text));
    QCOMPARE(ParseShortDate(text), date);
    QCOMPARE(ParseShortDate(QStringLiteral("abc")), QDate());
    QCOMPARE(FormatShortDate(QDate()), QString());
    // Where the regional format writes two-digit years, such a text still reads in this century.
    if (QLocale::system().dateFormat(QLocale::ShortFormat).contains(QRegularExpression(QStringLiteral("(?<!y)yy(?!y)")))) {
        const QString legacy = QLocale::system().toString(date, QLocale::ShortFormat);
        QVERIFY2(!legacy.contains(QLatin1String("2026")), qPrintable(legacy));
        QCOMPARE(ParseShortDate(legacy), date);
        QVERIFY(!text.endsWith(legacy.right(3)) || text.contains(QLatin1String("2026")));
    }
    // The picker shows dates in the same format.
    TDateTimePicker picker;
    QCOMPARE(picker.DateEdit()->displayFormat(), format);
}

QTEST_MAIN(TestLookups)
#include "tst_lookups.moc"
