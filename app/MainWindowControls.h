#pragma once

#include <array>

class ColorBox;
class Panel;
class FindBar;
class QLabel;
class QLineEdit;
class QMenu;
class QToolButton;
class QWidget;
class SheetView;

// The main window's controls and popup menu. The window owns them (as Qt
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

    // The tool buttons; the window keeps exactly one of them down. They are no QButtonGroup,
    // whose buttons Tab skips but for the one that is down.
    std::array<QToolButton *, 4> tools() const { return {cursorTool, rectangleTool, pointTool, lineTool}; }

    // --- The popup menu and its Open Recent submenu (one item per recent scheme, then Clear
    // Menu). The commands' actions and menu items are in CommandActions.
    QMenu *popupMenu = nullptr;
    QMenu *recentMenu = nullptr;
};
