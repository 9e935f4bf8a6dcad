#pragma once

#include "model/ElementTables.h"
#include "render/ConnectorLines.h"

#include <QHash>
#include <QPoint>
#include <QString>

#include <optional>
#include <vector>

// The coordinate cells of one element table converted once, with each name's rows, so that a
// full redraw looks ends up in constant time instead of scanning the table per line.
class TableCoords {
public:
    explicit TableCoords(const StringGrid &table);

    // Converted column 1 / 2 of a row; nothing when the cell is not an integer.
    const std::optional<int> &x(int row) const { return m_x[static_cast<size_t>(row)]; }
    const std::optional<int> &y(int row) const { return m_y[static_cast<size_t>(row)]; }

    // x and y of a row, throwing the conversion error of the first bad cell (x before y).
    QPoint centreOfRow(int row) const;

    bool contains(const QString &name) const { return m_names.contains(name); }

    // Same result as getCoordElem_onName: the centre of the last in-use row of that name,
    // (0, 0) for an unknown name, and the conversion error of the first row of that name
    // holding a bad cell.
    QPoint centre(const QString &name) const;
    // The same for a name the table has; nothing for any other.
    std::optional<QPoint> centreIfNamed(const QString &name) const;

private:
    struct NameRows {
        int lastRow = -1;
        int firstBadRow = -1;
    };
    const StringGrid &m_table;
    std::vector<std::optional<int>> m_x, m_y;
    QHash<QString, NameRows> m_names;
};

// Centres of line ends by name over the rectangle and point tables: a name that some rectangle
// has is looked up among the rectangles, any other among the points (as get_2points does).
class ElementIndex {
public:
    explicit ElementIndex(const ElementTables &tables);

    const TableCoords &rects() const { return m_rects; }
    const TableCoords &points() const { return m_points; }

    QPoint centre(const QString &name) const;
    LineEnds ends(const QString &lineName) const;

private:
    TableCoords m_rects;
    TableCoords m_points;
};
