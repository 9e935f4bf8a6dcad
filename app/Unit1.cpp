#include "app/Unit1.h"

#include "app/ColorBox.h"
#include "app/MenuButtonPress.h"
#include "app/NewSheetDialog.h"
#include "app/Panels.h"
#include "app/ProgramTitle.h"
#include "toolkit/CaptionFont.h"
#include "toolkit/Errors.h"
#include "view/SheetView.h"

#include <QAction>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QToolButton>

#include <new>

TForm1::TForm1(QWidget *parent) : QWidget(parent), m_editor(*this), m_documents(m_editor)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Gravelink"));
    // Tahoma (the face shipped with Wine when installed), 11 pixels, for every control.
    QFont tahoma(captionFamily());
    tahoma.setPixelSize(11);
    setFont(tahoma);
    setMinimumSize(700, 540);
    resize(700, 540);

    Panel1 = new Panel(this);
    buildToolbar();
    buildDrawingArea();
    buildActions();
    buildMenu();
    layoutPanels();

    // Toolbar clicks.
    connect(sbMenu, &QToolButton::clicked, this, [this] { guard([this] { sbMenuClick(); }); });
    const std::pair<QToolButton *, Ctl> tools[] = {
        {sbCursor, Ctl::sbCursor}, {sbH, Ctl::sbH}, {sbP, Ctl::sbP}, {sbE, Ctl::sbE}};
    for (const auto &[button, id] : tools)
        connect(button, &QToolButton::clicked, this,
                [this, id] { guard([this, id] { m_editor.SelectedTool(id); }); });
    connect(ColorBox1, &ColorBox::userChanged, this,
            [this] { guard([this] { m_editor.ColorBox1Change(); }); });
    connect(sbArrowChange, &QToolButton::clicked, this,
            [this] { guard([this] { m_editor.sbArrowChangeClick(); }); });
    connect(deleteElem1, &QToolButton::clicked, this,
            [this] { guard([this] { m_editor.deleteElem1Click(); }); });
    const std::pair<QToolButton *, Ctl> sizeButtons[] = {{sbCanvaTop, Ctl::sbCanvaTop},
                                                         {sbCanvaBottom, Ctl::sbCanvaBottom},
                                                         {sbCanvaLeft, Ctl::sbCanvaLeft},
                                                         {sbCanvaRight, Ctl::sbCanvaRight}};
    for (const auto &[button, id] : sizeButtons)
        connect(button, &QToolButton::clicked, this,
                [this, id] { guard([this, id] { m_editor.sbCanvaTopClick(id); }); });

    // The overlay's mouse events; each Qt event is one unit behind the failure boundary.
    PaintBox1->boundary = [this](const std::function<void()> &handling) { guard(handling); };
    PaintBox1->onDblClick = [this] { m_editor.PaintBox1DblClick(); };
    PaintBox1->onMouseDown = [this](MouseButton b, ShiftState s, int x, int y) {
        m_editor.PaintBox1MouseDown(b, s, x, y);
    };
    PaintBox1->onMouseMove = [this](ShiftState s, int x, int y) { m_editor.PaintBox1MouseMove(s, x, y); };
    PaintBox1->onMouseUp = [this](MouseButton b, ShiftState s, int x, int y) {
        m_editor.PaintBox1MouseUp(b, s, x, y);
    };

    // Centred on the screen.
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }

    FormCreate();
    m_created = true;
}

TForm1::~TForm1()
{
    // The controls go first, while the editor they show and call into still exists.
    PaintBox1->setImage(nullptr);
    delete Panel1;
    Panel1 = nullptr;
}

void TForm1::setModalProvider(ModalProvider *provider)
{
    m_modal = provider ? provider : &m_toolkitModal;
}

bool TForm1::guard(const std::function<void()> &handling)
{
    try {
        handling();
        return true;
    } catch (const SilentAbort &) {
    } catch (const AppError &e) {
        showError(e.message());
    } catch (const std::bad_alloc &) {
        showError(QStringLiteral("There is not enough memory to complete the command."));
    } catch (const std::exception &e) {
        // Not a failure the program words itself: say so, keeping the detail for a report.
        showError(QStringLiteral("The command could not be completed because of an internal error (%1).")
                      .arg(QString::fromLocal8Bit(e.what())));
    } catch (...) {
        showError(QStringLiteral("The command could not be completed because of an internal error."));
    }
    return false;
}

void TForm1::FormCreate()
{
    Quit->setShortcut(QKeySequence(Qt::Key_Escape));
    m_editor.AppTitle = programTitle();
    m_editor.sheet.CreateBitmap(842, 595);
    sheetGeometryChanged();
    navigateView(true, true);
    m_editor.PanStepX = m_editor.PanStepY = m_editor.PanAnchorX = m_editor.PanAnchorY = 0;
    ActMoveLeft->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Left));
    ActMoveTop->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Up));
    ActMoveRight->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Right));
    ActMoveBottom->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Down));
    ActMoveSheetLeft->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_Left));
    ActMoveSheetTop->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_Up));
    ActMoveSheetRight->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_Right));
    ActMoveSheetDown->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_Down));
    // The overlay shows the new sheet from the start.
    m_editor.refreshOverlay();
}

void TForm1::createNewFileDlg()
{
    if (!NewFileDlg)
        NewFileDlg = createNewSheetDialog(this, [this] { return drawingAreaClientSize(); });
}

void TForm1::FormShow(const QStringList &arguments)
{
    guard([&] { m_documents.FormShow(arguments); });
}

void TForm1::FormResize()
{
    navigateView(true, false);
}

QPoint TForm1::menuPopupPoint() const
{
    return mapToGlobal(QPoint(Panel3->x(), Panel3->y() + sbMenu->height() + 5));
}

void TForm1::sbMenuClick()
{
    if (!m_editor.MenuPopped) {
        MenuButtonPress closing(Menu1, sbMenu);
        modal().popupMenu(Menu1, menuPopupPoint());
        // A press on this button that closed the menu never arrives as a click: the next
        // click opens the menu again.
        m_editor.MenuPopped = !closing.closedTheMenu();
    } else {
        m_editor.MenuPopped = false;
    }
}

void TForm1::Panel3MouseMove()
{
    m_editor.MenuPopped = false;
}

QString TForm1::aboutText(const QString &appTitle)
{
    const QStringList lines{
        appTitle + QStringLiteral(" - version 1.1"),
        QString(),
        QStringLiteral("Program for schematic notes."),
        QString(),
        QString(),
        QStringLiteral("Rectangle - Right click"),
        QStringLiteral("Point - Middle mouse button"),
        QStringLiteral("Line - Double click on a object"),
        QString(),
        QStringLiteral("Move a object - [Ctrl]+ keypress[left,top,right,down]"),
        QStringLiteral("Move a sheet - [Shift]+ keypress[left,top,right,down]"),
        QStringLiteral("Multi select - [Shift]+ left click"),
        QStringLiteral("Multi move - pressed[Shift] + drag&drop with left mouse button"),
    };
    return lines.join(QStringLiteral("\r\n"));
}

void TForm1::Action_aboutExecute()
{
    showInfo(aboutText(m_editor.AppTitle));
    m_editor.MenuPopped = false;
}

void TForm1::QuitExecute()
{
    close();
}

void TForm1::closeEvent(QCloseEvent *event)
{
    bool canClose = true;
    if (!guard([&] { m_documents.FormCloseQuery(canClose); }))
        canClose = false;
    event->setAccepted(canClose);
}

void TForm1::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (!Panel1)
        return;
    layoutPanels();
    if (m_created)
        guard([this] { FormResize(); });
}
