#pragma once

#include <QString>

#include <optional>

// Decimal text to a 32-bit integer: optional leading blanks, an optional sign, digits.
// Throws ConvertError "'<text>' is not a valid integer value" when the text is anything else.
int StrToInt(const QString &text);

// The same rules without throwing.
std::optional<int> tryStrToInt(const QString &text);

inline QString IntToStr(long long value)
{
    return QString::number(value);
}

// Whether the text is IntToStr(value), found without building that text.
bool isIntText(QStringView text, long long value);

// The conversion error message for a text.
QString notAnIntegerMessage(const QString &text);
