// The life cycle of the clinical trial exemption form through the main window: N13Click shows the
// definition's empty state with a fresh code; a fully filled form survives "另存为(&S)", closing
// and N16Click with every value; "打印保存(&P)" rewrites that file and previews the two pages with
// one copy; data files are named "临床豁免" + product name + "_" + code + ".qx"; the "其他" item's
// text can be filled only while its box is ticked.

#include "ConfigedBase.h"
#include "Fonts.h"
#include "Gbk.h"
#include "Kinds.h"
#include "ScriptedPrompter.h"
#include "UIHelper.h"
#include "YPBCSQ_JK.h"
#include "frReport.h"
#include "mainform.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QSet>
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

// Every edit with the field of the definition file it is saved in; edit27 depends on edit26.
const std::pair<const char *, const char *> kEdits[] = {
    {"Edit1", "EnterpriseName"},          {"Edit2", "EnterpriseAddress"},
    {"Edit3", "EnterprisePostcode"},      {"Edit4", "ProductName"},
    {"Edit5", "ExecutiveStandard"},       {"Edit6", "TrialTestReportNo"},
    {"Edit7", "SimilarProductName"},      {"Edit8", "SimilarProductModel"},
    {"Edit9", "SimilarProductManufacturer"}, {"Edit10", "SimilarProductStandard"},
    {"Edit11", "SimilarProductRegNo"},    {"Edit12", "ContactPerson"},
    {"Edit13", "ContactAddress"},         {"Edit14", "ContactPostcode"},
    {"Edit15", "ContactPhone"},           {"Edit16", "ContactFax"},
    {"Edit17", "ContactEmail"},
};
const std::pair<const char *, const char *> kMemos[] = {
    {"Edit18", "ApplicationReport"}, {"edit19", "ApplicationReportContinued"}};
// The materials' boxes with their keys in the field "SubmittedMaterials".
const std::pair<const char *, const char *> kBoxes[] = {
    {"edit20", "1"}, {"edit21", "2"}, {"edit22", "3"}, {"edit23", "4"},
    {"edit24", "5"}, {"edit25", "6"}, {"edit26", "7"}};

QString TextFor(const char *edit)
{
    return U("内容·") + QString::fromLatin1(edit) + U("（临床豁免）");
}

// The lines typed into a memo.
QStringList LinesFor(const char *memo)
{
    return {U("一、产品概述：") + QString::fromLatin1(memo),
            U("本产品与已上市同类产品在结构、材料、性能和预期用途上实质性等同；"),
            QString(),
            U("二、对比结论 (A/B) [见附件] 100% 一致。")};
}

// Chinese reaches an edit or a memo through the input method: the committed text of a composition.
void TypeChinese(QWidget *widget, const QString &text)
{
    QVERIFY(widget);
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(widget, &event);
}

void TypeLines(QPlainTextEdit *memo, const QStringList &lines)
{
    QVERIFY(memo);
    memo->selectAll();
    QTest::keyClick(memo, Qt::Key_Delete);
    for (int i = 0; i < lines.size(); ++i) {
        if (i)
            QTest::keyClick(memo, Qt::Key_Return);
        TypeChinese(memo, lines[i]);
    }
}

