// The screen of the change and re-issue form: pages, scroll boxes and groups, the data-check
// group, the labels and input controls in their reading order and places (the change items with
// their own captions, the submitted-materials list with its record column), the keyboard order on
// each page, and a layout in which nothing is clipped or overlapped in a maximised window.

#include "ConfigedBase.h"
#include "Fonts.h"
#include "Kinds.h"
#include "YPBCSQ.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
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

// Where a control stands in its 749-pixel group. The field area is the span of the full-width
// edit "企 业 名 称"; halves and thirds are of that span.
enum class Place {
    Full,           // the whole field area (memos: the whole group)
    LeftHalf,
    RightHalf,
    Column1,        // the three columns of the change items
    Column2,
    Column3,
    Columns23,      // the second and third columns
    LeftTwoThirds,
    RightThird,
    Record,         // the record column of the submitted-materials list
    AfterItem,      // right after the item's text, about a third of the group wide
};

enum class Kind { Edit, Check, Memo };

struct Row {
    int page;           // 0 or 1
    const char *label;  // the text beside the control, a check box's own caption, or a memo's heading
    const char *control;
    Kind kind;
    Place place;
};

const Row kRows[] = {
    {0, "产 品 名 称", "Edit1", Kind::Edit, Place::LeftHalf},
    {0, "注 册 证 号", "Edit2", Kind::Edit, Place::RightHalf},
    {0, "1.注册产品名称", "edit3", Kind::Check, Place::Column1},
    {0, "2.生产企业名称", "edit4", Kind::Check, Place::Column2},
    {0, "3.生产企业地址", "edit5", Kind::Check, Place::Column3},
    {0, "4.注册产品规格型号", "edit6", Kind::Check, Place::Column1},
    {0, "5.其它：", "Edit7", Kind::Edit, Place::Columns23},
    {0, "企 业 名 称", "Edit8", Kind::Edit, Place::Full},
    {0, "企业注册地址", "Edit9", Kind::Edit, Place::LeftTwoThirds},
    {0, "邮政编码", "Edit10", Kind::Edit, Place::RightThird},
    {0, "生产场所地址", "Edit11", Kind::Edit, Place::LeftTwoThirds},
    {0, "邮政编码", "Edit12", Kind::Edit, Place::RightThird},
    {0, "联  系  人", "Edit13", Kind::Edit, Place::LeftTwoThirds},
    {0, "联 系 地 址", "Edit14", Kind::Edit, Place::LeftTwoThirds},
    {0, "邮政编码", "Edit15", Kind::Edit, Place::RightThird},
    {0, "联 系 电 话", "Edit16", Kind::Edit, Place::LeftTwoThirds},
    {0, "传       真", "Edit17", Kind::Edit, Place::RightThird},
    {0, "电 子 信 箱", "Edit18", Kind::Edit, Place::LeftTwoThirds},
    {0, "(注意：由于打印原因，此处填写字数不要超过700，超过部分请在第二页中填写。)", "Edit19", Kind::Memo, Place::Full},
    {1, "变更内容及原因(续)：(注意：由于打印原因，此处填写字数不要超过900)", "edit20", Kind::Memo, Place::Full},
    {1, "1.\t上海市医疗器械产品注册证变更申请表", "edit21", Kind::Check, Place::Record},
    {1, "2.\t原产品注册证及认可表", "edit22", Kind::Check, Place::Record},
    {1, "3.\t新生产企业许可证或备案表", "edit23", Kind::Check, Place::Record},
    {1, "4.\t相关的证明文件", "edit24", Kind::Check, Place::Record},
    {1, "5.          产品使用说明书", "edit30", Kind::Check, Place::Record},
    {1, "6\t其他", "Edit26", Kind::Edit, Place::AfterItem},
    {1, "6\t其他", "edit25", Kind::Check, Place::Record},
};

const char *const kGroupTitle = "注  册  申  报  产  品  登  记";

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

const char *GroupOf(int page)
{
    return page == 0 ? "GroupBox1" : "GroupBox2";
}

}  // namespace

class TestYpbcsqScreen : public QObject {
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
    void descriptionHeadings();
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
    QPointer<TFrmYPBCSQ> m_form;
};

