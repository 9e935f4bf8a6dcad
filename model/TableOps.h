#pragma once

#include "model/ElementTables.h"

#include <QPoint>

// Operations on the element tables that need no window.

// Smallest positive number n such that prefix+n (compared without regard to case) names no
// in-use row of the table. Linear in the table size.
int GetNumberElement(const QString &prefix, const StringGrid &table);

// First row of the element's table whose name equals name exactly, or -1.
int GetRowObjByName(const ElementTables &tables, const QString &name);

// Centre of the LAST in-use row named name, or (0, 0). Throws ConvertError on a non-integer cell.
QPoint getCoordElem_onName(const QString &name, const StringGrid &table);

bool get_bH_elem(const ElementTables &tables, const QString &name);
bool get_bNameEl_islife(const ElementTables &tables, const QString &name);
// first may carry a trailing "-" (dropped). True when first-second or second-first exists.
bool get_bLine_islife(const ElementTables &tables, QString first, const QString &second);

// Rows 1 to RowCount-2: neither the header row nor the trailing empty row.
bool isDataRow(const StringGrid &table, int row);


// Empties every data row and sets RowCount to 2.
void ClearSelectedTable(StringGrid &table);

