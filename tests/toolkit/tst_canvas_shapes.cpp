#include "CanvasTestUtil.h"

#include "toolkit/SheetImage.h"

#include <QRandomGenerator>
#include <QtTest>

#include <array>
#include <vector>

namespace {

enum class Shape { Rectangle, RoundRect, Ellipse };

void drawShape(Canvas &c, Shape shape, Coord l, Coord t, Coord r, Coord b)
{
    switch (shape) {
    case Shape::Rectangle:
        c.Rectangle(l, t, r, b);
        break;
    case Shape::RoundRect:
        c.RoundRect(l, t, r, b, 10, 10);
        break;
    case Shape::Ellipse:
        c.Ellipse(l, t, r, b);
        break;
    }
}

Canvas penAndBrush(QImage *image)
{
    Canvas c(image);
    c.setPenColor(kPen);
    c.setBrushColor(kFill);
    return c;
}

// The classic incremental Bresenham line (ties step the minor axis), first point painted and
// the last one not: the reference the clipped rasteriser must agree with.
std::vector<QPoint> naiveLine(Coord x0, Coord y0, Coord x1, Coord y1, Coord limit = 1 << 20)
{
    std::vector<QPoint> out;
    const Coord adx = std::abs(x1 - x0), ady = std::abs(y1 - y0);
    const Coord sx = x1 < x0 ? -1 : 1, sy = y1 < y0 ? -1 : 1;
    const bool xMajor = adx >= ady;
    const Coord n = std::max(adx, ady), m = std::min(adx, ady);
    Coord major = xMajor ? x0 : y0, minor = xMajor ? y0 : x0;
    const Coord sMajor = xMajor ? sx : sy, sMinor = xMajor ? sy : sx;
    Coord d = 2 * m - n;
    for (Coord i = 0; i < std::min(n, limit); ++i) {
        out.push_back(xMajor ? QPoint(int(major), int(minor)) : QPoint(int(minor), int(major)));
        if (d >= 0) {
            minor += sMinor;
            d -= 2 * n;
        }
        d += 2 * m;
        major += sMajor;
    }
    return out;
}

QImage mirrored(const QImage &image, bool horizontal, bool vertical)
{
    return image.mirrored(horizontal, vertical);
}

} // namespace

class TestCanvasShapes : public QObject {
    Q_OBJECT

private slots:
    void pixelGridMatchesSinglePixels_data();
    void pixelGridMatchesSinglePixels();
    void shapesCoverTheirBox_data();
    void shapesCoverTheirBox();
    void clearBrushKeepsInterior_data();
    void clearBrushKeepsInterior();
    void brushColourMakesBrushSolid();
    void fillRect();
    void circleOfTwelve();
    void roundRectCorners();
    void shapesAreSymmetric_data();
    void shapesAreSymmetric();
    void ellipseMatchesDefinition_data();
    void ellipseMatchesDefinition();
    void polygonFillAndOutline();
    void polygonWithClearBrush();
    void lines_data();
    void lines();
    void dottedLine_data();
    void dottedLine();
    void dottedPolylineCountsOn();
    void dottedOutline_data();
    void dottedOutline();
    void insideFramePenDrawsSolid();
    void clippedEqualsUnclipped();
    void clippedLinesMatchReference();
    void hugeCoordinates();
    void pixelAccess();
    void sheetImages_data();
    void sheetImages();
};

void TestCanvasShapes::shapesCoverTheirBox_data()
{
    QTest::addColumn<int>("shape");
    QTest::addColumn<QRect>("box"); // from (l, t) to (r, b) as given
    QTest::addColumn<QRect>("covered");
    for (Shape s : {Shape::Rectangle, Shape::RoundRect, Shape::Ellipse}) {
        const char *name = s == Shape::Rectangle ? "rect" : s == Shape::RoundRect ? "round" : "ellipse";
        QTest::addRow("%s 10,10-30,20", name)
            << int(s) << QRect(QPoint(10, 10), QPoint(30, 20)) << QRect(QPoint(10, 10), QPoint(29, 19));
        QTest::addRow("%s reversed", name)
            << int(s) << QRect(QPoint(30, 20), QPoint(10, 10)) << QRect(QPoint(10, 10), QPoint(29, 19));
        QTest::addRow("%s 1x1", name) << int(s) << QRect(QPoint(5, 5), QPoint(6, 6)) << QRect(5, 5, 1, 1);
        QTest::addRow("%s zero height", name) << int(s) << QRect(QPoint(5, 5), QPoint(21, 5)) << QRect();
        QTest::addRow("%s zero width", name) << int(s) << QRect(QPoint(5, 5), QPoint(5, 9)) << QRect();
        QTest::addRow("%s over the edges", name)
            << int(s) << QRect(QPoint(-10, -5), QPoint(50, 45)) << QRect(0, 0, 40, 40);
    }
}

