// The clipboard's scheme reader and Find's search, without a window.
#include "editor/ElementFinder.h"
#include "editor/SchemeClip.h"
#include "model/SchemeFile.h"
#include "support/TableEdits.h"
#include "toolkit/CodePage.h"

#include <QTest>

namespace {

ElementTables sample()
{
    ElementTables t;
    appendRow(t.HGrid, {"R1", "300", "40", "Pump", "$0099FFFF"});
    appendRow(t.HGrid, {"R2", "100", "40", QString::fromUtf8("Склад"), "$0099FFFF"});
    appendRow(t.PGrid, {"P1", "20", "90", "pump house", "$00CCFFCC"});
    appendRow(t.PGrid, {"P2", "10", "x", "PUMPS", "$00CCFFCC"}); // not a number: read last
    appendRow(t.EGrid, {"R1-P1", "160", "65", "feed"});
    return t;
}

} // namespace

class TestClipAndFind : public QObject {
    Q_OBJECT
private slots:
    // Clipboard text is split into lines as a scheme file is, whatever ends its lines.
    void linesEndAsInFiles_data()
    {
        QTest::addColumn<QStringList>("ends"); // taken in turn
        QTest::newRow("CR LF") << QStringList{"\r\n"};
        QTest::newRow("lone CR") << QStringList{"\r"};
        QTest::newRow("lone LF") << QStringList{"\n"};
        QTest::newRow("mixed") << QStringList{"\n", "\r", "\r\n"};
    }
    void linesEndAsInFiles()
    {
        QFETCH(QStringList, ends);
        ElementTables t = sample();
        t.PGrid.setCell(ColY, 2, "10"); // a file holds numbers only
        TextList lines;
        writeScheme(lines, 400, 200, t, false);
        QString text;
        for (int i = 0; i < lines.count(); ++i)
            text += lines.item(i) + ends.at(i % ends.size());
        const QByteArray original = schemeBytes(400, 200, t, false);
        const SchemeReadResult file = readScheme(encodeCodePage(text));
        QVERIFY2(file.ok, qPrintable(file.error));
        QCOMPARE(schemeBytes(400, 200, file.tables, false), original);
        // Other programs may add empty lines at the end.
        const std::optional<SchemeReadResult> clip = readClip(text + "\n\n");
        QVERIFY(clip);
        QCOMPARE(schemeBytes(400, 200, clip->tables, false), original);
    }

    // Find goes in reading order (top to bottom, then left to right; cells that are no number
    // last), folds case, and never matches across a name and its caption.
    void finderOrderAndCase_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("reading order") << "pump" << QStringList{"R1", "P1", "P2"};
        QTest::newRow("left first") << "r" << QStringList{"R2", "R1"};
        QTest::newRow("Cyrillic") << QString::fromUtf8("СКЛАД") << QStringList{"R2"};
        QTest::newRow("name and caption apart") << "1pump" << QStringList{};
        QTest::newRow("line break") << "1\npump" << QStringList{};
    }
    void finderOrderAndCase()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, found);
        const ElementTables t = sample();
        ElementFinder finder;
        finder.search(t, 1, text);
        QStringList names;
        for (int i = 0; i < finder.count(); ++i) {
            const std::optional<ElementFinder::Found> f = finder.step(true);
            names << t.table(f->table).Cells(ColName, f->row);
        }
        QCOMPARE(names, found);
    }
};

QTEST_MAIN(TestClipAndFind)
#include "tst_clip_and_find.moc"
