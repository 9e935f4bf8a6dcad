#pragma once

// Where the sheet lies in the drawing area, panning it, and the grid.
struct Viewport {
    // The sheet's top-left corner in the drawing area: 0 or negative while scrolled.
    int sheetLeft = 0, sheetTop = 0;
    int panAnchorX = 0, panAnchorY = 0, panStepX = 0, panStepY = 0;
    bool gridVisible = true;
};