void TestYpbcsqScreen::initTestCase()
{
    InstallFontSubstitutions();
}

void TestYpbcsqScreen::init()
{
    m_area = std::make_unique<QMdiArea>();
    m_area->resize(1024, 768);
    TEABaseForm *form = nullptr;
    for (const TKindInfo &kind : AllKinds())
        if (kind.className == QLatin1String("TFrmYPBCSQ"))
            form = kind.create(m_area.get());
    m_form = qobject_cast<TFrmYPBCSQ *>(form);
    QVERIFY(m_form);
    QCOMPARE(FrmYPBCSQ, m_form.data());
}

void TestYpbcsqScreen::cleanup()
{
    if (m_form)
        m_form->SkipCloseQuery = true;
    m_area.reset();  // frees the child windows with it
    QVERIFY(!FrmYPBCSQ);
    QVERIFY(m_form.isNull());
}

QLabel *TestYpbcsqScreen::LabelWithText(const QWidget *group, const QString &text) const
{
    QLabel *found = nullptr;
    for (QLabel *l : group->findChildren<QLabel *>())
        if (l->text() == text) {
            if (found)
                qWarning("two labels read %s", qPrintable(text));
            found = l;
        }
    return found;
}

void TestYpbcsqScreen::ShowMaximised(const QSize &areaSize)
{
    m_area->resize(areaSize);
    m_area->show();
    m_form->showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(m_area.get()));
    QTRY_VERIFY(m_form->isMaximized());
    QTRY_COMPARE(m_form->size(), m_area->viewport()->size());
}

void TestYpbcsqScreen::ShowPage(int page)
{
    Child<QTabWidget>("PageControl1")->setCurrentIndex(page);
    QTRY_VERIFY(Child<QGroupBox>(GroupOf(page))->isVisible());
}

void TestYpbcsqScreen::pagesScrollBoxesAndGroups()
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
        QCOMPARE(group->title(), U(kGroupTitle));
        QVERIFY(QRect(QPoint(0, 0), scroll->widget()->size()).contains(RectIn(group, scroll->widget())));
    }
    QCOMPARE(m_form->widget()->font().family(), U("MS Sans Serif"));
    QCOMPARE(m_form->widget()->font().pointSize(), 8);
}

void TestYpbcsqScreen::dataCheckGroup()
{
    auto *check = Child<QGroupBox>("GroupBox3");
    auto *code = Child<QLineEdit>("VerifyCode");
    QVERIFY(check && code);
    QCOMPARE(check->title(), U("数据校验"));
    QCOMPARE(check->size(), QSize(749, 41));
    QCOMPARE(code->parentWidget(), check);
    QVERIFY(code->isReadOnly());
    QCOMPARE(code->palette().color(QPalette::Base), QColor(166, 202, 240));
    QLabel *label = LabelWithText(check, U("数据核对码"));
    QVERIFY(label);

    ShowMaximised(QSize(1024, 768));
    QCOMPARE(code->width(), 109);
    // Above the registration group, the label to the left of the code on one line.
    QWidget *content = Child<QScrollArea>("ScrollBox1")->widget();
    QVERIFY(RectIn(check, content).bottom() < RectIn(Child<QGroupBox>("GroupBox1"), content).top());
    QVERIFY(RectIn(label, check).right() < RectIn(code, check).left());
    QVERIFY(SameLine(RectIn(label, check), RectIn(code, check)));

    // Typing does not change the code; selecting and copying it works.
    code->setText(U("0123ABCD"));
    code->setFocus();
    QTest::keyClicks(code, U("99"));
    QTest::keyClick(code, Qt::Key_Backspace);
    QTest::keyClick(code, Qt::Key_Delete);
    QCOMPARE(code->text(), U("0123ABCD"));
    QTest::keyClick(code, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(code->selectedText(), U("0123ABCD"));
    QTest::keyClick(code, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), U("0123ABCD"));
}

