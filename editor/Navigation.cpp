// Scrolling the doc.sheet() inside the drawing area and showing the navigator.
#include "editor/CoordMath.h"
#include "editor/Editor.h"

#include <algorithm>

void Editor::MoveSheet(int X, int Y)
{
    if (view.panAnchorX != 0 || view.panAnchorY != 0) {
        view.panStepX = clampToInt(absDiff(view.panAnchorX, X));
        view.panStepY = clampToInt(absDiff(view.panAnchorY, Y));
    }
    if (view.panStepX < 5 && view.panStepY < 5)
        return;

    const QSize client = ui.drawingAreaClientSize();
    const qint64 W = doc.sheet().width(), H = doc.sheet().height();
    const qint64 CW = client.width(), CH = client.height();
    const qint64 L = doc.sheet().left, T = doc.sheet().top;

    // The doc.sheet()'s left and top edges never come inside the area, and a doc.sheet() larger than the
    // area never leaves a gap on its right or bottom.
    if (X > view.panAnchorX)
        doc.sheet().left = clampToInt(std::min<qint64>(L + view.panStepX, 0));
    else if (W > CW)
        doc.sheet().left = clampToInt(std::max<qint64>(L - view.panStepX, CW - W));

    if (Y >= view.panAnchorY)
        doc.sheet().top = clampToInt(std::min<qint64>(T + view.panStepY, 0));
    else if (H > CH)
        doc.sheet().top = clampToInt(std::max<qint64>(T - view.panStepY, CH - H));

    ui.navigateView(false, true);
    ui.sheetGeometryChanged();
}

void Editor::scrollSheetLeft()
{
    const qint64 L = doc.sheet().left;
    view.panStepX = 20;
    view.panStepY = 0;
    view.panAnchorX = doc.sheet().left;
    view.panAnchorY = 0;
    MoveSheet(clampToInt(L + 20), 0);
}

void Editor::scrollSheetRight()
{
    const qint64 L = doc.sheet().left;
    view.panStepX = 20;
    view.panStepY = 0;
    view.panAnchorX = doc.sheet().left;
    view.panAnchorY = 0;
    MoveSheet(clampToInt(L - 20), 0);
}

void Editor::scrollSheetUp()
{
    const qint64 T = doc.sheet().top;
    view.panStepX = 0;
    view.panStepY = 20;
    view.panAnchorX = 0;
    view.panAnchorY = clampToInt(T - 20);
    MoveSheet(0, doc.sheet().top);
}

void Editor::scrollSheetDown()
{
    const qint64 T = doc.sheet().top;
    view.panStepX = 0;
    view.panStepY = 20;
    view.panAnchorX = 0;
    view.panAnchorY = clampToInt(T + 20);
    MoveSheet(0, doc.sheet().top);
}

void Editor::toggleNavigator()
{
    const bool show = !ui.isChecked(Ctl::NavigatorAction);
    ui.setChecked(Ctl::NavigatorAction, show);
    ui.setVisible(Ctl::Navigator, show);
}
