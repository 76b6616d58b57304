// The screen of the clinical trial exemption form: pages, scroll boxes and groups, the labels and
// input controls in their reading order and places (the comparable-product block indented under
// its heading, the materials list with its record column), the memos, the column headings' fonts,
// the keyboard order, and a layout in which nothing is clipped or overlapped in a maximised window.

#include "ConfigedBase.h"
#include "Fonts.h"
#include "Kinds.h"
#include "YPBCSQ_JK.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QtTest>

#include <memory>

namespace {

enum class Place {
    Full,     // the whole width of the group
    Left,     // the left half
    Right,    // the right half
    Quarter,  // the right quarter
    Block,    // indented under the comparable-product heading, left half
    BlockRight,  // indented under the comparable-product heading, right half
    Memo,     // full width, below its heading
    Other,    // after the item text of the materials list, about a third of the width
    Record,   // the record column of the materials list
};

struct Row {
    const char *label;  // the label of the control; nullptr for memos
    const char *control;
    const char *cls;  // "edit", "memo", "check"
    Place place;
    int page;
};

// Both pages in reading order.
const Row kRows[] = {
    {"企 业 名 称", "Edit1", "edit", Place::Full, 0},
    {"企业注册地址", "Edit2", "edit", Place::Left, 0},
    {"邮政编码", "Edit3", "edit", Place::Quarter, 0},
    {"产 品 名 称", "Edit4", "edit", Place::Full, 0},
    {"执 行 标 准", "Edit5", "edit", Place::Full, 0},
    {"试 产 检 测报 告 编 号", "Edit6", "edit", Place::Full, 0},
    {"产品名称", "Edit7", "edit", Place::Block, 0},
    {"生产单位", "Edit9", "edit", Place::BlockRight, 0},
    {"规格型号", "Edit8", "edit", Place::Block, 0},
    {"注册证号", "Edit11", "edit", Place::BlockRight, 0},
    {"注册标准", "Edit10", "edit", Place::Block, 0},
    {"联 系 人", "Edit12", "edit", Place::Left, 0},
    {"联 系 地 址", "Edit13", "edit", Place::Left, 0},
    {"邮政编码", "Edit14", "edit", Place::Right, 0},
    {"联 系 电 话", "Edit15", "edit", Place::Left, 0},
    {"传     真", "Edit16", "edit", Place::Right, 0},
    {"电 子 信 箱", "Edit17", "edit", Place::Left, 0},
    {nullptr, "Edit18", "memo", Place::Memo, 0},
    {nullptr, "edit19", "memo", Place::Memo, 1},
    {"1.\t医疗器械产品临床试验豁免申请表", "edit20", "check", Place::Record, 1},
    {"2.\t产品注册标准", "edit21", "check", Place::Record, 1},
    {"3.\t注册标准技术复核报告", "edit22", "check", Place::Record, 1},
    {"4.\t产品使用说明书（含产品实物照片）", "edit23", "check", Place::Record, 1},
    {"5.\t已上市同类产品的综述", "edit24", "check", Place::Record, 1},
    {"6.\t要求豁免临床试验的医疗器械与上市的器械进行实质性等同对比", "edit25", "check", Place::Record, 1},
    {"7.\t其他：", "edit27", "edit", Place::Other, 1},
    {"7.\t其他：", "edit26", "check", Place::Record, 1},
};

const char *const kBlockHeading = "同 类 产 品基 本 情 况";
const char *const kReportHeading = "申 请 报 告：（按照医疗器械产品豁免临床试验要求编写申请报告）";
const char *const kReportNote = "(注意：由于打印原因，此处填写字数不要超过700，超过部分请在第二页中填写。)";
const char *const kContinuedHeading = "申 请 报 告（续）：";
const char *const kContinuedNote = "(注意：由于打印原因，此处填写字数不要超过700。)";
const char *const kItemsHeading = "企 业 提 交 材 料";
const char *const kRecordHeading = "企 业 提 交 材 料纪录";

QString U(const char *text)
{
    return QString::fromUtf8(text);
}

QRect RectIn(const QWidget *w, const QWidget *ancestor)
{
    return QRect(w->mapTo(ancestor, QPoint(0, 0)), w->size());
}

bool IsInputControl(const QWidget *w)
{
    return qobject_cast<const QLineEdit *>(w) || qobject_cast<const QPlainTextEdit *>(w)
        || qobject_cast<const QCheckBox *>(w) || qobject_cast<const QRadioButton *>(w)
        || qobject_cast<const QComboBox *>(w);
}

// Chinese reaches a control through the input method: the committed text of a composition.
void TypeChinese(QWidget *widget, const QString &text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(widget, &event);
}

bool SameLine(const QRect &a, const QRect &b)
{
    return a.top() <= b.center().y() && b.center().y() <= a.bottom() + 1;
}

}  // namespace

