// The screen of the reports application form: pages, scroll boxes and groups, the data-check
// group, the labels and input controls in their reading order and places, the memos, page 2's
// column headings, the keyboard order, and a layout in which nothing is clipped or overlapped in
// a maximised window.

#include "ConfigedBase.h"
#include "DateTimePicker.h"
#include "Fonts.h"
#include "Kinds.h"
#include "YPBCSQ_N.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
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

// Where a control stands in its 749-pixel group.
enum class Place {
    Full,           // the whole width
    LeftTwoThirds,  // from the label column to about two thirds
    RightFifth,     // the last fifth
    LeftColumn,     // the left one of two columns
    RightColumn,    // the right one of two columns
    AfterItemText,  // right after a list item's text, about half the width
    Record,         // the record column of the materials list
};

enum class Cls { Edit, Check, Memo };

struct Row {
    const char *label;  // the label on the control's left, or a check box's own caption
    const char *control;
    Cls cls;
    Place place;
    bool ownCaption;  // the label is the check box's caption
};

// Page 1 in reading order.
const Row kPage1[] = {
    {"企 业 名 称", "Edit1", Cls::Edit, Place::Full, false},
    {"企业注册地址", "Edit2", Cls::Edit, Place::LeftTwoThirds, false},
    {"邮政编码", "Edit3", Cls::Edit, Place::RightFifth, false},
    {"产 品 名 称", "Edit4", Cls::Edit, Place::Full, false},
    {"注 册 证 号", "Edit5", Cls::Edit, Place::Full, false},
    {"1.产品分类申请", "edit6", Cls::Check, Place::LeftColumn, true},
    {"2.直接准产申请", "edit7", Cls::Check, Place::RightColumn, true},
    {"3.注册单元申请", "edit8", Cls::Check, Place::LeftColumn, true},
    {"4.说明书变更", "edit9", Cls::Check, Place::RightColumn, true},
    {"5.有关文件规定的申请", "edit10", Cls::Check, Place::LeftColumn, true},
    {"6.其它：", "edit11", Cls::Edit, Place::RightColumn, false},
    {"联  系  人", "Edit12", Cls::Edit, Place::LeftTwoThirds, false},
    {"联 系 地 址", "Edit13", Cls::Edit, Place::LeftTwoThirds, false},
    {"邮政编码", "Edit14", Cls::Edit, Place::RightFifth, false},
    {"联 系 电 话", "Edit15", Cls::Edit, Place::LeftTwoThirds, false},
    {"传       真", "Edit16", Cls::Edit, Place::RightFifth, false},
    {"电 子 信 箱", "Edit17", Cls::Edit, Place::LeftTwoThirds, false},
    {nullptr, "Edit18", Cls::Memo, Place::Full, false},
};

// Page 2 in reading order.
const Row kPage2[] = {
    {nullptr, "edit19", Cls::Memo, Place::Full, false},
    {"1．医疗器械报告申请表 ", "edit20", Cls::Check, Place::Record, false},
    {"2．产品情况说明（包括产品名称、结构组成、机械结构图或电气原理图、\n"
     "作用机理、预期使用目的、对产品的风险分析）", "edit21", Cls::Check, Place::Record, false},
    {"3．产品说明书（含实物照片）", "edit22", Cls::Check, Place::Record, false},
    {"4．产品注册标准", "edit23", Cls::Check, Place::Record, false},
    {"5．（原）产品注册证及认可表", "edit24", Cls::Check, Place::Record, false},
    {"6．质量体系考核证明", "edit25", Cls::Check, Place::Record, false},
    {"7．相关的文献资料或证明文件", "edit26", Cls::Check, Place::Record, false},
    {"8.其他", "Edit27", Cls::Edit, Place::AfterItemText, false},
    {"8.其他", "edit28", Cls::Check, Place::Record, false},
};

const char *const kReportHeading = "申请报告：(报告必须包括以下内容：1、标题；2、报告事由；3、日期)";
const char *const kReportNote = "(注意：由于打印原因，此处填写字数不要超过800，超过部分请在第二页中填写。)";
const char *const kContinuedHeading = "申请报告(续)：";
const char *const kContinuedNote = "(注意：由于打印原因，此处填写字数不要超过700。)";
const char *const kItemsHeading = "企 业 提 交 材 料";
const char *const kRecordHeading = "企 业 提 交 材 料纪录";

