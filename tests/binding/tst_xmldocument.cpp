// The document model: files in each accepted encoding load and are written back in their own
// encoding with only field values changed; hostile files end in a clear error, never a crash.
#include "BindingFixture.h"
#include "Errors.h"
#include "ScriptedPrompter.h"
#include "XmlDocument.h"

#include <QtTest>

using namespace fixture;

class TestXmlDocument : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void encodings_data();
    void encodings();
    void writtenBackWithOnlyValuesChanged();
    void absentAndEmptyAttributesDiffer();
    void hostileFiles_data();
    void hostileFiles();
    void externalDtdIsNotFetched();
    void readConfigType();
};

static QString dataFile(const char *name)
{
    return QStringLiteral(SHENBAO_TEST_DATA "/data/") + QLatin1String(name);
}

void TestXmlDocument::encodings_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("encoding");
    QTest::newRow("GBK") << dataFile("gbk.xml") << "GBK";
    QTest::newRow("GB2312") << dataFile("gb2312.xml") << "GB2312";
    QTest::newRow("UTF-16 with BOM") << dataFile("utf16.xml") << "UTF-16";
    QTest::newRow("UTF-8 with BOM") << dataFile("utf8-bom.xml") << "UTF-8";
    QTest::newRow("no declaration") << dataFile("no-declaration.xml") << "";
}

void TestXmlDocument::encodings()
{
    QFETCH(QString, file);
    QFETCH(QString, encoding);
    TScriptedPrompter prompter;
    QTemporaryDir dir;
    auto form = MakeForm({QStringLiteral("edit:Edit1")});
    auto *helper = new TUIHelper(form.get());
    helper->FileName = file;
    helper->LoadFile(kConfigType);
    QVERIFY(helper->Document());
    QCOMPARE(helper->Document()->Encoding(), encoding);
    auto *edit = Find<QLineEdit>(form.get(), "Edit1");
    QCOMPARE(edit->text(), QStringLiteral("中文值"));

    // Characters outside the file's encoding (an emoji, a rare name character) survive as well.
    const QString typed = QStringLiteral("新值：张三") + QString::fromUtf8("\xF0\x9F\x98\x80\xF0\xA0\x80\x80");
    edit->setText(typed);
    const QString saved = dir.filePath(QStringLiteral("saved.qx"));
    helper->SaveFile(saved);

    // The written file keeps the encoding it was read in and opens again.
    const QByteArray bytes = ReadFile(saved);
    if (!encoding.isEmpty() && encoding != QLatin1String("UTF-16"))
        QVERIFY2(bytes.contains(QByteArray("encoding=\"") + encoding.toLatin1() + '"'), bytes.constData());
    if (encoding == QLatin1String("GBK"))
        QVERIFY(bytes.contains(QByteArray("\xD5\xC5\xC8\xFD")));  // 张三 in GBK
    auto again = MakeForm({QStringLiteral("edit:Edit1")});
    auto *reader = new TUIHelper(again.get());
    reader->FileName = saved;
    reader->LoadFile(kConfigType);
    // A file without a declaration is UTF-8, and is written so, declared.
    QCOMPARE(reader->Document()->Encoding(), encoding.isEmpty() ? QStringLiteral("UTF-8") : encoding);
    QCOMPARE(Find<QLineEdit>(again.get(), "Edit1")->text(), typed);
    QVERIFY(prompter.Messages.isEmpty());
    QVERIFY(prompter.Unexpected.isEmpty());
}

void TestXmlDocument::writtenBackWithOnlyValuesChanged()
{
    TScriptedPrompter prompter;
    QTemporaryDir dir;
    const QByteArray original =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<!-- definition of the test kind -->\n"
        "<?app-info build=\"7\"?>\n"
        "<Form version=\"2\" lang=\"zh\">\n"
        "  <config-type value=\"\xE6\xB5\x8B\xE8\xAF\x95\xE7\x94\xB3\xE8\xAF\xB7\" note=\"x\"/>\n"
        "  <extra><keep me=\"1\">text &amp; more</keep></extra>\n"
        "  <ui-relation/>\n"
        "  <ui-data>\n"
        "    <anything type=\"Edit\" name=\"Edit1\" Field=\"f1\" hint=\"h\"/>\n"
        "    <other type=\"Edit\" name=\"Edit2\" Field=\"f2\"/>\n"
        "  </ui-data>\n"
        "  <data-fields>\n"
        "    <field name=\"f1\" value=\"old\" unit=\"kg\"/>\n"
        "    <field name=\"f2\"/>\n"
        "    <field name=\"f3\" value=\"untouched\"/>\n"
        "  </data-fields>\n"
        "</Form>\n";
    auto form = MakeForm({QStringLiteral("edit:Edit1"), QStringLiteral("edit:Edit2")});
    TUIHelper *helper = Load(form.get(), dir, original);
    Find<QLineEdit>(form.get(), "Edit1")->setText(QStringLiteral("a<b>&\"c\""));
    Find<QLineEdit>(form.get(), "Edit2")->setText(QStringLiteral("new"));
    const QString saved = dir.filePath(QStringLiteral("out.qx"));
    helper->SaveFile(saved);
    QByteArray expected = original;
    expected.replace("value=\"old\"", "value=\"a&lt;b&gt;&amp;&quot;c&quot;\"");
    expected.replace("<field name=\"f2\"/>", "<field name=\"f2\" value=\"new\"/>");
    QCOMPARE(ReadFile(saved), expected);
    QVERIFY(prompter.Messages.isEmpty());
}

