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

// The caption font the checksums below were taken with (Tahoma, a text cell 13 pixels high).
const char *const kRecordedFamily = "Tahoma";

} // namespace

// Full redraws of large generated schemes must keep every pixel while the drawing code is made
// faster. The checksums were first taken before any speed work; retake them only for an
// intended change of the look.
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
                               << QByteArray("b919d6965b3e7a668acfbf10606b0ff3716a05c7");
    QTest::newRow("1000 on A2") << 1000 << QSize(1684, 1190) << QSize(1684, 1190) << 2u << 0
                                << QByteArray("e88b8fd97dce4abbfacf9cc9e89ebe8f2662b086");
    QTest::newRow("10000 on A0") << 10000 << QSize(2380, 3368) << QSize(2380, 3368) << 20240601u << 0
                                 << QByteArray("cb1c6350107c0221ce49432684f76a983ca0a54a");
    QTest::newRow("10000 on A0, every 10th selected")
        << 10000 << QSize(2380, 3368) << QSize(2380, 3368) << 3u << 10
        << QByteArray("11bf3a4d29cc7fc0cd1600e8f1355f917ff746e9");
    QTest::newRow("3000 clipped by a small sheet") << 3000 << QSize(2380, 3368) << QSize(1000, 700) << 4u << 7
                                                   << QByteArray("4bbfaf6440ed9177d32fbc943a5b1edbee8f5d72");
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
