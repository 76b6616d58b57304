// The life cycle of the reports application through the main window: N_NClick starts a blank
// form, "另存为(&S)" saves a backup named after the enterprise, N17Click opens it again with every
// value back, "打印保存(&P)" writes the same file once more and prints; the other-material edit
// follows its box.

#include "ConfigedBase.h"
#include "Fonts.h"
#include "Kinds.h"
#include "ScriptedPrompter.h"
#include "UIHelper.h"
#include "YPBCSQ_N.h"
#include "frReport.h"
#include "mainform.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QStringEncoder>
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

// The edits of the form and the field each is saved in.
const std::pair<const char *, const char *> kEdits[] = {
    {"Edit1", "EnterpriseName"},   {"Edit2", "EnterpriseAddress"},
    {"Edit3", "EnterprisePostcode"}, {"Edit4", "ProductName"},
    {"Edit5", "RegistrationNo"},   {"edit11", "OtherApplicationKind"},
    {"Edit12", "ContactPerson"},   {"Edit13", "ContactAddress"},
    {"Edit14", "ContactPostcode"}, {"Edit15", "ContactPhone"},
    {"Edit16", "Fax"},             {"Edit17", "Email"},
    {"Edit27", "OtherMaterials"},
};
const char *const kKinds[] = {"edit6", "edit7", "edit8", "edit9", "edit10"};
const char *const kMaterials[] = {"edit20", "edit21", "edit22", "edit23",
                                  "edit24", "edit25", "edit26", "edit28"};

// A distinct text for each edit, as an applicant would type it.
QString TextFor(const char *edit)
{
    static const QHash<QString, QString> texts = {
        {"Edit1", U("上海某某医疗器械有限公司")}, {"Edit2", U("上海市浦东新区张江路１号")},
        {"Edit3", U("201203")}, {"Edit4", U("一次性使用无菌注射器")},
        {"Edit5", U("沪食药监械（准）字2005第2150123号")}, {"edit11", U("延续注册申请")},
        {"Edit12", U("王小明")}, {"Edit13", U("上海市徐汇区漕溪北路２号")},
        {"Edit14", U("200030")}, {"Edit15", U("021-64001234")},
        {"Edit16", U("021-64005678")}, {"Edit17", U("wang@example.com.cn")},
        {"Edit27", U("产品检测报告")}};
    return texts.value(QString::fromLatin1(edit));
}

// Chinese reaches an edit through the input method: the committed text of a composition.
void TypeChinese(QWidget *edit, const QString &text)
{
    QVERIFY(edit);
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(edit, &event);
}

// Types a report into a memo line by line, Enter between the lines.
void TypeReport(QPlainTextEdit *memo, const QString &text)
{
    QVERIFY(memo);
    memo->setFocus();
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    for (int i = 0; i < lines.size(); ++i) {
        if (i > 0)
            QTest::keyClick(memo, Qt::Key_Return);
        if (!lines.at(i).isEmpty())
            TypeChinese(memo, lines.at(i));
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

// A memo's stored value: Base64 of its GBK text.
QString MemoText(const QString &stored)
{
    QStringDecoder gbk("GB18030");
    return gbk.decode(QByteArray::fromBase64(stored.toLatin1()));
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

}  // namespace

class TestYpbcsqNRoundTrip : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void newFormThroughMainWindow();
    void filledFormSurvivesBackupAndReopening_data();
    void filledFormSurvivesBackupAndReopening();
    void dataFileNamedByEnterprise_data();
    void dataFileNamedByEnterprise();
    void enterpriseNameThatNoFileCanBear_data();
    void enterpriseNameThatNoFileCanBear();
    void otherMaterialFollowsItsBox();

private:
    TFrmYPBCSQ_N *NewForm();
    TFrmYPBCSQ_N *OpenForm(const QString &path);
    void CloseForm();
    void Trigger(const char *action);
    template <class T>
    T *Child(const char *name) const
    {
        return m_form ? m_form->findChild<T *>(U(name)) : nullptr;
    }
    void Tick(const char *box);
    QString Code() const { return Child<QLineEdit>("VerifyCode")->text(); }
    QString PathFor(const QString &enterprise, const QString &code) const
    {
        return TUIHelper::ApplicationDir() + U("其他") + enterprise + U("_") + code + U(".qx");
    }

    std::unique_ptr<TScriptedPrompter> m_prompter;
    QPointer<TFrmMain> m_main;
    QPointer<TFrmYPBCSQ_N> m_form;
    QSet<QString> m_filesBefore;
    int m_previews = 0;
    int m_preparedPages = 0;
};

void TestYpbcsqNRoundTrip::initTestCase()
{
    InstallFontSubstitutions();
    QVERIFY(QFile::exists(QStringLiteral(SHENBAO_BIN_DIR "/sys/APPFQTSQ.xml")));
    TfrReport::SetPreviewHook([this](TfrReport &report) {
        ++m_previews;
        m_preparedPages = int(report.PreparedPages().size());
    });
}

void TestYpbcsqNRoundTrip::cleanupTestCase()
{
    TfrReport::SetPreviewHook(nullptr);
}

void TestYpbcsqNRoundTrip::init()
{
    const QStringList files = DataFiles();
    m_filesBefore = QSet<QString>(files.begin(), files.end());
    m_prompter = std::make_unique<TScriptedPrompter>();
    m_main = new TFrmMain;
    FrmMain = m_main;
    m_main->resize(1024, 768);
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main));
    m_main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_main));
    m_previews = 0;
    m_preparedPages = 0;
}

