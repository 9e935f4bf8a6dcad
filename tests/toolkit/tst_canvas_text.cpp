#include "CanvasTestUtil.h"

#include "toolkit/CaptionFont.h"
#include "toolkit/CodePage.h"
#include "toolkit/TextFace.h"

#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QtTest>

namespace {

const QString kCyrillic = QString::fromUtf8("Привет, мир! Щука ёж ЁЖ");

// The text as QPainter draws it with the caption font, cell top-left at (x, y).
QImage painterText(int w, int h, const QString &text, int x, int y, int pixelSize)
{
    QImage image = blankImage(w, h);
    const QFont font = captionFont(QStringLiteral("tahoma"), pixelSize);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(QColor::fromRgb(toQRgb(kPen)));
    painter.drawText(x, y + textCellMetrics(font).ascent, text);
    return image;
}

// Every printable character a scheme file can hold (Windows-1251), optionally only those drawn
// one by one from the glyph cache.
QString codePageCharacters(bool simpleOnly)
{
    QByteArray bytes;
    for (int b = 0x20; b < 0x100; ++b)
        if (b != 0x7F)
            bytes += char(b);
    QString text;
    for (QChar c : decodeCodePage(bytes))
        if (!simpleOnly || TextFace::isSimple(c))
            text += c;
    return text;
}

void addStrings()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("size");
    const QList<QPair<const char *, QString>> strings{
        {"letter", "A"},
        {"names", "R1 P23 R1-P2"},
        {"ascii", "Hello, World! The quick brown fox jumps over the lazy dog."},
        {"digits", "0123456789 -42 +7"},
        {"punctuation", "()[]{}<>.,;:!?'\"`~@#$%^&*_=+|\\/"},
        {"ligature letters", "fi fl ffi office waffle"},
        {"kerning pairs", "AVAWAY To Tj LT"},
        {"cyrillic", kCyrillic},
        {"latin-1", QString::fromUtf8("äöü ß Çà É ñ ©®°±")},
        {"typography", QString::fromUtf8("«quotes» — dash … № €")},
        {"space", " "},
        {"code page", codePageCharacters(false)},
        {"code page simple", codePageCharacters(true)},
        {"arabic", QString::fromUtf8("مرحبا بالعالم")},
        {"combining", QString::fromUtf8("e\u0301a\u0308")},
        {"surrogates", QString::fromUtf8("\U0001F600 x")},
    };
    for (int size : {11, 8, 20})
        for (const auto &s : strings)
            QTest::addRow("%s %dpx", s.first, size) << s.second << size;
}

} // namespace

class TestCanvasText : public QObject {
    Q_OBJECT

private slots:
    void captionFontIsExact();
    void tahomaCellIsThirteenHigh();
    void extentMatchesFontMetrics_data() { addStrings(); }
    void extentMatchesFontMetrics();
    void glyphsMatchPainter_data() { addStrings(); }
    void glyphsMatchPainter();
    void emptyText();
    void textCell_data();
    void textCell();
    void clippedText_data();
    void clippedText();
    void megabyteText();
};

