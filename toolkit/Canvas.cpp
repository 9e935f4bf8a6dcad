#include "toolkit/Canvas.h"

#include "toolkit/LineRaster.h"
#include "toolkit/PixelSurface.h"
#include "toolkit/ShapeRaster.h"

#include <vector>

using raster::pinCoord;
using raster::RowShape;
using raster::Span;

namespace {

// How the pen and brush colour pixels. A dotted pen paints every other pixel ("dashes" of one
// pixel): along a line, pixels at an even distance from the line's first point, where a
// polyline of LineTo calls counts on from the previous segment and MoveTo starts anew; on a
// shape's outline, pixels of horizontal runs at an even x and other outline pixels at an even y,
// which alternates along edges running in any direction. The gaps take the brush colour when
// the brush is solid and are left alone when it is clear. Pens are one pixel wide; an
// inside-frame pen draws as a solid one.
struct Paint {
    std::uint32_t pen;
    std::uint32_t brush;
    bool dotted;
    bool brushSolid;

    Paint(const Pen &p, const Brush &b)
        : pen(toQRgb(p.color)), brush(toQRgb(b.color)), dotted(p.style == PenStyle::Dot),
          brushSolid(b.style == BrushStyle::Solid)
    {}

    void dot(const PixelSurface &s, Coord x, Coord y, bool on) const
    {
        if (on)
            s.row(y)[x] = pen;
        else if (brushSolid)
            s.row(y)[x] = brush;
    }

    // Outline pixels first..last (a run of the shape's outline) of row y.
    void outline(const PixelSurface &s, Coord y, Coord first, Coord last) const
    {
        if (first > last)
            return;
        if (!dotted) {
            s.fill(y, first, last, pen);
            return;
        }
        const bool horizontal = last > first;
        const Coord from = std::max<Coord>(first, 0);
        const Coord to = std::min<Coord>(last, s.width() - 1);
        for (Coord x = from; x <= to; ++x)
            dot(s, x, y, ((horizontal ? x : y) & 1) == 0);
    }
};

// Outlines with the pen and fills with the brush a shape given row by row; the outline is the
// shape's pixels that have one of their four neighbours outside it.
void drawShape(QImage *image, const Paint &paint, const RowShape &shape)
{
    const PixelSurface s(image);
    if (!s.valid())
        return;
    const Coord top = std::max<Coord>(shape.top(), 0);
    const Coord bottom = std::min<Coord>(shape.bottom(), s.height());
    if (top >= bottom)
        return;
    Span above = shape.row(top - 1);
    Span current = shape.row(top);
    for (Coord y = top; y < bottom; ++y) {
        const Span below = shape.row(y + 1);
        if (!current.empty()) {
            Coord innerFirst = current.first + 1;
            Coord innerLast = current.last - 1;
            if (above.empty() || below.empty()) {
                innerLast = innerFirst - 1;
            } else {
                innerFirst = std::max({innerFirst, above.first, below.first});
                innerLast = std::min({innerLast, above.last, below.last});
            }
            if (innerFirst > innerLast) {
                paint.outline(s, y, current.first, current.last);
            } else {
                paint.outline(s, y, current.first, innerFirst - 1);
                paint.outline(s, y, innerLast + 1, current.last);
                if (paint.brushSolid)
                    s.fill(y, innerFirst, innerLast, paint.brush);
            }
        }
        above = current;
        current = below;
    }
}

// Draws the line from (x0, y0) toward (x1, y1) without its end point; `phase` is the dot count
// at the first point and is advanced past the line.
void drawLine(QImage *image, const Paint &paint, Coord x0, Coord y0, Coord x1, Coord y1, std::uint32_t &phase)
{
    const PixelSurface s(image);
    const raster::LineDraw run = raster::lineDraw(x0, y0, x1, y1, s.width(), s.height());
    const std::uint32_t startPhase = phase;
    phase = (phase + static_cast<std::uint32_t>(run.stepsOdd)) & 1;
    if (!s.valid() || run.empty)
        return;
    const raster::LineWalk &w = run.walk;
    const qsizetype stride = s.stride();
    const qsizetype xStep = run.xMajor ? run.majorSign : run.minorSign;
    const qsizetype yStep = (run.xMajor ? run.minorSign : run.majorSign) * stride;
    const qsizetype majorStep = run.xMajor ? xStep : yStep;
    const qsizetype minorStep = run.xMajor ? yStep : xStep;
    std::uint32_t *p = s.row(w.y) + w.x;
    std::int64_t rem = w.rem;
    // Steps happen between pixels only, so the pointer never leaves the image.
    auto step = [&] {
        p += majorStep;
        rem += w.twiceMinor;
        if (rem >= w.twiceMajor) {
            rem -= w.twiceMajor;
            p += minorStep;
        }
    };
    if (!paint.dotted) {
        *p = paint.pen;
        for (std::int64_t k = w.count - 1; k > 0; --k) {
            step();
            *p = paint.pen;
        }
        return;
    }
    bool on = ((startPhase + static_cast<std::uint32_t>(w.parity)) & 1) == 0;
    for (std::int64_t k = w.count; k > 0; --k) {
        if (on)
            *p = paint.pen;
        else if (paint.brushSolid)
            *p = paint.brush;
        on = !on;
        if (k > 1)
            step();
    }
}

} // namespace

