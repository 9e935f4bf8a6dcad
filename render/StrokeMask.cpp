#include "render/StrokeMask.h"

#include <algorithm>
#include <bit>

namespace {

// Calls f(y, x, bits) for each 64-bit word of the rows within the box that holds pixels of the set
// there: its bits outside the box cleared, bit 0 at column x. Stops when f returns true.
template <class F>
bool scanWords(const std::vector<std::uint64_t> &words, int width, const PixelBox &box, F f)
{
    for (Coord y = box.t; y < box.b; ++y) {
        const qsizetype row = qsizetype(y) * width;
        const qsizetype first = row + box.l, last = row + box.r - 1;
        if (first > last)
            return false;
        const size_t w0 = size_t(first >> 6), w1 = size_t(last >> 6);
        for (size_t w = w0; w <= w1; ++w) {
            std::uint64_t bits = words[w];
            if (w == w0)
                bits &= ~std::uint64_t(0) << (first & 63);
            if (w == w1)
                bits &= ~std::uint64_t(0) >> (63 - (last & 63));
            if (bits && f(y, qsizetype(w) * 64 - row, bits))
                return true;
        }
    }
    return false;
}

} // namespace

void StrokeMask::reset(int width, int height)
{
    clear();
    m_width = std::max(width, 0);
    m_height = std::max(height, 0);
    m_bits.assign((size_t(m_width) * size_t(m_height) + 63) / 64, 0);
}

void StrokeMask::clear()
{
    for (qsizetype i : m_pixels)
        m_bits[size_t(i >> 6)] = 0;
    m_pixels.clear();
}

void StrokeMask::exclude(const PixelBox &box)
{
    const PixelBox b = box.clipped({0, 0, m_width, m_height});
    if (b.empty() || m_pixels.empty())
        return;
    for (Coord y = b.t; y < b.b; ++y)
        for (qsizetype i = qsizetype(y) * m_width + b.l, end = qsizetype(y) * m_width + b.r; i < end; ++i)
            m_bits[size_t(i >> 6)] &= ~(std::uint64_t(1) << (i & 63));
}

void StrokeMask::strokePixels(const LineEnds &e, const PixelBox &box, std::vector<QPoint> &out) const
{
    forEachPixel(e, box, [&](Coord x, Coord y, bool) { out.emplace_back(int(x - box.l), int(y - box.t)); });
}

PixelBox StrokeMask::bounds(const PixelBox &box) const
{
    PixelBox found{box.r, box.b, box.l, box.t};
    scanWords(m_bits, m_width, box, [&](Coord y, qsizetype x, std::uint64_t bits) {
        found.l = std::min<Coord>(found.l, x + std::countr_zero(bits));
        found.r = std::max<Coord>(found.r, x + 64 - std::countl_zero(bits));
        found.t = std::min(found.t, y);
        found.b = y + 1;
        return false;
    });
    return found.empty() ? PixelBox{} : found;
}

bool StrokeMask::any(const PixelBox &box) const
{
    return scanWords(m_bits, m_width, box, [](Coord, qsizetype, std::uint64_t) { return true; });
}
