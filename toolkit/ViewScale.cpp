#include "toolkit/ViewScale.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// About 1.2 to 1.5 times apart.
constexpr std::array<ViewScale, 16> kLadder{{{1, 10},
                                             {1, 8},
                                             {1, 6},
                                             {1, 4},
                                             {1, 3},
                                             {1, 2},
                                             {2, 3},
                                             {1, 1},
                                             {3, 2},
                                             {2, 1},
                                             {3, 1},
                                             {4, 1},
                                             {6, 1},
                                             {8, 1},
                                             {12, 1},
                                             {16, 1}}};

} // namespace

int ViewScale::percent() const
{
    return int(std::lround(100.0 * factor()));
}

ViewScale ViewScale::stepIn(const ViewScale &from)
{
    for (const ViewScale &s : kLadder)
        if (from < s)
            return s;
    return kLadder.back();
}

ViewScale ViewScale::stepOut(const ViewScale &from)
{
    for (auto it = kLadder.rbegin(); it != kLadder.rend(); ++it)
        if (*it < from)
            return *it;
    return kLadder.front();
}

ViewScale ViewScale::fitting(qint64 sheetWidth, qint64 sheetHeight, qint64 areaWidth, qint64 areaHeight)
{
    if (sheetWidth <= 0 || sheetHeight <= 0 || areaWidth <= 0 || areaHeight <= 0)
        return {};
    // The smaller of areaWidth / sheetWidth and areaHeight / sheetHeight, exactly.
    ViewScale s = areaWidth * sheetHeight <= areaHeight * sheetWidth ? ViewScale{areaWidth, sheetWidth}
                                                                     : ViewScale{areaHeight, sheetHeight};
    const ViewScale low{kMinPercent, 100}, high{kMaxPercent, 100};
    if (s < low)
        s = low;
    if (high < s)
        s = high;
    return s;
}
