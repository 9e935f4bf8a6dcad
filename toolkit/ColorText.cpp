#include "toolkit/ColorText.h"

#include "toolkit/Errors.h"
#include "toolkit/IntText.h"

#include <array>

namespace {

struct NamedColor {
    const char *name;
    TColor value;
};

constexpr std::array<NamedColor, 16> kBasicColors{{
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
}};

std::optional<TColor> parseHex(QStringView digits)
{
    if (digits.isEmpty() || digits.size() > 8)
        return std::nullopt;
    TColor value = 0;
    for (QChar ch : digits) {
        const char16_t c = ch.unicode();
        TColor d = 0;
        if (c >= u'0' && c <= u'9')
            d = TColor(c - u'0');
        else if (c >= u'a' && c <= u'f')
            d = TColor(c - u'a' + 10);
        else if (c >= u'A' && c <= u'F')
            d = TColor(c - u'A' + 10);
        else
            return std::nullopt;
        value = value * 16 + d;
    }
    return value;
}

// Every colour name begins with "cl"; a text whose first character is plain ASCII and not a
// 'c' in either case cannot name one.
bool mayBeColorName(const QString &text)
{
    if (text.isEmpty())
        return false;
    const char16_t first = text.front().unicode();
    return first >= 0x80 || first == u'c' || first == u'C';
}

} // namespace

QString ColorToString(TColor color)
{
    for (const auto &named : kBasicColors)
        if (named.value == color)
            return QString::fromLatin1(named.name);
    return QStringLiteral("$%1").arg(color, 8, 16, QLatin1Char('0')).toUpper();
}

std::optional<TColor> tryStringToColor(const QString &text)
{
    if (mayBeColorName(text))
        for (const auto &named : kBasicColors)
            if (text.compare(QLatin1String(named.name), Qt::CaseInsensitive) == 0)
                return named.value;
    QStringView t(text);
    while (t.startsWith(QLatin1Char(' ')))
        t = t.sliced(1);
    if (t.startsWith(QLatin1Char('$')))
        return parseHex(t.sliced(1));
    if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        return parseHex(t.sliced(2));
    // The decimal reading skips the same leading blanks itself.
    if (auto v = tryStrToInt(text))
        return static_cast<TColor>(*v);
    return std::nullopt;
}

TColor StringToColor(const QString &text)
{
    if (auto c = tryStringToColor(text))
        return *c;
    throw ConvertError(notAnIntegerMessage(text));
}
