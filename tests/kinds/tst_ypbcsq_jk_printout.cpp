// The printout of the clinical trial exemption form, through a real window saved and printed: two
// pages of "医疗器械产品临床试验豁免申请表" with the code on both; each value in the row of its
// label; the materials' record marks with the "+" / "±" before them in every case; the report
// and its continuation in their boxes on pages 1 and 2; typical values fit their boxes.

#include "ConfigedBase.h"
#include "Fonts.h"
#include "Kinds.h"
#include "ScriptedPrompter.h"
#include "UIHelper.h"
#include "YPBCSQ_JK.h"
#include "frReport.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
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

// The materials: the box, the item's printed text and the mark printed before the record column.
struct Material {
    const char *box;
    const char *item;
    const char *mark;
};
const Material kMaterials[] = {
    {"edit20", "1、医疗器械产品临床试验豁免申请表", "+"},
    {"edit21", "2、产品注册标准", "+"},
    {"edit22", "3、注册标准技术复核报告", "+"},
    {"edit23", "4、产品使用说明书（含产品实物照片）", "+"},
    {"edit24", "5、已上市同类产品的概述", "+"},
    {"edit25", "6、要求豁免临床试验的医疗器械与上市的器械进行实质性等同对比", "+"},
    {"edit26", "7、其他：", "±"},
};

// Each edit's object with the page it prints on and the printed label of its row.
struct Labelled {
    const char *object;
    int page;
    const char *label;
};
const Labelled kLabelled[] = {
    {"edit1", 0, "企 业 名 称"},
    {"edit2", 0, "企 业 地 址"},
    {"edit3", 0, "邮政编码"},
    {"edit4", 0, "产 品 名 称"},
    {"edit5", 0, "执 行 标 准"},
    {"edit6", 0, "试 产 检 测\r\n报 告 编 号"},
    {"edit7", 0, "产品名称"},
    {"edit8", 0, "规格型号"},
    {"edit9", 0, "生产单位"},
    {"edit10", 0, "注册标准"},
    {"edit11", 0, "注册证号"},
    {"edit12", 0, "联 系 人"},
    {"edit13", 0, "联 系 地 址"},
    {"edit14", 0, "邮政编码"},
    {"edit15", 0, "联 系 电 话"},
    {"edit16", 0, "传   真"},
    {"edit17", 0, "电 子 信 箱"},
    {"edit27", 1, "7、其他："},
};

bool SameRow(const QRectF &a, const QRectF &b)
{
    return a.top() < b.center().y() && b.center().y() < a.bottom() && b.top() < a.center().y()
        && a.center().y() < b.bottom();
}

QStringList DataFiles()
{
    return QDir(TUIHelper::ApplicationDir()).entryList({QStringLiteral("*.qx")}, QDir::Files);
}

}  // namespace

class TestYpbcsqJkPrintout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void twoPagesWithTheCodeOnEach();
    void everyTextOfTheFormFits();
    void valuesPrintInTheRowsOfTheirLabels_data();
    void valuesPrintInTheRowsOfTheirLabels();
    void materialsMarks_data();
    void materialsMarks();
    void reportAndItsContinuation_data();
    void reportAndItsContinuation();
    void typicalValuesFitTheirBoxes_data();
    void typicalValuesFitTheirBoxes();

private:
    // Saves and prints the form; the prepared pages are kept.
    void Print();
    const TfrPreparedItem *Item(int page, const QString &name) const;
    QList<const TfrPreparedItem *> Texts(int page, const QString &text) const;
    // The horizontal rules of the page just above and just below a box.
    QPair<double, double> RowRules(int page, const QRectF &box) const;
    template <class T>
    T *Child(const char *name) const
    {
        return m_form->findChild<T *>(U(name));
    }

    std::unique_ptr<QMdiArea> m_area;
    std::unique_ptr<TScriptedPrompter> m_prompter;
    QPointer<TFrmYPBCSQ_JK> m_form;
    QSet<QString> m_filesBefore;
    QList<TfrPreparedPage> m_pages;
};

