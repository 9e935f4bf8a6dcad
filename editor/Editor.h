#pragma once

#include "editor/Document.h"
#include "editor/EditorState.h"
#include "editor/EditorUi.h"
#include "toolkit/Canvas.h"
#include "toolkit/ShiftState.h"
#include "toolkit/TextList.h"

#include <QImage>
#include <QString>
#include <QUndoStack>

#include <exception>

// The scheme being edited with the whole editing state of the main window, and the operations
// on them. Controls are reached only through EditorUi, so everything here runs without widgets.
// Operations may throw AppError (a conversion error, a file that cannot be written); the window
// catches it at the event boundary and shows it.
class Editor {
public:
    explicit Editor(EditorUi &ui);

    EditorUi &ui;

    // The scheme: tables, sheet, lock, file name, modified. The only writer of the scheme.
    Document doc;
    Selection sel;
    MultiSelection multi;
    Gesture gesture;
    Viewport view;

    // Working lists: distances of the nearest-element search, file lines of Open and Save.
    TextList ListDist, ListLoadsave;

    // The overlay image is the sheet picture with the overlay drawing on top, rebuilt by every
    // refresh. A refresh copies back only what the sheet and the overlay drawing changed since
    // the one before.
    QImage overlayImage;
    DamageLog overlayDamage{&overlayImage};
    Canvas overlay{&overlayImage};

    QString AppTitle;
    bool MenuPopped = false;

    bool locked() const { return doc.locked(); }

    // --- Undo and redo ---
    // The steps of the scheme's history, oldest first; at most kHistorySteps are kept.
    static constexpr int kHistorySteps = 1000;
    QUndoStack history;
    // Ends the running command: what it changed becomes one undo step. Run after every event.
    void closeStep();
    bool canUndo() const { return !locked() && history.canUndo(); }
    bool canRedo() const { return !locked() && history.canRedo(); }
    // Take back or make again the last step; the selection is cleared and the sheet redrawn.
    void undo();
    void redo();
    // The history starts anew (New, Open); the scheme counts as saved.
    void clearHistory();

    // --- Element tables (UI steps) ---
    bool getCountElements() const;
    void DeleteElementModel(int row, const StringGrid &table);
    void ClearAll();

    // --- Main window enabling ---
    void InstrumEnabled(bool enabled);
    void SetStateLine();

    // --- Scene redraw and overlay ---
    void UpdateImageModel();
    // Repaints the overlay at once: sheet picture, then paintOverlay.
    void refreshOverlay();
    // The grid is drawn whole, or only in the given areas.
    void paintOverlay(const std::vector<QRect> *gridAreas = nullptr);
    // Whether the overlay holds the grid, drawn without logging its dots.
    bool gridOnOverlay() const { return m_gridOnOverlay; }

    // --- Hit testing and selection ---
    void Find_and_Select(int X, int Y);
    void GetRecHPE_on_Coord(int X, int Y, const StringGrid &table);
    int GetNumRowRect(int X, int Y, const StringGrid &table);
    int GetNumRow_onMinValue();
    void SelectAllObjects();
    void selectAllCommand();
    void ShowProperties(int row, const StringGrid &table);

    // --- Tools and mouse gestures ---
    void selectTool(Tool tool);
    void sheetPress(MouseButton button, ShiftState shift, int X, int Y);
    void sheetMove(ShiftState shift, int X, int Y);
    void sheetRelease(MouseButton button, ShiftState shift, int X, int Y);
    void sheetDoubleClick();
    void ChangeCoordObj(qint64 dx, qint64 dy);

    // --- Element editing commands ---
    // Key filters: return the character to type, or 0 to discard it.
    QChar captionKeyFilter(QChar key);
    QChar coordinateKeyFilter(QChar key);
    void colorChosen();
    void ChangePropSelection(qint64 dx, qint64 dy, ApplyStyle style);
    void ChangePropElement(int row, const StringGrid &table, qint64 dx, qint64 dy, ApplyStyle style);
    void ObjMoveOnCanvas(Direction direction);
    void moveSelectionLeft() { ObjMoveOnCanvas(Direction::Left); }
    void moveSelectionUp() { ObjMoveOnCanvas(Direction::Up); }
    void moveSelectionRight() { ObjMoveOnCanvas(Direction::Right); }
    void moveSelectionDown() { ObjMoveOnCanvas(Direction::Down); }
    void deleteSelection();
    void reverseSelectedLine();
    void toggleLock();

    // --- Sheet size ---
    void stepSheetSize(SheetEdge edge);

    // --- Viewport navigation ---
    void MoveSheet(int X, int Y);
    void scrollSheetLeft();
    void scrollSheetRight();
    void scrollSheetUp();
    void scrollSheetDown();
    void toggleNavigator();

private:
    void applyStep(const ChangeList &changes, bool forward);
    void rethrowStepFailure();
    void clearSelection();

    std::exception_ptr m_stepFailure;        // a redraw failure of the last undo or redo
    bool m_gridOnOverlay = false;            // the overlay holds grid dots that no damage log recorded
    const StringGrid *m_lastTable = nullptr; // ChangePropSelection's table last used
};
