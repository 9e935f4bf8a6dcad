#include "support/EditorRig.h"
#include "support/EditorTestAccess.h"

#include "toolkit/Color.h"

#include <QtTest>

#include <limits>

namespace {

QSize captionExtent(const QString &caption)
{
    Canvas probe;
    probe.setFontName(captionFontName());
    probe.setFontSize(kCaptionPixelSize);
    return probe.TextExtent(caption);
}

void paintPixel(Editor &e, int x, int y, TColor c)
{
    e.doc().sheet().canvas().setPixel(x, y, c);
}

} // namespace

class TestSelection : public QObject {
    Q_OBJECT
private slots:
    void dispatchByPixelColour_data();
    void dispatchByPixelColour();
    void findingNothingClearsSelectionState();
    void selectedLineTakesItsEndCentres();
    void rectangleBoxFromMeasuredCaption_data();
    void rectangleBoxFromMeasuredCaption();
    void laterRectangleWinsOverlap();
    void nearestPointEarlierRowWinsTies_data();
    void nearestPointEarlierRowWinsTies();
    void emptyNameRowsBetweenPoints();
    void distancesAcrossWholeIntRange();
    void foundTextsKeep128Characters();
    void colourBoxFollowsFoundElement_data();
    void colourBoxFollowsFoundElement();
    void selectedColourOutsideListDrawnInItsOwnColour();
    void selectAllListsPointsThenRectangles();
};

void TestSelection::dispatchByPixelColour_data()
{
    QTest::addColumn<quint32>("colour");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("found");

    QTest::newRow("white, no arrow near") << quint32(0x00FFFFFF) << 0 << QString();
    QTest::newRow("arrow outline") << quint32(0x00A3A3A3) << 3 << "R1-P1";
    QTest::newRow("arrow fill") << quint32(0x00D2D2D2) << 3 << "R1-P1";
    QTest::newRow("point fill") << quint32(0x00F0FBFF) << 2 << "P1";
    QTest::newRow("navy") << quint32(0x00800000) << 2 << "P1";
    QTest::newRow("frame grey") << quint32(0x00808080) << 0 << QString();
    QTest::newRow("line stroke") << quint32(0x00616161) << 0 << QString();
    QTest::newRow("rectangle fill") << quint32(0x0099FFFF) << 1 << "R1";
    QTest::newRow("black text") << quint32(0x00000000) << 1 << "R1";
}

void TestSelection::dispatchByPixelColour()
{
    QFETCH(quint32, colour);
    QFETCH(int, kind);
    QFETCH(QString, found);

    // The probe lies in R1's box, and the point and the line's midpoint are far from it: only the
    // colour under the probe decides which table is searched.
    EditorRig rig;
    rig.addRect(QStringLiteral("R1"), 100, 100);
    rig.addPoint(QStringLiteral("P1"), 600, 400);
    rig.addLine(QStringLiteral("R1-P1"));
    rig.e.UpdateImageModel();
    paintPixel(rig.e, 100, 100, colour);

    rig.e.Find_and_Select(100, 100);
    QCOMPARE(int(rig.e.selection().kind), kind);
    QCOMPARE(rig.e.selection().foundName, found);
    QCOMPARE(rig.ui.isEnabled(Ctl::DeleteButton), kind != 0);
    QCOMPARE(rig.ui.isEnabled(Ctl::DeleteAction), kind != 0);
    QCOMPARE(rig.ui.isEnabled(Ctl::ReverseLineButton), kind == 3);
    QCOMPARE(rig.ui.isEnabled(Ctl::ReverseLineAction), kind == 3);
}

void TestSelection::findingNothingClearsSelectionState()
{
    EditorRig rig;
    rig.addRect(QStringLiteral("R1"), 100, 100);
    rig.addRect(QStringLiteral("R2"), 300, 100);
    rig.e.UpdateImageModel();
    rig.click(100, 100);
    rig.click(300, 100, ssShift);
    QCOMPARE(rig.e.multiSelection().items(), QStringList({"R1", "R2"}));
    QCOMPARE(rig.ui.text(Ctl::CaptionEdit), QStringLiteral("Name"));

    rig.e.Find_and_Select(500, 400); // empty sheet, no arrow near
    QCOMPARE(rig.e.selection().kind, ElementKind::None);
    QVERIFY(rig.e.selection().foundName.isEmpty());
    QVERIFY(rig.ui.text(Ctl::CaptionEdit).isEmpty());
    QCOMPARE(rig.e.multiSelection().count(), 0);
    QVERIFY(!rig.ui.isEnabled(Ctl::DeleteButton));
    QVERIFY(!rig.ui.isEnabled(Ctl::DeleteAction));
}

