#define QTEST_QPA_MOUSE_HANDLING
#include "support/MainWindowFixture.h"

#include "toolkit/Color.h"

#include <QLineEdit>
#include <QToolButton>

// The gestures as a user makes them on the real main window.
class TestWindowGestures : public QObject {
    Q_OBJECT
private slots:
    void rightThenLeftPressCreatesSelectedRectangle();
    void middleThenLeftPressCreatesPoint();
    void dragKeepsGrabOffset();
    void shiftClickBuildsMultiSelection();
    void lineByDoubleClickThenPress();
    void doubleClickWithOneElementSelectsIt();
    void panByDraggingEmptySheet();
    void panByShiftArrows();

private:
    static void createRect(MainWindowFixture &f, QPoint at)
    {
        f.click(at, Qt::RightButton);
        f.click(at);
    }
};

namespace {

QRgb shownAt(MainWindow &w, QPoint p)
{
    return w.controls().sheetView->grab().toImage().pixel(p);
}

} // namespace

void TestWindowGestures::rightThenLeftPressCreatesSelectedRectangle()
{
    MainWindowFixture f;
    QVERIFY(f.show());
    MainWindow &w = *f.window;
    Editor &e = f.editor();

    f.click(QPoint(200, 150), Qt::RightButton);
    QVERIFY(w.controls().rectangleTool->isChecked());
    QCOMPARE(e.doc().rectangles().RowCount(), 2);
    f.move(QPoint(300, 200)); // the placement ghost follows the pointer
    QCOMPARE(w.controls().xEdit->text(), QStringLiteral("300"));

    f.click(QPoint(200, 150));
    QCOMPARE(e.doc().rectangles().RowCount(), 3);
    QCOMPARE(e.doc().rectangles().Cells(ColName, 1), QStringLiteral("R1"));
    QCOMPARE(e.doc().rectangles().Cells(ColCaption, 1), QStringLiteral("Name"));
    QCOMPARE(e.doc().rectangles().Cells(ColColor, 1), QStringLiteral("$0099FFFF"));
    QCOMPARE(e.selection().kind, ElementKind::Rectangle);
    QCOMPARE(e.selection().foundName, QStringLiteral("R1"));
    QVERIFY(w.controls().cursorTool->isChecked());
    QVERIFY(e.doc().modified());
    QVERIFY(w.controls().deleteButton->isEnabled());
    // Ready for a new caption: the field has the focus with its text selected.
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w.controls().captionEdit));
    QCOMPARE(w.controls().captionEdit->selectedText(), QStringLiteral("Name"));
    QCOMPARE(w.controls().xEdit->text(), QStringLiteral("200"));
    // On screen: the rectangle's fill colour inside its box, left of the caption.
    const int left = 200 - e.doc().sheet().canvas().TextWidth(QStringLiteral("Name")) / 2 - 8;
    QCOMPARE(shownAt(w, QPoint(left + 3, 150)), toQRgb(0x0099FFFF));
}

void TestWindowGestures::middleThenLeftPressCreatesPoint()
{
    MainWindowFixture f;
    QVERIFY(f.show());
    f.window->controls().captionEdit->clear();
    f.click(QPoint(300, 250), Qt::MiddleButton);
    QVERIFY(f.window->controls().pointTool->isChecked());
    f.click(QPoint(300, 250));
    Editor &e = f.editor();
    QCOMPARE(e.doc().points().Cells(ColName, 1), QStringLiteral("P1"));
    QCOMPARE(e.doc().points().Cells(ColCaption, 1), QStringLiteral("P1"));
    QCOMPARE(e.selection().kind, ElementKind::Point);
    QCOMPARE(shownAt(*f.window, QPoint(300, 250)), toQRgb(0x00F0FBFF));
}

void TestWindowGestures::dragKeepsGrabOffset()
{
    MainWindowFixture f;
    QVERIFY(f.show());
    Editor &e = f.editor();
    createRect(f, QPoint(200, 150));
    e.doc().markSaved();

    f.press(QPoint(205, 153));
    f.move(QPoint(220, 160));
    f.move(QPoint(250, 180));
    QCOMPARE(f.window->controls().xEdit->text(), QStringLiteral("245")); // the ghost's centre
    f.release(QPoint(250, 180));
    QCOMPARE(e.doc().rectangles().Cells(ColX, 1), QStringLiteral("245"));
    QCOMPARE(e.doc().rectangles().Cells(ColY, 1), QStringLiteral("177"));
    QVERIFY(e.doc().modified());
    QCOMPARE(e.selection().foundName, QStringLiteral("R1"));
    QCOMPARE(e.viewport().sheetLeft(), 0); // a drag with a selection moves the element, not the sheet

    // A click without moving moves nothing.
    e.doc().markSaved();
    f.click(QPoint(246, 178));
    QCOMPARE(e.doc().rectangles().Cells(ColX, 1), QStringLiteral("245"));
    QVERIFY(!e.doc().modified());
}

