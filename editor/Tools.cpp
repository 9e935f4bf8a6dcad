// The four tools and the press on the sheet: creating rectangles, points and lines.
#include "editor/ColorItems.h"
#include "editor/Editor.h"

#include "model/TableOps.h"
#include "render/ConnectorLines.h"
#include "render/ElementDrawing.h"
#include "toolkit/ColorText.h"

namespace {

// The rectangle (kind 1) or point (kind 2) tool's press: a new element at (X, Y), selected.
void createElement(Editor &e, int kind, int X, int Y)
{
    const QString prefix = kind == 1 ? QStringLiteral("R") : QStringLiteral("P");
    StringGrid &table = kind == 1 ? e.HGrid : e.PGrid;

    const QString name = prefix + QString::number(GetNumberElement(prefix, table));
    const QString typed = e.ui.text(Ctl::CaptionEdit);
    const QString caption = typed.isEmpty() ? name : typed;
    int index = e.ui.colorIndex();
    if (index < 0 || index >= colorBoxItems().size())
        index = 0; // the list always has a selection; never index outside it
    const QString colorText = colorBoxItems().at(index);

    const int r = table.RowCount() - 1;
    table.setCell(ColName, r, name);
    table.setCell(ColX, r, QString::number(X));
    table.setCell(ColY, r, QString::number(Y));
    table.setCell(ColCaption, r, caption);
    table.setCell(ColColor, r, colorText);
    e.CurrentColor = StringToColor(colorText);
    table.setRowCount(table.RowCount() + 1);

    DrawToolElement(X, Y, caption, e.sheet.canvas(), e.CurrentColor, clBlack, false, false, kind);
    e.Find_and_Select(X, Y);

    e.ui.setToolDown(Ctl::CursorTool);
    e.ToolMode = 0;
    e.Modified = true;
}

void leaveLineTool(Editor &e)
{
    e.ui.setToolDown(Ctl::CursorTool);
    e.ToolMode = 0;
    e.Modified = true;
}

// Gives up the line under construction after a second end that cannot be used.
void refuseLine(Editor &e, const QString &message)
{
    e.LineEndX = -1;
    e.SelectedKind = 0;
    e.LineClickCount = 0;
    leaveLineTool(e);
    e.ui.showInfo(message);
}

// The line tool's press: the first press picks the start element, the second the end element.
void linePress(Editor &e, int X, int Y)
{
    ++e.LineClickCount;
    if (e.LineClickCount == 1) {
        e.Find_and_Select(X, Y);
        if (e.SelectedKind == 1 || e.SelectedKind == 2) {
            e.LineStartX = e.SelX;
            e.LineStartY = e.SelY;
            e.NewLineName = e.FoundName + QLatin1Char('-');
        } else {
            e.LineStartX = -1;
            e.SelectedKind = 0;
            e.LineClickCount = 0;
            leaveLineTool(e);
        }
    }
    if (e.LineClickCount < 2)
        return;

    e.LineClickCount = 0;
    e.Find_and_Select(X, Y);
    // The first end may be gone since the first press (deleted, or another scheme opened): a
    // line never joins an element that does not exist.
    const bool firstEndExists =
        e.LineStartX != -1 && GetRowObjByName(e.tables, getNameBefore(QLatin1Char('-'), e.NewLineName)) != -1;
    if ((e.SelectedKind == 1 || e.SelectedKind == 2) && firstEndExists) {
        e.LineEndX = e.SelX;
        e.LineEndY = e.SelY;
        // The same element again (also when it was moved between the presses), or another
        // element with the same centre.
        const bool sameElement = getNameBefore(QLatin1Char('-'), e.NewLineName) == e.FoundName;
        if (sameElement || (e.LineEndX == e.LineStartX && e.LineEndY == e.LineStartY)) {
            refuseLine(e, QStringLiteral("Line is not created!"));
            return;
        }
        if (get_bLine_islife(e.tables, e.NewLineName, e.FoundName)) {
            refuseLine(e, QStringLiteral("Line is finded!"));
            return;
        }
        e.NewLineName += e.FoundName;
        const int r = e.EGrid.RowCount() - 1;
        e.EGrid.setCell(ColName, r, e.NewLineName);
        e.EGrid.setCell(ColCaption, r, QString());
        DrawLineTool(e.tables, e.sheet.canvas(), e.NewLineName, e.EGrid.Cells(ColCaption, r), r, false);
        e.EGrid.setRowCount(e.EGrid.RowCount() + 1);
    }
    leaveLineTool(e);
}

} // namespace

void Editor::selectTool(Ctl sender)
{
    switch (sender) {
    case Ctl::RectangleTool:
        ToolMode = 1;
        break;
    case Ctl::PointTool:
        ToolMode = 2;
        break;
    case Ctl::LineTool:
        ToolMode = 3;
        break;
    default:
        ToolMode = 0;
        break;
    }
    SelectedKind = 0;
    for (Ctl c :
         {Ctl::DeleteButton, Ctl::DeleteAction, Ctl::ReverseLineButton, Ctl::ReverseLineAction, Ctl::ReverseLineItem})
        ui.setEnabled(c, false);
    ui.setText(Ctl::XEdit, QString());
    ui.setText(Ctl::YEdit, QString());
    overlay.setPenColor(clBlack);
    overlay.setPenWidth(1);
    refreshOverlay();
    LineStartX = -1;
    LineStartY = -1;
    const QString typed = ui.text(Ctl::CaptionEdit);
    SelCaption = typed.isEmpty() ? QStringLiteral("RP") : typed;
    ListShiftObj.clear();
    UpdateImageModel();
}

void Editor::sheetPress(MouseButton button, ShiftState, int X, int Y)
{
    PanAnchorX = X;
    PanAnchorY = Y;
    if (!locked()) {
        MouseDownX = X;
        MouseDownY = Y;
        MouseHeld = true;
        ListDist.clear();

        switch (ToolMode) {
        case 0:
            if (button == mbLeft)
                Find_and_Select(X, Y);
            break;
        case 1:
        case 2:
            createElement(*this, ToolMode, X, Y);
            break;
        case 3:
            linePress(*this, X, Y);
            break;
        default:
            break;
        }

        // The right button arms the rectangle tool, the middle one the point tool.
        if (button == mbRight) {
            selectTool(Ctl::RectangleTool);
            ui.setToolDown(Ctl::RectangleTool);
            refreshOverlay();
        } else if (button == mbMiddle) {
            selectTool(Ctl::PointTool);
            ui.setToolDown(Ctl::PointTool);
            refreshOverlay();
        }
    }
    ui.setEnabled(Ctl::SelectAllAction, getCountElements());
}

void Editor::sheetDoubleClick()
{
    if (locked() || !ui.isEnabled(Ctl::LineTool))
        return;
    selectTool(Ctl::LineTool);
    ui.setToolDown(Ctl::LineTool);
}
