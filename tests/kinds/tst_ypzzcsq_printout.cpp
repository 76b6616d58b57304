// The printout of the testing exemption form, read from the prepared pages after "打印保存(&P)":
// both pages with the data check code, the combo boxes' chosen or typed texts, the materials'
// marks with the "+" and "±" that print in every case, the report and its continuation in full,
// the two-line labels, and a fully filled form in which nothing is cut off.

#include "ConfigedBase.h"
#include "Fonts.h"
#include "Kinds.h"
#include "ScriptedPrompter.h"
#include "UIHelper.h"
#include "YPZZCSQ.h"
#include "frReport.h"

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
#include <QtTest>

#include <memory>

namespace {

QString U(const char *text)
{
    return QString::fromUtf8(text);
}

const char *const kMaterials[] = {"edit23", "edit24", "edit25", "edit26", "edit27", "edit28", "edit29"};
const char *const kCombos[] = {"edit6", "Edit8", "Edit9"};

const QString kTicked = QString(QChar(0x25A0));    // ■
const QString kUnticked = QString(QChar(0x25A1));  // □

void TypeChinese(QLineEdit *edit, const QString &text)
{
    QVERIFY(edit);
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(edit, &event);
}

QStringList DataFiles()
{
    return QDir(TUIHelper::ApplicationDir()).entryList({QStringLiteral("*.qx")}, QDir::Files);
}

// Where two boxes share a printed line.
bool SameRow(const QRectF &a, const QRectF &b)
{
    return a.top() < b.bottom() && b.top() < a.bottom();
}

}  // namespace

class TestYpzzcsqPrintout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void bothPagesCarryTheCode();
    void comboBoxesPrintTheirText_data();
    void comboBoxesPrintTheirText();
    void materialsPrintTheirMarks_data();
    void materialsPrintTheirMarks();
    void reportPrintsInFull_data();
    void reportPrintsInFull();
    void twoLineLabels();
    void fullFormNothingCutOff();

private:
    template <class T>
    T *Child(const char *name) const
    {
        T *w = m_form ? m_form->findChild<T *>(U(name)) : nullptr;
        if (!w)
            qWarning("no %s", name);
        return w;
    }
    void Print();
    const TfrPreparedItem *Item(const QString &name, int page) const;
    QString Text(const char *name, int page) const;

    std::unique_ptr<QMdiArea> m_area;
    std::unique_ptr<TScriptedPrompter> m_prompter;
    QPointer<TFrmYPZZCSQ> m_form;
    QList<TfrPreparedPage> m_pages;
    int m_copies = 0;
    QSet<QString> m_filesBefore;
};

void TestYpzzcsqPrintout::initTestCase()
{
    InstallFontSubstitutions();
    TfrReport::SetPreviewHook([this](TfrReport &report) {
        m_pages = report.PreparedPages();
        m_copies = report.DefaultCopies;
    });
}

void TestYpzzcsqPrintout::cleanupTestCase()
{
    TfrReport::SetPreviewHook(nullptr);
}

void TestYpzzcsqPrintout::init()
{
    const QStringList files = DataFiles();
    m_filesBefore = QSet<QString>(files.begin(), files.end());
    m_prompter = std::make_unique<TScriptedPrompter>();
    m_area = std::make_unique<QMdiArea>();
    m_area->resize(1024, 768);
    m_area->show();
    m_pages.clear();
    for (const TKindInfo &kind : AllKinds())
        if (kind.className == QLatin1String("TFrmYPZZCSQ"))
            m_form = static_cast<TFrmYPZZCSQ *>(kind.create(m_area.get()));
    QVERIFY(m_form);
    m_form->NewApplication();
    QVERIFY2(m_prompter->Log.isEmpty(), qPrintable(m_prompter->Log.join(QLatin1Char('\n'))));
}

void TestYpzzcsqPrintout::cleanup()
{
    QVERIFY2(m_prompter->Unexpected.isEmpty(), qPrintable(m_prompter->Unexpected.join(QLatin1Char('\n'))));
    if (m_form)
        m_form->SkipCloseQuery = true;
    m_area.reset();
    m_prompter.reset();
    QVERIFY(!FrmYPZZCSQ);
    for (const QString &file : DataFiles())
        if (!m_filesBefore.contains(file))
            QFile::remove(TUIHelper::ApplicationDir() + file);
}

