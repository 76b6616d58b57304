// The printout of the reports application, through the prepared pages of "打印保存(&P)": two A4
// pages with two copies offered and the code on each, the marks of the application kinds and of
// the submitted materials after their texts, the other kind and the other material after theirs,
// the report and its continuation in their boxes, and no attachment page.

#include "ConfigedBase.h"
#include "Fonts.h"
#include "Kinds.h"
#include "ScriptedPrompter.h"
#include "UIHelper.h"
#include "YPBCSQ_N.h"
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
#include <QStringEncoder>
#include <QtTest>

#include <memory>

namespace {

QString U(const char *text)
{
    return QString::fromUtf8(text);
}

struct Mark {
    const char *box;
    const char *printed;  // the printed text the mark follows
};

const Mark kKindMarks[] = {
    {"edit6", "1. 注册分类申请"},
    {"edit7", "2.直接准产申请"},
    {"edit8", "3. 注册单元申请"},
    {"edit9", "4. 说明书变更"},
    {"edit10", "5. 有关文件规定的申请"},
};

const Mark kMaterialMarks[] = {
    {"edit20", "1.医疗器械报告申请表"},
    {"edit21", "2.产品使用说明（包括产品名称、结构组成、机械结构图或电气原理图、作用原理、预期使用目的、对产品的风险分析）"},
    {"edit22", "3.产品说明书（含实物照片）"},
    {"edit23", "4．产品注册标准"},
    {"edit24", "5．（原）产品注册证及认可表"},
    {"edit25", "6．质量体系考核证明"},
    {"edit26", "7．相关的文献资料或证明文件"},
    {"edit28", "8.其他："},
};

const char *const kReportHeading = "申请报告：（报告必须包括以下内容：1、标题；2、报告事由;3、日期）";
const char *const kContinuedHeading = "申请报告（续）:";
const char *const kSeal = "申请企业（盖章）：";
const char *const kCodeLabel = "  数据核对码：";
const char *const kRecordHeading = "企业提交材料记录";

void TypeChinese(QWidget *edit, const QString &text)
{
    QVERIFY(edit);
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(edit, &event);
}

// The item drawn for the object of that name (letter case ignored), or nullptr.
const TfrPreparedItem *Object(const TfrPreparedPage &page, const QString &name)
{
    for (const TfrPreparedItem &item : page.items)
        if (item.kind == TfrPreparedItem::Text && item.objectName.compare(name, Qt::CaseInsensitive) == 0)
            return &item;
    return nullptr;
}

// The one static text of the page with exactly that text, or nullptr.
const TfrPreparedItem *StaticText(const TfrPreparedPage &page, const QString &text)
{
    const TfrPreparedItem *found = nullptr;
    for (const TfrPreparedItem &item : page.items) {
        if (item.kind != TfrPreparedItem::Text || item.text != text
            || !item.objectName.startsWith(QLatin1String("Memo")))
            continue;
        if (found)
            return nullptr;
        found = &item;
    }
    return found;
}

// Two boxes on one printed line: each one's middle lies within the other's height.
bool SameLine(const QRectF &a, const QRectF &b)
{
    return a.top() <= b.center().y() && b.center().y() <= a.bottom() && b.top() <= a.center().y()
        && a.center().y() <= b.bottom();
}

// The static texts and data objects of a page that stand on the line of `of`, left of it.
QList<const TfrPreparedItem *> LeftOnLine(const TfrPreparedPage &page, const TfrPreparedItem &of)
{
    QList<const TfrPreparedItem *> left;
    for (const TfrPreparedItem &item : page.items)
        if (&item != &of && item.kind == TfrPreparedItem::Text && SameLine(item.rect, of.rect)
            && item.rect.left() < of.rect.left())
            left << &item;
    std::sort(left.begin(), left.end(),
              [](const TfrPreparedItem *a, const TfrPreparedItem *b) { return a->rect.left() > b->rect.left(); });
    return left;
}

QStringList DataFiles()
{
    return QDir(TUIHelper::ApplicationDir()).entryList({QStringLiteral("*.qx")}, QDir::Files);
}

}  // namespace

class TestYpbcsqNPrintout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void twoPagesTwoCopiesCodeOnEach();
    void applicationKindMarks_data();
    void applicationKindMarks();
    void materialMarks_data();
    void materialMarks();
    void reportAndContinuationInTheirBoxes_data();
    void reportAndContinuationInTheirBoxes();
    void longEnterpriseNameAddsNoAttachment();

