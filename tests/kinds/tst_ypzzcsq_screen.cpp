// The screen of the testing exemption form: its groups, the labels and input controls in their
// reading order and places, the keyboard order over both pages, the combo boxes that wait for the
// definition file's lists, the guidance text wrapped over two lines, the column headings of the
// materials list, and a layout in which nothing is clipped or overlapped in a maximised window.

#include "ConfigedBase.h"
#include "Fonts.h"
#include "Kinds.h"
#include "YPZZCSQ.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QtTest>

#include <memory>

namespace {

// Where a control stands in its 749-pixel group.
enum class Place {
    Full,           // the whole width after the label column
    LeftTwoThirds,  // from the label column to about two thirds
    RightSixth,     // the last sixth
    LeftHalf,       // from the label column to about the middle
    RightQuarter,   // the last quarter
    RightPart,      // the right-hand field of a pair
    Indented,       // full width, its label indented under the heading above it
    Memo,           // the whole width of the group
    AfterItem,      // right after a list item's text, about a third of the width
    Record,         // the record column of the materials list
};

enum class Cls { Edit, Combo, Memo, Check };

struct Row {
    int page;  // 0 or 1
    const char *label;
    const char *control;
    Cls cls;
    Place place;
};

// Every input control after VerifyCode, in reading order.
const Row kRows[] = {
    {0, "企 业 名 称", "Edit1", Cls::Edit, Place::Full},
    {0, "企业注册地址", "Edit2", Cls::Edit, Place::LeftTwoThirds},
    {0, "邮政编码", "Edit3", Cls::Edit, Place::RightSixth},
    {0, "产 品 名 称", "Edit4", Cls::Edit, Place::Full},
    {0, "规格型号", "Edit5", Cls::Edit, Place::Full},
    {0, "产 品 分 类", "edit6", Cls::Combo, Place::LeftHalf},
    {0, "执 行 标 准", "Edit7", Cls::Edit, Place::Full},
    {0, "本次申请注册种类", "Edit8", Cls::Combo, Place::LeftHalf},
    {0, "本次申请豁免情况", "Edit9", Cls::Combo, Place::RightQuarter},
    {0, "企业质量保证体系认证", "Edit10", Cls::Edit, Place::LeftHalf},
    {0, "产品质量认证", "Edit11", Cls::Edit, Place::RightQuarter},
    {0, "产品名称", "Edit12", Cls::Edit, Place::Indented},
    {0, "注册标准", "Edit13", Cls::Edit, Place::Indented},
    {0, "注册证号", "Edit14", Cls::Edit, Place::Indented},
    {0, "联 系 人", "Edit15", Cls::Edit, Place::LeftHalf},
    {0, "联 系 地 址", "Edit16", Cls::Edit, Place::RightPart},
    {0, "邮 政 编 码", "Edit17", Cls::Edit, Place::LeftHalf},
    {0, "联 系 电 话", "Edit18", Cls::Edit, Place::RightPart},
    {0, "传     真", "Edit19", Cls::Edit, Place::LeftHalf},
    {0, "电 子 信 箱", "Edit20", Cls::Edit, Place::RightPart},
    {0, nullptr, "Edit21", Cls::Memo, Place::Memo},
    {1, nullptr, "edit22", Cls::Memo, Place::Memo},
    {1, "1.医疗器械产品第三方检测豁免申请表", "edit23", Cls::Check, Place::Record},
    {1, "2.产品注册标准", "edit24", Cls::Check, Place::Record},
    {1, "3.产品使用说明书（含产品实物照片）", "edit25", Cls::Check, Place::Record},
    {1, "4.本企业同类已注册产品注册证及认可表", "edit26", Cls::Check, Place::Record},
    {1, "5.企业质量保证体系认证证明", "edit27", Cls::Check, Place::Record},
    {1, "6.产品质量认证证明", "edit28", Cls::Check, Place::Record},
    {1, "7.其他：", "edit30", Cls::Edit, Place::AfterItem},
    {1, "7.其他：", "edit29", Cls::Check, Place::Record},
};

const char *const kGuidance =
    "（报告中应包含以下内容：1。所申请产品的名称、结构组成、机械结构或电气原理图、作用机理、预期使用目的和"
    "对产品的风险分析；2。所申请产品与已注册产品结构组成和性能的比较）";
const char *const kReportNote = "(注意：由于打印原因，此处填写字数不要超过350，超过部分请在第二页中填写。)";
const char *const kContinuedNote = "(注意：由于打印原因，此处填写字数不要超过800)";

QString U(const char *text)
{
    return QString::fromUtf8(text);
}

QRect RectIn(const QWidget *w, const QWidget *ancestor)
{
    return QRect(w->mapTo(ancestor, QPoint(0, 0)), w->size());
}

bool SameLine(const QRect &a, const QRect &b)
{
    return a.top() <= b.center().y() && b.center().y() <= a.bottom() + 1;
}

// Where a label's text begins, after its indent.
int TextLeft(const QLabel *label, const QWidget *ancestor)
{
    return RectIn(label, ancestor).left() + std::max(0, label->indent());
}

bool IsInputControl(const QWidget *w)
{
    return qobject_cast<const QLineEdit *>(w) || qobject_cast<const QPlainTextEdit *>(w)
        || qobject_cast<const QCheckBox *>(w) || qobject_cast<const QComboBox *>(w);
}

}  // namespace

