// Undo and redo replay each command's recorded changes exactly.
#include "model/SchemeFile.h"
#include "support/EditorRig.h"
#include "support/RandomCommands.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

QByteArray savedBytes(const Editor &e)
{
    TextList list;
    writeScheme(list, e.doc().sheet().width(), e.doc().sheet().height(), e.doc().tables(), e.locked());
    return list.toBytes();
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
        rig.e.doc().startHistory();
        Editor &e = rig.e;
        RandomCommands commands(e, rig.ui, [&rng](int n) { return n > 0 ? int(rng.bounded(n)) : 0; });

        // The plain replay: the saved bytes after every step still on the stack.
        QList<QByteArray> states{savedBytes(e)};
        int index = 0;
        const auto checkState = [&](const char *what, int step) {
            if (savedBytes(e) != states.at(index))
                QFAIL(qPrintable(
                    QStringLiteral("%1 at step %2: the scheme differs from the replay").arg(what).arg(step)));
        };
        for (int step = 0; step < 300; ++step) {
            const int roll = rng.bounded(10);
            if (roll < 2 && e.doc().undoStack().canUndo()) {
                e.undo();
                --index;
                checkState("undo", step);
            } else if (roll < 3 && e.doc().undoStack().canRedo()) {
                e.redo();
                ++index;
                checkState("redo", step);
            } else {
                const int before = e.doc().undoStack().index();
                commands.run();
                if (e.doc().undoStack().index() != before) {
                    states.resize(index + 1); // a new step drops the redo branch
                    states.append(savedBytes(e));
                    ++index;
                }
                checkState("command", step);
            }
        }
        while (e.doc().undoStack().canUndo())
            e.undo();
        QCOMPARE(savedBytes(e), states.first());
        while (e.doc().undoStack().canRedo())
            e.redo();
        QCOMPARE(savedBytes(e), states.last());
    }

    void modifiedFollowsTheSavedState()
    {
        EditorRig rig;
        rig.addRect(QStringLiteral("R1"), 100, 100);
        rig.e.UpdateImageModel();
        rig.e.doc().startHistory();
        rig.e.doc().markSaved();
        rig.drag(100, 100, 200, 150);
        rig.e.doc().closeStep();
        QVERIFY(rig.e.doc().modified());
        rig.e.undo();
        QVERIFY(!rig.e.doc().modified());
        rig.e.redo();
        QVERIFY(rig.e.doc().modified());
        rig.e.doc().undoStack().setClean(); // saved here
        rig.e.undo();
        QVERIFY(rig.e.doc().modified());
        rig.e.redo();
        QVERIFY(!rig.e.doc().modified());
        QCOMPARE(rig.e.doc().undoStack().undoText(), QStringLiteral("Move"));
    }

    void lockedSchemeHasNoUndo()
    {
        EditorRig rig;
        rig.addRect(QStringLiteral("R1"), 100, 100);
        rig.e.UpdateImageModel();
        rig.drag(100, 100, 200, 150);
        rig.e.doc().closeStep();
        rig.e.toggleLock();
        rig.e.doc().closeStep();
        QCOMPARE(rig.e.doc().undoStack().count(), 1); // the lock is not a step
        QVERIFY(!rig.e.canUndo());
        rig.e.undo();
        QCOMPARE(rig.centre(QStringLiteral("R1")), QPoint(200, 150));
    }

    void historyDropsItsOldestStepsPastItsBounds_data()
    {
        QTest::addColumn<int>("textSize");
        QTest::addColumn<int>("steps");
        QTest::addColumn<int>("kept");
        QTest::newRow("steps") << 1 << History::kSteps + 5 << History::kSteps;
        QTest::newRow("bytes") << (1 << 20) << 80 << int(History::kBytes >> 20) - 1;
        QTest::newRow("one step over the bytes") << int(History::kBytes) << 2 << 1;
    }
    void historyDropsItsOldestStepsPastItsBounds()
    {
        QFETCH(int, textSize);
        QFETCH(int, steps);
        QFETCH(int, kept);
        History h;
        for (int i = 0; i < steps; ++i) {
            if (i == steps - kept)
                h.setClean(); // the oldest state kept
            SchemeChange c;
            c.after = QString(textSize, QLatin1Char('a'));
            ChangeRecord changes;
            changes.append(c);
            h.push(QString::number(i), std::move(changes));
        }
        QCOMPARE(h.count(), kept);
        QCOMPARE(h.index(), kept);
        QVERIFY(h.bytes() <= std::max<qint64>(History::kBytes, qint64(textSize) + 1024));
        QCOMPARE(h.undoText(), QString::number(steps - 1));
        while (h.undoStep()) {
        }
        QVERIFY(h.isClean());
        QCOMPARE(h.redoText(), QString::number(steps - kept));
    }
};

QTEST_MAIN(TestUndo)
#include "tst_undo.moc"
