#include "cli/Console.h"

#include <algorithm>

namespace {

// Characters that change the direction or order in which a terminal shows the text after them.
bool reorders(char16_t u)
{
    return (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069) || u == 0x200E || u == 0x200F ||
           u == 0x061C;
}

} // namespace

QString terminalText(QStringView text, bool keepLineBreaks)
{
    const auto unsafe = [&](QChar c) {
        return (c.category() == QChar::Other_Control && !(keepLineBreaks && c == QLatin1Char('\n'))) ||
               reorders(c.unicode());
    };
    if (std::none_of(text.begin(), text.end(), unsafe))
        return text.toString();
    QString out;
    out.reserve(text.size() + 8);
    for (QChar c : text) {
        if (!unsafe(c))
            out += c;
        else if (c.unicode() < 0x100)
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    return out;
}
