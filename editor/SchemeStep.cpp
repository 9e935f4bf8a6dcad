#include "editor/SchemeStep.h"

#include <utility>

SchemeStep::SchemeStep(const QString &name, ChangeList changes, Apply apply)
    : QUndoCommand(name), m_changes(std::move(changes)), m_apply(std::move(apply))
{
    for (const SchemeChange &c : m_changes)
        m_bytes += c.bytes();
}

void SchemeStep::undo()
{
    m_apply(m_changes, false);
    m_applied = false;
}

void SchemeStep::redo()
{
    if (m_applied)
        return;
    m_apply(m_changes, true);
    m_applied = true;
}
