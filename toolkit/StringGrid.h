#pragma once

#include <QString>

#include <vector>

// A table of text cells addressed by (column, row), with a current row.
// Cells outside the table read as empty text; writes outside it are ignored.
class StringGrid {
public:
    StringGrid(int colCount, int rowCount);

    int RowCount() const { return static_cast<int>(m_rows.size()); }
    void setRowCount(int rowCount);
    int ColCount() const { return m_colCount; }
    void setColCount(int colCount);

    int Row() const { return m_row; }
    void setRow(int row) { m_row = row; }

    const QString &Cells(int col, int row) const;
    void setCell(int col, int row, const QString &text);

    // Copies all cells of row `from` into row `to` (rows outside the table count as empty).
    void copyRow(int from, int to);

private:
    int m_colCount;
    int m_row = 1;
    std::vector<std::vector<QString>> m_rows;
};
