#include "app/ExportCommand.h"

#include "editor/Editor.h"
#include "render/ScenePicture.h"
#include "render/SceneRedraw.h"
#include "render/SheetPictureFile.h"
#include "toolkit/Canvas.h"
#include "toolkit/Errors.h"
#include "toolkit/FileWrite.h"
#include "toolkit/SheetImage.h"

#include <QFileInfo>

namespace {

const QString kExportFilter = QStringLiteral(
    "PNG picture (*.png)|*.png|SVG picture (*.svg)|*.svg|Compressed SVG picture (*.svgz)|*.svgz|"
    "PDF document (*.pdf)|*.pdf");
const QString kExportSuffix = QStringLiteral("png");

void writePicture(ElementTables &tables, int width, int height, const QString &path)
{
    if (const std::optional<VectorFormat> vector = vectorFormatOf(path)) {
        writeFileSafely(path, sheetVectorPicture(tables, width, height, *vector));
        return;
    }
    QImage image = newSheetImage(width, height);
    if (image.isNull())
        throw AppError(QStringLiteral("Cannot write file \"%1\". There is not enough memory for a picture of "
                                      "%2 x %3 pixels.")
                           .arg(path)
                           .arg(width)
                           .arg(height));
    Canvas canvas(&image);
    UpdateImageModel(tables, canvas, TextList());
    saveSheetPicture(image, path, "PNG");
}

} // namespace

void exportPicture(Editor &e, const QString &startFolder)
{
    const QString path = e.ui().chooseSaveFile(kExportFilter, kExportSuffix, startFolder);
    if (path.isEmpty())
        return;
    const bool png = QFileInfo(path).suffix().compare(QLatin1String("png"), Qt::CaseInsensitive) == 0;
    if (!png && !vectorFormatOf(path)) {
        e.ui().showInfo(QStringLiteral("Nothing was exported: the name of the picture must end in \".png\", "
                                       "\".svg\", \".svgz\" or \".pdf\"."));
        return;
    }
    // A copy, since drawing stores the line midpoints in the tables.
    ElementTables tables = e.doc().tables();
    try {
        writePicture(tables, e.doc().sheet().width(), e.doc().sheet().height(), path);
    } catch (const ConvertError &error) {
        throw AppError(QStringLiteral("Cannot write file \"%1\". The scheme cannot be drawn: %2")
                           .arg(path, error.message()));
    }
}
