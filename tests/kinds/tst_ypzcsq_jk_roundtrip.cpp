// The life cycle of the clinical trial plan form through the main window: N12Click starts a form
// from the definition file (product classes in the combo box, a fresh code); every control filled
// on all three pages survives a backup and reopening with N14Click; the data file carries every
// value in its readable field; data files are named "临床" + product name + "_" + code + ".qx".

#include "../forms/FormFixture.h"
#include "ConfigedBase.h"
#include "Fonts.h"
#include "Gbk.h"
#include "ScriptedPrompter.h"
#include "UIHelper.h"
#include "YPZCSQ_JK.h"
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

// The edits of the form and the fields they are saved in.
const QList<QPair<QString, QString>> &EditFields()
{
    static const QList<QPair<QString, QString>> fields = [] {
        QList<QPair<QString, QString>> f = {
            {"Edit1", "ManufacturerName"},     {"Edit2", "EnterpriseCode"},
            {"Edit3", "RegisteredAddress"},    {"Edit4", "RegisteredPostcode"},
            {"Edit5", "ProductName"},          {"Edit6", "TradeName"},
            {"Edit7", "RegistrationStandard"}, {"Edit9", "ContactPerson"},
            {"Edit10", "ContactAddress"},      {"Edit11", "ContactPostcode"},
            {"Edit12", "ContactPhone"},        {"Edit13", "ContactFax"},
            {"Edit14", "ContactEmail"},        {"Edit15", "ClinicalInstitution"},
            {"Edit16", "InstitutionAddress"},  {"Edit17", "InstitutionPostcode"},
            {"Edit18", "InstitutionPhone"},    {"Edit19", "InstitutionFax"},
            {"Edit20", "TrialLeader"},         {"Edit43", "OutpatientsPerDay"},
            {"Edit44", "InpatientsPerYear"},   {"Edit45", "Beds"},
            {"Edit48", "LeaderName"},          {"Edit49", "LeaderAge"},
            {"Edit50", "LeaderSex"},           {"Edit51", "LeaderDepartment"},
            {"Edit52", "LeaderProfessionalTitle"}, {"Edit53", "LeaderPosition"},
            {"Edit54", "LeaderAddressPostcode"}, {"Edit55", "LeaderPhone"},
            {"Edit56", "LeaderFax"},           {"Edit57", "LeaderEmail"},
            {"Edit75", "ApplicationYear"},     {"Edit76", "ApplicationMonth"},
            {"Edit77", "ApplicationDay"},
        };
        int n = 31;
        for (int row = 1; row <= 4; ++row)
            for (const char *part : {"Name", "Model", "Maker"})
                f.append({QStringLiteral("Edit%1").arg(n++), QStringLiteral("Equipment%1%2").arg(row).arg(QLatin1String(part))});
        n = 59;
        for (int row = 1; row <= 4; ++row)
            for (const char *part : {"Name", "Position", "ProfessionalTitle", "Speciality"})
                f.append({QStringLiteral("Edit%1").arg(n++), QStringLiteral("Staff%1%2").arg(row).arg(QLatin1String(part))});
        return f;
    }();
    return fields;
}

const QList<QPair<QString, QString>> &MemoFields()
{
    static const QList<QPair<QString, QString>> fields = {
        {"Edit46", "EmergencyCapability"}, {"Edit47", "InstitutionOpinion"}, {"Edit58", "LeaderQualifications"}};
    return fields;
}

// A distinct text for each edit; the product name stays fit for a file name.
QString TextFor(const QString &edit)
{
    if (edit == QLatin1String("Edit5"))
        return U("一次性使用无菌注射器");
    if (edit == QLatin1String("Edit75"))
        return U("2024");
    if (edit == QLatin1String("Edit76"))
        return U("5");
    if (edit == QLatin1String("Edit77"))
        return U("18");
    return U("内容·") + edit + U("（临床试验）");
}

// Chinese reaches a control through the input method: the committed text of a composition.
void Commit(QWidget *w, const QString &text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(w, &event);
}

