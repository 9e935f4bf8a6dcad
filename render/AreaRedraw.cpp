#include "render/AreaRedraw.h"

#include "render/ElementDrawing.h"
#include "render/LineParts.h"
#include "render/SceneRedraw.h"
#include "render/SelectionNames.h"
#include "toolkit/ColorText.h"
#include "toolkit/IntText.h"
#include "toolkit/TextFace.h"

#include <algorithm>
#include <climits>

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

// Whether columns [l, r) and rows [t, b) meet the rectangle.
bool meets(const QRect &rect, Coord l, Coord t, Coord r, Coord b)
{
    return l <= rect.right() && r > rect.left() && t <= rect.bottom() && b > rect.top();
}

void removeId(QHash<QString, std::vector<std::uint32_t>> &index, const QString &key, std::uint32_t id)
{
    const auto it = index.find(key);
    if (it == index.end())
        return;
    std::erase(*it, id);
    if (it->empty())
        index.erase(it);
}

bool directPixels(QImage::Format f)
{
    return f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 ||
           f == QImage::Format_ARGB32_Premultiplied;
}

} // namespace

void IncrementalScene::invalidate()
{
    m_valid = false;
    m_items.clear();
    m_free.clear();
    for (auto &rows : m_rows)
        rows.clear();
    m_dirty.clear();
    m_pendingMidpoints = 0;
    m_named[0].clear();
    m_named[1].clear();
    m_lineEnds.clear();
    m_folded.clear();
    m_selectionList.clear();
    m_selection.clear();
    m_removedNames.clear();
    m_damagedTiles.clear();
    m_badCount = 0;
    m_grid.reset(0, 0);
}

