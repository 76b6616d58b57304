// The screen of the clinical trial plan form: three pages with their scroll boxes and groups, the
// labels and input controls in their reading order and places, the ruled list of materials, the
// equipment and staff grids, the memos, the date edits over the blanks of the date line, the
// keyboard order, and a layout in which nothing is clipped or overlapped in a maximised window.

#include "../forms/FormFixture.h"
#include "ConfigedBase.h"
#include "DateTimePicker.h"
#include "Fonts.h"
#include "Kinds.h"
#include "YPZCSQ_JK.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetricsF>
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

enum class Place { Full, Left, Middle, Right };

struct Field {
    const char *label;
    const char *control;
    Place place;
};

// The application group of page 1 in reading order.
const Field kApplication[] = {
    {"1.生产企业名称", "Edit1", Place::Left},       {"2.企 业 代 码", "Edit2", Place::Right},
    {"3.企业注册地址", "Edit3", Place::Left},       {"4.邮政编码", "Edit4", Place::Right},
    {"5.产品名称", "Edit5", Place::Left},           {"6.商品名称", "Edit6", Place::Right},
    {"7.注册标准", "Edit7", Place::Full},           {"8.产品分类", "edit8", Place::Left},
    {"9.联 系 人", "Edit9", Place::Right},          {"10.联系地址", "Edit10", Place::Left},
    {"11.邮政编码", "Edit11", Place::Right},        {"12.联系电话", "Edit12", Place::Left},
    {"13.传   真", "Edit13", Place::Right},         {"14.电子信箱", "Edit14", Place::Full},
    {"15.临床试验机构名称", "Edit15", Place::Full}, {"16.机构地址", "Edit16", Place::Full},
    {"17.邮政编码", "Edit17", Place::Left},         {"18.机构电话", "Edit18", Place::Right},
    {"19.传   真", "Edit19", Place::Left},          {"20.临床试验负责人", "Edit20", Place::Right},
};

// The list of submitted materials, top to bottom.
const Field kMaterials[] = {
    {"1．产品注册标准", "edit21", Place::Left},
    {"2．产品试产检测报告", "edit22", Place::Left},
    {"3．评估本产品安全性、有效性的文献综述（附有关国内外文献资料）", "edit23", Place::Left},
    {"．实验室试验报告/动物试验报告", "edit24", Place::Left},
    {"5．医疗器械产品临床试验方案（一式二份）", "edit25", Place::Left},
    {"6. 产品说明（包括每个重要组份及各自的成分和特性说明；工作原理；在试验期内预计的样品变化说明；"
     "充分说明试验过程中的信息，如有关禁忌、危险、不良作用、干扰物以及警告和注意事项）", "edit26", Place::Left},
    {"7．制造信息（包括制造过程；制造工艺；包装；储存；安装）", "edit27", Place::Left},
    {"8．临床试验机构信息表", "edit28", Place::Left},
    {"9．临床试验人员信息表", "edit29", Place::Left},
    {"10．病人知情通知书（与患者直接接触的产品）", "edit30", Place::Left},
};

// Labelled edits of pages 2 and 3 that stand beside their label.
const Field kLabelled[] = {
    {"门诊量（平均人次/天）", "Edit43", Place::Left}, {"住院人数（人次/年）", "Edit44", Place::Left},
    {"床 位 数", "Edit45", Place::Left},              {"姓   名", "Edit48", Place::Left},
    {"年  龄", "Edit49", Place::Middle},                {"性  别", "Edit50", Place::Right},
    {"任职部门", "Edit51", Place::Left},              {"职  称 ", "Edit52", Place::Middle},
    {"职  务", "Edit53", Place::Right},               {"通讯地址邮政编码", "Edit54", Place::Left},
    {"电   话", "Edit55", Place::Middle},               {"传   真", "Edit56", Place::Right},
    {"电子信箱", "Edit57", Place::Left},
};

struct Memo {
    const char *heading;
    const char *control;
    int height;
};

const Memo kMemos[] = {
    {"3．\t临床试验出现意外不良反映，是否有相应的应急抢救能力的说明：(字数不要超过1000)", "Edit46", 217},
    {"4．\t临床试验单位意见：（字数不要超过500）", "Edit47", 137},
    {"承担该临床试验具有的专业特长和资格能力说明：（字数不要超过800）", "Edit58", 77},
};

const char *const kDateLine = "申报日期                   年           月            日";

QString U(const char *text)
{
    return QString::fromUtf8(text);
}

QString EditName(int number)
{
    return QStringLiteral("Edit%1").arg(number);
}

