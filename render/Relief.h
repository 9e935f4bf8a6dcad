#pragma once

#include "toolkit/Canvas.h"

#include <QRect>

// The relief frame: light left and top edges inset a, dark right and bottom edges inset b,
// each edge a line that leaves out its end point. Leaves the pen in the dark colour.
void DrawRelief(CanvasOps &sheetCanvas, const QRect &rect, TColor light, TColor dark, int penWidth, int a,
                int b);
