#pragma once

#include "toolkit/Canvas.h"

#include <algorithm>

// 128-bit integers for exact products of 64-bit coordinates (a GCC/Clang extension).
__extension__ typedef __int128 Int128;

namespace raster {

// Coordinates are used exactly within +-2^61; anything farther is pinned to that bound, which
// lies far beyond any image, so that every product below fits in 128 bits.
constexpr Coord kCoordLimit = Coord(1) << 61;

constexpr Coord pinCoord(Coord v)
{
    return std::clamp(v, -kCoordLimit, kCoordLimit);
}

// Floor and ceiling of a / b for b > 0.
constexpr Int128 floorDiv(Int128 a, Int128 b)
{
    const Int128 q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

constexpr Int128 ceilDiv(Int128 a, Int128 b)
{
    const Int128 q = a / b;
    return (a % b != 0 && a > 0) ? q + 1 : q;
}

// Largest r with r * r <= n, for 0 <= n < 2^126.
Int128 isqrt(Int128 n);

} // namespace raster