QRect RectIn(const QWidget *w, const QWidget *ancestor)
{
    return QRect(w->mapTo(ancestor, QPoint(0, 0)), w->size());
}

bool IsInputControl(const QWidget *w)
{
    return qobject_cast<const QLineEdit *>(w) || qobject_cast<const QPlainTextEdit *>(w)
        || qobject_cast<const QCheckBox *>(w) || qobject_cast<const QRadioButton *>(w)
        || qobject_cast<const QComboBox *>(w) || qobject_cast<const TDateTimePicker *>(w);
}

// The control a focused widget belongs to: itself, or the combo box whose line edit it is.
QWidget *ControlOf(QWidget *w)
{
    for (QWidget *p = w; p; p = p->parentWidget())
        if (qobject_cast<QComboBox *>(p))
            return p;
    return w;
}

// The input controls of each page in reading order.
QStringList ReadingOrder(int page)
{
    QStringList names;
    switch (page) {
    case 0:
        for (const Field &f : kApplication)
            names << U(f.control);
        for (const Field &f : kMaterials)
            names << U(f.control);
        break;
    case 1:
        for (int n = 31; n <= 47; ++n)
            names << EditName(n);
        break;
    default:
        for (int n = 48; n <= 77; ++n)
            names << EditName(n);
        break;
    }
    return names;
}

}  // namespace

class TestYpzcsqJkScreen : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void pagesScrollBoxesAndGroups();
    void dataCheckArea();
    void creationState();
    void applicationFields_data();
    void applicationFields();
    void materialsTable();
    void labelledEdits_data();
    void labelledEdits();
    void grids_data();
    void grids();
    void memos_data();
    void memos();
    void pledgesAndHeadings();
    void dateEditsLieOverTheBlanks();
    void readingOrder_data();
    void readingOrder();
    void keyboardFollowsReadingOrder_data();
    void keyboardFollowsReadingOrder();
    void nothingClippedOrOverlapped_data();
    void nothingClippedOrOverlapped();

private:
    // The label of the group whose buddy is the control.
    static QLabel *BuddyOf(const QWidget *group, const QWidget *control);
    // The first input control to the right of a label on its line.
    static QWidget *NearestControlRightOf(const QWidget *group, const QRect &label);
    template <class T>
    T *Child(const QString &name) const
    {
        T *w = m_form->findChild<T *>(name);
        if (!w)
            qWarning("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
        return w;
    }
    template <class T>
    T *Child(const char *name) const
    {
        return Child<T>(U(name));
    }
    // The one label of the group with exactly this text.
    QLabel *LabelWithText(const QWidget *group, const QString &text) const;
    void ShowMaximised(const QSize &areaSize);
    void ShowPage(int page);

    std::unique_ptr<QMdiArea> m_area;
    QPointer<TFrmYPZCSQ_JK> m_form;
};

void TestYpzcsqJkScreen::initTestCase()
{
    InstallFontSubstitutions();
}

void TestYpzcsqJkScreen::init()
{
    m_area = std::make_unique<QMdiArea>();
    m_area->resize(1024, 768);
    const TKindInfo &kind = formfixture::Kind(QStringLiteral("TFrmYPZCSQ_JK"));
    m_form = static_cast<TFrmYPZCSQ_JK *>(kind.create(m_area.get()));
    QVERIFY(m_form);
    QCOMPARE(m_form->metaObject()->className(), "TFrmYPZCSQ_JK");
    QCOMPARE(FrmYPZCSQ_JK, m_form.data());
}

void TestYpzcsqJkScreen::cleanup()
{
    if (m_form)
        m_form->SkipCloseQuery = true;
    m_area.reset();  // frees the child windows with it
    QVERIFY(!FrmYPZCSQ_JK);
    QVERIFY(m_form.isNull());
}

QLabel *TestYpzcsqJkScreen::LabelWithText(const QWidget *group, const QString &text) const
{
    QLabel *found = nullptr;
    int count = 0;
    for (QLabel *l : group->findChildren<QLabel *>())
        if (l->text() == text) {
            found = l;
            ++count;
        }
    if (count != 1)
        qWarning("%d labels read \"%s\"", count, qPrintable(text));
    return count == 1 ? found : nullptr;
}

QLabel *TestYpzcsqJkScreen::BuddyOf(const QWidget *group, const QWidget *control)
{
    QLabel *found = nullptr;
    for (QLabel *l : group->findChildren<QLabel *>())
        if (l->buddy() == control) {
            if (found)
                return nullptr;
            found = l;
        }
    return found;
}

