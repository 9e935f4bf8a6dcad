#include "render/ElementDrawing.h"

#include <QSize>

namespace {

constexpr Coord kRectPadX = 8;      // rectangle box: extra half width beside the caption
constexpr Coord kCorner = 10;       // corner ellipse of the rounded rectangle
constexpr Coord kPointRadius = 6;   // point circle box: centre +- 6
constexpr Coord kCaptionPadX = 6;   // point caption box: extra half width
constexpr Coord kCaptionTop = 8;    // point caption box: top below the centre
constexpr Coord kCaptionExtra = 14; // point caption box: bottom = y + h + 14

void markOutline(CanvasOps &canvas)
{
    canvas.setPenColor(clWhite);
    canvas.setPenStyle(PenStyle::Dot);
    canvas.setBrushStyle(BrushStyle::Clear);
}

} // namespace

void DrawToolElement(Coord x, Coord y, const QString &caption, CanvasOps &canvas, TColor fillColor,
                     TColor penColor, bool marked, bool outline, ElementKind kind)
{
    canvas.setFontName(captionFontName());
    const QSize extent = canvas.TextExtent(caption);
    const Coord w = extent.width();
    const Coord h = extent.height();
    bool showCaption = h > 0;

    canvas.setBrushColor(fillColor);
    canvas.setPenStyle(PenStyle::Solid);
    canvas.setPenColor(penColor);
    if (outline) {
        showCaption = false;
        canvas.setPenColor(clBlack);
        canvas.setPenStyle(PenStyle::Dot);
        canvas.setBrushStyle(BrushStyle::Clear);
    }

    const Coord hw = w / 2;
    if (kind == ElementKind::Rectangle) {
        const Coord left = x - hw - kRectPadX;
        const Coord top = y - h;
        const Coord right = x + hw + kRectPadX;
        const Coord bottom = y + h;
        canvas.RoundRect(left, top, right, bottom, kCorner, kCorner);
        if (showCaption) {
            canvas.setFontColor(canvas.pen().color);
            canvas.TextOut(left + (right - left - w) / 2, top + h / 2, caption);
        }
        if (marked) {
            markOutline(canvas);
            canvas.RoundRect(left, top, right, bottom, kCorner, kCorner);
        }
    } else if (kind == ElementKind::Point) {
        canvas.setBrushColor(clPointFill);
        canvas.setPenColor(clBlack);
        canvas.Ellipse(x - kPointRadius, y - kPointRadius, x + kPointRadius, y + kPointRadius);
        canvas.setFontColor(penColor);
        if (showCaption) {
            canvas.setPenColor(clFrameGrey);
            const Coord left = x - hw - kCaptionPadX;
            const Coord top = y + kCaptionTop;
            const Coord right = x + hw + kCaptionPadX;
            const Coord bottom = y + h + kCaptionExtra;
            canvas.setBrushColor(fillColor);
            canvas.Rectangle(left, top, right, bottom);
            canvas.TextOut(left + (right - left - w) / 2, top + (bottom - top - h) / 2, caption);
        }
        if (marked) {
            markOutline(canvas);
            canvas.Ellipse(x - kPointRadius, y - kPointRadius, x + kPointRadius, y + kPointRadius);
        }
    }
    canvas.setFontColor(penColor);
}
