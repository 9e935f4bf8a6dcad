#include "support/EditorRig.h"
#include "support/EditorTestAccess.h"

#include <QtTest>

#include <limits>

class TestNavigation : public QObject {
    Q_OBJECT
private slots:
    void shiftRightStepsToTheLimitAndBack();
    void shiftDownStepsToTheLimitAndBack();
    void sheetSmallerThanAreaStays();
    void dragThreshold_data();
    void dragThreshold();
    void verticalStepReappliesHorizontalLimit();
    void anchorAtOriginUsesStoredSteps();
    void farCoordinatesDoNotOverflow();
    void navigatorToggles();
    void zoomKeepsThePointAndTheLimits();
    void wheelZoomKeepsThePointerPoint_data();
    void wheelZoomKeepsThePointerPoint();
};

void TestNavigation::shiftRightStepsToTheLimitAndBack()
{
    EditorRig rig; // 842 x 595 sheet, area 688 wide: limit 688 - 842 = -154
    QList<int> offsets;
    for (int i = 0; i < 10; ++i) {
        rig.e.scrollSheet(Direction::Right);
        offsets << rig.e.viewport().sheetLeft();
    }
    QCOMPARE(offsets, QList<int>({-20, -40, -60, -80, -100, -120, -140, -154, -154, -154}));
    QCOMPARE(rig.e.viewport().sheetTop(), 0);
    QCOMPARE(rig.ui.navigateCalls, 10);

    offsets.clear();
    for (int i = 0; i < 10; ++i) {
        rig.e.scrollSheet(Direction::Left);
        offsets << rig.e.viewport().sheetLeft();
    }
    QCOMPARE(offsets, QList<int>({-134, -114, -94, -74, -54, -34, -14, 0, 0, 0}));
}

void TestNavigation::shiftDownStepsToTheLimitAndBack()
{
    EditorRig rig; // 595 high in a 473 high area: limit -122
    rig.e.doc().setLocked(true);
    rig.ui.checked[Ctl::LockAction] = true; // the keys work while locked
    for (int i = 0; i < 8; ++i)
        rig.e.scrollSheet(Direction::Down);
    QCOMPARE(rig.e.viewport().sheetTop(), -122);
    QCOMPARE(rig.e.viewport().sheetLeft(), 0);
    rig.e.scrollSheet(Direction::Up);
    QCOMPARE(rig.e.viewport().sheetTop(), -102);
    for (int i = 0; i < 8; ++i)
        rig.e.scrollSheet(Direction::Up);
    QCOMPARE(rig.e.viewport().sheetTop(), 0);
}

void TestNavigation::sheetSmallerThanAreaStays()
{
    EditorRig rig(400, 300);
    rig.e.scrollSheet(Direction::Right);
    rig.e.scrollSheet(Direction::Down);
    QCOMPARE(QPoint(rig.e.viewport().sheetLeft(), rig.e.viewport().sheetTop()), QPoint(0, 0));
    rig.e.scrollSheet(Direction::Left);
    rig.e.scrollSheet(Direction::Up);
    QCOMPARE(QPoint(rig.e.viewport().sheetLeft(), rig.e.viewport().sheetTop()), QPoint(0, 0));
}

void TestNavigation::dragThreshold_data()
{
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QPoint>("offset");

    // Press at (300, 300) with the sheet at (-100, -50).
    QTest::newRow("4 and 4 pixels") << QPoint(304, 296) << QPoint(-100, -50);
    QTest::newRow("4 left, 4 up") << QPoint(296, 296) << QPoint(-100, -50);
    QTest::newRow("5 right, 3 down") << QPoint(305, 303) << QPoint(-95, -47);
    QTest::newRow("5 left, 3 up") << QPoint(295, 297) << QPoint(-105, -53);
    QTest::newRow("same y moves down") << QPoint(290, 300) << QPoint(-110, -50);
    QTest::newRow("stops at the edges") << QPoint(500, 400) << QPoint(0, 0);
    QTest::newRow("stops at the far edges") << QPoint(100, 100) << QPoint(-154, -122);
}

