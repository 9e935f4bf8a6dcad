#include "editor/Document.h"

#include "model/TableOps.h"
#include "render/ConnectorLines.h"
#include "render/SceneRedraw.h"

#include <new>
#include <optional>
#include <utility>
#include <vector>

Document::Document() = default;

Document::Step::Step(Document &doc, const QString &name) : m_doc(doc)
{
    if (m_doc.m_stepDepth++ == 0)
        m_doc.m_stepName = name;
}

Document::Step::~Step()
{
    if (--m_doc.m_stepDepth > 0)
        return;
    try {
        m_doc.closeStep();
    } catch (const std::bad_alloc &) {
        // No memory for the step: the history starts anew rather than replay a wrong state.
        m_doc.startHistory();
        m_doc.markModified();
    }
    m_doc.m_stepName.clear();
}

void Document::closeStep()
{
    if (m_changes.empty())
        return;
    ChangeRecord changes;
    std::swap(changes, m_changes);
    m_history.push(m_stepName.isEmpty() ? tr("Edit") : m_stepName, std::move(changes));
}

void Document::undo()
{
    closeStep();
    if (const ChangeRecord *changes = m_history.undoStep())
        applyStep(*changes, false);
}

void Document::redo()
{
    closeStep();
    if (const ChangeRecord *changes = m_history.redoStep())
        applyStep(*changes, true);
}

void Document::applyStep(const ChangeRecord &changes, bool forward)
{
    applyChanges(changes, forward);
    m_markedModified = false;
    if (m_applier)
        m_applier(changes, forward);
}

void Document::startHistory()
{
    m_changes.clear();
    m_history.clear();
    m_markedModified = false;
    m_savedLocked = m_locked;
}

void Document::markSaved()
{
    closeStep();
    m_history.setClean();
    m_markedModified = false;
    m_savedLocked = m_locked;
}

void Document::setLocked(bool locked)
{
    if (m_locked != locked) {
        ++m_revision;
        m_scene.invalidate();
    }
    m_locked = locked;
}

void Document::record(SchemeChange &&change)
{
    m_scene.noteChange(change);
    m_changes.append(change);
    ++m_revision;
}

void Document::setCell(const StringGrid &table, int col, int row, const QString &text)
{
    StringGrid &grid = own(table);
    if (row < 0 || row >= grid.RowCount() || col < 0 || col >= grid.ColCount())
        return;
    const QString &old = grid.Cells(col, row);
    if (old == text)
        return;
    SchemeChange c;
    c.kind = SchemeChange::Kind::Cell;
    c.table = m_tables.idOf(grid);
    c.row = row;
    c.col = col;
    c.before = old;
    c.after = text;
    grid.setCell(col, row, text);
    record(std::move(c));
}

int Document::appendRow(const StringGrid &table, const QStringList &cells)
{
    // The new element takes the trailing row's place and a new trailing row follows: as a
    // change, a row inserted before the trailing one.
    StringGrid &grid = own(table);
    const int r = grid.RowCount() - 1;
    QStringList full = cells;
    while (full.size() < grid.ColCount())
        full.append(QString());
    while (full.size() > grid.ColCount())
        full.removeLast();
    grid.insertRow(r, full);
    SchemeChange c;
    c.kind = SchemeChange::Kind::InsertRow;
    c.table = m_tables.idOf(grid);
    c.row = r;
    c.cells = std::move(full);
    record(std::move(c));
    return r;
}

int Document::appendRows(const StringGrid &table, const std::vector<QStringList> &rows)
{
    // Following each new row in the drawn scheme's mirror costs more than building it anew
    // after the full redraw that so many rows lead to anyway.
    constexpr size_t kManyRows = 2000;
    if (rows.size() >= kManyRows)
        m_scene.invalidate();
    int last = -1;
    for (const QStringList &cells : rows)
        last = appendRow(table, cells);
    return last;
}

SchemeChange Document::removal(const StringGrid &grid, int row) const
{
    SchemeChange c;
    c.kind = SchemeChange::Kind::RemoveRow;
    c.table = m_tables.idOf(grid);
    c.row = row;
    c.cells = grid.rowCells(row);
    return c;
}

bool Document::removeRow(const StringGrid &table, int row)
{
    StringGrid &grid = own(table);
    if (!isDataRow(grid, row))
        return false;
    SchemeChange c = removal(grid, row);
    grid.removeRow(row);
    record(std::move(c));
    return true;
}

