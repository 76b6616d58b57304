// The life cycle of the change and re-issue form through the main window: N3Click opens a new
// form in the definition's empty state with a fresh code; a form filled on both pages survives
// "另存为(&S)" and reopening with N5Click, memo line breaks and all; the data file carries every
// value in a readable field; it is named "变更" + product name + "_" + code + ".qx", and a product
// name that no file name can hold is refused with a message and no file.

#include "../forms/FormFixture.h"
#include "Fonts.h"
#include "ScriptedPrompter.h"
#include "YPBCSQ.h"
#include "frReport.h"
#include "mainform.h"

#include <QAction>
#include <QCheckBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSet>
#include <QStringDecoder>
#include <QTabWidget>
#include <QtTest>

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <memory>

using namespace formfixture;

namespace {

QString U(const char *text)
{
    return QString::fromUtf8(text);
}

// Every edit of the form with the field of the definition file that keeps it.
const struct {
    const char *edit;
    const char *field;
} kEdits[] = {
    {"Edit1", "ProductName"},          {"Edit2", "CertificateNo"},
    {"Edit7", "OtherChangeItem"},      {"Edit8", "EnterpriseName"},
    {"Edit9", "RegisteredAddress"},    {"Edit10", "RegisteredPostcode"},
    {"Edit11", "ProductionSiteAddress"}, {"Edit12", "ProductionSitePostcode"},
    {"Edit13", "ContactPerson"},       {"Edit14", "ContactAddress"},
    {"Edit15", "ContactPostcode"},     {"Edit16", "ContactPhone"},
    {"Edit17", "ContactFax"},          {"Edit18", "ContactEmail"},
    {"Edit26", "OtherMaterial"},
};

// The change items and the submitted materials, each box with its key in its group's field.
const struct {
    const char *box;
    const char *field;
    const char *key;
} kBoxes[] = {
    {"edit3", "ChangeItems", "1"},        {"edit4", "ChangeItems", "2"},
    {"edit5", "ChangeItems", "3"},        {"edit6", "ChangeItems", "4"},
    {"edit21", "SubmittedMaterials", "1"}, {"edit22", "SubmittedMaterials", "2"},
    {"edit23", "SubmittedMaterials", "3"}, {"edit24", "SubmittedMaterials", "4"},
    {"edit30", "SubmittedMaterials", "5"}, {"edit25", "SubmittedMaterials", "6"},
};

// A distinct text for each edit; the product name becomes part of the file name.
QString TextFor(const char *edit)
{
    if (qstrcmp(edit, "Edit1") == 0)
        return U("一次性使用无菌注射器（带针）");
    if (qstrcmp(edit, "Edit10") == 0 || qstrcmp(edit, "Edit12") == 0 || qstrcmp(edit, "Edit15") == 0)
        return QStringLiteral("2000%1").arg(QString::fromLatin1(edit).mid(4));
    return U("变更内容·") + QString::fromLatin1(edit) + U("（上海）");
}

// Chinese reaches an edit through the input method: the committed text of a composition.
void TypeChinese(QWidget *edit, const QString &text)
{
    QVERIFY(edit);
    edit->setFocus();
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(edit, &event);
}

// Types a text into a memo line by line, pressing Return between the lines.
void TypeIntoMemo(QPlainTextEdit *memo, const QString &text)
{
    QVERIFY(memo);
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(memo, Qt::Key_Delete);
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        if (i > 0)
            QTest::keyClick(memo, Qt::Key_Return);
        if (!lines[i].isEmpty())
            TypeChinese(memo, lines[i]);
    }
}

struct DataFile {
    QString configType;
    QHash<QString, QString> fields;
};

// The config-type and field values of a data file, read with libxml2 (which honours the file's
// encoding declaration).
DataFile ReadDataFile(const QString &path)
{
    DataFile result;
    xmlDoc *doc = xmlReadFile(QFile::encodeName(path).constData(), nullptr,
                              XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    if (!doc)
        return result;
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
        if (name == "config-type")
            result.configType = text(section, "value");
        if (name != "data-fields")
            continue;
        for (xmlNode *field = section->children; field; field = field->next)
            if (field->type == XML_ELEMENT_NODE)
                result.fields.insert(text(field, "name"), text(field, "value"));
    }
    xmlFreeDoc(doc);
    return result;
}

// A memo field: Base64 of the text's GBK bytes, lines separated by CR LF.
QString MemoField(const QString &text)
{
    QString crlf = text;
    crlf.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    QStringEncoder gbk("GB18030");
    return QString::fromLatin1(QByteArray(gbk.encode(crlf)).toBase64());
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

}  // namespace

