#pragma once

#include "model/ElementTables.h"
#include "render/ConnectorLines.h"
#include "render/LineParts.h"
#include "toolkit/Canvas.h"

#include <algorithm>
#include <vector>

// Columns [l, r) and rows [t, b) of the sheet.
struct PixelBox {
    Coord l = 0, t = 0, r = 0, b = 0;

    bool operator==(const PixelBox &) const = default;

    bool empty() const { return l >= r || t >= b; }
    Coord area() const { return empty() ? 0 : (r - l) * (b - t); }
    bool meets(const PixelBox &o) const { return l < o.r && o.l < r && t < o.b && o.t < b; }
    PixelBox united(const PixelBox &o) const
    {
        return {std::min(l, o.l), std::min(t, o.t), std::max(r, o.r), std::max(b, o.b)};
    }
    PixelBox clipped(const PixelBox &o) const
    {
        return {std::max(l, o.l), std::max(t, o.t), std::min(r, o.r), std::min(b, o.b)};
    }
};

// Where drawing an item can change pixels. Captions and line texts are w x h text cells whose
// glyphs reach at most `reach` pixels beyond the cell.

// A rectangle or point centred at (x, y): its shape and its caption.
PixelBox elementBox(ElementKind kind, Coord x, Coord y, Coord textW, Coord textH, Coord reach);
// Part of that element's extent whose every pixel the element paints (perhaps empty).
PixelBox elementOpaqueBox(ElementKind kind, Coord x, Coord y, Coord textW, Coord textH);
// A line's arrow head, and its text (empty without text).
PixelBox arrowHeadBox(const ArrowHead &head);
PixelBox lineTextBox(const ArrowHead &head, Coord textW, Coord textH, Coord reach);
// Both in one box.
PixelBox headAndTextBox(const ArrowHead &head, Coord textW, Coord textH, Coord reach);
// A line's stroke, ready to be tested against many boxes.
class StrokeSpan {
public:
    StrokeSpan() = default;
    explicit StrokeSpan(const LineEnds &e);
    // Whether the stroke may paint in the box.
    bool meets(const PixelBox &box) const;

private:
    bool m_steep = false;         // walks along y
    double m_a1 = 0, m_a2 = -1;   // major-axis range, a1 <= a2
    double m_b1 = 0, m_slope = 0; // minor coordinate at a1, and its change per pixel
};
// Boxes holding every pixel the stroke paints within `bounds`, each at most `chunk` pixels long
// along the line's major axis.
void strokeBoxes(const LineEnds &e, const PixelBox &bounds, Coord chunk, std::vector<PixelBox> &out);
// Where the strokes of two lines may share pixels: a box around their crossing, clipped to both
// lines' bounds (empty when they cannot share one). Lines too close to parallel for a small box
// set `parallel` instead.
PixelBox crossingWindow(const LineEnds &a, const LineEnds &b, bool &parallel);
// The columns and rows a line's stroke spans.
PixelBox strokeBounds(const LineEnds &e);
// Whether the line's stroke may paint a pixel of the box: false only when it surely does not.
bool strokeMayMeet(const LineEnds &e, const PixelBox &box);