QWidget *TestYpzcsqJkScreen::NearestControlRightOf(const QWidget *group, const QRect &label)
{
    QWidget *nearest = nullptr;
    for (QWidget *w : group->findChildren<QWidget *>()) {
        if (!IsInputControl(w) || qobject_cast<QComboBox *>(w->parentWidget()))
            continue;
        const QRect r = RectIn(w, group);
        if (r.left() <= label.right() || r.top() > label.center().y() || r.bottom() < label.center().y())
            continue;
        if (!nearest || r.left() < RectIn(nearest, group).left())
            nearest = w;
    }
    return nearest;
}

void TestYpzcsqJkScreen::ShowMaximised(const QSize &areaSize)
{
    m_area->resize(areaSize);
    m_area->show();
    m_form->showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(m_area.get()));
    QTRY_VERIFY(m_form->isMaximized());
    QTRY_COMPARE(m_form->size(), m_area->viewport()->size());
}

void TestYpzcsqJkScreen::ShowPage(int page)
{
    auto *pages = Child<QTabWidget>("PageControl2");
    pages->setCurrentIndex(page);
    QTRY_VERIFY(pages->widget(page)->isVisible());
}

void TestYpzcsqJkScreen::pagesScrollBoxesAndGroups()
{
    auto *pages = Child<QTabWidget>("PageControl2");
    QVERIFY(pages);
    QCOMPARE(pages->count(), 3);
    const char *const captions[] = {"第一页", "第二页", "第三页"};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(pages->widget(i)->objectName(), QStringLiteral("TabSheet%1").arg(i + 1));
        QCOMPARE(pages->tabText(i), U(captions[i]));
    }
    QCOMPARE(pages->currentIndex(), 0);

    struct Group { const char *name; const char *title; QSize size; };
    struct Box { const char *scroll; const char *page; int range; QList<Group> groups; };
    const Box boxes[] = {
        {"ScrollBox1", "TabSheet1", 1070,
         {{"GroupBox1", "数据校验", {749, 41}},
          {"GroupBox2", "临床试验申请", {749, 429}},
          {"GroupBox6", "申报资料一览表", {761, 430}}}},
        {"ScrollBox3", "TabSheet2", 1300, {{"GroupBox3", "临床试验机构信息表", {749, 701}}}},
        {"ScrollBox4", "TabSheet3", 1300, {{"GroupBox4", "临床试验人员信息", {749, 621}}}},
    };
    for (const Box &b : boxes) {
        auto *scroll = Child<QScrollArea>(b.scroll);
        QVERIFY(scroll);
        QCOMPARE(scroll->parentWidget()->objectName(), U(b.page));
        QVERIFY(!scroll->widgetResizable());
        QVERIFY(scroll->widget());
        QCOMPARE(scroll->widget()->height(), b.range);
        // Wide enough for the groups, narrow enough never to need a horizontal bar.
        QVERIFY(scroll->widget()->width() >= 761 && scroll->widget()->width() <= 800);
        int previousBottom = -1;
        for (const Group &g : b.groups) {
            auto *group = Child<QGroupBox>(g.name);
            QVERIFY(group);
            QCOMPARE(group->parentWidget(), scroll->widget());
            QCOMPARE(group->title(), U(g.title));
            QCOMPARE(group->size(), g.size);
            QVERIFY(QRect(QPoint(0, 0), scroll->widget()->size()).contains(group->geometry()));
            QVERIFY2(group->geometry().top() > previousBottom, g.name);  // stacked, apart
            previousBottom = group->geometry().bottom();
        }
    }
    QCOMPARE(m_form->widget()->font().family(), U("MS Sans Serif"));
    QCOMPARE(m_form->widget()->font().pointSize(), 8);
}

void TestYpzcsqJkScreen::dataCheckArea()
{
    auto *group = Child<QGroupBox>("GroupBox1");
    auto *code = Child<QLineEdit>("VerifyCode");
    QVERIFY(group && code);
    QCOMPARE(code->parentWidget(), group);
    QLabel *label = LabelWithText(group, U("数据核对码"));
    QVERIFY(label);
    QVERIFY(code->isReadOnly());
    QCOMPARE(code->palette().color(QPalette::Base), QColor(166, 202, 240));

    ShowMaximised(QSize(1024, 768));
    QCOMPARE(code->width(), 109);
    QVERIFY(RectIn(label, group).right() < RectIn(code, group).left());
    QVERIFY(RectIn(label, group).center().y() >= RectIn(code, group).top());
    QVERIFY(RectIn(label, group).center().y() <= RectIn(code, group).bottom());
    // Typing does not change the code; selecting and copying it works.
    code->setText(U("0123ABCD"));
    code->setFocus();
    QTest::keyClicks(code, U("99"));
    QTest::keyClick(code, Qt::Key_Backspace);
    QCOMPARE(code->text(), U("0123ABCD"));
    code->selectAll();
    QCOMPARE(code->selectedText(), U("0123ABCD"));
}

