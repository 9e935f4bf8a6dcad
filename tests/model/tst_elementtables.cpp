#include "support/TableEdits.h"
#include "model/TableOps.h"
#include "toolkit/Errors.h"
#include "toolkit/IntText.h"
#include "toolkit/TextList.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

void addElement(StringGrid &grid, const QString &name, int x = 10, int y = 20)
{
    QStringList cells{name, QString::number(x), QString::number(y), name};
    if (grid.ColCount() == 5)
        cells << QStringLiteral("$0099FFFF");
    appendRow(grid, cells);
}

QStringList names(const StringGrid &grid)
{
    QStringList out;
    for (int r = 1; r < grid.RowCount(); ++r)
        out << grid.Cells(ColName, r);
    return out;
}

// The numbering as the list-box scan does it: count passes over the names, each raising the
// number when prefix+number is present (whole text, any letter case).
int numberByListScan(const QString &prefix, const StringGrid &table)
{
    TextList list;
    for (int r = 1; r < table.RowCount(); ++r)
        if (!table.Cells(ColName, r).isEmpty())
            list.add(table.Cells(ColName, r));
    int number = 1;
    for (int i = 0; i < list.count(); ++i)
        if (list.indexOf(prefix + IntToStr(number)) >= 0)
            ++number;
    return number;
}

} // namespace

class TestElementTables : public QObject {
    Q_OBJECT

private slots:
    void emptyScheme()
    {
        ElementTables t;
        QCOMPARE(GetNumberElement(QStringLiteral("R"), t.HGrid), 1);
        QCOMPARE(GetNumberElement(QStringLiteral("P"), t.PGrid), 1);
        QCOMPARE(GetRowObjByName(t, QStringLiteral("R1")), -1);
        QCOMPARE(GetRowObjByName(t, QStringLiteral("R1-P1")), -1);
        // The trailing row has an empty name: an empty name is not found either.
        QCOMPARE(GetRowObjByName(t, QString()), -1);
        QCOMPARE(getCoordElem_onName(QString(), t.HGrid), QPoint(0, 0));
        QVERIFY(!get_bH_elem(t, QString()));
        QVERIFY(!get_bNameEl_islife(t, QString()));
        QVERIFY(!get_bH_elem(t, QStringLiteral("R1")));
        QVERIFY(!get_bNameEl_islife(t, QStringLiteral("P1")));
        QVERIFY(!get_bLine_islife(t, QStringLiteral("R1-"), QStringLiteral("P1")));
    }

    void freedNumberReusedInTrailingRow()
    {
        ElementTables t;
        for (const char *n : {"R1", "R2", "R3"})
            addElement(t.HGrid, QLatin1String(n));
        bool modified = false;
        deleteElementRows(t, GetRowObjByName(t, QStringLiteral("R2")), t.HGrid, modified);
        QVERIFY(modified);
        QCOMPARE(t.HGrid.RowCount(), 4);
        const int number = GetNumberElement(QStringLiteral("R"), t.HGrid);
        QCOMPARE(number, 2);
        const int row = appendRow(t.HGrid, {QStringLiteral("R2"), QStringLiteral("1"), QStringLiteral("1")});
        QCOMPARE(row, 3);
        QCOMPARE(names(t.HGrid), (QStringList{"R1", "R3", "R2", ""}));
        QCOMPARE(GetNumberElement(QStringLiteral("R"), t.HGrid), 4);
    }

    void deletingPointRemovesOnlyItsLines()
    {
        ElementTables t;
        addElement(t.PGrid, QStringLiteral("P1"));
        addElement(t.PGrid, QStringLiteral("P10"));
        addElement(t.HGrid, QStringLiteral("R1"));
        // Adjacent lines of P1 check that the row moved up is examined again.
        for (const char *n : {"R1-P10", "R1-P1", "P1-P10", "P10-P1", "P10-R1", "P1X-R1"})
            addElement(t.EGrid, QLatin1String(n));
        bool modified = false;
        deleteElementRows(t, GetRowObjByName(t, QStringLiteral("P1")), t.PGrid, modified);
        QCOMPARE(names(t.EGrid), (QStringList{"R1-P10", "P10-R1", "P1X-R1", ""}));
        QCOMPARE(names(t.PGrid), (QStringList{"P10", ""}));
        QCOMPARE(names(t.HGrid), (QStringList{"R1", ""}));
    }

    void deletingLineDeletesOnlyIt()
    {
        ElementTables t;
        addElement(t.HGrid, QStringLiteral("R1"));
        addElement(t.PGrid, QStringLiteral("P1"));
        addElement(t.EGrid, QStringLiteral("R1-P1"));
        addElement(t.EGrid, QStringLiteral("P1-R1"));
        bool modified = false;
        deleteElementRows(t, 1, t.EGrid, modified);
        QCOMPARE(names(t.EGrid), (QStringList{"P1-R1", ""}));
        QCOMPARE(t.HGrid.RowCount(), 3);
        QCOMPARE(t.PGrid.RowCount(), 3);
    }

