#pragma once

#include "toolkit/Canvas.h"
#include "toolkit/WideInt.h"

#include <cstdint>

namespace raster {

// The visible part of the Bresenham line from (x0, y0) toward (x1, y1), first point included and
// last point excluded, inside [0, width) x [0, height).
//
// Pixel i (0 <= i < steps) lies i steps along the major axis from the first point; its minor
// coordinate is round(i * minorDelta / majorDelta), halves rounded away from the first point.
// The visible pixels form one run of consecutive i, found exactly with 128-bit arithmetic, so a
// clipped line paints exactly the pixels of the unclipped one that fall inside the image.
struct LineRun {
    bool empty = true;
    Int128 steps = 0; // pixels of the whole line (the major-axis distance)
    Int128 first = 0; // index of the first visible pixel
    Int128 last = -1; // index of the last visible pixel
    bool xMajor = true;
    Coord majorStart = 0, minorStart = 0;
    int majorSign = 1, minorSign = 1;
    Int128 majorDelta = 0, minorDelta = 0; // absolute values
};

LineRun clipLine(Coord x0, Coord y0, Coord x1, Coord y1, int width, int height);

// The state of the line walk at its first visible pixel, in 64 bits (coordinates are pinned to
// +-2^60, so doubled deltas fit). Each step moves one pixel along the major axis and adds
// twiceMinor to rem; when rem reaches twiceMajor it is reduced by that and the minor
// coordinate steps too.
struct LineWalk {
    Coord x = 0, y = 0;      // first visible pixel
    std::int64_t count = 0;  // visible pixels
    std::int64_t parity = 0; // index of the first visible pixel, mod 2
    std::int64_t rem = 0, twiceMajor = 1, twiceMinor = 0;
};

LineWalk startWalk(const LineRun &run);

// What drawing the line needs: its direction, whether its length is odd, and the walk over its
// visible part; as clipLine and startWalk give, in 64 bits where that is exact.
struct LineDraw {
    bool empty = true;
    bool xMajor = true;
    bool stepsOdd = false;
    int majorSign = 1, minorSign = 1;
    LineWalk walk;
};

LineDraw lineDraw(Coord x0, Coord y0, Coord x1, Coord y1, int width, int height);

} // namespace raster
