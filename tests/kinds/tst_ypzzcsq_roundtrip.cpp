// The life cycle of the testing exemption form through the main window: "N4Click" starts a new form
// with the definition file's combo-box lists and nothing chosen; a fully filled form saved as a
// backup opens again through "N7Click" with every value, chosen or typed; "打印保存(&P)" rewrites
// that file and previews both pages with one copy preset; the "其他" material can be named only
// while its box is ticked; data files are named "第三方豁免" + product name + "_" + code + ".qx".

#include "ConfigedBase.h"
#include "Fonts.h"
#include "Kinds.h"
#include "ScriptedPrompter.h"
#include "UIHelper.h"
#include "YPZZCSQ.h"
#include "frReport.h"
#include "mainform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QTabWidget>
#include <QtTest>

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <memory>

namespace {

QString U(const char *text)
{
    return QString::fromUtf8(text);
}

const QString kDefinition = QStringLiteral(SHENBAO_BIN_DIR "/sys/APPF3SQ.xml");

// The edits and the field each is saved in.
const std::pair<const char *, const char *> kEdits[] = {
    {"Edit1", "EnterpriseName"},           {"Edit2", "EnterpriseAddress"},
    {"Edit3", "EnterprisePostcode"},       {"Edit4", "ProductName"},
    {"Edit5", "ModelSpecification"},       {"Edit7", "ProductStandard"},
    {"Edit10", "QualitySystemCertification"}, {"Edit11", "ProductCertification"},
    {"Edit12", "RegisteredProductName"},   {"Edit13", "RegisteredProductStandard"},
    {"Edit14", "RegisteredCertificateNo"}, {"Edit15", "ContactPerson"},
    {"Edit16", "ContactAddress"},          {"Edit17", "ContactPostcode"},
    {"Edit18", "ContactPhone"},            {"Edit19", "Fax"},
    {"Edit20", "Email"},
};
const std::pair<const char *, const char *> kCombos[] = {
    {"edit6", "ProductClass"}, {"Edit8", "RegistrationKind"}, {"Edit9", "ExemptionRequested"}};
const char *const kMaterials[] = {"edit23", "edit24", "edit25", "edit26", "edit27", "edit28", "edit29"};

// A distinct Chinese text for each edit.
QString TextFor(const char *edit)
{
    return U("第三方·") + QString::fromLatin1(edit) + U("（检测豁免）");
}

// Chinese reaches an edit through the input method: the committed text of a composition.
void TypeChinese(QLineEdit *edit, const QString &text)
{
    QVERIFY(edit);
    edit->setFocus();
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(edit, &event);
}

void TypeChinese(QPlainTextEdit *memo, const QString &text)
{
    QVERIFY(memo);
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_A, Qt::ControlModifier);
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        if (i > 0)
            QTest::keyClick(memo, Qt::Key_Return);
        QInputMethodEvent event;
        event.setCommitString(lines.at(i));
        QCoreApplication::sendEvent(memo, &event);
    }
}

