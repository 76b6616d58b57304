// The printout of the change and re-issue form, as "打印保存(&P)" prepares it from the real window:
// two pages, each value in its object, the change items' and materials' marks after their texts,
// the description memos with their line breaks, postal codes and the telephone on one line, and
// the same data check code on both pages.

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
#include <QPlainTextEdit>
#include <QPointer>
#include <QSet>
#include <QtTest>

#include <memory>

using namespace formfixture;

namespace {

QString U(const char *text)
{
    return QString::fromUtf8(text);
}

const QString kFilled = QStringLiteral("■");
const QString kEmpty = QStringLiteral("□");

void TypeChinese(QWidget *edit, const QString &text)
{
    QVERIFY(edit);
    edit->setFocus();
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(edit, &event);
}

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

const TfrPreparedItem *Find(const TfrPreparedPage &page, const QString &name)
{
    for (const TfrPreparedItem &item : page.items)
        if (item.objectName.compare(name, Qt::CaseInsensitive) == 0)
            return &item;
    return nullptr;
}

// The static text of a page that reads exactly so.
const TfrPreparedItem *FindText(const TfrPreparedPage &page, const QString &text)
{
    const TfrPreparedItem *found = nullptr;
    for (const TfrPreparedItem &item : page.items)
        if (item.kind == TfrPreparedItem::Text && item.objectName.startsWith(QLatin1String("Memo"))
            && item.text == text)
            found = found ? nullptr : &item;  // two of them: no answer
    return found;
}

bool SameLine(const QRectF &a, const QRectF &b)
{
    return a.top() < b.bottom() && b.top() < a.bottom();
}

}  // namespace

class TestYpbcsqPrintout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void twoPagesWithTheCodeOnBoth();
    void changeItemMarksFollowTheirTexts_data();
    void changeItemMarksFollowTheirTexts();
    void materialMarksInTheRecordColumn();
    void descriptionKeepsItsLineBreaks();
    void postcodesAndTelephoneStayOnOneLine_data();
    void postcodesAndTelephoneStayOnOneLine();
    void everyValueInItsObject();
    void dataObjectsShowTheirNamesUntilFilled();

private:
    void NewForm();
    void Print();
    template <class T>
    T *Child(const char *name) const
    {
        return FrmYPBCSQ ? FrmYPBCSQ->findChild<T *>(U(name)) : nullptr;
    }
    void Tick(const char *box);

    std::unique_ptr<TScriptedPrompter> m_prompter;
    QPointer<TFrmMain> m_main;
    QSet<QString> m_filesBefore;
    QList<TfrPreparedPage> m_pages;
    int m_previews = 0;
};

void TestYpbcsqPrintout::initTestCase()
{
    InstallFontSubstitutions();
    TfrReport::SetPreviewHook([this](TfrReport &report) {
        ++m_previews;
        m_pages = report.PreparedPages();
    });
}

void TestYpbcsqPrintout::cleanupTestCase()
{
    TfrReport::SetPreviewHook(nullptr);
}

void TestYpbcsqPrintout::init()
{
    const QStringList files = DataFilesBesideExecutable();
    m_filesBefore = QSet<QString>(files.begin(), files.end());
    m_prompter = std::make_unique<TScriptedPrompter>();
    m_main = new TFrmMain;
    FrmMain = m_main;
    m_main->resize(1024, 768);
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main));
    m_pages.clear();
    m_previews = 0;
}

void TestYpbcsqPrintout::cleanup()
{
    QVERIFY2(m_prompter->Unexpected.isEmpty(), qPrintable(m_prompter->Unexpected.join(QLatin1Char('\n'))));
    CloseAllForms();
    delete m_main;
    FlushDeletes();
    m_prompter.reset();
    QVERIFY(!FrmYPBCSQ);
    for (const QString &file : DataFilesBesideExecutable())
        if (!m_filesBefore.contains(file))
            QFile::remove(TUIHelper::ApplicationDir() + file);
}

void TestYpbcsqPrintout::NewForm()
{
    m_main->N3Click(nullptr);
    QVERIFY(FrmYPBCSQ);
}

