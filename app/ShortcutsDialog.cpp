#include "app/ShortcutsDialog.h"

#include "app/CommandTable.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHash>
#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <utility>

namespace {

QTreeWidgetItem *addRow(QTreeWidgetItem *parent, const QString &what, const QString &how)
{
    return new QTreeWidgetItem(parent, {what, how});
}

QString keysText(const CommandRow &row)
{
    QStringList keys;
    for (const QKeySequence &key : commandKeys(row))
        keys << key.toString(QKeySequence::NativeText);
    return keys.join(QStringLiteral(", "));
}

// The text its menu item shows, or the action's for a command without one.
QString shownText(const CommandRow &row)
{
    return row.menu != Menu::None && row.menuText ? QCoreApplication::translate("MainWindow", row.menuText)
                                                  : commandText(row);
}

} // namespace

ShortcutsDialog::ShortcutsDialog(QWidget *parent) : QDialog(parent), m_list(new QTreeWidget(this))
{
    setObjectName(QStringLiteral("shortcutsDialog"));
    setWindowTitle(tr("Keyboard Shortcuts"));
    m_list->setObjectName(QStringLiteral("shortcutsList"));
    m_list->setHeaderLabels({tr("Command"), tr("Keys")});
    m_list->setRootIsDecorated(false);
    m_list->setItemsExpandable(false);
    m_list->setSelectionMode(QAbstractItemView::NoSelection);

    auto *menu = addRow(m_list->invisibleRootItem(), tr("Menu"), QString());
    auto *keysOnly = addRow(m_list->invisibleRootItem(), tr("Other keys"), QString());
    QHash<Menu, QTreeWidgetItem *> sections{{Menu::None, keysOnly}, {Menu::Popup, menu}};
    for (const CommandRow &row : commandTable()) {
        QTreeWidgetItem *&section = sections[row.menu];
        if (!section) {
            // A submenu stands where its first command would.
            for (const SubmenuRow &sub : submenuTable())
                if (sub.id == row.menu)
                    section = addRow(menu, QCoreApplication::translate("MainWindow", sub.text), QString());
        }
        addRow(section, shownText(row), keysText(row));
    }

    const std::pair<const char *, const char *> gestures[] = {
        {QT_TR_NOOP("Place a rectangle"), QT_TR_NOOP("Right click, then click")},
        {QT_TR_NOOP("Place a point"), QT_TR_NOOP("Middle button, then click")},
        {QT_TR_NOOP("Select an element"), QT_TR_NOOP("Click")},
        {QT_TR_NOOP("Join two elements with a line"), QT_TR_NOOP("Double click one, then click the other")},
        {QT_TR_NOOP("Add an element to the multi-selection"), QT_TR_NOOP("Shift+Click")},
        {QT_TR_NOOP("Move the selected element"), QT_TR_NOOP("Drag")},
        {QT_TR_NOOP("Move the multi-selection"), QT_TR_NOOP("Shift+Drag")},
        {QT_TR_NOOP("Select the elements inside a box"), QT_TR_NOOP("Ctrl+Drag from empty sheet")},
        {QT_TR_NOOP("Add the elements inside a box"), QT_TR_NOOP("Ctrl+Shift+Drag from empty sheet")},
        {QT_TR_NOOP("Place freely while Snap to Grid is on"), QT_TR_NOOP("Hold Alt while dragging")},
        {QT_TR_NOOP("Scroll the sheet"), QT_TR_NOOP("Drag on empty sheet; Wheel, Shift+Wheel")},
        {QT_TR_NOOP("Zoom about the pointer"), QT_TR_NOOP("Ctrl+Wheel")},
    };
    auto *mouse = addRow(m_list->invisibleRootItem(), tr("Mouse on the sheet"), QString());
    for (const auto &[what, how] : gestures)
        addRow(mouse, tr(what), tr(how));

    for (QTreeWidgetItem *section : {menu, keysOnly, mouse}) {
        QFont bold = section->font(0);
        bold.setBold(true);
        section->setFont(0, bold);
        section->setFirstColumnSpanned(true);
    }
    m_list->expandAll();
    m_list->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    resize(520, 520);
}
