#pragma once

#include "toolkit/Color.h"

#include <QString>

#include <optional>

// Colour value to text: the name of a basic standard colour ("clRed"), otherwise "$" and
// eight upper-case hexadecimal digits in the $00BBGGRR layout ("$0099FFFF").
QString ColorToString(TColor color);

// Text to colour value: a basic standard colour name (any letter case), "$" followed by
// hexadecimal digits, or a decimal integer. Throws ConvertError otherwise.
TColor StringToColor(const QString &text);
std::optional<TColor> tryStringToColor(const QString &text);
