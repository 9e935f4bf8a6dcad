// Redrawing only what a change touched leaves the sheet and the tables as a full redraw does.
#include "support/TableEdits.h"
#include "editor/Document.h"
#include "model/SchemeFile.h"
#include "model/TableOps.h"
#include "render/SceneRedraw.h"
#include "toolkit/CaptionFont.h"
#include "toolkit/Errors.h"
#include "toolkit/TextFace.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTest>

namespace {

constexpr int kWidth = 900, kHeight = 700;
const QStringList kColours{"clYellow", "clAqua", "clLime", "clWhite", "$00C0C0FF"};

// With `shaped`, some texts hold U+0301, which combines with the character before it: Qt
// shapes such text.
QString randomText(QRandomGenerator &rng, bool shaped)
{
    const QString kChars =
        QStringLiteral("AbcdefgWXYZ 0123456789ЖжQqj_|") + (shaped ? QStringLiteral("\u0301") : QString());
    QString text;
    for (int i = rng.bounded(0, 25); i > 0; --i)
        text += kChars.at(rng.bounded(int(kChars.size())));
    return text;
}

// A place near the sheet, sometimes beyond its edges.
QPoint randomPlace(QRandomGenerator &rng)
{
    return {rng.bounded(-60, kWidth + 60), rng.bounded(-60, kHeight + 60)};
}

class Scheme {
public:
    Scheme(Document &doc, QRandomGenerator &rng, bool shaped) : m_doc(doc), m_rng(rng), m_shaped(shaped) {}

    const StringGrid &anyElementTable() { return m_rng.bounded(2) ? m_doc.rectangles() : m_doc.points(); }
    // A random data row of the table, or -1.
    int anyRow(const StringGrid &t) { return t.RowCount() > 2 ? 1 + m_rng.bounded(t.RowCount() - 2) : -1; }
    QString anyName()
    {
        const StringGrid &t = anyElementTable();
        const int r = anyRow(t);
        return r < 0 || m_rng.bounded(20) == 0 ? QStringLiteral("Nowhere") : t.Cells(ColName, r);
    }

    void addElement()
    {
        const bool rect = m_rng.bounded(2);
        const QPoint p = randomPlace(m_rng);
        const QString name = (rect ? "R" : "P") + QString::number(++m_count);
        m_doc.appendRow(rect ? m_doc.rectangles() : m_doc.points(),
                        {name, QString::number(p.x()), QString::number(p.y()), randomText(m_rng, m_shaped),
                         kColours.at(m_rng.bounded(int(kColours.size())))});
    }
    void addLine()
    {
        const int row = m_doc.appendRow(m_doc.lines(),
                                        {anyName() + '-' + anyName(), "0", "0", randomText(m_rng, m_shaped)});
        if (m_rng.bounded(2))
            m_doc.drawLine(m_doc.lines().Cells(ColName, row), m_doc.lines().Cells(ColCaption, row), row,
                           false);
    }

