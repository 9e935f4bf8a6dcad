// Temporary definitions of what is not built yet; each is removed when it is implemented.
#include "toolkit/Canvas.h"
#include "toolkit/CaptionFont.h"

Canvas::Canvas(QImage *image) : m_image(image) {}
int Canvas::width() const { return m_image ? m_image->width() : 0; }
int Canvas::height() const { return m_image ? m_image->height() : 0; }
void Canvas::FillRect(Coord, Coord, Coord, Coord) {}
void Canvas::Rectangle(Coord, Coord, Coord, Coord) {}
void Canvas::RoundRect(Coord, Coord, Coord, Coord, Coord, Coord) {}
void Canvas::Ellipse(Coord, Coord, Coord, Coord) {}
void Canvas::Polygon(std::span<const CanvasPoint>) {}
void Canvas::MoveTo(Coord x, Coord y) { m_penPos = {x, y}; }
void Canvas::LineTo(Coord x, Coord y) { m_penPos = {x, y}; }
void Canvas::TextOut(Coord, Coord, const QString &) {}
QSize Canvas::TextExtent(const QString &) const { return {}; }
std::optional<TColor> Canvas::pixel(Coord, Coord) const { return std::nullopt; }
void Canvas::setPixel(Coord, Coord, TColor) {}
QFont captionFont(const QString &, int) { return {}; }
QString captionFamily() { return {}; }
