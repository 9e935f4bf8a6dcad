#include "model/RowLookup.h"

#include "model/TableOps.h"

namespace {

// Look-ups read the table up to this many times before the names are indexed.
constexpr int kScansBeforeIndex = 8;

} // namespace

int RowLookup::row(const QString &name)
{
    if (!m_indexed && ++m_lookups <= kScansBeforeIndex)
        return GetRowObjByName(m_tables, name);
    if (!m_indexed) {
        for (TableId t : {TableId::Rectangles, TableId::Points, TableId::Lines}) {
            const StringGrid &grid = m_tables.table(t);
            QHash<QString, int> &rows = m_rows[int(t)];
            rows.reserve(grid.RowCount());
            for (int r = 1; r < grid.RowCount(); ++r)
                if (const QString &cell = grid.Cells(ColName, r); !cell.isEmpty() && !rows.contains(cell))
                    rows.insert(cell, r);
        }
        m_indexed = true;
    }
    if (name.isEmpty())
        return -1;
    const QHash<QString, int> &rows = m_rows[int(m_tables.idOf(m_tables.tableForName(name)))];
    const auto it = rows.constFind(name);
    return it == rows.constEnd() ? -1 : *it;
}