// Types a text of several lines into a memo: the lines committed, Return between them.
void TypeMemo(QPlainTextEdit *memo, const QString &text)
{
    memo->setFocus();
    memo->selectAll();
    QTest::keyClick(memo, Qt::Key_Delete);
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        if (i > 0)
            QTest::keyClick(memo, Qt::Key_Return);
        if (!lines[i].isEmpty())
            Commit(memo, lines[i]);
    }
}

// The field values and config-type of a data file, read with libxml2.
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

const QStringList kClasses = {U("第一类"), U("第二类"), U("第三类")};

}  // namespace

class TestYpzcsqJkRoundTrip : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void newFormFromTheMainWindow();
    void filledFormSurvivesBackupAndReopening_data();
    void filledFormSurvivesBackupAndReopening();
    void dataFileNamedByTagProductAndCode_data();
    void dataFileNamedByTagProductAndCode();

private:
    TFrmYPZCSQ_JK *NewForm();
    TFrmYPZCSQ_JK *OpenForm(const QString &path);
    void CloseForm();
    template <class T>
    T *Child(const QString &name) const
    {
        T *w = m_form ? m_form->findChild<T *>(name) : nullptr;
        if (!w)
            qWarning("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
        return w;
    }
    QString Code() const { return Child<QLineEdit>(U("VerifyCode"))->text(); }

    std::unique_ptr<TScriptedPrompter> m_prompter;
    QPointer<TFrmMain> m_main;
    QPointer<TFrmYPZCSQ_JK> m_form;
    QSet<QString> m_filesBefore;
    int m_previews = 0;
};

void TestYpzcsqJkRoundTrip::initTestCase()
{
    InstallFontSubstitutions();
    QVERIFY(QFile::exists(QStringLiteral(SHENBAO_BIN_DIR "/sys/APPFLC.xml")));
    TfrReport::SetPreviewHook([this](TfrReport &) { ++m_previews; });
}

void TestYpzcsqJkRoundTrip::cleanupTestCase()
{
    TfrReport::SetPreviewHook(nullptr);
}

void TestYpzcsqJkRoundTrip::init()
{
    const QStringList files = formfixture::DataFilesBesideExecutable();
    m_filesBefore = QSet<QString>(files.begin(), files.end());
    m_prompter = std::make_unique<TScriptedPrompter>();
    m_main = new TFrmMain;
    FrmMain = m_main;
    m_main->resize(1024, 768);
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main));
    m_previews = 0;
}

void TestYpzcsqJkRoundTrip::cleanup()
{
    QVERIFY2(m_prompter->Unexpected.isEmpty(), qPrintable(m_prompter->Unexpected.join(QLatin1Char('\n'))));
    if (m_form)
        m_form->SkipCloseQuery = true;
    delete m_main.data();
    m_prompter.reset();
    QVERIFY(!FrmYPZCSQ_JK);
    for (const QString &file : formfixture::DataFilesBesideExecutable())
        if (!m_filesBefore.contains(file))
            QFile::remove(TUIHelper::ApplicationDir() + file);
}

TFrmYPZCSQ_JK *TestYpzcsqJkRoundTrip::NewForm()
{
    m_main->N12Click(nullptr);
    m_form = FrmYPZCSQ_JK;
    return m_form;
}

TFrmYPZCSQ_JK *TestYpzcsqJkRoundTrip::OpenForm(const QString &path)
{
    m_prompter->AnswerOpenFile(path);
    m_main->N14Click(nullptr);
    m_form = FrmYPZCSQ_JK;
    return m_form;
}

void TestYpzcsqJkRoundTrip::CloseForm()
{
    QPointer<TFrmYPZCSQ_JK> form = m_form;
    m_prompter->AnswerQuestion(true);
    QVERIFY(form->close());
    QCOMPARE(m_prompter->Questions.last(), U("你要退出现在编写的文件吗?"));
    QTRY_VERIFY(form.isNull());
    QVERIFY(!FrmYPZCSQ_JK);
}

