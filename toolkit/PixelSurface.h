#pragma once

#include "toolkit/Canvas.h"

#include <QImage>

#include <algorithm>
#include <cstdint>

// Direct access to the 32-bit pixels of an image, with clipping of horizontal runs.
// Images of other formats are converted to Format_RGB32 in place.
class PixelSurface {
public:
    explicit PixelSurface(QImage *image)
    {
        if (!image || image->isNull())
            return;
        const QImage::Format f = image->format();
        if (f != QImage::Format_RGB32 && f != QImage::Format_ARGB32 &&
            f != QImage::Format_ARGB32_Premultiplied)
            *image = image->convertToFormat(QImage::Format_RGB32);
        m_bits = reinterpret_cast<std::uint32_t *>(image->bits());
        m_stride = image->bytesPerLine() / 4;
        m_width = image->width();
        m_height = image->height();
    }

    bool valid() const { return m_bits != nullptr; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    qsizetype stride() const { return m_stride; } // in pixels

    bool contains(Coord x, Coord y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }

    std::uint32_t *row(Coord y) const { return m_bits + static_cast<qsizetype>(y) * m_stride; }

    void put(Coord x, Coord y, std::uint32_t value) const
    {
        if (contains(x, y))
            row(y)[x] = value;
    }

    // Columns first..last (inclusive) of row y.
    void fill(Coord y, Coord first, Coord last, std::uint32_t value) const
    {
        if (y < 0 || y >= m_height)
            return;
        first = std::max<Coord>(first, 0);
        last = std::min<Coord>(last, m_width - 1);
        if (first <= last)
            std::fill(row(y) + first, row(y) + last + 1, value);
    }

    // Rows top..bottom-1 and columns left..right-1.
    void fillRect(Coord left, Coord top, Coord right, Coord bottom, std::uint32_t value) const
    {
        top = std::max<Coord>(top, 0);
        bottom = std::min<Coord>(bottom, m_height);
        for (Coord y = top; y < bottom; ++y)
            fill(y, left, right - 1, value);
    }

private:
    std::uint32_t *m_bits = nullptr;
    qsizetype m_stride = 0;
    int m_width = 0;
    int m_height = 0;
};
