#pragma once

#include "editor/RecoveryStore.h"

#include <QThreadPool>
#include <QTimer>

#include <atomic>
#include <memory>

class Document;

// Keeps a recovery copy of the unsaved scheme. At the end of each command the editor calls
// sync(): a change to a modified scheme is written at most kDelayMs later; a scheme that is no
// longer modified (saved, opened, new) has its copy removed. The window's thread only copies the
// tables (shared strings); the bytes are made and written on a worker thread, one job after
// another. A write that fails is dropped quietly and made again after the next change.
class Autosaver {
public:
    // A change reaches the disk within 2 s: the delay plus the write (well under 0.5 s at
    // 100,000 elements).
    static constexpr int kDelayMs = 1500;

    Autosaver(const Document &doc, const QString &folder);
    // Waits for the running jobs; the recovery file stays (closeNormally removes it).
    ~Autosaver();

    void sync();
    // The window closes normally: the copy is removed.
    void closeNormally();
    // Takes over a recovered file as this editor's copy of the scheme now shown.
    void adopt(RecoveredFile &&file);
    // Writes the scheme's copy at once (without waiting for the delay).
    void writeNow();
    // Waits until the queued jobs have run.
    void waitForJobs();

    // The recovery file, empty while there is none.
    QString schemePath();
    // Whether the last write failed.
    bool lastWriteFailed() const { return m_shared->failed; }

private:
    struct Shared {
        explicit Shared(const QString &folder) : store(folder) {}
        RecoveryStore store;
        std::atomic<quint64> newestJob{0};
        std::atomic<bool> failed{false};
    };

    void queueRemove();

    const Document &m_doc;
    std::shared_ptr<Shared> m_shared;
    QThreadPool m_pool;
    QTimer m_timer;
    quint64 m_seenRevision = 0;
    bool m_onDisk = false; // a copy was written or queued since the last removal
};
