#pragma once

#include "toolkit/ShiftState.h"
#include "toolkit/ViewScale.h"

#include <QImage>
#include <QWidget>

#include <functional>

class ImagePyramid;

// The overlay surface: shows an image owned elsewhere at a view scale and turns Qt's mouse
// events into press, move, release and double-click calls with the button and the full shift
// state, at view pixels (the caller maps them to the image). A double click arrives as: double
// click, then a press with ssDouble, then the release.
//
// At 100 % the image is shown as it is. Above, each image pixel is a block of view pixels
// (nearest neighbour: view pixel v shows image pixel floor(v / scale)); below, the image is shown
// from its reduced copies (box-filtered halvings), smoothly scaled the rest of the way.
class SheetView : public QWidget {
public:
    explicit SheetView(QWidget *parent = nullptr);

    // The picture to show; it must outlive the view or be replaced first.
    void setImage(const QImage *image);
    const QImage *image() const { return m_image; }
    // Where the scale to show it at comes from (the owner's view transform, read at every paint;
    // 1:1 without one), with the image's reduced copies for scales below 1 (kept up to date by
    // their owner, who must outlive the view). The owner repaints the view when the scale changes.
    void setScaleSource(std::function<ViewScale()> scale, const ImagePyramid *reduced);
    ViewScale scale() const { return m_scaleSource ? m_scaleSource() : ViewScale(); }
    // The picture of `area` (view pixels) as the view shows it, at the device's pixel ratio.
    QImage render(const QRect &area, qreal devicePixelRatio = 1) const;

    // Runs the handling of one Qt event; the window installs its failure boundary here so that
    // a failure in the double-click handler also skips the press that follows it.
    std::function<void(const std::function<void()> &)> boundary;
    std::function<void()> onDblClick;
    std::function<void(MouseButton, ShiftState, int, int)> onMouseDown;
    std::function<void(ShiftState, int, int)> onMouseMove;
    std::function<void(MouseButton, ShiftState, int, int)> onMouseUp;
    // The wheel: its turn (angle delta, 120 a notch), the keys held and the pointer position.
    std::function<void(QPoint, Qt::KeyboardModifiers, QPoint)> onWheel;

    static ShiftState shiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void press(QMouseEvent *event, ShiftState extra);
    void run(const std::function<void()> &handling);

    const QImage *m_image = nullptr;
    std::function<ViewScale()> m_scaleSource;
    const ImagePyramid *m_reduced = nullptr;
};
