// Pointer moves and releases on the sheet: ghosts, dragging, multi-selection and panning.
#include "editor/CoordMath.h"
#include "editor/Editor.h"

#include "model/TableOps.h"
#include "render/ElementDrawing.h"
#include "toolkit/IntText.h"

#include <algorithm>
#include <cmath>

namespace {

// Text of a coordinate sum, as the coordinate boxes show it.
QString coordText(qint64 value)
{
    return QString::number(value);
}

} // namespace

void Editor::sheetMove(ShiftState shift, int vx, int vy)
{
    const int X = sheetX(vx), Y = sheetY(vy);
    if (!locked()) {
        if (m_sel.kind == ElementKind::None) {
            m_ui.setText(Ctl::XEdit, coordText(X));
            m_ui.setText(Ctl::YEdit, coordText(Y));
        }
        m_overlay.setPenStyle(PenStyle::Dot);

        if (m_gesture.tool == Tool::Rectangle || m_gesture.tool == Tool::Point) {
            // The creation ghost follows the pointer.
            refreshOverlay();
            m_overlay.setPenColor(clBlack);
            if (m_gesture.tool == Tool::Rectangle)
                DrawToolElement(X, Y, m_sel.selCaption, m_overlay, m_sel.currentColor, clBlack, false, true,
                                ElementKind::Rectangle);
            else
                DrawToolElement(X, Y, m_sel.selCaption, m_overlay, clPointFill, clPointGhostPen, false, true,
                                ElementKind::Point);
            showOverlay();
        }
        if (m_gesture.tool == Tool::Line) {
            // The rubber line from the first end.
            refreshOverlay();
            m_overlay.setPenColor(clBlack);
            m_overlay.setPenStyle(PenStyle::Dot);
            if (m_gesture.lineStartX != -1 && m_gesture.lineStartY != -1) {
                m_overlay.MoveTo(m_gesture.lineStartX, m_gesture.lineStartY);
                m_overlay.LineTo(X, Y);
            }
            showOverlay();
        }

        if (m_gesture.boxing && m_gesture.mouseHeld)
            drawSelectionBox(X, Y);

        // A drag starts once the pointer moved 2 view pixels, at any scale.
        m_gesture.dragDistX = clampToInt(absDiff(m_gesture.mouseDownViewX, vx));
        m_gesture.dragDistY = clampToInt(absDiff(m_gesture.mouseDownViewY, vy));

        if ((m_gesture.dragDistX >= 2 || m_gesture.dragDistY >= 2) && shift == ssLeft &&
            m_gesture.mouseHeld && m_sel.elementSelected()) {
            refreshOverlay();
            m_overlay.setPenColor(clBlack);
            if (m_sel.kind == ElementKind::Rectangle) {
                // The ghost keeps the grabbed point of the rectangle under the pointer.
                m_gesture.grabOffsetX = clampToInt(qint64(m_sel.selX) - m_gesture.mouseDownX);
                m_gesture.grabOffsetY = clampToInt(qint64(m_sel.selY) - m_gesture.mouseDownY);
                const qint64 gx = qint64(X) + m_gesture.grabOffsetX;
                const qint64 gy = qint64(Y) + m_gesture.grabOffsetY;
                m_ui.setText(Ctl::XEdit, coordText(gx));
                m_ui.setText(Ctl::YEdit, coordText(gy));
                DrawToolElement(gx, gy, m_sel.selCaption, m_overlay, m_sel.currentColor, clBlack, false, true,
                                ElementKind::Rectangle);
            } else {
                DrawToolElement(X, Y, m_sel.selCaption, m_overlay, clPointFill, clPointGhostPen, false, true,
                                ElementKind::Point);
                m_ui.setText(Ctl::XEdit, coordText(X));
                m_ui.setText(Ctl::YEdit, coordText(Y));
            }
            showOverlay();
        }
    }

    // A plain left drag that starts on empty sheet pans the view, also while locked.
    if (m_sel.kind == ElementKind::None && shift == ssLeft)
        MoveSheet(vx, vy);
}