// "打印保存(&P)": the submission message and nothing else, then the preview.
void TestYpbcsqPrintout::Print()
{
    m_prompter->Clear();
    auto *report = m_main->findChild<QAction *>(QStringLiteral("mnuReport"));
    QVERIFY(report);
    report->trigger();
    QCOMPARE(m_prompter->Messages.size(), 1);
    QVERIFY2(m_prompter->Messages.first().startsWith(U("已成功生成报盘文件:")),
             qPrintable(m_prompter->Messages.join(QLatin1Char('\n'))));
    QCOMPARE(m_previews, 1);
    QCOMPARE(m_pages.size(), 2);
}

void TestYpbcsqPrintout::Tick(const char *name)
{
    auto *box = Child<QCheckBox>(name);
    QVERIFY2(box, name);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Space);
    QVERIFY2(box->isChecked(), name);
}

void TestYpbcsqPrintout::twoPagesWithTheCodeOnBoth()
{
    NewForm();
    Print();
    const QString code = Child<QLineEdit>("VerifyCode")->text();
    QVERIFY(kCodePattern.match(code).hasMatch());
    QCOMPARE(m_pages[0].templatePageName, QString());
    QCOMPARE(m_pages[1].templatePageName, U("Page4"));
    for (int p = 0; p < 2; ++p) {
        QCOMPARE(QSize(m_pages[p].paperWidth, m_pages[p].paperHeight), QSize(2101, 2969));
        QVERIFY(m_pages[p].portrait);
        const TfrPreparedItem *object = Find(m_pages[p], p == 0 ? U("VerifyCode") : U("VerifyCode1"));
        QVERIFY(object);
        QCOMPARE(object->text, code);
        QVERIFY(!object->clipped);
        // The label of the code line ends just left of the code, on the same line, at the foot.
        const TfrPreparedItem *label = FindText(m_pages[p], U("  数据核对码："));
        QVERIFY(label);
        QVERIFY(SameLine(label->rect, object->rect));
        QVERIFY(label->rect.right() <= object->rect.left());
        QVERIFY(object->rect.left() - label->rect.right() < 10);
        QVERIFY(label->alignment & frtaRight);
        for (const TfrPreparedItem &item : m_pages[p].items)
            if (item.objectName != object->objectName && item.objectName != label->objectName)
                QVERIFY2(item.rect.top() < object->rect.top(), qPrintable(item.objectName));
    }
    // The title on the first page.
    const TfrPreparedItem *title = FindText(m_pages[0], U("上海市医疗器械产品注册证变更申请表"));
    QVERIFY(title);
    QCOMPARE(title->fontName, U("黑体"));
    QCOMPARE(title->fontSize, 18.0);
}

void TestYpbcsqPrintout::changeItemMarksFollowTheirTexts_data()
{
    QTest::addColumn<QStringList>("ticked");
    QTest::newRow("none") << QStringList();
    QTest::newRow("items 2 and 4") << QStringList{"edit4", "edit6"};
    QTest::newRow("items 1 and 3") << QStringList{"edit3", "edit5"};
    QTest::newRow("all four") << QStringList{"edit3", "edit4", "edit5", "edit6"};
}

void TestYpbcsqPrintout::changeItemMarksFollowTheirTexts()
{
    QFETCH(QStringList, ticked);
    NewForm();
    for (const QString &box : ticked)
        Tick(box.toLatin1().constData());
    TypeChinese(Child<QLineEdit>("Edit7"), U("生产场所名称变更"));
    Print();
    const TfrPreparedPage &page = m_pages[0];
    const struct { const char *text; const char *mark; } items[] = {
        {"1. 注册产品名称", "edit3"}, {"2. 生产企业名称", "edit4"},
        {"3. 生产企业地址", "edit5"}, {"4. 注册产品规格型号", "edit6"},
        {"5. 其他", "edit7"},
    };
    for (const auto &i : items) {
        const TfrPreparedItem *text = FindText(page, U(i.text));
        const TfrPreparedItem *mark = Find(page, U(i.mark));
        QVERIFY2(text && mark, i.text);
        QVERIFY2(SameLine(text->rect, mark->rect), i.text);
        QVERIFY2(text->rect.right() <= mark->rect.left() + 0.5, i.text);
        QVERIFY2(!mark->clipped, i.mark);
    }
    for (const char *box : {"edit3", "edit4", "edit5", "edit6"})
        QCOMPARE(Find(page, U(box))->text, ticked.contains(U(box)) ? kFilled : kEmpty);
    QCOMPARE(Find(page, U("edit7"))->text, U("生产场所名称变更"));
    // The items sit in the row of "变 更 项 目", the first two on one line and the next two below.
    const TfrPreparedItem *heading = FindText(page, U("变 更 项 目"));
    QVERIFY(heading);
    for (const auto &i : items)
        QVERIFY(heading->rect.top() <= FindText(page, U(i.text))->rect.top()
                && FindText(page, U(i.text))->rect.bottom() <= heading->rect.bottom() + 0.5);
    QVERIFY(SameLine(Find(page, U("edit3"))->rect, Find(page, U("edit4"))->rect));
    QVERIFY(SameLine(Find(page, U("edit5"))->rect, Find(page, U("edit6"))->rect));
    QVERIFY(Find(page, U("edit3"))->rect.bottom() <= Find(page, U("edit5"))->rect.top());
}

