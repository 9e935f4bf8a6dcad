// Pointer moves and releases on the sheet: ghosts, dragging, multi-selection and panning.
#include "editor/CoordMath.h"
#include "editor/Editor.h"

#include "model/TableOps.h"
#include "render/ElementDrawing.h"
#include "toolkit/IntText.h"

namespace {

bool elementSelected(int kind)
{
    return kind == 1 || kind == 2;
}

// Text of a coordinate sum, as the coordinate boxes show it.
QString coordText(qint64 value)
{
    return QString::number(value);
}

} // namespace

void Editor::sheetMove(ShiftState shift, int X, int Y)
{
    if (!locked()) {
        if (SelectedKind == 0) {
            ui.setText(Ctl::XEdit, coordText(X));
            ui.setText(Ctl::YEdit, coordText(Y));
        }
        overlay.setPenStyle(PenStyle::Dot);

        if (ToolMode == 1 || ToolMode == 2) {
            // The creation ghost follows the pointer.
            refreshOverlay();
            overlay.setPenColor(clBlack);
            if (ToolMode == 1)
                DrawToolElement(X, Y, SelCaption, overlay, CurrentColor, clBlack, false, true, 1);
            else
                DrawToolElement(X, Y, SelCaption, overlay, clPointFill, clPointGhostPen, false, true, 2);
            ui.overlayChanged();
        }
        if (ToolMode == 3) {
            // The rubber line from the first end.
            refreshOverlay();
            overlay.setPenColor(clBlack);
            overlay.setPenStyle(PenStyle::Dot);
            if (LineStartX != -1 && LineStartY != -1) {
                overlay.MoveTo(LineStartX, LineStartY);
                overlay.LineTo(X, Y);
            }
            ui.overlayChanged();
        }

        DragDistX = clampToInt(absDiff(MouseDownX, X));
        DragDistY = clampToInt(absDiff(MouseDownY, Y));

        if ((DragDistX >= 2 || DragDistY >= 2) && shift == ssLeft && MouseHeld &&
            elementSelected(SelectedKind)) {
            refreshOverlay();
            overlay.setPenColor(clBlack);
            if (SelectedKind == 1) {
                // The ghost keeps the grabbed point of the rectangle under the pointer.
                GrabOffsetX = clampToInt(qint64(SelX) - MouseDownX);
                GrabOffsetY = clampToInt(qint64(SelY) - MouseDownY);
                const qint64 gx = qint64(X) + GrabOffsetX;
                const qint64 gy = qint64(Y) + GrabOffsetY;
                ui.setText(Ctl::XEdit, coordText(gx));
                ui.setText(Ctl::YEdit, coordText(gy));
                DrawToolElement(gx, gy, SelCaption, overlay, CurrentColor, clBlack, false, true, 1);
            } else {
                DrawToolElement(X, Y, SelCaption, overlay, clPointFill, clPointGhostPen, false, true, 2);
                ui.setText(Ctl::XEdit, coordText(X));
                ui.setText(Ctl::YEdit, coordText(Y));
            }
            ui.overlayChanged();
        }
    }

    // A plain left drag that starts on empty sheet pans the view, also while locked.
    if (SelectedKind == 0 && shift == ssLeft)
        MoveSheet(X, Y);
}

void Editor::sheetRelease(MouseButton button, ShiftState shift, int X, int Y)
{
    if (!locked()) {
        DragDistX = clampToInt(absDiff(MouseDownX, X));
        DragDistY = clampToInt(absDiff(MouseDownY, Y));

        if ((DragDistX >= 2 || DragDistY >= 2) && MouseHeld && button == mbLeft &&
            elementSelected(SelectedKind)) {
            StringGrid &table = SelectedKind == 1 ? HGrid : PGrid;
            const int r = table.Row();
            if (rowInUse(table, r)) {
                // A rectangle keeps its grab offset; a point is centred on the pointer.
                const bool rect = SelectedKind == 1;
                const int newX = clampToInt(rect ? qint64(X) + GrabOffsetX : X);
                const int newY = clampToInt(rect ? qint64(Y) + GrabOffsetY : Y);
                const qint64 dx = qint64(FoundX) - newX;
                const qint64 dy = qint64(FoundY) - newY;
                table.setCell(ColX, r, QString::number(newX));
                table.setCell(ColY, r, QString::number(newY));
                if (ListShiftObj.count() >= 2)
                    ChangeCoordObj(dx, dy);
                Modified = true;
                UpdateImageModel();
                Find_and_Select(newX, newY);
            }
        }
        MouseHeld = false;
    }

    if (ui.isEnabled(Ctl::CaptionEdit))
        ui.focusCaptionSelectAll();

    if (!locked()) {
        // Shift+click adds to the multi-selection (never removes); a plain click restarts it.
        if (shift == ssShift) {
            if (!FoundName.isEmpty() && ListShiftObj.indexOf(FoundName) < 0)
                ListShiftObj.add(FoundName);
        } else if (!FoundName.isEmpty()) {
            ListShiftObj.clear();
            ListShiftObj.add(FoundName);
        }
        UpdateImageModel();

        const bool single = ListShiftObj.count() < 2;
        for (Ctl c : {Ctl::XLabel, Ctl::XEdit, Ctl::YLabel, Ctl::YEdit})
            ui.setEnabled(c, single);
    }
}

void Editor::ChangeCoordObj(qint64 dx, qint64 dy)
{
    for (int i = 0; i < ListShiftObj.count(); ++i) {
        const QString name = ListShiftObj.item(i);
        if (name == FoundName || name.contains(QLatin1Char('-')))
            continue; // the dragged element is already placed; lines follow their ends
        StringGrid &table = name.contains(QLatin1Char('R')) ? HGrid : PGrid;
        const int row = GetRowObjByName(tables, name);
        if (row == -1)
            continue;
        const qint64 x = StrToInt(table.Cells(ColX, row));
        const qint64 y = StrToInt(table.Cells(ColY, row));
        table.setCell(ColX, row, QString::number(clampToInt(x - dx)));
        table.setCell(ColY, row, QString::number(clampToInt(y - dy)));
    }
}
