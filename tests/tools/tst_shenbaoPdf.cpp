// shenbao-pdf INPUT.qx OUTPUT.pdf: a good data file gives its printed form as PDF and status 0;
// a missing, malformed or unknown file gives one clear line on standard error, status 1 and no
// output file.
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {
struct Run {
    int status = -1;
    QStringList errLines;
    QByteArray out;
};

Run runTool(const QStringList &args)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // The tool itself chooses the headless platform where there is no display.
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(SHENBAO_BIN_DIR "/shenbao-pdf"), args);
    Run r;
    if (!p.waitForFinished(120000))
        return r;
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    r.out = p.readAllStandardOutput();
    for (const QString &line : QString::fromUtf8(p.readAllStandardError()).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        if (!line.startsWith(QLatin1String("QStandardPaths:")))  // Qt's own note about XDG_RUNTIME_DIR
            r.errLines.append(line);
    return r;
}

QString data(const char *name)
{
    return QStringLiteral(SHENBAO_TEST_DATA "/data/") + QLatin1String(name);
}

int pdfPages(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray pdf = f.readAll();
    if (!pdf.startsWith("%PDF-"))
        return -1;
    return int(pdf.count(QByteArray("/Type /Page\n")));
}

QString pdfText(const QString &path, int page)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return QString();
    QProcess p;
    p.start(tool, {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page), path,
                   QStringLiteral("-")});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput()).remove(QLatin1Char(' '));
}
}  // namespace

class TestShenbaoPdf : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private Q_SLOTS:
    void goodFile()
    {
        const QString out = dir.filePath(QStringLiteral("注册_1A2B3C4D.pdf"));
        const Run r = runTool({data("YPZCSQ_filled.qx"), out});
        QCOMPARE(r.status, 0);
        QVERIFY2(r.errLines.isEmpty(), qPrintable(r.errLines.join(QLatin1Char('\n'))));
        QVERIFY(r.out.isEmpty());
        QCOMPARE(pdfPages(out), 2);
        // No temporary file is left beside the output.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("注册_1A2B3C4D.pdf")});
        const QString page1 = pdfText(out, 1);
        if (page1.isEmpty())
            QSKIP("pdftotext is not installed");
        QVERIFY(page1.contains(QStringLiteral("进口药材报验单")));
        QVERIFY(page1.contains(QStringLiteral("当归")));
        QVERIFY(page1.contains(QStringLiteral("[2026]进字第0042号")));
        QVERIFY(page1.contains(QStringLiteral("1A2B3C4D")));
        const QString page2 = pdfText(out, 2);
        QVERIFY(page2.contains(QStringLiteral("注意事项")));
        QVERIFY(page2.contains(QStringLiteral("1A2B3C4D")));
    }

    void replacesAnOldOutput()
    {
        const QString out = dir.filePath(QStringLiteral("again.pdf"));
        {
            QFile f(out);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("old");
        }
        QCOMPARE(runTool({data("YPZCSQ_filled.qx"), out}).status, 0);
        QCOMPARE(pdfPages(out), 2);
    }

    void messagesOfFillingDoNotStopTheExport()
    {
        // A data file of another kind, naming one object that template lacks: the message goes to
        // standard error and both pages print.
        const QString out = dir.filePath(QStringLiteral("change.pdf"));
        const Run r = runTool({data("change_form.qx"), out});
        QCOMPARE(r.status, 0);
        QCOMPARE(pdfPages(out), 2);
        QCOMPARE(r.errLines, QStringList{QStringLiteral("报表控件未找到！ Edit999")});
        QVERIFY(pdfText(out, 1).contains(QStringLiteral("一次性使用输液器")));
    }

    void failures_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");  // a part of the message
        QTest::newRow("missing file") << dir.filePath(QStringLiteral("none.qx")) << "none.qx";
        QTest::newRow("not well-formed") << data("malformed.qx") << "";
        QTest::newRow("unknown kind") << data("unknown_kind.qx") << "药品再注册申请";
        QTest::newRow("folder") << dir.path() << "";
    }
    void failures()
    {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        const QString out = dir.filePath(QStringLiteral("failed.pdf"));
        const Run r = runTool({input, out});
        QCOMPARE(r.status, 1);
        QCOMPARE(r.errLines.size(), 1);
        QVERIFY(!r.errLines.first().trimmed().isEmpty());
        QVERIFY2(r.errLines.first().contains(expected), qPrintable(r.errLines.first()));
        QVERIFY(!QFile::exists(out));
        QCOMPARE(QDir(dir.path()).entryList({QStringLiteral(".shenbao-pdf*")}, QDir::Files | QDir::Hidden), QStringList());
    }

    void wrongArguments_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("one file") << QStringList{data("YPZCSQ_filled.qx")};
        QTest::newRow("proof without output") << QStringList{QStringLiteral("--proof"), QStringLiteral("注册")};
        QTest::newRow("unknown option") << QStringList{QStringLiteral("--draft"), data("YPZCSQ_filled.qx")};
    }
    void wrongArguments()
    {
        QFETCH(QStringList, args);
        const Run r = runTool(args);
        QCOMPARE(r.status, 2);
        QCOMPARE(r.errLines, QStringList{QStringLiteral(
                                 "用法：shenbao-pdf INPUT.qx OUTPUT.pdf 或 shenbao-pdf --proof 种类 OUTPUT.pdf")});
    }

    // The proof of a kind's template, named by kind tag, class name or unit: every page, each data
    // object labelled with its name.
    void proof_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("kind tag") << QStringLiteral("注册");
        QTest::newRow("class name") << QStringLiteral("TFrmYPZCSQ");
        QTest::newRow("unit") << QStringLiteral("YPZCSQ");
    }
    void proof()
    {
        QFETCH(QString, kind);
        const QString out = dir.filePath(QStringLiteral("proof.pdf"));
        const Run r = runTool({QStringLiteral("--proof"), kind, out});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.errLines, QStringList());
        QCOMPARE(pdfPages(out), 2);
        const QString page1 = pdfText(out, 1);
        if (page1.isEmpty())
            QSKIP("pdftotext is not installed");
        for (const char *name : {"edit101", "edit208", "VerifyCode", "VerifyCryptCode", "E_1"})
            QVERIFY2(page1.contains(QLatin1String(name)), name);
        QVERIFY(pdfText(out, 2).contains(QLatin1String("VerifyCode1")));
    }

    void proofOfNoKind()
    {
        const QString out = dir.filePath(QStringLiteral("none.pdf"));
        const Run r = runTool({QStringLiteral("--proof"), QStringLiteral("药品"), out});
        QCOMPARE(r.status, 2);
        QCOMPARE(r.errLines.size(), 1);
        QVERIFY2(r.errLines.first().startsWith(QStringLiteral("没有“药品”这种申请表")), qPrintable(r.errLines.first()));
        QVERIFY(r.errLines.first().contains(QStringLiteral("变更")));
        QVERIFY(!QFile::exists(out));
    }
};

QTEST_GUILESS_MAIN(TestShenbaoPdf)
#include "tst_shenbaoPdf.moc"