class TestYpzzcsqScreen : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void groups();
    void creationState();
    void labelsAndPlaces_data();
    void labelsAndPlaces();
    void readingOrder_data();
    void readingOrder();
    void keyboardFollowsReadingOrder();
    void reportTextsAboveTheMemos();
    void materialsHeadings();
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
    QLabel *LabelWithText(const QGroupBox *group, const char *text) const;
    void ShowMaximised(const QSize &areaSize);
    void ShowPage(int page);

    std::unique_ptr<QMdiArea> m_area;
    QPointer<TFrmYPZZCSQ> m_form;
};

void TestYpzzcsqScreen::initTestCase()
{
    InstallFontSubstitutions();
}

void TestYpzzcsqScreen::init()
{
    m_area = std::make_unique<QMdiArea>();
    m_area->resize(1024, 768);
    for (const TKindInfo &kind : AllKinds())
        if (kind.className == QLatin1String("TFrmYPZZCSQ"))
            m_form = static_cast<TFrmYPZZCSQ *>(kind.create(m_area.get()));
    QVERIFY(m_form);
    QCOMPARE(m_form->metaObject()->className(), "TFrmYPZZCSQ");
    QCOMPARE(FrmYPZZCSQ, m_form.data());
}

void TestYpzzcsqScreen::cleanup()
{
    if (m_form)
        m_form->SkipCloseQuery = true;
    m_area.reset();  // frees the child windows with it
    QVERIFY(!FrmYPZZCSQ);
    QVERIFY(m_form.isNull());
}

QLabel *TestYpzzcsqScreen::LabelWithText(const QGroupBox *group, const char *text) const
{
    QLabel *found = nullptr;
    for (QLabel *l : group->findChildren<QLabel *>())
        if (l->text() == U(text)) {
            if (found)
                qWarning("two labels read %s", text);
            found = l;
        }
    return found;
}

void TestYpzzcsqScreen::ShowMaximised(const QSize &areaSize)
{
    m_area->resize(areaSize);
    m_area->show();
    m_form->showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(m_area.get()));
    QTRY_VERIFY(m_form->isMaximized());
    QTRY_COMPARE(m_form->size(), m_area->viewport()->size());
}

void TestYpzzcsqScreen::ShowPage(int page)
{
    Child<QTabWidget>("PageControl1")->setCurrentIndex(page);
    QTRY_VERIFY(GroupOf(page)->isVisible());
}

