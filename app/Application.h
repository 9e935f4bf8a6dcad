#pragma once

#include <QString>

// The application title set at start; the window caption starts with it.
inline QString applicationTitle()
{
    return QStringLiteral("Gravelink");
}

// Starts the editor: application object and title, the main window and the new-sheet
// dialog, the start-up file, then the message loop until the main window has closed.
int runGravelink(int argc, char **argv);