xmlDoc *ReadXml(const QString &path)
{
    return xmlReadFile(QFile::encodeName(path).constData(), nullptr,
                       XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
}

QString Attr(xmlNode *node, const char *attr)
{
    xmlChar *v = xmlGetProp(node, reinterpret_cast<const xmlChar *>(attr));
    const QString s = v ? QString::fromUtf8(reinterpret_cast<const char *>(v)) : QString();
    xmlFree(v);
    return s;
}

QList<xmlNode *> Elements(xmlNode *parent)
{
    QList<xmlNode *> list;
    for (xmlNode *n = parent ? parent->children : nullptr; n; n = n->next)
        if (n->type == XML_ELEMENT_NODE)
            list << n;
    return list;
}

// The field values of a data file, read with libxml2 (which honours its encoding declaration).
QHash<QString, QString> FieldValues(const QString &path, QString *configType = nullptr)
{
    QHash<QString, QString> values;
    xmlDoc *doc = ReadXml(path);
    if (!doc)
        return values;
    for (xmlNode *section : Elements(xmlDocGetRootElement(doc))) {
        const QByteArray name(reinterpret_cast<const char *>(section->name));
        if (name == "config-type" && configType)
            *configType = Attr(section, "value");
        if (name == "data-fields")
            for (xmlNode *field : Elements(section))
                values.insert(Attr(field, "name"), Attr(field, "value"));
    }
    xmlFreeDoc(doc);
    return values;
}

// The list that the definition file gives each combo box.
QHash<QString, QStringList> ComboLists()
{
    QHash<QString, QStringList> lists;
    xmlDoc *doc = ReadXml(kDefinition);
    if (!doc)
        return lists;
    for (xmlNode *section : Elements(xmlDocGetRootElement(doc)))
        if (!qstrcmp(reinterpret_cast<const char *>(section->name), "ui-data"))
            for (xmlNode *entry : Elements(section))
                if (Attr(entry, "type") == QLatin1String("ComboBox"))
                    for (xmlNode *item : Elements(entry))
                        lists[Attr(entry, "name")] << Attr(item, "key");
    xmlFreeDoc(doc);
    return lists;
}

QString FromBase64Gbk(const QString &value)
{
    return QStringDecoder("GB18030").decode(QByteArray::fromBase64(value.toLatin1()));
}

QString BackupMessage(const QString &file, const QString &code)
{
    return U("已成功保存为备份文件:") + file + U("\r\n\r\n数据核对码为：") + code
        + U("\r\n\r\n提示:此处只是生成不同版本的备份文件.只有打印时同时生成正式的报送文件!");
}

QString SubmissionMessage(const QString &file, const QString &code)
{
    return U("已成功生成报盘文件:") + file + U("\r\n\r\n数据核对码为：") + code
        + U("\r\n\r\n请在打印后将此文件拷贝到磁盘报送药监局!\r\n\r\n电子文件拷贝到磁盘后将加密不能从磁盘直接打开");
}

QStringList DataFiles()
{
    return QDir(TUIHelper::ApplicationDir()).entryList({QStringLiteral("*.qx")}, QDir::Files);
}

// How a combo box is filled: an entry of its list chosen with the arrow keys, or a text typed.
struct ComboFill {
    int entry = -1;  // index in the list, or -1 for the typed text
    QString typed;
};

}  // namespace

Q_DECLARE_METATYPE(ComboFill)

class TestYpzzcsqRoundTrip : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void newFormThroughN4Click();
    void filledFormSurvivesBackupAndReopening_data();
    void filledFormSurvivesBackupAndReopening();
    void otherMaterialOnlyWhileItsBoxIsTicked();
    void dataFileNamedByTagProductAndCode_data();
    void dataFileNamedByTagProductAndCode();

private:
    TFrmYPZZCSQ *Form() const { return FrmYPZZCSQ; }
    template <class T>
    T *Child(const char *name) const
    {
        return Form() ? Form()->findChild<T *>(U(name)) : nullptr;
    }
    QString Code() const { return Child<QLineEdit>("VerifyCode")->text(); }
    void NewForm();
    void OpenForm(const QString &path);
    void CloseForm();
    void Tick(const char *box, bool ticked);
    void FillCombo(const char *name, const ComboFill &fill);

    std::unique_ptr<TScriptedPrompter> m_prompter;
    QPointer<TFrmMain> m_main;
    QSet<QString> m_filesBefore;
    int m_previews = 0;
    int m_previewPages = 0;
    int m_previewCopies = 0;
};

void TestYpzzcsqRoundTrip::initTestCase()
{
    InstallFontSubstitutions();
    QVERIFY(QFile::exists(kDefinition));
    TfrReport::SetPreviewHook([this](TfrReport &report) {
        ++m_previews;
        m_previewPages = int(report.PreparedPages().size());
        m_previewCopies = report.DefaultCopies;
    });
}

void TestYpzzcsqRoundTrip::cleanupTestCase()
{
    TfrReport::SetPreviewHook(nullptr);
}

void TestYpzzcsqRoundTrip::init()
{
    const QStringList files = DataFiles();
    m_filesBefore = QSet<QString>(files.begin(), files.end());
    m_prompter = std::make_unique<TScriptedPrompter>();
    m_main = new TFrmMain;
    FrmMain = m_main;
    m_main->resize(1024, 768);
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main));
    m_previews = m_previewPages = m_previewCopies = 0;
}

void TestYpzzcsqRoundTrip::cleanup()
{
    QVERIFY2(m_prompter->Unexpected.isEmpty(), qPrintable(m_prompter->Unexpected.join(QLatin1Char('\n'))));
    if (Form())
        Form()->SkipCloseQuery = true;
    delete m_main.data();
    FrmMain = nullptr;
    m_prompter.reset();
    QVERIFY(!FrmYPZZCSQ);
    // Data files written by the test go again.
    for (const QString &file : DataFiles())
        if (!m_filesBefore.contains(file))
            QFile::remove(TUIHelper::ApplicationDir() + file);
}

