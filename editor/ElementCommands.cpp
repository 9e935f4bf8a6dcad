// Delete, reverse a line, and the scheme lock.
#include "editor/Editor.h"
#include "model/TableOps.h"

void Editor::deleteSelection()
{
    if (ListShiftObj.count() >= 2) {
        // Lines attached to a deleted member go with it; a later listed line is then not found
        // (row -1) and deletes nothing.
        const QStringList names = ListShiftObj.items();
        for (const QString &name : names)
            DeleteElementModel(GetRowObjByName(tables, name), tables.tableForName(name));
    } else if (SelectedKind >= 1 && SelectedKind <= 3) {
        StringGrid &table = SelectedKind == 1 ? HGrid : SelectedKind == 2 ? PGrid : EGrid;
        const int row = table.Row();
        DeleteElementModel(rowInUse(table, row) ? row : -1, table);
    } else if (ListShiftObj.count() == 1 && !ListShiftObj.item(0).isEmpty()) {
        // Nothing selected but one listed element (Select All on a single element): delete it.
        const QString name = ListShiftObj.item(0);
        DeleteElementModel(GetRowObjByName(tables, name), tables.tableForName(name));
    }
    ListShiftObj.clear();
    UpdateImageModel();
    MenuPopped = false;
}

void Editor::reverseSelectedLine()
{
    if (SelectedKind == 3) {
        const int row = EGrid.Row();
        const QString name = EGrid.Cells(ColName, row);
        if (rowInUse(EGrid, row) && name.contains(QLatin1Char('-'))) {
            EGrid.setCell(ColName, row,
                          getNameAfter(QLatin1Char('-'), name) + QLatin1Char('-') +
                              getNameBefore(QLatin1Char('-'), name));
            Modified = true;
            UpdateImageModel();
        }
    }
    MenuPopped = false;
}

void Editor::toggleLock()
{
    const bool nowLocked = !ui.isChecked(Ctl::LockAction);
    ui.setChecked(Ctl::LockAction, nowLocked);
    InstrumEnabled(!nowLocked);
    ui.setEnabled(Ctl::SelectAllAction, getCountElements());
    ListShiftObj.clear();
    Modified = true;
    MenuPopped = false;
    UpdateImageModel();
}
