#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The single-byte code page of scheme files: Windows-1251.
QByteArray encodeCodePage(const QString &text);
QString decodeCodePage(QByteArrayView bytes);
// Appends the encoding of text to out (the same bytes as encodeCodePage).
void appendCodePage(QByteArray &out, const QString &text);
// Writes the encoding of text to dst, one byte per character, when every character has a
// single-byte code; false (dst partly written) when some character needs the full converter.
bool encodeCodePageTo(char *dst, QStringView text);
// Whether every character of text can be stored in the code page.
bool fitsCodePage(const QString &text);
