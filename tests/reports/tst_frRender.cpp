// Preparation of printed pages: one page per template page, objects at their places, texts
// wrapped and clipped to their boxes, and the band of an attachment page growing onto further
// pages.
#include "frAttachment.h"
#include "frReport.h"

#include <QtTest>

namespace {
const char *kTemplate =
    "page name=\"\" paper=9 size=2100,2970 margins=90,79,54,54\n"
    "memo name=edit101 rect=181,92,244,32 Font.Name=\"宋体\" Font.Size=9 Alignment=left,middle text=\"edit101\"\n"
    "memo name=Memo6 rect=128,91,51,36 Font.Name=\"宋体\" Font.Size=9 Alignment=centre,middle text=\"中文\"\n"
    "memo name=edit102 rect=485,90,241,34 Font.Name=\"宋体\" Font.Size=9 Alignment=left,middle WordWrap=0 text=\"\"\n"
    "line name=Line1 rect=45,90,682,0 LineWidth=2\n"
    "line name=Line2 rect=126,89,0,892 LineWidth=1\n"
    "line name=Line5 rect=45,-145,100,0 LineWidth=1\n"
    "memo name=Memo99 rect=45,-145,100,20 text=\"above the paper\"\n"
    "page name=\"Page1\" paper=9 size=2100,2970 margins=90,79,54,54\n"
    "memo name=VerifyCode1 rect=634,979,96,18 Font.Name=\"仿宋_GB2312\" Font.Size=9 Alignment=left,middle text=\"\"\n";

const TfrPreparedItem *item(const TfrPreparedPage &page, const QString &name)
{
    for (const TfrPreparedItem &it : page.items)
        if (it.objectName == name)
            return &it;
    return nullptr;
}

QString numberedLines(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines.append(QStringLiteral("第%1行：处方内辅料").arg(i));
    return lines.join(QStringLiteral("\r\n"));
}
}  // namespace