void TestYpbcsqJkPrintout::initTestCase()
{
    InstallFontSubstitutions();
    TfrReport::SetPreviewHook([this](TfrReport &report) { m_pages = report.PreparedPages(); });
}

void TestYpbcsqJkPrintout::cleanupTestCase()
{
    TfrReport::SetPreviewHook(nullptr);
}

void TestYpbcsqJkPrintout::init()
{
    const QStringList files = DataFiles();
    m_filesBefore = QSet<QString>(files.begin(), files.end());
    m_prompter = std::make_unique<TScriptedPrompter>();
    m_area = std::make_unique<QMdiArea>();
    m_area->resize(1024, 768);
    m_area->show();
    for (const TKindInfo &kind : AllKinds())
        if (kind.className == QLatin1String("TFrmYPBCSQ_JK"))
            m_form = static_cast<TFrmYPBCSQ_JK *>(kind.create(m_area.get()));
    QVERIFY(m_form);
    m_form->NewApplication();
    QVERIFY(m_prompter->Log.isEmpty());
    m_pages.clear();
}

void TestYpbcsqJkPrintout::cleanup()
{
    QVERIFY2(m_prompter->Unexpected.isEmpty(), qPrintable(m_prompter->Unexpected.join(QLatin1Char('\n'))));
    if (m_form)
        m_form->SkipCloseQuery = true;
    m_area.reset();
    m_prompter.reset();
    QVERIFY(!FrmYPBCSQ_JK);
    for (const QString &file : DataFiles())
        if (!m_filesBefore.contains(file))
            QFile::remove(TUIHelper::ApplicationDir() + file);
}

void TestYpbcsqJkPrintout::Print()
{
    m_prompter->Clear();
    m_form->SaveAndPrint();
    // Only the submission message: every data entry found its report object.
    QCOMPARE(m_prompter->Messages.size(), 1);
    QVERIFY(m_prompter->Messages.first().startsWith(U("已成功生成报盘文件:")));
    QCOMPARE(m_pages.size(), 2);
}

const TfrPreparedItem *TestYpbcsqJkPrintout::Item(int page, const QString &name) const
{
    for (const TfrPreparedItem &item : m_pages[page].items)
        if (item.objectName.compare(name, Qt::CaseInsensitive) == 0)
            return &item;
    return nullptr;
}

QList<const TfrPreparedItem *> TestYpbcsqJkPrintout::Texts(int page, const QString &text) const
{
    QList<const TfrPreparedItem *> found;
    for (const TfrPreparedItem &item : m_pages[page].items)
        if (item.kind == TfrPreparedItem::Text && item.text == text)
            found << &item;
    return found;
}

QPair<double, double> TestYpbcsqJkPrintout::RowRules(int page, const QRectF &box) const
{
    double above = -1, below = 1e9;
    for (const TfrPreparedItem &item : m_pages[page].items) {
        if (item.kind != TfrPreparedItem::Line || item.rect.height() != 0)
            continue;
        if (item.rect.left() > box.center().x() || item.rect.right() < box.center().x())
            continue;
        const double y = item.rect.top();
        if (y <= box.center().y())
            above = std::max(above, y);
        else
            below = std::min(below, y);
    }
    return {above, below};
}

