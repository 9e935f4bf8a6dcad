#include "support/TableEdits.h"
#include "model/TableOps.h"
#include "render/ConnectorLines.h"
#include "render/ElementDrawing.h"
#include "render/OverlayPaint.h"
#include "render/Relief.h"
#include "render/RenderTestUtil.h"
#include "render/SceneRedraw.h"
#include "render/SheetBands.h"
#include "toolkit/ColorText.h"
#include "toolkit/Errors.h"
#include "toolkit/IntText.h"

#include <QRandomGenerator>
#include <QSet>
#include <QtTest>

#include <atomic>
#include <cstring>
#include <limits>
#include <optional>

namespace {

constexpr TColor kGrey = 0x00808080;
constexpr TColor kYellow = 0x0099FFFF;
constexpr TColor kGreen = 0x00CCFFCC;

void addRect(ElementTables &t, const QString &name, int x, int y, const QString &caption,
             TColor colour = kYellow)
{
    appendRow(t.HGrid, {name, QString::number(x), QString::number(y), caption, ColorToString(colour)});
}

void addPoint(ElementTables &t, const QString &name, int x, int y, const QString &caption,
              TColor colour = kGreen)
{
    appendRow(t.PGrid, {name, QString::number(x), QString::number(y), caption, ColorToString(colour)});
}

void addLine(ElementTables &t, const QString &name, const QString &text = QString())
{
    appendRow(t.EGrid, {name, QString(), QString(), text});
}

// Stores the midpoints of the lines a redraw tells, as the document does.
LineEndsFound midpointsInto(ElementTables &t)
{
    return [&t](int row, const LineEnds &ends) { setLineMidpoint(t.EGrid, row, lineMidpoint(ends)); };
}

// The redraw written plainly: every end looked up by scanning the tables, every cell converted
// where it is used, the multi-selection searched with the list's own lookup.
void referenceRedraw(ElementTables &t, Canvas &canvas, const TextList &selection)
{
    const auto selected = [&](const QString &name) {
        return selection.count() > 1 && selection.indexOf(name) >= 0;
    };
    canvas.setBrushColor(clWhite);
    canvas.FillRect(0, 0, canvas.width(), canvas.height());
    for (int r = 1; r < t.EGrid.RowCount(); ++r) {
        const QString name = t.EGrid.Cells(ColName, r);
        if (!name.isEmpty())
            setLineMidpoint(
                t.EGrid, r,
                lineMidpoint(DrawLineTool(t, canvas, name, t.EGrid.Cells(ColCaption, r), selected(name))));
    }
    const auto elements = [&](const StringGrid &g, ElementKind kind) {
        for (int r = 1; r < g.RowCount(); ++r) {
            const QString &name = g.Cells(ColName, r);
            if (name.isEmpty())
                continue;
            const int x = StrToInt(g.Cells(ColX, r));
            const int y = StrToInt(g.Cells(ColY, r));
            const TColor colour = StringToColor(g.Cells(ColColor, r));
            DrawToolElement(x, y, g.Cells(ColCaption, r), canvas, colour, clBlack, selected(name), false,
                            kind);
        }
    };
    elements(t.HGrid, ElementKind::Rectangle);
    elements(t.PGrid, ElementKind::Point);
    DrawRelief(canvas, QRect(0, 0, canvas.width(), canvas.height()), kGrey, kGrey, 1, 1, 2);
}

// A scheme with the irregularities a hand-edited file can hold: duplicate names, lines to
// missing elements, rows with empty names, names in another case, elements off the sheet.
struct Scheme {
    ElementTables tables;
    TextList selection;
};

Scheme makeScheme(quint32 seed, int elements, std::optional<int> badCellKind)
{
    QRandomGenerator rng(seed);
    Scheme s;
    QStringList names;
    const QStringList colours{"$0099FFFF", "$00CCFFCC", "$00FFCC99", "$00CCCCFF", "$00FFCCFF",
                              "$0099FFCC", "$00FFFFCC", "$00FFCCCC", "$0099CCFF"};
    const auto coordinate = [&](int size) { return QString::number(rng.bounded(-40, size + 40)); };
    for (int i = 0; i < elements; ++i) {
        const bool rect = rng.bounded(2) == 0;
        StringGrid &g = rect ? s.tables.HGrid : s.tables.PGrid;
        QString name = QStringLiteral("%1%2").arg(rect ? 'R' : 'P').arg(i + 1);
        const int roll = rng.bounded(10);
        if (roll == 0 && !names.isEmpty())
            name = names.at(rng.bounded(int(names.size()))); // a duplicate, maybe in the other table
        else if (roll == 1)
            name.clear(); // skipped row
        else if (roll == 2)
            name = QStringLiteral("Äσ%1").arg(i); // letters whose case folding is not ASCII
        names << name;
        appendRow(g, {name, coordinate(400), coordinate(300),
                      rng.bounded(4) ? QStringLiteral("c%1").arg(i) : QString(),
                      colours.at(rng.bounded(int(colours.size())))});
    }
    for (int i = 0; i < elements; ++i) {
        const auto end = [&]() -> QString {
            const int roll = rng.bounded(12);
            if (roll == 0)
                return QStringLiteral("X%1").arg(i); // missing
            if (roll == 1)
                return names.at(rng.bounded(int(names.size()))).toLower();
            return names.at(rng.bounded(int(names.size())));
        };
        QString name = end() + QLatin1Char('-') + end();
        if (rng.bounded(15) == 0)
            name.clear();
        addLine(s.tables, name, rng.bounded(3) ? QStringLiteral("t%1").arg(i) : QString());
    }
    const int selected = rng.bounded(3) == 0 ? rng.bounded(2) : rng.bounded(2, 40);
    for (int i = 0; i < selected; ++i) {
        const int pick = rng.bounded(3);
        QString n = pick == 0 ? names.at(rng.bounded(int(names.size())))
                              : s.tables.EGrid.Cells(ColName, 1 + rng.bounded(s.tables.EGrid.RowCount() - 1));
        const int variant = rng.bounded(4);
        if (variant == 1)
            n = n.toLower();
        else if (variant == 2)
            n = n.toUpper().replace(QStringLiteral("Σ"), QStringLiteral("ς")); // final sigma folds to σ
        s.selection.add(n);
    }
    if (badCellKind) {
        // One cell that does not convert, in a random data row.
        StringGrid &g = *badCellKind % 2 ? s.tables.HGrid : s.tables.PGrid;
        const int col = *badCellKind / 2 == 0 ? ColX : *badCellKind / 2 == 1 ? ColY : ColColor;
        if (g.RowCount() > 2)
            g.setCell(col, 1 + rng.bounded(g.RowCount() - 2), QStringLiteral("1o"));
    }
    return s;
}

// Runs a redraw: the plain reference for bandRows < 0, the full redraw for 0, else in bands.
QString runRedraw(int bandRows, Scheme &s, Canvas &canvas)
{
    try {
        if (bandRows < 0)
            referenceRedraw(s.tables, canvas, s.selection);
        else if (bandRows == 0)
            UpdateImageModel(s.tables, canvas, s.selection, midpointsInto(s.tables));
        else
            redrawSheetInBands(s.tables, canvas, s.selection, bandRows, 1, {}, BandPixels::Sheet,
                               midpointsInto(s.tables));
    } catch (const ConvertError &e) {
        return e.message();
    }
    return QString();
}

OverlayState noSelection()
{
    OverlayState st;
    st.gridVisible = false;
    return st;
}

// An overlay canvas as the window prepares it: white brush, caption font.
QImage paintOverlay(const QImage &sheet, const OverlayState &state)
{
    QImage overlay = sheet.copy();
    Canvas canvas(&overlay);
    canvas.setBrushColor(clWhite);
    paintOverlay(canvas, state);
    return overlay;
}

} // namespace

