#include "toolkit/ColorText.h"
#include "toolkit/Errors.h"
#include "toolkit/IntText.h"

#include <QtTest>

class TestConversions : public QObject {
    Q_OBJECT

private slots:
    void intValid_data();
    void intValid();
    void intInvalid_data();
    void intInvalid();
    void paletteTexts_data();
    void paletteTexts();
    void colourNames_data();
    void colourNames();
    void otherColourTexts_data();
    void otherColourTexts();
    void badColourText_data();
    void badColourText();
};

void TestConversions::intValid_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("negative zero") << "-0" << 0;
    QTest::newRow("plus") << "+15" << 15;
    QTest::newRow("leading blanks") << "  120" << 120;
    QTest::newRow("leading zeros") << "007" << 7;
    QTest::newRow("largest") << "2147483647" << 2147483647;
    QTest::newRow("smallest") << "-2147483648" << int(-2147483647 - 1);
}

void TestConversions::intValid()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(StrToInt(text), value);
    QCOMPARE(tryStrToInt(text), std::optional<int>(value));
    // Only the text IntToStr writes counts as that value's text.
    QCOMPARE(isIntText(text, value), text == IntToStr(value));
    QVERIFY(isIntText(IntToStr(value - 1ll), value - 1ll) && !isIntText(text, value + 1ll));
}

void TestConversions::intInvalid_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("letters") << "abc";
    QTest::newRow("empty") << "";
    QTest::newRow("blank") << " ";
    QTest::newRow("sign only") << "-";
    QTest::newRow("trailing blank") << "12 ";
    QTest::newRow("fraction") << "1.5";
    QTest::newRow("one past largest") << "2147483648";
    QTest::newRow("one past smallest") << "-2147483649";
    QTest::newRow("very long") << "99999999999999999999999";
    QTest::newRow("double sign") << "--1";
    QTest::newRow("arabic-indic digits") << QString::fromUtf8("١٢");
}

void TestConversions::intInvalid()
{
    QFETCH(QString, text);
    QCOMPARE(tryStrToInt(text), std::nullopt);
    try {
        StrToInt(text);
        QFAIL("converted");
    } catch (const ConvertError &e) {
        QCOMPARE(e.message(), QStringLiteral("'%1' is not a valid integer value").arg(text));
    }
    QCOMPARE(notAnIntegerMessage(QStringLiteral("abc")),
             QStringLiteral("'abc' is not a valid integer value"));
}

void TestConversions::paletteTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<uint>("value");
    QTest::newRow("1") << "$0099FFFF" << 0x0099FFFFu;
    QTest::newRow("2") << "$00CCFFCC" << 0x00CCFFCCu;
    QTest::newRow("3") << "$00FFCC99" << 0x00FFCC99u;
    QTest::newRow("4") << "$00CCCCFF" << 0x00CCCCFFu;
    QTest::newRow("5") << "$00FFCCFF" << 0x00FFCCFFu;
    QTest::newRow("6") << "$0099FFCC" << 0x0099FFCCu;
    QTest::newRow("7") << "$00FFFFCC" << 0x00FFFFCCu;
    QTest::newRow("8") << "$00FFCCCC" << 0x00FFCCCCu;
    QTest::newRow("9") << "$0099CCFF" << 0x0099CCFFu;
}

void TestConversions::paletteTexts()
{
    QFETCH(QString, text);
    QFETCH(uint, value);
    QCOMPARE(StringToColor(text), TColor(value));
    QCOMPARE(ColorToString(TColor(value)), text);
    QCOMPARE(StringToColor(text.toLower()), TColor(value));
}

void TestConversions::colourNames_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<uint>("value");
    QTest::newRow("black") << "clBlack" << 0x000000u;
    QTest::newRow("red lower") << "clred" << 0x0000FFu;
    QTest::newRow("blue upper") << "CLBLUE" << 0xFF0000u;
    QTest::newRow("gray mixed") << "ClGrAy" << 0x808080u;
    QTest::newRow("white") << "clWhite" << 0xFFFFFFu;
    QTest::newRow("navy") << "clNavy" << 0x800000u;
}

void TestConversions::colourNames()
{
    QFETCH(QString, text);
    QFETCH(uint, value);
    QCOMPARE(StringToColor(text), TColor(value));
    // names come back in their usual spelling
    QCOMPARE(ColorToString(TColor(value)).toLower(), text.toLower());
}

void TestConversions::otherColourTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<uint>("value");
    QTest::newRow("decimal") << "255" << 255u;
    QTest::newRow("short hex") << "$FF" << 0xFFu;
    QTest::newRow("hex lower") << "$00f0fbff" << 0x00F0FBFFu;
    QTest::newRow("grey") << "$00808080" << 0x808080u;
    QTest::newRow("hex prefix") << "0x00FF00FF" << 0x00FF00FFu;
    QTest::newRow("upper hex prefix") << "0X1f" << 0x1Fu;
    QTest::newRow("blanks before hex") << "  $FF" << 0xFFu;
    QTest::newRow("blank before decimal") << " 255" << 255u;
}

void TestConversions::otherColourTexts()
{
    QFETCH(QString, text);
    QFETCH(uint, value);
    QCOMPARE(StringToColor(text), TColor(value));
    QCOMPARE(StringToColor(ColorToString(TColor(value))), TColor(value));
}

void TestConversions::badColourText_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("word") << "abc";
    QTest::newRow("empty") << "";
    QTest::newRow("dollar only") << "$";
    QTest::newRow("bad hex digit") << "$00GGFFFF";
    QTest::newRow("unknown name") << "clOrange";
    QTest::newRow("too many digits") << "$0123456789";
    QTest::newRow("blank before a name") << " clRed";
    QTest::newRow("blank after a name") << "clRed ";
    QTest::newRow("hex prefix only") << "0x";
    QTest::newRow("blank inside hex") << "$ FF";
    QTest::newRow("latin-1 letter in hex") << QString::fromUtf8("$00\u00C4F");
    QTest::newRow("fullwidth hex digits") << QString::fromUtf8("$\uFF11\uFF12");
    QTest::newRow("cyrillic name") << QString::fromUtf8("\u0441lRed");
}

void TestConversions::badColourText()
{
    QFETCH(QString, text);
    QCOMPARE(tryStringToColor(text), std::nullopt);
    try {
        StringToColor(text);
        QFAIL("converted");
    } catch (const ConvertError &e) {
        QCOMPARE(e.message(), QStringLiteral("'%1' is not a valid integer value").arg(text));
    }
}

QTEST_GUILESS_MAIN(TestConversions)
#include "tst_conversions.moc"
