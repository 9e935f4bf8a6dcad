#pragma once

#include "toolkit/CaptionFont.h"
#include "toolkit/Color.h"

#include <QSize>
#include <QString>

#include <cstdint>
#include <span>

// Canvas coordinates are 64-bit so that element positions anywhere in the 32-bit range can be
// offset and summed without overflow; every operation clips to the surface before drawing.
using Coord = std::int64_t;

struct CanvasPoint {
    Coord x = 0;
    Coord y = 0;
    friend bool operator==(const CanvasPoint &, const CanvasPoint &) = default;
};

enum class PenStyle { Solid, Dot, InsideFrame };
enum class BrushStyle { Solid, Clear };

struct Pen {
    TColor color = clBlack;
    PenStyle style = PenStyle::Solid;
    int width = 1;
};

struct Brush {
    TColor color = clWhite;
    BrushStyle style = BrushStyle::Solid;
};

struct Font {
    QString name = captionFontName();
    TColor color = clBlack;
    int pixelSize = kCaptionPixelSize;
};

// What a drawing leaves behind on a canvas besides the picture.
struct CanvasState {
    Pen pen;
    Brush brush;
    Font font;
    CanvasPoint penPos;
    std::uint32_t dotPhase = 0; // dot count of a dotted LineTo polyline
};

// The drawing operations the scene is drawn with, on a surface whose unit is one sheet pixel.
// Canvas (toolkit/Canvas.h) sets the pixels of an image; VectorCanvas (toolkit/VectorCanvas.h)
// draws the same geometry as vector shapes. Pen, brush, font, pen position and text measuring
// are shared; only the painting differs. See Canvas for the geometry of each operation.
class CanvasOps {
public:
    virtual ~CanvasOps() = default;

    virtual int width() const = 0;
    virtual int height() const = 0;

    // Pen, brush and font. Giving the brush a colour makes it solid.
    Pen &pen() { return m_state.pen; }
    const Pen &pen() const { return m_state.pen; }
    void setPenColor(TColor c) { m_state.pen.color = c; }
    void setPenStyle(PenStyle s) { m_state.pen.style = s; }
    void setPenWidth(int w) { m_state.pen.width = w; }
    const Brush &brush() const { return m_state.brush; }
    void setBrushColor(TColor c)
    {
        m_state.brush.color = c;
        m_state.brush.style = BrushStyle::Solid;
    }
    void setBrushStyle(BrushStyle s) { m_state.brush.style = s; }
    const Font &font() const { return m_state.font; }
    void setFontName(const QString &name) { m_state.font.name = name; }
    void setFontColor(TColor c) { m_state.font.color = c; }
    void setFontSize(int pixelSize) { m_state.font.pixelSize = pixelSize; }

    const CanvasState &state() const { return m_state; }
    void setState(const CanvasState &state) { m_state = state; }

    // Fills (l, t)..(r-1, b-1) with the brush colour, no outline; a clear brush fills nothing.
    virtual void FillRect(Coord l, Coord t, Coord r, Coord b) = 0;
    // Outlines (l, t)..(r-1, b-1) with the pen and fills the inside with the brush.
    virtual void Rectangle(Coord l, Coord t, Coord r, Coord b) = 0;
    // The same with corners rounded by an ellipse of cornerW x cornerH.
    virtual void RoundRect(Coord l, Coord t, Coord r, Coord b, Coord cornerW, Coord cornerH) = 0;
    // The ellipse inscribed in (l, t)..(r-1, b-1), outlined and filled.
    virtual void Ellipse(Coord l, Coord t, Coord r, Coord b) = 0;
    // Filled polygon through the points, closed back to the first, outlined with the pen.
    virtual void Polygon(std::span<const CanvasPoint> points) = 0;

    // Moves the pen without drawing; a dotted pen starts its pattern anew.
    void MoveTo(Coord x, Coord y)
    {
        m_state.penPos = {x, y};
        m_state.dotPhase = 0;
    }
    // Draws from the pen position to (x, y), leaving out the end point, and moves the pen there.
    virtual void LineTo(Coord x, Coord y) = 0;
    CanvasPoint penPos() const { return m_state.penPos; }

    // Draws text with its top-left corner at (x, y) on the brush colour (none with a clear brush).
    virtual void TextOut(Coord x, Coord y, const QString &text) = 0;
    // The size the text takes in the font: width and line height.
    QSize TextExtent(const QString &text) const;
    int TextWidth(const QString &text) const { return TextExtent(text).width(); }
    int TextHeight(const QString &text) const { return TextExtent(text).height(); }

protected:
    CanvasOps() = default;
    CanvasOps(const CanvasOps &) = default;
    CanvasOps &operator=(const CanvasOps &) = default;

    CanvasState m_state;
};
