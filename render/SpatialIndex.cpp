#include "render/SpatialIndex.h"

#include <algorithm>
#include <cmath>
#include <utility>

void TileGrid::reset(int width, int height, int tile)
{
    m_tile = std::max(tile, 1);
    m_width = std::max(width, 0);
    m_height = std::max(height, 0);
    m_columns = (m_width + m_tile - 1) / m_tile;
    m_rows = (m_height + m_tile - 1) / m_tile;
    m_tiles = std::vector<std::vector<std::uint32_t>>(size_t(m_columns) * size_t(m_rows));
}

QRect TileGrid::tileRect(int tile) const
{
    const int x = (tile % m_columns) * m_tile;
    const int y = (tile / m_columns) * m_tile;
    return QRect(x, y, std::min(m_tile, m_width - x), std::min(m_tile, m_height - y));
}

void TileGrid::boxTiles(Coord l, Coord t, Coord r, Coord b, std::vector<int> &out) const
{
    l = std::max<Coord>(l, 0);
    t = std::max<Coord>(t, 0);
    r = std::min<Coord>(r, m_width);
    b = std::min<Coord>(b, m_height);
    if (l >= r || t >= b)
        return;
    const int c0 = int(l / m_tile), c1 = int((r - 1) / m_tile);
    const int r0 = int(t / m_tile), r1 = int((b - 1) / m_tile);
    for (int row = r0; row <= r1; ++row)
        for (int c = c0; c <= c1; ++c)
            out.push_back(row * m_columns + c);
}

void TileGrid::segmentTiles(Coord x1, Coord y1, Coord x2, Coord y2, std::vector<int> &out) const
{
    constexpr Coord kNear = 2; // a raster line keeps within half a pixel of the exact one
    if (x1 == x2 && y1 == y2) {
        boxTiles(x1 - kNear, y1 - kNear, x1 + kNear + 1, y1 + kNear + 1, out);
        return;
    }
    // Walk along the major axis one tile column (or row) at a time; swap axes for a steep line.
    const bool steep = std::abs(double(y2 - y1)) > std::abs(double(x2 - x1));
    double a1 = double(steep ? y1 : x1), b1 = double(steep ? x1 : y1);
    double a2 = double(steep ? y2 : x2), b2 = double(steep ? x2 : y2);
    if (a1 > a2) {
        std::swap(a1, a2);
        std::swap(b1, b2);
    }
    const int majorSize = steep ? m_height : m_width;
    const int minorSize = steep ? m_width : m_height;
    const int majorTiles = steep ? m_rows : m_columns;
    const int minorTiles = steep ? m_columns : m_rows;
    const double slope = (b2 - b1) / (a2 - a1);
    const double from = std::max(a1, 0.0);
    const double to = std::min(a2, double(majorSize - 1));
    if (from > to || minorSize <= 0)
        return;
    const auto minorAt = [&](double a) { return b1 + (a - a1) * slope; };
    for (int m = int(from / m_tile); m <= int(to / m_tile) && m < majorTiles; ++m) {
        const double s = std::max(from, double(m) * m_tile - 1);
        const double e = std::min(to, double(m) * m_tile + m_tile);
        const double bs = minorAt(s), be = minorAt(e);
        const double lo = std::floor(std::min(bs, be)) - double(kNear);
        const double hi = std::ceil(std::max(bs, be)) + double(kNear);
        if (hi < 0 || lo >= minorSize)
            continue;
        const int n0 = int(std::max(lo, 0.0)) / m_tile;
        const int n1 = std::min(int(std::min(hi, double(minorSize - 1))) / m_tile, minorTiles - 1);
        for (int n = n0; n <= n1; ++n)
            out.push_back(steep ? m * m_columns + n : n * m_columns + m);
    }
}

void TileGrid::remove(int tile, std::uint32_t item)
{
    std::vector<std::uint32_t> &list = m_tiles[size_t(tile)];
    const auto it = std::find(list.begin(), list.end(), item);
    if (it != list.end()) {
        *it = list.back();
        list.pop_back();
    }
}

void TileGrid::shrinkToFit()
{
    for (std::vector<std::uint32_t> &items : m_tiles)
        items.shrink_to_fit();
}
