#include "render/ItemExtents.h"

#include <cmath>
#include <utility>

namespace {

// A raster line keeps within half a pixel of the exact one; this allows for rounding besides.
constexpr double kNear = 2;

// Box of the text cell at (x, y) with its glyphs' reach.
PixelBox textBox(Coord x, Coord y, Coord w, Coord h, Coord reach)
{
    if (w <= 0 && h <= 0)
        return {};
    return {x - reach, y - reach, x + w + reach, y + h + reach};
}

} // namespace

PixelBox elementBox(ElementKind kind, Coord x, Coord y, Coord textW, Coord textH, Coord reach)
{
    const Coord hw = textW / 2;
    if (kind == ElementKind::Rectangle) {
        // The rounded box, with the caption cell centred in it.
        const PixelBox body{x - hw - 8, y - textH, x + hw + 8, y + textH};
        if (textH <= 0)
            return body;
        const Coord left = body.l + (body.r - body.l - textW) / 2;
        return body.united(textBox(left, body.t + textH / 2, textW, textH, reach));
    }
    // The circle, and the caption's framed box below it.
    const PixelBox circle{x - 6, y - 6, x + 6, y + 6};
    if (textH <= 0)
        return circle;
    const PixelBox frame{x - hw - 6, y + 8, x + hw + 6, y + textH + 14};
    const Coord left = frame.l + (frame.r - frame.l - textW) / 2;
    const Coord top = frame.t + (frame.b - frame.t - textH) / 2;
    return circle.united(frame).united(textBox(left, top, textW, textH, reach));
}

PixelBox arrowHeadBox(const ArrowHead &head)
{
    return {head.px - kArrowReach - 1, head.py - kArrowReach - 1, head.px + kArrowReach + 2,
            head.py + kArrowReach + 2};
}

PixelBox lineTextBox(const ArrowHead &head, Coord textW, Coord textH, Coord reach)
{
    if (textH <= 0)
        return {};
    return textBox(head.px + kLineTextDx, head.py + kLineTextDy, textW, textH, reach);
}

StrokeSpan::StrokeSpan(const LineEnds &e)
{
    double a1 = double(e.x1), b1 = double(e.y1), a2 = double(e.x2), b2 = double(e.y2);
    m_steep = std::abs(b2 - b1) > std::abs(a2 - a1);
    if (m_steep) {
        std::swap(a1, b1);
        std::swap(a2, b2);
    }
    if (a1 > a2) {
        std::swap(a1, a2);
        std::swap(b1, b2);
    }
    m_a1 = a1;
    m_a2 = a2;
    m_b1 = b1;
    m_slope = a2 > a1 ? (b2 - b1) / (a2 - a1) : 0.0;
}

bool StrokeSpan::meets(const PixelBox &box) const
{
    const double lo = double(m_steep ? box.t : box.l) - kNear;
    const double hi = double(m_steep ? box.b : box.r) - 1 + kNear;
    const double from = std::max(m_a1, lo);
    const double to = std::min(m_a2, hi);
    if (from > to)
        return false;
    const double bf = m_b1 + (from - m_a1) * m_slope;
    const double bt = m_b1 + (to - m_a1) * m_slope;
    const double minorLo = double(m_steep ? box.l : box.t) - kNear;
    const double minorHi = double(m_steep ? box.r : box.b) - 1 + kNear;
    return std::max(bf, bt) >= minorLo && std::min(bf, bt) <= minorHi;
}

void strokeBoxes(const LineEnds &e, const PixelBox &bounds, Coord chunk, std::vector<PixelBox> &out)
{
    if (e.x1 == e.x2 && e.y1 == e.y2)
        return; // a line of no length paints nothing
    const bool steep = std::abs(Coord(e.y2) - e.y1) > std::abs(Coord(e.x2) - e.x1);
    Coord a1 = steep ? e.y1 : e.x1, b1 = steep ? e.x1 : e.y1;
    Coord a2 = steep ? e.y2 : e.x2, b2 = steep ? e.x2 : e.y2;
    if (a1 > a2) {
        std::swap(a1, a2);
        std::swap(b1, b2);
    }
    const Coord majorLo = steep ? bounds.t : bounds.l, majorHi = steep ? bounds.b : bounds.r;
    const Coord minorLo = steep ? bounds.l : bounds.t, minorHi = steep ? bounds.r : bounds.b;
    const Coord from = std::max(a1, majorLo);
    const Coord to = std::min(a2, majorHi - 1);
    const double slope = double(b2 - b1) / double(a2 - a1);
    for (Coord start = from; start <= to;) {
        // Chunks end at multiples of `chunk`, so that the boxes of a line before and after a
        // small move line up.
        const Coord first = start >= 0 ? start / chunk : -((-start + chunk - 1) / chunk);
        const Coord end = std::min(to, first * chunk + chunk - 1);
        const double bs = double(b1) + double(start - a1) * slope;
        const double be = double(b1) + double(end - a1) * slope;
        const Coord lo = std::max(Coord(std::floor(std::min(bs, be) - kNear)), minorLo);
        const Coord hi = std::min(Coord(std::ceil(std::max(bs, be) + kNear)) + 1, minorHi);
        if (lo < hi)
            out.push_back(steep ? PixelBox{lo, start, hi, end + 1} : PixelBox{start, lo, end + 1, hi});
        start = end + 1;
    }
}
