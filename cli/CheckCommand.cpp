#include "cli/Grvlk.h"

#include "cli/Console.h"
#include "model/SchemeFindings.h"
#include "toolkit/Errors.h"

#include <QCoreApplication>

namespace {

QString translated(const char *text, int n)
{
    return QCoreApplication::translate("grvlk", text, nullptr, n);
}

QStringList synopsis()
{
    return {QStringLiteral("check [--porcelain] FILE...")};
}

const CliOption kOptions[] = {
    {"porcelain", nullptr, nullptr,
     QT_TRANSLATE_NOOP("grvlk", "Writes the lines in English whatever the language, for scripts.")},
    {"help", "h", nullptr, QT_TRANSLATE_NOOP("grvlk", "Shows this help.")},
};

const char *const kDescription = QT_TRANSLATE_NOOP(
    "grvlk", "Reads each scheme file and prints a line with its sheet size, element counts and lock state, "
             "or the line that is wrong. Then it names, with their line numbers, what the editor reads "
             "without complaint but that does not mean what it seems: a second section of a table, which "
             "replaces the first; a name used twice; a line whose end is no rectangle or point, which is "
             "drawn to the sheet's corner; and, as warnings, markers in another letter case or with spaces, "
             "and lines that belong to no section, which are ignored.");

const char *const kExitStatus = QT_TRANSLATE_NOOP(
    "grvlk", "Exit status: 0 when every file is good, 1 when a file cannot be read or has one of those "
             "faults (warnings aside), 2 bad usage.");

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
    return translated(count == 1 ? one : more, count);
}

QString rectanglesText(int n)
{
    return counted(n, QT_TRANSLATE_N_NOOP("grvlk", "%n rectangle"),
                   QT_TRANSLATE_N_NOOP("grvlk", "%n rectangles"));
}
QString pointsText(int n)
{
    return counted(n, QT_TRANSLATE_N_NOOP("grvlk", "%n point"), QT_TRANSLATE_N_NOOP("grvlk", "%n points"));
}
QString linesText(int n)
{
    return counted(n, QT_TRANSLATE_N_NOOP("grvlk", "%n line"), QT_TRANSLATE_N_NOOP("grvlk", "%n lines"));
}

QString summary(const QString &path, const SchemeReadResult &scheme)
{
    return QCoreApplication::translate("grvlk", "%1: sheet %2 x %3, %4, %5, %6, %7")
        .arg(path)
        .arg(scheme.width)
        .arg(scheme.height)
        .arg(rectanglesText(elementCount(scheme.tables.HGrid)), pointsText(elementCount(scheme.tables.PGrid)),
             linesText(elementCount(scheme.tables.EGrid)),
             scheme.locked ? QCoreApplication::translate("grvlk", "locked")
                           : QCoreApplication::translate("grvlk", "unlocked"));
}

QString describe(const SchemeFinding &f)
{
    using Kind = SchemeFinding::Kind;
    const QString text = quotedSchemeText(f.text);
    switch (f.kind) {
    case Kind::SectionReplaced: {
        const QString dropped = f.text == QLatin1String("[H]")   ? rectanglesText(f.count)
                                : f.text == QLatin1String("[P]") ? pointsText(f.count)
                                                                 : linesText(f.count);
        return QCoreApplication::translate("grvlk", "this %1 section replaces the one on line %2 and its %3")
            .arg(f.text)
            .arg(f.other)
            .arg(dropped);
    }
    case Kind::DuplicateName:
        return QCoreApplication::translate("grvlk", "the name %1 is already used on line %2")
            .arg(text)
            .arg(f.other);
    case Kind::MissingLineEnd:
        return QCoreApplication::translate(
                   "grvlk",
                   "the line %1 joins %2, which is no rectangle or point (it is drawn to the sheet's corner)")
            .arg(text, quotedSchemeText(f.end));
    case Kind::LineWithoutEnds:
        return QCoreApplication::translate(
                   "grvlk", "the line name %1 does not name two elements joined by \"-\" (it is drawn to the "
                            "sheet's corner)")
            .arg(text);
    case Kind::NotAMarker:
        return QCoreApplication::translate("grvlk", "warning: %1 is not read as a marker (a marker is "
                                                    "exactly [H], [P], [E], [~] or LOCK); the "
                                                    "line is ignored")
            .arg(text);
    case Kind::Ignored:
        return f.other == f.line
                   ? QCoreApplication::translate("grvlk", "warning: %1 belongs to no section and is ignored")
                         .arg(text)
                   : QCoreApplication::translate(
                         "grvlk", "warning: lines %1 to %2 belong to no section and are ignored")
                         .arg(f.line)
                         .arg(f.other);
    }
    return QString();
}

// One file: its summary and its findings, or its failure; whether it is good.
bool checkFile(const QString &path, Console &console)
{
    TextList fileLines;
    try {
        fileLines.loadFromFile(path);
    } catch (const AppError &error) {
        console.report(path + QStringLiteral(": ") + error.message());
        return false;
    }
    SchemeReadTrace trace;
    const SchemeReadResult scheme = readScheme(fileLines, &trace);
    if (!scheme.ok) {
        console.report(path + QStringLiteral(": ") + scheme.error);
        return false;
    }
    console.report(summary(path, scheme));
    bool good = true;
    for (const SchemeFinding &f : schemeFindings(fileLines, scheme, trace)) {
        console.report(path + QStringLiteral(": ") +
                       QCoreApplication::translate("SchemeFile", "Line %1: %2").arg(f.line).arg(describe(f)));
        good = good && !f.fault();
    }
    return good;
}

int run(const CliArguments &arguments, CliContext &context)
{
    if (arguments.files.isEmpty())
        return commandUsageError(kCheckCommand, context.console,
                                 QCoreApplication::translate("grvlk", "check takes at least one file"));
    int status = kGrvlkOk;
    for (const QString &file : arguments.files)
        if (!checkFile(file, context.console))
            status = kGrvlkFailed;
    return status;
}

} // namespace

const CliCommand kCheckCommand{
    .name = "check",
    .draws = false,
    .synopsis = synopsis,
    .summary = QT_TRANSLATE_NOOP("grvlk", "Reads scheme files and reports what they hold and what is wrong."),
    .description = kDescription,
    .exitStatus = kExitStatus,
    .options = kOptions,
    .run = run,
};
