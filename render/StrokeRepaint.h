#pragma once

#include "render/ItemExtents.h"
#include "render/SceneItem.h"
#include "render/StrokeMask.h"
#include "toolkit/Canvas.h"

#include <QImage>

#include <cstdint>
#include <vector>

class DamageSet;
class SceneMirror;

// Repaints the changed strokes of the damage pixel by pixel: the pixels they paint outside the
// damaged boxes are cleared, and each item that may paint one of them is drawn again in a
// small window there, keeping only those pixels. The mirror's tile grids find those items.
class StrokeRepaint {
public:
    StrokeRepaint(const SceneMirror &mirror, const DamageSet &damage) : m_mirror(mirror), m_damage(damage) {}

    // Forgets the pixels, for a sheet of that size.
    void reset(int width, int height) { m_mask.reset(width, height); }
    void clear() { m_mask.clear(); }
    bool empty() const { return m_mask.empty(); }

    // Takes the pixels of the damage's strokes, as the sheet shows them before the redraw,
    // outside the boxes (which are repainted whole).
    void collect(const QImage &sheet, const std::vector<PixelBox> &boxes);
    // Repaints the pixels within the rows (which start at an even row).
    void draw(const Canvas &canvas, QImage &image, const PixelBox &rows) const;

private:
    // An item drawn again on the pixels: some of its parts within a window.
    struct MaskedDraw {
        qint64 key; // drawing order
        SceneItemId id;
        std::uint8_t parts;
        std::uint32_t firstStroke, endStroke; // whose pixels in the window are repainted
        PixelBox window;
    };
    // Everything that may paint one of the pixels within the rows.
    void collectDraws(const PixelBox &rows, std::vector<MaskedDraw> &out) const;
    // Paints the line's stroke on the pixels within the window.
    void paintStroke(std::uint32_t *sheet, qsizetype stride, const LineEnds &e, bool marked,
                     const PixelBox &window) const;

    const SceneMirror &m_mirror;
    const DamageSet &m_damage;
    StrokeMask m_mask;
};
