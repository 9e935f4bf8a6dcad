#include "support/EditorRig.h"
#include "support/EditorTestAccess.h"

#include <QtTest>

#include <limits>

namespace {

// Pixels that the overlay shows differently from the sheet inside the area.
int overlayMarks(const Editor &e, const QRect &area)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += e.overlayImage().pixel(x, y) != e.doc().sheet().image().pixel(x, y);
    return n;
}

} // namespace

class TestGestures : public QObject {
    Q_OBJECT
private slots:
    void rightPressArmsLeftPressCreates_data();
    void rightPressArmsLeftPressCreates();
    void repeatedRightPressesPlaceOneEach();
    void creationOnTopOfExistingElement();
    void creationGhostFollowsPointer();
    void lineTool_data();
    void lineTool();
    void doubleClickEntersLineTool();
    void dragKeepsGrabOffset_data();
    void dragKeepsGrabOffset();
    void shiftClickAddsNeverRemoves();
    void plainDragMovesGroupThenReduces();
    void shiftDragMovesGroupAndKeepsIt();
    void panningByDraggingEmptySheet_data();
    void panningByDraggingEmptySheet();
    void lockedPressOnlyRecordsAnchor();
    void groupMoveClampsToIntRange();
};

void TestGestures::rightPressArmsLeftPressCreates_data()
{
    QTest::addColumn<int>("armButton");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("colourIndex");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("colourText");

    QTest::newRow("rectangle at start-up") << int(mbRight) << "Name" << 0 << "R1"
                                           << "Name"
                                           << "$0099FFFF";
    QTest::newRow("rectangle, empty caption") << int(mbRight) << "" << 0 << "R1"
                                              << "R1"
                                              << "$0099FFFF";
    QTest::newRow("rectangle, third colour") << int(mbRight) << "Box" << 2 << "R1"
                                             << "Box"
                                             << "$00FFCC99";
    QTest::newRow("point") << int(mbMiddle) << "Name" << 8 << "P1"
                           << "Name"
                           << "$0099CCFF";
    QTest::newRow("point, empty caption") << int(mbMiddle) << "" << 0 << "P1"
                                          << "P1"
                                          << "$0099FFFF";
}

void TestGestures::rightPressArmsLeftPressCreates()
{
    QFETCH(int, armButton);
    QFETCH(QString, typed);
    QFETCH(int, colourIndex);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, colourText);

    EditorRig rig;
    rig.ui.texts[Ctl::CaptionEdit] = typed;
    rig.ui.color = colourIndex;
    const bool rect = armButton == mbRight;

    rig.press(MouseButton(armButton), 50, 50);
    rig.e.sheetRelease(MouseButton(armButton), 0, 50, 50);
    QCOMPARE(rig.e.gesture().tool, rect ? Tool::Rectangle : Tool::Point);
    QCOMPARE(rig.ui.toolDown, rect ? Ctl::RectangleTool : Ctl::PointTool);
    QCOMPARE(rig.e.selection().selCaption, typed.isEmpty() ? QStringLiteral("RP") : typed);
    QVERIFY(!rig.e.doc().modified());

    rig.click(200, 150);
    const StringGrid &t = rect ? rig.e.doc().rectangles() : rig.e.doc().points();
    QCOMPARE(t.RowCount(), 3);
    QCOMPARE(t.Cells(ColName, 1), name);
    QCOMPARE(t.Cells(ColX, 1), QStringLiteral("200"));
    QCOMPARE(t.Cells(ColY, 1), QStringLiteral("150"));
    QCOMPARE(t.Cells(ColCaption, 1), caption);
    QCOMPARE(t.Cells(ColColor, 1), colourText);
    QCOMPARE(rig.e.gesture().tool, Tool::Cursor);
    QCOMPARE(rig.ui.toolDown, Ctl::CursorTool);
    QVERIFY(rig.e.doc().modified());
    // The new element is on the sheet and selected.
    QCOMPARE(rig.e.selection().kind, rect ? ElementKind::Rectangle : ElementKind::Point);
    QCOMPARE(rig.e.selection().foundName, name);
    QCOMPARE(rig.ui.text(Ctl::CaptionEdit), caption);
    QCOMPARE(rig.ui.text(Ctl::XEdit), QStringLiteral("200"));
    QVERIFY(rig.ui.captionSelectedAll);
    QCOMPARE(rig.e.multiSelection().items(), QStringList({name}));
}