// "打印保存(&P)": the data file, then the preview of the prepared pages. Only the success message
// may show: a report object or control missing from the other would add a message.
void TestYpzzcsqPrintout::Print()
{
    m_prompter->Clear();
    m_form->SaveAndPrint();
    QCOMPARE(m_prompter->Messages.size(), 1);
    QVERIFY(m_prompter->Messages.first().startsWith(U("已成功生成报盘文件:")));
    QCOMPARE(m_pages.size(), 2);
}

const TfrPreparedItem *TestYpzzcsqPrintout::Item(const QString &name, int page) const
{
    if (page < 0 || page >= m_pages.size())
        return nullptr;
    for (const TfrPreparedItem &it : m_pages.at(page).items)
        if (it.objectName.compare(name, Qt::CaseInsensitive) == 0)
            return &it;
    return nullptr;
}

QString TestYpzzcsqPrintout::Text(const char *name, int page) const
{
    const TfrPreparedItem *it = Item(QString::fromLatin1(name), page);
    return it ? it->text : QStringLiteral("<no %1 on page %2>").arg(QString::fromLatin1(name)).arg(page + 1);
}

void TestYpzzcsqPrintout::bothPagesCarryTheCode()
{
    Print();
    QCOMPARE(m_copies, 1);
    QCOMPARE(m_pages.at(0).templatePageName, QString());
    QCOMPARE(m_pages.at(1).templatePageName, U("Page4"));
    const QString code = Child<QLineEdit>("VerifyCode")->text();
    QCOMPARE(Text("VerifyCode", 0), code);
    QCOMPARE(Text("VerifyCode1", 1), code);
    for (int page = 0; page < 2; ++page) {
        QVERIFY(m_pages.at(page).portrait);
        // The code stands right after its label, on one line.
        const TfrPreparedItem *code = Item(page == 0 ? U("VerifyCode") : U("VerifyCode1"), page);
        const TfrPreparedItem *label = nullptr;
        for (const TfrPreparedItem &it : m_pages.at(page).items)
            if (it.text == U("  数据核对码："))
                label = &it;
        QVERIFY(code && label);
        QVERIFY(SameRow(code->rect, label->rect));
        QVERIFY(label->rect.right() <= code->rect.left());
        QVERIFY(!code->clipped);
    }
    // An empty new form prints no placeholder: every data object is filled.
    for (const char *name : {"edit1", "edit4", "edit6", "Edit8", "edit9", "edit17", "edit21"})
        QCOMPARE(Text(name, 0), QString());
    for (const char *name : {"edit22", "edit30"})
        QCOMPARE(Text(name, 1), QString());
}

void TestYpzzcsqPrintout::comboBoxesPrintTheirText_data()
{
    QTest::addColumn<int>("entry");  // the list entry chosen in every combo box, or -1
    QTest::addColumn<QString>("typed");  // else the text typed into each
    QTest::newRow("first entries chosen") << 0 << QString();
    QTest::newRow("second entries chosen") << 1 << QString();
    QTest::newRow("texts typed") << -1 << U("企业自定：");
    QTest::newRow("nothing chosen") << -1 << QString();
}

void TestYpzzcsqPrintout::comboBoxesPrintTheirText()
{
    QFETCH(int, entry);
    QFETCH(QString, typed);
    QStringList expected;
    for (const char *name : kCombos) {
        auto *combo = Child<QComboBox>(name);
        QVERIFY(combo->count() > 1);
        if (entry >= 0) {
            combo->setCurrentIndex(entry);
        } else if (!typed.isEmpty()) {
            TypeChinese(combo->lineEdit(), typed + QString::fromLatin1(name));
        }
        expected << combo->currentText();
    }
    Print();
    for (int i = 0; i < 3; ++i) {
        const TfrPreparedItem *it = Item(QString::fromLatin1(kCombos[i]), 0);
        QVERIFY(it);
        QCOMPARE(it->text, expected.at(i));  // the one text, never the list
        QVERIFY(it->lines.size() <= 1);
        QVERIFY(!it->clipped);
    }
}

