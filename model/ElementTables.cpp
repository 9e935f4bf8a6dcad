#include "model/ElementTables.h"

StringGrid &ElementTables::tableForName(const QString &name)
{
    if (name.contains(QLatin1Char('-')))
        return EGrid;
    return name.contains(QLatin1Char('R')) ? HGrid : PGrid;
}

const StringGrid &ElementTables::tableForName(const QString &name) const
{
    return const_cast<ElementTables *>(this)->tableForName(name);
}

QString getNameBefore(QChar sep, const QString &text)
{
    const qsizetype i = text.indexOf(sep);
    return i < 0 ? QString() : text.left(i);
}

QString getNameAfter(QChar sep, const QString &text)
{
    const qsizetype i = text.indexOf(sep);
    return i < 0 ? QString() : text.mid(i + 1);
}
