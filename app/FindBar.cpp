#include "app/FindBar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

FindBar::FindBar(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("findBar"));
    setAutoFillBackground(true);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(3, 2, 3, 2);
    layout->setSpacing(4);
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("findEdit"));
    m_edit->setPlaceholderText(tr("Find"));
    m_edit->setMinimumWidth(180);
    m_edit->installEventFilter(this);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("findStatus"));
    m_status->setMinimumWidth(70);
    m_close = new QToolButton(this);
    m_close->setText(QStringLiteral("\u00D7"));
    m_close->setToolTip(tr("Close (Esc)"));
    m_close->setAccessibleName(tr("Close"));
    m_status->setAccessibleName(tr("Matches"));
    m_close->setAutoRaise(true);
    layout->addWidget(m_edit);
    layout->addWidget(m_status);
    layout->addWidget(m_close);
    connect(m_edit, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (onTextChanged)
            onTextChanged(text);
    });
    connect(m_close, &QToolButton::clicked, this, [this] { close(); });
    adjustSize();
    hide();
}

void FindBar::showCount(int current, int count)
{
    if (m_edit->text().isEmpty())
        m_status->clear();
    else if (count == 0)
        m_status->setText(tr("No match"));
    else
        m_status->setText(tr("%1 of %2").arg(current + 1).arg(count));
}

void FindBar::open()
{
    if (isHidden()) {
        m_focusBefore = window()->focusWidget();
        show();
        raise();
    }
    m_edit->setFocus(Qt::ShortcutFocusReason);
    m_edit->selectAll();
}

void FindBar::close()
{
    hide();
    if (m_focusBefore && m_focusBefore != m_edit)
        m_focusBefore->setFocus(Qt::OtherFocusReason);
    m_focusBefore = nullptr;
}

bool FindBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Escape) {
            close();
            return true;
        }
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && onStep) {
            onStep(!(key->modifiers() & Qt::ShiftModifier));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
