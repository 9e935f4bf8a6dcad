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
    // The drawing's own clipping, on coordinates relative to the box.
    const raster::LineDraw d = raster::lineDraw(e.x1 - box.l, e.y1 - box.t, e.x2 - box.l, e.y2 - box.t,
                                                int(box.r - box.l), int(box.b - box.t));
    if (d.empty)
        return;
    const raster::LineWalk &w = d.walk;
    const Coord majorX = d.xMajor ? d.majorSign : 0, majorY = d.xMajor ? 0 : d.majorSign;
    const Coord minorX = d.xMajor ? 0 : d.minorSign, minorY = d.xMajor ? d.minorSign : 0;
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
