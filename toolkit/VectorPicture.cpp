#include "toolkit/VectorPicture.h"

#include "toolkit/CaptionFont.h"
#include "toolkit/VectorCanvas.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace {

const char *const kCreator = "Gravelink";

void drawOn(QPaintDevice &device, int width, int height, const std::function<void(CanvasOps &)> &draw)
{
    QPainter painter(&device);
    // Groups written before the first text name the caption font too.
    painter.setFont(captionFont(captionFontName(), kCaptionPixelSize));
    VectorCanvas canvas(painter, width, height);
    draw(canvas);
}

QByteArray svgPicture(int width, int height, const std::function<void(CanvasOps &)> &draw)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        // Without a size the generator writes no width and height (it would write them in mm).
        generator.setViewBox(QRect(0, 0, width, height));
        generator.setTitle(QString::fromLatin1(kCreator));
        generator.setDescription(QStringLiteral("Drawn by %1").arg(QLatin1String(kCreator)));
        drawOn(generator, width, height, draw);
    }
    // The size in px, one per sheet pixel.
    const qsizetype root = bytes.indexOf("<svg");
    if (root >= 0)
        bytes.insert(root + 4,
                     QStringLiteral(" width=\"%1\" height=\"%2\"").arg(width).arg(height).toLatin1());
    // The caption font with fallbacks for where it is not installed.
    const QString family = captionFamily();
    QString families = family;
    if (family != QLatin1String("DejaVu Sans"))
        families += QLatin1String(", 'DejaVu Sans'");
    families += QLatin1String(", sans-serif");
    bytes.replace("font-family=\"" + family.toUtf8() + '"', "font-family=\"" + families.toUtf8() + '"');
    return bytes;
}

QByteArray pdfPicture(int width, int height, const std::function<void(CanvasOps &)> &draw)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QString::fromLatin1(kCreator));
        writer.setResolution(72);
        writer.setPageLayout(
            QPageLayout(QPageSize(QSizeF(width, height), QPageSize::Point, QString(), QPageSize::ExactMatch),
                        QPageLayout::Portrait, QMarginsF()));
        drawOn(writer, width, height, draw);
    }
    return bytes;
}

} // namespace

QByteArray vectorPicture(VectorFormat format, int width, int height,
                         const std::function<void(CanvasOps &canvas)> &draw)
{
    return format == VectorFormat::Svg ? svgPicture(width, height, draw) : pdfPicture(width, height, draw);
}
