// Building the mirror, following the changes to the tables, and what it answers about them.
#include "render/SceneMirror.h"

#include "render/SelectionNames.h"
#include "toolkit/TextFace.h"

#include <QScopeGuard>

#include <algorithm>

namespace {

// Gap between the drawing orders of neighbouring rows, which rows inserted between them split.
constexpr qint64 kOrderGap = qint64(1) << 20;
// Tile sides of the element and line grids.
constexpr int kElementTile = 16;
constexpr int kLineTile = 64;

ElementKind kindOf(TableId table)
{
    return table == TableId::Rectangles ? ElementKind::Rectangle
           : table == TableId::Points   ? ElementKind::Point
                                        : ElementKind::Line;
}

} // namespace

void SceneMirror::clear()
{
    m_valid = false;
    // The room goes too: a mirror is dropped before a full redraw, which needs memory of its own.
    m_items = {};
    m_shapes = {};
    m_free = {};
    for (auto &rows : m_rows)
        rows = {};
    m_dirty.clear();
    m_midpointIds.clear();
    m_named[0].clear();
    m_named[1].clear();
    m_lineEnds.clear();
    m_selectionList.clear();
    m_selection.clear();
    m_removedNames.clear();
    m_badCount = 0;
    m_shapedCount = 0;
    m_grid.reset(0, 0, kElementTile);
    m_lineGrid.reset(0, 0, kLineTile);
}

SceneMirror::Built SceneMirror::build(const ElementTables &tables, SheetFacts sheet,
                                      const TextList &multiSelection, bool offThread)
{
    clear();
    m_tables = &tables;
    m_offThread = offThread;
    m_needsShaping = false;
    m_recordDamage = false; // the sheet was just drawn in full
    const auto done = qScopeGuard([this] {
        m_offThread = false;
        m_recordDamage = true;
    });
    m_fontSize = sheet.fontSize;
    m_face = &TextFace::get(QStringLiteral("tahoma"), m_fontSize);
    m_grid.reset(sheet.width, sheet.height, kElementTile);
    m_lineGrid.reset(sheet.width, sheet.height, kLineTile);
    m_selectionList = multiSelection.items();
    if (multiSelection.count() >= 2)
        for (const QString &name : m_selectionList)
            m_selection.insert(SelectionNames::folded(name));
    const size_t rowCount =
        size_t(tables.HGrid.RowCount() + tables.PGrid.RowCount() + tables.EGrid.RowCount());
    m_items.reserve(rowCount);
    m_shapes.reserve(rowCount);
    for (TableId t : {TableId::Rectangles, TableId::Points, TableId::Lines}) {
        const StringGrid &grid = tables.table(t);
        std::vector<Id> &rows = m_rows[int(t)];
        rows.reserve(size_t(grid.RowCount()));
        for (int r = 0; r < grid.RowCount(); ++r) {
            const Id id = newItem(t);
            m_items[id].header = r == 0;
            m_items[id].order = qint64(r) * kOrderGap;
            rows.push_back(id);
        }
    }
    m_named[0].reserve(m_rows[int(TableId::Rectangles)].size());
    m_named[1].reserve(m_rows[int(TableId::Points)].size());
    m_lineEnds.reserve(m_items.size());
    for (TableId t : {TableId::Rectangles, TableId::Points}) {
        const std::vector<Id> &rows = m_rows[int(t)];
        for (size_t r = 0; r < rows.size(); ++r)
            updateElement(rows[r], int(r), nullptr);
    }
    Built result = Built::Done;
    if (m_badCount > 0) {
        result = Built::BadCell;
    } else {
        const std::vector<Id> &lines = m_rows[int(TableId::Lines)];
        for (size_t r = 0; r < lines.size(); ++r) {
            updateLine(lines[r], int(r));
            m_items[lines[r]].midpoint = false;
        }
        m_midpointIds.clear();
    }
    if (m_needsShaping)
        result = Built::NeedsShaping;
    if (result != Built::Done)
        clear();
    // Tiles fill by appending: what they hold now is most of what they will hold.
    m_grid.shrinkToFit();
    m_lineGrid.shrinkToFit();
    m_valid = result == Built::Done;
    return result;
}

SceneMirror::Id SceneMirror::newItem(TableId table)
{
    Id id;
    if (!m_free.empty()) {
        id = m_free.back();
        m_free.pop_back();
    } else {
        id = Id(m_items.size());
        m_items.emplace_back();
        m_shapes.emplace_back();
    }
    m_items[id].kind = kindOf(table);
    return id;
}

void SceneMirror::freeItem(Id id)
{
    SceneItem &item = m_items[id];
    if (item.bad)
        --m_badCount;
    if (item.shaped)
        --m_shapedCount;
    item = SceneItem();
    m_free.push_back(id);
}

void SceneMirror::markDirty(Id id)
{
    SceneItem &item = m_items[id];
    if (!item.dirty) {
        item.dirty = true;
        m_dirty.push_back(id);
    }
}

