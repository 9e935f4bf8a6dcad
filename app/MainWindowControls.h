#pragma once

#include <QList>

class ColorBox;
class Panel;
class QAction;
class QButtonGroup;
class FindBar;
class QLabel;
class QLineEdit;
class QMenu;
class QToolButton;
class QWidget;
class SheetView;

// The main window's controls, actions and popup menu items. The window owns them (as Qt
// children); the pointers stay valid for the window's lifetime.
struct MainWindowControls {
    // --- Controls ---
    Panel *mainPanel = nullptr;
    Panel *toolbar = nullptr; // toolbar row
    Panel *drawingFrame = nullptr;
    Panel *drawingArea = nullptr; // drawing area
    QToolButton *menuButton = nullptr;
    QToolButton *cursorTool = nullptr;
    QToolButton *rectangleTool = nullptr;
    QToolButton *pointTool = nullptr;
    QToolButton *lineTool = nullptr;
    QButtonGroup *toolGroup = nullptr;
    ColorBox *colorBox = nullptr;
    QLabel *captionLabel = nullptr;
    QLineEdit *captionEdit = nullptr;
    QLabel *xLabel = nullptr;
    QLineEdit *xEdit = nullptr;
    QLabel *yLabel = nullptr;
    QLineEdit *yEdit = nullptr;
    QToolButton *reverseLineButton = nullptr;
    QToolButton *deleteButton = nullptr;
    SheetView *sheetView = nullptr;
    Panel *heightButtons = nullptr;
    QToolButton *heightMinus = nullptr;
    QToolButton *heightPlus = nullptr;
    Panel *widthButtons = nullptr;
    QToolButton *widthMinus = nullptr;
    QToolButton *widthPlus = nullptr;
    Panel *navigator = nullptr;
    Panel *navigatorSheet = nullptr;
    QWidget *navigatorSheetShape = nullptr;
    QWidget *navigatorVisiblePart = nullptr;
    // The view scale, shown over the drawing area's corner while it is not 100 %.
    QLabel *scaleLabel = nullptr;
    // Find's bar over the drawing area's top-left corner, hidden until Find.
    FindBar *findBar = nullptr;

    // --- Actions ---
    QAction *newAction = nullptr;
    QAction *openAction = nullptr;
    QAction *saveAction = nullptr;
    QAction *deleteAction = nullptr;
    QAction *reverseLineAction = nullptr;
    QAction *aboutAction = nullptr;
    QAction *quitAction = nullptr;
    QAction *lockAction = nullptr;
    QAction *moveLeftAction = nullptr;
    QAction *moveUpAction = nullptr;
    QAction *moveRightAction = nullptr;
    QAction *moveDownAction = nullptr;
    QAction *scrollDownAction = nullptr;
    QAction *scrollUpAction = nullptr;
    QAction *scrollLeftAction = nullptr;
    QAction *scrollRightAction = nullptr;
    QAction *saveAsAction = nullptr;
    QAction *copyImageAction = nullptr;
    QAction *saveBitmapAction = nullptr;
    QAction *exportAction = nullptr;
    QAction *navigatorAction = nullptr;
    QAction *selectAllAction = nullptr;
    QAction *undoAction = nullptr;
    QAction *redoAction = nullptr;
    QAction *printAction = nullptr;
    QAction *copyAction = nullptr;
    QAction *cutAction = nullptr;
    QAction *pasteAction = nullptr;
    QAction *duplicateAction = nullptr;
    QAction *findAction = nullptr;
    QAction *findNextAction = nullptr;
    QAction *findPreviousAction = nullptr;
    QList<QAction *> alignActions;      // Left Edges ... Bottom Edges
    QList<QAction *> distributeActions; // Horizontally, Vertically
    QAction *snapAction = nullptr;
    QAction *zoomInAction = nullptr;
    QAction *zoomOutAction = nullptr;
    QAction *actualSizeAction = nullptr;
    QAction *fitSheetAction = nullptr;

    // --- Popup menu m_ui.popupMenu and its items ---
    QMenu *popupMenu = nullptr;
    QAction *newItem = nullptr;
    QAction *openItem = nullptr;
    // Open Recent: one item per recent scheme, then Clear Menu; filled each time it opens.
    QMenu *recentMenu = nullptr;
    QAction *saveItem = nullptr;
    QAction *saveAsItem = nullptr;
    QAction *copyImageItem = nullptr;
    QAction *saveBitmapItem = nullptr;
    QAction *exportItem = nullptr;
    QAction *undoItem = nullptr;
    QAction *redoItem = nullptr;
    QAction *deleteItem = nullptr;
    QAction *reverseLineItem = nullptr;
    QAction *selectAllItem = nullptr;
    QAction *navigatorItem = nullptr;
    QAction *printItem = nullptr;
    QAction *cutItem = nullptr;
    QAction *copyItem = nullptr;
    QAction *pasteItem = nullptr;
    QAction *duplicateItem = nullptr;
    QAction *findItem = nullptr;
    QMenu *alignMenu = nullptr;
    QAction *snapItem = nullptr;
    QAction *zoomInItem = nullptr;
    QAction *zoomOutItem = nullptr;
    QAction *actualSizeItem = nullptr;
    QAction *fitSheetItem = nullptr;
    QAction *lockItem = nullptr;
    QAction *aboutItem = nullptr;
    QAction *quitItem = nullptr;
};