void Editor::sheetRelease(MouseButton button, ShiftState shift, int vx, int vy)
{
    const int X = sheetX(vx), Y = sheetY(vy);
    if (!locked() && m_gesture.boxing) {
        m_gesture.boxing = false;
        m_gesture.mouseHeld = false;
        selectInBox(X, Y, shift & ssShift);
        return;
    }
    if (!locked()) {
        m_gesture.dragDistX = clampToInt(absDiff(m_gesture.mouseDownViewX, vx));
        m_gesture.dragDistY = clampToInt(absDiff(m_gesture.mouseDownViewY, vy));

        if ((m_gesture.dragDistX >= 2 || m_gesture.dragDistY >= 2) && m_gesture.mouseHeld &&
            button == mbLeft && m_sel.elementSelected()) {
            const StringGrid &table =
                m_sel.kind == ElementKind::Rectangle ? m_doc.rectangles() : m_doc.points();
            const int r = table.Row();
            if (rowInUse(table, r)) {
                // A rectangle keeps its grab offset; a point is centred on the pointer.
                const bool rect = m_sel.kind == ElementKind::Rectangle;
                QPoint drop(clampToInt(rect ? qint64(X) + m_gesture.grabOffsetX : X),
                            clampToInt(rect ? qint64(Y) + m_gesture.grabOffsetY : Y));
                if (!(shift & ssAlt))
                    drop = snapped(drop); // Alt places freely
                const int newX = drop.x(), newY = drop.y();
                const qint64 dx = qint64(m_sel.foundX) - newX;
                const qint64 dy = qint64(m_sel.foundY) - newY;
                const Document::Step step(m_doc, tr("Move"));
                m_doc.setCell(table, ColX, r, QString::number(newX));
                m_doc.setCell(table, ColY, r, QString::number(newY));
                if (m_multi.count() >= 2)
                    ChangeCoordObj(dx, dy);
                UpdateImageModel();
                Find_and_Select(newX, newY);
            }
        }
        m_gesture.mouseHeld = false;
    }

    if (m_ui.isEnabled(Ctl::CaptionEdit))
        m_ui.focusCaptionSelectAll();

    if (!locked()) {
        // Shift+click adds to the multi-selection (never removes); a plain click restarts it.
        if (shift == ssShift) {
            if (!m_sel.foundName.isEmpty() && m_multi.indexOf(m_sel.foundName) < 0)
                m_multi.add(m_sel.foundName);
        } else if (!m_sel.foundName.isEmpty()) {
            m_multi.clear();
            m_multi.add(m_sel.foundName);
        }
        UpdateImageModel();

        const bool single = m_multi.count() < 2;
        for (Ctl c : {Ctl::XLabel, Ctl::XEdit, Ctl::YLabel, Ctl::YEdit})
            m_ui.setEnabled(c, single);
    }
}

void Editor::ChangeCoordObj(qint64 dx, qint64 dy)
{
    for (int i = 0; i < m_multi.count(); ++i) {
        const QString name = m_multi.item(i);
        if (name == m_sel.foundName || name.contains(QLatin1Char('-')))
            continue; // the dragged element is already placed; lines follow their ends
        const StringGrid &table = name.contains(QLatin1Char('R')) ? m_doc.rectangles() : m_doc.points();
        const int row = GetRowObjByName(m_doc.tables(), name);
        if (row == -1)
            continue;
        const qint64 x = StrToInt(table.Cells(ColX, row));
        const qint64 y = StrToInt(table.Cells(ColY, row));
        m_doc.setCell(table, ColX, row, QString::number(clampToInt(x - dx)));
        m_doc.setCell(table, ColY, row, QString::number(clampToInt(y - dy)));
    }
}

QPoint Editor::snapped(QPoint centre) const
{
    if (!m_snapToGrid)
        return centre;
    // The grid's dots: columns at kGridStep, 2 kGridStep, ...; rows at 0, kGridStep, ...
    const auto nearest = [](int v) {
        return clampToInt(qint64(std::floor(double(v) / kGridStep + 0.5)) * kGridStep);
    };
    return {std::max(kGridStep, nearest(centre.x())), std::max(0, nearest(centre.y()))};
}

void Editor::drawSelectionBox(int X, int Y)
{
    refreshOverlay();
    m_overlay.setPenColor(clBlack);
    m_overlay.setPenStyle(PenStyle::Dot);
    const int x0 = m_gesture.mouseDownX, y0 = m_gesture.mouseDownY;
    m_overlay.MoveTo(x0, y0);
    m_overlay.LineTo(X, y0);
    m_overlay.LineTo(X, Y);
    m_overlay.LineTo(x0, Y);
    m_overlay.LineTo(x0, y0);
    showOverlay();
}

void Editor::selectInBox(int X, int Y, bool adding)
{
    const PixelBox box{std::min<Coord>(X, m_gesture.mouseDownX), std::min<Coord>(Y, m_gesture.mouseDownY),
                       std::max<Coord>(X, m_gesture.mouseDownX) + 1,
                       std::max<Coord>(Y, m_gesture.mouseDownY) + 1};
    QStringList names = adding ? m_multi.items() : QStringList();
    const StringGrid *lastTable = nullptr;
    int lastRow = -1;
    for (const StringGrid *table : {&m_doc.rectangles(), &m_doc.points()})
        for (int r = 1; r < table->RowCount(); ++r) {
            if (!rowInUse(*table, r) || !tryStrToInt(table->Cells(ColX, r)) ||
                !tryStrToInt(table->Cells(ColY, r)))
                continue;
            const PixelBox e = elementExtent(r, *table);
            if (e.l < box.l || e.t < box.t || e.r > box.r || e.b > box.b)
                continue;
            if (!names.contains(table->Cells(ColName, r)))
                names << table->Cells(ColName, r);
            lastTable = table;
            lastRow = r;
        }
    m_multi.setItems(names);
    if (lastTable)
        selectElementRow(lastRow, *lastTable);
    updateCommandStates();
    UpdateImageModel();
}
