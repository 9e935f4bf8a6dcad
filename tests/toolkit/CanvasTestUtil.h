#pragma once

#include "toolkit/Canvas.h"

#include <QImage>
#include <QMap>
#include <QRect>
#include <QStringList>

constexpr TColor kBack = 0x00FFFFFF;
constexpr TColor kPen = 0x000000FF;   // red
constexpr TColor kFill = 0x0000FF00;  // green
constexpr TColor kPaper = 0x00FF0000; // blue, for backgrounds that must stay

inline QImage blankImage(int w, int h, TColor colour = kBack)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(QColor::fromRgb(toQRgb(colour)));
    return image;
}

inline TColor at(const QImage &image, int x, int y)
{
    return fromQRgb(image.pixel(x, y));
}

// The pixels of `rect` as text, one string per row: 'o' pen, '.' brush, ' ' background, '?' other.
inline QStringList art(const QImage &image, const QRect &rect)
{
    QStringList rows;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        QString row;
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const TColor c = at(image, x, y);
            row += c == kPen    ? QLatin1Char('o')
                   : c == kFill ? QLatin1Char('.')
                   : c == kBack ? QLatin1Char(' ')
                                : QLatin1Char('?');
        }
        rows << row;
    }
    return rows;
}

// The smallest rectangle holding every pixel that differs from `background`.
inline QRect changedBounds(const QImage &image, TColor background = kBack)
{
    QRect r;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (at(image, x, y) != background)
                r |= QRect(x, y, 1, 1);
    return r;
}

inline QMap<TColor, int> colourCounts(const QImage &image, const QRect &rect)
{
    QMap<TColor, int> counts;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            ++counts[at(image, x, y)];
    return counts;
}