void TestCanvasText::captionFontIsExact()
{
    // nearly all of the code page goes through the glyph cache
    QVERIFY(codePageCharacters(true).size() >= 215);
    const bool haveFile = QFile::exists(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"));
    QCOMPARE(captionFamily(), haveFile ? QStringLiteral("Tahoma") : QStringLiteral("DejaVu Sans"));
    const QFont font = captionFont(QStringLiteral("TaHoMa"), 11);
    const QFontInfo info(font);
    QCOMPARE(info.family(), captionFamily());
    QCOMPARE(info.pixelSize(), 11);
    QVERIFY(font.styleStrategy() & QFont::NoAntialias);
    QVERIFY(font.styleStrategy() & QFont::NoFontMerging);
    QVERIFY(!font.kerning());
    QCOMPARE(font.hintingPreference(), QFont::PreferFullHinting);

    // the canvas's default font is the caption font at 11 pixels, whatever the letter case
    QImage image = blankImage(10, 10);
    Canvas c(&image);
    const QSize extent = c.TextExtent(QStringLiteral("Tahoma"));
    QCOMPARE(extent, QSize(QFontMetrics(font).horizontalAdvance("Tahoma"), textCellMetrics(font).height));
    c.setFontName(QStringLiteral("TAHOMA"));
    QCOMPARE(c.TextExtent(QStringLiteral("Tahoma")), extent);
    c.setFontSize(20);
    QVERIFY(c.TextExtent(QStringLiteral("Tahoma")).height() > extent.height());
}

void TestCanvasText::tahomaCellIsThirteenHigh()
{
    // Tahoma at 11 pixels: a cell 13 high with the baseline 11 below its top.
    if (!QFile::exists(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf")))
        QSKIP("the Tahoma-compatible face is not installed");
    const TextCellMetrics cell = textCellMetrics(captionFont(QStringLiteral("tahoma"), 11));
    QCOMPARE(cell.height, 13);
    QCOMPARE(cell.ascent, 11);
    Canvas c;
    QCOMPARE(c.TextExtent(QStringLiteral("Pump")).height(), 13);
}

void TestCanvasText::extentMatchesFontMetrics()
{
    QFETCH(QString, text);
    QFETCH(int, size);
    Canvas c;
    c.setFontSize(size);
    const QFont font = captionFont(QStringLiteral("tahoma"), size);
    const QFontMetrics metrics(font);
    QCOMPARE(c.TextExtent(text), QSize(metrics.horizontalAdvance(text), textCellMetrics(font).height));
    QCOMPARE(c.TextWidth(text), metrics.horizontalAdvance(text));
    QCOMPARE(c.TextHeight(text), textCellMetrics(font).height);
}

void TestCanvasText::glyphsMatchPainter()
{
    QFETCH(QString, text);
    QFETCH(int, size);
    const int w = QFontMetrics(captionFont(QStringLiteral("tahoma"), size)).horizontalAdvance(text) + 20;
    QImage image = blankImage(w, 40);
    Canvas c(&image);
    c.setFontSize(size);
    c.setFontColor(kPen);
    c.setBrushStyle(BrushStyle::Clear);
    c.TextOut(7, 5, text);
    QCOMPARE(image, painterText(w, 40, text, 7, 5, size));
    QVERIFY(colourCounts(image, image.rect()).size() <= 2);
}

void TestCanvasText::emptyText()
{
    QImage image = blankImage(20, 20);
    Canvas c(&image);
    c.setBrushColor(kFill);
    QCOMPARE(c.TextExtent(QString()), QSize(0, 0));
    QCOMPARE(c.TextExtent(QStringLiteral("")), QSize(0, 0));
    c.TextOut(5, 5, QString());
    QCOMPARE(changedBounds(image), QRect());
}

void TestCanvasText::textCell_data()
{
    QTest::addColumn<bool>("solidBrush");
    QTest::newRow("solid brush paints the cell") << true;
    QTest::newRow("clear brush paints glyphs only") << false;
}

void TestCanvasText::textCell()
{
    QFETCH(bool, solidBrush);
    const QString text = QStringLiteral("Wgj ") + kCyrillic;
    QImage image = blankImage(300, 60, kPaper);
    Canvas c(&image);
    c.setBrushColor(kFill);
    if (!solidBrush)
        c.setBrushStyle(BrushStyle::Clear);
    c.setFontColor(kPen);
    c.TextOut(10, 20, text);
    const QSize extent = c.TextExtent(text);
    const QRect cell(QPoint(10, 20), extent);
    const auto inCell = colourCounts(image, cell);
    QCOMPARE(inCell.size(), 2);
    QVERIFY(inCell.contains(kPen));
    QVERIFY(inCell.contains(solidBrush ? kFill : kPaper));
    // outside the cell nothing but glyph pixels
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!cell.contains(x, y))
                QVERIFY(at(image, x, y) == kPaper || at(image, x, y) == kPen);
    QCOMPARE(c.penPos(), (CanvasPoint{10 + extent.width(), 20}));
}

void TestCanvasText::clippedText_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::newRow("left") << QPoint(-23, 4);
    QTest::newRow("far left") << QPoint(-150, 4);
    QTest::newRow("top") << QPoint(3, -6);
    QTest::newRow("right") << QPoint(70, 10);
    QTest::newRow("bottom") << QPoint(5, 35);
    QTest::newRow("outside") << QPoint(500, 500);
}

void TestCanvasText::clippedText()
{
    QFETCH(QPoint, pos);
    const QString text = QStringLiteral("Clipped jW ") + kCyrillic;
    const int W = 90, H = 40, off = 400;
    QImage small = blankImage(W, H), large = blankImage(W + 2 * off, H + 2 * off);
    for (QImage *image : {&small, &large}) {
        const int d = image == &large ? off : 0;
        Canvas c(image);
        c.setBrushColor(kFill);
        c.setFontColor(kPen);
        c.TextOut(pos.x() + d, pos.y() + d, text);
    }
    QCOMPARE(small, large.copy(off, off, W, H));
}

void TestCanvasText::megabyteText()
{
    QString text;
    const QString unit = QStringLiteral("R12-P3 ") + kCyrillic + QStringLiteral(" (x); ");
    while (text.size() < (1 << 20))
        text += unit;
    QImage image = blankImage(200, 30);
    Canvas c(&image);
    c.setFontColor(kPen);
    c.setBrushStyle(BrushStyle::Clear);
    const Coord width = c.TextWidth(text);
    QCOMPARE(width, Coord(QFontMetrics(captionFont(QStringLiteral("tahoma"), 11)).horizontalAdvance(text)));

    // Only the tail shows: it equals drawing the tail alone.
    const QString tail = text.right(unit.size() * 2);
    c.TextOut(150 - width, 5, text);
    QImage expected = blankImage(200, 30);
    Canvas e(&expected);
    e.setFontColor(kPen);
    e.setBrushStyle(BrushStyle::Clear);
    e.TextOut(150 - e.TextWidth(tail), 5, tail);
    QCOMPARE(image, expected);
    QVERIFY(changedBounds(image).right() < 150);

    // Only the head shows.
    image.fill(Qt::white);
    expected.fill(Qt::white);
    c.TextOut(3, 5, text);
    e.TextOut(3, 5, text.left(unit.size() * 3));
    QCOMPARE(image, expected);
}

QTEST_MAIN(TestCanvasText)
#include "tst_canvas_text.moc"
