#include "view/SheetView.h"

#include "toolkit/ImagePyramid.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>
#include <cstdint>
#include <optional>
#include <vector>

namespace {

std::optional<MouseButton> buttonOf(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return mbLeft;
    case Qt::RightButton:
        return mbRight;
    case Qt::MiddleButton:
        return mbMiddle;
    default:
        return std::nullopt;
    }
}

int pixelX(const QMouseEvent *e)
{
    return int(std::floor(e->position().x()));
}
int pixelY(const QMouseEvent *e)
{
    return int(std::floor(e->position().y()));
}

constexpr std::uint32_t kWhite = 0xFFFFFFFFu;

// The picture of `from` with device pixel d (counted from the image's corner) showing
// from's pixel pixelOf(d), on each axis: nearest neighbour.
template <typename Map>
void sampleNearest(const QImage &from, QImage &out, QPoint deviceOrigin, Map pixelOf)
{
    std::vector<int> cols(size_t(out.width()));
    for (int i = 0; i < out.width(); ++i) {
        const qint64 x = pixelOf(qint64(deviceOrigin.x()) + i);
        cols[size_t(i)] = x >= 0 && x < from.width() ? int(x) : -1;
    }
    for (int j = 0; j < out.height(); ++j) {
        auto *row = reinterpret_cast<std::uint32_t *>(out.scanLine(j));
        const qint64 y = pixelOf(qint64(deviceOrigin.y()) + j);
        if (y < 0 || y >= from.height()) {
            std::fill(row, row + out.width(), kWhite);
            continue;
        }
        const auto *src = reinterpret_cast<const std::uint32_t *>(from.constScanLine(int(y)));
        for (int i = 0; i < out.width(); ++i)
            row[i] = cols[size_t(i)] >= 0 ? src[cols[size_t(i)]] : kWhite;
    }
}

} // namespace

SheetView::SheetView(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void SheetView::setImage(const QImage *image)
{
    m_image = image;
    update();
}

void SheetView::setScaleSource(std::function<ViewScale()> scale, const ImagePyramid *reduced)
{
    m_scaleSource = std::move(scale);
    m_reduced = reduced;
    update();
}

QImage SheetView::render(const QRect &area, qreal dpr) const
{
    const QSize size(int(std::ceil(area.width() * dpr)), int(std::ceil(area.height() * dpr)));
    QImage out(size, QImage::Format_RGB32);
    out.fill(Qt::white);
    if (!m_image || m_image->isNull() || m_image->format() != QImage::Format_RGB32 || out.isNull()) {
        out.setDevicePixelRatio(dpr);
        return out;
    }
    const QPoint origin(int(std::floor(area.left() * dpr)), int(std::floor(area.top() * dpr)));
    const ViewScale scale = this->scale();
    const double f = scale.factor() * dpr; // device pixels per image pixel
    if (f >= 1) {
        if (dpr == 1)
            sampleNearest(*m_image, out, origin, [&scale](qint64 d) { return scale.toSheet(d); });
        else
            sampleNearest(*m_image, out, origin, [f](qint64 d) { return qint64(std::floor(double(d) / f)); });
    } else {
        // The reduced copy at or just above the scale, then the rest of the way smoothly.
        int k = std::min(ImagePyramid::kLevels, int(std::floor(std::log2(1 / f) + 1e-9)));
        const bool reduced = m_reduced && m_reduced->fits(*m_image);
        if (!reduced)
            k = 0;
        const QImage &from = k == 0 ? *m_image : m_reduced->level(k);
        const double g = f * double(1 << k); // in (0.5, 1] when a copy was used
        QPainter p(&out);
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        const QRectF source(origin.x() / g, origin.y() / g, size.width() / g, size.height() / g);
        p.drawImage(QRectF(QPointF(0, 0), QSizeF(size)), from, source);
    }
    out.setDevicePixelRatio(dpr);
    return out;
}

ShiftState SheetView::shiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons)
{
    ShiftState s = 0;
    if (modifiers & Qt::ShiftModifier)
        s |= ssShift;
    if (modifiers & Qt::AltModifier)
        s |= ssAlt;
    if (modifiers & Qt::ControlModifier)
        s |= ssCtrl;
    if (buttons & Qt::LeftButton)
        s |= ssLeft;
    if (buttons & Qt::RightButton)
        s |= ssRight;
    if (buttons & Qt::MiddleButton)
        s |= ssMiddle;
    return s;
}

void SheetView::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    const QRect r = event->rect();
    if (!scale().isActual()) {
        p.drawImage(r.topLeft(), render(r, devicePixelRatioF()));
        return;
    }
    if (m_image && !m_image->isNull())
        p.drawImage(r.topLeft(), *m_image, r);
    // Whatever the image does not cover (only while its size is catching up) stays white.
    if (!m_image || m_image->width() < width() || m_image->height() < height()) {
        QRegion rest(r);
        if (m_image)
            rest -= QRect(QPoint(0, 0), m_image->size());
        for (const QRect &piece : rest)
            p.fillRect(piece, Qt::white);
    }
}

void SheetView::press(QMouseEvent *event, ShiftState extra)
{
    const auto button = buttonOf(event->button());
    if (!button)
        return;
    if (onMouseDown)
        onMouseDown(*button, shiftState(event->modifiers(), event->buttons()) | extra, pixelX(event),
                    pixelY(event));
}

void SheetView::run(const std::function<void()> &handling)
{
    if (boundary)
        boundary(handling);
    else
        handling();
}

void SheetView::mousePressEvent(QMouseEvent *event)
{
    run([&] { press(event, 0); });
}

void SheetView::mouseDoubleClickEvent(QMouseEvent *event)
{
    // Qt sends this in place of the second press; only the left button has a double-click
    // handler, every button gets its press with the double-click flag.
    run([&] {
        if (event->button() == Qt::LeftButton && onDblClick)
            onDblClick();
        press(event, ssDouble);
    });
}

void SheetView::mouseMoveEvent(QMouseEvent *event)
{
    if (onMouseMove)
        run([&] {
            onMouseMove(shiftState(event->modifiers(), event->buttons()), pixelX(event), pixelY(event));
        });
}

void SheetView::wheelEvent(QWheelEvent *event)
{
    if (!onWheel)
        return;
    const QPoint at(int(std::floor(event->position().x())), int(std::floor(event->position().y())));
    run([&] { onWheel(event->angleDelta(), event->modifiers(), at); });
    event->accept();
}

void SheetView::mouseReleaseEvent(QMouseEvent *event)
{
    const auto button = buttonOf(event->button());
    if (!button)
        return;
    if (onMouseUp)
        run([&] {
            onMouseUp(*button, shiftState(event->modifiers(), event->buttons()), pixelX(event),
                      pixelY(event));
        });
}