    // One random command; returns false when it left a cell that does not convert.
    bool command(TextList &multi)
    {
        const StringGrid &t = anyElementTable();
        const int r = anyRow(t);
        switch (m_rng.bounded(r < 0 ? 2 : 9)) {
        case 0:
            addElement();
            break;
        case 1:
            addLine();
            break;
        case 2: // a small move near other elements, or a jump
        case 3: {
            const int step = m_rng.bounded(4) ? 6 : 400;
            const int x = t.Cells(ColX, r).toInt() + m_rng.bounded(-step, step + 1);
            const int y = t.Cells(ColY, r).toInt() + m_rng.bounded(-step, step + 1);
            m_doc.setCell(t, ColX, r, QString::number(x));
            m_doc.setCell(t, ColY, r, QString::number(y));
            break;
        }
        case 4: // captions growing and shrinking, of elements and lines
            if (m_rng.bounded(3) == 0 && anyRow(m_doc.lines()) > 0)
                m_doc.setCell(m_doc.lines(), ColCaption, anyRow(m_doc.lines()), randomText(m_rng, m_shaped));
            else
                m_doc.setCell(t, ColCaption, r, randomText(m_rng, m_shaped));
            break;
        case 5:
            m_doc.setCell(t, ColColor, r, kColours.at(m_rng.bounded(int(kColours.size()))));
            break;
        case 6: { // the element's lines go with it, found as the tables alone find them
            ElementTables expected = m_doc.tables();
            bool modified = false;
            deleteElementRows(expected, r, expected.table(m_doc.tables().idOf(t)), modified);
            m_doc.deleteElement(r, t);
            m_linesAsExpected = m_linesAsExpected && sameCells(expected, m_doc.tables());
            break;
        }
        case 7: { // a new multi-selection, names of any case, or none
            multi.clear();
            for (int i = m_rng.bounded(4) ? m_rng.bounded(0, 6) : 0; i > 0; --i)
                multi.add(m_rng.bounded(2) ? anyName() : anyName().toLower());
            if (m_rng.bounded(3) == 0 && anyRow(m_doc.lines()) > 0)
                multi.add(m_doc.lines().Cells(ColName, anyRow(m_doc.lines())));
            break;
        }
        case 8: // renames (duplicates and lost line ends), rarely a cell that does not convert
            if (m_rng.bounded(8) == 0) {
                m_doc.setCell(t, ColY, r, QStringLiteral("12a"));
                return false;
            }
            m_doc.setCell(t, ColName, r, m_rng.bounded(2) ? anyName() : QStringLiteral("R%1").arg(++m_count));
            break;
        }
        return true;
    }

    bool linesAsExpected() const { return m_linesAsExpected; }

private:
    Document &m_doc;
    QRandomGenerator &m_rng;
    bool m_shaped;
    int m_count = 0;
    bool m_linesAsExpected = true;
};

// Stores the midpoints of the lines a redraw tells, as the document does.
LineEndsFound midpointsInto(ElementTables &t)
{
    return [&t](int row, const LineEnds &ends) { setLineMidpoint(t.EGrid, row, lineMidpoint(ends)); };
}

// Whether the document's sheet is what a full redraw of its tables draws.
bool drawnAsInFull(const Document &doc, const TextList &multi)
{
    ElementTables full = doc.tables();
    SheetBitmap sheet;
    sheet.CreateBitmap(doc.sheet().image().width(), doc.sheet().image().height());
    UpdateImageModel(full, sheet.canvas(), multi);
    return doc.sheet().image() == sheet.image();
}

} // namespace

class TestIncrementalRedraw : public QObject {
    Q_OBJECT
private slots:
    void matchesFullRedraw_data();
    void matchesFullRedraw();
    void strokeAcrossAWideCaption();
    void drawOrderAfterManyUndosAtOneRow();
    void deleteFindsLinesByTheirNamesNow_data();
    void deleteFindsLinesByTheirNamesNow();
};

void TestIncrementalRedraw::matchesFullRedraw_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<bool>("shaped");
    for (quint32 seed : {1u, 2u, 3u, 4u})
        QTest::addRow("seed %u", seed) << seed << false;
    QTest::addRow("seed 5, shaped texts") << 5u << true;
}

