// Print preparation of a form window: the report filled from the form, the data check code on
// every later page, the fixed objects, the print hook and its attachment page, then the preview.
#include "ConfigedBase.h"
#include "Kinds.h"
#include "ScriptedPrompter.h"
#include "UIHelper.h"
#include "YPZCSQ.h"
#include "frAttachment.h"
#include "frReport.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <QtTest>

namespace {
const char *kTemplate =
    "page name=\"\" paper=9 size=2100,2970 margins=90,79,54,54\n"
    "memo name=verifycode rect=634,983,96,18 text=\"\"\n"
    "memo name=edit1 rect=100,100,400,80 text=\"edit1\"\n"
    "memo name=EDIT2 rect=100,200,400,20 text=\"edit2\"\n"
    "memo name=edit3 rect=100,300,400,20 text=\"edit3\"\n"
    "page name=\"Page1\" paper=9 size=2100,2970 margins=90,79,54,54\n"
    "memo name=verifycode1 rect=634,979,96,18 text=\"\"\n"
    "memo name=SCPMC rect=100,100,400,20 text=\"x\"\n"
    "memo name=ssqdw rect=100,130,400,20 text=\"x\"\n"
    "memo name=slcdw rect=100,160,400,20 text=\"x\"\n"
    "memo name=sedtguige rect=100,190,400,20 text=\"x\"\n"
    "memo name=sedtsqmc rect=100,220,400,20 text=\"x\"\n"
    "page name=\"Page2\" paper=9 size=2100,2970 margins=90,79,54,54\n"
    "memo name=VERIFYCODE2 rect=634,979,96,18 text=\"\"\n"
    "line name=VerifyCode3 rect=10,10,100,0\n";

// A form window of the tests' own: a code edit, a memo and edits, its report built from the
// template above, and a print hook that the test sets.
class TPrintForm : public TEABaseForm {
public:
    TPrintForm()
    {
        auto *client = new QWidget;
        auto *layout = new QVBoxLayout(client);
        code = new QLineEdit(client);
        code->setObjectName(QStringLiteral("VerifyCode"));
        memo = new QPlainTextEdit(client);
        memo->setObjectName(QStringLiteral("Edit1"));
        name = new QLineEdit(client);
        name->setObjectName(QStringLiteral("Edit2"));
        product = new QLineEdit(client);
        applicant = new QLineEdit(client);
        unit = new QLineEdit(client);
        for (QWidget *w : {static_cast<QWidget *>(code), static_cast<QWidget *>(memo), static_cast<QWidget *>(name),
                           static_cast<QWidget *>(product), static_cast<QWidget *>(applicant),
                           static_cast<QWidget *>(unit)})
            layout->addWidget(w);
        setWidget(client);
        Report = new TfrReport(this);
        Report->LoadFromText(QString::fromUtf8(kTemplate));
        VerifyCodeEdit = code;
        ProductNameEdit = product;
        ApplicantEdit = applicant;
        ClinicalUnitEdit = unit;
        ConfigType = QStringLiteral("打印测试");
        LoadDocument(QStringLiteral(SHENBAO_TEST_DATA "/data/printform.xml"));
    }
    QLineEdit *code, *name, *product, *applicant, *unit;
    QPlainTextEdit *memo;
};

struct Printed {
    QList<TfrPreparedPage> pages;
    int previews = 0;
    const TfrPreparedItem *item(const QString &objectName, int page) const
    {
        if (page < 0 || page >= pages.size())
            return nullptr;
        for (const TfrPreparedItem &it : pages.at(page).items)
            if (it.objectName.compare(objectName, Qt::CaseInsensitive) == 0)
                return &it;
        return nullptr;
    }
    QString text(const QString &objectName, int page) const
    {
        const TfrPreparedItem *it = item(objectName, page);
        return it ? it->text : QStringLiteral("<none>");
    }
    QStringList pageNames() const
    {
        QStringList names;
        for (const TfrPreparedPage &p : pages)
            names.append(p.templatePageName);
        return names;
    }
};

QStringList templatePageNames(const TfrReport *report)
{
    QStringList names;
    for (int i = 0; i < report->Pages().Count(); ++i)
        names.append(report->Pages()[i]->Name);
    return names;
}
}  // namespace

