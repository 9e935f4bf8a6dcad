#pragma once

#include "editor/Editor.h"
#include "support/EditorTestAccess.h"
#include "support/FakeUi.h"
#include "toolkit/Errors.h"

#include <QPoint>
#include <QString>

#include <functional>

// Random user commands driven through the editing logic as the window drives it, each ended
// as the window's event boundary ends it. `pick(n)` gives a number in 0..n-1.
class RandomCommands {
public:
    using Pick = std::function<int(int)>;

    RandomCommands(Editor &editor, FakeUi &ui, Pick pick) : e(editor), m_ui(ui), m_pick(std::move(pick)) {}

    // One command; commands that fail part-way (a conversion error) still end.
    void run()
    {
        const QPoint p = target();
        try {
            switch (m_pick(10)) {
            case 0: // create a rectangle or point
                m_ui.color = m_pick(9);
                m_ui.texts[Ctl::CaptionEdit] =
                    m_pick(2) ? QStringLiteral("Box %1").arg(m_pick(100)) : QString();
                e.selectTool(m_pick(2) != 0 ? Tool::Rectangle : Tool::Point);
                click(m_pick(e.doc().sheet().width()), m_pick(e.doc().sheet().height()));
                break;
            case 1: { // a line between two elements
                const QPoint q = target();
                e.selectTool(Tool::Line);
                click(p.x(), p.y());
                click(q.x(), q.y());
                break;
            }
            case 2: { // drag, sometimes the whole multi-selection
                const ShiftState keys = m_pick(3) == 0 ? ShiftState(ssShift) : ShiftState(0);
                click(p.x(), p.y(), keys);
                drag(p, p + QPoint(m_pick(160) - 80, m_pick(160) - 80), keys);
                break;
            }
            case 3: // keyboard move; an empty coordinate box fails with a conversion error
                click(p.x(), p.y());
                if (m_pick(6) == 0)
                    m_ui.texts[Ctl::XEdit] = QString();
                e.ObjMoveOnCanvas(Direction(m_pick(4)));
                break;
            case 4: // caption typed, then Enter
                click(p.x(), p.y());
                m_ui.focused = Ctl::CaptionEdit;
                m_ui.texts[Ctl::CaptionEdit] = QStringLiteral("T%1").arg(m_pick(1000));
                e.captionKeyFilter(QChar(13));
                m_ui.focused = Ctl::CursorTool;
                break;
            case 5: // recolour
                click(p.x(), p.y());
                m_ui.color = m_pick(9);
                e.colorChosen();
                break;
            case 6: // delete the selection, or everything selected
                if (m_pick(4) == 0)
                    e.SelectAllObjects();
                else
                    click(p.x(), p.y());
                e.deleteSelection();
                break;
            case 7: // reverse a line
                if (e.doc().lines().RowCount() > 2) {
                    e.doc().setCurrentRow(e.doc().lines(), 1 + m_pick(e.doc().lines().RowCount() - 2));
                    EditorTestAccess::selection(e).kind = ElementKind::Line;
                    e.reverseSelectedLine();
                }
                break;
            case 8: // sheet size
                e.stepSheetSize(SheetEdge(m_pick(4)));
                break;
            default: // select all, then a group move
                e.SelectAllObjects();
                click(p.x(), p.y(), ssShift);
                e.ObjMoveOnCanvas(Direction(m_pick(4)));
                break;
            }
        } catch (const AppError &) {
        }
        e.doc().closeStep();
    }

private:
    // A random element's centre, or a random place on the sheet.
    QPoint target()
    {
        const StringGrid &t = m_pick(2) ? e.doc().rectangles() : e.doc().points();
        if (t.RowCount() <= 2 || m_pick(5) == 0)
            return {m_pick(e.doc().sheet().width()), m_pick(e.doc().sheet().height())};
        const int r = 1 + m_pick(t.RowCount() - 2);
        return {t.Cells(ColX, r).toInt(), t.Cells(ColY, r).toInt()};
    }
    void click(int x, int y, ShiftState keys = 0)
    {
        e.sheetPress(mbLeft, keys | ssLeft, x, y);
        e.sheetRelease(mbLeft, keys, x, y);
    }
    void drag(QPoint from, QPoint to, ShiftState keys)
    {
        e.sheetPress(mbLeft, keys | ssLeft, from.x(), from.y());
        for (int i = 1; i <= 3; ++i)
            e.sheetMove(keys | ssLeft, from.x() + (to.x() - from.x()) * i / 3,
                        from.y() + (to.y() - from.y()) * i / 3);
        e.sheetRelease(mbLeft, keys, to.x(), to.y());
    }

    Editor &e;
    FakeUi &m_ui;
    Pick m_pick;
};
