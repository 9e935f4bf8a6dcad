#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// A table of text cells addressed by (column, row), with a current row.
// Cells outside the table read as empty text; writes outside it are ignored.
class StringGrid {
public:
    StringGrid(int colCount, int rowCount);

    int RowCount() const { return m_rowCount; }
    void setRowCount(int rowCount);
    // Makes room for rowCount rows without changing the table.
    void reserveRows(int rowCount);
    int ColCount() const { return m_colCount; }
    void setColCount(int colCount);

    int Row() const { return m_row; }
    void setRow(int row) { m_row = row; }

    const QString &Cells(int col, int row) const;
    void setCell(int col, int row, const QString &text);

    // Copies all cells of row `from` into row `to` (rows outside the table count as empty).
    void copyRow(int from, int to);
    // The cells of a row (ColCount texts; empty texts outside the table).
    QStringList rowCells(int row) const;
    // Inserts a row before `row` (0..RowCount) holding the given cells, moving the rows below
    // down; missing cells are empty.
    void insertRow(int row, const QStringList &cells);
    // Removes a row (0..RowCount-1), moving the rows below up.
    void removeRow(int row);
    // Removes the rows listed (ascending, each within the table once) in one pass.
    void removeRows(const std::vector<int> &rows);

private:
    bool inside(int col, int row) const
    {
        return row >= 0 && row < m_rowCount && col >= 0 && col < m_colCount;
    }
    size_t at(int col, int row) const { return size_t(row) * size_t(m_colCount) + size_t(col); }

    int m_colCount;
    int m_rowCount = 0;
    int m_row = 1;
    // Row after row, m_colCount cells each: one block for the whole table.
    std::vector<QString> m_cells;
};
