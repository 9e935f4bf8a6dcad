#include "editor/Autosaver.h"

#include "editor/Document.h"
#include "model/SchemeFile.h"
#include "toolkit/Errors.h"

Autosaver::Autosaver(const Document &doc, const QString &folder)
    : m_doc(doc), m_shared(std::make_shared<Shared>(folder))
{
    // One worker: jobs run in the order queued, so an older copy never replaces a newer one.
    m_pool.setMaxThreadCount(1);
    m_timer.setSingleShot(true);
    m_timer.setInterval(kDelayMs);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { writeNow(); });
    m_retry.setSingleShot(true);
    m_retry.setInterval(kRetryMs);
    QObject::connect(&m_retry, &QTimer::timeout, [this] {
        if (m_doc.modified())
            writeNow();
    });
    m_seenRevision = doc.revision();
}

Autosaver::~Autosaver()
{
    m_timer.stop();
    m_retry.stop();
    m_pool.waitForDone();
}

void Autosaver::sync()
{
    if (!m_doc.modified()) {
        m_timer.stop();
        m_retry.stop();
        m_seenRevision = m_doc.revision();
        if (m_onDisk)
            queueRemove();
        return;
    }
    if (m_doc.revision() == m_seenRevision)
        return;
    m_seenRevision = m_doc.revision();
    // Not restarted by later changes: no change waits longer than the delay.
    if (!m_timer.isActive())
        m_timer.start();
}

void Autosaver::writeNow()
{
    m_timer.stop();
    const quint64 job = ++m_shared->newestJob;
    m_onDisk = true;
    // Copies of the shared strings; the worker makes the bytes. The failure goes back to this
    // thread through the timer, which outlives every job (the destructor waits for them).
    auto run = [this, shared = m_shared, job, tables = m_doc.tables(), width = m_doc.sheet().width(),
                height = m_doc.sheet().height(), locked = m_doc.locked(), path = m_doc.fileName()] {
        if (shared->newestJob != job)
            return; // a newer write or a removal is queued
        try {
            shared->store.write(schemeBytes(width, height, tables, locked), path,
                                QDateTime::currentDateTimeUtc());
            shared->failed = false;
        } catch (const AppError &error) {
            shared->failed = true;
            QMetaObject::invokeMethod(
                &m_timer, [this, reason = error.message()] { writeFailed(reason); }, Qt::QueuedConnection);
        }
    };
    m_pool.start(std::move(run));
}

void Autosaver::writeFailed(const QString &reason)
{
    if (!m_doc.modified() || !m_shared->failed)
        return; // saved meanwhile, or a later write succeeded
    m_retry.start();
    if (!m_failureReported && m_onFailure) {
        m_failureReported = true;
        m_onFailure(reason);
    }
}

void Autosaver::queueRemove()
{
    ++m_shared->newestJob;
    m_onDisk = false;
    m_pool.start([shared = m_shared] { shared->store.remove(); });
}

void Autosaver::closeNormally()
{
    m_timer.stop();
    m_retry.stop();
    queueRemove();
    m_pool.waitForDone();
}

void Autosaver::adopt(RecoveredFile &&file)
{
    m_pool.waitForDone();
    m_shared->store.adopt(std::move(file));
    m_seenRevision = m_doc.revision();
    m_onDisk = true;
}

void Autosaver::waitForJobs()
{
    m_pool.waitForDone();
}

QString Autosaver::schemePath()
{
    m_pool.waitForDone();
    return m_shared->store.schemePath();
}