void Document::deleteElement(int row, const StringGrid &table)
{
    StringGrid &grid = own(table);
    if (!isDataRow(grid, row))
        return;
    if (&grid != &m_tables.EGrid) {
        const QString name = grid.Cells(ColName, row);
        StringGrid &lines = m_tables.EGrid;
        // A line's ends are the names before and after its first '-' (both empty without one).
        // The drawn scheme's mirror indexes lines by their ends; when it cannot tell, every line's
        // name is read.
        std::optional<std::vector<int>> indexed = m_scene.lineRowsAttachedTo(name);
        std::vector<int> attached = indexed ? std::move(*indexed) : std::vector<int>();
        for (int r = 1; !indexed && r < lines.RowCount() - 1; ++r) {
            const QStringView lineName = lines.Cells(ColName, r);
            const qsizetype dash = lineName.indexOf(QLatin1Char('-'));
            const QStringView before = dash < 0 ? QStringView() : lineName.left(dash);
            const QStringView after = dash < 0 ? QStringView() : lineName.mid(dash + 1);
            if (!lineName.isEmpty() && (before == name || after == name))
                attached.push_back(r);
        }
        // Recorded bottom up, as removing them one by one would, and removed in one pass.
        std::vector<SchemeChange> removals;
        for (auto r = attached.rbegin(); r != attached.rend(); ++r)
            removals.push_back(removal(lines, *r));
        lines.removeRows(attached);
        for (SchemeChange &c : removals)
            record(std::move(c));
    }
    removeRow(grid, row);
}

void Document::setSheetSize(int width, int height)
{
    const QSize before(m_sheet.width(), m_sheet.height());
    m_sheet.CreateBitmap(width, height);
    m_scene.invalidate();
    if (before == QSize(width, height))
        return;
    SchemeChange c;
    c.kind = SchemeChange::Kind::SheetSize;
    c.sizeBefore = before;
    c.sizeAfter = QSize(width, height);
    record(std::move(c));
}

void Document::redraw(const TextList &multiSelection)
{
    std::vector<IncrementalScene::Midpoint> midpoints;
    const IncrementalScene::Outcome outcome = m_scene.redraw(m_sheet.canvas(), multiSelection, midpoints);
    if (outcome == IncrementalScene::Outcome::Drawn) {
        for (const IncrementalScene::Midpoint &m : midpoints)
            setLineMidpoint(m_tables.EGrid, m.row, lineMidpoint(m.ends));
        return;
    }
    try {
        fullRedraw(multiSelection);
    } catch (...) {
        m_scene.invalidate();
        throw;
    }
    // The mirror that later edits redraw from is built while the window shows the picture.
    if (outcome == IncrementalScene::Outcome::Rebuild)
        m_scene.rebuildInBackground(m_tables, m_sheet.canvas(), multiSelection);
}

void Document::fullRedraw(const TextList &multiSelection)
{
    // The midpoints are stored while the bands are drawn: the redraw reads the tables no more.
    StringGrid &lines = m_tables.EGrid;
    UpdateImageModel(m_tables, m_sheet.canvas(), multiSelection, [&lines](int row, const LineEnds &ends) {
        setLineMidpoint(lines, row, lineMidpoint(ends));
    });
}

void Document::drawLine(const QString &name, const QString &text, int row, bool selected)
{
    // Drawn over the picture: the next redraw draws the row's area again.
    m_scene.settle();
    m_scene.touchRow(TableId::Lines, row);
    setLineMidpoint(m_tables.EGrid, row,
                    lineMidpoint(DrawLineTool(m_tables, m_sheet.canvas(), name, text, selected)));
}

void Document::setCurrentRow(const StringGrid &table, int row)
{
    // The cursor is not part of the scheme: a mirror being built need not be waited for.
    m_tables.table(m_tables.idOf(table)).setRow(row);
}

void Document::clearTables()
{
    m_scene.settle();
    ClearSelectedTable(m_tables.HGrid);
    ClearSelectedTable(m_tables.PGrid);
    ClearSelectedTable(m_tables.EGrid);
    m_scene.invalidate();
    m_changes.clear();
    ++m_revision;
}

void Document::adoptTables(ElementTables &&tables)
{
    m_scene.settle();
    m_tables = std::move(tables);
    m_scene.invalidate();
    m_changes.clear();
    ++m_revision;
}

void Document::createSheet(int width, int height)
{
    m_sheet.CreateBitmap(width, height);
    m_scene.invalidate();
    ++m_revision;
}

ChangeList Document::takeChanges()
{
    ChangeList taken = m_changes.toList();
    m_changes.clear();
    return taken;
}

void Document::applyOne(const SchemeChange &c, bool forward)
{
    if (c.kind == SchemeChange::Kind::SheetSize) {
        const QSize size = forward ? c.sizeAfter : c.sizeBefore;
        m_sheet.CreateBitmap(size.width(), size.height());
    } else {
        applyTableChange(m_tables, c, forward);
    }
    m_scene.noteChange(c, forward);
}

void Document::applyChanges(const ChangeList &changes, bool forward)
{
    m_scene.settle();
    if (forward)
        for (const SchemeChange &c : changes)
            applyOne(c, true);
    else
        for (auto it = changes.rbegin(); it != changes.rend(); ++it)
            applyOne(*it, false);
    ++m_revision;
}

void Document::applyChanges(const ChangeRecord &changes, bool forward)
{
    m_scene.settle();
    changes.forEach(forward, [this, forward](const SchemeChange &c) { applyOne(c, forward); });
    ++m_revision;
}
