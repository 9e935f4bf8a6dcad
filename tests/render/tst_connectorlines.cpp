#include "support/TableEdits.h"
#include "model/TableOps.h"
#include "render/ConnectorLines.h"
#include "render/RenderTestUtil.h"
#include "toolkit/Errors.h"

#include <QtTest>

#include <algorithm>

namespace {

constexpr TColor kBackground = 0x00C0E0F0;

bool isArrow(TColor c)
{
    return c == clArrowOutline || c == clArrowFill;
}

ElementTables twoEnds(qint64 x1, qint64 y1, qint64 x2, qint64 y2)
{
    ElementTables t;
    appendRow(t.HGrid, {QStringLiteral("R1"), QString::number(x1), QString::number(y1), QStringLiteral("a"),
                        QStringLiteral("$0099FFFF")});
    appendRow(t.PGrid, {QStringLiteral("P2"), QString::number(x2), QString::number(y2), QStringLiteral("b"),
                        QStringLiteral("$0099FFFF")});
    appendRow(t.EGrid, {QStringLiteral("R1-P2"), QString(), QString(), QString()});
    return t;
}

} // namespace

class TestConnectorLines : public QObject {
    Q_OBJECT
private slots:
    void arrowHead_data();
    void arrowHead();
    void storedMidpointTruncatesTowardZero_data();
    void storedMidpointTruncatesTowardZero();
    void strokeLeavesOutItsEnd();
    void selectedLineIsDotted();
    void farEndsStillCrossTheSheet();
    void endsByName();
    void badEndCellThrows();
    void pixelLineReach_data();
    void pixelLineReach();
    void pixelLineOrder();
};

void TestConnectorLines::arrowHead_data()
{
    QTest::addColumn<QPoint>("first");
    QTest::addColumn<QPoint>("second");
    QTest::addColumn<QPoint>("mid");
    QTest::addColumn<QPoint>("tip");
    QTest::addColumn<QPoint>("wing1");
    QTest::addColumn<QPoint>("wing2");

    QTest::newRow("right") << QPoint(100, 100) << QPoint(200, 100) << QPoint(150, 100) << QPoint(150, 100)
                           << QPoint(144, 95) << QPoint(145, 106);
    QTest::newRow("left") << QPoint(200, 100) << QPoint(100, 100) << QPoint(150, 100) << QPoint(150, 100)
                          << QPoint(156, 105) << QPoint(155, 94);
    QTest::newRow("down") << QPoint(100, 100) << QPoint(100, 200) << QPoint(100, 150) << QPoint(100, 150)
                          << QPoint(105, 144) << QPoint(94, 145);
    QTest::newRow("diagonal") << QPoint(100, 100) << QPoint(200, 200) << QPoint(150, 150) << QPoint(150, 150)
                              << QPoint(150, 142) << QPoint(142, 150);
    QTest::newRow("odd length, tip off the midpoint")
        << QPoint(201, 100) << QPoint(100, 100) << QPoint(150, 100) << QPoint(151, 100) << QPoint(157, 105)
        << QPoint(156, 94);
    QTest::newRow("zero length") << QPoint(100, 100) << QPoint(100, 100) << QPoint(100, 100)
                                 << QPoint(100, 100) << QPoint(106, 105) << QPoint(105, 94);
}

void TestConnectorLines::arrowHead()
{
    QFETCH(QPoint, first);
    QFETCH(QPoint, second);
    QFETCH(QPoint, mid);
    QFETCH(QPoint, tip);
    QFETCH(QPoint, wing1);
    QFETCH(QPoint, wing2);
    const QString text = QStringLiteral("Tx");

    ElementTables tables = twoEnds(first.x(), first.y(), second.x(), second.y());
    QImage image = blankImage(300, 260, kBackground);
    Canvas canvas(&image);
    QCOMPARE(lineMidpoint(DrawLineTool(tables, canvas, QStringLiteral("R1-P2"), text, false)), mid);

    // The vertices carry the outline colour and span exactly the arrow-coloured pixels.
    const QString dump = dumpImage(image, QStringLiteral("arrow-") + QTest::currentDataTag());
    for (const QPoint &v : {tip, wing1, wing2})
        QVERIFY2(colorAt(image, v.x(), v.y()) == clArrowOutline, qPrintable(dump));
    const int minX = std::min({tip.x(), wing1.x(), wing2.x()}),
              maxX = std::max({tip.x(), wing1.x(), wing2.x()});
    const int minY = std::min({tip.y(), wing1.y(), wing2.y()}),
              maxY = std::max({tip.y(), wing1.y(), wing2.y()});
    QCOMPARE(boundsWhere(image, isArrow), QRect(QPoint(minX, minY), QPoint(maxX, maxY)));
    QVERIFY(countOf(image, clArrowFill) > 0);

    // The text cell, painted white, 7 right of and 6 below the tip, the glyphs in the text colour.
    Canvas probe;
    const QSize ext = probe.TextExtent(text);
    const QRect cell(tip + QPoint(7, 6), ext);
    QCOMPARE(boundsOf(image, clWhite), cell);
    std::vector<QPoint> glyphs = pixelsOf(image, clLineText, cell);
    std::vector<QPoint> expected = glyphPixels(text, 11, clLineText, clWhite);
    auto less = [](const QPoint &p, const QPoint &q) {
        return p.y() != q.y() ? p.y() < q.y() : p.x() < q.x();
    };
    std::sort(glyphs.begin(), glyphs.end(), less);
    std::sort(expected.begin(), expected.end(), less);
    QVERIFY(!glyphs.empty());
    QCOMPARE(glyphs, expected);

    if (first == second)
        QCOMPARE(countOf(image, clLineStroke), 0);
}

