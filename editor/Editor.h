#pragma once

#include "editor/EditorUi.h"
#include "toolkit/ShiftState.h"
#include "model/ElementTables.h"
#include "toolkit/Canvas.h"
#include "toolkit/TextList.h"
#include "render/SheetBitmap.h"

#include <QImage>
#include <QString>

// The scheme being edited with the whole editing state of the main window, and the operations
// on them. Controls are reached only through EditorUi, so everything here runs without widgets.
// Operations may throw AppError (a conversion error, a file that cannot be written); the window
// catches it at the event boundary and shows it.
class Editor {
public:
    explicit Editor(EditorUi &ui);

    EditorUi &ui;

    // The model.
    ElementTables tables;
    StringGrid &HGrid = tables.HGrid;
    StringGrid &PGrid = tables.PGrid;
    StringGrid &EGrid = tables.EGrid;
    TextList ListDist, ListNameEl, ListLoadsave, ListShiftObj;

    // The sheet bitmap (Image1) and the overlay (PaintBox1): the overlay image is the sheet
    // picture with the overlay drawing on top, rebuilt by every refresh. A refresh copies back
    // only what the sheet and the overlay drawing changed since the one before.
    SheetBitmap sheet;
    QImage overlayImage;
    DamageLog overlayDamage{&overlayImage};
    Canvas overlay{&overlayImage};

    // Selection.
    int SelectedKind = 0; // 0 none, 1 rectangle, 2 point, 3 line
    QString FoundName;
    int FoundX = 0, FoundY = 0;
    QString FoundCaption;
    int SelX = -1, SelY = -1, SelX2 = -1, SelY2 = -1;
    QString SelCaption;
    TColor CurrentColor = clBlack;
    bool KeyMoveActive = false;
    bool GridVisible = true;

    // Tools and gestures.
    int ToolMode = 0;
    int LineClickCount = 0;
    QString NewLineName;
    int LineStartX = 0, LineStartY = 0, LineEndX = 0, LineEndY = 0;
    bool MouseHeld = false;
    int MouseDownX = 0, MouseDownY = 0;
    int DragDistX = 0, DragDistY = 0;
    int GrabOffsetX = 0, GrabOffsetY = 0;

    // Viewport.
    int PanAnchorX = 0, PanAnchorY = 0, PanStepX = 0, PanStepY = 0;

    // Document.
    bool Modified = false;
    QString CurrentFileName;
    QString AppTitle;
    bool MenuPopped = false;

    bool locked() const { return ui.isChecked(Ctl::LockAction); }

    // --- Element tables (UI steps) ---
    bool getCountElements() const;
    void DeleteElementModel(int row, StringGrid &table);
    void ClearAll();

    // --- Main window enabling ---
    void InstrumEnabled(bool enabled);
    void SetStateLine();

    // --- Scene redraw and overlay ---
    void UpdateImageModel();
    // Repaints the overlay at once: sheet picture, then paintOverlay.
    void refreshOverlay();
    void paintOverlay();
    // Whether the overlay holds the grid, drawn without logging its dots.
    bool gridOnOverlay() const { return m_gridOnOverlay; }

    // --- Hit testing and selection ---
    void Find_and_Select(int X, int Y);
    void GetRecHPE_on_Coord(int X, int Y, StringGrid &table);
    int GetNumRowRect(int X, int Y, StringGrid &table);
    int GetNumRow_onMinValue();
    void SelectAllObjects();
    void selectAllCommand();
    void ShowProperties(int row, StringGrid &table);

    // --- Tools and mouse gestures ---
    void selectTool(Ctl sender);
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
    void ChangePropSelection(qint64 dx, qint64 dy, bool keepStyle);
    void ChangePropElement(int row, StringGrid &table, qint64 dx, qint64 dy, bool keepStyle);
    void ObjMoveOnCanvas(int direction);
    void moveSelectionLeft() { ObjMoveOnCanvas(0); }
    void moveSelectionUp() { ObjMoveOnCanvas(1); }
    void moveSelectionRight() { ObjMoveOnCanvas(2); }
    void moveSelectionDown() { ObjMoveOnCanvas(3); }
    void deleteSelection();
    void reverseSelectedLine();
    void toggleLock();

    // --- Sheet size ---
    void stepSheetSize(Ctl sender);

    // --- Viewport navigation ---
    void MoveSheet(int X, int Y);
    void scrollSheetLeft();
    void scrollSheetRight();
    void scrollSheetUp();
    void scrollSheetDown();
    void toggleNavigator();

private:
    bool m_gridOnOverlay = false;      // the overlay holds grid dots that no damage log recorded
    StringGrid *m_lastTable = nullptr; // ChangePropSelection's table last used
};
