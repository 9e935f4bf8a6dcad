#pragma once

#include <QDialog>

class QTreeWidget;

// Help's list of keys, made from the command table: every command with its keys, the menu's in
// the menu's order (a submenu's under its name), then the commands that have keys only; last,
// what the mouse does on the sheet.
class ShortcutsDialog : public QDialog {
    Q_OBJECT
public:
    explicit ShortcutsDialog(QWidget *parent);

    // Two columns, what and how; one top-level item per section.
    QTreeWidget *list() const { return m_list; }

private:
    QTreeWidget *m_list;
};
