#include "toolkit/DiskStamp.h"

#include <QFile>
#include <QFileInfo>
#include <QHashFunctions>

namespace {

// A fast hash for telling one version of a file from another within this process.
size_t hashOf(QByteArrayView bytes)
{
    return qHashBits(bytes.data(), size_t(bytes.size()), 0);
}

} // namespace

DiskStamp::DiskStamp(const QString &path, const QByteArray &bytes, qint64 size, const QDateTime &modified)
    : m_path(path), m_size(size), m_modified(modified), m_hash(hashOf(bytes))
{
    // The bytes read are what counts: a file that grew or shrank while being read is changed.
    if (size != bytes.size())
        m_size = -1;
}

DiskStamp DiskStamp::afterWrite(const QString &path, const QByteArray &bytes)
{
    const QFileInfo info(path);
    return DiskStamp(path, bytes, info.size(), info.lastModified());
}

DiskStamp::State DiskStamp::check(bool thorough)
{
    if (isNull())
        return State::Same;
    const QFileInfo info(m_path);
    if (!info.exists())
        return State::Gone;
    if (!info.isFile() || info.size() != m_size)
        return State::Changed;
    if (!thorough && info.lastModified() == m_modified)
        return State::Same;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return State::Changed;
    const QByteArray bytes = file.readAll();
    if (bytes.size() != m_size || hashOf(bytes) != m_hash)
        return State::Changed;
    m_modified = info.lastModified();
    return State::Same;
}

DiskStamp DiskStamp::now() const
{
    DiskStamp stamp = *this;
    const QFileInfo info(m_path);
    stamp.m_size = info.exists() ? info.size() : -1;
    stamp.m_modified = info.lastModified();
    return stamp;
}