class TestYpbcsqJkScreen : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void pagesScrollBoxesAndGroups();
    void dataCheckArea();
    void creationState();
    void labelsAndPlaces_data();
    void labelsAndPlaces();
    void readingOrder_data();
    void readingOrder();
    void memos_data();
    void memos();
    void materialsColumnHeadings();
    void keyboardFollowsReadingOrder_data();
    void keyboardFollowsReadingOrder();
    void nothingClippedOrOverlapped_data();
    void nothingClippedOrOverlapped();

private:
    template <class T>
    T *Child(const char *name) const
    {
        T *w = m_form->findChild<T *>(U(name));
        if (!w)
            qWarning("no %s named %s", T::staticMetaObject.className(), name);
        return w;
    }
    QGroupBox *GroupOf(int page) const { return Child<QGroupBox>(page == 0 ? "GroupBox1" : "GroupBox2"); }
    // The one label of the group with exactly this text (nullptr when none or several).
    QLabel *LabelIn(QWidget *group, const char *text) const;
    void ShowMaximised(const QSize &areaSize, int page = 0);

    std::unique_ptr<QMdiArea> m_area;
    QPointer<TFrmYPBCSQ_JK> m_form;
};

void TestYpbcsqJkScreen::initTestCase()
{
    InstallFontSubstitutions();
}

void TestYpbcsqJkScreen::init()
{
    m_area = std::make_unique<QMdiArea>();
    m_area->resize(1024, 768);
    for (const TKindInfo &kind : AllKinds())
        if (kind.className == QLatin1String("TFrmYPBCSQ_JK"))
            m_form = static_cast<TFrmYPBCSQ_JK *>(kind.create(m_area.get()));
    QVERIFY(m_form);
    QCOMPARE(m_form->metaObject()->className(), "TFrmYPBCSQ_JK");
    QCOMPARE(FrmYPBCSQ_JK, m_form.data());
}

void TestYpbcsqJkScreen::cleanup()
{
    if (m_form)
        m_form->SkipCloseQuery = true;
    m_area.reset();  // frees the child windows with it
    QVERIFY(!FrmYPBCSQ_JK);
    QVERIFY(m_form.isNull());
}

QLabel *TestYpbcsqJkScreen::LabelIn(QWidget *group, const char *text) const
{
    QLabel *found = nullptr;
    for (QLabel *l : group->findChildren<QLabel *>()) {
        if (l->text() != U(text))
            continue;
        if (found)
            return nullptr;
        found = l;
    }
    return found;
}

void TestYpbcsqJkScreen::ShowMaximised(const QSize &areaSize, int page)
{
    m_area->resize(areaSize);
    m_area->show();
    m_form->showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(m_area.get()));
    QTRY_VERIFY(m_form->isMaximized());
    QTRY_COMPARE(m_form->size(), m_area->viewport()->size());
    Child<QTabWidget>("PageControl1")->setCurrentIndex(page);
    QTRY_VERIFY(GroupOf(page)->isVisible());
}

void TestYpbcsqJkScreen::pagesScrollBoxesAndGroups()
{
    auto *pages = Child<QTabWidget>("PageControl1");
    QVERIFY(pages);
    QCOMPARE(pages->count(), 2);
    QCOMPARE(pages->widget(0)->objectName(), U("TabSheet1"));
    QCOMPARE(pages->widget(1)->objectName(), U("TabSheet2"));
    QCOMPARE(pages->tabText(0), U("第一页"));
    QCOMPARE(pages->tabText(1), U("第二页"));
    QCOMPARE(pages->currentIndex(), 0);

    struct Box { const char *scroll; const char *page; const char *group; const char *title; QSize size; };
    const Box boxes[] = {{"ScrollBox1", "TabSheet1", "GroupBox1", "第一页", QSize(749, 806)},
                         {"ScrollBox3", "TabSheet2", "GroupBox2", "第二页", QSize(749, 749)}};
    for (const Box &b : boxes) {
        auto *scroll = Child<QScrollArea>(b.scroll);
        QVERIFY(scroll);
        QCOMPARE(scroll->parentWidget()->objectName(), U(b.page));
        QVERIFY(!scroll->widgetResizable());
        QVERIFY(scroll->widget());
        QCOMPARE(scroll->widget()->height(), 1300);
        // Wide enough for the 749-pixel groups, narrow enough never to need a horizontal bar.
        QVERIFY(scroll->widget()->width() >= 749 && scroll->widget()->width() <= 800);
        auto *group = Child<QGroupBox>(b.group);
        QVERIFY(group);
        QVERIFY(scroll->widget()->isAncestorOf(group));
        QCOMPARE(group->size(), b.size);
        QCOMPARE(group->title(), U(b.title));
        QVERIFY(QRect(QPoint(0, 0), scroll->widget()->size()).contains(RectIn(group, scroll->widget())));
    }
    QCOMPARE(m_form->widget()->font().family(), U("MS Sans Serif"));
    QCOMPARE(m_form->widget()->font().pointSize(), 8);
}

