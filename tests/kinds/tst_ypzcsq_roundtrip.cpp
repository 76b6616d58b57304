// The life cycle of the import herbal-material inspection form through its real window: a new
// form shows the definition's empty state and a fresh code; a fully filled form survives a backup
// and reopening; save-and-print after a backup rewrites that same file; data files are named
// "注册_" + code + ".qx" in the executable's folder; VerifyCryptCode is never shown.

#include "ConfigedBase.h"
#include "DateTimePicker.h"
#include "Fonts.h"
#include "Kinds.h"
#include "ScriptedPrompter.h"
#include "ShortDate.h"
#include "UIHelper.h"
#include "YPZCSQ.h"
#include "frReport.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMdiArea>
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

const char *const kEdits[] = {"E_1",     "Edit101", "Edit102", "Edit103", "Edit104", "Edit105",
                              "Edit106", "Edit107", "Edit108", "Edit109", "Edit110", "Edit111",
                              "Edit112", "Edit113", "Edit115", "Edit116", "Edit117", "Edit119",
                              "Edit120", "Edit121", "Edit122", "Edit123", "Edit124", "Edit125",
                              "Edit126", "Edit127", "Edit128", "Edit129"};
const char *const kBoxes[] = {"edit201", "edit202", "edit203", "edit204",
                              "edit205", "edit206", "edit207", "edit208"};

// The field of the definition file that each edit is saved in.
const QHash<QString, QString> &FieldOfEdit()
{
    static const QHash<QString, QString> fields = {
        {"E_1", "HSCode"}, {"Edit101", "HerbNameChinese"}, {"Edit102", "HerbNameEnglish"},
        {"Edit103", "HerbAlias"}, {"Edit104", "LatinName"}, {"Edit105", "PackageSpec"},
        {"Edit106", "ApprovalNo"}, {"Edit107", "ContractNoMarks"}, {"Edit108", "InspectionStandard"},
        {"Edit109", "ClaimPeriod"}, {"Edit110", "Quantity"}, {"Edit111", "GoodsValue"},
        {"Edit112", "BillOfLadingNo"}, {"Edit113", "ShippingPort"}, {"Edit115", "Conveyance"},
        {"Edit116", "CustomsOffice"}, {"Edit117", "ArrivalPort"}, {"Edit119", "StorageLocation"},
        {"Edit120", "Exporter"}, {"Edit121", "ExporterCountry"}, {"Edit122", "Shipper"},
        {"Edit123", "ShipperCountry"}, {"Edit124", "ApplicantName"}, {"Edit125", "ApplicantAddress"},
        {"Edit126", "ApplicantLicenceNo"}, {"Edit127", "ContactPerson"}, {"Edit128", "ContactPhone"},
        {"Edit129", "OtherDocuments"}};
    return fields;
}

// A distinct Chinese text for each edit.
QString TextFor(const char *edit)
{
    return U("中文内容·") + QString::fromLatin1(edit) + U("（进口药材）");
}