// The field values of a data file, read with libxml2 (which honours its encoding declaration).
QHash<QString, QString> FieldValues(const QString &path, QString *configType = nullptr)
{
    QHash<QString, QString> values;
    xmlDoc *doc = xmlReadFile(QFile::encodeName(path).constData(), nullptr,
                              XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    if (!doc)
        return values;
    auto text = [](xmlNode *node, const char *attr) {
        xmlChar *v = xmlGetProp(node, reinterpret_cast<const xmlChar *>(attr));
        const QString s = v ? QString::fromUtf8(reinterpret_cast<const char *>(v)) : QString();
        xmlFree(v);
        return s;
    };
    for (xmlNode *section = xmlDocGetRootElement(doc)->children; section; section = section->next) {
        if (section->type != XML_ELEMENT_NODE)
            continue;
        const QByteArray name(reinterpret_cast<const char *>(section->name));
        if (name == "config-type" && configType)
            *configType = text(section, "value");
        if (name != "data-fields")
            continue;
        for (xmlNode *field = section->children; field; field = field->next)
            if (field->type == XML_ELEMENT_NODE)
                values.insert(text(field, "name"), text(field, "value"));
    }
    xmlFreeDoc(doc);
    return values;
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

QString DataFile(const QString &product, const QString &code)
{
    return TUIHelper::ApplicationDir() + U("临床豁免") + product + U("_") + code + U(".qx");
}

QStringList DataFiles()
{
    return QDir(TUIHelper::ApplicationDir()).entryList({QStringLiteral("*.qx")}, QDir::Files);
}

}  // namespace

class TestYpbcsqJkRoundTrip : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void newFormShowsEmptyStateAndFreshCode();
    void filledFormSurvivesBackupAndReopening_data();
    void filledFormSurvivesBackupAndReopening();
    void otherMaterialOnlyWhileItsBoxIsTicked();
    void dataFileNamedByProductAndCode_data();
    void dataFileNamedByProductAndCode();

private:
    void NewForm();
    void OpenForm(const QString &path);
    void CloseForm();
    void Tick(const char *box, bool on = true);
    QAction *Act(const char *name) const { return m_main->findChild<QAction *>(U(name)); }
    template <class T>
    T *Child(const char *name) const
    {
        return m_form ? m_form->findChild<T *>(U(name)) : nullptr;
    }

    std::unique_ptr<TScriptedPrompter> m_prompter;
    QPointer<TFrmMain> m_main;
    QPointer<TFrmYPBCSQ_JK> m_form;
    QSet<QString> m_filesBefore;
    int m_previews = 0;
    int m_copies = 0;
    QStringList m_previewPages;  // per prepared page: its template page's name and its texts
};

void TestYpbcsqJkRoundTrip::initTestCase()
{
    InstallFontSubstitutions();
    QVERIFY(QFile::exists(QStringLiteral(SHENBAO_BIN_DIR "/sys/APPFLCHM.xml")));
    TfrReport::SetPreviewHook([this](TfrReport &report) {
        ++m_previews;
        m_copies = report.DefaultCopies;
        m_previewPages.clear();
        for (const TfrPreparedPage &page : report.PreparedPages()) {
            QStringList texts;
            for (const TfrPreparedItem &item : page.items)
                if (item.kind == TfrPreparedItem::Text)
                    texts << item.text;
            m_previewPages << page.templatePageName + U(": ") + texts.join(U(" | "));
        }
    });
}

void TestYpbcsqJkRoundTrip::cleanupTestCase()
{
    TfrReport::SetPreviewHook(nullptr);
}

void TestYpbcsqJkRoundTrip::init()
{
    const QStringList files = DataFiles();
    m_filesBefore = QSet<QString>(files.begin(), files.end());
    m_prompter = std::make_unique<TScriptedPrompter>();
    m_main = new TFrmMain;
    FrmMain = m_main;
    m_main->resize(1024, 768);
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main));
    m_previews = 0;
    m_copies = 0;
    m_previewPages.clear();
}

void TestYpbcsqJkRoundTrip::cleanup()
{
    QVERIFY2(m_prompter->Unexpected.isEmpty(), qPrintable(m_prompter->Unexpected.join(QLatin1Char('\n'))));
    if (m_form)
        m_form->SkipCloseQuery = true;
    delete m_main.data();
    FrmMain = nullptr;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_prompter.reset();
    QVERIFY(!FrmYPBCSQ_JK);
    // Data files written by the test go again.
    for (const QString &file : DataFiles())
        if (!m_filesBefore.contains(file))
            QFile::remove(TUIHelper::ApplicationDir() + file);
}

void TestYpbcsqJkRoundTrip::NewForm()
{
    m_main->N13Click(nullptr);
    m_form = FrmYPBCSQ_JK;
    QVERIFY(m_form);
}

void TestYpbcsqJkRoundTrip::OpenForm(const QString &path)
{
    m_prompter->AnswerOpenFile(path);
    m_main->N16Click(nullptr);
    QCOMPARE(m_prompter->OpenPresets.last(), U("临床豁免"));
    m_form = FrmYPBCSQ_JK;
    QVERIFY(m_form);
}

void TestYpbcsqJkRoundTrip::CloseForm()
{
    QPointer<TFrmYPBCSQ_JK> form = m_form;
    m_prompter->AnswerQuestion(true);
    QVERIFY(form->close());
    QCOMPARE(m_prompter->Questions.last(), U("你要退出现在编写的文件吗?"));
    QTRY_VERIFY(form.isNull());
    QVERIFY(!FrmYPBCSQ_JK);
}

void TestYpbcsqJkRoundTrip::Tick(const char *name, bool on)
{
    auto *box = Child<QCheckBox>(name);
    QVERIFY2(box, name);
    QVERIFY(box->isChecked() != on);
    QTest::keyClick(box, Qt::Key_Space);
    QVERIFY2(box->isChecked() == on, name);
}

