#include "toolkit/FileWrite.h"

#include "toolkit/Errors.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

[[noreturn]] void fail(const char *what, const QString &path, const QString &reason)
{
    throw AppError(QStringLiteral("Cannot %1 file \"%2\". %3").arg(QLatin1String(what), path, reason));
}

void writeAll(QIODevice &file, const QString &path, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            fail("write", path, file.errorString());
        done += n;
    }
}

void writeDurable(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    // Unbuffered, so that a short write (a full disk, a size limit) is seen here instead of
    // being lost in a buffer flush that commit() does not check.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        fail("create", path, file.errorString());
    try {
        writeAll(file, path, bytes);
    } catch (...) {
        file.cancelWriting();
        throw;
    }
    if (!file.commit())
        fail("write", path, file.errorString());
}

void writeFast(const QString &path, const QByteArray &bytes)
{
    if (QFileInfo(path).isDir())
        fail("create", path, QStringLiteral("Is a directory"));
    QTemporaryFile file(path + QStringLiteral(".XXXXXX"));
    if (!file.open())
        fail("create", path, file.errorString());
    writeAll(file, path, bytes);
    if (!file.flush())
        fail("write", path, file.errorString());
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                        QFileDevice::ReadOther);
    // rename() replaces an existing file in one step.
    if (std::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        fail("write", path, QString::fromLocal8Bit(std::strerror(errno)));
    file.setAutoRemove(false);
}

} // namespace

void writeFileSafely(const QString &path, const QByteArray &bytes, WriteMode mode)
{
    if (mode == WriteMode::Durable)
        writeDurable(path, bytes);
    else
        writeFast(path, bytes);
}
