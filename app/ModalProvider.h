#pragma once

#include "editor/EditorUi.h"
#include "render/ScenePrint.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>

class NewSheetDialog;
class QDialog;
class QMenu;
class QPrinter;
class QWidget;

// Everything that runs a nested modal loop: message boxes, file dialogs, the new-sheet dialog
// and the popup menu. The window holds one; tests replace it with a scripted one.
class ModalProvider {
public:
    virtual ~ModalProvider() = default;

    virtual void showInfo(QWidget *parent, const QString &title, const QString &text) = 0;
    virtual void showError(QWidget *parent, const QString &title, const QString &text) = 0;
    // Yes, No, Cancel; closing the box (Esc) answers Cancel.
    virtual SaveAnswer askSaveChanges(QWidget *parent, const QString &title, const QString &question) = 0;
    // Yes or No (also Esc); Enter answers Yes unless `noIsDefault`. Each of `wholeLines` (paths)
    // that the question holds is shown on a line of its own, never broken (see messageHtml).
    virtual bool askYesNo(QWidget *parent, const QString &title, const QString &question,
                          bool noIsDefault = false, const QStringList &wholeLines = {}) = 0;
    // `filter` is in the Qt form ("Name (*.ext)"). Empty result: cancelled.
    virtual QString chooseOpenFile(QWidget *parent, const QString &filter, const QString &defaultSuffix,
                                   const QString &startDir) = 0;
    virtual QString chooseSaveFile(QWidget *parent, const QString &filter, const QString &defaultSuffix,
                                   const QString &startDir) = 0;
    // `dialog` is the window's new-sheet dialog (null while there is none).
    virtual bool runNewSheetDialog(NewSheetDialog *dialog, int &width, int &height) = 0;
    // Shows a dialog of the window modally; returns when it has closed.
    virtual void runDialog(QDialog *dialog) = 0;
    // Shows the menu at the screen point, but never over `keepClear` (the screen rectangle of the
    // button that opened it); returns when it has closed.
    virtual void popupMenu(QMenu *menu, const QPoint &screenPos, const QRect &keepClear) = 0;
    // The print preview (landscape pages first for a wide sheet) with a choice of scale and the
    // print dialog; `paint` draws on the printer's pages at the scale chosen, as often as asked.
    virtual void printPreview(QWidget *parent, bool landscape,
                              const std::function<void(QPrinter &, PrintScale)> &paint) = 0;
};

// The real boxes and dialogs of the toolkit.
class QtModalProvider : public ModalProvider {
public:
    void showInfo(QWidget *parent, const QString &title, const QString &text) override;
    void showError(QWidget *parent, const QString &title, const QString &text) override;
    SaveAnswer askSaveChanges(QWidget *parent, const QString &title, const QString &question) override;
    bool askYesNo(QWidget *parent, const QString &title, const QString &question, bool noIsDefault,
                  const QStringList &wholeLines) override;
    QString chooseOpenFile(QWidget *parent, const QString &filter, const QString &defaultSuffix,
                           const QString &startDir) override;
    QString chooseSaveFile(QWidget *parent, const QString &filter, const QString &defaultSuffix,
                           const QString &startDir) override;
    bool runNewSheetDialog(NewSheetDialog *dialog, int &width, int &height) override;
    void runDialog(QDialog *dialog) override;
    void popupMenu(QMenu *menu, const QPoint &screenPos, const QRect &keepClear) override;
    void printPreview(QWidget *parent, bool landscape,
                      const std::function<void(QPrinter &, PrintScale)> &paint) override;
};

// "Name (*.a)|*.a|Other (*.b;*.c)|*.b;*.c" to Qt's "Name (*.a);;Other (*.b *.c)".
QString qtFileFilter(const QString &filter);