void TestSelection::selectedLineTakesItsEndCentres()
{
    EditorRig rig;
    rig.addRect(QStringLiteral("R1"), 100, 100);
    rig.addPoint(QStringLiteral("P1"), 500, 300);
    rig.addLine(QStringLiteral("R1-P1"), QStringLiteral("to"));
    rig.e.UpdateImageModel();
    QCOMPARE(rig.e.doc().lines().Cells(ColX, 1), QStringLiteral("300"));

    // Search outward from the midpoint for an arrow-head pixel and press 2 pixels left of it.
    QPoint arrow(-1, -1);
    for (int y = 180; y < 220 && arrow.x() < 0; ++y)
        for (int x = 280; x < 320 && arrow.x() < 0; ++x)
            if (rig.e.doc().sheet().canvas().pixel(x, y) == 0x00A3A3A3u)
                arrow = QPoint(x, y);
    QVERIFY(arrow.x() >= 0);
    int px = arrow.x() - 2;
    while (rig.e.doc().sheet().canvas().pixel(px, arrow.y()) != clWhite && px > arrow.x() - 3)
        --px;

    rig.e.Find_and_Select(px, arrow.y());
    QCOMPARE(rig.e.selection().kind, ElementKind::Line);
    QCOMPARE(rig.e.selection().foundName, QStringLiteral("R1-P1"));
    QCOMPARE(rig.ui.text(Ctl::CaptionEdit), QStringLiteral("to"));
    QCOMPARE(rig.ui.text(Ctl::XEdit), QStringLiteral("300"));
    QCOMPARE(QList<int>({rig.e.selection().selX, rig.e.selection().selY, rig.e.selection().selX2,
                         rig.e.selection().selY2}),
             QList<int>({100, 100, 500, 300}));
    QVERIFY(rig.ui.isEnabled(Ctl::ReverseLineButton));
}

void TestSelection::rectangleBoxFromMeasuredCaption_data()
{
    QTest::addColumn<int>("dx"); // relative to the box edge named
    QTest::addColumn<int>("dy");
    QTest::addColumn<QString>("edge");
    QTest::addColumn<bool>("hit");

    QTest::newRow("left edge") << 0 << 0 << "left" << true;
    QTest::newRow("left of it") << -1 << 0 << "left" << false;
    QTest::newRow("right edge") << 0 << 0 << "right" << true;
    QTest::newRow("right of it") << 1 << 0 << "right" << false;
    QTest::newRow("top edge") << 0 << 0 << "top" << true;
    QTest::newRow("above") << 0 << -1 << "top" << false;
    QTest::newRow("bottom edge") << 0 << 0 << "bottom" << true;
    QTest::newRow("below") << 0 << 1 << "bottom" << false;
}

void TestSelection::rectangleBoxFromMeasuredCaption()
{
    QFETCH(int, dx);
    QFETCH(int, dy);
    QFETCH(QString, edge);
    QFETCH(bool, hit);

    const QString caption = QStringLiteral("A longer caption");
    const QSize ext = captionExtent(caption);
    QVERIFY(ext.width() > 0 && ext.height() > 0);
    const int half = ext.width() / 2;
    QPoint p(100, 100);
    if (edge == "left")
        p.setX(100 - half - 8);
    else if (edge == "right")
        p.setX(100 + half + 8);
    else if (edge == "top")
        p.setY(100 - ext.height());
    else
        p.setY(100 + ext.height());

    EditorRig rig;
    const int row = rig.addRect(QStringLiteral("R1"), 100, 100, caption);
    QCOMPARE(rig.e.GetNumRowRect(p.x() + dx, p.y() + dy, rig.e.doc().rectangles()), hit ? row : -1);
}

