#pragma once

#include <QString>
#include <QStringList>

// The items of the colour list (ColorBox), in order. An element's colour column stores one of
// these texts when the element is created.
inline const QStringList &colorBoxItems()
{
    static const QStringList items{
        QStringLiteral("$0099FFFF"), QStringLiteral("$00CCFFCC"), QStringLiteral("$00FFCC99"),
        QStringLiteral("$00CCCCFF"), QStringLiteral("$00FFCCFF"), QStringLiteral("$0099FFCC"),
        QStringLiteral("$00FFFFCC"), QStringLiteral("$00FFCCCC"), QStringLiteral("$0099CCFF"),
    };
    return items;
}

// Position of the item equal to text without regard to case, or -1.
inline int colorBoxIndexOf(const QString &text)
{
    const QStringList &items = colorBoxItems();
    for (int i = 0; i < items.size(); ++i)
        if (items.at(i).compare(text, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}