void TestYpzcsqJkRoundTrip::newFormFromTheMainWindow()
{
    TFrmYPZCSQ_JK *form = NewForm();
    QVERIFY(form);
    QVERIFY(m_prompter->Log.isEmpty());
    QCOMPARE(form->windowTitle(), U("新建临床试验方案申请表"));
    QVERIFY(form->isMaximized());
    QCOMPARE(Child<QTabWidget>(U("PageControl2"))->currentIndex(), 0);
    const QString code = Code();
    QVERIFY2(formfixture::kCodePattern.match(code).hasMatch(), qPrintable(code));

    // The definition file's empty values: the date parts lose their design text too.
    for (const auto &[edit, field] : EditFields())
        QVERIFY2(Child<QLineEdit>(edit)->text().isEmpty(), qPrintable(edit));
    for (const auto &[memo, field] : MemoFields())
        QVERIFY2(Child<QPlainTextEdit>(memo)->toPlainText().isEmpty(), qPrintable(memo));
    for (int n = 21; n <= 30; ++n)
        QVERIFY(!Child<QCheckBox>(QStringLiteral("edit%1").arg(n))->isChecked());
    // The product classes come from the definition file; none is chosen.
    auto *classes = Child<QComboBox>(U("edit8"));
    QStringList items;
    for (int i = 0; i < classes->count(); ++i)
        items << classes->itemText(i);
    QCOMPARE(items, kClasses);
    QCOMPARE(classes->currentIndex(), -1);
    QVERIFY(classes->currentText().isEmpty());
}

void TestYpzcsqJkRoundTrip::filledFormSurvivesBackupAndReopening_data()
{
    QTest::addColumn<QList<int>>("ticked");
    QTest::addColumn<int>("classIndex");  // a list entry chosen with the keyboard, or -1
    QTest::addColumn<QString>("typedClass");  // else a text typed into the box
    QTest::addColumn<QStringList>("memos");
    QTest::addColumn<QString>("materials");

    QTest::newRow("every box, a listed class, memos of several lines")
        << QList<int>{21, 22, 23, 24, 25, 26, 27, 28, 29, 30} << 2 << QString()
        << QStringList{U("具备急救室\n配备除颤仪、呼吸机\n\n二十四小时值班"), U("同意承担"), U("主任医师\n从事心血管介入二十年")}
        << U("1|$$|2|$$|3|$$|4|$$|5|$$|6|$$|7|$$|8|$$|9|$$|10");
    QTest::newRow("no box, a class of the applicant's own words, empty memos")
        << QList<int>{} << -1 << U("第二类（体外诊断试剂）")
        << QStringList{QString(), QString(), QString()} << QString();
    QTest::newRow("first, fourth and last box, a class typed as listed")
        << QList<int>{21, 24, 30} << -1 << U("第一类")
        << QStringList{U("见附件"), QString(), U("一行")} << U("1|$$|4|$$|10");
}