// Chinese reaches an edit through the input method: the committed text of a composition.
void TypeChinese(QLineEdit *edit, const QString &text)
{
    QVERIFY(edit);
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(edit, &event);
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

// Replaces one field's value in a data file, keeping everything else as it was.
bool SetFieldValue(const QString &path, const QString &field, const QString &value)
{
    xmlDoc *doc = xmlReadFile(QFile::encodeName(path).constData(), nullptr, XML_PARSE_NONET);
    if (!doc)
        return false;
    bool found = false;
    for (xmlNode *section = xmlDocGetRootElement(doc)->children; section; section = section->next) {
        if (section->type != XML_ELEMENT_NODE || qstrcmp(reinterpret_cast<const char *>(section->name), "data-fields"))
            continue;
        for (xmlNode *f = section->children; f; f = f->next) {
            if (f->type != XML_ELEMENT_NODE)
                continue;
            xmlChar *n = xmlGetProp(f, reinterpret_cast<const xmlChar *>("name"));
            if (n && field == QString::fromUtf8(reinterpret_cast<const char *>(n))) {
                xmlSetProp(f, reinterpret_cast<const xmlChar *>("value"),
                           reinterpret_cast<const xmlChar *>(value.toUtf8().constData()));
                found = true;
            }
            xmlFree(n);
        }
    }
    const bool saved = found && xmlSaveFile(QFile::encodeName(path).constData(), doc) > 0;
    xmlFreeDoc(doc);
    return saved;
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

class TestYpzcsqRoundTrip : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void newFormShowsEmptyStateAndFreshCode();
    void filledFormSurvivesBackupAndReopening_data();
    void filledFormSurvivesBackupAndReopening();
    void saveAndPrintAfterBackupRewritesThatFile();
    void dataFileNamedByTagAndCode_data();
    void dataFileNamedByTagAndCode();
    void verifyCryptCodeNeverVisible_data();
    void verifyCryptCodeNeverVisible();

private:
    TFrmYPZCSQ *NewForm();
    TFrmYPZCSQ *OpenForm(const QString &path);
    void CloseForm();
    template <class T>
    T *Child(const char *name) const
    {
        return m_form ? m_form->findChild<T *>(U(name)) : nullptr;
    }
    void Tick(const char *box);
    void SetPickerDate(const char *picker, const QDate &date);

    std::unique_ptr<QMdiArea> m_area;
    std::unique_ptr<TScriptedPrompter> m_prompter;
    QPointer<TFrmYPZCSQ> m_form;
    QSet<QString> m_filesBefore;
    int m_previews = 0;
};

void TestYpzcsqRoundTrip::initTestCase()
{
    InstallFontSubstitutions();
    QVERIFY(QFile::exists(QStringLiteral(SHENBAO_BIN_DIR "/sys/APPFZCSQ.xml")));
    TfrReport::SetPreviewHook([this](TfrReport &) { ++m_previews; });
}

void TestYpzcsqRoundTrip::cleanupTestCase()
{
    TfrReport::SetPreviewHook(nullptr);
}

void TestYpzcsqRoundTrip::init()
{
    const QStringList files = DataFiles();
    m_filesBefore = QSet<QString>(files.begin(), files.end());
    m_prompter = std::make_unique<TScriptedPrompter>();
    m_area = std::make_unique<QMdiArea>();
    m_area->resize(1024, 768);
    m_area->show();
    m_previews = 0;
}

void TestYpzcsqRoundTrip::cleanup()
{
    QVERIFY2(m_prompter->Unexpected.isEmpty(), qPrintable(m_prompter->Unexpected.join(QLatin1Char('\n'))));
    if (m_form)
        m_form->SkipCloseQuery = true;
    m_area.reset();
    m_prompter.reset();
    QVERIFY(!FrmYPZCSQ);
    // Data files written by the test go again.
    for (const QString &file : DataFiles())
        if (!m_filesBefore.contains(file))
            QFile::remove(TUIHelper::ApplicationDir() + file);
}

TFrmYPZCSQ *TestYpzcsqRoundTrip::NewForm()
{
    m_form = static_cast<TFrmYPZCSQ *>(AllKinds().front().create(m_area.get()));
    m_form->NewApplication();
    return m_form;
}

TFrmYPZCSQ *TestYpzcsqRoundTrip::OpenForm(const QString &path)
{
    m_form = static_cast<TFrmYPZCSQ *>(AllKinds().front().create(m_area.get()));
    m_form->OpenApplication(path);
    return m_form;
}

void TestYpzcsqRoundTrip::CloseForm()
{
    QPointer<TFrmYPZCSQ> form = m_form;
    m_prompter->AnswerQuestion(true);
    QVERIFY(form->close());
    QCOMPARE(m_prompter->Questions.last(), U("你要退出现在编写的文件吗?"));
    QTRY_VERIFY(form.isNull());
    QVERIFY(!FrmYPZCSQ);
}

void TestYpzcsqRoundTrip::Tick(const char *name)
{
    auto *box = Child<QCheckBox>(name);
    QVERIFY2(box, name);
    QVERIFY(!box->isChecked());
    QTest::keyClick(box, Qt::Key_Space);
    QVERIFY2(box->isChecked(), name);
}

void TestYpzcsqRoundTrip::SetPickerDate(const char *name, const QDate &date)
{
    auto *picker = Child<TDateTimePicker>(name);
    QVERIFY2(picker, name);
    QVERIFY(picker->ShowCheckbox());
    QVERIFY(!picker->Checked());
    QTest::keyClick(picker->TickBox(), Qt::Key_Space);
    QVERIFY(picker->Checked());
    picker->DateEdit()->setDate(date);
    QCOMPARE(picker->Date(), date);
}

void TestYpzcsqRoundTrip::newFormShowsEmptyStateAndFreshCode()
{
    TFrmYPZCSQ *form = NewForm();
    QVERIFY(m_prompter->Log.isEmpty());
    QCOMPARE(FrmYPZCSQ, form);
    QCOMPARE(form->windowTitle(), U("新建进口药材报验申请表"));
    QVERIFY(form->isMaximized());
    QCOMPARE(Child<QTabWidget>("PageControl1")->currentIndex(), 0);
    for (const char *name : kEdits) {
        QVERIFY2(Child<QLineEdit>(name), name);
        QVERIFY2(Child<QLineEdit>(name)->text().isEmpty(), name);
        QVERIFY2(Child<QLineEdit>(name)->isEnabled(), name);
    }
    for (const char *name : kBoxes)
        QVERIFY2(!Child<QCheckBox>(name)->isChecked(), name);
    for (const char *name : {"Edit114", "Edit118"}) {
        auto *picker = Child<TDateTimePicker>(name);
        QVERIFY2(picker->ShowCheckbox(), name);
        QVERIFY2(!picker->Checked(), name);
    }
    const QString code = Child<QLineEdit>("VerifyCode")->text();
    QVERIFY2(QRegularExpression(QStringLiteral("^[0-9A-F]{8}$")).match(code).hasMatch(), qPrintable(code));
    QVERIFY(Child<QLineEdit>("VerifyCryptCode")->text().isEmpty());
    QVERIFY(!Child<QLineEdit>("VerifyCryptCode")->isVisible());

    // Another new form gets another code.
    m_form->SkipCloseQuery = true;
    m_form->close();
    QTRY_VERIFY(m_form.isNull());
    NewForm();
    QVERIFY(Child<QLineEdit>("VerifyCode")->text() != code);
}

void TestYpzcsqRoundTrip::filledFormSurvivesBackupAndReopening_data()
{
    QTest::addColumn<QStringList>("ticked");
    QTest::addColumn<QDate>("shipped");  // invalid: no date
    QTest::addColumn<QDate>("arrived");
    QTest::addColumn<QString>("attachments");

    const QStringList all = {"edit201", "edit202", "edit203", "edit204", "edit205", "edit206", "edit207", "edit208"};
    QTest::newRow("every box ticked, both dates")
        << all << QDate(2006, 2, 12) << QDate(2026, 12, 31) << U("1|$$|2|$$|3|$$|4|$$|5|$$|6|$$|7");
    QTest::newRow("no box ticked, no dates") << QStringList() << QDate() << QDate() << QString();
    QTest::newRow("first and third attachment, one-time approval, shipping date")
        << QStringList{"edit201", "edit203", "edit208"} << QDate(1999, 1, 2) << QDate() << U("1|$$|3");
    QTest::newRow("last attachment only, arrival date")
        << QStringList{"edit207"} << QDate() << QDate(2010, 10, 10) << U("7");
}

void TestYpzcsqRoundTrip::filledFormSurvivesBackupAndReopening()
{
    QFETCH(QStringList, ticked);
    QFETCH(QDate, shipped);
    QFETCH(QDate, arrived);
    QFETCH(QString, attachments);

    NewForm();
    const QString firstCode = Child<QLineEdit>("VerifyCode")->text();
    for (const char *name : kEdits)
        TypeChinese(Child<QLineEdit>(name), TextFor(name));
    for (const QString &box : ticked)
        Tick(box.toLatin1().constData());
    if (shipped.isValid())
        SetPickerDate("Edit114", shipped);
    if (arrived.isValid())
        SetPickerDate("Edit118", arrived);

    m_prompter->Clear();
    m_form->SaveBackup();
    const QString code = Child<QLineEdit>("VerifyCode")->text();
    QVERIFY(code != firstCode);
    const QString path = TUIHelper::ApplicationDir() + U("注册_") + code + U(".qx");
    QCOMPARE(m_prompter->Messages, QStringList{BackupMessage(path, code)});
    QVERIFY(QFile::exists(path));

    // The data file carries every value in its readable field, and the code it is named by.
    QString configType;
    const QHash<QString, QString> fields = FieldValues(path, &configType);
    QCOMPARE(configType, U("医疗器械出口证明申请"));
    for (const char *name : kEdits)
        QCOMPARE(fields.value(FieldOfEdit().value(QString::fromLatin1(name))), TextFor(name));
    QCOMPARE(fields.value(U("VerifyCode")), code);
    QCOMPARE(fields.value(U("Attachments")), attachments);
    QCOMPARE(fields.value(U("OneTimeApproval")), ticked.contains(U("edit208")) ? U("-1") : U("0"));
    QCOMPARE(fields.value(U("ShippingDate")), shipped.isValid() ? FormatShortDate(shipped) : QString());
    QCOMPARE(fields.value(U("ArrivalDate")), arrived.isValid() ? FormatShortDate(arrived) : QString());

    CloseForm();
    m_prompter->Clear();
    OpenForm(path);
    QVERIFY2(m_prompter->Log.isEmpty(), qPrintable(m_prompter->Log.join(QLatin1Char('\n'))));
    QCOMPARE(m_form->windowTitle(), U("编辑进口药材报验申请表"));
    for (const char *name : kEdits)
        QCOMPARE(Child<QLineEdit>(name)->text(), TextFor(name));
    for (const char *name : kBoxes)
        QCOMPARE(Child<QCheckBox>(name)->isChecked(), ticked.contains(QString::fromLatin1(name)));
    for (auto [name, date] : {std::pair{"Edit114", shipped}, std::pair{"Edit118", arrived}}) {
        auto *picker = Child<TDateTimePicker>(name);
        QCOMPARE(picker->Checked(), date.isValid());
        if (date.isValid())
            QCOMPARE(picker->Date(), date);
    }
    QCOMPARE(Child<QLineEdit>("VerifyCode")->text(), code);
    QVERIFY(!Child<QLineEdit>("VerifyCryptCode")->isVisible());

    // Saved again unchanged under the same name, the file keeps its values.
    m_prompter->Clear();
    m_form->SaveAndPrint();
    QCOMPARE(m_prompter->Messages, QStringList{SubmissionMessage(path, code)});
    QCOMPARE(FieldValues(path), fields);
    QCOMPARE(m_previews, 1);
}

void TestYpzcsqRoundTrip::saveAndPrintAfterBackupRewritesThatFile()
{
    NewForm();
    TypeChinese(Child<QLineEdit>("Edit101"), U("当归"));
    Tick("edit202");
    m_form->SaveBackup();
    const QString code = Child<QLineEdit>("VerifyCode")->text();
    const QString path = TUIHelper::ApplicationDir() + U("注册_") + code + U(".qx");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray backup = file.readAll();
    file.close();
    const QStringList filesAfterBackup = DataFiles();

    // Removed, so that the file found afterwards is the one save-and-print wrote.
    QVERIFY(QFile::remove(path));
    m_prompter->Clear();
    m_form->SaveAndPrint();
    QCOMPARE(Child<QLineEdit>("VerifyCode")->text(), code);
    QCOMPARE(m_prompter->Messages, QStringList{SubmissionMessage(path, code)});
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), backup);
    QCOMPARE(DataFiles(), filesAfterBackup);
    QCOMPARE(m_previews, 1);
}

