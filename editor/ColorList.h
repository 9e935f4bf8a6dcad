#pragma once

#include <QString>
#include <QStringList>

// The items of the colour box ColorBox1, in order: colour values in the $00BBGGRR text form,
// exactly as an element's colour column stores them.
inline const QStringList &colorBoxItems()
{
    static const QStringList items{
        QStringLiteral("$0099FFFF"), // pale yellow
        QStringLiteral("$00CCFFCC"), // pale green
        QStringLiteral("$00FFCC99"), // pale sky blue
        QStringLiteral("$00CCCCFF"), // pale pink
        QStringLiteral("$00FFCCFF"), // pale magenta
        QStringLiteral("$0099FFCC"), // pale yellow-green
        QStringLiteral("$00FFFFCC"), // pale cyan
        QStringLiteral("$00FFCCCC"), // pale lavender
        QStringLiteral("$0099CCFF"), // pale orange
    };
    return items;
}