class TestSceneRedraw : public QObject {
    Q_OBJECT
private slots:
    void emptySchemeIsWhiteWithFrame();
    void drawOrder();
    void midpointsFollowTheEnds();
    void conversionErrorStopsAtRow_data();
    void conversionErrorStopsAtRow();
    void badCellOfAnEarlierDuplicateStopsTheLines();
    void multiSelectionMarksOnTheSheet();
    void fastPathMatchesPlainScans_data();
    void fastPathMatchesPlainScans();
    void extremeCoordinatesMatchPlainScans();
    void threadsMatchOneThread_data();
    void threadsMatchOneThread();
    void keepsTheSheetBuffer();
    void sampleSheetUsesOnlyDrawingColours();
    void gridDots();
    void lockedOverlayDrawsNothing();
    void overlaySelection_data();
    void overlaySelection();
    void selectedLineIsDottedWithoutEndPoint();
};

void TestSceneRedraw::emptySchemeIsWhiteWithFrame()
{
    ElementTables t;
    QImage image = blankImage(842, 595, 0x00FF0000);
    Canvas canvas(&image);
    UpdateImageModel(t, canvas, TextList());
    // Left edge column 1, top edge row 1, right edge column 840, bottom edge row 593.
    for (int y = 0; y < 595; ++y) {
        for (int x = 0; x < 842; ++x) {
            const bool frame = (x == 1 && y >= 1 && y <= 593) || (y == 1 && x >= 1 && x <= 840) ||
                               (x == 840 && y >= 2 && y <= 593) || (y == 593 && x >= 2 && x <= 840);
            if (colorAt(image, x, y) != (frame ? kGrey : clWhite))
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
        }
    }
}

