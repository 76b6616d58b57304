// Filling the report: group marks, plain texts taken from the document or the live control,
// text-only printing of plain entries, and the messages for missing objects and controls.
#include "BindingFixture.h"
#include "ScriptedPrompter.h"
#include "frReport.h"

#include <QtTest>

using namespace fixture;

class TestFillReport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void radioGroupMarks_data();
    void radioGroupMarks();
    void checkGroupMarks_data();
    void checkGroupMarks();
    void plainEntries();
    void messagesForMissingObjects();
    void laterEntryWins();
    void showReportUsesEngine();
};

// A report of one page holding a memo object for each name.
static std::unique_ptr<TfrReport> makeReport(const QStringList &names)
{
    auto report = std::make_unique<TfrReport>();
    TfrPage *page = report->Pages().Add();
    for (const QString &name : names) {
        TfrView *object = frCreateObject(gtMemo);
        object->Name = name;
        static_cast<TfrMemoView *>(object)->SetText(QStringLiteral("[placeholder]"));
        page->Add(object);
    }
    return report;
}

static QString textOf(TfrReport *report, const QString &name)
{
    auto *memo = dynamic_cast<TfrMemoView *>(report->FindObject(name));
    return memo ? memo->Text() : QStringLiteral("<none>");
}

static const QString kUntouched = QStringLiteral("[placeholder]");

void TestFillReport::radioGroupMarks_data()
{
    QTest::addColumn<QString>("field");  // the entry's Field attribute, "-" for none
    QTest::addColumn<QString>("value");
    QTest::addColumn<QStringList>("marks");
    QTest::newRow("second selected") << "g" << "2" << QStringList{"○", "●", "○"};
    QTest::newRow("empty value") << "g" << "" << QStringList{"○", "○", "○"};
    QTest::newRow("no matching key") << "g" << "9" << QStringList{"○", "○", "○"};
    QTest::newRow("no Field: untouched") << "-" << "2" << QStringList{kUntouched, kUntouched, kUntouched};
}

void TestFillReport::radioGroupMarks()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QStringList, marks);
    TScriptedPrompter prompter;
    QTemporaryDir dir;
    auto form = MakeForm({QStringLiteral("radio:R1/Box"), QStringLiteral("radio:R2/Box"),
                          QStringLiteral("radio:R3/Box")});
    const QString fieldAttr = field == QLatin1String("-") ? QString() : QStringLiteral(" Field=\"%1\"").arg(field);
    TUIHelper *helper = Load(form.get(), dir,
                             MakeDocument("",
                                          QStringLiteral("<e type=\"RadioGroup\"%1><i name=\"R1\" key=\"1\"/>"
                                                         "<i name=\"R2\" key=\"2\"/><i name=\"R3\" key=\"3\"/></e>")
                                              .arg(fieldAttr),
                                          QStringLiteral("<f name=\"g\" value=\"%1\"/>").arg(value)));
    auto report = makeReport({QStringLiteral("r1"), QStringLiteral("R2"), QStringLiteral("R3")});
    helper->SetReport(report.get());
    QCOMPARE(helper->Report, report.get());
    helper->FillReport();
    QCOMPARE((QStringList{textOf(report.get(), "R1"), textOf(report.get(), "R2"), textOf(report.get(), "R3")}),
             marks);
    QVERIFY(!report->FindObject(QStringLiteral("R1"))->Prop(QStringLiteral("TEXTONLY")).toBool());
    QVERIFY(prompter.Messages.isEmpty());
}

void TestFillReport::checkGroupMarks_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QStringList>("marks");  // items K1, k2, k3 and one with an empty key
    QTest::newRow("k1 and k3, letter case ignored") << "g" << "k1|$$|k3" << QStringList{"■", "□", "■", "□"};
    QTest::newRow("empty value: only the empty key") << "g" << "" << QStringList{"□", "□", "□", "■"};
    QTest::newRow("no Field") << "-" << "k1" << QStringList{"□", "□", "□", "■"};
}

