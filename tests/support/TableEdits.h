#pragma once

#include "model/ElementTables.h"

#include <QStringList>

// Changes to the element tables made directly, without the document's record: for building
// schemes in tests and benchmarks, and for checking the document against the plain rules.

// Deletes a data row, moving the rows below up; any other row (-1) does nothing. Sets modified when it
// deletes.
void DeleteRowFromGrid(int row, StringGrid &table, bool &modified);

// The table-changing steps of deleting an element: every line with that element as an exact
// end (for a rectangle or point), then the row itself. A row that is not a data row (-1)
// deletes nothing.
void deleteElementRows(ElementTables &tables, int row, StringGrid &table, bool &modified);

// Appends a new element in the trailing row and raises RowCount (the creation rule).
int appendRow(StringGrid &table, const QStringList &cells);

// Whether two tables have the same size and the same text in every cell.
bool sameCells(const StringGrid &a, const StringGrid &b);
bool sameCells(const ElementTables &a, const ElementTables &b);
