#include "support/EditorRig.h"
#include "support/EditorTestAccess.h"
#include "toolkit/ColorText.h"
#include "toolkit/Errors.h"

#include <QtTest>

#include <limits>

namespace {

constexpr QChar kEnter(13);

// EditorRig with these tests' caption and colour defaults, and selection helpers.
struct Rig : EditorRig {
    using EditorRig::EditorRig;

    int rect(const QString &name, int x, int y, const QString &caption, const QString &color = "$0099FFFF")
    {
        return addRect(name, x, y, caption, color);
    }
    int point(const QString &name, int x, int y, const QString &caption = "pt",
              const QString &color = "$00FFCC99")
    {
        return addPoint(name, x, y, caption, color);
    }
    int line(const QString &name, const QString &text = QString()) { return addLine(name, text); }

    // Draws the tables and selects the element at (x, y) as a click would.
    void select(int x, int y)
    {
        e.UpdateImageModel();
        e.Find_and_Select(x, y);
    }
    void selectLine(int row)
    {
        e.UpdateImageModel();
        e.doc().setCurrentRow(e.doc().lines(), row);
        EditorTestAccess::selection(e).kind = ElementKind::Line;
    }
    QList<QStringList> snapshot() const
    {
        QList<QStringList> all;
        for (const StringGrid *t : {&e.doc().rectangles(), &e.doc().points(), &e.doc().lines()}) {
            for (int r = 0; r < t->RowCount(); ++r) {
                QStringList row;
                for (int c = 0; c < t->ColCount(); ++c)
                    row << t->Cells(c, r);
                all << row;
            }
            all << QStringList{"|"};
        }
        return all;
    }
    TColor pixel(int x, int y) const { return e.doc().sheet().canvas().pixel(x, y).value_or(0xFFFFFFFF); }
};

} // namespace

class TestEditCommands : public QObject {
    Q_OBJECT

private slots:
    void keyFilters_data()
    {
        QTest::addColumn<QChar>("key");
        QTest::addColumn<QChar>("coordinate"); // what coordinateKeyFilter lets through
        QTest::addColumn<QChar>("caption");    // what captionKeyFilter lets through
        QTest::newRow("digit") << QChar('7') << QChar('7') << QChar('7');
        QTest::newRow("zero") << QChar('0') << QChar('0') << QChar('0');
        QTest::newRow("backspace") << QChar(8) << QChar(8) << QChar(8);
        QTest::newRow("letter") << QChar('a') << QChar(0) << QChar('a');
        QTest::newRow("minus") << QChar('-') << QChar(0) << QChar('-');
        QTest::newRow("plus") << QChar('+') << QChar(0) << QChar('+');
        QTest::newRow("space") << QChar(' ') << QChar(0) << QChar(' ');
        QTest::newRow("enter") << kEnter << QChar(0) << QChar(0);
    }
    void keyFilters()
    {
        QFETCH(QChar, key);
        QFETCH(QChar, coordinate);
        QFETCH(QChar, caption);
        Rig rig;
        QCOMPARE(rig.e.coordinateKeyFilter(key), coordinate);
        QCOMPARE(rig.e.captionKeyFilter(key), caption);
        QVERIFY(!rig.e.doc().modified()); // nothing selected: Enter applies nothing
    }

