#include "toolkit/CodePage.h"
#include "toolkit/Errors.h"
#include "toolkit/StringGrid.h"
#include "toolkit/TextList.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

class TestTextStorage : public QObject {
    Q_OBJECT

private slots:
    void gridCellsOutsideReadEmpty_data();
    void gridCellsOutsideReadEmpty();
    void gridRowCountChanges();
    void gridColCountChanges();
    void gridColCountKeepsCellsInPlace();
    void gridCopyRow();
    void gridRemoveRowsAsOneByOne_data();
    void gridRemoveRowsAsOneByOne();
    void listIndexOf_data();
    void listIndexOf();
    void listWritesCrLf();
    void listReadsLines_data();
    void listReadsLines();
    void listCyrillicRoundTrip();
    void listRepeatedLinesReadAsWritten();
    void listSaveToMissingFolder();
    void listFailedSaveKeepsOldFile();
    void listLoadMissingFile();
    void listLoadRefusesWhatIsNotAFile_data();
    void listLoadRefusesWhatIsNotAFile();
};

void TestTextStorage::gridCellsOutsideReadEmpty_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::newRow("column past the end") << 5 << 1;
    QTest::newRow("row past the end") << 0 << 3;
    QTest::newRow("negative column") << -1 << 1;
    QTest::newRow("negative row") << 0 << -1;
    QTest::newRow("far away") << 1000000 << 1000000;
}

void TestTextStorage::gridCellsOutsideReadEmpty()
{
    QFETCH(int, col);
    QFETCH(int, row);
    StringGrid grid(5, 3);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 5; ++c)
            grid.setCell(c, r, QStringLiteral("%1,%2").arg(c).arg(r));
    QCOMPARE(grid.Cells(col, row), QString());
    grid.setCell(col, row, QStringLiteral("x")); // ignored
    QCOMPARE(grid.Cells(col, row), QString());
    QCOMPARE(grid.RowCount(), 3);
    QCOMPARE(grid.ColCount(), 5);
    QCOMPARE(grid.Cells(4, 2), QStringLiteral("4,2"));
}

void TestTextStorage::gridRowCountChanges()
{
    StringGrid grid(5, 2);
    QCOMPARE(grid.Cells(0, 1), QString());
    grid.setCell(0, 1, QStringLiteral("R1"));
    grid.setRowCount(4);
    QCOMPARE(grid.RowCount(), 4);
    QCOMPARE(grid.Cells(0, 1), QStringLiteral("R1"));
    QCOMPARE(grid.Cells(0, 3), QString());
    grid.setCell(2, 3, QStringLiteral("7"));
    grid.setRowCount(1);
    QCOMPARE(grid.Cells(0, 1), QString());
    grid.setRowCount(4); // rows come back empty
    QCOMPARE(grid.Cells(0, 1), QString());
    QCOMPARE(grid.Cells(2, 3), QString());
    grid.setRowCount(-3);
    QCOMPARE(grid.RowCount(), 0);
}

void TestTextStorage::gridColCountChanges()
{
    StringGrid grid(5, 2);
    grid.setCell(4, 1, QStringLiteral("$0099FFFF"));
    grid.setColCount(3);
    QCOMPARE(grid.Cells(4, 1), QString());
    grid.setColCount(5); // the dropped cell stays dropped
    QCOMPARE(grid.Cells(4, 1), QString());
}

void TestTextStorage::gridColCountKeepsCellsInPlace()
{
    StringGrid grid(3, 4);
    grid.reserveRows(50);
    QCOMPARE(grid.RowCount(), 4);
    const auto text = [](int c, int r) { return QStringLiteral("%1,%2").arg(c).arg(r); };
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c)
            grid.setCell(c, r, text(c, r));
    grid.setColCount(5);
    grid.setCell(4, 2, QStringLiteral("new"));
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 3; ++c)
            QCOMPARE(grid.Cells(c, r), text(c, r));
        QCOMPARE(grid.Cells(3, r), QString());
    }
    QCOMPARE(grid.Cells(4, 2), QStringLiteral("new"));
    grid.setColCount(2);
    grid.setRowCount(5);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 2; ++c)
            QCOMPARE(grid.Cells(c, r), text(c, r));
    QCOMPARE(grid.Cells(0, 4), QString());
    grid.setColCount(0);
    QCOMPARE(grid.RowCount(), 5);
    grid.setCell(0, 1, QStringLiteral("x")); // no column to write to
    grid.setColCount(1);
    QCOMPARE(grid.Cells(0, 1), QString());
}

void TestTextStorage::gridCopyRow()
{
    StringGrid grid(5, 4);
    for (int c = 0; c < 5; ++c)
        grid.setCell(c, 1, QString::number(c));
    grid.setCell(0, 2, QStringLiteral("old"));
    grid.copyRow(1, 2);
    for (int c = 0; c < 5; ++c)
        QCOMPARE(grid.Cells(c, 2), QString::number(c));
    grid.setCell(3, 2, QStringLiteral("changed")); // a copy, not a shared row
    QCOMPARE(grid.Cells(3, 1), QStringLiteral("3"));
    grid.copyRow(7, 1); // from outside: the target becomes empty
    for (int c = 0; c < 5; ++c)
        QCOMPARE(grid.Cells(c, 1), QString());
    grid.copyRow(2, 9); // to outside: ignored
    QCOMPARE(grid.RowCount(), 4);
}

