#pragma once

#include <QFont>
#include <QString>

// The caption font: the Tahoma-compatible face shipped by the fonts-wine package (falling back
// to DejaVu Sans), at an exact pixel size, without anti-aliasing, kerning or font merging,
// so that text extents and glyph pixels are the same on every machine.
QFont captionFont(const QString &name, int pixelSize);

// The family actually used for "tahoma" (for diagnostics and tests).
QString captionFamily();
