#include "render/ElementDrawing.h"
#include "render/RenderTestUtil.h"

#include <QtTest>

#include <algorithm>
#include <limits>

namespace {

constexpr TColor kFill = 0x0099FFFF;
constexpr TColor kBackground = 0x00123456;

QSize measure(const QString &caption)
{
    Canvas probe;
    probe.setFontName(captionFontName());
    return probe.TextExtent(caption);
}

QImage draw(Coord x, Coord y, const QString &caption, bool marked, bool outline, ElementKind kind,
            TColor background = clWhite, TColor fill = kFill, TColor pen = clBlack)
{
    QImage image = blankImage(200, 120, background);
    Canvas canvas(&image);
    DrawToolElement(x, y, caption, canvas, fill, pen, marked, outline, kind);
    return image;
}

bool sameSet(std::vector<QPoint> a, std::vector<QPoint> b)
{
    auto less = [](const QPoint &p, const QPoint &q) {
        return p.y() != q.y() ? p.y() < q.y() : p.x() < q.x();
    };
    std::sort(a.begin(), a.end(), less);
    std::sort(b.begin(), b.end(), less);
    return a == b;
}

} // namespace

class TestElementDrawing : public QObject {
    Q_OBJECT
private slots:
    void rectangleBoxAndCaption_data();
    void rectangleBoxAndCaption();
    void pointBoxesAndCaption_data();
    void pointBoxesAndCaption();
    void pointWithoutCaptionIsCircleOnly();
    void rectangleWithoutCaptionHasNoFill();
    void markedKeepsFillAndCaption_data();
    void markedKeepsFillAndCaption();
    void rectangleGhostIsDottedOutlineOnly();
    void pointGhostHasCreamGaps();
    void otherKindsDrawNothing_data();
    void otherKindsDrawNothing();
    void farCoordinatesAreClipped();
};

void TestElementDrawing::rectangleBoxAndCaption_data()
{
    QTest::addColumn<QString>("caption");
    QTest::newRow("even width") << QStringLiteral("Ab");
    QTest::newRow("one char") << QStringLiteral("W");
    QTest::newRow("longer") << QStringLiteral("Rectangle 12");
    QTest::newRow("cyrillic") << QStringLiteral("Узел");
}

void TestElementDrawing::rectangleBoxAndCaption()
{
    QFETCH(QString, caption);
    const QSize ext = measure(caption);
    QVERIFY(ext.width() > 0 && ext.height() > 0);
    const int x = 100, y = 50;
    const int hw = ext.width() / 2;
    const int L = x - hw - 8, T = y - ext.height(), R = x + hw + 8, B = y + ext.height();

    const QImage img = draw(x, y, caption, false, false, ElementKind::Rectangle);
    // Outline on the edges, right and bottom excluded; nothing outside.
    QCOMPARE(colorAt(img, L, y), clBlack);
    QCOMPARE(colorAt(img, L - 1, y), clWhite);
    QCOMPARE(colorAt(img, R - 1, y), clBlack);
    QCOMPARE(colorAt(img, R, y), clWhite);
    QCOMPARE(colorAt(img, x, T), clBlack);
    QCOMPARE(colorAt(img, x, T - 1), clWhite);
    QCOMPARE(colorAt(img, x, B - 1), clBlack);
    QCOMPARE(colorAt(img, x, B), clWhite);
    QCOMPARE(boundsWhere(img, [](TColor c) { return c != clWhite; }),
             QRect(QPoint(L, T), QPoint(R - 1, B - 1)));
    // Fill beside the caption; the caption cell lies in the fill colour.
    QCOMPARE(colorAt(img, L + 1, y), kFill);
    const int tx = L + (R - L - ext.width()) / 2;
    const int ty = T + ext.height() / 2;
    // The glyphs lie in the text cell at (tx, ty) exactly as the text alone draws them.
    const std::vector<QPoint> glyphs = pixelsOf(img, clBlack, QRect(QPoint(tx, ty), ext));
    QVERIFY(!glyphs.empty());
    QVERIFY2(sameSet(glyphs, glyphPixels(caption, 11, clBlack, kFill)), qPrintable(dumpImage(img, "rect")));
}

void TestElementDrawing::pointBoxesAndCaption_data()
{
    QTest::addColumn<QString>("caption");
    QTest::newRow("even width") << QStringLiteral("Ab");
    QTest::newRow("odd") << QStringLiteral("P1");
    QTest::newRow("longer") << QStringLiteral("Point caption");
}

