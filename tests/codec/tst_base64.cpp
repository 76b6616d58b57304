// The Base64 codec of memo values: standard encoding, and a decoder that filters its input and
// reports malformed text with a result code while keeping the bytes decoded before the fault.
#include "uTBase64.h"

#include <QtTest>

class TestBase64 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void encode_data();
    void encode();
    void roundTripEveryByte();
    void decode_data();
    void decode();
    void decodeEmptyLeavesOutputAlone();
};

void TestBase64::encode_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("one byte: two chars and ==") << QByteArray("M") << QByteArray("TQ==");
    QTest::newRow("two bytes: three chars and =") << QByteArray("Ma") << QByteArray("TWE=");
    QTest::newRow("three bytes: no fill") << QByteArray("Man") << QByteArray("TWFu");
    QTest::newRow("rfc foobar") << QByteArray("foobar") << QByteArray("Zm9vYmFy");
    QTest::newRow("gbk text") << QByteArray("\xD6\xD0\xCE\xC4") << QByteArray("1tDOxA==");
    QTest::newRow("cr lf") << QByteArray("a\r\nb") << QByteArray("YQ0KYg==");
    QTest::newRow("high bytes") << QByteArray("\xFF\xFE\xFD") << QByteArray("//79");
}

void TestBase64::encode()
{
    QFETCH(QByteArray, source);
    QFETCH(QByteArray, expected);
    TBase64 codec;
    QByteArray out("stale");
    QCOMPARE(int(codec.Encode(source, out)), int(b64Ok));
    QCOMPARE(out, expected);
    QCOMPARE(out.size(), (source.size() + 2) / 3 * 4);
}

void TestBase64::roundTripEveryByte()
{
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all.append(char(i));
    for (int len : {1, 2, 3, 254, 255, 256}) {
        TBase64 codec;
        QByteArray encoded, decoded;
        codec.Encode(all.left(len), encoded);
        QCOMPARE(int(codec.Decode(encoded, decoded)), int(b64Ok));
        QCOMPARE(decoded, all.left(len));
    }
}

void TestBase64::decode_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("plain") << QByteArray("TWFu") << int(b64Ok) << QByteArray("Man");
    QTest::newRow("one byte") << QByteArray("TQ==") << int(b64Ok) << QByteArray("M");
    QTest::newRow("two bytes") << QByteArray("TWE=") << int(b64Ok) << QByteArray("Ma");
    QTest::newRow("broken into lines") << QByteArray("Zm9v\r\nYmFy\r\n") << int(b64Ok)
                                       << QByteArray("foobar");
    QTest::newRow("spaces between groups") << QByteArray(" Zm9v YmFy ") << int(b64Ok)
                                           << QByteArray("foobar");
    QTest::newRow("gbk bytes") << QByteArray("1tDOxA==") << int(b64Ok)
                               << QByteArray("\xD6\xD0\xCE\xC4");
    QTest::newRow("filtered length 5") << QByteArray("TWFuT") << int(b64BadLength) << QByteArray();
    QTest::newRow("filter empties the source") << QByteArray(" ") << int(b64Ok) << QByteArray();
    QTest::newRow("only line breaks and junk") << QByteArray("\r\n*!?\r\n") << int(b64Ok)
                                               << QByteArray();
    QTest::newRow("fill first in group") << QByteArray("TWFu=WFu") << int(b64InvalidChar)
                                         << QByteArray("Man");
    QTest::newRow("fill second in group") << QByteArray("T=Fu") << int(b64InvalidChar)
                                          << QByteArray();
    QTest::newRow("fill third, not last group")
        << QByteArray("TWFuTQ==TWFu") << int(b64MisplacedFill) << QByteArray("ManM");
    QTest::newRow("fill third then data char") << QByteArray("TWFuTQ=u") << int(b64BrokenFill)
                                               << QByteArray("ManM");
    QTest::newRow("fill fourth, not last group")
        << QByteArray("TWE=TWFu") << int(b64MisplacedFill) << QByteArray("Ma");
    QTest::newRow("leftover low bits ignored") << QByteArray("TR==") << int(b64Ok)
                                               << QByteArray("M");
    QTest::newRow("leftover low bits, two bytes") << QByteArray("TWF=") << int(b64Ok)
                                                  << QByteArray("Ma");
    QTest::newRow("three fills") << QByteArray("T===") << int(b64InvalidChar) << QByteArray();
}

void TestBase64::decode()
{
    QFETCH(QByteArray, source);
    QFETCH(int, code);
    QFETCH(QByteArray, expected);
    TBase64 codec;
    QVERIFY(codec.FilterInput);
    QByteArray out("stale");
    QCOMPARE(int(codec.Decode(source, out)), code);
    QCOMPARE(out, expected);
}

void TestBase64::decodeEmptyLeavesOutputAlone()
{
    TBase64 codec;
    QByteArray out;
    QCOMPARE(int(codec.Decode(QByteArray(), out)), int(b64Ok));
    QVERIFY(out.isEmpty());
}

QTEST_GUILESS_MAIN(TestBase64)
#include "tst_base64.moc"