void TestSelection::laterRectangleWinsOverlap()
{
    EditorRig rig;
    rig.addRect(QStringLiteral("R1"), 100, 100, QStringLiteral("Name"));
    rig.addRect(QStringLiteral("R2"), 120, 100, QStringLiteral("Name"));
    const int half = captionExtent(QStringLiteral("Name")).width() / 2 + 8;
    QCOMPARE(rig.e.GetNumRowRect(110, 100, rig.e.doc().rectangles()), 2);
    QCOMPARE(rig.e.GetNumRowRect(120 - half - 1, 100, rig.e.doc().rectangles()), 1);
    QCOMPARE(rig.e.GetNumRowRect(120 + half + 1, 100, rig.e.doc().rectangles()), -1);
}

void TestSelection::nearestPointEarlierRowWinsTies_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QString>("found");

    // P1 (100, 100), P2 (200, 100), P3 (150, 200)
    QTest::newRow("near P2") << QPoint(190, 90) << "P2";
    QTest::newRow("far away still finds") << QPoint(800, 50) << "P2";
    QTest::newRow("tie P1 P2") << QPoint(150, 100) << "P1";
    QTest::newRow("tie P2 P3 (P1 farther)") << QPoint(175, 175) << "P2";
    QTest::newRow("on P3") << QPoint(150, 200) << "P3";
}

void TestSelection::nearestPointEarlierRowWinsTies()
{
    QFETCH(QPoint, at);
    QFETCH(QString, found);

    EditorRig rig;
    rig.addPoint(QStringLiteral("P1"), 100, 100);
    rig.addPoint(QStringLiteral("P2"), 200, 100);
    rig.addPoint(QStringLiteral("P3"), 150, 200);
    if (QTest::currentDataTag() == QByteArray("tie P2 P3 (P1 farther)"))
        rig.e.doc().setCell(rig.e.doc().points(), ColY, 3,
                            QStringLiteral("250")); // P2 and P3 both (25, 75) away

    rig.e.GetRecHPE_on_Coord(at.x(), at.y(), rig.e.doc().points());
    QCOMPARE(rig.e.selection().kind, ElementKind::Point);
    QCOMPARE(rig.e.selection().foundName, found);
    QCOMPARE(rig.e.doc().points().Cells(ColName, rig.e.doc().points().Row()), found);
    QCOMPARE(rig.e.selection().selCaption, QStringLiteral("Pt"));
    QCOMPARE(rig.ui.text(Ctl::XEdit), rig.e.doc().points().Cells(ColX, rig.e.doc().points().Row()));
}

void TestSelection::emptyNameRowsBetweenPoints()
{
    // A hand-edited file can leave rows without a name between elements: the nearest element
    // is still the one selected, never the empty row in its list position.
    EditorRig rig;
    rig.addPoint(QStringLiteral("P1"), 10, 10);
    rig.e.doc().appendRow(rig.e.doc().points(), {}); // row 2 stays empty
    const int p3 = rig.addPoint(QStringLiteral("P3"), 500, 500);
    QCOMPARE(p3, 3);

    rig.e.GetRecHPE_on_Coord(490, 490, rig.e.doc().points());
    QCOMPARE(rig.e.selection().kind, ElementKind::Point);
    QCOMPARE(rig.e.selection().foundName, QStringLiteral("P3"));
    QCOMPARE(rig.e.doc().points().Row(), 3);
    QCOMPARE(rig.e.selection().foundX, 500);
}

void TestSelection::distancesAcrossWholeIntRange()
{
    constexpr int kMin = std::numeric_limits<int>::min();
    constexpr int kMax = std::numeric_limits<int>::max();
    EditorRig rig;
    rig.addPoint(QStringLiteral("P1"), kMin, kMin); // 2 * 2^62 away from the origin
    rig.addPoint(QStringLiteral("P2"), kMax, kMax); // slightly nearer
    rig.addPoint(QStringLiteral("P3"), kMax, kMin); // farther than both from (kMin, kMax)

    rig.e.GetRecHPE_on_Coord(0, 0, rig.e.doc().points());
    QCOMPARE(rig.e.selection().foundName, QStringLiteral("P2"));
    rig.e.GetRecHPE_on_Coord(kMax, kMax - 1, rig.e.doc().points());
    QCOMPARE(rig.e.selection().foundName, QStringLiteral("P2"));
    rig.e.GetRecHPE_on_Coord(kMin, kMax, rig.e.doc().points()); // 2^32-1 from P1 and P2, ~2^32.5 from P3
    QCOMPARE(rig.e.selection().foundName, QStringLiteral("P1"));
}