void TestYpbcsqNRoundTrip::cleanup()
{
    QVERIFY2(m_prompter->Unexpected.isEmpty(), qPrintable(m_prompter->Unexpected.join(QLatin1Char('\n'))));
    for (const TKindInfo &kind : AllKinds())
        if (TEABaseForm *form = kind.current())
            form->SkipCloseQuery = true;
    delete m_main.data();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    FrmMain = nullptr;
    m_prompter.reset();
    QVERIFY(!FrmYPBCSQ_N);
    // Data files written by the test go again.
    for (const QString &file : DataFiles())
        if (!m_filesBefore.contains(file))
            QFile::remove(TUIHelper::ApplicationDir() + file);
}

TFrmYPBCSQ_N *TestYpbcsqNRoundTrip::NewForm()
{
    m_main->N_NClick(nullptr);
    m_form = FrmYPBCSQ_N;
    return m_form;
}

TFrmYPBCSQ_N *TestYpbcsqNRoundTrip::OpenForm(const QString &path)
{
    m_prompter->AnswerOpenFile(path);
    m_main->N17Click(nullptr);
    m_form = FrmYPBCSQ_N;
    return m_form;
}

void TestYpbcsqNRoundTrip::CloseForm()
{
    QPointer<TFrmYPBCSQ_N> form = m_form;
    m_prompter->AnswerQuestion(true);
    QVERIFY(form->close());
    QCOMPARE(m_prompter->Questions.last(), U("你要退出现在编写的文件吗?"));
    QTRY_VERIFY(form.isNull());
    QVERIFY(!FrmYPBCSQ_N);
}

// The main window's command of that name, as the menu and the tool bar trigger it.
void TestYpbcsqNRoundTrip::Trigger(const char *action)
{
    auto *a = m_main->findChild<QAction *>(U(action));
    QVERIFY2(a, action);
    a->trigger();
}

void TestYpbcsqNRoundTrip::Tick(const char *name)
{
    auto *box = Child<QCheckBox>(name);
    QVERIFY2(box, name);
    QVERIFY(!box->isChecked());
    QTest::keyClick(box, Qt::Key_Space);
    QVERIFY2(box->isChecked(), name);
}

void TestYpbcsqNRoundTrip::newFormThroughMainWindow()
{
    TFrmYPBCSQ_N *form = NewForm();
    QVERIFY(form);
    QVERIFY(m_prompter->Log.isEmpty());
    QCOMPARE(form->windowTitle(), U("新建其他"));
    QVERIFY(form->isMaximized());
    QCOMPARE(form->mdiArea(), m_main->ClientArea());
    QCOMPARE(Child<QTabWidget>("PageControl1")->currentIndex(), 0);
    for (auto [name, field] : kEdits) {
        QVERIFY2(Child<QLineEdit>(name)->text().isEmpty(), name);
        QCOMPARE(Child<QLineEdit>(name)->isEnabled(), QByteArray(name) != "Edit27");
    }
    for (const char *name : kKinds)
        QVERIFY2(!Child<QCheckBox>(name)->isChecked(), name);
    for (const char *name : kMaterials)
        QVERIFY2(!Child<QCheckBox>(name)->isChecked(), name);
    // The definition gives the memos their empty values: "Memo1" is gone.
    QVERIFY(Child<QPlainTextEdit>("Edit18")->toPlainText().isEmpty());
    QVERIFY(Child<QPlainTextEdit>("edit19")->toPlainText().isEmpty());
    QVERIFY(QRegularExpression(QStringLiteral("^[0-9A-F]{8}$")).match(Code()).hasMatch());
}

