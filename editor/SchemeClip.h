#pragma once

#include "model/ElementTables.h"
#include "model/SchemeFile.h"

#include <QPoint>
#include <QSet>
#include <QString>

#include <optional>
#include <vector>

// A part of a scheme as Copy puts it on the clipboard and Paste and Duplicate add it: rectangles
// and points with the lines between them, as a scheme of its own.

// The named rectangles and points, with every line whose two ends are both among them, in
// table order.
ElementTables clipOf(const ElementTables &from, const QSet<QString> &names);

// The scheme that clipboard text holds (the lines of a scheme file), or nothing when it is not a
// whole scheme or holds no rectangle or point.
std::optional<SchemeReadResult> readClip(const QString &text);

// The centre of the box around the elements' centres; throws ConvertError on a cell that is
// not a number.
QPoint clipCentre(const ElementTables &clip);

// The clip made ready to be added to `into`, as the rows of each table: each element named afresh
// by the numbering of new elements (the next free R and P numbers, after the names `into` holds),
// each line renamed after its renamed ends (lines without both ends in the clip are left out),
// every element moved by (dx, dy); captions, colours and line texts kept.
struct ClipRows {
    std::vector<QStringList> rectangles, points, lines;
};
ClipRows renamedClip(const ElementTables &clip, const ElementTables &into, qint64 dx, qint64 dy);
