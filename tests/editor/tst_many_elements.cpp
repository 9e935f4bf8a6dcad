#include "support/EditorRig.h"
#include "support/TableEdits.h"

#include "editor/ElementFinder.h"
#include "editor/SchemeClip.h"
#include "model/SchemeFile.h"
#include "toolkit/CodePage.h"

#include <QtTest>

namespace {

// R1 "Склад" and R2 with a line between them and a line to P1, which stays behind.
void sample(EditorRig &rig)
{
    rig.addRect("R1", 100, 100, QStringLiteral("Склад IT"), "$00123456");
    rig.addRect("R2", 300, 120, "Pump");
    rig.addPoint("P1", 200, 300, "Gate");
    rig.addLine("R1-R2", "feed");
    rig.addLine("R2-P1", "out");
    rig.e.UpdateImageModel();
    rig.e.doc().markSaved();
}

QByteArray saved(const Editor &e)
{
    return schemeBytes(e.doc().sheet().width(), e.doc().sheet().height(), e.doc().tables(), e.locked());
}

QStringList names(const StringGrid &t)
{
    QStringList all;
    for (int r = 1; r < t.RowCount() - 1; ++r)
        all << t.Cells(ColName, r);
    return all;
}

} // namespace

class TestManyElements : public QObject {
    Q_OBJECT
private slots:
    // Copy then Paste, here and into another scheme: fresh names, lines between copied ends
    // only, texts and colours kept, placed by the pointer or beside the original, one step.
    void copyAndPaste_data()
    {
        QTest::addColumn<QStringList>("selected");
        QTest::addColumn<bool>("otherScheme"); // whose names collide
        QTest::addColumn<bool>("pointer");
        QTest::addColumn<QStringList>("rects");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("one element") << QStringList{"R2"} << false << false << QStringList{"R1", "R2", "R3"}
                                     << QStringList{"R1-R2", "R2-P1"};
        QTest::newRow("two, inner line")
            << QStringList{"R1", "R2"} << false << true << QStringList{"R1", "R2", "R3", "R4"}
            << QStringList{"R1-R2", "R2-P1", "R3-R4"};
        QTest::newRow("into a scheme with those names")
            << QStringList{"R1", "R2", "P1"} << true << false << QStringList{"R1", "R2", "R3", "R4"}
            << QStringList{"R1-R2", "R2-P1", "R3-R4", "R4-P2"};
    }
    void copyAndPaste()
    {
        QFETCH(QStringList, selected);
        QFETCH(bool, otherScheme);
        QFETCH(bool, pointer);
        QFETCH(QStringList, rects);
        QFETCH(QStringList, lines);
        EditorRig from;
        sample(from);
        for (const QString &name : selected) {
            const QPoint c = from.centre(name);
            from.click(c.x(), c.y(), selected.size() > 1 ? ShiftState(ssShift) : ShiftState(0));
        }
        from.e.copySelection();
        QVERIFY(!from.ui.clipPicture().isNull());

        EditorRig into;
        EditorRig &rig = otherScheme ? into : from;
        if (otherScheme)
            sample(into);
        rig.ui.clipText = from.ui.clipText;
        if (pointer)
            rig.ui.pointer = QPoint(500, 400);
        const QByteArray before = saved(rig.e);
        rig.e.paste();
        QCOMPARE(names(rig.e.doc().rectangles()), rects);
        QCOMPARE(names(rig.e.doc().lines()), lines);
        // The copy of R1 keeps its caption and colour text; every pasted element moved alike.
        const QString copyOfR1 = rects.size() > 3 ? QStringLiteral("R3") : QString();
        if (selected.contains("R1")) {
            QCOMPARE(rig.cell(copyOfR1, ColCaption), QStringLiteral("Склад IT"));
            QCOMPARE(rig.cell(copyOfR1, ColColor), QStringLiteral("$00123456"));
            const QPoint moved = rig.centre(copyOfR1) - QPoint(100, 100);
            QCOMPARE(moved, pointer ? QPoint(500 - 200, 400 - 110) : QPoint(10, 10));
        }
        QCOMPARE(rig.e.multiSelection().count(), selected.size() > 1 ? selected.size() : 0);
        QVERIFY(rig.e.selection().elementSelected());
        QCOMPARE(rig.e.doc().undoStack().undoText(), QStringLiteral("Paste"));
        rig.e.undo();
        QCOMPARE(saved(rig.e), before);
    }

    // Text that is no scheme pastes nothing; Duplicate leaves the clipboard alone.
    void pasteOfOtherTextAndDuplicate()
    {
        EditorRig rig;
        sample(rig);
        const QByteArray before = saved(rig.e);
        for (const QString &text : {QString("hello"), QString("842\r\n595\r\n[H]\r\n"), QString()}) {
            rig.ui.clipText = text;
            rig.e.paste();
            QCOMPARE(saved(rig.e), before);
        }
        rig.click(100, 100);
        rig.e.duplicateSelection();
        QCOMPARE(rig.centre("R3"), QPoint(110, 110));
        QVERIFY(rig.ui.clipText.isEmpty());
    }