void TestYpzzcsqRoundTrip::NewForm()
{
    m_main->N4Click(nullptr);
    QVERIFY(Form());
    QVERIFY(Form()->isMaximized());
    QCOMPARE(m_main->ClientArea()->currentSubWindow(), Form());
}

void TestYpzzcsqRoundTrip::OpenForm(const QString &path)
{
    m_prompter->AnswerOpenFile(path);
    m_main->N7Click(nullptr);
    QCOMPARE(m_prompter->OpenPresets.last(), U("第三方豁免"));
    QVERIFY(Form());
    QCOMPARE(m_main->ClientArea()->currentSubWindow(), Form());
}

void TestYpzzcsqRoundTrip::CloseForm()
{
    QPointer<TFrmYPZZCSQ> form = Form();
    m_prompter->AnswerQuestion(true);
    QVERIFY(form->close());
    QCOMPARE(m_prompter->Questions.last(), U("你要退出现在编写的文件吗?"));
    QTRY_VERIFY(form.isNull());
    QVERIFY(!FrmYPZZCSQ);
}

void TestYpzzcsqRoundTrip::Tick(const char *name, bool ticked)
{
    auto *box = Child<QCheckBox>(name);
    QVERIFY2(box, name);
    if (box->isChecked() != ticked)
        QTest::keyClick(box, Qt::Key_Space);
    QVERIFY2(box->isChecked() == ticked, name);
}

void TestYpzzcsqRoundTrip::FillCombo(const char *name, const ComboFill &fill)
{
    auto *combo = Child<QComboBox>(name);
    QVERIFY2(combo, name);
    if (fill.entry >= 0) {
        combo->setFocus();
        for (int i = 0; i <= fill.entry; ++i)
            QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(combo->currentIndex(), fill.entry);
    } else {
        TypeChinese(combo->lineEdit(), fill.typed);
    }
}

void TestYpzzcsqRoundTrip::newFormThroughN4Click()
{
    NewForm();
    QVERIFY2(m_prompter->Log.isEmpty(), qPrintable(m_prompter->Log.join(QLatin1Char('\n'))));
    QCOMPARE(Form()->windowTitle(), U("新建医疗器械产品第三方检测豁免申请"));
    QVERIFY(QRegularExpression(QStringLiteral("^[0-9A-F]{8}$")).match(Code()).hasMatch());
    for (const auto &[edit, field] : kEdits) {
        QVERIFY2(Child<QLineEdit>(edit)->text().isEmpty(), edit);
        QVERIFY2(Child<QLineEdit>(edit)->isEnabled(), edit);
    }
    // The combo boxes hold the definition file's lists, with nothing chosen.
    const QHash<QString, QStringList> lists = ComboLists();
    for (const auto &[name, field] : kCombos) {
        const QStringList list = lists.value(QString::fromLatin1(name));
        QVERIFY2(list.size() >= 2, name);
        auto *combo = Child<QComboBox>(name);
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        QCOMPARE(items, list);
        QCOMPARE(combo->currentIndex(), -1);
        QVERIFY(combo->currentText().isEmpty());
        QVERIFY(combo->isEnabled());
    }
    // The memos lose their design text.
    QVERIFY(Child<QPlainTextEdit>("Edit21")->toPlainText().isEmpty());
    QVERIFY(Child<QPlainTextEdit>("edit22")->toPlainText().isEmpty());
    for (const char *box : kMaterials)
        QVERIFY2(!Child<QCheckBox>(box)->isChecked(), box);
    // "其他" waits for its box, greyed.
    auto *other = Child<QLineEdit>("edit30");
    QVERIFY(!other->isEnabled());
    QCOMPARE(other->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Button));
}

