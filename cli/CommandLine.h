#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <span>

class Console;
struct GrvlkHeadStart;

// One option of a grvlk command. Texts are translated in context "grvlk".
struct CliOption {
    const char *name;      // "format", or one letter: "o"
    const char *alias;     // a second name ("h" for "help"), or null
    const char *valueName; // "FORMAT"; null for a switch
    const char *help;      // what it does, one sentence or two
};

// The arguments of a command as parsed: the files, and each option's values in order (one empty
// value a switch given).
struct CliArguments {
    QStringList files;
    QHash<QString, QStringList> options;

    bool has(const char *name) const { return options.contains(QLatin1String(name)); }
    QString value(const char *name) const { return options.value(QLatin1String(name)).value(0); }
};

// What a command runs with: where it writes, and the work begun for it before Qt started.
struct CliContext {
    Console &console;
    GrvlkHeadStart *headStart;
};

// A command of grvlk: `grvlk NAME ...`.
struct CliCommand {
    const char *name;
    bool draws;                // needs a QGuiApplication (fonts)
    QStringList (*synopsis)(); // the forms after "grvlk ", one a line
    const char *summary;       // one line for grvlk --help, translated
    const char *description;   // paragraphs for NAME --help, translated, wrapped when shown
    const char *exitStatus;    // the paragraph after the options, likewise
    std::span<const CliOption> options;
    int (*run)(const CliArguments &arguments, CliContext &context);
};

// Lines of at most `width` columns: longer lines break at spaces, their continuation indented
// as far as the line's first text after a run of two or more spaces (an option's help), or as
// the line itself.
QString wrappedText(const QString &text, int width = 80);

// Parses the arguments after the command's name with Qt's parser: options before, between and
// after the files, "--name=value", "-" as a file, "--" ending the options. An unknown option, a
// missing value and a value option given twice are refused: false, with the problem.
bool parseCliArguments(const CliCommand &command, const QStringList &arguments, CliArguments &parsed,
                       QString *problem);

// "Usage: grvlk ..." with the forms of the given commands, one a line.
QString usageText(std::span<const CliCommand> commands, const QStringList &extraForms = {});
// The whole help of a command, wrapped.
QString commandHelp(const CliCommand &command);
// A bad call: the problem, the usage and where to find more; the usage status.
int usageError(Console &console, const QString &problem, std::span<const CliCommand> commands,
               const QStringList &extraForms, const QString &helpCall);
// The same for a call of one command.
int commandUsageError(const CliCommand &command, Console &console, const QString &problem);

// Exit statuses.
enum GrvlkStatus { kGrvlkOk = 0, kGrvlkFailed = 1, kGrvlkUsage = 2 };
