#include "render/DamageSet.h"

#include <algorithm>

namespace {

// Length of the boxes along a line's stroke.
constexpr Coord kStrokeChunk = 32;
// Rows and columns along the edges where the sheet's frame is drawn.
constexpr Coord kFrameBand = 4;

} // namespace

void DamageSet::reset(int width, int height)
{
    m_sheet = {0, 0, width, height};
    clear();
}

void DamageSet::clear()
{
    m_boxes.clear();
    m_strokes.clear();
    m_strokeBoxes.clear();
    m_area = 0;
    m_overflow = false;
}

bool DamageSet::grow(qint64 area)
{
    m_area += area;
    if (m_area <= m_sheet.area() / 2)
        return true;
    m_overflow = true;
    m_boxes.clear();
    m_strokes.clear();
    m_strokeBoxes.clear();
    return false;
}

void DamageSet::addBox(const PixelBox &box)
{
    if (m_overflow)
        return;
    PixelBox b = box.clipped(m_sheet);
    if (b.empty())
        return;
    // Boxes start at even rows and columns, where dotted outlines keep their pattern.
    b.l -= b.l & 1;
    b.t -= b.t & 1;
    if (grow(b.area()))
        m_boxes.push_back(b);
}

void DamageSet::addStroke(SceneItemId line, const LineEnds &e, bool removed, bool marked)
{
    if (m_overflow)
        return;
    thread_local std::vector<PixelBox> boxes;
    boxes.clear();
    ::strokeBoxes(e, m_sheet, kStrokeChunk, boxes);
    if (boxes.empty())
        return;
    // The sheet's frame is drawn over everything near the edges: there the stroke is
    // repainted as boxes.
    const PixelBox inner{kFrameBand, kFrameBand, m_sheet.r - kFrameBand, m_sheet.b - kFrameBand};
    for (const PixelBox &b : boxes) {
        if (b.clipped(inner) != b) {
            addBox(b);
            if (m_overflow)
                return;
        }
    }
    qint64 area = 0;
    for (const PixelBox &b : boxes)
        area += b.area();
    if (!grow(area))
        return;
    m_strokes.push_back(
        {line, e, m_strokeBoxes.size(), m_strokeBoxes.size() + boxes.size(), removed, marked});
    m_strokeBoxes.insert(m_strokeBoxes.end(), boxes.begin(), boxes.end());
}

std::vector<PixelBox> DamageSet::mergedBoxes() const
{
    // The old and new extents of a small move nearly coincide: boxes that overlap enough are
    // joined into their union.
    std::vector<PixelBox> boxes = m_boxes;
    std::sort(boxes.begin(), boxes.end(),
              [](const PixelBox &a, const PixelBox &b) { return a.t != b.t ? a.t < b.t : a.l < b.l; });
    std::vector<PixelBox> merged;
    for (const PixelBox &box : boxes) {
        bool joined = false;
        for (size_t k = merged.size(); k > 0 && k + 8 > merged.size() && !joined; --k) {
            PixelBox &m = merged[k - 1];
            const PixelBox u = m.united(box);
            if (u.area() <= m.area() + box.area()) {
                m = u;
                joined = true;
            }
        }
        if (!joined)
            merged.push_back(box);
    }
    return merged;
}