void TestConnectorLines::storedMidpointTruncatesTowardZero_data()
{
    QTest::addColumn<qint64>("x1");
    QTest::addColumn<qint64>("y1");
    QTest::addColumn<qint64>("x2");
    QTest::addColumn<qint64>("y2");
    QTest::addColumn<QString>("mx");
    QTest::addColumn<QString>("my");
    QTest::newRow("negative odd sum") << qint64(-1) << qint64(5) << qint64(-2) << qint64(8) << "-1"
                                      << "6";
    QTest::newRow("int limits") << qint64(2147483647) << qint64(-2147483648) << qint64(2147483647)
                                << qint64(-2147483647) << "2147483647"
                                << "-2147483647";
    QTest::newRow("sum beyond int") << qint64(2000000000) << qint64(-2000000000) << qint64(2000000001)
                                    << qint64(-2000000001) << "2000000000"
                                    << "-2000000000";
}

void TestConnectorLines::storedMidpointTruncatesTowardZero()
{
    QFETCH(qint64, x1);
    QFETCH(qint64, y1);
    QFETCH(qint64, x2);
    QFETCH(qint64, y2);
    QFETCH(QString, mx);
    QFETCH(QString, my);
    ElementTables tables = twoEnds(x1, y1, x2, y2);
    QImage image = blankImage(50, 50);
    Canvas canvas(&image);
    const QPoint stored =
        lineMidpoint(DrawLineTool(tables, canvas, QStringLiteral("R1-P2"), QStringLiteral("t"), false));
    QCOMPARE(QString::number(stored.x()), mx);
    QCOMPARE(QString::number(stored.y()), my);
}

void TestConnectorLines::strokeLeavesOutItsEnd()
{
    QImage image = blankImage(200, 100);
    Canvas canvas(&image);
    DrawLineArrow(QString(), canvas, 10, 50, 190, 50, false);
    QCOMPARE(colorAt(image, 10, 50), clLineStroke);
    QCOMPARE(colorAt(image, 189, 50), clLineStroke);
    QCOMPARE(colorAt(image, 190, 50), clWhite);
    QCOMPARE(countOf(image, clWhite) + countOf(image, clLineStroke) + countOf(image, clArrowOutline) +
                 countOf(image, clArrowFill),
             200 * 100);
}

void TestConnectorLines::selectedLineIsDotted()
{
    QImage plain = blankImage(200, 100);
    QImage selected = blankImage(200, 100);
    Canvas plainCanvas(&plain), selectedCanvas(&selected);
    DrawLineArrow(QString(), plainCanvas, 10, 50, 190, 50, false);
    DrawLineArrow(QString(), selectedCanvas, 10, 50, 190, 50, true);
    const QRect stretch(10, 50, 80, 1); // before the arrow head
    QCOMPARE(int(pixelsOf(plain, clLineStroke, stretch).size()), 80);
    const int dashes = int(pixelsOf(selected, clLineStroke, stretch).size());
    QVERIFY(dashes > 0 && dashes < 80);
    QCOMPARE(int(pixelsOf(selected, clWhite, stretch).size()), 80 - dashes);
    // The arrow head outline is dotted too, its gaps in the fill colour.
    QVERIFY(countOf(selected, clArrowOutline) < countOf(plain, clArrowOutline));
    QVERIFY(countOf(selected, clArrowFill) > countOf(plain, clArrowFill));
    QCOMPARE(boundsWhere(selected, isArrow), boundsWhere(plain, isArrow));
}

void TestConnectorLines::farEndsStillCrossTheSheet()
{
    QImage image = blankImage(100, 100);
    Canvas canvas(&image);
    DrawLineArrow(QStringLiteral("far"), canvas, -2000000000, -2000000000, 2000000000, 2000000000, false);
    // The diagonal passes through the sheet and the tip is the origin.
    QCOMPARE(colorAt(image, 60, 60), clLineStroke);
    QCOMPARE(colorAt(image, 0, 0), clArrowOutline);
    QImage other = blankImage(100, 100);
    Canvas otherCanvas(&other);
    DrawLineArrow(QStringLiteral("far"), otherCanvas, 2147483647, -2147483648LL, -2147483648LL, 2147483647,
                  true);
    QVERIFY(countOf(other, clWhite) < 100 * 100);
}

