#pragma once

#include "model/ElementTables.h"
#include "model/SchemeChange.h"
#include "render/ConnectorLines.h"
#include "render/ItemExtents.h"
#include "render/LineParts.h"
#include "render/SpatialIndex.h"
#include "render/StrokeMask.h"
#include "toolkit/Canvas.h"
#include "toolkit/TextHash.h"
#include "toolkit/TextList.h"

#include <QSet>
#include <QStringList>

#include <cstdint>
#include <future>
#include <optional>
#include <unordered_map>
#include <vector>

class TextFace;

// The sheet picture kept up to date by redrawing only what changed. It mirrors every row of
// the three tables as drawn last, with each item's extent in a tile grid, and follows the
// changes made to the tables since. A redraw then repaints the old and new extents of every
// changed item: each box is cleared and everything meeting it is drawn again, clipped to it, in
// the order and with the pixels of the full redraw. A changed line's stroke is repainted pixel
// by pixel: its pixels are cleared and each item that may paint one of them is drawn again in
// a small window there, keeping only those pixels. The tile grid finds what meets a box or stroke.
class IncrementalScene {
public:
    enum class Outcome {
        Drawn,      // the sheet is up to date
        FullRedraw, // too much changed: the caller redraws everything; the mirror stays valid
        Rebuild,    // the caller redraws everything and then calls rebuild()
    };
    struct Midpoint {
        int row;
        LineEnds ends;
    };

    IncrementalScene() = default;
    IncrementalScene(const IncrementalScene &) = delete;
    IncrementalScene &operator=(const IncrementalScene &) = delete;
    ~IncrementalScene();

    bool valid() const { return !building() && m_valid; }
    // Forgets the mirror: the next redraw is a full one.
    void invalidate();
    // Mirrors the tables just drawn in full on the canvas, with that multi-selection marked.
    void rebuild(const ElementTables &tables, const Canvas &canvas, const TextList &multiSelection);
    // The same on another thread. Until settle() has returned, the tables must not change and
    // only building() and topRectangleAt() may be called; every other call settles first.
    // The texts must have been measured on the canvas's face (as the full redraw does); when
    // one needs shaping, the mirror is dropped and the next rebuild is done on the caller's thread.
    void rebuildInBackground(const ElementTables &tables, const Canvas &canvas,
                             const TextList &multiSelection);
    bool building() const { return m_building.valid(); }
    // Waits for a rebuild on another thread to end.
    void settle();

    // A change just made to the tables, made again (forward) or taken back.
    void noteChange(const SchemeChange &change, bool forward = true);
    // Something was drawn on the sheet for that row outside a redraw: the row is drawn again.
    void touchRow(TableId table, int row);

    // Brings the sheet up to date with the changes noted since the last redraw. When it draws,
    // the lines whose midpoints may have changed are listed with their ends; the caller stores
    // them as the full redraw does.
    Outcome redraw(Canvas &canvas, const TextList &multiSelection, std::vector<Midpoint> &midpoints);

    // The last in-use row of the rectangles whose caption box around its centre (edges
    // included) holds (x, y), or -1; captions measured at that pixel size. Nothing when the
    // mirror is not up to date with the table (or is being built).
    std::optional<int> topRectangleAt(Coord x, Coord y, const StringGrid &rectangles, int pixelSize) const;

    // The rows of the lines whose name has `name` before or after its first '-', ascending;
    // nothing when the mirror cannot tell (not built, or changes wait for a redraw).
    std::optional<std::vector<int>> lineRowsAttachedTo(const QString &name) const;

    // Pixels the last redraw repainted.
    qint64 lastRedrawPixels() const { return m_lastPixels; }

private:
    using Id = std::uint32_t;
    struct Item {
        ElementKind kind = ElementKind::None;
        bool header = false; // row 0 of its table: never drawn
        bool drawn = false;  // registered in the grid and the name indexes
        bool bad = false;    // a named element with a cell that does not convert
        bool dirty = false;
        bool midpoint = false; // a line whose stored midpoint is to be written
        bool marked = false;
        bool shaped = false; // its text is drawn by QPainter
        qint64 order = 0;
        QStringList cells;
        // What was drawn, and is to be drawn in a repainted area.
        QString name;
        Coord x = 0, y = 0;
        TColor colour = 0;
        LineEnds ends;
        ArrowHead head;
        Coord textW = 0, textH = 0;
        Coord reach = 0;   // of the caption's or text's glyphs beyond their cell
        PixelBox box;      // an element's extent; a line's arrow head and text
        StrokeSpan stroke; // a line's
        std::vector<int> cover;
    };

