#pragma once

#include <QtGlobal>

// Largest sheet side in pixels and largest sheet area. The scheme reader refuses a file that
// asks for more, and no sheet bitmap is made beyond them.
constexpr int kMaxSheetSide = 32767;
constexpr qint64 kMaxSheetPixels = 200'000'000;

constexpr bool sheetSizeAllowed(qint64 width, qint64 height)
{
    return width >= 1 && height >= 1 && width <= kMaxSheetSide && height <= kMaxSheetSide &&
           width * height <= kMaxSheetPixels;
}
