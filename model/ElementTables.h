#pragma once

#include "toolkit/StringGrid.h"

#include <QString>

// What an element is; a line joins two rectangles or points.
enum class ElementKind { None, Rectangle, Point, Line };

// The three element tables, as a change record names them.
enum class TableId : quint8 { Rectangles, Points, Lines };

// Columns of the element tables.
enum Column { ColName = 0, ColX = 1, ColY = 2, ColCaption = 3, ColColor = 4 };

// The three element tables of a scheme. Row 0 is an empty header row, data rows follow in
// creation order, and the last row is always empty.
struct ElementTables {
    StringGrid HGrid{5, 2}; // rectangles
    StringGrid PGrid{5, 2}; // points
    StringGrid EGrid{4, 2}; // lines

    // The table an element's name belongs to: "-" means a line, else "R" a rectangle,
    // else a point.
    StringGrid &tableForName(const QString &name);
    const StringGrid &tableForName(const QString &name) const;

    StringGrid &table(TableId id)
    {
        return id == TableId::Rectangles ? HGrid : id == TableId::Points ? PGrid : EGrid;
    }
    const StringGrid &table(TableId id) const { return const_cast<ElementTables *>(this)->table(id); }
    // Which of the three tables `grid` is; the grid must be one of them.
    TableId idOf(const StringGrid &grid) const
    {
        return &grid == &HGrid ? TableId::Rectangles : &grid == &PGrid ? TableId::Points : TableId::Lines;
    }
};

// Text before / after the first occurrence of sep; empty when sep does not occur.
QString getNameBefore(QChar sep, const QString &text);
QString getNameAfter(QChar sep, const QString &text);

// Whether a row is in use (its name is not empty).
inline bool rowInUse(const StringGrid &grid, int row)
{
    return !grid.Cells(ColName, row).isEmpty();
}
