#pragma once

#include "toolkit/CanvasOps.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <functional>
#include <optional>

enum class VectorFormat { Svg, Svgz, Pdf };

// A vector picture of a surface of width x height units, drawn by `draw` on a VectorCanvas:
// an SVG document of width x height px (see SvgWriter), also gzip-compressed (Svgz), or a
// one-page PDF of width x height pt without margins. Texts stay texts: the PDF embeds the fonts
// it uses, the SVG names the caption font's family with fallbacks.
//
// `info` names the picture: its title goes into the SVG's <title> (else "Gravelink") and the
// PDF's /Title (else empty), and its date, when given, replaces the clock's as the PDF's
// creation date, so that the same scheme gives the same bytes.
struct PictureInfo {
    QString title;
    std::optional<QDateTime> created;
};
QByteArray vectorPicture(VectorFormat format, int width, int height,
                         const std::function<void(CanvasOps &canvas)> &draw, const PictureInfo &info = {});