void TestYpbcsqJkPrintout::twoPagesWithTheCodeOnEach()
{
    Print();
    const QString code = Child<QLineEdit>("VerifyCode")->text();
    QCOMPARE(m_pages[0].templatePageName, QString());
    QCOMPARE(m_pages[1].templatePageName, U("Page4"));
    for (const TfrPreparedPage &page : m_pages) {
        QVERIFY(page.portrait);
        QVERIFY(std::abs(page.paperWidth - 2100) <= 1 && std::abs(page.paperHeight - 2970) <= 1);
    }
    QCOMPARE(Texts(0, U("医疗器械产品临床试验豁免申请表")).size(), 1);
    QVERIFY(Texts(0, U("医疗器械产品临床试验豁免申请表")).first()->fontSize > 11);

    // The code line at the foot of each page: the label, then the code, on one line.
    const char *codeObjects[] = {"VerifyCode", "VerifyCode1"};
    for (int p = 0; p < 2; ++p) {
        const TfrPreparedItem *value = Item(p, U(codeObjects[p]));
        QVERIFY(value);
        QCOMPARE(value->text, code);
        QVERIFY(!value->clipped);
        const QList<const TfrPreparedItem *> labels = Texts(p, U("  数据核对码："));
        QCOMPARE(labels.size(), 1);
        QVERIFY(SameRow(labels.first()->rect, value->rect));
        QVERIFY(labels.first()->rect.right() <= value->rect.left());
        QCOMPARE(labels.first()->alignment & 3, int(frtaRight));
        for (const TfrPreparedItem &item : m_pages[p].items)
            QVERIFY2(item.rect.top() <= value->rect.top() || &item == labels.first(),
                     qPrintable(item.objectName + QStringLiteral(" below the code line")));
    }
}

void TestYpbcsqJkPrintout::everyTextOfTheFormFits()
{
    Print();
    // The form's wording: 24 texts on page 1 and 26 on page 2, each whole in its box.
    int texts[2] = {0, 0};
    for (int p = 0; p < 2; ++p)
        for (const TfrPreparedItem &item : m_pages[p].items)
            if (item.kind == TfrPreparedItem::Text && item.objectName.startsWith(QLatin1String("Memo"))) {
                ++texts[p];
                QVERIFY2(!item.clipped, qPrintable(item.objectName + QStringLiteral(" cut off: ") + item.text));
            }
    QCOMPARE(texts[0], 24);
    QCOMPARE(texts[1], 26);
}

void TestYpbcsqJkPrintout::valuesPrintInTheRowsOfTheirLabels_data()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(kLabelled)); ++i)
        QTest::newRow(kLabelled[i].object) << i;
}

void TestYpbcsqJkPrintout::valuesPrintInTheRowsOfTheirLabels()
{
    QFETCH(int, row);
    const Labelled &l = kLabelled[row];
    // Every edit gets a value of its own; the other item's box is ticked for its text.
    for (QLineEdit *edit : m_form->findChildren<QLineEdit *>())
        if (edit->objectName() != QLatin1String("VerifyCode"))
            edit->setText(QStringLiteral("V-") + edit->objectName().toLower());
    Child<QCheckBox>("edit26")->setChecked(true);
    Child<QLineEdit>("edit27")->setText(QStringLiteral("V-edit27"));
    Print();

    const TfrPreparedItem *value = Item(l.page, U(l.object));
    QVERIFY(value);
    QCOMPARE(value->text, QStringLiteral("V-") + U(l.object));
    QVERIFY(!Item(1 - l.page, U(l.object)));
    // Its label stands in the same row, to its left, and is the nearest label on that side.
    const TfrPreparedItem *label = nullptr;
    for (const TfrPreparedItem *candidate : Texts(l.page, U(l.label)))
        if (SameRow(candidate->rect, value->rect) && candidate->rect.right() <= value->rect.left() + 1)
            label = candidate;
    QVERIFY2(label, "no such label in the row of the value");
    for (const TfrPreparedItem &other : m_pages[l.page].items)
        if (other.kind == TfrPreparedItem::Text && &other != label && SameRow(other.rect, value->rect))
            QVERIFY2(!(other.rect.left() > label->rect.left() && other.rect.right() <= value->rect.left() + 1),
                     qPrintable(other.text + QStringLiteral(" stands between")));
}

void TestYpbcsqJkPrintout::materialsMarks_data()
{
    QTest::addColumn<QStringList>("ticked");
    QTest::newRow("none") << QStringList();
    QTest::newRow("all") << QStringList{"edit20", "edit21", "edit22", "edit23", "edit24", "edit25", "edit26"};
    QTest::newRow("first and other") << QStringList{"edit20", "edit26"};
    QTest::newRow("third and sixth") << QStringList{"edit22", "edit25"};
}

