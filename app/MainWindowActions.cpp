// The action list with its shortcuts, the popup menu, and the keyboard routing of the edits.
#include "app/ColorBox.h"
#include "app/FindBar.h"
#include "app/Glyphs.h"
#include "app/MainWindow.h"
#include "app/Panels.h"
#include "app/PrintScheme.h"
#include "editor/ExportPicture.h"
#include "editor/SchemeClip.h"

#include <QAction>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QWheelEvent>

QAction *MainWindow::makeAction(const char *name, const QString &caption,
                                const std::function<void()> &handler)
{
    auto *a = new QAction(caption, this);
    a->setObjectName(QString::fromLatin1(name));
    a->setShortcutContext(Qt::WindowShortcut);
    addAction(a);
    connect(a, &QAction::triggered, this, [this, handler] { guard(handler); });
    return a;
}

void MainWindow::buildActions()
{
    Editor &e = m_editor;
    DocumentCommands &d = m_documents;
    // Commands that end the Menu button's latch: the file commands as they start, the others
    // once done.
    const auto unlatched = [this](const std::function<void()> &command) {
        return [this, command] {
            m_menuPopped = false;
            command();
        };
    };
    const auto thenUnlatched = [this](const std::function<void()> &command) {
        return [this, command] {
            command();
            m_menuPopped = false;
        };
    };
    m_ui.newAction = makeAction("newAction", tr("New"), unlatched([&d] { d.newScheme(); }));
    m_ui.newAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    m_ui.openAction = makeAction("openAction", tr("Open"), unlatched([&d] { d.openScheme(); }));
    m_ui.openAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    m_ui.saveAction = makeAction("saveAction", tr("Save"), unlatched([&d] { d.save(); }));
    m_ui.saveAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m_ui.deleteAction =
        makeAction("deleteAction", tr("Delete"), thenUnlatched([&e] { e.deleteSelection(); }));
    m_ui.deleteAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    m_ui.deleteAction->setEnabled(false);
    m_ui.reverseLineAction =
        makeAction("reverseLineAction", tr("ChangeLine"), thenUnlatched([&e] { e.reverseSelectedLine(); }));
    m_ui.reverseLineAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    m_ui.reverseLineAction->setEnabled(false);
    m_ui.aboutAction = makeAction("aboutAction", tr("About"), [this] { showAbout(); });
    m_ui.aboutAction->setShortcut(QKeySequence(Qt::Key_F1));
    m_ui.quitAction = makeAction("quitAction", tr("Quit"), [this] { quit(); });
    m_ui.lockAction = makeAction("lockAction", tr("LockSet"), thenUnlatched([&e] { e.toggleLock(); }));
    m_ui.lockAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    const auto move = [&e](Direction d) { return [&e, d] { e.ObjMoveOnCanvas(d); }; };
    m_ui.moveLeftAction = makeAction("moveLeftAction", tr("Move left"), move(Direction::Left));
    m_ui.moveUpAction = makeAction("moveUpAction", tr("Move up"), move(Direction::Up));
    m_ui.moveRightAction = makeAction("moveRightAction", tr("Move right"), move(Direction::Right));
    m_ui.moveDownAction = makeAction("moveDownAction", tr("Move down"), move(Direction::Down));
    const auto scroll = [&e](Direction d) { return [&e, d] { e.scrollSheet(d); }; };
    m_ui.scrollDownAction = makeAction("scrollDownAction", tr("Scroll down"), scroll(Direction::Down));
    m_ui.scrollUpAction = makeAction("scrollUpAction", tr("Scroll up"), scroll(Direction::Up));
    m_ui.scrollLeftAction = makeAction("scrollLeftAction", tr("Scroll left"), scroll(Direction::Left));
    m_ui.scrollRightAction = makeAction("scrollRightAction", tr("Scroll right"), scroll(Direction::Right));
    m_ui.saveAsAction = makeAction("saveAsAction", tr("Save as"), unlatched([&d] { d.saveAs(); }));
    m_ui.copyImageAction = makeAction("copyImageAction", tr("Copy Image"), [&d] { d.copyImage(); });
    m_ui.saveBitmapAction =
        makeAction("saveBitmapAction", tr("Save as Bitmap"), unlatched([&d] { d.saveAsBitmap(); }));
    m_ui.exportAction =
        makeAction("exportAction", tr("Export..."),
                   unlatched([this] { exportPicture(m_editor, m_documents.dialogFolder()); }));
    m_ui.printAction = makeAction("printAction", tr("Print..."),
                                  unlatched([this] { printScheme(m_editor, modal(), this); }));
    m_ui.printAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    m_ui.navigatorAction = makeAction("navigatorAction", tr("View navigator"), [&e] { e.toggleNavigator(); });
    m_ui.selectAllAction = makeAction("selectAllAction", tr("Select All"), [&e] { e.SelectAllObjects(); });
    m_ui.selectAllAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    m_ui.selectAllAction->setEnabled(false);
    m_ui.undoAction = makeAction("undoAction", tr("Undo"), [&e] { e.undo(); });
    m_ui.undoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_ui.undoAction->setEnabled(false);
    m_ui.redoAction = makeAction("redoAction", tr("Redo"), [&e] { e.redo(); });
    m_ui.redoAction->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    m_ui.redoAction->setEnabled(false);
    m_ui.copyAction = makeAction("copyAction", tr("Copy"), [&e] { e.copySelection(); });
    m_ui.copyAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    m_ui.cutAction = makeAction("cutAction", tr("Cut"), [&e] { e.cutSelection(); });
    m_ui.cutAction->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_Delete));
    m_ui.pasteAction = makeAction("pasteAction", tr("Paste"), [&e] { e.paste(); });
    m_ui.pasteAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    m_ui.duplicateAction = makeAction("duplicateAction", tr("Duplicate"), [&e] { e.duplicateSelection(); });
    m_ui.duplicateAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    m_ui.findAction = makeAction("findAction", tr("Find..."), [this] { m_ui.findBar->open(); });
    m_ui.findAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    m_ui.findNextAction = makeAction("findNextAction", tr("Find Next"), [this] { findStep(true); });
    m_ui.findNextAction->setShortcut(QKeySequence(Qt::Key_F3));
    m_ui.findPreviousAction =
        makeAction("findPreviousAction", tr("Find Previous"), [this] { findStep(false); });
    m_ui.findPreviousAction->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3));
    using A = Editor::Alignment;
    const std::pair<const char *, std::pair<QString, A>> alignments[] = {
        {"alignLeftAction", {tr("Left Edges"), A::Left}},
        {"alignCentreAction", {tr("Centres"), A::Centre}},
        {"alignRightAction", {tr("Right Edges"), A::Right}},
        {"alignTopAction", {tr("Top Edges"), A::Top}},
        {"alignMiddleAction", {tr("Middles"), A::Middle}},
        {"alignBottomAction", {tr("Bottom Edges"), A::Bottom}},
        {"distributeHorizontallyAction", {tr("Distribute Horizontally"), A::Horizontal}},
        {"distributeVerticallyAction", {tr("Distribute Vertically"), A::Vertical}}};
    for (const auto &[name, what] : alignments) {
        QAction *a = makeAction(name, what.first, [&e, how = what.second] { e.align(how); });
        a->setEnabled(false);
        (what.second == A::Horizontal || what.second == A::Vertical ? m_ui.distributeActions
                                                                    : m_ui.alignActions)
            << a;
    }
    m_ui.snapAction =
        makeAction("snapAction", tr("Snap to Grid"), [this] { setSnapToGrid(!m_editor.snapToGrid()); });
    for (QAction *a : {m_ui.copyAction, m_ui.cutAction, m_ui.duplicateAction})
        a->setEnabled(false);
    m_ui.zoomInAction = makeAction("zoomInAction", tr("Zoom In"), [&e] { e.zoomIn(); });
    m_ui.zoomInAction->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence(Qt::CTRL | Qt::Key_Plus)});
    m_ui.zoomOutAction = makeAction("zoomOutAction", tr("Zoom Out"), [&e] { e.zoomOut(); });
    m_ui.zoomOutAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    m_ui.actualSizeAction = makeAction("actualSizeAction", tr("Actual Size"), [&e] { e.zoomActualSize(); });
    m_ui.actualSizeAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    m_ui.fitSheetAction = makeAction("fitSheetAction", tr("Fit Sheet"), [&e] { e.zoomToFit(); });
    m_ui.fitSheetAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_H));

    m_checked[m_ui.lockAction] = false;
    m_checked[m_ui.snapAction] = false;
    m_checked[m_ui.navigatorAction] = true;
}