    Id newItem(TableId table, const QStringList &cells);
    void freeItem(Id id);
    // The row of a drawn item in its table (rows are in drawing order), or -1.
    int rowOf(TableId table, Id id) const;
    void insertRow(TableId table, int row, const QStringList &cells);
    void removeRow(TableId table, int row);
    void markDirty(Id id);
    void undraw(Id id);
    // Adds the names of elements that appeared, went or moved to movedNames, when given.
    void updateElement(Id id, QSet<QString> *movedNames);
    void updateLine(Id id);
    void computeCover(Item &item) const;
    LineEnds lineEnds(const QString &lineName) const;
    QPoint centre(const QString &name) const;
    void setText(Item &item, const QString &text);
    // The item's extent to repaint: as it was drawn (removed) or as it is to be drawn.
    void damage(const Item &item, bool removed);
    void addDamage(const PixelBox &box);
    void addStrokeDamage(Id line, const LineEnds &e, bool removed, bool marked);
    void dropDamage(); // past the limit: the next redraw is a full one
    std::vector<PixelBox> mergedDamage();
    void drawArea(const Canvas &canvas, uchar *bits, const QImage &image, const PixelBox &area) const;
    // Parts of an item to draw in an area (none when it does not meet it).
    enum Part : std::uint8_t { Body = 1, Stroke = 2, HeadAndText = 4 };
    std::uint8_t partsMeeting(const Item &item, const PixelBox &area) const;
    void drawItem(Canvas &area, const Item &item, std::uint8_t parts, const PixelBox &box) const;
    void replayLastDrawing(Canvas &canvas) const;

    // Position in the full redraw's order.
    static qint64 drawKey(const Item &item);
    // An item drawn again on the stroke mask: some of its parts within a window.
    struct MaskedDraw {
        qint64 key; // drawing order
        Id id;
        std::uint8_t parts;
        std::uint32_t firstStroke, endStroke; // whose pixels in the window are repainted
        PixelBox window;
    };
    // Everything that may paint a pixel of the mask within the rows (which start at an even row).
    void collectMaskedDraws(const PixelBox &rows, std::vector<MaskedDraw> &out) const;
    // Repaints the mask's pixels within the rows.
    void drawMasked(const Canvas &canvas, QImage &image, const PixelBox &rows) const;
    // Paints the line's stroke on the mask's pixels within the window.
    void paintStroke(std::uint32_t *sheet, qsizetype stride, const LineEnds &e, bool marked,
                     const PixelBox &window) const;
    bool selected(const QString &name) const;

    // What rebuild() reads of the canvas.
    struct SheetFacts {
        int width = 0, height = 0, fontSize = 0;
    };
    void build(const ElementTables &tables, SheetFacts sheet, const TextList &multiSelection);
    // Forgets the mirror (invalidate() without settling first).
    void clear();

    bool m_valid = false;
    std::future<void> m_building;
    bool m_offThread = false;    // the mirror is being built on another thread
    bool m_needsShaping = false; // ... and met text that needs shaping there
    bool m_buildHere = false;    // the next rebuild stays on the caller's thread
    int m_fontSize = 0;
    TextFace *m_face = nullptr;
    // Elements in small tiles; lines, whose covers are long, in larger ones.
    TileGrid m_grid;
    TileGrid m_lineGrid;
    TileGrid &gridOf(const Item &item) { return item.kind == ElementKind::Line ? m_lineGrid : m_grid; }
    const TileGrid &gridOf(const Item &item) const
    {
        return item.kind == ElementKind::Line ? m_lineGrid : m_grid;
    }
    std::vector<Item> m_items;
    // What finding the items along a stroke reads of each drawn item, by id: a line's ends and
    // the box of its head and text; an element's box and the part of it that it paints whole;
    // the draw key. Boxes are clamped to 32 bits, which keeps how they meet the sheet.
    struct Box32 {
        std::int32_t l = 0, t = 0, r = 0, b = 0;
        Box32() = default;
        explicit Box32(const PixelBox &box);
        PixelBox box() const { return {l, t, r, b}; }
    };
    struct Shape {
        Box32 box;
        Box32 extra; // a line's ends as (x1, y1, x2, y2); an element's whole-painted part
        qint64 key = 0;
        LineEnds ends() const { return {extra.l, extra.t, extra.r, extra.b}; }
    };
    std::vector<Shape> m_shapes;
    std::vector<Id> m_free;
    std::vector<Id> m_rows[3]; // every row of each table, header and trailing row included
    std::vector<Id> m_dirty;
    std::vector<Id> m_midpointIds; // lines whose midpoint flag was set (some may since be gone)
    // Drawn elements by name, per table; drawn lines by the names of their ends.
    using NameIndex = std::unordered_map<QString, std::vector<Id>, TextHash>;
    static const std::vector<Id> &idsOf(const NameIndex &index, const QString &name);
    NameIndex m_named[2];
    NameIndex m_lineEnds;
    // Drawn items by case-folded name, for changes of the marked look.
    NameIndex m_folded;
    QStringList m_selectionList;
    QSet<QString> m_selection;
    QSet<QString> m_removedNames; // elements removed since the last redraw
    // Boxes to repaint, within the sheet, and their total area; past the limit the next redraw
    // is a full one.
    std::vector<PixelBox> m_damage;
    // Changed strokes, with the boxes along each (in m_strokeBoxes), which bound its pixels.
    struct StrokeDamage {
        Id line; // consecutive strokes of one line (its old and new ones) are handled together
        LineEnds ends;
        size_t firstBox = 0, endBox = 0;
        bool removed = false; // a stroke drawn on the sheet now, dotted when marked
        bool marked = false;
    };
    std::vector<StrokeDamage> m_strokes;
    std::vector<PixelBox> m_strokeBoxes;
    StrokeMask m_mask;
    qint64 m_damageArea = 0;
    bool m_damageOverflow = false;
    bool m_recordDamage = true;
    qint64 m_lastPixels = 0;
    int m_badCount = 0;
    int m_shapedCount = 0; // drawn items whose text is shaped
};
