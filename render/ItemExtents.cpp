#include "render/ItemExtents.h"

#include <algorithm>
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

PixelBox elementOpaqueBox(ElementKind kind, Coord x, Coord y, Coord textW, Coord textH)
{
    if (textH <= 0)
        return {};
    const Coord hw = textW / 2;
    // The rounded box is filled, its corners (10 pixel ellipses) aside; a point's caption frame
    // is filled whole.
    if (kind == ElementKind::Rectangle)
        return {x - hw - 8 + 5, y - textH, x + hw + 8 - 5, y + textH};
    return {x - hw - 6, y + 8, x + hw + 6, y + textH + 14};
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

PixelBox headAndTextBox(const ArrowHead &head, Coord textW, Coord textH, Coord reach)
{
    const PixelBox text = lineTextBox(head, textW, textH, reach);
    return text.empty() ? arrowHeadBox(head) : arrowHeadBox(head).united(text);
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

PixelBox strokeBounds(const LineEnds &e)
{
    return {std::min<Coord>(e.x1, e.x2), std::min<Coord>(e.y1, e.y2), std::max<Coord>(e.x1, e.x2) + 1,
            std::max<Coord>(e.y1, e.y2) + 1};
}

bool strokeMayMeet(const LineEnds &e, const PixelBox &box)
{
    if (!strokeBounds(e).meets(box))
        return false;
    // Products of values below 2^25 are exact in a double.
    constexpr Coord kExact = Coord(1) << 24;
    for (Coord v : {Coord(e.x1), Coord(e.y1), Coord(e.x2), Coord(e.y2), box.l, box.t, box.r, box.b})
        if (v <= -kExact || v >= kExact)
            return true;
    // Each pixel of the stroke lies within half a pixel of the line through its ends, so the line
    // crosses the box grown by a pixel on every side when one of them lies in the box.
    const double dx = double(e.x2) - e.x1, dy = double(e.y2) - e.y1;
    const auto side = [&](Coord x, Coord y) { return dx * (double(y) - e.y1) - dy * (double(x) - e.x1); };
    const double s[] = {side(box.l - 1, box.t - 1), side(box.r, box.t - 1), side(box.l - 1, box.b),
                        side(box.r, box.b)};
    const bool above = s[0] > 0 && s[1] > 0 && s[2] > 0 && s[3] > 0;
    const bool below = s[0] < 0 && s[1] < 0 && s[2] < 0 && s[3] < 0;
    return !above && !below;
}

PixelBox crossingWindow(const LineEnds &a, const LineEnds &b, bool &parallel)
{
    // Below this sine of the angle between the lines the box would be more than 35 pixels wide.
    constexpr double kMinSine = 1.0 / 16;
    parallel = false;
    const double ax = double(a.x2) - a.x1, ay = double(a.y2) - a.y1;
    const double bx = double(b.x2) - b.x1, by = double(b.y2) - b.y1;
    const double la2 = ax * ax + ay * ay, lb2 = bx * bx + by * by;
    if (la2 == 0 || lb2 == 0)
        return {}; // a line of no length paints nothing
    // Both ends of one line more than two pixels to the same side of the other's: the pixels of
    // each keep within half a pixel of its line, so none is shared.
    const auto apart = [](double len2, double s1, double s2) {
        return s1 * s2 > 0 && std::min(s1 * s1, s2 * s2) > 4 * len2;
    };
    if (apart(lb2, bx * (double(a.y1) - b.y1) - by * (double(a.x1) - b.x1),
              bx * (double(a.y2) - b.y1) - by * (double(a.x2) - b.x1)) ||
        apart(la2, ax * (double(b.y1) - a.y1) - ay * (double(b.x1) - a.x1),
              ax * (double(b.y2) - a.y1) - ay * (double(b.x2) - a.x1)))
        return {};
    const double cross = ax * by - ay * bx;
    const double sine = std::abs(cross) / std::sqrt(la2 * lb2);
    if (!(sine >= kMinSine)) {
        parallel = true;
        return {};
    }
    // Each pixel of a line lies within half a pixel of the exact line, so a shared pixel lies
    // within 1 / sine of the crossing point in either axis; one more pixel allows for rounding.
    const double t = ((double(b.x1) - a.x1) * by - (double(b.y1) - a.y1) * bx) / cross;
    const double h = 1 / sine + 1;
    constexpr double kFar = double(Coord(1) << 40);
    const auto at = [&](double v) { return Coord(std::clamp(v, -kFar, kFar)); };
    const double x = a.x1 + t * ax, y = a.y1 + t * ay;
    const PixelBox around{at(std::floor(x - h)), at(std::floor(y - h)), at(std::ceil(x + h)) + 1,
                          at(std::ceil(y + h)) + 1};
    return around.clipped(strokeBounds(a)).clipped(strokeBounds(b));
}
