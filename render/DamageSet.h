#pragma once

#include "render/ConnectorLines.h"
#include "render/ItemExtents.h"
#include "render/SceneItem.h"

#include <QtGlobal>

#include <vector>

// What the next incremental redraw repaints: boxes of the sheet, cleared and drawn again whole,
// and changed line strokes, whose pixels are repainted one by one. Past half the sheet (old and
// new extents counted apart) it overflows and forgets them: a full redraw is then cheaper.
class DamageSet {
public:
    // A changed stroke, with the boxes along it (in strokeBoxes()), which bound its pixels.
    struct Stroke {
        SceneItemId line; // consecutive strokes of one line (its old and new ones) are handled together
        LineEnds ends;
        size_t firstBox = 0, endBox = 0;
        bool removed = false; // a stroke drawn on the sheet now, dotted when marked
        bool marked = false;
    };

    // Empties the set for a sheet of that size.
    void reset(int width, int height);
    // Empties the set; the sheet stays.
    void clear();

    // Adds a box, clipped to the sheet.
    void addBox(const PixelBox &box);
    // Adds the stroke between the ends of a line: drawn now (removed) or to be drawn.
    void addStroke(SceneItemId line, const LineEnds &e, bool removed, bool marked);

    bool overflowed() const { return m_overflow; }
    // The boxes, those that overlap enough joined into their union.
    std::vector<PixelBox> mergedBoxes() const;
    const std::vector<Stroke> &strokes() const { return m_strokes; }
    const std::vector<PixelBox> &strokeBoxes() const { return m_strokeBoxes; }
    const PixelBox &sheet() const { return m_sheet; }

private:
    // Counts the area in; past the limit, forgets everything and returns false.
    bool grow(qint64 area);

    PixelBox m_sheet;
    std::vector<PixelBox> m_boxes;
    std::vector<Stroke> m_strokes;
    std::vector<PixelBox> m_strokeBoxes;
    qint64 m_area = 0;
    bool m_overflow = false;
};
