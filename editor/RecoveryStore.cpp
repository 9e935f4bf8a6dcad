#include "editor/RecoveryStore.h"

#include "toolkit/Errors.h"
#include "toolkit/FileWrite.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QSysInfo>

#include <algorithm>

#include <signal.h>

#include <cerrno>

namespace {

const QString kScheme = QStringLiteral(".grvlk");
const QString kMeta = QStringLiteral(".meta");
const QString kLock = QStringLiteral(".lock");
const QString kBroken = QStringLiteral(".broken");

QString pathOf(const QString &folder, const QString &id, const QString &suffix)
{
    return folder + QLatin1Char('/') + id + suffix;
}

// A lock that counts as stale only when its owner process is gone.
std::unique_ptr<QLockFile> tryLock(const QString &path)
{
    auto lock = std::make_unique<QLockFile>(path);
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return nullptr;
    return lock;
}

// In a folder that cannot be written no lock can be taken: a recovery file there is free unless
// its lock names a process of this machine that still runs.
bool freeInReadOnlyFolder(const QString &lockPath)
{
    QLockFile lock(lockPath);
    qint64 pid = 0;
    QString host, app;
    if (!QFileInfo::exists(lockPath) || !lock.getLockInfo(&pid, &host, &app))
        return true;
    if (!host.isEmpty() && host != QSysInfo::machineHostName())
        return false; // another machine's editor may still run
    return pid <= 0 || (::kill(pid_t(pid), 0) != 0 && errno == ESRCH);
}

QByteArray metaBytes(const QString &originalPath, const QDateTime &time, qint64 size)
{
    return QStringLiteral("path=%1\ntime=%2\nsize=%3\n")
        .arg(originalPath, time.toUTC().toString(Qt::ISODateWithMs))
        .arg(size)
        .toUtf8();
}

// Reads a meta file into the entry; false when it is missing or unreadable.
bool readMeta(const QString &path, RecoveredFile &file)
{
    QFile meta(path);
    if (!meta.open(QIODevice::ReadOnly))
        return false;
    bool havePath = false;
    const QList<QByteArray> lines = meta.readAll().split('\n');
    for (const QByteArray &line : lines) {
        const QString text = QString::fromUtf8(line);
        if (text.startsWith(QStringLiteral("path="))) {
            file.originalPath = text.mid(5);
            havePath = true;
        } else if (text.startsWith(QStringLiteral("time="))) {
            file.time = QDateTime::fromString(text.mid(5), Qt::ISODateWithMs);
        } else if (text.startsWith(QStringLiteral("size="))) {
            bool ok = false;
            file.size = text.mid(5).toLongLong(&ok);
            if (!ok)
                file.size = -1;
        }
    }
    return havePath && file.time.isValid() && file.size >= 0;
}

std::vector<RecoveredFile> sortedNewestFirst(std::vector<RecoveredFile> found)
{
    std::stable_sort(found.begin(), found.end(),
                     [](const RecoveredFile &a, const RecoveredFile &b) { return a.time > b.time; });
    return found;
}

} // namespace

QString defaultRecoveryFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/recovery");
}

RecoveryStore::RecoveryStore(const QString &folder) : m_folder(folder)
{}

RecoveryStore::~RecoveryStore() = default;

QString RecoveryStore::schemePath() const
{
    return m_lock ? pathOf(m_folder, m_id, kScheme) : QString();
}

void RecoveryStore::write(const QByteArray &scheme, const QString &originalPath, const QDateTime &time)
{
    if (!QDir().mkpath(m_folder))
        throw AppError(QCoreApplication::translate("RecoveryStore", "Cannot create the folder \"%1\".")
                           .arg(QDir::toNativeSeparators(m_folder)));
    for (int attempt = 0; !m_lock; ++attempt) {
        m_id = QStringLiteral("%1-%2")
                   .arg(QCoreApplication::applicationPid())
                   .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        auto lock = std::make_unique<QLockFile>(pathOf(m_folder, m_id, kLock));
        lock->setStaleLockTime(0);
        if (lock->tryLock(0))
            m_lock = std::move(lock);
        else if (lock->error() != QLockFile::LockFailedError || attempt == 3)
            throw AppError(
                QCoreApplication::translate("RecoveryStore", "Cannot lock a recovery file in \"%1\".")
                    .arg(QDir::toNativeSeparators(m_folder)));
    }
    // The meta first: a scheme file never lacks one.
    writeFileSafely(pathOf(m_folder, m_id, kMeta), metaBytes(originalPath, time, scheme.size()));
    writeFileSafely(pathOf(m_folder, m_id, kScheme), scheme);
}

