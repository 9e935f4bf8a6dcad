// The commands' actions and the popup menu, and the keyboard routing of the edits.
#include "app/FindBar.h"
#include "app/MainWindow.h"
#include "app/Panels.h"
#include "editor/SchemeClip.h"

#include <QAction>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

void MainWindow::buildActions()
{
    m_commands = std::make_unique<CommandActions>(this, [this](const CommandRow &row) { runCommand(row); });
}

void MainWindow::runCommand(const CommandRow &row)
{
    guard([this, &row] {
        if (row.latch == Latch::ClearedBefore)
            m_menuPopped = false;
        row.run(*this);
        if (row.latch == Latch::ClearedAfter)
            m_menuPopped = false;
    });
}

void MainWindow::buildMenu()
{
    m_ui.popupMenu = m_commands->buildMenu();
    // However the menu closes, the Menu button opens it again with its next click (a press on the
    // button that closes the menu never arrives at the button: see MenuButtonPress).
    connect(m_ui.popupMenu, &QMenu::aboutToHide, this, [this] { m_menuPopped = false; });
    // Open Recent follows Open.
    m_ui.recentMenu = new QMenu(tr("Open Recent"), m_ui.popupMenu);
    m_ui.recentMenu->setObjectName(QStringLiteral("recentMenu"));
    m_ui.popupMenu->insertMenu(m_commands->item(Command::Save), m_ui.recentMenu);
    m_documents.recentFiles().setChangeHandler([this] { fillRecentMenu(); });
    fillRecentMenu();
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
    return keys == m_commands->action(Command::Copy)->shortcut() ||
           keys == m_commands->action(Command::Cut)->shortcut();
}

bool MainWindow::fieldTakesClipboardKey(QObject *watched, const QKeySequence &keys) const
{
    if (watched != m_ui.captionEdit && watched != m_ui.xEdit && watched != m_ui.yEdit)
        return false;
    const auto *edit = static_cast<const QLineEdit *>(watched);
    // The caption's text that a click on an element selected is not the user's selection.
    if (keys == m_commands->action(Command::Copy)->shortcut() ||
        keys == m_commands->action(Command::Cut)->shortcut())
        return edit->hasSelectedText() && !(edit == m_ui.captionEdit && m_captionSelectedByProgram);
    if (keys == m_commands->action(Command::Paste)->shortcut())
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
    const bool undo = m_commands->action(Command::Undo)->shortcuts().contains(keys);
    const bool redo = m_commands->action(Command::Redo)->shortcuts().contains(keys);
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
    // What the user does in the caption box makes its selection theirs.
    if ((event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress) &&
        watched == m_ui.captionEdit && !copyOrCut(static_cast<QKeyEvent *>(event), event->type()))
        m_captionSelectedByProgram = false;
    if (event->type() == QEvent::KeyPress) {
        auto *ke = static_cast<QKeyEvent *>(event);
        const QKeySequence keys(ke->keyCombination().toCombined() & ~int(Qt::KeypadModifier));
        if (QLineEdit *edit = typingEdit(watched, keys)) {
            if (m_commands->action(Command::Undo)->shortcuts().contains(keys))
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
