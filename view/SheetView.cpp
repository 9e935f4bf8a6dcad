#include "view/SheetView.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>
#include <optional>

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
