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
    {"clBlack", 0x000000},  {"clMaroon", 0x000080}, {"clGreen", 0x008000}, {"clOlive", 0x008080},
    {"clNavy", 0x800000},   {"clPurple", 0x800080}, {"clTeal", 0x808000},  {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0}, {"clRed", 0x0000FF},    {"clLime", 0x00FF00},  {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},   {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00}, {"clWhite", 0xFFFFFF},
}};

std::optional<TColor> parseHex(const QString &digits)
{
    if (digits.isEmpty() || digits.size() > 8)
        return std::nullopt;
    TColor value = 0;
    for (QChar ch : digits) {
        const int d = QStringView(&ch, 1).toInt(nullptr, 16);
        const char c = ch.toLatin1();
        const bool isHex = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
        if (!isHex)
            return std::nullopt;
        value = value * 16 + static_cast<TColor>(d);
    }
    return value;
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
    for (const auto &named : kBasicColors)
        if (text.compare(QLatin1String(named.name), Qt::CaseInsensitive) == 0)
            return named.value;
    QString t = text;
    while (t.startsWith(QLatin1Char(' ')))
        t.remove(0, 1);
    if (t.startsWith(QLatin1Char('$')))
        return parseHex(t.mid(1));
    if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        return parseHex(t.mid(2));
    if (auto v = tryStrToInt(t))
        return static_cast<TColor>(*v);
    return std::nullopt;
}

TColor StringToColor(const QString &text)
{
    if (auto c = tryStringToColor(text))
        return *c;
    throw ConvertError(notAnIntegerMessage(text));
}
