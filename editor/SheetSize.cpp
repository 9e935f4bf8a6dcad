// The four sheet-size buttons in the corners of the drawing area.
#include "editor/Editor.h"

namespace {

// Pixels by which one click changes the sheet.
constexpr int SheetStep = 50;

} // namespace

void Editor::stepSheetSize(Ctl sender)
{
    const qint64 width = sheet.width();
    const qint64 height = sheet.height();
    qint64 newWidth = width;
    qint64 newHeight = height;
    switch (sender) {
    case Ctl::HeightMinus:
        newHeight -= SheetStep;
        break;
    case Ctl::HeightPlus:
        newHeight += SheetStep;
        break;
    case Ctl::WidthMinus:
        newWidth -= SheetStep;
        break;
    case Ctl::WidthPlus:
        newWidth += SheetStep;
        break;
    default:
        return;
    }
    // A sheet keeps at least one pixel each way and stays within the bitmap limits; a step
    // beyond them is refused silently.
    if (!sheetSizeAllowed(newWidth, newHeight))
        return;

    sheet.CreateBitmap(static_cast<int>(newWidth), static_cast<int>(newHeight));
    ui.sheetGeometryChanged();
    ui.navigateView(true, false);
    Modified = true;
    refreshOverlay();
    UpdateImageModel();
}
