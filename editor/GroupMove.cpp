#include "editor/GroupMove.h"

#include "model/RowLookup.h"
#include "toolkit/Errors.h"
#include "toolkit/IntText.h"

#include <limits>

namespace {

int checkedInt(qint64 value)
{
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        throw ConvertError(notAnIntegerMessage(IntToStr(value)));
    return static_cast<int>(value);
}

} // namespace

QPoint movedCentre(const StringGrid &table, int row, qint64 dx, qint64 dy)
{
    const qint64 x = StrToInt(table.Cells(ColX, row));
    const qint64 y = StrToInt(table.Cells(ColY, row));
    return QPoint(checkedInt(x - dx), checkedInt(y - dy));
}

void checkGroupMove(const ElementTables &tables, const TextList &members, bool withRectangles, qint64 dx,
                    qint64 dy)
{
    RowLookup rows(tables);
    for (const QString &name : members.items()) {
        if (name.isEmpty())
            continue;
        const StringGrid &table = tables.tableForName(name);
        if (&table == &tables.EGrid || (&table == &tables.HGrid && !withRectangles))
            continue;
        const int row = rows.row(name);
        if (row != -1)
            movedCentre(table, row, dx, dy);
    }
}