void TestYpzzcsqScreen::groups()
{
    struct Group { const char *name; const char *page; const char *title; QSize size; };
    const Group groups[] = {{"GroupBox3", "TabSheet1", "数据校验", QSize(749, 41)},
                            {"GroupBox1", "TabSheet1", "第一页", QSize(749, 806)},
                            {"GroupBox2", "TabSheet2", "第二页", QSize(749, 749)}};
    for (const Group &g : groups) {
        auto *group = Child<QGroupBox>(g.name);
        QVERIFY(group);
        QCOMPARE(group->title(), U(g.title));
        QCOMPARE(group->size(), g.size);
        QVERIFY(Child<QWidget>(g.page)->isAncestorOf(group));
    }
    QCOMPARE(Child<QScrollArea>("ScrollBox1")->parentWidget()->objectName(), U("TabSheet1"));
    QCOMPARE(Child<QScrollArea>("ScrollBox3")->parentWidget()->objectName(), U("TabSheet2"));
    // The data-check group heads page 1; the group "第一页" follows below it.
    const QWidget *content = Child<QScrollArea>("ScrollBox1")->widget();
    QVERIFY(RectIn(Child<QGroupBox>("GroupBox3"), content).bottom() < RectIn(GroupOf(0), content).top());
    QCOMPARE(Child<QLineEdit>("VerifyCode")->maximumWidth(), 109);
    QCOMPARE(Child<QLineEdit>("VerifyCode")->minimumWidth(), 109);
    QCOMPARE(m_form->windowTitle(), U("第三方检测豁免申请"));
}

void TestYpzzcsqScreen::creationState()
{
    QCOMPARE(Child<QTabWidget>("PageControl1")->currentIndex(), 0);
    QVERIFY(Child<QLineEdit>("VerifyCode")->text().isEmpty());
    for (const Row &row : kRows) {
        QWidget *w = m_form->findChild<QWidget *>(U(row.control));
        QVERIFY2(w, row.control);
        QVERIFY2(w->isEnabled(), row.control);
        switch (row.cls) {
        case Cls::Edit:
            QVERIFY2(qobject_cast<QLineEdit *>(w)->text().isEmpty(), row.control);
            break;
        case Cls::Combo: {
            // Editable, so that a text that is no list entry can be typed; no items of its own
            // (the definition file brings them), and typing adds none.
            auto *combo = qobject_cast<QComboBox *>(w);
            QVERIFY2(combo->isEditable(), row.control);
            QCOMPARE(combo->count(), 0);
            QVERIFY(combo->currentText().isEmpty());
            QCOMPARE(combo->insertPolicy(), QComboBox::NoInsert);
            break;
        }
        case Cls::Memo: {
            auto *memo = qobject_cast<QPlainTextEdit *>(w);
            QCOMPARE(memo->toPlainText(), U("Memo1"));
            QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
            QVERIFY2(memo->tabChangesFocus(), row.control);  // Tab moves on, as in every other field
            break;
        }
        case Cls::Check: {
            auto *box = qobject_cast<QCheckBox *>(w);
            QVERIFY2(!box->isChecked(), row.control);
            QVERIFY2(box->text().isEmpty(), row.control);  // its text is the item on the left
            break;
        }
        }
    }
    // Nothing else on the window takes input.
    int inputs = 0;
    for (QWidget *w : m_form->findChildren<QWidget *>())
        if (IsInputControl(w) && !qobject_cast<QComboBox *>(w->parentWidget()))
            ++inputs;
    QCOMPARE(inputs, int(std::size(kRows)) + 1);
}

void TestYpzzcsqScreen::labelsAndPlaces_data()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(kRows)); ++i)
        QTest::newRow(kRows[i].control) << i;
}

