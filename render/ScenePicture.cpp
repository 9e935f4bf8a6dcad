#include "render/ScenePicture.h"

#include "render/SceneRedraw.h"

#include <QFileInfo>

std::optional<VectorFormat> vectorFormatOf(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix();
    if (suffix.compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0)
        return VectorFormat::Svg;
    if (suffix.compare(QLatin1String("svgz"), Qt::CaseInsensitive) == 0)
        return VectorFormat::Svgz;
    if (suffix.compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0)
        return VectorFormat::Pdf;
    return std::nullopt;
}

QByteArray sheetVectorPicture(ElementTables &tables, int width, int height, VectorFormat format)
{
    return vectorPicture(format, width, height,
                         [&](CanvasOps &canvas) { UpdateImageModel(tables, canvas, TextList()); });
}