void TestYpzcsqRoundTrip::dataFileNamedByTagAndCode_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty form") << QString() << QString();
    QTest::newRow("herb name with characters file names refuse") << U("Edit101") << U("甘草/当归:黄芪?*");
    QTest::newRow("applicant with a backslash") << U("Edit124") << U("北京\\药材公司");
    QTest::newRow("HS code") << U("E_1") << U("1211.90.39");
}

void TestYpzcsqRoundTrip::dataFileNamedByTagAndCode()
{
    QFETCH(QString, edit);
    QFETCH(QString, text);
    NewForm();
    if (!edit.isEmpty())
        TypeChinese(m_form->findChild<QLineEdit *>(edit), text);
    m_form->SaveBackup();
    const QString code = Child<QLineEdit>("VerifyCode")->text();
    const QString path = TUIHelper::ApplicationDir() + U("注册_") + code + U(".qx");
    QCOMPARE(m_form->DataFileName(), path);
    QVERIFY(QFile::exists(path));
    QCOMPARE(m_prompter->Messages, QStringList{BackupMessage(path, code)});
    QCOMPARE(DataFiles().size(), m_filesBefore.size() + 1);
}

void TestYpzcsqRoundTrip::verifyCryptCodeNeverVisible_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("empty") << QString();
    QTest::newRow("a code") << U("0A1B2C3D");
    QTest::newRow("long Chinese text") << U("加密核对码").repeated(20);
}

