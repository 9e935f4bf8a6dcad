#pragma once

#include "model/ChangeRecord.h"

#include <QString>

#include <deque>

// The undo steps of a scheme, oldest first, with the place between the steps done and those
// undone and the place of the state last saved. Pushing a step drops the undone ones. It keeps
// at most kSteps steps and kBytes bytes: past either, the oldest steps go (the newest one stays,
// however large).
class History {
public:
    static constexpr int kSteps = 1000;
    static constexpr qint64 kBytes = qint64(16) << 20;

    // A step of those changes, done already.
    void push(const QString &name, ChangeRecord &&changes);
    // Steps back over the last step done and returns its changes to take back; nullptr when
    // there is none. redoStep() likewise steps over the next step to make again.
    const ChangeRecord *undoStep();
    const ChangeRecord *redoStep();
    void clear();

    bool canUndo() const { return m_index > 0; }
    bool canRedo() const { return m_index < count(); }
    QString undoText() const { return canUndo() ? m_steps[size_t(m_index - 1)].name : QString(); }
    QString redoText() const { return canRedo() ? m_steps[size_t(m_index)].name : QString(); }
    int count() const { return int(m_steps.size()); }
    // Steps done: the next undo takes back step index() - 1.
    int index() const { return m_index; }
    const ChangeRecord &changes(int step) const { return m_steps.at(size_t(step)).changes; }

    // Whether the place is the saved one; setClean() makes it so, resetClean() makes no place so.
    bool isClean() const { return m_clean == m_index; }
    void setClean() { m_clean = m_index; }
    void resetClean() { m_clean = -1; }

    // Bytes the steps hold.
    qint64 bytes() const { return m_bytes; }

private:
    struct Step {
        QString name;
        ChangeRecord changes;
        qint64 bytes() const { return qint64(sizeof(Step)) + name.size() * 2 + changes.bytes(); }
    };
    void dropOldest();

    std::deque<Step> m_steps;
    int m_index = 0;
    int m_clean = 0;
    qint64 m_bytes = 0;
};
