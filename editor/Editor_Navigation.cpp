// Scrolling the sheet inside the drawing area and showing the navigator.
#include "editor/Editor.h"

void Editor::viewScrolled()
{
    m_ui.navigateView(false, true);
    m_ui.sheetGeometryChanged();
}

void Editor::MoveSheet(int X, int Y)
{
    if (m_view.pan(X, Y))
        viewScrolled();
}

void Editor::scrollSheet(Direction direction)
{
    m_view.scrollStep(direction);
    viewScrolled();
}

void Editor::scrollBy(int dx, int dy)
{
    m_view.scrollBy(dx, dy);
    viewScrolled();
}

void Editor::toggleNavigator()
{
    const bool show = !m_ui.isChecked(Ctl::NavigatorAction);
    m_ui.setChecked(Ctl::NavigatorAction, show);
    m_ui.setVisible(Ctl::Navigator, show);
}
