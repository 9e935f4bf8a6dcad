#include "cli/CommandLine.h"

#include "cli/Console.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>

namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("grvlk", text);
}

// Columns a text takes on a terminal: one a character.
int columns(QStringView text)
{
    int n = 0;
    for (QChar c : text)
        if (!c.isLowSurrogate() && c.category() != QChar::Mark_NonSpacing)
            ++n;
    return n;
}

// The position in `text` where `count` columns end.
qsizetype positionOfColumn(QStringView text, int count)
{
    qsizetype i = 0;
    for (int n = 0; i < text.size() && n < count; ++i)
        if (!text[i].isLowSurrogate() && text[i].category() != QChar::Mark_NonSpacing)
            ++n;
    return i;
}

QString wrappedLine(const QString &line, int width)
{
    static const QRegularExpression kHelpColumn(QStringLiteral("^ *\\S.*?\\S {2,}(?=\\S)"));
    const QRegularExpressionMatch help = kHelpColumn.match(line);
    qsizetype lead = 0;
    while (lead < line.size() && line.at(lead) == QLatin1Char(' '))
        ++lead;
    const int indent = std::min(
        help.hasMatch() ? columns(QStringView(line).left(help.capturedLength())) : int(lead), width / 2);
    QString out;
    QString rest = line;
    while (columns(rest) > width) {
        const qsizetype limit = positionOfColumn(rest, width);
        const qsizetype from = positionOfColumn(rest, indent + 1);
        qsizetype cut = rest.lastIndexOf(QLatin1Char(' '), limit);
        if (cut < from)
            cut = limit; // one word longer than the line
        out += rest.left(cut);
        while (out.endsWith(QLatin1Char(' ')))
            out.chop(1);
        out += QLatin1Char('\n');
        qsizetype next = cut;
        while (next < rest.size() && rest.at(next) == QLatin1Char(' '))
            ++next;
        rest = QString(indent, QLatin1Char(' ')) + rest.mid(next);
    }
    return out + rest;
}

QString optionName(const char *name)
{
    return (qstrlen(name) == 1 ? QStringLiteral("-") : QStringLiteral("--")) + QLatin1String(name);
}

} // namespace

QString wrappedText(const QString &text, int width)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString &line : lines)
        line = wrappedLine(line, width);
    return lines.join(QLatin1Char('\n'));
}

bool parseCliArguments(const CliCommand &command, const QStringList &arguments, CliArguments &parsed,
                       QString *problem)
{
    QCommandLineParser parser;
    QHash<QString, QString> primary; // every name -> the option's first name
    for (const CliOption &o : command.options) {
        QStringList names{QLatin1String(o.name)};
        if (o.alias)
            names << QLatin1String(o.alias);
        for (const QString &n : names)
            primary.insert(n, names.first());
        parser.addOption(
            QCommandLineOption(names, QString(), o.valueName ? QLatin1String(o.valueName) : QString()));
    }
    // The parser takes the first argument for the program's name.
    if (!parser.parse(QStringList{QLatin1String(command.name)} + arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        *problem = unknown.isEmpty() ? QCoreApplication::translate("grvlk", "%1 needs a value")
                                           .arg(arguments.value(arguments.size() - 1))
                                     : QCoreApplication::translate("grvlk", "unknown option \"%1\"")
                                           .arg(optionName(qPrintable(unknown.first())));
        return false;
    }
    parsed = CliArguments();
    parsed.files = parser.positionalArguments();
    for (const CliOption &o : command.options) {
        const QString name = QLatin1String(o.name);
        if (!parser.isSet(name))
            continue;
        if (o.valueName) {
            const QStringList values = parser.values(name);
            if (values.size() > 1) {
                *problem = QCoreApplication::translate("grvlk", "%1 is given more than once")
                               .arg(optionName(o.name));
                return false;
            }
            parsed.options.insert(name, values);
        } else {
            parsed.options.insert(name, QStringList{QString()});
        }
    }
    return true;
}

QString usageText(std::span<const CliCommand> commands, const QStringList &extraForms)
{
    QStringList forms;
    for (const CliCommand &c : commands)
        for (const QString &form : c.synopsis())
            forms << QStringLiteral("grvlk ") + form;
    for (const QString &form : extraForms)
        forms << QStringLiteral("grvlk ") + form;
    const QString prefix = QCoreApplication::translate("grvlk", "Usage:") + QLatin1Char(' ');
    const QString indent(columns(prefix), QLatin1Char(' '));
    QString text;
    for (qsizetype i = 0; i < forms.size(); ++i)
        text += (i == 0 ? prefix : indent) + forms.at(i) + QLatin1Char('\n');
    return wrappedText(text);
}

QString commandHelp(const CliCommand &command)
{
    QStringList names;
    for (const CliOption &o : command.options) {
        QString n = optionName(o.name);
        if (o.alias)
            n = optionName(o.alias) + QStringLiteral(", ") + n;
        if (o.valueName)
            n += QLatin1Char(' ') + QLatin1String(o.valueName);
        names << n;
    }
    int width = 0;
    for (const QString &n : names)
        width = std::max(width, columns(n));
    QString text = usageText({&command, 1}) + QLatin1Char('\n') + translated(command.description) +
                   QStringLiteral("\n\n") + QCoreApplication::translate("grvlk", "Options:") +
                   QLatin1Char('\n');
    for (size_t i = 0; i < command.options.size(); ++i)
        text += QStringLiteral("  ") + names.at(qsizetype(i)).leftJustified(width) + QStringLiteral("  ") +
                translated(command.options[i].help) + QLatin1Char('\n');
    return wrappedText(text + QLatin1Char('\n') + translated(command.exitStatus) + QLatin1Char('\n'));
}

int usageError(Console &console, const QString &problem, std::span<const CliCommand> commands,
               const QStringList &extraForms, const QString &helpCall)
{
    console.fail(problem);
    console.text(usageText(commands, extraForms) +
                     QCoreApplication::translate("grvlk", "Try \"%1\" for more.").arg(helpCall) +
                     QLatin1Char('\n'),
                 true);
    return kGrvlkUsage;
}

int commandUsageError(const CliCommand &command, Console &console, const QString &problem)
{
    return usageError(console, problem, {&command, 1}, {},
                      QStringLiteral("grvlk %1 --help").arg(QLatin1String(command.name)));
}
