// The printed clinical trial plan application, as print preparation leaves it for the preview:
// four pages with the same data check code on each; the cover with the product, applicant and
// clinical unit of fields 5, 1 and 15 on their fill-in rules; a mark for every materials box with
// its "+" or "±" in every case; the date parts before 年, 月 and 日; the notes with their ASCII
// quotation marks; the memos' lines; and every static text within its box.

#include "../forms/FormFixture.h"
#include "ConfigedBase.h"
#include "Fonts.h"
#include "Kinds.h"
#include "ScriptedPrompter.h"
#include "UIHelper.h"
#include "YPZCSQ_JK.h"
#include "frReport.h"

#include <QCheckBox>
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

void Commit(QWidget *w, const QString &text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(w, &event);
}

const TfrPreparedItem *Item(const TfrPreparedPage &page, const QString &name)
{
    for (const TfrPreparedItem &it : page.items)
        if (it.objectName.compare(name, Qt::CaseInsensitive) == 0)
            return &it;
    return nullptr;
}

// The text items of a page that share a printed line with the given box.
QStringList TextsOnRowOf(const TfrPreparedPage &page, const TfrPreparedItem &box)
{
    QStringList texts;
    const double middle = box.rect.center().y();
    for (const TfrPreparedItem &it : page.items)
        if (it.kind == TfrPreparedItem::Text && &it != &box && it.rect.top() < middle && middle < it.rect.bottom()
            && it.rect.left() > box.rect.right())
            texts << it.text;
    return texts;
}

struct Material {
    int box;
    const char *item;
    const char *mark;
};

// The materials as printed: the item text and whether it must be submitted (+) or as needed (±).
const Material kMaterials[] = {
    {21, "1.产品注册标准", "+"},
    {22, "2.产品试产检测报告", "±"},
    {23, "3.评估本产品安全性、有效性的文献综述（附有关国内外文献资料）", "+"},
    {24, "4.实验室试验报告/动物试验报告", "±"},
    {25, "5.医疗器械产品临床试验方案（一式二份）", "+"},
    {26, "6.产品说明（包括每个重要组份及各自的成分和特性说明；工作原理；在试验", "+"},
    {27, "7.制造信息（包括制造过程；制造工艺；包装；储存；安装）", "+"},
    {28, "8.临床试验机构申请表", "+"},
    {29, "9.临床试验人员信息表", "+"},
    {30, "10.病人知情通知书（与患者直接接触的产品）", "+"},
};

}  // namespace

class TestYpzcsqJkPrintout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void fourPagesEachWithTheCode();
    void coverCarriesProductApplicantAndUnit_data();
    void coverCarriesProductApplicantAndUnit();
    void materialsMarks_data();
    void materialsMarks();
    void datePartsBeforeTheirWords();
    void notesKeepTheirQuotationMarks();
    void memosAndFieldsPrintTheirTexts();
    void rulesDrawn();
    void staticTextsFitTheirBoxes();
    void printingAgainGivesTheSameFourPages();

private:
    void NewForm();
    void Print();
    QLineEdit *Edit(const QString &name) const { return m_form->findChild<QLineEdit *>(name); }
    const TfrPreparedPage &Page(int index) const { return m_pages.at(index); }

    std::unique_ptr<QMdiArea> m_area;
    std::unique_ptr<TScriptedPrompter> m_prompter;
    QPointer<TFrmYPZCSQ_JK> m_form;
    QList<TfrPreparedPage> m_pages;
    int m_previews = 0;
    QSet<QString> m_filesBefore;
};

void TestYpzcsqJkPrintout::initTestCase()
{
    InstallFontSubstitutions();
    TfrReport::SetPreviewHook([this](TfrReport &report) {
        ++m_previews;
        m_pages = report.PreparedPages();
    });
}

void TestYpzcsqJkPrintout::cleanupTestCase()
{
    TfrReport::SetPreviewHook(nullptr);
}

void TestYpzcsqJkPrintout::init()
{
    const QStringList files = formfixture::DataFilesBesideExecutable();
    m_filesBefore = QSet<QString>(files.begin(), files.end());
    m_prompter = std::make_unique<TScriptedPrompter>();
    m_area = std::make_unique<QMdiArea>();
    m_area->resize(1024, 768);
    m_area->show();
    m_previews = 0;
    m_pages.clear();
    NewForm();
}

