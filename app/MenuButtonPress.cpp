#include "app/MenuButtonPress.h"

#include <QMenu>
#include <QMouseEvent>

MenuButtonPress::MenuButtonPress(QMenu *menu, QWidget *button) : m_menu(menu), m_button(button)
{
    m_menu->setAttribute(Qt::WA_NoMouseReplay, false);
    m_menu->installEventFilter(this);
}

MenuButtonPress::~MenuButtonPress()
{
    m_menu->removeEventFilter(this);
    m_menu->setAttribute(Qt::WA_NoMouseReplay, false);
}

bool MenuButtonPress::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_menu &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)) {
        const auto *press = static_cast<QMouseEvent *>(event);
        const QRect button(m_button->mapToGlobal(QPoint(0, 0)), m_button->size());
        if (!m_menu->rect().contains(press->position().toPoint()) &&
            button.contains(press->globalPosition().toPoint()))
            m_menu->setAttribute(Qt::WA_NoMouseReplay);
    }
    return QObject::eventFilter(watched, event);
}
