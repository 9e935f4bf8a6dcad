#pragma once

#include "model/ElementTables.h"

#include <QHash>
#include <QString>

// Finds the rows of many elements by name as GetRowObjByName does. The first few look-ups read
// the table; after that the names of the tables are indexed once, so that looking up every
// member of a large group costs little each. The tables' names and rows must not change while
// it is used.
class RowLookup {
public:
    explicit RowLookup(const ElementTables &tables) : m_tables(tables) {}
    int row(const QString &name);

private:
    const ElementTables &m_tables;
    int m_lookups = 0;
    bool m_indexed = false;
    QHash<QString, int> m_rows[3]; // first row of each name, by table
};
