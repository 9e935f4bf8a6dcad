#pragma once

#include "model/ElementTables.h"
#include "model/SchemeChange.h"
#include "render/IncrementalScene.h"
#include "render/SheetBitmap.h"
#include "toolkit/TextList.h"

#include <QString>

#include <optional>

// The scheme being edited: its three tables, the sheet, the lock, the file it belongs to and
// whether it changed since it was last saved or opened.
//
// Every change to the tables and the sheet size goes through the methods below, which record
// what changed (cells with their old and new texts, rows inserted and removed, sizes). Line
// midpoints, which the redraw derives from the lines' ends, are the one exception. The
// record of a command is what undo and redo replay and what autosave and redraw follow.
class Document {
public:
    Document() = default;
    Document(const Document &) = delete;
    Document &operator=(const Document &) = delete;

    const ElementTables &tables() const { return m_tables; }
    const StringGrid &rectangles() const { return m_tables.HGrid; }
    const StringGrid &points() const { return m_tables.PGrid; }
    const StringGrid &lines() const { return m_tables.EGrid; }
    // The picture of the scheme and its place in the drawing area. Drawing on it changes no
    // part of the scheme; its size changes through setSheetSize only.
    SheetBitmap &sheet() { return m_sheet; }
    const SheetBitmap &sheet() const { return m_sheet; }

    bool locked() const { return m_locked; }
    void setLocked(bool locked);
    bool modified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }
    const QString &fileName() const { return m_fileName; }
    void setFileName(const QString &fileName) { m_fileName = fileName; }

    // --- Recorded changes ---
    // Writes a cell of one of the three tables; the same text again records nothing.
    void setCell(const StringGrid &table, int col, int row, const QString &text);
    // Puts a new element into the trailing row and adds a new trailing row; returns its row.
    int appendRow(const StringGrid &table, const QStringList &cells);
    // Removes a data row (not the header or the trailing row); other rows (-1) do nothing.
    // Returns whether a row was removed.
    bool removeRow(const StringGrid &table, int row);
    // Deletes an element's data row and, for a rectangle or point, every line with it as an
    // end. A row that is not a data row deletes nothing. Sets modified when it deletes.
    void deleteElement(int row, const StringGrid &table);
    // A new white sheet of that size with its frame.
    void setSheetSize(int width, int height);

    // Brings the sheet up to date with the tables, marking the multi-selection's members: the
    // areas that the changes since the last redraw touched, or the whole sheet. Every line
    // midpoint ends up as the full redraw stores it. A midpoint depends only on the line's ends,
    // so it is not recorded: the redraw after an undo or redo puts back exactly the midpoints of
    // that state.
    void redraw(const TextList &multiSelection);
    // When the sheet is up to date with the tables: the last in-use rectangle row whose caption
    // box (of captions at that pixel size, edges included) holds (x, y), or -1. Otherwise nothing.
    std::optional<int> drawnRectangleAt(int x, int y, int pixelSize) const
    {
        return m_scene.topRectangleAt(x, y, m_tables.HGrid, pixelSize);
    }
    // Draws one line on the sheet and stores its midpoint.
    void drawLine(const QString &name, const QString &text, int row, bool selected);

    // The selection cursor of a table; not a change to the scheme.
    void setCurrentRow(const StringGrid &table, int row);

    // --- Whole-scheme replacement (New, Open): not recorded, and the record is dropped ---
    void clearTables();
    void adoptTables(ElementTables &&tables);
    void createSheet(int width, int height);

    // --- The record ---
    // The changes since the record was last taken, and the name of the command that made them.
    bool hasChanges() const { return !m_changes.empty(); }
    ChangeList takeChanges();
    const QString &stepName() const { return m_stepName; }
    void setStepName(const QString &name) { m_stepName = name; }
    // Grows with every change, the lock and whole-scheme replacements included.
    quint64 revision() const { return m_revision; }
    // Makes recorded changes again (forward) or takes them back, in the right order. Not
    // recorded itself.
    void applyChanges(const ChangeList &changes, bool forward);

private:
    // A table to change: the mirror being built from the tables is finished first.
    StringGrid &own(const StringGrid &table)
    {
        m_scene.settle();
        return m_tables.table(m_tables.idOf(table));
    }
    void record(SchemeChange &&change);
    // The record of removing that row, taken before it goes.
    SchemeChange removal(const StringGrid &grid, int row) const;
    void fullRedraw(const TextList &multiSelection);

    ElementTables m_tables;
    SheetBitmap m_sheet;
    bool m_locked = false;
    bool m_modified = false;
    QString m_fileName;

    // The sheet's items and the changes since they were drawn.
    IncrementalScene m_scene;

    ChangeList m_changes;
    QString m_stepName;
    quint64 m_revision = 0;
};