void MainWindow::syncItem(QAction *item)
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
    // The item follows changes of the action's enabled state; m_ui.reverseLineItem can also be
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

QAction *MainWindow::makeItem(const char *name, QAction *action, const QString &ownCaption, QMenu *menu)
{
    if (!menu)
        menu = m_ui.popupMenu;
    auto *item = new QAction(menu);
    item->setObjectName(QString::fromLatin1(name));
    item->setProperty("ownCaption", ownCaption);
    m_itemAction[item] = action;
    m_itemFollowedEnabled[item] = action->isEnabled();
    item->setEnabled(action->isEnabled());
    menu->addAction(item);
    syncItem(item);
    connect(action, &QAction::changed, item, [this, item] { syncItem(item); });
    // Qt toggles a checkable item by itself: put back the action's state at once.
    connect(item, &QAction::triggered, this, [this, item] { syncItem(item); });
    // The chosen command runs after the menu call has returned, as a posted command would.
    connect(
        item, &QAction::triggered, this, [action] { action->trigger(); }, Qt::QueuedConnection);
    return item;
}

void MainWindow::buildMenu()
{
    m_ui.popupMenu = new QMenu(this);
    m_ui.popupMenu->setObjectName(QStringLiteral("popupMenu"));
    m_ui.newItem = makeItem("newItem", m_ui.newAction);
    m_ui.newItem->setIcon(QIcon(glyphPixmap(Glyph::NewPage)));
    m_ui.openItem = makeItem("openItem", m_ui.openAction);
    m_ui.openItem->setIcon(QIcon(glyphPixmap(Glyph::OpenFolder)));
    m_ui.recentMenu = m_ui.popupMenu->addMenu(tr("Open Recent"));
    m_ui.recentMenu->setObjectName(QStringLiteral("recentMenu"));
    m_documents.recentFiles().setChangeHandler([this] { fillRecentMenu(); });
    fillRecentMenu();
    m_ui.saveItem = makeItem("saveItem", m_ui.saveAction);
    m_ui.saveItem->setIcon(QIcon(glyphPixmap(Glyph::Save)));
    m_ui.saveAsItem = makeItem("saveAsItem", m_ui.saveAsAction);
    m_ui.saveAsItem->setIcon(QIcon(glyphPixmap(Glyph::SaveAs)));
    m_ui.copyImageItem = makeItem("copyImageItem", m_ui.copyImageAction);
    m_ui.copyImageItem->setIcon(QIcon(glyphPixmap(Glyph::CopyImage)));
    m_ui.saveBitmapItem = makeItem("saveBitmapItem", m_ui.saveBitmapAction);
    m_ui.saveBitmapItem->setIcon(QIcon(glyphPixmap(Glyph::SaveAs)));
    m_ui.exportItem = makeItem("exportItem", m_ui.exportAction);
    m_ui.exportItem->setIcon(QIcon(glyphPixmap(Glyph::SaveAs)));
    m_ui.printItem = makeItem("printItem", m_ui.printAction);
    m_ui.popupMenu->addSeparator();
    m_ui.undoItem = makeItem("undoItem", m_ui.undoAction);
    m_ui.redoItem = makeItem("redoItem", m_ui.redoAction);
    m_ui.cutItem = makeItem("cutItem", m_ui.cutAction);
    m_ui.copyItem = makeItem("copyItem", m_ui.copyAction);
    m_ui.pasteItem = makeItem("pasteItem", m_ui.pasteAction);
    m_ui.duplicateItem = makeItem("duplicateItem", m_ui.duplicateAction);
    m_ui.deleteItem = makeItem("deleteItem", m_ui.deleteAction);
    m_ui.deleteItem->setIcon(QIcon(glyphPixmap(Glyph::Delete)));
    m_ui.reverseLineItem = makeItem("reverseLineItem", m_ui.reverseLineAction);
    m_ui.reverseLineItem->setIcon(QIcon(glyphPixmap(Glyph::ChangeLine)));
    m_ui.selectAllItem = makeItem("selectAllItem", m_ui.selectAllAction);
    m_ui.findItem = makeItem("findItem", m_ui.findAction);
    m_ui.alignMenu = m_ui.popupMenu->addMenu(tr("Align"));
    m_ui.alignMenu->setObjectName(QStringLiteral("alignMenu"));
    int alignIndex = 0;
    for (QAction *a : m_ui.alignActions + m_ui.distributeActions) {
        if (alignIndex++ == m_ui.alignActions.size())
            m_ui.alignMenu->addSeparator();
        makeItem(qPrintable(a->objectName().replace(QStringLiteral("Action"), QStringLiteral("Item"))), a,
                 QString(), m_ui.alignMenu);
    }
    m_ui.popupMenu->addSeparator();
    m_ui.navigatorItem = makeItem("navigatorItem", m_ui.navigatorAction);
    m_ui.zoomInItem = makeItem("zoomInItem", m_ui.zoomInAction);
    m_ui.zoomOutItem = makeItem("zoomOutItem", m_ui.zoomOutAction);
    m_ui.actualSizeItem = makeItem("actualSizeItem", m_ui.actualSizeAction);
    m_ui.fitSheetItem = makeItem("fitSheetItem", m_ui.fitSheetAction);
    m_ui.snapItem = makeItem("snapItem", m_ui.snapAction);
    m_ui.lockItem = makeItem("lockItem", m_ui.lockAction, tr("Lock"));
    m_ui.aboutItem = makeItem("aboutItem", m_ui.aboutAction, tr("Help"));
    m_ui.quitItem = makeItem("quitItem", m_ui.quitAction);
}

