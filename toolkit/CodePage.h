#pragma once

#include <QByteArray>
#include <QString>

// The single-byte code page of scheme files: Windows-1251.
QByteArray encodeCodePage(const QString &text);
QString decodeCodePage(const QByteArray &bytes);
// Whether every character of text can be stored in the code page.
bool fitsCodePage(const QString &text);
