#include "toolkit/CodePage.h"

#include <QStringDecoder>
#include <QStringEncoder>

QByteArray encodeCodePage(const QString &text)
{
    QStringEncoder encoder("windows-1251");
    return encoder.encode(text);
}

QString decodeCodePage(const QByteArray &bytes)
{
    QStringDecoder decoder("windows-1251");
    return decoder.decode(bytes);
}

bool fitsCodePage(const QString &text)
{
    QStringEncoder encoder("windows-1251");
    QByteArray bytes = encoder.encode(text);
    return !encoder.hasError();
}
