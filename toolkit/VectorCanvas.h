#pragma once

#include "toolkit/CanvasOps.h"

#include <QRectF>

class QPainter;

// Draws the canvas operations as vector shapes on a painter whose unit is one sheet pixel, with
// Canvas's geometry, so that the picture rasterised at 1:1 has its fills and outlines on the
// pixels Canvas sets (only slanted and curved edges and text differ, being smoothed there):
// - a shape's outline is a stroke 1 wide along the centres of its edge pixels, the box
//   [l + 0.5, r - 0.5] x [t + 0.5, b - 0.5] (corner radii a half less), and its fill lies
//   inside that stroke; a box 1 wide or high is filled with the pen colour;
// - FillRect and the cell under text with a solid brush cover [l, r) x [t, b);
// - a line from A to B is a stroke 1 wide, with flat ends, through the pixel centres shifted
//   back by half a step along its longer axis, so that it covers A's pixel and stops before B's;
// - a polygon is filled (even-odd) and stroked along its corners' pixel centres;
// - text is drawn as text in the canvas font with its baseline where Canvas puts it;
// - a dotted pen dashes one unit on, one off.
// Whatever lies wholly outside the surface is left out and long lines, rectangles and simple
// texts are cut to the surface's neighbourhood, so far-off parts cost nothing in the document.
class VectorCanvas final : public CanvasOps {
public:
    VectorCanvas(QPainter &painter, int width, int height);

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
    void usePen(qreal dashOffset);
    void useBrush();

    QPainter &m_painter;
    int m_width;
    int m_height;
};