void TestYpbcsqNRoundTrip::filledFormSurvivesBackupAndReopening_data()
{
    QTest::addColumn<QStringList>("ticked");
    QTest::addColumn<QString>("kinds");      // the stored field values
    QTest::addColumn<QString>("materials");
    QTest::addColumn<QString>("report");     // lines separated by CR LF
    QTest::addColumn<QString>("continued");

    const QString letter = U("关于一次性使用无菌注射器说明书变更的报告\r\n"
                             "事由：产品说明书中“禁忌症”一项需补充。\r\n\r\n"
                             "日期：2006年2月12日");
    QTest::newRow("kinds 2 and 4, materials 1, 3 and 8")
        << QStringList{"edit7", "edit9", "edit20", "edit22", "edit28"} << U("2|$$|4") << U("1|$$|3|$$|8")
        << letter << U("（续）附件清单见第二页。");
    QTest::newRow("every box ticked")
        << QStringList{"edit6", "edit7", "edit8", "edit9", "edit10", "edit20", "edit21", "edit22",
                       "edit23", "edit24", "edit25", "edit26", "edit28"}
        << U("1|$$|2|$$|3|$$|4|$$|5") << U("1|$$|2|$$|3|$$|4|$$|5|$$|6|$$|7|$$|8")
        << U("报告").repeated(400) << U("续").repeated(700);
    QTest::newRow("no box ticked, empty report")
        << QStringList() << QString() << QString() << QString() << QString();
    QTest::newRow("report with markup characters and Latin text")
        << QStringList{"edit10", "edit26"} << U("5") << U("7")
        << U("<报告> & \"引号\" 'single' ISO 13485:2003") << U("a < b > c &amp;");
}

void TestYpbcsqNRoundTrip::filledFormSurvivesBackupAndReopening()
{
    QFETCH(QStringList, ticked);
    QFETCH(QString, kinds);
    QFETCH(QString, materials);
    QFETCH(QString, report);
    QFETCH(QString, continued);

    NewForm();
    const QString firstCode = Code();
    for (const QString &box : ticked)
        Tick(box.toLatin1().constData());
    const bool otherMaterial = ticked.contains(U("edit28"));
    for (auto [name, field] : kEdits)
        if (QByteArray(name) != "Edit27" || otherMaterial)
            TypeChinese(Child<QLineEdit>(name), TextFor(name));
    TypeReport(Child<QPlainTextEdit>("Edit18"), report);
    Child<QTabWidget>("PageControl1")->setCurrentIndex(1);
    TypeReport(Child<QPlainTextEdit>("edit19"), continued);

    m_prompter->Clear();
    Trigger("mnuSaveNoExit");
    const QString code = Code();
    QVERIFY(code != firstCode);
    const QString path = PathFor(TextFor("Edit1"), code);
    QCOMPARE(m_prompter->Messages, QStringList{BackupMessage(path, code)});
    QVERIFY(QFile::exists(path));

    // The data file carries every value in its readable field, and the code it is named by.
    QString configType;
    const QHash<QString, QString> fields = FieldValues(path, &configType);
    QCOMPARE(configType, U("各类报告"));
    for (auto [name, field] : kEdits)
        QCOMPARE(fields.value(U(field)),
                 QByteArray(name) != "Edit27" || otherMaterial ? TextFor(name) : QString());
    QCOMPARE(fields.value(U("VerifyCode")), code);
    QCOMPARE(fields.value(U("ApplicationKinds")), kinds);
    QCOMPARE(fields.value(U("SubmittedMaterials")), materials);
    QCOMPARE(MemoText(fields.value(U("Report"))), report);
    QCOMPARE(MemoText(fields.value(U("ReportContinued"))), continued);

    CloseForm();
    m_prompter->Clear();
    OpenForm(path);
    QVERIFY(m_form);
    QCOMPARE(m_prompter->OpenPresets, QStringList{U("其他")});
    QCOMPARE(m_prompter->Log.size(), 1);  // the open dialog only
    QCOMPARE(m_form->windowTitle(), U("编辑其他"));
    QVERIFY(m_form->isMaximized());
    for (auto [name, field] : kEdits)
        QCOMPARE(Child<QLineEdit>(name)->text(),
                 QByteArray(name) != "Edit27" || otherMaterial ? TextFor(name) : QString());
    QCOMPARE(Child<QLineEdit>("Edit27")->isEnabled(), otherMaterial);
    for (const char *name : kKinds)
        QCOMPARE(Child<QCheckBox>(name)->isChecked(), ticked.contains(QString::fromLatin1(name)));
    for (const char *name : kMaterials)
        QCOMPARE(Child<QCheckBox>(name)->isChecked(), ticked.contains(QString::fromLatin1(name)));
    QString shown = Child<QPlainTextEdit>("Edit18")->toPlainText();
    QCOMPARE(shown.replace(QLatin1Char('\n'), U("\r\n")), report);
    shown = Child<QPlainTextEdit>("edit19")->toPlainText();
    QCOMPARE(shown.replace(QLatin1Char('\n'), U("\r\n")), continued);
    QCOMPARE(Code(), code);

    // Saved and printed unchanged, the same file is written again with the same values.
    m_prompter->Clear();
    Trigger("mnuReport");
    QCOMPARE(m_prompter->Messages, QStringList{SubmissionMessage(path, code)});
    QCOMPARE(FieldValues(path), fields);
    QCOMPARE(m_previews, 1);
    QCOMPARE(m_preparedPages, 2);
}

