#include "render/OverlayPaint.h"
#include "render/ElementDrawing.h"
#include "render/Palette.h"

namespace {
constexpr int kGridStep = 15;
} // namespace

void paintOverlay(Canvas &overlayCanvas, const OverlayState &state)
{
    paintOverlayGrid(overlayCanvas, state);
    paintOverlaySelection(overlayCanvas, state);
}

bool paintOverlayGrid(Canvas &overlayCanvas, const OverlayState &state, const std::vector<QRect> *areas)
{
    if (state.locked || !state.gridVisible)
        return false;
    if (!areas)
        DrawPixelsOnPaintBox(overlayCanvas, kGridStep);
    else
        for (const QRect &area : *areas)
            DrawPixelsOnPaintBox(overlayCanvas, kGridStep, area);
    return true;
}

void paintOverlaySelection(Canvas &overlayCanvas, const OverlayState &state)
{
    if (state.locked)
        return;
    switch (state.selectedKind) {
    case ElementKind::Rectangle:
    case ElementKind::Point:
        DrawToolElement(state.selX, state.selY, state.selCaption, overlayCanvas, state.currentColor, clBlack,
                        true, false, state.selectedKind);
        break;
    case ElementKind::Line:
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

void DrawPixelsOnPaintBox(Canvas &overlayCanvas, int step, std::optional<QRect> within)
{
    if (step <= 0)
        return; // no grid rather than an endless loop
    overlayCanvas.setPixelGrid(step, 0, step, clFrameGrey, within);
}