void TestGestures::repeatedRightPressesPlaceOneEach()
{
    EditorRig rig;
    for (int x : {100, 200, 300}) {
        rig.press(mbRight, x, 100);
        rig.e.sheetRelease(mbRight, 0, x, 100);
    }
    QCOMPARE(rig.e.doc().rectangles().RowCount(), 4); // R1 at 200, R2 at 300
    QCOMPARE(rig.e.doc().rectangles().Cells(ColName, 2), QStringLiteral("R2"));
    QCOMPARE(rig.e.doc().rectangles().Cells(ColX, 2), QStringLiteral("300"));
    QCOMPARE(rig.e.gesture().tool, Tool::Rectangle);
    QCOMPARE(rig.e.selection().kind, ElementKind::None);

    rig.click(400, 100);
    QCOMPARE(rig.e.doc().rectangles().Cells(ColName, 3), QStringLiteral("R3"));
    QCOMPARE(rig.e.gesture().tool, Tool::Cursor);
    QCOMPARE(rig.e.selection().foundName, QStringLiteral("R3"));
    QVERIFY(rig.ui.isEnabled(Ctl::LineTool));
}

void TestGestures::creationOnTopOfExistingElement()
{
    EditorRig rig;
    rig.addRect(QStringLiteral("R1"), 200, 150);
    rig.addPoint(QStringLiteral("P1"), 400, 300);
    rig.e.UpdateImageModel();

    rig.e.selectTool(Tool::Rectangle);
    rig.click(200, 150);
    QCOMPARE(rig.e.selection().foundName, QStringLiteral("R2")); // the later rectangle lies on top

    rig.e.selectTool(Tool::Point);
    rig.click(400, 300);
    QCOMPARE(rig.e.doc().points().Cells(ColName, 2), QStringLiteral("P2"));
    QCOMPARE(rig.e.selection().foundName, QStringLiteral("P1")); // equal distance: the earlier point wins
}

void TestGestures::creationGhostFollowsPointer()
{
    EditorRig rig;
    rig.e.setGridVisible(false); // compare the ghost alone with the sheet
    rig.e.selectTool(Tool::Rectangle);
    rig.e.sheetMove(0, 500, 400);
    QVERIFY(overlayMarks(rig.e, QRect(470, 380, 60, 40)) > 0);
    QCOMPARE(rig.ui.text(Ctl::XEdit), QStringLiteral("500"));
    QVERIFY(rig.ui.overlayChanges > 0);

    rig.e.sheetMove(0, 100, 100); // the ghost moves along; the old one is wiped
    QCOMPARE(overlayMarks(rig.e, QRect(470, 380, 60, 40)), 0);
    QVERIFY(overlayMarks(rig.e, QRect(70, 80, 60, 40)) > 0);
}

void TestGestures::lineTool_data()
{
    QTest::addColumn<QPoint>("first");
    QTest::addColumn<QPoint>("second");
    QTest::addColumn<QString>("existing");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("created");

    const QPoint r1(100, 100), r2(300, 100), p1(200, 300), empty(500, 450);
    QTest::newRow("R1 to P1") << r1 << p1 << ""
                              << ""
                              << "R1-P1";
    QTest::newRow("P1 to R2") << p1 << r2 << ""
                              << ""
                              << "P1-R2";
    QTest::newRow("same element") << r1 << r1 << ""
                                  << "Line is not created!"
                                  << "";
    QTest::newRow("exists reversed") << r1 << r2 << "R2-R1"
                                     << "Line is finded!"
                                     << "";
    QTest::newRow("exists") << r1 << r2 << "R1-R2"
                            << "Line is finded!"
                            << "";
    QTest::newRow("second on empty sheet") << r1 << empty << ""
                                           << ""
                                           << "";
}