void TestYpzcsqRoundTrip::verifyCryptCodeNeverVisible()
{
    QFETCH(QString, value);
    NewForm();
    auto *crypt = Child<QLineEdit>("VerifyCryptCode");
    QVERIFY(crypt->isHidden());
    m_form->SaveBackup();
    const QString code = Child<QLineEdit>("VerifyCode")->text();
    const QString path = TUIHelper::ApplicationDir() + U("注册_") + code + U(".qx");
    QVERIFY(crypt->isHidden());
    CloseForm();

    QVERIFY(SetFieldValue(path, U("VerifyCryptCode"), value));
    m_prompter->Clear();
    OpenForm(path);
    crypt = Child<QLineEdit>("VerifyCryptCode");
    QCOMPARE(crypt->text(), value);  // the document gives it its value, but it stays hidden
    QVERIFY(crypt->isHidden());
    QVERIFY(!crypt->isVisible());
    auto *pages = Child<QTabWidget>("PageControl1");
    pages->setCurrentIndex(1);
    pages->setCurrentIndex(0);
    m_form->SaveBackup();
    QVERIFY(crypt->isHidden());
    QCOMPARE(FieldValues(m_form->DataFileName()).value(U("VerifyCryptCode")), value);
}

QTEST_MAIN(TestYpzcsqRoundTrip)
#include "tst_ypzcsq_roundtrip.moc"