void TestYpzcsqJkPrintout::cleanup()
{
    QVERIFY2(m_prompter->Unexpected.isEmpty(), qPrintable(m_prompter->Unexpected.join(QLatin1Char('\n'))));
    if (m_form)
        m_form->SkipCloseQuery = true;
    m_area.reset();
    m_prompter.reset();
    QVERIFY(!FrmYPZCSQ_JK);
    for (const QString &file : formfixture::DataFilesBesideExecutable())
        if (!m_filesBefore.contains(file))
            QFile::remove(TUIHelper::ApplicationDir() + file);
}

void TestYpzcsqJkPrintout::NewForm()
{
    const TKindInfo &kind = formfixture::Kind(QStringLiteral("TFrmYPZCSQ_JK"));
    m_form = static_cast<TFrmYPZCSQ_JK *>(kind.create(m_area.get()));
    QVERIFY(m_form);
    m_form->NewApplication();
    QVERIFY(m_prompter->Log.isEmpty());
}

// Save and print: the data file is written, then the pages are prepared for the preview. Only
// the message naming the data file is shown: every data entry finds its report object.
void TestYpzcsqJkPrintout::Print()
{
    m_prompter->Clear();
    const int before = m_previews;
    m_form->SaveAndPrint();
    QCOMPARE(m_previews, before + 1);
    QCOMPARE(m_prompter->Messages.size(), 1);
    QVERIFY2(m_prompter->Messages.first().startsWith(U("已成功生成报盘文件:")), qPrintable(m_prompter->Messages.first()));
    QCOMPARE(m_pages.size(), 4);
}

void TestYpzcsqJkPrintout::fourPagesEachWithTheCode()
{
    Print();
    const QString code = Edit(U("VerifyCode"))->text();
    QCOMPARE(code.size(), 8);
    const QStringList names = {QString(), U("Page4"), U("Page1"), U("Page2")};
    const QStringList codeObjects = {U("VerifyCode"), U("VerifyCode1"), U("VerifyCode2"), U("VerifyCode3")};
    for (int p = 0; p < 4; ++p) {
        QCOMPARE(Page(p).templatePageName, names[p]);
        QCOMPARE(Page(p).templatePageIndex, p);
        QVERIFY(Page(p).portrait);
        const TfrPreparedItem *item = Item(Page(p), codeObjects[p]);
        QVERIFY2(item, qPrintable(codeObjects[p]));
        QCOMPARE(item->text, code);
        // Its label on the same line, ending before it.
        bool labelled = false;
        for (const TfrPreparedItem &it : Page(p).items)
            if (it.text == U("  数据核对码：") && it.rect.right() <= item->rect.left()
                && std::abs(it.rect.center().y() - item->rect.center().y()) < item->rect.height())
                labelled = true;
        QVERIFY2(labelled, qPrintable(codeObjects[p]));
        // No other page prints a code object.
        for (int q = 0; q < 4; ++q)
            if (q != p)
                QVERIFY(!Item(Page(q), codeObjects[p]));
    }
}

void TestYpzcsqJkPrintout::coverCarriesProductApplicantAndUnit_data()
{
    QTest::addColumn<QString>("product");
    QTest::addColumn<QString>("applicant");
    QTest::addColumn<QString>("unit");
    const QString product = U("一次性使用血液透析器");
    const QString applicant = U("上海某某医疗器械有限公司");
    const QString unit = U("复旦大学附属中山医院");
    QTest::newRow("all three") << product << applicant << unit;
    QTest::newRow("no product name") << QString() << applicant << unit;
    QTest::newRow("no applicant") << product << QString() << unit;
    QTest::newRow("no clinical unit") << product << applicant << QString();
    QTest::newRow("none") << QString() << QString() << QString();
}

