#pragma once

#include "toolkit/CanvasOps.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>
#include <QRgb>

#include <memory>
#include <optional>
#include <span>

class QPainter;
class TextFace;

// How a shape is painted: filled (even-odd) and outlined by a stroke 1 wide with flat ends and
// mitred corners (limit 2), solid or dotted (one unit on, one off, starting dashOffset in).
struct VectorPaint {
    std::optional<QRgb> fill;
    std::optional<QRgb> stroke;
    bool dotted = false;
    qreal dashOffset = 0;
};

// A piece of a text line drawn from its own x: the text up to the first tab, then the text after
// each tab, which starts at the tab stop the bitmap uses.
struct TextRun {
    qreal x = 0;
    QString text;
    Coord width = 0;    // as the bitmap measures it
    bool simple = true; // its characters stand side by side at the face's advances
};

// What VectorCanvas draws on, in sheet units: a painter (PDF) or an SVG document.
class VectorSurface {
public:
    virtual ~VectorSurface() = default;
    virtual void rect(const QRectF &rect, const VectorPaint &paint) = 0;
    virtual void ellipse(const QRectF &rect, const VectorPaint &paint) = 0;
    virtual void path(const QPainterPath &path, const VectorPaint &paint) = 0;
    // Closed back to the first point.
    virtual void polygon(const QPolygonF &polygon, const VectorPaint &paint) = 0;
    virtual void line(QPointF from, QPointF to, const VectorPaint &paint) = 0;
    // A line of text in `face` with its baseline at y; runs are in order, none empty.
    virtual void text(TextFace &face, qreal y, std::span<const TextRun> runs, QRgb colour) = 0;
};

// The surface of a painter whose unit is one sheet pixel.
class PainterSurface final : public VectorSurface {
public:
    explicit PainterSurface(QPainter &painter) : m_painter(painter) {}
    void rect(const QRectF &rect, const VectorPaint &paint) override;
    void ellipse(const QRectF &rect, const VectorPaint &paint) override;
    void path(const QPainterPath &path, const VectorPaint &paint) override;
    void polygon(const QPolygonF &polygon, const VectorPaint &paint) override;
    void line(QPointF from, QPointF to, const VectorPaint &paint) override;
    void text(TextFace &face, qreal y, std::span<const TextRun> runs, QRgb colour) override;

private:
    void use(const VectorPaint &paint);
    QPainter &m_painter;
};

// Draws the canvas operations as vector shapes on a surface whose unit is one sheet pixel, with
// Canvas's geometry, so that the picture rasterised at 1:1 has its fills and outlines on the
// pixels Canvas sets (only slanted and curved edges and text differ, being smoothed there):
// - a shape's outline is a stroke 1 wide along the centres of its edge pixels, the box
//   [l + 0.5, r - 0.5] x [t + 0.5, b - 0.5] (corner radii a half less), and its fill lies
//   inside that stroke; a box 1 wide or high is filled with the pen colour;
// - FillRect and the cell under text with a solid brush cover [l, r) x [t, b);
// - a line from A to B is a stroke 1 wide, with flat ends, through the pixel centres shifted
//   back by half a step along its longer axis, so that it covers A's pixel and stops before B's;
// - a polygon is filled (even-odd) and stroked along its corners' pixel centres;
// - text is drawn as text in the canvas font with its baseline where Canvas puts it, the text
//   after a tab from the tab stop;
// - a dotted pen dashes one unit on, one off.
// Fills and texts that cannot reach the surface are left out, and so is whatever else lies
// wholly outside its neighbourhood; long lines, rectangles and simple texts are cut to that
// neighbourhood, so far-off parts cost nothing in the document.
class VectorCanvas final : public CanvasOps {
public:
    VectorCanvas(VectorSurface &surface, int width, int height);
    VectorCanvas(QPainter &painter, int width, int height);
    ~VectorCanvas() override;

    int width() const override { return m_width; }
    int height() const override { return m_height; }

    void FillRect(Coord l, Coord t, Coord r, Coord b) override;
    void Rectangle(Coord l, Coord t, Coord r, Coord b) override;
    void RoundRect(Coord l, Coord t, Coord r, Coord b, Coord cornerW, Coord cornerH) override;
    void Ellipse(Coord l, Coord t, Coord r, Coord b) override;
    void Polygon(std::span<const CanvasPoint> points) override;
    void LineTo(Coord x, Coord y) override;
    void TextOut(Coord x, Coord y, const QString &text) override;

private:
    enum class Shape { Rect, Round, Ellipse };
    void drawShape(Shape shape, Coord l, Coord t, Coord r, Coord b, Coord cornerW, Coord cornerH);
    void drawRoundRect(const QRectF &outer, const QRectF &inner, qreal rx, qreal ry);
    // Whether [l, r) x [t, b) (ordered) reaches the surface or its near neighbourhood.
    bool nearSurface(Coord l, Coord t, Coord r, Coord b) const;
    // Whether [l, r) x [t, b) (ordered) meets the surface.
    bool onSurface(Coord l, Coord t, Coord r, Coord b) const;
    VectorPaint penPaint(qreal dashOffset) const;
    std::optional<QRgb> brushFill() const;

    std::unique_ptr<VectorSurface> m_own;
    VectorSurface &m_surface;
    int m_width;
    int m_height;
};