void TestYpzzcsqPrintout::materialsPrintTheirMarks_data()
{
    QTest::addColumn<QStringList>("ticked");
    QTest::newRow("none") << QStringList();
    QTest::newRow("all") << QStringList(std::begin(kMaterials), std::end(kMaterials));
    QTest::newRow("1, 4 and 7") << QStringList{"edit23", "edit26", "edit29"};
    QTest::newRow("only 6") << QStringList{"edit28"};
}

void TestYpzzcsqPrintout::materialsPrintTheirMarks()
{
    QFETCH(QStringList, ticked);
    for (const QString &name : ticked)
        Child<QCheckBox>(name.toLatin1().constData())->setChecked(true);
    if (ticked.contains(U("edit29")))
        TypeChinese(Child<QLineEdit>("edit30"), U("产品风险分析报告"));
    Print();

    QList<const TfrPreparedItem *> plus, plusMinus;
    for (const TfrPreparedItem &it : m_pages.at(1).items) {
        if (it.text == U("+"))
            plus << &it;
        else if (it.text == U("±"))
            plusMinus << &it;
    }
    // The heading row's "+" and one before each record but the last, whose mark is "±".
    QCOMPARE(plus.size(), 7);
    QCOMPARE(plusMinus.size(), 1);
    for (const char *name : kMaterials) {
        const TfrPreparedItem *record = Item(QString::fromLatin1(name), 1);
        QVERIFY2(record, name);
        QCOMPARE(record->text, ticked.contains(QString::fromLatin1(name)) ? kTicked : kUnticked);
        const QList<const TfrPreparedItem *> &marks = qstrcmp(name, "edit29") ? plus : plusMinus;
        int onRow = 0;
        for (const TfrPreparedItem *mark : marks)
            if (SameRow(mark->rect, record->rect) && mark->rect.right() <= record->rect.left())
                ++onRow;
        QVERIFY2(onRow == 1, name);
    }
    QCOMPARE(Text("edit30", 1), ticked.contains(U("edit29")) ? U("产品风险分析报告") : QString());
}

void TestYpzzcsqPrintout::reportPrintsInFull_data()
{
    QTest::addColumn<QString>("report");
    QTest::addColumn<QString>("continued");
    // The notes beside the memos promise room for 350 and 800 characters.
    const QString sentence = U("本产品由主机、探头和电源适配器组成，预期用于临床体温测量。");  // 30
    QTest::newRow("the lengths the notes allow") << sentence.repeated(12).left(350) << sentence.repeated(27).left(800);
    QTest::newRow("paragraphs") << U("一、产品概述\n二、结构组成\n\n三、风险分析") << U("四、与已注册产品的比较\n五、结论");
    QTest::newRow("brackets and Latin") << U("[型号] DT-100 (A)") << U("{附件1} <电气原理图>");
}

void TestYpzzcsqPrintout::reportPrintsInFull()
{
    QFETCH(QString, report);
    QFETCH(QString, continued);
    Child<QPlainTextEdit>("Edit21")->setPlainText(report);
    Child<QPlainTextEdit>("edit22")->setPlainText(continued);
    Print();
    const TfrPreparedItem *first = Item(U("edit21"), 0);
    const TfrPreparedItem *second = Item(U("edit22"), 1);
    QVERIFY(first && second);
    QVERIFY(!Item(U("edit21"), 1) && !Item(U("edit22"), 0));
    QCOMPARE(first->text, QString(report).replace(QLatin1Char('\n'), U("\r\n")));
    QCOMPARE(second->text, QString(continued).replace(QLatin1Char('\n'), U("\r\n")));
    QVERIFY2(!first->clipped, qPrintable(QString::number(first->lines.size())));
    QVERIFY2(!second->clipped, qPrintable(QString::number(second->lines.size())));
    QCOMPARE(first->lines.join(QString()), QString(report).remove(QLatin1Char('\n')));
    QCOMPARE(second->lines.join(QString()), QString(continued).remove(QLatin1Char('\n')));
    // The report begins below the guidance on page 1 and at the top of page 2.
    for (const TfrPreparedItem &it : m_pages.at(0).items)
        if (it.text.startsWith(U("申 请 报 告：")))
            QVERIFY(it.rect.bottom() <= first->rect.top());
    for (const TfrPreparedItem &it : m_pages.at(1).items)
        if (it.text == U("申 请 报 告（续）:"))
            QVERIFY(it.rect.bottom() <= second->rect.top());
}

