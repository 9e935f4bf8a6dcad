#include "render/SheetPictureFile.h"

#include "toolkit/BmpEncoder.h"
#include "toolkit/Errors.h"

#include <QBuffer>
#include <QCoreApplication>

void saveSheetPicture(const QImage &sheet, const QString &fileName, const char *format, WriteMode mode)
{
    // A 24-bit bitmap is encoded piece by piece straight into the file; Qt's writer (which
    // gives the same bytes) would build the whole file in a growing buffer first.
    if (qstrcmp(format, "BMP") == 0) {
        Bmp24Encoder encoder(sheet);
        if (encoder.valid()) {
            writeFileSafely(
                fileName, [&](char *buffer, qsizetype capacity) { return encoder.next(buffer, capacity); },
                mode);
            return;
        }
    }
    // Qt writes an RGB32 image as 24-bit BMP and PNG as it is, so only other formats are
    // converted (a sheet-sized copy spared).
    const QImage picture =
        sheet.format() == QImage::Format_RGB32 ? sheet : sheet.convertToFormat(QImage::Format_RGB888);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, format))
        throw AppError(QCoreApplication::translate("SheetPictureFile",
                                                   "Cannot write file \"%1\". The picture cannot be encoded.")
                           .arg(fileName));
    writeFileSafely(fileName, bytes, mode);
}