void MainWindow::fillRecentMenu()
{
    QMenu *menu = m_ui.recentMenu;
    // Later: the list may change while one of these items is being triggered.
    for (QAction *old : menu->actions()) {
        menu->removeAction(old);
        old->deleteLater();
    }
    const QStringList paths = m_documents.recentFiles().paths();
    for (int i = 0; i < paths.size(); ++i) {
        QString shown = QDir::toNativeSeparators(paths[i]);
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction *item = menu->addAction(i < 9 ? QStringLiteral("&%1 %2").arg(i + 1).arg(shown)
                                              : QStringLiteral("1&0 %1").arg(shown));
        connect(
            item, &QAction::triggered, this,
            [this, path = paths[i]] {
                guard([this, &path] {
                    m_menuPopped = false;
                    m_documents.openRecent(path);
                });
            },
            Qt::QueuedConnection);
    }
    menu->addSeparator();
    QAction *clear = menu->addAction(tr("Clear Menu"));
    clear->setObjectName(QStringLiteral("clearRecentItem"));
    clear->setEnabled(!paths.isEmpty());
    connect(clear, &QAction::triggered, this,
            [this] { guard([this] { m_documents.recentFiles().clear(); }); });
    menu->setEnabled(!paths.isEmpty());
}

QAction *MainWindow::enabledActionFor(const QKeySequence &keys) const
{
    if (keys.isEmpty())
        return nullptr;
    const QList<QAction *> list = actions();
    for (QAction *a : list)
        if (a->isEnabled() && a->shortcuts().contains(keys))
            return a;
    return nullptr;
}