void TestYpbcsqNRoundTrip::dataFileNamedByEnterprise_data()
{
    QTest::addColumn<QString>("enterprise");
    QTest::addColumn<QString>("product");
    QTest::newRow("enterprise and product") << U("上海某某医疗器械有限公司") << U("血压计");
    QTest::newRow("product only") << QString() << U("血压计");
    QTest::newRow("empty form") << QString() << QString();
    QTest::newRow("spaces kept as typed") << U(" 北京 医疗 ") << QString();
    QTest::newRow("Latin name") << U("Acme Medical Co., Ltd.") << U("X-Ray");
}

void TestYpbcsqNRoundTrip::dataFileNamedByEnterprise()
{
    QFETCH(QString, enterprise);
    QFETCH(QString, product);
    NewForm();
    TypeChinese(Child<QLineEdit>("Edit1"), enterprise);
    TypeChinese(Child<QLineEdit>("Edit4"), product);
    QCOMPARE(Child<QLineEdit>("Edit1")->text(), enterprise);
    Trigger("mnuSaveNoExit");
    const QString code = Code();
    const QString path = PathFor(enterprise, code);
    QCOMPARE(m_form->DataFileName(), path);
    QCOMPARE(m_prompter->Messages, QStringList{BackupMessage(path, code)});
    QVERIFY(QFile::exists(path));
    QCOMPARE(DataFiles().size(), m_filesBefore.size() + 1);
    if (!product.isEmpty())
        QVERIFY(!QFileInfo(path).fileName().contains(product));

    // Save-and-print keeps the name and the code.
    m_prompter->Clear();
    Trigger("mnuReport");
    QCOMPARE(Code(), code);
    QCOMPARE(m_prompter->Messages, QStringList{SubmissionMessage(path, code)});
    QCOMPARE(DataFiles().size(), m_filesBefore.size() + 1);
}

void TestYpbcsqNRoundTrip::enterpriseNameThatNoFileCanBear_data()
{
    QTest::addColumn<QString>("enterprise");
    QTest::newRow("a slash into a folder that does not exist") << U("甲公司/乙分公司");
    QTest::newRow("a name longer than a file name may be") << U("某").repeated(200);
}

void TestYpbcsqNRoundTrip::enterpriseNameThatNoFileCanBear()
{
    QFETCH(QString, enterprise);
    NewForm();
    TypeChinese(Child<QLineEdit>("Edit1"), enterprise);
    m_prompter->Clear();
    Trigger("mnuReport");
    // The error is shown, no success is claimed and nothing is printed.
    QCOMPARE(m_prompter->Messages.size(), 1);
    QVERIFY(!m_prompter->Messages.first().startsWith(U("已成功")));
    QCOMPARE(m_previews, 0);
    QCOMPARE(DataFiles().size(), m_filesBefore.size());
    QVERIFY(m_form);
    QCOMPARE(Child<QLineEdit>("Edit1")->text(), enterprise);
}

void TestYpbcsqNRoundTrip::otherMaterialFollowsItsBox()
{
    NewForm();
    Child<QTabWidget>("PageControl1")->setCurrentIndex(1);
    auto *other = Child<QLineEdit>("Edit27");
    auto *box = Child<QCheckBox>("edit28");
    QVERIFY(!other->isEnabled());
    Tick("edit28");
    QVERIFY(other->isEnabled());
    TypeChinese(other, U("临床评价资料"));
    QCOMPARE(other->text(), U("临床评价资料"));

    // Unticked, the named material goes with it; ticked again, the edit is open and empty.
    QTest::keyClick(box, Qt::Key_Space);
    QVERIFY(!box->isChecked());
    QVERIFY(!other->isEnabled());
    QVERIFY(other->text().isEmpty());
    Tick("edit28");
    QVERIFY(other->isEnabled());
    QVERIFY(other->text().isEmpty());

    // The other boxes leave it alone.
    TypeChinese(other, U("临床评价资料"));
    Tick("edit26");
    QTest::keyClick(Child<QCheckBox>("edit26"), Qt::Key_Space);
    QCOMPARE(other->text(), U("临床评价资料"));
    QVERIFY(other->isEnabled());
}

QTEST_MAIN(TestYpbcsqNRoundTrip)
#include "tst_ypbcsq_n_roundtrip.moc"
