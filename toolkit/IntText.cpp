#include "toolkit/IntText.h"

#include "toolkit/Errors.h"

#include <QCoreApplication>

#include <limits>

QString notAnIntegerMessage(const QString &text)
{
    // A pasted text may be thousands of characters long; the message shows its beginning.
    constexpr qsizetype kShown = 64;
    const QString shown = text.size() > kShown ? text.left(kShown) + QStringLiteral("...") : text;
    return QCoreApplication::translate("IntText", "'%1' is not a valid integer value").arg(shown);
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
    const long long limit =
        negative ? -static_cast<long long>(std::numeric_limits<int>::min()) : std::numeric_limits<int>::max();
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

bool isIntText(QStringView text, long long value)
{
    char16_t digits[24];
    qsizetype n = 0;
    // Digits from the last, of the magnitude as unsigned (which holds the lowest value's too).
    unsigned long long magnitude =
        value < 0 ? 0ull - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
    do {
        digits[n++] = char16_t(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0)
        digits[n++] = u'-';
    if (text.size() != n)
        return false;
    for (qsizetype i = 0; i < n; ++i)
        if (text[i] != QChar(digits[n - 1 - i]))
            return false;
    return true;
}
