#include "toolkit/FileWrite.h"

#include "toolkit/Errors.h"

#include <QSaveFile>

void writeFileSafely(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    // Unbuffered, so that a short write (a full disk, a size limit) is seen here instead of
    // being lost in a buffer flush that commit() does not check.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw AppError(QStringLiteral("Cannot create file \"%1\". %2").arg(path, file.errorString()));
    qsizetype done = 0;
    while (done < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0) {
            file.cancelWriting();
            throw AppError(QStringLiteral("Cannot write file \"%1\". %2").arg(path, file.errorString()));
        }
        done += n;
    }
    if (!file.commit())
        throw AppError(QStringLiteral("Cannot write file \"%1\". %2").arg(path, file.errorString()));
}
