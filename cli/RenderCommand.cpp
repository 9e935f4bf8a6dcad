#include "cli/Grvlk.h"

#include "model/SchemeFile.h"
#include "render/ScenePicture.h"
#include "render/SceneRedraw.h"
#include "toolkit/Errors.h"
#include "view/SheetBitmap.h"
#include "view/SheetPictureFile.h"

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
    const std::optional<VectorFormat> vector = vectorFormatOf(out);
    if (!format && !vector) {
        err << "grvlk: cannot write \"" << out
            << "\": the output name must end in .bmp, .png, .svg or .pdf\n";
        return kGrvlkUsage;
    }
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
        if (vector) {
            writeFileSafely(out, sheetVectorPicture(scheme.tables, scheme.width, scheme.height, *vector),
                            WriteMode::Fast);
            return kGrvlkOk;
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
