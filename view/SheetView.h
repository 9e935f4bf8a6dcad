#pragma once

#include "toolkit/ShiftState.h"

#include <QImage>
#include <QWidget>

#include <functional>

// The overlay surface: shows an image owned elsewhere at its own size and turns
// Qt's mouse events into press, move, release and double-click calls with the button and the
// full shift state. A double click arrives as: double click, then a press with ssDouble,
// then the release.
class SheetView : public QWidget {
public:
    explicit SheetView(QWidget *parent = nullptr);

    // The picture to show; it must outlive the view or be replaced first.
    void setImage(const QImage *image);
    const QImage *image() const { return m_image; }

    // Runs the handling of one Qt event; the window installs its failure boundary here so that
    // a failure in the double-click handler also skips the press that follows it.
    std::function<void(const std::function<void()> &)> boundary;
    std::function<void()> onDblClick;
    std::function<void(MouseButton, ShiftState, int, int)> onMouseDown;
    std::function<void(ShiftState, int, int)> onMouseMove;
    std::function<void(MouseButton, ShiftState, int, int)> onMouseUp;

    static ShiftState shiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void press(QMouseEvent *event, ShiftState extra);
    void run(const std::function<void()> &handling);

    const QImage *m_image = nullptr;
};