void TestSceneRedraw::drawOrder()
{
    ElementTables t;
    addRect(t, "R1", 100, 100, "First", kYellow);
    addRect(t, "R2", 110, 100, "Second", 0x00FFCC99); // over R1 where they overlap
    addPoint(t, "P1", 100, 100, "");                  // over both rectangles
    addPoint(t, "P2", 300, 100, "Pt");
    addRect(t, "R3", 2, 200, "Edge"); // under the frame
    addLine(t, "R1-P2", "line text");
    QImage image = blankImage(400, 300);
    Canvas canvas(&image);
    UpdateImageModel(t, canvas, TextList());
    const QString dump = dumpImage(image, "draw-order");

    Canvas probe;
    const int h = probe.TextHeight("Second");
    const int r2Left = 110 - probe.TextWidth("Second") / 2 - 8;
    const int fillRow = 100 - h + 2;                 // above the caption cells
    QCOMPARE(colorAt(image, 100, 100), clPointFill); // point over the rectangles and the line
    QVERIFY2(colorAt(image, r2Left + 5, fillRow) == TColor(0x00FFCC99), qPrintable(dump)); // R2 over R1
    // The line shows between the elements, not inside the rectangles.
    QCOMPARE(colorAt(image, 200, 100), clArrowOutline); // the arrow head's tip
    QCOMPARE(colorAt(image, 250, 100), clLineStroke);
    for (int x = 120; x < 130; ++x)
        QVERIFY2(colorAt(image, x, 100) != clLineStroke, qPrintable(dump));
    // The frame lies over the rectangle at the left edge.
    QCOMPARE(colorAt(image, 1, 200 - h + 2), kGrey);
    QCOMPARE(colorAt(image, 3, 200 - h + 2), kYellow);
}

void TestSceneRedraw::midpointsFollowTheEnds()
{
    ElementTables t;
    addRect(t, "R1", 10, 10, "a");
    addPoint(t, "P1", 21, -31, "b");
    addLine(t, "R1-P1");
    addLine(t, "P1-R1");
    addLine(t, "P1-Q7");
    QImage image = blankImage(100, 100);
    Canvas canvas(&image);
    UpdateImageModel(t, canvas, TextList(), midpointsInto(t));
    QCOMPARE(t.EGrid.Cells(ColX, 1), QStringLiteral("15"));
    QCOMPARE(t.EGrid.Cells(ColY, 1), QStringLiteral("-10"));
    QCOMPARE(t.EGrid.Cells(ColX, 2), QStringLiteral("15"));
    QCOMPARE(t.EGrid.Cells(ColX, 3), QStringLiteral("10"));
    QCOMPARE(t.EGrid.Cells(ColY, 3), QStringLiteral("-15"));
}

void TestSceneRedraw::conversionErrorStopsAtRow_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::newRow("rectangle x") << "H" << int(ColX) << "abc";
    QTest::newRow("rectangle colour") << "H" << int(ColColor) << "clNoSuch";
    QTest::newRow("point y beyond int") << "P" << int(ColY) << "2147483648";
    QTest::newRow("line end") << "E" << int(ColY) << "";
}

