#include "toolkit/Canvas.h"

#include "toolkit/PixelSurface.h"
#include "toolkit/TextFace.h"
#include "toolkit/WideInt.h"

#include <QPainter>

#include <climits>

using raster::pinCoord;

namespace {

// Blits the glyphs of simple text whose pixels can reach the image; the pen runs from x.
void blitGlyphs(const PixelSurface &s, TextFace &face, Coord x, Coord y, QStringView text,
                std::uint32_t colour)
{
    const int margin = face.margin();
    // Whether every glyph pixel of the cell's rows lies in the image's rows.
    const bool rowsInside = y - margin >= 0 && y + face.height() + margin <= s.height();
    const qsizetype stride = s.stride();
    Coord pen = x;
    for (QChar c : text) {
        if (pen - margin >= s.width())
            break;
        const TextFace::Glyph &g = face.glyph(c);
        if (rowsInside && pen - margin >= 0 && pen + g.advance + margin <= s.width()) {
            std::uint32_t *origin = s.row(y) + pen;
            for (const TextFace::Run &r : g.runs) {
                std::uint32_t *p = origin + r.dy * stride + r.dx;
                for (int i = 0; i < r.length; ++i)
                    p[i] = colour;
            }
        } else if (pen + g.advance + margin > 0) {
            for (const TextFace::Run &r : g.runs)
                s.fill(y + r.dy, pen + r.dx, pen + r.dx + r.length - 1, colour);
        }
        pen += g.advance;
    }
}

} // namespace

QSize CanvasOps::TextExtent(const QString &text) const
{
    if (text.isEmpty())
        return {0, 0};
    TextFace &face = TextFace::get(m_state.font.name, m_state.font.pixelSize);
    return {static_cast<int>(std::min<Coord>(face.measure(text).width, INT_MAX)), face.height()};
}

void Canvas::TextOut(Coord x, Coord y, const QString &text)
{
    x = pinCoord(x);
    y = pinCoord(y);
    if (text.isEmpty())
        return;
    TextFace &face = TextFace::get(m_state.font.name, m_state.font.pixelSize);
    const TextFace::Measure measured = face.measure(text);
    const Coord w = measured.width;
    const Coord h = face.height();
    const PixelSurface s(m_image);
    if (s.valid()) {
        // Shaped text drawn by QPainter may reach further than the cell's glyph margin.
        const Coord reach = measured.simple ? face.margin() : face.height();
        damaged(x - reach, y - reach, x + w + reach, y + h + reach);
        if (m_state.brush.style == BrushStyle::Solid)
            s.fillRect(x, y, x + w, y + h, toQRgb(m_state.brush.color));
        const int margin = face.margin();
        const bool visible =
            x + w + margin > 0 && x - margin < s.width() && y + h + margin > 0 && y - margin < s.height();
        if (visible && measured.simple) {
            blitGlyphs(s, face, x, y, text, toQRgb(m_state.font.color));
        } else if (visible) {
            // Text that needs shaping is left to QPainter, which paints exact colours without
            // anti-aliasing on 32-bit images.
            QPainter painter(m_image);
            painter.setFont(face.font());
            painter.setPen(QColor::fromRgb(toQRgb(m_state.font.color)));
            painter.drawText(QPointF(static_cast<qreal>(x), static_cast<qreal>(y + face.ascent())), text);
        }
    }
    m_state.penPos = {x + w, y};
    m_state.dotPhase = 0;
}