class TestPrintApplication : public QObject {
    Q_OBJECT

    Printed printed;

private Q_SLOTS:
    void init()
    {
        printed = Printed();
        TfrReport::SetPreviewHook([this](TfrReport &report) {
            ++printed.previews;
            printed.pages = report.PreparedPages();
        });
    }
    void cleanup()
    {
        TfrReport::SetPreviewHook({});
        QVERIFY(!QApplication::activeModalWidget());
    }

    void fillsAndWritesFixedObjects()
    {
        TScriptedPrompter prompter;
        TPrintForm form;
        QVERIFY(form.Helper);
        form.code->setText(QStringLiteral("9F8E7D6C"));
        form.memo->setPlainText(QStringLiteral("第一行\n第二行"));
        form.product->setText(QStringLiteral("当归"));
        form.applicant->setText(QStringLiteral("上海中药饮片有限公司"));
        form.unit->setText(QStringLiteral("某医院"));
        form.PrintApplication();

        QCOMPARE(printed.previews, 1);
        QCOMPARE(printed.pageNames(), (QStringList{"", "Page1", "Page2"}));
        // Page 1's code object prints what the document gives it; later pages print the code
        // shown in the form, whatever the letter case of their object names.
        QCOMPARE(printed.text("VerifyCode", 0), QStringLiteral("1A2B3C4D"));
        QCOMPARE(printed.text("VerifyCode1", 1), QStringLiteral("9F8E7D6C"));
        QCOMPARE(printed.text("VerifyCode2", 2), QStringLiteral("9F8E7D6C"));
        QCOMPARE(printed.item("VerifyCode3", 2)->kind, TfrPreparedItem::Line);
        QCOMPARE(printed.text("scpmc", 1), QStringLiteral("当归"));
        QCOMPARE(printed.text("ssqdw", 1), QStringLiteral("上海中药饮片有限公司"));
        QCOMPARE(printed.text("slcdw", 1), QStringLiteral("某医院"));
        // Unset control references print as empty text.
        QCOMPARE(printed.text("sedtguige", 1), QString());
        QCOMPARE(printed.text("sedtsqmc", 1), QString());
        // The memo's own text with its line break; brackets print literally.
        QCOMPARE(printed.item("edit1", 0)->lines, (QStringList{"第一行", "第二行"}));
        QCOMPARE(printed.text("edit2", 0), QStringLiteral("[批件] 名称"));
        QCOMPARE(printed.item("edit2", 0)->lines, QStringList{QStringLiteral("[批件] 名称")});
        // An object no entry names prints its placeholder.
        QCOMPARE(printed.text("edit3", 0), QStringLiteral("edit3"));
        QCOMPARE(prompter.Messages, QStringList{QStringLiteral("报表控件未找到！ Edit999")});
        QVERIFY(prompter.Unexpected.isEmpty());
    }

    void missingObjectReportedOncePerPrint()
    {
        TScriptedPrompter prompter;
        TPrintForm form;
        form.PrintApplication();
        form.PrintApplication();
        QCOMPARE(printed.previews, 2);
        QCOMPARE(prompter.Messages, QStringList(2, QStringLiteral("报表控件未找到！ Edit999")));
    }

