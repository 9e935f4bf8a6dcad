#pragma once

#include "model/ElementTables.h"
#include "model/SchemeChange.h"
#include "render/NameHashIndex.h"
#include "render/SceneItem.h"
#include "render/SpatialIndex.h"
#include "toolkit/TextList.h"

#include <QSet>
#include <QStringList>

#include <optional>
#include <vector>

class DamageSet;
class TextFace;

// Every row of the three tables as the incremental redraw drew it last, with each drawn item
// in a tile grid and in indexes by name, following the changes made to the tables since. When
// it brings a changed item up to date, it reads the item's cells from the tables (which hold
// the changes it followed) and adds its old and new extents to the damage.
class SceneMirror {
public:
    using Id = SceneItemId;
    // What a build reads of the canvas.
    struct SheetFacts {
        int width = 0, height = 0, fontSize = 0;
    };
    enum class Built {
        Done,
        BadCell,      // a cell does not convert: the mirror stays empty
        NeedsShaping, // a text needs shaping, which is not done off the window's thread
    };
    // A line whose stored midpoint is to be written, by its row.
    struct Midpoint {
        int row;
        LineEnds ends;
    };

    explicit SceneMirror(DamageSet &damage) : m_damage(damage) {}
    SceneMirror(const SceneMirror &) = delete;
    SceneMirror &operator=(const SceneMirror &) = delete;

    // Whether the mirror holds the tables as drawn, changes noted since aside.
    bool valid() const { return m_valid; }
    // Forgets everything.
    void clear();
    // Mirrors the tables just drawn in full on a sheet, with that multi-selection marked; records
    // no damage. Off the window's thread, texts are measured only from the face's cache. The
    // tables are read again when changed items are brought up to date: they must outlive the
    // mirror, or the mirror be cleared first.
    Built build(const ElementTables &tables, SheetFacts sheet, const TextList &multiSelection,
                bool offThread);

    // Follows a change made to the tables (forward) or taken back; false when it cannot, and
    // the mirror must then be dropped.
    bool follow(const SchemeChange &change, bool forward);
    // Marks the row to be drawn again; false when there is no such row.
    bool touchRow(TableId table, int row);

    // Items marked to be brought up to date.
    size_t changedCount() const { return m_dirty.size(); }
    // Marks the items whose look changes with the multi-selection.
    void followSelection(const TextList &multiSelection);
    // Brings the changed items up to date, elements before the lines that follow their ends, and
    // adds their extents to the damage; false when a cell does not convert.
    bool updateChanged();
    // Appends the lines whose midpoints may have changed since they were last taken, by row.
    void takeMidpoints(std::vector<Midpoint> &midpoints);

    // The last drawn rectangle row whose caption box holds (x, y), or -1; nothing when the
    // mirror is not up to date with the table or was measured at another pixel size.
    std::optional<int> topRectangleAt(Coord x, Coord y, const StringGrid &rectangles, int pixelSize) const;
    // The rows of the lines with `name` as an end, ascending; nothing when changes wait.
    std::optional<std::vector<int>> lineRowsAttachedTo(const QString &name) const;

    // --- What the repaint reads ---
    int width() const { return m_grid.width(); }
    int height() const { return m_grid.height(); }
    int fontSize() const { return m_fontSize; }
    // Drawn items whose text is drawn by QPainter.
    int shapedCount() const { return m_shapedCount; }
    size_t itemCount() const { return m_items.size(); }
    const SceneItem &item(Id id) const { return m_items[id]; }
    const ItemShape &shape(Id id) const { return m_shapes[id]; }
    // Elements in small tiles; lines, whose covers are long, in larger ones.
    const TileGrid &elementGrid() const { return m_grid; }
    const TileGrid &lineGrid() const { return m_lineGrid; }
    // Every row of a table, header and trailing row included.
    const std::vector<Id> &rows(TableId table) const { return m_rows[int(table)]; }

private:
    Id newItem(TableId table);
    void freeItem(Id id);
    // The row of a drawn item in its table (rows are in drawing order), or -1.
    int rowOf(TableId table, Id id) const;
    bool insertRow(TableId table, int row);
    bool removeRow(TableId table, int row);
    void markDirty(Id id);

    // In SceneMirror_Items.cpp: bringing one item up to date.
    void undraw(Id id);
    // Brings an item up to date with its row of the table. Adds the names of elements that
    // appeared, went or moved to movedNames, when given.
    void updateElement(Id id, int row, QSet<QString> *movedNames);
    void updateLine(Id id, int row);
    // The tiles an item drawn as it stands is listed in.
    void computeCover(Id id, std::vector<int> &cover) const;
    LineEnds lineEnds(const QString &lineName) const;
    QPoint centre(QStringView name) const;
    void setText(SceneItem &item, const QString &text);
    bool selected(const QString &name) const;
    // The item's extent to repaint: as it was drawn (removed) or as it is to be drawn.
    void damage(Id id, bool removed);
    TileGrid &gridOf(const SceneItem &item) { return item.kind == ElementKind::Line ? m_lineGrid : m_grid; }
    const TileGrid &gridOf(const SceneItem &item) const
    {
        return item.kind == ElementKind::Line ? m_lineGrid : m_grid;
    }

    // Whether a drawn line has `name` as an end.
    bool endsAt(Id line, QStringView name) const;
    // The drawn lines with `name` as an end, ascending.
    std::vector<Id> linesEndingAt(const QString &name) const;

    DamageSet &m_damage;
    const ElementTables *m_tables = nullptr;
    bool m_valid = false;
    bool m_recordDamage = true;
    bool m_offThread = false;    // being built on another thread
    bool m_needsShaping = false; // ... and met text that needs shaping there
    int m_fontSize = 0;
    TextFace *m_face = nullptr;
    TileGrid m_grid;
    TileGrid m_lineGrid;
    std::vector<SceneItem> m_items;
    std::vector<ItemShape> m_shapes; // by id, as m_items
    std::vector<Id> m_free;
    std::vector<Id> m_rows[3];
    std::vector<Id> m_dirty;
    std::vector<Id> m_midpointIds; // lines whose midpoint flag was set (some may since be gone)
    std::vector<int> m_cover;      // scratch
    NameHashIndex m_named[2];      // drawn rectangles, points by name
    NameHashIndex m_lineEnds;      // drawn lines by the names of their ends
    QStringList m_selectionList;
    QSet<QString> m_selection;
    QSet<QString> m_removedNames; // elements removed since the last update
    int m_badCount = 0;
    int m_shapedCount = 0;
};
