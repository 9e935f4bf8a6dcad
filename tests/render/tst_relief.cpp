#include "render/Relief.h"
#include "render/RenderTestUtil.h"

#include <QtTest>

class TestRelief : public QObject {
    Q_OBJECT
private slots:
    void frameEdges_data();
    void frameEdges();
};

void TestRelief::frameEdges_data()
{
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::newRow("sheet insets") << QRect(10, 20, 50, 40) << 1 << 2;
    QTest::newRow("no insets") << QRect(0, 0, 30, 30) << 0 << 1;
    QTest::newRow("deep insets") << QRect(5, 5, 60, 45) << 4 << 6;
}

void TestRelief::frameEdges()
{
    QFETCH(QRect, rect);
    QFETCH(int, a);
    QFETCH(int, b);
    constexpr TColor light = 0x000000FF, dark = 0x00FF0000;
    QImage image = blankImage(80, 80);
    Canvas canvas(&image);
    DrawRelief(canvas, rect, light, dark, 1, a, b);
    const int L = rect.left(), T = rect.top(), R = L + rect.width(), B = T + rect.height();
    // Light left and top edges from (L+a, T+a); dark right and bottom edges from (R-b, B-b),
    // each without its end point.
    for (int y = 0; y < 80; ++y) {
        for (int x = 0; x < 80; ++x) {
            TColor expected = clWhite;
            if ((x == L + a && y >= T + a && y <= B - 2) || (y == T + a && x >= L + a && x <= R - 2))
                expected = light;
            if ((x == R - b && y <= B - b && y >= T + 2) || (y == B - b && x <= R - b && x >= L + 2))
                expected = dark;
            if (colorAt(image, x, y) != expected)
                QFAIL(qPrintable(
                    QStringLiteral("pixel %1,%2 (%3)").arg(x).arg(y).arg(dumpImage(image, "relief"))));
        }
    }
    QCOMPARE(canvas.pen().color, dark);
    QCOMPARE(canvas.pen().width, 1);
    QVERIFY(canvas.pen().style == PenStyle::InsideFrame);
}

QTEST_MAIN(TestRelief)
#include "tst_relief.moc"