    void hookArguments()
    {
        TScriptedPrompter prompter;
        TPrintForm form;
        QObject *sender = nullptr;
        TfrReport *received = nullptr;
        QString onEntry = QStringLiteral("not called");
        QString codeSeen;
        form.OnBeforePrintDoc = [&](QObject *s, TfrReport *&report, QString &attach) {
            sender = s;
            received = report;
            onEntry = attach;
            // The hook runs after filling and after the fixed objects.
            codeSeen = static_cast<TfrMemoView *>(report->FindObject(QStringLiteral("VerifyCode1")))->Text();
        };
        form.code->setText(QStringLiteral("0000ABCD"));
        form.PrintApplication();
        QCOMPARE(sender, &form);
        QCOMPARE(received, form.Report);
        QCOMPARE(onEntry, QString());
        QCOMPARE(codeSeen, QStringLiteral("0000ABCD"));
        // No attachment text, no attachment page.
        QCOMPARE(templatePageNames(form.Report), (QStringList{"", "Page1", "Page2"}));
        QCOMPARE(printed.pages.size(), 3);
    }

    void attachmentPageOnceAndReplaced()
    {
        TScriptedPrompter prompter;
        TPrintForm form;
        QString next = QStringLiteral("附页：\r\n\r\n15.处方内辅料(含处方量)：\r\n\r\n第一次\r\n\r\n");
        form.OnBeforePrintDoc = [&](QObject *, TfrReport *&, QString &attach) { attach = next; };
        form.PrintApplication();
        QCOMPARE(templatePageNames(form.Report), (QStringList{"", "Page1", "Page2", "newadd"}));
        QCOMPARE(printed.pageNames(), (QStringList{"", "Page1", "Page2", "newadd"}));

        const TfrPage *page = form.Report->Pages()[3];
        QCOMPARE(QList<int>({page->MarginLeft, page->MarginTop, page->MarginRight, page->MarginBottom}),
                 QList<int>({90, 79, 54, 54}));
        QVERIFY(page->Portrait);
        QCOMPARE(page->Count(), 2);
        auto *band = dynamic_cast<TfrBandView *>(page->Object(0));
        auto *memo = dynamic_cast<TfrMemoView *>(page->Object(1));
        QVERIFY(band && memo);
        QCOMPARE(QRectF(band->x, band->y, band->dx, band->dy), QRectF(90, 79, 0, 100));
        QCOMPARE(band->BandType, btMasterData);
        QCOMPARE(band->DataSet, QStringLiteral("1"));
        QVERIFY(band->Breaked && band->Stretched);
        QCOMPARE(QRectF(memo->x, memo->y, memo->dx, memo->dy), QRectF(91, 80, 60, 90));
        QCOMPARE(memo->BandAlign, baWidth);
        QCOMPARE(memo->Alignment, 0);
        QVERIFY(memo->TextOnly && memo->Stretched);
        QCOMPARE(memo->FontSize, 9.0);
        QCOMPARE(memo->FontName, QStringLiteral("Arial"));
        QCOMPARE(memo->Text(), next);

        const TfrPreparedItem &attached = printed.pages.last().items.first();
        QCOMPARE(attached.text, next);
        QCOMPARE(attached.rect.left(), 90.0);
        QVERIFY(attached.rect.width() > 600);

        next = QStringLiteral("附页：\r\n\r\n第二次");
        form.PrintApplication();
        QCOMPARE(templatePageNames(form.Report), (QStringList{"", "Page1", "Page2", "newadd"}));
        QCOMPARE(printed.pages.size(), 4);
        QCOMPARE(printed.pages.last().items.first().text, next);
    }

    void attachmentPageNameExact()
    {
        TScriptedPrompter prompter;
        TPrintForm form;
        form.OnBeforePrintDoc = [&](QObject *, TfrReport *&, QString &attach) { attach = QStringLiteral("附页"); };
        form.PrintApplication();
        form.Report->Pages()[3]->Name = QStringLiteral("NewAdd");
        form.PrintApplication();
        // Only a page named exactly "newadd" is replaced.
        QCOMPARE(templatePageNames(form.Report), (QStringList{"", "Page1", "Page2", "NewAdd", "newadd"}));
        QCOMPARE(printed.pages.size(), 5);
    }

