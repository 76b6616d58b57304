// PDF output of a prepared report: one PDF page per printed page, embedded fonts, and text that
// is searched and copied as the characters printed (ASCII digits and letters included).
#include "Errors.h"
#include "frReport.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QString run(const QString &tool, const QStringList &args)
{
    QProcess p;
    p.start(tool, args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

void set(TfrReport &report, const char *name, const QString &text)
{
    auto *memo = dynamic_cast<TfrMemoView *>(report.FindObject(QString::fromLatin1(name)));
    QVERIFY(memo);
    memo->SetText(text);
}
}  // namespace

class TestFrPdf : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString pdfPath;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        pdfPath = dir.filePath(QStringLiteral("form.pdf"));
        TfrReport report;
        report.LoadFromFile(QStringLiteral(":/reports/YPZCSQ.frt"));
        set(report, "edit101", QStringLiteral("当归"));
        set(report, "edit102", QStringLiteral("Chinese Angelica 2026"));
        set(report, "VerifyCode", QStringLiteral("0A1B2C3D"));
        set(report, "VerifyCode1", QStringLiteral("0A1B2C3D"));
        set(report, "edit201", QStringLiteral("■"));
        set(report, "edit202", QStringLiteral("□"));
        report.PrepareReport();
        report.ExportPdf(pdfPath);
    }

    void pagesAndFonts()
    {
        QFile file(pdfPath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray pdf = file.readAll();
        QVERIFY(pdf.startsWith("%PDF-"));
        QCOMPARE(pdf.count(QByteArray("/Type /Page\n")) + pdf.count(QByteArray("/Type /Page\r")), 2);
        QVERIFY(pdf.contains("/FontFile2") || pdf.contains("/FontFile3"));
        // Subsets: the whole CJK face is tens of megabytes.
        QVERIFY(pdf.size() < 2 * 1024 * 1024);

        const QString pdffonts = QStandardPaths::findExecutable(QStringLiteral("pdffonts"));
        if (pdffonts.isEmpty())
            QSKIP("pdffonts is not installed");
        const QStringList rows = run(pdffonts, {pdfPath}).split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2);
        QVERIFY(rows.size() >= 2);
        bool cjk = false, latin = false;
        for (const QString &row : rows) {
            const QStringList cols = row.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            QVERIFY2(cols.size() >= 7, qPrintable(row));
            // ... emb sub uni object-number generation
            QCOMPARE(cols.at(cols.size() - 5), QStringLiteral("yes"));  // embedded
            QCOMPARE(cols.at(cols.size() - 4), QStringLiteral("yes"));  // a subset
            QCOMPARE(cols.at(cols.size() - 3), QStringLiteral("yes"));  // with a text mapping
            cjk |= row.contains(QLatin1String("CJK"));
            latin |= !row.contains(QLatin1String("CJK"));
        }
        QVERIFY(cjk && latin);
    }

    void crossReferencesPointAtTheirObjects()
    {
        QFile file(pdfPath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray pdf = file.readAll();
        const qsizetype start = pdf.lastIndexOf("startxref\n");
        QVERIFY(start > 0);
        const qsizetype xref = pdf.mid(start + 10).split('\n').first().toLongLong();
        QVERIFY(pdf.mid(xref).startsWith("xref\n0 "));
        const QList<QByteArray> lines = pdf.mid(xref).split('\n');
        const int count = lines.at(1).split(' ').at(1).toInt();
        QVERIFY(count > 10);
        for (int i = 1; i < count; ++i) {
            const qsizetype offset = lines.at(2 + i).left(10).toLongLong();
            QVERIFY2(pdf.mid(offset).startsWith(QByteArray::number(i) + " 0 obj"), qPrintable(QString::number(i)));
        }
        // Subset fonts carry their tag in every font dictionary.
        QVERIFY(!pdf.contains("/BaseFont /Noto"));
    }

    void textIsCopyable_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("title") << "进口药材报验单";
        QTest::newRow("value") << "当归";
        QTest::newRow("Latin and digits") << "Chinese Angelica 2026";
        QTest::newRow("code") << "0A1B2C3D";
        QTest::newRow("full-width solidus") << "合同号／唛头";
        QTest::newRow("shared glyphs") << "中文";
        QTest::newRow("marks") << "■";
        QTest::newRow("quotes") << "“公章”";
        QTest::newRow("notes title") << "注意事项";
    }
    void textIsCopyable()
    {
        QFETCH(QString, text);
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext is not installed");
        QString copied = run(pdftotext, {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdfPath, QStringLiteral("-")});
        copied.remove(QLatin1Char(' '));
        QVERIFY2(copied.contains(QString(text).remove(QLatin1Char(' '))), qPrintable(copied.left(400)));
    }

    void codeOnBothPages()
    {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext is not installed");
        for (const char *page : {"1", "2"}) {
            const QString copied = run(pdftotext, {QStringLiteral("-f"), QLatin1String(page), QStringLiteral("-l"),
                                                   QLatin1String(page), pdfPath, QStringLiteral("-")});
            QVERIFY2(copied.contains(QLatin1String("0A1B2C3D")), page);
        }
    }

    void unwritablePath()
    {
        TfrReport report;
        report.LoadFromFile(QStringLiteral(":/reports/YPZCSQ.frt"));
        report.PrepareReport();
        const QString path = dir.filePath(QStringLiteral("no/such/folder/form.pdf"));
        QVERIFY_THROWS_EXCEPTION(EError, report.ExportPdf(path));
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_MAIN(TestFrPdf)
#include "tst_frPdf.moc"
