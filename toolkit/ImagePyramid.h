#pragma once

#include <QImage>
#include <QRect>

#include <vector>

// Reduced copies of an RGB32 image for showing it below its size: level k holds the image at
// 1/2^k, each pixel the mean of the 2 x 2 pixels under it on the level above (a box filter; at an
// odd edge the mean of the pixels there are). Kept up to date area by area, so that a change of a
// few pixels costs a few pixels on each level.
class ImagePyramid {
public:
    static constexpr int kLevels = 4; // down to 1/16

    // Follows `source` (not owned), rebuilding every level.
    void rebuild(const QImage &source);
    // Brings every level up to date with the source within those areas of it.
    void update(const QImage &source, const std::vector<QRect> &areas);
    // Frees the levels.
    void clear() { m_levels.clear(); }
    bool empty() const { return m_levels.empty(); }
    // Whether the levels were made for an image of that size.
    bool fits(const QImage &source) const;

    // Level 1 to kLevels.
    const QImage &level(int k) const { return m_levels.at(size_t(k - 1)); }
    qint64 bytes() const;

private:
    std::vector<QImage> m_levels;
};
