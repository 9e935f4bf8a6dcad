#include "render/ElementIndex.h"

#include "toolkit/IntText.h"

TableCoords::TableCoords(const StringGrid &table) : m_table(table)
{
    const int rows = table.RowCount();
    m_x.resize(static_cast<size_t>(rows));
    m_y.resize(static_cast<size_t>(rows));
    m_names.reserve(rows);
    for (int r = 1; r < rows; ++r) {
        const QString &name = table.Cells(ColName, r);
        if (name.isEmpty())
            continue;
        m_x[static_cast<size_t>(r)] = tryStrToInt(table.Cells(ColX, r));
        m_y[static_cast<size_t>(r)] = tryStrToInt(table.Cells(ColY, r));
        NameRows &entry = m_names[name];
        entry.lastRow = r;
        if (entry.firstBadRow < 0 && (!m_x[static_cast<size_t>(r)] || !m_y[static_cast<size_t>(r)]))
            entry.firstBadRow = r;
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

QPoint TableCoords::centre(const QString &name) const
{
    return centreIfNamed(name).value_or(QPoint(0, 0));
}

std::optional<QPoint> TableCoords::centreIfNamed(const QString &name) const
{
    const auto it = m_names.constFind(name);
    if (it == m_names.constEnd())
        return std::nullopt;
    if (it->firstBadRow >= 0)
        centreOfRow(it->firstBadRow); // throws
    return centreOfRow(it->lastRow);
}

ElementIndex::ElementIndex(const ElementTables &tables) : m_rects(tables.HGrid), m_points(tables.PGrid)
{}

QPoint ElementIndex::centre(const QString &name) const
{
    const std::optional<QPoint> rect = m_rects.centreIfNamed(name);
    return rect ? *rect : m_points.centre(name);
}

LineEnds ElementIndex::ends(const QString &lineName) const
{
    const QPoint first = centre(getNameBefore(QLatin1Char('-'), lineName));
    const QPoint second = centre(getNameAfter(QLatin1Char('-'), lineName));
    return {first.x(), first.y(), second.x(), second.y()};
}
