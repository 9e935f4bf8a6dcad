// Scrolling the sheet inside the drawing area and showing the navigator.
#include "editor/CoordMath.h"
#include "editor/Editor.h"

#include <algorithm>

void Editor::MoveSheet(int X, int Y)
{
    if (PanAnchorX != 0 || PanAnchorY != 0) {
        PanStepX = clampToInt(absDiff(PanAnchorX, X));
        PanStepY = clampToInt(absDiff(PanAnchorY, Y));
    }
    if (PanStepX < 5 && PanStepY < 5)
        return;

    const QSize client = ui.drawingAreaClientSize();
    const qint64 W = sheet.width(), H = sheet.height();
    const qint64 CW = client.width(), CH = client.height();
    const qint64 L = sheet.left, T = sheet.top;

    // The sheet's left and top edges never come inside the area, and a sheet larger than the
    // area never leaves a gap on its right or bottom.
    if (X > PanAnchorX)
        sheet.left = clampToInt(std::min<qint64>(L + PanStepX, 0));
    else if (W > CW)
        sheet.left = clampToInt(std::max<qint64>(L - PanStepX, CW - W));

    if (Y >= PanAnchorY)
        sheet.top = clampToInt(std::min<qint64>(T + PanStepY, 0));
    else if (H > CH)
        sheet.top = clampToInt(std::max<qint64>(T - PanStepY, CH - H));

    ui.navigateView(false, true);
    ui.sheetGeometryChanged();
}

void Editor::scrollSheetLeft()
{
    const qint64 L = sheet.left;
    PanStepX = 20;
    PanStepY = 0;
    PanAnchorX = sheet.left;
    PanAnchorY = 0;
    MoveSheet(clampToInt(L + 20), 0);
}

void Editor::scrollSheetRight()
{
    const qint64 L = sheet.left;
    PanStepX = 20;
    PanStepY = 0;
    PanAnchorX = sheet.left;
    PanAnchorY = 0;
    MoveSheet(clampToInt(L - 20), 0);
}

void Editor::scrollSheetUp()
{
    const qint64 T = sheet.top;
    PanStepX = 0;
    PanStepY = 20;
    PanAnchorX = 0;
    PanAnchorY = clampToInt(T - 20);
    MoveSheet(0, sheet.top);
}

void Editor::scrollSheetDown()
{
    const qint64 T = sheet.top;
    PanStepX = 0;
    PanStepY = 20;
    PanAnchorX = 0;
    PanAnchorY = clampToInt(T + 20);
    MoveSheet(0, sheet.top);
}

void Editor::toggleNavigator()
{
    const bool show = !ui.isChecked(Ctl::NavigatorAction);
    ui.setChecked(Ctl::NavigatorAction, show);
    ui.setVisible(Ctl::Navigator, show);
}
