#pragma once

#include <QtGlobal>

// How many view pixels one sheet pixel takes, as an exact fraction num / den. View pixel v
// (counted from the sheet's top-left corner) shows sheet pixel floor(v / scale); sheet pixel x
// covers view pixels ceil(x * scale) to ceil((x + 1) * scale) - 1. At 1 / 1 both are the same
// pixel.
struct ViewScale {
    qint64 num = 1;
    qint64 den = 1;

    static constexpr qint64 kMinPercent = 10;
    static constexpr qint64 kMaxPercent = 1600;

    bool isActual() const { return num == den; }
    double factor() const { return double(num) / double(den); }
    // The scale in whole percent, as shown to the user.
    int percent() const;

    // The sheet pixel that view pixel v shows.
    qint64 toSheet(qint64 v) const { return floorDiv(v * den, num); }
    // The first view pixel of sheet pixel x.
    qint64 toView(qint64 x) const { return ceilDiv(x * num, den); }
    // The view length of `length` sheet pixels from the sheet's edge.
    qint64 viewLength(qint64 length) const { return toView(length); }

    // The steps of Zoom In and Zoom Out, from 10 % to 1,600 %, through 100 %.
    static ViewScale stepIn(const ViewScale &from);
    static ViewScale stepOut(const ViewScale &from);
    // The largest scale at which `sheet` fits into `area` (each side), within 10 % to 1,600 %.
    static ViewScale fitting(qint64 sheetWidth, qint64 sheetHeight, qint64 areaWidth, qint64 areaHeight);

    bool operator==(const ViewScale &o) const { return num * o.den == o.num * den; }
    bool operator<(const ViewScale &o) const { return num * o.den < o.num * den; }

private:
    static qint64 floorDiv(qint64 a, qint64 b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }
    static qint64 ceilDiv(qint64 a, qint64 b) { return -floorDiv(-a, b); }
};
