// The screen of the import herbal-material inspection form: pages, scroll boxes and groups, the
// labels and input controls in their reading order and places, the keyboard order, page 2's
// notes, and a layout in which nothing is clipped or overlapped in a maximised window.

#include "ConfigedBase.h"
#include "DateTimePicker.h"
#include "Fonts.h"
#include "Kinds.h"
#include "YPZCSQ.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
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

enum class Place { Full, Left, Right, List };

struct Row {
    const char *label;
    const char *control;
    const char *cls;  // "edit", "date", "check"
    Place place;
};

// The registration group of page 1 in reading order.
const Row kRows[] = {
    {"         HS商品编码：", "E_1", "edit", Place::Left},
    {"药材名称     中文：", "Edit101", "edit", Place::Full},
    {"                     英文：", "Edit102", "edit", Place::Full},
    {"                     别名：", "Edit103", "edit", Place::Full},
    {"拉丁学名：", "Edit104", "edit", Place::Full},
    {"包装规格：", "Edit105", "edit", Place::Full},
    {"批件号 ：", "Edit106", "edit", Place::Left},
    {"是一次性批件", "edit208", "check", Place::Right},
    {"合同号／唛头：", "Edit107", "edit", Place::Full},
    {"检验标准：", "Edit108", "edit", Place::Full},
    {"    索赔期：", "Edit109", "edit", Place::Full},
    {"货物数量：", "Edit110", "edit", Place::Full},
    {"　货    值：", "Edit111", "edit", Place::Left},
    {"提运单号：", "Edit112", "edit", Place::Right},
    {"发货港（地）：", "Edit113", "edit", Place::Full},
    {"发货日期：", "Edit114", "date", Place::Left},
    {"运输工具（航／班次）：", "Edit115", "edit", Place::Full},
    {"负责海关：", "Edit116", "edit", Place::Full},
    {"到岸港（地）：", "Edit117", "edit", Place::Left},
    {"到货日期：", "Edit118", "date", Place::Right},
    {"存货地点：", "Edit119", "edit", Place::Full},
    {" 出口商 ：", "Edit120", "edit", Place::Full},
    {" 国家：", "Edit121", "edit", Place::Left},
    {"发货单位：", "Edit122", "edit", Place::Left},
    {" 国家：", "Edit123", "edit", Place::Right},
    {"名     称：", "Edit124", "edit", Place::Full},
    {" 地    址：", "Edit125", "edit", Place::Full},
    {"药品经营或生产许可证证号：", "Edit126", "edit", Place::Full},
    {"联系人：", "Edit127", "edit", Place::Left},
    {"电　话：", "Edit128", "edit", Place::Right},
    {"1、《进口药材批件》复印件（和《进口药材补充申请批件》复印件）。", "edit201", "check", Place::List},
    {"2、申请人的《药品经营许可证》或者《药品生产许可证》复印件。", "edit202", "check", Place::List},
    {"3、原产地证明复印件。", "edit203", "check", Place::List},
    {"4、购货合同复印件。", "edit204", "check", Place::List},
    {"5、装箱单、提运单和货运发票复印件。 ", "edit205", "check", Place::List},
    {"6、经其他国家或者地区转口的进口药材，应当同时提交从原产地到各转口地的全部购货合同、装\n"
     "      箱单、提运单和货运发票。", "edit206", "check", Place::List},
    {"7、涉及濒危物种的药材，应当提供进出口双方国家濒危物种进出口管理机构证明文件复印件。", "edit207", "check", Place::List},
    {"其他资料：", "Edit129", "edit", Place::Full},
};

const char *const kImeName = "中文 (简体) - 智能 ABC";

const char *const kNotes[] = {
    "1．本表由申请人填写，一式两份。一份由口岸或边境口岸(食品)药品监督管理局存档，一份交药品",
    "     检验所。申请人应当在指定“公章”处盖章。",
    "2．经其它国家或者地区转口的进口药材，应当同时呈报从原产地到各转口地的全部购货合同、装箱",
    "     单、提运单和货运发票。",
    "3．“检验标准”指《进口药材批件》载明的质量标准及其编号。",
    "4．“货物数量”指以《进口药材批件》载明的包装规格为基本单位的货物总量，如瓶数、盒数、公斤数等。",
    "5．存货地点为办结海关手续后货物拟储存仓库的具体地点，应注明名称和地址。",
    "6．“所附资料”项，应当逐一注明《进口药材批件》规定资料的编号。",
    "7．如本报验单空间不够，可另附纸说明。",
};

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
        || qobject_cast<const QComboBox *>(w) || qobject_cast<const TDateTimePicker *>(w);
}

}  // namespace

