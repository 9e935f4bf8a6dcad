#pragma once

#include "render/ItemExtents.h"
#include "render/LineParts.h"

#include "toolkit/LineRaster.h"

#include <QPoint>
#include <QtGlobal>

#include <algorithm>
#include <cstdlib>

#include <cstdint>
#include <vector>

// Calls f(x, y, even) for each pixel that the line's stroke paints within the box, where `even`
// tells whether the pixel lies an even number of steps from the line's first point.
template <class F>
void forEachStrokePixel(const LineEnds &e, const PixelBox &box, F f)
{
    constexpr Coord kSmall = Coord(1) << 28;
    const auto small = [&](Coord v) { return v > -kSmall && v < kSmall; };
    if (!small(e.x1) || !small(e.y1) || !small(e.x2) || !small(e.y2) || !small(box.l) || !small(box.t) ||
        !small(box.r) || !small(box.b)) {
        // The drawing's own clipping, exact for any coordinates.
        const raster::LineRun run = raster::clipLine(e.x1 - box.l, e.y1 - box.t, e.x2 - box.l, e.y2 - box.t,
                                                     int(box.r - box.l), int(box.b - box.t));
        if (run.empty)
            return;
        const raster::LineWalk w = raster::startWalk(run);
        const Coord majorX = run.xMajor ? run.majorSign : 0, majorY = run.xMajor ? 0 : run.majorSign;
        const Coord minorX = run.xMajor ? 0 : run.minorSign, minorY = run.xMajor ? run.minorSign : 0;
        Coord x = box.l + w.x, y = box.t + w.y;
        std::int64_t rem = w.rem;
        bool even = w.parity == 0;
        for (std::int64_t k = w.count; k > 0; --k) {
            f(x, y, even);
            even = !even;
            x += majorX;
            y += majorY;
            rem += w.twiceMinor;
            if (rem >= w.twiceMajor) {
                rem -= w.twiceMajor;
                x += minorX;
                y += minorY;
            }
        }
        return;
    }
    // Pixel i of the line lies i steps along the major axis from the first point, with its minor
    // offset round(i * minorDelta / majorDelta), halves away from the first point (as drawn).
    const Coord dx = Coord(e.x2) - e.x1, dy = Coord(e.y2) - e.y1;
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const Coord majorDelta = std::abs(xMajor ? dx : dy), minorDelta = std::abs(xMajor ? dy : dx);
    if (majorDelta == 0)
        return;
    const Coord majorSign = (xMajor ? dx : dy) < 0 ? -1 : 1, minorSign = (xMajor ? dy : dx) < 0 ? -1 : 1;
    const Coord majorStart = xMajor ? e.x1 : e.y1, minorStart = xMajor ? e.y1 : e.x1;
    const Coord majorLo = xMajor ? box.l : box.t, majorHi = xMajor ? box.r : box.b;
    const Coord minorLo = xMajor ? box.t : box.l, minorHi = xMajor ? box.b : box.r;
    Coord lo = majorSign > 0 ? majorLo - majorStart : majorStart - (majorHi - 1);
    Coord hi = majorSign > 0 ? majorHi - 1 - majorStart : majorStart - majorLo;
    lo = std::max<Coord>(lo, 0);
    hi = std::min(hi, majorDelta - 1);
    if (lo > hi)
        return;
    const Coord twiceMajor = 2 * majorDelta, twiceMinor = 2 * minorDelta;
    const Coord num = lo * twiceMinor + majorDelta;
    Coord q = num / twiceMajor;
    Coord rem = num - q * twiceMajor;
    for (Coord i = lo; i <= hi; ++i) {
        const Coord minor = minorStart + minorSign * q;
        if (minor >= minorLo && minor < minorHi) {
            const Coord major = majorStart + majorSign * i;
            f(xMajor ? major : minor, xMajor ? minor : major, (i & 1) == 0);
        }
        rem += twiceMinor;
        if (rem >= twiceMajor) {
            rem -= twiceMajor;
            ++q;
        }
    }
}

// A set of sheet pixels, one bit each: the pixels of changed line strokes that are repainted one
// by one rather than as boxes.
class StrokeMask {
public:
    // Empties the set and sizes it for a sheet of that size.
    void reset(int width, int height);
    void clear();
    bool empty() const { return m_pixels.empty(); }

    // Adds the pixels of the sheet that the stroke between the two points paints, those for
    // which keep(x, y, even) holds.
    template <class Keep>
    void addStroke(const LineEnds &e, Keep keep)
    {
        forEachStrokePixel(e, {0, 0, m_width, m_height}, [&](Coord x, Coord y, bool even) {
            const qsizetype i = qsizetype(y) * m_width + x;
            std::uint64_t &word = m_bits[size_t(i >> 6)];
            const std::uint64_t bit = std::uint64_t(1) << (i & 63);
            if (!(word & bit) && keep(x, y, even)) {
                word |= bit;
                m_pixels.push_back(i);
            }
        });
    }
    // Takes out the pixels within the box.
    void exclude(const PixelBox &box);

    // Whether any pixel of the set lies within the box (which lies within the sheet).
    bool any(const PixelBox &box) const;
    // The smallest box holding the pixels of the set within the box (which lies within the
    // sheet); empty when there are none.
    PixelBox bounds(const PixelBox &box) const;

    bool has(Coord x, Coord y) const
    {
        const qsizetype i = qsizetype(y) * m_width + x;
        return (m_bits[size_t(i >> 6)] >> (i & 63)) & 1;
    }
    // Calls f(x, y, even) for the pixels of the set that the stroke paints within the box.
    template <class F>
    void forEachPixel(const LineEnds &e, const PixelBox &box, F f) const
    {
        forEachStrokePixel(e, box, [&](Coord x, Coord y, bool even) {
            if (has(x, y))
                f(x, y, even);
        });
    }
    // Appends the pixels of the set that the stroke paints within the box, from its corner.
    void strokePixels(const LineEnds &e, const PixelBox &box, std::vector<QPoint> &out) const;

private:
    int m_width = 0, m_height = 0;
    std::vector<std::uint64_t> m_bits;
    std::vector<qsizetype> m_pixels; // offsets of the pixels added
};