void TestCanvasShapes::shapesCoverTheirBox()
{
    QFETCH(int, shape);
    QFETCH(QRect, box);
    QFETCH(QRect, covered);
    QImage image = blankImage(40, 40);
    Canvas c = penAndBrush(&image);
    drawShape(c, Shape(shape), box.left(), box.top(), box.right(), box.bottom());
    QCOMPARE(changedBounds(image), covered);
    if (covered.width() >= 3 && covered.height() >= 3 && box.left() >= 0) {
        QCOMPARE(at(image, covered.center().x(), covered.center().y()), kFill);
        QCOMPARE(at(image, covered.center().x(), covered.top()), kPen);
        QCOMPARE(at(image, covered.left(), covered.center().y()), kPen);
        QCOMPARE(at(image, covered.center().x(), covered.bottom()), kPen);
        QCOMPARE(at(image, covered.right(), covered.center().y()), kPen);
    }
    const auto counts = colourCounts(image, image.rect());
    QVERIFY(counts.size() <= 3);
}

void TestCanvasShapes::clearBrushKeepsInterior_data()
{
    QTest::addColumn<int>("shape");
    QTest::newRow("rectangle") << int(Shape::Rectangle);
    QTest::newRow("round rect") << int(Shape::RoundRect);
    QTest::newRow("ellipse") << int(Shape::Ellipse);
}

void TestCanvasShapes::clearBrushKeepsInterior()
{
    QFETCH(int, shape);
    QImage solid = blankImage(40, 40, kPaper);
    Canvas a = penAndBrush(&solid);
    drawShape(a, Shape(shape), 5, 5, 35, 30);

    QImage clear = blankImage(40, 40, kPaper);
    Canvas b = penAndBrush(&clear);
    b.setBrushStyle(BrushStyle::Clear);
    drawShape(b, Shape(shape), 5, 5, 35, 30);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            const TColor expected = at(solid, x, y) == kFill ? kPaper : at(solid, x, y);
            QCOMPARE(at(clear, x, y), expected);
        }
}

void TestCanvasShapes::brushColourMakesBrushSolid()
{
    QImage image = blankImage(20, 20, kPaper);
    Canvas c(&image);
    c.setBrushStyle(BrushStyle::Clear);
    c.setBrushColor(kFill);
    QCOMPARE(c.brush().style, BrushStyle::Solid);
    c.Rectangle(0, 0, 10, 10);
    QCOMPARE(at(image, 5, 5), kFill);
}

void TestCanvasShapes::fillRect()
{
    QImage image = blankImage(20, 20);
    Canvas c = penAndBrush(&image);
    c.FillRect(2, 3, 7, 9);
    QCOMPARE(changedBounds(image), QRect(QPoint(2, 3), QPoint(6, 8)));
    QCOMPARE(colourCounts(image, QRect(2, 3, 5, 6)).value(kFill), 30);
    c.setBrushStyle(BrushStyle::Clear);
    c.FillRect(10, 10, 15, 15);
    QCOMPARE(changedBounds(image), QRect(QPoint(2, 3), QPoint(6, 8)));
}

void TestCanvasShapes::circleOfTwelve()
{
    QImage image = blankImage(16, 16);
    Canvas c = penAndBrush(&image);
    c.Ellipse(2, 2, 14, 14);
    const QStringList expected{
        "    oooo    ", //
        "  oo....oo  ", //
        " o........o ", //
        " o........o ", //
        "o..........o", //
        "o..........o", //
        "o..........o", //
        "o..........o", //
        " o........o ", //
        " o........o ", //
        "  oo....oo  ", //
        "    oooo    ", //
    };
    QCOMPARE(art(image, QRect(2, 2, 12, 12)), expected);
    QCOMPARE(changedBounds(image), QRect(2, 2, 12, 12));
}