void TestElementDrawing::pointBoxesAndCaption()
{
    QFETCH(QString, caption);
    const QSize ext = measure(caption);
    const int x = 100, y = 50;
    const int hw = ext.width() / 2;
    const QImage img = draw(x, y, caption, false, false, ElementKind::Point);

    // Circle box (94, 44)..(105, 55): black outline, cream inside.
    QCOMPARE(colorAt(img, 94, 50), clBlack);
    QCOMPARE(colorAt(img, 93, 50), clWhite);
    QCOMPARE(colorAt(img, 105, 50), clBlack);
    QCOMPARE(colorAt(img, 106, 50), clWhite);
    QCOMPARE(colorAt(img, 100, 44), clBlack);
    QCOMPARE(colorAt(img, 100, 43), clWhite);
    QCOMPARE(colorAt(img, 100, 55), clBlack);
    QCOMPARE(colorAt(img, 100, 50), clPointFill);

    // Caption box: grey outline, fill inside, right and bottom excluded.
    const int L = x - hw - 6, T = y + 8, R = x + hw + 6, B = y + ext.height() + 14;
    QCOMPARE(boundsOf(img, clFrameGrey), QRect(QPoint(L, T), QPoint(R - 1, B - 1)));
    QCOMPARE(colorAt(img, L, T + 2), clFrameGrey);
    QCOMPARE(colorAt(img, R - 1, T + 2), clFrameGrey);
    QCOMPARE(colorAt(img, L + 1, T + 1), kFill);
    QCOMPARE(colorAt(img, x, T - 1), clWhite); // the gap between circle and box
    const int tx = L + (R - L - ext.width()) / 2;
    const int ty = y + 11;
    const QRect inside(L + 1, T + 1, R - L - 2, B - T - 2);
    std::vector<QPoint> glyphs = pixelsOf(img, clBlack, inside);
    for (QPoint &p : glyphs)
        p += inside.topLeft() - QPoint(tx, ty);
    QVERIFY2(sameSet(glyphs, glyphPixels(caption, 11, clBlack, kFill)), qPrintable(dumpImage(img, "point")));
}

void TestElementDrawing::pointWithoutCaptionIsCircleOnly()
{
    const QImage img = draw(100, 50, QString(), false, false, ElementKind::Point);
    QCOMPARE(boundsWhere(img, [](TColor c) { return c != clWhite; }), QRect(QPoint(94, 44), QPoint(105, 55)));
    QCOMPARE(countOf(img, kFill), 0);
}

void TestElementDrawing::rectangleWithoutCaptionHasNoFill()
{
    const QImage img = draw(100, 50, QString(), false, false, ElementKind::Rectangle);
    QCOMPARE(countOf(img, kFill), 0);
    // Whatever the empty figure leaves stays within its 16-pixel-wide box.
    const QRect marks = boundsWhere(img, [](TColor c) { return c != clWhite; });
    QVERIFY(marks.isNull() || QRect(92, 49, 17, 2).contains(marks));
}

void TestElementDrawing::markedKeepsFillAndCaption_data()
{
    QTest::addColumn<int>("kindIndex");
    QTest::newRow("rectangle") << int(ElementKind::Rectangle);
    QTest::newRow("point") << int(ElementKind::Point);
}

void TestElementDrawing::markedKeepsFillAndCaption()
{
    QFETCH(int, kindIndex);
    const auto kind = ElementKind(kindIndex);
    const QImage normal = draw(100, 50, QStringLiteral("Marked"), false, false, kind);
    const QImage marked = draw(100, 50, QStringLiteral("Marked"), true, false, kind);
    const std::vector<QPoint> diff = differences(normal, marked);
    QVERIFY(!diff.empty());
    // Only outline pixels change, from black to white; black ones remain between the dots.
    for (const QPoint &p : diff) {
        QCOMPARE(colorAt(normal, p.x(), p.y()), clBlack);
        QCOMPARE(colorAt(marked, p.x(), p.y()), clWhite);
    }
    const int left =
        kind == ElementKind::Rectangle ? 100 - measure(QStringLiteral("Marked")).width() / 2 - 8 : 94;
    const QRect edge(left, kind == ElementKind::Rectangle ? 40 : 44, 1,
                     kind == ElementKind::Rectangle ? 20 : 12);
    QVERIFY(!pixelsOf(marked, clBlack, edge).empty());
    QVERIFY(!pixelsOf(marked, clWhite, edge).empty());
}

