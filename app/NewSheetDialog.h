#pragma once

class QWidget;

// The new-sheet dialog as the New command uses it.
// Creates the hidden dialog (null while the program has none).
QWidget *createNewSheetDialog(QWidget *mainWindow);
// Prepares the dialog for a new sheet, shows it modally and reads the chosen size.
// False when cancelled.
bool showNewSheetDialog(QWidget *dialog, int &width, int &height);