private:
    void Print();
    void Tick(const char *box);
    void CheckMarks(const TfrPreparedPage &page, const QList<Mark> &marks, const QStringList &ticked);
    template <class T>
    T *Child(const char *name) const
    {
        return m_form ? m_form->findChild<T *>(U(name)) : nullptr;
    }

    std::unique_ptr<QMdiArea> m_area;
    std::unique_ptr<TScriptedPrompter> m_prompter;
    QPointer<TFrmYPBCSQ_N> m_form;
    QSet<QString> m_filesBefore;
    QList<TfrPreparedPage> m_pages;
    int m_copies = 0;
    int m_previews = 0;
};

void TestYpbcsqNPrintout::initTestCase()
{
    InstallFontSubstitutions();
    TfrReport::SetPreviewHook([this](TfrReport &report) {
        ++m_previews;
        m_pages = report.PreparedPages();
        m_copies = report.DefaultCopies;
    });
}

void TestYpbcsqNPrintout::cleanupTestCase()
{
    TfrReport::SetPreviewHook(nullptr);
}

void TestYpbcsqNPrintout::init()
{
    const QStringList files = DataFiles();
    m_filesBefore = QSet<QString>(files.begin(), files.end());
    m_prompter = std::make_unique<TScriptedPrompter>();
    m_area = std::make_unique<QMdiArea>();
    m_area->resize(1024, 768);
    m_area->show();
    for (const TKindInfo &kind : AllKinds())
        if (kind.className == QLatin1String("TFrmYPBCSQ_N"))
            m_form = static_cast<TFrmYPBCSQ_N *>(kind.create(m_area.get()));
    QVERIFY(m_form);
    m_form->NewApplication();
    QVERIFY(m_prompter->Log.isEmpty());
    m_pages.clear();
    m_previews = 0;
}

void TestYpbcsqNPrintout::cleanup()
{
    QVERIFY2(m_prompter->Unexpected.isEmpty(), qPrintable(m_prompter->Unexpected.join(QLatin1Char('\n'))));
    if (m_form)
        m_form->SkipCloseQuery = true;
    m_area.reset();
    m_prompter.reset();
    QVERIFY(!FrmYPBCSQ_N);
    for (const QString &file : DataFiles())
        if (!m_filesBefore.contains(file))
            QFile::remove(TUIHelper::ApplicationDir() + file);
}

// "打印保存(&P)": the data file, its message, then the prepared pages.
void TestYpbcsqNPrintout::Print()
{
    m_prompter->Clear();
    m_form->SaveAndPrint();
    QCOMPARE(m_prompter->Messages.size(), 1);
    QVERIFY(m_prompter->Messages.first().startsWith(U("已成功生成报盘文件:")));
    QCOMPARE(m_previews, 1);
    QCOMPARE(m_pages.size(), 2);
}

void TestYpbcsqNPrintout::Tick(const char *name)
{
    auto *box = Child<QCheckBox>(name);
    QVERIFY2(box, name);
    QTest::keyClick(box, Qt::Key_Space);
    QVERIFY2(box->isChecked(), name);
}

// Each box's mark stands right after its printed text, on its line: "■" when ticked, "□" when
// not.
void TestYpbcsqNPrintout::CheckMarks(const TfrPreparedPage &page, const QList<Mark> &marks,
                                     const QStringList &ticked)
{
    for (const Mark &m : marks) {
        const TfrPreparedItem *mark = Object(page, U(m.box));
        QVERIFY2(mark, m.box);
        QCOMPARE(mark->text, ticked.contains(U(m.box)) ? U("■") : U("□"));
        QVERIFY2(!mark->clipped, m.box);
        const TfrPreparedItem *text = StaticText(page, U(m.printed));
        QVERIFY2(text, m.printed);
        QVERIFY2(!text->clipped, m.printed);
        const QList<const TfrPreparedItem *> left = LeftOnLine(page, *mark);
        QVERIFY2(left.contains(text), qPrintable(QStringLiteral("%1 is not on the line of %2, left of it")
                                                     .arg(U(m.printed), U(m.box))));
        // Nothing but the other-material text comes between the text and its mark.
        for (const TfrPreparedItem *between : left) {
            if (between == text)
                break;
            QCOMPARE(between->objectName, U("edit27"));
        }
    }
}