void TestTextStorage::gridRemoveRowsAsOneByOne_data()
{
    QTest::addColumn<std::vector<int>>("rows");
    QTest::newRow("none") << std::vector<int>{};
    QTest::newRow("first") << std::vector<int>{0};
    QTest::newRow("last") << std::vector<int>{5};
    QTest::newRow("adjacent") << std::vector<int>{2, 3, 4};
    QTest::newRow("apart, first and last") << std::vector<int>{0, 2, 5};
    QTest::newRow("all") << std::vector<int>{0, 1, 2, 3, 4, 5};
}

void TestTextStorage::gridRemoveRowsAsOneByOne()
{
    QFETCH(std::vector<int>, rows);
    StringGrid once(3, 6), oneByOne(3, 6);
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 3; ++c)
            for (StringGrid *g : {&once, &oneByOne})
                g->setCell(c, r, QStringLiteral("%1.%2").arg(r).arg(c));
    once.removeRows(rows);
    for (auto r = rows.rbegin(); r != rows.rend(); ++r)
        oneByOne.removeRow(*r);
    QCOMPARE(once.RowCount(), oneByOne.RowCount());
    for (int r = 0; r < 7; ++r)
        QCOMPARE(once.rowCells(r), oneByOne.rowCells(r));
}

void TestTextStorage::listIndexOf_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("index");
    QTest::newRow("exact") << "R1" << 0;
    QTest::newRow("other case") << "r1-p2" << 1;
    QTest::newRow("cyrillic other case") << QString::fromUtf8("щука") << 2;
    QTest::newRow("prefix is not a match") << "R" << -1;
    QTest::newRow("longer is not a match") << "R10" << -1;
    QTest::newRow("empty text") << "" << 3;
    QTest::newRow("missing") << "P7" << -1;
}

void TestTextStorage::listIndexOf()
{
    QFETCH(QString, text);
    QFETCH(int, index);
    TextList list;
    list.add(QStringLiteral("R1"));
    list.add(QStringLiteral("R1-P2"));
    list.add(QString::fromUtf8("ЩУКА"));
    list.add(QString());
    list.add(QStringLiteral("r1"));
    QCOMPARE(list.indexOf(text), index);
}

void TestTextStorage::listWritesCrLf()
{
    TextList list;
    QCOMPARE(list.toBytes(), QByteArray());
    list.add(QStringLiteral("842"));
    list.add(QString());
    list.add(QStringLiteral("R1"));
    QCOMPARE(list.toBytes(), QByteArray("842\r\n\r\nR1\r\n"));
}

void TestTextStorage::listReadsLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("crlf") << QByteArray("a\r\nb\r\nc") << QStringList{"a", "b", "c"};
    QTest::newRow("mixed breaks") << QByteArray("a\rb\nc\r\nd") << QStringList{"a", "b", "c", "d"};
    QTest::newRow("final crlf adds nothing") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("final cr adds nothing") << QByteArray("a\r") << QStringList{"a"};
    QTest::newRow("final lf adds nothing") << QByteArray("a\n") << QStringList{"a"};
    QTest::newRow("empty lines kept") << QByteArray("a\r\n\r\n\nb") << QStringList{"a", "", "", "b"};
    QTest::newRow("lf cr is two breaks") << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
    QTest::newRow("only a break") << QByteArray("\r\n") << QStringList{""};
    QTest::newRow("empty") << QByteArray() << QStringList{};
    QTest::newRow("zero byte ends the text") << QByteArray("a\r\nb\0c\r\nd", 10) << QStringList{"a", "b"};
    QTest::newRow("zero byte first") << QByteArray("\0a", 2) << QStringList{};
    // Texts of a megabyte and more are read in two halves split at a line feed past the middle.
    const qsizetype half = qsizetype(1) << 19;
    const QByteArray a(half, 'a'), b(half, 'b');
    QTest::newRow("large, CR LF at the middle")
        << QByteArray(a.chopped(1) + "\r\n" + b + "\rc\n") << QStringList{a.chopped(1), b, "c"};
    QTest::newRow("large, empty lines at the middle")
        << QByteArray(a + "\n\n\r\n" + b) << QStringList{a, "", "", b};
    QTest::newRow("large, no line feed past the middle")
        << QByteArray("x\n" + a + b + "\ry") << QStringList{"x", a + b, "y"};
    QTest::newRow("large, line feed last") << QByteArray(a + b + "\n") << QStringList{a + b};
}

void TestTextStorage::listReadsLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    TextList list;
    list.add(QStringLiteral("left over"));
    list.setFromBytes(bytes);
    QCOMPARE(list.items(), lines);
}