void TestCanvasShapes::roundRectCorners()
{
    QImage image = blankImage(40, 40);
    Canvas c = penAndBrush(&image);
    c.RoundRect(4, 6, 32, 32, 10, 10);
    QCOMPARE(changedBounds(image), QRect(4, 6, 28, 26));
    const QStringList rows = art(image, QRect(4, 6, 28, 26));
    const QStringList top{
        "   oooooooooooooooooooooo   ", //
        " oo......................oo ", //
        " o........................o ", //
        "o..........................o", //
        "o..........................o", //
    };
    QCOMPARE(rows.mid(0, 5), top);
    for (int y = 5; y < 21; ++y)
        QCOMPARE(rows[y], QString("o..........................o"));
    QStringList bottom = rows.mid(21);
    std::reverse(bottom.begin(), bottom.end());
    QCOMPARE(bottom, top);
}

void TestCanvasShapes::shapesAreSymmetric_data()
{
    QTest::addColumn<int>("shape");
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");
    for (int w : {1, 2, 3, 7, 12, 13, 28, 31})
        for (int h : {1, 2, 5, 12, 26, 27}) {
            QTest::addRow("ellipse %dx%d", w, h) << int(Shape::Ellipse) << w << h;
            QTest::addRow("round %dx%d", w, h) << int(Shape::RoundRect) << w << h;
        }
}

void TestCanvasShapes::shapesAreSymmetric()
{
    QFETCH(int, shape);
    QFETCH(int, w);
    QFETCH(int, h);
    QImage image = blankImage(w + 6, h + 6);
    Canvas c = penAndBrush(&image);
    drawShape(c, Shape(shape), 3, 3, 3 + w, 3 + h);
    const QImage box = image.copy(3, 3, w, h);
    // Thin shapes of even size may stop short of their box's ends, never beyond them.
    const QRect bounds = changedBounds(image);
    QVERIFY(QRect(3, 3, w, h).contains(bounds));
    if (w % 2 == 1 && h % 2 == 1)
        QCOMPARE(bounds, QRect(3, 3, w, h));
    QCOMPARE(mirrored(box, true, false), box);
    QCOMPARE(mirrored(box, false, true), box);
    if (w == h)
        QCOMPARE(box.transformed(QTransform().rotate(90)), box);
}

void TestCanvasShapes::ellipseMatchesDefinition_data()
{
    QTest::addColumn<QRect>("box"); // (l, t) to (r, b)
    QTest::newRow("circle") << QRect(QPoint(3, 4), QPoint(15, 16));
    QTest::newRow("wide") << QRect(QPoint(-20, 10), QPoint(117, 33));
    QTest::newRow("tall odd") << QRect(QPoint(30, -41), QPoint(61, 120));
    QTest::newRow("large, left edge") << QRect(QPoint(50, -30000), QPoint(100150, 30080));
    QTest::newRow("huge, top edge") << QRect(QPoint(-1500000000, 3), QPoint(1500000100, 2000000003));
}

void TestCanvasShapes::ellipseMatchesDefinition()
{
    // A pixel is inside when its centre lies in the ellipse inscribed in the box.
    __extension__ typedef __int128 Wide;
    QFETCH(QRect, box);
    const Wide l = box.left(), t = box.top(), r = box.right(), b = box.bottom();
    QImage image = blankImage(100, 80);
    Canvas c = penAndBrush(&image);
    c.Ellipse(box.left(), box.top(), box.right(), box.bottom());
    int inside = 0;
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 100; ++x) {
            const Wide X = 2 * x + 1 - (l + r), Y = 2 * y + 1 - (t + b);
            const Wide w = r - l, h = b - t;
            const bool in = X * X * h * h + Y * Y * w * w <= w * w * h * h;
            inside += in;
            QVERIFY2((at(image, x, y) != kBack) == in, qPrintable(QString("pixel %1,%2").arg(x).arg(y)));
        }
    QVERIFY(inside > 0 && inside < 8000);
}

