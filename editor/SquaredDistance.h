#pragma once

#include <QString>
#include <QtGlobal>

// Distances of the nearest-element searches, kept as the exact squared distance in decimal
// text: the order of squares is the order of distances, and the text never loses precision
// (coordinates span the whole int range, so a square needs up to 65 bits).
QString squaredDistanceText(qint64 x1, qint64 y1, qint64 x2, qint64 y2);

// a < b for two distance texts: exact for plain decimal integers, numeric otherwise.
bool distanceTextLess(const QString &a, const QString &b);
