// The action list with its shortcuts, the popup menu, and the keyboard routing of the edits.
#include "app/ColorBox.h"
#include "app/ExportCommand.h"
#include "app/Glyphs.h"
#include "app/Unit1.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

QAction *TForm1::makeAction(const char *name, const QString &caption, const std::function<void()> &handler)
{
    auto *a = new QAction(caption, this);
    a->setObjectName(QString::fromLatin1(name));
    a->setShortcutContext(Qt::WindowShortcut);
    addAction(a);
    connect(a, &QAction::triggered, this, [this, handler] { guard(handler); });
    return a;
}

void TForm1::buildActions()
{
    Editor &e = m_editor;
    DocumentCommands &d = m_documents;
    Action_new = makeAction("Action_new", QStringLiteral("New"), [&d] { d.sbNewClick(); });
    Action_new->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    Action_open = makeAction("Action_open", QStringLiteral("Open"), [&d] { d.sbOpenClick(); });
    Action_open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    Action_save = makeAction("Action_save", QStringLiteral("Save"), [&d] { d.Save1Click(); });
    Action_save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    Action_delete = makeAction("Action_delete", QStringLiteral("Delete"), [&e] { e.deleteElem1Click(); });
    Action_delete->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    Action_delete->setEnabled(false);
    Action_ChangeLine =
        makeAction("Action_ChangeLine", QStringLiteral("ChangeLine"), [&e] { e.sbArrowChangeClick(); });
    Action_ChangeLine->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    Action_ChangeLine->setEnabled(false);
    Action_about = makeAction("Action_about", QStringLiteral("About"), [this] { Action_aboutExecute(); });
    Action_about->setShortcut(QKeySequence(Qt::Key_F1));
    Quit = makeAction("Quit", QStringLiteral("Quit"), [this] { QuitExecute(); });
    Action_Lock = makeAction("Action_Lock", QStringLiteral("LockSet"), [&e] { e.Action_LockExecute(); });
    Action_Lock->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    ActMoveLeft = makeAction("ActMoveLeft", QStringLiteral("ActMoveLeft"), [&e] { e.ActMoveLeftExecute(); });
    ActMoveTop = makeAction("ActMoveTop", QStringLiteral("ActMoveTop"), [&e] { e.ActMoveTopExecute(); });
    ActMoveRight =
        makeAction("ActMoveRight", QStringLiteral("ActMoveRight"), [&e] { e.ActMoveRightExecute(); });
    ActMoveBottom =
        makeAction("ActMoveBottom", QStringLiteral("ActMoveBottom"), [&e] { e.ActMoveBottomExecute(); });
    ActMoveSheetDown = makeAction("ActMoveSheetDown", QStringLiteral("ActMoveSheetDown"),
                                  [&e] { e.ActMoveSheetDownExecute(); });
    ActMoveSheetTop = makeAction("ActMoveSheetTop", QStringLiteral("ActMoveSheetTop"),
                                 [&e] { e.ActMoveSheetTopExecute(); });
    ActMoveSheetLeft = makeAction("ActMoveSheetLeft", QStringLiteral("ActMoveSheetLeft"),
                                  [&e] { e.ActMoveSheetLeftExecute(); });
    ActMoveSheetRight = makeAction("ActMoveSheetRight", QStringLiteral("ActMoveSheetRight"),
                                   [&e] { e.ActMoveSheetRightExecute(); });
    Action_saveAs =
        makeAction("Action_saveAs", QStringLiteral("Save as"), [&d] { d.Action_saveAsExecute(); });
    Action_copy = makeAction("Action_copy", QStringLiteral("Copy Image"), [&d] { d.Action_copyExecute(); });
    Action_save_bitmap = makeAction("Action_save_bitmap", QStringLiteral("Save as Bitmap"),
                                    [&d] { d.Action_save_bitmapExecute(); });
    Action_view_navigator = makeAction("Action_view_navigator", QStringLiteral("View navigator"),
                                       [&e] { e.Action_view_navigatorExecute(); });
    ActionSelectAll =
        makeAction("ActionSelectAll", QStringLiteral("Select All"), [&e] { e.ActionSelectAllExecute(); });
    ActionSelectAll->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    ActionSelectAll->setEnabled(false);

    m_checked[Action_Lock] = false;
    m_checked[Action_view_navigator] = true;
}

void TForm1::syncItem(QAction *item)
{
    QAction *action = m_itemAction.value(item);
    if (!action)
        return;
    const QKeySequence keys = action->shortcut();
    QString caption = item->property("ownCaption").toString();
    if (caption.isEmpty())
        caption = action->text();
    if (!keys.isEmpty())
        caption += QLatin1Char('\t') + keys.toString(QKeySequence::NativeText);
    item->setText(caption);
    // The item follows changes of the action's enabled state; ChangeLine1 can also be
    // switched on its own in between.
    if (m_itemFollowedEnabled.value(item) != action->isEnabled()) {
        m_itemFollowedEnabled[item] = action->isEnabled();
        item->setEnabled(action->isEnabled());
    }
    if (m_checked.contains(action)) {
        item->setCheckable(true);
        item->setChecked(m_checked.value(action));
    }
}