void TestYpbcsqJkRoundTrip::newFormShowsEmptyStateAndFreshCode()
{
    NewForm();
    QVERIFY2(m_prompter->Log.isEmpty(), qPrintable(m_prompter->Log.join(QLatin1Char('\n'))));
    QCOMPARE(m_form->windowTitle(), U("新建临床试验豁免申请"));
    QVERIFY(m_form->isMaximized());
    QCOMPARE(Child<QTabWidget>("PageControl1")->currentIndex(), 0);
    for (auto [name, field] : kEdits) {
        QVERIFY2(Child<QLineEdit>(name)->text().isEmpty(), name);
        QVERIFY2(Child<QLineEdit>(name)->isEnabled(), name);
    }
    // The definition file's empty values replace the memos' "Memo1".
    for (auto [name, field] : kMemos)
        QVERIFY2(Child<QPlainTextEdit>(name)->toPlainText().isEmpty(), name);
    for (auto [name, key] : kBoxes)
        QVERIFY2(!Child<QCheckBox>(name)->isChecked(), name);
    QVERIFY(Child<QLineEdit>("edit27")->text().isEmpty());
    QVERIFY(!Child<QLineEdit>("edit27")->isEnabled());
    const QString code = Child<QLineEdit>("VerifyCode")->text();
    QVERIFY2(QRegularExpression(QStringLiteral("^[0-9A-F]{8}$")).match(code).hasMatch(), qPrintable(code));

    // Another new form of the kind asks first, then comes with another code.
    m_prompter->AnswerQuestion(true);
    QPointer<TFrmYPBCSQ_JK> old = m_form;
    NewForm();
    QCOMPARE(m_prompter->Questions, QStringList{U("你要退出现在编写的文件吗?")});
    QTRY_VERIFY(old.isNull());
    QVERIFY(Child<QLineEdit>("VerifyCode")->text() != code);
}

void TestYpbcsqJkRoundTrip::filledFormSurvivesBackupAndReopening_data()
{
    QTest::addColumn<QStringList>("ticked");
    QTest::addColumn<QString>("materials");
    QTest::newRow("every material")
        << QStringList{"edit20", "edit21", "edit22", "edit23", "edit24", "edit25", "edit26"}
        << U("1|$$|2|$$|3|$$|4|$$|5|$$|6|$$|7");
    QTest::newRow("no material") << QStringList() << QString();
    QTest::newRow("first, third and other") << QStringList{"edit20", "edit22", "edit26"} << U("1|$$|3|$$|7");
    QTest::newRow("sixth only") << QStringList{"edit25"} << U("6");
}

void TestYpbcsqJkRoundTrip::filledFormSurvivesBackupAndReopening()
{
    QFETCH(QStringList, ticked);
    QFETCH(QString, materials);
    const bool other = ticked.contains(U("edit26"));

    NewForm();
    const QString firstCode = Child<QLineEdit>("VerifyCode")->text();
    for (auto [name, field] : kEdits)
        TypeChinese(Child<QLineEdit>(name), TextFor(name));
    for (auto [name, field] : kMemos)
        TypeLines(Child<QPlainTextEdit>(name), LinesFor(name));
    for (const QString &box : ticked)
        Tick(box.toLatin1().constData());
    if (other)
        TypeChinese(Child<QLineEdit>("edit27"), TextFor("edit27"));

    m_prompter->Clear();
    Act("mnuSaveNoExit")->trigger();
    const QString code = Child<QLineEdit>("VerifyCode")->text();
    QVERIFY(code != firstCode);
    const QString path = DataFile(TextFor("Edit4"), code);
    QCOMPARE(m_prompter->Messages, QStringList{BackupMessage(path, code)});
    QVERIFY(QFile::exists(path));

    // The data file carries every value in its readable field.
    QString configType;
    const QHash<QString, QString> fields = FieldValues(path, &configType);
    QCOMPARE(configType, U("临床试验豁免申请"));
    for (auto [name, field] : kEdits)
        QCOMPARE(fields.value(U(field)), TextFor(name));
    for (auto [name, field] : kMemos)
        QCOMPARE(DecodeMemoText(fields.value(U(field)).toLatin1()), LinesFor(name).join(U("\r\n")));
    QCOMPARE(fields.value(U("SubmittedMaterials")), materials);
    QCOMPARE(fields.value(U("OtherMaterial")), other ? TextFor("edit27") : QString());
    QCOMPARE(fields.value(U("VerifyCode")), code);

    CloseForm();
    m_prompter->Clear();
    OpenForm(path);
    QCOMPARE(m_prompter->Log, QStringList{U("open: 临床豁免")});
    QCOMPARE(m_form->windowTitle(), U("编辑临床试验豁免申请"));
    for (auto [name, field] : kEdits)
        QCOMPARE(Child<QLineEdit>(name)->text(), TextFor(name));
    for (auto [name, field] : kMemos)
        QCOMPARE(Child<QPlainTextEdit>(name)->toPlainText(), LinesFor(name).join(QLatin1Char('\n')));
    for (auto [name, key] : kBoxes)
        QCOMPARE(Child<QCheckBox>(name)->isChecked(), ticked.contains(QString::fromLatin1(name)));
    QCOMPARE(Child<QLineEdit>("edit27")->isEnabled(), other);
    QCOMPARE(Child<QLineEdit>("edit27")->text(), other ? TextFor("edit27") : QString());
    QCOMPARE(Child<QLineEdit>("VerifyCode")->text(), code);

    // Save-and-print keeps the code, rewrites the same file unchanged and previews the form.
    m_prompter->Clear();
    Act("mnuReport")->trigger();
    QCOMPARE(m_prompter->Messages, QStringList{SubmissionMessage(path, code)});
    QCOMPARE(FieldValues(path), fields);
    QCOMPARE(m_previews, 1);
    QCOMPARE(m_copies, 1);
    QCOMPARE(m_previewPages.size(), 2);
    QVERIFY(m_previewPages[0].contains(U("医疗器械产品临床试验豁免申请表")));
    QVERIFY(m_previewPages[1].startsWith(U("Page4: ")));
}

