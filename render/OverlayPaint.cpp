#include "render/ElementDrawing.h"
#include "render/SceneRedraw.h"

namespace {
constexpr TColor clGridDot = 0x00808080;
constexpr int kGridStep = 15;
} // namespace

void PaintBox1Paint(Canvas &overlayCanvas, const OverlayState &state)
{
    if (state.locked)
        return;
    if (state.gridVisible)
        DrawPixelsOnPaintBox(overlayCanvas, kGridStep);
    switch (state.selectedKind) {
    case KindRect:
    case KindPoint:
        DrawToolElement(state.selX, state.selY, state.selCaption, overlayCanvas, state.currentColor, clBlack,
                        true, false, state.selectedKind);
        break;
    case KindLine:
        // Over the overlay's solid white brush: black dashes with white gaps.
        overlayCanvas.setBrushColor(clWhite);
        overlayCanvas.setPenColor(clBlack);
        overlayCanvas.setPenStyle(PenStyle::Dot);
        overlayCanvas.MoveTo(state.selX, state.selY);
        overlayCanvas.LineTo(state.selX2, state.selY2);
        break;
    default:
        break;
    }
}

void DrawPixelsOnPaintBox(Canvas &overlayCanvas, int step)
{
    if (step <= 0)
        return; // no grid rather than an endless loop
    const int w = overlayCanvas.width();
    const int h = overlayCanvas.height();
    for (int y = 0; y < h; y += step)
        for (int x = step; x < w; x += step)
            overlayCanvas.setPixel(x, y, clGridDot);
}