void TestYpzzcsqRoundTrip::filledFormSurvivesBackupAndReopening_data()
{
    QTest::addColumn<QList<ComboFill>>("combos");  // edit6, Edit8, Edit9
    QTest::addColumn<QStringList>("ticked");
    QTest::addColumn<QString>("materials");
    QTest::addColumn<QString>("other");

    const QStringList all(std::begin(kMaterials), std::end(kMaterials));
    QTest::newRow("entries chosen, every material")
        << QList<ComboFill>{{1, {}}, {0, {}}, {1, {}}} << all << U("1|$$|2|$$|3|$$|4|$$|5|$$|6|$$|7")
        << U("企业自检报告（含检验仪器清单）");
    QTest::newRow("texts typed, no material")
        << QList<ComboFill>{{-1, U("第二类（有源器械）")}, {-1, U("延续注册")}, {-1, U("豁免电磁兼容项目")}}
        << QStringList() << QString() << QString();
    QTest::newRow("last entries, materials 1, 3 and 7")
        << QList<ComboFill>{{2, {}}, {1, {}}, {0, {}}} << QStringList{"edit23", "edit25", "edit29"}
        << U("1|$$|3|$$|7") << U("其他：生产场地证明");
    QTest::newRow("a typed text equal to an entry, material 6")
        << QList<ComboFill>{{-1, U("第三类")}, {0, {}}, {-1, U("全部项目豁免")}} << QStringList{"edit28"} << U("6")
        << QString();
}

void TestYpzzcsqRoundTrip::filledFormSurvivesBackupAndReopening()
{
    QFETCH(QList<ComboFill>, combos);
    QFETCH(QStringList, ticked);
    QFETCH(QString, materials);
    QFETCH(QString, other);

    NewForm();
    const QString firstCode = Code();
    for (const auto &[edit, field] : kEdits)
        TypeChinese(Child<QLineEdit>(edit), TextFor(edit));
    const QString report = U("一、产品名称：一次性使用无菌注射器。\n二、结构组成：外套、芯杆、活塞。\n\n三、风险分析见附件。");
    const QString continued = U("续：与已注册产品相比，结构组成相同，\n性能指标一致。");
    TypeChinese(Child<QPlainTextEdit>("Edit21"), report);
    TypeChinese(Child<QPlainTextEdit>("edit22"), continued);
    for (int i = 0; i < 3; ++i)
        FillCombo(kCombos[i].first, combos.at(i));
    QStringList comboTexts;
    for (const auto &[name, field] : kCombos)
        comboTexts << Child<QComboBox>(name)->currentText();
    for (const QString &box : ticked)
        Tick(box.toLatin1().constData(), true);
    if (!other.isEmpty())
        TypeChinese(Child<QLineEdit>("edit30"), other);

    m_prompter->Clear();
    m_main->mnuSaveNoExitClick(nullptr);
    const QString code = Code();
    QVERIFY(code != firstCode);
    const QString path = TUIHelper::ApplicationDir() + U("第三方豁免") + TextFor("Edit4") + U("_") + code + U(".qx");
    QCOMPARE(m_prompter->Messages, QStringList{BackupMessage(path, code)});
    QVERIFY(QFile::exists(path));

    // The data file carries every value in its readable field, and the code it is named by.
    QString configType;
    const QHash<QString, QString> fields = FieldValues(path, &configType);
    QCOMPARE(configType, U("医疗器械3申请"));
    for (const auto &[edit, field] : kEdits)
        QCOMPARE(fields.value(U(field)), TextFor(edit));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(fields.value(U(kCombos[i].second)), comboTexts.at(i));
    QCOMPARE(FromBase64Gbk(fields.value(U("ApplicationReport"))), QString(report).replace(QLatin1Char('\n'), U("\r\n")));
    QCOMPARE(FromBase64Gbk(fields.value(U("ApplicationReportContinued"))), QString(continued).replace(QLatin1Char('\n'), U("\r\n")));
    QCOMPARE(fields.value(U("SubmittedMaterials")), materials);
    QCOMPARE(fields.value(U("OtherMaterials")), other);
    QCOMPARE(fields.value(U("VerifyCode")), code);

    CloseForm();
    m_prompter->Clear();
    OpenForm(path);
    QVERIFY2(m_prompter->Messages.isEmpty(), qPrintable(m_prompter->Messages.join(QLatin1Char('\n'))));
    QCOMPARE(Form()->windowTitle(), U("编辑医疗器械产品第三方检测豁免申请"));
    for (const auto &[edit, field] : kEdits)
        QCOMPARE(Child<QLineEdit>(edit)->text(), TextFor(edit));
    const QHash<QString, QStringList> lists = ComboLists();
    for (int i = 0; i < 3; ++i) {
        auto *combo = Child<QComboBox>(kCombos[i].first);
        QCOMPARE(combo->count(), lists.value(QString::fromLatin1(kCombos[i].first)).size());
        QCOMPARE(combo->currentText(), comboTexts.at(i));
        // A chosen entry, or a typed text equal to one, comes back chosen; any other text as typed.
        QCOMPARE(combo->currentIndex(), combo->findText(comboTexts.at(i)));
    }
    QCOMPARE(Child<QPlainTextEdit>("Edit21")->toPlainText(), report);
    QCOMPARE(Child<QPlainTextEdit>("edit22")->toPlainText(), continued);
    for (const char *box : kMaterials)
        QCOMPARE(Child<QCheckBox>(box)->isChecked(), ticked.contains(QString::fromLatin1(box)));
    QCOMPARE(Child<QLineEdit>("edit30")->text(), other);
    QCOMPARE(Child<QLineEdit>("edit30")->isEnabled(), ticked.contains(U("edit29")));
    QCOMPARE(Code(), code);

    // "打印保存(&P)" writes the same values under the same name and previews both pages, one copy.
    m_prompter->Clear();
    m_main->mnuReportClick(nullptr);
    QCOMPARE(m_prompter->Messages, QStringList{SubmissionMessage(path, code)});
    QCOMPARE(FieldValues(path), fields);
    QCOMPARE(m_previews, 1);
    QCOMPARE(m_previewPages, 2);
    QCOMPARE(m_previewCopies, 1);
}