void TestSceneRedraw::conversionErrorStopsAtRow()
{
    QFETCH(QString, table);
    QFETCH(int, column);
    QFETCH(QString, text);
    ElementTables t;
    addRect(t, "R1", 50, 50, "one");
    addRect(t, "R2", 150, 50, "two");
    addRect(t, "R3", 250, 50, "three");
    addPoint(t, "P1", 50, 150, "p1");
    addPoint(t, "P2", 150, 150, "p2");
    addPoint(t, "P3", 250, 150, "p3");
    addLine(t, "R1-P1");
    addLine(t, "R3-P3");
    addLine(t, "R1-P3");
    // R2 and P2 are no line's end; P3 is the end of the second and third lines.
    if (table == "H")
        t.HGrid.setCell(column, 2, text);
    else if (table == "P")
        t.PGrid.setCell(column, 2, text);
    else
        t.PGrid.setCell(column, 3, text);

    QImage image = blankImage(400, 300, 0x00FF0000);
    Canvas canvas(&image);
    try {
        UpdateImageModel(t, canvas, TextList(), midpointsInto(t));
        QFAIL("no conversion error");
    } catch (const ConvertError &e) {
        QCOMPARE(e.message(), notAnIntegerMessage(text));
    }
    const int fillRow = 50 - canvas.TextHeight("one") + 2;
    QCOMPARE(colorAt(image, 1, 250), clWhite); // filled, but no frame
    QCOMPARE(colorAt(image, 0, 0), clWhite);
    QCOMPARE(t.EGrid.Cells(ColX, 1), QStringLiteral("50"));
    const bool allLines = table != "E";
    QCOMPARE(t.EGrid.Cells(ColX, 2).isEmpty(), !allLines);
    QCOMPARE(t.EGrid.Cells(ColX, 3).isEmpty(), !allLines);
    if (table == "E") {
        QCOMPARE(countOf(image, kYellow), 0); // no element drawn
        QVERIFY(countOf(image, clLineStroke) > 0);
    } else if (table == "H") {
        QCOMPARE(colorAt(image, 45, fillRow), kYellow); // R1 drawn, R3 and the points not
        QCOMPARE(colorAt(image, 245, fillRow), clWhite);
        QCOMPARE(countOf(image, clPointFill), 0);
    } else {
        QCOMPARE(colorAt(image, 245, fillRow), kYellow);
        QCOMPARE(colorAt(image, 50, 150), clPointFill);
        QCOMPARE(colorAt(image, 150, 150), clWhite);
        QCOMPARE(colorAt(image, 250, 150), clWhite);
    }
}

void TestSceneRedraw::badCellOfAnEarlierDuplicateStopsTheLines()
{
    // The lookup reads every row of the name, so a bad cell of an earlier duplicate stops the
    // redraw at the first line to that name although the last row of the name is fine.
    ElementTables t;
    addRect(t, "R1", 50, 50, "old");
    addRect(t, "R1", 60, 60, "new");
    addPoint(t, "P1", 150, 50, "p");
    addLine(t, "P1-P1");
    addLine(t, "P1-R1");
    t.HGrid.setCell(ColY, 1, QStringLiteral("x"));
    QImage image = blankImage(200, 100);
    Canvas canvas(&image);
    QVERIFY_THROWS_EXCEPTION(ConvertError, UpdateImageModel(t, canvas, TextList(), midpointsInto(t)));
    QCOMPARE(t.EGrid.Cells(ColX, 1), QStringLiteral("150"));
    QCOMPARE(t.EGrid.Cells(ColX, 2), QString());
}