QString U(const char *text)
{
    return QString::fromUtf8(text);
}

QList<Row> PageRows(int page)
{
    return page == 0 ? QList<Row>(std::begin(kPage1), std::end(kPage1))
                     : QList<Row>(std::begin(kPage2), std::end(kPage2));
}

QRect RectIn(const QWidget *w, const QWidget *ancestor)
{
    return QRect(w->mapTo(ancestor, QPoint(0, 0)), w->size());
}

bool SameLine(const QRect &a, const QRect &b)
{
    return a.top() <= b.center().y() && b.center().y() <= a.bottom() + 1;
}

bool IsInputControl(const QWidget *w)
{
    return qobject_cast<const QLineEdit *>(w) || qobject_cast<const QPlainTextEdit *>(w)
        || qobject_cast<const QCheckBox *>(w) || qobject_cast<const QRadioButton *>(w)
        || qobject_cast<const QComboBox *>(w) || qobject_cast<const TDateTimePicker *>(w);
}

}  // namespace

class TestYpbcsqNScreen : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void pagesScrollBoxesAndGroups();
    void dataCheckGroup();
    void creationState();
    void labelsAndPlaces_data();
    void labelsAndPlaces();
    void memosAndTheirHeadings_data();
    void memosAndTheirHeadings();
    void materialsColumnHeadings();
    void readingOrder_data();
    void readingOrder();
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
    QLabel *LabelWithText(const QWidget *group, const QString &text) const;
    void ShowMaximised(const QSize &areaSize);
    void ShowPage(int page);

    std::unique_ptr<QMdiArea> m_area;
    QPointer<TFrmYPBCSQ_N> m_form;
};

void TestYpbcsqNScreen::initTestCase()
{
    InstallFontSubstitutions();
}

void TestYpbcsqNScreen::init()
{
    m_area = std::make_unique<QMdiArea>();
    m_area->resize(1024, 768);
    const TKindInfo *kind = nullptr;
    for (const TKindInfo &k : AllKinds())
        if (k.className == QLatin1String("TFrmYPBCSQ_N"))
            kind = &k;
    QVERIFY(kind);
    m_form = static_cast<TFrmYPBCSQ_N *>(kind->create(m_area.get()));
    QVERIFY(m_form);
    QCOMPARE(m_form->metaObject()->className(), "TFrmYPBCSQ_N");
    QCOMPARE(FrmYPBCSQ_N, m_form.data());
}

void TestYpbcsqNScreen::cleanup()
{
    if (m_form)
        m_form->SkipCloseQuery = true;
    m_area.reset();  // frees the child windows with it
    QVERIFY(!FrmYPBCSQ_N);
    QVERIFY(m_form.isNull());
}

QLabel *TestYpbcsqNScreen::LabelWithText(const QWidget *group, const QString &text) const
{
    QLabel *found = nullptr;
    for (QLabel *l : group->findChildren<QLabel *>()) {
        if (l->text() != text)
            continue;
        if (found)
            return nullptr;  // ambiguous
        found = l;
    }
    return found;
}

void TestYpbcsqNScreen::ShowMaximised(const QSize &areaSize)
{
    m_area->resize(areaSize);
    m_area->show();
    m_form->showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(m_area.get()));
    QTRY_VERIFY(m_form->isMaximized());
    QTRY_COMPARE(m_form->size(), m_area->viewport()->size());
}

void TestYpbcsqNScreen::ShowPage(int page)
{
    Child<QTabWidget>("PageControl1")->setCurrentIndex(page);
    QTRY_VERIFY(Child<QWidget>(page == 0 ? "GroupBox1" : "GroupBox2")->isVisible());
}