    void deletingOnlyRowLeavesEmptyTable()
    {
        ElementTables t;
        addElement(t.HGrid, QStringLiteral("R1"));
        bool modified = false;
        DeleteRowFromGrid(1, t.HGrid, modified);
        QVERIFY(modified);
        QCOMPARE(t.HGrid.RowCount(), 2);
        for (int c = 0; c < 5; ++c)
            QVERIFY(t.HGrid.Cells(c, 1).isEmpty());
        QCOMPARE(GetNumberElement(QStringLiteral("R"), t.HGrid), 1);
    }

    void deletingNoRowChangesNothing_data()
    {
        QTest::addColumn<int>("row");
        QTest::newRow("none") << -1;
        QTest::newRow("header") << 0;
        QTest::newRow("trailing") << 2;
        QTest::newRow("beyond") << 7;
    }
    void deletingNoRowChangesNothing()
    {
        QFETCH(int, row);
        ElementTables t;
        addElement(t.PGrid, QStringLiteral("P1"));
        // A line with an empty end must not be taken for a line of the empty trailing row.
        addElement(t.EGrid, QStringLiteral("P1-"));
        bool modified = false;
        deleteElementRows(t, row, t.PGrid, modified);
        QVERIFY(!modified);
        QCOMPARE(names(t.PGrid), (QStringList{"P1", ""}));
        QCOMPARE(names(t.EGrid), (QStringList{"P1-", ""}));
        // The trailing row survives, so the next element does not overwrite P1.
        appendRow(t.PGrid, {QStringLiteral("P2")});
        QCOMPARE(names(t.PGrid), (QStringList{"P1", "P2", ""}));
    }

    void lineExistsInEitherDirection_data()
    {
        QTest::addColumn<QString>("existing");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<bool>("expected");
        QTest::newRow("reverse, tool form") << "P2-R1"
                                            << "R1-"
                                            << "P2" << true;
        QTest::newRow("forward, tool form") << "R1-P2"
                                            << "R1-"
                                            << "P2" << true;
        QTest::newRow("plain first") << "P2-R1"
                                     << "R1"
                                     << "P2" << true;
        QTest::newRow("longer second") << "R1-P20"
                                       << "R1-"
                                       << "P2" << false;
        QTest::newRow("longer first") << "R11-P2"
                                      << "R1-"
                                      << "P2" << false;
        QTest::newRow("case counts") << "r1-P2"
                                     << "R1-"
                                     << "P2" << false;
        QTest::newRow("other line") << "R2-P2"
                                    << "R1-"
                                    << "P2" << false;
    }
    void lineExistsInEitherDirection()
    {
        QFETCH(QString, existing);
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(bool, expected);
        ElementTables t;
        addElement(t.EGrid, QStringLiteral("P5-P6"));
        addElement(t.EGrid, existing);
        addElement(t.EGrid, QStringLiteral("P7-P8"));
        QCOMPARE(get_bLine_islife(t, first, second), expected);
    }

    void numberIgnoresLetterCase_data()
    {
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<int>("expected");
        QTest::newRow("r3 takes 3") << QStringList{"R1", "R2", "r3"} << 4;
        QTest::newRow("gap") << QStringList{"R4", "R1", "R2"} << 3;
        QTest::newRow("leading zero is another name") << QStringList{"R01", "R2"} << 1;
        QTest::newRow("other prefix") << QStringList{"P1", "p2"} << 1;
        QTest::newRow("lower run") << QStringList{"r2", "r1"} << 3;
    }
    void numberIgnoresLetterCase()
    {
        QFETCH(QStringList, present);
        QFETCH(int, expected);
        StringGrid grid(5, 2);
        for (const QString &n : present)
            addElement(grid, n);
        QCOMPARE(GetNumberElement(QStringLiteral("R"), grid), expected);
    }

    void numberEqualsListScan()
    {
        // Names crowded around small numbers, in mixed case, with near misses.
        QRandomGenerator rng(20260107);
        const QStringList forms{"R%1",  "r%1",  "P%1",  "p%1", "R0%1", "R%1 ", " R%1",
                                "R+%1", "R-%1", "RR%1", "%1",  "R",    "R%1x", "R%10"};
        for (int round = 0; round < 4000; ++round) {
            StringGrid grid(5, 2);
            const int rows = rng.bounded(0, 25);
            const int spread = rng.bounded(1, 30);
            for (int i = 0; i < rows; ++i) {
                const QString form = forms.at(rng.bounded(forms.size()));
                const QString name = form.contains(QLatin1String("%1"))
                                         ? form.arg(rng.bounded(spread) + (rng.bounded(8) == 0 ? 0 : 1))
                                         : form;
                addElement(grid, name);
                if (rng.bounded(6) == 0)
                    appendRow(grid, {QString()}); // a row without a name
            }
            for (const char *prefix : {"R", "P", "r"}) {
                const QString p = QLatin1String(prefix);
                const int want = numberByListScan(p, grid);
                if (GetNumberElement(p, grid) != want)
                    QFAIL(qPrintable(QStringLiteral("prefix %1, names %2: expected %3, got %4")
                                         .arg(p, names(grid).join(QLatin1Char(',')))
                                         .arg(want)
                                         .arg(GetNumberElement(p, grid))));
            }
        }
    }