void TestYpbcsqScreen::creationState()
{
    QCOMPARE(m_form->windowTitle(), U("变更/补办申请"));
    QCOMPARE(Child<QTabWidget>("PageControl1")->currentIndex(), 0);
    for (const Row &row : kRows) {
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
    QVERIFY(Child<QLineEdit>("VerifyCode")->text().isEmpty());
    QCOMPARE(m_form->ProductNameEdit, Child<QLineEdit>("Edit1"));
}

void TestYpbcsqScreen::labelsAndPlaces_data()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(kRows)); ++i)
        QTest::newRow(kRows[i].control) << i;
}

void TestYpbcsqScreen::labelsAndPlaces()
{
    QFETCH(int, row);
    const Row &r = kRows[row];
    ShowMaximised(QSize(1024, 768));
    ShowPage(r.page);
    auto *group = Child<QGroupBox>(GroupOf(r.page));
    QWidget *control = m_form->findChild<QWidget *>(U(r.control));
    QVERIFY(control);
    QVERIFY(group->isAncestorOf(control));
    const QRect c = RectIn(control, group);

    // Of its class, and with its label where a reader looks for it.
    QLabel *label = nullptr;
    switch (r.kind) {
    case Kind::Edit:
        QVERIFY(qobject_cast<QLineEdit *>(control));
        break;
    case Kind::Memo: {
        auto *memo = qobject_cast<QPlainTextEdit *>(control);
        QVERIFY(memo);
        QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(memo->height(), r.page == 0 ? 181 : 237);
        break;
    }
    case Kind::Check: {
        auto *box = qobject_cast<QCheckBox *>(control);
        QVERIFY(box);
        // The change items carry their captions themselves; the materials' boxes have none.
        QCOMPARE(box->text(), r.place == Place::Record ? QString() : U(r.label));
        break;
    }
    }
    if (!(r.kind == Kind::Check && r.place != Place::Record)) {
        if (r.kind == Kind::Memo) {
            label = LabelWithText(group, U(r.label));
        } else {
            // "邮政编码" stands three times: the one on the control's line.
            for (QLabel *l : group->findChildren<QLabel *>())
                if (l->text() == U(r.label) && SameLine(RectIn(l, group), c))
                    label = l;
        }
        QVERIFY2(label, "no label with that text");
        QVERIFY(label->objectName().startsWith(U("Label")));
        const QRect l = RectIn(label, group);
        if (r.kind == Kind::Memo) {
            QVERIFY(l.bottom() < c.top() && c.top() - l.bottom() < 30);  // the heading right above
        } else {
            QVERIFY(SameLine(l, c));
            QVERIFY(l.right() < c.left());
            if (r.place != Place::Record)
                QVERIFY(c.left() - l.right() < 20);
        }
    }

    const int w = group->width();
    const QRect field = RectIn(Child<QLineEdit>("Edit8"), Child<QGroupBox>("GroupBox1"));
    const int third = field.width() / 3;
    auto near = [](int a, int b) { return std::abs(a - b) <= 12; };
    auto columnStart = [&](int k) { return field.left() + (k - 1) * third; };
    switch (r.place) {
    case Place::Full:
        if (r.kind == Kind::Memo) {
            QVERIFY(c.left() < w / 20);
            QVERIFY(c.right() > w - w / 20);
        } else {
            QCOMPARE(c.left(), field.left());
            QCOMPARE(c.right(), field.right());
        }
        break;
    case Place::LeftHalf:
        QCOMPARE(c.left(), field.left());
        QVERIFY(near(c.right(), field.center().x()));
        break;
    case Place::RightHalf:
        QVERIFY(near(RectIn(label, group).left(), field.center().x()));
        QCOMPARE(c.right(), field.right());
        break;
    case Place::Column1:
    case Place::Column2:
    case Place::Column3: {
        const int k = 1 + int(r.place) - int(Place::Column1);
        QVERIFY2(near(c.left(), columnStart(k)), qPrintable(QString::number(c.left())));
        QVERIFY(c.right() < columnStart(k) + third);
        break;
    }
    case Place::Columns23:
        QVERIFY(near(RectIn(label, group).left(), columnStart(2)));
        QCOMPARE(c.right(), field.right());
        break;
    case Place::LeftTwoThirds:
        QCOMPARE(c.left(), field.left());
        QVERIFY(near(c.right(), columnStart(3)));
        break;
    case Place::RightThird:
        QVERIFY(near(RectIn(label, group).left(), columnStart(3)));
        QCOMPARE(c.right(), field.right());
        break;
    case Place::Record: {
        // Under the heading of the record column, at the group's right.
        QLabel *heading = LabelWithText(group, U("企 业 提 交 材 料纪录"));
        QVERIFY(heading);
        const QRect h = RectIn(heading, group);
        QVERIFY(c.left() > w * 3 / 4);
        QVERIFY(h.left() <= c.left() && c.right() <= h.right());
        QVERIFY(near(c.center().x(), h.center().x()));
        QVERIFY(c.top() > h.bottom());
        break;
    }
    case Place::AfterItem:
        QVERIFY(c.width() > w / 4 && c.width() < w * 2 / 5);
        QVERIFY(c.right() < RectIn(Child<QCheckBox>("edit25"), group).left());
        break;
    }
}

