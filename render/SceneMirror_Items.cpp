// Bringing the mirror's items up to date: what they draw, where, and under which names.
#include "render/SceneMirror.h"

#include "render/DamageSet.h"
#include "render/SelectionNames.h"
#include "toolkit/Color.h"
#include "toolkit/ColorText.h"
#include "toolkit/IntText.h"
#include "toolkit/TextFace.h"
#include "toolkit/TextHash.h"

#include <algorithm>
#include <climits>
#include <unordered_set>
#include <utility>

namespace {

TableId tableOf(ElementKind kind)
{
    return kind == ElementKind::Rectangle ? TableId::Rectangles
           : kind == ElementKind::Point   ? TableId::Points
                                          : TableId::Lines;
}

// A line's ends as getNameBefore and getNameAfter split its name, without copying them.
std::pair<QStringView, QStringView> endNames(QStringView line)
{
    const qsizetype dash = line.indexOf(QLatin1Char('-'));
    if (dash < 0)
        return {};
    return {line.left(dash), line.mid(dash + 1)};
}

std::uint32_t foldedHash(const QString &folded)
{
    return std::uint32_t(TextHash()(folded));
}

} // namespace

void SceneMirror::followSelection(const TextList &multiSelection)
{
    if (multiSelection.items() == m_selectionList)
        return;
    // A changed multi-selection changes the look of the names that joined or left it: the drawn
    // items whose folded name has the hash of such a name are drawn again.
    QSet<QString> now;
    if (multiSelection.count() >= 2)
        for (const QString &name : multiSelection.items())
            now.insert(SelectionNames::folded(name));
    std::unordered_set<std::uint32_t> changed;
    for (const QSet<QString> *from : {&now, &m_selection})
        for (const QString &name : *from)
            if (!(from == &now ? m_selection : now).contains(name))
                changed.insert(foldedHash(name));
    if (!changed.empty())
        for (Id id = 0; id < m_items.size(); ++id)
            if (m_items[id].drawn && changed.count(m_items[id].folded))
                markDirty(id);
    m_selection = std::move(now);
    m_selectionList = multiSelection.items();
}

bool SceneMirror::updateChanged()
{
    // Elements first: the lines follow the ends they have now.
    QSet<QString> moved;
    moved.swap(m_removedNames);
    std::vector<Id> dirty;
    dirty.swap(m_dirty);
    for (Id id : dirty) {
        SceneItem &item = m_items[id];
        if (item.dirty && item.kind != ElementKind::Line) {
            item.dirty = false;
            updateElement(id, rowOf(tableOf(item.kind), id), &moved);
        }
    }
    if (m_badCount > 0)
        return false;
    for (const QString &name : moved)
        for (Id id : linesEndingAt(name))
            markDirty(id);
    dirty.insert(dirty.end(), m_dirty.begin(), m_dirty.end());
    m_dirty.clear();
    for (Id id : dirty) {
        SceneItem &item = m_items[id];
        if (item.dirty && item.kind == ElementKind::Line) {
            item.dirty = false;
            updateLine(id, rowOf(TableId::Lines, id));
        }
    }
    return true;
}

bool SceneMirror::selected(const QString &name) const
{
    return !m_selection.isEmpty() && m_selection.contains(SelectionNames::folded(name));
}

void SceneMirror::damage(Id id, bool removed)
{
    if (!m_recordDamage)
        return;
    const SceneItem &item = m_items[id];
    if (item.kind == ElementKind::Line)
        m_damage.addStroke(id, item.ends, removed, item.marked);
    m_damage.addBox(m_shapes[id].box.box());
}

void SceneMirror::undraw(Id id)
{
    SceneItem &item = m_items[id];
    if (!item.drawn)
        return;
    damage(id, true);
    computeCover(id, m_cover);
    for (int tile : m_cover)
        gridOf(item).remove(tile, id);
    if (item.kind == ElementKind::Line) {
        const auto [first, second] = endNames(item.name);
        m_lineEnds.remove(first, id);
        if (second != first)
            m_lineEnds.remove(second, id);
    } else {
        m_named[item.kind == ElementKind::Rectangle ? 0 : 1].remove(item.name, id);
    }
    item.drawn = false;
}

void SceneMirror::updateElement(Id id, int row, QSet<QString> *movedNames)
{
    SceneItem &item = m_items[id];
    const bool wasDrawn = item.drawn;
    const QString oldName = item.name;
    const Coord oldX = item.x, oldY = item.y;
    undraw(id);
    const StringGrid &grid = m_tables->table(tableOf(item.kind));
    const QString &name = grid.Cells(ColName, row);
    const bool inUse = !item.header && !name.isEmpty();
    std::optional<int> x, y;
    std::optional<TColor> colour;
    if (inUse) {
        x = tryStrToInt(grid.Cells(ColX, row));
        y = tryStrToInt(grid.Cells(ColY, row));
        colour = tryStringToColor(grid.Cells(ColColor, row));
    }
    const bool bad = inUse && (!x || !y || !colour);
    m_badCount += int(bad) - int(item.bad);
    item.bad = bad;
    if (inUse && !bad) {
        item.name = name;
        item.x = *x;
        item.y = *y;
        item.colour = *colour;
        item.folded = foldedHash(SelectionNames::folded(name));
        item.marked = selected(name);
        setText(item, grid.Cells(ColCaption, row));
        m_shapes[id] = {Box32(elementBox(item.kind, item.x, item.y, item.textW, item.textH, item.reach)),
                        Box32(elementOpaqueBox(item.kind, item.x, item.y, item.textW, item.textH)),
                        item.drawKey()};
        computeCover(id, m_cover);
        for (int tile : m_cover)
            gridOf(item).add(tile, id);
        damage(id, false);
        m_named[item.kind == ElementKind::Rectangle ? 0 : 1].add(name, id);
        item.drawn = true;
    }
    if (movedNames && (wasDrawn != item.drawn || oldName != item.name || oldX != item.x || oldY != item.y)) {
        if (wasDrawn)
            movedNames->insert(oldName);
        if (item.drawn)
            movedNames->insert(item.name);
    }
}

