#pragma once

#include "toolkit/Canvas.h"

#include <algorithm>

// 128-bit integers for exact products of 64-bit coordinates (a GCC/Clang extension).
__extension__ typedef __int128 Int128;

namespace raster {

// Coordinates are used exactly within +-2^60; anything farther is pinned to that bound, which
// lies far beyond any image, so that every product below fits in 128 bits and the doubled
// differences of two coordinates fit in 64 bits.
constexpr Coord kCoordLimit = Coord(1) << 60;

constexpr Coord pinCoord(Coord v)
{
    return std::clamp(v, -kCoordLimit, kCoordLimit);
}

// Ceiling of a / b for b > 0.
template <class T>
constexpr T ceilDiv(T a, T b)
{
    const T q = a / b;
    return (a % b != 0 && a > 0) ? q + 1 : q;
}

} // namespace raster
