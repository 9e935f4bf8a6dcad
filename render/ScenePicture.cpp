#include "render/ScenePicture.h"

#include "render/SceneRedraw.h"

#include <QFileInfo>

QByteArray sheetVectorPicture(const ElementTables &tables, int width, int height, VectorFormat format,
                              const PictureInfo &info)
{
    return vectorPicture(
        format, width, height, [&](CanvasOps &canvas) { UpdateImageModel(tables, canvas, TextList()); },
        info);
}