QPoint SceneMirror::centre(QStringView name) const
{
    // As the full redraw finds ends: the last row of that name among the rectangles when some
    // rectangle has it, else among the points, else (0, 0).
    for (const NameHashIndex &named : m_named) {
        const SceneItem *last = nullptr;
        named.forEach(name, [&](Id id) {
            const SceneItem &item = m_items[id];
            if (item.name == name && (!last || item.order > last->order))
                last = &item;
        });
        if (last)
            return QPoint(int(last->x), int(last->y));
    }
    return QPoint(0, 0);
}

LineEnds SceneMirror::lineEnds(const QString &lineName) const
{
    const auto [firstName, secondName] = endNames(lineName);
    const QPoint first = centre(firstName);
    const QPoint second = centre(secondName);
    return {first.x(), first.y(), second.x(), second.y()};
}

void SceneMirror::updateLine(Id id, int row)
{
    SceneItem &item = m_items[id];
    const bool wasDrawn = item.drawn;
    const LineEnds old = item.ends;
    undraw(id);
    const StringGrid &grid = m_tables->EGrid;
    const QString &name = grid.Cells(ColName, row);
    if (item.header || name.isEmpty())
        return;
    item.name = name;
    item.ends = lineEnds(name);
    item.folded = foldedHash(SelectionNames::folded(name));
    item.marked = selected(name);
    setText(item, grid.Cells(ColCaption, row));
    // The text's box lies beside the head's: one box holds both.
    const ArrowHead head = arrowHeadOf(item.ends.x1, item.ends.y1, item.ends.x2, item.ends.y2);
    m_shapes[id] = {Box32(headAndTextBox(head, item.textW, item.textH, item.reach)),
                    Box32(PixelBox{item.ends.x1, item.ends.y1, item.ends.x2, item.ends.y2}), item.drawKey()};
    computeCover(id, m_cover);
    for (int tile : m_cover)
        gridOf(item).add(tile, id);
    damage(id, false);
    const auto [first, second] = endNames(name);
    m_lineEnds.add(first, id);
    if (second != first)
        m_lineEnds.add(second, id);
    item.drawn = true;
    const LineEnds &e = item.ends;
    if (!item.midpoint &&
        (!wasDrawn || e.x1 != old.x1 || e.y1 != old.y1 || e.x2 != old.x2 || e.y2 != old.y2)) {
        item.midpoint = true;
        m_midpointIds.push_back(id);
    }
}

void SceneMirror::setText(SceneItem &item, const QString &text)
{
    item.caption = text;
    if (m_offThread && !m_face->cachedSimple(text)) {
        // Measuring it would use Qt's font engine or fill the glyph cache, off the window's thread.
        m_needsShaping = true;
        item.textW = item.textH = item.reach = 0;
        return;
    }
    const bool shaped = !text.isEmpty() && !m_face->measure(text).simple;
    m_shapedCount += int(shaped) - int(item.shaped);
    item.shaped = shaped;
    item.textW = text.isEmpty() ? 0 : std::int32_t(std::min<Coord>(m_face->measure(text).width, INT_MAX));
    item.textH = text.isEmpty() ? 0 : std::int32_t(m_face->height());
    item.reach = text.isEmpty() ? 0 : std::int32_t(m_face->inkReach(text));
}

void SceneMirror::computeCover(Id id, std::vector<int> &cover) const
{
    cover.clear();
    const SceneItem &item = m_items[id];
    const PixelBox box = m_shapes[id].box.box();
    const TileGrid &grid = gridOf(item);
    const auto addBox = [&](const PixelBox &b) {
        if (!b.empty())
            grid.boxTiles(b.l, b.t, b.r, b.b, cover);
    };
    if (item.kind != ElementKind::Line) {
        addBox(box);
        return;
    }
    const LineEnds &e = item.ends;
    // A tile listed twice lists the line twice; drawing finds each item once all the same.
    grid.segmentTiles(e.x1, e.y1, e.x2, e.y2, cover);
    addBox(box);
}

bool SceneMirror::endsAt(Id line, QStringView name) const
{
    const auto [first, second] = endNames(m_items[line].name);
    return first == name || second == name;
}

std::vector<SceneMirror::Id> SceneMirror::linesEndingAt(const QString &name) const
{
    std::vector<Id> ids;
    m_lineEnds.forEach(name, [&](Id id) {
        if (endsAt(id, name))
            ids.push_back(id);
    });
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    return ids;
}
