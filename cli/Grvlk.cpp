#include "cli/Grvlk.h"

#include "cli/Console.h"

#include <QCoreApplication>

#include <array>
#include <functional>

namespace {

// The commands, in the order help lists them. A new command is one more entry.
const std::array<std::reference_wrapper<const CliCommand>, 2> kCommands{kRenderCommand, kCheckCommand};

QString translated(const char *text)
{
    return QCoreApplication::translate("grvlk", text);
}

std::vector<CliCommand> commandList()
{
    return {kCommands.begin(), kCommands.end()};
}

const CliCommand *commandNamed(const QString &name)
{
    for (const CliCommand &c : kCommands)
        if (name == QLatin1String(c.name))
            return &c;
    return nullptr;
}

const char *const kAbout =
    QT_TRANSLATE_NOOP("grvlk", "Renders and checks Gravelink scheme files without opening a window.");
const char *const kAfterCommands = QT_TRANSLATE_NOOP(
    "grvlk", "\"grvlk COMMAND --help\" shows what a command does and its options.\n"
             "\n"
             "Exit status: 0 success, 1 a file could not be read, drawn or written or is faulty "
             "(any of them), 2 bad usage.");

const QStringList kOwnForms{QStringLiteral("--help | --version")};

QString help()
{
    const std::vector<CliCommand> commands = commandList();
    QString text = usageText(commands, kOwnForms) + QLatin1Char('\n') + translated(kAbout) +
                   QStringLiteral("\n\n") + QCoreApplication::translate("grvlk", "Commands:") +
                   QLatin1Char('\n');
    int width = 0;
    for (const CliCommand &c : commands)
        width = std::max(width, int(qstrlen(c.name)));
    for (const CliCommand &c : commands)
        text += QStringLiteral("  ") + QString::fromLatin1(c.name).leftJustified(width) +
                QStringLiteral("  ") + translated(c.summary) + QLatin1Char('\n');
    text += QLatin1Char('\n') + QCoreApplication::translate("grvlk", "Options:") + QLatin1Char('\n') +
            QStringLiteral("  -h, --help   ") + QCoreApplication::translate("grvlk", "Shows this help.") +
            QLatin1Char('\n') + QStringLiteral("  --version    ") +
            QCoreApplication::translate("grvlk", "Shows the version.") + QStringLiteral("\n\n") +
            translated(kAfterCommands) + QLatin1Char('\n');
    return wrappedText(text);
}

int topUsageError(Console &console, const QString &problem)
{
    return usageError(console, problem, commandList(), kOwnForms, QStringLiteral("grvlk --help"));
}

} // namespace

bool grvlkNeedsGui(const QStringList &arguments)
{
    const CliCommand *command = commandNamed(arguments.value(0));
    return command && command->draws;
}

bool grvlkKeepsEnglish(const QStringList &arguments)
{
    CliArguments parsed;
    QString problem;
    return arguments.value(0) == QLatin1String(kCheckCommand.name) &&
           parseCliArguments(kCheckCommand, arguments.mid(1), parsed, &problem) && parsed.has("porcelain");
}

GrvlkHeadStart startGrvlk(const QStringList &arguments)
{
    GrvlkHeadStart start;
    if (arguments.size() == 3 && arguments.first() == QLatin1String("render") &&
        !arguments.at(1).startsWith(QLatin1Char('-')) && !arguments.at(2).startsWith(QLatin1Char('-'))) {
        start.input = arguments.at(1);
        start.scheme = std::async(std::launch::async, readSchemeFile, start.input);
    }
    return start;
}

int runGrvlk(const QStringList &arguments, QTextStream &out, QTextStream &err, GrvlkHeadStart *headStart)
{
    Console console(out, err);
    if (arguments.isEmpty())
        return topUsageError(console, QCoreApplication::translate("grvlk", "no command given"));
    const QString &first = arguments.first();
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        if (arguments.size() > 1)
            return topUsageError(
                console,
                QCoreApplication::translate("grvlk", "unexpected argument \"%1\"").arg(arguments.at(1)));
        console.text(help());
        return kGrvlkOk;
    }
    if (first == QLatin1String("--version")) {
        if (arguments.size() > 1)
            return topUsageError(
                console,
                QCoreApplication::translate("grvlk", "unexpected argument \"%1\"").arg(arguments.at(1)));
        console.report(QStringLiteral("grvlk ") + QLatin1String(GRAVELINK_VERSION));
        return kGrvlkOk;
    }
    if (first.startsWith(QLatin1Char('-')))
        return topUsageError(console,
                             QCoreApplication::translate("grvlk", "unknown option \"%1\"").arg(first));
    const CliCommand *command = commandNamed(first);
    if (!command)
        return topUsageError(console,
                             QCoreApplication::translate("grvlk", "unknown command \"%1\"").arg(first));

    CliArguments parsed;
    QString problem;
    if (!parseCliArguments(*command, arguments.mid(1), parsed, &problem))
        return commandUsageError(*command, console, problem);
    if (parsed.has("help")) {
        console.text(commandHelp(*command));
        return kGrvlkOk;
    }
    CliContext context{console, headStart};
    return command->run(parsed, context);
}
