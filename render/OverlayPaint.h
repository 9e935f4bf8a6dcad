#pragma once

#include "model/ElementTables.h"
#include "toolkit/Canvas.h"

#include <QRect>
#include <QString>

#include <optional>
#include <vector>

// What the overlay paint draws.
struct OverlayState {
    bool locked = false;
    bool gridVisible = true;
    ElementKind selectedKind = ElementKind::None;
    int selX = -1, selY = -1, selX2 = -1, selY2 = -1;
    QString selCaption;
    TColor currentColor = clBlack;
};

// The overlay paint over a canvas that already holds the sheet picture: grid and selection.
void paintOverlay(Canvas &overlayCanvas, const OverlayState &state);
// Its two parts: the grid, drawn when the state shows one (and then returns true), and the
// selection. The grid depends only on the canvas size; given areas, only its dots in them are
// drawn.
bool paintOverlayGrid(Canvas &overlayCanvas, const OverlayState &state,
                      const std::vector<QRect> *areas = nullptr);
void paintOverlaySelection(Canvas &overlayCanvas, const OverlayState &state);

// Grey dots every `step` pixels: rows y = 0, step, ...; columns x = step, 2*step, ...
void DrawPixelsOnPaintBox(Canvas &overlayCanvas, int step, std::optional<QRect> within = {});