    void longAttachmentContinues()
    {
        TScriptedPrompter prompter;
        TPrintForm form;
        QStringList lines;
        for (int i = 0; i < 150; ++i)
            lines.append(QStringLiteral("第%1行").arg(i + 1));
        form.OnBeforePrintDoc = [&](QObject *, TfrReport *&, QString &attach) {
            attach = lines.join(QStringLiteral("\r\n"));
        };
        form.PrintApplication();
        QVERIFY(printed.pages.size() > 4);
        QStringList printedLines;
        for (int i = 3; i < printed.pages.size(); ++i) {
            QCOMPARE(printed.pages[i].templatePageName, QStringLiteral("newadd"));
            printedLines += printed.pages[i].items.first().lines;
        }
        QCOMPARE(printedLines, lines);
    }

    void overflowItems_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("moved");
        QTest::newRow("70 bytes, 35 Chinese") << QString(35, QChar(0x836F)) << false;
        QTest::newRow("71 bytes") << QString(35, QChar(0x836F)) + QLatin1Char('a') << true;
        QTest::newRow("70 ASCII") << QString(70, QLatin1Char('a')) << false;
        QTest::newRow("71 ASCII") << QString(71, QLatin1Char('a')) << true;
        QTest::newRow("empty") << QString() << false;
    }
    void overflowItems()
    {
        QFETCH(QString, text);
        QFETCH(bool, moved);
        TScriptedPrompter prompter;
        TPrintForm form;
        form.OnBeforePrintDoc = [&](QObject *, TfrReport *&report, QString &attach) {
            TfrAttachment attachment(report, attach);
            QVERIFY(attachment.Move(QStringLiteral("Edit2"), QStringLiteral("15.处方内辅料(含处方量)："), text));
        };
        form.PrintApplication();
        if (!moved) {
            QCOMPARE(printed.pages.size(), 3);
            QCOMPARE(printed.text("edit2", 0), QStringLiteral("[批件] 名称"));
            return;
        }
        QCOMPARE(printed.pages.size(), 4);
        QCOMPARE(printed.text("edit2", 0), QStringLiteral("(见附页)"));
        QCOMPARE(printed.pages.last().items.first().text,
                 QStringLiteral("附页：\r\n\r\n15.处方内辅料(含处方量)：\r\n\r\n") + text + QStringLiteral("\r\n\r\n"));
    }

    void overflowItemWithoutObject()
    {
        TScriptedPrompter prompter;
        TPrintForm form;
        form.OnBeforePrintDoc = [&](QObject *, TfrReport *&report, QString &attach) {
            TfrAttachment attachment(report, attach);
            if (!attachment.Move(QStringLiteral("edtCFNFL"), QStringLiteral("15.处方内辅料(含处方量)："),
                                 QString(40, QChar(0x836F))))
                return;
            attachment.Move(QStringLiteral("Edit2"), QStringLiteral("18.主要适应症或者功能主治："), QString(40, QChar(0x836F)));
        };
        form.PrintApplication();
        QCOMPARE(prompter.Messages.last(), QStringLiteral("报表控件未找到！ edtCFNFL"));
        QCOMPARE(printed.pages.size(), 3);
        QCOMPARE(printed.text("edit2", 0), QStringLiteral("[批件] 名称"));
    }

    void importHerbalForm()
    {
        TScriptedPrompter prompter;
        auto *form = new TFrmYPZCSQ;
        form->LoadDocument(QStringLiteral(SHENBAO_TEST_DATA "/data/YPZCSQ_filled.qx"));
        QVERIFY(form->Helper);
        QCOMPARE(form->Report->DefaultCopies, 2);
        form->PrintApplication();
        QVERIFY2(prompter.Messages.isEmpty(), qPrintable(prompter.Messages.join(QLatin1Char('\n'))));
        QCOMPARE(printed.pageNames(), (QStringList{"", "Page1"}));
        // The same data check code on both pages.
        QCOMPARE(printed.text("VerifyCode", 0), QStringLiteral("1A2B3C4D"));
        QCOMPARE(printed.text("VerifyCode1", 1), QStringLiteral("1A2B3C4D"));
        QCOMPARE(printed.text("edit101", 0), QStringLiteral("当归"));
        QCOMPARE(printed.text("edit106", 0), QStringLiteral("[2026]进字第0042号"));
        QCOMPARE(printed.text("edit114", 0), QStringLiteral("2026/3/5"));
        QCOMPARE(printed.text("edit118", 0), QString());
        QCOMPARE(printed.text("VerifyCryptCode", 0), QString());
        QCOMPARE(printed.item("VerifyCryptCode", 0)->rect.top(), 1028.0);
        // Attached documents 1, 3 and 7 ticked.
        const QStringList marks{"■", "□", "■", "□", "□", "□", "■"};
        for (int i = 0; i < 7; ++i)
            QCOMPARE(printed.text(QStringLiteral("edit20%1").arg(i + 1), 0), marks.at(i));
        // The one-time approval box prints its mark at the paper's left edge.
        QCOMPARE(printed.text("edit208", 0), QStringLiteral("■"));
        QCOMPARE(printed.item("edit208", 0)->rect.left(), 0.0);
        // The kind adds no attachment page.
        QCOMPARE(templatePageNames(form->Report), (QStringList{"", "Page1"}));
        // Nothing printed is clipped.
        for (const TfrPreparedPage &page : printed.pages)
            for (const TfrPreparedItem &it : page.items)
                QVERIFY2(!it.clipped, qPrintable(it.objectName));
        form->SkipCloseQuery = true;
        delete form;
    }

    void everyKindPrintsItsTemplate_data()
    {
        QTest::addColumn<QString>("className");
        QTest::addColumn<int>("copies");
        QTest::addColumn<int>("pages");
        QTest::newRow("TFrmYPZCSQ") << "TFrmYPZCSQ" << 2 << 2;
        QTest::newRow("TFrmYPBCSQ") << "TFrmYPBCSQ" << 2 << 2;
        QTest::newRow("TFrmYPZCSQ_JK") << "TFrmYPZCSQ_JK" << 2 << 4;
        QTest::newRow("TFrmYPBCSQ_JK") << "TFrmYPBCSQ_JK" << 1 << 2;
        QTest::newRow("TFrmYPZZCSQ") << "TFrmYPZZCSQ" << 1 << 2;
        QTest::newRow("TFrmYPBCSQ_N") << "TFrmYPBCSQ_N" << 2 << 2;
    }
    void everyKindPrintsItsTemplate()
    {
        QFETCH(QString, className);
        QFETCH(int, copies);
        QFETCH(int, pages);
        const TKindInfo *kind = nullptr;
        for (const TKindInfo &k : AllKinds())
            if (k.className == className)
                kind = &k;
        QVERIFY(kind);
        TEABaseForm *form = kind->create(nullptr);
        QVERIFY(form->Report);
        QCOMPARE(form->Report->objectName(), QStringLiteral("frReport1"));
        QCOMPARE(form->Report->DefaultCopies, copies);
        QCOMPARE(form->Report->Pages().Count(), pages);
        // Every kind's print hook leaves the attachment text empty, even for long names.
        for (QLineEdit *edit : form->findChildren<QLineEdit *>())
            edit->setText(QString(60, QChar(0x540D)));
        QVERIFY(form->OnBeforePrintDoc);
        TScriptedPrompter prompter;
        QString attach;
        TfrReport *report = form->Report;
        form->OnBeforePrintDoc(form, report, attach);
        QCOMPARE(attach, QString());
        QCOMPARE(report, form->Report);
        QVERIFY(prompter.Messages.isEmpty());
        form->SkipCloseQuery = true;
        delete form;
    }
};

QTEST_MAIN(TestPrintApplication)
#include "tst_PrintApplication.moc"
