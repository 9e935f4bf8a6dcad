#include "cli/Grvlk.h"

#include "cli/Console.h"
#include "model/SchemeFile.h"
#include "render/PictureFormats.h"
#include "toolkit/CaptionFont.h"
#include "toolkit/Errors.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

#include <algorithm>

namespace {

QStringList synopsis()
{
    QStringList outputs, suffixes;
    for (const PictureFormat &f : pictureFormats()) {
        outputs << QStringLiteral("OUT.") + QLatin1String(f.suffix);
        suffixes << QLatin1String(f.suffix);
    }
    return {QStringLiteral("render IN.grvlk ") + outputs.join(QLatin1Char('|')),
            QStringLiteral("render -o DIR [--format %1] IN.grvlk...").arg(suffixes.join(QLatin1Char('|'))),
            QStringLiteral("render --format %1 IN.grvlk -").arg(suffixes.join(QLatin1Char('|')))};
}

const CliOption kOptions[] = {
    {"o", nullptr, "DIR", QT_TRANSLATE_NOOP("grvlk", "Writes DIR/<name>.<format> for every input.")},
    {"format", nullptr, "FORMAT",
     QT_TRANSLATE_NOOP("grvlk", "The picture format: bmp (the default with -o), png, svg, svgz or pdf.")},
    {"help", "h", nullptr, QT_TRANSLATE_NOOP("grvlk", "Shows this help.")},
};

const char *const kDescription = QT_TRANSLATE_NOOP(
    "grvlk", "Draws the scheme IN as the editor's Save as Bitmap does and writes it to OUT, a 24-bit BMP "
             "(.bmp) or PNG (.png) picture, or a vector picture that stays sharp at any size: SVG (.svg, one "
             "sheet pixel to 1 px; .svgz gzip-compressed) or PDF (.pdf, one sheet pixel to 1 pt), texts kept "
             "as texts. The extension may be in any letter case. An existing OUT is replaced in one piece, "
             "through a symbolic link to the file it names, keeping its permissions; OUT may not be IN.\n"
             "\n"
             "With -o, each input is written to DIR, one picture per core at a time; each input that fails "
             "is named on its own line. With - as OUT, the picture goes to the standard output.\n"
             "\n"
             "An SVG or PDF picture is titled with the scheme's file name. When SOURCE_DATE_EPOCH is set "
             "(seconds since 1970), it is a PDF's creation date, so that a scheme gives the same bytes each "
             "time.");

const char *const kExitStatus = QT_TRANSLATE_NOOP(
    "grvlk", "Exit status: 0 success, 1 a file could not be read, drawn or written (any of them), 2 bad "
             "usage.");

// The creation date SOURCE_DATE_EPOCH asks for; none when it is not set. A value that is not a
// whole number of seconds from 1970 to the year 9999 is refused.
std::optional<QDateTime> sourceDate(bool *bad)
{
    *bad = false;
    const QString text = qEnvironmentVariable("SOURCE_DATE_EPOCH");
    if (text.isEmpty())
        return std::nullopt;
    constexpr qint64 kLast = 253402300799; // 9999-12-31 23:59:59 UTC
    const bool digits = text.size() <= 12 && std::all_of(text.begin(), text.end(), [](QChar c) {
                            return c >= QLatin1Char('0') && c <= QLatin1Char('9');
                        });
    const qint64 seconds = digits ? text.toLongLong() : -1;
    if (seconds < 0 || seconds > kLast) {
        *bad = true;
        return std::nullopt;
    }
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC);
}

// `grvlk render IN OUT`.
int renderFile(const QString &in, const QString &out, const PictureInfo &info, CliContext &context)
{
    Console &console = context.console;
    const PictureFormat *format = pictureFormatOf(out);
    if (!format)
        return commandUsageError(
            kRenderCommand, console,
            QCoreApplication::translate("grvlk", "cannot write \"%1\": the output name must end in %2")
                .arg(out, pictureSuffixList(false, false)));
    if (sameFile(in, out))
        return commandUsageError(
            kRenderCommand, console,
            QCoreApplication::translate("grvlk", "the output \"%1\" is the input; it would be replaced")
                .arg(out));
    if (!captionFontFound())
        console.fail(captionFontMissingNote());
    GrvlkHeadStart *early = context.headStart;
    try {
        // Read, drawn and written as the editor opens a scheme and saves it as a bitmap: a new
        // sheet of the stored size, the whole scheme drawn on it, nothing selected.
        SchemeReadResult scheme =
            early && early->input == in && early->scheme.valid() ? early->scheme.get() : readSchemeFile(in);
        if (!scheme.ok) {
            console.fail(in + QStringLiteral(": ") + scheme.error);
            return kGrvlkFailed;
        }
        format->write(scheme.tables, scheme.width, scheme.height, out, WriteMode::Fast,
                      pictureInfoOf(in, info));
    } catch (const AppError &error) {
        console.fail(error.message());
        return kGrvlkFailed;
    }
    return kGrvlkOk;
}

int run(const CliArguments &arguments, CliContext &context)
{
    Console &console = context.console;
    const QString formatName = arguments.value("format");
    const PictureFormat *format = arguments.has("format") ? pictureFormatNamed(formatName) : &bitmapFormat();
    if (!format)
        return commandUsageError(
            kRenderCommand, console,
            QCoreApplication::translate("grvlk", "unknown format \"%1\"").arg(formatName));
    bool badDate = false;
    PictureInfo info;
    info.created = sourceDate(&badDate);
    if (badDate)
        return commandUsageError(
            kRenderCommand, console,
            QCoreApplication::translate("grvlk",
                                        "SOURCE_DATE_EPOCH \"%1\" is not a number of seconds since 1970")
                .arg(qEnvironmentVariable("SOURCE_DATE_EPOCH")));
    const QStringList &files = arguments.files;
    if (arguments.has("o")) {
        if (files.isEmpty())
            return commandUsageError(
                kRenderCommand, console,
                QCoreApplication::translate("grvlk", "render -o takes at least one input file"));
        return renderBatch(files, arguments.value("o"), *format, info, console);
    }
    if (files.size() != 2)
        return commandUsageError(
            kRenderCommand, console,
            QCoreApplication::translate("grvlk", "render takes an input and an output file"));
    if (files.at(1) == QLatin1String("-")) {
        if (!arguments.has("format"))
            return commandUsageError(
                kRenderCommand, console,
                QCoreApplication::translate("grvlk", "render to the standard output needs --format"));
        return renderToStdout(files.at(0), *format, info, console);
    }
    if (arguments.has("format"))
        return commandUsageError(
            kRenderCommand, console,
            QCoreApplication::translate("grvlk", "--format goes with -o or with the standard output"));
    return renderFile(files.at(0), files.at(1), info, context);
}

} // namespace

const CliCommand kRenderCommand{
    .name = "render",
    .draws = true,
    .synopsis = synopsis,
    .summary = QT_TRANSLATE_NOOP("grvlk", "Draws schemes as BMP, PNG, SVG or PDF pictures."),
    .description = kDescription,
    .exitStatus = kExitStatus,
    .options = kOptions,
    .run = run,
};

SchemeReadResult readSchemeFile(const QString &path)
{
    TextList lines;
    lines.loadFromFile(path);
    return readScheme(lines);
}

bool sameFile(const QString &a, const QString &b)
{
    struct stat sa = {};
    struct stat sb = {};
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

PictureInfo pictureInfoOf(const QString &in, const PictureInfo &base)
{
    PictureInfo info = base;
    info.title = QFileInfo(in).fileName();
    return info;
}
