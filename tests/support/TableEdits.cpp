#include "support/TableEdits.h"

#include "model/TableOps.h"
#include "toolkit/StringGrid.h"

void DeleteRowFromGrid(int row, StringGrid &table, bool &modified)
{
    // -1 is "no such row". The header and the trailing row are not data rows either: removing
    // the trailing row would make the next element overwrite the last one.
    if (!isDataRow(table, row))
        return;
    for (int r = row; r <= table.RowCount() - 1; ++r)
        table.copyRow(r + 1, r);
    table.setRowCount(table.RowCount() - 1);
    modified = true;
}

void deleteElementRows(ElementTables &tables, int row, StringGrid &table, bool &modified)
{
    if (!isDataRow(table, row))
        return;
    if (&table != &tables.EGrid) {
        const QString name = table.Cells(ColName, row);
        StringGrid &lines = tables.EGrid;
        // The element's lines are dropped in one pass, the other rows moving up in their order
        // (as deleting them one at a time would, but without moving the rest once per line).
        // Only data rows are deleted; the trailing row stays.
        const int last = lines.RowCount() - 1;
        int kept = 1;
        for (int r = 1; r < last; ++r) {
            const QString &lineName = lines.Cells(ColName, r);
            if (!lineName.isEmpty() && (getNameBefore(QLatin1Char('-'), lineName) == name ||
                                        getNameAfter(QLatin1Char('-'), lineName) == name)) {
                modified = true;
                continue;
            }
            if (kept != r)
                lines.copyRow(r, kept);
            ++kept;
        }
        if (last >= 1 && kept != last) {
            lines.copyRow(last, kept);
            lines.setRowCount(kept + 1);
        }
    }
    DeleteRowFromGrid(row, table, modified);
}

int appendRow(StringGrid &table, const QStringList &cells)
{
    const int r = table.RowCount() - 1;
    for (int c = 0; c < cells.size(); ++c)
        table.setCell(c, r, cells.at(c));
    table.setRowCount(table.RowCount() + 1);
    return r;
}

bool sameCells(const StringGrid &a, const StringGrid &b)
{
    if (a.RowCount() != b.RowCount() || a.ColCount() != b.ColCount())
        return false;
    for (int r = 0; r < a.RowCount(); ++r)
        for (int c = 0; c < a.ColCount(); ++c)
            if (a.Cells(c, r) != b.Cells(c, r))
                return false;
    return true;
}

bool sameCells(const ElementTables &a, const ElementTables &b)
{
    return sameCells(a.HGrid, b.HGrid) && sameCells(a.PGrid, b.PGrid) && sameCells(a.EGrid, b.EGrid);
}
