// What the editing logic reads and drives of the window (EditorUi).
#include "app/ColorBox.h"
#include "app/ModalProvider.h"
#include "app/Panels.h"
#include "app/ProgramTitle.h"
#include "app/Unit1.h"
#include "view/Navigator.h"
#include "view/SheetView.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

QWidget *TForm1::widgetOf(Ctl control) const
{
    switch (control) {
    case Ctl::sbCursor:
        return sbCursor;
    case Ctl::sbH:
        return sbH;
    case Ctl::sbP:
        return sbP;
    case Ctl::sbE:
        return sbE;
    case Ctl::ColorBox1:
        return ColorBox1;
    case Ctl::edCaption:
        return edCaption;
    case Ctl::edXc:
        return edXc;
    case Ctl::edYc:
        return edYc;
    case Ctl::lbText:
        return lbText;
    case Ctl::lbXc:
        return lbXc;
    case Ctl::lbYc:
        return lbYc;
    case Ctl::sbArrowChange:
        return sbArrowChange;
    case Ctl::deleteElem1:
        return deleteElem1;
    case Ctl::sbCanvaTop:
        return sbCanvaTop;
    case Ctl::sbCanvaBottom:
        return sbCanvaBottom;
    case Ctl::sbCanvaLeft:
        return sbCanvaLeft;
    case Ctl::sbCanvaRight:
        return sbCanvaRight;
    case Ctl::Panel_btn_vert:
        return Panel_btn_vert;
    case Ctl::Panel_btn_horiz:
        return Panel_btn_horiz;
    case Ctl::PanelView:
        return PanelView;
    default:
        return nullptr;
    }
}

QAction *TForm1::actionOf(Ctl control) const
{
    switch (control) {
    case Ctl::Action_delete:
        return Action_delete;
    case Ctl::Action_ChangeLine:
        return Action_ChangeLine;
    case Ctl::ChangeLine1:
        return ChangeLine1;
    case Ctl::ActionSelectAll:
        return ActionSelectAll;
    case Ctl::Action_Lock:
        return Action_Lock;
    case Ctl::Action_view_navigator:
        return Action_view_navigator;
    default:
        return nullptr;
    }
}

void TForm1::setEnabled(Ctl control, bool enabled)
{
    if (QWidget *w = widgetOf(control))
        w->setEnabled(enabled);
    else if (QAction *a = actionOf(control))
        a->setEnabled(enabled);
}

bool TForm1::isEnabled(Ctl control) const
{
    if (QWidget *w = widgetOf(control))
        return w->isEnabled();
    if (QAction *a = actionOf(control))
        return a->isEnabled();
    return false;
}

void TForm1::setVisible(Ctl control, bool visible)
{
    if (QWidget *w = widgetOf(control))
        w->setHidden(!visible);
    else if (QAction *a = actionOf(control))
        a->setVisible(visible);
}

bool TForm1::isVisible(Ctl control) const
{
    // The control's own Visible property, whether or not the window is shown.
    if (QWidget *w = widgetOf(control))
        return !w->isHidden();
    if (QAction *a = actionOf(control))
        return a->isVisible();
    return false;
}

void TForm1::setChecked(Ctl control, bool checked)
{
    QAction *a = actionOf(control);
    if (!a)
        return;
    if (a == ChangeLine1) {
        a->setCheckable(true);
        a->setChecked(checked);
        return;
    }
    m_checked[a] = checked;
    for (auto it = m_itemAction.cbegin(); it != m_itemAction.cend(); ++it)
        if (it.value() == a)
            syncItem(it.key());
}

bool TForm1::isChecked(Ctl control) const
{
    QAction *a = actionOf(control);
    if (!a)
        return false;
    if (a == ChangeLine1)
        return a->isChecked();
    return m_checked.value(a, false);
}

QString TForm1::text(Ctl edit) const
{
    if (auto *e = qobject_cast<QLineEdit *>(widgetOf(edit)))
        return e->text();
    if (auto *l = qobject_cast<QLabel *>(widgetOf(edit)))
        return l->text();
    return {};
}