class TestYpzcsqScreen : public QObject {
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
    void readingOrder();
    void keyboardFollowsReadingOrder();
    void page2Notes();
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
    void ShowMaximised(const QSize &areaSize);

    std::unique_ptr<QMdiArea> m_area;
    QPointer<TFrmYPZCSQ> m_form;
};

void TestYpzcsqScreen::initTestCase()
{
    InstallFontSubstitutions();
}

void TestYpzcsqScreen::init()
{
    m_area = std::make_unique<QMdiArea>();
    m_area->resize(1024, 768);
    m_form = static_cast<TFrmYPZCSQ *>(AllKinds().front().create(m_area.get()));
    QVERIFY(m_form);
    QCOMPARE(m_form->metaObject()->className(), "TFrmYPZCSQ");
    QCOMPARE(FrmYPZCSQ, m_form.data());
}

void TestYpzcsqScreen::cleanup()
{
    if (m_form)
        m_form->SkipCloseQuery = true;
    m_area.reset();  // frees the child windows with it
    QVERIFY(!FrmYPZCSQ);
    QVERIFY(m_form.isNull());
}

void TestYpzcsqScreen::ShowMaximised(const QSize &areaSize)
{
    m_area->resize(areaSize);
    m_area->show();
    m_form->showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(m_area.get()));
    QTRY_VERIFY(m_form->isMaximized());
    QTRY_COMPARE(m_form->size(), m_area->viewport()->size());
}

void TestYpzcsqScreen::pagesScrollBoxesAndGroups()
{
    auto *pages = Child<QTabWidget>("PageControl1");
    QVERIFY(pages);
    QCOMPARE(pages->count(), 2);
    QCOMPARE(pages->widget(0)->objectName(), U("TabSheet1"));
    QCOMPARE(pages->widget(1)->objectName(), U("TabSheet2"));
    QCOMPARE(pages->tabText(0), U("第一页"));
    QCOMPARE(pages->tabText(1), U("第二页"));
    QCOMPARE(pages->currentIndex(), 0);

    struct Box { const char *scroll; const char *page; int range; const char *group; QSize size; };
    const Box boxes[] = {{"ScrollBox1", "TabSheet1", 1070, "GroupBox2", QSize(749, 1017)},
                         {"ScrollBox3", "TabSheet2", 1300, "GroupBox3", QSize(749, 749)}};
    for (const Box &b : boxes) {
        auto *scroll = Child<QScrollArea>(b.scroll);
        QVERIFY(scroll);
        QCOMPARE(scroll->parentWidget()->objectName(), U(b.page));
        QVERIFY(!scroll->widgetResizable());
        QVERIFY(scroll->widget());
        QCOMPARE(scroll->widget()->height(), b.range);
        // Wide enough for the 749-pixel groups, narrow enough never to need a horizontal bar.
        QVERIFY(scroll->widget()->width() >= 749 && scroll->widget()->width() <= 800);
        auto *group = Child<QGroupBox>(b.group);
        QVERIFY(group);
        QVERIFY(scroll->widget()->isAncestorOf(group));
        QCOMPARE(group->size(), b.size);
        QCOMPARE(group->title(), U("基  本  情  况  登  记"));
        QVERIFY(QRect(QPoint(0, 0), scroll->widget()->size()).contains(RectIn(group, scroll->widget())));
    }
    QCOMPARE(m_form->widget()->font().family(), U("MS Sans Serif"));
    QCOMPARE(m_form->widget()->font().pointSize(), 8);
}

