#include "toolkit/DamageLog.h"

#include <algorithm>
#include <cstring>

void DamageLog::add(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom)
{
    if (m_all || !m_watched)
        return;
    const std::int64_t w = m_watched->width();
    const std::int64_t h = m_watched->height();
    left = std::max<std::int64_t>(left, 0);
    top = std::max<std::int64_t>(top, 0);
    right = std::min(right, w);
    bottom = std::min(bottom, h);
    if (left >= right || top >= bottom)
        return;
    if ((left == 0 && top == 0 && right == w && bottom == h) || m_rects.size() >= kMaxRects) {
        addAll();
        return;
    }
    m_rects.emplace_back(int(left), int(top), int(right - left), int(bottom - top));
}

void DamageLog::addAll()
{
    m_all = true;
    m_rects.clear();
}

void DamageLog::clear()
{
    m_all = false;
    m_rects.clear();
}

void copyDamage(const DamageLog &log, const QImage &from, QImage &to)
{
    if (log.empty())
        return;
    const qsizetype stride = from.bytesPerLine();
    const int bytesPerPixel = from.depth() / 8;
    qint64 area = 0;
    for (const QRect &r : log.rects())
        area += qint64(r.width()) * r.height();
    uchar *dst = to.bits();
    const uchar *src = from.constBits();
    if (log.all() || area >= qint64(from.width()) * from.height()) {
        std::memcpy(dst, src, size_t(from.sizeInBytes()));
        return;
    }
    for (const QRect &damaged : log.rects()) {
        const QRect r = damaged & from.rect();
        const qsizetype offset = qsizetype(r.left()) * bytesPerPixel;
        const size_t length = size_t(r.width()) * size_t(bytesPerPixel);
        for (int y = r.top(); y <= r.bottom(); ++y)
            std::memcpy(dst + y * stride + offset, src + y * stride + offset, length);
    }
}
