#include "model/TableOps.h"

#include "toolkit/IntText.h"

#include <QSet>

#include <algorithm>

QSet<qint64> takenElementNumbers(const QString &prefix, const StringGrid &table)
{
    QSet<qint64> taken;
    for (int r = 1; r < table.RowCount(); ++r) {
        const QString &name = table.Cells(ColName, r);
        if (name.isEmpty())
            continue;
        if (name.size() <= prefix.size() || !name.startsWith(prefix, Qt::CaseInsensitive))
            continue;
        const QStringView digits = QStringView(name).mid(prefix.size());
        // Only the exact decimal text of a number matches prefix+IntToStr(n).
        if (digits.front() == QLatin1Char('0') || digits.size() > 10)
            continue;
        qint64 n = 0;
        bool ok = true;
        for (QChar ch : digits) {
            if (ch < QLatin1Char('0') || ch > QLatin1Char('9')) {
                ok = false;
                break;
            }
            n = n * 10 + (ch.unicode() - '0');
        }
        if (ok)
            taken.insert(n);
    }
    return taken;
}

int GetNumberElement(const QString &prefix, const StringGrid &table)
{
    // The smallest number not taken; a set gives it in linear time.
    const QSet<qint64> taken = takenElementNumbers(prefix, table);
    int number = 1;
    while (taken.contains(number))
        ++number;
    return number;
}

int GetRowObjByName(const ElementTables &tables, const QString &name)
{
    const StringGrid &table = tables.tableForName(name);
    if (name.isEmpty())
        return -1; // rows without a name are not in use
    for (int r = 1; r < table.RowCount(); ++r)
        if (table.Cells(ColName, r) == name)
            return r;
    return -1;
}

QPoint getCoordElem_onName(const QString &name, const StringGrid &table)
{
    QPoint result(0, 0);
    for (int r = 1; r < table.RowCount(); ++r) {
        const QString &cell = table.Cells(ColName, r);
        if (!cell.isEmpty() && cell == name)
            result = QPoint(StrToInt(table.Cells(ColX, r)), StrToInt(table.Cells(ColY, r)));
    }
    return result;
}

bool get_bH_elem(const ElementTables &tables, const QString &name)
{
    if (name.isEmpty())
        return false;
    for (int r = 1; r < tables.HGrid.RowCount(); ++r)
        if (tables.HGrid.Cells(ColName, r) == name)
            return true;
    return false;
}

bool get_bNameEl_islife(const ElementTables &tables, const QString &name)
{
    if (name.isEmpty())
        return false;
    if (get_bH_elem(tables, name))
        return true;
    for (int r = 1; r < tables.PGrid.RowCount(); ++r)
        if (tables.PGrid.Cells(ColName, r) == name)
            return true;
    return false;
}

bool get_bLine_islife(const ElementTables &tables, QString first, const QString &second)
{
    if (first.contains(QLatin1Char('-')))
        first.chop(1);
    const QString forward = first + QLatin1Char('-') + second;
    const QString backward = second + QLatin1Char('-') + first;
    bool found = false;
    for (int r = 1; r < tables.EGrid.RowCount(); ++r) {
        const QString &name = tables.EGrid.Cells(ColName, r);
        if (!name.isEmpty() && (name == forward || name == backward))
            found = true;
    }
    return found;
}

bool isDataRow(const StringGrid &table, int row)
{
    return row >= 1 && row <= table.RowCount() - 2;
}

void ClearSelectedTable(StringGrid &table)
{
    // Dropping every row after the header and adding one back leaves the new row empty.
    table.setRowCount(std::min(table.RowCount(), 1));
    table.setRowCount(2);
}

void setLineMidpoint(StringGrid &lines, int row, QPoint midpoint)
{
    if (!isIntText(lines.Cells(ColX, row), midpoint.x()))
        lines.setCell(ColX, row, IntToStr(midpoint.x()));
    if (!isIntText(lines.Cells(ColY, row), midpoint.y()))
        lines.setCell(ColY, row, IntToStr(midpoint.y()));
}