void TestYpzzcsqPrintout::twoLineLabels()
{
    Print();
    const QList<QStringList> labels = {{U("本次申请"), U("注册种类")},
                                       {U("本次申请"), U("豁免情况")},
                                       {U("企业质量保证"), U("体系认证")},
                                       {U("本企业同类"), U("已注册产品"), U("基本情况")}};
    for (const QStringList &lines : labels) {
        const TfrPreparedItem *found = nullptr;
        for (const TfrPreparedItem &it : m_pages.at(0).items)
            if (it.lines == lines)
                found = &it;
        QVERIFY2(found, qPrintable(lines.join(QLatin1Char('/'))));
        QVERIFY(!found->clipped);
    }
    // "本次申请" / "注册种类" labels the row of Edit8, "本次申请" / "豁免情况" that of Edit9.
    for (const TfrPreparedItem &it : m_pages.at(0).items) {
        if (it.lines == QStringList{U("本次申请"), U("注册种类")})
            QVERIFY(SameRow(it.rect, Item(U("edit8"), 0)->rect));
        if (it.lines == QStringList{U("本次申请"), U("豁免情况")})
            QVERIFY(SameRow(it.rect, Item(U("edit9"), 0)->rect));
    }
}

void TestYpzzcsqPrintout::fullFormNothingCutOff()
{
    // Every field filled as an applicant would, at the lengths a real form holds.
    const std::pair<const char *, const char *> values[] = {
        {"Edit1", "上海市某某医疗器械股份有限公司"},
        {"Edit2", "上海市浦东新区张江高科技园区某某路1234号"},
        {"Edit3", "201203"},
        {"Edit4", "医用电子体温计"},
        {"Edit5", "MT-101、MT-102、MT-103"},
        {"Edit7", "YZB/沪 1234-2006《医用电子体温计》"},
        {"Edit10", "ISO 13485:2003 质量管理体系认证"},
        {"Edit11", "CE 认证"},
        {"Edit12", "医用红外耳温计"},
        {"Edit13", "YZB/沪 0987-2005"},
        {"Edit14", "沪食药监械（准）字2005第2201234号"},
        {"Edit15", "王小明"},
        {"Edit16", "上海市浦东新区张江路100号"},
        {"Edit17", "201203"},
        {"Edit18", "021-58881234"},
        {"Edit19", "021-58885678"},
        {"Edit20", "wangxm@example.com.cn"},
        {"edit30", "临床评价资料"},
    };
    for (const auto &[name, value] : values)
        Child<QLineEdit>(name)->setText(U(value));
    Child<QComboBox>("edit6")->setCurrentIndex(1);
    Child<QComboBox>("Edit8")->setCurrentIndex(0);
    Child<QComboBox>("Edit9")->setCurrentIndex(1);
    for (const char *name : kMaterials)
        Child<QCheckBox>(name)->setChecked(true);
    Child<QLineEdit>("edit30")->setText(U("临床评价资料"));
    Child<QPlainTextEdit>("Edit21")->setPlainText(U("本产品由主机和探头组成。").repeated(20));
    Child<QPlainTextEdit>("edit22")->setPlainText(U("与已注册产品相比，结构组成相同。").repeated(30));
    Print();
    for (const auto &[name, value] : values)
        QCOMPARE(Text(name, qstrcmp(name, "edit30") ? 0 : 1), U(value));
    for (int page = 0; page < 2; ++page)
        for (const TfrPreparedItem &it : m_pages.at(page).items) {
            QVERIFY2(!it.clipped, qPrintable(QStringLiteral("%1 on page %2: %3").arg(it.objectName).arg(page + 1).arg(it.text)));
            // Nothing prints its design placeholder.
            QVERIFY2(it.text.compare(it.objectName, Qt::CaseInsensitive) != 0, qPrintable(it.objectName));
        }
}

QTEST_MAIN(TestYpzzcsqPrintout)
#include "tst_ypzzcsq_printout.moc"
