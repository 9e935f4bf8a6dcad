#pragma once

#include <QtGlobal>

#include <limits>

// Table cells hold 32-bit integers; sums and offsets are computed in 64 bits and brought back
// into the int range before they are stored.
inline int clampToInt(qint64 value)
{
    if (value > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (value < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

inline qint64 absDiff(qint64 a, qint64 b)
{
    return a > b ? a - b : b - a;
}
