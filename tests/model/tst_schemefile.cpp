#include "support/TableEdits.h"
#include "model/SchemeFile.h"
#include "model/TableOps.h"
#include "toolkit/ColorText.h"
#include "toolkit/IntText.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

namespace {

QByteArray crlf(const QStringList &lines)
{
    QByteArray out;
    for (const QString &l : lines)
        out += l.toLatin1() + "\r\n";
    return out;
}

// The locked example scheme: R1, P1 and the line R1-P1 with an empty text.
ElementTables exampleTables()
{
    ElementTables t;
    appendRow(t.HGrid, {"R1", "120", "100", "Store", "$0099FFFF"});
    appendRow(t.PGrid, {"P1", "400", "300", "Gate", "$00CCFFCC"});
    appendRow(t.EGrid, {"R1-P1", "260", "200", ""});
    return t;
}

const QStringList kExampleLines{"842",   "595",       "[H]",       "3",   "5",   "R1", "120", "100",
                                "Store", "$0099FFFF", "[~]",       "[P]", "3",   "5",  "P1",  "400",
                                "300",   "Gate",      "$00CCFFCC", "[~]", "[E]", "3",  "4",   "R1-P1",
                                "260",   "200",       "",          "[~]", "LOCK"};

// Checks what must hold for any input: no table larger than the file, failures with a line
// inside the file, and accepted files that write back and read again to the same scheme.
QString checkInvariants(const QByteArray &bytes)
{
    TextList lines;
    lines.setFromBytes(bytes);
    const int n = lines.count();
    const SchemeReadResult r = readScheme(bytes);
    for (const StringGrid *g : {&r.tables.HGrid, &r.tables.PGrid, &r.tables.EGrid}) {
        if (g->RowCount() < 2 || g->RowCount() > n + 2)
            return QStringLiteral("row count %1 for %2 lines").arg(g->RowCount()).arg(n);
        if (g->ColCount() > kSchemeMaxColumns || qint64(g->RowCount() - 2) * g->ColCount() > n)
            return QStringLiteral("column count %1").arg(g->ColCount());
        for (int row = 1; row < g->RowCount() - 1; ++row)
            if (g->Cells(ColName, row).isEmpty() || !tryStrToInt(g->Cells(ColX, row)) ||
                !tryStrToInt(g->Cells(ColY, row)))
                return QStringLiteral("row %1 kept without a name or position").arg(row);
        if (g != &r.tables.EGrid)
            for (int row = 1; row < g->RowCount() - 1; ++row)
                if (!tryStringToColor(g->Cells(ColColor, row)))
                    return QStringLiteral("row %1 kept without a colour").arg(row);
        if (!g->Cells(ColName, g->RowCount() - 1).isEmpty())
            return QStringLiteral("trailing row not empty");
    }
    if (!r.ok) {
        if (r.errorLine < 1 || r.errorLine > qMax(n, 2))
            return QStringLiteral("failure at line %1 of %2").arg(r.errorLine).arg(n);
        if (!r.error.startsWith(QStringLiteral("Line %1: ").arg(r.errorLine)))
            return QStringLiteral("message '%1'").arg(r.error);
        if (r.locked)
            return QStringLiteral("failed load reports a lock");
        return {};
    }
    if (!sheetSizeAllowed(r.width, r.height))
        return QStringLiteral("sheet %1 x %2 accepted").arg(r.width).arg(r.height);
    const QByteArray written = schemeBytes(r.width, r.height, r.tables, r.locked);
    const SchemeReadResult again = readScheme(written);
    if (!again.ok)
        return QStringLiteral("written scheme does not read: ") + again.error;
    if (again.width != r.width || again.height != r.height || again.locked != r.locked ||
        !sameCells(again.tables, r.tables))
        return QStringLiteral("scheme changed by a write and read");
    if (schemeBytes(again.width, again.height, again.tables, again.locked) != written)
        return QStringLiteral("second write differs");
    return {};
}

} // namespace

class TestSchemeFile : public QObject {
    Q_OBJECT

private slots:
    void emptySchemeIsFourteenLines()
    {
        const ElementTables empty;
        QCOMPARE(
            schemeBytes(842, 595, empty, false),
            QByteArray(
                "842\r\n595\r\n[H]\r\n2\r\n5\r\n[~]\r\n[P]\r\n2\r\n5\r\n[~]\r\n[E]\r\n2\r\n4\r\n[~]\r\n"));
    }