void TForm1::setText(Ctl edit, const QString &text)
{
    if (auto *e = qobject_cast<QLineEdit *>(widgetOf(edit)))
        e->setText(text);
    else if (auto *l = qobject_cast<QLabel *>(widgetOf(edit)))
        l->setText(text);
}

bool TForm1::hasFocus(Ctl control) const
{
    // The window's focused control, also while the window itself is not active.
    QWidget *w = widgetOf(control);
    return w && focusWidget() == w;
}

void TForm1::focusCaptionSelectAll()
{
    if (!edCaption->isEnabled())
        return;
    edCaption->setFocus(Qt::OtherFocusReason);
    edCaption->selectAll();
}

int TForm1::colorIndex() const
{
    return ColorBox1->currentIndex();
}

void TForm1::setColorIndex(int index)
{
    ColorBox1->setIndex(index);
}

void TForm1::setToolDown(Ctl button)
{
    if (auto *b = qobject_cast<QToolButton *>(widgetOf(button)))
        b->setChecked(true);
}

void TForm1::overlayChanged()
{
    const QImage &img = m_editor.overlayImage;
    if (!img.isNull() && img.size() != PaintBox1->size())
        PaintBox1->resize(img.size());
    PaintBox1->repaint();
}

void TForm1::sheetGeometryChanged()
{
    const SheetBitmap &s = m_editor.sheet;
    PaintBox1->setGeometry(s.left, s.top, s.width(), s.height());
}

QSize TForm1::drawingAreaClientSize() const
{
    return Panel2->size();
}

void TForm1::navigateView(bool resizeNavigator, bool placeVisiblePart)
{
    NavigatorInput in;
    in.sheetWidth = m_editor.sheet.width();
    in.sheetHeight = m_editor.sheet.height();
    in.sheetLeft = m_editor.sheet.left;
    in.sheetTop = m_editor.sheet.top;
    in.areaClient = drawingAreaClientSize();
    in.sheetPanel = PanelSheet->size();
    in.btnHorizPanel = Panel_btn_horiz->size();
    in.btnVertPanel = Panel_btn_vert->size();
    const NavigatorLayout out = NavigateView(in, resizeNavigator, placeVisiblePart);

    PanelSheet->setGeometry(QRect(QPoint(0, 0), out.sheetPanel));
    Shape1->setGeometry(QRect(QPoint(0, 0), out.sheetPanel));
    if (out.visibleSize)
        shVisible->resize(*out.visibleSize);
    if (out.visiblePos)
        shVisible->move(*out.visiblePos);
    Panel_btn_horiz->move(out.btnHorizPos);
    Panel_btn_vert->move(out.btnVertPos);
    PanelView->setGeometry(QRect(out.viewPos, out.sheetPanel));
}

void TForm1::setWindowCaption(const QString &caption)
{
    setProgramTitle(caption);
    setWindowTitle(caption);
}

void TForm1::showInfo(const QString &text)
{
    modal().showInfo(this, programTitle(), text);
}

void TForm1::showError(const QString &text)
{
    modal().showError(this, programTitle(), text);
}

SaveAnswer TForm1::askSaveChanges(const QString &question)
{
    return modal().askSaveChanges(this, programTitle(), question);
}

QString TForm1::chooseOpenFile(const QString &filter, const QString &defaultSuffix, const QString &startDir)
{
    return modal().chooseOpenFile(this, qtFileFilter(filter), defaultSuffix, startDir);
}

QString TForm1::chooseSaveFile(const QString &filter, const QString &defaultSuffix, const QString &startDir)
{
    return modal().chooseSaveFile(this, qtFileFilter(filter), defaultSuffix, startDir);
}

bool TForm1::runNewSheetDialog(int &width, int &height)
{
    return modal().runNewSheetDialog(NewFileDlg, width, height);
}

void TForm1::copyImageToClipboard(const QImage &image)
{
    QGuiApplication::clipboard()->setImage(image);
}

void TForm1::closeWindow()
{
    close();
}