void TestSelection::foundTextsKeep128Characters()
{
    EditorRig rig;
    const QString longName = QStringLiteral("P") + QString(200, QLatin1Char('7'));
    const QString longCaption(300, QLatin1Char('c'));
    rig.addPoint(longName, 50, 50, longCaption);

    rig.e.GetRecHPE_on_Coord(50, 50, rig.e.doc().points());
    QCOMPARE(rig.e.selection().foundName, longName.left(128));
    QCOMPARE(rig.e.selection().foundCaption.size(), 128);
    QCOMPARE(rig.e.selection().selCaption, longCaption.left(128));
}

void TestSelection::colourBoxFollowsFoundElement_data()
{
    QTest::addColumn<QString>("colourText");
    QTest::addColumn<bool>("keyMove");
    QTest::addColumn<int>("index");
    QTest::addColumn<quint32>("current");

    QTest::newRow("list colour") << "$00FFCC99" << false << 2 << quint32(0x00FFCC99);
    QTest::newRow("other letter case") << "$00ccffcc" << false << 1 << quint32(0x00CCFFCC);
    QTest::newRow("not in the list") << "$00123456" << false << 4 << quint32(0x00010203);
    QTest::newRow("during a key move") << "$00FFCC99" << true << 4 << quint32(0x00010203);
}

void TestSelection::colourBoxFollowsFoundElement()
{
    QFETCH(QString, colourText);
    QFETCH(bool, keyMove);
    QFETCH(int, index);
    QFETCH(quint32, current);

    EditorRig rig;
    rig.ui.color = 4;
    EditorTestAccess::selection(rig.e).currentColor = 0x00010203;
    EditorTestAccess::selection(rig.e).keyMoveActive = keyMove;
    rig.addPoint(QStringLiteral("P1"), 50, 50, QStringLiteral("x"), colourText);

    rig.e.GetRecHPE_on_Coord(50, 50, rig.e.doc().points());
    QCOMPARE(rig.e.selection().kind, ElementKind::Point);
    QCOMPARE(rig.ui.color, index);
    QCOMPARE(rig.e.selection().currentColor, current);
}

void TestSelection::selectedColourOutsideListDrawnInItsOwnColour()
{
    EditorRig rig;
    EditorTestAccess::selection(rig.e).currentColor = 0x00FFCC99; // left by an earlier selection
    rig.addRect(QStringLiteral("R1"), 200, 150, QStringLiteral("Name"), QStringLiteral("$00123456"));
    rig.e.UpdateImageModel();
    rig.click(200, 150);
    QCOMPARE(rig.e.selection().kind, ElementKind::Rectangle);
    // Inside the box, left of the caption.
    const int x = 200 - captionExtent(QStringLiteral("Name")).width() / 2 - 8 + 3;
    QCOMPARE(rig.e.overlayImage().pixel(x, 150), qRgb(0x56, 0x34, 0x12));
}

void TestSelection::selectAllListsPointsThenRectangles()
{
    EditorRig rig;
    rig.addRect(QStringLiteral("R1"), 100, 100);
    rig.addPoint(QStringLiteral("P2"), 300, 300);
    rig.addPoint(QStringLiteral("P1"), 400, 300);
    rig.addLine(QStringLiteral("R1-P2"));
    EditorTestAccess::selection(rig.e).kind = ElementKind::Point;

    rig.e.SelectAllObjects();
    QCOMPARE(rig.e.multiSelection().items(), QStringList({"P2", "P1", "R1"}));
    QVERIFY(rig.ui.isEnabled(Ctl::DeleteAction));
    QVERIFY(rig.ui.isEnabled(Ctl::DeleteButton));
    QCOMPARE(rig.e.selection().kind, ElementKind::Point);
    // Members are marked on the sheet: white dots on R1's outline.
    bool whiteOnOutline = false;
    const int top = 100 - captionExtent(QStringLiteral("Name")).height();
    for (int x = 95; x <= 105; ++x)
        whiteOnOutline |= rig.e.doc().sheet().canvas().pixel(x, top) == clWhite;
    QVERIFY(whiteOnOutline);

    EditorRig empty;
    empty.e.SelectAllObjects();
    QCOMPARE(empty.e.multiSelection().count(), 0);
    QVERIFY(!empty.ui.isEnabled(Ctl::DeleteAction));
}

QTEST_MAIN(TestSelection)
#include "tst_selection.moc"
