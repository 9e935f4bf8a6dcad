#include "app/Application.h"

#include "app/MainWindow.h"
#include "app/ProgramTitle.h"
#include "app/Recovery.h"
#include "editor/RecoveryStore.h"
#include "toolkit/CaptionFont.h"
#include "toolkit/Translations.h"
#include "view/SheetView.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QIcon>
#include <QSettings>
#include <QThread>
#include <QTimer>
#include <QWindow>

#include <cstdio>

#ifdef __GLIBC__
#include <malloc.h>
#endif

int runGravelink(int argc, char **argv)
{
#ifdef __GLIBC__
    // One malloc arena for every thread: the scene mirror, built on its own thread after an
    // Open, then reuses what reading the file freed instead of taking fresh memory (about 30 MB
    // less at 100,000 elements, for a few percent on the time to open). Blocks of 256 KiB and
    // more (a full redraw's lists, the mirror's arrays, large undo steps) come from the system
    // and go back to it when freed; by default the threshold rises after such a free and later
    // large blocks are carved from the heap, which they leave in pieces.
    mallopt(M_ARENA_MAX, 1);
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
#endif
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("gravelink"));
    installTranslations(app);
    setProgramTitle(applicationTitle());
    // The id of the installed desktop entry and icon; the icon's sizes are built into the program.
    QApplication::setDesktopFileName(QStringLiteral("io.github.gravelink.Gravelink"));
    QIcon icon;
    for (const QFileInfo &file : QDir(QStringLiteral(":/icon")).entryInfoList(QDir::Files))
        icon.addFile(file.filePath());
    QApplication::setWindowIcon(icon);

    QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("gravelink"),
                       QStringLiteral("gravelink"));
    MainWindow window;
    window.useSettings(&settings);
    window.createNewSheetDialog();
    window.show();
    // A scheme left by an editor that did not close properly comes before the one named.
    const QString recoveryFolder = defaultRecoveryFolder();
    window.startAutosave(recoveryFolder);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (!offerRecovery(window, recoveryFolder, DocumentCommands::startupScheme(arguments)))
        window.FormShow(arguments);
    if (!captionFontFound())
        QTimer::singleShot(0, &window, [&window] {
            window.modal().showInfo(&window, applicationTitle(), captionFontMissingNote());
        });

    // Test hook: report where the sheet appears on the screen.
    if (qEnvironmentVariableIsSet("GRAVELINK_PRINT_SHEET_POS")) {
        // Once the window is on the screen its place is final (there is no window manager
        // under the test server to move it later).
        QElapsedTimer waited;
        waited.start();
        while (!(window.windowHandle() && window.windowHandle()->isExposed()) && waited.elapsed() < 10000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
            QThread::msleep(10);
        }
        QCoreApplication::processEvents();
        const QPoint p = window.controls().sheetView->mapToGlobal(QPoint(0, 0));
        std::printf("sheet %d %d\n", p.x(), p.y());
        std::fflush(stdout);
    }
    return app.exec();
}
