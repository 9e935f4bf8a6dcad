#include "app/MainWindow.h"

#include "app/ColorBox.h"
#include "app/FindBar.h"
#include "app/MenuButtonPress.h"
#include "app/Panels.h"
#include "app/ProgramTitle.h"
#include "app/ShortcutsDialog.h"
#include "dialogs/NewSheetDialog.h"
#include "editor/Autosaver.h"
#include "toolkit/CaptionFont.h"
#include "toolkit/Errors.h"
#include "view/SheetView.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QSettings>
#include <QTimer>
#include <QToolButton>

#include <new>

MainWindow::MainWindow(QWidget *parent) : QWidget(parent), m_editor(*this), m_documents(m_editor)
{
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(QStringLiteral("Gravelink"));
    // The caption font (Tahoma when installed) for every control.
    setFont(controlFont());
    setMinimumSize(700, 540);
    resize(700, 540);

    m_ui.mainPanel = new Panel(this);
    buildToolbar();
    buildDrawingArea();
    buildActions();
    buildMenu();
    layoutPanels();
    describeControls();

    // Toolbar clicks.
    connect(m_ui.menuButton, &QToolButton::clicked, this, [this] { guard([this] { menuButtonClick(); }); });
    const std::pair<QToolButton *, Tool> tools[] = {{m_ui.cursorTool, Tool::Cursor},
                                                    {m_ui.rectangleTool, Tool::Rectangle},
                                                    {m_ui.pointTool, Tool::Point},
                                                    {m_ui.lineTool, Tool::Line}};
    for (const auto &[button, id] : tools)
        connect(button, &QToolButton::clicked, this, [this, button, id] {
            // The button clicked is down, also when it was down already; the others are up.
            for (QToolButton *b : m_ui.tools())
                b->setChecked(b == button);
            guard([this, id] { m_editor.selectTool(id); });
        });
    connect(m_ui.colorBox, &ColorBox::userChanged, this,
            [this] { guard([this] { m_editor.colorChosen(); }); });
    const std::pair<QToolButton *, SheetEdge> sizeButtons[] = {{m_ui.heightMinus, SheetEdge::HeightMinus},
                                                               {m_ui.heightPlus, SheetEdge::HeightPlus},
                                                               {m_ui.widthMinus, SheetEdge::WidthMinus},
                                                               {m_ui.widthPlus, SheetEdge::WidthPlus}};
    for (const auto &[button, id] : sizeButtons)
        connect(button, &QToolButton::clicked, this,
                [this, id] { guard([this, id] { m_editor.stepSheetSize(id); }); });

    // The overlay's mouse events; each Qt event is one unit behind the failure boundary.
    m_ui.sheetView->boundary = [this](const std::function<void()> &handling) { guard(handling); };
    m_ui.sheetView->onDblClick = [this] { m_editor.sheetDoubleClick(); };
    m_ui.sheetView->onMouseDown = [this](MouseButton b, ShiftState s, int x, int y) {
        m_editor.sheetPress(b, s, x, y);
    };
    m_ui.sheetView->onMouseMove = [this](ShiftState s, int x, int y) { m_editor.sheetMove(s, x, y); };
    m_ui.sheetView->onMouseUp = [this](MouseButton b, ShiftState s, int x, int y) {
        m_editor.sheetRelease(b, s, x, y);
    };
    // The view reads its scale from the editor's view transform; the wheel over the sheet and
    // over the drawing area around it goes there too.
    m_ui.sheetView->setScaleSource([this] { return m_editor.viewport().scale(); },
                                   &m_editor.reducedOverlay());
    const auto wheel = [this](QPoint delta, Qt::KeyboardModifiers keys, QPoint areaPos) {
        m_editor.wheel(delta, SheetView::shiftState(keys, {}), areaPos.x(), areaPos.y());
    };
    m_ui.sheetView->onWheel = [this, wheel](QPoint delta, Qt::KeyboardModifiers keys, QPoint at) {
        wheel(delta, keys, m_ui.sheetView->mapTo(m_ui.drawingArea, at));
    };
    m_ui.drawingArea->onWheel = [this, wheel](QPoint delta, Qt::KeyboardModifiers keys, QPoint at) {
        guard([&] { wheel(delta, keys, at); });
    };

    // Centred on the screen.
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }

    FormCreate();
    m_created = true;
}

MainWindow::~MainWindow()
{
    // The controls go first, while the editor they show and call into still exists.
    m_ui.sheetView->setImage(nullptr);
    delete m_ui.mainPanel;
    m_ui.mainPanel = nullptr;
}

void MainWindow::setModalProvider(ModalProvider *provider)
{
    m_modal = provider ? provider : &m_toolkitModal;
}

bool MainWindow::guard(const std::function<void()> &handling)
{
    // The outermost handling ends the command: what it changed becomes one undo step, also
    // when it failed part-way.
    struct Depth {
        MainWindow &w;
        explicit Depth(MainWindow &window) : w(window) { ++w.m_guardDepth; }
        ~Depth()
        {
            if (--w.m_guardDepth == 0)
                w.endCommand();
        }
    } depth(*this);
    try {
        handling();
        return true;
    } catch (const SilentAbort &) {
    } catch (const AppError &e) {
        showError(e.message());
    } catch (const std::bad_alloc &) {
        showError(tr("There is not enough memory to complete the command."));
    } catch (const std::exception &e) {
        // Not a failure the program words itself: say so, keeping the detail for a report.
        showError(tr("The command could not be completed because of an internal error (%1).")
                      .arg(QString::fromLocal8Bit(e.what())));
    } catch (...) {
        showError(tr("The command could not be completed because of an internal error."));
    }
    return false;
}

