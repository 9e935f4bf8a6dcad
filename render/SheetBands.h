#pragma once

#include "model/ElementTables.h"
#include "toolkit/Canvas.h"
#include "toolkit/TextList.h"

// Rows per band of the full redraw: a band of an A0 sheet stays in the processor's cache while
// every line, rectangle and point crossing it is drawn.
constexpr int kSheetBandRows = 256;

// The full redraw done band by band: each band of bandRows rows (an even number, so that dotted
// outlines keep their pattern) receives, in the usual order, everything that reaches it. The
// picture, the stored midpoints, the canvas state and any conversion error are those of drawing
// everything in one pass.
void redrawSheetInBands(ElementTables &tables, CanvasOps &sheetCanvas, const TextList &multiSelection,
                        int bandRows);
