// Scrolling the sheet inside the drawing area and showing the navigator.
#include "editor/CoordMath.h"
#include "editor/Editor.h"

#include <algorithm>

void Editor::MoveSheet(int X, int Y)
{
    if (m_view.panAnchorX != 0 || m_view.panAnchorY != 0) {
        m_view.panStepX = clampToInt(absDiff(m_view.panAnchorX, X));
        m_view.panStepY = clampToInt(absDiff(m_view.panAnchorY, Y));
    }
    if (m_view.panStepX < 5 && m_view.panStepY < 5)
        return;

    const QSize client = m_ui.drawingAreaClientSize();
    const qint64 W = viewWidth(), H = viewHeight();
    const qint64 CW = client.width(), CH = client.height();
    const qint64 L = m_view.sheetLeft, T = m_view.sheetTop;

    // The sheet's left and top edges never come inside the area, and a sheet larger than the
    // area never leaves a gap on its right or bottom.
    if (X > m_view.panAnchorX)
        m_view.sheetLeft = clampToInt(std::min<qint64>(L + m_view.panStepX, 0));
    else if (W > CW)
        m_view.sheetLeft = clampToInt(std::max<qint64>(L - m_view.panStepX, CW - W));

    if (Y >= m_view.panAnchorY)
        m_view.sheetTop = clampToInt(std::min<qint64>(T + m_view.panStepY, 0));
    else if (H > CH)
        m_view.sheetTop = clampToInt(std::max<qint64>(T - m_view.panStepY, CH - H));

    m_ui.navigateView(false, true);
    m_ui.sheetGeometryChanged();
}

void Editor::scrollSheet(Direction direction)
{
    // A pan of 20 pixels from an anchor beside the sheet's corner, as a drag would make it.
    constexpr int kStep = 20;
    const qint64 L = m_view.sheetLeft;
    const qint64 T = m_view.sheetTop;
    const bool horizontal = direction == Direction::Left || direction == Direction::Right;
    m_view.panStepX = horizontal ? kStep : 0;
    m_view.panStepY = horizontal ? 0 : kStep;
    switch (direction) {
    case Direction::Left:
        m_view.panAnchorX = m_view.sheetLeft;
        m_view.panAnchorY = 0;
        MoveSheet(clampToInt(L + kStep), 0);
        break;
    case Direction::Right:
        m_view.panAnchorX = m_view.sheetLeft;
        m_view.panAnchorY = 0;
        MoveSheet(clampToInt(L - kStep), 0);
        break;
    case Direction::Up:
        m_view.panAnchorX = 0;
        m_view.panAnchorY = clampToInt(T - kStep);
        MoveSheet(0, m_view.sheetTop);
        break;
    case Direction::Down:
        m_view.panAnchorX = 0;
        m_view.panAnchorY = clampToInt(T + kStep);
        MoveSheet(0, m_view.sheetTop);
        break;
    }
}

void Editor::toggleNavigator()
{
    const bool show = !m_ui.isChecked(Ctl::NavigatorAction);
    m_ui.setChecked(Ctl::NavigatorAction, show);
    m_ui.setVisible(Ctl::Navigator, show);
}
