#pragma once

#include "editor/Document.h"
#include "editor/EditorTypes.h"
#include "editor/EditorUi.h"
#include "editor/ElementFinder.h"
#include "editor/Gesture.h"
#include "editor/Selection.h"
#include "editor/Viewport.h"
#include "render/ItemExtents.h"
#include "toolkit/Canvas.h"
#include "toolkit/ImagePyramid.h"
#include "toolkit/ShiftState.h"
#include "toolkit/TextList.h"

#include <QCoreApplication>
#include <QImage>
#include <QSet>
#include <QString>

#include <exception>

struct EditorTestAccess;

// The box a rectangle's or point's drawing covers, caption included, from its row's cells;
// throws ConvertError on a position that is not a number.
PixelBox drawnElementBox(ElementKind kind, const StringGrid &table, int row);

// The scheme being edited with the whole editing state of the main window, and the operations
// on them. Controls are reached only through EditorUi, so everything here runs without widgets.
// Operations may throw AppError (a conversion error, a file that cannot be written); the window
// catches it at the event boundary and shows it. Many operations keep the names they have
// always had in this program; each says at its declaration what it does.
class Editor {
    Q_DECLARE_TR_FUNCTIONS(Editor)

public:
    explicit Editor(EditorUi &ui);
    Editor(const Editor &) = delete;
    Editor &operator=(const Editor &) = delete;

    // --- State ---
    // The scheme: tables, sheet, lock, file name, history. The only writer of the scheme.
    Document &doc() { return m_doc; }
    const Document &doc() const { return m_doc; }
    const Selection &selection() const { return m_sel; }
    const MultiSelection &multiSelection() const { return m_multi; }
    const Gesture &gesture() const { return m_gesture; }
    const Viewport &viewport() const { return m_view; }
    EditorUi &ui() const { return m_ui; }
    bool locked() const { return m_doc.locked(); }
    // The overlay image is the sheet picture with the overlay drawing on top, rebuilt by every
    // refresh. A refresh copies back only what the sheet and the overlay drawing changed since
    // the one before.
    const QImage &overlayImage() const { return m_overlayImage; }
    // Whether the overlay holds the grid, drawn without logging its dots.
    bool gridOnOverlay() const { return m_gridOnOverlay; }
    // The overlay image reduced by halves, up to date while the view scale is below 1 (empty
    // otherwise).
    const ImagePyramid &reducedOverlay() const { return m_reduced; }
    // Whether the overlay shows the dot grid (while unlocked).
    bool gridVisible() const { return m_gridVisible; }

    // --- Undo and redo ---
    bool canUndo() const { return !locked() && m_doc.undoStack().canUndo(); }
    bool canRedo() const { return !locked() && m_doc.undoStack().canRedo(); }
    // Take back or make again the last step; the selection is cleared and the sheet redrawn.
    void undo();
    void redo();

    // --- Whole scheme (New, Open) ---
    // Empties the tables and drops the selection, the file name, the lock and the scroll
    // position (ClearAll).
    void ClearAll();
    // Shows or hides the overlay's dot grid from the next overlay paint.
    void setGridVisible(bool visible) { m_gridVisible = visible; }

    // --- Main window enabling ---
    // Enables or disables every editing control and drops the selection (InstrumEnabled).
    void InstrumEnabled(bool enabled);
    // Enables the line tool when the scheme holds two elements to join, unless locked (SetStateLine).
    void SetStateLine();
    // Enables Delete, ChangeLine and Select All from the lock, the selection and the counts.
    void updateCommandStates();

    // --- Scene redraw and overlay ---
    // Brings the sheet up to date with the tables and repaints the overlay (UpdateImageModel).
    void UpdateImageModel();
    // Repaints the overlay at once: sheet picture, then paintOverlay.
    void refreshOverlay();

    // --- Hit testing and selection ---
    // Selects what the sheet shows at (X, Y): a line's arrow head, a point or a rectangle; shows
    // its properties, or clears the selection when nothing is there (Find_and_Select).
    void Find_and_Select(int X, int Y);
    // Selects the row of `table` nearest to (X, Y) (a rectangle: whose caption box holds it)
    // and shows its properties (GetRecHPE_on_Coord).
    void GetRecHPE_on_Coord(int X, int Y, const StringGrid &table);
    // The last in-use rectangle row whose caption box holds (X, Y), or -1 (GetNumRowRect).
    int GetNumRowRect(int X, int Y, const StringGrid &table);
    // Select All: every rectangle and point into the multi-selection (SelectAllObjects).
    void SelectAllObjects();
    // What is selected, in words for a screen reader: the element's kind, caption and position,
    // or how many are selected together.
    QString selectionDescription() const;

