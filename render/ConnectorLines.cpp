#include "render/ConnectorLines.h"

#include "model/TableOps.h"
#include "render/LineParts.h"

#include <array>
#include <cmath>
#include <numbers>

namespace {

constexpr double kWing = 9.0;          // wing length of the arrow head
constexpr double kWingAngleDeg = 40.0; // first wing's angle to the direction back

QPoint centreByName(const ElementTables &tables, const QString &name)
{
    return getCoordElem_onName(name, get_bH_elem(tables, name) ? tables.HGrid : tables.PGrid);
}

} // namespace

LineEnds get_2points(const ElementTables &tables, const QString &name)
{
    const QPoint first = centreByName(tables, getNameBefore(QLatin1Char('-'), name));
    const QPoint second = centreByName(tables, getNameAfter(QLatin1Char('-'), name));
    return {first.x(), first.y(), second.x(), second.y()};
}

QPoint lineMidpoint(const LineEnds &e)
{
    // Sums of two 32-bit ints halved with truncation toward zero always fit back into an int.
    return {int((Coord(e.x1) + e.x2) / 2), int((Coord(e.y1) + e.y2) / 2)};
}

LineEnds DrawLineTool(const ElementTables &tables, CanvasOps &sheetCanvas, const QString &name,
                      const QString &text, bool selected)
{
    const LineEnds e = get_2points(tables, name);
    sheetCanvas.setFontName(captionFontName());
    DrawLineArrow(text, sheetCanvas, e.x1, e.y1, e.x2, e.y2, selected);
    return e;
}

ArrowHead arrowHeadOf(Coord x1, Coord y1, Coord x2, Coord y2)
{
    // Direction from the second end back to the first, y downward; atan2(0, 0) is 0.
    const double t = std::atan2(double(y1 - y2), double(x1 - x2));
    const double a = t + kWingAngleDeg * std::numbers::pi / 180.0;
    ArrowHead head;
    head.c = Coord(std::trunc(kWing * std::cos(a)));
    head.s = Coord(std::trunc(kWing * std::sin(a)));
    // The middle taken from the first end: halves of non-negative differences round down, so
    // the tip is the middle rounded toward the first end.
    head.px = x1 < x2 ? x1 + (x2 - x1) / 2 : x1 - (x1 - x2) / 2;
    head.py = y2 > y1 ? y1 + (y2 - y1) / 2 : y1 - (y1 - y2) / 2;
    return head;
}

void drawLineStroke(CanvasOps &canvas, Coord x1, Coord y1, Coord x2, Coord y2, bool selected)
{
    canvas.setPenStyle(PenStyle::Solid);
    canvas.setPenColor(clLineStroke);
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
    if (selected) {
        canvas.setPenStyle(PenStyle::Dot);
        canvas.MoveTo(x1, y1);
        canvas.LineTo(x2, y2);
    }
}

void drawArrowHeadAndText(CanvasOps &canvas, const ArrowHead &h, const QString &text, bool selected)
{
    // The pen keeps the stroke's style: a selected line's head has a dotted outline.
    canvas.setPenStyle(selected ? PenStyle::Dot : PenStyle::Solid);
    canvas.setBrushColor(clArrowFill);
    canvas.setPenColor(clArrowOutline);
    const std::array<CanvasPoint, 3> head{{{h.px, h.py}, {h.px + h.c, h.py + h.s}, {h.px + h.s, h.py - h.c}}};
    canvas.Polygon(head);

    canvas.setBrushColor(clWhite);
    canvas.setFontColor(clLineText);
    if (!text.isEmpty())
        canvas.TextOut(h.px + kLineTextDx, h.py + kLineTextDy, text);
}

void DrawLineArrow(const QString &text, CanvasOps &canvas, Coord x1, Coord y1, Coord x2, Coord y2,
                   bool selected)
{
    drawLineStroke(canvas, x1, y1, x2, y2, selected);
    drawArrowHeadAndText(canvas, arrowHeadOf(x1, y1, x2, y2), text, selected);
}

QPoint getPixelLine(const Canvas &sheetCanvas, int x, int y)
{
    for (Coord d = 0; d <= 3; ++d) {
        const std::array<CanvasPoint, 4> probes{{{x - d, y}, {x + d, y}, {x, y - d}, {x, y + d}}};
        for (const CanvasPoint &p : probes) {
            const std::optional<TColor> colour = sheetCanvas.pixel(p.x, p.y);
            if (colour && (*colour == clArrowOutline || *colour == clArrowFill))
                return QPoint(int(p.x), int(p.y));
        }
    }
    return QPoint(-1, -1);
}