    void enterInXcMovesAndReselects()
    {
        Rig rig;
        rig.rect("R1", 400, 300, "Other");
        rig.rect("R2", 120, 80, "Pump", "$00123456");
        rig.select(120, 80);
        QCOMPARE(rig.e.selection().kind, ElementKind::Rectangle);
        QCOMPARE(rig.ui.text(Ctl::CaptionEdit), QStringLiteral("Pump"));
        QCOMPARE(rig.ui.text(Ctl::XEdit), QStringLiteral("120"));
        EditorTestAccess::selection(rig.e).currentColor = 0x00CCFFCC;
        rig.ui.focused = Ctl::XEdit;
        rig.ui.texts[Ctl::XEdit] = "200";
        QCOMPARE(rig.e.coordinateKeyFilter(kEnter), QChar(0));

        QCOMPARE(rig.centre("R2"), QPoint(200, 80));
        QCOMPARE(rig.cell("R2", ColColor), QStringLiteral("$00123456")); // not in the list: kept
        QCOMPARE(rig.cell("R2", ColCaption), QStringLiteral("Pump"));
        QCOMPARE(rig.centre("R1"), QPoint(400, 300));
        QVERIFY(rig.e.doc().modified());
        // Selected again at its new place, and drawn there.
        QCOMPARE(rig.e.selection().kind, ElementKind::Rectangle);
        QCOMPARE(rig.e.selection().foundName, QStringLiteral("R2"));
        QCOMPARE(rig.e.selection().selX, 200);
        QVERIFY(rig.pixel(200, 80) != clWhite);
        QCOMPARE(rig.pixel(120, 80), clWhite);
    }

    void emptyCaptionBox_data()
    {
        QTest::addColumn<bool>("rectangle");
        QTest::addColumn<bool>("fromCaptionBox");
        QTest::newRow("rectangle, Enter in caption") << true << true;
        QTest::newRow("rectangle, Enter in Xc") << true << false;
        QTest::newRow("point, Enter in caption") << false << true;
    }
    void emptyCaptionBox()
    {
        QFETCH(bool, rectangle);
        QFETCH(bool, fromCaptionBox);
        Rig rig;
        const QString name = rectangle ? "R1" : "P1";
        if (rectangle)
            rig.rect(name, 100, 100, "Box");
        else
            rig.point(name, 100, 100, "Dot");
        rig.select(100, 100);
        QCOMPARE(rig.e.selection().foundName, name);
        rig.e.doc().markSaved();
        const auto before = rig.snapshot();
        rig.ui.texts[Ctl::CaptionEdit] = QString();
        rig.ui.texts[Ctl::XEdit] = "150";
        rig.ui.focused = fromCaptionBox ? Ctl::CaptionEdit : Ctl::XEdit;
        fromCaptionBox ? rig.e.captionKeyFilter(kEnter) : rig.e.coordinateKeyFilter(kEnter);
        if (rectangle) {
            QCOMPARE(rig.snapshot(), before);
            QVERIFY(!rig.e.doc().modified());
        } else {
            QCOMPARE(rig.cell(name, ColCaption), QString());
            QCOMPARE(rig.centre(name), QPoint(150, 100));
            QVERIFY(rig.e.doc().modified());
        }
    }

    // A coordinate box that is not a number never reaches a position cell; the rest applies.
    void badCoordinateBoxKeepsPosition_data()
    {
        QTest::addColumn<QString>("x");
        QTest::addColumn<QString>("y");
        QTest::newRow("empty x") << ""
                                 << "90";
        QTest::newRow("empty y") << "130"
                                 << "";
        QTest::newRow("pasted text") << "12a"
                                     << "90";
        QTest::newRow("beyond int") << "99999999999"
                                    << "90";
        QTest::newRow("just beyond int") << "2147483648"
                                         << "90";
    }
    void badCoordinateBoxKeepsPosition()
    {
        QFETCH(QString, x);
        QFETCH(QString, y);
        Rig rig;
        rig.point("P1", 100, 100);
        rig.select(100, 100);
        rig.ui.texts[Ctl::XEdit] = x;
        rig.ui.texts[Ctl::YEdit] = y;
        rig.ui.texts[Ctl::CaptionEdit] = "New";
        rig.ui.focused = Ctl::CaptionEdit;
        EditorTestAccess::selection(rig.e).currentColor = 0x00FFCCFF;
        rig.e.captionKeyFilter(kEnter);
        QCOMPARE(rig.cell("P1", ColX), QStringLiteral("100"));
        QCOMPARE(rig.cell("P1", ColY), QStringLiteral("100"));
        QCOMPARE(rig.cell("P1", ColCaption), QStringLiteral("New"));
        QCOMPARE(rig.cell("P1", ColColor), QStringLiteral("$00FFCC99")); // only a chosen colour is written
        rig.e.UpdateImageModel(); // every later redraw still reads the position
        rig.ui.texts[Ctl::XEdit] = "int max";
        rig.ui.focused = Ctl::XEdit;
        rig.e.coordinateKeyFilter(kEnter);
        QCOMPARE(rig.cell("P1", ColX), QStringLiteral("100"));
    }

