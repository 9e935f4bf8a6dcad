#include "toolkit/BmpEncoder.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QtTest>

class TestBmpEncoder : public QObject {
    Q_OBJECT
private slots:
    void sameBytesAsQt_data();
    void sameBytesAsQt();
    void piecesJoinToTheWholeFile_data();
    void piecesJoinToTheWholeFile();
    void bandsPlacedInAnyOrder_data();
    void bandsPlacedInAnyOrder();
    void readsBackAsTheSamePixels();
    void otherFormatsAreLeftToQt();
};

void TestBmpEncoder::sameBytesAsQt_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("dotsPerMeter");
    // Row padding of 0 to 3 bytes, one pixel, a sheet, and resolutions set or left alone.
    QTest::newRow("4 x 3") << 4 << 3 << 0;
    QTest::newRow("5 x 2, padded by 1") << 5 << 2 << 0;
    QTest::newRow("6 x 7, padded by 2") << 6 << 7 << 0;
    QTest::newRow("7 x 1, padded by 3") << 7 << 1 << 0;
    QTest::newRow("1 x 1") << 1 << 1 << 0;
    QTest::newRow("A4 at 96 dpi") << 842 << 595 << 3780;
    QTest::newRow("odd size at 72 dpi") << 333 << 17 << 2835;
}

// Every byte equals what QImage::save writes for the same image, headers included.
void TestBmpEncoder::sameBytesAsQt()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, dotsPerMeter);
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator rng(uint(width * 1000 + height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, rng.generate() | 0xFF000000u);
    if (dotsPerMeter) {
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter + 1);
    }
    QByteArray expected;
    QBuffer buffer(&expected);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(image.save(&buffer, "BMP"));
    const QByteArray bytes = encodeBmp24(image);
    QCOMPARE(bytes.size(), expected.size());
    if (bytes != expected) {
        qsizetype i = 0;
        while (bytes[i] == expected[i])
            ++i;
        QFAIL(qPrintable(QStringLiteral("first difference at byte %1").arg(i)));
    }
}

void TestBmpEncoder::piecesJoinToTheWholeFile_data()
{
    QTest::addColumn<int>("extra");
    QTest::newRow("room for one row") << 0;
    QTest::newRow("one row and a bit") << 5;
    QTest::newRow("several rows") << 200;
    QTest::newRow("everything at once") << (1 << 20);
}

// Handed out in pieces of any room, the bytes join to the whole file; nothing more comes after.
void TestBmpEncoder::piecesJoinToTheWholeFile()
{
    QFETCH(int, extra);
    QImage image(37, 11, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 7, y * 23, x ^ y));
    Bmp24Encoder encoder(image);
    QVERIFY(encoder.valid());
    const qsizetype room = encoder.minimumCapacity() + extra;
    QByteArray joined;
    QByteArray piece(room, Qt::Uninitialized);
    while (const qsizetype n = encoder.next(piece.data(), room))
        joined.append(piece.constData(), n);
    QCOMPARE(joined.size(), qsizetype(encoder.size()));
    QCOMPARE(joined, encodeBmp24(image));
    QCOMPARE(encoder.next(piece.data(), room), qsizetype(0));
}

void TestBmpEncoder::bandsPlacedInAnyOrder_data()
{
    QTest::addColumn<int>("bandRows");
    QTest::newRow("one row") << 1;
    QTest::newRow("4, the last band shorter") << 4;
    QTest::newRow("the whole image") << 11;
}

// Bands of rows written at their offsets, last band first, make the whole file.
void TestBmpEncoder::bandsPlacedInAnyOrder()
{
    QFETCH(int, bandRows);
    QImage image(37, 11, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 7, y * 23, x ^ y));
    const Bmp24Encoder encoder(image);
    QByteArray file(qsizetype(encoder.size()), '?');
    encoder.header(file.data());
    for (int top = (image.height() - 1) / bandRows * bandRows; top >= 0; top -= bandRows) {
        const int rows = std::min(bandRows, image.height() - top);
        const QImage band(image.constScanLine(top), image.width(), rows, image.bytesPerLine(),
                          image.format());
        encoder.encodeBand(band, file.data() + encoder.bandOffset(top, rows));
    }
    QCOMPARE(file, encodeBmp24(image));
}

void TestBmpEncoder::readsBackAsTheSamePixels()
{
    QImage image(13, 9, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixel(0, 0, qRgb(1, 2, 3));
    image.setPixel(12, 8, qRgb(250, 128, 7));
    QImage back;
    QVERIFY(back.loadFromData(encodeBmp24(image), "BMP"));
    QCOMPARE(back.convertToFormat(QImage::Format_RGB32), image);
}

void TestBmpEncoder::otherFormatsAreLeftToQt()
{
    QVERIFY(encodeBmp24(QImage()).isEmpty());
    QVERIFY(encodeBmp24(QImage(4, 4, QImage::Format_RGB888)).isEmpty());
}

QTEST_GUILESS_MAIN(TestBmpEncoder)
#include "tst_bmp_encoder.moc"
