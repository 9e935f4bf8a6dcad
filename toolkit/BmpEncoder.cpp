#include "toolkit/BmpEncoder.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

constexpr int kFileHeader = 14;
constexpr int kInfoHeader = 40;
constexpr int kHeader = kFileHeader + kInfoHeader;
static_assert(kHeader == Bmp24Encoder::kHeaderSize);

char *putLE(char *p, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        *p++ = char((value >> (8 * i)) & 0xFF);
    return p;
}

// One row: blue, green, red of each pixel, then zeros up to rowBytes.
void encodeRow(const std::uint32_t *src, int width, unsigned char *p, qint64 rowBytes)
{
    for (int x = 0; x < width; ++x) {
        const std::uint32_t rgb = src[x];
        p[0] = static_cast<unsigned char>(rgb & 0xFF);
        p[1] = static_cast<unsigned char>((rgb >> 8) & 0xFF);
        p[2] = static_cast<unsigned char>((rgb >> 16) & 0xFF);
        p += 3;
    }
    std::memset(p, 0, size_t(rowBytes - qint64(width) * 3));
}

} // namespace

Bmp24Encoder::Bmp24Encoder(const QImage &image) : m_image(image)
{
    if (image.isNull() || image.format() != QImage::Format_RGB32)
        return;
    m_rowBytes = (qint64(image.width()) * 24 + 31) / 32 * 4;
    const qint64 size = kHeader + m_rowBytes * image.height();
    if (size <= std::numeric_limits<std::uint32_t>::max())
        m_size = size;
}

qsizetype Bmp24Encoder::minimumCapacity() const
{
    return qsizetype(std::max<qint64>(kHeader, m_rowBytes));
}

qsizetype Bmp24Encoder::next(char *buffer, qsizetype capacity)
{
    if (!valid() || capacity < (m_headerDone ? m_rowBytes : kHeader))
        return 0;
    if (!m_headerDone) {
        header(buffer);
        m_headerDone = true;
        return kHeader;
    }
    const int height = m_image.height();
    const int rows = int(std::min<qint64>(capacity / m_rowBytes, height - m_nextRow));
    auto *out = reinterpret_cast<unsigned char *>(buffer);
    for (int i = 0; i < rows; ++i, ++m_nextRow)
        encodeRow(reinterpret_cast<const std::uint32_t *>(m_image.constScanLine(height - 1 - m_nextRow)),
                  m_image.width(), out + qsizetype(i) * m_rowBytes, m_rowBytes);
    return qsizetype(rows * m_rowBytes);
}

void Bmp24Encoder::header(char *buffer) const
{
    char *p = buffer;
    *p++ = 'B';
    *p++ = 'M';
    p = putLE(p, std::uint32_t(m_size), 4);
    p = putLE(p, 0, 4);
    p = putLE(p, kHeader, 4);
    p = putLE(p, kInfoHeader, 4);
    p = putLE(p, std::uint32_t(m_image.width()), 4);
    p = putLE(p, std::uint32_t(m_image.height()), 4);
    p = putLE(p, 1, 2);  // planes
    p = putLE(p, 24, 2); // bits per pixel
    p = putLE(p, 0, 4);  // no compression
    p = putLE(p, std::uint32_t(m_size - kHeader), 4);
    p = putLE(p, std::uint32_t(m_image.dotsPerMeterX()), 4);
    p = putLE(p, std::uint32_t(m_image.dotsPerMeterY()), 4);
    p = putLE(p, 0, 4); // colours used
    putLE(p, 0, 4);     // important colours
}

qint64 Bmp24Encoder::bandOffset(int top, int rows) const
{
    return kHeader + m_rowBytes * (qint64(m_image.height()) - top - rows);
}

void Bmp24Encoder::encodeBand(const QImage &rows, char *buffer) const
{
    auto *out = reinterpret_cast<unsigned char *>(buffer);
    const int count = rows.height();
    for (int i = 0; i < count; ++i)
        encodeRow(reinterpret_cast<const std::uint32_t *>(rows.constScanLine(count - 1 - i)), rows.width(),
                  out + qsizetype(i) * m_rowBytes, m_rowBytes);
}

QByteArray encodeBmp24(const QImage &image)
{
    Bmp24Encoder encoder(image);
    if (!encoder.valid() || encoder.size() > std::numeric_limits<qsizetype>::max())
        return {};
    QByteArray bytes(qsizetype(encoder.size()), Qt::Uninitialized);
    qsizetype done = 0;
    while (const qsizetype n = encoder.next(bytes.data() + done, bytes.size() - done))
        done += n;
    return bytes;
}
