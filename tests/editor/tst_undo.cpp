// Undo and redo replay each command's recorded changes exactly.
#include "EditorRig.h"
#include "model/SchemeFile.h"
#include "toolkit/Errors.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

QByteArray savedBytes(const Editor &e)
{
    TextList list;
    writeScheme(list, e.doc.sheet().width(), e.doc.sheet().height(), e.doc.tables(), e.locked());
    return list.toBytes();
}

// A random element's centre, or a random place on the sheet.
QPoint target(QRandomGenerator &rng, const Editor &e)
{
    const StringGrid &t = rng.bounded(2) ? e.doc.rectangles() : e.doc.points();
    if (t.RowCount() <= 2 || rng.bounded(5) == 0)
        return {rng.bounded(e.doc.sheet().width()), rng.bounded(e.doc.sheet().height())};
    const int r = 1 + rng.bounded(t.RowCount() - 2);
    return {t.Cells(ColX, r).toInt(), t.Cells(ColY, r).toInt()};
}

// One random user command, ended as the window's event boundary ends it. Commands that fail
// part-way (a conversion error) still end.
void randomCommand(QRandomGenerator &rng, EditorRig &rig)
{
    Editor &e = rig.e;
    const QPoint p = target(rng, e);
    try {
        switch (rng.bounded(10)) {
        case 0: // create a rectangle or point
            rig.ui.color = rng.bounded(9);
            rig.ui.texts[Ctl::CaptionEdit] = rng.bounded(2) ? QStringLiteral("Box %1").arg(rng.bounded(100)) : QString();
            e.selectTool(rng.bounded(2) != 0 ? Tool::Rectangle : Tool::Point);
            rig.click(rng.bounded(e.doc.sheet().width()), rng.bounded(e.doc.sheet().height()));
            break;
        case 1: { // a line between two elements
            const QPoint q = target(rng, e);
            e.selectTool(Tool::Line);
            rig.click(p.x(), p.y());
            rig.click(q.x(), q.y());
            break;
        }
        case 2: // drag, sometimes the whole multi-selection
            rig.click(p.x(), p.y(), rng.bounded(3) == 0 ? ShiftState(ssShift) : ShiftState(0));
            rig.drag(p.x(), p.y(), p.x() + rng.bounded(-80, 80), p.y() + rng.bounded(-80, 80),
                     rng.bounded(3) == 0 ? ShiftState(ssShift) : ShiftState(0));
            break;
        case 3: // keyboard move; an empty coordinate box fails with a conversion error
            rig.click(p.x(), p.y());
            if (rng.bounded(6) == 0)
                rig.ui.texts[Ctl::XEdit] = QString();
            e.ObjMoveOnCanvas(Direction(rng.bounded(4)));
            break;
        case 4: // caption and coordinates typed, then Enter
            rig.click(p.x(), p.y());
            rig.ui.focused = Ctl::CaptionEdit;
            rig.ui.texts[Ctl::CaptionEdit] = QStringLiteral("T%1").arg(rng.bounded(1000));
            e.captionKeyFilter(QChar(13));
            rig.ui.focused = Ctl::CursorTool;
            break;
        case 5: // recolour
            rig.click(p.x(), p.y());
            rig.ui.color = rng.bounded(9);
            e.colorChosen();
            break;
        case 6: // delete the selection, or everything selected
            if (rng.bounded(4) == 0)
                e.SelectAllObjects();
            else
                rig.click(p.x(), p.y());
            e.deleteSelection();
            break;
        case 7: // reverse a line
            if (e.doc.lines().RowCount() > 2) {
                const int r = 1 + rng.bounded(e.doc.lines().RowCount() - 2);
                e.doc.setCurrentRow(e.doc.lines(), r);
                e.sel.kind = ElementKind::Line;
                e.reverseSelectedLine();
            }
            break;
        case 8: // sheet size
            e.stepSheetSize(SheetEdge(rng.bounded(4)));
            break;
        default: // select all, then a group move
            e.SelectAllObjects();
            rig.click(p.x(), p.y(), ssShift);
            e.ObjMoveOnCanvas(Direction(rng.bounded(4)));
            break;
        }
    } catch (const AppError &) {
    }
    e.closeStep();
}

} // namespace

