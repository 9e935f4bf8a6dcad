#include "cli/Grvlk.h"

#include "model/SchemeFile.h"
#include "toolkit/Errors.h"

namespace {

int elementCount(const StringGrid &table)
{
    int count = 0;
    for (int r = 1; r < table.RowCount(); ++r)
        if (rowInUse(table, r))
            ++count;
    return count;
}

QString counted(int count, const char *singular, const char *plural)
{
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? singular : plural));
}

} // namespace

QString checkFile(const QString &path, bool *good)
{
    *good = false;
    SchemeReadResult scheme;
    try {
        scheme = readSchemeFile(path);
    } catch (const AppError &error) {
        return path + QStringLiteral(": ") + error.message();
    }
    if (!scheme.ok)
        return path + QStringLiteral(": ") + scheme.error;
    *good = true;
    return QStringLiteral("%1: sheet %2 x %3, %4, %5, %6, %7")
        .arg(path)
        .arg(scheme.width)
        .arg(scheme.height)
        .arg(counted(elementCount(scheme.tables.HGrid), "rectangle", "rectangles"),
             counted(elementCount(scheme.tables.PGrid), "point", "points"),
             counted(elementCount(scheme.tables.EGrid), "line", "lines"),
             QLatin1String(scheme.locked ? "locked" : "unlocked"));
}

int checkCommand(const QStringList &files, QTextStream &out)
{
    int status = kGrvlkOk;
    for (const QString &file : files) {
        bool good = false;
        out << checkFile(file, &good) << '\n';
        if (!good)
            status = kGrvlkFailed;
    }
    return status;
}
