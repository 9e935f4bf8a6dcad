#include "app/CommandActions.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QWidget>

namespace {

// The command whose id `control` is when counted from `first` (Ctl::FirstAction or FirstItem).
std::optional<size_t> commandIndex(Ctl control, Ctl first)
{
    const int index = int(control) - int(first);
    if (index < 0 || index >= kCommandCount)
        return std::nullopt;
    return size_t(index);
}

} // namespace

CommandActions::CommandActions(QWidget *window, std::function<void(const CommandRow &)> run)
    : m_window(window)
{
    for (const CommandRow &row : commandTable()) {
        auto *a = new QAction(commandText(row), window);
        a->setObjectName(QString::fromLatin1(row.name));
        a->setShortcutContext(Qt::WindowShortcut);
        a->setShortcuts(commandKeys(row));
        a->setEnabled(row.enabledAtStart);
        window->addAction(a);
        connect(a, &QAction::triggered, this, [run, &row] { run(row); });
        Entry &entry = m_entries[size_t(row.id)];
        entry.action = a;
        if (row.check != Check::None)
            entry.checked = row.check == Check::On;
    }
}

QMenu *CommandActions::buildMenu()
{
    auto *popup = new QMenu(m_window);
    popup->setObjectName(QStringLiteral("popupMenu"));
    m_menus[Menu::Popup] = popup;
    for (const CommandRow &row : commandTable()) {
        if (row.menu == Menu::None)
            continue;
        QMenu *&menu = m_menus[row.menu];
        if (!menu) {
            // A submenu stands where its first item would.
            for (const SubmenuRow &sub : submenuTable())
                if (sub.id == row.menu) {
                    menu = popup->addMenu(QCoreApplication::translate("MainWindow", sub.text));
                    menu->setObjectName(QString::fromLatin1(sub.name));
                }
        }
        if (row.separatorBefore)
            menu->addSeparator();
        m_entries[size_t(row.id)].item = makeItem(row, menu);
    }
    return popup;
}

QMenu *CommandActions::submenu(Menu id) const
{
    return m_menus.value(id);
}

QAction *CommandActions::makeItem(const CommandRow &row, QMenu *menu)
{
    Entry &entry = m_entries[size_t(row.id)];
    QAction *action = entry.action;
    auto *item = new QAction(menu);
    QString name = QString::fromLatin1(row.name);
    if (name.endsWith(QLatin1String("Action")))
        name.chop(6);
    item->setObjectName(name + QLatin1String("Item"));
    if (row.glyph)
        item->setIcon(QIcon(glyphPixmap(*row.glyph)));
    if (row.menuText)
        entry.itemText = QCoreApplication::translate("MainWindow", row.menuText);
    entry.item = item;
    entry.itemFollowed = action->isEnabled();
    item->setEnabled(action->isEnabled());
    menu->addAction(item);
    syncItem(entry);
    connect(action, &QAction::changed, this, [this, &entry] { syncItem(entry); });
    // Qt toggles a checkable item by itself: put back the action's state at once.
    connect(item, &QAction::triggered, this, [this, &entry] { syncItem(entry); });
    // The chosen command runs after the menu call has returned, as a posted command would.
    connect(
        item, &QAction::triggered, this, [action] { action->trigger(); }, Qt::QueuedConnection);
    return item;
}

void CommandActions::syncItem(Entry &entry)
{
    QAction *item = entry.item;
    QAction *action = entry.action;
    if (!item)
        return;
    const QKeySequence keys = action->shortcut();
    QString text = entry.itemText.isEmpty() ? action->text() : entry.itemText;
    if (!keys.isEmpty())
        text += QLatin1Char('\t') + keys.toString(QKeySequence::NativeText);
    item->setText(text);
    // The item follows changes of the action's enabled state; it can also be switched on its
    // own in between.
    if (entry.itemFollowed != action->isEnabled()) {
        entry.itemFollowed = action->isEnabled();
        item->setEnabled(action->isEnabled());
    }
    if (entry.checked) {
        item->setCheckable(true);
        item->setChecked(*entry.checked);
    }
}

QAction *CommandActions::actionOf(Ctl control) const
{
    if (const auto index = commandIndex(control, Ctl::FirstAction))
        return m_entries[*index].action;
    if (const auto index = commandIndex(control, Ctl::FirstItem))
        return m_entries[*index].item;
    return nullptr;
}

CommandActions::Entry *CommandActions::actionEntry(Ctl control)
{
    const auto index = commandIndex(control, Ctl::FirstAction);
    return index ? &m_entries[*index] : nullptr;
}

void CommandActions::setEnabled(Ctl control, bool enabled)
{
    if (QAction *a = actionOf(control)) {
        a->setEnabled(enabled);
        return;
    }
    for (const CommandRow &row : commandTable())
        if (row.group == control)
            action(row.id)->setEnabled(enabled);
}

bool CommandActions::isEnabled(Ctl control) const
{
    if (QAction *a = actionOf(control))
        return a->isEnabled();
    bool any = false;
    for (const CommandRow &row : commandTable())
        if (row.group == control) {
            if (!action(row.id)->isEnabled())
                return false;
            any = true;
        }
    return any;
}

void CommandActions::setVisible(Ctl control, bool visible)
{
    if (QAction *a = actionOf(control))
        a->setVisible(visible);
}

bool CommandActions::isVisible(Ctl control) const
{
    QAction *a = actionOf(control);
    return a && a->isVisible();
}

void CommandActions::setChecked(Ctl control, bool checked)
{
    if (Entry *entry = actionEntry(control)) {
        entry->checked = checked;
        syncItem(*entry);
    } else if (QAction *item = actionOf(control)) {
        item->setCheckable(true);
        item->setChecked(checked);
    }
}

bool CommandActions::isChecked(Ctl control) const
{
    if (const auto index = commandIndex(control, Ctl::FirstAction))
        return m_entries[*index].checked.value_or(false);
    QAction *item = actionOf(control);
    return item && item->isChecked();
}
