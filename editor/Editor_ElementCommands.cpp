// Delete, reverse a line, and the scheme lock.
#include "editor/Editor.h"
#include "model/TableOps.h"

namespace {

const StringGrid &tableOfKind(const Document &doc, ElementKind kind)
{
    return kind == ElementKind::Rectangle ? doc.rectangles()
           : kind == ElementKind::Point   ? doc.points()
                                          : doc.lines();
}

} // namespace

void Editor::deleteSelection()
{
    const Document::Step step(m_doc, tr("Delete"));
    if (m_multi.count() >= 2) {
        // Lines attached to a deleted member go with it; a later listed line is then not found
        // (row -1) and deletes nothing.
        const QStringList names = m_multi.items();
        for (const QString &name : names)
            DeleteElementModel(GetRowObjByName(m_doc.tables(), name), m_doc.tables().tableForName(name));
    } else if (m_sel.kind != ElementKind::None) {
        const StringGrid &table = tableOfKind(m_doc, m_sel.kind);
        const int row = table.Row();
        DeleteElementModel(rowInUse(table, row) ? row : -1, table);
    } else if (m_multi.count() == 1 && !m_multi.item(0).isEmpty()) {
        // Nothing selected but one listed element (Select All on a single element): delete it.
        const QString name = m_multi.item(0);
        DeleteElementModel(GetRowObjByName(m_doc.tables(), name), m_doc.tables().tableForName(name));
    }
    m_multi.clear();
    updateCommandStates();
    UpdateImageModel();
}

void Editor::reverseSelectedLine()
{
    if (m_sel.kind == ElementKind::Line) {
        const StringGrid &lines = m_doc.lines();
        const int row = lines.Row();
        const QString name = lines.Cells(ColName, row);
        if (rowInUse(lines, row) && name.contains(QLatin1Char('-'))) {
            const Document::Step step(m_doc, tr("Reverse Line"));
            m_doc.setCell(lines, ColName, row,
                          getNameAfter(QLatin1Char('-'), name) + QLatin1Char('-') +
                              getNameBefore(QLatin1Char('-'), name));
            UpdateImageModel();
        }
    }
}

void Editor::toggleLock()
{
    const bool nowLocked = !m_doc.locked();
    m_doc.setLocked(nowLocked);
    m_ui.setChecked(Ctl::LockAction, nowLocked);
    InstrumEnabled(!nowLocked);
    m_multi.clear();
    updateCommandStates();
    // The lock is written to the file but is no undo step: a switch counts as a change.
    m_doc.markModified();
    UpdateImageModel();
}
