#pragma once

#include "model/ElementTables.h"
#include "render/Palette.h"
#include "toolkit/Canvas.h"

#include <QString>

// Draws one rectangle or point on the canvas: normal, marked (white dotted
// outline over the shape) or in outline mode (black dotted ghost without caption).
void DrawToolElement(Coord x, Coord y, const QString &caption, CanvasOps &canvas, TColor fillColor,
                     TColor penColor, bool marked, bool outline, ElementKind kind);
