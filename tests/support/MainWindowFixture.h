#pragma once

// Drives the real main window headless. Include from a test named tst_window_*.cpp (any room;
// such tests link gl_app). Define QTEST_QPA_MOUSE_HANDLING before including QtTest so that
// mouse clicks go through the window with the real event order (double click included).

#include "app/Application.h"
#include "app/MainWindow.h"
#include "app/ModalProvider.h"
#include "app/ProgramTitle.h"
#include "dialogs/NewSheetDialog.h"
#include "view/SheetView.h"

#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QStringList>
#include <QTest>

#include <functional>
#include <memory>

// Records every modal call and answers from scripts; nothing blocks. The defaults cancel.
class ScriptedModal : public ModalProvider {
public:
    QStringList infos, errors, questions;
    struct FileCall {
        QString filter, defaultSuffix, startDir;
    };
    QList<FileCall> openCalls, saveCalls;
    int newSheetCalls = 0;
    int menuPopups = 0;
    QPoint lastMenuPos;

    std::function<SaveAnswer(const QString &)> onAsk = [](const QString &) { return SaveAnswer::Cancel; };
    std::function<bool(const QString &)> onYesNo = [](const QString &) { return false; };
    std::function<QString(const FileCall &)> onOpen = [](const FileCall &) { return QString(); };
    std::function<QString(const FileCall &)> onSave = [](const FileCall &) { return QString(); };
    // Gets the window's dialog (may be null); return true with a size for OK.
    std::function<bool(NewSheetDialog *, int &, int &)> onNewSheet = [](NewSheetDialog *, int &, int &) {
        return false;
    };
    // Runs while the menu is "open", e.g. to choose an item: [](QMenu *m) { item->trigger(); }.
    std::function<void(QMenu *)> onMenu;
    // Runs while a dialog is "open".
    std::function<void(QDialog *)> onDialog;

    void showInfo(QWidget *, const QString &, const QString &text) override { infos << text; }
    void showError(QWidget *, const QString &, const QString &text) override { errors << text; }
    SaveAnswer askSaveChanges(QWidget *, const QString &, const QString &question) override
    {
        questions << question;
        return onAsk(question);
    }
    bool lastNoIsDefault = false;
    bool askYesNo(QWidget *, const QString &, const QString &question, bool noIsDefault,
                  const QStringList &) override
    {
        questions << question;
        lastNoIsDefault = noIsDefault;
        return onYesNo(question);
    }
    QString chooseOpenFile(QWidget *, const QString &filter, const QString &suffix,
                           const QString &dir) override
    {
        openCalls << FileCall{filter, suffix, dir};
        return onOpen(openCalls.last());
    }
    QString chooseSaveFile(QWidget *, const QString &filter, const QString &suffix,
                           const QString &dir) override
    {
        saveCalls << FileCall{filter, suffix, dir};
        return onSave(saveCalls.last());
    }
    bool runNewSheetDialog(NewSheetDialog *dialog, int &width, int &height) override
    {
        ++newSheetCalls;
        return onNewSheet(dialog, width, height);
    }
    // Print: the pages drawn for each scale to this printer, when set.
    QPrinter *printer = nullptr;
    int printPreviews = 0;
    void printPreview(QWidget *, bool, const std::function<void(QPrinter &, PrintScale)> &paint) override
    {
        ++printPreviews;
        if (printer)
            paint(*printer, PrintScale::FitToPage);
    }
    void runDialog(QDialog *dialog) override
    {
        if (onDialog)
            onDialog(dialog);
    }
    void popupMenu(QMenu *menu, const QPoint &screenPos, const QRect &) override
    {
        ++menuPopups;
        lastMenuPos = screenPos;
        if (onMenu)
            onMenu(menu);
    }
};

// The main window as the program starts it (title, FormCreate, the new-sheet dialog), with a
// scripted modal provider. The window is not shown until show() is called.
struct MainWindowFixture {
    ScriptedModal modal;
    std::unique_ptr<MainWindow> window;

    MainWindowFixture()
    {
        setProgramTitle(applicationTitle());
        window = std::make_unique<MainWindow>();
        window->setModalProvider(&modal);
        window->createNewSheetDialog();
    }
    ~MainWindowFixture()
    {
        window.reset();
        setProgramTitle(applicationTitle());
    }

    Editor &editor() { return window->editor(); }
    DocumentCommands &documents() { return window->documents(); }

    // Shows the window and makes it active (shortcuts need an active window).
    bool show()
    {
        window->show();
        QApplication::setActiveWindow(window.get());
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }

    // Sends a key to the window's focused control (or the window), through the shortcut map.
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *target = window->focusWidget() ? window->focusWidget() : window.get();
        QTest::keyClick(target, key, modifiers);
    }

    // Mouse on the sheet, in sheet (overlay) coordinates.
    void click(QPoint at, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers mods = {})
    {
        QTest::mouseClick(window->controls().sheetView, button, mods, at);
    }
    void doubleClick(QPoint at, Qt::KeyboardModifiers mods = {})
    {
        QTest::mouseDClick(window->controls().sheetView, Qt::LeftButton, mods, at);
    }
    void press(QPoint at, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers mods = {})
    {
        QTest::mousePress(window->controls().sheetView, button, mods, at);
    }
    void release(QPoint at, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers mods = {})
    {
        QTest::mouseRelease(window->controls().sheetView, button, mods, at);
    }
    void move(QPoint at) { QTest::mouseMove(window->controls().sheetView, at); }

    // Runs a queued menu command (menu items post their command).
    static void settle() { QCoreApplication::processEvents(); }
};