QAction *TForm1::makeItem(const char *name, QAction *action, const QString &ownCaption)
{
    auto *item = new QAction(Menu1);
    item->setObjectName(QString::fromLatin1(name));
    item->setProperty("ownCaption", ownCaption);
    m_itemAction[item] = action;
    m_itemFollowedEnabled[item] = action->isEnabled();
    item->setEnabled(action->isEnabled());
    Menu1->addAction(item);
    syncItem(item);
    connect(action, &QAction::changed, item, [this, item] { syncItem(item); });
    // Qt toggles a checkable item by itself: put back the action's state at once.
    connect(item, &QAction::triggered, this, [this, item] { syncItem(item); });
    // The chosen command runs after the menu call has returned, as a posted command would.
    connect(
        item, &QAction::triggered, this, [action] { action->trigger(); }, Qt::QueuedConnection);
    return item;
}

void TForm1::buildMenu()
{
    Menu1 = new QMenu(this);
    Menu1->setObjectName(QStringLiteral("Menu1"));
    New1 = makeItem("New1", Action_new);
    New1->setIcon(QIcon(glyphPixmap(Glyph::NewPage)));
    Open1 = makeItem("Open1", Action_open);
    Open1->setIcon(QIcon(glyphPixmap(Glyph::OpenFolder)));
    Save2 = makeItem("Save2", Action_save);
    Save2->setIcon(QIcon(glyphPixmap(Glyph::Save)));
    Saveas2 = makeItem("Saveas2", Action_saveAs);
    Saveas2->setIcon(QIcon(glyphPixmap(Glyph::SaveAs)));
    CopyImage1 = makeItem("CopyImage1", Action_copy);
    CopyImage1->setIcon(QIcon(glyphPixmap(Glyph::CopyImage)));
    SaveasBitmap1 = makeItem("SaveasBitmap1", Action_save_bitmap);
    SaveasBitmap1->setIcon(QIcon(glyphPixmap(Glyph::SaveAs)));
    makeItem("Export1", makeAction("Action_export", QStringLiteral("Export..."),
                                   [this] { exportPicture(m_editor, m_documents.dialogFolder()); }))
        ->setIcon(QIcon(glyphPixmap(Glyph::SaveAs)));
    N1 = Menu1->addSeparator();
    Delete1 = makeItem("Delete1", Action_delete);
    Delete1->setIcon(QIcon(glyphPixmap(Glyph::Delete)));
    ChangeLine1 = makeItem("ChangeLine1", Action_ChangeLine);
    ChangeLine1->setIcon(QIcon(glyphPixmap(Glyph::ChangeLine)));
    SelectAll1 = makeItem("SelectAll1", ActionSelectAll);
    N2 = Menu1->addSeparator();
    Viewnavigator1 = makeItem("Viewnavigator1", Action_view_navigator);
    Lock1 = makeItem("Lock1", Action_Lock, QStringLiteral("Lock"));
    About1 = makeItem("About1", Action_about, QStringLiteral("Help"));
    Close2 = makeItem("Close2", Quit);
}

QAction *TForm1::enabledActionFor(const QKeySequence &keys) const
{
    if (keys.isEmpty())
        return nullptr;
    const QList<QAction *> list = actions();
    for (QAction *a : list)
        if (a->isEnabled() && !a->shortcut().isEmpty() && a->shortcut() == keys)
            return a;
    return nullptr;
}

bool TForm1::routeKeyPress(QLineEdit *edit, QKeyEvent *event)
{
    QString typed;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        typed = QChar(13);
    else if (event->key() == Qt::Key_Backspace)
        typed = QChar(8);
    else {
        // Ctrl with a key is a command for the edit (copy, paste...), not a typed character.
        const Qt::KeyboardModifiers mods = event->modifiers();
        if ((mods & Qt::ControlModifier) && !(mods & Qt::AltModifier))
            return false;
        typed = event->text();
        if (typed.isEmpty())
            return false;
        for (QChar c : typed)
            if (!c.isPrint())
                return false; // control keys (Ctrl+V, Ctrl+C...) go to the edit as they are
    }

    QString kept;
    const bool finished = guard([&] {
        for (QChar c : typed) {
            const QChar r = edit == edCaption ? m_editor.edCaptionKeyPress(c) : m_editor.edXcKeyPress(c);
            if (!r.isNull())
                kept += r;
        }
    });
    if (!finished || kept.isEmpty())
        return true; // discarded
    if (kept == typed)
        return false; // typed normally
    if (kept != QString(QChar(13)) && kept != QString(QChar(8)))
        edit->insert(kept);
    return true;
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        // An enabled action's shortcut comes before the focused control's own use of the key.
        auto *ke = static_cast<QKeyEvent *>(event);
        const QKeySequence keys(ke->keyCombination().toCombined() & ~int(Qt::KeypadModifier));
        if (enabledActionFor(keys)) {
            event->ignore();
            return true;
        }
        return QWidget::eventFilter(watched, event);
    }
    if (event->type() == QEvent::KeyPress) {
        if (watched == edCaption || watched == edXc || watched == edYc)
            return routeKeyPress(static_cast<QLineEdit *>(watched), static_cast<QKeyEvent *>(event));
    }
    return QWidget::eventFilter(watched, event);
}
