#include "app/Application.h"

#include "app/MainWindow.h"
#include "view/SheetView.h"

#include <QApplication>

#include <cstdio>

int runGravelink(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("gravelink"));
    QApplication::setApplicationDisplayName(applicationTitle());

    MainWindow window;
    window.createNewSheetDialog();
    window.show();
    window.FormShow(QCoreApplication::arguments().mid(1));

    // Test hook: report where the sheet appears on the screen.
    if (qEnvironmentVariableIsSet("GRAVELINK_PRINT_SHEET_POS")) {
        QCoreApplication::processEvents();
        const QPoint p = window.controls().sheetView->mapToGlobal(QPoint(0, 0));
        std::printf("sheet %d %d\n", p.x(), p.y());
        std::fflush(stdout);
    }
    return app.exec();
}