void TestYpbcsqJkScreen::dataCheckArea()
{
    auto *check = Child<QGroupBox>("GroupBox3");
    QVERIFY(check);
    QCOMPARE(check->title(), U("数据校验"));
    QCOMPARE(check->size(), QSize(749, 41));
    auto *code = Child<QLineEdit>("VerifyCode");
    QVERIFY(code);
    QCOMPARE(code->parentWidget(), check);
    QLabel *label = LabelIn(check, "数据核对码");
    QVERIFY(label);
    QVERIFY(code->isReadOnly());
    QCOMPARE(code->palette().color(QPalette::Base), QColor(166, 202, 240));
    QCOMPARE(code->minimumWidth(), 109);
    QCOMPARE(code->maximumWidth(), 109);

    ShowMaximised(QSize(1024, 768));
    QCOMPARE(code->width(), 109);
    // At the top of page 1, above the page's group; the label to the left of the code.
    QWidget *content = Child<QScrollArea>("ScrollBox1")->widget();
    QVERIFY(RectIn(check, content).bottom() < RectIn(GroupOf(0), content).top());
    QVERIFY(RectIn(label, check).right() < RectIn(code, check).left());
    QVERIFY(SameLine(RectIn(label, check), RectIn(code, check)));
    // Typing does not change the code; selecting and copying it works.
    code->setText(U("0123ABCD"));
    code->setFocus();
    QTest::keyClicks(code, U("99"));
    QTest::keyClick(code, Qt::Key_Backspace);
    QCOMPARE(code->text(), U("0123ABCD"));
    code->selectAll();
    QCOMPARE(code->selectedText(), U("0123ABCD"));
}

void TestYpbcsqJkScreen::creationState()
{
    QCOMPARE(m_form->windowTitle(), U("临床试验豁免"));
    QCOMPARE(Child<QTabWidget>("PageControl1")->currentIndex(), 0);
    for (const Row &row : kRows) {
        QWidget *w = m_form->findChild<QWidget *>(U(row.control));
        QVERIFY2(w, row.control);
        QVERIFY2(w->isEnabled(), row.control);
        if (auto *edit = qobject_cast<QLineEdit *>(w))
            QVERIFY2(edit->text().isEmpty(), row.control);
        else if (auto *box = qobject_cast<QCheckBox *>(w))
            QVERIFY2(!box->isChecked(), row.control);
        else if (auto *memo = qobject_cast<QPlainTextEdit *>(w))
            QCOMPARE(memo->toPlainText(), U("Memo1"));
        else
            QFAIL(row.control);
    }
    QVERIFY(Child<QLineEdit>("VerifyCode")->text().isEmpty());
}

void TestYpbcsqJkScreen::labelsAndPlaces_data()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(kRows)); ++i)
        QTest::newRow(kRows[i].control) << i;
}