class TestYpbcsqRoundTrip : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void newFormShowsEmptyStateAndFreshCode();
    void filledFormSurvivesBackupAndReopening_data();
    void filledFormSurvivesBackupAndReopening();
    void dataFileNamedByTagProductAndCode_data();
    void dataFileNamedByTagProductAndCode();
    void productNameNoFileCanHoldIsRefused_data();
    void productNameNoFileCanHoldIsRefused();

private:
    TFrmYPBCSQ *NewForm();
    TFrmYPBCSQ *OpenForm(const QString &path);
    void CloseForm();
    void Command(const char *action);
    template <class T>
    T *Child(const char *name) const
    {
        return FrmYPBCSQ ? FrmYPBCSQ->findChild<T *>(U(name)) : nullptr;
    }
    QString Code() const { return Child<QLineEdit>("VerifyCode")->text(); }
    void ShowPage(int page);
    void Tick(const char *box);

    std::unique_ptr<TScriptedPrompter> m_prompter;
    QPointer<TFrmMain> m_main;
    QSet<QString> m_filesBefore;
    int m_previews = 0;
};

void TestYpbcsqRoundTrip::initTestCase()
{
    InstallFontSubstitutions();
    QVERIFY(QFile::exists(DefinitionFile(QStringLiteral("TFrmYPBCSQ"))));
    TfrReport::SetPreviewHook([this](TfrReport &) { ++m_previews; });
}

void TestYpbcsqRoundTrip::cleanupTestCase()
{
    TfrReport::SetPreviewHook(nullptr);
}

void TestYpbcsqRoundTrip::init()
{
    const QStringList files = DataFilesBesideExecutable();
    m_filesBefore = QSet<QString>(files.begin(), files.end());
    m_prompter = std::make_unique<TScriptedPrompter>();
    m_main = new TFrmMain;
    FrmMain = m_main;
    m_main->resize(1024, 768);
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main));
    m_previews = 0;
}

void TestYpbcsqRoundTrip::cleanup()
{
    QVERIFY2(m_prompter->Unexpected.isEmpty(), qPrintable(m_prompter->Unexpected.join(QLatin1Char('\n'))));
    CloseAllForms();
    delete m_main;
    FlushDeletes();
    m_prompter.reset();
    QVERIFY(!FrmYPBCSQ);
    // Data files written by the test go again.
    for (const QString &file : DataFilesBesideExecutable())
        if (!m_filesBefore.contains(file))
            QFile::remove(TUIHelper::ApplicationDir() + file);
}

TFrmYPBCSQ *TestYpbcsqRoundTrip::NewForm()
{
    m_main->N3Click(nullptr);
    return FrmYPBCSQ;
}

TFrmYPBCSQ *TestYpbcsqRoundTrip::OpenForm(const QString &path)
{
    m_prompter->AnswerOpenFile(path);
    m_main->N5Click(nullptr);
    return FrmYPBCSQ;
}

void TestYpbcsqRoundTrip::CloseForm()
{
    QPointer<TFrmYPBCSQ> form = FrmYPBCSQ;
    QVERIFY(form);
    m_prompter->AnswerQuestion(true);
    QVERIFY(form->close());
    QCOMPARE(m_prompter->Questions.last(), U("你要退出现在编写的文件吗?"));
    FlushDeletes();
    QTRY_VERIFY(form.isNull());
    QVERIFY(!FrmYPBCSQ);
}

// The main window's menu command of that name, as the user chooses it.
void TestYpbcsqRoundTrip::Command(const char *action)
{
    auto *a = m_main->findChild<QAction *>(U(action));
    QVERIFY2(a, action);
    a->trigger();
}

void TestYpbcsqRoundTrip::ShowPage(int page)
{
    Child<QTabWidget>("PageControl1")->setCurrentIndex(page);
    QCoreApplication::processEvents();
}

void TestYpbcsqRoundTrip::Tick(const char *name)
{
    auto *box = Child<QCheckBox>(name);
    QVERIFY2(box, name);
    QVERIFY(!box->isChecked());
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Space);
    QVERIFY2(box->isChecked(), name);
}

