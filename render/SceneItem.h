#pragma once

#include "model/ElementTables.h"
#include "render/ConnectorLines.h"
#include "render/ItemExtents.h"
#include "render/LineParts.h"
#include "toolkit/Canvas.h"

#include <QStringList>

#include <cstdint>
#include <vector>

// An item's place among the mirrored rows of the three tables.
using SceneItemId = std::uint32_t;

// A box clamped to 32 bits, which keeps how it meets the sheet.
struct Box32 {
    std::int32_t l = 0, t = 0, r = 0, b = 0;
    Box32() = default;
    explicit Box32(const PixelBox &box);
    PixelBox box() const { return {l, t, r, b}; }
};

// What finding the items along a stroke reads of a drawn item, kept apart so that the search
// reads little memory: a line's ends and the box of its head and text; an element's box and the
// part of it that it paints whole; the draw key.
struct ItemShape {
    Box32 box;
    Box32 extra; // a line's ends as (x1, y1, x2, y2); an element's whole-painted part
    qint64 key = 0;
    LineEnds ends() const { return {extra.l, extra.t, extra.r, extra.b}; }
};

// One row of a table as the incremental redraw drew it last: what was read of its cells and
// where drawing it paints. The cells themselves are read from the table.
struct SceneItem {
    ElementKind kind = ElementKind::None;
    bool header = false; // row 0 of its table: never drawn
    bool drawn = false;  // registered in the grid and the name indexes
    bool bad = false;    // a named element with a cell that does not convert
    bool dirty = false;
    bool midpoint = false; // a line whose stored midpoint is to be written
    bool marked = false;
    bool shaped = false; // its text is drawn by QPainter
    qint64 order = 0;
    // What was drawn, and is to be drawn in a repainted area. The item's box is its shape's;
    // a line's arrow head and stroke follow from its ends. Kept small: there is one per row.
    QString name;
    QString caption;          // an element's caption, a line's text
    std::uint32_t folded = 0; // hash of the case-folded name
    TColor colour = 0;
    std::int32_t x = 0, y = 0;
    LineEnds ends;
    std::int32_t textW = 0, textH = 0;
    std::int32_t reach = 0; // of the caption's or text's glyphs beyond their cell

    // Position in the full redraw's order: lines, then rectangles, then points, each by row.
    qint64 drawKey() const;

    // Parts of an item to draw in an area.
    enum Part : std::uint8_t { Body = 1, Stroke = 2, HeadAndText = 4 };
    // The parts meeting the area (none when the item does not meet it), the item having that shape.
    std::uint8_t partsMeeting(const ItemShape &shape, const PixelBox &area) const;
    // Draws those parts on a canvas whose (0, 0) is the area's corner.
    void draw(Canvas &canvas, std::uint8_t parts, const PixelBox &area) const;
};
