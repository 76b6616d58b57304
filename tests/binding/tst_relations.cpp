// Dependencies between controls: a controlling check box or radio button enables its dependents
// while ticked or selected and disables and clears them otherwise, through real clicks.
#include "BindingFixture.h"
#include "ScriptedPrompter.h"

#include <QApplication>
#include <QtTest>

using namespace fixture;

class TestRelations : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup();
    void loadedTickedEnablesDependents_data();
    void loadedTickedEnablesDependents();
    void untickClearsTickAgainLeavesEmpty();
    void nestedControllingCheckBoxes();
    void sharedDependentOfRadioAlternatives();
    void radioWithoutDataEntry();
    void relationNameInOtherLetterCase();
    void reloadReplacesHandlers();
    void reloadAfterEngineDeleted();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<QWidget> m_form;
    std::unique_ptr<TScriptedPrompter> m_prompter;

    void setUp(const QStringList &controls, const QByteArray &doc)
    {
        m_prompter = std::make_unique<TScriptedPrompter>();
        m_form = MakeForm(controls);
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
        Load(m_form.get(), m_dir, doc);
    }
    template <class T>
    T *w(const char *name) { return Find<T>(m_form.get(), name); }
};

// A click on the tick box or round button itself, as the user does it.
static void click(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

static bool looksDisabled(QWidget *w)
{
    return !w->isEnabled()
           && w->palette().color(QPalette::Base) == QApplication::palette().color(QPalette::Button);
}

static bool looksEnabled(QWidget *w)
{
    return w->isEnabled()
           && w->palette().color(QPalette::Base) == QApplication::palette().color(QPalette::Base);
}

void TestRelations::cleanup()
{
    if (m_prompter)
        QVERIFY(m_prompter->Unexpected.isEmpty());
    m_form.reset();
    m_prompter.reset();
}

static const QStringList kCheckForm = {QStringLiteral("check:Check1"), QStringLiteral("edit:Dep1"),
                                       QStringLiteral("memo:Dep2"), QStringLiteral("date:Dep3"),
                                       QStringLiteral("combo:Dep4")};

static QByteArray checkDocument(const QString &checkValue)
{
    return MakeDocument(
        "<r name=\"Check1\" type=\"c\"><d name=\"Dep1\"/><d name=\"Dep2\"/><d name=\"Dep3\"/><d name=\"Dep4\"/></r>",
        "<e type=\"Check\" name=\"Check1\" Field=\"c\"/><e type=\"Edit\" name=\"Dep1\" Field=\"d1\"/>"
        "<e type=\"Memo\" name=\"Dep2\" Field=\"d2\"/><e type=\"Date\" name=\"Dep3\" Field=\"d3\"/>"
        "<e type=\"ComboBox\" name=\"Dep4\" Field=\"d4\"><k key=\"甲\"/><k key=\"乙\"/></e>",
        QStringLiteral("<f name=\"c\" value=\"%1\"/><f name=\"d1\" value=\"文字\"/>"
                       "<f name=\"d2\" value=\"1tDOxA==\"/><f name=\"d3\" value=\"\"/><f name=\"d4\" value=\"乙\"/>")
            .arg(checkValue));
}

void TestRelations::loadedTickedEnablesDependents_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("ticked") << "-1" << true;
    QTest::newRow("unticked") << "0" << false;
}

void TestRelations::loadedTickedEnablesDependents()
{
    QFETCH(QString, value);
    QFETCH(bool, enabled);
    setUp(kCheckForm, checkDocument(value));
    QCOMPARE(w<QCheckBox>("Check1")->isChecked(), enabled);
    QCOMPARE(looksEnabled(w<QLineEdit>("Dep1")), enabled);
    QCOMPARE(looksDisabled(w<QLineEdit>("Dep1")), !enabled);
    QCOMPARE(looksEnabled(w<QPlainTextEdit>("Dep2")), enabled);
    QCOMPARE(w<TDateTimePicker>("Dep3")->isEnabled(), enabled);
    QCOMPARE(w<QComboBox>("Dep4")->isEnabled(), enabled);
    // The values pass loads the dependents' values after the relations pass cleared them.
    QCOMPARE(w<QLineEdit>("Dep1")->text(), QStringLiteral("文字"));
    QCOMPARE(w<QPlainTextEdit>("Dep2")->toPlainText(), QStringLiteral("中文"));
    QCOMPARE(w<QComboBox>("Dep4")->currentText(), QStringLiteral("乙"));
    QVERIFY(m_prompter->Messages.isEmpty());
}