void TestCanvasShapes::polygonFillAndOutline()
{
    QImage image = blankImage(300, 200);
    Canvas c = penAndBrush(&image);
    const std::array<CanvasPoint, 3> head{{{150, 100}, {144, 95}, {145, 106}}};
    c.Polygon(head);
    for (const CanvasPoint &p : head)
        QCOMPARE(at(image, int(p.x), int(p.y)), kPen);
    QCOMPARE(at(image, 147, 100), kFill);
    QCOMPARE(changedBounds(image), QRect(QPoint(144, 95), QPoint(150, 106)));

    // A right triangle: the fill takes pixels whose centres lie inside, the outline its edges.
    QImage tri = blankImage(12, 12);
    Canvas t = penAndBrush(&tri);
    const std::array<CanvasPoint, 3> right{{{1, 1}, {9, 1}, {1, 9}}};
    t.Polygon(right);
    const QStringList expected{
        "ooooooooo", //
        "o......o ", //
        "o.....o  ", //
        "o....o   ", //
        "o...o    ", //
        "o..o     ", //
        "o.o      ", //
        "oo       ", //
        "o        ", //
    };
    QCOMPARE(art(tri, QRect(1, 1, 9, 9)), expected);
    QCOMPARE(changedBounds(tri), QRect(1, 1, 9, 9));
    // The pen position is not moved by a polygon.
    QCOMPARE(t.penPos(), CanvasPoint{});
}

void TestCanvasShapes::polygonWithClearBrush()
{
    QImage image = blankImage(20, 20, kPaper);
    Canvas c = penAndBrush(&image);
    c.setBrushStyle(BrushStyle::Clear);
    const std::array<CanvasPoint, 4> square{{{2, 2}, {12, 2}, {12, 12}, {2, 12}}};
    c.Polygon(square);
    QCOMPARE(at(image, 7, 7), kPaper);
    QCOMPARE(at(image, 2, 2), kPen);
    QCOMPARE(at(image, 12, 12), kPen);
    QCOMPARE(colourCounts(image, image.rect()).value(kPen), 40);
}

void TestCanvasShapes::lines_data()
{
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    const QPoint c(20, 20);
    const QList<QPoint> ends{{35, 20}, {5, 20}, {20, 35}, {20, 5}, {35, 35}, {5, 5},
                             {35, 26}, {8, 31}, {23, 2},  {1, 17}, {38, 21}, {21, 38}};
    for (const QPoint &e : ends)
        QTest::addRow("(20,20)-(%d,%d)", e.x(), e.y()) << c << e;
    QTest::newRow("no length") << c << c;
}

void TestCanvasShapes::lines()
{
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QImage image = blankImage(40, 40);
    Canvas c = penAndBrush(&image);
    c.MoveTo(from.x(), from.y());
    c.LineTo(to.x(), to.y());
    QCOMPARE(c.penPos(), (CanvasPoint{to.x(), to.y()}));
    const std::vector<QPoint> ref = naiveLine(from.x(), from.y(), to.x(), to.y());
    QImage expected = blankImage(40, 40);
    for (const QPoint &p : ref)
        expected.setPixel(p, toQRgb(kPen));
    QCOMPARE(image, expected);
    if (from != to) {
        QCOMPARE(at(image, from.x(), from.y()), kPen);
        QCOMPARE(at(image, to.x(), to.y()), kBack);
    }
}

void TestCanvasShapes::dottedLine_data()
{
    QTest::addColumn<bool>("solidBrush");
    QTest::newRow("solid brush fills gaps") << true;
    QTest::newRow("clear brush leaves gaps") << false;
}

void TestCanvasShapes::dottedLine()
{
    QFETCH(bool, solidBrush);
    QImage image = blankImage(30, 30, kPaper);
    Canvas c = penAndBrush(&image);
    if (!solidBrush)
        c.setBrushStyle(BrushStyle::Clear);
    c.setPenStyle(PenStyle::Dot);
    c.MoveTo(3, 10);
    c.LineTo(13, 15);
    const std::vector<QPoint> ref = naiveLine(3, 10, 13, 15);
    for (size_t i = 0; i < ref.size(); ++i)
        QCOMPARE(at(image, ref[i].x(), ref[i].y()), i % 2 == 0 ? kPen : solidBrush ? kFill : kPaper);
    QCOMPARE(colourCounts(image, image.rect()).value(kPen), 5);
}

