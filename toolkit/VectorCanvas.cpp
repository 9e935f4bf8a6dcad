#include "toolkit/VectorCanvas.h"

#include "toolkit/TextFace.h"
#include "toolkit/WideInt.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>
#include <vector>

using raster::pinCoord;

namespace {

// How far beyond the surface things are kept: further than any stroke or corner reaches.
constexpr Coord kNear = 64;
// Ellipses and corners reaching further than this beyond the surface are pinned to it, which
// keeps document coordinates small (such shapes are never drawn by the scene).
constexpr Coord kFar = Coord(1) << 24;

// Of a piece of text whose pen starts at x, what can show on a surface `width` wide: of simple
// text the characters that can reach it (or none), other text whole.
TextRun visiblePart(TextFace &face, Coord x, QStringView piece, const TextFace::Measure &measured, int width)
{
    if (!measured.simple)
        return {qreal(x), piece.toString(), measured.width, false};
    const int margin = face.margin();
    qsizetype first = 0;
    qsizetype end = piece.size();
    Coord pen = x;
    Coord at = x;
    for (qsizetype i = 0; i < piece.size(); ++i) {
        if (at - margin >= width) {
            end = i;
            break;
        }
        const int advance = face.glyph(piece[i]).advance;
        if (at + advance + margin <= 0) {
            first = i + 1;
            pen = at + advance;
        }
        at += advance;
    }
    if (first >= end)
        return {qreal(pen), QString(), 0, true};
    return {qreal(pen), piece.mid(first, end - first).toString(), at - pen, true};
}

} // namespace

