// Pointer moves and releases on the sheet: ghosts, dragging, multi-selection and panning.
#include "editor/CoordMath.h"
#include "editor/Editor.h"

#include "model/TableOps.h"
#include "render/ElementDrawing.h"
#include "toolkit/IntText.h"

namespace {

// Text of a coordinate sum, as the coordinate boxes show it.
QString coordText(qint64 value)
{
    return QString::number(value);
}

} // namespace

void Editor::sheetMove(ShiftState shift, int X, int Y)
{
    if (!locked()) {
        if (sel.kind == ElementKind::None) {
            ui.setText(Ctl::XEdit, coordText(X));
            ui.setText(Ctl::YEdit, coordText(Y));
        }
        overlay.setPenStyle(PenStyle::Dot);

        if (gesture.tool == Tool::Rectangle || gesture.tool == Tool::Point) {
            // The creation ghost follows the pointer.
            refreshOverlay();
            overlay.setPenColor(clBlack);
            if (gesture.tool == Tool::Rectangle)
                DrawToolElement(X, Y, sel.selCaption, overlay, sel.currentColor, clBlack, false, true,
                                ElementKind::Rectangle);
            else
                DrawToolElement(X, Y, sel.selCaption, overlay, clPointFill, clPointGhostPen, false, true,
                                ElementKind::Point);
            ui.overlayChanged();
        }
        if (gesture.tool == Tool::Line) {
            // The rubber line from the first end.
            refreshOverlay();
            overlay.setPenColor(clBlack);
            overlay.setPenStyle(PenStyle::Dot);
            if (gesture.lineStartX != -1 && gesture.lineStartY != -1) {
                overlay.MoveTo(gesture.lineStartX, gesture.lineStartY);
                overlay.LineTo(X, Y);
            }
            ui.overlayChanged();
        }

        gesture.dragDistX = clampToInt(absDiff(gesture.mouseDownX, X));
        gesture.dragDistY = clampToInt(absDiff(gesture.mouseDownY, Y));

        if ((gesture.dragDistX >= 2 || gesture.dragDistY >= 2) && shift == ssLeft && gesture.mouseHeld &&
            sel.elementSelected()) {
            refreshOverlay();
            overlay.setPenColor(clBlack);
            if (sel.kind == ElementKind::Rectangle) {
                // The ghost keeps the grabbed point of the rectangle under the pointer.
                gesture.grabOffsetX = clampToInt(qint64(sel.selX) - gesture.mouseDownX);
                gesture.grabOffsetY = clampToInt(qint64(sel.selY) - gesture.mouseDownY);
                const qint64 gx = qint64(X) + gesture.grabOffsetX;
                const qint64 gy = qint64(Y) + gesture.grabOffsetY;
                ui.setText(Ctl::XEdit, coordText(gx));
                ui.setText(Ctl::YEdit, coordText(gy));
                DrawToolElement(gx, gy, sel.selCaption, overlay, sel.currentColor, clBlack, false, true,
                                ElementKind::Rectangle);
            } else {
                DrawToolElement(X, Y, sel.selCaption, overlay, clPointFill, clPointGhostPen, false, true,
                                ElementKind::Point);
                ui.setText(Ctl::XEdit, coordText(X));
                ui.setText(Ctl::YEdit, coordText(Y));
            }
            ui.overlayChanged();
        }
    }

    // A plain left drag that starts on empty doc.sheet() pans the view, also while locked.
    if (sel.kind == ElementKind::None && shift == ssLeft)
        MoveSheet(X, Y);
}

void Editor::sheetRelease(MouseButton button, ShiftState shift, int X, int Y)
{
    if (!locked()) {
        gesture.dragDistX = clampToInt(absDiff(gesture.mouseDownX, X));
        gesture.dragDistY = clampToInt(absDiff(gesture.mouseDownY, Y));

        if ((gesture.dragDistX >= 2 || gesture.dragDistY >= 2) && gesture.mouseHeld && button == mbLeft &&
            sel.elementSelected()) {
            const StringGrid &table = sel.kind == ElementKind::Rectangle ? doc.rectangles() : doc.points();
            const int r = table.Row();
            if (rowInUse(table, r)) {
                // A rectangle keeps its grab offset; a point is centred on the pointer.
                const bool rect = sel.kind == ElementKind::Rectangle;
                const int newX = clampToInt(rect ? qint64(X) + gesture.grabOffsetX : X);
                const int newY = clampToInt(rect ? qint64(Y) + gesture.grabOffsetY : Y);
                const qint64 dx = qint64(sel.foundX) - newX;
                const qint64 dy = qint64(sel.foundY) - newY;
                doc.setStepName(QStringLiteral("Move"));
                doc.setCell(table, ColX, r, QString::number(newX));
                doc.setCell(table, ColY, r, QString::number(newY));
                if (multi.count() >= 2)
                    ChangeCoordObj(dx, dy);
                doc.setModified(true);
                UpdateImageModel();
                Find_and_Select(newX, newY);
            }
        }
        gesture.mouseHeld = false;
    }

    if (ui.isEnabled(Ctl::CaptionEdit))
        ui.focusCaptionSelectAll();

    if (!locked()) {
        // Shift+click adds to the multi-selection (never removes); a plain click restarts it.
        if (shift == ssShift) {
            if (!sel.foundName.isEmpty() && multi.indexOf(sel.foundName) < 0)
                multi.add(sel.foundName);
        } else if (!sel.foundName.isEmpty()) {
            multi.clear();
            multi.add(sel.foundName);
        }
        UpdateImageModel();

        const bool single = multi.count() < 2;
        for (Ctl c : {Ctl::XLabel, Ctl::XEdit, Ctl::YLabel, Ctl::YEdit})
            ui.setEnabled(c, single);
    }
}

void Editor::ChangeCoordObj(qint64 dx, qint64 dy)
{
    for (int i = 0; i < multi.count(); ++i) {
        const QString name = multi.item(i);
        if (name == sel.foundName || name.contains(QLatin1Char('-')))
            continue; // the dragged element is already placed; lines follow their ends
        const StringGrid &table = name.contains(QLatin1Char('R')) ? doc.rectangles() : doc.points();
        const int row = GetRowObjByName(doc.tables(), name);
        if (row == -1)
            continue;
        const qint64 x = StrToInt(table.Cells(ColX, row));
        const qint64 y = StrToInt(table.Cells(ColY, row));
        doc.setCell(table, ColX, row, QString::number(clampToInt(x - dx)));
        doc.setCell(table, ColY, row, QString::number(clampToInt(y - dy)));
    }
}