void RecoveryStore::remove()
{
    if (!m_lock)
        return;
    QFile::remove(pathOf(m_folder, m_id, kScheme));
    QFile::remove(pathOf(m_folder, m_id, kMeta));
    m_lock.reset();
    m_id.clear();
}

void RecoveryStore::adopt(RecoveredFile &&file)
{
    remove();
    m_folder = QFileInfo(file.schemePath).absolutePath();
    m_id = file.id;
    m_lock = std::move(file.lock);
    file.schemePath.clear();
}

RecoveredFile::RecoveredFile() = default;
RecoveredFile::RecoveredFile(RecoveredFile &&) noexcept = default;
RecoveredFile &RecoveredFile::operator=(RecoveredFile &&) noexcept = default;
RecoveredFile::~RecoveredFile() = default;

bool RecoveredFile::intact() const
{
    return metaRead && QFileInfo(schemePath).size() == size;
}

void RecoveredFile::discard()
{
    if (schemePath.isEmpty())
        return;
    const QString folder = QFileInfo(schemePath).absolutePath();
    QFile::remove(schemePath);
    QFile::remove(pathOf(folder, id, kMeta));
    lock.reset();
    schemePath.clear();
}

QString RecoveredFile::setAside()
{
    const QString folder = QFileInfo(schemePath).absolutePath();
    const QString broken = schemePath + kBroken;
    QFile::remove(broken);
    QFile::rename(schemePath, broken);
    const QString meta = pathOf(folder, id, kMeta);
    if (QFile::exists(meta)) {
        QFile::remove(meta + kBroken);
        QFile::rename(meta, meta + kBroken);
    }
    lock.reset();
    return broken;
}

std::vector<RecoveredFile> findRecoveryFiles(const QString &folder)
{
    std::vector<RecoveredFile> found;
    const QDir dir(folder);
    const bool readOnly = !QFileInfo(folder).isWritable();
    const QFileInfoList schemes = dir.entryInfoList({QLatin1Char('*') + kScheme}, QDir::Files);
    for (const QFileInfo &info : schemes) {
        const QString id = info.fileName().chopped(kScheme.size());
        std::unique_ptr<QLockFile> lock = tryLock(pathOf(folder, id, kLock));
        if (!lock && !(readOnly && freeInReadOnlyFolder(pathOf(folder, id, kLock))))
            continue; // a running editor's, or not ours to take
        RecoveredFile file;
        file.id = id;
        file.schemePath = info.absoluteFilePath();
        file.metaRead = readMeta(pathOf(folder, id, kMeta), file);
        if (!file.time.isValid())
            file.time = info.lastModified().toUTC();
        file.lock = std::move(lock);
        found.push_back(std::move(file));
    }
    // Locks and meta files of editors that died before writing a scheme file.
    if (readOnly)
        return sortedNewestFirst(std::move(found));
    const QFileInfoList leftovers =
        dir.entryInfoList({QLatin1Char('*') + kLock, QLatin1Char('*') + kMeta}, QDir::Files);
    for (const QFileInfo &info : leftovers) {
        const QString id = info.completeBaseName();
        if (QFileInfo::exists(pathOf(folder, id, kScheme)))
            continue;
        if (std::unique_ptr<QLockFile> lock = tryLock(pathOf(folder, id, kLock)))
            QFile::remove(pathOf(folder, id, kMeta));
    }
    return sortedNewestFirst(std::move(found));
}
