#pragma once

#include "model/ElementTables.h"
#include "toolkit/Canvas.h"

#include <QPoint>
#include <QString>

constexpr TColor clLineStroke = 0x00616161;
constexpr TColor clArrowOutline = 0x00A3A3A3;
constexpr TColor clArrowFill = 0x00D2D2D2;
constexpr TColor clLineText = 0x004B4B4B;

struct LineEnds {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// Centres of the first- and second-named ends of a line; a missing end is (0, 0).
LineEnds get_2points(const ElementTables &tables, const QString &name);

// Draws a line on the sheet canvas and stores its midpoint (truncated toward zero) in
// columns 1 and 2 of the row.
void DrawLineTool(ElementTables &tables, CanvasOps &sheetCanvas, const QString &name, const QString &text,
                  int row, bool selected);

// The stroke, the arrow head at the middle (tip rounded toward the first end) and the text.
void DrawLineArrow(const QString &text, CanvasOps &canvas, Coord x1, Coord y1, Coord x2, Coord y2,
                   bool selected);

// First arrow-head pixel within 3 pixels straight left, right, above or below, or (-1, -1).
QPoint getPixelLine(const Canvas &sheetCanvas, int x, int y);
