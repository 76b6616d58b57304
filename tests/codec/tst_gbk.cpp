// Memo texts as bytes: GB18030, which is GBK for every GBK character and keeps the characters
// that GBK lacks, Base64-encoded for the data file.
#include "Gbk.h"

#include <QtTest>

class TestGbk : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void gbkBytes_data();
    void gbkBytes();
    void memoRoundTrip_data();
    void memoRoundTrip();
    void malformedMemoValueKeepsDecodedPart();
};

void TestGbk::gbkBytes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ascii") << QStringLiteral("abc 1") << QByteArray("abc 1");
    QTest::newRow("chinese") << QStringLiteral("中文") << QByteArray("\xD6\xD0\xCE\xC4");
    QTest::newRow("marks") << QStringLiteral("●○■□") << QByteArray("\xA1\xF1\xA1\xF0\xA1\xF6\xA1\xF5")
                          ;
    QTest::newRow("emoji keeps four bytes") << QString::fromUtf8("\xF0\x9F\x98\x80")
                                            << QByteArray("\x94\x39\xFC\x36");
    QTest::newRow("rare name character") << QString::fromUtf8("\xF0\xA0\x80\x80")  // U+20000
                                         << QByteArray("\x95\x32\x82\x36");
}

void TestGbk::gbkBytes()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(ToGbk(text), bytes);
    QCOMPARE(FromGbk(bytes), text);
}

void TestGbk::memoRoundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("lines") << QStringLiteral("第一行\r\n第二行\r\n");
    QTest::newRow("emoji and rare character") << QString::fromUtf8("张\xF0\xA0\x80\x80 \xF0\x9F\x98\x80");
    QTest::newRow("brackets") << QStringLiteral("[a] {b}");
}

void TestGbk::memoRoundTrip()
{
    QFETCH(QString, text);
    const QByteArray encoded = EncodeMemoText(text);
    QCOMPARE(DecodeMemoText(encoded), text);
}

void TestGbk::malformedMemoValueKeepsDecodedPart()
{
    // "1tDOxA==" is 中文; a broken group after it keeps the first group's bytes.
    QCOMPARE(DecodeMemoText("1tDO" "=tDO"), FromGbk("\xD6\xD0\xCE"));
    QCOMPARE(DecodeMemoText("1tDOxA==").size(), 2);
}

QTEST_GUILESS_MAIN(TestGbk)
#include "tst_gbk.moc"
