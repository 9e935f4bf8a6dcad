#include "toolkit/LineRaster.h"

namespace raster {

namespace {

// Lines whose coordinates all lie within +-2^28 are clipped in 64 bits, which is exact for them:
// every product below stays under 2^62.
constexpr Coord kSmall = Coord(1) << 28;

// Indices i of [lo, hi] with start + sign * i inside [0, size).
template <class T>
void clipMajor(T start, int sign, int size, T &lo, T &hi)
{
    if (sign > 0) {
        lo = std::max(lo, -start);
        hi = std::min(hi, T(size - 1) - start);
    } else {
        lo = std::max(lo, start - (size - 1));
        hi = std::min(hi, start);
    }
}

// Indices i of [lo, hi] whose minor offset q(i) lies in [kMin, kMax]; q is non-decreasing,
// q(i) >= k  <=>  i >= ceil((2k - 1) * major / (2 * minor)).
template <class T>
void clipMinor(T majorDelta, T minorDelta, T kMin, T kMax, T &lo, T &hi)
{
    if (minorDelta == 0) {
        if (kMin > 0 || kMax < 0)
            hi = lo - 1;
        return;
    }
    kMin = std::max<T>(kMin, 0);
    kMax = std::min(kMax, minorDelta);
    if (kMin > kMax) {
        hi = lo - 1;
        return;
    }
    const T twiceMinor = 2 * minorDelta;
    lo = std::max(lo, ceilDiv((2 * kMin - 1) * majorDelta, twiceMinor));
    hi = std::min(hi, ceilDiv((2 * kMax + 1) * majorDelta, twiceMinor) - 1);
}

// The visible index range [lo, hi] of a line that needs clipping (empty when lo > hi).
template <class T>
void clipIndices(T steps, T majorStart, T minorStart, int majorSign, int minorSign, T majorDelta,
                 T minorDelta, int majorSize, int minorSize, T &lo, T &hi)
{
    lo = 0;
    hi = steps - 1;
    clipMajor(majorStart, majorSign, majorSize, lo, hi);
    if (lo > hi)
        return;
    // minorStart + minorSign * q inside [0, minorSize)
    const T kMin = minorSign > 0 ? -minorStart : minorStart - T(minorSize - 1);
    const T kMax = minorSign > 0 ? T(minorSize - 1) - minorStart : minorStart;
    clipMinor(majorDelta, minorDelta, kMin, kMax, lo, hi);
}

template <class T>
void clipIndices(const LineRun &run, int majorSize, int minorSize, T &lo, T &hi)
{
    clipIndices<T>(T(run.steps), T(run.majorStart), T(run.minorStart), run.majorSign, run.minorSign,
                   T(run.majorDelta), T(run.minorDelta), majorSize, minorSize, lo, hi);
}

bool small(Coord v)
{
    return v >= -kSmall && v <= kSmall;
}

} // namespace

LineRun clipLine(Coord x0, Coord y0, Coord x1, Coord y1, int width, int height)
{
    x0 = pinCoord(x0);
    y0 = pinCoord(y0);
    x1 = pinCoord(x1);
    y1 = pinCoord(y1);
    LineRun run;
    const Int128 dx = Int128(x1) - x0;
    const Int128 dy = Int128(y1) - y0;
    const Int128 adx = dx < 0 ? -dx : dx;
    const Int128 ady = dy < 0 ? -dy : dy;
    run.xMajor = adx >= ady;
    run.steps = std::max(adx, ady);
    if (run.steps == 0 || width <= 0 || height <= 0)
        return run;
    run.majorStart = run.xMajor ? x0 : y0;
    run.minorStart = run.xMajor ? y0 : x0;
    run.majorSign = (run.xMajor ? dx : dy) < 0 ? -1 : 1;
    run.minorSign = (run.xMajor ? dy : dx) < 0 ? -1 : 1;
    run.majorDelta = run.xMajor ? adx : ady;
    run.minorDelta = run.xMajor ? ady : adx;
    const int majorSize = run.xMajor ? width : height;
    const int minorSize = run.xMajor ? height : width;

    // A line whose ends both lie in the image (the end is not drawn, but it bounds the pixels)
    // needs no clipping.
    const bool inside =
        x0 >= 0 && y0 >= 0 && x1 >= 0 && y1 >= 0 && x0 < width && x1 < width && y0 < height && y1 < height;
    if (inside) {
        run.empty = false;
        run.first = 0;
        run.last = run.steps - 1;
        return run;
    }
    Int128 lo = 0;
    Int128 hi = -1;
    if (small(x0) && small(y0) && small(x1) && small(y1)) {
        std::int64_t l = 0, h = -1;
        clipIndices<std::int64_t>(run, majorSize, minorSize, l, h);
        lo = l;
        hi = h;
    } else {
        clipIndices<Int128>(run, majorSize, minorSize, lo, hi);
    }
    if (lo > hi)
        return run;
    run.empty = false;
    run.first = lo;
    run.last = hi;
    return run;
}

LineWalk startWalk(const LineRun &run)
{
    LineWalk w;
    if (run.empty)
        return w;
    // Minor offset q(i) = floor((2 i minorDelta + majorDelta) / (2 majorDelta)) and its remainder.
    const Int128 twiceMajor = 2 * run.majorDelta;
    const Int128 num = 2 * run.minorDelta * run.first + run.majorDelta;
    // An unclipped start needs no division: q(0) = 0 with remainder majorDelta.
    const Int128 q = run.first == 0 ? Int128(0)
                     : run.steps <= kSmall * 4 && run.first < kSmall * 4
                         ? Int128(std::int64_t(num) / std::int64_t(twiceMajor))
                         : num / twiceMajor;
    const auto major = static_cast<Coord>(run.majorStart + run.majorSign * run.first);
    const auto minor = static_cast<Coord>(run.minorStart + run.minorSign * q);
    w.x = run.xMajor ? major : minor;
    w.y = run.xMajor ? minor : major;
    w.count = static_cast<std::int64_t>(run.last - run.first + 1);
    w.parity = static_cast<std::int64_t>(run.first & 1);
    w.rem = static_cast<std::int64_t>(run.first == 0 ? num : num - q * twiceMajor);
    w.twiceMajor = static_cast<std::int64_t>(twiceMajor);
    w.twiceMinor = static_cast<std::int64_t>(2 * run.minorDelta);
    return w;
}

LineDraw lineDraw(Coord x0, Coord y0, Coord x1, Coord y1, int width, int height)
{
    LineDraw d;
    if (!small(x0) || !small(y0) || !small(x1) || !small(y1)) {
        const LineRun run = clipLine(x0, y0, x1, y1, width, height);
        d.empty = run.empty;
        d.xMajor = run.xMajor;
        d.majorSign = run.majorSign;
        d.minorSign = run.minorSign;
        d.stepsOdd = (run.steps & 1) != 0;
        if (!run.empty)
            d.walk = startWalk(run);
        return d;
    }
    // As clipLine and startWalk do, in 64 bits, which is exact for these coordinates.
    const std::int64_t dx = x1 - x0, dy = y1 - y0;
    const std::int64_t adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
    d.xMajor = adx >= ady;
    const std::int64_t steps = std::max(adx, ady);
    d.stepsOdd = (steps & 1) != 0;
    if (steps == 0 || width <= 0 || height <= 0)
        return d;
    const std::int64_t majorStart = d.xMajor ? x0 : y0, minorStart = d.xMajor ? y0 : x0;
    d.majorSign = (d.xMajor ? dx : dy) < 0 ? -1 : 1;
    d.minorSign = (d.xMajor ? dy : dx) < 0 ? -1 : 1;
    const std::int64_t majorDelta = d.xMajor ? adx : ady, minorDelta = d.xMajor ? ady : adx;
    std::int64_t lo = 0, hi = steps - 1;
    const bool inside =
        x0 >= 0 && y0 >= 0 && x1 >= 0 && y1 >= 0 && x0 < width && x1 < width && y0 < height && y1 < height;
    if (!inside) {
        clipIndices<std::int64_t>(steps, majorStart, minorStart, d.majorSign, d.minorSign, majorDelta,
                                  minorDelta, d.xMajor ? width : height, d.xMajor ? height : width, lo, hi);
        if (lo > hi)
            return d;
    }
    d.empty = false;
    const std::int64_t twiceMajor = 2 * majorDelta;
    const std::int64_t num = 2 * minorDelta * lo + majorDelta;
    const std::int64_t q = lo == 0 ? 0 : num / twiceMajor;
    const Coord major = majorStart + d.majorSign * lo, minor = minorStart + d.minorSign * q;
    LineWalk &w = d.walk;
    w.x = d.xMajor ? major : minor;
    w.y = d.xMajor ? minor : major;
    w.count = hi - lo + 1;
    w.parity = lo & 1;
    w.rem = num - q * twiceMajor;
    w.twiceMajor = twiceMajor;
    w.twiceMinor = 2 * minorDelta;
    return d;
}

} // namespace raster