void TestYpbcsqNScreen::pagesScrollBoxesAndGroups()
{
    auto *pages = Child<QTabWidget>("PageControl1");
    QVERIFY(pages);
    QCOMPARE(pages->count(), 2);
    QCOMPARE(pages->widget(0)->objectName(), U("TabSheet1"));
    QCOMPARE(pages->widget(1)->objectName(), U("TabSheet2"));
    QCOMPARE(pages->tabText(0), U("第一页"));
    QCOMPARE(pages->tabText(1), U("第二页"));
    QCOMPARE(pages->currentIndex(), 0);

    struct Box { const char *scroll; const char *page; const char *group; QSize size; };
    const Box boxes[] = {{"ScrollBox1", "TabSheet1", "GroupBox1", QSize(749, 692)},
                         {"ScrollBox3", "TabSheet2", "GroupBox2", QSize(749, 749)}};
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
        QCOMPARE(group->title(), U("报告申请表"));
        QVERIFY(QRect(QPoint(0, 0), scroll->widget()->size()).contains(RectIn(group, scroll->widget())));
    }
    // Every input control of a page lies in that page's group.
    for (auto [page, group] : {std::pair{"TabSheet1", "GroupBox1"}, std::pair{"TabSheet2", "GroupBox2"}}) {
        for (QWidget *w : Child<QWidget>(page)->findChildren<QWidget *>()) {
            if (!IsInputControl(w) || w->objectName().startsWith(QLatin1String("qt_"))
                || w->objectName() == QLatin1String("VerifyCode"))
                continue;
            QVERIFY2(Child<QWidget>(group)->isAncestorOf(w), qPrintable(w->objectName()));
        }
    }
    QCOMPARE(m_form->widget()->font().family(), U("MS Sans Serif"));
    QCOMPARE(m_form->widget()->font().pointSize(), 8);
}

void TestYpbcsqNScreen::dataCheckGroup()
{
    auto *check = Child<QGroupBox>("GroupBox3");
    QVERIFY(check);
    QCOMPARE(check->title(), U("数据校验"));
    QCOMPARE(check->size(), QSize(745, 41));
    QVERIFY(Child<QWidget>("ScrollBox1")->isAncestorOf(check));
    auto *code = Child<QLineEdit>("VerifyCode");
    QVERIFY(code);
    QCOMPARE(code->parentWidget(), check);
    QLabel *label = LabelWithText(check, U("数据核对码"));
    QVERIFY(label);
    QVERIFY(label->objectName().startsWith(U("Label")));
    QVERIFY(code->isReadOnly());
    QCOMPARE(code->palette().color(QPalette::Base), QColor(166, 202, 240));
    QCOMPARE(m_form->VerifyCodeEdit, code);
    QCOMPARE(m_form->ProductNameEdit, Child<QLineEdit>("Edit1"));

    ShowMaximised(QSize(1024, 768));
    QCOMPARE(code->width(), 109);
    // The group stands above the application group, apart from it.
    QWidget *content = Child<QScrollArea>("ScrollBox1")->widget();
    QVERIFY(RectIn(check, content).bottom() < RectIn(Child<QWidget>("GroupBox1"), content).top());
    // The label on the code's left, on its line.
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

void TestYpbcsqNScreen::creationState()
{
    QCOMPARE(m_form->windowTitle(), U("各类报告申请"));
    QCOMPARE(Child<QTabWidget>("PageControl1")->currentIndex(), 0);
    for (int page : {0, 1}) {
        for (const Row &row : PageRows(page)) {
            QWidget *w = m_form->findChild<QWidget *>(U(row.control));
            QVERIFY2(w, row.control);
            if (auto *edit = qobject_cast<QLineEdit *>(w))
                QVERIFY2(edit->text().isEmpty(), row.control);
            else if (auto *box = qobject_cast<QCheckBox *>(w))
                QVERIFY2(!box->isChecked(), row.control);
            else if (auto *memo = qobject_cast<QPlainTextEdit *>(w))
                QCOMPARE(memo->toPlainText(), U("Memo1"));
            else
                QFAIL(row.control);
            QVERIFY2(w->isEnabled(), row.control);
        }
    }
    QVERIFY(Child<QLineEdit>("VerifyCode")->text().isEmpty());
}

void TestYpbcsqNScreen::labelsAndPlaces_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(kPage1)); ++i)
        QTest::newRow(kPage1[i].control) << 0 << i;
    for (int i = 0; i < int(std::size(kPage2)); ++i)
        QTest::newRow(kPage2[i].control) << 1 << i;
}

