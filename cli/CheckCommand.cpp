#include "cli/Grvlk.h"

#include "model/SchemeFile.h"
#include "toolkit/Errors.h"

#include <QCoreApplication>

namespace {

int elementCount(const StringGrid &table)
{
    int count = 0;
    for (int r = 1; r < table.RowCount(); ++r)
        if (rowInUse(table, r))
            ++count;
    return count;
}

// "1 rectangle", "3 rectangles": one source text for one and one for more, each with the plural
// forms a language has.
QString counted(int count, const char *one, const char *more)
{
    return QCoreApplication::translate("grvlk", count == 1 ? one : more, nullptr, count);
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
    return QCoreApplication::translate("grvlk", "%1: sheet %2 x %3, %4, %5, %6, %7")
        .arg(path)
        .arg(scheme.width)
        .arg(scheme.height)
        .arg(counted(elementCount(scheme.tables.HGrid), QT_TRANSLATE_N_NOOP("grvlk", "%n rectangle"),
                     QT_TRANSLATE_N_NOOP("grvlk", "%n rectangles")),
             counted(elementCount(scheme.tables.PGrid), QT_TRANSLATE_N_NOOP("grvlk", "%n point"),
                     QT_TRANSLATE_N_NOOP("grvlk", "%n points")),
             counted(elementCount(scheme.tables.EGrid), QT_TRANSLATE_N_NOOP("grvlk", "%n line"),
                     QT_TRANSLATE_N_NOOP("grvlk", "%n lines")),
             scheme.locked ? QCoreApplication::translate("grvlk", "locked")
                           : QCoreApplication::translate("grvlk", "unlocked"));
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
