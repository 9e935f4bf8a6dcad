#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <memory>
#include <vector>

class QLockFile;
struct RecoveredFile;

// Recovery files: a copy of the unsaved scheme of each running editor in one folder.
//
//   <id>.grvlk   the scheme, exactly as Save writes it
//   <id>.meta    "path=" the scheme's file (empty for a new scheme), "time=" when written (UTC),
//                "size=" the scheme file's length
//   <id>.lock    the lock of the editor that writes them
//
// A file whose lock is held belongs to a running editor; one whose lock is free or stale (its
// owner died) is left over from a crash and may be recovered.

// The recovery folder in the user's data folder.
QString defaultRecoveryFolder();

// One editor's recovery file. Not thread-safe: one thread at a time.
class RecoveryStore {
public:
    explicit RecoveryStore(const QString &folder);
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore &) = delete;
    RecoveryStore &operator=(const RecoveryStore &) = delete;

    const QString &folder() const { return m_folder; }
    // The scheme file's path, or empty while the store holds no lock.
    QString schemePath() const;

    // Takes the lock (first time) and writes the scheme bytes and what they belong to, each
    // file replaced in one piece. Throws AppError when it cannot.
    void write(const QByteArray &scheme, const QString &originalPath, const QDateTime &time);
    // Deletes the files and releases the lock.
    void remove();

    // Continues a recovered file of a dead editor as this editor's own (its lock moves here).
    void adopt(RecoveredFile &&file);

private:
    QString m_folder;
    QString m_id;
    std::unique_ptr<QLockFile> m_lock;
};

// A recovery file left by an editor that is no longer running; its lock is held while the
// object lives, so no other editor offers it meanwhile (in a folder that cannot be written, no
// lock can be held: the file is read and offered all the same).
struct RecoveredFile {
    QString id;
    QString schemePath;
    QString originalPath; // empty: a new scheme
    QDateTime time;       // when it was written (UTC)
    qint64 size = -1;     // as the meta file gives it
    bool metaRead = false;
    std::unique_ptr<QLockFile> lock;

    RecoveredFile();
    RecoveredFile(RecoveredFile &&) noexcept;
    RecoveredFile &operator=(RecoveredFile &&) noexcept;
    ~RecoveredFile();

    // Whether the meta file was read and the scheme file has the length it gives.
    bool intact() const;
    // Deletes the files and releases the lock.
    void discard();
    // Renames the scheme (and its meta) with ".broken" and releases the lock; returns the new
    // scheme path.
    QString setAside();
};

// The recovery files of editors no longer running, newest first. Locks and meta files left
// without a scheme file are cleaned up on the way (where the folder can be written).
std::vector<RecoveredFile> findRecoveryFiles(const QString &folder);