void TestSceneRedraw::multiSelectionMarksOnTheSheet()
{
    ElementTables t;
    addRect(t, "R1", 60, 60, "rect");
    addPoint(t, "P1", 200, 60, "pt");
    addLine(t, "R1-P1");
    const auto render = [&](const QStringList &names) {
        TextList list;
        for (const QString &n : names)
            list.add(n);
        QImage image = blankImage(300, 200);
        Canvas canvas(&image);
        UpdateImageModel(t, canvas, list);
        return image;
    };
    const QImage plain = render({});
    QCOMPARE(render({"R1"}), plain); // a single name is no multi-selection
    const QImage marked = render({"r1", "p1", "r1-p1"});
    const QImage partly = render({"R1", "P7"});
    // Marks are white dots on black outlines and white gaps in the line.
    const std::vector<QPoint> diff = differences(plain, marked);
    QVERIFY(!diff.empty());
    bool lineDotted = false, pointMarked = false;
    for (const QPoint &p : diff) {
        const TColor c = colorAt(marked, p.x(), p.y());
        QVERIFY(c == clWhite || c == clArrowFill); // the arrow head's gaps show its fill
        lineDotted |= p.y() == 60 && p.x() > 90 && p.x() < 120;
        pointMarked |= p.x() >= 194 && p.x() < 206 && p.y() >= 54 && p.y() < 66;
    }
    QVERIFY(lineDotted);
    QVERIFY(pointMarked);
    for (const QPoint &p : differences(plain, partly))
        QVERIFY(p.x() < 110); // only the rectangle
    QVERIFY(!differences(plain, partly).empty());
}

void TestSceneRedraw::fastPathMatchesPlainScans_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("elements");
    QTest::addColumn<int>("badCell");  // -1 none; else table parity and column
    QTest::addColumn<int>("bandRows"); // 0: UpdateImageModel itself
    const int bands[] = {0, 2, 14, 50, 7};
    for (quint32 seed = 1; seed <= 16; ++seed)
        QTest::addRow("seed %u", seed)
            << seed << int(20 + seed * 7) << (seed > 8 ? int(seed % 6) : -1) << bands[seed % 5];
}

void TestSceneRedraw::fastPathMatchesPlainScans()
{
    QFETCH(quint32, seed);
    QFETCH(int, elements);
    QFETCH(int, badCell);
    QFETCH(int, bandRows);
    const std::optional<int> bad = badCell < 0 ? std::nullopt : std::optional<int>(badCell);
    Scheme fast = makeScheme(seed, elements, bad);
    Scheme plain = makeScheme(seed, elements, bad);
    QImage fastImage = blankImage(400, 300, 0x00FF00FF);
    QImage plainImage = fastImage.copy();
    Canvas fastCanvas(&fastImage), plainCanvas(&plainImage);
    fastCanvas.setFontSize(12);
    plainCanvas.setFontSize(12);
    const QString fastError = runRedraw(bandRows, fast, fastCanvas);
    const QString plainError = runRedraw(-1, plain, plainCanvas);
    QCOMPARE(fastError, plainError);
    // The canvas is left as drawing everything in one pass leaves it.
    QCOMPARE(fastCanvas.pen().color, plainCanvas.pen().color);
    QVERIFY(fastCanvas.pen().style == plainCanvas.pen().style);
    QCOMPARE(fastCanvas.brush().color, plainCanvas.brush().color);
    QVERIFY(fastCanvas.brush().style == plainCanvas.brush().style);
    QCOMPARE(fastCanvas.font().name, plainCanvas.font().name);
    QCOMPARE(fastCanvas.font().color, plainCanvas.font().color);
    QCOMPARE(fastCanvas.font().pixelSize, 12);
    if (bad && fastError.isEmpty())
        qInfo("the bad cell was not reached");
    for (int r = 0; r < plain.tables.EGrid.RowCount(); ++r)
        for (int c = 0; c < plain.tables.EGrid.ColCount(); ++c)
            QCOMPARE(fast.tables.EGrid.Cells(c, r), plain.tables.EGrid.Cells(c, r));
    if (fastImage != plainImage) {
        dumpImage(fastImage, QStringLiteral("fast-%1").arg(seed));
        dumpImage(plainImage, QStringLiteral("plain-%1").arg(seed));
        QFAIL("the images differ");
    }
    if (fastError.isEmpty())
        QVERIFY(countOf(fastImage, clLineStroke) > 0);
}

