#include "toolkit/VectorPicture.h"

#include "toolkit/CaptionFont.h"
#include "toolkit/Errors.h"
#include "toolkit/PdfCreationDate.h"
#include "toolkit/SvgWriter.h"
#include "toolkit/VectorCanvas.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

#include <zlib.h>

namespace {

const char *const kCreator = "Gravelink";

void drawOn(QPaintDevice &device, int width, int height, const std::function<void(CanvasOps &)> &draw)
{
    QPainter painter(&device);
    painter.setFont(captionFont(captionFontName(), kCaptionPixelSize));
    VectorCanvas canvas(painter, width, height);
    draw(canvas);
}

QByteArray svgPicture(int width, int height, const std::function<void(CanvasOps &)> &draw,
                      const PictureInfo &info)
{
    SvgWriter writer(width, height);
    if (!info.title.isEmpty())
        writer.setTitle(info.title);
    VectorCanvas canvas(writer, width, height);
    draw(canvas);
    return writer.document();
}

// The bytes in the gzip format, as .svgz files hold them.
QByteArray gzipped(const QByteArray &bytes)
{
    z_stream stream{};
    // 15 window bits, plus 16 for a gzip header and trailer.
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, 15 + 16, 9, Z_DEFAULT_STRATEGY) != Z_OK)
        throw AppError(QCoreApplication::translate("VectorPicture",
                                                   "There is not enough memory to compress the picture."));
    QByteArray out;
    char buffer[1 << 16];
    qsizetype done = 0;
    int status = Z_OK;
    do {
        const qsizetype chunk = std::min<qsizetype>(bytes.size() - done, qsizetype(1) << 30);
        stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(bytes.constData() + done));
        stream.avail_in = uInt(chunk);
        done += chunk;
        do {
            stream.next_out = reinterpret_cast<Bytef *>(buffer);
            stream.avail_out = sizeof buffer;
            status = deflate(&stream, done == bytes.size() ? Z_FINISH : Z_NO_FLUSH);
            out.append(buffer, qsizetype(sizeof buffer - stream.avail_out));
        } while (stream.avail_out == 0);
    } while (done < bytes.size());
    deflateEnd(&stream);
    if (status != Z_STREAM_END)
        throw AppError(QCoreApplication::translate("VectorPicture", "The picture could not be compressed."));
    return out;
}

QByteArray pdfPicture(int width, int height, const std::function<void(CanvasOps &)> &draw,
                      const PictureInfo &info)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QString::fromLatin1(kCreator));
        writer.setTitle(info.title);
        writer.setResolution(72);
        writer.setPageLayout(
            QPageLayout(QPageSize(QSizeF(width, height), QPageSize::Point, QString(), QPageSize::ExactMatch),
                        QPageLayout::Portrait, QMarginsF()));
        drawOn(writer, width, height, draw);
    }
    return info.created ? pdfWithCreationDate(bytes, *info.created) : bytes;
}

} // namespace

QByteArray vectorPicture(VectorFormat format, int width, int height,
                         const std::function<void(CanvasOps &canvas)> &draw, const PictureInfo &info)
{
    switch (format) {
    case VectorFormat::Svg:
        return svgPicture(width, height, draw, info);
    case VectorFormat::Svgz:
        return gzipped(svgPicture(width, height, draw, info));
    case VectorFormat::Pdf:
        break;
    }
    return pdfPicture(width, height, draw, info);
}