bool MainWindow::routeKeyPress(QLineEdit *edit, QKeyEvent *event)
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
            const QChar r =
                edit == m_ui.captionEdit ? m_editor.captionKeyFilter(c) : m_editor.coordinateKeyFilter(c);
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

bool MainWindow::copyOrCut(const QKeyEvent *key, QEvent::Type type) const
{
    if (type != QEvent::KeyPress)
        return false;
    // A modifier alone starts a key combination.
    if (key->key() == Qt::Key_Control || key->key() == Qt::Key_Shift || key->key() == Qt::Key_Alt ||
        key->key() == Qt::Key_Meta)
        return true;
    const QKeySequence keys(key->keyCombination().toCombined() & ~int(Qt::KeypadModifier));
    return keys == m_ui.copyAction->shortcut() || keys == m_ui.cutAction->shortcut();
}

bool MainWindow::fieldTakesClipboardKey(QObject *watched, const QKeySequence &keys) const
{
    if (watched != m_ui.captionEdit && watched != m_ui.xEdit && watched != m_ui.yEdit)
        return false;
    const auto *edit = static_cast<const QLineEdit *>(watched);
    // The caption's text that a click on an element selected is not the user's selection.
    if (keys == m_ui.copyAction->shortcut() || keys == m_ui.cutAction->shortcut())
        return edit->hasSelectedText() && !(edit == m_ui.captionEdit && m_captionSelectedByProgram);
    if (keys == m_ui.pasteAction->shortcut())
        return !readClip(clipboardSchemeText());
    return false;
}