    void colourChoice_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("stored"); // colour column of P1 afterwards
        QTest::newRow("point") << 2 << "$00CCFFCC";
        QTest::newRow("line") << 3 << "$00FFCC99";
        QTest::newRow("nothing") << 0 << "$00FFCC99";
    }
    void colourChoice()
    {
        QFETCH(int, kind);
        QFETCH(QString, stored);
        Rig rig;
        rig.point("P1", 100, 100);
        rig.rect("R1", 300, 100, "Box");
        const int lineRow = rig.line("P1-R1", "t");
        if (kind == 2)
            rig.select(100, 100);
        else if (kind == 3)
            rig.selectLine(lineRow);
        QCOMPARE(int(rig.e.selection().kind), kind);
        rig.e.doc().markSaved();
        rig.ui.focused = Ctl::ColorList;
        rig.ui.color = 1;
        rig.e.colorChosen();
        QCOMPARE(rig.cell("P1", ColColor), stored);
        QCOMPARE(rig.cell("R1", ColColor), QStringLiteral("$0099FFFF"));
        QCOMPARE(rig.cell("P1-R1", ColCaption), QStringLiteral("t"));
        QCOMPARE(rig.e.doc().modified(), kind == 2);
        if (kind == 2) {
            QCOMPARE(rig.cell("P1", ColCaption), QStringLiteral("pt")); // the caption box had no focus
            QCOMPARE(rig.e.selection().currentColor, TColor(0x00CCFFCC));
        }
    }

    void multiSelectionTakesCaption()
    {
        Rig rig;
        rig.rect("R1", 100, 100, "Box");
        rig.point("P1", 300, 200);
        rig.line("R1-P1");
        rig.select(100, 100);
        for (const char *name : {"R1", "P1", "R1-P1"})
            EditorTestAccess::multi(rig.e).add(name);
        rig.ui.texts[Ctl::CaptionEdit] = "A";
        rig.ui.texts[Ctl::XEdit] = "5"; // a multi-selection keeps positions whatever the boxes hold
        rig.ui.texts[Ctl::YEdit] = "5";
        rig.ui.focused = Ctl::CaptionEdit;
        EditorTestAccess::selection(rig.e).currentColor = 0x00FFCCCC;
        rig.e.captionKeyFilter(kEnter);
        for (const char *name : {"R1", "P1", "R1-P1"})
            QCOMPARE(rig.cell(name, ColCaption), QStringLiteral("A"));
        QCOMPARE(rig.cell("R1", ColColor), QStringLiteral("$0099FFFF"));
        QCOMPARE(rig.cell("P1", ColColor), QStringLiteral("$00FFCC99"));
        QCOMPARE(rig.centre("R1"), QPoint(100, 100));
        QCOMPARE(rig.centre("P1"), QPoint(300, 200));
    }

    void keyboardMoveSingle_data()
    {
        QTest::addColumn<int>("startX");
        QTest::addColumn<int>("direction");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("right") << 10 << 2 << QPoint(11, 50);
        QTest::newRow("left past 0") << 0 << 0 << QPoint(-1, 50);
        QTest::newRow("up") << 10 << 1 << QPoint(10, 49);
        QTest::newRow("down") << 10 << 3 << QPoint(10, 51);
    }
    void keyboardMoveSingle()
    {
        QFETCH(int, startX);
        QFETCH(int, direction);
        QFETCH(QPoint, expected);
        Rig rig;
        rig.point("P1", startX, 50, "pt", "$00CCCCFF");
        // A point on the sheet's edge is picked through the part of its circle inside.
        for (int x = startX; x < startX + 6 && rig.e.selection().kind == ElementKind::None; ++x)
            rig.select(x, 50);
        QCOMPARE(rig.e.selection().foundName, QStringLiteral("P1"));
        rig.ui.color = 0;
        rig.e.ObjMoveOnCanvas(Direction(direction));
        QCOMPARE(rig.centre("P1"), expected);
        QCOMPARE(rig.ui.text(Ctl::XEdit), QString::number(expected.x()));
        QCOMPARE(rig.cell("P1", ColColor), QStringLiteral("$00CCCCFF")); // style kept
        QVERIFY(!rig.e.selection().keyMoveActive);
        QVERIFY(rig.e.doc().modified());
    }

    void keyboardMoveGroup()
    {
        Rig rig;
        rig.rect("R1", 100, 100, "Box");
        rig.point("P1", 300, 200);
        rig.point("P2", 500, 400);
        rig.line("R1-P1");
        rig.select(300, 200);
        // The last listed member is selected again after each move.
        for (const char *name : {"R1-P1", "R1", "P1"})
            EditorTestAccess::multi(rig.e).add(name);
        rig.e.UpdateImageModel();
        const QPoint mid = rig.centre("R1-P1");
        rig.e.ObjMoveOnCanvas(Direction::Right);
        QCOMPARE(rig.centre("R1"), QPoint(101, 100));
        QCOMPARE(rig.centre("P1"), QPoint(301, 200));
        QCOMPARE(rig.centre("P2"), QPoint(500, 400));
        QCOMPARE(rig.centre("R1-P1"), mid + QPoint(1, 0)); // the line follows its ends
        QCOMPARE(rig.e.selection().foundName, QStringLiteral("P1"));
        QCOMPARE(rig.e.multiSelection().count(), 3);

        // With the caption box empty the rectangles stay; the points still move.
        rig.ui.texts[Ctl::CaptionEdit] = QString();
        rig.e.ObjMoveOnCanvas(Direction::Down);
        QCOMPARE(rig.centre("R1"), QPoint(101, 100));
        QCOMPARE(rig.centre("P1"), QPoint(301, 201));
    }

    void keyboardMoveOnEmptyRectangleCaption()
    {
        Rig rig;
        rig.rect("R1", 100, 100, "Box");
        rig.select(100, 100);
        rig.ui.texts[Ctl::CaptionEdit] = QString();
        rig.e.ObjMoveOnCanvas(Direction::Left);
        QCOMPARE(rig.ui.text(Ctl::XEdit), QStringLiteral("99"));
        QCOMPARE(rig.centre("R1"), QPoint(100, 100));
    }

    void keyboardMoveRefused_data()
    {
        QTest::addColumn<QString>("xBox");
        QTest::addColumn<int>("direction");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty box") << "" << 2 << "'' is not a valid integer value";
        QTest::newRow("beyond int max") << "2147483647" << 2 << "'2147483648' is not a valid integer value";
        QTest::newRow("beyond int min") << "-2147483648" << 0 << "'-2147483649' is not a valid integer value";
    }
    void keyboardMoveRefused()
    {
        QFETCH(QString, xBox);
        QFETCH(int, direction);
        QFETCH(QString, message);
        Rig rig;
        rig.point("P1", 100, 100);
        rig.select(100, 100);
        rig.e.doc().markSaved();
        rig.ui.texts[Ctl::XEdit] = xBox;
        const auto before = rig.snapshot();
        try {
            rig.e.ObjMoveOnCanvas(Direction(direction));
            QFAIL("the move was not refused");
        } catch (const ConvertError &error) {
            QCOMPARE(error.message(), message);
        }
        QCOMPARE(rig.snapshot(), before);
        QCOMPARE(rig.ui.text(Ctl::XEdit), xBox);
        QVERIFY(!rig.e.doc().modified());
        QVERIFY(!rig.e.selection().keyMoveActive);
    }

    void keyboardMoveGroupBeyondIntMovesNobody()
    {
        Rig rig;
        rig.point("P1", 100, 100);
        rig.point("P2", std::numeric_limits<int>::max(), 100);
        rig.select(100, 100);
        EditorTestAccess::multi(rig.e).add("P1");
        EditorTestAccess::multi(rig.e).add("P2");
        const auto before = rig.snapshot();
        QVERIFY_THROWS_EXCEPTION(ConvertError, rig.e.ObjMoveOnCanvas(Direction::Right));
        QCOMPARE(rig.snapshot(), before);
        QCOMPARE(rig.ui.text(Ctl::XEdit), QStringLiteral("100"));
    }

    void keyboardMoveNeedsUnlockedRectangleOrPoint()
    {
        Rig rig;
        rig.point("P1", 100, 100);
        rig.point("P2", 200, 100);
        const int lineRow = rig.line("P1-P2");
        rig.selectLine(lineRow);
        const auto before = rig.snapshot();
        rig.e.ObjMoveOnCanvas(Direction::Right);
        QCOMPARE(rig.snapshot(), before);
        rig.select(100, 100);
        rig.e.doc().setLocked(true);
        rig.ui.checked[Ctl::LockAction] = true;
        rig.e.ObjMoveOnCanvas(Direction::Right);
        QCOMPARE(rig.snapshot(), before);
    }

    void changeLineTwice()
    {
        Rig rig;
        rig.rect("R1", 100, 100, "Box");
        rig.point("P2", 300, 300);
        const int row = rig.line("R1-P2", "flow");
        rig.selectLine(row);
        rig.e.reverseSelectedLine();
        QCOMPARE(rig.e.doc().lines().Cells(ColName, row), QStringLiteral("P2-R1"));
        QCOMPARE(rig.e.doc().lines().Cells(ColCaption, row), QStringLiteral("flow"));
        QVERIFY(rig.e.doc().modified());
        rig.e.reverseSelectedLine();
        QCOMPARE(rig.e.doc().lines().Cells(ColName, row), QStringLiteral("R1-P2"));

        // Without a selected line nothing changes.
        rig.select(100, 100);
        rig.e.doc().markSaved();
        rig.e.reverseSelectedLine();
        QCOMPARE(rig.e.doc().lines().Cells(ColName, row), QStringLiteral("R1-P2"));
        QVERIFY(!rig.e.doc().modified());
    }

    void lockAndUnlock_data()
    {
        QTest::addColumn<int>("elements");
        QTest::newRow("one element") << 1;
        QTest::newRow("two elements") << 2;
    }
    void lockAndUnlock()
    {
        QFETCH(int, elements);
        Rig rig;
        rig.rect("R1", 100, 100, "Box");
        if (elements == 2)
            rig.point("P1", 300, 300);
        rig.select(100, 100);
        rig.e.SelectAllObjects();
        const QList<Ctl> editing{Ctl::CursorTool,
                                 Ctl::RectangleTool,
                                 Ctl::PointTool,
                                 Ctl::LineTool,
                                 Ctl::ColorList,
                                 Ctl::CaptionEdit,
                                 Ctl::XEdit,
                                 Ctl::YEdit,
                                 Ctl::HeightMinus,
                                 Ctl::HeightPlus,
                                 Ctl::WidthMinus,
                                 Ctl::WidthPlus,
                                 Ctl::CaptionLabel,
                                 Ctl::XLabel,
                                 Ctl::YLabel,
                                 Ctl::DeleteButton,
                                 Ctl::DeleteAction,
                                 Ctl::ReverseLineButton,
                                 Ctl::ReverseLineAction,
                                 Ctl::SelectAllAction};
        rig.e.toggleLock();
        QVERIFY(rig.ui.isChecked(Ctl::LockAction));
        for (Ctl c : editing)
            QVERIFY2(!rig.ui.isEnabled(c), qPrintable(QString::number(int(c))));
        QVERIFY(!rig.ui.isVisible(Ctl::HeightButtons));
        QVERIFY(!rig.ui.isVisible(Ctl::WidthButtons));
        QVERIFY(rig.ui.isVisible(Ctl::Navigator));
        QCOMPARE(rig.e.selection().kind, ElementKind::None);
        QCOMPARE(rig.e.multiSelection().count(), 0);
        QVERIFY(rig.e.doc().modified());

        rig.e.doc().markSaved();
        rig.e.toggleLock();
        QVERIFY(!rig.ui.isChecked(Ctl::LockAction));
        for (Ctl c : editing) {
            const bool expected = c == Ctl::LineTool ? elements == 2
                                  : c == Ctl::DeleteButton || c == Ctl::DeleteAction ||
                                          c == Ctl::ReverseLineButton || c == Ctl::ReverseLineAction
                                      ? false
                                      : true;
            QVERIFY2(rig.ui.isEnabled(c) == expected, qPrintable(QString::number(int(c))));
        }
        QVERIFY(rig.ui.isVisible(Ctl::HeightButtons));
        QVERIFY(rig.e.doc().modified());
    }

    void sheetSizeButtons_data()
    {
        QTest::addColumn<QSize>("sheet");
        QTest::addColumn<int>("button"); // 0 Height -, 1 Height +, 2 Width -, 3 Width +
        QTest::addColumn<QSize>("expected");
        QTest::newRow("Height - at 60") << QSize(842, 60) << 0 << QSize(842, 10);
        QTest::newRow("Height - at 50") << QSize(842, 50) << 0 << QSize(842, 50);
        QTest::newRow("Width - at 51") << QSize(51, 595) << 2 << QSize(1, 595);
        QTest::newRow("Width - at 50") << QSize(50, 595) << 2 << QSize(50, 595);
        QTest::newRow("Height +") << QSize(842, 595) << 1 << QSize(842, 645);
        QTest::newRow("Width + at the limit")
            << QSize(kMaxSheetSide - 10, 100) << 3 << QSize(kMaxSheetSide - 10, 100);
    }
    void sheetSizeButtons()
    {
        QFETCH(QSize, sheet);
        QFETCH(int, button);
        QFETCH(QSize, expected);
        Rig rig(sheet.width(), sheet.height());
        const SheetEdge buttons[] = {SheetEdge::HeightMinus, SheetEdge::HeightPlus, SheetEdge::WidthMinus,
                                     SheetEdge::WidthPlus};
        rig.e.stepSheetSize(buttons[button]);
        QCOMPARE(QSize(rig.e.doc().sheet().width(), rig.e.doc().sheet().height()), expected);
        QCOMPARE(rig.e.overlayImage().size(), expected);
        QCOMPARE(rig.e.doc().modified(), expected != sheet);
        QCOMPARE(rig.ui.navigateCalls, expected != sheet ? 1 : 0);
    }

    void widthPlusKeepsElements()
    {
        Rig rig;
        rig.rect("R1", 100, 100, "Box");
        rig.point("P1", 835, 300);
        rig.line("R1-P1");
        rig.e.UpdateImageModel();
        const TColor rectPixel = rig.pixel(100, 100);
        const TColor pointPixel = rig.pixel(835, 300);
        rig.e.stepSheetSize(SheetEdge::WidthPlus);
        QCOMPARE(QSize(rig.e.doc().sheet().width(), rig.e.doc().sheet().height()), QSize(892, 595));
        QCOMPARE(rig.centre("R1"), QPoint(100, 100));
        QCOMPARE(rig.pixel(100, 100), rectPixel);
        QCOMPARE(rig.pixel(835, 300), pointPixel);
        QCOMPARE(rig.pixel(890, 300), TColor(0x00808080)); // the frame moved to the new edge
        QVERIFY(rig.e.doc().modified());
    }

    void deleteRectangleWithLines()
    {
        Rig rig;
        rig.rect("R1", 100, 100, "Box");
        rig.point("P1", 300, 300);
        rig.point("P2", 500, 300);
        rig.line("R1-P1");
        rig.line("P2-R1");
        rig.line("P1-P2");
        rig.select(100, 100);
        rig.e.deleteSelection();
        QCOMPARE(GetRowObjByName(rig.e.doc().tables(), "R1"), -1);
        QCOMPARE(rig.e.doc().lines().RowCount(), 3);
        QCOMPARE(rig.e.doc().lines().Cells(ColName, 1), QStringLiteral("P1-P2"));
        QCOMPARE(rig.e.doc().points().RowCount(), 4);
        QCOMPARE(rig.e.selection().kind, ElementKind::None);
        QVERIFY(rig.e.doc().modified());
    }

    void deleteMultiSelection_data()
    {
        QTest::addColumn<QStringList>("members");
        QTest::newRow("rectangle then its line") << QStringList{"R1", "R1-P1"};
        QTest::newRow("line then rectangle") << QStringList{"R1-P1", "R1"};
        QTest::newRow("both ends and the line") << QStringList{"P1", "R1", "R1-P1"};
    }
    void deleteMultiSelection()
    {
        QFETCH(QStringList, members);
        Rig rig;
        rig.rect("R1", 100, 100, "Box");
        rig.point("P1", 300, 300);
        rig.point("P3", 600, 300);
        rig.line("R1-P1");
        rig.line("P3-P1");
        rig.select(100, 100);
        for (const QString &name : members)
            EditorTestAccess::multi(rig.e).add(name);
        rig.e.deleteSelection();
        for (const QString &name : members)
            QCOMPARE(GetRowObjByName(rig.e.doc().tables(), name), -1);
        QVERIFY(GetRowObjByName(rig.e.doc().tables(), "P3") != -1);
        QCOMPARE(rig.e.multiSelection().count(), 0);
        // Every table still ends in its empty row.
        for (const StringGrid *t : {&rig.e.doc().rectangles(), &rig.e.doc().points(), &rig.e.doc().lines()})
            QVERIFY(!rowInUse(*t, t->RowCount() - 1));
    }

    void deleteSingleListedElement()
    {
        Rig rig;
        rig.point("P1", 300, 300);
        rig.e.UpdateImageModel();
        rig.e.SelectAllObjects();
        QCOMPARE(rig.e.selection().kind, ElementKind::None);
        QVERIFY(rig.ui.isEnabled(Ctl::DeleteButton));
        rig.e.deleteSelection();
        QCOMPARE(rig.e.doc().points().RowCount(), 2);
        QVERIFY(!rig.ui.isEnabled(Ctl::DeleteButton));
        QVERIFY(rig.e.doc().modified());
    }

    void deleteWithNothingSelectedTouchesNothing()
    {
        Rig rig;
        rig.rect("R1", 100, 100, "Box");
        rig.point("P1", 300, 300);
        rig.e.doc().setCurrentRow(rig.e.doc().rectangles(), 1);
        rig.e.doc().setCurrentRow(rig.e.doc().points(), 1);
        rig.e.doc().markSaved();
        const auto before = rig.snapshot();
        rig.e.deleteSelection();
        QCOMPARE(rig.snapshot(), before);
        QVERIFY(!rig.e.doc().modified());
    }
};

QTEST_MAIN(TestEditCommands)
#include "tst_edit_commands.moc"