void TestCanvasShapes::dottedPolylineCountsOn()
{
    QImage image = blankImage(30, 30);
    Canvas c = penAndBrush(&image);
    c.setPenStyle(PenStyle::Dot);
    c.MoveTo(1, 1);
    c.LineTo(4, 1); // pixels 1, 2, 3: on, off, on
    c.LineTo(4, 5); // continues: (4,1) off, (4,2) on, ...
    QCOMPARE(art(image, QRect(1, 1, 4, 4)), QStringList({"o.o.", "   o", "   .", "   o"}));
    c.MoveTo(10, 1); // a move starts the count anew
    c.LineTo(13, 1);
    QCOMPARE(art(image, QRect(10, 1, 3, 1)), QStringList({"o.o"}));
}

void TestCanvasShapes::dottedOutline_data()
{
    QTest::addColumn<bool>("solidBrush");
    QTest::newRow("solid") << true;
    QTest::newRow("clear") << false;
}

void TestCanvasShapes::dottedOutline()
{
    QFETCH(bool, solidBrush);
    QImage image = blankImage(20, 20);
    Canvas c = penAndBrush(&image);
    if (!solidBrush)
        c.setBrushStyle(BrushStyle::Clear);
    c.setPenStyle(PenStyle::Dot);
    c.Rectangle(2, 3, 9, 8);
    // horizontal edges are dashed by even x, vertical ones by even y
    const QString gap = solidBrush ? "." : " ";
    const QString inside = solidBrush ? "....." : "     ";
    QStringList expected{
        QString("o.o.o.o").replace('.', gap[0]), "o" + inside + "o", gap + inside + gap, "o" + inside + "o",
        QString("o.o.o.o").replace('.', gap[0]),
    };
    QCOMPARE(art(image, QRect(2, 3, 7, 5)), expected);
    // The outline of a circle alternates along its slanted parts too.
    QImage circle = blankImage(16, 16);
    Canvas e = penAndBrush(&circle);
    e.setBrushStyle(BrushStyle::Clear);
    e.setPenStyle(PenStyle::Dot);
    e.Ellipse(2, 2, 14, 14);
    const QStringList rows = art(circle, QRect(2, 2, 12, 12));
    QCOMPARE(rows[0], QString("    o o     "));
    QCOMPARE(rows[2], QString(" o        o "));
    QCOMPARE(rows[3], QString("            "));
}

void TestCanvasShapes::insideFramePenDrawsSolid()
{
    QImage solid = blankImage(30, 30), frame = blankImage(30, 30);
    Canvas a = penAndBrush(&solid), b = penAndBrush(&frame);
    b.setPenStyle(PenStyle::InsideFrame);
    for (Canvas *c : {&a, &b}) {
        c->MoveTo(1, 1);
        c->LineTo(1, 28);
        c->MoveTo(1, 1);
        c->LineTo(28, 1);
        c->RoundRect(5, 5, 25, 20, 10, 10);
    }
    QCOMPARE(frame, solid);
}

void TestCanvasShapes::clippedEqualsUnclipped()
{
    // Every operation on a small image equals the same operation on a large one shifted by an
    // even offset (dot parity is kept), seen through the small image's window.
    QRandomGenerator rng(20240607);
    const int W = 61, H = 47, off = 300;
    for (int round = 0; round < 400; ++round) {
        QImage small = blankImage(W, H), large = blankImage(W + 2 * off, H + 2 * off);
        Canvas cs = penAndBrush(&small), cl = penAndBrush(&large);
        const int op = rng.bounded(6);
        const bool dotted = rng.bounded(2) == 1;
        const bool clear = rng.bounded(3) == 0;
        auto coord = [&] { return Coord(rng.bounded(-250, 300)); };
        std::array<Coord, 8> v{};
        for (Coord &x : v)
            x = coord();
        for (Canvas *c : {&cs, &cl}) {
            const Coord d = c == &cl ? off : 0;
            if (dotted)
                c->setPenStyle(PenStyle::Dot);
            if (clear)
                c->setBrushStyle(BrushStyle::Clear);
            switch (op) {
            case 0:
                c->MoveTo(v[0] + d, v[1] + d);
                c->LineTo(v[2] + d, v[3] + d);
                c->LineTo(v[4] + d, v[5] + d);
                break;
            case 1:
                c->Rectangle(v[0] + d, v[1] + d, v[2] + d, v[3] + d);
                break;
            case 2:
                c->Ellipse(v[0] + d, v[1] + d, v[2] + d, v[3] + d);
                break;
            case 3:
                c->RoundRect(v[0] + d, v[1] + d, v[2] + d, v[3] + d, v[4] / 4, v[5] / 4);
                break;
            case 4: {
                const std::array<CanvasPoint, 4> p{
                    {{v[0] + d, v[1] + d}, {v[2] + d, v[3] + d}, {v[4] + d, v[5] + d}, {v[6] + d, v[7] + d}}};
                c->Polygon(p);
                break;
            }
            default:
                c->FillRect(v[0] + d, v[1] + d, v[2] + d, v[3] + d);
                break;
            }
        }
        if (large.copy(off, off, W, H) != small)
            QFAIL(qPrintable(QString("operation %1 with %2 %3 %4 %5 %6 %7 %8 %9 differs when clipped")
                                 .arg(op)
                                 .arg(v[0])
                                 .arg(v[1])
                                 .arg(v[2])
                                 .arg(v[3])
                                 .arg(v[4])
                                 .arg(v[5])
                                 .arg(v[6])
                                 .arg(v[7])));
    }
}

