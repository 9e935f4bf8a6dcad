#include "render/ElementIndex.h"

#include "toolkit/IntText.h"

TableCoords::TableCoords(const StringGrid &table) : m_table(table)
{
    const int rows = table.RowCount();
    m_x.resize(static_cast<size_t>(rows));
    m_y.resize(static_cast<size_t>(rows));
    for (int r = 1; r < rows; ++r) {
        if (!rowInUse(table, r))
            continue;
        m_x[static_cast<size_t>(r)] = tryStrToInt(table.Cells(ColX, r));
        m_y[static_cast<size_t>(r)] = tryStrToInt(table.Cells(ColY, r));
    }
}

QPoint TableCoords::centreOfRow(int row) const
{
    const auto &x = m_x[static_cast<size_t>(row)];
    const auto &y = m_y[static_cast<size_t>(row)];
    // A bad cell fails again in StrToInt, which throws its conversion error; x is read first.
    const int cx = x ? *x : StrToInt(m_table.Cells(ColX, row));
    const int cy = y ? *y : StrToInt(m_table.Cells(ColY, row));
    return QPoint(cx, cy);
}

ElementIndex::ElementIndex(const ElementTables &tables, const TableCoords &rects, const TableCoords &points)
    : m_rects(rects), m_points(points)
{
    m_names.reserve(size_t(tables.HGrid.RowCount() + tables.PGrid.RowCount()));
    addTable(tables.HGrid, m_rects, &Named::rect);
    addTable(tables.PGrid, m_points, &Named::point);
}

void ElementIndex::addTable(const StringGrid &table, const TableCoords &coords, Rows Named::*rows)
{
    for (int r = 1; r < table.RowCount(); ++r) {
        const QString &name = table.Cells(ColName, r);
        if (name.isEmpty())
            continue;
        Rows &entry = m_names[QStringView(name)].*rows;
        entry.last = r;
        if (coords.bad(r)) {
            if (entry.firstBad < 0)
                entry.firstBad = r;
        } else {
            entry.lastCentre = QPoint(*coords.x(r), *coords.y(r));
        }
    }
}

QPoint ElementIndex::centre(QStringView name) const
{
    const auto it = m_names.find(name);
    if (it == m_names.end())
        return QPoint(0, 0);
    const bool rect = it->second.rect.last >= 0;
    const Rows &rows = rect ? it->second.rect : it->second.point;
    if (rows.firstBad >= 0)
        (rect ? m_rects : m_points).centreOfRow(rows.firstBad); // throws
    // Without a bad row, the last row's coordinates are good.
    return rows.lastCentre;
}

LineEnds ElementIndex::ends(QStringView lineName) const
{
    // The names before and after the first '-'; without one, both are empty.
    const qsizetype dash = lineName.indexOf(QLatin1Char('-'));
    const QStringView before = dash < 0 ? QStringView() : lineName.left(dash);
    const QStringView after = dash < 0 ? QStringView() : lineName.mid(dash + 1);
    const QPoint first = centre(before);
    const QPoint second = centre(after);
    return {first.x(), first.y(), second.x(), second.y()};
}
