#pragma once

#include "model/ElementTables.h"
#include "toolkit/FileWrite.h"
#include "toolkit/VectorPicture.h"

#include <QString>

#include <optional>
#include <span>

// The picture files the scheme can be written as: one entry a format. Save as Bitmap, Export and
// `grvlk render` all choose their format here, by the file name's extension (any letter case).
struct PictureFormat {
    const char *suffix;     // "bmp", without the dot
    const char *filterName; // file dialog filter text, translated in context "PictureFormats"
    const char *qtFormat;   // the image writer's format of a bitmap ("BMP"), or null
    std::optional<VectorFormat> vector;
    bool exported; // offered by Export (Save as Bitmap has its own command)

    // "Name (*.ext)|*.ext" for a file dialog, translated.
    QString filter() const;
    // Writes the scheme as this picture of a width x height sheet: what the full redraw draws,
    // nothing marked.
    // Replaces the file in one piece; throws AppError naming the file and the reason, and
    // ConvertError for a cell that does not convert. `info` titles and dates a vector picture.
    void write(const ElementTables &tables, int width, int height, const QString &path,
               WriteMode mode = WriteMode::Durable, const PictureInfo &info = {}) const;
};

std::span<const PictureFormat> pictureFormats();
// The format a file name asks for by its extension, or null.
const PictureFormat *pictureFormatOf(const QString &fileName);
// The format of that suffix ("png", any letter case), or null.
const PictureFormat *pictureFormatNamed(const QString &suffix);
const PictureFormat &bitmapFormat();
// The extensions of the formats as a list for a message: ".png", ".svg" or ".pdf" (quoted), or
// .png, .svg or .pdf.
QString pictureSuffixList(bool exportedOnly, bool quoted = true);
// The file dialog filter of the exported formats.
QString exportFilter();
