#pragma once

#include "model/ElementTables.h"

#include <QSize>
#include <QStringList>

#include <vector>

// One change to a scheme, with what it needs to be made again or taken back.
struct SchemeChange {
    enum class Kind : quint8 { Cell, InsertRow, RemoveRow, SheetSize };

    Kind kind = Kind::Cell;
    TableId table = TableId::Rectangles;
    int row = 0;
    int col = 0;
    QString before, after; // Cell: the texts before and after
    QStringList cells;     // InsertRow, RemoveRow: the row's cells
    QSize sizeBefore, sizeAfter;

    // Bytes this change holds, its texts included.
    qint64 bytes() const;
};

// The changes of one command, in the order they were made.
using ChangeList = std::vector<SchemeChange>;

// Makes a table change again (forward) or takes it back. A sheet size change is left to the
// caller, who owns the sheet.
void applyTableChange(ElementTables &tables, const SchemeChange &change, bool forward);