    void lockedExampleIsItsLines()
    {
        const ElementTables t = exampleTables();
        const QByteArray bytes = schemeBytes(842, 595, t, true);
        QCOMPARE(bytes, crlf(kExampleLines));
        TextList list;
        writeScheme(list, 842, 595, t, true);
        QCOMPARE(list.count(), 29);

        const SchemeReadResult r = readScheme(bytes);
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(r.width, 842);
        QCOMPARE(r.height, 595);
        QVERIFY(r.locked);
        QVERIFY(sameCells(r.tables, t));
        QCOMPARE(r.tables.EGrid.Cells(ColCaption, 1), QString());
    }

    void rowsOfATable_data()
    {
        QTest::addColumn<int>("n");
        for (int n : {0, 1, 3, 12})
            QTest::addRow("%d", n) << n;
    }
    void rowsOfATable()
    {
        QFETCH(int, n);
        ElementTables t;
        for (int i = 1; i <= n; ++i)
            appendRow(t.HGrid,
                      {"R" + IntToStr(i), IntToStr(i * 10), IntToStr(-i), "c" + IntToStr(i), "$00FFCC99"});
        TextList list;
        writeScheme(list, 100, 50, t, false);
        QCOMPARE(list.item(2), QStringLiteral("[H]"));
        QCOMPARE(list.item(3), IntToStr(n + 2));
        QCOMPARE(list.item(4), QStringLiteral("5"));
        QCOMPARE(list.item(5 + 5 * n), QStringLiteral("[~]"));
        QCOMPARE(list.item(5 + 5 * n + 1), QStringLiteral("[P]"));
        const SchemeReadResult r = readScheme(list);
        QVERIFY(r.ok);
        QVERIFY(sameCells(r.tables, t));
    }

    void sectionsInAnyOrder()
    {
        const QStringList lines{"842", "595", "[E]",   "3",         "4",    "R1-P1",     "260",
                                "200", "",    "[~]",   "[H]",       "3",    "5",         "R1",
                                "120", "100", "Store", "$0099FFFF", "[~]",  "[P]",       "3",
                                "5",   "P1",  "400",   "300",       "Gate", "$00CCFFCC", "[~]"};
        const SchemeReadResult r = readScheme(crlf(lines));
        QVERIFY2(r.ok, qPrintable(r.error));
        QVERIFY(!r.locked);
        QVERIFY(sameCells(r.tables, exampleTables()));
    }

    void missingSectionLeavesTableEmpty()
    {
        const QStringList lines{"842", "595", "[H]", "2", "5", "[~]", "[E]", "2", "4", "[~]"};
        const SchemeReadResult r = readScheme(crlf(lines));
        QVERIFY(r.ok);
        QCOMPARE(r.tables.PGrid.RowCount(), 2);
        QCOMPARE(r.tables.PGrid.ColCount(), 5);
    }

    void sectionTwiceReadsTwice()
    {
        const QStringList lines{"842", "595", "[P]",       "3",   "5",         "P1", "1",
                                "1",   "a",   "$00CCFFCC", "[~]", "[P]",       "3",  "6",
                                "P7",  "2",   "3",         "b",   "$00CCFFCC", "x",  "[~]"};
        const SchemeReadResult r = readScheme(crlf(lines));
        QVERIFY(r.ok);
        QCOMPARE(r.tables.PGrid.RowCount(), 3);
        QCOMPARE(r.tables.PGrid.ColCount(), 6);
        QCOMPARE(r.tables.PGrid.Cells(ColName, 1), QStringLiteral("P7"));
        QCOMPARE(r.tables.PGrid.Cells(5, 1), QStringLiteral("x"));
    }

    void storedRowCountDoesNotSizeTheTable()
    {
        // Counts that disagree with the rows present: the rows decide (a negative one fails).
        for (const char *count : {"0", "1", "2147483647"}) {
            const QStringList lines{"842", "595", "[H]", count, "5", "R1", "1", "2", "c", "$00CCFFCC", "[~]"};
            const SchemeReadResult r = readScheme(crlf(lines));
            QVERIFY(r.ok);
            QCOMPARE(r.tables.HGrid.RowCount(), 3);
        }
    }

