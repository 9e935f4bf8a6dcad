#pragma once

#include "app/CommandTable.h"

#include <QHash>
#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <optional>

class QAction;
class QMenu;
class QWidget;

// The actions and popup menu items of the command table, with the state the window keeps for
// them: the check marks (Qt ties checking to automatic toggling) and the items' enabled states.
// A menu item is an action of its own: its text shows the action's first key, it follows the
// action's enabled state, and choosing it runs the action after the menu call has returned.
class CommandActions : public QObject {
public:
    // Makes every command's action, with its keys, as an action of `window`; choosing one calls
    // `run` with its row.
    CommandActions(QWidget *window, std::function<void(const CommandRow &)> run);

    // Makes the popup menu (a child of the window) with the items of the rows in a menu, in the
    // table's order.
    QMenu *buildMenu();

    QAction *action(Command id) const { return m_entries[size_t(id)].action; }
    // Null for a command without a menu item.
    QAction *item(Command id) const { return m_entries[size_t(id)].item; }
    QMenu *submenu(Menu id) const;

    // The state of an action, a menu item or a group (actionCtl, itemCtl, Ctl::AlignActions...).
    void setEnabled(Ctl control, bool enabled);
    bool isEnabled(Ctl control) const;
    void setVisible(Ctl control, bool visible);
    bool isVisible(Ctl control) const;
    void setChecked(Ctl control, bool checked);
    bool isChecked(Ctl control) const;

private:
    struct Entry {
        QAction *action = nullptr;
        QAction *item = nullptr;
        QString itemText;            // the item's own text, else empty
        bool itemFollowed = false;   // the action's enabled state the item last followed
        std::optional<bool> checked; // the action's check mark, once it has one
    };
    QAction *makeItem(const CommandRow &row, QMenu *menu);
    void syncItem(Entry &entry);
    // The action or menu item `control` names, or null.
    QAction *actionOf(Ctl control) const;
    Entry *actionEntry(Ctl control);

    QWidget *m_window;
    std::array<Entry, kCommandCount> m_entries;
    QHash<Menu, QMenu *> m_menus; // the popup menu and its submenus
};
