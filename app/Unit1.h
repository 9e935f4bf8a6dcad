#pragma once

#include "app/DocumentCommands.h"
#include "app/ModalProvider.h"
#include "editor/Editor.h"
#include "editor/EditorUi.h"

#include <QMap>
#include <QWidget>

#include <functional>

class ColorBox;
class Panel;
class QAction;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QMenu;
class QToolButton;
class SheetView;

// The main window: owns the controls, the actions and the popup menu, implements what the
// editing logic needs of the window, and routes every event to its handler through one
// failure boundary (guard).
class TForm1 : public QWidget, public EditorUi {
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    Editor &editor() { return m_editor; }
    DocumentCommands &documents() { return m_documents; }

    // The provider of every modal box, dialog and the popup menu (not owned; null restores
    // the toolkit's own).
    void setModalProvider(ModalProvider *provider);
    ModalProvider &modal() const { return *m_modal; }

    // The new-sheet dialog (a child of the window), shown by runNewSheetDialog; made by
    // createNewFileDlg after the window, hidden until New.
    QWidget *NewFileDlg = nullptr;
    void createNewFileDlg();

    // Runs the handling of one event. An AppError (or other exception) is shown in the error
    // box and ends the handling; a SilentAbort ends it without a message. False when the
    // handling did not finish.
    bool guard(const std::function<void()> &handling);

    // Window events and the handlers of this unit.
    void FormCreate();
    void FormShow(const QStringList &arguments);
    void FormResize();
    void sbMenuClick();
    void Panel3MouseMove();
    void Action_aboutExecute();
    void QuitExecute();
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
    void showInfo(const QString &text) override;
    void showError(const QString &text) override;
    SaveAnswer askSaveChanges(const QString &question) override;
    QString chooseOpenFile(const QString &filter, const QString &defaultSuffix,
                           const QString &startDir) override;
    QString chooseSaveFile(const QString &filter, const QString &defaultSuffix,
                           const QString &startDir) override;
    bool runNewSheetDialog(int &width, int &height) override;
    void copyImageToClipboard(const QImage &image) override;
    void closeWindow() override;

    // --- Controls ---
    Panel *Panel1 = nullptr;
    Panel *Panel3 = nullptr; // toolbar row
    Panel *Panel4 = nullptr;
    Panel *Panel2 = nullptr; // drawing area
    QToolButton *sbMenu = nullptr;
    QToolButton *sbCursor = nullptr;
    QToolButton *sbH = nullptr;
    QToolButton *sbP = nullptr;
    QToolButton *sbE = nullptr;
    QButtonGroup *toolGroup = nullptr;
    ColorBox *ColorBox1 = nullptr;
    QLabel *lbText = nullptr;
    QLineEdit *edCaption = nullptr;
    QLabel *lbXc = nullptr;
    QLineEdit *edXc = nullptr;
    QLabel *lbYc = nullptr;
    QLineEdit *edYc = nullptr;
    QToolButton *sbArrowChange = nullptr;
    QToolButton *deleteElem1 = nullptr;
    SheetView *PaintBox1 = nullptr;
    Panel *Panel_btn_vert = nullptr;
    QToolButton *sbCanvaTop = nullptr;
    QToolButton *sbCanvaBottom = nullptr;
    Panel *Panel_btn_horiz = nullptr;
    QToolButton *sbCanvaLeft = nullptr;
    QToolButton *sbCanvaRight = nullptr;
    Panel *PanelView = nullptr;
    Panel *PanelSheet = nullptr;
    QWidget *Shape1 = nullptr;
    QWidget *shVisible = nullptr;

    // --- Actions (ActionManager1) ---
    QAction *Action_new = nullptr;
    QAction *Action_open = nullptr;
    QAction *Action_save = nullptr;
    QAction *Action_delete = nullptr;
    QAction *Action_ChangeLine = nullptr;
    QAction *Action_about = nullptr;
    QAction *Quit = nullptr;
    QAction *Action_Lock = nullptr;
    QAction *ActMoveLeft = nullptr;
    QAction *ActMoveTop = nullptr;
    QAction *ActMoveRight = nullptr;
    QAction *ActMoveBottom = nullptr;
    QAction *ActMoveSheetDown = nullptr;
    QAction *ActMoveSheetTop = nullptr;
    QAction *ActMoveSheetLeft = nullptr;
    QAction *ActMoveSheetRight = nullptr;
    QAction *Action_saveAs = nullptr;
    QAction *Action_copy = nullptr;
    QAction *Action_save_bitmap = nullptr;
    QAction *Action_view_navigator = nullptr;
    QAction *ActionSelectAll = nullptr;

    // --- Popup menu Menu1 and its items ---
    QMenu *Menu1 = nullptr;
    QAction *New1 = nullptr;
    QAction *Open1 = nullptr;
    QAction *Save2 = nullptr;
    QAction *Saveas2 = nullptr;
    QAction *CopyImage1 = nullptr;
    QAction *SaveasBitmap1 = nullptr;
    QAction *N1 = nullptr;
    QAction *Delete1 = nullptr;
    QAction *ChangeLine1 = nullptr;
    QAction *SelectAll1 = nullptr;
    QAction *N2 = nullptr;
    QAction *Viewnavigator1 = nullptr;
    QAction *Lock1 = nullptr;
    QAction *About1 = nullptr;
    QAction *Close2 = nullptr;

    // The action whose shortcut is `keys` and that is enabled, or null.
    QAction *enabledActionFor(const QKeySequence &keys) const;

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildToolbar();
    void buildDrawingArea();
    void buildActions();
    void buildMenu();
    void layoutToolbar();
    void layoutPanels();
    QAction *makeAction(const char *name, const QString &caption, const std::function<void()> &handler);
    QAction *makeItem(const char *name, QAction *action, const QString &ownCaption = QString());
    void syncItem(QAction *item);
    bool routeKeyPress(QLineEdit *edit, QKeyEvent *event);
    QWidget *widgetOf(Ctl control) const;
    QAction *actionOf(Ctl control) const;

    Editor m_editor;
    DocumentCommands m_documents;
    QtModalProvider m_toolkitModal;
    ModalProvider *m_modal = &m_toolkitModal;
    // Checked states of the actions (Qt ties checking to automatic toggling).
    QMap<QAction *, bool> m_checked;
    // Menu items: their action and the action's enabled state they last followed.
    QMap<QAction *, QAction *> m_itemAction;
    QMap<QAction *, bool> m_itemFollowedEnabled;
    bool m_created = false;
};
