#pragma once

#include "toolkit/CanvasOps.h"

#include <QByteArray>

#include <functional>

enum class VectorFormat { Svg, Svgz, Pdf };

// A vector picture of a surface of width x height units, drawn by `draw` on a VectorCanvas:
// an SVG document of width x height px (see SvgWriter), also gzip-compressed (Svgz), or a
// one-page PDF of width x height pt without margins. Texts stay texts: the PDF embeds the fonts
// it uses, the SVG names the caption font's family with fallbacks.
QByteArray vectorPicture(VectorFormat format, int width, int height,
                         const std::function<void(CanvasOps &canvas)> &draw);