void TestYpbcsqRoundTrip::newFormShowsEmptyStateAndFreshCode()
{
    TFrmYPBCSQ *form = NewForm();
    QVERIFY(form);
    QVERIFY(m_prompter->Log.isEmpty());
    QCOMPARE(form->windowTitle(), U("新建医疗器械变更补办申请表"));
    QVERIFY(form->isMaximized());
    QCOMPARE(Child<QTabWidget>("PageControl1")->currentIndex(), 0);
    for (const auto &e : kEdits) {
        QVERIFY2(Child<QLineEdit>(e.edit)->text().isEmpty(), e.edit);
        QVERIFY2(Child<QLineEdit>(e.edit)->isEnabled(), e.edit);
    }
    for (const auto &b : kBoxes) {
        QVERIFY2(!Child<QCheckBox>(b.box)->isChecked(), b.box);
        QVERIFY2(Child<QCheckBox>(b.box)->isEnabled(), b.box);
    }
    // The definition's empty values replace the memos' "Memo1".
    for (const char *memo : {"Edit19", "edit20"})
        QVERIFY2(Child<QPlainTextEdit>(memo)->toPlainText().isEmpty(), memo);
    const QString code = Code();
    QVERIFY2(kCodePattern.match(code).hasMatch(), qPrintable(code));

    // A second new form, after the first is given up, gets another code.
    m_prompter->AnswerQuestion(true);
    NewForm();
    QCOMPARE(m_prompter->Questions, QStringList{U("你要退出现在编写的文件吗?")});
    FlushDeletes();
    QVERIFY(FrmYPBCSQ && FrmYPBCSQ != form);
    QVERIFY(Code() != code);
}

void TestYpbcsqRoundTrip::filledFormSurvivesBackupAndReopening_data()
{
    QTest::addColumn<QStringList>("ticked");
    QTest::addColumn<QString>("changeItems");
    QTest::addColumn<QString>("materials");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("continued");

    QStringList all;
    for (const auto &b : kBoxes)
        all << QString::fromLatin1(b.box);
    QTest::newRow("every box, memos with line breaks")
        << all << U("1|$$|2|$$|3|$$|4") << U("1|$$|2|$$|3|$$|4|$$|5|$$|6")
        << U("生产企业名称由“甲公司”变更为“乙公司”。\n注册产品规格型号增加 5ml、10ml。")
        << U("续：\n\n变更原因：企业改制[2024]第3号文。\n");
    QTest::newRow("no box, empty memos") << QStringList() << QString() << QString() << QString() << QString();
    QTest::newRow("items 2 and 4, materials 1, 5 and other")
        << QStringList{"edit4", "edit6", "edit21", "edit30", "edit25"} << U("2|$$|4") << U("1|$$|5|$$|6")
        << U("一行说明") << U("第一行\n第二行\n第三行");
    QTest::newRow("only the last of each list")
        << QStringList{"edit6", "edit25"} << U("4") << U("6") << U("\n前有空行") << U("后有空行\n\n");
}

void TestYpbcsqRoundTrip::filledFormSurvivesBackupAndReopening()
{
    QFETCH(QStringList, ticked);
    QFETCH(QString, changeItems);
    QFETCH(QString, materials);
    QFETCH(QString, description);
    QFETCH(QString, continued);

    QVERIFY(NewForm());
    const QString firstCode = Code();
    for (const auto &e : kEdits) {
        ShowPage(qstrcmp(e.edit, "Edit26") == 0 ? 1 : 0);
        TypeChinese(Child<QLineEdit>(e.edit), TextFor(e.edit));
    }
    ShowPage(0);
    TypeIntoMemo(Child<QPlainTextEdit>("Edit19"), description);
    ShowPage(1);
    TypeIntoMemo(Child<QPlainTextEdit>("edit20"), continued);
    for (const QString &box : ticked) {
        ShowPage(box.mid(4).toInt() >= 20 ? 1 : 0);
        Tick(box.toLatin1().constData());
    }
    QCOMPARE(Child<QPlainTextEdit>("Edit19")->toPlainText(), description);

    m_prompter->Clear();
    Command("mnuSaveNoExit");
    const QString code = Code();
    QVERIFY(code != firstCode);
    const QString path = TUIHelper::ApplicationDir() + U("变更") + TextFor("Edit1") + U("_") + code + U(".qx");
    QCOMPARE(m_prompter->Messages, QStringList{BackupMessage(path, code)});
    QVERIFY(QFile::exists(path));

    // The data file: the kind's config-type and every value in its readable field.
    const DataFile file = ReadDataFile(path);
    QCOMPARE(file.configType, U("医疗器械变更申请"));
    for (const auto &e : kEdits)
        QCOMPARE(file.fields.value(U(e.field)), TextFor(e.edit));
    QCOMPARE(file.fields.value(U("VerifyCode")), code);
    QCOMPARE(file.fields.value(U("ChangeItems")), changeItems);
    QCOMPARE(file.fields.value(U("SubmittedMaterials")), materials);
    QCOMPARE(file.fields.value(U("ChangeDescription")), MemoField(description));
    QCOMPARE(file.fields.value(U("ChangeDescriptionContinued")), MemoField(continued));

    CloseForm();
    m_prompter->Clear();
    QVERIFY(OpenForm(path));
    QCOMPARE(m_prompter->OpenPresets, QStringList{U("变更")});
    QCOMPARE(m_prompter->Messages, QStringList());
    QCOMPARE(FrmYPBCSQ->windowTitle(), U("编辑医疗器械变更补办申请表"));
    for (const auto &e : kEdits)
        QCOMPARE(Child<QLineEdit>(e.edit)->text(), TextFor(e.edit));
    for (const auto &b : kBoxes)
        QCOMPARE(Child<QCheckBox>(b.box)->isChecked(), ticked.contains(U(b.box)));
    QCOMPARE(Child<QPlainTextEdit>("Edit19")->toPlainText(), description);
    QCOMPARE(Child<QPlainTextEdit>("edit20")->toPlainText(), continued);
    QCOMPARE(Code(), code);

    // "打印保存(&P)" writes the same file again, unchanged, and shows the preview.
    m_prompter->Clear();
    Command("mnuReport");
    QCOMPARE(m_prompter->Messages, QStringList{SubmissionMessage(path, code)});
    QCOMPARE(ReadDataFile(path).fields, file.fields);
    QCOMPARE(m_previews, 1);
}

