#pragma once

#include "editor/EditorTypes.h"

#include <QString>

// The tool and the mouse gesture in progress.
struct Gesture {
    Tool tool = Tool::Cursor;
    int lineClickCount = 0;
    QString newLineName;
    int lineStartX = 0, lineStartY = 0, lineEndX = 0, lineEndY = 0;
    bool mouseHeld = false;
    int mouseDownX = 0, mouseDownY = 0;         // sheet pixel of the press
    int mouseDownViewX = 0, mouseDownViewY = 0; // view pixel of the press
    int dragDistX = 0, dragDistY = 0;
    int grabOffsetX = 0, grabOffsetY = 0;
    bool boxing = false; // a Ctrl+drag draws a selection box from the press
};