class TestUndo : public QObject {
    Q_OBJECT
private slots:
    void undoAllRedoAllAndInterleavedMatchAPlainReplay_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : {1u, 7u, 42u, 2024u})
            QTest::newRow(qPrintable(QString::number(seed))) << seed;
    }
    void undoAllRedoAllAndInterleavedMatchAPlainReplay()
    {
        QFETCH(quint32, seed);
        QRandomGenerator rng(seed);
        EditorRig rig;
        for (int i = 0; i < 6; ++i)
            rig.addRect(QStringLiteral("R%1").arg(i + 1), 60 + 120 * i, 80 + 60 * (i % 3));
        for (int i = 0; i < 6; ++i)
            rig.addPoint(QStringLiteral("P%1").arg(i + 1), 80 + 110 * i, 400 - 40 * (i % 3));
        rig.addLine(QStringLiteral("R1-P1"), QStringLiteral("a"));
        rig.addLine(QStringLiteral("P2-R3"));
        rig.e.UpdateImageModel();
        rig.e.clearHistory();
        Editor &e = rig.e;

        // The plain replay: the saved bytes after every step still on the stack.
        QList<QByteArray> states{savedBytes(e)};
        int index = 0;
        const auto checkState = [&](const char *what, int step) {
            if (savedBytes(e) != states.at(index))
                QFAIL(qPrintable(QStringLiteral("%1 at step %2: the scheme differs from the replay").arg(what).arg(step)));
        };
        for (int step = 0; step < 300; ++step) {
            const int roll = rng.bounded(10);
            if (roll < 2 && e.history.canUndo()) {
                e.undo();
                --index;
                checkState("undo", step);
            } else if (roll < 3 && e.history.canRedo()) {
                e.redo();
                ++index;
                checkState("redo", step);
            } else {
                const int before = e.history.index();
                randomCommand(rng, rig);
                if (e.history.index() != before) {
                    states.resize(index + 1); // a new step drops the redo branch
                    states.append(savedBytes(e));
                    ++index;
                }
                checkState("command", step);
            }
        }
        while (e.history.canUndo())
            e.undo();
        QCOMPARE(savedBytes(e), states.first());
        while (e.history.canRedo())
            e.redo();
        QCOMPARE(savedBytes(e), states.last());
    }

    void modifiedFollowsTheSavedState()
    {
        EditorRig rig;
        rig.addRect(QStringLiteral("R1"), 100, 100);
        rig.e.UpdateImageModel();
        rig.e.clearHistory();
        rig.e.doc.setModified(false);
        rig.drag(100, 100, 200, 150);
        rig.e.closeStep();
        QVERIFY(rig.e.doc.modified());
        rig.e.undo();
        QVERIFY(!rig.e.doc.modified());
        rig.e.redo();
        QVERIFY(rig.e.doc.modified());
        rig.e.history.setClean(); // saved here
        rig.e.undo();
        QVERIFY(rig.e.doc.modified());
        rig.e.redo();
        QVERIFY(!rig.e.doc.modified());
        QCOMPARE(rig.e.history.undoText(), QStringLiteral("Move"));
    }

    void lockedSchemeHasNoUndo()
    {
        EditorRig rig;
        rig.addRect(QStringLiteral("R1"), 100, 100);
        rig.e.UpdateImageModel();
        rig.drag(100, 100, 200, 150);
        rig.e.closeStep();
        rig.e.toggleLock();
        rig.e.closeStep();
        QCOMPARE(rig.e.history.count(), 1); // the lock is not a step
        QVERIFY(!rig.e.canUndo());
        rig.e.undo();
        QCOMPARE(rig.centre(QStringLiteral("R1")), QPoint(200, 150));
    }
};

QTEST_MAIN(TestUndo)
#include "tst_undo.moc"
