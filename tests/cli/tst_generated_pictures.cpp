#include "bench/SchemeGenerator.h"
#include "render/SceneRedraw.h"
#include "toolkit/CaptionFont.h"

#include <QCryptographicHash>
#include <QTest>

namespace {

QByteArray pictureHash(const QImage &image)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (int y = 0; y < image.height(); ++y)
        hash.addData(
            QByteArrayView(reinterpret_cast<const char *>(image.constScanLine(y)), image.width() * 4));
    return hash.result().toHex();
}

// The caption font the checksums below were taken with.
const char *const kRecordedFamily = "Tahoma";

} // namespace

// Full redraws of large generated schemes must keep every pixel while the drawing code is made
// faster: the checksums were taken from the drawing code as it was before any speed work.
class TestGeneratedPictures : public QObject {
    Q_OBJECT

private slots:
    void redraw_data();
    void redraw();
};

void TestGeneratedPictures::redraw_data()
{
    QTest::addColumn<int>("elements");
    QTest::addColumn<QSize>("sheet"); // where the generator places elements
    QTest::addColumn<QSize>("image"); // the sheet drawn on
    QTest::addColumn<uint>("seed");
    QTest::addColumn<int>("selectEvery"); // 0: no multi-selection
    QTest::addColumn<QByteArray>("sha1");

    QTest::newRow("100 on A4") << 100 << QSize(842, 595) << QSize(842, 595) << 1u << 0
                               << QByteArray("23e33955de24291df814e58b138de454898eef66");
    QTest::newRow("1000 on A2") << 1000 << QSize(1684, 1190) << QSize(1684, 1190) << 2u << 0
                                << QByteArray("f8594090275f9235f6842b25c8ec95679983d1da");
    QTest::newRow("10000 on A0") << 10000 << QSize(2380, 3368) << QSize(2380, 3368) << 20240601u << 0
                                 << QByteArray("9a8307d503410465995e00fe882b91f2ca3bc6bc");
    QTest::newRow("10000 on A0, every 10th selected")
        << 10000 << QSize(2380, 3368) << QSize(2380, 3368) << 3u << 10
        << QByteArray("58f82956f185448808739f3191480c6c85e0ceb2");
    QTest::newRow("3000 clipped by a small sheet") << 3000 << QSize(2380, 3368) << QSize(1000, 700) << 4u << 7
                                                   << QByteArray("d8fbf376b1dbf1148406e7b3c3634b9452008292");
}

void TestGeneratedPictures::redraw()
{
    QFETCH(int, elements);
    QFETCH(QSize, sheet);
    QFETCH(QSize, image);
    QFETCH(uint, seed);
    QFETCH(int, selectEvery);
    QFETCH(QByteArray, sha1);
    if (captionFamily() != QLatin1String(kRecordedFamily))
        QSKIP("the checksums were taken with another caption font");

    ElementTables tables;
    SchemeOptions options;
    options.elements = elements;
    options.lines = elements;
    options.sheet = sheet;
    options.seed = seed;
    generateScheme(tables, options);
    TextList selection;
    if (selectEvery > 0)
        for (const StringGrid *t : {&tables.HGrid, &tables.PGrid, &tables.EGrid})
            for (int r = 1; r < t->RowCount() - 1; r += selectEvery)
                selection.add(t->Cells(ColName, r));
    QImage picture(image, QImage::Format_RGB32);
    picture.fill(Qt::black);
    Canvas canvas(&picture);
    UpdateImageModel(tables, canvas, selection);
    QCOMPARE(pictureHash(picture), sha1);
}

QTEST_MAIN(TestGeneratedPictures)
#include "tst_generated_pictures.moc"
