#include "toolkit/StringGrid.h"

#include <algorithm>
#include <utility>

namespace {
const QString kEmpty;
}

StringGrid::StringGrid(int colCount, int rowCount) : m_colCount(std::max(colCount, 0))
{
    setRowCount(rowCount);
}

void StringGrid::setRowCount(int rowCount)
{
    rowCount = std::max(rowCount, 0);
    const bool shrinks = rowCount < m_rowCount;
    m_rowCount = rowCount;
    const size_t size = size_t(m_rowCount) * size_t(m_colCount);
    m_cells.resize(size);
    // A table cleared after holding many rows gives its room back.
    if (shrinks && size < m_cells.capacity() / 4)
        m_cells.shrink_to_fit();
}

void StringGrid::reserveRows(int rowCount)
{
    m_cells.reserve(size_t(std::max(rowCount, 0)) * size_t(m_colCount));
}

void StringGrid::setColCount(int colCount)
{
    colCount = std::max(colCount, 0);
    if (colCount == m_colCount)
        return;
    std::vector<QString> cells(size_t(m_rowCount) * size_t(colCount));
    const int kept = std::min(colCount, m_colCount);
    for (int r = 0; r < m_rowCount; ++r) {
        const auto from = m_cells.begin() + std::ptrdiff_t(at(0, r));
        std::move(from, from + kept, cells.begin() + std::ptrdiff_t(size_t(r) * size_t(colCount)));
    }
    m_cells = std::move(cells);
    m_colCount = colCount;
}

const QString &StringGrid::Cells(int col, int row) const
{
    return inside(col, row) ? m_cells[at(col, row)] : kEmpty;
}

void StringGrid::setCell(int col, int row, const QString &text)
{
    if (inside(col, row))
        m_cells[at(col, row)] = text;
}

void StringGrid::copyRow(int from, int to)
{
    if (to < 0 || to >= m_rowCount || from == to)
        return;
    const auto target = m_cells.begin() + std::ptrdiff_t(at(0, to));
    if (from < 0 || from >= m_rowCount)
        std::fill(target, target + m_colCount, QString());
    else
        std::copy_n(m_cells.begin() + std::ptrdiff_t(at(0, from)), m_colCount, target);
}

QStringList StringGrid::rowCells(int row) const
{
    QStringList cells;
    cells.reserve(m_colCount);
    for (int c = 0; c < m_colCount; ++c)
        cells.append(Cells(c, row));
    return cells;
}

void StringGrid::insertRow(int row, const QStringList &cells)
{
    if (row < 0 || row > m_rowCount)
        return;
    const auto pos = m_cells.begin() + std::ptrdiff_t(at(0, row));
    const auto first = m_cells.insert(pos, size_t(m_colCount), QString());
    for (int c = 0; c < m_colCount && c < cells.size(); ++c)
        first[c] = cells.at(c);
    ++m_rowCount;
}

void StringGrid::removeRow(int row)
{
    if (row < 0 || row >= m_rowCount)
        return;
    const auto pos = m_cells.begin() + std::ptrdiff_t(at(0, row));
    m_cells.erase(pos, pos + m_colCount);
    --m_rowCount;
}

void StringGrid::removeRows(const std::vector<int> &rows)
{
    if (rows.empty())
        return;
    // Rows between the removed ones move up once each, however many rows go.
    size_t kept = at(0, rows.front());
    for (size_t k = 0; k < rows.size(); ++k) {
        const int end = k + 1 < rows.size() ? rows[k + 1] : m_rowCount;
        for (size_t i = at(0, rows[k] + 1); i < at(0, end); ++i)
            m_cells[kept++] = std::move(m_cells[i]);
    }
    m_cells.resize(kept);
    m_rowCount -= int(rows.size());
}
