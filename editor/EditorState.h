#pragma once

#include "model/ElementTables.h"
#include "toolkit/Color.h"
#include "toolkit/TextList.h"

#include <QString>
#include <QStringList>

// The armed tool: the cursor selects, the others create on the next press.
enum class Tool { Cursor, Rectangle, Point, Line };

// A keyboard move or scroll direction.
enum class Direction { Left, Up, Right, Down };

// What applying the toolbar to the selection writes besides the position: a keyboard move keeps
// caption and colour; Enter writes the focused caption box; a colour choice also the colour.
// Only a chosen colour is written, so a colour text that is not in the colour list stays as it is.
enum class ApplyStyle { Keep, Caption, CaptionAndColour };

// The four sheet-size buttons: which side changes, and which way.
enum class SheetEdge { HeightMinus, HeightPlus, WidthMinus, WidthPlus };

// The names of the multi-selection. Its members are drawn marked, so every change to the list
// raises lookChanged() until the next redraw has drawn it.
class MultiSelection {
public:
    const TextList &list() const { return m_names; }
    QStringList items() const { return m_names.items(); }
    int count() const { return m_names.count(); }
    const QString &item(int i) const { return m_names.item(i); }
    int indexOf(const QString &name) const { return m_names.indexOf(name); }

    void add(const QString &name)
    {
        m_names.add(name);
        m_lookChanged = true;
    }
    void clear()
    {
        if (m_names.count() > 0)
            m_lookChanged = true;
        m_names.clear();
    }
    void setItems(const QStringList &names)
    {
        m_names.items() = names;
        m_lookChanged = true;
    }

    bool lookChanged() const { return m_lookChanged; }
    void lookDrawn() { m_lookChanged = false; }

private:
    TextList m_names;
    bool m_lookChanged = false;
};

// The single selection: what the last hit test found and what the overlay marks.
struct Selection {
    ElementKind kind = ElementKind::None;
    QString foundName;
    int foundX = 0, foundY = 0;
    QString foundCaption;
    // The marked element's centre (a line: both ends) and caption, as the overlay draws them.
    int selX = -1, selY = -1, selX2 = -1, selY2 = -1;
    QString selCaption;
    TColor currentColor = clBlack;
    // A keyboard move is running: the re-selection keeps the colour list as it is.
    bool keyMoveActive = false;

    bool elementSelected() const { return kind == ElementKind::Rectangle || kind == ElementKind::Point; }
};

// The tool and the mouse gesture in progress.
struct Gesture {
    Tool tool = Tool::Cursor;
    int lineClickCount = 0;
    QString newLineName;
    int lineStartX = 0, lineStartY = 0, lineEndX = 0, lineEndY = 0;
    bool mouseHeld = false;
    int mouseDownX = 0, mouseDownY = 0;
    int dragDistX = 0, dragDistY = 0;
    int grabOffsetX = 0, grabOffsetY = 0;
};

// Panning the sheet inside the drawing area, and the grid.
struct Viewport {
    int panAnchorX = 0, panAnchorY = 0, panStepX = 0, panStepY = 0;
    bool gridVisible = true;
};