    // A Ctrl+drag from empty sheet selects what lies wholly inside the box; with Shift it adds.
    void boxSelection()
    {
        EditorRig rig;
        sample(rig);
        rig.drag(20, 60, 400, 160, ssCtrl); // R1 and R2 whole, P1 outside
        QCOMPARE(rig.e.multiSelection().items(), (QStringList{"R1", "R2"}));
        QCOMPARE(rig.e.viewport().sheetLeft(), 0); // not a pan
        rig.drag(20, 60, 200, 160, ssCtrl);        // only R1
        QCOMPARE(rig.e.multiSelection().items(), QStringList{"R1"});
        rig.drag(150, 250, 260, 340, ShiftState(ssCtrl | ssShift)); // P1 with its caption, added
        QCOMPARE(rig.e.multiSelection().items(), (QStringList{"R1", "P1"}));
        rig.drag(150, 250, 260, 300, ssCtrl); // P1's caption left out: nothing
        QCOMPARE(rig.e.multiSelection().count(), 0);
    }

    // Find goes through captions and names in reading order, round the end.
    void find()
    {
        EditorRig rig;
        sample(rig);
        rig.addPoint("P2", 50, 300, "pump house");
        rig.e.UpdateImageModel();
        QCOMPARE(rig.e.findText("PUMP"), 2);
        QCOMPARE(rig.e.selection().foundName, QStringLiteral("R2"));
        rig.e.findNext(true);
        QCOMPARE(rig.e.selection().foundName, QStringLiteral("P2"));
        rig.e.findNext(true);
        QCOMPARE(rig.e.selection().foundName, QStringLiteral("R2"));
        QCOMPARE(rig.e.findText("p1"), 1);
        QCOMPARE(rig.e.findText("nothing"), 0);
        QVERIFY(!rig.e.doc().modified());
    }

    // Find reads top to bottom, then left to right (a cell that is no number last), and never
    // matches across a name and its caption.
    void finderOrder()
    {
        ElementTables t;
        appendRow(t.HGrid, {"R1", "300", "40", "Pump", "$0099FFFF"});
        appendRow(t.HGrid, {"R2", "20", "x", "pump", "$0099FFFF"});
        appendRow(t.PGrid, {"P1", "100", "40", "PUMPS", "$00CCFFCC"});
        appendRow(t.PGrid, {"P2", "20", "90", "pump house", "$00CCFFCC"});
        ElementFinder finder;
        finder.search(t, 1, "pump");
        QStringList found;
        while (found.size() < finder.count()) {
            const std::optional<ElementFinder::Found> f = finder.step(true);
            found << t.table(f->table).Cells(ColName, f->row);
        }
        QCOMPARE(found, (QStringList{"P1", "R1", "P2", "R2"}));
        finder.search(t, 1, "1pump");
        QCOMPARE(finder.count(), 0);
    }

    // Clipboard text is split into lines as a scheme file is, whatever ends them.
    void clipLinesEndAsInFiles_data()
    {
        QTest::addColumn<QStringList>("ends"); // taken in turn
        QTest::newRow("CR LF") << QStringList{"\r\n"};
        QTest::newRow("lone CR") << QStringList{"\r"};
        QTest::newRow("lone LF") << QStringList{"\n"};
        QTest::newRow("mixed") << QStringList{"\n", "\r", "\r\n"};
    }
    void clipLinesEndAsInFiles()
    {
        QFETCH(QStringList, ends);
        EditorRig rig;
        sample(rig);
        TextList lines;
        lines.setFromBytes(saved(rig.e));
        QString text;
        for (int i = 0; i < lines.count(); ++i)
            text += lines.item(i) + ends.at(i % ends.size());
        const SchemeReadResult file = readScheme(encodeCodePage(text));
        const std::optional<SchemeReadResult> clip = readClip(text + "\n\n"); // as other programs end it
        QVERIFY(file.ok && clip);
        QCOMPARE(schemeBytes(842, 595, file.tables, false), saved(rig.e));
        QCOMPARE(schemeBytes(842, 595, clip->tables, false), saved(rig.e));
    }

    // Align and distribute move boxes, in one step each; snapping puts centres on grid dots.
    void alignDistributeAndSnap()
    {
        EditorRig rig;
        sample(rig);
        rig.addRect("R3", 700, 110, "Tank");
        rig.e.UpdateImageModel();
        rig.e.doc().startHistory();
        rig.e.SelectAllObjects();
        rig.e.align(Editor::Alignment::Top);
        const int top = int(rig.e.doc().rectangles().Cells(ColY, 1).toInt());
        QCOMPARE(rig.centre("R2").y(), top);
        QCOMPARE(rig.centre("R3").y(), top);
        rig.e.align(Editor::Alignment::Horizontal);
        QCOMPARE(rig.centre("R1").x(), 100); // the outer two stay
        QCOMPARE(rig.centre("R3").x(), 700);
        QCOMPARE(rig.e.doc().undoStack().count(), 2);

        rig.e.setSnapToGrid(true);
        rig.e.selectTool(Tool::Point);
        rig.click(122, 37);
        QCOMPARE(rig.centre("P2"), QPoint(120, 30));
    }
};

QTEST_MAIN(TestManyElements)
#include "tst_many_elements.moc"