void TestXmlDocument::absentAndEmptyAttributesDiffer()
{
    const QByteArray text = "<r><a value=\"\"/><b/></r>";
    const auto doc = TXmlDocument::Parse(text);
    const TXmlElement a = doc->Root().FirstChildElement("a");
    const TXmlElement b = doc->Root().FirstChildElement("b");
    QVERIFY(a.HasAttribute("value"));
    QVERIFY(!b.HasAttribute("value"));
    QCOMPARE(a.Attribute("value"), QString());
    QCOMPARE(b.Attribute("value"), QString());
    QVERIFY(doc->Root().FirstChildElement("B").IsNull());  // element names are exact
}

void TestXmlDocument::hostileFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error");
    auto file = [](const char *name) { return ReadFile(dataFile(name)); };
    QTest::newRow("truncated") << file("truncated.xml") << "XML文件格式错误（第";
    QTest::newRow("declared UTF-8, GBK bytes") << file("wrong-encoding.xml") << "XML文件格式错误（第";
    QTest::newRow("encoding outside the allowed ones")
        << file("foreign-encoding.xml") << "XML文件格式错误：不支持的字符编码\"ISO-8859-1\"。";
    QTest::newRow("external entity") << file("external-entity.xml")
                                     << "XML文件格式错误：文件声明了实体（DOCTYPE中的ENTITY），不予读取。";
    QTest::newRow("entity expansion") << file("entity-expansion.xml")
                                      << "XML文件格式错误：文件声明了实体（DOCTYPE中的ENTITY），不予读取。";
    QTest::newRow("binary garbage") << file("garbage.bin") << "XML文件格式错误";
    QTest::newRow("empty file") << QByteArray() << "XML文件格式错误：文件是空的。";
    QTest::newRow("text only") << QByteArray("hello") << "XML文件格式错误（第1行";
    QByteArray deep;
    for (int i = 0; i < 5000; ++i)
        deep += "<a>";
    QTest::newRow("very deep nesting") << deep << "XML文件格式错误（第1行";
    QByteArray huge = "<root><config-type value=\"" + QByteArray(12 * 1024 * 1024, 'A') + "\"/></root>";
    QTest::newRow("huge attribute") << huge << "XML文件格式错误（第1行";
    QTest::newRow("two roots") << QByteArray("<a/><b/>") << "XML文件格式错误（第1行，第";
    QTest::newRow("no config-type") << MakeDocument("", "", "").replace("config-type", "config-kind")
                                    << "文件没有类型字段，请检查！";
    QTest::newRow("no ui-relation") << MakeDocument("", "", "").replace("ui-relation", "ui-rel")
                                    << "文件没有\"ui-relation\"元素，请检查xml文件！";
    QTest::newRow("no ui-data") << MakeDocument("", "", "").replace("ui-data", "ui-dat")
                                << "文件没有\"ui-data\"元素，请检查xml文件！";
    QTest::newRow("no data-fields") << MakeDocument("", "", "").replace("data-fields", "data-field")
                                    << "文件没有\"data-fields\"元素，请检查xml文件！";
}

void TestXmlDocument::hostileFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    TScriptedPrompter prompter;
    QTemporaryDir dir;
    auto form = MakeForm({QStringLiteral("edit:Edit1")});
    form->show();
    QString raised;
    try {
        Load(form.get(), dir, bytes);
    } catch (const EError &e) {
        raised = e.Message();
    }
    QVERIFY2(raised.startsWith(error), qPrintable(raised));
    QVERIFY(!raised.contains(QLatin1String("root:")));  // nothing of /etc/passwd
    QVERIFY(form->isVisible());  // an error leaves the window open
    QVERIFY(prompter.Messages.isEmpty());
}

void TestXmlDocument::externalDtdIsNotFetched()
{
    // The DOCTYPE names a DTD on the network; the file is read without it.
    TScriptedPrompter prompter;
    auto form = MakeForm({QStringLiteral("edit:Edit1")});
    auto *helper = new TUIHelper(form.get());
    helper->FileName = dataFile("external-dtd.xml");
    helper->LoadFile(QStringLiteral("x"));
    QVERIFY(helper->Document());
    QVERIFY(prompter.Messages.isEmpty());
}

void TestXmlDocument::readConfigType()
{
    QCOMPARE(TUIHelper::ReadConfigType(dataFile("gbk.xml")), QStringLiteral("测试申请"));
    QCOMPARE(TUIHelper::ReadConfigType(dataFile("utf16.xml")), QStringLiteral("测试申请"));
    QVERIFY_THROWS_EXCEPTION(EError, TUIHelper::ReadConfigType(dataFile("missing.xml")));
    QVERIFY_THROWS_EXCEPTION(EError, TUIHelper::ReadConfigType(dataFile("external-entity.xml")));
    QVERIFY_THROWS_EXCEPTION(EError, TUIHelper::ReadConfigType(dataFile("truncated.xml")));
}

QTEST_MAIN(TestXmlDocument)
#include "tst_xmldocument.moc"