void TestYpzzcsqRoundTrip::otherMaterialOnlyWhileItsBoxIsTicked()
{
    NewForm();
    auto *other = Child<QLineEdit>("edit30");
    auto *box = Child<QCheckBox>("edit29");
    QVERIFY(!other->isEnabled());

    Tick("edit29", true);
    QVERIFY(other->isEnabled());
    QCOMPARE(other->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));
    // From the box, Shift+Tab reaches the text that belongs to it.
    Child<QTabWidget>("PageControl1")->setCurrentIndex(1);
    QTRY_VERIFY(box->isVisible());
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), other);
    TypeChinese(other, U("临床评价资料"));

    // Unticked, the text goes and cannot be typed into; ticked again, it stays empty.
    Tick("edit29", false);
    QVERIFY(!other->isEnabled());
    QVERIFY(other->text().isEmpty());
    Tick("edit29", true);
    QVERIFY(other->isEnabled());
    QVERIFY(other->text().isEmpty());
    Tick("edit29", false);

    // The other boxes govern nothing.
    for (const char *name : kMaterials)
        if (qstrcmp(name, "edit29")) {
            Tick(name, true);
            QVERIFY2(!other->isEnabled(), name);
        }
    m_main->mnuSaveNoExitClick(nullptr);
    const QHash<QString, QString> fields = FieldValues(Form()->DataFileName());
    QCOMPARE(fields.value(U("SubmittedMaterials")), U("1|$$|2|$$|3|$$|4|$$|5|$$|6"));
    QCOMPARE(fields.value(U("OtherMaterials")), QString());
}

void TestYpzzcsqRoundTrip::dataFileNamedByTagProductAndCode_data()
{
    QTest::addColumn<QString>("product");
    QTest::newRow("no product name") << QString();
    QTest::newRow("product name") << U("医用电子体温计");
    QTest::newRow("product name with spaces and Latin") << U("B型 超声诊断仪 DC-3");
}

void TestYpzzcsqRoundTrip::dataFileNamedByTagProductAndCode()
{
    QFETCH(QString, product);
    NewForm();
    if (!product.isEmpty())
        TypeChinese(Child<QLineEdit>("Edit4"), product);
    // Another field does not count.
    TypeChinese(Child<QLineEdit>("Edit1"), U("上海某医疗器械有限公司"));
    m_main->mnuSaveNoExitClick(nullptr);
    const QString code = Code();
    const QString path = TUIHelper::ApplicationDir() + U("第三方豁免") + product + U("_") + code + U(".qx");
    QCOMPARE(Form()->DataFileName(), path);
    QVERIFY(QFile::exists(path));
    QCOMPARE(m_prompter->Messages, QStringList{BackupMessage(path, code)});
    QCOMPARE(DataFiles().size(), m_filesBefore.size() + 1);
    QCOMPARE(FieldValues(path).value(U("ProductName")), product);
}

QTEST_MAIN(TestYpzzcsqRoundTrip)
#include "tst_ypzzcsq_roundtrip.moc"
