#include "support/TableEdits.h"
#include "model/TableOps.h"

#include <QTest>

namespace {

// Deleting an element's lines one row at a time, each deletion moving the rows below up: the
// result the one-pass deletion must give.
void deleteOneAtATime(ElementTables &t, const QString &name)
{
    bool modified = false;
    int r = 1;
    while (r < t.EGrid.RowCount() - 1) {
        const QString &line = t.EGrid.Cells(ColName, r);
        if (!line.isEmpty() && (getNameBefore('-', line) == name || getNameAfter('-', line) == name)) {
            DeleteRowFromGrid(r, t.EGrid, modified);
            continue;
        }
        ++r;
    }
}

QStringList column(const StringGrid &grid, int col)
{
    QStringList cells;
    for (int r = 0; r < grid.RowCount(); ++r)
        cells << grid.Cells(col, r);
    return cells;
}

} // namespace

class TestDeleteLines : public QObject {
    Q_OBJECT

private slots:
    void sameAsOneAtATime_data();
    void sameAsOneAtATime();
};

void TestDeleteLines::sameAsOneAtATime_data()
{
    QTest::addColumn<QStringList>("lines"); // "" is a row without a name
    QTest::addColumn<int>("deleted");

    QTest::newRow("no line of P1") << QStringList{"R1-R2", "R2-R1"} << 0;
    QTest::newRow("every line") << QStringList{"P1-R1", "R2-P1", "P1-R3"} << 3;
    QTest::newRow("interleaved") << QStringList{"P1-R1", "R1-R2", "R2-P1", "R2-R3", "P1-R3", "R3-R1"} << 3;
    QTest::newRow("runs at both ends") << QStringList{"P1-R1", "P1-R2", "R1-R2", "R3-P1", "R2-P1"} << 4;
    QTest::newRow("names that only contain P1") << QStringList{"P11-R1", "R1-P10", "P1-P1", "xP1-R1"} << 1;
    QTest::newRow("rows without a name stay") << QStringList{"", "P1-R1", "", "R1-R2", "R2-P1"} << 2;
}

void TestDeleteLines::sameAsOneAtATime()
{
    QFETCH(QStringList, lines);
    QFETCH(int, deleted);
    ElementTables t;
    appendRow(t.PGrid, {"P1", "5", "5", "hub", "clRed"});
    for (const char *name : {"R1", "R2", "R3"})
        appendRow(t.HGrid, {name, "1", "1", name, "clRed"});
    int k = 0;
    for (const QString &line : lines)
        appendRow(t.EGrid, {line, QString::number(++k), "0", QStringLiteral("text %1").arg(k)});

    ElementTables expected = t;
    deleteOneAtATime(expected, QStringLiteral("P1"));
    bool modified = false;
    deleteElementRows(t, 1, t.PGrid, modified);

    QCOMPARE(modified, true);
    QCOMPARE(t.EGrid.RowCount(), lines.size() + 2 - deleted);
    for (int col = 0; col < 4; ++col)
        QCOMPARE(column(t.EGrid, col), column(expected.EGrid, col));
    QCOMPARE(t.PGrid.RowCount(), 2);
    QCOMPARE(t.HGrid.RowCount(), 5);
}

QTEST_GUILESS_MAIN(TestDeleteLines)
#include "tst_delete_lines.moc"