void TestYpzcsqJkScreen::creationState()
{
    QCOMPARE(m_form->windowTitle(), U("临床试验方案"));
    QCOMPARE(Child<QTabWidget>("PageControl2")->currentIndex(), 0);
    int edits = 0, memos = 0, boxes = 0, combos = 0;
    for (QWidget *w : m_form->findChildren<QWidget *>()) {
        if (!IsInputControl(w) || w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        const QString name = w->objectName();
        if (auto *edit = qobject_cast<QLineEdit *>(w)) {
            if (qobject_cast<QComboBox *>(edit->parentWidget()))
                continue;
            ++edits;
            const bool datePart = name == QLatin1String("Edit75") || name == QLatin1String("Edit76")
                || name == QLatin1String("Edit77");
            QCOMPARE(edit->text(), datePart ? U("Edit75") : QString());
            QVERIFY2(name == QLatin1String("VerifyCode") || !edit->isReadOnly(), qPrintable(name));
        } else if (auto *memo = qobject_cast<QPlainTextEdit *>(w)) {
            ++memos;
            QCOMPARE(memo->toPlainText(), U("Memo1"));
        } else if (auto *box = qobject_cast<QCheckBox *>(w)) {
            ++boxes;
            QVERIFY2(!box->isChecked(), qPrintable(name));
            QVERIFY2(box->text().isEmpty(), qPrintable(name));
        } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
            ++combos;
            QCOMPARE(name, U("edit8"));
            QCOMPARE(combo->count(), 0);
            QVERIFY(combo->isEditable());
            QVERIFY(combo->currentText().isEmpty());
        } else {
            QFAIL(qPrintable(name));
        }
    }
    // Edit1 to Edit77 less the combo box, the ten check boxes and the three memos, and the code.
    QCOMPARE(edits, 77 - 1 - 10 - 3 + 1);
    QCOMPARE(memos, 3);
    QCOMPARE(boxes, 10);
    QCOMPARE(combos, 1);
}

void TestYpzcsqJkScreen::applicationFields_data()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(kApplication)); ++i)
        QTest::newRow(kApplication[i].control) << i;
}

void TestYpzcsqJkScreen::applicationFields()
{
    QFETCH(int, row);
    const Field &f = kApplication[row];
    ShowMaximised(QSize(1024, 768));
    auto *group = Child<QGroupBox>("GroupBox2");
    QWidget *control = Child<QWidget>(f.control);
    QVERIFY(control);
    QVERIFY(group->isAncestorOf(control));
    if (QByteArray(f.control) == "edit8")
        QVERIFY(qobject_cast<QComboBox *>(control));
    else
        QVERIFY(qobject_cast<QLineEdit *>(control));

    // The label stands just left of the control, on its line.
    QLabel *label = BuddyOf(group, control);
    QVERIFY(label);
    QCOMPARE(label->text(), U(f.label));
    QVERIFY(label->objectName().startsWith(U("Label")));
    const QRect c = RectIn(control, group);
    const QRect l = RectIn(label, group);
    QVERIFY(l.right() < c.left());
    QCOMPARE(NearestControlRightOf(group, l), control);
    QVERIFY(l.top() <= c.center().y() && c.center().y() <= l.bottom() + 1);

    const int w = group->width();
    switch (f.place) {
    case Place::Full:
        QVERIFY(l.left() < w / 6);
        QVERIFY(c.right() > w - 30);
        break;
    case Place::Left:
        QVERIFY(l.left() < w / 6);
        QVERIFY(c.right() < w * 3 / 5);
        QVERIFY(c.width() > 150);
        break;
    case Place::Right:
        QVERIFY(l.left() > w / 2);
        QVERIFY(c.right() > w - 30);
        QVERIFY(c.width() > 100);
        break;
    case Place::Middle:
        QFAIL("the application has two columns");
    }
}

