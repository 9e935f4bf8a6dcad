#include "app/Glyphs.h"

#include <QPainter>
#include <QPolygon>

#include <initializer_list>

namespace {

const QColor kKey(0xC0, 0xC0, 0xC0); // light grey, the usual glyph background
const QColor kCyan(0x00, 0xFF, 0xFF);
const QColor kNavy(0x00, 0x00, 0x80);
const QColor kBlue(0x00, 0x00, 0xFF);
const QColor kYellow(0xFF, 0xFF, 0x00);
const QColor kOlive(0x80, 0x80, 0x00);
const QColor kMetal(0xA8, 0xA8, 0xA8);

QColor paletteColor(char c, const QColor &background)
{
    switch (c) {
    case 'k':
        return Qt::black;
    case 'w':
        return Qt::white;
    default:
        return background;
    }
}

// Rows of characters: '.' background, 'k' black, 'w' white.
QImage fromRows(std::initializer_list<const char *> rows, const QColor &background)
{
    const int h = int(rows.size());
    const int w = int(qstrlen(*rows.begin()));
    QImage img(w, h, QImage::Format_ARGB32);
    int y = 0;
    for (const char *row : rows) {
        for (int x = 0; x < w; ++x)
            img.setPixelColor(x, y, paletteColor(row[x], background));
        ++y;
    }
    return img;
}

QImage blank(int size = 16, const QColor &background = kKey)
{
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(background);
    return img;
}

QPen pen(const QColor &c, int width = 1)
{
    QPen p(c, width);
    p.setCapStyle(Qt::SquareCap);
    p.setJoinStyle(Qt::MiterJoin);
    return p;
}

void triangle(QImage &img, std::initializer_list<QPoint> corners)
{
    QPainter p(&img);
    p.setPen(pen(Qt::black));
    p.setBrush(Qt::black);
    p.drawPolygon(QPolygon(QList<QPoint>(corners)));
}

void page(QPainter &p, int l, int t, int r, int b, int fold)
{
    p.setPen(pen(Qt::black));
    p.setBrush(Qt::white);
    p.drawPolygon(
        QPolygon({QPoint(l, t), QPoint(r - fold, t), QPoint(r, t + fold), QPoint(r, b), QPoint(l, b)}));
    if (fold > 0)
        p.drawPolyline(QPolygon({QPoint(r - fold, t), QPoint(r - fold, t + fold), QPoint(r, t + fold)}));
}

void diskette(QPainter &p, int l, int t, int size)
{
    const int r = l + size - 1;
    const int b = t + size - 1;
    p.setPen(pen(Qt::black));
    p.setBrush(kNavy);
    p.drawRect(l, t, size - 1, size - 1);
    // label
    p.fillRect(QRect(QPoint(l + 2, t + 1), QPoint(r - 2, t + size / 2 - 1)), Qt::white);
    // shutter
    p.fillRect(QRect(QPoint(l + 3, b - size / 3 + 1), QPoint(r - 3, b - 1)), kMetal);
    p.fillRect(QRect(QPoint(r - 5, b - size / 3 + 2), QPoint(r - 4, b - 1)), kNavy);
}

QImage paint(Glyph glyph)
{
    switch (glyph) {
    case Glyph::Menu:
        return fromRows({".......", ".......", "kkkkkkk", ".kkkkk.", "..kkk..", "...k...", "......."}, kCyan);
    case Glyph::Cursor:
        return fromRows({"................", "...k............", "...kk...........", "...kkk..........",
                         "...kkkk.........", "...kkkkk........", "...kkkkkk.......", "...kkkkkkk......",
                         "...kkkkkkkk.....", "...kkkkkkkkk....", "...kkkkkk.......", "...kkk.kkk......",
                         "...kk..kkk......", "...k....kkk.....", "........kkk.....", "................"},
                        kKey);
    case Glyph::Rectangle:
        return fromRows({"................", "................", "................", ".kkkkkkkkkkkkkk.",
                         ".kwwwwwwwwwwwwk.", ".kwwkkkwwwwkwwk.", ".kwwkwwkwwkkwwk.", ".kwwkkkwwwwkwwk.",
                         ".kwwkwkwwwwkwwk.", ".kwwkwwkwwkkkwk.", ".kwwwwwwwwwwwwk.", ".kkkkkkkkkkkkkk.",
                         "................", "................", "................", "................"},
                        kKey);
    case Glyph::Point:
        return fromRows({"................", "................", "................", "................",
                         "......kkkk......", "....kkkkkkkk....", "....kkkkkkkk....", "...kkkkkkkkkk...",
                         "...kkkkkkkkkk...", "....kkkkkkkk....", "....kkkkkkkk....", "......kkkk......",
                         "................", "................", "................", "................"},
                        kKey);
    case Glyph::Line: {
        QImage img = blank();
        for (int i = 0; i < 16; ++i)
            img.setPixelColor(i, i, Qt::black);
        return img;
    }
    case Glyph::Delete: {
        QImage img = blank();
        QPainter p(&img);
        p.setPen(pen(Qt::red, 2));
        p.drawLine(3, 3, 12, 12);
        p.drawLine(12, 3, 3, 12);
        return img;
    }
    case Glyph::ChangeLine: {
        QImage img = blank();
        QPainter p(&img);
        p.setPen(pen(Qt::black));
        p.drawLine(2, 4, 10, 4);
        p.drawLine(3, 3, 3, 5);
        p.drawLine(4, 2, 4, 6);
        p.drawLine(5, 11, 13, 11);
        p.drawLine(12, 10, 12, 12);
        p.drawLine(11, 9, 11, 13);
        return img;
    }
    case Glyph::TriangleUp: {
        QImage img = blank();
        triangle(img, {QPoint(3, 10), QPoint(12, 10), QPoint(7, 5), QPoint(8, 5)});
        return img;
    }
    case Glyph::TriangleDown: {
        QImage img = blank();
        triangle(img, {QPoint(3, 5), QPoint(12, 5), QPoint(8, 10), QPoint(7, 10)});
        return img;
    }
    case Glyph::TriangleLeft: {
        QImage img = blank();
        triangle(img, {QPoint(10, 3), QPoint(10, 12), QPoint(5, 8), QPoint(5, 7)});
        return img;
    }
    case Glyph::TriangleRight: {
        QImage img = blank();
        triangle(img, {QPoint(5, 3), QPoint(5, 12), QPoint(10, 7), QPoint(10, 8)});
        return img;
    }
    case Glyph::NewPage: {
        QImage img = blank();
        QPainter p(&img);
        page(p, 3, 1, 12, 14, 3);
        return img;
    }
    case Glyph::OpenFolder: {
        QImage img = blank();
        QPainter p(&img);
        p.setPen(pen(Qt::black));
        p.setBrush(kOlive);
        p.drawPolygon(QPolygon(
            {QPoint(1, 3), QPoint(5, 3), QPoint(6, 4), QPoint(12, 4), QPoint(12, 13), QPoint(1, 13)}));
        p.setBrush(kYellow);
        p.drawPolygon(QPolygon({QPoint(3, 7), QPoint(15, 7), QPoint(12, 13), QPoint(1, 13)}));
        return img;
    }
    case Glyph::Save: {
        QImage img = blank();
        QPainter p(&img);
        diskette(p, 1, 1, 14);
        return img;
    }
    case Glyph::SaveAs: {
        QImage img = blank();
        QPainter p(&img);
        diskette(p, 4, 0, 11);
        diskette(p, 0, 4, 11);
        return img;
    }
    case Glyph::CopyImage: {
        QImage img = blank();
        QPainter p(&img);
        for (int offset : {0, 5}) {
            page(p, 1 + offset, 1 + offset, 9 + offset, 10 + offset, 0);
            p.setPen(pen(kBlue));
            for (int y = 3 + offset; y <= 8 + offset; y += 2)
                p.drawLine(3 + offset, y, 7 + offset, y);
        }
        return img;
    }
    }
    return blank();
}

} // namespace

QImage glyphImage(Glyph glyph)
{
    return paint(glyph);
}

QImage withBottomLeftTransparent(const QImage &image)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    if (out.isNull())
        return out;
    const QRgb key = out.pixel(0, out.height() - 1);
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if (line[x] == key)
                line[x] = qRgba(0, 0, 0, 0);
    }
    return out;
}

QPixmap glyphPixmap(Glyph glyph)
{
    return QPixmap::fromImage(withBottomLeftTransparent(paint(glyph)));
}