void TestYpbcsqPrintout::materialMarksInTheRecordColumn()
{
    NewForm();
    for (const char *box : {"edit22", "edit30", "edit25"})
        Tick(box);
    TypeChinese(Child<QLineEdit>("Edit26"), U("产品标准"));
    Print();
    const TfrPreparedPage &page = m_pages[1];
    const TfrPreparedItem *recordHeading = FindText(page, U("企业提交材料记录"));
    QVERIFY(recordHeading);
    const struct { const char *text; const char *box; bool ticked; } rows[] = {
        {"1、上海市医疗器械产品注册证变更申请表", "edit21", false},
        {"2、原产品注册证及认可表", "edit22", true},
        {"3、新生产企业许可证或备案表", "edit23", false},
        {"4、相关的证明文件", "edit24", false},
        {"5、产品使用说明书", "edit30", true},
        {"6、其他：", "edit25", true},
    };
    double previousBottom = recordHeading->rect.bottom();
    for (const auto &r : rows) {
        const TfrPreparedItem *text = FindText(page, U(r.text));
        const TfrPreparedItem *mark = Find(page, U(r.box));
        QVERIFY2(text && mark, r.text);
        QCOMPARE(mark->text, r.ticked ? kFilled : kEmpty);
        QVERIFY2(SameLine(text->rect, mark->rect), r.text);
        // Under the record column's heading, in list order.
        QVERIFY2(mark->rect.left() >= recordHeading->rect.left() - 4, r.box);
        QVERIFY2(mark->rect.top() >= previousBottom - 0.5, r.box);
        previousBottom = mark->rect.bottom();
    }
    // The other material's name on its line after "6、其他：", left of the record column.
    const TfrPreparedItem *other = Find(page, U("edit26"));
    const TfrPreparedItem *otherText = FindText(page, U("6、其他："));
    QCOMPARE(other->text, U("产品标准"));
    QVERIFY(SameLine(other->rect, otherText->rect));
    QVERIFY(otherText->rect.right() <= other->rect.left() + 0.5);
    QVERIFY(other->rect.right() < recordHeading->rect.left());
}

void TestYpbcsqPrintout::descriptionKeepsItsLineBreaks()
{
    NewForm();
    const QString description = U("一、生产企业名称由“上海甲医疗器械有限公司”变更为“上海乙医疗器械有限公司”。\n"
                                  "\n"
                                  "二、原因：企业改制，见[2024]第3号文件。");
    const QString continued = U("三、规格型号增加 5ml、10ml 两种。\n四、其余不变。");
    TypeIntoMemo(Child<QPlainTextEdit>("Edit19"), description);
    TypeIntoMemo(Child<QPlainTextEdit>("edit20"), continued);
    Print();

    const TfrPreparedItem *first = Find(m_pages[0], U("edit19"));
    QVERIFY(first);
    QCOMPARE(first->text, QString(description).replace(QLatin1Char('\n'), QLatin1String("\r\n")));
    QVERIFY(!first->clipped);
    // Each typed line starts a printed line; a long one wraps inside the box.
    QVERIFY(first->lines.size() >= 3);
    QVERIFY(first->lines.contains(QString()));
    QCOMPARE(first->lines.last(), description.split(QLatin1Char('\n')).last());
    QVERIFY(first->alignment == frtaLeft);  // from the top left of its box
    // The large text area below "简述变更内容及原因：", in the table on page 1.
    const TfrPreparedItem *heading = FindText(m_pages[0], U("简述变更内容及原因："));
    QVERIFY(heading);
    QVERIFY(first->rect.top() >= heading->rect.bottom() - 0.5);
    QVERIFY(first->rect.height() > 250);

    const TfrPreparedItem *second = Find(m_pages[1], U("edit20"));
    QVERIFY(second);
    QCOMPARE(second->lines, continued.split(QLatin1Char('\n')));
    QVERIFY(!second->clipped);
    const TfrPreparedItem *secondHeading = FindText(m_pages[1], U("变更内容及原因（续）:"));
    QVERIFY(secondHeading);
    QVERIFY(secondHeading->bold);
    QVERIFY(second->rect.top() >= secondHeading->rect.bottom() - 0.5);
    QVERIFY(second->rect.height() > 300);
    QVERIFY(second->rect.bottom() <= FindText(m_pages[1], U("申请企业（盖章）："))->rect.top() + 0.5);
}