void TestNavigation::dragThreshold()
{
    QFETCH(QPoint, to);
    QFETCH(QPoint, offset);

    EditorRig rig;
    EditorTestAccess::setSheetLeft(rig.e, -100);
    EditorTestAccess::setSheetTop(rig.e, -50);
    rig.e.sheetPress(mbLeft, ssLeft, 300, 300);
    rig.e.sheetMove(ssLeft, to.x(), to.y());
    QCOMPARE(QPoint(rig.e.viewport().sheetLeft(), rig.e.viewport().sheetTop()), offset);
    QCOMPARE(rig.ui.navigateCalls, offset == QPoint(-100, -50) ? 0 : 1);
}

void TestNavigation::verticalStepReappliesHorizontalLimit()
{
    EditorRig rig;
    EditorTestAccess::setSheetLeft(rig.e, -300); // beyond the limit, e.g. after the sheet was made smaller
    rig.e.scrollSheet(Direction::Down);
    QCOMPARE(rig.e.viewport().sheetLeft(), -154);
    EditorTestAccess::setSheetLeft(rig.e, -300);
    rig.e.scrollSheet(Direction::Right);
    QCOMPARE(rig.e.viewport().sheetLeft(), -154);
    EditorTestAccess::setSheetTop(rig.e, -300);
    rig.e.scrollSheet(Direction::Left); // a horizontal step leaves the top alone
    QCOMPARE(rig.e.viewport().sheetTop(), -300);
}

void TestNavigation::anchorAtOriginUsesStoredSteps()
{
    EditorRig rig;
    rig.e.sheetPress(mbLeft, ssLeft, 300, 300);
    rig.e.sheetMove(ssLeft, 290, 300); // steps (10, 0)
    QCOMPARE(rig.e.viewport().sheetLeft(), -10);
    rig.e.sheetPress(mbLeft, ssLeft, 0, 0);
    rig.e.sheetMove(ssLeft, 1, 1); // no reference point: the steps stay (10, 0)
    QCOMPARE(QPoint(rig.e.viewport().panStepX(), rig.e.viewport().panStepY()), QPoint(10, 0));
    QCOMPARE(rig.e.viewport().sheetLeft(), 0);
}

void TestNavigation::farCoordinatesDoNotOverflow()
{
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    EditorRig rig;
    EditorTestAccess::viewport(rig.e).setPanAnchor(kMax, kMax);
    rig.e.MoveSheet(kMin, kMin);
    QCOMPARE(rig.e.viewport().panStepX(), kMax);
    QCOMPARE(QPoint(rig.e.viewport().sheetLeft(), rig.e.viewport().sheetTop()), QPoint(-154, -122));
    EditorTestAccess::viewport(rig.e).setPanAnchor(kMin, kMin);
    rig.e.MoveSheet(kMax, kMax);
    QCOMPARE(QPoint(rig.e.viewport().sheetLeft(), rig.e.viewport().sheetTop()), QPoint(0, 0));
}

void TestNavigation::navigatorToggles()
{
    EditorRig rig;
    rig.e.toggleNavigator();
    QVERIFY(!rig.ui.isChecked(Ctl::NavigatorAction));
    QVERIFY(!rig.ui.isVisible(Ctl::Navigator));
    rig.e.toggleNavigator();
    QVERIFY(rig.ui.isChecked(Ctl::NavigatorAction));
    QVERIFY(rig.ui.isVisible(Ctl::Navigator));
}

