#include "editor/ExportPicture.h"

#include "editor/Editor.h"
#include "render/PictureFormats.h"
#include "toolkit/Errors.h"

#include <QCoreApplication>

void exportPicture(Editor &e, const QString &startFolder)
{
    const QString path = e.ui().chooseSaveFile(exportFilter(), QStringLiteral("png"), startFolder);
    if (path.isEmpty())
        return;
    const PictureFormat *format = pictureFormatOf(path);
    if (!format || !format->exported) {
        e.ui().showInfo(QCoreApplication::translate(
                            "ExportPicture", "Nothing was exported: the name of the picture must end in %1.")
                            .arg(pictureSuffixList(true)));
        return;
    }
    try {
        format->write(e.doc().tables(), e.doc().sheet().width(), e.doc().sheet().height(), path);
    } catch (const ConvertError &error) {
        throw AppError(QCoreApplication::translate("ExportPicture",
                                                   "Cannot write file \"%1\". The scheme cannot be "
                                                   "drawn: %2")
                           .arg(path, error.message()));
    }
}
