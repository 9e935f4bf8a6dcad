#pragma once

#include "app/CommandActions.h"
#include "app/MainWindowControls.h"
#include "app/ModalProvider.h"
#include "editor/DocumentCommands.h"
#include "editor/Editor.h"
#include "editor/EditorUi.h"

#include <QWidget>

#include <functional>
#include <memory>

class Autosaver;

class ColorBox;
class NewSheetDialog;
class Panel;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QKeyEvent;
class QSettings;
class QToolButton;
class SheetView;

// The main window: owns the controls, the actions and the popup menu, implements what the
// editing logic needs of the window, and routes every event to its handler through one
// failure boundary (guard).
class MainWindow : public QWidget, public EditorUi {
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    Editor &editor() { return m_editor; }
    DocumentCommands &documents() { return m_documents; }
    // Keeps recovery copies of the unsaved scheme in `folder` from now on.
    void startAutosave(const QString &folder);
    Autosaver *autosaver() const { return m_autosaver.get(); }
    // Keeps the recent files in `settings` (not owned; outlives the window).
    void useSettings(QSettings *settings);

    // The provider of every modal box, dialog and the popup menu (not owned; null restores
    // the toolkit's own).
    void setModalProvider(ModalProvider *provider);
    ModalProvider &modal() const { return *m_modal; }

    // The new-sheet dialog (a child of the window), shown by runNewSheetDialog; made by
    // createNewSheetDialog after the window, hidden until New.
    NewSheetDialog *newSheetDialog() const { return m_newSheetDialog; }
    void createNewSheetDialog();

    // Runs the handling of one event. An AppError (or other exception) is shown in the error
    // box and ends the handling; a SilentAbort ends it without a message. False when the
    // handling did not finish.
    bool guard(const std::function<void()> &handling);

    // Window events and the handlers of the controls.
    void FormCreate();
    void FormShow(const QStringList &arguments);
    void FormResize();
    void menuButtonClick();
    void toolbarHover();
    void showAbout();
    // Help's list of keys and mouse gestures.
    void showShortcuts();
    void quit();
    // Find Next or Previous, and the bar's count.
    void findStep(bool forward);
    void setSnapToGrid(bool on);
    static QString aboutText(const QString &appTitle);
    // The screen point at which the Menu button pops the menu up.
    QPoint menuPopupPoint() const;

    // --- EditorUi ---
    using QWidget::hasFocus;
    using QWidget::isEnabled;
    using QWidget::isVisible;
    using QWidget::setEnabled;
    using QWidget::setVisible;
    void setEnabled(Ctl control, bool enabled) override;
    bool isEnabled(Ctl control) const override;
    void setVisible(Ctl control, bool visible) override;
    bool isVisible(Ctl control) const override;
    void setChecked(Ctl action, bool checked) override;
    bool isChecked(Ctl action) const override;
    QString text(Ctl edit) const override;
    void setText(Ctl edit, const QString &text) override;
    bool hasFocus(Ctl control) const override;
    void focusCaptionSelectAll() override;
    int colorIndex() const override;
    void setColorIndex(int index) override;
    void setToolDown(Ctl button) override;
    void overlayChanged() override;
    void sheetGeometryChanged() override;
    QSize drawingAreaClientSize() const override;
    void navigateView(bool resizeNavigator, bool placeVisiblePart) override;
    void setWindowCaption(const QString &caption) override;
    QString applicationTitle() const override { return m_appTitle; }
    void showInfo(const QString &text) override;
    void showError(const QString &text) override;
    SaveAnswer askSaveChanges(const QString &question) override;
    bool askYesNo(const QString &question, bool noIsDefault) override;
    QString chooseOpenFile(const QString &filter, const QString &defaultSuffix,
                           const QString &startDir) override;
    QString chooseSaveFile(const QString &filter, const QString &defaultSuffix,
                           const QString &startDir) override;
    bool runNewSheetDialog(int &width, int &height) override;
    void copyImageToClipboard(const QImage &image) override;
    void setClipboardScheme(const QByteArray &scheme, const QString &text,
                            std::function<QImage()> picture) override;
    QString clipboardSchemeText() const override;
    std::optional<QPoint> pointerInDrawingArea() const override;
    void closeWindow() override;

    // The controls, reached by tests and the start-up code.
    const MainWindowControls &controls() const { return m_ui; }
    // The commands' actions and menu items.
    const CommandActions &commands() const { return *m_commands; }

    // The Menu button's latch (see m_menuPopped).
    bool menuLatched() const { return m_menuPopped; }
    void setMenuLatched(bool latched) { m_menuPopped = latched; }

    // Ends a command at the event boundary and shows what Undo and Redo would do.
    void endCommand();
    void updateUndoActions();

    // The action whose shortcut is `keys` and that is enabled, or null.
    QAction *enabledActionFor(const QKeySequence &keys) const;

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildToolbar();
    void buildDrawingArea();
    void buildActions();
    void buildMenu();
    void layoutToolbar();
    void layoutPanels();
    // Accessible names and descriptions, the Tab order; the sheet's description of the selection.
    void describeControls();
    void describeSelection();
    // Runs a command of the table behind the failure boundary, with its effect on the latch.
    void runCommand(const CommandRow &row);
    // The toolbar button of a command.
    QToolButton *commandButton(Command id);
    bool routeKeyPress(QLineEdit *edit, QKeyEvent *event);
    // The caption or coordinate edit `watched` when `keys` are Undo or Redo and it holds typing
    // not yet applied (they then act on that typing), else null.
    QLineEdit *typingEdit(QObject *watched, const QKeySequence &keys) const;
    // Whether Copy, Cut or Paste's keys act on the focused caption or coordinate edit: copying
    // and cutting when it has selected text, pasting when the clipboard holds no scheme.
    bool fieldTakesClipboardKey(QObject *watched, const QKeySequence &keys) const;
    // Whether a key press is Copy's or Cut's or a modifier alone (which leave the caption's
    // selection as it was made).
    bool copyOrCut(const QKeyEvent *key, QEvent::Type type) const;
    void fillRecentMenu();
    // The scale label: its text, place and visibility.
    void showScale();
    QWidget *widgetOf(Ctl control) const;

    MainWindowControls m_ui;
    NewSheetDialog *m_newSheetDialog = nullptr;
    Editor m_editor;
    DocumentCommands m_documents;
    std::unique_ptr<Autosaver> m_autosaver;
    QtModalProvider m_toolkitModal;
    ModalProvider *m_modal = &m_toolkitModal;
    std::unique_ptr<CommandActions> m_commands;
    bool m_created = false;
    int m_guardDepth = 0;
    // The title set at start, which every caption ends with.
    QString m_appTitle;
    // The Menu button's latch: set while the menu it popped up is open; while set, its next click
    // only clears it instead of opening the menu.
    bool m_menuPopped = false;
    QSettings *m_settings = nullptr;
    bool m_captionSelectedByProgram = false; // selected by a click on an element, not by the user
};
