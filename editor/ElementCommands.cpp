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
    doc.setStepName(QStringLiteral("Delete"));
    if (multi.count() >= 2) {
        // Lines attached to a deleted member go with it; a later listed line is then not found
        // (row -1) and deletes nothing.
        const QStringList names = multi.items();
        for (const QString &name : names)
            DeleteElementModel(GetRowObjByName(doc.tables(), name), doc.tables().tableForName(name));
    } else if (sel.kind != ElementKind::None) {
        const StringGrid &table = tableOfKind(doc, sel.kind);
        const int row = table.Row();
        DeleteElementModel(rowInUse(table, row) ? row : -1, table);
    } else if (multi.count() == 1 && !multi.item(0).isEmpty()) {
        // Nothing selected but one listed element (Select All on a single element): delete it.
        const QString name = multi.item(0);
        DeleteElementModel(GetRowObjByName(doc.tables(), name), doc.tables().tableForName(name));
    }
    multi.clear();
    UpdateImageModel();
    MenuPopped = false;
}

void Editor::reverseSelectedLine()
{
    if (sel.kind == ElementKind::Line) {
        const StringGrid &lines = doc.lines();
        const int row = lines.Row();
        const QString name = lines.Cells(ColName, row);
        if (rowInUse(lines, row) && name.contains(QLatin1Char('-'))) {
            doc.setStepName(QStringLiteral("Reverse Line"));
            doc.setCell(lines, ColName, row,
                        getNameAfter(QLatin1Char('-'), name) + QLatin1Char('-') +
                            getNameBefore(QLatin1Char('-'), name));
            doc.setModified(true);
            UpdateImageModel();
        }
    }
    MenuPopped = false;
}

void Editor::toggleLock()
{
    const bool nowLocked = !doc.locked();
    doc.setLocked(nowLocked);
    ui.setChecked(Ctl::LockAction, nowLocked);
    InstrumEnabled(!nowLocked);
    ui.setEnabled(Ctl::SelectAllAction, getCountElements());
    multi.clear();
    doc.setModified(true);
    MenuPopped = false;
    UpdateImageModel();
}