void TestYpbcsqJkScreen::labelsAndPlaces()
{
    QFETCH(int, row);
    const Row &r = kRows[row];
    ShowMaximised(QSize(1024, 768), r.page);
    QGroupBox *group = GroupOf(r.page);
    QWidget *control = m_form->findChild<QWidget *>(U(r.control));
    QVERIFY(control);
    QVERIFY(group->isAncestorOf(control));
    const QByteArray cls(r.cls);
    if (cls == "edit") {
        QVERIFY(qobject_cast<QLineEdit *>(control));
    } else if (cls == "memo") {
        QVERIFY(qobject_cast<QPlainTextEdit *>(control));
    } else {
        auto *box = qobject_cast<QCheckBox *>(control);
        QVERIFY(box);
        QVERIFY(box->text().isEmpty());  // its text is the label on the left of the line
    }

    const QRect c = RectIn(control, group);
    const int w = group->width();
    QLabel *label = nullptr;
    if (r.label) {
        // Exactly one label on the control's line bears the text.
        for (QLabel *l : group->findChildren<QLabel *>())
            if (l->text() == U(r.label) && SameLine(RectIn(l, group), c))
                label = label ? nullptr : l;
        QVERIFY2(label, "no single label with that text on the control's line");
        QVERIFY(label->objectName().startsWith(U("Label")));
        QVERIFY(label->isVisible());
        const QRect l = RectIn(label, group);
        QVERIFY(l.right() < c.left());
        if (r.place != Place::Record) {
            // Nothing stands between the label and its control; a one-line label ends near it
            // (a two-line label is as wide as its first line).
            for (QWidget *other : group->findChildren<QWidget *>()) {
                if (other->parentWidget() != group || !other->isVisible() || other == label || other == control)
                    continue;
                const QRect o = RectIn(other, group);
                QVERIFY2(!(SameLine(o, c) && o.left() > l.right() && o.right() < c.left()),
                         qPrintable(other->objectName()));
            }
            if (!label->wordWrap())
                QVERIFY2(c.left() - l.right() < 20, "the label stands apart from its control");
        }
    }

    switch (r.place) {
    case Place::Full:
    case Place::Memo:
        QVERIFY(c.left() < w / 5);
        QVERIFY(c.right() > w - 30);
        break;
    case Place::Left:
        QVERIFY(c.left() < w / 3);
        QVERIFY(c.right() < w * 3 / 5);
        break;
    case Place::Right:
        QVERIFY(c.left() > w / 2);
        QVERIFY(c.right() > w - 30);
        break;
    case Place::Quarter:
        QVERIFY(c.left() > w * 3 / 4);
        QVERIFY(c.right() > w - 30);
        break;
    case Place::Block:
    case Place::BlockRight: {
        // Indented under the heading, and the block's rows below it.
        QLabel *heading = LabelIn(group, kBlockHeading);
        QVERIFY(heading);
        const QRect h = RectIn(heading, group);
        QVERIFY(RectIn(label, group).left() > h.left() + 10);
        QVERIFY(c.top() > h.bottom());
        if (r.place == Place::Block) {
            QVERIFY(c.left() < w / 3);
            QVERIFY(c.right() < w * 3 / 5);
        } else {
            QVERIFY(c.left() > w / 2);
            QVERIFY(c.right() > w - 30);
        }
        break;
    }
    case Place::Other:
        QVERIFY(c.width() > w / 4 && c.width() < w / 2);
        break;
    case Place::Record: {
        // Under the record column's heading, to the right of the whole item text.
        QLabel *heading = LabelIn(group, kRecordHeading);
        QVERIFY(heading);
        const QRect h = RectIn(heading, group);
        QVERIFY(c.top() > h.bottom());
        QVERIFY(h.left() <= c.center().x() && c.center().x() <= h.right());
        const QRect l = RectIn(label, group);
        QVERIFY(l.left() + QFontMetrics(label->font()).horizontalAdvance(label->text()) < h.left());
        if (QWidget *other = Child<QWidget>("edit27"); SameLine(RectIn(other, group), c))
            QVERIFY(RectIn(other, group).right() < h.left());
        break;
    }
    }
}

void TestYpbcsqJkScreen::readingOrder_data()
{
    QTest::addColumn<int>("page");
    QTest::newRow("page 1") << 0;
    QTest::newRow("page 2") << 1;
}

