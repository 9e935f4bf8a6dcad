#pragma once

#include "toolkit/ViewScale.h"

// Where the sheet lies in the drawing area and at which scale, panning it, and the grid.
struct Viewport {
    // The scaled sheet's top-left corner in the drawing area, in view pixels: 0 or negative
    // while scrolled.
    int sheetLeft = 0, sheetTop = 0;
    ViewScale scale;
    int panAnchorX = 0, panAnchorY = 0, panStepX = 0, panStepY = 0;
    bool gridVisible = true;
};
