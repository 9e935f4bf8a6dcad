#pragma once

#include "model/ElementTables.h"
#include "toolkit/Canvas.h"

#include <QString>

constexpr TColor clPointFill = 0x00F0FBFF;     // cream
constexpr TColor clPointGhostPen = 0x00800000; // navy
constexpr TColor clCaptionFrame = 0x00808080;  // grey

// Draws one rectangle or point on the canvas: normal, marked (white dotted
// outline over the shape) or in outline mode (black dotted ghost without caption).
void DrawToolElement(Coord x, Coord y, const QString &caption, CanvasOps &canvas, TColor fillColor,
                     TColor penColor, bool marked, bool outline, ElementKind kind);