void TestYpbcsqJkPrintout::materialsMarks()
{
    QFETCH(QStringList, ticked);
    for (const Material &m : kMaterials)
        Child<QCheckBox>(m.box)->setChecked(ticked.contains(U(m.box)));
    Print();

    QList<const TfrPreparedItem *> marksSeen;
    for (const Material &m : kMaterials) {
        const TfrPreparedItem *record = Item(1, U(m.box));
        QVERIFY2(record, m.box);
        QCOMPARE(record->text, ticked.contains(U(m.box)) ? U("■") : U("□"));
        QVERIFY(!record->clipped);
        QVERIFY(!Item(0, U(m.box)));

        // The row between its rules holds the item's text, then the mark, then the record.
        const auto [top, bottom] = RowRules(1, record->rect);
        auto inRow = [&, top = top, bottom = bottom](const TfrPreparedItem *item) {
            return item->rect.center().y() > top && item->rect.center().y() < bottom;
        };
        const TfrPreparedItem *item = nullptr;
        for (const TfrPreparedItem *candidate : Texts(1, U(m.item)))
            if (inRow(candidate))
                item = candidate;
        QVERIFY2(item, m.item);
        QVERIFY(!item->clipped);
        const TfrPreparedItem *mark = nullptr;
        for (const TfrPreparedItem *candidate : Texts(1, U(m.mark)))
            if (inRow(candidate))
                mark = candidate;
        QVERIFY2(mark, m.box);
        QVERIFY(item->rect.left() < mark->rect.left());
        QVERIFY(mark->rect.right() <= record->rect.left());
        // The mark column is ruled off on both sides.
        int rulesLeft = 0, rulesBetween = 0;
        for (const TfrPreparedItem &line : m_pages[1].items) {
            if (line.kind != TfrPreparedItem::Line || line.rect.width() != 0)
                continue;
            if (line.rect.top() > mark->rect.top() || line.rect.bottom() < mark->rect.bottom())
                continue;
            const double x = line.rect.left();
            if (x <= mark->rect.left() && x > item->rect.left())
                ++rulesLeft;
            if (x >= mark->rect.right() && x <= record->rect.left())
                ++rulesBetween;
        }
        QCOMPARE(rulesLeft, 1);
        QCOMPARE(rulesBetween, 1);
        marksSeen << mark;
    }
    // The heading row has its "+" too: eight marks in the column, each once.
    const QList<const TfrPreparedItem *> pluses = Texts(1, U("+"));
    QCOMPARE(pluses.size(), 7);
    QCOMPARE(Texts(1, U("±")).size(), 1);
    for (const TfrPreparedItem *plus : pluses)
        QCOMPARE(plus->fontSize, 14.0);
}

void TestYpbcsqJkPrintout::reportAndItsContinuation_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    const QString sentence = U("本产品与已上市同类产品在结构组成、主要材料、性能指标和预期用途上实质性等同。");
    QTest::newRow("700 characters on each page, the limit the notes give")
        << sentence.repeated(20).left(700) << sentence.repeated(20).mid(3, 700);
    QTest::newRow("paragraphs with empty lines")
        << U("一、申请理由\n\n") + sentence + U("\n二、等同性对比\n") + sentence
        << U("三、结论 [附表1]\n") + sentence;
    QTest::newRow("first page only") << sentence << QString();
}

