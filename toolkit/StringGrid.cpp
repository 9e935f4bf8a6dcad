#include "toolkit/StringGrid.h"

#include <algorithm>

namespace {
const QString kEmpty;
}

StringGrid::StringGrid(int colCount, int rowCount) : m_colCount(std::max(colCount, 0))
{
    setRowCount(rowCount);
}

void StringGrid::setRowCount(int rowCount)
{
    m_rows.resize(static_cast<size_t>(std::max(rowCount, 0)));
}

void StringGrid::setColCount(int colCount)
{
    m_colCount = std::max(colCount, 0);
    for (auto &row : m_rows)
        if (static_cast<int>(row.size()) > m_colCount)
            row.resize(static_cast<size_t>(m_colCount));
}

const QString &StringGrid::Cells(int col, int row) const
{
    if (row < 0 || row >= RowCount() || col < 0 || col >= m_colCount)
        return kEmpty;
    const auto &cells = m_rows[static_cast<size_t>(row)];
    return col < static_cast<int>(cells.size()) ? cells[static_cast<size_t>(col)] : kEmpty;
}

void StringGrid::setCell(int col, int row, const QString &text)
{
    if (row < 0 || row >= RowCount() || col < 0 || col >= m_colCount)
        return;
    auto &cells = m_rows[static_cast<size_t>(row)];
    if (col >= static_cast<int>(cells.size())) {
        if (text.isEmpty())
            return;
        // Rows are filled column by column: room for the whole row at once.
        cells.reserve(static_cast<size_t>(m_colCount));
        cells.resize(static_cast<size_t>(col) + 1);
    }
    cells[static_cast<size_t>(col)] = text;
}

void StringGrid::copyRow(int from, int to)
{
    if (to < 0 || to >= RowCount())
        return;
    if (from < 0 || from >= RowCount()) {
        m_rows[static_cast<size_t>(to)].clear();
        return;
    }
    m_rows[static_cast<size_t>(to)] = m_rows[static_cast<size_t>(from)];
}