void TestYpbcsqJkRoundTrip::otherMaterialOnlyWhileItsBoxIsTicked()
{
    NewForm();
    auto *text = Child<QLineEdit>("edit27");
    QVERIFY(!text->isEnabled());
    Tick("edit26");
    QVERIFY(text->isEnabled());
    TypeChinese(text, U("型式检验报告"));
    QCOMPARE(text->text(), U("型式检验报告"));

    // Unticking empties and disables it; ticking again gives an empty text to fill.
    Tick("edit26", false);
    QVERIFY(!text->isEnabled());
    QVERIFY(text->text().isEmpty());
    Tick("edit26");
    QVERIFY(text->isEnabled());
    QVERIFY(text->text().isEmpty());

    // The other boxes leave it alone.
    TypeChinese(text, U("型式检验报告"));
    Tick("edit25");
    Tick("edit25", false);
    QVERIFY(text->isEnabled());
    QCOMPARE(text->text(), U("型式检验报告"));

    // Saved without the box, the file names no other material.
    Tick("edit26", false);
    Act("mnuSaveNoExit")->trigger();
    const QHash<QString, QString> fields = FieldValues(m_form->DataFileName());
    QVERIFY(fields.contains(U("OtherMaterial")));
    QVERIFY(fields.value(U("OtherMaterial")).isEmpty());
    QVERIFY(fields.value(U("SubmittedMaterials")).isEmpty());
}

void TestYpbcsqJkRoundTrip::dataFileNamedByProductAndCode_data()
{
    QTest::addColumn<QString>("product");
    QTest::addColumn<QString>("enterprise");
    QTest::newRow("no product name") << QString() << U("上海某医疗器械有限公司");
    QTest::newRow("Chinese product name") << U("一次性使用无菌注射器") << QString();
    QTest::newRow("product with model and spaces") << U("电子血压计 BP-100") << U("某公司");
}

void TestYpbcsqJkRoundTrip::dataFileNamedByProductAndCode()
{
    QFETCH(QString, product);
    QFETCH(QString, enterprise);
    NewForm();
    if (!product.isEmpty())
        TypeChinese(Child<QLineEdit>("Edit4"), product);
    if (!enterprise.isEmpty())
        TypeChinese(Child<QLineEdit>("Edit1"), enterprise);
    Act("mnuSaveNoExit")->trigger();
    const QString code = Child<QLineEdit>("VerifyCode")->text();
    const QString path = DataFile(product, code);
    QCOMPARE(m_form->DataFileName(), path);
    QVERIFY(QFile::exists(path));
    QCOMPARE(m_prompter->Messages, QStringList{BackupMessage(path, code)});
    QCOMPARE(DataFiles().size(), m_filesBefore.size() + 1);
}

QTEST_MAIN(TestYpbcsqJkRoundTrip)
#include "tst_ypbcsq_jk_roundtrip.moc"