Canvas::Canvas(QImage *image) : m_image(image)
{}

void Canvas::markAllDamaged()
{
    if (m_damage && m_image && m_damage->watched() == m_image)
        m_damage->addAll();
}

int Canvas::width() const
{
    return m_image ? m_image->width() : 0;
}

int Canvas::height() const
{
    return m_image ? m_image->height() : 0;
}

void Canvas::FillRect(Coord l, Coord t, Coord r, Coord b)
{
    if (m_state.brush.style != BrushStyle::Solid)
        return;
    const PixelSurface s(m_image);
    if (!s.valid())
        return;
    l = pinCoord(l), t = pinCoord(t), r = pinCoord(r), b = pinCoord(b);
    damaged(std::min(l, r), std::min(t, b), std::max(l, r), std::max(t, b));
    s.fillRect(std::min(l, r), std::min(t, b), std::max(l, r), std::max(t, b), toQRgb(m_state.brush.color));
}

void Canvas::Rectangle(Coord l, Coord t, Coord r, Coord b)
{
    damagedBox(l, t, r, b);
    drawShape(m_image, Paint(m_state.pen, m_state.brush), RowShape::rectangle(l, t, r, b));
}

void Canvas::RoundRect(Coord l, Coord t, Coord r, Coord b, Coord cornerW, Coord cornerH)
{
    damagedBox(l, t, r, b);
    drawShape(m_image, Paint(m_state.pen, m_state.brush), RowShape::roundRect(l, t, r, b, cornerW, cornerH));
}

void Canvas::Ellipse(Coord l, Coord t, Coord r, Coord b)
{
    damagedBox(l, t, r, b);
    drawShape(m_image, Paint(m_state.pen, m_state.brush), RowShape::ellipse(l, t, r, b));
}

void Canvas::Polygon(std::span<const CanvasPoint> points)
{
    if (points.empty())
        return;
    {
        Coord minX = points[0].x, maxX = minX, minY = points[0].y, maxY = minY;
        for (const CanvasPoint &p : points) {
            minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
            minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
        }
        damagedBox(minX, minY, maxX, maxY);
    }
    const Paint paint(m_state.pen, m_state.brush);
    const PixelSurface s(m_image);
    if (s.valid() && paint.brushSolid) {
        Coord minY = pinCoord(points[0].y);
        Coord maxY = minY;
        for (const CanvasPoint &p : points) {
            minY = std::min(minY, pinCoord(p.y));
            maxY = std::max(maxY, pinCoord(p.y));
        }
        thread_local std::vector<Coord> crossings; // reused between calls
        const Coord bottom = std::min<Coord>(maxY, s.height());
        for (Coord y = std::max<Coord>(minY, 0); y < bottom; ++y) {
            raster::polygonCrossings(points, y, crossings);
            for (size_t i = 0; i + 1 < crossings.size(); i += 2)
                s.fill(y, crossings[i], crossings[i + 1] - 1, paint.brush);
        }
    }
    std::uint32_t phase = 0;
    for (size_t i = 0; i < points.size(); ++i) {
        const CanvasPoint &a = points[i];
        const CanvasPoint &b = points[(i + 1) % points.size()];
        drawLine(m_image, paint, a.x, a.y, b.x, b.y, phase);
    }
}

void Canvas::LineTo(Coord x, Coord y)
{
    damagedBox(m_state.penPos.x, m_state.penPos.y, x, y);
    drawLine(m_image, Paint(m_state.pen, m_state.brush), m_state.penPos.x, m_state.penPos.y, x, y,
             m_state.dotPhase);
    m_state.penPos = {x, y};
}

std::optional<TColor> Canvas::pixel(Coord x, Coord y) const
{
    if (!m_image || x < 0 || y < 0 || x >= m_image->width() || y >= m_image->height())
        return std::nullopt;
    return fromQRgb(m_image->pixel(static_cast<int>(x), static_cast<int>(y)));
}

void Canvas::setPixel(Coord x, Coord y, TColor color)
{
    if (!m_image || x < 0 || y < 0 || x >= m_image->width() || y >= m_image->height())
        return;
    damaged(x, y, x + 1, y + 1);
    PixelSurface(m_image).put(x, y, toQRgb(color));
}

void Canvas::setPixelGrid(Coord x0, Coord y0, Coord step, TColor color, std::optional<QRect> within)
{
    const PixelSurface s(m_image);
    if (!s.valid() || step <= 0)
        return;
    QRect area(0, 0, s.width(), s.height());
    if (within)
        area &= *within;
    if (area.isEmpty())
        return;
    // The first grid position at or after `from`, starting at `origin`.
    const auto first = [step](Coord origin, Coord from) {
        return origin >= from ? origin : origin + ((from - origin + step - 1) / step) * step;
    };
    const Coord left = first(pinCoord(x0), area.left());
    const Coord top = first(pinCoord(y0), area.top());
    const Coord right = Coord(area.right()) + 1, bottom = Coord(area.bottom()) + 1;
    if (left >= right || top >= bottom)
        return;
    damaged(left, top, right, bottom);
    const std::uint32_t value = toQRgb(color);
    for (Coord y = top; y < bottom; y += step) {
        std::uint32_t *row = s.row(y);
        for (Coord x = left; x < right; x += step)
            row[x] = value;
    }
}