void TestGestures::lineTool()
{
    QFETCH(QPoint, first);
    QFETCH(QPoint, second);
    QFETCH(QString, existing);
    QFETCH(QString, message);
    QFETCH(QString, created);

    EditorRig rig;
    rig.addRect(QStringLiteral("R1"), 100, 100);
    rig.addRect(QStringLiteral("R2"), 300, 100);
    rig.addPoint(QStringLiteral("P1"), 200, 300);
    if (!existing.isEmpty())
        rig.addLine(existing);
    rig.e.setGridVisible(false);
    rig.e.UpdateImageModel();
    const int lines = rig.e.doc().lines().RowCount();

    rig.e.selectTool(Tool::Line);
    rig.click(first.x(), first.y());
    QCOMPARE(rig.e.gesture().lineClickCount, 1);
    QCOMPARE(rig.e.gesture().tool, Tool::Line);
    // The rubber line runs from the first end's centre to the pointer.
    rig.e.sheetMove(0, 450, 250);
    QVERIFY(overlayMarks(rig.e, QRect(435, 238, 15, 20)) > 0);

    rig.click(second.x(), second.y());
    QCOMPARE(rig.e.gesture().tool, Tool::Cursor);
    QCOMPARE(rig.e.gesture().lineClickCount, 0);
    QCOMPARE(rig.ui.toolDown, Ctl::CursorTool);
    QVERIFY(rig.e.doc().modified());
    QCOMPARE(rig.ui.infos, message.isEmpty() ? QStringList() : QStringList({message}));
    if (created.isEmpty()) {
        QCOMPARE(rig.e.doc().lines().RowCount(), lines);
    } else {
        QCOMPARE(rig.e.doc().lines().RowCount(), lines + 1);
        QCOMPARE(rig.e.doc().lines().Cells(ColName, lines - 1), created);
        const QPoint mid = (first + second) / 2;
        QCOMPARE(rig.e.doc().lines().Cells(ColX, lines - 1), QString::number(mid.x()));
        QCOMPARE(rig.e.doc().lines().Cells(ColY, lines - 1), QString::number(mid.y()));
    }
}

void TestGestures::doubleClickEntersLineTool()
{
    // Fewer than two elements: the line tool stays disabled and the double click is two clicks.
    EditorRig one;
    one.addRect(QStringLiteral("R1"), 100, 100);
    one.e.UpdateImageModel();
    one.e.SetStateLine();
    one.click(100, 100);
    one.e.sheetDoubleClick();
    one.click(100, 100, ssDouble);
    QCOMPARE(one.e.gesture().tool, Tool::Cursor);
    QCOMPARE(one.e.selection().foundName, QStringLiteral("R1"));

    EditorRig rig;
    rig.addRect(QStringLiteral("R1"), 100, 100);
    rig.addPoint(QStringLiteral("P1"), 200, 300);
    rig.e.UpdateImageModel();
    rig.e.SetStateLine();
    QVERIFY(rig.ui.isEnabled(Ctl::LineTool));
    // Press, release, double click, press, release; then the second end.
    rig.click(100, 100);
    rig.e.sheetDoubleClick();
    QCOMPARE(rig.ui.toolDown, Ctl::LineTool);
    rig.click(100, 100, ssDouble);
    QCOMPARE(rig.e.gesture().lineClickCount, 1);
    rig.click(200, 300);
    QCOMPARE(rig.e.doc().lines().Cells(ColName, 1), QStringLiteral("R1-P1"));
    QCOMPARE(rig.e.gesture().tool, Tool::Cursor);

    // On empty sheet the line tool is entered and left again at once.
    rig.e.doc().markSaved();
    rig.click(600, 500);
    rig.e.sheetDoubleClick();
    rig.click(600, 500, ssDouble);
    QCOMPARE(rig.e.gesture().tool, Tool::Cursor);
    QCOMPARE(rig.e.gesture().lineClickCount, 0);
    QVERIFY(rig.e.doc().modified());
}

void TestGestures::dragKeepsGrabOffset_data()
{
    QTest::addColumn<bool>("rect");
    QTest::addColumn<QPoint>("pressAt");
    QTest::addColumn<QPoint>("releaseAt");
    QTest::addColumn<QPoint>("centre");

    // Rectangle R1 at (200, 150), point P1 at (400, 300).
    QTest::newRow("rect 1 pixel is a click")
        << true << QPoint(205, 153) << QPoint(206, 154) << QPoint(200, 150);
    QTest::newRow("rect 2 pixels is a drag")
        << true << QPoint(205, 153) << QPoint(207, 153) << QPoint(202, 150);
    QTest::newRow("rect 2 pixels up") << true << QPoint(205, 153) << QPoint(205, 151) << QPoint(200, 148);
    QTest::newRow("rect far") << true << QPoint(195, 147) << QPoint(600, 500) << QPoint(605, 503);
    QTest::newRow("point 1 pixel") << false << QPoint(401, 301) << QPoint(402, 302) << QPoint(400, 300);
    QTest::newRow("point centred on release")
        << false << QPoint(403, 301) << QPoint(450, 320) << QPoint(450, 320);
}