void TestYpzcsqJkRoundTrip::filledFormSurvivesBackupAndReopening()
{
    QFETCH(QList<int>, ticked);
    QFETCH(int, classIndex);
    QFETCH(QString, typedClass);
    QFETCH(QStringList, memos);
    QFETCH(QString, materials);

    QVERIFY(NewForm());
    const QString firstCode = Code();
    for (const auto &[edit, field] : EditFields()) {
        auto *e = Child<QLineEdit>(edit);
        e->setFocus();
        Commit(e, TextFor(edit));
    }
    for (int i = 0; i < MemoFields().size(); ++i)
        TypeMemo(Child<QPlainTextEdit>(MemoFields()[i].first), memos[i]);
    for (int n : ticked) {
        auto *box = Child<QCheckBox>(QStringLiteral("edit%1").arg(n));
        QTest::keyClick(box, Qt::Key_Space);
        QVERIFY(box->isChecked());
    }
    auto *classes = Child<QComboBox>(U("edit8"));
    classes->setFocus();
    QString expectedClass;
    if (classIndex >= 0) {
        for (int i = 0; i <= classIndex; ++i)
            QTest::keyClick(classes, Qt::Key_Down);
        QCOMPARE(classes->currentIndex(), classIndex);
        expectedClass = kClasses[classIndex];
    } else {
        Commit(classes->lineEdit(), typedClass);
        expectedClass = typedClass;
    }
    QCOMPARE(classes->currentText(), expectedClass);

    // Saved as a backup through the main window: a new code names the file.
    m_prompter->Clear();
    m_main->mnuSaveNoExitClick(nullptr);
    const QString code = Code();
    QVERIFY(code != firstCode);
    const QString path = TUIHelper::ApplicationDir() + U("临床") + TextFor(U("Edit5")) + U("_") + code + U(".qx");
    QCOMPARE(m_prompter->Messages, QStringList{BackupMessage(path, code)});
    QVERIFY(QFile::exists(path));

    // The data file carries every value in its readable field.
    QString configType;
    const QHash<QString, QString> fields = FieldValues(path, &configType);
    QCOMPARE(configType, U("临床试验方案"));
    for (const auto &[edit, field] : EditFields())
        QCOMPARE(fields.value(field), TextFor(edit));
    for (int i = 0; i < MemoFields().size(); ++i) {
        QString crlf = memos[i];
        crlf.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
        QCOMPARE(fields.value(MemoFields()[i].second), QString::fromLatin1(EncodeMemoText(crlf)));
    }
    QCOMPARE(fields.value(U("ProductClass")), expectedClass);
    QCOMPARE(fields.value(U("SubmittedMaterials")), materials);
    QCOMPARE(fields.value(U("VerifyCode")), code);

    // Reopened through the main window: every value is back.
    CloseForm();
    m_prompter->Clear();
    QVERIFY(OpenForm(path));
    QCOMPARE(m_prompter->OpenPresets, QStringList{U("临床")});
    QCOMPARE(m_prompter->Messages, QStringList());
    QCOMPARE(m_form->windowTitle(), U("编辑临床试验方案申请表"));
    QCOMPARE(Code(), code);
    for (const auto &[edit, field] : EditFields())
        QCOMPARE(Child<QLineEdit>(edit)->text(), TextFor(edit));
    for (int i = 0; i < MemoFields().size(); ++i)
        QCOMPARE(Child<QPlainTextEdit>(MemoFields()[i].first)->toPlainText(), memos[i]);
    for (int n = 21; n <= 30; ++n)
        QCOMPARE(Child<QCheckBox>(QStringLiteral("edit%1").arg(n))->isChecked(), ticked.contains(n));
    classes = Child<QComboBox>(U("edit8"));
    QCOMPARE(classes->count(), kClasses.size());
    QCOMPARE(classes->currentText(), expectedClass);
    QCOMPARE(classes->currentIndex(), int(kClasses.indexOf(expectedClass)));

    // Printed unchanged, the submission file is the same file with the same values.
    m_prompter->Clear();
    m_main->mnuReportClick(nullptr);
    QCOMPARE(m_prompter->Messages, QStringList{SubmissionMessage(path, code)});
    QCOMPARE(FieldValues(path), fields);
    QCOMPARE(m_previews, 1);
}

void TestYpzcsqJkRoundTrip::dataFileNamedByTagProductAndCode_data()
{
    QTest::addColumn<QString>("product");
    QTest::addColumn<QString>("applicant");
    QTest::newRow("no product name") << QString() << U("上海医疗器械厂");
    QTest::newRow("product name") << U("冠状动脉支架") << QString();
    QTest::newRow("product name with spaces and Latin letters") << U("PTCA 球囊 扩张导管") << U("某公司");
}

void TestYpzcsqJkRoundTrip::dataFileNamedByTagProductAndCode()
{
    QFETCH(QString, product);
    QFETCH(QString, applicant);
    QVERIFY(NewForm());
    Commit(Child<QLineEdit>(U("Edit5")), product);
    Commit(Child<QLineEdit>(U("Edit1")), applicant);
    m_main->mnuSaveNoExitClick(nullptr);
    const QString code = Code();
    const QString path = TUIHelper::ApplicationDir() + U("临床") + product + U("_") + code + U(".qx");
    QCOMPARE(m_form->DataFileName(), path);
    QVERIFY(QFile::exists(path));
    QCOMPARE(m_prompter->Messages, QStringList{BackupMessage(path, code)});
    QCOMPARE(formfixture::DataFilesBesideExecutable().size(), m_filesBefore.size() + 1);
}

QTEST_MAIN(TestYpzcsqJkRoundTrip)
#include "tst_ypzcsq_jk_roundtrip.moc"