void TestWindowGestures::shiftClickBuildsMultiSelection()
{
    MainWindowFixture f;
    QVERIFY(f.show());
    Editor &e = f.editor();
    createRect(f, QPoint(200, 150));
    createRect(f, QPoint(400, 150));

    f.click(QPoint(200, 150));
    f.click(QPoint(400, 150), Qt::LeftButton, Qt::ShiftModifier);
    f.click(QPoint(200, 150), Qt::LeftButton, Qt::ShiftModifier);
    QCOMPARE(e.multiSelection().items(), QStringList({"R1", "R2"}));
    QVERIFY(!f.window->controls().xEdit->isEnabled());
    // Both members are marked on the sheet: white dots on their top outlines.
    const int top = 150 - e.doc().sheet().canvas().TextHeight(QStringLiteral("Name"));
    for (int cx : {200, 400}) {
        int white = 0;
        for (int x = cx - 6; x <= cx + 6; ++x)
            white += e.doc().sheet().image().pixel(x, top) == qRgb(255, 255, 255);
        QVERIFY2(white > 0, qPrintable(QString::number(cx)));
    }

    f.click(QPoint(400, 150));
    QCOMPARE(e.multiSelection().items(), QStringList({"R2"}));
    QVERIFY(f.window->controls().xEdit->isEnabled());
}

void TestWindowGestures::lineByDoubleClickThenPress()
{
    MainWindowFixture f;
    QVERIFY(f.show());
    Editor &e = f.editor();
    createRect(f, QPoint(200, 150));
    f.click(QPoint(400, 300), Qt::MiddleButton);
    f.click(QPoint(400, 300));
    QVERIFY(f.window->controls().lineTool->isEnabled());

    f.doubleClick(QPoint(200, 150));
    QVERIFY(f.window->controls().lineTool->isChecked());
    QCOMPARE(e.gesture().lineClickCount, 1);
    f.move(QPoint(300, 220)); // rubber line from R1's centre to the pointer
    f.click(QPoint(400, 300));
    QCOMPARE(e.doc().lines().RowCount(), 3);
    QCOMPARE(e.doc().lines().Cells(ColName, 1), QStringLiteral("R1-P1"));
    QCOMPARE(e.doc().lines().Cells(ColX, 1), QStringLiteral("300"));
    QVERIFY(f.window->controls().cursorTool->isChecked());
    QVERIFY(f.modal.infos.isEmpty());

    // The same line again, the other way round.
    f.doubleClick(QPoint(400, 300));
    f.click(QPoint(200, 150));
    QCOMPARE(f.modal.infos, QStringList({"Line is finded!"}));
    QCOMPARE(e.doc().lines().RowCount(), 3);
}

void TestWindowGestures::doubleClickWithOneElementSelectsIt()
{
    MainWindowFixture f;
    QVERIFY(f.show());
    Editor &e = f.editor();
    createRect(f, QPoint(200, 150));
    QVERIFY(!f.window->controls().lineTool->isEnabled());

    f.doubleClick(QPoint(200, 150));
    QCOMPARE(e.gesture().tool, Tool::Cursor);
    QVERIFY(f.window->controls().cursorTool->isChecked());
    QCOMPARE(e.selection().kind, ElementKind::Rectangle);
    QCOMPARE(e.doc().rectangles().RowCount(), 3);
    QVERIFY(f.modal.infos.isEmpty());
}

void TestWindowGestures::panByDraggingEmptySheet()
{
    MainWindowFixture f;
    f.window->resize(640, 480);
    QVERIFY(f.show());
    Editor &e = f.editor();
    const QSize area = f.window->drawingAreaClientSize();
    QVERIFY(area.width() < 842 && area.height() < 595);

    f.press(QPoint(300, 300));
    f.move(QPoint(290, 295));
    f.move(QPoint(270, 285));
    f.release(QPoint(270, 285));
    QVERIFY(e.viewport().sheetLeft() < 0);
    QVERIFY(e.viewport().sheetTop() < 0);
    QCOMPARE(f.window->controls().sheetView->pos(),
             QPoint(e.viewport().sheetLeft(), e.viewport().sheetTop()));

    // Far beyond the limits: the sheet's right and bottom edges stop at the area's edges.
    f.press(QPoint(500, 450));
    f.move(QPoint(100, 100));
    f.release(QPoint(100, 100));
    QCOMPARE(QPoint(e.viewport().sheetLeft(), e.viewport().sheetTop()),
             QPoint(area.width() - 842, area.height() - 595));
    QCOMPARE(f.window->controls().sheetView->pos(),
             QPoint(e.viewport().sheetLeft(), e.viewport().sheetTop()));
}

void TestWindowGestures::panByShiftArrows()
{
    MainWindowFixture f;
    f.window->resize(640, 480);
    QVERIFY(f.show());
    Editor &e = f.editor();
    const int limit = f.window->drawingAreaClientSize().width() - 842;
    const QPoint mark = f.window->controls().navigatorVisiblePart->pos();

    f.key(Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(e.viewport().sheetLeft(), -20);
    for (int i = 0; i < 20; ++i)
        f.key(Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(e.viewport().sheetLeft(), limit);
    QCOMPARE(f.window->controls().sheetView->x(), limit);
    QVERIFY(f.window->controls().navigatorVisiblePart->x() > mark.x()); // the navigator's mark follows
    for (int i = 0; i < 20; ++i)
        f.key(Qt::Key_Left, Qt::ShiftModifier);
    QCOMPARE(e.viewport().sheetLeft(), 0);
    QCOMPARE(f.window->controls().navigatorVisiblePart->pos(), mark);

    f.key(Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(e.viewport().sheetTop(), -20);
    f.key(Qt::Key_Up, Qt::ShiftModifier);
    QCOMPARE(e.viewport().sheetTop(), 0);
}

QTEST_MAIN(TestWindowGestures)
#include "tst_window_gestures.moc"
