#pragma once

#include "toolkit/StringGrid.h"

#include <QString>

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
};

// Text before / after the first occurrence of sep; empty when sep does not occur.
QString getNameBefore(QChar sep, const QString &text);
QString getNameAfter(QChar sep, const QString &text);

// Whether a row is in use (its name is not empty).
inline bool rowInUse(const StringGrid &grid, int row) { return !grid.Cells(ColName, row).isEmpty(); }
