#include "editor/NavigatorLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Part of a navigator side that shows the part of the sheet side inside the area: the whole
// side when the area holds the sheet side, else side * area / sheet rounded by `round`.
template <typename Round>
int visibleSpan(int side, int area, int sheet, Round round)
{
    if (sheet <= 0)
        return side;
    const double ratio = double(area) / double(sheet);
    if (ratio < 1.0)
        return int(round(side * ratio));
    return side;
}

// Offset of the visible part inside the navigator side: side * |offset| / sheet, truncated,
// or the whole side when the sheet is scrolled fully out; 0 while the sheet's edge lies inside
// the area (a zoomed sheet).
int visibleOffset(int side, int offset, int sheet)
{
    if (sheet <= 0)
        return side;
    const double f = double(std::llabs(std::min<long long>(offset, 0))) / double(sheet);
    if (f < 1.0)
        return int(std::trunc(side * f));
    return side;
}

} // namespace

QSize navigatorSheetSize(int sheetWidth, int sheetHeight)
{
    if (sheetWidth == sheetHeight)
        return {38, 38};
    if (sheetWidth > sheetHeight)
        return {35, 25};
    return {25, 35};
}

NavigatorLayout NavigateView(const NavigatorInput &in, bool resizeNavigator, bool placeVisiblePart)
{
    NavigatorLayout out;
    out.sheetPanel = in.sheetPanel;
    const int cw = in.areaClient.width();
    const int ch = in.areaClient.height();

    if (resizeNavigator) {
        out.sheetPanel = navigatorSheetSize(in.sheetWidth, in.sheetHeight);
        const int sw = out.sheetPanel.width();
        const int sh = out.sheetPanel.height();
        // The current rounding mode rounds halves to even.
        const int w = visibleSpan(sw, cw, in.sheetWidth, [](double v) { return std::nearbyint(v); });
        const int h = visibleSpan(sh, ch, in.sheetHeight, [](double v) { return std::trunc(v); });
        out.visibleSize = QSize(w, h);
    }
    if (placeVisiblePart) {
        const int top = visibleOffset(out.sheetPanel.height(), in.sheetTop, in.sheetHeight);
        const int left = visibleOffset(out.sheetPanel.width(), in.sheetLeft, in.sheetWidth);
        out.visiblePos = QPoint(left, top);
    }

    out.btnHorizPos = QPoint(cw - in.btnHorizPanel.width() - 2, 2);
    out.btnVertPos = QPoint(cw - in.btnVertPanel.width() - 2, ch - in.btnVertPanel.height() - 2);
    out.viewPos = QPoint(2, ch - out.sheetPanel.height() - 2);
    return out;
}
