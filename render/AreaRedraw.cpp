#include "render/AreaRedraw.h"

#include "render/ElementDrawing.h"
#include "render/LineParts.h"
#include "render/ParallelRedraw.h"
#include "render/SceneRedraw.h"
#include "render/SelectionNames.h"
#include "toolkit/Color.h"
#include "toolkit/ColorText.h"
#include "toolkit/IntText.h"
#include "toolkit/TextFace.h"

#include <QScopeGuard>

#include <algorithm>
#include <climits>
#include <utility>

namespace {

constexpr qint64 kOrderGap = qint64(1) << 20;

// Drawing order: lines, then rectangles, then points.
int rankOf(ElementKind kind)
{
    return kind == ElementKind::Line ? 0 : kind == ElementKind::Rectangle ? 1 : 2;
}

ElementKind kindOf(TableId table)
{
    return table == TableId::Rectangles ? ElementKind::Rectangle
           : table == TableId::Points   ? ElementKind::Point
                                        : ElementKind::Line;
}

// Length of the boxes along a line's stroke.
constexpr Coord kStrokeChunk = 32;
constexpr Coord kLoggedStrokeChunk = 8;
// Tile sides of the element and line grids.
constexpr int kElementTile = 16;
constexpr int kLineTile = 64;
// Damage smaller than this many pixels is drawn on the calling thread alone.
constexpr qint64 kParallelArea = 16384;
// Stripes each thread takes in turn when damage is drawn on several threads.
constexpr int kStripesPerThread = 4;
// Rows and columns along the edges where the sheet's frame is drawn.
constexpr Coord kFrameBand = 4;

void removeId(std::unordered_map<QString, std::vector<std::uint32_t>, TextHash> &index, const QString &key,
              std::uint32_t id)
{
    const auto it = index.find(key);
    if (it == index.end())
        return;
    std::erase(it->second, id);
    if (it->second.empty())
        index.erase(it);
}

bool directPixels(QImage::Format f)
{
    return f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 ||
           f == QImage::Format_ARGB32_Premultiplied;
}

} // namespace

IncrementalScene::~IncrementalScene()
{
    settle();
}

void IncrementalScene::settle()
{
    if (m_building.valid())
        m_building.get(); // does not throw: build() catches
}

void IncrementalScene::invalidate()
{
    settle();
    clear();
}

void IncrementalScene::clear()
{
    m_valid = false;
    m_items.clear();
    m_shapes.clear();
    m_free.clear();
    for (auto &rows : m_rows)
        rows.clear();
    m_dirty.clear();
    m_midpointIds.clear();
    m_named[0].clear();
    m_named[1].clear();
    m_lineEnds.clear();
    m_folded.clear();
    m_selectionList.clear();
    m_selection.clear();
    m_removedNames.clear();
    m_damage.clear();
    m_strokes.clear();
    m_strokeBoxes.clear();
    m_mask.reset(0, 0);
    m_damageArea = 0;
    m_damageOverflow = false;
    m_badCount = 0;
    m_shapedCount = 0;
    m_grid.reset(0, 0, kElementTile);
    m_lineGrid.reset(0, 0, kLineTile);
}

void IncrementalScene::rebuild(const ElementTables &tables, const Canvas &canvas,
                               const TextList &multiSelection)
{
    settle();
    m_buildHere = false;
    build(tables, {canvas.width(), canvas.height(), canvas.font().pixelSize}, multiSelection);
}

void IncrementalScene::rebuildInBackground(const ElementTables &tables, const Canvas &canvas,
                                           const TextList &multiSelection)
{
    settle();
    if (m_buildHere) {
        rebuild(tables, canvas, multiSelection);
        return;
    }
    invalidate();
    const SheetFacts sheet{canvas.width(), canvas.height(), canvas.font().pixelSize};
    m_building = std::async(std::launch::async, [this, &tables, sheet, selection = multiSelection] {
        m_offThread = true;
        m_needsShaping = false;
        try {
            build(tables, sheet, selection);
        } catch (...) {
            clear(); // out of memory: the next redraw is a full one
        }
        if (m_needsShaping) {
            clear();
            m_buildHere = true;
        }
        m_offThread = false;
    });
}