void TestYpzzcsqScreen::labelsAndPlaces()
{
    QFETCH(int, row);
    const Row &r = kRows[row];
    ShowMaximised(QSize(1024, 768));
    ShowPage(r.page);
    QGroupBox *group = GroupOf(r.page);
    QWidget *control = m_form->findChild<QWidget *>(U(r.control));
    QVERIFY(control);
    QVERIFY(group->isAncestorOf(control));
    switch (r.cls) {
    case Cls::Edit: QVERIFY(qobject_cast<QLineEdit *>(control)); break;
    case Cls::Combo: QVERIFY(qobject_cast<QComboBox *>(control)); break;
    case Cls::Memo: QVERIFY(qobject_cast<QPlainTextEdit *>(control)); break;
    case Cls::Check: QVERIFY(qobject_cast<QCheckBox *>(control)); break;
    }

    const QRect c = RectIn(control, group);
    const int w = group->width();
    QLabel *label = nullptr;
    if (r.label) {
        // The one label of the group with that text stands on the control's line, to its left;
        // right beside it, except for a list item, whose box stands in the record column.
        for (QLabel *l : group->findChildren<QLabel *>())
            if (l->text() == U(r.label) && SameLine(RectIn(l, group), c))
                label = l;
        QVERIFY2(label, "no label with that text on the control's line");
        QVERIFY(label->objectName().startsWith(U("Label")));
        const QRect l = RectIn(label, group);
        QVERIFY(l.right() < c.left());
        if (r.place != Place::Record)
            QVERIFY2(c.left() - l.right() < 20, qPrintable(QString::number(c.left() - l.right())));
    }

    switch (r.place) {
    case Place::Full:
    case Place::Indented:
        QVERIFY(c.left() < w / 4);
        QVERIFY(c.right() > w - 30);
        break;
    case Place::LeftTwoThirds:
        QVERIFY(c.left() < w / 4);
        QVERIFY(c.right() > w * 3 / 5 && c.right() < w * 4 / 5);
        break;
    case Place::RightSixth:
        QVERIFY(c.right() > w - 30);
        QVERIFY(c.width() > w / 8 && c.width() < w / 5);
        break;
    case Place::LeftHalf:
        QVERIFY(c.left() < w / 4);
        QVERIFY(c.right() > w * 2 / 5 && c.right() < w * 3 / 5);
        break;
    case Place::RightQuarter:
        QVERIFY(c.left() > w * 2 / 3 && c.left() < w * 4 / 5);
        QVERIFY(c.right() > w - 30);
        break;
    case Place::RightPart:
        QVERIFY(c.left() > w / 2);
        QVERIFY(c.right() > w - 30);
        break;
    case Place::Memo:
        QVERIFY(c.left() < 30);
        QVERIFY(c.right() > w - 30);
        break;
    case Place::AfterItem:
        QVERIFY(c.width() > w / 4 && c.width() < w * 2 / 5);
        break;
    case Place::Record: {
        // Under the heading of the record column.
        QLabel *heading = LabelWithText(group, "企 业 提 交 材 料纪录");
        QVERIFY(heading);
        const QRect h = RectIn(heading, group);
        QVERIFY(h.bottom() < c.top());
        QVERIFY(h.left() < c.center().x() && c.center().x() < h.right());
        break;
    }
    }

    // The sub-rows of the registered products stand indented under their heading.
    if (r.place == Place::Indented) {
        QLabel *heading = LabelWithText(group, "本企业同类已注册产品基本情况");
        QVERIFY(heading);
        QVERIFY(RectIn(heading, group).bottom() < c.top());
        QVERIFY(TextLeft(label, group) > TextLeft(heading, group) + 10);
    }
}

void TestYpzzcsqScreen::readingOrder_data()
{
    QTest::addColumn<int>("page");
    QTest::newRow("第一页") << 0;
    QTest::newRow("第二页") << 1;
}

void TestYpzzcsqScreen::readingOrder()
{
    QFETCH(int, page);
    ShowMaximised(QSize(1024, 768));
    ShowPage(page);
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
}

