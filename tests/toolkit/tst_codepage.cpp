#include "toolkit/CodePage.h"
#include "toolkit/TextList.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

// The table-driven conversion must give exactly what Qt's own converter gives.
class TestCodePage : public QObject {
    Q_OBJECT

private slots:
    void decodeEveryByte();
    void encode_data();
    void encode();
    void listRoundTrip();
};

void TestCodePage::decodeEveryByte()
{
    QByteArray all;
    for (int b = 1; b < 256; ++b)
        all.append(char(b));
    QStringDecoder decoder("windows-1251");
    const QString expected = decoder.decode(all);
    QCOMPARE(decodeCodePage(all), expected);
    for (int b = 0; b < 256; ++b) {
        QStringDecoder one("windows-1251");
        QCOMPARE(decodeCodePage(QByteArray(1, char(b))), QString(one.decode(QByteArray(1, char(b)))));
    }
}

void TestCodePage::encode_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("ascii") << QStringLiteral("R12 $0099FFFF [~]");
    QTest::newRow("cyrillic") << QString::fromUtf8("Склад №2 — ёЁ «кавычки» €");
    QTest::newRow("not in the code page") << QString::fromUtf8("漢字 ä ß ﬁ");
    QTest::newRow("mixed") << QString::fromUtf8("abc Ж 漢 def");
    QTest::newRow("surrogate pair") << QString::fromUtf8("a 😀 b");
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) + QStringLiteral("x");
    QTest::newRow("control and high bytes") << QString::fromUtf8("\x01\x7f\xc2\x80\xc2\x98\xc2\xa0");
}

void TestCodePage::encode()
{
    QFETCH(QString, text);
    QStringEncoder encoder("windows-1251");
    const QByteArray expected = encoder.encode(text);
    QCOMPARE(encodeCodePage(text), expected);
    QByteArray appended("x");
    appendCodePage(appended, text);
    QCOMPARE(appended, "x" + expected);
}

void TestCodePage::listRoundTrip()
{
    // Every byte but the zero byte and the line ends, in lines of varying length.
    QByteArray bytes;
    for (int b = 1; b < 256; ++b) {
        if (b == '\r' || b == '\n')
            continue;
        bytes.append(char(b));
        if (b % 17 == 0)
            bytes.append("\r\n");
    }
    bytes.append("\r\n");
    TextList list;
    list.setFromBytes(bytes);
    QStringDecoder decoder("windows-1251");
    QCOMPARE(list.items().join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"),
             QString(decoder.decode(bytes)));
    QCOMPARE(list.toBytes(), bytes);
}

QTEST_GUILESS_MAIN(TestCodePage)
#include "tst_codepage.moc"