void TestYpzcsqScreen::dataCheckArea()
{
    auto *check = Child<QGroupBox>("GroupBox1");
    auto *hint = Child<QGroupBox>("GroupBox4");
    QVERIFY(check && hint);
    QCOMPARE(check->title(), U("数据校验"));
    QCOMPARE(check->size(), QSize(749, 41));
    QCOMPARE(hint->title(), U("提醒"));
    QCOMPARE(hint->parentWidget(), check);
    QCOMPARE(hint->geometry(), check->rect());  // covers it exactly

    auto *label36 = Child<QLabel>("Label36");
    auto *label31 = Child<QLabel>("Label31");
    auto *code = Child<QLineEdit>("VerifyCode");
    auto *crypt = Child<QLineEdit>("VerifyCryptCode");
    QVERIFY(label36 && label31 && code && crypt);
    for (QWidget *w : {static_cast<QWidget *>(label36), static_cast<QWidget *>(label31),
                       static_cast<QWidget *>(code), static_cast<QWidget *>(crypt)})
        QCOMPARE(w->parentWidget(), hint);
    QCOMPARE(label36->text(), U("进口药材报验申请提示：第一次使用前请仔细阅读填写说明"));
    QVERIFY(label36->font().bold());
    QCOMPARE(label36->font().pointSize(), 10);
    QCOMPARE(label36->palette().color(QPalette::WindowText), QColor(128, 0, 0));
    QCOMPARE(label31->text(), U("数据核对码"));

    const QColor skyBlue(166, 202, 240);
    for (QLineEdit *edit : {code, crypt}) {
        QCOMPARE(edit->property("ImeName").toString(), U(kImeName));
        QVERIFY(edit->isReadOnly());
        QCOMPARE(edit->palette().color(QPalette::Base), skyBlue);
        QCOMPARE(edit->minimumWidth(), 87);
        QCOMPARE(edit->maximumWidth(), 87);
    }
    QVERIFY(crypt->isHidden());

    ShowMaximised(QSize(1024, 768));
    QVERIFY(code->isVisible());
    QVERIFY(!crypt->isVisible());
    QCOMPARE(code->width(), 87);
    // The hint group is opaque: the covered group, painted with it, looks exactly like it, so its
    // caption "数据校验" never shows through.
    QCOMPARE(check->grab().toImage(), hint->grab().toImage());
    // Left to right on one line: the hint, "数据核对码", the code.
    QVERIFY(RectIn(label36, hint).right() < RectIn(label31, hint).left());
    QVERIFY(RectIn(label31, hint).right() < RectIn(code, hint).left());
    QVERIFY(RectIn(label31, hint).intersects(QRect(0, RectIn(code, hint).top(), 749, code->height())));
    // Typing does not change the code; selecting and copying it works.
    code->setText(U("0123ABCD"));
    code->setFocus();
    QTest::keyClicks(code, U("99"));
    QTest::keyClick(code, Qt::Key_Backspace);
    QCOMPARE(code->text(), U("0123ABCD"));
    code->selectAll();
    QCOMPARE(code->selectedText(), U("0123ABCD"));
}

void TestYpzcsqScreen::creationState()
{
    QCOMPARE(m_form->windowTitle(), U("注册申请表"));
    QCOMPARE(Child<QTabWidget>("PageControl1")->currentIndex(), 0);
    for (const Row &row : kRows) {
        QWidget *w = m_form->findChild<QWidget *>(U(row.control));
        QVERIFY2(w, row.control);
        if (auto *edit = qobject_cast<QLineEdit *>(w))
            QVERIFY2(edit->text().isEmpty(), row.control);
        else if (auto *box = qobject_cast<QCheckBox *>(w))
            QVERIFY2(!box->isChecked(), row.control);
        else if (auto *picker = qobject_cast<TDateTimePicker *>(w))
            QCOMPARE(picker->Date(), QDate(2006, 2, 12));
        else
            QFAIL(row.control);
    }
    QVERIFY(Child<QLineEdit>("VerifyCode")->text().isEmpty());
    QVERIFY(Child<QLineEdit>("VerifyCryptCode")->text().isEmpty());
}

void TestYpzcsqScreen::labelsAndPlaces_data()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(kRows)); ++i)
        QTest::newRow(kRows[i].control) << i;
}