class TestFrRender : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void objectsAtTheirPlaces()
    {
        TfrReport report;
        report.LoadFromText(QString::fromUtf8(kTemplate));
        report.PrepareReport();
        const QList<TfrPreparedPage> &pages = report.PreparedPages();
        QCOMPARE(pages.size(), 2);
        QCOMPARE(pages[0].templatePageName, QString());
        QCOMPARE(pages[1].templatePageName, QStringLiteral("Page1"));
        QCOMPARE(pages[0].paperWidth, 2100);
        QCOMPARE(pages[0].paperHeight, 2970);

        const TfrPreparedItem *e = item(pages[0], QStringLiteral("edit101"));
        QVERIFY(e);
        QCOMPARE(e->kind, TfrPreparedItem::Text);
        QCOMPARE(e->rect, QRectF(181, 92, 244, 32));
        QCOMPARE(e->text, QStringLiteral("edit101"));  // the placeholder of an unfilled object
        QCOMPARE(e->fontName, QStringLiteral("宋体"));
        QCOMPARE(e->fontSize, 9.0);
        QCOMPARE(e->alignment, 8);
        QVERIFY(!e->clipped);

        const TfrPreparedItem *rule = item(pages[0], QStringLiteral("Line1"));
        QVERIFY(rule);
        QCOMPARE(rule->kind, TfrPreparedItem::Line);
        QCOMPARE(rule->rect, QRectF(45, 90, 682, 0));
        QCOMPARE(rule->lineWidth, 2.0);
        QCOMPARE(item(pages[0], QStringLiteral("Line2"))->rect, QRectF(126, 89, 0, 892));
        // Objects above the paper print nothing.
        QVERIFY(!item(pages[0], QStringLiteral("Line5")));
        QVERIFY(!item(pages[0], QStringLiteral("Memo99")));
        QVERIFY(item(pages[1], QStringLiteral("VerifyCode1")));
        QVERIFY(!item(pages[1], QStringLiteral("edit101")));
    }

    void longTextIsClippedAndMovesNothing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("clipped");
        QTest::addColumn<int>("lines");
        QTest::newRow("short") << "当归" << false << 1;
        QTest::newRow("two lines fit") << QString(30, QChar(0x836F)) << false << 2;
        QTest::newRow("many lines") << QString(400, QChar(0x836F)) << true << 20;
        QTest::newRow("line breaks") << "一\r\n二\r\n三\r\n四" << true << 4;
        QTest::newRow("long Latin word") << QString(200, QLatin1Char('A')) << true << 7;
    }
    void longTextIsClippedAndMovesNothing()
    {
        QFETCH(QString, text);
        QFETCH(bool, clipped);
        QFETCH(int, lines);
        TfrReport report;
        report.LoadFromText(QString::fromUtf8(kTemplate));
        static_cast<TfrMemoView *>(report.FindObject(QStringLiteral("EDIT101")))->SetText(text);
        report.PrepareReport();
        const QList<TfrPreparedPage> &pages = report.PreparedPages();
        QCOMPARE(pages.size(), 2);
        const TfrPreparedItem *e = item(pages[0], QStringLiteral("edit101"));
        QCOMPARE(e->rect, QRectF(181, 92, 244, 32));
        QCOMPARE(e->text, text);
        QCOMPARE(e->clipped, clipped);
        QVERIFY2(qAbs(e->lines.size() - lines) <= 1, qPrintable(QString::number(e->lines.size())));
        QCOMPARE(e->lines.join(QString()).remove(QLatin1String("\r\n")), QString(text).remove(QLatin1String("\r\n")));
        QCOMPARE(item(pages[0], QStringLiteral("Memo6"))->rect, QRectF(128, 91, 51, 36));
        QCOMPARE(item(pages[0], QStringLiteral("Line1"))->rect, QRectF(45, 90, 682, 0));
    }

    void noWrapKeepsOneLine()
    {
        TfrReport report;
        report.LoadFromText(QString::fromUtf8(kTemplate));
        static_cast<TfrMemoView *>(report.FindObject(QStringLiteral("edit102")))->SetText(QString(60, QChar(0x836F)));
        report.PrepareReport();
        const TfrPreparedItem *e = item(report.PreparedPages()[0], QStringLiteral("edit102"));
        QCOMPARE(e->lines.size(), 1);
        QVERIFY(e->clipped);
        QVERIFY(!e->wordWrap);
    }

    void prepareLeavesTemplate()
    {
        TfrReport report;
        report.LoadFromText(QString::fromUtf8(kTemplate));
        TfrAttachment::AddPage(report, numberedLines(200));
        report.PrepareReport();
        report.PrepareReport();
        QCOMPARE(report.Pages().Count(), 3);
        QCOMPARE(static_cast<TfrMemoView *>(report.FindObject(QStringLiteral("edit101")))->Text(),
                 QStringLiteral("edit101"));
        QVERIFY(report.PreparedPages().size() > 3);
    }

    void attachmentBand_data()
    {
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<bool>("morePages");
        QTest::newRow("one line") << 1 << false;
        QTest::newRow("fills part of the page") << 40 << false;
        QTest::newRow("continues") << 120 << true;
        QTest::newRow("several pages") << 400 << true;
    }
    void attachmentBand()
    {
        QFETCH(int, lineCount);
        QFETCH(bool, morePages);
        TfrReport report;
        report.LoadFromText(QString::fromUtf8(kTemplate));
        const QString text = numberedLines(lineCount);
        TfrAttachment::AddPage(report, text);
        report.PrepareReport();
        const QList<TfrPreparedPage> &pages = report.PreparedPages();
        QVERIFY(pages.size() >= 3);
        QCOMPARE(pages.size() > 3, morePages);

        const double paperWidth = 2100 / 254.0 * frUnitsPerInch;
        const double paperHeight = 2970 / 254.0 * frUnitsPerInch;
        QStringList printed;
        QStringList chunks;
        for (int i = 2; i < pages.size(); ++i) {
            const TfrPreparedPage &page = pages[i];
            QCOMPARE(page.templatePageName, QStringLiteral("newadd"));
            QCOMPARE(page.items.size(), 1);
            const TfrPreparedItem &memo = page.items.first();
            // The memo spans its band: the page's width inside the margins.
            QCOMPARE(memo.rect.left(), 90.0);
            QVERIFY(qAbs(memo.rect.width() - (paperWidth - 90 - 54)) < 0.01);
            QCOMPARE(memo.rect.top(), 80.0);  // from the top margin on every page
            QVERIFY(memo.rect.bottom() <= paperHeight - 54 + 0.5);
            QVERIFY(!memo.clipped);
            QCOMPARE(memo.fontSize, 9.0);
            QCOMPARE(memo.alignment, 0);
            printed += memo.lines;
            chunks.append(memo.text);
        }
        // Every line prints once, in order, across the pages.
        QCOMPARE(printed, text.split(QStringLiteral("\r\n")));
        QCOMPARE(chunks.join(QStringLiteral("\r\n")), text);
    }

    // The attachment text ends in blank lines; when its last printed line fills a page, the
    // blank lines left over start no empty page. Text after blank lines still continues.
    void noPageOfBlankLinesOnly_data()
    {
        QTest::addColumn<QString>("tail");
        QTest::addColumn<int>("attachmentPages");
        QTest::newRow("one blank line") << "\r\n" << 1;
        QTest::newRow("two blank lines") << "\r\n\r\n" << 1;
        QTest::newRow("blank lines with spaces") << "\r\n \r\n\r\n\r\n" << 1;
        QTest::newRow("text after blank lines") << "\r\n\r\n末行" << 2;
    }
    void noPageOfBlankLinesOnly()
    {
        QFETCH(QString, tail);
        QFETCH(int, attachmentPages);
        // How many lines the first attachment page holds.
        int perPage = 0;
        {
            TfrReport probe;
            TfrAttachment::AddPage(probe, numberedLines(400));
            probe.PrepareReport();
            perPage = int(probe.PreparedPages().first().items.first().lines.size());
        }
        QVERIFY(perPage > 10);
        TfrReport report;
        report.LoadFromText(QString::fromUtf8(kTemplate));
        const QString text = numberedLines(perPage) + tail;
        TfrAttachment::AddPage(report, text);
        report.PrepareReport();
        const QList<TfrPreparedPage> &pages = report.PreparedPages();
        QCOMPARE(pages.size(), 2 + attachmentPages);
        QStringList printed;
        for (int i = 2; i < pages.size(); ++i) {
            const TfrPreparedItem &memo = pages[i].items.first();
            QVERIFY2(!memo.text.trimmed().isEmpty(), qPrintable(QStringLiteral("page %1 is blank").arg(i + 1)));
            printed += memo.lines;
        }
        QCOMPARE(printed.first(), QStringLiteral("第1行：处方内辅料"));
        QCOMPARE(printed.at(perPage - 1), QStringLiteral("第%1行：处方内辅料").arg(perPage));
        if (tail.endsWith(QStringLiteral("末行")))
            QCOMPARE(printed.last(), QStringLiteral("末行"));
    }

    void longParagraphBreaksBetweenLines()
    {
        TfrReport report;
        const QString text = QString(6000, QChar(0x836F));
        TfrAttachment::AddPage(report, text);
        report.PrepareReport();
        const QList<TfrPreparedPage> &pages = report.PreparedPages();
        QVERIFY(pages.size() >= 2);
        QString joined;
        for (const TfrPreparedPage &page : pages)
            joined += page.items.first().lines.join(QString());
        QCOMPARE(joined, text);
    }
};

QTEST_MAIN(TestFrRender)
#include "tst_frRender.moc"
