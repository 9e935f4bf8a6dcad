#include "cli/Grvlk.h"

#include "model/SchemeFile.h"
#include "render/PictureFormats.h"
#include "toolkit/CaptionFont.h"
#include "toolkit/Errors.h"

#include <QCoreApplication>

SchemeReadResult readSchemeFile(const QString &path)
{
    TextList lines;
    lines.loadFromFile(path);
    return readScheme(lines);
}

int renderCommand(const QString &in, const QString &out, QTextStream &err,
                  std::future<SchemeReadResult> *early)
{
    const PictureFormat *format = pictureFormatOf(out);
    if (!format) {
        err << "grvlk: "
            << QCoreApplication::translate("grvlk", "cannot write \"%1\": the output name must end in %2")
                   .arg(out, pictureSuffixList(false, false))
            << '\n';
        return kGrvlkUsage;
    }
    if (!captionFontFound())
        err << "grvlk: " << captionFontMissingNote() << '\n';
    try {
        // Read, drawn and written as the editor opens a scheme and saves it as a bitmap: a new
        // sheet of the stored size, the whole scheme drawn on it, nothing selected.
        SchemeReadResult scheme = early && early->valid() ? early->get() : readSchemeFile(in);
        if (!scheme.ok) {
            err << "grvlk: " << in << ": " << scheme.error << '\n';
            return kGrvlkFailed;
        }
        format->write(scheme.tables, scheme.width, scheme.height, out, WriteMode::Fast);
    } catch (const AppError &error) {
        err << "grvlk: " << error.message() << '\n';
        return kGrvlkFailed;
    }
    return kGrvlkOk;
}
