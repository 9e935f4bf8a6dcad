#include "toolkit/FileWrite.h"

#include "toolkit/Errors.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// `what` is "create" or "write".
[[noreturn]] void fail(const char *what, const QString &path, const QString &reason)
{
    const QString message = qstrcmp(what, "create") == 0
                                ? QCoreApplication::translate("FileWrite", "Cannot create file \"%1\". %2")
                                : QCoreApplication::translate("FileWrite", "Cannot write file \"%1\". %2");
    throw AppError(message.arg(path, reason));
}

void writeAll(QIODevice &file, const QString &path, const char *data, qsizetype size)
{
    qsizetype done = 0;
    while (done < size) {
        const qint64 n = file.write(data + done, size - done);
        if (n <= 0)
            fail("write", path, file.errorString());
        done += n;
    }
}

// Writes the file's body: everything the source hands out.
void writeAll(QIODevice &file, const QString &path, const ByteSource &source)
{
    QByteArray buffer(kByteSourceCapacity, Qt::Uninitialized);
    while (const qsizetype n = source(buffer.data(), buffer.size()))
        writeAll(file, path, buffer.constData(), n);
}

using Body = std::function<void(QIODevice &)>;

void writeDurable(const QString &path, const Body &writeBody)
{
    QSaveFile file(path);
    // Unbuffered, so that a short write (a full disk, a size limit) is seen here instead of
    // being lost in a buffer flush that commit() does not check.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        fail("create", path, file.errorString());
    try {
        writeBody(file);
    } catch (...) {
        file.cancelWriting();
        throw;
    }
    if (!file.commit())
        fail("write", path, file.errorString());
}

// The file that writing `path` replaces: the end of its chain of symbolic links, as the system
// follows them when it opens the path (QSaveFile does the same).
QString linkTarget(const QString &path)
{
    QFileInfo info(path);
    for (int depth = 0; info.isSymLink(); ++depth) {
        if (depth == 40)
            fail("create", path, QString::fromLocal8Bit(std::strerror(ELOOP)));
        info.setFile(info.symLinkTarget());
    }
    return info.filePath();
}

void writeFast(const QString &path, const Body &writeBody)
{
    const QString target = linkTarget(path);
    struct stat existing = {};
    const bool exists = ::stat(QFile::encodeName(target).constData(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        fail("create", path, QCoreApplication::translate("FileWrite", "Is a directory"));
    if (exists && ::access(QFile::encodeName(target).constData(), W_OK) != 0)
        fail("create", path, QString::fromLocal8Bit(std::strerror(errno)));
    QTemporaryFile file(target + QStringLiteral(".XXXXXX"));
    if (!file.open())
        fail("create", path, file.errorString());
    writeBody(file);
    if (!file.flush())
        fail("write", path, file.errorString());
    // A replaced file keeps its permissions; a new one is readable by all.
    if (exists)
        ::fchmod(file.handle(), existing.st_mode & 07777);
    else
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                            QFileDevice::ReadOther);
    // rename() replaces an existing file in one step.
    if (std::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(target).constData()) !=
        0)
        fail("write", path, QString::fromLocal8Bit(std::strerror(errno)));
    file.setAutoRemove(false);
}

void writeWith(const QString &path, const Body &writeBody, WriteMode mode)
{
    if (mode == WriteMode::Durable)
        writeDurable(path, writeBody);
    else
        writeFast(path, writeBody);
}

} // namespace

void writeFileSafely(const QString &path, const QByteArray &bytes, WriteMode mode)
{
    writeWith(
        path, [&](QIODevice &file) { writeAll(file, path, bytes.constData(), bytes.size()); }, mode);
}

void writeFileSafely(const QString &path, const ByteSource &source, WriteMode mode)
{
    writeWith(
        path, [&](QIODevice &file) { writeAll(file, path, source); }, mode);
}

void writeFileInPieces(const QString &path, const std::function<void(const PieceWriter &)> &fill,
                       WriteMode mode)
{
    writeWith(
        path,
        [&](QIODevice &device) {
            const int fd = dynamic_cast<QFileDevice &>(device).handle();
            fill([&](qint64 offset, const char *data, qsizetype size) {
                const qint64 start = offset;
                const qsizetype length = size;
                while (size > 0) {
                    const ssize_t n = ::pwrite(fd, data, size_t(size), off_t(offset));
                    if (n < 0 && errno == EINTR)
                        continue;
                    if (n <= 0)
                        fail("write", path,
                             n < 0 ? QString::fromLocal8Bit(std::strerror(errno))
                                   : QCoreApplication::translate("FileWrite", "Nothing was written"));
                    data += n;
                    offset += n;
                    size -= n;
                }
#ifdef SYNC_FILE_RANGE_WRITE
                // Start each piece on its way to the disk now, beside the work still to do:
                // replacing an existing file would otherwise wait while every one is placed.
                if (mode == WriteMode::Fast)
                    ::sync_file_range(fd, start, length, SYNC_FILE_RANGE_WRITE);
#endif
            });
        },
        mode);
}
