#pragma once

#include "toolkit/CanvasOps.h"
#include "toolkit/DamageLog.h"

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

#include <algorithm>
#include <optional>

// Drawing surface over a QImage (Format_RGB32) with exact, non-anti-aliased pixel rules:
// - Rectangle, RoundRect and Ellipse given (l, t, r, b) cover columns l..r-1 and rows t..b-1,
//   outlined with the pen and filled with the brush (a clear brush leaves the inside alone);
//   reversed corners are swapped; a box of no width or height draws nothing;
// - an ellipse or rounded rectangle (corners: quarter ellipses of cornerW x cornerH) takes the
//   pixels whose centres lie inside the continuous shape inscribed in [l, r] x [t, b]; its
//   outline is those of its pixels with a 4-neighbour outside it;
// - a dotted pen draws one pixel on, one off; its gaps take the brush colour when the brush is
//   solid, else stay untouched; pens draw one pixel wide, an inside-frame pen as a solid one;
// - a line from A to B paints A and not B (Bresenham); LineTo continues the dot count of the
//   previous LineTo, MoveTo starts it anew;
// - a polygon takes the pixels inside the figure through its points (even-odd), then its edges
//   are drawn as lines, closed back to the first point; the pen position is not moved;
// - TextOut at (x, y) puts the text cell's top-left corner there; a solid brush paints the
//   whole cell first; every glyph pixel has exactly the font colour; the pen position moves to
//   the cell's top-right corner;
// - an empty text measures 0 x 0; font "tahoma" is the caption font (toolkit/CaptionFont.h);
// - every operation clips to the image and paints exactly the visible pixels of the unclipped
//   shape; coordinates beyond +-2^60 are pinned to that bound;
// - with a damage log attached, every operation on the log's image adds an area holding all
//   the pixels it may have changed.
class Canvas final : public CanvasOps {
public:
    explicit Canvas(QImage *image = nullptr);

    void setImage(QImage *image) { m_image = image; }
    QImage *image() const { return m_image; }
    int width() const override;
    int height() const override;

    // The log that records where this canvas (and its copies) draw; it counts only while the
    // canvas draws on the image the log watches.
    void setDamageLog(DamageLog *log) { m_damage = log; }
    DamageLog *damageLog() const { return m_damage; }
    // Records that the whole image may have changed.
    void markAllDamaged();

    void FillRect(Coord l, Coord t, Coord r, Coord b) override;
    void Rectangle(Coord l, Coord t, Coord r, Coord b) override;
    void RoundRect(Coord l, Coord t, Coord r, Coord b, Coord cornerW, Coord cornerH) override;
    void Ellipse(Coord l, Coord t, Coord r, Coord b) override;
    void Polygon(std::span<const CanvasPoint> points) override;
    void LineTo(Coord x, Coord y) override;
    void TextOut(Coord x, Coord y, const QString &text) override;

    // The colour at (x, y), or nothing when the point lies outside the image.
    std::optional<TColor> pixel(Coord x, Coord y) const;
    void setPixel(Coord x, Coord y, TColor color);
    // Sets the pixels (x0 + i * step, y0 + j * step), i, j >= 0, that lie in the image (and in
    // `within`, when given).
    void setPixelGrid(Coord x0, Coord y0, Coord step, TColor color, std::optional<QRect> within = {});

private:
    // Columns [l, r) and rows [t, b) may have changed.
    void damaged(Coord l, Coord t, Coord r, Coord b)
    {
        if (m_damage && m_image && m_damage->watched() == m_image)
            m_damage->add(l, t, r, b);
    }
    // The box of (l, t) and (r, b) given in either order, both corners included.
    void damagedBox(Coord l, Coord t, Coord r, Coord b)
    {
        static constexpr Coord kFar = Coord(1) << 62; // beyond any image; +1 cannot overflow
        const auto pin = [](Coord v) { return std::clamp(v, -kFar, kFar); };
        l = pin(l), t = pin(t), r = pin(r), b = pin(b);
        damaged(std::min(l, r), std::min(t, b), std::max(l, r) + 1, std::max(t, b) + 1);
    }

    QImage *m_image;
    DamageLog *m_damage = nullptr;
};