void TestFillReport::checkGroupMarks()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QStringList, marks);
    TScriptedPrompter prompter;
    QTemporaryDir dir;
    auto form = MakeForm({QStringLiteral("check:C1")});
    const QString fieldAttr = field == QLatin1String("-") ? QString() : QStringLiteral(" Field=\"%1\"").arg(field);
    TUIHelper *helper = Load(
        form.get(), dir,
        MakeDocument("",
                     QStringLiteral("<e type=\"CheckGroup\"%1><i name=\"C1\" key=\"K1\"/><i name=\"C2\" key=\"k2\"/>"
                                    "<i name=\"C3\" key=\"k3\"/><i name=\"C4\" key=\"\"/><i name=\"C5\"/></e>")
                         .arg(fieldAttr),
                     QStringLiteral("<f name=\"g\" value=\"%1\"/>").arg(value)));
    QCOMPARE(prompter.Messages, QStringList{QStringLiteral("CheckBoxItem:\"C5\"没有Key。")});  // loading
    prompter.Clear();
    auto report = makeReport({"C1", "C2", "C3", "C4", "C5"});
    helper->SetReport(report.get());
    helper->FillReport();
    QCOMPARE((QStringList{textOf(report.get(), "C1"), textOf(report.get(), "C2"), textOf(report.get(), "C3"),
                          textOf(report.get(), "C4")}),
             marks);
    QCOMPARE(textOf(report.get(), "C5"), kUntouched);  // an item without key is skipped
    QVERIFY(prompter.Messages.isEmpty());
}

void TestFillReport::plainEntries()
{
    TScriptedPrompter prompter;
    QTemporaryDir dir;
    auto form = MakeForm({QStringLiteral("edit:Edit1"), QStringLiteral("memo:Memo1"),
                          QStringLiteral("check:Check1"), QStringLiteral("combo:Combo1")});
    TUIHelper *helper = Load(form.get(), dir,
                             MakeDocument("",
                                          "<e type=\"Edit\" name=\"Edit1\" Field=\"e\"/>"
                                          "<e type=\"Memo\" name=\"Memo1\" Field=\"m\"/>"
                                          "<e type=\"Check\" name=\"Check1\" Field=\"c\"/>"
                                          "<e type=\"ComboBox\" name=\"Combo1\" Field=\"cb\"><k key=\"甲\"/></e>"
                                          "<e type=\"Edit\" name=\"Edit1\"/>",
                                          "<f name=\"e\" value=\"[金额] 100\"/><f name=\"m\" value=\"\"/>"
                                          "<f name=\"c\" value=\"0\"/><f name=\"cb\" value=\"甲\"/>"));
    Find<QPlainTextEdit>(form.get(), "Memo1")->setPlainText(QStringLiteral("第一行\n第二行"));
    Find<QCheckBox>(form.get(), "Check1")->setChecked(true);
    Find<QLineEdit>(form.get(), "Edit1")->setText(QStringLiteral("changed after saving"));
    auto report = makeReport({"Edit1", "Memo1", "Check1", "Combo1"});
    helper->SetReport(report.get());
    helper->FillReport();
    // The last entry for Edit1 has no Field: it prints the empty text.
    QCOMPARE(textOf(report.get(), "Edit1"), QString());
    QCOMPARE(textOf(report.get(), "Memo1"), QStringLiteral("第一行\r\n第二行"));
    QCOMPARE(textOf(report.get(), "Check1"), QStringLiteral("■"));
    QCOMPARE(textOf(report.get(), "Combo1"), QStringLiteral("甲"));
    for (const char *name : {"Edit1", "Memo1", "Check1", "Combo1"})
        QVERIFY(report->FindObject(QLatin1String(name))->Prop(QStringLiteral("TEXTONLY")).toBool());
    QVERIFY(prompter.Messages.isEmpty());

    // Without the Field-less entry an edit prints its field value, brackets and all, not its text.
    auto form2 = MakeForm({QStringLiteral("edit:Edit1")});
    TUIHelper *helper2 = Load(form2.get(), dir,
                              MakeDocument("", "<e type=\"Edit\" name=\"Edit1\" Field=\"e\"/>",
                                           "<f name=\"e\" value=\"[金额] 100\"/>"));
    Find<QLineEdit>(form2.get(), "Edit1")->setText(QStringLiteral("changed after saving"));
    auto report2 = makeReport({"Edit1"});
    helper2->SetReport(report2.get());
    helper2->FillReport();
    QCOMPARE(textOf(report2.get(), "Edit1"), QStringLiteral("[金额] 100"));
}