void TestYpzcsqJkScreen::materialsTable()
{
    ShowMaximised(QSize(1024, 768));
    auto *group = Child<QGroupBox>("GroupBox6");
    QVERIFY(group);
    QCOMPARE(group->font().family(), U("仿宋_GB2312"));
    QCOMPARE(group->font().pointSize(), 9);

    QLabel *itemsHeading = LabelWithText(group, U("l 临 床 试 验 申 报 材 料"));
    QLabel *boxesHeading = LabelWithText(group, U("企业提交材料记录"));
    QVERIFY(itemsHeading && boxesHeading);
    QCOMPARE(itemsHeading->font().pointSize(), 12);
    QCOMPARE(boxesHeading->font().pointSize(), 9);
    const QRect ih = RectIn(itemsHeading, group);
    const QRect bh = RectIn(boxesHeading, group);
    QVERIFY(ih.right() < bh.left());  // two columns: items on the left, boxes on the right

    int previousBottom = std::max(ih.bottom(), bh.bottom());
    for (const Field &m : kMaterials) {
        QLabel *item = LabelWithText(group, U(m.label));
        auto *box = Child<QCheckBox>(m.control);
        QVERIFY2(item && box, m.control);
        QVERIFY(group->isAncestorOf(box));
        QVERIFY(box->text().isEmpty());
        QCOMPARE(item->font().family(), U("仿宋_GB2312"));
        QCOMPARE(item->font().pointSize(), 9);
        const QRect i = RectIn(item, group);
        const QRect b = RectIn(box, group);
        // The item under the items heading, its box in the boxes column on the same row.
        QVERIFY2(i.top() > previousBottom, m.control);
        QVERIFY(i.left() <= ih.left() + 2 && i.right() < bh.left());
        QVERIFY(b.left() >= bh.left() && b.right() <= bh.right());
        QVERIFY(b.top() >= i.top() && b.bottom() <= i.bottom() + 1);
        // A long item wraps within its cell.
        QVERIFY2(i.height() >= item->heightForWidth(i.width()), m.control);
        previousBottom = i.bottom();
    }
    // The sixth item needs more than one line in its cell.
    const QLabel *sixth = LabelWithText(group, U(kMaterials[5].label));
    QVERIFY(sixth->wordWrap());
    QVERIFY(sixth->height() > 2 * QFontMetrics(sixth->font()).height());
    // The table ends inside the group.
    QVERIFY(group->contentsRect().contains(QPoint(group->width() / 2, previousBottom)));
}

void TestYpzcsqJkScreen::labelledEdits_data()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(kLabelled)); ++i)
        QTest::newRow(kLabelled[i].control) << i;
}

void TestYpzcsqJkScreen::labelledEdits()
{
    QFETCH(int, row);
    const Field &f = kLabelled[row];
    ShowMaximised(QSize(1024, 768));
    auto *control = Child<QLineEdit>(f.control);
    QVERIFY(control);
    const bool page2 = control->objectName().mid(4).toInt() < 46;
    ShowPage(page2 ? 1 : 2);
    auto *group = Child<QGroupBox>(page2 ? "GroupBox3" : "GroupBox4");
    QVERIFY(group->isAncestorOf(control));
    QLabel *label = BuddyOf(group, control);
    QVERIFY(label);
    QCOMPARE(label->text(), U(f.label));
    const QRect c = RectIn(control, group);
    const QRect l = RectIn(label, group);
    QVERIFY(l.top() <= c.center().y() && c.center().y() <= l.bottom() + 1);
    QVERIFY(l.right() < c.left());
    QCOMPARE(NearestControlRightOf(group, l), static_cast<QWidget *>(control));
    // Left, middle and right column of the person in charge; the patients' edits on the left.
    const int w = group->width();
    switch (f.place) {
    case Place::Left:
        QVERIFY(l.left() < w / 6);
        break;
    case Place::Middle:
        QVERIFY(l.left() > w / 4 && c.right() < w * 3 / 4);
        break;
    case Place::Right:
        QVERIFY(l.left() > w / 2);
        break;
    case Place::Full:
        QFAIL("no labelled edit spans the group");
    }
    QVERIFY(c.width() > 60);
}

void TestYpzcsqJkScreen::grids_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QStringList>("columns");
    QTest::addColumn<int>("first");
    QTest::newRow("equipment") << U("GroupBox3") << U("1．临床试验所需仪器设备：")
                               << QStringList{U("仪 器 名 称"), U("规 格 型 号"), U("制  造  商")} << 31;
    QTest::newRow("staff") << U("GroupBox4") << U("2．参加临床试验人员名单：")
                           << QStringList{U("姓  名"), U("职  务"), U("职  称"), U("专  业")} << 59;
}

