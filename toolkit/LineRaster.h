#pragma once

#include "toolkit/Canvas.h"
#include "toolkit/WideInt.h"

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

// Calls plot(x, y, i) for every visible pixel of the run, in order of i.
template <class Plot>
void forEachPixel(const LineRun &run, Plot plot)
{
    if (run.empty)
        return;
    const Int128 twiceMajor = 2 * run.majorDelta;
    const Int128 twiceMinor = 2 * run.minorDelta;
    // Minor offset q(i) = floor((2 i minorDelta + majorDelta) / (2 majorDelta)) and its remainder.
    const Int128 num = twiceMinor * run.first + run.majorDelta;
    Int128 q = num / twiceMajor;
    Int128 rem = num % twiceMajor;
    auto major = static_cast<Coord>(run.majorStart + run.majorSign * run.first);
    auto minor = static_cast<Coord>(run.minorStart + run.minorSign * q);
    for (Int128 i = run.first; i <= run.last; ++i) {
        if (run.xMajor)
            plot(major, minor, i);
        else
            plot(minor, major, i);
        major += run.majorSign;
        rem += twiceMinor;
        if (rem >= twiceMajor) {
            rem -= twiceMajor;
            minor += run.minorSign;
        }
    }
}

} // namespace raster