void TestFillReport::messagesForMissingObjects()
{
    TScriptedPrompter prompter;
    QTemporaryDir dir;
    auto form = MakeForm({QStringLiteral("edit:Edit1"), QStringLiteral("edit:Edit2")});
    TUIHelper *helper = Load(form.get(), dir,
                             MakeDocument("",
                                          "<e type=\"Edit\" name=\"Edit1\" Field=\"e\"/>"
                                          "<e type=\"Edit\" name=\"NoWhere\" Field=\"e\"/>"
                                          "<e type=\"Edit\" name=\"OnlyReport\" Field=\"e\"/>"
                                          "<e type=\"RadioGroup\" Field=\"e\"><i name=\"NoMark\" key=\"1\"/></e>"
                                          "<e type=\"CheckGroup\" Field=\"e\"><i name=\"NoBox\" key=\"1\"/></e>"
                                          "<e type=\"Edit\" name=\"Edit2\" Field=\"e\"/>",
                                          "<f name=\"e\" value=\"v\"/>"));
    auto report = makeReport({"Edit1", "OnlyReport", "Edit2"});
    helper->SetReport(report.get());
    helper->FillReport();
    QCOMPARE(prompter.Messages, (QStringList{QStringLiteral("报表控件未找到！ NoWhere"),
                                             QStringLiteral("控件未找到！ OnlyReport"),
                                             QStringLiteral("控件未找到！ NoMark"),
                                             QStringLiteral("控件未找到！ NoBox")}));
    QCOMPARE(textOf(report.get(), "Edit2"), QStringLiteral("v"));  // filling went on
    QCOMPARE(textOf(report.get(), "OnlyReport"), kUntouched);
}

void TestFillReport::laterEntryWins()
{
    TScriptedPrompter prompter;
    QTemporaryDir dir;
    auto form = MakeForm({QStringLiteral("edit:Edit1"), QStringLiteral("edit:Edit2")});
    TUIHelper *helper = Load(form.get(), dir,
                             MakeDocument("",
                                          "<e type=\"Edit\" name=\"Edit1\" Field=\"a\"/>"
                                          "<e type=\"Edit\" name=\"edit1\" Field=\"b\"/>",
                                          "<f name=\"a\" value=\"first\"/><f name=\"b\" value=\"second\"/>"));
    auto report = makeReport({"EDIT1"});
    helper->SetReport(report.get());
    helper->FillReport();
    QCOMPARE(textOf(report.get(), "Edit1"), QStringLiteral("second"));
}

void TestFillReport::showReportUsesEngine()
{
    TScriptedPrompter prompter;
    QTemporaryDir dir;
    auto form = MakeForm({QStringLiteral("edit:Edit1")});
    TUIHelper *helper = Load(form.get(), dir,
                             MakeDocument("", "<e type=\"Edit\" name=\"Edit1\" Field=\"a\"/>",
                                          "<f name=\"a\" value=\"印\"/>"));
    auto report = makeReport({"Edit1"});
    helper->SetReport(report.get());
    helper->FillReport();
    int shown = 0;
    TfrReport::SetPreviewHook([&shown](TfrReport &r) {
        ++shown;
        QVERIFY(!r.PreparedPages().isEmpty());
    });
    helper->ShowReport();
    TfrReport::SetPreviewHook(nullptr);
    QCOMPARE(shown, 1);
}

QTEST_MAIN(TestFillReport)
#include "tst_fillreport.moc"