void TestYpzcsqJkScreen::grids()
{
    QFETCH(QString, group);
    QFETCH(QString, heading);
    QFETCH(QStringList, columns);
    QFETCH(int, first);
    ShowMaximised(QSize(1024, 768));
    ShowPage(group == QLatin1String("GroupBox3") ? 1 : 2);
    auto *g = Child<QGroupBox>(group);
    QLabel *h = LabelWithText(g, heading);
    QVERIFY(h);
    QList<QRect> heads;
    for (const QString &column : columns) {
        QLabel *l = nullptr;
        for (QLabel *candidate : g->findChildren<QLabel *>())
            if (candidate->text() == column && !candidate->buddy())
                l = candidate;
        QVERIFY2(l, qPrintable(column));
        heads << RectIn(l, g);
        QVERIFY(heads.last().top() > RectIn(h, g).bottom());
    }
    // Four rows of edits, numbered row by row; each edit under its column heading.
    const int n = int(columns.size());
    int previousBottom = heads.first().bottom();
    for (int row = 0; row < 4; ++row) {
        QRect rowRect;
        for (int col = 0; col < n; ++col) {
            auto *edit = Child<QLineEdit>(EditName(first + row * n + col));
            QVERIFY(edit);
            const QRect e = RectIn(edit, g);
            QVERIFY2(e.top() > previousBottom, qPrintable(edit->objectName()));
            QVERIFY(heads[col].center().x() > e.left() && heads[col].center().x() < e.right());
            if (col > 0)
                QCOMPARE(e.top(), rowRect.top());
            rowRect = e;
        }
        previousBottom = rowRect.bottom();
    }
}

void TestYpzcsqJkScreen::memos_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(std::size(kMemos)); ++i)
        QTest::newRow(kMemos[i].control) << i;
}

void TestYpzcsqJkScreen::memos()
{
    QFETCH(int, index);
    const Memo &m = kMemos[index];
    ShowMaximised(QSize(1024, 768));
    auto *memo = Child<QPlainTextEdit>(m.control);
    QVERIFY(memo);
    const bool page2 = index < 2;
    ShowPage(page2 ? 1 : 2);
    auto *group = Child<QGroupBox>(page2 ? "GroupBox3" : "GroupBox4");
    QVERIFY(group->isAncestorOf(memo));
    QCOMPARE(memo->height(), m.height);
    QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(memo->verticalScrollBar()->isVisible());
    QVERIFY(memo->tabChangesFocus());
    // Full width of the group.
    const QRect r = RectIn(memo, group);
    const QRect inside = group->contentsRect();
    QVERIFY(r.left() - inside.left() < 30 && inside.right() - r.right() < 30);
    // Its heading, with its tab, directly above it.
    QLabel *heading = LabelWithText(group, U(m.heading));
    QVERIFY(heading);
    QCOMPARE(heading->buddy(), memo);
    const QRect h = RectIn(heading, group);
    QVERIFY(h.bottom() < r.top() && r.top() - h.bottom() < 20);
    // The tab expands: the text after it starts further right than after a space would.
    if (U(m.heading).contains(QLatin1Char('\t')))
        QVERIFY(heading->sizeHint().width()
                > QFontMetrics(heading->font()).horizontalAdvance(U(m.heading).replace(QLatin1Char('\t'), QLatin1Char(' '))));
    // Lines beyond the box scroll: the memo takes a long text and keeps it.
    const QString text = U("第一行\n第二行").repeated(40);
    memo->setPlainText(text);
    QCOMPARE(memo->toPlainText(), text);
    QVERIFY(memo->verticalScrollBar()->maximum() > 0);
}

void TestYpzcsqJkScreen::pledgesAndHeadings()
{
    ShowMaximised(QSize(1024, 768));
    ShowPage(1);
    auto *institution = Child<QGroupBox>("GroupBox3");
    QLabel *patients = LabelWithText(institution, U("2．是否有足够的临床试验所需病员的说明："));
    QVERIFY(patients);
    QVERIFY(RectIn(patients, institution).bottom() < RectIn(Child<QWidget>("Edit43"), institution).top());
    QVERIFY(RectIn(patients, institution).top() > RectIn(Child<QWidget>("Edit42"), institution).bottom());

    ShowPage(2);
    auto *staff = Child<QGroupBox>("GroupBox4");
    QLabel *leader = LabelWithText(staff, U("1．\t临床试验负责人信息："));
    QLabel *pledges = LabelWithText(staff, U("5．\t临床试验人员对下列承诺的声明："));
    QLabel *first = LabelWithText(staff, U("* 参与按照协议、审查批准临床试验计划和其他适用的法规进行临床试验；"));
    QLabel *second = LabelWithText(staff, U("* 确保受试者获得知情同意。"));
    QLabel *date = LabelWithText(staff, U(kDateLine));
    QVERIFY(leader && pledges && first && second && date);
    auto top = [staff](const QWidget *w) { return RectIn(w, staff).top(); };
    auto bottom = [staff](const QWidget *w) { return RectIn(w, staff).bottom(); };
    QVERIFY(bottom(leader) < top(Child<QWidget>("Edit48")));
    QVERIFY(bottom(Child<QWidget>("Edit74")) < top(pledges));
    QVERIFY(bottom(pledges) < top(first));
    QVERIFY(bottom(first) < top(second));
    QVERIFY(bottom(second) < top(date));
    // The pledges are indented under their heading.
    QVERIFY(RectIn(first, staff).left() > RectIn(pledges, staff).left());
}

