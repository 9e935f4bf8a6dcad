#include "editor/SquaredDistance.h"

#include <algorithm>

namespace {

__extension__ typedef unsigned __int128 Wide;

Wide square(qint64 a, qint64 b)
{
    const quint64 d = a > b ? quint64(a) - quint64(b) : quint64(b) - quint64(a);
    return Wide(d) * d;
}

bool isDigits(const QString &s)
{
    return !s.isEmpty() &&
           std::all_of(s.begin(), s.end(), [](QChar c) { return c.isDigit() && c.unicode() < 128; });
}

QStringView withoutLeadingZeros(const QString &s)
{
    qsizetype i = 0;
    while (i + 1 < s.size() && s.at(i) == QLatin1Char('0'))
        ++i;
    return QStringView(s).mid(i);
}

} // namespace

QString squaredDistanceText(qint64 x1, qint64 y1, qint64 x2, qint64 y2)
{
    Wide value = square(x1, x2) + square(y1, y2);
    // Digits from the lowest up, then reversed into the text in one allocation.
    char reversed[40];
    int n = 0;
    for (; value > ~quint64(0); value /= 10)
        reversed[n++] = char('0' + int(value % 10));
    auto low = quint64(value);
    do {
        reversed[n++] = char('0' + int(low % 10));
        low /= 10;
    } while (low != 0);
    QString digits(n, Qt::Uninitialized);
    for (int i = 0; i < n; ++i)
        digits[i] = QLatin1Char(reversed[n - 1 - i]);
    return digits;
}

bool distanceTextLess(const QString &a, const QString &b)
{
    if (isDigits(a) && isDigits(b)) {
        const QStringView x = withoutLeadingZeros(a);
        const QStringView y = withoutLeadingZeros(b);
        if (x.size() != y.size())
            return x.size() < y.size();
        return x.compare(y) < 0;
    }
    return a.toDouble() < b.toDouble();
}
