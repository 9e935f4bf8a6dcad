#include "render/PictureFormats.h"

#include "render/ParallelRedraw.h"
#include "render/ScenePicture.h"
#include "render/SceneRedraw.h"
#include "render/SheetBands.h"
#include "render/SheetPictureFile.h"
#include "toolkit/BmpEncoder.h"
#include "toolkit/Canvas.h"
#include "toolkit/Errors.h"
#include "toolkit/SheetImage.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

#include <array>
#include <vector>

namespace {

constexpr std::array<PictureFormat, 5> kFormats{{
    {"bmp", QT_TRANSLATE_NOOP("PictureFormats", "Bitmap"), "BMP", std::nullopt, false},
    {"png", QT_TRANSLATE_NOOP("PictureFormats", "PNG picture"), "PNG", std::nullopt, true},
    {"svg", QT_TRANSLATE_NOOP("PictureFormats", "SVG picture"), nullptr, VectorFormat::Svg, true},
    {"svgz", QT_TRANSLATE_NOOP("PictureFormats", "Compressed SVG picture"), nullptr, VectorFormat::Svgz,
     true},
    {"pdf", QT_TRANSLATE_NOOP("PictureFormats", "PDF document"), nullptr, VectorFormat::Pdf, true},
}};

// Draws the sheet and writes its bitmap band by band: each band is encoded and written into the
// file by the thread that drew it, as soon as it is final. The sheet itself is never drawn on,
// so its memory is never even touched.
void writeBmpInBands(const ElementTables &tables, QImage &sheet, Canvas &canvas, const QString &path,
                     WriteMode mode)
{
    const Bmp24Encoder encoder(sheet);
    if (!encoder.valid()) {
        UpdateImageModel(tables, canvas, TextList());
        saveSheetPicture(sheet, path, "BMP", mode);
        return;
    }
    writeFileInPieces(
        path,
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
        mode);
}

} // namespace

QString PictureFormat::filter() const
{
    const QString pattern = QStringLiteral("*.") + QLatin1String(suffix);
    return QStringLiteral("%1 (%2)|%2")
        .arg(QCoreApplication::translate("PictureFormats", filterName), pattern);
}

void PictureFormat::write(const ElementTables &tables, int width, int height, const QString &path, WriteMode mode,
                          const PictureInfo &info) const
{
    if (vector) {
        writeFileSafely(path, sheetVectorPicture(tables, width, height, *vector, info), mode);
        return;
    }
    // The redraw paints every pixel of the sheet, white first, so it starts unfilled.
    QImage sheet = newSheetImage(width, height, false);
    if (sheet.isNull())
        throw AppError(QCoreApplication::translate("PictureFormats",
                                                   "Cannot write file \"%1\". There is not enough "
                                                   "memory for a picture of %2 x %3 pixels.")
                           .arg(path)
                           .arg(width)
                           .arg(height));
    Canvas canvas(&sheet);
    if (qstrcmp(qtFormat, "BMP") == 0) {
        writeBmpInBands(tables, sheet, canvas, path, mode);
        return;
    }
    UpdateImageModel(tables, canvas, TextList());
    saveSheetPicture(sheet, path, qtFormat, mode);
}

std::span<const PictureFormat> pictureFormats()
{
    return kFormats;
}

const PictureFormat *pictureFormatNamed(const QString &suffix)
{
    for (const PictureFormat &f : kFormats)
        if (suffix.compare(QLatin1String(f.suffix), Qt::CaseInsensitive) == 0)
            return &f;
    return nullptr;
}

const PictureFormat *pictureFormatOf(const QString &fileName)
{
    return pictureFormatNamed(QFileInfo(fileName).suffix());
}

const PictureFormat &bitmapFormat()
{
    return kFormats.front();
}

QString pictureSuffixList(bool exportedOnly, bool quoted)
{
    QStringList names;
    for (const PictureFormat &f : kFormats)
        if (f.exported || !exportedOnly)
            names
                << (quoted ? QStringLiteral("\".%1\"") : QStringLiteral(".%1")).arg(QLatin1String(f.suffix));
    const QString last = names.takeLast();
    return QCoreApplication::translate("PictureFormats", "%1 or %2")
        .arg(names.join(QStringLiteral(", ")), last);
}

QString exportFilter()
{
    QStringList filters;
    for (const PictureFormat &f : kFormats)
        if (f.exported)
            filters << f.filter();
    return filters.join(QLatin1Char('|'));
}