void TestCanvasShapes::clippedLinesMatchReference()
{
    QRandomGenerator rng(77);
    const int W = 50, H = 40;
    for (int round = 0; round < 2000; ++round) {
        const Coord x0 = rng.bounded(-400, 450), y0 = rng.bounded(-400, 450);
        const Coord x1 = rng.bounded(-400, 450), y1 = rng.bounded(-400, 450);
        QImage image = blankImage(W, H);
        Canvas c = penAndBrush(&image);
        c.setPenStyle(PenStyle::Dot);
        c.MoveTo(x0, y0);
        c.LineTo(x1, y1);
        QImage expected = blankImage(W, H);
        const std::vector<QPoint> ref = naiveLine(x0, y0, x1, y1);
        for (size_t i = 0; i < ref.size(); ++i)
            if (QRect(0, 0, W, H).contains(ref[i]))
                expected.setPixel(ref[i], toQRgb(i % 2 == 0 ? kPen : kFill));
        if (image != expected)
            QFAIL(qPrintable(QString("line %1,%2 - %3,%4").arg(x0).arg(y0).arg(x1).arg(y1)));
    }
}

void TestCanvasShapes::hugeCoordinates()
{
    QImage image = blankImage(200, 100);
    Canvas c = penAndBrush(&image);
    c.MoveTo(10, 10);
    c.LineTo(2000000000, 1000000000);
    // the visible part equals the start of the reference line
    QImage expected = blankImage(200, 100);
    const std::vector<QPoint> ref = naiveLine(10, 10, 2000000000, 1000000000, 180);
    QCOMPARE(ref.back().y(), 99);
    for (size_t i = 0; i < ref.size(); ++i)
        expected.setPixel(ref[i], toQRgb(kPen));
    QCOMPARE(image, expected);

    image.fill(Qt::white);
    c.Rectangle(-2000000000, 20, 2000000000, 40);
    QCOMPARE(changedBounds(image), QRect(0, 20, 200, 20));
    QCOMPARE(at(image, 100, 30), kFill);
    QCOMPARE(at(image, 100, 20), kPen);

    const Coord big = std::numeric_limits<Coord>::max();
    const Coord small = std::numeric_limits<Coord>::min();
    image.fill(Qt::white);
    c.setPenStyle(PenStyle::Dot);
    c.MoveTo(small, small);
    c.LineTo(big, big);
    c.Ellipse(small, small, big, big);
    c.RoundRect(small, 10, big, 50, big, 7);
    const std::array<CanvasPoint, 3> tri{{{small, 0}, {big, 50}, {0, big}}};
    c.Polygon(tri);
    c.FillRect(small, small, big, big);
    c.TextOut(small, big, "far away");
    QCOMPARE(at(image, 100, 50), kFill);
}

