// The view scale: zooming about a point, Actual Size, Fit Sheet, and the wheel's scrolling.
#include "editor/CoordMath.h"
#include "editor/Editor.h"

#include <algorithm>
#include <cmath>

int Editor::sheetX(int vx) const
{
    return clampToInt(m_view.scale.toSheet(vx));
}

int Editor::sheetY(int vy) const
{
    return clampToInt(m_view.scale.toSheet(vy));
}

int Editor::viewWidth() const
{
    return clampToInt(m_view.scale.viewLength(m_doc.sheet().width()));
}

int Editor::viewHeight() const
{
    return clampToInt(m_view.scale.viewLength(m_doc.sheet().height()));
}

void Editor::clampSheetPosition()
{
    // As panning keeps it: the corner never inside the area, no gap on the right or bottom of a
    // sheet larger than the area, a smaller sheet at the top-left.
    const QSize client = m_ui.drawingAreaClientSize();
    const auto clampSide = [](int &offset, qint64 viewSize, qint64 areaSize) {
        offset = viewSize <= areaSize ? 0 : clampToInt(std::clamp<qint64>(offset, areaSize - viewSize, 0));
    };
    clampSide(m_view.sheetLeft, viewWidth(), client.width());
    clampSide(m_view.sheetTop, viewHeight(), client.height());
}

void Editor::zoomTo(const ViewScale &scale, int areaX, int areaY)
{
    const ViewScale before = m_view.scale;
    // The point of the sheet under (areaX, areaY), in sheet pixels with its fraction.
    const double px = double(qint64(areaX) - m_view.sheetLeft) / before.factor();
    const double py = double(qint64(areaY) - m_view.sheetTop) / before.factor();
    m_view.scale = scale;
    m_view.sheetLeft = clampToInt(qint64(areaX) - qint64(std::floor(px * scale.factor())));
    m_view.sheetTop = clampToInt(qint64(areaY) - qint64(std::floor(py * scale.factor())));
    clampSheetPosition();
    m_ui.sheetGeometryChanged();
    m_ui.navigateView(true, true);
    showOverlay();
}

void Editor::zoomBy(int steps, int areaX, int areaY)
{
    ViewScale scale = m_view.scale;
    for (int i = 0; i < steps; ++i)
        scale = ViewScale::stepIn(scale);
    for (int i = 0; i > steps; --i)
        scale = ViewScale::stepOut(scale);
    if (!(scale == m_view.scale))
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
    zoomTo(ViewScale(), client.width() / 2, client.height() / 2);
}

void Editor::zoomToFit()
{
    const QSize client = m_ui.drawingAreaClientSize();
    zoomTo(ViewScale::fitting(m_doc.sheet().width(), m_doc.sheet().height(), client.width(), client.height()),
           0, 0);
    m_view.sheetLeft = m_view.sheetTop = 0;
    m_ui.sheetGeometryChanged();
    m_ui.navigateView(false, true);
}

void Editor::scrollBy(int dx, int dy)
{
    m_view.sheetLeft = clampToInt(qint64(m_view.sheetLeft) - dx);
    m_view.sheetTop = clampToInt(qint64(m_view.sheetTop) - dy);
    clampSheetPosition();
    m_ui.navigateView(false, true);
    m_ui.sheetGeometryChanged();
}
