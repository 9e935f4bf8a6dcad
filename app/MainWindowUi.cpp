// What the editing logic reads and drives of the window (EditorUi).
#include "app/ColorBox.h"
#include "app/MainWindow.h"
#include "app/ModalProvider.h"
#include "app/Panels.h"
#include "app/ProgramTitle.h"
#include "app/SchemeMimeData.h"
#include "editor/NavigatorLayout.h"
#include "view/SheetView.h"

#include <QClipboard>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QToolButton>

QWidget *MainWindow::widgetOf(Ctl control) const
{
    switch (control) {
    case Ctl::CursorTool:
        return m_ui.cursorTool;
    case Ctl::RectangleTool:
        return m_ui.rectangleTool;
    case Ctl::PointTool:
        return m_ui.pointTool;
    case Ctl::LineTool:
        return m_ui.lineTool;
    case Ctl::ColorList:
        return m_ui.colorBox;
    case Ctl::CaptionEdit:
        return m_ui.captionEdit;
    case Ctl::XEdit:
        return m_ui.xEdit;
    case Ctl::YEdit:
        return m_ui.yEdit;
    case Ctl::CaptionLabel:
        return m_ui.captionLabel;
    case Ctl::XLabel:
        return m_ui.xLabel;
    case Ctl::YLabel:
        return m_ui.yLabel;
    case Ctl::ReverseLineButton:
        return m_ui.reverseLineButton;
    case Ctl::DeleteButton:
        return m_ui.deleteButton;
    case Ctl::HeightMinus:
        return m_ui.heightMinus;
    case Ctl::HeightPlus:
        return m_ui.heightPlus;
    case Ctl::WidthMinus:
        return m_ui.widthMinus;
    case Ctl::WidthPlus:
        return m_ui.widthPlus;
    case Ctl::HeightButtons:
        return m_ui.heightButtons;
    case Ctl::WidthButtons:
        return m_ui.widthButtons;
    case Ctl::Navigator:
        return m_ui.navigator;
    default:
        return nullptr;
    }
}

void MainWindow::setEnabled(Ctl control, bool enabled)
{
    if (QWidget *w = widgetOf(control))
        w->setEnabled(enabled);
    else
        m_commands->setEnabled(control, enabled);
}

bool MainWindow::isEnabled(Ctl control) const
{
    if (QWidget *w = widgetOf(control))
        return w->isEnabled();
    return m_commands->isEnabled(control);
}

void MainWindow::setVisible(Ctl control, bool visible)
{
    if (QWidget *w = widgetOf(control))
        w->setHidden(!visible);
    else
        m_commands->setVisible(control, visible);
}

bool MainWindow::isVisible(Ctl control) const
{
    // The control's own Visible property, whether or not the window is shown.
    if (QWidget *w = widgetOf(control))
        return !w->isHidden();
    return m_commands->isVisible(control);
}

void MainWindow::setChecked(Ctl control, bool checked)
{
    m_commands->setChecked(control, checked);
}

bool MainWindow::isChecked(Ctl control) const
{
    return m_commands->isChecked(control);
}

QString MainWindow::text(Ctl edit) const
{
    if (auto *e = qobject_cast<QLineEdit *>(widgetOf(edit)))
        return e->text();
    if (auto *l = qobject_cast<QLabel *>(widgetOf(edit)))
        return l->text();
    return {};
}

void MainWindow::setText(Ctl edit, const QString &text)
{
    if (auto *e = qobject_cast<QLineEdit *>(widgetOf(edit)))
        e->setText(text);
    else if (auto *l = qobject_cast<QLabel *>(widgetOf(edit)))
        l->setText(text);
}

bool MainWindow::hasFocus(Ctl control) const
{
    // The window's focused control, also while the window itself is not active.
    QWidget *w = widgetOf(control);
    return w && focusWidget() == w;
}

void MainWindow::focusCaptionSelectAll()
{
    if (!m_ui.captionEdit->isEnabled())
        return;
    m_ui.captionEdit->setFocus(Qt::OtherFocusReason);
    m_ui.captionEdit->selectAll();
    m_captionSelectedByProgram = true;
}

int MainWindow::colorIndex() const
{
    return m_ui.colorBox->currentIndex();
}

void MainWindow::setColorIndex(int index)
{
    m_ui.colorBox->setIndex(index);
}

void MainWindow::setToolDown(Ctl button)
{
    QWidget *const down = widgetOf(button);
    for (QToolButton *b : m_ui.tools())
        b->setChecked(b == down);
}

void MainWindow::overlayChanged()
{
    const QSize size(m_editor.viewport().viewWidth(), m_editor.viewport().viewHeight());
    if (!m_editor.overlayImage().isNull() && size != m_ui.sheetView->size())
        m_ui.sheetView->resize(size);
    m_ui.sheetView->repaint();
    describeSelection();
}

