#include "toolkit/SvgWriter.h"

#include "toolkit/CaptionFont.h"
#include "toolkit/TextFace.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr char16_t kReplacement = 0xFFFD;

// Class names a, b, ..., z, A, ..., Z, ba, bb, ...
QByteArray className(qsizetype n)
{
    static const char digits[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    constexpr qsizetype base = sizeof digits - 1;
    QByteArray name;
    do {
        name.prepend(digits[n % base]);
        n /= base;
    } while (n > 0);
    return name;
}

QByteArray colourText(QRgb colour)
{
    return '#' + QByteArray::number(colour & 0xFFFFFFu, 16).rightJustified(6, '0');
}

// A font family list for CSS: the family, quoted when it holds more than letters and digits,
// then the fallbacks.
QString familyList(const QString &family)
{
    QString name = family;
    name.remove(QLatin1Char('\'')).remove(QLatin1Char('"'));
    const bool plain = std::all_of(name.begin(), name.end(), [](QChar c) { return c.isLetterOrNumber(); });
    QString list = plain ? name : QLatin1Char('\'') + name + QLatin1Char('\'');
    if (name != QLatin1String("DejaVu Sans"))
        list += QLatin1String(", 'DejaVu Sans'");
    return list + QLatin1String(", sans-serif");
}

} // namespace

QByteArray svgCharacterData(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const char16_t u = c.unicode();
        if (u == u'&')
            out += QLatin1String("&amp;");
        else if (u == u'<')
            out += QLatin1String("&lt;");
        else if (u == u'>')
            out += QLatin1String("&gt;");
        else if ((u < 0x20 && u != u'\t') || u == 0xFFFE || u == 0xFFFF)
            out += QChar(kReplacement);
        else if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            out += c, out += text[++i];
        else if (c.isSurrogate())
            out += QChar(kReplacement);
        else
            out += c;
    }
    return out.toUtf8();
}

SvgWriter::SvgWriter(int width, int height) : m_width(std::max(width, 0)), m_height(std::max(height, 0))
{}

void SvgWriter::number(qreal v)
{
    if (v == std::trunc(v) && std::abs(v) < 1e15) {
        m_body += QByteArray::number(qint64(v));
    } else if (std::abs(v) < 1e4) {
        m_body += QByteArray::number(v, 'g', 6);
    } else {
        QByteArray digits = QByteArray::number(v, 'f', 2);
        while (digits.endsWith('0'))
            digits.chop(1);
        if (digits.endsWith('.'))
            digits.chop(1);
        m_body += digits;
    }
}

void SvgWriter::point(QPointF p)
{
    number(p.x());
    m_body += ',';
    number(p.y());
}

void SvgWriter::attribute(const char *name, qreal v)
{
    m_body += ' ';
    m_body += name;
    m_body += "=\"";
    number(v);
    m_body += '"';
}

void SvgWriter::open(const char *name, const VectorPaint &paint)
{
    QByteArray style = paint.fill ? "fill:" + colourText(*paint.fill) : QByteArray("fill:none");
    if (paint.stroke) {
        style += ";stroke:" + colourText(*paint.stroke);
        if (paint.dotted)
            style += ";stroke-dasharray:1";
    }
    auto found = m_classOf.constFind(style);
    if (found == m_classOf.cend()) {
        found = m_classOf.insert(style, className(m_classOf.size()));
        m_styles += '.' + *found + '{' + style + "}\n";
    }
    m_body += '<';
    m_body += name;
    m_body += " class=\"";
    m_body += *found;
    m_body += '"';
    if (paint.stroke && paint.dotted && paint.dashOffset != 0)
        attribute("stroke-dashoffset", paint.dashOffset);
}

void SvgWriter::rect(const QRectF &rect, const VectorPaint &paint)
{
    open("rect", paint);
    attribute("x", rect.x());
    attribute("y", rect.y());
    attribute("width", rect.width());
    attribute("height", rect.height());
    m_body += "/>\n";
}

void SvgWriter::ellipse(const QRectF &rect, const VectorPaint &paint)
{
    const bool circle = rect.width() == rect.height();
    open(circle ? "circle" : "ellipse", paint);
    attribute("cx", rect.center().x());
    attribute("cy", rect.center().y());
    if (circle) {
        attribute("r", rect.width() / 2);
    } else {
        attribute("rx", rect.width() / 2);
        attribute("ry", rect.height() / 2);
    }
    m_body += "/>\n";
}