// Zooming about a point keeps the sheet pixel under it (at and above 100 %), Fit Sheet shows the
// whole sheet in the middle, and the wheel scrolls the scaled sheet within the panning limits;
// gestures then act on the sheet pixel under the pointer.
void TestNavigation::zoomKeepsThePointAndTheLimits()
{
    EditorRig rig; // 842 x 595 in 688 x 473
    Editor &e = rig.e;
    const auto under = [&e](QPoint area) {
        const Viewport &v = e.viewport();
        return QPoint(int(v.scale().toSheet(area.x() - v.sheetLeft())),
                      int(v.scale().toSheet(area.y() - v.sheetTop())));
    };
    const QPoint pointer(301, 207);
    e.zoomBy(3, pointer.x(), pointer.y()); // 300 %
    QCOMPARE(e.viewport().scale().percent(), 300);
    QCOMPARE(under(pointer), QPoint(301, 207));
    e.zoomBy(-1, pointer.x(), pointer.y());
    QCOMPARE(under(pointer), QPoint(301, 207));
    e.scrollBy(100000, -100000);
    QCOMPARE(QPoint(e.viewport().sheetLeft(), e.viewport().sheetTop()), QPoint(688 - 842 * 2, 0));

    rig.addPoint("P1", 500, 400);
    e.UpdateImageModel();
    rig.click(500 * 2 + 1, 400 * 2 + 1); // view pixels of the scaled sheet
    QCOMPARE(e.selection().foundName, QStringLiteral("P1"));

    e.zoomToFit(); // centred: 670 x 473
    const QPoint centred((688 - e.viewport().viewWidth()) / 2, 0);
    QCOMPARE(QPoint(e.viewport().sheetLeft(), e.viewport().sheetTop()), centred);
    QCOMPARE(e.viewport().viewHeight(), 473);
    QVERIFY(e.viewport().viewWidth() <= 688);
    e.scrollBy(50, 50); // the whole sheet is in view: nothing to scroll
    QCOMPARE(QPoint(e.viewport().sheetLeft(), e.viewport().sheetTop()), centred);
    QVERIFY(!e.doc().modified());
}

void TestNavigation::wheelZoomKeepsThePointerPoint_data()
{
    QTest::addColumn<QSize>("sheet");
    QTest::addColumn<int>("percent");        // before the wheel
    QTest::addColumn<QPoint>("pointer");     // in the 688 x 473 drawing area
    QTest::addColumn<int>("delta");          // of each wheel event; 120 is a notch
    QTest::addColumn<QList<int>>("notches"); // runs in (> 0) and out
    QTest::newRow("A4 at 50 %, in on an element")
        << QSize(842, 595) << 50 << QPoint(300, 200) << 120 << QList{6};
    QTest::newRow("small sheet's far corner, touchpad")
        << QSize(300, 200) << 100 << QPoint(297, 198) << 40 << QList{5, -9};
    QTest::newRow("large sheet, to 10 % and back")
        << QSize(3000, 2000) << 100 << QPoint(680, 10) << 120 << QList{-8, 11};
    QTest::newRow("tall sheet at 33 %") << QSize(400, 4000) << 33 << QPoint(100, 400) << 120 << QList{4, -3};
}

// At every Ctrl+wheel step the sheet point under the pointer stays under it: within one sheet
// pixel of those its view pixel shows. Scrolling as far as it goes leaves the sheet in view.
void TestNavigation::wheelZoomKeepsThePointerPoint()
{
    QFETCH(QSize, sheet);
    QFETCH(int, percent);
    QFETCH(QPoint, pointer);
    QFETCH(int, delta);
    QFETCH(QList<int>, notches);
    EditorRig rig(sheet.width(), sheet.height());
    Editor &e = rig.e;
    e.zoomTo(ViewScale{percent, 100}, 0, 0);
    const Viewport &v = e.viewport();
    const QPoint p = v.areaToSheet(pointer);
    // Whether sheet pixel `at` is within one pixel of those that area pixel `area` shows.
    const auto near = [&v](qint64 area, qint64 corner, qint64 at) {
        const ViewScale &s = v.scale();
        const qint64 next = s.toSheet(area - corner + 1);
        return s.toSheet(area - corner) - 1 <= at && at <= next - (s.toView(next) == area - corner + 1) + 1;
    };
    for (int run : notches)
        for (int i = 0; i < std::abs(run) * 120 / delta; ++i) {
            e.wheel(QPoint(0, run > 0 ? delta : -delta), ssCtrl, pointer.x(), pointer.y());
            const QPoint under = v.areaToSheet(pointer);
            QVERIFY2(near(pointer.x(), v.sheetLeft(), p.x()) && near(pointer.y(), v.sheetTop(), p.y()),
                     qPrintable(QStringLiteral("at %1 %: (%2, %3) under the pointer, not (%4, %5)")
                                    .arg(v.scale().percent())
                                    .arg(under.x())
                                    .arg(under.y())
                                    .arg(p.x())
                                    .arg(p.y())));
        }
    for (int d : {100000, -100000}) {
        e.scrollBy(d, d);
        QVERIFY(QRect(v.sheetLeft(), v.sheetTop(), v.viewWidth(), v.viewHeight())
                    .intersects(QRect({}, rig.ui.clientSize)));
    }
}

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
