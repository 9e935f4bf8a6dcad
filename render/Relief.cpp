#include "render/Relief.h"

void DrawRelief(CanvasOps &c, const QRect &rect, TColor light, TColor dark, int penWidth, int a, int b)
{
    const Coord L = rect.left();
    const Coord T = rect.top();
    const Coord R = Coord(rect.left()) + rect.width();
    const Coord B = Coord(rect.top()) + rect.height();
    c.setPenStyle(PenStyle::InsideFrame);
    c.setPenColor(light);
    c.setPenWidth(penWidth);
    c.MoveTo(L + a, T + a);
    c.LineTo(L + a, B - 1);
    c.MoveTo(L + a, T + a);
    c.LineTo(R - 1, T + a);
    c.setPenColor(dark);
    c.MoveTo(R - b, B - b);
    c.LineTo(R - b, T + 1);
    c.MoveTo(R - b, B - b);
    c.LineTo(L + 1, B - b);
}