void TestYpbcsqPrintout::postcodesAndTelephoneStayOnOneLine_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("value");
    QTest::newRow("registered address postcode") << U("Edit10") << U("200000");
    QTest::newRow("production site postcode") << U("Edit12") << U("201203");
    QTest::newRow("contact postcode") << U("Edit15") << U("200040");
    QTest::newRow("telephone with extension") << U("Edit16") << U("021-63581234 转 8001 / 13912345678");
    QTest::newRow("postcode too long for its box") << U("Edit10") << U("200000 200000 200000");
}

void TestYpbcsqPrintout::postcodesAndTelephoneStayOnOneLine()
{
    QFETCH(QString, edit);
    QFETCH(QString, value);
    NewForm();
    TypeChinese(FrmYPBCSQ->findChild<QLineEdit *>(edit), value);
    Print();
    const TfrPreparedItem *object = Find(m_pages[0], edit);
    QVERIFY(object);
    QVERIFY(!object->wordWrap);
    QCOMPARE(object->lines, QStringList{value});
}

void TestYpbcsqPrintout::everyValueInItsObject()
{
    NewForm();
    QHash<QString, QString> typed;
    for (QLineEdit *edit : FrmYPBCSQ->findChildren<QLineEdit *>()) {
        const QString name = edit->objectName();
        if (!name.startsWith(QLatin1String("Edit"), Qt::CaseInsensitive))
            continue;
        // A typical value of a few characters for the small boxes, a longer one elsewhere.
        const QString value = QStringList{U("Edit10"), U("Edit12"), U("Edit15")}.contains(name)
                                  ? U("200") + name.mid(4)
                                  : U("内容") + name;
        TypeChinese(edit, value);
        typed.insert(name.toLower(), value);
    }
    Print();
    QCOMPARE(typed.size(), 15);
    for (auto it = typed.cbegin(); it != typed.cend(); ++it) {
        const int page = it.key() == QLatin1String("edit26") ? 1 : 0;
        const TfrPreparedItem *object = Find(m_pages[page], it.key());
        QVERIFY2(object, qPrintable(it.key()));
        QCOMPARE(object->text, it.value());
        QVERIFY2(!object->clipped, qPrintable(it.key()));
    }
}

void TestYpbcsqPrintout::dataObjectsShowTheirNamesUntilFilled()
{
    // The template alone: each data object shows its own name; after a print, the values.
    TfrReport report;
    report.LoadFromFile(QStringLiteral(":/reports/YPBCSQ.frt"));
    report.PrepareReport();
    QCOMPARE(report.PreparedPages().size(), 2);
    QStringList names;
    for (const TfrPreparedPage &page : report.PreparedPages())
        for (const TfrPreparedItem &item : page.items)
            if (item.kind == TfrPreparedItem::Text && !item.objectName.startsWith(QLatin1String("Memo")))
                names << item.objectName;
    QCOMPARE(names.size(), 29);  // 27 input controls, the code and the second page's code
    for (const TfrPreparedPage &page : report.PreparedPages())
        for (const TfrPreparedItem &item : page.items)
            if (names.contains(item.objectName))
                QCOMPARE(item.text, item.objectName);

    NewForm();
    Print();
    for (const TfrPreparedPage &page : std::as_const(m_pages))
        for (const TfrPreparedItem &item : page.items)
            if (names.contains(item.objectName))
                QVERIFY2(item.text != item.objectName, qPrintable(item.objectName));
}

QTEST_MAIN(TestYpbcsqPrintout)
#include "tst_ypbcsq_printout.moc"
