#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;
class QToolButton;

// Find: a small bar over the drawing area's top-left corner with the text to find, where the
// search stands ("3 of 17", "No match") and a close button. Typing searches at once; Enter goes
// to the next match and Shift+Enter to the previous; Esc closes the bar.
class FindBar : public QWidget {
    Q_OBJECT
public:
    explicit FindBar(QWidget *parent);

    QLineEdit *edit() const { return m_edit; }
    QLabel *status() const { return m_status; }
    // Shows where the search stands: match `current` (from 0, -1 none) of `count`.
    void showCount(int current, int count);
    // Shows the bar with its text selected, remembering where the focus was.
    void open();
    // Hides it and gives the focus back.
    void close();

    std::function<void(const QString &)> onTextChanged;
    std::function<void(bool forward)> onStep;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *m_edit;
    QLabel *m_status;
    QToolButton *m_close;
    QPointer<QWidget> m_focusBefore;
};
