#pragma once

#include "editor/History.h"
#include "model/ChangeRecord.h"
#include "model/ElementTables.h"
#include "model/SchemeChange.h"
#include "render/IncrementalScene.h"
#include "render/SheetBitmap.h"
#include "toolkit/TextList.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

// The scheme being edited: its three tables, the sheet, the lock, the file it belongs to, its
// history of undo steps and whether it changed since it was last saved or opened.
//
// Every change to the tables and the sheet size goes through the methods below, which record
// what changed (cells with their old and new texts, rows inserted and removed, sizes). Line
// midpoints (lineMidpoint of a line's ends), which the document stores as it redraws, are the
// one exception. What a
// command records becomes one undo step when its Step ends; the steps are what undo and redo
// replay, and the record is what autosave and redraw follow.
class Document {
    Q_DECLARE_TR_FUNCTIONS(Document)

public:
    Document();
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
    const QString &fileName() const { return m_fileName; }
    void setFileName(const QString &fileName) { m_fileName = fileName; }

    // --- Recorded changes ---
    // Writes a cell of one of the three tables; the same text again records nothing.
    void setCell(const StringGrid &table, int col, int row, const QString &text);
    // Puts a new element into the trailing row and adds a new trailing row; returns its row.
    int appendRow(const StringGrid &table, const QStringList &cells);
    // The same for many rows of the tables at once (a paste); returns the row of the last.
    // Past a few thousand rows the picture is drawn anew whole rather than row by row.
    int appendRows(const StringGrid &table, const std::vector<QStringList> &rows);
    // Removes a data row (not the header or the trailing row); other rows (-1) do nothing.
    // Returns whether a row was removed.
    bool removeRow(const StringGrid &table, int row);
    // Deletes an element's data row and, for a rectangle or point, every line with it as an
    // end. A row that is not a data row deletes nothing. Sets modified when it deletes.
    void deleteElement(int row, const StringGrid &table);
    // A new white sheet of that size with its frame.
    void setSheetSize(int width, int height);

    // Brings the sheet up to date with the tables, marking the multi-selection's members: the
    // areas that the changes since the last redraw touched, or the whole sheet. The midpoints of
    // the lines drawn are stored: of every line the full redraw draws (up to a line whose ends do
    // not convert), of the lines whose ends changed otherwise. A midpoint depends only on the
    // line's ends, so it is not recorded: the redraw after an undo or redo puts back exactly the
    // midpoints of that state. Every command redraws after its changes, so the tables hold
    // these midpoints whenever they are written.
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

    // --- Undo steps ---
    // A command's changes become one undo step, named as the command opened it, when the
    // outermost Step ends (also when the command fails part-way). A command that changes
    // nothing adds no step.
    class Step {
    public:
        Step(Document &doc, const QString &name);
        ~Step();
        Step(const Step &) = delete;
        Step &operator=(const Step &) = delete;

    private:
        Document &m_doc;
    };
    // The history, oldest step first, within History's bounds.
    History &undoStack() { return m_history; }
    const History &undoStack() const { return m_history; }
    // Takes back the last step done, or makes the next one again; nothing when there is none.
    void undo();
    void redo();
    // What undo and redo do with a step's changes besides applying them (set by the editor,
    // which brings the window up to date).
    using StepApplier = std::function<void(const ChangeRecord &changes, bool forward)>;
    void setStepApplier(StepApplier apply) { m_applier = std::move(apply); }
    // Pushes the changes recorded outside any Step as one step ("Edit").
    void closeStep();
    // The history starts anew (New, Open): nothing is modified.
    void startHistory();

    // --- Modified ---
    // The scheme differs from its file: the history is away from the state last saved or
    // opened, the lock differs, or a command counted as a change outside the history.
    bool modified() const { return !m_history.isClean() || m_markedModified || m_locked != m_savedLocked; }
    // Counts the scheme as changed although no undo step says so: the lock (which is not a step),
    // and the commands that count as a change without changing a cell (Enter applying the same
    // texts, a press of the line tool that makes no line). Undo and redo clear it.
    void markModified() { m_markedModified = true; }
    // The scheme was written to its file: this state of the history is the saved one.
    void markSaved();
    // A recovered scheme: no state of its history is saved.
    void markUnsaved() { m_history.resetClean(); }

    // --- The record ---
    // The changes recorded since they were last taken.
    bool hasChanges() const { return !m_changes.empty(); }
    ChangeList takeChanges();
    const ChangeRecord &pendingChanges() const { return m_changes; }
    // Grows with every change, the lock and whole-scheme replacements included.
    quint64 revision() const { return m_revision; }
    // Makes recorded changes again (forward) or takes them back, in the right order. Not
    // recorded itself.
    void applyChanges(const ChangeList &changes, bool forward);
    void applyChanges(const ChangeRecord &changes, bool forward);

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

    // Undo and redo of a step: the changes applied, then the applier.
    void applyStep(const ChangeRecord &changes, bool forward);
    // Applies one change made again or taken back.
    void applyOne(const SchemeChange &change, bool forward);

    ElementTables m_tables;
    SheetBitmap m_sheet;
    bool m_locked = false;
    QString m_fileName;

    // The sheet's items and the changes since they were drawn.
    IncrementalScene m_scene;

    ChangeRecord m_changes;
    quint64 m_revision = 0;

    History m_history;
    StepApplier m_applier;
    int m_stepDepth = 0;
    QString m_stepName;
    bool m_markedModified = false;
    bool m_savedLocked = false;
};
