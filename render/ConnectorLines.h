#pragma once

#include "model/ElementTables.h"
#include "render/Palette.h"
#include "toolkit/Canvas.h"

#include <QPoint>
#include <QString>

#include <functional>

struct LineEnds {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// Centres of the first- and second-named ends of a line; a missing end is (0, 0).
LineEnds get_2points(const ElementTables &tables, const QString &name);

// The midpoint a line's row holds: the middle of its ends, each coordinate truncated toward zero.
QPoint lineMidpoint(const LineEnds &ends);

// Told the row and ends of each line a redraw draws, for storing the line's midpoint.
using LineEndsFound = std::function<void(int row, const LineEnds &ends)>;

// Draws the named line on the sheet canvas between its ends, which it returns.
LineEnds DrawLineTool(const ElementTables &tables, CanvasOps &sheetCanvas, const QString &name,
                      const QString &text, bool selected);

// The stroke, the arrow head at the middle (tip rounded toward the first end) and the text.
void DrawLineArrow(const QString &text, CanvasOps &canvas, Coord x1, Coord y1, Coord x2, Coord y2,
                   bool selected);

// First arrow-head pixel within 3 pixels straight left, right, above or below, or (-1, -1).
QPoint getPixelLine(const Canvas &sheetCanvas, int x, int y);
