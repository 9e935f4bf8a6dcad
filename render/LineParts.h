#pragma once

#include "toolkit/Canvas.h"

#include <QString>

// The pieces DrawLineArrow draws in turn, for drawing a line piece by piece (the full redraw
// draws each piece only where it can show).

// The arrow head: the tip, the middle of the line rounded toward the first end, and the
// wing offsets c and s (the wings end at (px + c, py + s) and (px + s, py - c)).
struct ArrowHead {
    Coord px = 0, py = 0, c = 0, s = 0;
};
ArrowHead arrowHeadOf(Coord x1, Coord y1, Coord x2, Coord y2);

// The stroke, dotted over itself when selected.
void drawLineStroke(CanvasOps &canvas, Coord x1, Coord y1, Coord x2, Coord y2, bool selected);

// The arrow head (its outline dotted when selected) and the text in its white cell.
void drawArrowHeadAndText(CanvasOps &canvas, const ArrowHead &head, const QString &text, bool selected);

// Reach of the wings around the tip, and the text cell's corner relative to the tip.
constexpr Coord kArrowReach = 9;
constexpr Coord kLineTextDx = 7;
constexpr Coord kLineTextDy = 6;