void TestRelations::untickClearsTickAgainLeavesEmpty()
{
    setUp(kCheckForm, checkDocument(QStringLiteral("-1")));
    auto *check = w<QCheckBox>("Check1");
    w<TDateTimePicker>("Dep3")->SetDate(QDate(2026, 5, 1));
    click(check);
    QVERIFY(!check->isChecked());
    QVERIFY(looksDisabled(w<QLineEdit>("Dep1")));
    QVERIFY(looksDisabled(w<QPlainTextEdit>("Dep2")));
    QCOMPARE(w<QLineEdit>("Dep1")->text(), QString());
    QCOMPARE(w<QPlainTextEdit>("Dep2")->toPlainText(), QString());
    QVERIFY(!w<TDateTimePicker>("Dep3")->Checked());
    QCOMPARE(w<QComboBox>("Dep4")->currentText(), QString());
    QCOMPARE(w<QComboBox>("Dep4")->count(), 2);

    click(check);
    QVERIFY(check->isChecked());
    QVERIFY(looksEnabled(w<QLineEdit>("Dep1")));
    QVERIFY(looksEnabled(w<QPlainTextEdit>("Dep2")));
    QVERIFY(w<TDateTimePicker>("Dep3")->isEnabled());
    QCOMPARE(w<QLineEdit>("Dep1")->text(), QString());  // cleared texts stay empty
    QVERIFY(!w<TDateTimePicker>("Dep3")->Checked());

    // The program's own change of the ticked state runs the handler as well.
    check->setChecked(false);
    QVERIFY(looksDisabled(w<QLineEdit>("Dep1")));
    QVERIFY(m_prompter->Messages.isEmpty());
}

void TestRelations::nestedControllingCheckBoxes()
{
    setUp({QStringLiteral("check:Outer"), QStringLiteral("check:Inner"), QStringLiteral("edit:InnerDep"),
           QStringLiteral("edit:OuterDep")},
          MakeDocument("<r name=\"Outer\" type=\"c\"><d name=\"OuterDep\"/>"
                       "<d name=\"Inner\" type=\"c\"><d name=\"InnerDep\"/></d></r>",
                       "<e type=\"Check\" name=\"Outer\" Field=\"o\"/><e type=\"Check\" name=\"Inner\" Field=\"i\"/>"
                       "<e type=\"Edit\" name=\"InnerDep\" Field=\"id\"/>",
                       "<f name=\"o\" value=\"-1\"/><f name=\"i\" value=\"-1\"/><f name=\"id\" value=\"内\"/>"));
    auto *outer = w<QCheckBox>("Outer");
    auto *inner = w<QCheckBox>("Inner");
    auto *innerDep = w<QLineEdit>("InnerDep");
    QVERIFY(outer->isChecked());
    QVERIFY(inner->isChecked() && inner->isEnabled());
    QVERIFY(looksEnabled(innerDep));
    QCOMPARE(innerDep->text(), QStringLiteral("内"));

    click(outer);
    QVERIFY(!inner->isChecked());
    QVERIFY(!inner->isEnabled());
    QVERIFY(looksDisabled(innerDep));
    QCOMPARE(innerDep->text(), QString());

    click(outer);
    QVERIFY(inner->isEnabled() && !inner->isChecked());
    QVERIFY(looksDisabled(innerDep));  // its own box is still unticked
    click(inner);
    QVERIFY(looksEnabled(innerDep));
}