void MainWindow::endCommand()
{
    // Changes recorded outside a command's own step become one.
    try {
        m_editor.doc().closeStep();
    } catch (const std::bad_alloc &) {
        m_editor.doc().startHistory();
        m_editor.doc().markModified();
    }
    updateUndoActions();
    if (m_autosaver)
        m_autosaver->sync();
}

void MainWindow::startAutosave(const QString &folder)
{
    m_autosaver = std::make_unique<Autosaver>(m_editor.doc(), folder);
    m_autosaver->setFailureHandler([this](const QString &reason) {
        QString why = reason;
        if (why.endsWith(QLatin1Char('.')))
            why.chop(1);
        guard([&] {
            showError(tr("Unsaved changes cannot be backed up: %1. Save your work to keep it.").arg(why));
        });
    });
}

void MainWindow::useSettings(QSettings *settings)
{
    m_settings = settings;
    m_documents.recentFiles().useSettings(settings);
    setSnapToGrid(settings && settings->value(QStringLiteral("snapToGrid"), false).toBool());
}

void MainWindow::setSnapToGrid(bool on)
{
    m_editor.setSnapToGrid(on);
    setChecked(Ctl::SnapAction, on);
    if (m_settings) {
        m_settings->setValue(QStringLiteral("snapToGrid"), on);
        m_settings->sync();
    }
}

void MainWindow::findStep(bool forward)
{
    if (m_editor.finder().count() == 0) {
        m_ui.findBar->open();
        return;
    }
    m_editor.findNext(forward);
    m_ui.findBar->showCount(m_editor.finder().current(), m_editor.finder().count());
}

void MainWindow::updateUndoActions()
{
    const History &history = m_editor.doc().undoStack();
    const QString undoText = history.undoText();
    const QString redoText = history.redoText();
    QAction *undo = m_commands->action(Command::Undo);
    QAction *redo = m_commands->action(Command::Redo);
    undo->setText(undoText.isEmpty() ? tr("Undo") : tr("Undo %1").arg(undoText));
    redo->setText(redoText.isEmpty() ? tr("Redo") : tr("Redo %1").arg(redoText));
    undo->setEnabled(m_editor.canUndo());
    redo->setEnabled(m_editor.canRedo());
}

void MainWindow::FormCreate()
{
    m_appTitle = programTitle();
    m_editor.doc().createSheet(842, 595);
    sheetGeometryChanged();
    navigateView(true, true);
    // The overlay shows the new sheet from the start.
    m_editor.refreshOverlay();
}

void MainWindow::createNewSheetDialog()
{
    if (!m_newSheetDialog) {
        m_newSheetDialog = new NewSheetDialog(this, [this] { return drawingAreaClientSize(); });
        m_newSheetDialog->hide();
    }
}

void MainWindow::FormShow(const QStringList &arguments)
{
    guard([&] { m_documents.FormShow(arguments); });
}

void MainWindow::FormResize()
{
    navigateView(true, false);
}

QPoint MainWindow::menuPopupPoint() const
{
    return mapToGlobal(QPoint(m_ui.toolbar->x(), m_ui.toolbar->y() + m_ui.menuButton->height() + 5));
}

void MainWindow::menuButtonClick()
{
    if (m_menuPopped) {
        m_menuPopped = false;
        return;
    }
    MenuButtonPress closing(m_ui.popupMenu, m_ui.menuButton);
    // Latched while the menu is open: where the pop-up call returns at once, the click on this
    // button that closes the menu leaves it closed. The menu's closing clears the latch.
    m_menuPopped = true;
    const QRect button(m_ui.menuButton->mapToGlobal(QPoint(0, 0)), m_ui.menuButton->size());
    modal().popupMenu(m_ui.popupMenu, menuPopupPoint(), button);
}

void MainWindow::toolbarHover()
{
    m_menuPopped = false;
}

QString MainWindow::aboutText(const QString &appTitle)
{
    const QStringList lines{
        tr("%1 - version 1.1").arg(appTitle),
        QString(),
        tr("Program for schematic notes."),
        QString(),
        QString(),
        tr("Rectangle - Right click"),
        tr("Point - Middle mouse button"),
        tr("Line - Double click on a object"),
        QString(),
        tr("Move a object - [Ctrl]+ keypress[left,top,right,down]"),
        tr("Move a sheet - [Shift]+ keypress[left,top,right,down]"),
        tr("Multi select - [Shift]+ left click"),
        tr("Multi move - pressed[Shift] + drag&drop with left mouse button"),
    };
    return lines.join(QStringLiteral("\r\n"));
}

void MainWindow::showAbout()
{
    showInfo(aboutText(m_appTitle));
}

void MainWindow::showShortcuts()
{
    ShortcutsDialog dialog(this);
    modal().runDialog(&dialog);
}

void MainWindow::quit()
{
    close();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    bool canClose = true;
    if (!guard([&] { m_documents.closeQuery(canClose); }))
        canClose = false;
    event->setAccepted(canClose);
    if (canClose && m_autosaver)
        m_autosaver->closeNormally();
}

void MainWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // Once back in the window, after the event: another program may have changed the file.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_created)
        QTimer::singleShot(0, this, [this] {
            if (isActiveWindow() && !QApplication::activeModalWidget() && !QApplication::activePopupWidget())
                guard([this] { m_documents.checkFileOnDisk(); });
        });
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (!m_ui.mainPanel)
        return;
    layoutPanels();
    if (m_created)
        guard([this] { FormResize(); });
}
