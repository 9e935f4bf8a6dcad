#include "toolkit/ShapeRaster.h"

#include <algorithm>
#include <cmath>

namespace raster {

namespace {

constexpr Coord kSmallAxis = Coord(1) << 15; // w^2 h^2 fits in 64 bits
constexpr Coord kExactAxis = Coord(1) << 31; // w^2 h^2 fits in 128 bits

// The largest value <= m (m >= 0) of the given parity; -1 when there is none.
Coord withParity(Coord m, Coord parity)
{
    if ((m & 1) != (parity & 1))
        --m;
    return m;
}

// Largest r with r * r <= n, for 0 <= n < 2^126.
Int128 isqrt(Int128 n)
{
    if (n <= 0)
        return 0;
    if (n < (Int128(1) << 62)) {
        const auto m = static_cast<std::int64_t>(n);
        auto r = static_cast<std::int64_t>(std::sqrt(static_cast<double>(m)));
        while (r > 0 && r * r > m)
            --r;
        while ((r + 1) * (r + 1) <= m)
            ++r;
        return r;
    }
    auto r = static_cast<Int128>(std::sqrt(static_cast<long double>(n)));
    while (r > 0 && r * r > n)
        --r;
    while ((r + 1) * (r + 1) <= n)
        ++r;
    return r;
}

} // namespace

Span ellipseRow(Coord l, Coord t, Coord w, Coord h, Coord y)
{
    // In doubled coordinates relative to the centre, pixel (x, y) has its centre at
    // X = 2x + 1 - (2l + w), Y = 2y + 1 - (2t + h); it is inside when X^2 h^2 + Y^2 w^2 <= w^2 h^2.
    if (w <= 0 || h <= 0)
        return {};
    const Int128 Y = Int128(2) * y + 1 - (Int128(2) * t + h);
    if (Y <= -h || Y >= h)
        return {};
    Coord m = 0;
    if (w <= kSmallAxis && h <= kSmallAxis) {
        const Coord y64 = static_cast<Coord>(Y);
        m = static_cast<Coord>(isqrt(w * w * (h * h - y64 * y64) / (h * h)));
    } else if (w <= kExactAxis && h <= kExactAxis) {
        const Int128 w2 = Int128(w) * w;
        const Int128 h2 = Int128(h) * h;
        m = static_cast<Coord>(isqrt(w2 * (h2 - Y * Y) / h2));
    } else {
        const long double f = static_cast<long double>(Y) / static_cast<long double>(h);
        const long double half = static_cast<long double>(w) * std::sqrt(std::max(0.0L, 1.0L - f * f));
        m = std::min(w, static_cast<Coord>(std::floor(half)));
    }
    // X has the parity of w - 1 (as 2l + w - 1 does)
    m = withParity(m, w - 1);
    if (m < 0)
        return {};
    // x = (X + 2l + w - 1) / 2
    return {l + (w - 1 - m) / 2, l + (w - 1 + m) / 2};
}

RowShape::RowShape(Coord l, Coord t, Coord r, Coord b, Coord cornerW, Coord cornerH)
    : m_left(pinCoord(std::min(l, r))), m_top(pinCoord(std::min(t, b))), m_right(pinCoord(std::max(l, r))),
      m_bottom(pinCoord(std::max(t, b)))
{
    cornerW = std::min(std::abs(pinCoord(cornerW)), m_right - m_left);
    cornerH = std::min(std::abs(pinCoord(cornerH)), m_bottom - m_top);
    if (cornerW > 0 && cornerH > 0) {
        m_cornerW = cornerW;
        m_cornerH = cornerH;
    }
}

RowShape RowShape::rectangle(Coord l, Coord t, Coord r, Coord b)
{
    return RowShape(l, t, r, b, 0, 0);
}

RowShape RowShape::ellipse(Coord l, Coord t, Coord r, Coord b)
{
    return RowShape(l, t, r, b, Coord(1) << 62, Coord(1) << 62);
}

RowShape RowShape::roundRect(Coord l, Coord t, Coord r, Coord b, Coord cornerW, Coord cornerH)
{
    return RowShape(l, t, r, b, cornerW, cornerH);
}

Span RowShape::row(Coord y) const
{
    if (y < m_top || y >= m_bottom || m_left >= m_right)
        return {};
    if (m_cornerW == 0)
        return {m_left, m_right - 1};
    // Rows whose centre lies above the top corners' centre (or below the bottom ones') take the
    // corner ellipse's span, widened by the straight part between the corners.
    const Int128 twiceCentre = Int128(2) * y + 1;
    Coord cornerTop = 0;
    if (twiceCentre < Int128(2) * m_top + m_cornerH)
        cornerTop = m_top;
    else if (twiceCentre > Int128(2) * m_bottom - m_cornerH)
        cornerTop = m_bottom - m_cornerH;
    else
        return {m_left, m_right - 1};
    const Span s = ellipseRow(m_left, cornerTop, m_cornerW, m_cornerH, y);
    if (s.empty())
        return s;
    return {s.first, s.last + (m_right - m_left - m_cornerW)};
}

void polygonCrossings(std::span<const CanvasPoint> points, Coord y, std::vector<Coord> &out)
{
    out.clear();
    const size_t n = points.size();
    for (size_t i = 0; i < n; ++i) {
        CanvasPoint a{pinCoord(points[i].x), pinCoord(points[i].y)};
        CanvasPoint b{pinCoord(points[(i + 1) % n].x), pinCoord(points[(i + 1) % n].y)};
        if (a.y == b.y)
            continue;
        if (a.y > b.y)
            std::swap(a, b);
        // The row crosses edges with a.y <= y < b.y, at x = a.x + (y - a.y) (b.x - a.x) / (b.y - a.y);
        // pixel x is at or right of the crossing when x >= that value.
        if (y < a.y || y >= b.y)
            continue;
        constexpr Coord kSmall = Coord(1) << 30; // products fit in 64 bits
        if (std::abs(a.x) < kSmall && std::abs(b.x) < kSmall && std::abs(a.y) < kSmall &&
            std::abs(b.y) < kSmall && std::abs(y) < kSmall) {
            const Coord den = b.y - a.y;
            const Coord num = a.x * den + (y - a.y) * (b.x - a.x);
            out.push_back(static_cast<Coord>(ceilDiv(num, den)));
        } else {
            const Int128 den = Int128(b.y) - a.y;
            const Int128 num = Int128(a.x) * den + (Int128(y) - a.y) * (Int128(b.x) - a.x);
            out.push_back(static_cast<Coord>(ceilDiv(num, den)));
        }
    }
    std::sort(out.begin(), out.end());
}

} // namespace raster
