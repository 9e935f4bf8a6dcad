#include "toolkit/SchemePath.h"

#include <QDir>
#include <QFileInfo>

QString absoluteSchemePath(const QString &path)
{
    if (path.isEmpty())
        return path;
    const QFileInfo info(QDir::cleanPath(QDir::current().absoluteFilePath(path)));
    // The folder as given (not cleaned), so that ".." after a link is read as the system reads it.
    const QFileInfo given(QDir::current().absoluteFilePath(path));
    const QString folder = given.dir().canonicalPath();
    if (folder.isEmpty())
        return info.filePath(); // no such folder: the lexical form is the best there is
    return QDir::cleanPath(folder + QLatin1Char('/') + given.fileName());
}

bool folderExists(const QString &path)
{
    const QFileInfo info(path);
    return info.isAbsolute() && QFileInfo(info.absolutePath()).isDir();
}
