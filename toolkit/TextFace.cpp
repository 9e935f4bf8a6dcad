#include "toolkit/TextFace.h"

#include "toolkit/CaptionFont.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <mutex>

TextFace &TextFace::get(const QString &name, int pixelSize)
{
    static std::vector<std::unique_ptr<TextFace>> faces;
    static std::mutex facesMutex;
    thread_local TextFace *last = nullptr;
    pixelSize = std::max(pixelSize, 1);
    if (last && last->m_pixelSize == pixelSize && last->m_name == name)
        return *last;
    const std::lock_guard lock(facesMutex);
    for (const auto &face : faces)
        if (face->m_pixelSize == pixelSize && face->m_name == name)
            return *(last = face.get());
    faces.push_back(std::unique_ptr<TextFace>(new TextFace(name, pixelSize)));
    return *(last = faces.back().get());
}

TextFace::TextFace(const QString &name, int pixelSize)
    : m_name(name), m_pixelSize(pixelSize), m_font(captionFont(name, pixelSize)), m_glyphOf(0x10000, nullptr),
      m_metricsOf(0x10000, 0)
{
    const TextCellMetrics cell = textCellMetrics(m_font);
    m_height = cell.height;
    m_ascent = cell.ascent;
    m_margin = 2 * std::max(m_height, pixelSize) + 4;
}

bool TextFace::isSimple(QChar c)
{
    const char16_t u = c.unicode();
    if (c.isMark() || c.isSurrogate() || c.category() == QChar::Other_Format)
        return false;
    // Latin, Greek, Cyrillic, Armenian and the common punctuation and symbol blocks.
    return (u >= 0x20 && u < 0x7F) || (u >= 0xA0 && u < 0x590) || (u >= 0x1E00 && u < 0x2000) ||
           (u >= 0x2010 && u < 0x2028) || (u >= 0x2030 && u < 0x205F) || (u >= 0x20A0 && u < 0x20C0) ||
           (u >= 0x2100 && u < 0x2400) || (u >= 0x2500 && u < 0x2600);
}

const TextFace::Glyph &TextFace::cache(QChar c)
{
    const Glyph &g = m_glyphs.emplace_back(render(c));
    m_glyphOf[c.unicode()] = &g;
    m_metricsOf[c.unicode()] = (g.simple ? static_cast<std::uint32_t>(g.advance) & kAdvanceMask : 0) |
                               (g.simple ? kSimpleBit : 0) | kKnownBit;
    return g;
}

TextFace::Glyph TextFace::render(QChar c) const
{
    Glyph g;
    const QFontMetrics metrics(m_font);
    g.advance = metrics.horizontalAdvance(c);
    g.simple = isSimple(c) && g.advance >= 0;
    // Render with the pen at (margin, margin) as the top-left of the text cell.
    QImage image(g.advance + 2 * m_margin, m_height + 2 * m_margin, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setFont(m_font);
        painter.setPen(Qt::black);
        painter.drawText(m_margin, m_margin + m_ascent, QString(c));
    }
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width();) {
            if (qGray(line[x]) >= 128) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < image.width() && qGray(line[x]) < 128)
                ++x;
            const Run run{start - m_margin, y - m_margin, x - start};
            g.runs.push_back(run);
            g.reach =
                std::max({g.reach, -run.dx, run.dx + run.length - g.advance, -run.dy, run.dy + 1 - m_height});
        }
    }
    return g;
}

TextFace::Measure TextFace::measure(QStringView text)
{
    Measure m;
    std::uint32_t all = kSimpleBit;
    for (QChar c : text) {
        std::uint32_t metrics = m_metricsOf[c.unicode()];
        if (metrics == 0) {
            cache(c);
            metrics = m_metricsOf[c.unicode()];
        }
        m.width += metrics & kAdvanceMask;
        all &= metrics;
    }
    m.simple = all != 0;
    if (!m.simple)
        m.width = QFontMetrics(m_font).horizontalAdvance(text.toString());
    return m;
}

int TextFace::inkReach(QStringView text)
{
    int reach = 0;
    for (QChar c : text) {
        const Glyph &g = glyph(c);
        if (!g.simple)
            return m_height + m_margin + 2;
        reach = std::max(reach, g.reach);
    }
    return reach;
}

bool TextFace::cachedSimple(QStringView text) const
{
    for (QChar c : text)
        if ((m_metricsOf[c.unicode()] & kSimpleBit) == 0 || !m_glyphOf[c.unicode()])
            return false;
    return true;
}
