#include "toolkit/IntText.h"

#include "toolkit/Errors.h"

#include <limits>

QString notAnIntegerMessage(const QString &text)
{
    // A pasted text may be thousands of characters long; the message shows its beginning.
    constexpr qsizetype kShown = 64;
    const QString shown = text.size() > kShown ? text.left(kShown) + QStringLiteral("...") : text;
    return QStringLiteral("'%1' is not a valid integer value").arg(shown);
}

std::optional<int> tryStrToInt(const QString &text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text.at(i) == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < n && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    if (i == n)
        return std::nullopt;
    long long value = 0;
    const long long limit = negative ? -static_cast<long long>(std::numeric_limits<int>::min())
                                     : std::numeric_limits<int>::max();
    for (; i < n; ++i) {
        const QChar ch = text.at(i);
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (ch.unicode() - '0');
        if (value > limit)
            return std::nullopt;
    }
    return static_cast<int>(negative ? -value : value);
}

int StrToInt(const QString &text)
{
    if (auto v = tryStrToInt(text))
        return *v;
    throw ConvertError(notAnIntegerMessage(text));
}
