#pragma once

#include "model/ElementTables.h"
#include "render/ConnectorLines.h"
#include "toolkit/Canvas.h"
#include "toolkit/TextList.h"

// Redraws the whole sheet from the tables: white fill, lines, rectangles, points, frame; on a
// pixel canvas band by band, on any other (a vector picture) in one pass.
// Members of a multi-selection (two or more names) are marked. `linesFound` (when given) is told
// each line drawn, in row order, on the calling thread once the tables are read (they may be
// written meanwhile). A cell that fails to convert throws ConvertError at that row; what was
// drawn stays, and the lines told are those before the first line that failed.
void UpdateImageModel(const ElementTables &tables, CanvasOps &sheetCanvas, const TextList &multiSelection,
                      const LineEndsFound &linesFound = {});
// The grey frame of a sheet occupying `sheet` on the canvas.
void drawSheetFrame(CanvasOps &canvas, const QRect &sheet);