    // --- Tools and mouse gestures ---
    // The pointer positions are view pixels from the scaled sheet's top-left corner; each
    // gesture acts on the sheet pixel they show.
    void selectTool(Tool tool);
    void sheetPress(MouseButton button, ShiftState shift, int X, int Y);
    void sheetMove(ShiftState shift, int X, int Y);
    void sheetRelease(MouseButton button, ShiftState shift, int X, int Y);
    void sheetDoubleClick();

    // --- Element editing commands ---
    // Key filters: return the character to type, or 0 to discard it. Enter applies the boxes.
    QChar captionKeyFilter(QChar key);
    QChar coordinateKeyFilter(QChar key);
    void colorChosen();
    // Ctrl+arrow: moves the selection by one pixel (ObjMoveOnCanvas).
    void ObjMoveOnCanvas(Direction direction);
    void deleteSelection();
    void reverseSelectedLine();
    void toggleLock();

    // --- Sheet size ---
    void stepSheetSize(SheetEdge edge);

    // --- Viewport navigation ---
    // Pans the sheet towards (X, Y) from the pan anchor, within the drawing area's limits (MoveSheet).
    void MoveSheet(int X, int Y);
    // Shift+arrow: scrolls the sheet by 20 pixels.
    void scrollSheet(Direction direction);
    // Scrolls by (dx, dy) view pixels within the view's limits.
    void scrollBy(int dx, int dy);
    // The mouse wheel over the drawing area, at (areaX, areaY): Ctrl zooms about the pointer,
    // Shift scrolls across, otherwise it scrolls (Viewport::wheel).
    void wheel(QPoint angleDelta, ShiftState keys, int areaX, int areaY);
    void toggleNavigator();

    // --- Zoom ---
    // Each keeps the sheet point under (areaX, areaY) of the drawing area where it is; none
    // changes the scheme.
    void zoomTo(const ViewScale &scale, int areaX, int areaY);
    // One step of the ladder in (steps > 0) or out, about a point of the drawing area.
    void zoomBy(int steps, int areaX, int areaY);
    // Zoom In and Zoom Out about the drawing area's centre; Actual Size; Fit Sheet.
    void zoomIn();
    void zoomOut();
    void zoomActualSize();
    void zoomToFit();

    // --- Many elements ---
    // Copy: the selected rectangles and points (the single selection, or every member of the
    // multi-selection) with the lines between them, to the clipboard; also while locked.
    void copySelection();
    // Cut: Copy, then Delete.
    void cutSelection();
    // Paste: the clipboard's scheme as new elements and lines, named afresh, centred under the
    // pointer over the drawing area or 10 pixels right of and below where it was copied; the
    // pasted elements become the selection. Anything else on the clipboard changes nothing.
    void paste();
    // Duplicate: Copy and Paste 10 pixels right and below, without the clipboard.
    void duplicateSelection();
    // Find: selects the first element whose caption or name holds the text and shows it in the
    // middle of the view; returns the number of matches.
    int findText(const QString &text);
    // The next (forward) or previous match.
    void findNext(bool forward);
    const ElementFinder &finder() const { return m_finder; }
    // Align and distribute the boxes of the multi-selection's rectangles and points.
    enum class Alignment { Left, Centre, Right, Top, Middle, Bottom, Horizontal, Vertical };
    void align(Alignment how);
    // Snap to Grid: new, dropped and pasted centres go to the nearest dot of the grid.
    void setSnapToGrid(bool on) { m_snapToGrid = on; }
    bool snapToGrid() const { return m_snapToGrid; }
    static constexpr int kGridStep = 15;

private:
    friend struct EditorTestAccess;