void TestYpzcsqJkScreen::dateEditsLieOverTheBlanks()
{
    ShowMaximised(QSize(1024, 768));
    ShowPage(2);
    auto *staff = Child<QGroupBox>("GroupBox4");
    QLabel *line = LabelWithText(staff, U(kDateLine));
    QVERIFY(line);
    QVERIFY(line->isVisible());
    const QString text = line->text();
    const QFontMetricsF fm(line->font());
    const QRectF l = RectIn(line, staff);
    // Each edit covers blanks only: it starts after the word before it and ends before the word
    // after it, so "申报日期", "年", "月" and "日" all stay readable.
    struct Part { const char *edit; int width; const char *before; const char *after; };
    const Part parts[] = {{"Edit75", 73, "期", "年"}, {"Edit76", 41, "年", "月"}, {"Edit77", 41, "月", "日"}};
    for (const Part &p : parts) {
        auto *edit = Child<QLineEdit>(p.edit);
        QVERIFY(edit && edit->isVisible());
        QCOMPARE(edit->width(), p.width);
        const QRectF e = RectIn(edit, staff);
        const int wordBefore = text.indexOf(U(p.before));
        const int wordAfter = text.indexOf(U(p.after), wordBefore + 1);
        QVERIFY(wordBefore >= 0 && wordAfter > wordBefore);
        const double blankStart = l.left() + fm.horizontalAdvance(text.left(wordBefore + 1));
        const double blankEnd = l.left() + fm.horizontalAdvance(text.left(wordAfter));
        QVERIFY2(e.left() >= blankStart && e.left() + e.width() <= blankEnd,
                 qPrintable(QStringLiteral("%1 spans %2..%3, the blank %4..%5").arg(p.edit)
                                .arg(e.left()).arg(e.left() + e.width()).arg(blankStart).arg(blankEnd)));
        // On the line, over the text's height.
        QVERIFY(e.top() <= l.center().y() && l.center().y() <= e.bottom());
        // Typing fills it; the label stays as it is.
        edit->clear();
        QTest::keyClicks(edit, U("2024"));
        QCOMPARE(edit->text(), U("2024"));
    }
    QCOMPARE(line->text(), U(kDateLine));
}

void TestYpzcsqJkScreen::readingOrder_data()
{
    QTest::addColumn<int>("page");
    QTest::newRow("page 1") << 0;
    QTest::newRow("page 2") << 1;
    QTest::newRow("page 3") << 2;
}

void TestYpzcsqJkScreen::readingOrder()
{
    QFETCH(int, page);
    ShowMaximised(QSize(1024, 768));
    ShowPage(page);
    QWidget *content = Child<QScrollArea>(page == 0 ? "ScrollBox1" : page == 1 ? "ScrollBox3" : "ScrollBox4")->widget();
    QRect previous;
    for (const QString &name : ReadingOrder(page)) {
        QWidget *w = Child<QWidget>(name);
        QVERIFY2(w, qPrintable(name));
        const QRect c = RectIn(w, content);
        if (previous.isValid()) {
            const bool sameLine = c.top() < previous.bottom() && previous.top() < c.bottom();
            QVERIFY2(sameLine ? c.left() > previous.right() : c.top() > previous.bottom(), qPrintable(name));
        }
        previous = c;
    }
    // Every input control of the page is in the list.
    QStringList onPage;
    for (QWidget *w : content->findChildren<QWidget *>())
        if (IsInputControl(w) && !w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_"))
            && !qobject_cast<QComboBox *>(w->parentWidget()) && w->objectName() != QLatin1String("VerifyCode"))
            onPage << w->objectName();
    QStringList expected = ReadingOrder(page);
    onPage.sort();
    expected.sort();
    QCOMPARE(onPage, expected);
}

void TestYpzcsqJkScreen::keyboardFollowsReadingOrder_data()
{
    readingOrder_data();
}

