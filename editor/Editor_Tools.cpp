// The four tools and the press on the sheet: creating rectangles, points and lines.
#include "editor/ColorItems.h"
#include "editor/Editor.h"

#include "model/TableOps.h"
#include "render/ConnectorLines.h"
#include "render/ElementDrawing.h"
#include "toolkit/ColorText.h"

void Editor::createElement(ElementKind kind, int atX, int atY)
{
    const QPoint at = snapped(QPoint(atX, atY));
    const int X = at.x(), Y = at.y();
    const bool rect = kind == ElementKind::Rectangle;
    const QString prefix = rect ? QStringLiteral("R") : QStringLiteral("P");
    const StringGrid &table = rect ? m_doc.rectangles() : m_doc.points();

    const QString name = prefix + QString::number(GetNumberElement(prefix, table));
    const QString typed = m_ui.text(Ctl::CaptionEdit);
    const QString caption = typed.isEmpty() ? name : typed;
    int index = m_ui.colorIndex();
    if (index < 0 || index >= colorBoxItems().size())
        index = 0; // the list always has a selection; never index outside it
    const QString colorText = colorBoxItems().at(index);

    const Document::Step step(m_doc, rect ? tr("Create Rectangle") : tr("Create Point"));
    m_doc.appendRow(table, {name, QString::number(X), QString::number(Y), caption, colorText});
    m_sel.currentColor = StringToColor(colorText);

    DrawToolElement(X, Y, caption, m_doc.sheet().canvas(), m_sel.currentColor, clBlack, false, false, kind);
    Find_and_Select(X, Y);

    m_ui.setToolDown(Ctl::CursorTool);
    m_gesture.tool = Tool::Cursor;
}

void Editor::leaveLineTool()
{
    m_ui.setToolDown(Ctl::CursorTool);
    m_gesture.tool = Tool::Cursor;
    // Every press that ends the line tool counts as a change, also when it made no line.
    m_doc.markModified();
}

void Editor::refuseLine(const QString &message)
{
    m_gesture.lineEndX = -1;
    m_sel.kind = ElementKind::None;
    m_gesture.lineClickCount = 0;
    leaveLineTool();
    m_ui.showInfo(message);
}

void Editor::linePress(int X, int Y)
{
    ++m_gesture.lineClickCount;
    if (m_gesture.lineClickCount == 1) {
        Find_and_Select(X, Y);
        if (m_sel.kind == ElementKind::Rectangle || m_sel.kind == ElementKind::Point) {
            m_gesture.lineStartX = m_sel.selX;
            m_gesture.lineStartY = m_sel.selY;
            m_gesture.newLineName = m_sel.foundName + QLatin1Char('-');
        } else {
            m_gesture.lineStartX = -1;
            m_sel.kind = ElementKind::None;
            m_gesture.lineClickCount = 0;
            leaveLineTool();
        }
    }
    if (m_gesture.lineClickCount < 2)
        return;

    m_gesture.lineClickCount = 0;
    Find_and_Select(X, Y);
    // The first end may be gone since the first press (deleted, or another scheme opened): a
    // line never joins an element that does not exist.
    const bool firstEndExists =
        m_gesture.lineStartX != -1 &&
        GetRowObjByName(m_doc.tables(), getNameBefore(QLatin1Char('-'), m_gesture.newLineName)) != -1;
    if ((m_sel.kind == ElementKind::Rectangle || m_sel.kind == ElementKind::Point) && firstEndExists) {
        m_gesture.lineEndX = m_sel.selX;
        m_gesture.lineEndY = m_sel.selY;
        // The same element again (also when it was moved between the presses), or another
        // element with the same centre.
        const bool sameElement = getNameBefore(QLatin1Char('-'), m_gesture.newLineName) == m_sel.foundName;
        if (sameElement ||
            (m_gesture.lineEndX == m_gesture.lineStartX && m_gesture.lineEndY == m_gesture.lineStartY)) {
            refuseLine(tr("Line is not created!"));
            return;
        }
        if (get_bLine_islife(m_doc.tables(), m_gesture.newLineName, m_sel.foundName)) {
            refuseLine(tr("Line is finded!"));
            return;
        }
        m_gesture.newLineName += m_sel.foundName;
        const Document::Step step(m_doc, tr("Create Line"));
        const int r =
            m_doc.appendRow(m_doc.lines(), {m_gesture.newLineName, QString(), QString(), QString()});
        m_doc.drawLine(m_gesture.newLineName, QString(), r, false);
    }
    leaveLineTool();
}

void Editor::selectTool(Tool tool)
{
    m_gesture.tool = tool;
    m_sel.kind = ElementKind::None;
    m_ui.setText(Ctl::XEdit, QString());
    m_ui.setText(Ctl::YEdit, QString());
    m_overlay.setPenColor(clBlack);
    m_overlay.setPenWidth(1);
    refreshOverlay();
    m_gesture.lineStartX = -1;
    m_gesture.lineStartY = -1;
    const QString typed = m_ui.text(Ctl::CaptionEdit);
    m_sel.selCaption = typed.isEmpty() ? QStringLiteral("RP") : typed;
    m_multi.clear();
    updateCommandStates();
    UpdateImageModel();
}

void Editor::sheetPress(MouseButton button, ShiftState shift, int vx, int vy)
{
    const int X = sheetX(vx), Y = sheetY(vy);
    m_view.setPanAnchor(vx, vy);
    if (!locked()) {
        m_gesture.mouseDownX = X;
        m_gesture.mouseDownY = Y;
        m_gesture.mouseDownViewX = vx;
        m_gesture.mouseDownViewY = vy;
        m_gesture.boxing = false;
        m_gesture.mouseHeld = true;
        m_distances.clear();

        switch (m_gesture.tool) {
        case Tool::Cursor:
            if (button == mbLeft) {
                const QStringList before = m_multi.items();
                Find_and_Select(X, Y);
                // Ctrl on empty sheet starts a selection box; with Shift too it adds to the
                // multi-selection, which the press on nothing would have emptied.
                if ((shift & ssCtrl) && m_sel.kind == ElementKind::None) {
                    m_gesture.boxing = true;
                    if (shift & ssShift)
                        m_multi.setItems(before);
                }
            }
            break;
        case Tool::Rectangle:
            createElement(ElementKind::Rectangle, X, Y);
            break;
        case Tool::Point:
            createElement(ElementKind::Point, X, Y);
            break;
        case Tool::Line:
            linePress(X, Y);
            break;
        }

        // The right button arms the rectangle tool, the middle one the point tool.
        if (button == mbRight) {
            selectTool(Tool::Rectangle);
            m_ui.setToolDown(Ctl::RectangleTool);
            refreshOverlay();
        } else if (button == mbMiddle) {
            selectTool(Tool::Point);
            m_ui.setToolDown(Ctl::PointTool);
            refreshOverlay();
        }
    }
    updateCommandStates();
}

void Editor::sheetDoubleClick()
{
    if (locked() || !m_ui.isEnabled(Ctl::LineTool))
        return;
    selectTool(Tool::Line);
    m_ui.setToolDown(Ctl::LineTool);
}
