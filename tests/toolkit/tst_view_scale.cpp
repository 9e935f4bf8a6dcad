#include "toolkit/ViewScale.h"

#include <QTest>

// View pixel v shows sheet pixel floor(v / scale); sheet pixel x starts at view pixel
// ceil(x * scale). The two agree on every block edge, below, at and above 100 %.
class TestViewScale : public QObject {
    Q_OBJECT
private slots:
    void mappingAgreesOnBlockEdges_data()
    {
        QTest::addColumn<qint64>("num");
        QTest::addColumn<qint64>("den");
        QTest::newRow("10 %") << qint64(1) << qint64(10);
        QTest::newRow("67 %") << qint64(2) << qint64(3);
        QTest::newRow("100 %") << qint64(1) << qint64(1);
        QTest::newRow("150 %") << qint64(3) << qint64(2);
        QTest::newRow("1600 %") << qint64(16) << qint64(1);
        QTest::newRow("fit 688 / 2380") << qint64(688) << qint64(2380);
        QTest::newRow("fit 473 / 595") << qint64(473) << qint64(595);
    }
    void mappingAgreesOnBlockEdges()
    {
        QFETCH(qint64, num);
        QFETCH(qint64, den);
        const ViewScale s{num, den};
        for (qint64 x = -40; x <= 3000; ++x) {
            const qint64 first = s.toView(x), next = s.toView(x + 1);
            if (first == next)
                continue; // below 100 % some sheet pixels have no view pixel of their own
            QCOMPARE(s.toSheet(first), x);
            QCOMPARE(s.toSheet(next - 1), x);
            QVERIFY(s.toSheet(first - 1) < x);
        }
        for (qint64 v = -40; v <= 3000; ++v)
            QVERIFY(s.toView(s.toSheet(v)) <= v && v < s.toView(s.toSheet(v) + 1));
    }

    void ladderAndFit()
    {
        ViewScale s;
        QStringList up;
        for (int i = 0; i < 9; ++i) {
            s = ViewScale::stepIn(s);
            up << QString::number(s.percent());
        }
        QCOMPARE(up.join(' '), QStringLiteral("150 200 300 400 600 800 1200 1600 1600"));
        s = ViewScale();
        for (int i = 0; i < 9; ++i)
            s = ViewScale::stepOut(s);
        QCOMPARE(s.percent(), 10);
        QCOMPARE(ViewScale::stepIn(ViewScale{473, 1000}).percent(), 50); // from Fit's scale
        // A0 in 688 x 473: the height limits; the scaled sheet fits exactly.
        const ViewScale fit = ViewScale::fitting(2380, 3368, 688, 473);
        QCOMPARE(fit.viewLength(3368), 473);
        QVERIFY(fit.viewLength(2380) <= 688);
        QCOMPARE(ViewScale::fitting(100, 100, 5000, 5000).percent(), 1600);
    }
};

QTEST_GUILESS_MAIN(TestViewScale)
#include "tst_view_scale.moc"
