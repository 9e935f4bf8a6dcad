#pragma once

#include <QByteArray>
#include <QString>

// Replaces a file's content in one piece: the bytes go to a temporary file that takes the
// file's place only when every byte was written. Throws AppError naming the file and the
// system's reason otherwise; the file keeps its previous content.
void writeFileSafely(const QString &path, const QByteArray &bytes);
