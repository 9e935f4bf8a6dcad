#include "app/Panels.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

Panel::Panel(QWidget *parent, bool loweredBevel) : QWidget(parent), m_lowered(loweredBevel)
{
    setAutoFillBackground(true);
}

void Panel::setBackground(const QColor &color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, color);
    setPalette(pal);
}

void Panel::paintEvent(QPaintEvent *)
{
    if (!m_lowered)
        return;
    QPainter p(this);
    const int r = width() - 1;
    const int b = height() - 1;
    p.setPen(palette().color(QPalette::Dark));
    p.drawLine(0, 0, r, 0);
    p.drawLine(0, 0, 0, b);
    p.setPen(palette().color(QPalette::Light));
    p.drawLine(r, 0, r, b);
    p.drawLine(0, b, r, b);
}

void Panel::mouseMoveEvent(QMouseEvent *event)
{
    // Moves over a child reach the panel only when the child passes them on.
    if (onMouseMove && !childAt(event->position().toPoint()))
        onMouseMove();
    QWidget::mouseMoveEvent(event);
}

void Panel::wheelEvent(QWheelEvent *event)
{
    if (!onWheel) {
        QWidget::wheelEvent(event);
        return;
    }
    onWheel(event->angleDelta(), event->modifiers(), event->position().toPoint());
    event->accept();
}

Shape::Shape(const QColor &brush, const QColor &pen, QWidget *parent)
    : QWidget(parent), m_brush(brush), m_pen(pen)
{}

void Shape::paintEvent(QPaintEvent *)
{
    if (width() <= 0 || height() <= 0)
        return;
    QPainter p(this);
    p.fillRect(rect(), m_brush);
    p.setPen(QPen(m_pen, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
