#pragma once

#include "model/ElementTables.h"
#include "toolkit/TextList.h"

#include <QPoint>

// Keyboard moves of a multi-selection: every member shifts by the same displacement.

// The centre of a row shifted by (-dx, -dy) (the displacement is old minus new). Computed in
// 64 bits; throws ConvertError when a cell is not an integer or the result leaves the int range.
QPoint movedCentre(const StringGrid &table, int row, qint64 dx, qint64 dy);

// Checks, before anything is written, that every member a group move would shift stays in the
// int range (rectangles only take part while withRectangles is true). Throws like movedCentre.
void checkGroupMove(const ElementTables &tables, const TextList &members, bool withRectangles, qint64 dx,
                    qint64 dy);
