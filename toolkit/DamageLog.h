#pragma once

#include <QImage>
#include <QRect>

#include <cstdint>
#include <vector>

// Which parts of one image have been drawn on since the log was last cleared: a list of
// rectangles within the image, or "all of it" once the list grows past its limit or a rectangle
// covers the whole image. Areas may overlap and may be larger than what was actually drawn,
// never smaller. Only drawing on the watched image counts.
class DamageLog {
public:
    static constexpr std::size_t kMaxRects = 1 << 16;

    explicit DamageLog(const QImage *watched = nullptr) : m_watched(watched) {}
    DamageLog(const DamageLog &) = delete;
    DamageLog &operator=(const DamageLog &) = delete;

    const QImage *watched() const { return m_watched; }

    // Columns [left, right) and rows [top, bottom), clipped to the watched image.
    void add(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom);
    void addAll();
    void clear();

    bool all() const { return m_all; }
    bool empty() const { return !m_all && m_rects.empty(); }
    const std::vector<QRect> &rects() const { return m_rects; }

private:
    const QImage *m_watched;
    bool m_all = true; // nothing is known about an image before the log starts
    std::vector<QRect> m_rects;
};

// Copies the areas of `log` from `from` into `to`, two images of the same size and format
// (all of it when the log says so).
void copyDamage(const DamageLog &log, const QImage &from, QImage &to);