void TestYpzcsqJkPrintout::coverCarriesProductApplicantAndUnit()
{
    QFETCH(QString, product);
    QFETCH(QString, applicant);
    QFETCH(QString, unit);
    Commit(Edit(U("Edit5")), product);
    Commit(Edit(U("Edit1")), applicant);
    Commit(Edit(U("Edit15")), unit);
    Print();
    // On the cover, and the same texts as fields 5, 1 and 15 of the application table; an empty
    // field prints an empty line and nothing fails.
    for (auto [cover, field, text] : {std::tuple{"scpmc", "edit5", product}, std::tuple{"ssqdw", "edit1", applicant},
                                      std::tuple{"slcdw", "edit15", unit}}) {
        const TfrPreparedItem *onCover = Item(Page(0), U(cover));
        const TfrPreparedItem *inTable = Item(Page(1), U(field));
        QVERIFY2(onCover && inTable, cover);
        QCOMPARE(onCover->text, text);
        QCOMPARE(inTable->text, text);
        QVERIFY(!onCover->clipped);
    }
    QCOMPARE(Item(Page(0), U("Memo1"))->text, U("医疗器械产品临床试验方案"));
}

void TestYpzcsqJkPrintout::materialsMarks_data()
{
    QTest::addColumn<QList<int>>("ticked");
    QTest::newRow("none ticked") << QList<int>{};
    QTest::newRow("all ticked") << QList<int>{21, 22, 23, 24, 25, 26, 27, 28, 29, 30};
    QTest::newRow("those that must be submitted") << QList<int>{21, 23, 25, 26, 27, 28, 29, 30};
    QTest::newRow("the second and the last") << QList<int>{22, 30};
}

void TestYpzcsqJkPrintout::materialsMarks()
{
    QFETCH(QList<int>, ticked);
    for (int n : ticked)
        QTest::keyClick(m_form->findChild<QCheckBox *>(QStringLiteral("edit%1").arg(n)), Qt::Key_Space);
    Print();
    double previousTop = -1;
    for (const Material &m : kMaterials) {
        const TfrPreparedItem *box = Item(Page(1), QStringLiteral("edit%1").arg(m.box));
        QVERIFY(box);
        QCOMPARE(box->text, ticked.contains(m.box) ? U("■") : U("□"));
        QVERIFY(box->rect.top() > previousTop);  // in list order, top to bottom
        previousTop = box->rect.top();
        // The item and its mark follow the box on its row, whatever the box shows.
        const QStringList row = TextsOnRowOf(Page(1), *box);
        QCOMPARE(row.size(), 2);
        QVERIFY2(row[0].startsWith(U(m.item)), qPrintable(row.join(QLatin1Char('|'))));
        QCOMPARE(row[1], U(m.mark));
    }
}

void TestYpzcsqJkPrintout::datePartsBeforeTheirWords()
{
    Commit(Edit(U("Edit75")), U("2024"));
    Commit(Edit(U("Edit76")), U("12"));
    Commit(Edit(U("Edit77")), U("31"));
    Print();
    const TfrPreparedItem *words = nullptr;
    for (const TfrPreparedItem &it : Page(0).items)
        if (it.text == U(" 年      月       日"))
            words = &it;
    QVERIFY(words);
    double previousRight = 0;
    for (auto [name, text] : {std::pair{"edit75", "2024"}, std::pair{"edit76", "12"}, std::pair{"edit77", "31"}}) {
        const TfrPreparedItem *part = Item(Page(0), U(name));
        QVERIFY2(part, name);
        QCOMPARE(part->text, U(text));
        QCOMPARE(part->alignment & 3, int(frtaRight));
        QVERIFY(!part->clipped);
        // On the line of 年, 月 and 日, in that order.
        QVERIFY(part->rect.top() <= words->rect.center().y() && words->rect.center().y() <= part->rect.bottom());
        QVERIFY(part->rect.left() >= previousRight);
        previousRight = part->rect.right();
    }
    // The year ends where the words begin.
    QVERIFY(Item(Page(0), U("edit75"))->rect.right() <= words->rect.left() + 1);
}

void TestYpzcsqJkPrintout::notesKeepTheirQuotationMarks()
{
    Print();
    QString note2, note4;
    for (const TfrPreparedItem &it : Page(1).items) {
        if (it.text.startsWith(U("2.表中")))
            note2 = it.text;
        if (it.text.startsWith(U("4.III类产品")))
            note4 = it.text;
    }
    QCOMPARE(note2, U("2.表中\"+\"符号表示必须提交的资料，\"±\"符号表示根据实际情况和审查需要而提交的资料。"));
    QCOMPARE(note4, U("4.III类产品申请\"可供临床试验用证明\"，需提交第1、2、3、6、7、8、9项资料。"));
}