void IncrementalScene::build(const ElementTables &tables, SheetFacts sheet, const TextList &multiSelection)
{
    clear();
    m_fontSize = sheet.fontSize;
    m_face = &TextFace::get(QStringLiteral("tahoma"), m_fontSize);
    m_grid.reset(sheet.width, sheet.height, kElementTile);
    m_lineGrid.reset(sheet.width, sheet.height, kLineTile);
    m_mask.reset(sheet.width, sheet.height);
    m_recordDamage = false; // the sheet was just drawn in full
    m_selectionList = multiSelection.items();
    if (multiSelection.count() >= 2)
        for (const QString &name : m_selectionList)
            m_selection.insert(SelectionNames::folded(name));
    m_items.reserve(size_t(tables.HGrid.RowCount() + tables.PGrid.RowCount() + tables.EGrid.RowCount()));
    for (TableId t : {TableId::Rectangles, TableId::Points, TableId::Lines}) {
        const StringGrid &grid = tables.table(t);
        std::vector<Id> &rows = m_rows[int(t)];
        rows.reserve(size_t(grid.RowCount()));
        for (int r = 0; r < grid.RowCount(); ++r) {
            const Id id = newItem(t, grid.rowCells(r));
            m_items[id].header = r == 0;
            m_items[id].order = qint64(r) * kOrderGap;
            rows.push_back(id);
        }
    }
    m_named[0].reserve(m_rows[int(TableId::Rectangles)].size());
    m_named[1].reserve(m_rows[int(TableId::Points)].size());
    m_lineEnds.reserve(m_items.size());
    m_folded.reserve(m_items.size());
    for (TableId t : {TableId::Rectangles, TableId::Points})
        for (Id id : m_rows[int(t)])
            updateElement(id, nullptr);
    if (m_badCount > 0) {
        m_recordDamage = true;
        clear();
        return;
    }
    for (Id id : m_rows[int(TableId::Lines)]) {
        updateLine(id);
        m_items[id].midpoint = false;
    }
    m_midpointIds.clear();
    m_recordDamage = true;
    m_valid = true;
}

IncrementalScene::Id IncrementalScene::newItem(TableId table, const QStringList &cells)
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
    Item &item = m_items[id];
    item.kind = kindOf(table);
    item.cells = cells;
    const int columns = table == TableId::Lines ? ColCaption + 1 : ColColor + 1;
    while (item.cells.size() < columns)
        item.cells.append(QString());
    return id;
}

void IncrementalScene::freeItem(Id id)
{
    Item &item = m_items[id];
    if (item.bad)
        --m_badCount;
    if (item.shaped)
        --m_shapedCount;
    item = Item();
    m_free.push_back(id);
}

void IncrementalScene::markDirty(Id id)
{
    Item &item = m_items[id];
    if (!item.dirty) {
        item.dirty = true;
        m_dirty.push_back(id);
    }
}

void IncrementalScene::noteChange(const SchemeChange &change, bool forward)
{
    settle();
    if (!m_valid)
        return;
    if (change.kind == SchemeChange::Kind::SheetSize) {
        invalidate();
        return;
    }
    const int t = int(change.table);
    if (change.kind == SchemeChange::Kind::Cell) {
        if (change.row < 0 || size_t(change.row) >= m_rows[t].size()) {
            invalidate();
            return;
        }
        const Id id = m_rows[t][size_t(change.row)];
        Item &item = m_items[id];
        if (change.col < 0 || change.col >= item.cells.size()) {
            invalidate();
            return;
        }
        item.cells[change.col] = forward ? change.after : change.before;
        if (change.table == TableId::Lines && (change.col == ColX || change.col == ColY)) {
            // Only the stored midpoint, which the redraw writes back.
            if (!item.midpoint) {
                item.midpoint = true;
                m_midpointIds.push_back(id);
            }
        } else {
            markDirty(id);
        }
        return;
    }
    const bool insert = (change.kind == SchemeChange::Kind::InsertRow) == forward;
    if (insert)
        insertRow(change.table, change.row, change.cells);
    else
        removeRow(change.table, change.row);
}