void TestYpbcsqNScreen::labelsAndPlaces()
{
    QFETCH(int, page);
    QFETCH(int, row);
    const Row r = PageRows(page).at(row);
    ShowMaximised(QSize(1024, 768));
    ShowPage(page);
    auto *group = Child<QGroupBox>(page == 0 ? "GroupBox1" : "GroupBox2");
    QWidget *control = m_form->findChild<QWidget *>(U(r.control));
    QVERIFY(control);
    QVERIFY(group->isAncestorOf(control));
    QVERIFY(control->isVisible());
    switch (r.cls) {
    case Cls::Edit:
        QVERIFY(qobject_cast<QLineEdit *>(control));
        break;
    case Cls::Memo:
        QVERIFY(qobject_cast<QPlainTextEdit *>(control));
        break;
    case Cls::Check: {
        auto *box = qobject_cast<QCheckBox *>(control);
        QVERIFY(box);
        QCOMPARE(box->text(), r.ownCaption ? U(r.label) : QString());
        break;
    }
    }
    // No control names an input method: that is the import form's alone.
    QVERIFY(!control->property("ImeName").isValid());

    const QRect c = RectIn(control, group);
    QLabel *label = nullptr;
    if (r.label && !r.ownCaption) {
        // The label beside the control: a label of the group bearing the text, on the control's
        // line, on its left.
        for (QLabel *l : group->findChildren<QLabel *>())
            if (l->text() == U(r.label) && SameLine(RectIn(l, group), c) && RectIn(l, group).right() < c.left())
                label = l;
        QVERIFY2(label, "no label with that text on the control's line, on its left");
        QVERIFY(label->objectName().startsWith(U("Label")));
        if (r.place != Place::Record)
            QVERIFY(c.left() - RectIn(label, group).right() < 20);
    }

    const int w = group->width();
    switch (r.place) {
    case Place::Full:
        QVERIFY(c.left() < w / 3);
        QVERIFY(c.right() > w - 30);
        break;
    case Place::LeftTwoThirds:
        QVERIFY(c.left() < w / 3);
        QVERIFY(c.right() > w / 2 && c.right() < w * 3 / 4);
        break;
    case Place::RightFifth:
        QVERIFY(c.left() > w * 7 / 10);
        QVERIFY(c.right() > w - 30);
        QVERIFY(c.width() > w / 6 && c.width() < w / 4);
        break;
    case Place::LeftColumn:
        QVERIFY(c.left() < w / 3);
        QVERIFY(c.right() < w * 2 / 3);
        break;
    case Place::RightColumn:
        QVERIFY(c.left() > w / 2);
        QVERIFY(c.right() < w);
        break;
    case Place::AfterItemText:
        QVERIFY(label);
        QVERIFY(RectIn(label, group).left() < w / 10);
        QVERIFY(c.width() > w * 2 / 5 && c.width() < w * 3 / 5);
        break;
    case Place::Record: {
        // Under the record column's heading, clear of the item texts.
        QLabel *heading = LabelWithText(group, U(kRecordHeading));
        QVERIFY(heading);
        const QRect h = RectIn(heading, group);
        QVERIFY(c.top() > h.bottom());
        QVERIFY(std::abs(c.center().x() - h.center().x()) < h.width() / 2);
        QVERIFY(label);
        QVERIFY(RectIn(label, group).left() < w / 10);
        QVERIFY(c.left() > w * 2 / 3);
        break;
    }
    }
}

void TestYpbcsqNScreen::memosAndTheirHeadings_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("memo");
    QTest::addColumn<int>("height");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("note");
    QTest::addColumn<bool>("noteBeside");  // the note on the heading's line, else below it
    QTest::newRow("Edit18") << 0 << U("Edit18") << 181 << U(kReportHeading) << U(kReportNote) << false;
    QTest::newRow("edit19") << 1 << U("edit19") << 237 << U(kContinuedHeading) << U(kContinuedNote) << true;
}

