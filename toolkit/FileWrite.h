#pragma once

#include <QByteArray>
#include <QString>

// How a replaced file reaches the disk: Durable waits until the data is on the disk before the
// new file takes the old one's place (the editor's saves); Fast leaves that to the system (the
// command-line tool's pictures, which can be made again).
enum class WriteMode { Durable, Fast };

// Replaces a file's content in one piece: the bytes go to a temporary file beside it that takes
// the file's place only when every byte was written. Throws AppError naming the file and the
// system's reason otherwise; the file keeps its previous content and no temporary file is left.
void writeFileSafely(const QString &path, const QByteArray &bytes, WriteMode mode = WriteMode::Durable);
