// The report model: lookup by name, texts, named properties, pages, and the template reader.
#include "Errors.h"
#include "frReport.h"

#include <QtTest>

class TestFrReport : public QObject {
    Q_OBJECT

private:
    static TfrMemoView *addMemo(TfrPage *page, const QString &name, const QString &text)
    {
        auto *memo = static_cast<TfrMemoView *>(frCreateObject(gtMemo));
        memo->Name = name;
        memo->SetText(text);
        page->Add(memo);
        return memo;
    }

private Q_SLOTS:
    void findObject_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("found");  // text of the object found, "-" for none
        QTest::newRow("exact") << "Edit101" << "first";
        QTest::newRow("lower") << "edit101" << "first";
        QTest::newRow("upper") << "EDIT101" << "first";
        QTest::newRow("later page") << "verifycode1" << "code";
        QTest::newRow("line") << "LINE1" << "";
        QTest::newRow("missing") << "Edit999" << "-";
        QTest::newRow("prefix only") << "Edit10" << "-";
        QTest::newRow("empty") << "" << "-";
    }
    void findObject()
    {
        QFETCH(QString, name);
        QFETCH(QString, found);
        TfrReport report;
        TfrPage *p1 = report.Pages().Add();
        TfrPage *p2 = report.Pages().Add();
        addMemo(p1, QStringLiteral("edit101"), QStringLiteral("first"));
        auto *line = frCreateObject(gtLine);
        line->Name = QStringLiteral("Line1");
        p1->Add(line);
        // The same name on a later page is never reached: pages are searched in order.
        addMemo(p2, QStringLiteral("EDIT101"), QStringLiteral("second"));
        addMemo(p2, QStringLiteral("VerifyCode1"), QStringLiteral("code"));
        TfrView *view = report.FindObject(name);
        if (found == QLatin1String("-")) {
            QVERIFY(!view);
            return;
        }
        QVERIFY(view);
        if (auto *memo = dynamic_cast<TfrMemoView *>(view))
            QCOMPARE(memo->Text(), found);
        else
            QCOMPARE(view->Type(), int(gtLine));
    }

    void setText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("one line") << "当归" << QStringList{"当归"};
        QTest::newRow("CR LF") << "第一行\r\n第二行" << QStringList{"第一行", "第二行"};
        QTest::newRow("LF") << "a\nb\nc" << QStringList{"a", "b", "c"};
        QTest::newRow("CR") << "a\rb" << QStringList{"a", "b"};
        QTest::newRow("blank line kept") << "a\r\n\r\nb" << QStringList{"a", "", "b"};
        QTest::newRow("trailing break") << "a\r\n" << QStringList{"a", ""};
        QTest::newRow("brackets literal") << "[Edit1] [DATE]" << QStringList{"[Edit1] [DATE]"};
    }
    void setText()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        TfrMemoView memo;
        memo.SetText(QStringLiteral("old\r\ntext"));
        memo.SetText(text);
        QCOMPARE(memo.Memo, lines);
        QCOMPARE(memo.Text(), lines.join(QStringLiteral("\r\n")));
    }

    void addEntry()
    {
        TfrMemoView memo;
        memo.Memo.clear();
        memo.Add(QStringLiteral("附页：\r\n\r\n15.处方："));
        QCOMPARE(memo.Memo.size(), 1);
        QCOMPARE(memo.Text(), QStringLiteral("附页：\r\n\r\n15.处方："));
    }

    void props_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QVariant>("expected");
        QTest::newRow("TEXTONLY 16") << int(gtMemo) << "TEXTONLY" << QVariant(16) << QVariant(true);
        QTest::newRow("TEXTONLY 0") << int(gtMemo) << "TEXTONLY" << QVariant(0) << QVariant(false);
        QTest::newRow("textonly any case") << int(gtMemo) << "TextOnly" << QVariant(1) << QVariant(true);
        QTest::newRow("Alignment") << int(gtMemo) << "Alignment" << QVariant(10) << QVariant(10);
        QTest::newRow("Font.Size") << int(gtMemo) << "Font.Size" << QVariant(9) << QVariant(9.0);
        QTest::newRow("STRETCHED memo") << int(gtMemo) << "STRETCHED" << QVariant(1) << QVariant(true);
        QTest::newRow("STRETCHED band") << int(gtBand) << "STRETCHED" << QVariant(1) << QVariant(true);
        QTest::newRow("BREAKED 8") << int(gtBand) << "BREAKED" << QVariant(8) << QVariant(true);
        QTest::newRow("BREAKED off") << int(gtBand) << "BREAKED" << QVariant(0) << QVariant(false);
        QTest::newRow("unknown ignored") << int(gtMemo) << "Frame.Width" << QVariant(3) << QVariant();
    }
    void props()
    {
        QFETCH(int, type);
        QFETCH(QString, name);
        QFETCH(QVariant, value);
        QFETCH(QVariant, expected);
        std::unique_ptr<TfrView> view(frCreateObject(type));
        QVERIFY(view);
        QCOMPARE(view->Type(), type);
        view->SetProp(name, value);
        QCOMPARE(view->Prop(name), expected);
    }

    void memoPropsReachFields()
    {
        TfrMemoView memo;
        memo.SetProp(QStringLiteral("TEXTONLY"), 16);
        memo.SetProp(QStringLiteral("Alignment"), 0);
        memo.SetProp(QStringLiteral("Font.Size"), 9);
        memo.SetProp(QStringLiteral("STRETCHED"), 1);
        QVERIFY(memo.TextOnly);
        QCOMPARE(memo.Alignment, 0);
        QCOMPARE(memo.FontSize, 9.0);
        QVERIFY(memo.Stretched);
        // A new text object prints in Arial, word-wrapped, as the attachment page expects.
        QCOMPARE(memo.FontName, QStringLiteral("Arial"));
        QVERIFY(memo.WordWrap);
    }

    void pages()
    {
        TfrReport report;
        QCOMPARE(report.Pages().Count(), 0);
        TfrPage *a = report.Pages().Add();
        a->Name = QStringLiteral("a");
        TfrPage *b = report.Pages().Add();
        b->Name = QStringLiteral("b");
        TfrPage *c = report.Pages().Add();
        c->Name = QStringLiteral("c");
        addMemo(b, QStringLiteral("Memo1"), QStringLiteral("x"));
        QVERIFY(b->Portrait);
        QVERIFY(b->PaperWidth > 0 && b->PaperHeight > b->PaperWidth);
        b->SetMargins(90, 79, 54, 54);
        QCOMPARE(b->MarginLeft, 90);
        QCOMPARE(b->MarginTop, 79);
        QCOMPARE(b->MarginRight, 54);
        QCOMPARE(b->MarginBottom, 54);

        report.Pages().Delete(1);  // with its objects
        QCOMPARE(report.Pages().Count(), 2);
        QCOMPARE(report.Pages()[0]->Name, QStringLiteral("a"));
        QCOMPARE(report.Pages()[1]->Name, QStringLiteral("c"));
        QVERIFY(!report.FindObject(QStringLiteral("Memo1")));
        report.Pages().Delete(5);
        report.Pages().Delete(-1);
        QCOMPARE(report.Pages().Count(), 2);
    }

    void bounds()
    {
        std::unique_ptr<TfrView> band(frCreateObject(gtBand));
        band->SetBounds(90, 79, 0, 100);
        QCOMPARE(band->x, 90.0);
        QCOMPARE(band->y, 79.0);
        QCOMPARE(band->dx, 0.0);
        QCOMPARE(band->dy, 100.0);
        QVERIFY(!frCreateObject(99));
    }

    void readTemplate()
    {
        TfrReport report;
        report.LoadFromText(QStringLiteral(
            "# comment\n"
            "report printer=\"\\\\\\\\server\\\\HP\"\n"
            "\n"
            "page name=\"\" paper=9 size=2100,2970 orientation=portrait margins=90,79,54,54\n"
            "memo name=Memo1 rect=233,22,305,33 Font.Name=\"宋体\" Font.Size=20 Font.Bold=1 Alignment=centre,middle WordWrap=0 text=\"进 口\\n\\\"单\\\"\"\r\n"
            "line name=Line1 rect=45,-145,682,0 LineWidth=1.5\n"
            "page name=\"Page1\" size=2970,2100 orientation=landscape\n"
            "band name=Band1 rect=90,79,0,100 BandType=5 DataSet=1 Breaked=1 Stretched=1\n"
            "memo name=edit1 rect=91,80,60,90 bandalign=4 TEXTONLY=1 stretched=1\n"));
        QCOMPARE(report.PrinterName, QStringLiteral("\\\\server\\HP"));
        QCOMPARE(report.Pages().Count(), 2);
        const TfrPage *p1 = report.Pages()[0];
        QCOMPARE(p1->Name, QString());
        QCOMPARE(p1->PaperSize, 9);
        QCOMPARE(p1->PaperWidth, 2100);
        QCOMPARE(p1->MarginLeft, 90);
        QCOMPARE(p1->MarginBottom, 54);
        QCOMPARE(p1->Count(), 2);
        auto *memo = dynamic_cast<TfrMemoView *>(p1->Object(0));
        QVERIFY(memo);
        QCOMPARE(memo->Memo, (QStringList{"进 口", "\"单\""}));
        QCOMPARE(memo->FontName, QStringLiteral("宋体"));
        QCOMPARE(memo->FontSize, 20.0);
        QVERIFY(memo->FontBold);
        QCOMPARE(memo->Alignment, 10);
        QVERIFY(!memo->WordWrap);
        QCOMPARE(QRectF(memo->x, memo->y, memo->dx, memo->dy), QRectF(233, 22, 305, 33));
        auto *line = dynamic_cast<TfrLineView *>(p1->Object(1));
        QVERIFY(line);
        QCOMPARE(line->y, -145.0);
        QCOMPARE(line->LineWidth, 1.5);
        const TfrPage *p2 = report.Pages()[1];
        QCOMPARE(p2->Name, QStringLiteral("Page1"));
        QVERIFY(!p2->Portrait);
        auto *band = dynamic_cast<TfrBandView *>(p2->Object(0));
        QVERIFY(band);
        QCOMPARE(band->BandType, btMasterData);
        QCOMPARE(band->DataSet, QStringLiteral("1"));
        QVERIFY(band->Breaked && band->Stretched);
        auto *inBand = dynamic_cast<TfrMemoView *>(p2->Object(1));
        QVERIFY(inBand);
        QCOMPARE(inBand->BandAlign, baWidth);
        QVERIFY(inBand->TextOnly && inBand->Stretched);
        QCOMPARE(inBand->Text(), QString());
    }

    // Template defaults, page defaults and an object's own attributes, in that order of strength;
    // each object takes only the defaults of its kind.
    void defaults()
    {
        TfrReport report;
        report.LoadFromText(QStringLiteral(
            "defaults Font.Name=\"宋体\" Font.Size=9 Alignment=left,middle LineWidth=1\n"
            "page name=\"\"\n"
            "memo name=a\n"
            "memo name=b Font.Size=12 Alignment=right\n"
            "line name=l1\n"
            "page name=\"Page1\"\n"
            "defaults Font.Name=\"仿宋_GB2312\" WordWrap=0\n"
            "memo name=c\n"
            "line name=l2 LineWidth=2\n"
            "page name=\"Page2\"\n"
            "memo name=d\n"));
        auto memo = [&](const char *name) { return dynamic_cast<TfrMemoView *>(report.FindObject(QLatin1String(name))); };
        QCOMPARE(memo("a")->FontName, QStringLiteral("宋体"));
        QCOMPARE(memo("a")->FontSize, 9.0);
        QCOMPARE(memo("a")->Alignment, frtaLeft + frtaMiddle);
        QVERIFY(memo("a")->WordWrap);
        QCOMPARE(memo("b")->FontSize, 12.0);
        QCOMPARE(memo("b")->Alignment, int(frtaRight));
        QCOMPARE(dynamic_cast<TfrLineView *>(report.FindObject(QStringLiteral("l1")))->LineWidth, 1.0);
        QCOMPARE(memo("c")->FontName, QStringLiteral("仿宋_GB2312"));
        QCOMPARE(memo("c")->FontSize, 9.0);
        QVERIFY(!memo("c")->WordWrap);
        QCOMPARE(dynamic_cast<TfrLineView *>(report.FindObject(QStringLiteral("l2")))->LineWidth, 2.0);
        // A page's defaults end with the page.
        QCOMPARE(memo("d")->FontName, QStringLiteral("宋体"));
        QVERIFY(memo("d")->WordWrap);
    }

    void alignmentNames_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("code");
        QTest::newRow("left,top") << "left,top" << 0;
        QTest::newRow("left,middle") << "left,middle" << 8;
        QTest::newRow("centre,bottom") << "centre,bottom" << 18;
        QTest::newRow("right,top") << "right,top" << 1;
        QTest::newRow("center spelled the American way") << "center,middle" << 10;
        QTest::newRow("vertical first, spaces") << " middle , right " << 9;
        QTest::newRow("horizontal only") << "centre" << 2;
        QTest::newRow("vertical only") << "bottom" << 16;
        QTest::newRow("numeric code") << "10" << 10;
    }
    void alignmentNames()
    {
        QFETCH(QString, text);
        QFETCH(int, code);
        bool ok = false;
        QCOMPARE(frAlignmentFromText(text, &ok), code);
        QVERIFY(ok);
        // The names of a code read back as the same code, and SetProp takes either form.
        QCOMPARE(frAlignmentFromText(frAlignmentText(code), &ok), code);
        TfrMemoView memo;
        memo.SetProp(QStringLiteral("alignment"), text);
        QCOMPARE(memo.Alignment, code);
        memo.SetProp(QStringLiteral("Alignment"), QStringLiteral("two,words"));
        QCOMPARE(memo.Alignment, code);
    }

    void badTemplate_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("line");
        const QString page = QStringLiteral("page name=\"\"\n");
        QTest::newRow("unknown record") << page + "text name=a" << 2;
        QTest::newRow("unknown key") << page + "memo name=a colour=red" << 2;
        QTest::newRow("missing =") << page + "memo name" << 2;
        QTest::newRow("open quote") << page + "memo name=a text=\"abc" << 2;
        QTest::newRow("bad escape") << page + "memo text=\"a\\qb\"" << 2;
        QTest::newRow("bad number") << page + "memo rect=1,2,x,4" << 2;
        QTest::newRow("three numbers") << page + "line rect=1,2,3" << 2;
        QTest::newRow("bad switch") << page + "memo Font.Bold=yes" << 2;
        QTest::newRow("old key") << page + "memo bold=1" << 2;
        QTest::newRow("key of another kind") << page + "line LineWidth=1\nline Font.Size=9" << 3;
        QTest::newRow("alignment word") << page + "memo Alignment=left,centre" << 2;
        QTest::newRow("alignment unknown") << page + "memo Alignment=justify" << 2;
        QTest::newRow("defaults with text") << "defaults Text=x" << 1;
        QTest::newRow("defaults unknown") << page + "defaults Colour=red" << 2;
        QTest::newRow("bad size") << page + "memo Font.Size=0" << 2;
        QTest::newRow("object before page") << "memo name=a" << 1;
        QTest::newRow("same name other case") << page + "memo name=Memo1\n\nline name=MEMO1" << 4;
        QTest::newRow("bad paper") << "page size=0,2970" << 1;
        QTest::newRow("bad orientation") << "page orientation=upright" << 1;
    }
    void badTemplate()
    {
        QFETCH(QString, text);
        QFETCH(int, line);
        TfrReport report;
        report.LoadFromText(QStringLiteral("page name=\"kept\"\nmemo name=Memo9 text=x\n"));
        try {
            report.LoadFromText(text);
            QFAIL("no error raised");
        } catch (const EError &e) {
            QVERIFY2(e.Message().contains(QStringLiteral("第 %1 行").arg(line)), qPrintable(e.Message()));
        }
        // A faulty template replaces nothing.
        QCOMPARE(report.Pages().Count(), 1);
        QCOMPARE(report.Pages()[0]->Name, QStringLiteral("kept"));
        QVERIFY(report.FindObject(QStringLiteral("memo9")));
    }

    void missingFile()
    {
        TfrReport report;
        QVERIFY_THROWS_EXCEPTION(EError, report.LoadFromFile(QStringLiteral(":/reports/NOSUCH.frt")));
    }
};

QTEST_MAIN(TestFrReport)
#include "tst_frReport.moc"