void TestYpbcsqNScreen::memosAndTheirHeadings()
{
    QFETCH(int, page);
    QFETCH(QString, memo);
    QFETCH(int, height);
    QFETCH(QString, heading);
    QFETCH(QString, note);
    QFETCH(bool, noteBeside);
    ShowMaximised(QSize(1024, 768));
    ShowPage(page);
    auto *group = Child<QGroupBox>(page == 0 ? "GroupBox1" : "GroupBox2");
    auto *edit = m_form->findChild<QPlainTextEdit *>(memo);
    QVERIFY(edit);
    QCOMPARE(edit->height(), height);
    QCOMPARE(edit->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(edit->verticalScrollBar()->isVisible());
    QCOMPARE(edit->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QVERIFY(!edit->isReadOnly());

    QLabel *h = LabelWithText(group, heading);
    QLabel *n = LabelWithText(group, note);
    QVERIFY(h && n);
    const QRect hr = RectIn(h, group), nr = RectIn(n, group), mr = RectIn(edit, group);
    if (noteBeside) {
        QVERIFY(SameLine(hr, nr));
        QVERIFY(hr.right() < nr.left());
    } else {
        QVERIFY(hr.bottom() < nr.top());
    }
    QVERIFY(std::max(hr.bottom(), nr.bottom()) < mr.top());
    QVERIFY(mr.top() - std::max(hr.bottom(), nr.bottom()) < 20);
    QVERIFY(hr.left() < group->width() / 10);

    // Tab leaves the memo: the report is text, not a place for tab characters.
    edit->setPlainText(QString());
    m_area->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_area.get()));
    edit->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), edit);
    QTest::keyClicks(edit, QStringLiteral("Title"));
    QTest::keyClick(edit, Qt::Key_Tab);
    QCOMPARE(edit->toPlainText(), QStringLiteral("Title"));
    QVERIFY(QApplication::focusWidget() != edit);
}

void TestYpbcsqNScreen::materialsColumnHeadings()
{
    ShowMaximised(QSize(1024, 768));
    ShowPage(1);
    auto *group = Child<QGroupBox>("GroupBox2");
    QLabel *items = LabelWithText(group, U(kItemsHeading));
    QLabel *record = LabelWithText(group, U(kRecordHeading));
    QVERIFY(items && record);
    items->ensurePolished();
    record->ensurePolished();
    QCOMPARE(items->font().family(), U("仿宋_GB2312"));
    QCOMPARE(items->font().pointSizeF(), 12.0);
    QCOMPARE(record->font().family(), U("仿宋_GB2312"));
    QCOMPARE(record->font().pointSizeF(), 10.5);

    // Both headings on one line, below the continued report and above the first item; the item
    // texts under the first, the record column under the second.
    const QRect ir = RectIn(items, group), rr = RectIn(record, group);
    QVERIFY(SameLine(ir, rr));
    QVERIFY(ir.right() < rr.left());
    QVERIFY(RectIn(Child<QWidget>("edit19"), group).bottom() < std::min(ir.top(), rr.top()));
    QLabel *first = LabelWithText(group, U(kPage2[1].label));
    QVERIFY(first);
    const QRect fr = RectIn(first, group);
    QVERIFY(std::max(ir.bottom(), rr.bottom()) < fr.top());
    QVERIFY(ir.left() <= fr.left() + 10 && fr.left() < ir.right());
    // The two-line item keeps its line break.
    QLabel *second = LabelWithText(group, U(kPage2[2].label));
    QVERIFY(second);
    QVERIFY(second->height() >= 2 * QFontMetrics(second->font()).lineSpacing());
}

void TestYpbcsqNScreen::readingOrder_data()
{
    QTest::addColumn<int>("page");
    QTest::newRow("page 1") << 0;
    QTest::newRow("page 2") << 1;
}

