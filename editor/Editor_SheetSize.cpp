// The four sheet-size buttons in the corners of the drawing area.
#include "editor/Editor.h"

namespace {

// Pixels by which one click changes the sheet.
constexpr int SheetStep = 50;

} // namespace

void Editor::stepSheetSize(SheetEdge edge)
{
    const qint64 width = m_doc.sheet().width();
    const qint64 height = m_doc.sheet().height();
    qint64 newWidth = width;
    qint64 newHeight = height;
    switch (edge) {
    case SheetEdge::HeightMinus:
        newHeight -= SheetStep;
        break;
    case SheetEdge::HeightPlus:
        newHeight += SheetStep;
        break;
    case SheetEdge::WidthMinus:
        newWidth -= SheetStep;
        break;
    case SheetEdge::WidthPlus:
        newWidth += SheetStep;
        break;
    }
    // A sheet keeps at least one pixel each way and stays within the bitmap limits; a step
    // beyond them is refused silently.
    if (!sheetSizeAllowed(newWidth, newHeight))
        return;

    const Document::Step step(m_doc, tr("Resize Sheet"));
    m_doc.setSheetSize(static_cast<int>(newWidth), static_cast<int>(newHeight));
    m_ui.sheetGeometryChanged();
    m_ui.navigateView(true, false);
    refreshOverlay();
    UpdateImageModel();
}
