#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// How a replaced file reaches the disk: Durable waits until the data is on the disk before the
// new file takes the old one's place (the editor's saves); Fast leaves that to the system (the
// command-line tool's pictures, which can be made again). Either way a symbolic link is written
// through to the file it names, a replaced file keeps its permissions, and a file that may not
// be written is not replaced.
enum class WriteMode { Durable, Fast };

// Replaces a file's content in one piece: the bytes go to a temporary file beside it that takes
// the file's place only when every byte was written. Throws AppError naming the file and the
// system's reason otherwise; the file keeps its previous content and no temporary file is left.
void writeFileSafely(const QString &path, const QByteArray &bytes, WriteMode mode = WriteMode::Durable);

// Hands out a file's bytes piece by piece: writes at most `capacity` bytes (1 MB) to `buffer`
// and returns how many; 0 ends the file.
using ByteSource = std::function<qsizetype(char *buffer, qsizetype capacity)>;
constexpr qsizetype kByteSourceCapacity = 1 << 20;

// The same for bytes handed out by a source, so that a large file never needs to be held whole.
void writeFileSafely(const QString &path, const ByteSource &source, WriteMode mode = WriteMode::Durable);

// Writes `size` bytes at `offset` of the file being written; may be called from several
// threads at once. Throws AppError as above.
using PieceWriter = std::function<void(qint64 offset, const char *data, qsizetype size)>;

// The same for a file written in pieces placed anywhere, in any order, by `fill` (the file is
// as long as its furthest piece); an exception from `fill` leaves the file as it was.
void writeFileInPieces(const QString &path, const std::function<void(const PieceWriter &)> &fill,
                       WriteMode mode = WriteMode::Durable);
