#include "toolkit/ImagePyramid.h"

#include <algorithm>
#include <cstdint>

namespace {

// The pixels of `to` within rect (in `to`'s coordinates) from the 2 x 2 blocks of `from`.
void reduce(const QImage &from, QImage &to, const QRect &rect)
{
    const int fw = from.width(), fh = from.height();
    const QRect r = rect & to.rect();
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const int y0 = 2 * y;
        const bool twoRows = y0 + 1 < fh;
        const auto *row0 = reinterpret_cast<const std::uint32_t *>(from.constScanLine(y0));
        const auto *row1 = reinterpret_cast<const std::uint32_t *>(from.constScanLine(twoRows ? y0 + 1 : y0));
        auto *out = reinterpret_cast<std::uint32_t *>(to.scanLine(y));
        for (int x = r.left(); x <= r.right(); ++x) {
            const int x0 = 2 * x;
            const int x1 = x0 + 1 < fw ? x0 + 1 : x0;
            const std::uint32_t a = row0[x0], b = row0[x1], c = row1[x0], d = row1[x1];
            // Rounded mean of each channel, red and blue summed side by side (10 bits each are
            // enough for four); the top byte of RGB32 stays 0xFF.
            const std::uint32_t rb =
                (a & 0xFF00FFu) + (b & 0xFF00FFu) + (c & 0xFF00FFu) + (d & 0xFF00FFu) + 0x00020002u;
            const std::uint32_t g = (a & 0xFF00u) + (b & 0xFF00u) + (c & 0xFF00u) + (d & 0xFF00u) + 0x200u;
            out[x] = 0xFF000000u | ((rb >> 2) & 0xFF00FFu) | ((g >> 2) & 0xFF00u);
        }
    }
}

} // namespace

bool ImagePyramid::fits(const QImage &source) const
{
    return !m_levels.empty() && m_levels[0].width() == (source.width() + 1) / 2 &&
           m_levels[0].height() == (source.height() + 1) / 2;
}

void ImagePyramid::rebuild(const QImage &source)
{
    m_levels.clear();
    if (source.isNull() || source.format() != QImage::Format_RGB32)
        return;
    const QImage *above = &source;
    for (int k = 1; k <= kLevels; ++k) {
        QImage level((above->width() + 1) / 2, (above->height() + 1) / 2, QImage::Format_RGB32);
        if (level.isNull()) {
            m_levels.clear();
            return;
        }
        reduce(*above, level, level.rect());
        m_levels.push_back(std::move(level));
        above = &m_levels.back();
    }
}

void ImagePyramid::update(const QImage &source, const std::vector<QRect> &areas)
{
    if (!fits(source)) {
        rebuild(source);
        return;
    }
    // Areas overlap (along a long stroke they come by the thousand): each level is brought up to
    // date in tiles, each tile that any area touches once.
    constexpr int kTile = 32;
    const QImage &first = m_levels.front();
    int columns = (first.width() + kTile - 1) / kTile, rows = (first.height() + kTile - 1) / kTile;
    std::vector<unsigned char> touched(size_t(columns) * size_t(rows), 0);
    for (const QRect &area : areas) {
        // The pixels below [left, right] are [left / 2, right / 2].
        const QRect r = QRect(QPoint(std::max(0, area.left()) / 2, std::max(0, area.top()) / 2),
                              QPoint(std::max(0, area.right()) / 2, std::max(0, area.bottom()) / 2)) &
                        first.rect();
        if (r.isEmpty())
            continue;
        for (int ty = r.top() / kTile; ty <= r.bottom() / kTile; ++ty)
            for (int tx = r.left() / kTile; tx <= r.right() / kTile; ++tx)
                touched[size_t(ty) * size_t(columns) + size_t(tx)] = 1;
    }
    const QImage *above = &source;
    for (size_t k = 0; k < m_levels.size(); ++k) {
        QImage &level = m_levels[k];
        for (int ty = 0; ty < rows; ++ty)
            for (int tx = 0; tx < columns; ++tx)
                if (touched[size_t(ty) * size_t(columns) + size_t(tx)])
                    reduce(*above, level, QRect(tx * kTile, ty * kTile, kTile, kTile));
        above = &level;
        if (k + 1 == m_levels.size())
            break;
        // A tile of the next level lies below 2 x 2 tiles of this one.
        const int nextColumns = (m_levels[k + 1].width() + kTile - 1) / kTile;
        const int nextRows = (m_levels[k + 1].height() + kTile - 1) / kTile;
        std::vector<unsigned char> next(size_t(nextColumns) * size_t(nextRows), 0);
        for (int ty = 0; ty < rows; ++ty)
            for (int tx = 0; tx < columns; ++tx)
                if (touched[size_t(ty) * size_t(columns) + size_t(tx)])
                    next[size_t(ty / 2) * size_t(nextColumns) + size_t(tx / 2)] = 1;
        touched.swap(next);
        columns = nextColumns;
        rows = nextRows;
    }
}

qint64 ImagePyramid::bytes() const
{
    qint64 total = 0;
    for (const QImage &level : m_levels)
        total += level.sizeInBytes();
    return total;
}