void TestYpbcsqNPrintout::twoPagesTwoCopiesCodeOnEach()
{
    const QString code = Child<QLineEdit>("VerifyCode")->text();
    Print();
    QCOMPARE(m_copies, 2);
    QCOMPARE(m_pages.at(0).templatePageName, QString());
    QCOMPARE(m_pages.at(1).templatePageName, U("Page4"));
    for (const TfrPreparedPage &page : std::as_const(m_pages)) {
        QVERIFY(page.portrait);
        QVERIFY(std::abs(page.paperWidth - 2100) <= 1 && std::abs(page.paperHeight - 2970) <= 1);
        // Nothing of the page is cut off or reaches past the paper.
        const QRectF paper(0, 0, page.paperWidth / 254.0 * frUnitsPerInch,
                           page.paperHeight / 254.0 * frUnitsPerInch);
        for (const TfrPreparedItem &item : page.items) {
            QVERIFY2(item.rect.left() >= 0 && item.rect.top() >= 0 && item.rect.right() <= paper.right()
                         && item.rect.bottom() <= paper.bottom(),
                     qPrintable(item.objectName));
            QVERIFY2(!item.clipped, qPrintable(item.objectName));
        }
    }
    // The code under the table of each page, after its label.
    for (int i = 0; i < 2; ++i) {
        const TfrPreparedItem *codeItem = Object(m_pages.at(i), i == 0 ? U("VerifyCode") : U("VerifyCode1"));
        QVERIFY(codeItem);
        QCOMPARE(codeItem->text, code);
        const TfrPreparedItem *label = StaticText(m_pages.at(i), U(kCodeLabel));
        QVERIFY(label);
        QCOMPARE(label->fontSize, 8.0);
        QVERIFY(LeftOnLine(m_pages.at(i), *codeItem).value(0) == label);
        for (const TfrPreparedItem &item : m_pages.at(i).items)
            if (item.objectName.startsWith(QLatin1String("Memo")) && item.objectName != label->objectName)
                QVERIFY2(item.rect.bottom() <= label->rect.top(), qPrintable(item.objectName));
    }
}

void TestYpbcsqNPrintout::applicationKindMarks_data()
{
    QTest::addColumn<QStringList>("ticked");
    QTest::addColumn<QString>("otherKind");
    QTest::newRow("direct production and instructions") << QStringList{"edit7", "edit9"} << U("延续注册");
    QTest::newRow("none") << QStringList() << QString();
    QTest::newRow("all five") << QStringList{"edit6", "edit7", "edit8", "edit9", "edit10"} << U("其他申请");
    QTest::newRow("left column") << QStringList{"edit6", "edit8", "edit10"} << U("Class II");
}

void TestYpbcsqNPrintout::applicationKindMarks()
{
    QFETCH(QStringList, ticked);
    QFETCH(QString, otherKind);
    for (const QString &box : ticked)
        Tick(box.toLatin1().constData());
    TypeChinese(Child<QLineEdit>("edit11"), otherKind);
    Print();
    const TfrPreparedPage &page = m_pages.at(0);
    CheckMarks(page, QList<Mark>(std::begin(kKindMarks), std::end(kKindMarks)), ticked);

    // The typed kind 6 after "6. 其他", whole.
    const TfrPreparedItem *other = Object(page, U("edit11"));
    QVERIFY(other);
    QCOMPARE(other->text, otherKind);
    QVERIFY(!other->clipped);
    QCOMPARE(other->lines.size(), otherKind.isEmpty() ? 0 : 1);
    const TfrPreparedItem *six = StaticText(page, U("6. 其他"));
    QVERIFY(six);
    QCOMPARE(LeftOnLine(page, *other).value(0), six);
    // Kind 6 stands right of kind 5, on its line.
    QVERIFY(LeftOnLine(page, *six).contains(Object(page, U("edit10"))));
}

void TestYpbcsqNPrintout::materialMarks_data()
{
    QTest::addColumn<QStringList>("ticked");
    QTest::addColumn<QString>("otherMaterial");
    QTest::newRow("first, third and other") << QStringList{"edit20", "edit22", "edit28"} << U("产品检测报告");
    QTest::newRow("none") << QStringList() << QString();
    QTest::newRow("all") << QStringList{"edit20", "edit21", "edit22", "edit23", "edit24", "edit25", "edit26", "edit28"}
                         << U("临床评价资料及境外上市证明");
    QTest::newRow("all but the other") << QStringList{"edit20", "edit21", "edit22", "edit23", "edit24", "edit25", "edit26"}
                                       << QString();
}

