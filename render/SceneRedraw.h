#pragma once

#include "model/ElementTables.h"
#include "toolkit/Canvas.h"
#include "toolkit/TextList.h"

// Redraws the whole sheet from the tables: white fill, lines, rectangles, points, frame; on a
// pixel canvas band by band, on any other (a vector picture) in one pass.
// Members of a multi-selection (two or more names) are marked. Rewrites every line's midpoint.
// A cell that fails to convert throws ConvertError at that row; what was drawn stays.
void UpdateImageModel(ElementTables &tables, CanvasOps &sheetCanvas, const TextList &multiSelection);
// The grey frame of a sheet occupying `sheet` on the canvas.
void drawSheetFrame(CanvasOps &canvas, const QRect &sheet);