    void lineEnds_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray example = crlf(kExampleLines);
        QByteArray lf = example;
        lf.replace("\r\n", "\n");
        QByteArray cr = example;
        cr.replace("\r\n", "\r");
        QTest::newRow("LF") << lf;
        QTest::newRow("CR") << cr;
        QTest::newRow("no final break") << example.chopped(2);
        QTest::newRow("LF, no final break") << lf.chopped(1);
        QTest::newRow("zero byte ends the text") << example + QByteArray("\0[H]\r\n", 6);
    }
    void lineEnds()
    {
        QFETCH(QByteArray, bytes);
        const SchemeReadResult r = readScheme(bytes);
        QVERIFY2(r.ok, qPrintable(r.error));
        QVERIFY(r.locked);
        QVERIFY(sameCells(r.tables, exampleTables()));
    }

    void markerTextsInCellsStayCells_data()
    {
        QTest::addColumn<QString>("caption");
        for (const char *c : {"[H]", "[P]", "[E]", "lock", "LOCK", "Lock", "[~]", "842"})
            QTest::newRow(c) << QString::fromLatin1(c);
    }
    void markerTextsInCellsStayCells()
    {
        QFETCH(QString, caption);
        ElementTables t;
        appendRow(t.HGrid, {"R1", "10", "10", caption, "$0099FFFF"});
        appendRow(t.PGrid, {"P1", "20", "20", caption, "$0099FFFF"});
        appendRow(t.EGrid, {"R1-P1", "15", "15", caption});
        const QByteArray bytes = schemeBytes(300, 200, t, false);
        const SchemeReadResult r = readScheme(bytes);
        QVERIFY2(r.ok, qPrintable(r.error));
        QVERIFY(!r.locked);
        QVERIFY(sameCells(r.tables, t));
        QCOMPARE(schemeBytes(r.width, r.height, r.tables, r.locked), bytes);
    }

    void markersOutsideSections()
    {
        const QStringList lines{"842", "595", "junk", "lOcK", "[h]", "2",   "5",
                                "[~]", "[H]", "2",    "5",    "[~]", "tail"};
        const SchemeReadResult r = readScheme(crlf(lines));
        QVERIFY(r.ok);
        QVERIFY(r.locked);
        QCOMPARE(r.tables.HGrid.RowCount(), 2);
    }

    void cyrillicRoundTripsByteForByte()
    {
        ElementTables t;
        const QString caption = QStringLiteral("Склад №1 ёЁ");
        appendRow(t.HGrid, {"R1", "10", "10", caption, "$0099FFFF"});
        const QByteArray bytes = schemeBytes(300, 200, t, false);
        QVERIFY(bytes.contains("\xD1\xEA\xEB\xE0\xE4 \xB9\x31 \xB8\xA8\r\n"));
        const SchemeReadResult r = readScheme(bytes);
        QVERIFY(r.ok);
        QCOMPARE(r.tables.HGrid.Cells(ColCaption, 1), caption);
        QCOMPARE(schemeBytes(r.width, r.height, r.tables, r.locked), bytes);

        // Every byte a file may hold in a caption comes back unchanged.
        QByteArray all;
        for (int b = 0x20; b < 0x100; ++b)
            all += char(b);
        QByteArray file = "10\r\n10\r\n[P]\r\n3\r\n5\r\nP1\r\n1\r\n1\r\n" + all + "\r\n0\r\n[~]\r\n";
        const SchemeReadResult any = readScheme(file);
        QVERIFY(any.ok);
        QVERIFY(schemeBytes(any.width, any.height, any.tables, false).contains("\r\n" + all + "\r\n"));
    }

    void extraColumnsAreKept()
    {
        const QStringList lines{"842", "595", "[E]", "3", "6", "R1-P1", "1", "2", "t", "x", "y", "[~]"};
        const SchemeReadResult r = readScheme(crlf(lines));
        QVERIFY(r.ok);
        QCOMPARE(r.tables.EGrid.ColCount(), 6);
        QCOMPARE(r.tables.EGrid.Cells(5, 1), QStringLiteral("y"));
        const QByteArray written = schemeBytes(r.width, r.height, r.tables, false);
        QVERIFY(written.contains("[E]\r\n3\r\n6\r\nR1-P1\r\n1\r\n2\r\nt\r\nx\r\ny\r\n[~]\r\n"));
    }

    void rowWithoutNameIsDropped()
    {
        const QStringList lines{"842", "595", "[P]", "4", "5", "", "a", "b",
                                "",    "",    "P2",  "1", "1", "", "0", "[~]"};
        const SchemeReadResult r = readScheme(crlf(lines));
        QVERIFY(r.ok);
        QCOMPARE(r.tables.PGrid.RowCount(), 3);
        QCOMPARE(r.tables.PGrid.Cells(ColName, 1), QStringLiteral("P2"));
    }

    void lineBreakInCellKeepsTheFileIntact()
    {
        ElementTables t;
        appendRow(t.HGrid, {"R1", "1", "1", QStringLiteral("two\r\nlines"), "$0099FFFF"});
        appendRow(t.PGrid, {"P1", "1", "1", QStringLiteral("a\nb"), "$0099FFFF"});
        const SchemeReadResult r = readScheme(schemeBytes(50, 50, t, true));
        QVERIFY(r.ok);
        QVERIFY(r.locked);
        QCOMPARE(r.tables.HGrid.Cells(ColCaption, 1), QStringLiteral("two  lines"));
        QCOMPARE(r.tables.PGrid.Cells(ColCaption, 1), QStringLiteral("a b"));
    }

    void failures_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("sizeRead");
        QTest::newRow("empty file") << QStringList{} << 1 << "Line 1: the sheet width is missing" << false;
        QTest::newRow("first line not a number")
            << QStringList{"wide", "595"} << 1 << "Line 1: the sheet width 'wide' is not a number" << false;
        QTest::newRow("no height") << QStringList{"842"} << 2 << "Line 2: the sheet height is missing"
                                   << false;
        QTest::newRow("zero width") << QStringList{"0", "595"} << 1
                                    << "Line 1: the sheet width 0 is not between 1 and 32767" << false;
        QTest::newRow("negative height") << QStringList{"842", "-1"} << 2
                                         << "Line 2: the sheet height -1 is not between 1 and 32767" << false;
        QTest::newRow("side too long") << QStringList{"32768", "10"} << 1
                                       << "Line 1: the sheet width 32768 is not between 1 and 32767" << false;
        QTest::newRow("area too large")
            << QStringList{"30000", "30000"} << 2
            << "Line 2: a sheet of 30000 x 30000 pixels is too large (at most 200000000 pixels)" << false;
        QTest::newRow("row count") << QStringList{"842", "595", "[H]", "x", "5", "[~]"} << 4
                                   << "Line 4: the row count 'x' is not a number" << true;
        QTest::newRow("negative row count") << QStringList{"842", "595", "[P]", "-3", "5", "[~]"} << 4
                                            << "Line 4: the row count -3 is negative" << true;
        QTest::newRow("column count") << QStringList{"842", "595", "[P]", "2", "five", "[~]"} << 5
                                      << "Line 5: the column count 'five' is not a number" << true;
        QTest::newRow("column count 0") << QStringList{"842", "595", "[H]", "3", "0", "R1", "[~]"} << 5
                                        << "Line 5: the column count 0 is too small (at least 5)" << true;
        QTest::newRow("negative column count")
            << QStringList{"842", "595", "[E]", "3", "-4", "[~]"} << 5
            << "Line 5: the column count -4 is too small (at least 4)" << true;
        QTest::newRow("huge column count")
            << QStringList{"842", "595", "[E]", "3", "2000000000", "[~]"} << 5
            << "Line 5: the column count 2000000000 is too large (at most 10000)" << true;
        QTest::newRow("ends after marker")
            << QStringList{"842", "595", "[H]"} << 3
            << "Line 3: the file ends inside the [H] section of line 3 (no \"[~]\")" << true;
        QTest::newRow("ends inside a row")
            << QStringList{"842", "595", "[E]", "3", "4", "R1-P1", "1"} << 7
            << "Line 7: the file ends inside the [E] section of line 3 (no \"[~]\")" << true;
        QTest::newRow("X not a number")
            << QStringList{"842", "595", "[H]", "3", "5", "R1", "1x", "2", "c", "0", "[~]"} << 7
            << "Line 7: the X coordinate '1x' of 'R1' is not a whole number" << true;
        QTest::newRow("Y beyond int")
            << QStringList{"842", "595", "[E]", "3", "4", "R1-P1", "0", "2147483648", "", "[~]"} << 8
            << "Line 8: the Y coordinate '2147483648' of 'R1-P1' is not a whole number" << true;
        QTest::newRow("colour") << QStringList{"842", "595", "[P]", "3",     "5",  "P1",
                                               "1",   "2",   "c",   "$00GG", "[~]"}
                                << 10 << "Line 10: the colour '$00GG' of 'P1' is not a colour" << true;
        QTest::newRow("long text shortened")
            << QStringList{QString(60, QLatin1Char('9')) + "x"} << 1
            << "Line 1: the sheet width '" + QString(40, QLatin1Char('9')) + "...' is not a number" << false;
    }
    void failures()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, line);
        QFETCH(QString, message);
        QFETCH(bool, sizeRead);
        const SchemeReadResult r = readScheme(crlf(lines));
        QVERIFY(!r.ok);
        QCOMPARE(r.errorLine, line);
        QCOMPARE(r.error, message);
        QCOMPARE(r.sizeRead, sizeRead);
        QVERIFY(!r.locked);
    }

    void failureKeepsRowsReadBefore()
    {
        // R1 and P1 are complete; R2's row is cut off by the end of the file.
        const QStringList lines{"842",  "595", "[P]", "3", "5",  "P1", "4", "5", "p", "0",  "[~]",
                                "LOCK", "[H]", "4",   "5", "R1", "1",  "2", "r", "0", "R2", "3"};
        const SchemeReadResult r = readScheme(crlf(lines));
        QVERIFY(!r.ok);
        QCOMPARE(r.errorLine, 22);
        QVERIFY(r.sizeRead);
        QCOMPARE(r.width, 842);
        QVERIFY(!r.locked);
        QCOMPARE(r.tables.PGrid.RowCount(), 3);
        QCOMPARE(r.tables.HGrid.RowCount(), 3);
        QCOMPARE(r.tables.HGrid.Cells(ColName, 1), QStringLiteral("R1"));
    }

    void randomDamageIsHandled()
    {
        QRandomGenerator rng(4242);
        const QStringList junk{"",          "[H]",   "[P]", "[E]",        "[~]",         "LOCK",
                               "lock",      "0",     "-1",  "1",          "2",           "3",
                               "4",         "5",     "6",   "2147483647", "-2147483648", "99999999999",
                               "$00FFFFFF", "clRed", "x",   "R1",         "P1-R1"};
        for (int round = 0; round < 6000; ++round) {
            ElementTables t;
            const int rects = rng.bounded(4), points = rng.bounded(4), lines = rng.bounded(4);
            for (int i = 1; i <= rects; ++i)
                appendRow(t.HGrid, {"R" + IntToStr(i), IntToStr(rng.bounded(900)), IntToStr(rng.bounded(600)),
                                    junk.at(rng.bounded(junk.size())), "$0099FFFF"});
            for (int i = 1; i <= points; ++i)
                appendRow(t.PGrid, {"P" + IntToStr(i), IntToStr(rng.bounded(900)), IntToStr(rng.bounded(600)),
                                    junk.at(rng.bounded(junk.size())), "$00CCFFCC"});
            for (int i = 1; i <= lines; ++i)
                appendRow(t.EGrid, {"R1-P" + IntToStr(i), "5", "5", junk.at(rng.bounded(junk.size()))});
            TextList list;
            writeScheme(list, 1 + rng.bounded(2000), 1 + rng.bounded(2000), t, rng.bounded(2) == 0);
            QStringList &items = list.items();
            const int edits = 1 + rng.bounded(4);
            for (int e = 0; e < edits && !items.isEmpty(); ++e) {
                const int at = rng.bounded(items.size());
                switch (rng.bounded(6)) {
                case 0:
                    items[at] = junk.at(rng.bounded(junk.size()));
                    break;
                case 1:
                    items.removeAt(at);
                    break;
                case 2:
                    items.insert(at, junk.at(rng.bounded(junk.size())));
                    break;
                case 3:
                    items.swapItemsAt(at, rng.bounded(items.size()));
                    break;
                case 4:
                    items = items.mid(0, at);
                    break;
                default:
                    for (int k = items.size() - 1; k > 0; --k)
                        items.swapItemsAt(k, rng.bounded(k + 1));
                }
            }
            QByteArray bytes = list.toBytes();
            if (rng.bounded(4) == 0 && !bytes.isEmpty()) {
                // Byte-level damage: a cut, a stray break or zero, a random byte.
                const int at = rng.bounded(bytes.size());
                const char stray[] = {'\r', '\n', '\0', char(rng.bounded(256))};
                if (rng.bounded(2) == 0)
                    bytes.truncate(at);
                else
                    bytes[at] = stray[rng.bounded(4)];
            }
            const QString problem = checkInvariants(bytes);
            if (!problem.isEmpty())
                QFAIL(qPrintable(problem + QStringLiteral("\n") +
                                 QString::fromLatin1(bytes.toPercentEncoding())));
        }
    }

    void fuzzCorpusReplays()
    {
        const QDir dir(QStringLiteral(GRAVELINK_TEST_DATA "/fuzz-corpus"));
        const QStringList files = dir.entryList(QDir::Files);
        if (files.isEmpty())
            QSKIP("no fuzz corpus");
        for (const QString &name : files) {
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QString problem = checkInvariants(f.readAll());
            QVERIFY2(problem.isEmpty(), qPrintable(name + QStringLiteral(": ") + problem));
        }
    }
};

QTEST_GUILESS_MAIN(TestSchemeFile)
#include "tst_schemefile.moc"
