#pragma once

#include <QSize>

#include <functional>

class QWidget;

// The new-sheet dialog as the New command uses it.
// Creates the hidden dialog, centred on the main window; drawingAreaSize gives the client size
// of the drawing area for the "Fit" format.
QWidget *createNewSheetDialog(QWidget *mainWindow, std::function<QSize()> drawingAreaSize);
// Prepares the dialog for a new sheet, shows it modally and reads the chosen size.
// False when cancelled (or when there is no dialog).
bool showNewSheetDialog(QWidget *dialog, int &width, int &height);
