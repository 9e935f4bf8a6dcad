#pragma once

#include "model/ElementTables.h"
#include "render/ConnectorLines.h"
#include "toolkit/Canvas.h"
#include "toolkit/TextList.h"

#include <functional>

// Rows per band of the full redraw: a band of an A0 sheet stays in the processor's cache while
// every line, rectangle and point crossing it is drawn.
constexpr int kSheetBandRows = 128;

// Called with a band's rows of the sheet, final (frame included), and the sheet row of its top.
using SheetBandDone = std::function<void(const QImage &rows, int top)>;

// The full redraw done band by band: each band of bandRows rows (an even number, so that dotted
// outlines keep their pattern) receives, in the usual order, everything that reaches it. Bands
// are drawn on `threads` threads; `linesFound` is told the lines on the calling thread meanwhile,
// as UpdateImageModel tells them. The picture, the lines told, the canvas state and any
// conversion error are those of drawing everything in one pass. When every cell converts,
// `bandDone` (when given) is called once per band, on the thread that drew it, as soon as the
// band is final; the bands cover the sheet. Only a pixel canvas (Canvas) is drawn in bands; any
// other is drawn in one pass.
//
// With BandPixels::Scratch and a bandDone, each thread draws its bands in a buffer of its own
// and the sheet's pixels are never touched, for a caller that only writes the bands out.
enum class BandPixels { Sheet, Scratch };
void redrawSheetInBands(const ElementTables &tables, CanvasOps &sheetCanvas, const TextList &multiSelection,
                        int bandRows, int threads = 1, const SheetBandDone &bandDone = {},
                        BandPixels where = BandPixels::Sheet, const LineEndsFound &linesFound = {});
