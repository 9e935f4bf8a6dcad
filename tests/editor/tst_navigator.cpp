#include "editor/NavigatorLayout.h"

#include <QTest>

#include <limits>

class TestNavigator : public QObject {
    Q_OBJECT
private slots:
    void resize_data();
    void resize();
    void place_data();
    void place();
    void corners();
    void placeOnlyKeepsPanelSize();
};

void TestNavigator::resize_data()
{
    QTest::addColumn<int>("W");
    QTest::addColumn<int>("H");
    QTest::addColumn<QSize>("area");
    QTest::addColumn<QSize>("panel");
    QTest::addColumn<QSize>("visible");

    // 35 * 698 / 842 = 29.015..., 25 * 509 / 595 = 21.38...
    QTest::newRow("start-up sheet") << 842 << 595 << QSize(698, 509) << QSize(35, 25) << QSize(29, 21);
    QTest::newRow("portrait") << 595 << 842 << QSize(688, 473) << QSize(25, 35) << QSize(25, 19);
    QTest::newRow("square") << 1000 << 1000 << QSize(500, 500) << QSize(38, 38) << QSize(19, 19);
    QTest::newRow("smaller than the area") << 300 << 200 << QSize(688, 473) << QSize(35, 25) << QSize(35, 25);
    QTest::newRow("equal to the area") << 688 << 473 << QSize(688, 473) << QSize(35, 25) << QSize(35, 25);
    // Width halves go to the even neighbour (35 * 0.5 = 17.5 -> 18, 25 * 0.5 = 12.5 -> 12);
    // heights are truncated (25 * 0.5 = 12.5 -> 12, 35 * 0.9995 = 34.98 -> 34).
    QTest::newRow("half to even up") << 1000 << 900 << QSize(500, 450) << QSize(35, 25) << QSize(18, 12);
    QTest::newRow("half to even down") << 1000 << 2000 << QSize(500, 1999) << QSize(25, 35) << QSize(12, 34);
    QTest::newRow("tiny area") << 842 << 595 << QSize(1, 1) << QSize(35, 25) << QSize(0, 0);
    QTest::newRow("huge sheet") << 32767 << 6000 << QSize(698, 509) << QSize(35, 25) << QSize(1, 2);
}

void TestNavigator::resize()
{
    QFETCH(int, W);
    QFETCH(int, H);
    QFETCH(QSize, area);
    QFETCH(QSize, panel);
    QFETCH(QSize, visible);
    NavigatorInput in;
    in.sheetWidth = W;
    in.sheetHeight = H;
    in.areaClient = area;
    in.sheetPanel = QSize(51, 40);
    const NavigatorLayout out = NavigateView(in, true, false);
    QCOMPARE(out.sheetPanel, panel);
    QVERIFY(out.visibleSize.has_value());
    QCOMPARE(*out.visibleSize, visible);
    QVERIFY(!out.visiblePos.has_value());
}

void TestNavigator::place_data()
{
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::addColumn<QPoint>("pos");

    QTest::newRow("not scrolled") << 0 << 0 << QPoint(0, 0);
    // 35 * 144 / 842 = 5.98 -> 5; 25 * 86 / 595 = 3.61 -> 3
    QTest::newRow("scrolled, truncated") << -144 << -86 << QPoint(5, 3);
    QTest::newRow("fully scrolled") << -842 << -595 << QPoint(35, 25);
    QTest::newRow("beyond the sheet") << -5000 << -9999 << QPoint(35, 25);
    QTest::newRow("zoomed sheet's edge inside the area") << 30 << 12 << QPoint(0, 0);
    QTest::newRow("most negative offset") << std::numeric_limits<int>::min() << -1 << QPoint(35, 0);
}

void TestNavigator::place()
{
    QFETCH(int, left);
    QFETCH(int, top);
    QFETCH(QPoint, pos);
    NavigatorInput in;
    in.sheetWidth = 842;
    in.sheetHeight = 595;
    in.sheetLeft = left;
    in.sheetTop = top;
    in.areaClient = QSize(688, 473);
    in.sheetPanel = QSize(35, 25);
    const NavigatorLayout out = NavigateView(in, false, true);
    QVERIFY(out.visiblePos.has_value());
    QCOMPARE(*out.visiblePos, pos);
    QVERIFY(!out.visibleSize.has_value());
}

void TestNavigator::corners()
{
    NavigatorInput in;
    in.sheetWidth = 842;
    in.sheetHeight = 595;
    in.areaClient = QSize(698, 509);
    in.sheetPanel = QSize(51, 40);
    const NavigatorLayout out = NavigateView(in, true, true);
    QCOMPARE(out.btnHorizPos, QPoint(698 - 31 - 2, 2));
    QCOMPARE(out.btnVertPos, QPoint(698 - 25 - 2, 509 - 31 - 2));
    QCOMPARE(out.viewPos, QPoint(2, 509 - 25 - 2));
}

void TestNavigator::placeOnlyKeepsPanelSize()
{
    // Without resizing, the navigator keeps its panel size even when the sheet's shape changed,
    // and the visible part is placed in that panel.
    NavigatorInput in;
    in.sheetWidth = 595;
    in.sheetHeight = 842;
    in.sheetLeft = -595;
    in.areaClient = QSize(688, 473);
    in.sheetPanel = QSize(35, 25);
    const NavigatorLayout out = NavigateView(in, false, true);
    QCOMPARE(out.sheetPanel, QSize(35, 25));
    QCOMPARE(*out.visiblePos, QPoint(35, 0));
    QCOMPARE(out.viewPos, QPoint(2, 473 - 25 - 2));
}

QTEST_GUILESS_MAIN(TestNavigator)
#include "tst_navigator.moc"
