#pragma once

#include "model/ElementTables.h"
#include "render/ConnectorLines.h"
#include "toolkit/TextHash.h"

#include <QPoint>
#include <QStringView>

#include <optional>
#include <unordered_map>
#include <vector>

// The coordinate cells of one element table, converted once.
class TableCoords {
public:
    explicit TableCoords(const StringGrid &table);

    // Converted column 1 / 2 of a row; nothing when the cell is not an integer.
    const std::optional<int> &x(int row) const { return m_x[static_cast<size_t>(row)]; }
    const std::optional<int> &y(int row) const { return m_y[static_cast<size_t>(row)]; }

    // x and y of a row, throwing the conversion error of the first bad cell (x before y).
    QPoint centreOfRow(int row) const;
    bool bad(int row) const { return !x(row) || !y(row); }

private:
    const StringGrid &m_table;
    std::vector<std::optional<int>> m_x, m_y;
};

// Centres of line ends by name over the rectangle and point tables, so that a full redraw
// looks ends up in constant time instead of scanning the tables per line. As get_2points
// does: a name that some rectangle has is looked up among the rectangles, any other among
// the points; the centre is that of the last in-use row of the name, (0, 0) for an unknown
// name, and the conversion error of the first row of the name holding a bad cell.
// The index refers to the tables' name cells, which must stay unchanged while it is used.
class ElementIndex {
public:
    // Over the tables' coordinates read into `rects` and `points`, which must outlive the index.
    ElementIndex(const ElementTables &tables, const TableCoords &rects, const TableCoords &points);

    QPoint centre(QStringView name) const;
    LineEnds ends(QStringView lineName) const;

private:
    struct Rows {
        int last = -1;
        int firstBad = -1;
        QPoint lastCentre; // when no row is bad; kept here to save a lookup in the coordinates
    };
    struct Named {
        Rows rect, point;
    };
    void addTable(const StringGrid &table, const TableCoords &coords, Rows Named::*rows);

    const TableCoords &m_rects;
    const TableCoords &m_points;
    std::unordered_map<QStringView, Named, TextHash> m_names;
};
