#include "app/NewSheetDialog.h"

#include "dialogs/Unit_new.h"

QWidget *createNewSheetDialog(QWidget *mainWindow, std::function<QSize()> drawingAreaSize)
{
    auto *dialog = new TNewFileDlg(mainWindow, std::move(drawingAreaSize));
    dialog->hide();
    return dialog;
}

bool showNewSheetDialog(QWidget *dialog, int &width, int &height)
{
    auto *dlg = qobject_cast<TNewFileDlg *>(dialog);
    return dlg && dlg->execFor(width, height);
}
