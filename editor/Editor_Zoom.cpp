// The view scale: zooming about a point, Actual Size, Fit Sheet, and the wheel.
#include "editor/Editor.h"

void Editor::viewScaled()
{
    m_ui.sheetGeometryChanged();
    m_ui.navigateView(true, true);
    showOverlay();
}

void Editor::zoomTo(const ViewScale &scale, int areaX, int areaY)
{
    m_view.zoomTo(scale, QPoint(areaX, areaY));
    viewScaled();
}

void Editor::zoomBy(int steps, int areaX, int areaY)
{
    const ViewScale scale = m_view.stepped(steps);
    if (!(scale == m_view.scale()))
        zoomTo(scale, areaX, areaY);
}

void Editor::zoomIn()
{
    const QSize client = m_ui.drawingAreaClientSize();
    zoomBy(1, client.width() / 2, client.height() / 2);
}

void Editor::zoomOut()
{
    const QSize client = m_ui.drawingAreaClientSize();
    zoomBy(-1, client.width() / 2, client.height() / 2);
}

void Editor::zoomActualSize()
{
    const QSize client = m_ui.drawingAreaClientSize();
    m_view.actualSize(QPoint(client.width() / 2, client.height() / 2));
    viewScaled();
}

void Editor::zoomToFit()
{
    m_view.fitSheet();
    viewScaled();
}

void Editor::wheel(QPoint angleDelta, ShiftState keys, int areaX, int areaY)
{
    const Viewport::WheelTurn turn = m_view.wheel(angleDelta, keys);
    if (!turn.zoom)
        scrollBy(turn.dx, turn.dy);
    else if (turn.steps != 0)
        zoomBy(turn.steps, areaX, areaY);
}