void TestSceneRedraw::extremeCoordinatesMatchPlainScans()
{
    const int maxInt = std::numeric_limits<int>::max(), minInt = std::numeric_limits<int>::min();
    for (int bandRows : {0, 4}) {
        Scheme fast, plain;
        for (Scheme *s : {&fast, &plain}) {
            addRect(s->tables, "R1", maxInt, maxInt, "far");
            addRect(s->tables, "R2", minInt, minInt, "far");
            addPoint(s->tables, "P1", maxInt, minInt, "corner");
            addPoint(s->tables, "P2", 10, maxInt, "below");
            addLine(s->tables, "R1-R2", "through");
            addLine(s->tables, "P1-P2", "edge");
            addLine(s->tables, "R2-P2");
            s->selection.add("R1-R2");
            s->selection.add("P1");
        }
        QImage fastImage = blankImage(120, 90), plainImage = blankImage(120, 90);
        Canvas fastCanvas(&fastImage), plainCanvas(&plainImage);
        QCOMPARE(runRedraw(bandRows, fast, fastCanvas), QString());
        QCOMPARE(runRedraw(-1, plain, plainCanvas), QString());
        QCOMPARE(fastImage, plainImage);
        QCOMPARE(fast.tables.EGrid.Cells(ColX, 1), QStringLiteral("0")); // -1 / 2 toward zero
        QCOMPARE(fast.tables.EGrid.Cells(ColX, 3), QStringLiteral("-1073741819"));
        QCOMPARE(fast.tables.EGrid.Cells(ColY, 2), QStringLiteral("0"));
        QVERIFY(countOf(fastImage, clLineStroke) > 0); // R1-R2 crosses the sheet
    }
}

void TestSceneRedraw::threadsMatchOneThread_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("threads");
    QTest::addColumn<int>("bandRows");
    QTest::addColumn<bool>("shaped"); // a caption that QPainter shapes
    for (quint32 seed = 1; seed <= 12; ++seed)
        QTest::addRow("seed %u", seed)
            << seed << int(2 + seed % 3 * 3) << int(2 + seed % 4 * 12) << (seed % 6 == 0);
}

void TestSceneRedraw::threadsMatchOneThread()
{
    QFETCH(quint32, seed);
    QFETCH(int, threads);
    QFETCH(int, bandRows);
    QFETCH(bool, shaped);
    const std::optional<int> bad = seed % 4 == 3 ? std::optional<int>(int(seed % 6)) : std::nullopt;
    const int elements = seed % 3 == 0 ? 1500 + int(seed) * 50 : 60 + int(seed) * 9; // lines in chunks
    Scheme one = makeScheme(seed, elements, bad);
    Scheme many = makeScheme(seed, elements, bad);
    if (seed % 6 == 3) {
        // A line a third of the way down the table ends at an element with a bad cell.
        for (Scheme *s : {&one, &many}) {
            appendRow(s->tables.HGrid, {"RBAD", "1o", "5", "bad", ColorToString(kYellow)});
            s->tables.EGrid.setCell(ColName, s->tables.EGrid.RowCount() / 3, "RBAD-RBAD");
        }
    }
    if (shaped) {
        for (Scheme *s : {&one, &many})
            addRect(s->tables, "RS", 200, 20 + int(seed) * 20, QStringLiteral("e\u0301\u0645\u0631"));
    }
    QImage oneImage = blankImage(400, 300, 0x00FF00FF);
    QImage manyImage = oneImage.copy();
    DamageLog log(&manyImage);
    log.clear();
    Canvas oneCanvas(&oneImage), manyCanvas(&manyImage);
    manyCanvas.setDamageLog(&log);
    QString oneError, manyError;
    try {
        redrawSheetInBands(one.tables, oneCanvas, one.selection, bandRows, 1, {}, BandPixels::Sheet,
                           midpointsInto(one.tables));
    } catch (const ConvertError &e) {
        oneError = e.message();
    }
    // The bands handed out while drawing, put together.
    QImage assembled = blankImage(400, 300, 0x00FF00FF);
    std::atomic<int> bandsDone{0};
    const auto bandDone = [&](const QImage &rows, int top) {
        for (int y = 0; y < rows.height(); ++y)
            std::memcpy(assembled.scanLine(top + y), rows.constScanLine(y), size_t(rows.bytesPerLine()));
        bandsDone.fetch_add(1);
    };
    try {
        redrawSheetInBands(many.tables, manyCanvas, many.selection, bandRows, threads, bandDone,
                           BandPixels::Sheet, midpointsInto(many.tables));
    } catch (const ConvertError &e) {
        manyError = e.message();
    }
    if (manyError.isEmpty())
        QCOMPARE(assembled, manyImage);
    else
        QCOMPARE(bandsDone.load(), 0);
    if (manyError.isEmpty()) {
        // Bands drawn in scratch buffers put together the same picture and leave the sheet be.
        QImage untouched = blankImage(400, 300, 0x00FF00FF);
        Canvas untouchedCanvas(&untouched);
        assembled.fill(0);
        redrawSheetInBands(many.tables, untouchedCanvas, many.selection, bandRows, threads, bandDone,
                           BandPixels::Scratch);
        QCOMPARE(assembled, manyImage);
        QCOMPARE(untouched, blankImage(400, 300, 0x00FF00FF));
        QCOMPARE(untouchedCanvas.penPos(), manyCanvas.penPos());
    }
    QCOMPARE(manyError, oneError);
    QCOMPARE(manyCanvas.pen().color, oneCanvas.pen().color);
    QVERIFY(manyCanvas.pen().style == oneCanvas.pen().style);
    QCOMPARE(manyCanvas.brush().color, oneCanvas.brush().color);
    QVERIFY(manyCanvas.brush().style == oneCanvas.brush().style);
    QCOMPARE(manyCanvas.font().name, oneCanvas.font().name);
    QCOMPARE(manyCanvas.font().color, oneCanvas.font().color);
    QCOMPARE(manyCanvas.penPos(), oneCanvas.penPos());
    QVERIFY(log.all());
    for (int r = 0; r < one.tables.EGrid.RowCount(); ++r)
        for (int c = 0; c < one.tables.EGrid.ColCount(); ++c)
            QCOMPARE(many.tables.EGrid.Cells(c, r), one.tables.EGrid.Cells(c, r));
    if (manyImage != oneImage) {
        dumpImage(manyImage, QStringLiteral("threads-%1").arg(seed));
        dumpImage(oneImage, QStringLiteral("one-thread-%1").arg(seed));
        QFAIL("the images differ");
    }
}

