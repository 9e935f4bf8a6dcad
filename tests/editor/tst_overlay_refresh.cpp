#include "support/EditorRig.h"
#include "support/EditorTestAccess.h"

#include "toolkit/Errors.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

// A refresh copies back only what changed; it must show what a refresh from scratch shows.
QString overlayMismatch(Editor &e)
{
    e.refreshOverlay();
    const QImage incremental = e.overlayImage().copy();
    EditorTestAccess::overlayDamage(e).addAll();
    e.refreshOverlay();
    if (incremental.size() != e.overlayImage().size())
        return QStringLiteral("size differs");
    for (int y = 0; y < incremental.height(); ++y)
        for (int x = 0; x < incremental.width(); ++x)
            if (incremental.pixel(x, y) != e.overlayImage().pixel(x, y))
                return QStringLiteral("pixel (%1, %2) differs").arg(x).arg(y);
    return {};
}

QPoint somewhere(QRandomGenerator &rng, const Editor &e)
{
    return {rng.bounded(-20, e.doc().sheet().width() + 20), rng.bounded(-20, e.doc().sheet().height() + 20)};
}

// A random element's centre, or a random place on an empty scheme.
QPoint anElement(QRandomGenerator &rng, EditorRig &rig)
{
    const StringGrid &t = rng.bounded(2) ? rig.e.doc().rectangles() : rig.e.doc().points();
    if (t.RowCount() <= 2)
        return somewhere(rng, rig.e);
    return rig.centre(t.Cells(ColName, 1 + rng.bounded(t.RowCount() - 2)));
}

} // namespace

class TestOverlayRefresh : public QObject {
    Q_OBJECT
private slots:
    void incrementalRefreshMatchesFullRefresh_data();
    void incrementalRefreshMatchesFullRefresh();
    void ghostIsRemovedByTheNextRefresh();
};

void TestOverlayRefresh::incrementalRefreshMatchesFullRefresh_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("percent"); // the view scale
    for (quint32 seed : {3u, 17u, 99u})
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed << 100;
    for (quint32 seed : {5u, 23u})
        QTest::newRow(qPrintable(QStringLiteral("seed %1 at 33 %").arg(seed))) << seed << 33;
}

// Random editing, selecting, ghosts, grid and lock changes and sheet resizes: after every step
// the overlay equals the sheet picture with the overlay drawn on it afresh, and below 100 % its
// reduced copies, kept up to date area by area, equal copies reduced from the whole overlay.
void TestOverlayRefresh::incrementalRefreshMatchesFullRefresh()
{
    QFETCH(quint32, seed);
    QFETCH(int, percent);
    QRandomGenerator rng(seed);
    EditorRig rig(400, 300);
    Editor &e = rig.e;
    if (percent != 100)
        e.zoomTo(ViewScale{percent, 100}, 0, 0);
    // Gestures at the view pixel of a sheet point.
    const auto toView = [&e](QPoint p) {
        const ViewScale &s = e.viewport().scale();
        return QPoint(int(s.toView(p.x())), int(s.toView(p.y())));
    };
    const SheetEdge sides[] = {SheetEdge::HeightMinus, SheetEdge::HeightPlus, SheetEdge::WidthMinus,
                               SheetEdge::WidthPlus};
    int created = 0;
    for (int step = 0; step < 400; ++step) {
        if (e.locked() && rng.bounded(3) == 0)
            e.toggleLock(); // locked schemes take no edits: unlock soon
        const int action = rng.bounded(12);
        const int rowsBefore = e.doc().rectangles().RowCount() + e.doc().points().RowCount();
        const QPoint p = toView(somewhere(rng, e));
        try {
            switch (action) {
            case 0: // create a rectangle or a point
                e.selectTool(rng.bounded(2) ? Tool::Rectangle : Tool::Point);
                e.sheetMove(0, p.x(), p.y());
                rig.click(p.x(), p.y());
                break;
            case 1: // a ghost left on the overlay
                e.selectTool(rng.bounded(2) ? Tool::Rectangle : Tool::Point);
                e.sheetMove(0, p.x(), p.y());
                break;
            case 2:
                rig.click(p.x(), p.y(), rng.bounded(2) ? ShiftState(ssShift) : ShiftState(0));
                break;
            case 3: {
                const QPoint from = toView(anElement(rng, rig));
                rig.drag(from.x(), from.y(), p.x(), p.y(),
                         rng.bounded(3) == 0 ? ShiftState(ssShift) : ShiftState(0));
                break;
            }
            case 4: { // a line between two elements, sometimes left half done
                e.selectTool(Tool::Line);
                const QPoint a = toView(anElement(rng, rig));
                rig.click(a.x(), a.y());
                e.sheetMove(ssLeft, p.x(), p.y());
                if (rng.bounded(3)) {
                    const QPoint b = toView(anElement(rng, rig));
                    rig.click(b.x(), b.y());
                }
                break;
            }
            case 5:
                e.ObjMoveOnCanvas(Direction(rng.bounded(4)));
                break;
            case 6:
                if (e.selection().kind != ElementKind::None)
                    e.deleteSelection();
                break;
            case 7:
                e.SelectAllObjects();
                break;
            case 8:
                if (rng.bounded(4) == 0)
                    e.toggleLock();
                break;
            case 9:
                e.setGridVisible(!e.gridVisible());
                break;
            case 10:
                if (!e.locked() && rng.bounded(4) == 0)
                    e.stepSheetSize(sides[rng.bounded(4)]);
                break;
            case 11:
                e.UpdateImageModel();
                break;
            }
        } catch (const AppError &) {
            // told to the user by the window; the picture must still be right
        }
        created += e.doc().rectangles().RowCount() + e.doc().points().RowCount() > rowsBefore;
        if (percent != 100) {
            ImagePyramid whole;
            whole.rebuild(e.overlayImage());
            for (int k = 1; k <= ImagePyramid::kLevels; ++k)
                if (e.reducedOverlay().level(k) != whole.level(k))
                    QFAIL(qPrintable(QStringLiteral("step %1 (action %2): level %3 differs")
                                         .arg(step)
                                         .arg(action)
                                         .arg(k)));
        }
        const QString mismatch = overlayMismatch(e);
        if (!mismatch.isEmpty())
            QFAIL(qPrintable(QStringLiteral("step %1 (action %2): %3").arg(step).arg(action).arg(mismatch)));
    }
    QVERIFY2(created >= 15, qPrintable(QStringLiteral("only %1 elements were created").arg(created)));
}

// A creation ghost is gone after the next refresh, although the sheet did not change.
void TestOverlayRefresh::ghostIsRemovedByTheNextRefresh()
{
    EditorRig rig;
    rig.addRect(QStringLiteral("R1"), 200, 150);
    rig.e.UpdateImageModel();
    rig.click(200, 150);
    rig.e.selectTool(Tool::Rectangle);
    const QImage armed = rig.e.overlayImage().copy();
    rig.e.sheetMove(0, 500, 400);
    QVERIFY(rig.e.overlayImage() != armed);
    rig.e.refreshOverlay();
    QCOMPARE(rig.e.overlayImage(), armed);
}

QTEST_MAIN(TestOverlayRefresh)
#include "tst_overlay_refresh.moc"