void TestYpbcsqJkPrintout::reportAndItsContinuation()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    Child<QPlainTextEdit>("Edit18")->setPlainText(first);
    Child<QPlainTextEdit>("edit19")->setPlainText(second);
    Print();

    const TfrPreparedItem *report = Item(0, U("edit18"));
    const TfrPreparedItem *continued = Item(1, U("edit19"));
    QVERIFY(report && continued);
    QVERIFY(!Item(1, U("edit18")) && !Item(0, U("edit19")));
    for (auto [item, text] : {std::pair{report, first}, std::pair{continued, second}}) {
        QCOMPARE(item->text, QString(text).replace(QLatin1Char('\n'), U("\r\n")));
        QVERIFY2(!item->clipped, qPrintable(item->objectName + QStringLiteral(" cut off")));
        QCOMPARE(item->lines.join(QString()).remove(QLatin1Char(' ')), QString(text).remove(QLatin1Char('\n')).remove(QLatin1Char(' ')));
        QCOMPARE(item->alignment & frtaMiddle, 0);  // from the top of its box
    }
    // The report's heading stands above its box on page 1; the continuation's on page 2.
    const QList<const TfrPreparedItem *> heading
        = Texts(0, U("申 请 报 告：（按照医疗器械产品豁免临床试验要求编写申请报告）"));
    QCOMPARE(heading.size(), 1);
    QVERIFY(heading.first()->rect.bottom() <= report->rect.top());
    const QList<const TfrPreparedItem *> headingContinued = Texts(1, U("申 请 报 告（续）:"));
    QCOMPARE(headingContinued.size(), 1);
    QVERIFY(headingContinued.first()->bold);
    QVERIFY(headingContinued.first()->rect.bottom() <= continued->rect.top());
}

void TestYpbcsqJkPrintout::typicalValuesFitTheirBoxes_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("value");
    QTest::newRow("enterprise") << U("Edit1") << U("上海某某医疗器械科技股份有限公司第一分公司");
    QTest::newRow("enterprise address") << U("Edit2") << U("上海市浦东新区张江高科技园区科苑路 88 号 5 幢");
    QTest::newRow("postcode") << U("Edit3") << U("201203");
    QTest::newRow("product") << U("Edit4") << U("一次性使用无菌注射器（带针）");
    QTest::newRow("standard") << U("Edit5") << U("YZB/沪 0123-2005《一次性使用无菌注射器》");
    QTest::newRow("test report") << U("Edit6") << U("（2005）沪械检字第 SH-2005-01234 号");
    QTest::newRow("comparable product") << U("Edit7") << U("一次性使用无菌注射器");
    QTest::newRow("model, one line") << U("Edit8") << U("1ml、2ml、5ml、10ml、20ml、50ml");
    QTest::newRow("manufacturer") << U("Edit9") << U("江苏某某医疗用品有限公司");
    QTest::newRow("registered standard") << U("Edit10") << U("GB 15810-2001");
    QTest::newRow("registration number") << U("Edit11") << U("苏食药监械（准）字2004第2660123号");
    QTest::newRow("contact") << U("Edit12") << U("张三");
    QTest::newRow("contact address") << U("Edit13") << U("上海市浦东新区科苑路 88 号");
    QTest::newRow("contact postcode") << U("Edit14") << U("201203");
    QTest::newRow("phone") << U("Edit15") << U("021-58881234 转 8001");
    QTest::newRow("fax") << U("Edit16") << U("021-58881235");
    QTest::newRow("e-mail") << U("Edit17") << U("regulatory@example-medical.com.cn");
    QTest::newRow("other material") << U("edit27") << U("产品型式检验报告及临床文献资料");
}

void TestYpbcsqJkPrintout::typicalValuesFitTheirBoxes()
{
    QFETCH(QString, edit);
    QFETCH(QString, value);
    if (edit == U("edit27"))
        Child<QCheckBox>("edit26")->setChecked(true);
    m_form->findChild<QLineEdit *>(edit)->setText(value);
    Print();
    const TfrPreparedItem *item = Item(0, edit);
    if (!item)
        item = Item(1, edit);
    QVERIFY(item);
    QCOMPARE(item->text, value);
    QVERIFY2(!item->clipped, qPrintable(item->lines.join(QLatin1Char('|'))));
}

QTEST_MAIN(TestYpbcsqJkPrintout)
#include "tst_ypbcsq_jk_printout.moc"
