#pragma once

#include <QPoint>
#include <QSize>

#include <optional>

// What the navigator placement reads: the sheet size (W, H) and offset, the drawing area's
// client size (CW, CH), the current client size of the navigator's sheet panel (SW, SH) and
// the sizes of the two sheet-size button panels.
struct NavigatorInput {
    int sheetWidth = 0;  // W
    int sheetHeight = 0; // H
    int sheetLeft = 0;   // 0 or negative while scrolled
    int sheetTop = 0;
    QSize areaClient; // CW, CH
    QSize sheetPanel; // SW, SH before this placement
    QSize btnHorizPanel{31, 24};
    QSize btnVertPanel{25, 31};
};

// Sizes and positions of the navigator and the corner panels. The visible-part size and
// position are present only when asked for.
struct NavigatorLayout {
    QSize sheetPanel; // the navigator's sheet, at (0, 0) of the navigator
    std::optional<QSize> visibleSize;
    std::optional<QPoint> visiblePos;
    QPoint btnHorizPos;
    QPoint btnVertPos;
    QPoint viewPos; // the navigator, sized as sheetPanel
};

NavigatorLayout NavigateView(const NavigatorInput &in, bool resizeNavigator, bool placeVisiblePart);

// The sheet panel of the navigator for a sheet of that size: 35 x 25 wide, 25 x 35 high,
// 38 x 38 square.
QSize navigatorSheetSize(int sheetWidth, int sheetHeight);
