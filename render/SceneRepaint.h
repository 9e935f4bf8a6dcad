#pragma once

#include "render/ItemExtents.h"
#include "render/StrokeRepaint.h"
#include "toolkit/Canvas.h"

#include <QImage>

#include <vector>

class DamageSet;
class SceneMirror;

// Repaints the damage on the sheet picture from the mirror: each box is cleared and everything
// meeting it is drawn again, clipped to it, in the order and with the pixels of the full redraw;
// the changed strokes are repainted pixel by pixel (StrokeRepaint).
class SceneRepaint {
public:
    SceneRepaint(const SceneMirror &mirror, const DamageSet &damage)
        : m_mirror(mirror), m_damage(damage), m_strokes(mirror, damage)
    {}

    // Forgets the strokes' pixels, for a sheet of that size.
    void reset(int width, int height) { m_strokes.reset(width, height); }

    // Whether the canvas holds a picture of the mirror's sheet and font that can be repainted.
    bool fits(const Canvas &canvas) const;
    // Repaints the boxes (the damage's, merged) and the damage's strokes, and logs them in the
    // canvas's damage log. `area` is their total, which sets the number of threads.
    void repaint(Canvas &canvas, const std::vector<PixelBox> &boxes, qint64 area);
    // Leaves pen, brush and font as the full redraw leaves them: its last drawing, then the frame.
    void replayLastDrawing(Canvas &canvas) const;

private:
    // Clears the area of the picture and draws everything meeting it.
    void drawArea(const Canvas &canvas, uchar *bits, const QImage &image, const PixelBox &area) const;

    const SceneMirror &m_mirror;
    const DamageSet &m_damage;
    StrokeRepaint m_strokes;
};