void IncrementalScene::touchRow(TableId table, int row)
{
    settle();
    if (!m_valid)
        return;
    if (row < 0 || size_t(row) >= m_rows[int(table)].size()) {
        invalidate();
        return;
    }
    markDirty(m_rows[int(table)][size_t(row)]);
}

void IncrementalScene::insertRow(TableId table, int row, const QStringList &cells)
{
    std::vector<Id> &rows = m_rows[int(table)];
    if (row < 1 || size_t(row) > rows.size()) {
        invalidate();
        return;
    }
    const Id id = newItem(table, cells);
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
        m_shapes[rows.back()].key = drawKey(m_items[rows.back()]);
    } else {
        const qint64 after = m_items[rows[size_t(row) + 1]].order;
        if (after - before >= 2) {
            order = before + (after - before) / 2;
        } else {
            for (size_t r = 0; r < rows.size(); ++r) {
                m_items[rows[r]].order = qint64(r) * kOrderGap;
                m_shapes[rows[r]].key = drawKey(m_items[rows[r]]);
            }
        }
    }
    markDirty(id);
}

void IncrementalScene::removeRow(TableId table, int row)
{
    std::vector<Id> &rows = m_rows[int(table)];
    if (row < 1 || size_t(row) >= rows.size()) {
        invalidate();
        return;
    }
    const Id id = rows[size_t(row)];
    if (m_items[id].drawn && table != TableId::Lines)
        m_removedNames.insert(m_items[id].name);
    undraw(id);
    rows.erase(rows.begin() + row);
    freeItem(id);
}

void IncrementalScene::addDamage(const PixelBox &box)
{
    const PixelBox sheet{0, 0, m_grid.width(), m_grid.height()};
    PixelBox b = box.clipped(sheet);
    if (b.empty())
        return;
    // Boxes start at even rows and columns, where dotted outlines keep their pattern.
    b.l -= b.l & 1;
    b.t -= b.t & 1;
    m_damageArea += b.area();
    // Beyond half the sheet (old and new extents counted apart) a full redraw is cheaper.
    if (m_damageArea > sheet.area() / 2) {
        dropDamage();
        return;
    }
    m_damage.push_back(b);
}

void IncrementalScene::dropDamage()
{
    m_damageOverflow = true;
    m_damage.clear();
    m_strokes.clear();
    m_strokeBoxes.clear();
}

void IncrementalScene::addStrokeDamage(Id line, const LineEnds &e, bool removed, bool marked)
{
    const PixelBox sheet{0, 0, m_grid.width(), m_grid.height()};
    thread_local std::vector<PixelBox> boxes;
    boxes.clear();
    strokeBoxes(e, sheet, kStrokeChunk, boxes);
    if (boxes.empty())
        return;
    // The sheet's frame is drawn over everything near the edges: there the stroke is
    // repainted as boxes.
    const PixelBox inner{kFrameBand, kFrameBand, sheet.r - kFrameBand, sheet.b - kFrameBand};
    for (const PixelBox &b : boxes) {
        if (b.clipped(inner) != b) {
            addDamage(b);
            if (m_damageOverflow)
                return;
        }
    }
    for (const PixelBox &b : boxes)
        m_damageArea += b.area();
    if (m_damageArea > sheet.area() / 2) {
        dropDamage();
        return;
    }
    m_strokes.push_back(
        {line, e, m_strokeBoxes.size(), m_strokeBoxes.size() + boxes.size(), removed, marked});
    m_strokeBoxes.insert(m_strokeBoxes.end(), boxes.begin(), boxes.end());
}

void IncrementalScene::damage(const Item &item, bool removed)
{
    if (!m_recordDamage || m_damageOverflow)
        return;
    if (item.kind != ElementKind::Line) {
        addDamage(item.box);
        return;
    }
    addStrokeDamage(Id(&item - m_items.data()), item.ends, removed, item.marked);
    addDamage(item.box);
}

