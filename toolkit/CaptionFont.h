#pragma once

#include <QFont>
#include <QString>

// The caption font: the Tahoma-compatible face shipped by the fonts-wine package (falling back
// to DejaVu Sans), at an exact pixel size, without anti-aliasing, kerning or font merging,
// so that text extents and glyph pixels are the same on every machine.
QFont captionFont(const QString &name, int pixelSize);

// The font name that stands for the caption font ("tahoma"), and the pixel size of captions,
// the overlay's texts and the window's controls.
inline QString captionFontName()
{
    return QStringLiteral("tahoma");
}
constexpr int kCaptionPixelSize = 11;

// The family actually used for captionFontName() (for diagnostics and tests).
QString captionFamily();

// Where the fonts-wine package installs the caption face.
inline constexpr char kCaptionFontFile[] = "/usr/share/wine/fonts/tahoma.ttf";

// Whether the caption face was loaded (needs the QGuiApplication); when not, text is drawn in
// DejaVu Sans, whose extents differ, and the programs say so once with this note.
bool captionFontFound();
QString captionFontMissingNote();

// The caption family at the caption size with Qt's usual rendering, for widgets.
QFont controlFont();

// The text cell of a font: its height and the baseline's distance from the cell's top. Taken
// from the face's Windows ascent and descent (OS/2 table) rounded to whole pixels, which is
// what the face's metrics give on the desktop it was made for (Tahoma at 11 pixels: a cell 13
// high with the baseline at 11); QFontMetrics when the face has no such table.
struct TextCellMetrics {
    int height = 0;
    int ascent = 0;
};
TextCellMetrics textCellMetrics(const QFont &font);