void TestGestures::dragKeepsGrabOffset()
{
    QFETCH(bool, rect);
    QFETCH(QPoint, pressAt);
    QFETCH(QPoint, releaseAt);
    QFETCH(QPoint, centre);

    EditorRig rig;
    rig.addRect(QStringLiteral("R1"), 200, 150);
    rig.addPoint(QStringLiteral("P1"), 400, 300);
    rig.e.UpdateImageModel();
    const QString name = rect ? QStringLiteral("R1") : QStringLiteral("P1");

    rig.e.sheetPress(mbLeft, ssLeft, pressAt.x(), pressAt.y());
    QCOMPARE(rig.e.selection().foundName, name);
    rig.e.sheetMove(ssLeft, releaseAt.x(), releaseAt.y());
    const bool moved = centre != rig.centre(name);
    if (moved) // the boxes follow the ghost's centre
        QCOMPARE(rig.ui.text(Ctl::XEdit), QString::number(centre.x()));
    rig.e.sheetRelease(mbLeft, 0, releaseAt.x(), releaseAt.y());

    QCOMPARE(rig.centre(name), centre);
    QCOMPARE(rig.e.doc().modified(), moved);
    QCOMPARE(rig.e.selection().foundName, name); // re-selected at its new place
    QCOMPARE(QPoint(rig.e.selection().selX, rig.e.selection().selY), centre);
    QVERIFY(!rig.e.gesture().mouseHeld);
}

void TestGestures::shiftClickAddsNeverRemoves()
{
    EditorRig rig;
    rig.addRect(QStringLiteral("R1"), 100, 100);
    rig.addRect(QStringLiteral("R2"), 300, 100);
    rig.addPoint(QStringLiteral("P1"), 200, 300);
    rig.e.UpdateImageModel();

    rig.click(100, 100);
    rig.click(300, 100, ssShift);
    rig.click(100, 100, ssShift);
    QCOMPARE(rig.e.multiSelection().items(), QStringList({"R1", "R2"}));
    QVERIFY(!rig.ui.isEnabled(Ctl::XEdit));
    QVERIFY(!rig.ui.isEnabled(Ctl::YLabel));
    rig.click(200, 300, ssShift);
    QCOMPARE(rig.e.multiSelection().items(), QStringList({"R1", "R2", "P1"}));
    // Ctrl+Shift is not exactly Shift: the click restarts the list.
    rig.click(300, 100, ssShift | ssCtrl);
    QCOMPARE(rig.e.multiSelection().items(), QStringList({"R2"}));
    QVERIFY(rig.ui.isEnabled(Ctl::XEdit));
    rig.click(100, 100, ssShift);
    rig.click(600, 500, ssShift); // nothing there: the list is emptied by the hit test
    QCOMPARE(rig.e.multiSelection().count(), 0);
}

void TestGestures::plainDragMovesGroupThenReduces()
{
    EditorRig rig;
    rig.addRect(QStringLiteral("R1"), 100, 100);
    rig.addRect(QStringLiteral("R2"), 300, 100);
    rig.addPoint(QStringLiteral("P1"), 200, 300);
    rig.addLine(QStringLiteral("R1-P1"));
    rig.e.UpdateImageModel();
    rig.click(100, 100);
    rig.click(300, 100, ssShift);
    rig.click(200, 300, ssShift);

    rig.drag(302, 101, 332, 121); // grab R2 off-centre
    QCOMPARE(rig.centre("R2"), QPoint(330, 120));
    QCOMPARE(rig.centre("R1"), QPoint(130, 120));
    QCOMPARE(rig.centre("P1"), QPoint(230, 320));
    QCOMPARE(rig.e.doc().lines().Cells(ColX, 1), QStringLiteral("180")); // the line follows its ends
    QCOMPARE(rig.e.multiSelection().items(), QStringList({"R2"}));
}