void TestYpzcsqJkScreen::keyboardFollowsReadingOrder()
{
    QFETCH(int, page);
    ShowMaximised(QSize(1024, 768));
    ShowPage(page);
    m_area->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_area.get()));
    QStringList expected = ReadingOrder(page);
    QWidget *start = page == 0 ? Child<QWidget>("VerifyCode") : Child<QWidget>(expected.takeFirst());
    start->setFocus();
    QTRY_COMPARE(ControlOf(QApplication::focusWidget()), start);
    QStringList seen;
    for (int presses = 0; seen.size() < expected.size() && presses < 2 * expected.size(); ++presses) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *focus = ControlOf(QApplication::focusWidget());
        QVERIFY(focus);
        if (seen.isEmpty() || seen.last() != focus->objectName())
            seen << focus->objectName();
    }
    QCOMPARE(seen, expected);
}

void TestYpzcsqJkScreen::nothingClippedOrOverlapped_data()
{
    QTest::addColumn<QSize>("areaSize");
    QTest::addColumn<int>("page");
    for (int page = 0; page < 3; ++page) {
        QTest::addRow("1024x768 page %d", page + 1) << QSize(1024, 768) << page;
        QTest::addRow("1920x1080 page %d", page + 1) << QSize(1920, 1080) << page;
    }
    QTest::newRow("1280x1024 page 1") << QSize(1280, 1024) << 0;
}

void TestYpzcsqJkScreen::nothingClippedOrOverlapped()
{
    QFETCH(QSize, areaSize);
    QFETCH(int, page);
    ShowMaximised(areaSize);
    ShowPage(page);
    auto *scroll = Child<QScrollArea>(page == 0 ? "ScrollBox1" : page == 1 ? "ScrollBox3" : "ScrollBox4");
    QTRY_VERIFY(scroll->isVisible());

    // Only a vertical scroll bar, and it reaches the whole range.
    QCOMPARE(scroll->horizontalScrollBar()->maximum(), 0);
    QCOMPARE(scroll->verticalScrollBar()->maximum(),
             std::max(0, scroll->widget()->height() - scroll->viewport()->height()));

    const QStringList dateParts = {U("Edit75"), U("Edit76"), U("Edit77")};
    const QList<QGroupBox *> groups = scroll->widget()->findChildren<QGroupBox *>(Qt::FindDirectChildrenOnly);
    QVERIFY(!groups.isEmpty());
    for (QGroupBox *group : groups) {
        QVERIFY(group->isVisible());
        const QRect inside = group->contentsRect();
        // Every label and control of the group, at any depth.
        QList<QWidget *> items;
        for (QWidget *w : group->findChildren<QWidget *>()) {
            if (!w->isVisible() || w->objectName().startsWith(QLatin1String("qt_")))
                continue;
            if (!qobject_cast<QLabel *>(w) && !(IsInputControl(w) && !qobject_cast<QComboBox *>(w->parentWidget())))
                continue;
            items << w;
            const QRect r = RectIn(w, group);
            QVERIFY2(inside.contains(r),
                     qPrintable(QStringLiteral("%1 leaves %2").arg(w->objectName(), group->objectName())));
            if (auto *label = qobject_cast<QLabel *>(w)) {
                if (label->wordWrap())
                    QVERIFY2(label->height() >= label->heightForWidth(label->width()),
                             qPrintable(QStringLiteral("label %1 (%2) is cut off").arg(label->objectName(), label->text())));
                else
                    QVERIFY2(label->width() >= label->sizeHint().width() && label->height() >= label->sizeHint().height(),
                             qPrintable(QStringLiteral("label %1 (%2) is cut off").arg(label->objectName(), label->text())));
            } else {
                const QSize min = w->minimumSizeHint();
                QVERIFY2(w->height() >= min.height() && w->width() >= min.width(),
                         qPrintable(QStringLiteral("%1 is squeezed: %2x%3 < %4x%5").arg(w->objectName()).arg(w->width()).arg(w->height()).arg(min.width()).arg(min.height())));
            }
        }
        for (int i = 0; i < items.size(); ++i)
            for (int j = i + 1; j < items.size(); ++j) {
                const QWidget *a = items[i];
                const QWidget *b = items[j];
                // The date edits lie over the date line's blanks by design.
                const bool dateOverLine = (dateParts.contains(a->objectName()) && qobject_cast<const QLabel *>(b)
                                           && static_cast<const QLabel *>(b)->text() == U(kDateLine))
                    || (dateParts.contains(b->objectName()) && qobject_cast<const QLabel *>(a)
                        && static_cast<const QLabel *>(a)->text() == U(kDateLine));
                if (dateOverLine)
                    continue;
                QVERIFY2(!RectIn(a, group).intersects(RectIn(b, group)),
                         qPrintable(QStringLiteral("%1 overlaps %2").arg(a->objectName(), b->objectName())));
            }
    }
}

QTEST_MAIN(TestYpzcsqJkScreen)
#include "tst_ypzcsq_jk_screen.moc"