void TestSceneRedraw::keepsTheSheetBuffer()
{
    Scheme s = makeScheme(99, 30, std::nullopt);
    QImage image = blankImage(400, 300);
    const uchar *bits = image.constBits();
    Canvas canvas(&image);
    UpdateImageModel(s.tables, canvas, s.selection);
    UpdateImageModel(s.tables, canvas, s.selection);
    QCOMPARE(image.constBits(), bits);
}

void TestSceneRedraw::sampleSheetUsesOnlyDrawingColours()
{
    ElementTables t;
    addRect(t, "R1", 120, 90, "Start here", 0x0099FFFF);
    addRect(t, "R2", 420, 110, "Collect data", 0x00FFCC99);
    addRect(t, "R3", 300, 300, "Review", 0x00CCCCFF);
    addRect(t, "R4", 600, 320, "Publish", 0x0099CCFF);
    addPoint(t, "P1", 250, 190, "fork", 0x00CCFFCC);
    addPoint(t, "P2", 520, 230, "", 0x00FFCCFF);
    addPoint(t, "P3", 150, 380, "note", 0x00FFFFCC);
    addLine(t, "R1-P1", "next");
    addLine(t, "P1-R2", "then");
    addLine(t, "R2-P2");
    addLine(t, "P2-R4", "ok");
    addLine(t, "P1-R3", "check");
    addLine(t, "R3-P3");
    addLine(t, "R3-R4", "done");
    TextList selection;
    selection.add("R3");
    selection.add("R3-R4");
    selection.add("r4");
    QImage sheet = blankImage(842, 595);
    Canvas canvas(&sheet);
    UpdateImageModel(t, canvas, selection);
    OverlayState st;
    st.selectedKind = ElementKind::Rectangle;
    st.selX = 420;
    st.selY = 110;
    st.selCaption = "Collect data";
    st.currentColor = 0x00FFCC99;
    const QImage overlay = paintOverlay(sheet, st);
    dumpImage(sheet, "render-sample");
    dumpImage(overlay, "render-sample-overlay");

    // Drawing is exact: every pixel has one of the colours drawn, nothing blended.
    const QSet<TColor> palette{clWhite,     clBlack,    kGrey,       clLineStroke, clArrowOutline,
                               clArrowFill, clLineText, clPointFill, 0x0099FFFF,   0x00FFCC99,
                               0x00CCCCFF,  0x0099CCFF, 0x00CCFFCC,  0x00FFFFCC};
    QSet<TColor> seen;
    for (const QImage *image : {&std::as_const(sheet), &overlay})
        for (int y = 0; y < image->height(); ++y)
            for (int x = 0; x < image->width(); ++x)
                seen.insert(colorAt(*image, x, y));
    QCOMPARE(seen - palette, QSet<TColor>());
    QCOMPARE(seen, palette); // P2 has no caption, so its colour shows nowhere
}