    // The sheet pixel a view pixel shows, on each axis.
    int sheetX(int vx) const { return m_view.sheetX(vx); }
    int sheetY(int vy) const { return m_view.sheetY(vy); }
    // The window follows a scroll of the view, or a change of its scale.
    void viewScrolled();
    void viewScaled();
    // Shows the overlay image changed since the last time: the reduced copies follow first.
    void showOverlay();
    // Notes areas of the overlay image changed by copying them back from the sheet.
    void noteOverlayChange(const DamageLog &copied);
    // Makes a row the single selection, as a click on it does (the hit test's last step).
    void selectRow(int row, const StringGrid &table);
    // The same, with the overlay, the toolbar and the commands brought up to date.
    void selectElementRow(int row, const StringGrid &table);
    // The names of the selected rectangles and points.
    QSet<QString> selectedElementNames() const;
    // Adds a clip as new rows, moved by (dx, dy), as one undo step, and selects it.
    void addClip(const ElementTables &clip, qint64 dx, qint64 dy, const QString &stepName);
    // The picture of a clip as the sheet draws it, cut to its elements' boxes.
    static QImage clipPicture(const ElementTables &clip, int width, int height);
    // The box an element's drawing covers, caption included.
    PixelBox elementExtent(int row, const StringGrid &table) const;
    // The nearest dot of the grid, while Snap to Grid is on.
    QPoint snapped(QPoint centre) const;
    // Ctrl+drag from empty sheet: the dotted box, and the selection at the release.
    void drawSelectionBox(int X, int Y);
    void selectInBox(int X, int Y, bool adding);
    // Shows a sheet point in the middle of the drawing area.
    void centreOn(int X, int Y);

    // Deletes a row with its lines and drops the selection (DeleteElementModel).
    void DeleteElementModel(int row, const StringGrid &table);
    // The grid is drawn whole, or only in the given areas.
    void paintOverlay(const std::vector<QRect> *gridAreas = nullptr);
    // Shows a row's caption and centre in the toolbar (ShowProperties).
    void ShowProperties(int row, const StringGrid &table);
    // The position (from 1) of the smallest distance in the nearest-element list, or -1
    // (GetNumRow_onMinValue).
    int GetNumRow_onMinValue();
    // Writes the toolbar's values into the selected element or every member of the
    // multi-selection, moved by (-dx, -dy), and selects it again (ChangePropSelection).
    void ChangePropSelection(qint64 dx, qint64 dy, ApplyStyle style);
    // Writes the toolbar's values into one row (ChangePropElement).
    void ChangePropElement(int row, const StringGrid &table, qint64 dx, qint64 dy, ApplyStyle style);
    // Moves the other members of the multi-selection by (-dx, -dy) after a drag (ChangeCoordObj).
    void ChangeCoordObj(qint64 dx, qint64 dy);
    // The rectangle or point tool's press: a new element at (X, Y), selected.
    void createElement(ElementKind kind, int X, int Y);
    // The line tool's press: the first picks the start element, the second the end element.
    void linePress(int X, int Y);
    void leaveLineTool();
    // Gives up the line under construction after a second end that cannot be used.
    void refuseLine(const QString &message);
    // Whether the scheme holds a rectangle or point and is not locked (getCountElements).
    bool getCountElements() const;
    // After undo or redo has applied a step: the selection dropped, the sheet redrawn.
    void applyStep(const ChangeRecord &changes, bool forward);
    void rethrowStepFailure();
    void clearSelection();

    EditorUi &m_ui;
    Document m_doc;
    Selection m_sel;
    MultiSelection m_multi;
    Gesture m_gesture;
    Viewport m_view{[this] { return QSize(m_doc.sheet().width(), m_doc.sheet().height()); },
                    [this] { return m_ui.drawingAreaClientSize(); }};
    // Distances of the nearest-element search.
    TextList m_distances;

    QImage m_overlayImage;
    DamageLog m_overlayDamage{&m_overlayImage};
    Canvas m_overlay{&m_overlayImage};
    // The overlay reduced for scales below 1, and where the overlay changed since it was made.
    ImagePyramid m_reduced;
    DamageLog m_reducedDamage{&m_overlayImage};

    ElementFinder m_finder;
    bool m_snapToGrid = false;
    bool m_gridVisible = true;
    std::exception_ptr m_stepFailure;        // a redraw failure of the last undo or redo
    bool m_gridOnOverlay = false;            // the overlay holds grid dots that no damage log recorded
    const StringGrid *m_lastTable = nullptr; // ChangePropSelection's table last used
};