void TestYpzzcsqScreen::keyboardFollowsReadingOrder()
{
    ShowMaximised(QSize(1024, 768));
    m_area->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_area.get()));
    // Each page from its first field: page 1 from the code, page 2 from the continued report.
    for (int page = 0; page < 2; ++page) {
        ShowPage(page);
        auto *first = Child<QWidget>(page == 0 ? "VerifyCode" : "edit22");
        first->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), first);
        QStringList expected, seen;
        for (const Row &r : kRows)
            if (r.page == page && QLatin1String(r.control) != QLatin1String("edit22"))
                expected << U(r.control);
        for (int presses = 0; presses < expected.size(); ++presses) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget *focus = QApplication::focusWidget();
            QVERIFY(focus);
            // An editable combo box gives the focus to its line edit.
            if (qobject_cast<QComboBox *>(focus->parentWidget()))
                focus = focus->parentWidget();
            seen << focus->objectName();
        }
        QCOMPARE(seen, expected);
        // Backwards too.
        QStringList back;
        for (int presses = 1; presses < expected.size(); ++presses) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
            QWidget *focus = QApplication::focusWidget();
            if (qobject_cast<QComboBox *>(focus->parentWidget()))
                focus = focus->parentWidget();
            back.prepend(focus->objectName());
        }
        QCOMPARE(back, expected.mid(0, expected.size() - 1));
    }
}

void TestYpzzcsqScreen::reportTextsAboveTheMemos()
{
    ShowMaximised(QSize(1024, 768));
    QGroupBox *page1 = GroupOf(0);
    QLabel *heading = LabelWithText(page1, "申 请 报 告：");
    QLabel *guidance = LabelWithText(page1, kGuidance);
    QLabel *note = LabelWithText(page1, kReportNote);
    QVERIFY(heading && guidance && note);
    const QRect memo = RectIn(Child<QWidget>("Edit21"), page1);
    QCOMPARE(memo.height(), 163);
    QVERIFY(RectIn(Child<QWidget>("Edit20"), page1).bottom() < RectIn(heading, page1).top());
    QVERIFY(RectIn(heading, page1).bottom() < RectIn(guidance, page1).top());
    QVERIFY(RectIn(guidance, page1).bottom() < RectIn(note, page1).top());
    QVERIFY(RectIn(note, page1).bottom() < memo.top());
    // The guidance wraps over two lines, both shown in full.
    QVERIFY(guidance->wordWrap());
    const int lineHeight = QFontMetrics(guidance->font()).lineSpacing();
    const int needed = guidance->heightForWidth(guidance->width());
    QVERIFY2(needed > lineHeight && needed < 3 * lineHeight, qPrintable(QString::number(needed)));
    QVERIFY(guidance->height() >= needed);

    // Page 2: the heading and its note on one line, the continued report below them.
    ShowPage(1);
    QGroupBox *page2 = GroupOf(1);
    QLabel *continued = LabelWithText(page2, "申 请 报 告（续）：");
    QLabel *continuedNote = LabelWithText(page2, kContinuedNote);
    QVERIFY(continued && continuedNote);
    QVERIFY(SameLine(RectIn(continued, page2), RectIn(continuedNote, page2)));
    QVERIFY(RectIn(continued, page2).right() < RectIn(continuedNote, page2).left());
    const QRect memo2 = RectIn(Child<QWidget>("edit22"), page2);
    QCOMPARE(memo2.height(), 229);
    QVERIFY(RectIn(continued, page2).bottom() < memo2.top());
}