void TestIncrementalRedraw::matchesFullRedraw()
{
    QFETCH(quint32, seed);
    QFETCH(bool, shaped);
    QRandomGenerator rng(seed);
    Document doc;
    doc.createSheet(kWidth, kHeight);
    TextFace &face = TextFace::get(captionFontName(), kCaptionPixelSize);
    Scheme scheme(doc, rng, shaped);
    for (int i = 0; i < 150; ++i)
        scheme.addElement();
    for (int i = 0; i < 120; ++i)
        scheme.addLine();
    TextList multi;
    doc.redraw(multi);
    std::vector<ChangeList> steps;
    int incremental = 0;
    int hitTests = 0;
    for (int step = 0; step < 300; ++step) {
        bool converts = true;
        if (rng.bounded(8) == 0 && !steps.empty()) {
            doc.applyChanges(steps.back(), false); // undo
            steps.pop_back();
        } else {
            converts = scheme.command(multi);
        }
        const ElementTables before = doc.tables();
        doc.sheet().damage().clear();
        if (!converts) {
            QVERIFY_THROWS_EXCEPTION(ConvertError, doc.redraw(multi));
            doc.applyChanges(doc.takeChanges(), false);
            continue;
        }
        doc.redraw(multi);
        incremental += !doc.sheet().damage().all();
        steps.push_back(doc.takeChanges());

        ElementTables full = before;
        SheetBitmap sheet;
        sheet.CreateBitmap(kWidth, kHeight);
        UpdateImageModel(full, sheet.canvas(), multi, midpointsInto(full));
        if (doc.sheet().image() != sheet.image()) {
            const QString stem = QDir::temp().filePath(QStringLiteral("incremental-%1-").arg(seed));
            sheet.image().save(stem + QStringLiteral("expected.png"));
            doc.sheet().image().save(stem + QStringLiteral("actual.png"));
            QFAIL(
                qPrintable(QStringLiteral("pictures differ after step %1; see %2*.png").arg(step).arg(stem)));
        }
        for (TableId id : {TableId::Rectangles, TableId::Points, TableId::Lines}) {
            const StringGrid &a = doc.tables().table(id), &b = full.table(id);
            QCOMPARE(a.RowCount(), b.RowCount());
            for (int r = 0; r < a.RowCount(); ++r)
                QCOMPARE(a.rowCells(r), b.rowCells(r));
        }
        const Canvas &c = doc.sheet().canvas(), &f = sheet.canvas();
        QCOMPARE(c.pen().color, f.pen().color);
        QVERIFY(c.pen().style == f.pen().style && c.brush().style == f.brush().style);
        QCOMPARE(c.brush().color, f.brush().color);
        QCOMPARE(c.font().color, f.font().color);
        QVERIFY(c.penPos() == f.penPos());

        // The hit test on what is drawn finds the row that reading the table finds.
        const StringGrid &rects = doc.rectangles();
        const int r = scheme.anyRow(rects);
        const int x = r < 0 ? 0 : rects.Cells(ColX, r).toInt() + rng.bounded(-30, 31);
        const int y = r < 0 ? 0 : rects.Cells(ColY, r).toInt() + rng.bounded(-12, 13);
        int expected = -1;
        for (int row = rects.RowCount() - 1; row >= 1 && expected < 0; --row) {
            const QString caption = rects.Cells(ColCaption, row);
            const int half = caption.isEmpty() ? 0 : int(face.measure(caption).width / 2);
            const int h = caption.isEmpty() ? 0 : face.height();
            const int cx = rects.Cells(ColX, row).toInt(), cy = rects.Cells(ColY, row).toInt();
            if (rowInUse(rects, row) && cx - half - 8 <= x && x <= cx + half + 8 && cy - h <= y &&
                y <= cy + h)
                expected = row;
        }
        // Nothing while the mirror is still being built after a full redraw.
        if (const std::optional<int> found = doc.drawnRectangleAt(x, y, kCaptionPixelSize)) {
            QCOMPARE(*found, expected);
            ++hitTests;
        }
    }
    QVERIFY(scheme.linesAsExpected());
    // Most commands touch a small part of the sheet.
    QVERIFY2(incremental > 150, qPrintable(QString::number(incremental)));
    QVERIFY2(hitTests > 150, qPrintable(QString::number(hitTests)));
}

