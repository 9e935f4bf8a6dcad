#pragma once

#include "model/ElementTables.h"
#include "toolkit/VectorPicture.h"

#include <QString>

#include <optional>

// The scheme as a vector picture of a width x height sheet: what the full redraw draws (white
// sheet, lines, rectangles, points, frame), nothing marked, through the same drawing code. A cell
// that does not convert throws ConvertError.
QByteArray sheetVectorPicture(const ElementTables &tables, int width, int height, VectorFormat format,
                              const PictureInfo &info = {});
