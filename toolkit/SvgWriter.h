#pragma once

#include "toolkit/VectorCanvas.h"

#include <QByteArray>
#include <QHash>
#include <QString>

// An SVG document of width x height px, one unit per sheet pixel, written as VectorCanvas draws
// on it. Each kind of paint is a class of one shared style sheet and the font and stroke
// settings are given once by the enclosing group, so an element carries only its class and
// geometry. Numbers have at most 6 significant digits below 10,000 and 2 decimals above.
// A text line is one <text> element holding the whole line: the text after a tab is a <tspan>
// at its tab stop, and the characters of simple text are placed one by one at the caption
// face's advances, so that the text keeps its width in any face a viewer picks; other text is
// stretched to its width with textLength. Characters that XML does not allow are written as
// U+FFFD.
class SvgWriter final : public VectorSurface {
public:
    SvgWriter(int width, int height);

    void rect(const QRectF &rect, const VectorPaint &paint) override;
    void ellipse(const QRectF &rect, const VectorPaint &paint) override;
    void path(const QPainterPath &path, const VectorPaint &paint) override;
    void polygon(const QPolygonF &polygon, const VectorPaint &paint) override;
    void line(QPointF from, QPointF to, const VectorPaint &paint) override;
    void text(TextFace &face, qreal y, std::span<const TextRun> runs, QRgb colour) override;

    // The document's <title>; "Gravelink" unless set.
    void setTitle(const QString &title) { m_title = title; }
    // The document with everything drawn so far.
    QByteArray document() const;

private:
    // Starts an element: "<name class=\"...\"" with the dash offset when there is one.
    void open(const char *name, const VectorPaint &paint);
    void number(qreal v);
    void point(QPointF p);
    void attribute(const char *name, qreal v);

    int m_width;
    int m_height;
    QString m_title = QStringLiteral("Gravelink");
    QByteArray m_body;
    QHash<QByteArray, QByteArray> m_classOf; // style -> class name
    QByteArray m_styles;
};

// The text as XML character data: markup characters escaped, those XML does not allow (control
// characters other than tab, U+FFFE, U+FFFF, unpaired surrogates) replaced by U+FFFD.
QByteArray svgCharacterData(QStringView text);