void TestYpzcsqScreen::labelsAndPlaces()
{
    QFETCH(int, row);
    const Row &r = kRows[row];
    ShowMaximised(QSize(1024, 768));
    auto *group = Child<QGroupBox>("GroupBox2");
    QWidget *control = m_form->findChild<QWidget *>(U(r.control));
    QVERIFY(control);
    QVERIFY(group->isAncestorOf(control));
    const QByteArray cls(r.cls);
    if (cls == "edit")
        QVERIFY(qobject_cast<QLineEdit *>(control));
    else if (cls == "date")
        QVERIFY(qobject_cast<TDateTimePicker *>(control));
    else {
        auto *box = qobject_cast<QCheckBox *>(control);
        QVERIFY(box);
        QVERIFY(box->text().isEmpty());  // its text is a label of its own
    }
    // Edits name the Chinese input method; date pickers and check boxes name none.
    const QVariant ime = control->property("ImeName");
    if (cls == "edit")
        QCOMPARE(ime.toString(), U(kImeName));
    else
        QVERIFY(!ime.isValid());

    // The label beside the control: exactly one label of the group bears the text, and the one
    // on the control's line stands to its left (to its right for check boxes).
    const QRect c = RectIn(control, group);
    QLabel *label = nullptr;
    for (QLabel *l : group->findChildren<QLabel *>()) {
        if (l->text() != U(r.label))
            continue;
        const QRect lr = RectIn(l, group);
        const bool sameLine = lr.top() <= c.center().y() && c.center().y() <= lr.bottom() + 1;
        if (sameLine)
            label = l;
    }
    QVERIFY2(label, "no label with that text on the control's line");
    QVERIFY(label->objectName().startsWith(U("Label")));
    const QRect l = RectIn(label, group);
    if (cls == "check")
        QVERIFY(l.left() > c.right() && l.left() - c.right() < 20);
    else
        QVERIFY(l.right() < c.left() && c.left() - l.right() < 20);

    const int w = group->width();
    switch (r.place) {
    case Place::Full:
        QVERIFY(c.left() < w / 3);
        QVERIFY(c.right() > w - 30);
        break;
    case Place::Left:
        QVERIFY(c.left() < w / 3);
        QVERIFY(c.right() < w * 3 / 5);
        break;
    case Place::Right:
        QVERIFY(c.left() > w / 2);
        break;
    case Place::List: {
        // Indented under the heading "所附资料：".
        QLabel *heading = nullptr;
        for (QLabel *h : group->findChildren<QLabel *>())
            if (h->text() == U("所附资料："))
                heading = h;
        QVERIFY(heading);
        QVERIFY(c.left() > RectIn(heading, group).left() + 10);
        QVERIFY(c.top() > RectIn(heading, group).bottom());
        break;
    }
    }
}

void TestYpzcsqScreen::readingOrder()
{
    ShowMaximised(QSize(1024, 768));
    auto *group = Child<QGroupBox>("GroupBox2");
    QRect previous;
    for (const Row &r : kRows) {
        const QRect c = RectIn(m_form->findChild<QWidget *>(U(r.control)), group);
        if (previous.isValid()) {
            const bool sameLine = c.top() < previous.bottom() && previous.top() < c.bottom();
            QVERIFY2(sameLine ? c.left() > previous.right() : c.top() > previous.bottom(), r.control);
        }
        previous = c;
    }
    // The headings stand between the rows they introduce.
    auto top = [&](const char *name) { return RectIn(m_form->findChild<QWidget *>(U(name)), group).top(); };
    for (auto [heading, before, after] : {std::tuple{"申请人（报验单位）", "Edit123", "Edit124"},
                                           std::tuple{"所附资料：", "Edit128", "edit201"}}) {
        QLabel *label = nullptr;
        for (QLabel *l : group->findChildren<QLabel *>())
            if (l->text() == U(heading))
                label = l;
        QVERIFY2(label, heading);
        const QRect h = RectIn(label, group);
        QVERIFY(h.top() > top(before) && h.bottom() < top(after));
    }
}

void TestYpzcsqScreen::keyboardFollowsReadingOrder()
{
    ShowMaximised(QSize(1024, 768));
    m_area->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_area.get()));
    auto *code = Child<QLineEdit>("VerifyCode");
    code->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), code);
    QStringList expected;
    for (const Row &r : kRows)
        expected << U(r.control);
    // A date edit steps through its date parts with Tab before the focus leaves it, so a control
    // may keep the focus for a few presses; what counts is the order in which controls get it.
    QStringList seen;
    for (int presses = 0; seen.size() < expected.size() && presses < 4 * expected.size(); ++presses) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus);
        while (focus && focus->objectName().startsWith(QLatin1String("qt_")))
            focus = focus->parentWidget();
        QVERIFY(focus);
        if (seen.isEmpty() || seen.last() != focus->objectName())
            seen << focus->objectName();
    }
    QCOMPARE(seen, expected);
}