void SvgWriter::path(const QPainterPath &path, const VectorPaint &paint)
{
    open("path", paint);
    m_body += " d=\"";
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element &e = path.elementAt(i);
        if (e.isMoveTo())
            m_body += 'M';
        else if (e.isLineTo())
            m_body += 'L';
        else if (e.isCurveTo())
            m_body += 'C';
        else
            m_body += ' ';
        point(e);
    }
    m_body += "\"/>\n";
}

void SvgWriter::polygon(const QPolygonF &polygon, const VectorPaint &paint)
{
    if (polygon.isEmpty())
        return;
    // Closed by a line back to the first corner, as Qt's own SVG writer closed it.
    open("path", paint);
    m_body += " d=\"";
    for (qsizetype i = 0; i <= polygon.size(); ++i) {
        m_body += i == 0 ? 'M' : 'L';
        point(polygon[i % polygon.size()]);
    }
    m_body += "\"/>\n";
}

void SvgWriter::line(QPointF from, QPointF to, const VectorPaint &paint)
{
    open("path", paint);
    m_body += " d=\"M";
    point(from);
    m_body += 'L';
    point(to);
    m_body += "\"/>\n";
}

void SvgWriter::text(TextFace &face, qreal y, std::span<const TextRun> runs, QRgb colour)
{
    if (runs.empty())
        return;
    open("text", {colour, std::nullopt});
    const QFont &font = face.font();
    if (font.family() != captionFamily())
        m_body += " font-family=\"" + svgCharacterData(familyList(font.family())) + '"';
    if (font.pixelSize() != kCaptionPixelSize)
        attribute("font-size", font.pixelSize());
    attribute("x", runs.front().x);
    attribute("y", y);
    const auto stretched = [&](const TextRun &run) {
        attribute("textLength", qreal(run.width));
        m_body += " lengthAdjust=\"spacingAndGlyphs\"";
    };
    if (runs.size() == 1 && !runs.front().simple)
        stretched(runs.front());
    m_body += '>';
    for (size_t i = 0; i < runs.size(); ++i) {
        const TextRun &run = runs[i];
        if (i > 0)
            m_body += '\t';
        if (!run.simple) {
            if (runs.size() == 1) {
                m_body += svgCharacterData(run.text);
                continue;
            }
            m_body += "<tspan";
            attribute("x", run.x);
            stretched(run);
            m_body += '>' + svgCharacterData(run.text) + "</tspan>";
            continue;
        }
        // Each character but spaces from its own place; the first of the line from the text's.
        qreal pen = run.x;
        bool inSpan = false;
        for (qsizetype c = 0; c < run.text.size(); ++c) {
            const QChar ch = run.text[c];
            if ((c > 0 && ch != QLatin1Char(' ')) || (c == 0 && i > 0)) {
                if (inSpan)
                    m_body += "</tspan>";
                m_body += "<tspan";
                attribute("x", pen);
                m_body += '>';
                inSpan = true;
            }
            m_body += svgCharacterData(QStringView(&ch, 1));
            pen += face.glyph(ch).advance;
        }
        if (inSpan)
            m_body += "</tspan>";
    }
    m_body += "</text>\n";
}

QByteArray SvgWriter::document() const
{
    const QByteArray w = QByteArray::number(m_width), h = QByteArray::number(m_height);
    QByteArray doc;
    doc.reserve(m_body.size() + m_styles.size() + 1024);
    doc += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
           w + "\" height=\"" + h + "\" viewBox=\"0 0 " + w + ' ' + h +
           "\" xml:space=\"preserve\">\n"
           "<title>" +
           svgCharacterData(m_title) +
           "</title>\n<desc>Drawn by Gravelink</desc>\n"
           "<style>\n" +
           m_styles + "</style>\n";
    // Strokes 1 wide with flat ends and mitred corners (limit 2), even-odd fills, the caption font.
    doc += "<g stroke-width=\"1\" stroke-miterlimit=\"2\" fill-rule=\"evenodd\" font-family=\"" +
           svgCharacterData(familyList(captionFamily())) + "\" font-size=\"" +
           QByteArray::number(kCaptionPixelSize) + "\">\n";
    doc += m_body;
    doc += "</g>\n</svg>\n";
    return doc;
}