std::vector<PixelBox> IncrementalScene::mergedDamage()
{
    // The old and new extents of a small move nearly coincide: boxes that overlap enough are
    // joined into their union.
    std::vector<PixelBox> boxes;
    boxes.swap(m_damage);
    std::sort(boxes.begin(), boxes.end(),
              [](const PixelBox &a, const PixelBox &b) { return a.t != b.t ? a.t < b.t : a.l < b.l; });
    std::vector<PixelBox> merged;
    for (const PixelBox &box : boxes) {
        bool joined = false;
        for (size_t k = merged.size(); k > 0 && k + 8 > merged.size() && !joined; --k) {
            PixelBox &m = merged[k - 1];
            const PixelBox u = m.united(box);
            if (u.area() <= m.area() + box.area()) {
                m = u;
                joined = true;
            }
        }
        if (!joined)
            merged.push_back(box);
    }
    return merged;
}

bool IncrementalScene::selected(const QString &name) const
{
    return !m_selection.isEmpty() && m_selection.contains(SelectionNames::folded(name));
}

void IncrementalScene::undraw(Id id)
{
    Item &item = m_items[id];
    if (!item.drawn)
        return;
    damage(item, true);
    for (int tile : item.cover)
        gridOf(item).remove(tile, id);
    item.cover.clear();
    if (item.kind == ElementKind::Line) {
        removeId(m_lineEnds, getNameBefore(QLatin1Char('-'), item.name), id);
        removeId(m_lineEnds, getNameAfter(QLatin1Char('-'), item.name), id);
    } else {
        removeId(m_named[item.kind == ElementKind::Rectangle ? 0 : 1], item.name, id);
    }
    removeId(m_folded, SelectionNames::folded(item.name), id);
    item.drawn = false;
}

void IncrementalScene::updateElement(Id id, QSet<QString> *movedNames)
{
    Item &item = m_items[id];
    const bool wasDrawn = item.drawn;
    const QString oldName = item.name;
    const Coord oldX = item.x, oldY = item.y;
    undraw(id);
    const QString &name = item.cells.at(ColName);
    const bool inUse = !item.header && !name.isEmpty();
    std::optional<int> x, y;
    std::optional<TColor> colour;
    if (inUse) {
        x = tryStrToInt(item.cells.at(ColX));
        y = tryStrToInt(item.cells.at(ColY));
        colour = tryStringToColor(item.cells.at(ColColor));
    }
    const bool bad = inUse && (!x || !y || !colour);
    m_badCount += int(bad) - int(item.bad);
    item.bad = bad;
    if (inUse && !bad) {
        item.name = name;
        item.x = *x;
        item.y = *y;
        item.colour = *colour;
        item.marked = selected(name);
        setText(item, item.cells.at(ColCaption));
        item.box = elementBox(item.kind, item.x, item.y, item.textW, item.textH, item.reach);
        m_shapes[id] = {Box32(item.box),
                        Box32(elementOpaqueBox(item.kind, item.x, item.y, item.textW, item.textH)),
                        drawKey(item)};
        computeCover(item);
        for (int tile : item.cover)
            gridOf(item).add(tile, id);
        damage(item, false);
        m_named[item.kind == ElementKind::Rectangle ? 0 : 1][name].push_back(id);
        m_folded[SelectionNames::folded(name)].push_back(id);
        item.drawn = true;
    }
    if (movedNames && (wasDrawn != item.drawn || oldName != item.name || oldX != item.x || oldY != item.y)) {
        if (wasDrawn)
            movedNames->insert(oldName);
        if (item.drawn)
            movedNames->insert(item.name);
    }
}

int IncrementalScene::rowOf(TableId table, Id id) const
{
    const std::vector<Id> &rows = m_rows[int(table)];
    const auto it = std::lower_bound(rows.begin(), rows.end(), m_items[id].order,
                                     [this](Id row, qint64 order) { return m_items[row].order < order; });
    return it != rows.end() && *it == id ? int(it - rows.begin()) : -1;
}