    void rowLookupChoosesTableFromName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("expected");
        // Row 2 of each table holds the name; the other tables hold it nowhere.
        QTest::newRow("rectangle") << "R1" << 2;
        QTest::newRow("point") << "P1" << 2;
        QTest::newRow("line") << "R1-P1" << 2;
        QTest::newRow("line of points") << "P1-P2" << 2;
        QTest::newRow("lower r is a point") << "r1" << 2;
        QTest::newRow("R anywhere") << "PR" << 2;
        QTest::newRow("absent") << "R9" << -1;
    }
    void rowLookupChoosesTableFromName()
    {
        QFETCH(QString, name);
        QFETCH(int, expected);
        ElementTables t;
        StringGrid &home = t.tableForName(name);
        addElement(home, QStringLiteral("X"));
        if (expected > 0)
            addElement(home, name);
        // A decoy of the same name in the other tables comes first there.
        for (StringGrid *g : {&t.HGrid, &t.PGrid, &t.EGrid})
            if (g != &home)
                addElement(*g, name);
        QCOMPARE(GetRowObjByName(t, name), expected);
    }

    void coordinatesOfLastRowWithName()
    {
        StringGrid grid(5, 2);
        addElement(grid, QStringLiteral("P1"), 1, 2);
        addElement(grid, QStringLiteral("P2"), 3, 4);
        addElement(grid, QStringLiteral("P1"), -5, 2147483647);
        QCOMPARE(getCoordElem_onName(QStringLiteral("P1"), grid), QPoint(-5, 2147483647));
        QCOMPARE(getCoordElem_onName(QStringLiteral("P2"), grid), QPoint(3, 4));
        QCOMPARE(getCoordElem_onName(QStringLiteral("p2"), grid), QPoint(0, 0));
        QCOMPARE(getCoordElem_onName(QStringLiteral("P3"), grid), QPoint(0, 0));
    }

    void coordinateThatIsNoNumberFails_data()
    {
        QTest::addColumn<QString>("x");
        QTest::addColumn<QString>("y");
        QTest::newRow("letters") << "12a"
                                 << "5";
        QTest::newRow("empty y") << "5"
                                 << "";
        QTest::newRow("beyond int") << "2147483648"
                                    << "0";
        QTest::newRow("decimal point") << "0"
                                       << "1.5";
    }
    void coordinateThatIsNoNumberFails()
    {
        QFETCH(QString, x);
        QFETCH(QString, y);
        StringGrid grid(5, 2);
        appendRow(grid, {QStringLiteral("R1"), x, y});
        QVERIFY_THROWS_EXCEPTION(ConvertError, getCoordElem_onName(QStringLiteral("R1"), grid));
        // Rows of other names are not converted.
        QCOMPARE(getCoordElem_onName(QStringLiteral("R2"), grid), QPoint(0, 0));
    }

    void namesSplitAtFirstSeparator_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("line") << "R1-P2"
                              << "R1"
                              << "P2";
        QTest::newRow("two separators") << "R1-P2-P3"
                                        << "R1"
                                        << "P2-P3";
        QTest::newRow("none") << "R1"
                              << ""
                              << "";
        QTest::newRow("trailing") << "R1-"
                                  << "R1"
                                  << "";
    }
    void namesSplitAtFirstSeparator()
    {
        QFETCH(QString, text);
        QFETCH(QString, before);
        QFETCH(QString, after);
        QCOMPARE(getNameBefore(QLatin1Char('-'), text), before);
        QCOMPARE(getNameAfter(QLatin1Char('-'), text), after);
    }

    void clearingKeepsColumnsAndEmptiesRows()
    {
        StringGrid grid(4, 2);
        addElement(grid, QStringLiteral("R1-P1"));
        addElement(grid, QStringLiteral("P1-R1"));
        ClearSelectedTable(grid);
        QCOMPARE(grid.RowCount(), 2);
        QCOMPARE(grid.ColCount(), 4);
        grid.setRowCount(4);
        for (int r = 1; r < 4; ++r)
            for (int c = 0; c < 4; ++c)
                QVERIFY(grid.Cells(c, r).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestElementTables)
#include "tst_elementtables.moc"
