#pragma once

#include <QObject>

class QMenu;
class QWidget;

// Watches a popup menu, while it is open, for the press on the button that opened it. Such a
// press closes the menu and goes no further: the window system delivers it to the menu (X11
// never passes it on to the button), and where the toolkit would replay it to the button it is
// kept from doing so, so the button sees the same on every platform.
class MenuButtonPress : public QObject {
public:
    MenuButtonPress(QMenu *menu, QWidget *button);
    ~MenuButtonPress() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QMenu *m_menu;
    QWidget *m_button;
};