void TestYpbcsqNPrintout::materialMarks()
{
    QFETCH(QStringList, ticked);
    QFETCH(QString, otherMaterial);
    for (const QString &box : ticked)
        Tick(box.toLatin1().constData());
    if (!otherMaterial.isEmpty())
        TypeChinese(Child<QLineEdit>("Edit27"), otherMaterial);
    Print();
    const TfrPreparedPage &page = m_pages.at(1);
    CheckMarks(page, QList<Mark>(std::begin(kMaterialMarks), std::end(kMaterialMarks)), ticked);

    // The marks stand in the record column, under its heading.
    const TfrPreparedItem *record = StaticText(page, U(kRecordHeading));
    QVERIFY(record);
    QVERIFY(!record->clipped);
    for (const Mark &m : kMaterialMarks) {
        const QRectF r = Object(page, U(m.box))->rect;
        QVERIFY2(r.top() >= record->rect.bottom(), m.box);
        QVERIFY2(r.left() >= record->rect.left() && r.right() <= record->rect.right() + 10, m.box);
    }
    // The other material between "8.其他：" and its mark.
    const TfrPreparedItem *other = Object(page, U("edit27"));
    QVERIFY(other);
    QCOMPARE(other->text, otherMaterial);
    QVERIFY(!other->clipped);
    QCOMPARE(LeftOnLine(page, *other).value(0), StaticText(page, U("8.其他：")));
    QCOMPARE(LeftOnLine(page, *Object(page, U("edit28"))).value(0), other);
}

void TestYpbcsqNPrintout::reportAndContinuationInTheirBoxes_data()
{
    QTest::addColumn<QString>("report");     // as typed, lines separated by CR LF
    QTest::addColumn<QString>("continued");
    QTest::newRow("a letter")
        << U("关于产品说明书变更的报告\r\n事由：补充禁忌症。\r\n日期：2006年2月12日") << U("附：变更对照表。");
    QTest::newRow("as long as the notes allow") << U("报").repeated(800) << U("续").repeated(700);
    QTest::newRow("no continuation") << U("报告正文") << QString();
}

void TestYpbcsqNPrintout::reportAndContinuationInTheirBoxes()
{
    QFETCH(QString, report);
    QFETCH(QString, continued);
    Child<QPlainTextEdit>("Edit18")->setPlainText(QString(report).replace(U("\r\n"), U("\n")));
    Child<QPlainTextEdit>("edit19")->setPlainText(QString(continued).replace(U("\r\n"), U("\n")));
    Print();

    // Page 1: below its heading, above the code line; printed whole.
    const TfrPreparedPage &first = m_pages.at(0);
    const TfrPreparedItem *edit18 = Object(first, U("Edit18"));
    QVERIFY(edit18);
    QCOMPARE(edit18->text, report);
    QVERIFY(!edit18->clipped);
    QCOMPARE(edit18->alignment & 0x18, 0);  // from the top of its box
    const TfrPreparedItem *heading = StaticText(first, U(kReportHeading));
    QVERIFY(heading);
    QVERIFY(edit18->rect.top() >= heading->rect.bottom());
    QVERIFY(edit18->rect.bottom() <= StaticText(first, U(kCodeLabel))->rect.top());
    QVERIFY(edit18->rect.width() > 500);

    // Page 2: below "申请报告（续）:", above the seal line.
    const TfrPreparedPage &second = m_pages.at(1);
    const TfrPreparedItem *edit19 = Object(second, U("edit19"));
    QVERIFY(edit19);
    QCOMPARE(edit19->text, continued);
    QVERIFY(!edit19->clipped);
    QCOMPARE(edit19->alignment & 0x18, 0);
    const TfrPreparedItem *continuedHeading = StaticText(second, U(kContinuedHeading));
    QVERIFY(continuedHeading);
    QVERIFY(continuedHeading->bold);
    QVERIFY(edit19->rect.top() >= continuedHeading->rect.bottom());
    QVERIFY(edit19->rect.bottom() <= StaticText(second, U(kSeal))->rect.top());
    QVERIFY(edit19->rect.width() > 500);
}

void TestYpbcsqNPrintout::longEnterpriseNameAddsNoAttachment()
{
    // Longer than the 70 bytes after which some kinds move a text to an attachment page.
    const QString name = U("上海市浦东新区某某某医疗器械科技发展有限公司张江高科技园区第二分公司（筹）");
    QVERIFY(QByteArray(QStringEncoder("GB18030").encode(name)).size() > 70);
    TypeChinese(Child<QLineEdit>("Edit1"), name);
    Print();
    QCOMPARE(Object(m_pages.at(0), U("edit1"))->text, name);
    for (const TfrPreparedPage &page : std::as_const(m_pages))
        QVERIFY(page.templatePageName != U("newadd"));
    QCOMPARE(m_form->Report->Pages().Count(), 2);
}

QTEST_MAIN(TestYpbcsqNPrintout)
#include "tst_ypbcsq_n_printout.moc"
