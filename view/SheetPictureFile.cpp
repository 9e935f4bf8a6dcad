#include "view/SheetPictureFile.h"

#include "toolkit/Errors.h"

#include <QSaveFile>

void saveSheetPicture(const QImage &sheet, const QString &fileName, const char *format)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw AppError(QStringLiteral("Cannot create file \"%1\". %2").arg(fileName, file.errorString()));
    // Qt writes an RGB32 image as 24-bit BMP and PNG as it is, so only other formats are
    // converted (a sheet-sized copy spared).
    const QImage picture =
        sheet.format() == QImage::Format_RGB32 ? sheet : sheet.convertToFormat(QImage::Format_RGB888);
    if (!picture.save(&file, format) || !file.commit())
        throw AppError(QStringLiteral("Cannot write file \"%1\". %2").arg(fileName, file.errorString()));
}