void TestTextStorage::listCyrillicRoundTrip()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("list.txt"));
    TextList list;
    list.add(QString::fromUtf8("Схема № 1"));
    list.add(QString::fromUtf8("ёЁ щЩ"));
    list.saveToFile(path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes, QByteArray("\xD1\xF5\xE5\xEC\xE0 \xB9 1\r\n\xB8\xA8 \xF9\xD9\r\n"));
    TextList back;
    back.loadFromFile(path);
    QCOMPARE(back.items(), list.items());
}

// Random lines, many of them repeated, with every kind of line break: each line reads exactly
// as its own bytes decode and writes back to them.
void TestTextStorage::listRepeatedLinesReadAsWritten()
{
    QRandomGenerator rng(7);
    const QByteArray alphabet("0123456789$-RPAB \xB8\xA8\xC0\xFF\x98\x80\xE0");
    QList<QByteArray> pool;
    for (int i = 0; i < 100; ++i) {
        QByteArray line;
        const int size = rng.bounded(i < 20 ? 3 : 22);
        for (int k = 0; k < size; ++k)
            line += alphabet.at(rng.bounded(int(alphabet.size())));
        pool << line;
    }
    const QList<QByteArray> breaks{"\r\n", "\n", "\r"};
    for (const int count : {1, 150, 5000}) {
        QByteArray bytes;
        QStringList expected;
        for (int i = 0; i < count; ++i) {
            const QByteArray &line = pool.at(rng.bounded(int(pool.size())));
            bytes += line;
            expected << decodeCodePage(line);
            // "\r" then "\n" would make one break of two lines' ends.
            bytes += breaks.at(rng.bounded(bytes.endsWith('\r') ? 1 : 3));
        }
        TextList list;
        list.setFromBytes(bytes);
        QCOMPARE(list.count(), expected.size());
        for (int i = 0; i < list.count(); ++i) {
            QCOMPARE(list.item(i), expected.at(i));
            QCOMPARE(list.item(i).isNull(), expected.at(i).isNull());
        }
        QByteArray written;
        for (const QString &line : expected)
            written += encodeCodePage(line) + "\r\n";
        QCOMPARE(list.toBytes(), written);
    }
}

void TestTextStorage::listSaveToMissingFolder()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("no such folder/list.txt"));
    TextList list;
    list.add(QStringLiteral("x"));
    try {
        list.saveToFile(path);
        QFAIL("saving into a missing folder succeeded");
    } catch (const AppError &e) {
        QVERIFY2(e.message().contains(path), qPrintable(e.message()));
    }
    QVERIFY(!QFile::exists(path));
}

void TestTextStorage::listFailedSaveKeepsOldFile()
{
    // A file-size limit makes the write fail part-way (even for a privileged user).
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("list.txt"));
    TextList old;
    old.add(QStringLiteral("old"));
    old.saveToFile(path);

    TextList big;
    for (int i = 0; i < 1000; ++i)
        big.add(QStringLiteral("a line that does not fit"));
    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = saved;
    tight.rlim_cur = 64;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &tight), 0);
    bool threw = false;
    QString message;
    try {
        big.saveToFile(path);
    } catch (const AppError &e) {
        threw = true;
        message = e.message();
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    QVERIFY(threw);
    QVERIFY2(message.contains(path), qPrintable(message));
    TextList back;
    back.loadFromFile(path);
    QCOMPARE(back.items(), old.items());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"list.txt"});
}

void TestTextStorage::listLoadMissingFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing.txt"));
    TextList list;
    list.add(QStringLiteral("kept"));
    try {
        list.loadFromFile(path);
        QFAIL("loading a missing file succeeded");
    } catch (const AppError &e) {
        QVERIFY2(e.message().contains(path), qPrintable(e.message()));
    }
    QCOMPARE(list.items(), QStringList{"kept"});
}

void TestTextStorage::listLoadRefusesWhatIsNotAFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("folder") << "folder";
    QTest::newRow("named pipe") << "pipe";
    QTest::newRow("device") << "device";
}

void TestTextStorage::listLoadRefusesWhatIsNotAFile()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("plan.grvlk"));
    std::thread writer;
    if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkdir(path));
    } else if (kind == QLatin1String("pipe")) {
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        // A writer that comes once a reader opens the pipe and ends at once: a read that
        // should not have happened finds the end instead of waiting.
        writer =
            std::thread([name = QFile::encodeName(path)] { ::close(::open(name.constData(), O_WRONLY)); });
    } else {
        path = QStringLiteral("/dev/null");
    }
    TextList list;
    list.add(QStringLiteral("kept"));
    QString message;
    try {
        list.loadFromFile(path);
    } catch (const AppError &e) {
        message = e.message();
    }
    if (writer.joinable()) {
        // A reader of our own lets the writer's open return, whenever it comes.
        const int reader = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
        writer.join();
        ::close(reader);
    }
    QVERIFY2(message.startsWith(QStringLiteral("Cannot open file \"%1\".").arg(path)), qPrintable(message));
    QCOMPARE(list.items(), QStringList{"kept"});
}

QTEST_GUILESS_MAIN(TestTextStorage)
#include "tst_text_storage.moc"