void TestYpbcsqScreen::descriptionHeadings()
{
    ShowMaximised(QSize(1024, 768));
    auto *group = Child<QGroupBox>("GroupBox1");
    // "变更项目" is the heading of the change items: to the left of the first line of boxes.
    QLabel *items = LabelWithText(group, U("变 更 项 目"));
    QVERIFY(items);
    const QRect i = RectIn(items, group);
    QVERIFY(SameLine(i, RectIn(Child<QCheckBox>("edit3"), group)));
    QVERIFY(i.right() < RectIn(Child<QCheckBox>("edit3"), group).left());
    QVERIFY(i.top() > RectIn(Child<QLineEdit>("Edit1"), group).bottom());
    // The description's heading, then the note, then the memo.
    QLabel *heading = LabelWithText(group, U("变更内容及原因(续)："));
    QLabel *note = LabelWithText(group, U("(注意：由于打印原因，此处填写字数不要超过700，超过部分请在第二页中填写。)"));
    QVERIFY(heading && note);
    QVERIFY(RectIn(heading, group).top() > RectIn(Child<QLineEdit>("Edit18"), group).bottom());
    QVERIFY(RectIn(heading, group).bottom() < RectIn(note, group).top());
    QVERIFY(RectIn(note, group).bottom() < RectIn(Child<QWidget>("Edit19"), group).top());
}

void TestYpbcsqScreen::materialsColumnHeadings()
{
    ShowMaximised(QSize(1024, 768));
    ShowPage(1);
    auto *group = Child<QGroupBox>("GroupBox2");
    QLabel *items = LabelWithText(group, U("企 业 提 交 材 料"));
    QLabel *record = LabelWithText(group, U("企 业 提 交 材 料纪录"));
    QVERIFY(items && record);
    for (auto [label, size] : {std::pair{items, 12.0}, std::pair{record, 10.5}}) {
        label->ensurePolished();
        QCOMPARE(label->font().family(), U("仿宋_GB2312"));
        QCOMPARE(label->font().pointSizeF(), size);
    }
    // Side by side, below the memo and above the first item; the item texts under the first.
    const QRect ir = RectIn(items, group), rr = RectIn(record, group);
    QVERIFY(SameLine(ir, rr));
    QVERIFY(ir.right() < rr.left());
    QVERIFY(ir.top() > RectIn(Child<QWidget>("edit20"), group).bottom());
    QLabel *first = LabelWithText(group, U("1.\t上海市医疗器械产品注册证变更申请表"));
    QVERIFY(first);
    QVERIFY(ir.bottom() < RectIn(first, group).top());
    QVERIFY(RectIn(first, group).right() < rr.left());
    // The heading's text stands over the middle of the item column.
    const int textWidth = QFontMetrics(items->font()).horizontalAdvance(items->text());
    QVERIFY(items->alignment() & Qt::AlignHCenter);
    QVERIFY(std::abs(ir.center().x() - (RectIn(first, group).left() + rr.left()) / 2) < 40);
    QVERIFY(ir.width() >= textWidth);
}

void TestYpbcsqScreen::readingOrder_data()
{
    QTest::addColumn<int>("page");
    QTest::newRow("page 1") << 0;
    QTest::newRow("page 2") << 1;
}