std::optional<std::vector<int>> IncrementalScene::lineRowsAttachedTo(const QString &name) const
{
    if (!valid() || !m_dirty.empty())
        return std::nullopt;
    const std::vector<Id> &ids = idsOf(m_lineEnds, name);
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

const std::vector<IncrementalScene::Id> &IncrementalScene::idsOf(const NameIndex &index, const QString &name)
{
    static const std::vector<Id> none;
    const auto it = index.find(name);
    return it == index.end() ? none : it->second;
}

QPoint IncrementalScene::centre(const QString &name) const
{
    // As the full redraw finds ends: the last row of that name among the rectangles when some
    // rectangle has it, else among the points, else (0, 0).
    for (const auto &named : m_named) {
        const std::vector<Id> &ids = idsOf(named, name);
        if (ids.empty())
            continue;
        const Item *last = nullptr;
        for (Id id : ids)
            if (!last || m_items[id].order > last->order)
                last = &m_items[id];
        return QPoint(int(last->x), int(last->y));
    }
    return QPoint(0, 0);
}

LineEnds IncrementalScene::lineEnds(const QString &lineName) const
{
    const QPoint first = centre(getNameBefore(QLatin1Char('-'), lineName));
    const QPoint second = centre(getNameAfter(QLatin1Char('-'), lineName));
    return {first.x(), first.y(), second.x(), second.y()};
}

void IncrementalScene::updateLine(Id id)
{
    Item &item = m_items[id];
    const bool wasDrawn = item.drawn;
    const LineEnds old = item.ends;
    undraw(id);
    const QString &name = item.cells.at(ColName);
    if (item.header || name.isEmpty())
        return;
    item.name = name;
    item.ends = lineEnds(name);
    item.head = arrowHeadOf(item.ends.x1, item.ends.y1, item.ends.x2, item.ends.y2);
    item.marked = selected(name);
    setText(item, item.cells.at(ColCaption));
    item.stroke = StrokeSpan(item.ends);
    // The text's box lies beside the head's: one box holds both.
    item.box = headAndTextBox(item.head, item.textW, item.textH, item.reach);
    m_shapes[id] = {Box32(item.box), Box32(PixelBox{item.ends.x1, item.ends.y1, item.ends.x2, item.ends.y2}),
                    drawKey(item)};
    computeCover(item);
    for (int tile : item.cover)
        gridOf(item).add(tile, id);
    damage(item, false);
    const QString first = getNameBefore(QLatin1Char('-'), name);
    const QString second = getNameAfter(QLatin1Char('-'), name);
    m_lineEnds[first].push_back(id);
    if (second != first)
        m_lineEnds[second].push_back(id);
    m_folded[SelectionNames::folded(name)].push_back(id);
    item.drawn = true;
    const LineEnds &e = item.ends;
    if (!item.midpoint &&
        (!wasDrawn || e.x1 != old.x1 || e.y1 != old.y1 || e.x2 != old.x2 || e.y2 != old.y2)) {
        item.midpoint = true;
        m_midpointIds.push_back(id);
    }
}

void IncrementalScene::setText(Item &item, const QString &text)
{
    if (m_offThread && !m_face->cachedSimple(text)) {
        // Measuring it would use Qt's font engine or fill the glyph cache, off the window's thread.
        m_needsShaping = true;
        item.textW = item.textH = item.reach = 0;
        return;
    }
    const bool shaped = !text.isEmpty() && !m_face->measure(text).simple;
    m_shapedCount += int(shaped) - int(item.shaped);
    item.shaped = shaped;
    item.textW = text.isEmpty() ? 0 : std::min<Coord>(m_face->measure(text).width, INT_MAX);
    item.textH = text.isEmpty() ? 0 : m_face->height();
    item.reach = text.isEmpty() ? 0 : m_face->inkReach(text);
}

void IncrementalScene::computeCover(Item &item) const
{
    std::vector<int> &cover = item.cover;
    cover.clear();
    const TileGrid &grid = gridOf(item);
    const auto addBox = [&](const PixelBox &b) {
        if (!b.empty())
            grid.boxTiles(b.l, b.t, b.r, b.b, cover);
    };
    if (item.kind != ElementKind::Line) {
        addBox(item.box);
        return;
    }
    const LineEnds &e = item.ends;
    // A tile listed twice lists the line twice; drawing finds each item once all the same.
    grid.segmentTiles(e.x1, e.y1, e.x2, e.y2, cover);
    addBox(item.box);
}

IncrementalScene::Outcome IncrementalScene::redraw(Canvas &canvas, const TextList &multiSelection,
                                                   std::vector<Midpoint> &midpoints)
{
    settle();
    midpoints.clear();
    m_lastPixels = 0;
    QImage *image = canvas.image();
    if (m_valid &&
        (!image || image->isNull() || !directPixels(image->format()) || image->width() != m_grid.width() ||
         image->height() != m_grid.height() || canvas.font().pixelSize != m_fontSize))
        invalidate();
    if (!m_valid)
        return Outcome::Rebuild;

    // A changed multi-selection changes the look of the names that joined or left it.
    if (multiSelection.items() != m_selectionList) {
        QSet<QString> now;
        if (multiSelection.count() >= 2)
            for (const QString &name : multiSelection.items())
                now.insert(SelectionNames::folded(name));
        for (const QSet<QString> *from : {&now, &m_selection})
            for (const QString &name : *from)
                if (!(from == &now ? m_selection : now).contains(name))
                    for (Id id : idsOf(m_folded, name))
                        markDirty(id);
        m_selection = std::move(now);
        m_selectionList = multiSelection.items();
    }

    // Elements first: the lines follow the ends they have now.
    QSet<QString> moved;
    moved.swap(m_removedNames);
    std::vector<Id> dirty;
    dirty.swap(m_dirty);
    for (Id id : dirty) {
        Item &item = m_items[id];
        if (item.dirty && item.kind != ElementKind::Line) {
            item.dirty = false;
            updateElement(id, &moved);
        }
    }
    if (m_badCount > 0) {
        // The full redraw stops at the bad cell as it always has.
        invalidate();
        return Outcome::Rebuild;
    }
    for (const QString &name : moved)
        for (Id id : idsOf(m_lineEnds, name))
            markDirty(id);
    dirty.insert(dirty.end(), m_dirty.begin(), m_dirty.end());
    m_dirty.clear();
    for (Id id : dirty) {
        Item &item = m_items[id];
        if (item.dirty && item.kind == ElementKind::Line) {
            item.dirty = false;
            updateLine(id);
        }
    }

    if (!m_midpointIds.empty()) {
        for (Id id : m_midpointIds) {
            Item &item = m_items[id];
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

    const bool overflow = m_damageOverflow;
    m_damageOverflow = false;
    m_damageArea = 0;
    const std::vector<PixelBox> boxes = mergedDamage();
    qint64 area = 0;
    for (const PixelBox &box : boxes)
        area += box.area();
    for (const PixelBox &box : m_strokeBoxes)
        area += box.area();
    // Past a quarter of the sheet the threaded full redraw is the faster way.
    if (overflow || area * 4 > qint64(m_grid.width()) * m_grid.height()) {
        m_strokes.clear();
        m_strokeBoxes.clear();
        midpoints.clear();
        return Outcome::FullRedraw;
    }
    // The strokes' pixels outside the boxes, which are repainted whole. A pixel of a removed
    // stroke that no longer shows the stroke was painted over by a later item: it keeps its
    // colour, unless that item changed too, and then the item's box or stroke holds the pixel.
    const auto *sheet = reinterpret_cast<const std::uint32_t *>(std::as_const(*image).bits());
    const qsizetype stride = image->bytesPerLine() / 4;
    const std::uint32_t strokeColour = toQRgb(clLineStroke), white = toQRgb(clWhite);
    for (const StrokeDamage &stroke : m_strokes) {
        if (!stroke.removed) {
            m_mask.addStroke(stroke.ends, [](Coord, Coord, bool) { return true; });
            continue;
        }
        const std::uint32_t gap = stroke.marked ? white : strokeColour;
        m_mask.addStroke(stroke.ends, [&](Coord x, Coord y, bool even) {
            return sheet[y * stride + x] == (even ? strokeColour : gap);
        });
    }
    for (const PixelBox &box : boxes)
        m_mask.exclude(box);
    // The mask and the strokes are for this redraw only, whatever happens.
    const auto forget = qScopeGuard([this] {
        m_mask.clear();
        m_strokes.clear();
        m_strokeBoxes.clear();
    });

    // On several threads each takes a stripe of rows and draws the parts of the boxes and the
    // mask in it, so that no two threads write the same pixel. Text that needs shaping is drawn
    // by QPainter, which stays on the calling thread.
    const int threads = m_shapedCount > 0 || area < kParallelArea ? 1 : redrawThreadCount();
    const std::vector<PixelBox> *const damaged[] = {&boxes, &m_strokeBoxes};
    Coord top = m_grid.height(), bottom = 0;
    for (const std::vector<PixelBox> *list : damaged) {
        for (const PixelBox &box : *list) {
            top = std::min(top, box.t);
            bottom = std::max(bottom, box.b);
        }
    }
    uchar *bits = image->bits();
    // Damage is rarely spread evenly over its rows, so each thread takes several stripes in turn.
    const int stripes = threads == 1 ? 1 : threads * kStripesPerThread;
    runInParallel(stripes, threads, [&](int stripe) {
        // Stripes start at even rows, where dotted outlines keep their pattern.
        const auto edge = [&](int s) {
            return s == stripes ? bottom : (top + (bottom - top) * s / stripes) & ~Coord(1);
        };
        const PixelBox rows{0, edge(stripe), m_grid.width(), edge(stripe + 1)};
        for (const PixelBox &box : boxes) {
            const PixelBox part = box.clipped(rows);
            if (!part.empty())
                drawArea(canvas, bits, *image, part);
        }
        if (!m_mask.empty() && !rows.empty())
            drawMasked(canvas, *image, rows);
    });
    DamageLog *log = canvas.damageLog();
    if (log && log->watched() == image) {
        for (const PixelBox &box : boxes)
            log->add(box.l, box.t, box.r, box.b);
        // Strokes are logged as short boxes along them, which hold far fewer pixels to copy.
        std::vector<PixelBox> along;
        for (const StrokeDamage &stroke : m_strokes)
            strokeBoxes(stroke.ends, {0, 0, m_grid.width(), m_grid.height()}, kLoggedStrokeChunk, along);
        for (const PixelBox &box : along)
            log->add(box.l, box.t, box.r, box.b);
    }
    m_lastPixels = area;

    canvas.setBrushColor(clWhite);
    replayLastDrawing(canvas);
    return Outcome::Drawn;
}

void IncrementalScene::drawArea(const Canvas &canvas, uchar *bits, const QImage &image,
                                const PixelBox &area) const
{
    const Coord x0 = area.l, y0 = area.t;
    const qsizetype stride = image.bytesPerLine();
    QImage view(bits + y0 * stride + x0 * 4, int(area.r - area.l), int(area.b - area.t), stride,
                image.format());
    Canvas c = canvas;
    c.setImage(&view);
    c.setDamageLog(nullptr);
    c.setBrushColor(clWhite);
    c.setFontName(QStringLiteral("tahoma"));
    c.FillRect(0, 0, view.width(), view.height());

    struct Found {
        qint64 key;
        Id id;
        std::uint8_t parts;
    };
    thread_local std::vector<Found> found;
    found.clear();
    for (const TileGrid *grid : {&m_lineGrid, &m_grid}) {
        const int columns = grid->columns();
        for (int row = grid->row(area.t); row <= grid->row(area.b - 1); ++row) {
            for (int col = grid->column(area.l); col <= grid->column(area.r - 1); ++col) {
                for (Id id : grid->items(row * columns + col)) {
                    const Item &item = m_items[id];
                    if (const std::uint8_t parts = partsMeeting(item, area))
                        found.push_back({m_shapes[id].key, id, parts});
                }
            }
        }
    }
    // An item meeting several tiles of the area is found in each; keys are unique per item.
    std::sort(found.begin(), found.end(), [](const Found &a, const Found &b) { return a.key < b.key; });
    found.erase(std::unique(found.begin(), found.end(),
                            [](const Found &a, const Found &b) { return a.key == b.key; }),
                found.end());
    for (const Found &f : found)
        drawItem(c, m_items[f.id], f.parts, area);
    drawSheetFrame(c, QRect(int(-x0), int(-y0), m_grid.width(), m_grid.height()));
}

IncrementalScene::Box32::Box32(const PixelBox &box)
{
    const auto clamp = [](Coord v) { return std::int32_t(std::clamp<Coord>(v, INT_MIN, INT_MAX)); };
    l = clamp(box.l);
    t = clamp(box.t);
    r = clamp(box.r);
    b = clamp(box.b);
}

qint64 IncrementalScene::drawKey(const Item &item)
{
    return qint64(rankOf(item.kind)) << 60 | item.order;
}

std::uint8_t IncrementalScene::partsMeeting(const Item &item, const PixelBox &area) const
{
    if (item.kind != ElementKind::Line)
        return item.box.meets(area) ? Body : 0;
    return (item.stroke.meets(area) ? Stroke : 0) | (item.box.meets(area) ? HeadAndText : 0);
}

void IncrementalScene::drawItem(Canvas &c, const Item &item, std::uint8_t parts, const PixelBox &area) const
{
    const Coord x0 = area.l, y0 = area.t;
    if (item.kind != ElementKind::Line) {
        DrawToolElement(item.x - x0, item.y - y0, item.cells.at(ColCaption), c, item.colour, clBlack,
                        item.marked, false, item.kind);
        return;
    }
    const LineEnds &e = item.ends;
    if (parts & Stroke)
        drawLineStroke(c, e.x1 - x0, e.y1 - y0, e.x2 - x0, e.y2 - y0, item.marked);
    if (parts & HeadAndText) {
        ArrowHead head = item.head;
        head.px -= x0;
        head.py -= y0;
        drawArrowHeadAndText(c, head, item.cells.at(ColCaption), item.marked);
    }
}

std::optional<int> IncrementalScene::topRectangleAt(Coord x, Coord y, const StringGrid &rectangles,
                                                    int pixelSize) const
{
    if (building())
        return std::nullopt;
    const std::vector<Id> &rows = m_rows[int(TableId::Rectangles)];
    if (!m_valid || !m_dirty.empty() || pixelSize != m_fontSize ||
        rows.size() != size_t(rectangles.RowCount()))
        return std::nullopt;
    for (size_t r = rows.size() - 1; r >= 1; --r) {
        const Item &item = m_items[rows[r]];
        if (!item.drawn)
            continue;
        const Coord half = item.textW / 2;
        if (item.x - half - 8 <= x && x <= item.x + half + 8 && item.y - item.textH <= y &&
            y <= item.y + item.textH)
            return int(r);
    }
    return -1;
}

void IncrementalScene::replayLastDrawing(Canvas &canvas) const
{
    // Pen, brush and font as the full redraw leaves them: its last drawing, then the frame.
    Canvas replay = canvas;
    replay.setImage(nullptr);
    const Item *last = nullptr;
    for (TableId t : {TableId::Points, TableId::Rectangles, TableId::Lines}) {
        const std::vector<Id> &rows = m_rows[int(t)];
        for (auto it = rows.rbegin(); it != rows.rend() && !last; ++it)
            if (m_items[*it].drawn)
                last = &m_items[*it];
        if (last)
            break;
    }
    if (last && last->kind == ElementKind::Line) {
        replay.setFontName(QStringLiteral("tahoma"));
        const LineEnds &e = last->ends;
        DrawLineArrow(last->cells.at(ColCaption), replay, e.x1, e.y1, e.x2, e.y2, last->marked);
    } else if (last) {
        DrawToolElement(last->x, last->y, last->cells.at(ColCaption), replay, last->colour, clBlack,
                        last->marked, false, last->kind);
    }
    drawSheetFrame(replay, QRect(0, 0, m_grid.width(), m_grid.height()));
    replay.setImage(canvas.image());
    canvas = replay;
}