void TestSceneRedraw::gridDots()
{
    const QImage sheet = blankImage(842, 595);
    OverlayState st;
    const QImage overlay = paintOverlay(sheet, st);
    QCOMPARE(countOf(overlay, kGrey), 2240);
    QCOMPARE(boundsOf(overlay, kGrey), QRect(QPoint(15, 0), QPoint(840, 585)));
    QCOMPARE(colorAt(overlay, 0, 0), clWhite);
    QCOMPARE(colorAt(overlay, 15, 0), kGrey);
    QCOMPARE(colorAt(overlay, 30, 15), kGrey);
    QCOMPARE(colorAt(overlay, 31, 15), clWhite);
    st.gridVisible = false;
    QCOMPARE(paintOverlay(sheet, st), sheet);
}

void TestSceneRedraw::lockedOverlayDrawsNothing()
{
    const QImage sheet = blankImage(300, 200, 0x00ABCDEF);
    OverlayState st;
    st.locked = true;
    st.selectedKind = ElementKind::Rectangle;
    st.selX = 100;
    st.selY = 100;
    st.selCaption = "R1";
    QCOMPARE(paintOverlay(sheet, st), sheet);
    st.selectedKind = ElementKind::Line;
    st.selX2 = 200;
    st.selY2 = 150;
    QCOMPARE(paintOverlay(sheet, st), sheet);
}

void TestSceneRedraw::overlaySelection_data()
{
    QTest::addColumn<int>("kindIndex");
    QTest::newRow("rectangle") << int(ElementKind::Rectangle);
    QTest::newRow("point") << int(ElementKind::Point);
    QTest::newRow("none") << int(ElementKind::None);
    QTest::newRow("unknown") << 7;
}

void TestSceneRedraw::overlaySelection()
{
    QFETCH(int, kindIndex);
    const auto kind = ElementKind(kindIndex);
    const QImage sheet = blankImage(300, 200);
    OverlayState st = noSelection();
    st.selectedKind = kind;
    st.selX = 100;
    st.selY = 80;
    st.selCaption = "Selected";
    st.currentColor = 0x00FFCCFF;
    const QImage overlay = paintOverlay(sheet, st);
    if (kind != ElementKind::Rectangle && kind != ElementKind::Point) {
        QCOMPARE(overlay, sheet);
        return;
    }
    // The element in the current colour with its outline dotted white over black.
    QImage expected = sheet.copy();
    Canvas canvas(&expected);
    DrawToolElement(100, 80, "Selected", canvas, 0x00FFCCFF, clBlack, true, false, kind);
    QCOMPARE(overlay, expected);
    QVERIFY(countOf(overlay, 0x00FFCCFF) > 0);
    QVERIFY(countOf(overlay, clBlack) > 0);
}

void TestSceneRedraw::selectedLineIsDottedWithoutEndPoint()
{
    const QImage sheet = blankImage(300, 200, 0x00C0C0C0);
    OverlayState st = noSelection();
    st.selectedKind = ElementKind::Line;
    st.selX = 20;
    st.selY = 50;
    st.selX2 = 220;
    st.selY2 = 50;
    const QImage overlay = paintOverlay(sheet, st);
    const QRect along(20, 50, 200, 1);
    const int black = int(pixelsOf(overlay, clBlack, along).size());
    const int white = int(pixelsOf(overlay, clWhite, along).size());
    QVERIFY(black > 0 && white > 0);
    QCOMPARE(black + white, 200);
    QCOMPARE(colorAt(overlay, 220, 50), TColor(0x00C0C0C0));
    QCOMPARE(int(differences(sheet, overlay).size()), 200);
}

QTEST_MAIN(TestSceneRedraw)
#include "tst_sceneredraw.moc"
