#pragma once

#include "editor/RecoveryStore.h"

#include <QThreadPool>
#include <QTimer>

#include <atomic>
#include <functional>
#include <memory>

class Document;

// Keeps a recovery copy of the unsaved scheme. At the end of each command the editor calls
// sync(): a change to a modified scheme is written at most kDelayMs later; a scheme that is no
// longer modified (saved, opened, new) has its copy removed. The window's thread only copies the
// tables (shared strings); the bytes are made and written on a worker thread, one job after
// another. The first write that fails is reported to the failure handler; then writes are
// retried quietly, after the next change and every kRetryMs while the scheme stays modified.
class Autosaver {
public:
    // A change reaches the disk within 2 s: the delay plus the write (well under 0.5 s at
    // 100,000 elements).
    static constexpr int kDelayMs = 1500;
    static constexpr int kRetryMs = 10000;

    Autosaver(const Document &doc, const QString &folder);
    // Waits for the running jobs; the recovery file stays (closeNormally removes it).
    ~Autosaver();

    void sync();
    // Called on the window's thread, once, when a copy cannot be written, with the reason.
    void setFailureHandler(std::function<void(const QString &reason)> handler)
    {
        m_onFailure = std::move(handler);
    }
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
    // On the window's thread after a write failed.
    void writeFailed(const QString &reason);

    const Document &m_doc;
    std::shared_ptr<Shared> m_shared;
    QThreadPool m_pool;
    QTimer m_timer;
    QTimer m_retry;
    std::function<void(const QString &)> m_onFailure;
    bool m_failureReported = false;
    quint64 m_seenRevision = 0;
    bool m_onDisk = false; // a copy was written or queued since the last removal
};