void TestCanvasShapes::pixelAccess()
{
    QImage image = blankImage(10, 8);
    Canvas c(&image);
    c.setPixel(3, 4, 0x00123456);
    QCOMPARE(c.pixel(3, 4), std::optional<TColor>(0x00123456));
    QCOMPARE(image.pixel(3, 4), toQRgb(0x00123456));
    for (const QPoint &p : {QPoint(-1, 0), QPoint(0, -1), QPoint(10, 0), QPoint(0, 8)}) {
        QCOMPARE(c.pixel(p.x(), p.y()), std::nullopt);
        c.setPixel(p.x(), p.y(), clBlack);
    }
    QCOMPARE(c.pixel(Coord(1) << 40, 0), std::nullopt);
    QCOMPARE(changedBounds(image), QRect(3, 4, 1, 1));
    Canvas none;
    QCOMPARE(none.pixel(0, 0), std::nullopt);
    none.Rectangle(0, 0, 5, 5);
    none.TextOut(0, 0, "x");
    QCOMPARE(none.width(), 0);
}

void TestCanvasShapes::sheetImages_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("start-up sheet") << QSize(842, 595);
    QTest::newRow("large sheet") << QSize(2380, 3368);
    QTest::newRow("one pixel") << QSize(1, 1);
    QTest::newRow("empty") << QSize(0, 10);
}

void TestCanvasShapes::sheetImages()
{
    QFETCH(QSize, size);
    QImage image = newSheetImage(size.width(), size.height());
    if (size.isEmpty()) {
        QVERIFY(image.isNull());
        return;
    }
    QCOMPARE(image.size(), size);
    QCOMPARE(image.format(), QImage::Format_RGB32);
    QCOMPARE(image, blankImage(size.width(), size.height()));
    const QImage copy = image;
    Canvas c = penAndBrush(&image);
    c.MoveTo(0, 0);
    c.LineTo(size.width(), size.height());
    QCOMPARE(at(image, 0, 0), kPen);
    QCOMPARE(at(copy, 0, 0), kBack); // the copy detached before the drawing
}

void TestCanvasShapes::pixelGridMatchesSinglePixels_data()
{
    QTest::addColumn<qint64>("x0");
    QTest::addColumn<qint64>("y0");
    QTest::addColumn<qint64>("step");
    QTest::addColumn<QRect>("within"); // empty: the whole image
    QTest::newRow("grid from (15, 0)") << qint64(15) << qint64(0) << qint64(15) << QRect();
    QTest::newRow("origin left of and above the image") << qint64(-7) << qint64(-3) << qint64(5) << QRect();
    QTest::newRow("step 1 fills") << qint64(0) << qint64(0) << qint64(1) << QRect();
    QTest::newRow("step wider than the image") << qint64(3) << qint64(4) << qint64(500) << QRect();
    QTest::newRow("origin beyond the image") << qint64(60) << qint64(2) << qint64(4) << QRect();
    QTest::newRow("far origin") << qint64(-4000000000000) << qint64(-1) << qint64(7) << QRect();
    QTest::newRow("no step") << qint64(0) << qint64(0) << qint64(0) << QRect();
    QTest::newRow("within an area") << qint64(15) << qint64(0) << qint64(4) << QRect(9, 5, 20, 13);
    QTest::newRow("within an area reaching out")
        << qint64(-7) << qint64(3) << qint64(3) << QRect(-5, 30, 90, 40);
    QTest::newRow("within an area before the origin")
        << qint64(30) << qint64(20) << qint64(2) << QRect(0, 0, 29, 40);
}

// The grid of dots sets exactly the pixels a loop of single pixels sets.
void TestCanvasShapes::pixelGridMatchesSinglePixels()
{
    QFETCH(qint64, x0);
    QFETCH(qint64, y0);
    QFETCH(qint64, step);
    QFETCH(QRect, within);
    QImage grid = blankImage(57, 41);
    Canvas(&grid).setPixelGrid(x0, y0, step, kPen, within.isEmpty() ? std::nullopt : std::optional(within));
    QImage single = blankImage(57, 41);
    Canvas reference(&single);
    if (step > 0)
        for (qint64 y = 0; y < 41; ++y)
            for (qint64 x = 0; x < 57; ++x)
                if (x >= x0 && y >= y0 && (x - x0) % step == 0 && (y - y0) % step == 0 &&
                    (within.isEmpty() || within.contains(int(x), int(y))))
                    reference.setPixel(x, y, kPen);
    QCOMPARE(grid, single);
}

QTEST_MAIN(TestCanvasShapes)
#include "tst_canvas_shapes.moc"