void TestYpzzcsqScreen::materialsHeadings()
{
    ShowMaximised(QSize(1024, 768));
    ShowPage(1);
    QGroupBox *group = GroupOf(1);
    QLabel *items = LabelWithText(group, "企 业 提 交 材 料");
    QLabel *record = LabelWithText(group, "企 业 提 交 材 料纪录");
    QVERIFY(items && record);
    QCOMPARE(items->font().family(), U("仿宋_GB2312"));
    QCOMPARE(items->font().pointSizeF(), 12.0);
    QCOMPARE(record->font().family(), U("仿宋_GB2312"));
    QCOMPARE(record->font().pointSizeF(), 10.5);
    // One heading line above the list: the items' heading over the item texts, the record
    // column's over the boxes.
    const QRect i = RectIn(items, group), r = RectIn(record, group);
    QVERIFY(SameLine(i, r));
    QVERIFY(i.right() < r.left());
    QVERIFY(RectIn(Child<QWidget>("edit22"), group).bottom() < i.top());
    QLabel *first = LabelWithText(group, "1.医疗器械产品第三方检测豁免申请表");
    QVERIFY(first);
    QVERIFY(i.bottom() < RectIn(first, group).top());
    QVERIFY(std::abs(TextLeft(first, group) - TextLeft(items, group)) < 20);
    // The list items keep the window's font.
    QCOMPARE(first->font().family(), U("MS Sans Serif"));
}

void TestYpzzcsqScreen::nothingClippedOrOverlapped_data()
{
    QTest::addColumn<QSize>("areaSize");
    QTest::addColumn<int>("page");
    QTest::newRow("1024x768 page 1") << QSize(1024, 768) << 0;
    QTest::newRow("1024x768 page 2") << QSize(1024, 768) << 1;
    QTest::newRow("1280x1024 page 1") << QSize(1280, 1024) << 0;
    QTest::newRow("1920x1080 page 2") << QSize(1920, 1080) << 1;
}

void TestYpzzcsqScreen::nothingClippedOrOverlapped()
{
    QFETCH(QSize, areaSize);
    QFETCH(int, page);
    ShowMaximised(areaSize);
    ShowPage(page);
    auto *scroll = Child<QScrollArea>(page == 0 ? "ScrollBox1" : "ScrollBox3");
    QTRY_VERIFY(scroll->isVisible());

    // Only a vertical scroll bar, and it reaches the whole range.
    QCOMPARE(scroll->horizontalScrollBar()->maximum(), 0);
    QCOMPARE(scroll->verticalScrollBar()->maximum(),
             std::max(0, scroll->widget()->height() - scroll->viewport()->height()));

    const QList<QGroupBox *> groups = page == 0 ? QList<QGroupBox *>{Child<QGroupBox>("GroupBox3"), GroupOf(0)}
                                                : QList<QGroupBox *>{GroupOf(1)};
    for (QGroupBox *group : groups) {
        QVERIFY(group->isVisible());
        QVERIFY(QRect(QPoint(0, 0), scroll->widget()->size()).contains(RectIn(group, scroll->widget())));
        const QRect inside = group->contentsRect();
        QList<QWidget *> items;
        for (QWidget *w : group->findChildren<QWidget *>()) {
            if (!w->isVisible() || w->parentWidget() != group)  // inner parts of composite controls
                continue;
            items << w;
            const QRect r = RectIn(w, group);
            QVERIFY2(inside.contains(r), qPrintable(QStringLiteral("%1 leaves %2").arg(w->objectName(), group->objectName())));
            if (auto *label = qobject_cast<QLabel *>(w)) {
                const int height = label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
                QVERIFY2((label->wordWrap() || label->width() >= label->sizeHint().width()) && label->height() >= height,
                         qPrintable(QStringLiteral("label %1 (%2) is cut off").arg(label->objectName(), label->text())));
            } else {
                const QSize min = w->minimumSizeHint();
                QVERIFY2(w->width() >= min.width() && w->height() >= min.height(),
                         qPrintable(QStringLiteral("%1 is squeezed").arg(w->objectName())));
            }
        }
        for (int i = 0; i < items.size(); ++i)
            for (int j = i + 1; j < items.size(); ++j)
                QVERIFY2(!RectIn(items[i], group).intersects(RectIn(items[j], group)),
                         qPrintable(QStringLiteral("%1 overlaps %2").arg(items[i]->objectName(), items[j]->objectName())));
    }
}

QTEST_MAIN(TestYpzzcsqScreen)
#include "tst_ypzzcsq_screen.moc"
