#pragma once

#include "model/ElementTables.h"

#include <QPoint>
#include <QSet>

// Operations on the element tables that need no window.

// The number for a new element's name (GetNumberElement): the smallest positive n such that
// prefix+n (compared without regard to case) names no in-use row of the table. Linear in the
// table size.
int GetNumberElement(const QString &prefix, const StringGrid &table);
// The numbers n with prefix+n naming a row of the table (compared without regard to case).
QSet<qint64> takenElementNumbers(const QString &prefix, const StringGrid &table);

// The row of an element by name (GetRowObjByName): the first row of the element's table whose
// name equals name exactly, or -1.
int GetRowObjByName(const ElementTables &tables, const QString &name);

// An element's centre by name (getCoordElem_onName): the centre of the LAST in-use row named
// name, or (0, 0). Throws ConvertError on a non-integer cell.
QPoint getCoordElem_onName(const QString &name, const StringGrid &table);

// Whether a rectangle row has that (non-empty) name (get_bH_elem).
bool get_bH_elem(const ElementTables &tables, const QString &name);
// Whether a rectangle or point row has that (non-empty) name (get_bNameEl_islife).
bool get_bNameEl_islife(const ElementTables &tables, const QString &name);
// Whether a line joins two elements, either way (get_bLine_islife): first may carry a trailing
// "-" (dropped); true when first-second or second-first exists.
bool get_bLine_islife(const ElementTables &tables, QString first, const QString &second);

// Rows 1 to RowCount-2: neither the header row nor the trailing empty row.
bool isDataRow(const StringGrid &table, int row);

// Stores a line's midpoint in columns 1 and 2 of its row, leaving a cell that holds it already.
void setLineMidpoint(StringGrid &lines, int row, QPoint midpoint);

// Empties a table (ClearSelectedTable): every data row goes and RowCount becomes 2.
void ClearSelectedTable(StringGrid &table);
