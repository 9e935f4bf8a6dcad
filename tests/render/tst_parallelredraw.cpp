#include "render/ParallelRedraw.h"

#include <QtTest>

#include <atomic>
#include <stdexcept>
#include <thread>
#include <vector>

class TestParallelRedraw : public QObject {
    Q_OBJECT
private slots:
    void everyBandOnce_data();
    void everyBandOnce();
    void failureReachesTheCaller();
};

void TestParallelRedraw::everyBandOnce_data()
{
    QTest::addColumn<int>("bands");
    QTest::addColumn<int>("threads");
    for (int threads : {1, 2, 7})
        for (int bands : {0, 1, 5, 64})
            QTest::addRow("%d bands, %d threads", bands, threads) << bands << threads;
}

void TestParallelRedraw::everyBandOnce()
{
    QFETCH(int, bands);
    QFETCH(int, threads);
    for (int round = 0; round < 3; ++round) { // the pool threads are reused
        std::vector<std::atomic<int>> calls(static_cast<size_t>(bands));
        std::thread::id alongsideThread;
        runInParallel(
            bands, threads, [&](int b) { calls[size_t(b)].fetch_add(1); },
            [&] { alongsideThread = std::this_thread::get_id(); });
        QVERIFY(alongsideThread == std::this_thread::get_id());
        for (int b = 0; b < bands; ++b)
            QCOMPARE(calls[size_t(b)].load(), 1);
    }
}

void TestParallelRedraw::failureReachesTheCaller()
{
    for (int threads : {1, 3}) {
        std::atomic<int> calls{0};
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, runInParallel(40, threads, [&](int b) {
                                     calls.fetch_add(1);
                                     if (b == 5)
                                         throw std::runtime_error("band");
                                 }));
        QVERIFY(calls.load() >= 6);
        // The pool still works after a failure.
        std::atomic<int> after{0};
        runInParallel(10, threads, [&](int) { after.fetch_add(1); });
        QCOMPARE(after.load(), 10);
    }
}

QTEST_GUILESS_MAIN(TestParallelRedraw)
#include "tst_parallelredraw.moc"
