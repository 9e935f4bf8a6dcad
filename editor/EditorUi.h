#pragma once

#include "editor/Command.h"

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>

#include <functional>
#include <optional>

// The controls of the main window that the editing logic reads and drives.
enum class Ctl {
    // tool buttons and toolbar
    CursorTool,
    RectangleTool,
    PointTool,
    LineTool,
    ColorList,
    CaptionEdit,
    XEdit,
    YEdit,
    CaptionLabel,
    XLabel,
    YLabel,
    ReverseLineButton,
    DeleteButton,
    // sheet-size buttons and their panels, the navigator
    HeightMinus,
    HeightPlus,
    WidthMinus,
    WidthPlus,
    HeightButtons,
    WidthButtons,
    Navigator,
    // groups of commands switched on and off together
    AlignActions,      // the six alignments (two or more elements)
    DistributeActions, // the two distributions (three or more)
    // Each command's action (actionCtl) and its menu item (itemCtl). The item follows the
    // action's enabled state and can be switched on its own in between.
    FirstAction,
    FirstItem = FirstAction + kCommandCount,
    // the ones the editing logic names
    DeleteAction = FirstAction + int(Command::Delete),
    ReverseLineAction = FirstAction + int(Command::ReverseLine),
    ReverseLineItem = FirstItem + int(Command::ReverseLine),
    SelectAllAction = FirstAction + int(Command::SelectAll),
    LockAction = FirstAction + int(Command::Lock),
    NavigatorAction = FirstAction + int(Command::Navigator),
    CopyAction = FirstAction + int(Command::Copy),
    CutAction = FirstAction + int(Command::Cut),
    PasteAction = FirstAction + int(Command::Paste),
    DuplicateAction = FirstAction + int(Command::Duplicate),
    SnapAction = FirstAction + int(Command::Snap), // checked while Snap to Grid is on
};

constexpr Ctl actionCtl(Command command)
{
    return Ctl(int(Ctl::FirstAction) + int(command));
}

constexpr Ctl itemCtl(Command command)
{
    return Ctl(int(Ctl::FirstItem) + int(command));
}

enum class SaveAnswer { Yes, No, Cancel };

// What the editing logic needs of the window. MainWindow implements it with widgets; tests may
// implement it with plain fields.
class EditorUi {
public:
    virtual ~EditorUi() = default;

    virtual void setEnabled(Ctl control, bool enabled) = 0;
    virtual bool isEnabled(Ctl control) const = 0;
    virtual void setVisible(Ctl control, bool visible) = 0;
    virtual bool isVisible(Ctl control) const = 0;
    virtual void setChecked(Ctl action, bool checked) = 0;
    virtual bool isChecked(Ctl action) const = 0;

    // The caption, X and Y edits.
    virtual QString text(Ctl edit) const = 0;
    virtual void setText(Ctl edit, const QString &text) = 0;
    virtual bool hasFocus(Ctl control) const = 0;
    // Gives the caption edit the keyboard focus with all its text selected.
    virtual void focusCaptionSelectAll() = 0;

    // The colour list's selected item; setting it from the program never runs the change handler.
    virtual int colorIndex() const = 0;
    virtual void setColorIndex(int index) = 0;

    // Puts one of the four tool buttons down (the others of the group go up).
    virtual void setToolDown(Ctl button) = 0;

    // The overlay image changed: show it (repaint at once where the platform allows).
    virtual void overlayChanged() = 0;
    // The sheet moved or changed size: place the overlay widget at the sheet position.
    virtual void sheetGeometryChanged() = 0;
    // Client size of the drawing area.
    virtual QSize drawingAreaClientSize() const = 0;
    // Sizes the navigator and places the visible-part mark and the corner panels.
    virtual void navigateView(bool resizeNavigator, bool placeVisiblePart) = 0;

    // Window caption and application title, always together.
    virtual void setWindowCaption(const QString &caption) = 0;
    // The title set at start: the caption without a file, and the end of one with a file.
    virtual QString applicationTitle() const = 0;

    // Modal boxes and dialogs.
    virtual void showInfo(const QString &text) = 0;
    virtual void showError(const QString &text) = 0;
    virtual SaveAnswer askSaveChanges(const QString &question) = 0;
    // Yes or No (also Esc); Enter answers Yes unless `noIsDefault`.
    virtual bool askYesNo(const QString &question, bool noIsDefault) = 0;
    // Returns the chosen path, or an empty text when cancelled.
    virtual QString chooseOpenFile(const QString &filter, const QString &defaultSuffix,
                                   const QString &startDir) = 0;
    virtual QString chooseSaveFile(const QString &filter, const QString &defaultSuffix,
                                   const QString &startDir) = 0;
    // Shows the new-sheet dialog; true with the chosen size unless cancelled.
    virtual bool runNewSheetDialog(int &width, int &height) = 0;
    virtual void copyImageToClipboard(const QImage &image) = 0;
    // Puts a part of a scheme on the clipboard: its file's bytes, the same as text, and a
    // picture that is made only when another program asks for it.
    virtual void setClipboardScheme(const QByteArray &scheme, const QString &text,
                                    std::function<QImage()> picture) = 0;
    // The text of a scheme on the clipboard (this program's own, or plain text), or empty.
    virtual QString clipboardSchemeText() const = 0;
    // The pointer's place in the drawing area while it is over it.
    virtual std::optional<QPoint> pointerInDrawingArea() const = 0;
    // Asks the window to close (through its close query).
    virtual void closeWindow() = 0;
};
