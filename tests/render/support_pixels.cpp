#include "render/RenderTestUtil.h"

#include "toolkit/Canvas.h"

#include <QDir>

QImage blankImage(int width, int height, TColor fill)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor::fromRgb(toQRgb(fill)));
    return image;
}

TColor colorAt(const QImage &image, int x, int y)
{
    return fromQRgb(image.pixel(x, y)) & 0x00FFFFFFu;
}

QRect boundsWhere(const QImage &image, const std::function<bool(TColor)> &pred)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (pred(colorAt(image, x, y)))
                box = box.united(QRect(x, y, 1, 1));
    return box;
}

QRect boundsOf(const QImage &image, TColor color)
{
    return boundsWhere(image, [color](TColor c) { return c == color; });
}

int countOf(const QImage &image, TColor color)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += colorAt(image, x, y) == color;
    return n;
}

std::vector<QPoint> pixelsOf(const QImage &image, TColor color, const QRect &area)
{
    std::vector<QPoint> out;
    const QRect clipped = area.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            if (colorAt(image, x, y) == color)
                out.emplace_back(x - area.left(), y - area.top());
    return out;
}

std::vector<QPoint> differences(const QImage &a, const QImage &b)
{
    std::vector<QPoint> out;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (colorAt(a, x, y) != colorAt(b, x, y))
                out.emplace_back(x, y);
    return out;
}

std::vector<QPoint> glyphPixels(const QString &text, int pixelSize, TColor textColor, TColor cellColor)
{
    Canvas probe;
    probe.setFontName(captionFontName());
    probe.setFontSize(pixelSize);
    const QSize extent = probe.TextExtent(text);
    QImage image = blankImage(extent.width() + 4, extent.height() + 4, cellColor);
    Canvas canvas(&image);
    canvas.setFontName(captionFontName());
    canvas.setFontSize(pixelSize);
    canvas.setFontColor(textColor);
    canvas.setBrushColor(cellColor);
    canvas.TextOut(0, 0, text);
    return pixelsOf(image, textColor, image.rect());
}

QString dumpImage(const QImage &image, const QString &name)
{
    const QString path = QDir(QStringLiteral(GRAVELINK_BINARY_DIR)).filePath(name + QStringLiteral(".png"));
    image.save(path);
    return path;
}
