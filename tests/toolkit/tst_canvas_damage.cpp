#include "CanvasTestUtil.h"

#include "toolkit/DamageLog.h"

#include <QRandomGenerator>
#include <QtTest>

#include <functional>

namespace {

// Pixels that differ between two images of one size and lie outside every rectangle of the log.
int changedOutsideLog(const QImage &before, const QImage &after, const DamageLog &log)
{
    if (log.all())
        return 0;
    int outside = 0;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x) {
            if (before.pixel(x, y) == after.pixel(x, y))
                continue;
            const bool logged = std::any_of(log.rects().begin(), log.rects().end(),
                                            [&](const QRect &r) { return r.contains(x, y); });
            outside += !logged;
        }
    return outside;
}

// A coordinate near the image most of the time, now and then far outside it.
Coord randomCoord(QRandomGenerator &rng, int size)
{
    switch (rng.bounded(10)) {
    case 0:
        return Coord(rng.bounded(2000000000)) * (rng.bounded(2) ? 1 : -1);
    case 1:
        return rng.bounded(2) ? std::numeric_limits<Coord>::max() : std::numeric_limits<Coord>::min();
    default:
        return Coord(rng.bounded(-size / 2, size + size / 2));
    }
}

using Operation = std::function<void(Canvas &, QRandomGenerator &)>;

} // namespace

class TestCanvasDamage : public QObject {
    Q_OBJECT
private slots:
    void everyChangedPixelIsLogged_data();
    void everyChangedPixelIsLogged();
    void onlyTheWatchedImageCounts();
    void logGivesUpPastItsLimit();
    void copyingTheLogRestoresThePicture();
};

void TestCanvasDamage::everyChangedPixelIsLogged_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("fill rect") << 0;
    QTest::newRow("rectangle") << 1;
    QTest::newRow("round rect") << 2;
    QTest::newRow("ellipse") << 3;
    QTest::newRow("polygon") << 4;
    QTest::newRow("polyline") << 5;
    QTest::newRow("text") << 6;
    QTest::newRow("pixel") << 7;
    QTest::newRow("pixel grid") << 8;
}

// Random shapes in random pens and brushes, on and off the image: the log covers every pixel
// the drawing changed.
void TestCanvasDamage::everyChangedPixelIsLogged()
{
    QFETCH(int, kind);
    const QStringList texts{QStringLiteral("R1"), QStringLiteral("Wide caption text"),
                            QStringLiteral("Ж\u0301x"), QStringLiteral("\u0627\u0644\u0639")};
    QRandomGenerator rng(1234 + kind);
    int logged = 0;
    for (int round = 0; round < 300; ++round) {
        QImage image = blankImage(90, 70, kPaper);
        DamageLog log(&image);
        Canvas canvas(&image);
        canvas.setDamageLog(&log);
        log.clear();
        canvas.setPenColor(kPen);
        canvas.setPenStyle(rng.bounded(2) ? PenStyle::Dot : PenStyle::Solid);
        canvas.setBrushColor(kFill);
        if (rng.bounded(3) == 0)
            canvas.setBrushStyle(BrushStyle::Clear);
        const auto c = [&](int size) { return randomCoord(rng, size); };
        const QImage before = image.copy();
        switch (kind) {
        case 0:
            canvas.FillRect(c(90), c(70), c(90), c(70));
            break;
        case 1:
            canvas.Rectangle(c(90), c(70), c(90), c(70));
            break;
        case 2:
            canvas.RoundRect(c(90), c(70), c(90), c(70), rng.bounded(30), rng.bounded(30));
            break;
        case 3:
            canvas.Ellipse(c(90), c(70), c(90), c(70));
            break;
        case 4: {
            const CanvasPoint points[] = {{c(90), c(70)}, {c(90), c(70)}, {c(90), c(70)}, {c(90), c(70)}};
            canvas.Polygon(points);
            break;
        }
        case 5:
            canvas.MoveTo(c(90), c(70));
            for (int i = 0; i < 3; ++i)
                canvas.LineTo(c(90), c(70));
            break;
        case 6:
            canvas.setFontColor(kPen);
            canvas.TextOut(c(90), c(70), texts[rng.bounded(int(texts.size()))]);
            break;
        case 7:
            canvas.setPixel(c(90), c(70), kPen);
            break;
        case 8:
            canvas.setPixelGrid(c(90), c(70), rng.bounded(1, 40), kPen);
            break;
        }
        const int outside = changedOutsideLog(before, image, log);
        if (outside)
            QFAIL(
                qPrintable(QStringLiteral("round %1: %2 changed pixels not logged").arg(round).arg(outside)));
        logged += !log.empty() && !log.all();
    }
    QVERIFY2(logged > 50, "hardly any drawing was checked against a list of areas");
}

// Copies of a canvas share its log but record only while they draw on the watched image.
void TestCanvasDamage::onlyTheWatchedImageCounts()
{
    QImage sheet = blankImage(40, 30);
    QImage other = blankImage(40, 30);
    DamageLog log(&sheet);
    QVERIFY(log.all()); // nothing known before the first clear
    log.clear();
    Canvas canvas(&sheet);
    canvas.setDamageLog(&log);
    Canvas copy = canvas;
    copy.setImage(&other);
    copy.Rectangle(0, 0, 40, 30);
    QVERIFY(log.empty());
    copy.setImage(&sheet);
    copy.Rectangle(5, 6, 9, 8);
    QCOMPARE(log.rects().size(), size_t(1));
    QCOMPARE(log.rects().front(), QRect(5, 6, 5, 3));
    canvas.markAllDamaged();
    QVERIFY(log.all());
}

void TestCanvasDamage::logGivesUpPastItsLimit()
{
    QImage image = blankImage(300, 300);
    DamageLog log(&image);
    log.clear();
    for (size_t i = 0; i < DamageLog::kMaxRects; ++i)
        log.add(Coord(i % 300), 0, Coord(i % 300) + 1, 1);
    QVERIFY(!log.all());
    log.add(1, 1, 2, 2);
    QVERIFY(log.all());
    QVERIFY(log.rects().empty());
    log.clear();
    log.add(0, 0, 300, 300);
    QVERIFY2(log.all(), "a rectangle over the whole image is kept as 'all'");
}

// Restoring the logged areas from a copy taken before drawing undoes exactly the drawing.
void TestCanvasDamage::copyingTheLogRestoresThePicture()
{
    QImage picture = blankImage(120, 80, kPaper);
    Canvas(&picture).Ellipse(10, 10, 100, 70);
    QImage shown = picture.copy();
    DamageLog log(&shown);
    log.clear();
    Canvas overlay(&shown);
    overlay.setDamageLog(&log);
    overlay.setPenStyle(PenStyle::Dot);
    overlay.MoveTo(-50, 200);
    overlay.LineTo(170, -40);
    overlay.setFontColor(kPen);
    overlay.TextOut(60, 30, QStringLiteral("ghost"));
    QVERIFY(shown != picture);
    copyDamage(log, picture, shown);
    QCOMPARE(shown, picture);
}

QTEST_MAIN(TestCanvasDamage)
#include "tst_canvas_damage.moc"
