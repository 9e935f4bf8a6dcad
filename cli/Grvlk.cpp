#include "cli/Grvlk.h"

#include "render/PictureFormats.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

// The usage lines, naming every picture format.
QString usage()
{
    QStringList outputs;
    for (const PictureFormat &f : pictureFormats())
        outputs << QStringLiteral("OUT.") + QLatin1String(f.suffix);
    QStringList suffixes;
    for (const PictureFormat &f : pictureFormats())
        suffixes << QLatin1String(f.suffix);
    return QCoreApplication::translate("grvlk", "Usage: grvlk render IN.grvlk %1\n"
                                                "       grvlk render -o DIR [--format %2] IN.grvlk...\n"
                                                "       grvlk render --format %2 IN.grvlk -\n"
                                                "       grvlk check [--porcelain] FILE...\n"
                                                "       grvlk --help | --version\n")
        .arg(outputs.join(QLatin1Char('|')), suffixes.join(QLatin1Char('|')));
}

const char *const kHelp = QT_TRANSLATE_NOOP(
    "grvlk", "Renders and checks Gravelink scheme files without opening a window.\n"
             "\n"
             "  render IN OUT   Draws the scheme IN as the editor's Save as Bitmap does and writes it\n"
             "                  to OUT, a 24-bit BMP (.bmp) or PNG (.png) picture, or a vector\n"
             "                  picture that stays sharp at any size: SVG (.svg, one sheet pixel\n"
             "                  to 1 px; .svgz gzip-compressed) or PDF (.pdf, one sheet pixel\n"
             "                  to 1 pt), texts kept as texts. The extension may be in any\n"
             "                  letter case.\n"
             "  render -o DIR [--format FORMAT] IN...\n"
             "                  Writes DIR/<name>.<format> for every input (FORMAT: bmp, the\n"
             "                  default, png, svg, svgz or pdf), one picture per core at a time;\n"
             "                  each input that fails is named on its own line.\n"
             "  render --format FORMAT IN -\n"
             "                  Writes the picture to the standard output.\n"
             "  check FILE...   Reads each scheme file and prints one line per file: its sheet size,\n"
             "                  element counts and lock state, or the line that is wrong.\n"
             "                  With --porcelain the lines are in English whatever the language, for\n"
             "                  scripts.\n"
             "  --help          Shows this help.\n"
             "  --version       Shows the version.\n"
             "\n"
             "Exit status: 0 success, 1 a file could not be read, drawn or written (any of them), 2 bad\n"
             "usage.\n");

int usageError(QTextStream &err, const QString &problem)
{
    err << "grvlk: " << problem << '\n' << usage();
    return kGrvlkUsage;
}

} // namespace

bool grvlkNeedsGui(const QStringList &arguments)
{
    return arguments.value(0) == QLatin1String("render");
}

GrvlkHeadStart startGrvlk(const QStringList &arguments)
{
    GrvlkHeadStart start;
    if (arguments.size() == 3 && arguments.first() == QLatin1String("render") &&
        !arguments.at(1).startsWith(QLatin1Char('-'))) {
        start.input = arguments.at(1);
        start.scheme = std::async(std::launch::async, readSchemeFile, start.input);
    }
    return start;
}

int runGrvlk(const QStringList &arguments, QTextStream &out, QTextStream &err, GrvlkHeadStart *headStart)
{
    if (arguments.isEmpty())
        return usageError(err, QCoreApplication::translate("grvlk", "no command given"));
    const QString &command = arguments.first();
    if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
        out << usage() << '\n' << QCoreApplication::translate("grvlk", kHelp);
        return kGrvlkOk;
    }
    if (command == QLatin1String("--version")) {
        out << "grvlk " << GRAVELINK_VERSION << '\n';
        return kGrvlkOk;
    }
    if (command == QLatin1String("render")) {
        // The options -o DIR and --format FORMAT, then the files.
        QString folder, formatName;
        QStringList files;
        for (qsizetype i = 1; i < arguments.size(); ++i) {
            const QString &a = arguments.at(i);
            if ((a == QLatin1String("-o") || a == QLatin1String("--format")) && i + 1 < arguments.size())
                (a == QLatin1String("-o") ? folder : formatName) = arguments.at(++i);
            else if (a == QLatin1String("-o") || a == QLatin1String("--format"))
                return usageError(err, QCoreApplication::translate("grvlk", "%1 needs a value").arg(a));
            else
                files << a;
        }
        const PictureFormat *format = formatName.isEmpty() ? &bitmapFormat() : pictureFormatNamed(formatName);
        if (!format)
            return usageError(err,
                              QCoreApplication::translate("grvlk", "unknown format \"%1\"").arg(formatName));
        if (!folder.isEmpty()) {
            if (files.isEmpty())
                return usageError(
                    err, QCoreApplication::translate("grvlk", "render -o takes at least one input file"));
            return renderBatch(files, folder, *format, err);
        }
        if (files.size() != 2)
            return usageError(
                err, QCoreApplication::translate("grvlk", "render takes an input and an output file"));
        if (files.at(1) == QLatin1String("-")) {
            if (formatName.isEmpty())
                return usageError(err, QCoreApplication::translate(
                                           "grvlk", "render to the standard output needs --format"));
            return renderToStdout(files.at(0), *format, err);
        }
        if (!formatName.isEmpty())
            return usageError(err, QCoreApplication::translate(
                                       "grvlk", "--format goes with -o or with the standard output"));
        const bool early = headStart && headStart->input == files.at(0);
        return renderCommand(files.at(0), files.at(1), err, early ? &headStart->scheme : nullptr);
    }
    if (command == QLatin1String("check")) {
        // --porcelain: the fixed English form for scripts (main() then installs no translation).
        QStringList files = arguments.mid(1);
        files.removeAll(QStringLiteral("--porcelain"));
        if (files.isEmpty())
            return usageError(err, QCoreApplication::translate("grvlk", "check takes at least one file"));
        return checkCommand(files, out);
    }
    return usageError(err, QCoreApplication::translate("grvlk", "unknown command \"%1\"").arg(command));
}
