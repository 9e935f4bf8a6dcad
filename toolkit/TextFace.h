#pragma once

#include "toolkit/Canvas.h"

#include <QFont>
#include <QString>

#include <cstdint>
#include <deque>
#include <vector>

// A font at one pixel size with its glyphs cached: for each character its advance and its
// pixels as horizontal runs, rendered once with QPainter. With the caption font's settings (no
// anti-aliasing, shaping or kerning, full hinting) a text of simple characters is exactly its
// glyphs side by side, so measuring is a sum of advances and drawing is blitting the runs of
// the glyphs that fall inside the image.
class TextFace {
public:
    struct Run {
        int dx;     // first column, relative to the pen position
        int dy;     // row, relative to the top of the text cell
        int length; // pixels
    };
    struct Glyph {
        int advance = 0;
        bool simple = true; // see isSimple()
        int reach = 0;      // how far its pixels lie outside the text cell, at most margin()
        std::vector<Run> runs;
    };
    struct Measure {
        Coord width = 0;
        bool simple = true; // every character is simple
    };

    // The face for a font name and pixel size ("tahoma" is the caption font); faces live until exit.
    // Any thread may look faces up; glyphs are cached on first use, which is not synchronised:
    // several threads may draw with a face only once it holds every glyph they need.
    static TextFace &get(const QString &name, int pixelSize);

    const QFont &font() const { return m_font; }
    int height() const { return m_height; }
    int ascent() const { return m_ascent; }
    // Glyph pixels lie at most this far left of the pen or right of the advance, and above or
    // below the text cell.
    int margin() const { return m_margin; }

    // Whether the character is drawn on its own, without shaping with its neighbours.
    static bool isSimple(QChar c);

    const Glyph &glyph(QChar c)
    {
        const Glyph *g = m_glyphOf[c.unicode()];
        return g ? *g : cache(c);
    }
    // The text's width: the sum of its advances for simple text, else QFontMetrics' width.
    Measure measure(QStringView text);
    // Whether every character of the text is cached and simple: measure() and inkReach() then
    // only read the face, so that another thread may call them while this one draws.
    bool cachedSimple(QStringView text) const;
    // How far the text's pixels may lie outside its text cell: exactly, for simple text; for
    // text that needs shaping, a bound on what QPainter draws.
    int inkReach(QStringView text);

private:
    TextFace(const QString &name, int pixelSize);
    const Glyph &cache(QChar c);
    Glyph render(QChar c) const;

    QString m_name;
    int m_pixelSize;
    QFont m_font;
    int m_height = 0;
    int m_ascent = 0;
    int m_margin = 0;
    std::deque<Glyph> m_glyphs;             // stable addresses
    std::vector<const Glyph *> m_glyphOf;   // by character, null until cached
    std::vector<std::uint32_t> m_metricsOf; // by character: advance | kSimpleBit | kKnownBit, 0 until cached
    static constexpr std::uint32_t kSimpleBit = 1u << 30;
    static constexpr std::uint32_t kKnownBit = 1u << 31;
    static constexpr std::uint32_t kAdvanceMask = kSimpleBit - 1;
};
