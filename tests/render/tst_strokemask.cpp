#include "render/ItemExtents.h"
#include "render/StrokeMask.h"
#include "toolkit/Canvas.h"

#include <QRandomGenerator>
#include <QtTest>

#include <set>
#include <utility>

namespace {

using Pixels = std::set<std::pair<Coord, Coord>>;

// The pixels a line's stroke paints within the box, read off a drawing of it.
Pixels drawnPixels(const LineEnds &e, const PixelBox &box)
{
    QImage image(int(box.r - box.l), int(box.b - box.t), QImage::Format_RGB32);
    image.fill(Qt::white);
    Canvas c(&image);
    c.setPenColor(clBlack);
    c.MoveTo(e.x1 - box.l, e.y1 - box.t);
    c.LineTo(e.x2 - box.l, e.y2 - box.t);
    Pixels out;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != QColor(Qt::white).rgb())
                out.insert({box.l + x, box.t + y});
    return out;
}

} // namespace

Q_DECLARE_METATYPE(LineEnds)
Q_DECLARE_METATYPE(PixelBox)

class TestStrokeMask : public QObject {
    Q_OBJECT
private slots:
    void walkPaintsWhatTheDrawingPaints_data()
    {
        QTest::addColumn<LineEnds>("line");
        QTest::addColumn<PixelBox>("box");
        const PixelBox box{10, 20, 74, 60};
        QTest::newRow("shallow") << LineEnds{0, 25, 90, 58} << box;
        QTest::newRow("steep, backwards") << LineEnds{70, 70, 30, 0} << box;
        QTest::newRow("halves") << LineEnds{12, 30, 16, 32} << box;
        QTest::newRow("ends outside the box") << LineEnds{-500, 41, 900, 39} << box;
        QTest::newRow("far ends") << LineEnds{-2000000000, 30, 2000000000, 50} << box;
        QTest::newRow("no length") << LineEnds{20, 30, 20, 30} << box;
    }
    void walkPaintsWhatTheDrawingPaints()
    {
        QFETCH(LineEnds, line);
        QFETCH(PixelBox, box);
        Pixels walked;
        int evenFirst = 0;
        forEachStrokePixel(line, box, [&](Coord x, Coord y, bool even) {
            walked.insert({x, y});
            // The first pixel, when it is in the box, is step 0.
            evenFirst += x == line.x1 && y == line.y1 && even;
        });
        QCOMPARE(walked, drawnPixels(line, box));
        QCOMPARE(evenFirst, walked.count({line.x1, line.y1}) ? 1 : 0);
    }

    // Every pixel two lines' strokes share lies in their crossing window.
    void crossingWindowHoldsSharedPixels()
    {
        QRandomGenerator rng(7);
        const PixelBox area{0, 0, 64, 64};
        int shared = 0;
        for (int k = 0; k < 400; ++k) {
            const auto line = [&] {
                return LineEnds{rng.bounded(64), rng.bounded(64), rng.bounded(64), rng.bounded(64)};
            };
            const LineEnds a = line(), b = line();
            bool parallel = false;
            const PixelBox w = crossingWindow(a, b, parallel);
            if (parallel)
                continue;
            const Pixels pa = drawnPixels(a, area);
            for (const auto &p : drawnPixels(b, area)) {
                if (!pa.count(p))
                    continue;
                ++shared;
                QVERIFY2(w.meets({p.first, p.second, p.first + 1, p.second + 1}),
                         qPrintable(QStringLiteral("line %1 of 400").arg(k)));
            }
        }
        QVERIFY(shared > 100);
    }

    // any() over boxes of every width and place, across 64-bit words, agrees with has().
    void anyAgreesWithHas()
    {
        StrokeMask mask;
        mask.reset(150, 9);
        mask.addStroke({0, 0, 149, 8}, [](Coord x, Coord, bool) { return x % 17 != 3; });
        QRandomGenerator rng(3);
        for (int k = 0; k < 2000; ++k) {
            const Coord l = rng.bounded(150), t = rng.bounded(9);
            const PixelBox box{l, t, l + 1 + rng.bounded(150 - int(l)), t + 1 + rng.bounded(9 - int(t))};
            bool has = false;
            for (Coord y = box.t; y < box.b; ++y)
                for (Coord x = box.l; x < box.r; ++x)
                    has = has || mask.has(x, y);
            QCOMPARE(mask.any(box), has);
        }
    }
};

QTEST_GUILESS_MAIN(TestStrokeMask)
#include "tst_strokemask.moc"
