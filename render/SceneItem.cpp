#include "render/SceneItem.h"

#include "render/ElementDrawing.h"

#include <algorithm>
#include <climits>

namespace {

// Drawing order: lines, then rectangles, then points.
int rankOf(ElementKind kind)
{
    return kind == ElementKind::Line ? 0 : kind == ElementKind::Rectangle ? 1 : 2;
}

} // namespace

qint64 SceneItem::drawKey() const
{
    return qint64(rankOf(kind)) << 60 | order;
}

std::uint8_t SceneItem::partsMeeting(const ItemShape &shape, const PixelBox &area) const
{
    const bool inBox = shape.box.box().meets(area);
    if (kind != ElementKind::Line)
        return inBox ? Body : 0;
    return (StrokeSpan(ends).meets(area) ? Stroke : 0) | (inBox ? HeadAndText : 0);
}

void SceneItem::draw(Canvas &c, std::uint8_t parts, const PixelBox &area) const
{
    const Coord x0 = area.l, y0 = area.t;
    if (kind != ElementKind::Line) {
        DrawToolElement(x - x0, y - y0, caption, c, colour, clBlack, marked, false, kind);
        return;
    }
    const LineEnds &e = ends;
    if (parts & Stroke)
        drawLineStroke(c, e.x1 - x0, e.y1 - y0, e.x2 - x0, e.y2 - y0, marked);
    if (parts & HeadAndText) {
        ArrowHead h = arrowHeadOf(e.x1, e.y1, e.x2, e.y2);
        h.px -= x0;
        h.py -= y0;
        drawArrowHeadAndText(c, h, caption, marked);
    }
}

Box32::Box32(const PixelBox &box)
{
    const auto clamp = [](Coord v) { return std::int32_t(std::clamp<Coord>(v, INT_MIN, INT_MAX)); };
    l = clamp(box.l);
    t = clamp(box.t);
    r = clamp(box.r);
    b = clamp(box.b);
}
