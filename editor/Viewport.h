#pragma once

#include "editor/EditorTypes.h"
#include "toolkit/ShiftState.h"
#include "toolkit/ViewScale.h"

#include <QPoint>
#include <QSize>

#include <functional>

struct EditorTestAccess;

// The view transform: where the scaled sheet lies in the drawing area and at which scale. It maps
// view pixels to sheet pixels, zooms about a point, scrolls, pans and centres on a sheet point
// within its limits, and adds up the wheel's turns. The sheet's size (sheet pixels) and the drawing area's
// size (view pixels) are read from the owner at each use.
//
// Until a zoom is used, and again after Actual Size, the limits are those of panning: a sheet
// side shorter than the area stays at the area's edge, a longer one never shows a gap past its
// far edge. Once zoomed, the sheet may lie past them with the drawing area's background around
// it, so that a zoom keeps the sheet point under the pointer wherever that is on the sheet (only
// a zoom about a point off the sheet is held back, so that some of the sheet stays in view).
// Scrolling and panning then bring such a sheet back towards those limits but never take it
// further out, and leave a side that is wholly in view where it is.
class Viewport {
public:
    using SizeSource = std::function<QSize()>;
    Viewport(SizeSource sheetSize, SizeSource areaSize);

    // --- The transform ---
    const ViewScale &scale() const { return m_scale; }
    // The scaled sheet's top-left corner in the drawing area, in view pixels.
    int sheetLeft() const { return m_left; }
    int sheetTop() const { return m_top; }
    // The sheet's size in view pixels.
    int viewWidth() const;
    int viewHeight() const;
    // The sheet pixel that view pixel v, counted from the scaled sheet's corner, shows.
    int sheetX(int vx) const;
    int sheetY(int vy) const;
    // The sheet pixel under a pixel of the drawing area.
    QPoint areaToSheet(QPoint area) const;
    // Whether a zoom other than Actual Size has loosened the limits.
    bool zoomed() const { return m_zoomed; }

    // --- Zoom ---
    // The scale `steps` steps of the ladder in (steps > 0) or out from the current one.
    ViewScale stepped(int steps) const;
    // Changes the scale keeping the sheet point under `about` (a drawing-area pixel) under it;
    // a run of zooms about the same pixel keeps the first point exactly, without rounding
    // drift.
    void zoomTo(const ViewScale &scale, QPoint about);
    // 100 % about `about`, within the limits of panning again.
    void actualSize(QPoint about);
    // The largest scale showing the whole sheet (within 10 % to 1,600 %), centred.
    void fitSheet();

    // --- Scrolling ---
    // Scrolls by (dx, dy) view pixels: positive shows more of the right and bottom.
    void scrollBy(int dx, int dy);
    // Shows a sheet pixel in the middle of the area, as far as the limits allow.
    void centreOn(QPoint sheet);
    // The drag pan (MoveSheet): moves the sheet towards (X, Y), view pixels from the sheet's
    // corner, by the distance from the pan anchor. Returns false when the distance is under 5
    // pixels on both axes and nothing moved.
    bool pan(int X, int Y);
    // Shift+arrow: a pan of 20 pixels, as a drag would make it.
    void scrollStep(Direction direction);
    // Where the last press on the sheet was, view pixels from its corner: the next pan's anchor.
    void setPanAnchor(int vx, int vy);
    int panAnchorX() const { return m_panAnchorX; }
    int panAnchorY() const { return m_panAnchorY; }
    int panStepX() const { return m_panStepX; }
    int panStepY() const { return m_panStepY; }

    // One turn of the wheel (its angle delta, 120 a notch). With Ctrl it zooms by the whole
    // steps the turns add up to, a touchpad's smaller turns included; otherwise it scrolls 60
    // view pixels a notch, across with Shift.
    struct WheelTurn {
        bool zoom = false;
        int steps = 0;
        int dx = 0, dy = 0;
    };
    WheelTurn wheel(QPoint angleDelta, ShiftState keys);

    // The start of a new scheme: corner and pan state back to 0; the scale stays.
    void reset();

private:
    friend struct EditorTestAccess;

    // The limits of panning, on each axis.
    void clampToPanLimits();

    SizeSource m_sheetSize, m_areaSize;
    ViewScale m_scale;
    int m_left = 0, m_top = 0;
    bool m_zoomed = false;
    int m_panAnchorX = 0, m_panAnchorY = 0, m_panStepX = 0, m_panStepY = 0;
    int m_wheelTurn = 0; // a Ctrl+wheel turn short of a notch
    // The sheet point (x / den, y / den) that the last zoom kept under the area pixel `at`, and
    // the corner it left: the next zoom about the same pixel from the same corner keeps it.
    struct Anchor {
        bool valid = false;
        QPoint at, corner;
        qint64 x = 0, y = 0, den = 1;
    } m_zoomAnchor;
};
