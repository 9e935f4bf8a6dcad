#include "editor/SchemeClip.h"

#include "editor/CoordMath.h"
#include "model/TableOps.h"
#include "toolkit/IntText.h"

#include <QHash>

#include <algorithm>
#include <limits>

namespace {

bool isLineBetween(const QString &line, const QSet<QString> &names)
{
    const qsizetype dash = line.indexOf(QLatin1Char('-'));
    return dash > 0 && names.contains(line.left(dash)) && names.contains(line.mid(dash + 1));
}

void copyRow(const StringGrid &from, int row, StringGrid &to)
{
    const int r = to.RowCount() - 1;
    to.setRowCount(to.RowCount() + 1);
    for (int c = 0; c < std::min(from.ColCount(), to.ColCount()); ++c)
        to.setCell(c, r, from.Cells(c, row));
}

// Hands out the names of new elements of one kind as creating them one after another would.
class NewNames {
public:
    NewNames(const QString &prefix, const StringGrid &table)
        : m_prefix(prefix), m_taken(takenElementNumbers(prefix, table))
    {}
    QString next()
    {
        while (m_taken.contains(m_number))
            ++m_number;
        m_taken.insert(m_number);
        return m_prefix + IntToStr(m_number);
    }

private:
    QString m_prefix;
    QSet<qint64> m_taken;
    qint64 m_number = 1;
};

} // namespace

ElementTables clipOf(const ElementTables &from, const QSet<QString> &names)
{
    ElementTables clip;
    for (TableId id : {TableId::Rectangles, TableId::Points}) {
        const StringGrid &table = from.table(id);
        for (int r = 1; r < table.RowCount(); ++r)
            if (rowInUse(table, r) && names.contains(table.Cells(ColName, r)))
                copyRow(table, r, clip.table(id));
    }
    const StringGrid &lines = from.EGrid;
    for (int r = 1; r < lines.RowCount(); ++r)
        if (rowInUse(lines, r) && isLineBetween(lines.Cells(ColName, r), names))
            copyRow(lines, r, clip.EGrid);
    return clip;
}

std::optional<SchemeReadResult> readClip(const QString &text)
{
    if (text.isEmpty())
        return std::nullopt;
    // Split as a scheme file is; empty lines at the end (which other programs add) are left out.
    TextList lines;
    lines.setFromText(text);
    while (!lines.items().isEmpty() && lines.items().last().isEmpty())
        lines.items().removeLast();
    SchemeReadResult read = readScheme(lines);
    if (!read.ok || (read.tables.HGrid.RowCount() <= 2 && read.tables.PGrid.RowCount() <= 2))
        return std::nullopt;
    return read;
}

QPoint clipCentre(const ElementTables &clip)
{
    qint64 left = std::numeric_limits<qint64>::max(), top = left;
    qint64 right = std::numeric_limits<qint64>::min(), bottom = right;
    for (const StringGrid *table : {&clip.HGrid, &clip.PGrid})
        for (int r = 1; r < table->RowCount(); ++r) {
            if (!rowInUse(*table, r))
                continue;
            const qint64 x = StrToInt(table->Cells(ColX, r)), y = StrToInt(table->Cells(ColY, r));
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    if (left > right)
        return {};
    return {clampToInt((left + right) / 2), clampToInt((top + bottom) / 2)};
}

ClipRows renamedClip(const ElementTables &clip, const ElementTables &into, qint64 dx, qint64 dy)
{
    ClipRows out;
    QHash<QString, QString> renamed;
    for (TableId id : {TableId::Rectangles, TableId::Points}) {
        const StringGrid &table = clip.table(id);
        NewNames names(id == TableId::Rectangles ? QStringLiteral("R") : QStringLiteral("P"), into.table(id));
        std::vector<QStringList> &to = id == TableId::Rectangles ? out.rectangles : out.points;
        to.reserve(size_t(std::max(0, table.RowCount() - 2)));
        for (int r = 1; r < table.RowCount(); ++r) {
            if (!rowInUse(table, r) || renamed.contains(table.Cells(ColName, r)))
                continue;
            QStringList cells = table.rowCells(r);
            const QString name = names.next();
            renamed.insert(cells[ColName], name);
            cells[ColName] = name;
            cells[ColX] = IntToStr(clampToInt(StrToInt(cells[ColX]) + dx));
            cells[ColY] = IntToStr(clampToInt(StrToInt(cells[ColY]) + dy));
            to.push_back(std::move(cells));
        }
    }
    QSet<QString> seen;
    for (int r = 1; r < clip.EGrid.RowCount(); ++r) {
        const QString &line = clip.EGrid.Cells(ColName, r);
        const qsizetype dash = line.indexOf(QLatin1Char('-'));
        if (!rowInUse(clip.EGrid, r) || dash <= 0)
            continue;
        const QString a = renamed.value(line.left(dash)), b = renamed.value(line.mid(dash + 1));
        QString name = a + QLatin1Char('-') + b;
        if (a.isEmpty() || b.isEmpty() || a == b || seen.contains(name))
            continue;
        seen.insert(name);
        QStringList cells = clip.EGrid.rowCells(r);
        cells[ColName] = std::move(name);
        out.lines.push_back(std::move(cells));
    }
    return out;
}
