#include "editor/History.h"

#include <utility>

void History::push(const QString &name, ChangeRecord &&changes)
{
    while (count() > m_index) {
        m_bytes -= m_steps.back().bytes();
        m_steps.pop_back();
    }
    if (m_clean > m_index)
        m_clean = -1; // the saved state was among the steps undone
    changes.shrink();
    m_steps.push_back({name, std::move(changes)});
    m_bytes += m_steps.back().bytes();
    ++m_index;
    while (count() > 1 && (count() > kSteps || m_bytes > kBytes))
        dropOldest();
}

void History::dropOldest()
{
    m_bytes -= m_steps.front().bytes();
    m_steps.pop_front();
    --m_index;
    m_clean = m_clean > 0 ? m_clean - 1 : -1;
}

const ChangeRecord *History::undoStep()
{
    return canUndo() ? &m_steps[size_t(--m_index)].changes : nullptr;
}

const ChangeRecord *History::redoStep()
{
    return canRedo() ? &m_steps[size_t(m_index++)].changes : nullptr;
}

void History::clear()
{
    m_steps.clear();
    m_index = 0;
    m_clean = 0;
    m_bytes = 0;
}