void TestYpbcsqJkScreen::readingOrder()
{
    QFETCH(int, page);
    ShowMaximised(QSize(1024, 768), page);
    QGroupBox *group = GroupOf(page);
    QRect previous;
    for (const Row &r : kRows) {
        if (r.page != page)
            continue;
        const QRect c = RectIn(m_form->findChild<QWidget *>(U(r.control)), group);
        if (previous.isValid()) {
            const bool sameLine = c.top() < previous.bottom() && previous.top() < c.bottom();
            QVERIFY2(sameLine ? c.left() > previous.right() : c.top() > previous.bottom(), r.control);
        }
        previous = c;
    }
    // Headings stand between the controls they come after and before.
    auto rect = [&](const char *name) { return RectIn(m_form->findChild<QWidget *>(U(name)), group); };
    struct Between { const char *heading; const char *before; const char *after; };
    const QList<Between> headings = page == 0
        ? QList<Between>{{kBlockHeading, "Edit6", "Edit7"},
                         {kReportHeading, "Edit17", "Edit18"},
                         {kReportNote, "Edit17", "Edit18"}}
        : QList<Between>{{kItemsHeading, "edit19", "edit20"}, {kRecordHeading, "edit19", "edit20"}};
    for (const Between &b : headings) {
        QLabel *label = LabelIn(group, b.heading);
        QVERIFY2(label, b.heading);
        const QRect h = RectIn(label, group);
        QVERIFY2(h.top() > rect(b.before).bottom() && h.bottom() < rect(b.after).top(), b.heading);
    }
    if (page == 0) {
        // The note stands below the report's heading.
        QVERIFY(RectIn(LabelIn(group, kReportNote), group).top() > RectIn(LabelIn(group, kReportHeading), group).bottom());
    } else {
        // The continuation's heading and its note share one line above the memo.
        QLabel *heading = LabelIn(group, kContinuedHeading);
        QLabel *note = LabelIn(group, kContinuedNote);
        QVERIFY(heading && note);
        QVERIFY(SameLine(RectIn(heading, group), RectIn(note, group)));
        QVERIFY(RectIn(heading, group).right() < RectIn(note, group).left());
        QVERIFY(RectIn(note, group).bottom() < rect("edit19").top());
    }
}

void TestYpbcsqJkScreen::memos_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("Edit18") << U("Edit18");
    QTest::newRow("edit19") << U("edit19");
}

void TestYpbcsqJkScreen::memos()
{
    QFETCH(QString, name);
    auto *memo = m_form->findChild<QPlainTextEdit *>(name);
    QVERIFY(memo);
    ShowMaximised(QSize(1024, 768), name == U("Edit18") ? 0 : 1);
    QCOMPARE(memo->height(), 181);
    QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(memo->verticalScrollBar()->isVisible());
    QCOMPARE(memo->toPlainText(), U("Memo1"));

    // Long lines wrap at the memo's width; a long report scrolls vertically.
    memo->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), memo);
    memo->selectAll();
    const QString paragraph = U("本产品与已上市同类产品在结构、材料和预期用途上实质性等同。").repeated(8);
    TypeChinese(memo, paragraph);
    QCOMPARE(memo->toPlainText(), paragraph);
    QCOMPARE(memo->horizontalScrollBar()->maximum(), 0);
    QVERIFY(memo->document()->lineCount() > 1);
    for (int i = 0; i < 20; ++i) {
        QTest::keyClick(memo, Qt::Key_Return);
        TypeChinese(memo, U("第%1行").arg(i));
    }
    QVERIFY(memo->verticalScrollBar()->maximum() > 0);
    QCOMPARE(memo->toPlainText().count(QLatin1Char('\n')), 20);
}

void TestYpbcsqJkScreen::materialsColumnHeadings()
{
    QGroupBox *group = GroupOf(1);
    QLabel *items = LabelIn(group, kItemsHeading);
    QLabel *record = LabelIn(group, kRecordHeading);
    QVERIFY(items && record);
    ShowMaximised(QSize(1024, 768), 1);
    QCOMPARE(items->font().family(), U("仿宋_GB2312"));
    QCOMPARE(items->font().pointSizeF(), 12.0);
    QCOMPARE(record->font().family(), U("仿宋_GB2312"));
    QCOMPARE(record->font().pointSizeF(), 10.5);
    // One heading line: the items' heading over the item texts, the record's over the boxes.
    QVERIFY(SameLine(RectIn(items, group), RectIn(record, group)));
    QLabel *first = LabelIn(group, kRows[19].label);
    QVERIFY(first);
    QVERIFY(std::abs(RectIn(items, group).left() - RectIn(first, group).left()) < 10);
    QVERIFY(RectIn(items, group).right() < RectIn(record, group).left());
}

void TestYpbcsqJkScreen::keyboardFollowsReadingOrder_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("start");
    QTest::newRow("page 1") << 0 << U("VerifyCode");
    QTest::newRow("page 2") << 1 << U("edit19");
}

