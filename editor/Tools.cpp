// The four tools and the press on the sheet: creating rectangles, points and lines.
#include "editor/ColorItems.h"
#include "editor/Editor.h"

#include "model/TableOps.h"
#include "render/ConnectorLines.h"
#include "render/ElementDrawing.h"
#include "toolkit/ColorText.h"

namespace {

// The rectangle or point tool's press: a new element at (X, Y), selected.
void createElement(Editor &e, ElementKind kind, int X, int Y)
{
    const bool rect = kind == ElementKind::Rectangle;
    const QString prefix = rect ? QStringLiteral("R") : QStringLiteral("P");
    const StringGrid &table = rect ? e.doc.rectangles() : e.doc.points();

    const QString name = prefix + QString::number(GetNumberElement(prefix, table));
    const QString typed = e.ui.text(Ctl::CaptionEdit);
    const QString caption = typed.isEmpty() ? name : typed;
    int index = e.ui.colorIndex();
    if (index < 0 || index >= colorBoxItems().size())
        index = 0; // the list always has a selection; never index outside it
    const QString colorText = colorBoxItems().at(index);

    e.doc.setStepName(rect ? QStringLiteral("Create Rectangle") : QStringLiteral("Create Point"));
    e.doc.appendRow(table, {name, QString::number(X), QString::number(Y), caption, colorText});
    e.sel.currentColor = StringToColor(colorText);

    DrawToolElement(X, Y, caption, e.doc.sheet().canvas(), e.sel.currentColor, clBlack, false, false, kind);
    e.Find_and_Select(X, Y);

    e.ui.setToolDown(Ctl::CursorTool);
    e.gesture.tool = Tool::Cursor;
    e.doc.setModified(true);
}

void leaveLineTool(Editor &e)
{
    e.ui.setToolDown(Ctl::CursorTool);
    e.gesture.tool = Tool::Cursor;
    e.doc.setModified(true);
}

// Gives up the line under construction after a second end that cannot be used.
void refuseLine(Editor &e, const QString &message)
{
    e.gesture.lineEndX = -1;
    e.sel.kind = ElementKind::None;
    e.gesture.lineClickCount = 0;
    leaveLineTool(e);
    e.ui.showInfo(message);
}

// The line tool's press: the first press picks the start element, the second the end element.
void linePress(Editor &e, int X, int Y)
{
    ++e.gesture.lineClickCount;
    if (e.gesture.lineClickCount == 1) {
        e.Find_and_Select(X, Y);
        if (e.sel.kind == ElementKind::Rectangle || e.sel.kind == ElementKind::Point) {
            e.gesture.lineStartX = e.sel.selX;
            e.gesture.lineStartY = e.sel.selY;
            e.gesture.newLineName = e.sel.foundName + QLatin1Char('-');
        } else {
            e.gesture.lineStartX = -1;
            e.sel.kind = ElementKind::None;
            e.gesture.lineClickCount = 0;
            leaveLineTool(e);
        }
    }
    if (e.gesture.lineClickCount < 2)
        return;

    e.gesture.lineClickCount = 0;
    e.Find_and_Select(X, Y);
    // The first end may be gone since the first press (deleted, or another scheme opened): a
    // line never joins an element that does not exist.
    const bool firstEndExists =
        e.gesture.lineStartX != -1 &&
        GetRowObjByName(e.doc.tables(), getNameBefore(QLatin1Char('-'), e.gesture.newLineName)) != -1;
    if ((e.sel.kind == ElementKind::Rectangle || e.sel.kind == ElementKind::Point) && firstEndExists) {
        e.gesture.lineEndX = e.sel.selX;
        e.gesture.lineEndY = e.sel.selY;
        // The same element again (also when it was moved between the presses), or another
        // element with the same centre.
        const bool sameElement = getNameBefore(QLatin1Char('-'), e.gesture.newLineName) == e.sel.foundName;
        if (sameElement ||
            (e.gesture.lineEndX == e.gesture.lineStartX && e.gesture.lineEndY == e.gesture.lineStartY)) {
            refuseLine(e, QStringLiteral("Line is not created!"));
            return;
        }
        if (get_bLine_islife(e.doc.tables(), e.gesture.newLineName, e.sel.foundName)) {
            refuseLine(e, QStringLiteral("Line is finded!"));
            return;
        }
        e.gesture.newLineName += e.sel.foundName;
        e.doc.setStepName(QStringLiteral("Create Line"));
        const int r =
            e.doc.appendRow(e.doc.lines(), {e.gesture.newLineName, QString(), QString(), QString()});
        e.doc.drawLine(e.gesture.newLineName, QString(), r, false);
    }
    leaveLineTool(e);
}

} // namespace

void Editor::selectTool(Tool tool)
{
    gesture.tool = tool;
    sel.kind = ElementKind::None;
    for (Ctl c : {Ctl::DeleteButton, Ctl::DeleteAction, Ctl::ReverseLineButton, Ctl::ReverseLineAction,
                  Ctl::ReverseLineItem})
        ui.setEnabled(c, false);
    ui.setText(Ctl::XEdit, QString());
    ui.setText(Ctl::YEdit, QString());
    overlay.setPenColor(clBlack);
    overlay.setPenWidth(1);
    refreshOverlay();
    gesture.lineStartX = -1;
    gesture.lineStartY = -1;
    const QString typed = ui.text(Ctl::CaptionEdit);
    sel.selCaption = typed.isEmpty() ? QStringLiteral("RP") : typed;
    multi.clear();
    UpdateImageModel();
}

void Editor::sheetPress(MouseButton button, ShiftState, int X, int Y)
{
    view.panAnchorX = X;
    view.panAnchorY = Y;
    if (!locked()) {
        gesture.mouseDownX = X;
        gesture.mouseDownY = Y;
        gesture.mouseHeld = true;
        ListDist.clear();

        switch (gesture.tool) {
        case Tool::Cursor:
            if (button == mbLeft)
                Find_and_Select(X, Y);
            break;
        case Tool::Rectangle:
            createElement(*this, ElementKind::Rectangle, X, Y);
            break;
        case Tool::Point:
            createElement(*this, ElementKind::Point, X, Y);
            break;
        case Tool::Line:
            linePress(*this, X, Y);
            break;
        }

        // The right button arms the rectangle tool, the middle one the point tool.
        if (button == mbRight) {
            selectTool(Tool::Rectangle);
            ui.setToolDown(Ctl::RectangleTool);
            refreshOverlay();
        } else if (button == mbMiddle) {
            selectTool(Tool::Point);
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
    selectTool(Tool::Line);
    ui.setToolDown(Ctl::LineTool);
}
