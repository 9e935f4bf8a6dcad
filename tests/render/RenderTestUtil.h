#pragma once

#include "toolkit/Color.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <functional>
#include <vector>

// Small pixel helpers for the rendering tests.

QImage blankImage(int width, int height, TColor fill = clWhite);
TColor colorAt(const QImage &image, int x, int y);

// Bounding box of the pixels that satisfy the predicate (null when none does).
QRect boundsWhere(const QImage &image, const std::function<bool(TColor)> &pred);
QRect boundsOf(const QImage &image, TColor color);
int countOf(const QImage &image, TColor color);

// Positions of pixels of that colour inside the rectangle, relative to its top-left corner.
std::vector<QPoint> pixelsOf(const QImage &image, TColor color, const QRect &area);

// Every pixel that differs between two images of the same size.
std::vector<QPoint> differences(const QImage &a, const QImage &b);

// The pixels a text leaves in a colour when written at (0, 0) in the caption font of the size.
std::vector<QPoint> glyphPixels(const QString &text, int pixelSize, TColor textColor, TColor cellColor);

// Saves the image under the build folder when a test fails, for a look.
QString dumpImage(const QImage &image, const QString &name);