void TestYpbcsqJkScreen::keyboardFollowsReadingOrder()
{
    QFETCH(int, page);
    QFETCH(QString, start);
    ShowMaximised(QSize(1024, 768), page);
    m_area->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_area.get()));
    auto *first = m_form->findChild<QWidget *>(start);
    first->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), first);
    QStringList expected;
    for (const Row &r : kRows)
        if (r.page == page && U(r.control) != start)
            expected << U(r.control);
    QStringList seen;
    for (int i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *focus = QApplication::focusWidget();
        while (focus && focus->objectName().startsWith(QLatin1String("qt_")))
            focus = focus->parentWidget();
        QVERIFY(focus);
        seen << focus->objectName();
    }
    QCOMPARE(seen, expected);
    // Tab in the memos moves on, as in the edits: no tab character is typed into the report.
    for (const char *name : {"Edit18", "edit19"}) {
        auto *memo = Child<QPlainTextEdit>(name);
        if (!memo->isVisible())
            continue;
        memo->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), memo);
        QTest::keyClick(memo, Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != memo);
        QCOMPARE(memo->toPlainText(), U("Memo1"));
    }
}

void TestYpbcsqJkScreen::nothingClippedOrOverlapped_data()
{
    QTest::addColumn<QSize>("areaSize");
    QTest::addColumn<int>("page");
    QTest::newRow("1024x768 page 1") << QSize(1024, 768) << 0;
    QTest::newRow("1024x768 page 2") << QSize(1024, 768) << 1;
    QTest::newRow("1280x1024 page 1") << QSize(1280, 1024) << 0;
    QTest::newRow("1920x1080 page 2") << QSize(1920, 1080) << 1;
}

void TestYpbcsqJkScreen::nothingClippedOrOverlapped()
{
    QFETCH(QSize, areaSize);
    QFETCH(int, page);
    ShowMaximised(areaSize, page);
    auto *scroll = Child<QScrollArea>(page == 0 ? "ScrollBox1" : "ScrollBox3");
    QTRY_VERIFY(scroll->isVisible());

    // Only a vertical scroll bar, and it reaches the whole range.
    QCOMPARE(scroll->horizontalScrollBar()->maximum(), 0);
    QCOMPARE(scroll->verticalScrollBar()->maximum(),
             std::max(0, scroll->widget()->height() - scroll->viewport()->height()));

    const QList<const char *> groups = page == 0 ? QList<const char *>{"GroupBox3", "GroupBox1"}
                                                 : QList<const char *>{"GroupBox2"};
    for (const char *groupName : groups) {
        auto *group = Child<QGroupBox>(groupName);
        QVERIFY(group->isVisible());
        const QRect inside = group->contentsRect();
        QList<QWidget *> items;
        for (QWidget *w : group->findChildren<QWidget *>()) {
            if (!w->isVisible() || w->objectName().startsWith(QLatin1String("qt_")))
                continue;
            if (w->parentWidget() != group)  // inner parts of composite controls
                continue;
            items << w;
            const QRect r = RectIn(w, group);
            QVERIFY2(inside.contains(r),
                     qPrintable(QStringLiteral("%1 leaves %2").arg(w->objectName(), QString::fromLatin1(groupName))));
            if (auto *label = qobject_cast<QLabel *>(w)) {
                const int needed = label->wordWrap() ? label->heightForWidth(label->width())
                                                     : label->sizeHint().height();
                QVERIFY2(label->width() >= label->sizeHint().width() && label->height() >= needed,
                         qPrintable(QStringLiteral("label %1 (%2) is cut off").arg(label->objectName(), label->text())));
            } else {
                const QSize min = w->minimumSizeHint();
                QVERIFY2(w->width() >= min.width() && w->height() >= min.height(),
                         qPrintable(QStringLiteral("%1 is squeezed").arg(w->objectName())));
            }
            if (IsInputControl(w))
                QVERIFY2(w->height() >= w->sizeHint().height() || qobject_cast<QPlainTextEdit *>(w),
                         qPrintable(QStringLiteral("%1 is lower than it wants").arg(w->objectName())));
        }
        for (int i = 0; i < items.size(); ++i)
            for (int j = i + 1; j < items.size(); ++j)
                QVERIFY2(!RectIn(items[i], group).intersects(RectIn(items[j], group)),
                         qPrintable(QStringLiteral("%1 overlaps %2").arg(items[i]->objectName(), items[j]->objectName())));
    }
    // The groups stay apart.
    if (page == 0) {
        QWidget *content = scroll->widget();
        QVERIFY(!RectIn(Child<QWidget>("GroupBox3"), content).intersects(RectIn(Child<QWidget>("GroupBox1"), content)));
    }
}

QTEST_MAIN(TestYpbcsqJkScreen)
#include "tst_ypbcsq_jk_screen.moc"