void TestElementDrawing::rectangleGhostIsDottedOutlineOnly()
{
    const QString caption = QStringLiteral("Ghost");
    const QImage solid = draw(100, 50, caption, false, false, ElementKind::Rectangle, kBackground);
    const QImage ghost = draw(100, 50, caption, false, true, ElementKind::Rectangle, kBackground, 0x00CCFFCC);
    const std::vector<QPoint> changed = differences(blankImage(200, 120, kBackground), ghost);
    QVERIFY(!changed.empty());
    int outlinePixels = 0;
    for (const QPoint &p : changed) {
        QCOMPARE(colorAt(ghost, p.x(), p.y()), clBlack);
        ++outlinePixels;
    }
    // The solid look's outline pixels are the ghost's superset; gaps show the background.
    for (const QPoint &p : changed)
        QCOMPARE(colorAt(solid, p.x(), p.y()), clBlack);
    const int solidOutline = int(pixelsOf(solid, clBlack, solid.rect()).size()) -
                             int(glyphPixels(caption, 11, clBlack, kFill).size());
    QVERIFY(outlinePixels < solidOutline);
    QCOMPARE(colorAt(ghost, 100, 50), kBackground);
}

void TestElementDrawing::pointGhostHasCreamGaps()
{
    const QImage ghost = draw(100, 50, QStringLiteral("Ghost"), false, true, ElementKind::Point, kBackground,
                              clPointFill, clPointGhostPen);
    const std::vector<QPoint> changed = differences(blankImage(200, 120, kBackground), ghost);
    QCOMPARE(boundsWhere(ghost, [](TColor c) { return c != kBackground; }),
             QRect(QPoint(94, 44), QPoint(105, 55)));
    for (const QPoint &p : changed) {
        const TColor c = colorAt(ghost, p.x(), p.y());
        QVERIFY(c == clBlack || c == clPointFill);
    }
    // The left edge of the circle shows black dashes with cream gaps.
    const QRect edge(94, 47, 1, 6);
    QVERIFY(!pixelsOf(ghost, clBlack, edge).empty());
    QVERIFY(!pixelsOf(ghost, clPointFill, edge).empty());
}

void TestElementDrawing::otherKindsDrawNothing_data()
{
    QTest::addColumn<int>("kindIndex");
    QTest::newRow("0") << 0;
    QTest::newRow("3") << 3;
    QTest::newRow("-1") << -1;
}

void TestElementDrawing::otherKindsDrawNothing()
{
    QFETCH(int, kindIndex);
    const auto kind = ElementKind(kindIndex);
    QImage image = blankImage(200, 120);
    Canvas canvas(&image);
    canvas.setFontName(QStringLiteral("arial"));
    DrawToolElement(100, 50, QStringLiteral("x"), canvas, kFill, 0x00112233, true, false, kind);
    QCOMPARE(countOf(image, clWhite), 200 * 120);
    QCOMPARE(canvas.font().name, QStringLiteral("tahoma"));
    QCOMPARE(canvas.font().color, TColor(0x00112233));
}

void TestElementDrawing::farCoordinatesAreClipped()
{
    const Coord far = std::numeric_limits<int>::max();
    const Coord nearFar = std::numeric_limits<int>::min();
    for (ElementKind kind : {ElementKind::Rectangle, ElementKind::Point}) {
        QImage image = blankImage(200, 120);
        Canvas canvas(&image);
        DrawToolElement(far, far, QStringLiteral("far"), canvas, kFill, clBlack, true, false, kind);
        DrawToolElement(nearFar, nearFar, QStringLiteral("far"), canvas, kFill, clBlack, true, true, kind);
        QCOMPARE(countOf(image, clWhite), 200 * 120);
        // Partly visible at the left edge: the right half of the shape shows.
        DrawToolElement(0, 50, QStringLiteral("edge"), canvas, kFill, clBlack, false, false, kind);
        QVERIFY(countOf(image, clWhite) < 200 * 120);
    }
}

QTEST_MAIN(TestElementDrawing)
#include "tst_elementdrawing.moc"