void TestYpbcsqRoundTrip::dataFileNamedByTagProductAndCode_data()
{
    QTest::addColumn<QString>("product");
    QTest::newRow("no product name") << QString();
    QTest::newRow("Chinese product name") << U("医用电子体温计");
    QTest::newRow("spaces, brackets and a dot") << U("X 射线机 (移动式) v2.1");
    QTest::newRow("full-width slash and colon") << U("注射器／针：一次性");
}

void TestYpbcsqRoundTrip::dataFileNamedByTagProductAndCode()
{
    QFETCH(QString, product);
    QVERIFY(NewForm());
    if (!product.isEmpty())
        TypeChinese(Child<QLineEdit>("Edit1"), product);
    Command("mnuSaveNoExit");
    const QString code = Code();
    const QString path = TUIHelper::ApplicationDir() + U("变更") + product + U("_") + code + U(".qx");
    QCOMPARE(FrmYPBCSQ->DataFileName(), path);
    QCOMPARE(m_prompter->Messages, QStringList{BackupMessage(path, code)});
    QVERIFY(QFile::exists(path));
    QCOMPARE(ReadDataFile(path).fields.value(U("ProductName")), product);
    QCOMPARE(DataFilesBesideExecutable().size(), m_filesBefore.size() + 1);
}

void TestYpbcsqRoundTrip::productNameNoFileCanHoldIsRefused_data()
{
    QTest::addColumn<QString>("product");
    QTest::addColumn<QString>("command");
    QTest::newRow("slash, backup") << U("注射器/针") << U("mnuSaveNoExit");
    QTest::newRow("colon, save and print") << U("型号:A") << U("mnuReport");
    QTest::newRow("question mark, save and print") << U("哪种?") << U("mnuReport");
}

void TestYpbcsqRoundTrip::productNameNoFileCanHoldIsRefused()
{
    QFETCH(QString, product);
    QFETCH(QString, command);
    QVERIFY(NewForm());
    TypeChinese(Child<QLineEdit>("Edit1"), product);
    m_prompter->Clear();
    Command(command.toLatin1().constData());
    QCOMPARE(m_prompter->Messages.size(), 1);
    QVERIFY2(m_prompter->Messages.first().startsWith(U("产品名称“") + product + U("”中含有文件名不能使用的字符")),
             qPrintable(m_prompter->Messages.first()));
    QCOMPARE(DataFilesBesideExecutable().size(), m_filesBefore.size());
    QCOMPARE(m_previews, 0);
    // The form stays open with what was typed.
    QVERIFY(FrmYPBCSQ);
    QCOMPARE(Child<QLineEdit>("Edit1")->text(), product);
}

QTEST_MAIN(TestYpbcsqRoundTrip)
#include "tst_ypbcsq_roundtrip.moc"