void TestGestures::shiftDragMovesGroupAndKeepsIt()
{
    EditorRig rig;
    rig.addRect(QStringLiteral("R1"), 100, 100);
    rig.addRect(QStringLiteral("R2"), 300, 100);
    rig.e.UpdateImageModel();
    rig.click(100, 100);
    rig.click(300, 100, ssShift);

    // No plain rectangle drag yet: the grab offset is (0, 0), so R2 lands on the release point.
    rig.drag(305, 102, 315, 112, ssShift);
    QCOMPARE(rig.centre("R2"), QPoint(315, 112));
    QCOMPARE(rig.centre("R1"), QPoint(115, 112));
    QCOMPARE(rig.e.multiSelection().items(), QStringList({"R1", "R2"}));
    QCOMPARE(rig.e.viewport().sheetLeft(), 0);
}

void TestGestures::panningByDraggingEmptySheet_data()
{
    QTest::addColumn<bool>("locked");
    QTest::addColumn<uint>("keys");
    QTest::addColumn<QPoint>("offset");

    QTest::newRow("plain") << false << 0u << QPoint(-10, -6);
    QTest::newRow("locked") << true << 0u << QPoint(-10, -6);
    QTest::newRow("with Ctrl") << false << uint(ssCtrl) << QPoint(0, 0);
    QTest::newRow("with Shift") << false << uint(ssShift) << QPoint(0, 0);
}

void TestGestures::panningByDraggingEmptySheet()
{
    QFETCH(bool, locked);
    QFETCH(uint, keys);
    QFETCH(QPoint, offset);

    EditorRig rig; // 842 x 595 in a 688 x 473 area
    rig.e.doc().setLocked(locked);
    rig.ui.checked[Ctl::LockAction] = locked;
    rig.e.sheetPress(mbLeft, keys | ssLeft, 300, 300);
    rig.e.sheetMove(keys | ssLeft, 290, 294);
    QCOMPARE(QPoint(rig.e.viewport().sheetLeft(), rig.e.viewport().sheetTop()), offset);
    QCOMPARE(rig.ui.navigateCalls, offset.isNull() ? 0 : 1);
}

void TestGestures::lockedPressOnlyRecordsAnchor()
{
    EditorRig rig;
    rig.addRect(QStringLiteral("R1"), 100, 100);
    rig.e.UpdateImageModel();
    rig.e.doc().setLocked(true);
    rig.ui.checked[Ctl::LockAction] = true;
    rig.ui.enabled[Ctl::CaptionEdit] = false;
    rig.ui.enabled[Ctl::SelectAllAction] = true;

    rig.press(mbRight, 100, 100);
    rig.e.sheetRelease(mbRight, 0, 100, 100);
    rig.click(100, 100);
    QCOMPARE(QPoint(rig.e.viewport().panAnchorX(), rig.e.viewport().panAnchorY()), QPoint(100, 100));
    QCOMPARE(rig.e.gesture().tool, Tool::Cursor);
    QCOMPARE(rig.e.selection().kind, ElementKind::None);
    QCOMPARE(rig.e.doc().rectangles().RowCount(), 3);
    QVERIFY(!rig.e.gesture().mouseHeld);
    QVERIFY(!rig.ui.isEnabled(Ctl::SelectAllAction));
    QVERIFY(!rig.ui.captionSelectedAll);
}

void TestGestures::groupMoveClampsToIntRange()
{
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    EditorRig rig;
    rig.addRect(QStringLiteral("R1"), 100, 100);
    rig.addPoint(QStringLiteral("P1"), kMax - 5, kMin + 5);
    rig.addLine(QStringLiteral("R1-P1"));
    EditorTestAccess::multi(rig.e).setItems({"R1", "P1", "R1-P1", "R9"});
    EditorTestAccess::selection(rig.e).foundName = QStringLiteral("R1");

    EditorTestAccess::ChangeCoordObj(rig.e, -10, 10); // moves by (+10, -10)
    QCOMPARE(rig.centre("P1"), QPoint(kMax, kMin));
    QCOMPARE(rig.centre("R1"), QPoint(100, 100));
    QCOMPARE(rig.e.doc().lines().Cells(ColX, 1), QString());
}

QTEST_MAIN(TestGestures)
#include "tst_gestures.moc"
