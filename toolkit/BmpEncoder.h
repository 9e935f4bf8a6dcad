#pragma once

#include <QByteArray>
#include <QImage>

// A 24-bit Windows bitmap of an RGB32 image, byte for byte as Qt's BMP writer gives it (file and
// info headers, the image's resolution, bottom-up rows padded to four bytes), handed out piece
// by piece so that a sheet-sized copy is never needed.
class Bmp24Encoder {
public:
    // A null or non-RGB32 image, or one too large for the format, gives no bytes (valid() false).
    explicit Bmp24Encoder(const QImage &image);

    bool valid() const { return m_size > 0; }
    qint64 size() const { return m_size; }
    // Room that always holds the header or at least one row.
    qsizetype minimumCapacity() const;

    // Writes the header or the next whole rows, as many as fit in `capacity` bytes, and returns
    // their length; 0 once everything was handed out or when not even one piece fits.
    qsizetype next(char *buffer, qsizetype capacity);

    // The file in pieces written anywhere, in any order: the header at offset 0, and the rows
    // of each band of the image (given as an image of the same width and format whose first
    // row is image row `top`), which lie together in the file.
    static constexpr qsizetype kHeaderSize = 54;
    void header(char *buffer) const;
    qint64 rowBytes() const { return m_rowBytes; }
    qint64 bandOffset(int top, int rows) const;
    // Writes the band's rows.height() * rowBytes() bytes.
    void encodeBand(const QImage &rows, char *buffer) const;

private:
    const QImage &m_image;
    qint64 m_size = 0;
    qint64 m_rowBytes = 0;
    bool m_headerDone = false;
    int m_nextRow = 0; // counted from the bottom
};

// All the bytes at once (empty when the encoder is not valid).
QByteArray encodeBmp24(const QImage &image);
