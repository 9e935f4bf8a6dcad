#pragma once

#include "model/SchemeChange.h"

#include <QUndoCommand>

#include <functional>

// One undoable step: the changes one command made to the scheme. Undo takes them back in
// reverse order, redo makes them again; `apply` does that and brings the window up to date.
class SchemeStep : public QUndoCommand {
public:
    using Apply = std::function<void(const ChangeList &changes, bool forward)>;

    // The changes have already been made when the step is pushed: the stack's first redo
    // does nothing.
    SchemeStep(const QString &name, ChangeList changes, Apply apply);

    void undo() override;
    void redo() override;

    qint64 bytes() const { return m_bytes; }
    const ChangeList &changes() const { return m_changes; }

private:
    ChangeList m_changes;
    Apply m_apply;
    qint64 m_bytes = 0;
    bool m_applied = true;
};
