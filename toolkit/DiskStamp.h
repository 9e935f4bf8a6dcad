#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// What a file held when it was last read or written: its size, modification time and a hash of
// its bytes. Telling later whether another program changed it compares the size and time first
// and reads the bytes only when those differ (or when asked to be thorough), so touching a file
// without changing its bytes is no change.
class DiskStamp {
public:
    enum class State { Same, Changed, Gone };

    DiskStamp() = default;
    // The stamp of `path` holding `bytes`, with the size and time the file had just before it
    // was read (a change while reading then shows as a newer time).
    DiskStamp(const QString &path, const QByteArray &bytes, qint64 size, const QDateTime &modified);
    // The stamp of `path` as it is now, just after `bytes` were written there.
    static DiskStamp afterWrite(const QString &path, const QByteArray &bytes);

    bool isNull() const { return m_path.isEmpty(); }
    const QString &path() const { return m_path; }
    // Whether the file on disk still holds what the stamp says. Thorough compares the bytes
    // whenever the size is the same; otherwise only when the time differs. A file found touched
    // but with the same bytes keeps counting as the same, with its new time.
    State check(bool thorough = false);
    // The size and time the file has now, with the stamp's hash: a change seen and answered is
    // remembered as this, so that it is not reported again.
    DiskStamp now() const;
    bool sameTimeAndSize(const DiskStamp &other) const
    {
        return m_size == other.m_size && m_modified == other.m_modified;
    }

private:
    QString m_path;
    qint64 m_size = -1;
    QDateTime m_modified;
    size_t m_hash = 0;
};
