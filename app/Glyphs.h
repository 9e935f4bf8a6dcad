#pragma once

#include <QImage>
#include <QPixmap>

// The button glyphs and menu pictures, drawn by code. Like bitmap glyphs, each is painted on
// a key colour and every pixel of the colour of its bottom-left pixel becomes transparent.
enum class Glyph {
    Menu, // 7 x 7 on cyan
    Cursor,
    Rectangle,
    Point,
    Line,
    Delete,
    ChangeLine,
    TriangleUp,
    TriangleDown,
    TriangleLeft,
    TriangleRight,
    NewPage,
    OpenFolder,
    Save,
    SaveAs,
    CopyImage,
};

// The painted picture before the transparency step.
QImage glyphImage(Glyph glyph);
QPixmap glyphPixmap(Glyph glyph);

// Makes every pixel that has the colour of the bottom-left pixel transparent.
QImage withBottomLeftTransparent(const QImage &image);
