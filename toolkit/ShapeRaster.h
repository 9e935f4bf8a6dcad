#pragma once

#include "toolkit/Canvas.h"
#include "toolkit/WideInt.h"

#include <optional>
#include <span>
#include <vector>

namespace raster {

// Columns first..last (inclusive) of one row.
struct Span {
    Coord first = 0;
    Coord last = -1;
    bool empty() const { return last < first; }
};

// A shape whose rows are single spans: a rectangle, a rectangle with quarter-ellipse corners,
// or an ellipse, inscribed in the box [left, right] x [top, bottom]. A pixel belongs to it when
// its centre lies inside the continuous shape, so it covers at most columns left..right-1 and
// rows top..bottom-1 and is symmetric within its box.
class RowShape {
public:
    static RowShape rectangle(Coord l, Coord t, Coord r, Coord b);
    static RowShape ellipse(Coord l, Coord t, Coord r, Coord b);
    static RowShape roundRect(Coord l, Coord t, Coord r, Coord b, Coord cornerW, Coord cornerH);

    Coord top() const { return m_top; }
    Coord bottom() const { return m_bottom; }
    // The pixels of row y (empty outside the box).
    Span row(Coord y) const;

private:
    RowShape(Coord l, Coord t, Coord r, Coord b, Coord cornerW, Coord cornerH);
    Coord m_left, m_top, m_right, m_bottom;
    Coord m_cornerW = 0, m_cornerH = 0; // 0: square corners
};

// The inside pixels of row y of an ellipse inscribed in [l, l + w] x [t, t + h].
Span ellipseRow(Coord l, Coord t, Coord w, Coord h, Coord y);

// The crossings of row y with the polygon's edges, as the first column at or right of each
// crossing, sorted; consecutive pairs [c0, c1), [c2, c3)... are inside (even-odd rule). The
// polygon's corners are the given pixels, as for lines, so the pixels (x, y) taken are those
// inside it, with points on a left or top edge included and on a right or bottom edge excluded;
// the outline drawn along the edges then closes the fill without gaps.
void polygonCrossings(std::span<const CanvasPoint> points, Coord y, std::vector<Coord> &out);

} // namespace raster