void TestConnectorLines::endsByName()
{
    ElementTables t;
    appendRow(t.HGrid, {"R1", "10", "20", "", "$0099FFFF"});
    appendRow(t.HGrid, {"R1", "30", "40", "", "$0099FFFF"}); // the last row of a name counts
    appendRow(t.PGrid, {"P2", "5", "6", "", "$0099FFFF"});
    appendRow(t.PGrid, {"R1", "70", "80", "", "$0099FFFF"}); // a rectangle of that name wins
    const auto ends = [&](const char *name) {
        const LineEnds e = get_2points(t, QString::fromLatin1(name));
        return QList<int>{e.x1, e.y1, e.x2, e.y2};
    };
    QCOMPARE(ends("R1-P2"), (QList<int>{30, 40, 5, 6}));
    QCOMPARE(ends("P2-R1"), (QList<int>{5, 6, 30, 40}));
    QCOMPARE(ends("P2-X9"), (QList<int>{5, 6, 0, 0}));
    QCOMPARE(ends("r1-P2"), (QList<int>{0, 0, 5, 6}));
    QCOMPARE(ends("-P2"), (QList<int>{0, 0, 5, 6}));
    QCOMPARE(ends("P2"), (QList<int>{0, 0, 0, 0}));
}

void TestConnectorLines::badEndCellThrows()
{
    ElementTables t = twoEnds(10, 10, 50, 50);
    t.PGrid.setCell(ColY, 1, QStringLiteral("5x"));
    QImage image = blankImage(60, 60);
    Canvas canvas(&image);
    try {
        DrawLineTool(t, canvas, QStringLiteral("R1-P2"), QString(), false);
        QFAIL("no conversion error");
    } catch (const ConvertError &e) {
        QCOMPARE(e.message(), QStringLiteral("'5x' is not a valid integer value"));
    }
    QCOMPARE(t.EGrid.Cells(ColX, 1), QString());
    QCOMPARE(countOf(image, clWhite), 60 * 60);
}

void TestConnectorLines::pixelLineReach_data()
{
    QTest::addColumn<QPoint>("start");
    QTest::addColumn<QPoint>("found");
    // One arrow pixel at (50, 50).
    QTest::newRow("on it") << QPoint(50, 50) << QPoint(50, 50);
    QTest::newRow("3 left of it") << QPoint(47, 50) << QPoint(50, 50);
    QTest::newRow("3 right of it") << QPoint(53, 50) << QPoint(50, 50);
    QTest::newRow("3 above it") << QPoint(50, 47) << QPoint(50, 50);
    QTest::newRow("3 below it") << QPoint(50, 53) << QPoint(50, 50);
    QTest::newRow("4 left of it") << QPoint(46, 50) << QPoint(-1, -1);
    QTest::newRow("4 below it") << QPoint(50, 54) << QPoint(-1, -1);
    QTest::newRow("diagonal neighbour") << QPoint(51, 51) << QPoint(-1, -1);
    QTest::newRow("knight's move") << QPoint(52, 51) << QPoint(-1, -1);
    QTest::newRow("far outside") << QPoint(2147483647, -2147483647 - 1) << QPoint(-1, -1);
}

void TestConnectorLines::pixelLineReach()
{
    QFETCH(QPoint, start);
    QFETCH(QPoint, found);
    for (TColor arrow : {clArrowOutline, clArrowFill}) {
        QImage image = blankImage(100, 100);
        Canvas canvas(&image);
        canvas.setPixel(50, 50, arrow);
        canvas.setPixel(51, 51, clLineStroke);
        QCOMPARE(getPixelLine(canvas, start.x(), start.y()), found);
    }
}

void TestConnectorLines::pixelLineOrder()
{
    QImage image = blankImage(20, 20);
    Canvas canvas(&image);
    // Same distance: left before right before above before below; nearer always first.
    canvas.setPixel(12, 10, clArrowFill);
    canvas.setPixel(10, 8, clArrowFill);
    QCOMPARE(getPixelLine(canvas, 10, 10), QPoint(12, 10));
    canvas.setPixel(8, 10, clArrowOutline);
    QCOMPARE(getPixelLine(canvas, 10, 10), QPoint(8, 10));
    canvas.setPixel(10, 11, clArrowOutline);
    QCOMPARE(getPixelLine(canvas, 10, 10), QPoint(10, 11));
    // Beyond the image edge nothing is read; the pixel inside is still found.
    canvas.setPixel(0, 5, clArrowFill);
    QCOMPARE(getPixelLine(canvas, -2, 5), QPoint(0, 5));
    QCOMPARE(getPixelLine(canvas, -4, 5), QPoint(-1, -1));
}

QTEST_MAIN(TestConnectorLines)
#include "tst_connectorlines.moc"