void TestYpbcsqNScreen::readingOrder()
{
    QFETCH(int, page);
    ShowMaximised(QSize(1024, 768));
    ShowPage(page);
    auto *group = Child<QGroupBox>(page == 0 ? "GroupBox1" : "GroupBox2");
    QRect previous;
    for (const Row &r : PageRows(page)) {
        const QRect c = RectIn(m_form->findChild<QWidget *>(U(r.control)), group);
        if (previous.isValid()) {
            const bool sameLine = c.top() < previous.bottom() && previous.top() < c.bottom();
            QVERIFY2(sameLine ? c.left() > previous.right() : c.top() > previous.bottom(), r.control);
        }
        previous = c;
    }
    if (page == 0) {
        // "申 请 类 别" heads the application kinds: on the first kind's line, left of it.
        QLabel *kinds = LabelWithText(group, U("申 请 类 别"));
        QVERIFY(kinds);
        QVERIFY(SameLine(RectIn(kinds, group), RectIn(Child<QWidget>("edit6"), group)));
        QVERIFY(RectIn(kinds, group).right() < RectIn(Child<QWidget>("edit6"), group).left());
        // The two columns of kinds line up.
        QCOMPARE(RectIn(Child<QWidget>("edit8"), group).left(), RectIn(Child<QWidget>("edit6"), group).left());
        QCOMPARE(RectIn(Child<QWidget>("edit10"), group).left(), RectIn(Child<QWidget>("edit6"), group).left());
        QCOMPARE(RectIn(Child<QWidget>("edit9"), group).left(), RectIn(Child<QWidget>("edit7"), group).left());
        QVERIFY(std::abs(RectIn(LabelWithText(group, U("6.其它：")), group).left()
                         - RectIn(Child<QWidget>("edit7"), group).left()) < 20);
    }
}

void TestYpbcsqNScreen::keyboardFollowsReadingOrder_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("start");
    QTest::newRow("page 1, from the code") << 0 << U("VerifyCode");
    QTest::newRow("page 2, from the continued report") << 1 << U("edit19");
}

void TestYpbcsqNScreen::keyboardFollowsReadingOrder()
{
    QFETCH(int, page);
    QFETCH(QString, start);
    ShowMaximised(QSize(1024, 768));
    ShowPage(page);
    m_area->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_area.get()));
    auto *first = m_form->findChild<QWidget *>(start);
    first->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), first);
    QStringList expected;
    for (const Row &r : PageRows(page))
        expected << U(r.control);
    if (page == 1)
        expected.removeFirst();  // the start
    QStringList seen;
    for (int i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus);
        seen << focus->objectName();
    }
    QCOMPARE(seen, expected);
}

void TestYpbcsqNScreen::nothingClippedOrOverlapped_data()
{
    QTest::addColumn<QSize>("areaSize");
    QTest::addColumn<int>("page");
    QTest::newRow("1024x768 page 1") << QSize(1024, 768) << 0;
    QTest::newRow("1024x768 page 2") << QSize(1024, 768) << 1;
    QTest::newRow("1280x1024 page 1") << QSize(1280, 1024) << 0;
    QTest::newRow("1920x1080 page 2") << QSize(1920, 1080) << 1;
}

void TestYpbcsqNScreen::nothingClippedOrOverlapped()
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

    const QList<const char *> groups = page == 0 ? QList<const char *>{"GroupBox3", "GroupBox1"}
                                                 : QList<const char *>{"GroupBox2"};
    for (const char *groupName : groups) {
        auto *group = Child<QGroupBox>(groupName);
        QVERIFY(group->isVisible());
        const QRect inside = group->contentsRect();
        QList<QWidget *> items;
        for (QWidget *w : group->findChildren<QWidget *>()) {
            if (!w->isVisible() || w->parentWidget() != group)  // inner parts of composite controls
                continue;
            items << w;
            const QRect r = RectIn(w, group);
            QVERIFY2(inside.contains(r),
                     qPrintable(QStringLiteral("%1 leaves %2").arg(w->objectName(), QString::fromLatin1(groupName))));
            const QSize min = qobject_cast<QLabel *>(w) || qobject_cast<QCheckBox *>(w) ? w->sizeHint()
                                                                                       : w->minimumSizeHint();
            QVERIFY2(w->width() >= min.width() && w->height() >= min.height(),
                     qPrintable(QStringLiteral("%1 is cut off or squeezed").arg(w->objectName())));
        }
        for (int i = 0; i < items.size(); ++i)
            for (int j = i + 1; j < items.size(); ++j)
                QVERIFY2(!RectIn(items[i], group).intersects(RectIn(items[j], group)),
                         qPrintable(QStringLiteral("%1 overlaps %2").arg(items[i]->objectName(), items[j]->objectName())));
    }
}

QTEST_MAIN(TestYpbcsqNScreen)
#include "tst_ypbcsq_n_screen.moc"