void PainterSurface::use(const VectorPaint &paint)
{
    if (paint.stroke) {
        QPen pen(QColor::fromRgb(*paint.stroke), 1.0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
        if (paint.dotted) {
            pen.setDashPattern({1.0, 1.0});
            pen.setDashOffset(paint.dashOffset);
        }
        m_painter.setPen(pen);
    } else {
        m_painter.setPen(Qt::NoPen);
    }
    if (paint.fill)
        m_painter.setBrush(QColor::fromRgb(*paint.fill));
    else
        m_painter.setBrush(Qt::NoBrush);
}

void PainterSurface::rect(const QRectF &rect, const VectorPaint &paint)
{
    if (paint.fill && !paint.stroke) {
        m_painter.fillRect(rect, QColor::fromRgb(*paint.fill));
        return;
    }
    use(paint);
    m_painter.drawRect(rect);
}

void PainterSurface::ellipse(const QRectF &rect, const VectorPaint &paint)
{
    use(paint);
    m_painter.drawEllipse(rect);
}

void PainterSurface::path(const QPainterPath &path, const VectorPaint &paint)
{
    use(paint);
    m_painter.drawPath(path);
}

void PainterSurface::polygon(const QPolygonF &polygon, const VectorPaint &paint)
{
    use(paint);
    m_painter.drawPolygon(polygon, Qt::OddEvenFill);
}

void PainterSurface::line(QPointF from, QPointF to, const VectorPaint &paint)
{
    use(paint);
    m_painter.drawLine(from, to);
}

void PainterSurface::text(TextFace &face, qreal y, std::span<const TextRun> runs, QRgb colour)
{
    m_painter.setFont(face.font());
    m_painter.setPen(QColor::fromRgb(colour));
    for (const TextRun &run : runs)
        m_painter.drawText(QPointF(run.x, y), run.text);
}

VectorCanvas::VectorCanvas(VectorSurface &surface, int width, int height)
    : m_surface(surface), m_width(std::max(width, 0)), m_height(std::max(height, 0))
{}

VectorCanvas::VectorCanvas(QPainter &painter, int width, int height)
    : m_own(std::make_unique<PainterSurface>(painter)), m_surface(*m_own), m_width(std::max(width, 0)),
      m_height(std::max(height, 0))
{}

VectorCanvas::~VectorCanvas() = default;

bool VectorCanvas::nearSurface(Coord l, Coord t, Coord r, Coord b) const
{
    return r > -kNear && l < m_width + kNear && b > -kNear && t < m_height + kNear;
}

bool VectorCanvas::onSurface(Coord l, Coord t, Coord r, Coord b) const
{
    return r > 0 && l < m_width && b > 0 && t < m_height;
}

VectorPaint VectorCanvas::penPaint(qreal dashOffset) const
{
    const Pen &p = m_state.pen;
    return {std::nullopt, toQRgb(p.color), p.style == PenStyle::Dot, dashOffset};
}

std::optional<QRgb> VectorCanvas::brushFill() const
{
    if (m_state.brush.style == BrushStyle::Solid)
        return toQRgb(m_state.brush.color);
    return std::nullopt;
}

void VectorCanvas::FillRect(Coord l, Coord t, Coord r, Coord b)
{
    if (m_state.brush.style != BrushStyle::Solid)
        return;
    l = pinCoord(l), t = pinCoord(t), r = pinCoord(r), b = pinCoord(b);
    if (l > r)
        std::swap(l, r);
    if (t > b)
        std::swap(t, b);
    if (l == r || t == b || !onSurface(l, t, r, b))
        return;
    l = std::max(l, -kNear), t = std::max(t, -kNear);
    r = std::min(r, m_width + kNear), b = std::min(b, m_height + kNear);
    m_surface.rect(QRectF(qreal(l), qreal(t), qreal(r - l), qreal(b - t)), {brushFill(), std::nullopt});
}

void VectorCanvas::Rectangle(Coord l, Coord t, Coord r, Coord b)
{
    drawShape(Shape::Rect, l, t, r, b, 0, 0);
}

void VectorCanvas::RoundRect(Coord l, Coord t, Coord r, Coord b, Coord cornerW, Coord cornerH)
{
    drawShape(Shape::Round, l, t, r, b, cornerW, cornerH);
}

void VectorCanvas::Ellipse(Coord l, Coord t, Coord r, Coord b)
{
    drawShape(Shape::Ellipse, l, t, r, b, 0, 0);
}

void VectorCanvas::drawShape(Shape shape, Coord l, Coord t, Coord r, Coord b, Coord cornerW, Coord cornerH)
{
    l = pinCoord(l), t = pinCoord(t), r = pinCoord(r), b = pinCoord(b);
    if (l > r)
        std::swap(l, r);
    if (t > b)
        std::swap(t, b);
    if (l == r || t == b || !nearSurface(l, t, r, b))
        return;
    // Corners as Canvas takes them: at most the box's size, none when either is 0.
    if (shape == Shape::Ellipse) {
        cornerW = r - l;
        cornerH = b - t;
    } else if (shape == Shape::Round) {
        cornerW = std::min(std::abs(pinCoord(cornerW)), r - l);
        cornerH = std::min(std::abs(pinCoord(cornerH)), b - t);
        // Corners of one or two pixels take the whole corner pixels, as square ones do.
        if (cornerW <= 2 || cornerH <= 2)
            shape = Shape::Rect;
    }
    // A straight edge far outside is brought near: what shows on the surface stays the same.
    if (shape != Shape::Ellipse) {
        const Coord reachX = kNear + (shape == Shape::Round ? cornerW : 0);
        const Coord reachY = kNear + (shape == Shape::Round ? cornerH : 0);
        l = std::max(l, -reachX), r = std::min(r, m_width + reachX);
        t = std::max(t, -reachY), b = std::min(b, m_height + reachY);
    }
    l = std::max(l, -kFar), r = std::min(r, m_width + kFar);
    t = std::max(t, -kFar), b = std::min(b, m_height + kFar);
    cornerW = std::min(cornerW, r - l), cornerH = std::min(cornerH, b - t);

    const Pen &pen = m_state.pen;
    if (r - l < 2 || b - t < 2) {
        // Every pixel of the shape is an outline pixel.
        m_surface.rect(QRectF(qreal(l), qreal(t), qreal(r - l), qreal(b - t)),
                       {toQRgb(pen.color), std::nullopt});
        return;
    }
    const QRectF outer(qreal(l), qreal(t), qreal(r - l), qreal(b - t));
    const QRectF inner = outer.adjusted(0.5, 0.5, -0.5, -0.5);
    if (shape == Shape::Round) {
        drawRoundRect(outer, inner, qreal(cornerW) / 2, qreal(cornerH) / 2);
        return;
    }
    VectorPaint paint = penPaint(0);
    if (pen.style == PenStyle::Dot && m_state.brush.style == BrushStyle::Solid) {
        // The gaps between the dots take the brush colour.
        const VectorPaint gaps{brushFill(), std::nullopt};
        if (shape == Shape::Rect)
            m_surface.rect(outer, gaps);
        else
            m_surface.ellipse(outer, gaps);
    } else {
        paint.fill = brushFill();
    }
    if (shape == Shape::Rect)
        m_surface.rect(inner, paint);
    else
        m_surface.ellipse(inner, paint);
}

void VectorCanvas::drawRoundRect(const QRectF &outer, const QRectF &inner, qreal rx, qreal ry)
{
    if (m_state.brush.style == BrushStyle::Solid) {
        // The fill reaches the middle of the outline, or under a dotted one its outer edge (to
        // colour the gaps): some rasterisers let a fill ending on a pixel's edge tint that pixel.
        QPainterPath fill;
        if (m_state.pen.style == PenStyle::Dot)
            fill.addRoundedRect(outer, rx, ry);
        else
            fill.addRoundedRect(inner, rx - 0.5, ry - 0.5);
        m_surface.path(fill, {brushFill(), std::nullopt});
    }
    const VectorPaint stroke = penPaint(0);
    // The straight edges and the corners are separate paths: rasterisers align thin straight
    // strokes to whole pixels only in paths without curves.
    rx -= 0.5, ry -= 0.5;
    QPainterPath edges;
    const auto edge = [&edges](QPointF from, QPointF to) {
        if (from != to) {
            edges.moveTo(from);
            edges.lineTo(to);
        }
    };
    edge({inner.left() + rx, inner.top()}, {inner.right() - rx, inner.top()});
    edge({inner.right(), inner.top() + ry}, {inner.right(), inner.bottom() - ry});
    edge({inner.right() - rx, inner.bottom()}, {inner.left() + rx, inner.bottom()});
    edge({inner.left(), inner.bottom() - ry}, {inner.left(), inner.top() + ry});
    if (!edges.isEmpty())
        m_surface.path(edges, stroke);
    QPainterPath corners;
    const QSizeF size(2 * rx, 2 * ry);
    const auto corner = [&corners, size](QPointF topLeft, qreal startAngle) {
        const QRectF box(topLeft, size);
        corners.arcMoveTo(box, startAngle);
        corners.arcTo(box, startAngle, 90);
    };
    corner(inner.topLeft(), 90);
    corner({inner.right() - 2 * rx, inner.top()}, 0);
    corner({inner.right() - 2 * rx, inner.bottom() - 2 * ry}, 270);
    corner({inner.left(), inner.bottom() - 2 * ry}, 180);
    m_surface.path(corners, stroke);
}

void VectorCanvas::Polygon(std::span<const CanvasPoint> points)
{
    if (points.empty())
        return;
    Coord minX = pinCoord(points[0].x), maxX = minX, minY = pinCoord(points[0].y), maxY = minY;
    for (const CanvasPoint &p : points) {
        minX = std::min(minX, pinCoord(p.x)), maxX = std::max(maxX, pinCoord(p.x));
        minY = std::min(minY, pinCoord(p.y)), maxY = std::max(maxY, pinCoord(p.y));
    }
    if (!nearSurface(minX, minY, maxX + 1, maxY + 1))
        return;
    QPolygonF polygon;
    polygon.reserve(qsizetype(points.size()));
    for (const CanvasPoint &p : points) {
        const Coord x = std::clamp(pinCoord(p.x), -kFar, m_width + kFar);
        const Coord y = std::clamp(pinCoord(p.y), -kFar, m_height + kFar);
        polygon << QPointF(qreal(x) + 0.5, qreal(y) + 0.5);
    }
    VectorPaint paint = penPaint(0);
    paint.fill = brushFill();
    m_surface.polygon(polygon, paint);
}

void VectorCanvas::LineTo(Coord x, Coord y)
{
    const Coord ax = pinCoord(m_state.penPos.x), ay = pinCoord(m_state.penPos.y);
    const Coord bx = pinCoord(x), by = pinCoord(y);
    m_state.penPos = {x, y};
    const Coord dx = bx - ax, dy = by - ay;
    const Coord steps = std::max(std::abs(dx), std::abs(dy));
    const std::uint32_t phase = m_state.dotPhase;
    m_state.dotPhase = (phase + static_cast<std::uint32_t>(steps & 1)) & 1;
    if (steps == 0)
        return;
    // Through the pixel centres, shifted back by half a step along the longer axis.
    using Real = long double;
    const Real shiftX = Real(dx) / (2 * Real(steps));
    const Real shiftY = Real(dy) / (2 * Real(steps));
    const Real x0 = Real(ax) + 0.5L - shiftX, y0 = Real(ay) + 0.5L - shiftY;
    const Real ex = Real(dx), ey = Real(dy);
    // The part within the surface's neighbourhood (Liang-Barsky): p t <= q for each side.
    Real t0 = 0, t1 = 1;
    const auto within = [&](Real p, Real q) {
        if (p == 0)
            return q >= 0;
        const Real t = q / p;
        if (p < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        return t0 < t1;
    };
    const Real lo = -Real(kNear);
    if (!within(-ex, x0 - lo) || !within(ex, Real(m_width + kNear) - x0) || !within(-ey, y0 - lo) ||
        !within(ey, Real(m_height + kNear) - y0))
        return;
    const QPointF from(double(x0 + t0 * ex), double(y0 + t0 * ey));
    const QPointF to(double(x0 + t1 * ex), double(y0 + t1 * ey));
    // Dots continue from where the cut-off part would have left them.
    const Real skipped = t0 * std::hypot(ex, ey);
    m_surface.line(from, to, penPaint(double(std::fmod(Real(phase) + skipped, 2.0L))));
}

void VectorCanvas::TextOut(Coord x, Coord y, const QString &text)
{
    x = pinCoord(x);
    y = pinCoord(y);
    if (text.isEmpty())
        return;
    TextFace &face = TextFace::get(m_state.font.name, m_state.font.pixelSize);
    const TextFace::Measure measured = face.measure(text);
    const Coord w = measured.width;
    const Coord h = face.height();
    m_state.penPos = {x + w, y};
    m_state.dotPhase = 0;
    const int margin = face.margin();
    if (!nearSurface(x - margin, y - margin, x + w + margin, y + h + margin))
        return;
    FillRect(x, y, x + w, y + h);
    const int reach = face.inkReach(text);
    if (!onSurface(x - reach, y - reach, x + w + reach, y + h + reach))
        return;
    // The pieces between tabs, each from its tab stop (Qt's: the next multiple of a tab's width
    // from the text's start) and of what can show, only the characters that can show.
    std::vector<TextRun> runs;
    const QStringView all(text);
    Coord tabStop = 0;
    Coord at = x;
    for (qsizetype start = 0; start <= all.size();) {
        qsizetype end = all.indexOf(QLatin1Char('\t'), start);
        if (end < 0)
            end = all.size();
        const QStringView piece = all.mid(start, end - start);
        const TextFace::Measure m = piece.size() == all.size() ? measured : face.measure(piece);
        if (at - margin >= m_width)
            break;
        if (!piece.isEmpty() && at + m.width + margin > 0)
            if (TextRun run = visiblePart(face, at, piece, m, m_width); !run.text.isEmpty())
                runs.push_back(std::move(run));
        at += m.width;
        if (end < all.size()) {
            if (tabStop == 0)
                tabStop = std::max<Coord>(face.measure(u"\t").width, 1);
            at = x + ((at - x) / tabStop + 1) * tabStop;
        }
        start = end + 1;
    }
    if (!runs.empty())
        m_surface.text(face, qreal(y + face.ascent()), runs, toQRgb(m_state.font.color));
}