void TestYpzcsqScreen::page2Notes()
{
    auto *group = Child<QGroupBox>("GroupBox3");
    QVERIFY(group);
    for (QWidget *w : group->findChildren<QWidget *>())
        QVERIFY2(!IsInputControl(w), qPrintable(w->objectName()));
    for (QWidget *w : Child<QWidget>("TabSheet2")->findChildren<QWidget *>())
        QVERIFY2(!IsInputControl(w), qPrintable(w->objectName()));

    ShowMaximised(QSize(1024, 768));
    Child<QTabWidget>("PageControl1")->setCurrentIndex(1);
    QTRY_VERIFY(group->isVisible());

    QList<QLabel *> labels = group->findChildren<QLabel *>();
    std::sort(labels.begin(), labels.end(), [group](QLabel *a, QLabel *b) {
        return RectIn(a, group).top() < RectIn(b, group).top();
    });
    QCOMPARE(labels.size(), int(std::size(kNotes)) + 1);
    QLabel *heading = labels.takeFirst();
    QCOMPARE(heading->text(), U("注   意   事   项"));
    QVERIFY(heading->font().bold());
    QCOMPARE(heading->font().pointSize(), 10);
    QCOMPARE(heading->palette().color(QPalette::WindowText), QColor(128, 0, 0));
    int notesLeft = group->width(), notesRight = 0;
    for (int i = 0; i < labels.size(); ++i) {
        QCOMPARE(labels[i]->text(), U(kNotes[i]));
        QVERIFY(labels[i]->font().bold());
        QCOMPARE(labels[i]->font().pointSize(), 9);
        QCOMPARE(labels[i]->palette().color(QPalette::WindowText), QColor(Qt::black));
        notesLeft = std::min(notesLeft, RectIn(labels[i], group).left());
        const QFontMetrics fm(labels[i]->font());
        notesRight = std::max(notesRight, RectIn(labels[i], group).left() + fm.horizontalAdvance(labels[i]->text()));
    }
    // The heading stands above the middle of the notes.
    const QRect hr = RectIn(heading, group);
    const int textWidth = QFontMetrics(heading->font()).horizontalAdvance(heading->text());
    int textLeft = hr.left();
    if (heading->alignment() & Qt::AlignHCenter)
        textLeft = hr.left() + (hr.width() - textWidth) / 2;
    const int middleOfText = textLeft + textWidth / 2;
    QVERIFY2(std::abs(middleOfText - (notesLeft + notesRight) / 2) < 60,
             qPrintable(QStringLiteral("heading centre %1, notes %2..%3").arg(middleOfText).arg(notesLeft).arg(notesRight)));
}

void TestYpzcsqScreen::nothingClippedOrOverlapped_data()
{
    QTest::addColumn<QSize>("areaSize");
    QTest::addColumn<int>("page");
    QTest::newRow("1024x768 page 1") << QSize(1024, 768) << 0;
    QTest::newRow("1024x768 page 2") << QSize(1024, 768) << 1;
    QTest::newRow("1280x1024 page 1") << QSize(1280, 1024) << 0;
    QTest::newRow("1920x1080 page 2") << QSize(1920, 1080) << 1;
}

void TestYpzcsqScreen::nothingClippedOrOverlapped()
{
    QFETCH(QSize, areaSize);
    QFETCH(int, page);
    ShowMaximised(areaSize);
    auto *pages = Child<QTabWidget>("PageControl1");
    pages->setCurrentIndex(page);
    auto *scroll = Child<QScrollArea>(page == 0 ? "ScrollBox1" : "ScrollBox3");
    QTRY_VERIFY(scroll->isVisible());

    // Only a vertical scroll bar, and it reaches the whole range.
    QCOMPARE(scroll->horizontalScrollBar()->maximum(), 0);
    QCOMPARE(scroll->verticalScrollBar()->maximum(),
             std::max(0, scroll->widget()->height() - scroll->viewport()->height()));

    const QList<const char *> groups = page == 0 ? QList<const char *>{"GroupBox4", "GroupBox2"}
                                                 : QList<const char *>{"GroupBox3"};
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
            }
        }
        for (int i = 0; i < items.size(); ++i)
            for (int j = i + 1; j < items.size(); ++j)
                QVERIFY2(!RectIn(items[i], group).intersects(RectIn(items[j], group)),
                         qPrintable(QStringLiteral("%1 overlaps %2").arg(items[i]->objectName(), items[j]->objectName())));
    }
    // The groups stay apart.
    if (page == 0) {
        QWidget *content = scroll->widget();
        QVERIFY(!RectIn(Child<QWidget>("GroupBox1"), content).intersects(RectIn(Child<QWidget>("GroupBox2"), content)));
    }
}

QTEST_MAIN(TestYpzcsqScreen)
#include "tst_ypzcsq_screen.moc"