// A stroke taken away across a caption wider than the scratch picture the element is drawn on
// again in pieces.
void TestIncrementalRedraw::strokeAcrossAWideCaption()
{
    Document doc;
    doc.createSheet(2600, 200);
    doc.appendRow(doc.rectangles(), {"Wide", "1301", "101", QString(300, QLatin1Char('W')), "clYellow"});
    doc.appendRow(doc.rectangles(), {"Top", "1301", "70", "Over it", "clAqua"});
    doc.appendRow(doc.points(), {"A", "40", "95", "a", "clLime"});
    doc.appendRow(doc.points(), {"B", "2561", "125", "b", "clLime"});
    const int line = doc.appendRow(doc.lines(), {"A-B", "0", "0", "ab"});
    doc.appendRow(doc.lines(), {"B-A", "0", "0", QString()});
    TextList multi;
    multi.add(QStringLiteral("Wide"));
    multi.add(QStringLiteral("A-B"));
    doc.redraw(multi);
    doc.takeChanges();
    doc.removeRow(doc.lines(), line);
    doc.sheet().damage().clear();
    doc.redraw(multi);
    QVERIFY(!doc.sheet().damage().all());
    QVERIFY(drawnAsInFull(doc, multi));
}

// Rows put back again and again at one place exhaust the gaps between draw orders, which are
// then numbered afresh: overlapping elements must still be drawn in row order.
void TestIncrementalRedraw::drawOrderAfterManyUndosAtOneRow()
{
    Document doc;
    doc.createSheet(400, 200);
    for (int i = 0; i < 40; ++i)
        doc.appendRow(doc.rectangles(), {QStringLiteral("R%1").arg(i), QString::number(100 + 3 * i), "100",
                                         QStringLiteral("Box %1").arg(i), kColours.at(i % kColours.size())});
    TextList multi;
    doc.redraw(multi);
    doc.takeChanges();
    std::vector<ChangeList> steps;
    for (int i = 0; i < 35; ++i) {
        doc.deleteElement(2, doc.rectangles());
        doc.redraw(multi);
        steps.push_back(doc.takeChanges());
    }
    for (; !steps.empty(); steps.pop_back()) {
        doc.applyChanges(steps.back(), false);
        doc.redraw(multi);
    }
    QVERIFY(drawnAsInFull(doc, multi));
}

void TestIncrementalRedraw::deleteFindsLinesByTheirNamesNow_data()
{
    QTest::addColumn<bool>("drawn");
    QTest::addColumn<bool>("renamedSince");
    QTest::newRow("drawn") << true << false;
    QTest::newRow("a line renamed since the last redraw") << true << true;
    QTest::newRow("never drawn") << false << false;
}

// The lines of a deleted element are those whose names name it when it goes, whether or not
// the picture shows them yet.
void TestIncrementalRedraw::deleteFindsLinesByTheirNamesNow()
{
    QFETCH(bool, drawn);
    QFETCH(bool, renamedSince);
    Document doc;
    doc.createSheet(300, 200);
    doc.appendRow(doc.rectangles(), {"A", "50", "50", "a", "clYellow"});
    doc.appendRow(doc.points(), {"B", "150", "120", "b", "clLime"});
    for (const char *name : {"A-B", "B-A", "A-A", "A", "-A", "B-C", "AA-B"})
        doc.appendRow(doc.lines(), {QString::fromLatin1(name), "0", "0", QString()});
    if (drawn)
        doc.redraw(TextList());
    if (renamedSince)
        doc.setCell(doc.lines(), ColName, 6, QStringLiteral("B-A"));
    doc.deleteElement(1, doc.rectangles());
    QStringList left;
    for (int r = 1; r < doc.lines().RowCount() - 1; ++r)
        left << doc.lines().Cells(ColName, r);
    QCOMPARE(left, renamedSince ? QStringList({"A", "AA-B"}) : QStringList({"A", "B-C", "AA-B"}));
}

QTEST_MAIN(TestIncrementalRedraw)
#include "tst_incremental_redraw.moc"