void IncrementalScene::rebuild(const ElementTables &tables, const Canvas &canvas,
                               const TextList &multiSelection)
{
    invalidate();
    m_fontSize = canvas.font().pixelSize;
    m_face = &TextFace::get(QStringLiteral("tahoma"), m_fontSize);
    // Glyphs reach at most the margin out of their cell; shaped text up to the cell's height.
    m_textPad = Coord(m_face->height()) + m_face->margin() + 2;
    m_grid.reset(canvas.width(), canvas.height());
    m_damaged.assign(size_t(m_grid.tileCount()), 0);
    m_selectionList = multiSelection.items();
    if (multiSelection.count() >= 2)
        for (const QString &name : m_selectionList)
            m_selection.insert(SelectionNames::folded(name));
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
    QSet<QString> moved;
    for (TableId t : {TableId::Rectangles, TableId::Points})
        for (Id id : m_rows[int(t)])
            updateElement(id, moved);
    if (m_badCount > 0) {
        invalidate();
        return;
    }
    for (Id id : m_rows[int(TableId::Lines)]) {
        updateLine(id);
        m_items[id].midpoint = false;
    }
    for (int tile : m_damagedTiles)
        m_damaged[size_t(tile)] = 0;
    m_damagedTiles.clear();
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
    if (item.midpoint)
        --m_pendingMidpoints;
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
                ++m_pendingMidpoints;
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
    } else {
        const qint64 after = m_items[rows[size_t(row) + 1]].order;
        if (after - before >= 2) {
            order = before + (after - before) / 2;
        } else {
            for (size_t r = 0; r < rows.size(); ++r)
                m_items[rows[r]].order = qint64(r) * kOrderGap;
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

void IncrementalScene::damage(const std::vector<int> &tiles)
{
    for (int tile : tiles) {
        if (!m_damaged[size_t(tile)]) {
            m_damaged[size_t(tile)] = 1;
            m_damagedTiles.push_back(tile);
        }
    }
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
    damage(item.cover);
    for (int tile : item.cover)
        m_grid.remove(tile, id);
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

void IncrementalScene::updateElement(Id id, QSet<QString> &movedNames)
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
        const QString &caption = item.cells.at(ColCaption);
        item.textW = caption.isEmpty() ? 0 : std::min<Coord>(m_face->measure(caption).width, INT_MAX);
        item.textH = caption.isEmpty() ? 0 : m_face->height();
        computeCover(item);
        for (int tile : item.cover)
            m_grid.add(tile, id);
        damage(item.cover);
        m_named[item.kind == ElementKind::Rectangle ? 0 : 1][name].push_back(id);
        m_folded[SelectionNames::folded(name)].push_back(id);
        item.drawn = true;
    }
    if (wasDrawn != item.drawn || oldName != item.name || oldX != item.x || oldY != item.y) {
        if (wasDrawn)
            movedNames.insert(oldName);
        if (item.drawn)
            movedNames.insert(item.name);
    }
}

QPoint IncrementalScene::centre(const QString &name) const
{
    // As the full redraw finds ends: the last row of that name among the rectangles when some
    // rectangle has it, else among the points, else (0, 0).
    for (const auto &named : m_named) {
        const auto it = named.constFind(name);
        if (it == named.constEnd() || it->empty())
            continue;
        const Item *last = nullptr;
        for (Id id : *it)
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
    const QString &text = item.cells.at(ColCaption);
    item.textW = text.isEmpty() ? 0 : std::min<Coord>(m_face->measure(text).width, INT_MAX);
    item.textH = text.isEmpty() ? 0 : m_face->height();
    computeCover(item);
    for (int tile : item.cover)
        m_grid.add(tile, id);
    damage(item.cover);
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
        ++m_pendingMidpoints;
    }
}

void IncrementalScene::computeCover(Item &item) const
{
    std::vector<int> &cover = item.cover;
    cover.clear();
    const Coord pad = m_textPad;
    const Coord hw = item.textW / 2;
    if (item.kind == ElementKind::Rectangle) {
        // The rounded box (and its marked outline) with the caption inside it.
        m_grid.boxTiles(item.x - hw - 8 - pad, item.y - item.textH - pad, item.x + hw + 8 + pad,
                        item.y + item.textH + pad, cover);
    } else if (item.kind == ElementKind::Point) {
        // The circle, and the caption box below it.
        m_grid.boxTiles(item.x - hw - 7 - pad, item.y - 7, item.x + hw + 7 + pad,
                        item.y + item.textH + 15 + pad, cover);
    } else {
        const LineEnds &e = item.ends;
        m_grid.segmentTiles(e.x1, e.y1, e.x2, e.y2, cover);
        const ArrowHead &head = item.head;
        m_grid.boxTiles(head.px - kArrowReach - 1, head.py - kArrowReach - 1, head.px + kArrowReach + 2,
                        head.py + kArrowReach + 2, cover);
        if (item.textH > 0)
            m_grid.boxTiles(head.px + kLineTextDx - pad, head.py + kLineTextDy - pad,
                            head.px + kLineTextDx + item.textW + pad,
                            head.py + kLineTextDy + item.textH + pad, cover);
        std::sort(cover.begin(), cover.end());
        cover.erase(std::unique(cover.begin(), cover.end()), cover.end());
    }
}

IncrementalScene::Outcome IncrementalScene::redraw(Canvas &canvas, const TextList &multiSelection,
                                                   std::vector<Midpoint> &midpoints)
{
    midpoints.clear();
    m_lastTiles = 0;
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
                    for (Id id : m_folded.value(name))
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
            updateElement(id, moved);
        }
    }
    if (m_badCount > 0) {
        // The full redraw stops at the bad cell as it always has.
        invalidate();
        return Outcome::Rebuild;
    }
    for (const QString &name : moved)
        for (Id id : m_lineEnds.value(name))
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

    if (m_pendingMidpoints > 0) {
        const std::vector<Id> &rows = m_rows[int(TableId::Lines)];
        for (size_t r = 1; r < rows.size(); ++r) {
            Item &item = m_items[rows[r]];
            if (item.midpoint) {
                item.midpoint = false;
                if (item.drawn)
                    midpoints.push_back({int(r), item.ends});
            }
        }
        m_pendingMidpoints = 0;
    }

    std::vector<int> tiles;
    tiles.swap(m_damagedTiles);
    for (int tile : tiles)
        m_damaged[size_t(tile)] = 0;
    // Past a quarter of the sheet the threaded full redraw is the faster way.
    if (qint64(tiles.size()) * 4 > qint64(m_grid.tileCount())) {
        midpoints.clear();
        return Outcome::FullRedraw;
    }

    // Damaged tiles are drawn in blocks of kBlock x kBlock tiles, each block as the box around
    // its damaged tiles: a line crossing several of them is drawn once.
    constexpr int kBlock = 4;
    const int columns = m_grid.columns();
    const auto blockOf = [&](int tile) {
        return qint64(tile / columns / kBlock) * columns + (tile % columns) / kBlock;
    };
    std::sort(tiles.begin(), tiles.end(), [&](int a, int b) { return blockOf(a) < blockOf(b); });
    uchar *bits = image->bits();
    DamageLog *log = canvas.damageLog();
    for (size_t i = 0; i < tiles.size();) {
        QRect area = m_grid.tileRect(tiles[i]);
        size_t j = i + 1;
        for (; j < tiles.size() && blockOf(tiles[j]) == blockOf(tiles[i]); ++j)
            area = area.united(m_grid.tileRect(tiles[j]));
        drawArea(canvas, bits, *image, area);
        if (log && log->watched() == image)
            log->add(area.left(), area.top(), area.right() + 1, area.bottom() + 1);
        i = j;
    }
    m_lastTiles = int(tiles.size());

    canvas.setBrushColor(clWhite);
    replayLastDrawing(canvas);
    return Outcome::Drawn;
}