bool SceneMirror::follow(const SchemeChange &change, bool forward)
{
    if (change.kind == SchemeChange::Kind::SheetSize)
        return false;
    const std::vector<Id> &rows = m_rows[int(change.table)];
    if (change.kind == SchemeChange::Kind::Cell) {
        if (change.row < 0 || size_t(change.row) >= rows.size())
            return false;
        const Id id = rows[size_t(change.row)];
        SceneItem &item = m_items[id];
        if (change.col < 0)
            return false;
        if (change.table == TableId::Lines && (change.col == ColX || change.col == ColY)) {
            // Only the stored midpoint, which the redraw writes back.
            if (!item.midpoint) {
                item.midpoint = true;
                m_midpointIds.push_back(id);
            }
        } else {
            markDirty(id);
        }
        return true;
    }
    const bool insert = (change.kind == SchemeChange::Kind::InsertRow) == forward;
    return insert ? insertRow(change.table, change.row) : removeRow(change.table, change.row);
}

bool SceneMirror::touchRow(TableId table, int row)
{
    if (row < 0 || size_t(row) >= m_rows[int(table)].size())
        return false;
    markDirty(m_rows[int(table)][size_t(row)]);
    return true;
}

bool SceneMirror::insertRow(TableId table, int row)
{
    std::vector<Id> &rows = m_rows[int(table)];
    if (row < 1 || size_t(row) > rows.size())
        return false;
    const Id id = newItem(table);
    rows.insert(rows.begin() + row, id);
    // An order between the neighbours'. New elements go before the trailing row, which then
    // moves on instead of the gaps halving.
    const qint64 before = m_items[rows[size_t(row) - 1]].order;
    qint64 &order = m_items[id].order;
    if (size_t(row) + 1 >= rows.size()) {
        order = before + kOrderGap;
    } else if (size_t(row) + 2 == rows.size()) {
        order = before + kOrderGap;
        qint64 &last = m_items[rows.back()].order;
        last = std::max(last, order + kOrderGap);
        m_shapes[rows.back()].key = m_items[rows.back()].drawKey();
    } else {
        const qint64 after = m_items[rows[size_t(row) + 1]].order;
        if (after - before >= 2) {
            order = before + (after - before) / 2;
        } else {
            for (size_t r = 0; r < rows.size(); ++r) {
                m_items[rows[r]].order = qint64(r) * kOrderGap;
                m_shapes[rows[r]].key = m_items[rows[r]].drawKey();
            }
        }
    }
    markDirty(id);
    return true;
}

bool SceneMirror::removeRow(TableId table, int row)
{
    std::vector<Id> &rows = m_rows[int(table)];
    if (row < 1 || size_t(row) >= rows.size())
        return false;
    const Id id = rows[size_t(row)];
    if (m_items[id].drawn && table != TableId::Lines)
        m_removedNames.insert(m_items[id].name);
    undraw(id);
    rows.erase(rows.begin() + row);
    freeItem(id);
    return true;
}

void SceneMirror::takeMidpoints(std::vector<Midpoint> &midpoints)
{
    if (m_midpointIds.empty())
        return;
    for (Id id : m_midpointIds) {
        SceneItem &item = m_items[id];
        if (!item.midpoint)
            continue; // gone, or listed twice
        item.midpoint = false;
        if (!item.drawn)
            continue;
        if (const int row = rowOf(TableId::Lines, id); row >= 0)
            midpoints.push_back({row, item.ends});
    }
    m_midpointIds.clear();
    std::sort(midpoints.begin(), midpoints.end(),
              [](const Midpoint &a, const Midpoint &b) { return a.row < b.row; });
}

int SceneMirror::rowOf(TableId table, Id id) const
{
    const std::vector<Id> &rows = m_rows[int(table)];
    const auto it = std::lower_bound(rows.begin(), rows.end(), m_items[id].order,
                                     [this](Id row, qint64 order) { return m_items[row].order < order; });
    return it != rows.end() && *it == id ? int(it - rows.begin()) : -1;
}

std::optional<std::vector<int>> SceneMirror::lineRowsAttachedTo(const QString &name) const
{
    if (!m_valid || !m_dirty.empty())
        return std::nullopt;
    const std::vector<Id> ids = linesEndingAt(name);
    const std::vector<Id> &lines = m_rows[int(TableId::Lines)];
    std::vector<int> rows;
    if (ids.size() * 64 >= lines.size()) {
        // Many lines: one pass over the rows finds them in order.
        std::vector<bool> attached(m_items.size());
        for (Id id : ids)
            attached[id] = true;
        for (size_t r = 1; r + 1 < lines.size(); ++r) // the trailing row is not a line
            if (attached[lines[r]])
                rows.push_back(int(r));
        return rows;
    }
    for (Id id : ids) {
        const int row = rowOf(TableId::Lines, id);
        if (row < 0)
            return std::nullopt;
        if (row >= 1 && size_t(row) + 1 < lines.size())
            rows.push_back(row);
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

std::optional<int> SceneMirror::topRectangleAt(Coord x, Coord y, const StringGrid &rectangles,
                                               int pixelSize) const
{
    const std::vector<Id> &rows = m_rows[int(TableId::Rectangles)];
    if (!m_valid || !m_dirty.empty() || pixelSize != m_fontSize ||
        rows.size() != size_t(rectangles.RowCount()))
        return std::nullopt;
    for (size_t r = rows.size(); r-- > 1;) {
        const SceneItem &item = m_items[rows[r]];
        if (!item.drawn)
            continue;
        const Coord half = item.textW / 2, cx = item.x, cy = item.y;
        if (cx - half - 8 <= x && x <= cx + half + 8 && cy - item.textH <= y && y <= cy + item.textH)
            return int(r);
    }
    return -1;
}