void TestYpzcsqJkPrintout::memosAndFieldsPrintTheirTexts()
{
    auto *memo = m_form->findChild<QPlainTextEdit *>(U("Edit46"));
    memo->setFocus();
    Commit(memo, U("急诊科二十四小时值班"));
    QTest::keyClick(memo, Qt::Key_Return);
    Commit(memo, U("配备除颤仪 [2台]"));
    Commit(Edit(U("Edit31")), U("心电监护仪"));
    Commit(Edit(U("Edit74")), U("心血管内科"));
    auto *box = m_form->findChild<QCheckBox *>(U("edit21"));
    QTest::keyClick(box, Qt::Key_Space);
    Print();
    const TfrPreparedItem *m = Item(Page(2), U("edit46"));
    QVERIFY(m);
    QCOMPARE(m->lines, QStringList({U("急诊科二十四小时值班"), U("配备除颤仪 [2台]")}));
    QCOMPARE(Item(Page(2), U("edit47"))->text, QString());
    QCOMPARE(Item(Page(2), U("edit31"))->text, U("心电监护仪"));
    QCOMPARE(Item(Page(3), U("edit74"))->text, U("心血管内科"));
    QCOMPARE(Item(Page(3), U("edit58"))->text, QString());
    QCOMPARE(Item(Page(1), U("edit21"))->text, U("■"));
}

void TestYpzcsqJkPrintout::rulesDrawn()
{
    Print();
    // Each value of the cover stands on its own fill-in rule.
    for (const char *name : {"scpmc", "ssqdw", "slcdw", "edit75"}) {
        const TfrPreparedItem *value = Item(Page(0), U(name));
        QVERIFY2(value, name);
        bool underlined = false;
        for (const TfrPreparedItem &it : Page(0).items)
            if (it.kind == TfrPreparedItem::Line && it.rect.height() == 0 && it.rect.top() >= value->rect.bottom()
                && it.rect.top() - value->rect.bottom() < 8 && it.rect.left() < value->rect.left() + 10
                && it.rect.right() > value->rect.right() - 60)
                underlined = true;
        QVERIFY2(underlined, name);
    }
    // The one rule at the paper's left edge of the staff sheet is printed, not dropped.
    int atEdge = 0;
    for (const TfrPreparedItem &it : Page(3).items)
        if (it.kind == TfrPreparedItem::Line && it.rect.width() == 0 && it.rect.left() <= 0 && it.rect.height() > 0)
            ++atEdge;
    QCOMPARE(atEdge, 1);
    // Every page is ruled.
    for (int p = 0; p < 4; ++p) {
        int lines = 0;
        for (const TfrPreparedItem &it : Page(p).items)
            lines += it.kind == TfrPreparedItem::Line;
        QVERIFY(lines > 5);
    }
}

void TestYpzcsqJkPrintout::staticTextsFitTheirBoxes()
{
    Print();
    for (int p = 0; p < 4; ++p)
        for (const TfrPreparedItem &it : Page(p).items)
            if (it.kind == TfrPreparedItem::Text && it.objectName.startsWith(QLatin1String("Memo")))
                QVERIFY2(!it.clipped, qPrintable(QStringLiteral("page %1: %2 \"%3\" does not fit")
                                                     .arg(p + 1).arg(it.objectName, it.text)));
}

void TestYpzcsqJkPrintout::printingAgainGivesTheSameFourPages()
{
    Commit(Edit(U("Edit5")), U("导管"));
    Print();
    const QList<TfrPreparedPage> first = m_pages;
    Edit(U("Edit5"))->clear();
    Commit(Edit(U("Edit5")), U("球囊"));
    Print();
    QCOMPARE(m_pages.size(), first.size());
    for (int p = 0; p < 4; ++p)
        QCOMPARE(m_pages[p].items.size(), first[p].items.size());
    QCOMPARE(Item(Page(0), U("scpmc"))->text, U("球囊"));
    QCOMPARE(Item(Page(1), U("edit5"))->text, U("球囊"));
}

QTEST_MAIN(TestYpzcsqJkPrintout)
#include "tst_ypzcsq_jk_printout.moc"