void TestYpbcsqScreen::readingOrder()
{
    QFETCH(int, page);
    ShowMaximised(QSize(1024, 768));
    ShowPage(page);
    auto *group = Child<QGroupBox>(GroupOf(page));
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

void TestYpbcsqScreen::keyboardFollowsReadingOrder_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("start");
    QTest::newRow("page 1, from the code") << 0 << U("VerifyCode");
    QTest::newRow("page 2, from the memo") << 1 << U("edit20");
}

void TestYpbcsqScreen::keyboardFollowsReadingOrder()
{
    QFETCH(int, page);
    QFETCH(QString, start);
    ShowMaximised(QSize(1024, 768));
    ShowPage(page);
    m_area->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_area.get()));
    QWidget *first = m_form->findChild<QWidget *>(start);
    first->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), first);

    QStringList expected;
    for (const Row &r : kRows)
        if (r.page == page && U(r.control) != start)
            expected << U(r.control);
    // Tab leaves a memo too; it never types a tab into the text.
    QStringList seen;
    for (int presses = 0; seen.size() < expected.size() && presses < 2 * expected.size(); ++presses) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *focus = QApplication::focusWidget();
        while (focus && focus->objectName().startsWith(QLatin1String("qt_")))
            focus = focus->parentWidget();
        QVERIFY(focus);
        if (seen.isEmpty() || seen.last() != focus->objectName())
            seen << focus->objectName();
    }
    QCOMPARE(seen, expected);
    for (QPlainTextEdit *memo : m_form->findChildren<QPlainTextEdit *>())
        QVERIFY(!memo->toPlainText().contains(QLatin1Char('\t')));
}

void TestYpbcsqScreen::nothingClippedOrOverlapped_data()
{
    QTest::addColumn<QSize>("areaSize");
    QTest::addColumn<int>("page");
    QTest::newRow("1024x768 page 1") << QSize(1024, 768) << 0;
    QTest::newRow("1024x768 page 2") << QSize(1024, 768) << 1;
    QTest::newRow("1280x1024 page 1") << QSize(1280, 1024) << 0;
    QTest::newRow("1920x1080 page 2") << QSize(1920, 1080) << 1;
}

void TestYpbcsqScreen::nothingClippedOrOverlapped()
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
            if (!w->isVisible() || w->objectName().startsWith(QLatin1String("qt_")))
                continue;
            if (w->parentWidget() != group)  // inner parts of composite controls
                continue;
            items << w;
            const QRect r = RectIn(w, group);
            QVERIFY2(inside.contains(r),
                     qPrintable(QStringLiteral("%1 leaves %2").arg(w->objectName(), QString::fromLatin1(groupName))));
            if (auto *label = qobject_cast<QLabel *>(w)) {
                QVERIFY2(label->width() >= label->sizeHint().width()
                             && label->height() >= label->sizeHint().height(),
                         qPrintable(QStringLiteral("label %1 (%2) is cut off").arg(label->objectName(), label->text())));
            } else {
                const QSize min = w->minimumSizeHint();
                QVERIFY2(w->width() >= min.width() && w->height() >= min.height(),
                         qPrintable(QStringLiteral("%1 is squeezed").arg(w->objectName())));
                if (auto *box = qobject_cast<QCheckBox *>(w))
                    QVERIFY2(box->width() >= box->sizeHint().width(),
                             qPrintable(QStringLiteral("%1's caption is cut off").arg(w->objectName())));
            }
        }
        for (int i = 0; i < items.size(); ++i)
            for (int j = i + 1; j < items.size(); ++j)
                QVERIFY2(!RectIn(items[i], group).intersects(RectIn(items[j], group)),
                         qPrintable(QStringLiteral("%1 overlaps %2").arg(items[i]->objectName(), items[j]->objectName())));
    }
    if (page == 0) {
        QWidget *content = scroll->widget();
        QVERIFY(!RectIn(Child<QWidget>("GroupBox3"), content).intersects(RectIn(Child<QWidget>("GroupBox1"), content)));
    }
}

QTEST_MAIN(TestYpbcsqScreen)
#include "tst_ypbcsq_screen.moc"
