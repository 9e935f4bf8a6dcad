#pragma once

#include "toolkit/Canvas.h"

#include <QString>

enum ElementKind { KindNone = 0, KindRect = 1, KindPoint = 2, KindLine = 3 };

constexpr TColor clPointFill = 0x00F0FBFF;     // cream
constexpr TColor clPointGhostPen = 0x00800000; // navy
constexpr TColor clCaptionFrame = 0x00808080;  // grey

// Draws one rectangle (kind 1) or point (kind 2) on the canvas: normal, marked (white dotted
// outline over the shape) or in outline mode (black dotted ghost without caption).
void DrawToolElement(Coord x, Coord y, const QString &caption, CanvasOps &canvas, TColor fillColor,
                     TColor penColor, bool marked, bool outline, int kind);