QLineEdit *MainWindow::typingEdit(QObject *watched, const QKeySequence &keys) const
{
    if (watched != m_ui.captionEdit && watched != m_ui.xEdit && watched != m_ui.yEdit)
        return nullptr;
    auto *edit = static_cast<QLineEdit *>(watched);
    // Setting a text from the program clears an edit's own history: what is left is typing. Undo
    // goes to the edit while it can take typing back; Redo while typing was done or taken back.
    const bool undo = m_ui.undoAction->shortcuts().contains(keys);
    const bool redo = m_ui.redoAction->shortcuts().contains(keys);
    if ((undo && edit->isUndoAvailable()) || (redo && (edit->isUndoAvailable() || edit->isRedoAvailable())))
        return edit;
    return nullptr;
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        auto *ke = static_cast<QKeyEvent *>(event);
        const QKeySequence keys(ke->keyCombination().toCombined() & ~int(Qt::KeypadModifier));
        // Undo and Redo act on typing not yet applied in the focused edit; copying, cutting and
        // pasting act on an edit's text as fieldTakesClipboardKey says; the find field keeps
        // every key of its own.
        const bool findField = watched == m_ui.findBar->edit() &&
                               (((ke->modifiers() & Qt::ControlModifier) && ke->key() != Qt::Key_F) ||
                                ke->key() == Qt::Key_Escape || ke->key() == Qt::Key_Delete ||
                                ((ke->modifiers() & Qt::ShiftModifier) && ke->key() >= Qt::Key_Left &&
                                 ke->key() <= Qt::Key_Down));
        if (typingEdit(watched, keys) || fieldTakesClipboardKey(watched, keys) || findField) {
            event->accept();
            return true;
        }
        // An enabled action's shortcut comes before the focused control's own use of the key.
        if (enabledActionFor(keys)) {
            event->ignore();
            return true;
        }
        return QWidget::eventFilter(watched, event);
    }
    if (event->type() == QEvent::Wheel && watched == m_ui.drawingArea) {
        auto *we = static_cast<QWheelEvent *>(event);
        guard([&] { wheel(we->angleDelta(), we->modifiers(), we->position().toPoint()); });
        return true;
    }
    // What the user does in the caption box makes its selection theirs.
    if ((event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress) &&
        watched == m_ui.captionEdit && !copyOrCut(static_cast<QKeyEvent *>(event), event->type()))
        m_captionSelectedByProgram = false;
    if (event->type() == QEvent::KeyPress) {
        auto *ke = static_cast<QKeyEvent *>(event);
        const QKeySequence keys(ke->keyCombination().toCombined() & ~int(Qt::KeypadModifier));
        if (QLineEdit *edit = typingEdit(watched, keys)) {
            if (m_ui.undoAction->shortcuts().contains(keys))
                edit->undo();
            else
                edit->redo();
            return true;
        }
        if (watched == m_ui.captionEdit || watched == m_ui.xEdit || watched == m_ui.yEdit)
            return routeKeyPress(static_cast<QLineEdit *>(watched), ke);
    }
    return QWidget::eventFilter(watched, event);
}