void MainWindow::sheetGeometryChanged()
{
    const Viewport &view = m_editor.viewport();
    m_ui.sheetView->setGeometry(view.sheetLeft(), view.sheetTop(), view.viewWidth(), view.viewHeight());
    showScale();
}

QSize MainWindow::drawingAreaClientSize() const
{
    return m_ui.drawingArea->size();
}

void MainWindow::navigateView(bool resizeNavigator, bool placeVisiblePart)
{
    NavigatorInput in;
    const Viewport &view = m_editor.viewport();
    in.sheetWidth = view.viewWidth();
    in.sheetHeight = view.viewHeight();
    in.sheetLeft = view.sheetLeft();
    in.sheetTop = view.sheetTop();
    in.areaClient = drawingAreaClientSize();
    in.sheetPanel = m_ui.navigatorSheet->size();
    in.btnHorizPanel = m_ui.widthButtons->size();
    in.btnVertPanel = m_ui.heightButtons->size();
    const NavigatorLayout out = NavigateView(in, resizeNavigator, placeVisiblePart);

    m_ui.navigatorSheet->setGeometry(QRect(QPoint(0, 0), out.sheetPanel));
    m_ui.navigatorSheetShape->setGeometry(QRect(QPoint(0, 0), out.sheetPanel));
    if (out.visibleSize)
        m_ui.navigatorVisiblePart->resize(*out.visibleSize);
    if (out.visiblePos)
        m_ui.navigatorVisiblePart->move(*out.visiblePos);
    m_ui.widthButtons->move(out.btnHorizPos);
    m_ui.heightButtons->move(out.btnVertPos);
    m_ui.navigator->setGeometry(QRect(out.viewPos, out.sheetPanel));
    showScale();
}

void MainWindow::showScale()
{
    const ViewScale &scale = m_editor.viewport().scale();
    QLabel *label = m_ui.scaleLabel;
    if (!label)
        return;
    label->setVisible(!scale.isActual());
    if (scale.isActual())
        return;
    label->setText(tr("%1 %").arg(scale.percent()));
    label->adjustSize();
    // Beside the navigator, along the drawing area's bottom edge.
    const QRect nav = m_ui.navigator->geometry();
    label->move(nav.right() + 4, m_ui.drawingArea->height() - label->height() - 2);
}

void MainWindow::setWindowCaption(const QString &caption)
{
    setProgramTitle(caption);
    setWindowTitle(caption);
}

void MainWindow::showInfo(const QString &text)
{
    modal().showInfo(this, programTitle(), text);
}

void MainWindow::showError(const QString &text)
{
    modal().showError(this, programTitle(), text);
}

SaveAnswer MainWindow::askSaveChanges(const QString &question)
{
    return modal().askSaveChanges(this, programTitle(), question);
}

bool MainWindow::askYesNo(const QString &question, bool noIsDefault)
{
    return modal().askYesNo(this, programTitle(), question, noIsDefault);
}

QString MainWindow::chooseOpenFile(const QString &filter, const QString &defaultSuffix,
                                   const QString &startDir)
{
    return modal().chooseOpenFile(this, qtFileFilter(filter), defaultSuffix, startDir);
}

QString MainWindow::chooseSaveFile(const QString &filter, const QString &defaultSuffix,
                                   const QString &startDir)
{
    return modal().chooseSaveFile(this, qtFileFilter(filter), defaultSuffix, startDir);
}

bool MainWindow::runNewSheetDialog(int &width, int &height)
{
    return modal().runNewSheetDialog(m_newSheetDialog, width, height);
}

void MainWindow::copyImageToClipboard(const QImage &image)
{
    QGuiApplication::clipboard()->setImage(image);
}

void MainWindow::setClipboardScheme(const QByteArray &scheme, const QString &text,
                                    std::function<QImage()> picture)
{
    QGuiApplication::clipboard()->setMimeData(new SchemeMimeData(scheme, text, std::move(picture)));
}

QString MainWindow::clipboardSchemeText() const
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (!data)
        return {};
    if (data->hasFormat(SchemeMimeData::kSchemeType)) {
        TextList lines;
        lines.setFromBytes(data->data(SchemeMimeData::kSchemeType));
        return lines.items().join(QStringLiteral("\r\n"));
    }
    return data->hasText() ? data->text() : QString();
}

std::optional<QPoint> MainWindow::pointerInDrawingArea() const
{
    const QPoint at = m_ui.drawingArea->mapFromGlobal(QCursor::pos());
    if (!isActiveWindow() || !m_ui.drawingArea->rect().contains(at))
        return std::nullopt;
    return at;
}

void MainWindow::closeWindow()
{
    close();
}
