#include "cli/Grvlk.h"

#include "model/SchemeFile.h"
#include "render/SceneRedraw.h"
#include "toolkit/CaptionFont.h"
#include "toolkit/Errors.h"
#include "render/SheetBitmap.h"
#include "render/SheetPictureFile.h"

#include <QFileInfo>

namespace {

// The picture format for an output name, or nullptr.
const char *pictureFormat(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix();
    if (suffix.compare(QLatin1String("bmp"), Qt::CaseInsensitive) == 0)
        return "BMP";
    if (suffix.compare(QLatin1String("png"), Qt::CaseInsensitive) == 0)
        return "PNG";
    return nullptr;
}

} // namespace

int renderCommand(const QString &in, const QString &out, QTextStream &err)
{
    const char *format = pictureFormat(out);
    if (!format) {
        err << "grvlk: cannot write \"" << out << "\": the output name must end in .bmp or .png\n";
        return kGrvlkUsage;
    }
    if (!captionFontFound())
        err << "grvlk: " << captionFontMissingNote() << '\n';
    try {
        // Read, drawn and written as the editor opens a scheme and saves it as a bitmap: a new
        // sheet of the stored size, the whole scheme drawn on it, nothing selected.
        TextList lines;
        lines.loadFromFile(in);
        SchemeReadResult scheme = readScheme(lines);
        if (!scheme.ok) {
            err << "grvlk: " << in << ": " << scheme.error << '\n';
            return kGrvlkFailed;
        }
        SheetBitmap sheet;
        sheet.CreateBitmap(scheme.width, scheme.height);
        UpdateImageModel(scheme.tables, sheet.canvas(), TextList());
        saveSheetPicture(sheet.image(), out, format, WriteMode::Fast);
    } catch (const AppError &error) {
        err << "grvlk: " << error.message() << '\n';
        return kGrvlkFailed;
    }
    return kGrvlkOk;
}
