#include "cli/Grvlk.h"

#include "model/SchemeFile.h"
#include "render/ParallelRedraw.h"
#include "render/ScenePicture.h"
#include "render/SceneRedraw.h"
#include "render/SheetBands.h"
#include "render/SheetBitmap.h"
#include "render/SheetPictureFile.h"
#include "toolkit/BmpEncoder.h"
#include "toolkit/CaptionFont.h"
#include "toolkit/Errors.h"
#include "toolkit/SheetImage.h"

#include <QFileInfo>

#include <vector>

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

// Draws the sheet and writes its bitmap band by band: each band is encoded and written into the
// file by the thread that drew it, as soon as it is final. The sheet itself is never drawn on, so
// its memory is never even touched.
void renderBmp(ElementTables &tables, QImage &sheet, Canvas &canvas, const QString &out)
{
    const Bmp24Encoder encoder(sheet);
    if (!encoder.valid()) {
        UpdateImageModel(tables, canvas, TextList());
        saveSheetPicture(sheet, out, "BMP", WriteMode::Fast);
        return;
    }
    writeFileInPieces(
        out,
        [&](const PieceWriter &write) {
            char header[Bmp24Encoder::kHeaderSize];
            encoder.header(header);
            write(0, header, sizeof header);
            redrawSheetInBands(
                tables, canvas, TextList(), kSheetBandRows, redrawThreadCount(),
                [&](const QImage &rows, int top) {
                    thread_local std::vector<char> bytes;
                    bytes.resize(size_t(encoder.rowBytes() * rows.height()));
                    encoder.encodeBand(rows, bytes.data());
                    write(encoder.bandOffset(top, rows.height()), bytes.data(), qsizetype(bytes.size()));
                },
                BandPixels::Scratch);
        },
        WriteMode::Fast);
}

} // namespace

SchemeReadResult readSchemeFile(const QString &path)
{
    TextList lines;
    lines.loadFromFile(path);
    return readScheme(lines);
}

int renderCommand(const QString &in, const QString &out, QTextStream &err,
                  std::future<SchemeReadResult> *early)
{
    const char *format = pictureFormat(out);
    const std::optional<VectorFormat> vector = vectorFormatOf(out);
    if (!format && !vector) {
        err << "grvlk: cannot write \"" << out
            << "\": the output name must end in .bmp, .png, .svg, .svgz or .pdf\n";
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
        if (vector) {
            writeFileSafely(out, sheetVectorPicture(scheme.tables, scheme.width, scheme.height, *vector),
                            WriteMode::Fast);
            return kGrvlkOk;
        }
        // The redraw paints every pixel of the sheet, white first, so it starts unfilled (and a
        // BMP is drawn beside it).
        QImage sheet = newSheetImage(scheme.width, scheme.height, false);
        Canvas canvas(&sheet);
        if (qstrcmp(format, "BMP") == 0) {
            renderBmp(scheme.tables, sheet, canvas, out);
        } else {
            UpdateImageModel(scheme.tables, canvas, TextList());
            saveSheetPicture(sheet, out, format, WriteMode::Fast);
        }
    } catch (const AppError &error) {
        err << "grvlk: " << error.message() << '\n';
        return kGrvlkFailed;
    }
    return kGrvlkOk;
}
