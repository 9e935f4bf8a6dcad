#pragma once

#include <QColor>
#include <QWidget>

#include <functional>

// A plain panel in the button-face colour, optionally with a lowered one-pixel bevel drawn
// under its children. onMouseMove runs for moves over the panel's own surface only; onWheel,
// when set, takes the wheel over the panel and over children that leave it (angle delta, keys,
// position in the panel).
class Panel : public QWidget {
public:
    explicit Panel(QWidget *parent = nullptr, bool loweredBevel = false);

    std::function<void()> onMouseMove;
    std::function<void(QPoint, Qt::KeyboardModifiers, QPoint)> onWheel;
    void setBackground(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    bool m_lowered;
};

// A rectangle shape: filled with the brush colour, outlined with a one-pixel pen.
class Shape : public QWidget {
public:
    Shape(const QColor &brush, const QColor &pen, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_brush, m_pen;
};
