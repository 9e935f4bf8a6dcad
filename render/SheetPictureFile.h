#pragma once

#include "toolkit/FileWrite.h"

#include <QImage>
#include <QString>

// Writes a sheet picture as a 24-bit image file of the given Qt format ("BMP", "PNG"), replacing
// the file in one piece: on failure nothing is left behind and an existing file keeps its
// content. Throws AppError naming the file and the system's reason.
void saveSheetPicture(const QImage &sheet, const QString &fileName, const char *format,
                      WriteMode mode = WriteMode::Durable);