void IncrementalScene::drawArea(const Canvas &canvas, uchar *bits, const QImage &image, const QRect &area)
{
    const Coord x0 = area.left(), y0 = area.top();
    const qsizetype stride = image.bytesPerLine();
    QImage view(bits + y0 * stride + x0 * 4, area.width(), area.height(), stride, image.format());
    Canvas c = canvas;
    c.setImage(&view);
    c.setDamageLog(nullptr);
    c.setBrushColor(clWhite);
    c.setFontName(QStringLiteral("tahoma"));
    c.FillRect(0, 0, area.width(), area.height());

    std::vector<std::pair<qint64, Id>> found;
    ++m_stamp;
    const int columns = m_grid.columns();
    for (int row = area.top() / TileGrid::kTile; row <= area.bottom() / TileGrid::kTile; ++row) {
        for (int col = area.left() / TileGrid::kTile; col <= area.right() / TileGrid::kTile; ++col) {
            for (Id id : m_grid.items(row * columns + col)) {
                Item &item = m_items[id];
                if (item.stamp != m_stamp) {
                    item.stamp = m_stamp;
                    found.emplace_back(qint64(rankOf(item.kind)) << 60 | item.order, id);
                }
            }
        }
    }
    std::sort(found.begin(), found.end());
    for (const auto &[key, id] : found)
        drawItem(c, m_items[id], area);
    drawSheetFrame(c, QRect(int(-x0), int(-y0), m_grid.width(), m_grid.height()));
}

void IncrementalScene::drawItem(Canvas &c, const Item &item, const QRect &area) const
{
    const Coord x0 = area.left(), y0 = area.top();
    if (item.kind != ElementKind::Line) {
        DrawToolElement(item.x - x0, item.y - y0, item.cells.at(ColCaption), c, item.colour, clBlack,
                        item.marked, false, item.kind);
        return;
    }
    const LineEnds &e = item.ends;
    if (meets(area, std::min(e.x1, e.x2) - 2, std::min(e.y1, e.y2) - 2, Coord(std::max(e.x1, e.x2)) + 3,
              Coord(std::max(e.y1, e.y2)) + 3))
        drawLineStroke(c, e.x1 - x0, e.y1 - y0, e.x2 - x0, e.y2 - y0, item.marked);
    ArrowHead head = item.head;
    const Coord pad = m_textPad;
    const bool headMeets = meets(area, head.px - kArrowReach - 1, head.py - kArrowReach - 1,
                                 head.px + kArrowReach + 2, head.py + kArrowReach + 2);
    const bool textMeets =
        item.textH > 0 &&
        meets(area, head.px + kLineTextDx - pad, head.py + kLineTextDy - pad,
              head.px + kLineTextDx + item.textW + pad, head.py + kLineTextDy + item.textH + pad);
    if (headMeets || textMeets) {
        head.px -= x0;
        head.py -= y0;
        drawArrowHeadAndText(c, head, item.cells.at(ColCaption), item.marked);
    }
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
