#include "model/SchemeChange.h"

qint64 SchemeChange::bytes() const
{
    qint64 total = qint64(sizeof(SchemeChange)) + (before.size() + after.size()) * qint64(sizeof(QChar));
    for (const QString &cell : cells)
        total += qint64(sizeof(QString)) + cell.size() * qint64(sizeof(QChar));
    return total;
}

void applyTableChange(ElementTables &tables, const SchemeChange &change, bool forward)
{
    StringGrid &grid = tables.table(change.table);
    switch (change.kind) {
    case SchemeChange::Kind::Cell:
        grid.setCell(change.col, change.row, forward ? change.after : change.before);
        break;
    case SchemeChange::Kind::InsertRow:
        if (forward)
            grid.insertRow(change.row, change.cells);
        else
            grid.removeRow(change.row);
        break;
    case SchemeChange::Kind::RemoveRow:
        if (forward)
            grid.removeRow(change.row);
        else
            grid.insertRow(change.row, change.cells);
        break;
    case SchemeChange::Kind::SheetSize:
        break;
    }
}