void TestRelations::sharedDependentOfRadioAlternatives()
{
    setUp({QStringLiteral("radio:Radio1/Box"), QStringLiteral("radio:Radio2/Box"),
           QStringLiteral("radio:Radio3/Box"), QStringLiteral("edit:Shared"), QStringLiteral("edit:Only1")},
          MakeDocument("<r name=\"Radio1\" type=\"r\"><d name=\"Shared\"/><d name=\"Only1\"/></r>"
                       "<r name=\"Radio2\" type=\"r\"><d name=\"Shared\"/></r>",
                       "<e type=\"RadioGroup\" name=\"G\" Field=\"g\"><i name=\"Radio1\" key=\"1\"/>"
                       "<i name=\"Radio2\" key=\"2\"/><i name=\"Radio3\" key=\"3\"/></e>",
                       "<f name=\"g\" value=\"2\"/>"));
    auto *shared = w<QLineEdit>("Shared");
    auto *only1 = w<QLineEdit>("Only1");
    QVERIFY(w<QRadioButton>("Radio2")->isChecked());
    QVERIFY(looksEnabled(shared));
    QVERIFY(looksDisabled(only1));

    click(w<QRadioButton>("Radio1"));
    QVERIFY(looksEnabled(shared));
    QVERIFY(looksEnabled(only1));

    shared->setText(QStringLiteral("x"));
    click(w<QRadioButton>("Radio3"));  // no relation of its own: the others' dependents go
    QVERIFY(looksDisabled(shared));
    QVERIFY(looksDisabled(only1));
    QCOMPARE(shared->text(), QString());

    click(w<QRadioButton>("Radio2"));
    QVERIFY(looksEnabled(shared));
    QVERIFY(looksDisabled(only1));
    QVERIFY(m_prompter->Messages.isEmpty());
}

void TestRelations::radioWithoutDataEntry()
{
    setUp({QStringLiteral("radio:Radio1/Box"), QStringLiteral("edit:Dep1")},
          MakeDocument("<r name=\"Radio1\" type=\"r\"><d name=\"Dep1\"/></r>", "", ""));
    QCOMPARE(m_prompter->Messages, QStringList{QStringLiteral("ui-data内无控件\"Radio1\"")});
    QVERIFY(w<QLineEdit>("Dep1")->isEnabled());  // its dependents are left as they are
}

void TestRelations::relationNameInOtherLetterCase()
{
    setUp({QStringLiteral("check:Edit5"), QStringLiteral("edit:Dep1")},
          MakeDocument("<r name=\"edit5\" type=\"c\"><d name=\"Dep1\"/></r>",
                       "<e type=\"Check\" name=\"Edit5\" Field=\"c\"/>", "<f name=\"c\" value=\"0\"/>"));
    QVERIFY(looksDisabled(w<QLineEdit>("Dep1")));
    click(w<QCheckBox>("Edit5"));
    QVERIFY(w<QCheckBox>("Edit5")->isChecked());
    QVERIFY(looksDisabled(w<QLineEdit>("Dep1")));  // the handler searches by the box's own name
}

void TestRelations::reloadReplacesHandlers()
{
    setUp(kCheckForm, checkDocument(QStringLiteral("0")));
    // A second engine on the same window takes over the handlers; the first one's document no
    // longer drives the controls.
    Load(m_form.get(), m_dir,
         MakeDocument("<r name=\"Check1\" type=\"c\"><d name=\"Dep2\"/></r>",
                      "<e type=\"Check\" name=\"Check1\" Field=\"c\"/>", "<f name=\"c\" value=\"0\"/>"));
    auto *dep1 = w<QLineEdit>("Dep1");
    dep1->setEnabled(true);
    click(w<QCheckBox>("Check1"));
    click(w<QCheckBox>("Check1"));
    QVERIFY(dep1->isEnabled());  // the old relation would have disabled it on unticking
    QVERIFY(looksDisabled(w<QPlainTextEdit>("Dep2")));
}

void TestRelations::reloadAfterEngineDeleted()
{
    // The window deletes its engine and loads the next document with a new one.
    setUp(kCheckForm, checkDocument(QStringLiteral("0")));
    delete m_form->findChild<TUIHelper *>();
    Load(m_form.get(), m_dir, checkDocument(QStringLiteral("-1")));
    QCOMPARE(m_form->findChildren<TUIHelper *>().size(), 1);
    QVERIFY(looksEnabled(w<QLineEdit>("Dep1")));
    click(w<QCheckBox>("Check1"));
    QVERIFY(looksDisabled(w<QLineEdit>("Dep1")));
}

QTEST_MAIN(TestRelations)
#include "tst_relations.moc"
