#include "app/PrintScheme.h"

#include "app/ModalProvider.h"
#include "editor/Editor.h"
#include "toolkit/Errors.h"

#include <QCoreApplication>
#include <QPrinter>

void printScheme(Editor &e, ModalProvider &modal, QWidget *parent)
{
    const int width = e.doc().sheet().width(), height = e.doc().sheet().height();
    modal.printPreview(parent, width > height, [&](QPrinter &printer, PrintScale scale) {
        try {
            printScheme(printer, e.doc().tables(), width, height, scale);
        } catch (const ConvertError &error) {
            throw AppError(QCoreApplication::translate("PrintScheme", "The scheme cannot be printed: %1")
                               .arg(error.message()));
        }
    });
}
