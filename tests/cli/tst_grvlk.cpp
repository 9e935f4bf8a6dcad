#include "cli/Grvlk.h"
#include "editor/DocumentCommands.h"
#include "model/SchemeFile.h"
#include "model/TableOps.h"
#include "support/EditorRig.h"
#include "support/TableEdits.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// A scheme with every kind of element, marked texts, an element partly off the sheet and lines
// over elements.
QByteArray sampleScheme(int width, int height, bool locked)
{
    ElementTables t;
    appendRow(t.HGrid, {"R1", "120", "100", "Store", "$0099FFFF"});
    appendRow(t.HGrid, {"R2", "300", "110", QString::fromUtf8("Склад №2"), "$00CCCCFF"});
    appendRow(t.HGrid, {"R3", "5", "5", "Corner", "clRed"});
    appendRow(t.PGrid, {"P1", "400", "300", "Gate", "$00CCFFCC"});
    appendRow(t.PGrid, {"P2", "210", "500", "", "$00FFCC99"});
    appendRow(t.EGrid, {"R1-P1", "0", "0", "to gate"});
    appendRow(t.EGrid, {"P2-R2", "0", "0", ""});
    appendRow(t.EGrid, {"R3-P1", "0", "0", "long text over elements"});
    return schemeBytes(width, height, t, locked);
}

struct Run {
    int status = -1;
    QString out, err;
};

Run grvlk(const QStringList &arguments)
{
    Run run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.status = runGrvlk(arguments, out, err);
    return run;
}

// Opens the file in the editor and saves it with Save as Bitmap.
void editorSaveAsBitmap(const QString &scheme, const QString &bitmap)
{
    EditorRig rig;
    DocumentCommands doc(rig.e);
    rig.e.UpdateImageModel();
    doc.LoadModel(scheme);
    QVERIFY2(rig.ui.errors.isEmpty(), qPrintable(rig.ui.errors.join('\n')));
    rig.ui.onSave = [&] { return bitmap; };
    doc.saveAsBitmap();
}

QStringList entries(const QString &dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

class TestGrvlk : public QObject {
    Q_OBJECT

private slots:
    void renderMatchesSaveAsBitmap_data();
    void renderMatchesSaveAsBitmap();
    void check_data();
    void check();
    void checkSeveralFiles();
    void usage_data();
    void usage();
    void renderFailuresLeaveNothing_data();
    void renderFailuresLeaveNothing();
    void binaryWithoutDisplay();
    void batch();

private:
    QTemporaryDir m_dir;
};

void TestGrvlk::renderMatchesSaveAsBitmap_data()
{
    QTest::addColumn<QByteArray>("scheme");
    QTest::newRow("A4 landscape") << sampleScheme(842, 595, false);
    QTest::newRow("locked") << sampleScheme(842, 595, true);
    QTest::newRow("odd size, elements cut by the edge") << sampleScheme(401, 333, false);
    QTest::newRow("empty") << schemeBytes(600, 400, ElementTables(), false);
}

void TestGrvlk::renderMatchesSaveAsBitmap()
{
    QFETCH(QByteArray, scheme);
    const QString in = m_dir.filePath("in.grvlk");
    const QString editorBmp = m_dir.filePath("editor.bmp");
    const QString cliBmp = m_dir.filePath("cli.bmp");
    const QString cliPng = m_dir.filePath("cli.png");
    QVERIFY(writeFile(in, scheme));

    editorSaveAsBitmap(in, editorBmp);
    const QByteArray expected = readAll(editorBmp);
    QVERIFY(!expected.isEmpty());

    const Run bmp = grvlk({"render", in, cliBmp});
    QCOMPARE(bmp.status, 0);
    QCOMPARE(bmp.err, QString());
    QCOMPARE(readAll(cliBmp), expected);

    const Run png = grvlk({"render", in, cliPng});
    QCOMPARE(png.status, 0);
    QImage fromPng(cliPng, "PNG");
    QImage fromBmp(editorBmp, "BMP");
    QVERIFY(!fromPng.isNull());
    QCOMPARE(fromPng.convertToFormat(QImage::Format_RGB32), fromBmp.convertToFormat(QImage::Format_RGB32));
}

void TestGrvlk::check_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: the file does not exist
    QTest::addColumn<QString>("line");       // %1 stands for the path
    QTest::addColumn<int>("status");

    QTest::newRow("good") << sampleScheme(842, 595, false)
                          << "%1: sheet 842 x 595, 3 rectangles, 2 points, 3 lines, unlocked" << 0;
    QTest::newRow("locked, singular counts")
        << QByteArray(
               "100\r\n50\r\n[H]\r\n3\r\n5\r\nR1\r\n1\r\n2\r\nA\r\nclRed\r\n[~]\r\n[P]\r\n3\r\n5\r\n"
               "P1\r\n3\r\n4\r\n\r\nclRed\r\n[~]\r\n[E]\r\n3\r\n4\r\nR1-P1\r\n0\r\n0\r\n\r\n[~]\r\nlock\r\n")
        << "%1: sheet 100 x 50, 1 rectangle, 1 point, 1 line, locked" << 0;
    QTest::newRow("bad row count") << QByteArray("842\n595\n[H]\nmany\n5\n[~]\n")
                                   << "%1: Line 4: the row count 'many' is not a number" << 1;
    QTest::newRow("bad width") << QByteArray("wide\n595\n")
                               << "%1: Line 1: the sheet width 'wide' is not a number" << 1;
    QTest::newRow("missing") << QByteArray() << "%1: Cannot open file \"%1\". No such file or directory" << 1;
}

void TestGrvlk::check()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, line);
    QFETCH(int, status);
    const QString path = m_dir.filePath(QStringLiteral("check-%1.grvlk").arg(QTest::currentDataTag()));
    if (!content.isEmpty())
        QVERIFY(writeFile(path, content));

    const Run run = grvlk({"check", path});
    QCOMPARE(run.out, line.arg(path) + '\n');
    QCOMPARE(run.status, status);
}

void TestGrvlk::checkSeveralFiles()
{
    const QString good = m_dir.filePath("several-good.grvlk");
    const QString bad = m_dir.filePath("several-bad.grvlk");
    QVERIFY(writeFile(good, schemeBytes(842, 595, ElementTables(), false)));
    QVERIFY(writeFile(bad, "842\n595\n[P]\n2\n5\n"));
    const Run run = grvlk({"check", good, bad, good});
    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines[0].startsWith(good + ": sheet 842 x 595, 0 rectangles"));
    QVERIFY2(lines[1].startsWith(bad + ": Line 5: the file ends inside"), qPrintable(lines[1]));
    QCOMPARE(lines[2], lines[0]);
    QCOMPARE(run.status, 1);
    QCOMPARE(grvlk({"check", good, good}).status, 0);
}

void TestGrvlk::usage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<bool>("errorShown");

    QTest::newRow("nothing") << QStringList() << 2 << QString() << true;
    QTest::newRow("unknown command") << QStringList{"draw", "a", "b"} << 2 << QString() << true;
    QTest::newRow("render, one file") << QStringList{"render", "a.grvlk"} << 2 << QString() << true;
    QTest::newRow("render, three files")
        << QStringList{"render", "a", "b.bmp", "c.bmp"} << 2 << QString() << true;
    QTest::newRow("check, no file") << QStringList{"check"} << 2 << QString() << true;
    QTest::newRow("version") << QStringList{"--version"} << 0 << "grvlk 1.1\n" << false;
}

void TestGrvlk::usage()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(bool, errorShown);
    const Run run = grvlk(arguments);
    QCOMPARE(run.status, status);
    QCOMPARE(run.out, out);
    QCOMPARE(run.err.contains("Usage: grvlk"), errorShown);

    const Run help = grvlk({"--help"});
    QCOMPARE(help.status, 0);
    QVERIFY(help.out.contains("grvlk render IN.grvlk OUT.bmp|OUT.png"));
    QVERIFY(help.err.isEmpty());
}

void TestGrvlk::renderFailuresLeaveNothing_data()
{
    QTest::addColumn<QString>("input");  // a name in the test folder
    QTest::addColumn<QString>("output"); // likewise
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");

    QTest::newRow("missing input") << "absent.grvlk"
                                   << "out/picture.bmp" << 1 << "Cannot open file";
    QTest::newRow("bad input") << "bad.grvlk"
                               << "out/picture.bmp" << 1 << "Line 2: the sheet height";
    QTest::newRow("unknown extension")
        << "good.grvlk"
        << "out/picture.jpg" << 2 << "must end in .bmp, .png, .svg, .svgz or .pdf";
    QTest::newRow("no extension") << "good.grvlk"
                                  << "out/picture" << 2 << "must end in .bmp, .png, .svg, .svgz or .pdf";
    QTest::newRow("unwritable output") << "good.grvlk"
                                       << "out/absent-folder/picture.png" << 1 << "Cannot create file";
    QTest::newRow("bitmap into a missing folder")
        << "good.grvlk"
        << "out/absent-folder/picture.bmp" << 1 << "Cannot create file";
    QTest::newRow("output is a folder") << "good.grvlk"
                                        << "out/folder.bmp" << 1 << "Cannot create file";
    QTest::newRow("unwritable vector output") << "good.grvlk"
                                              << "out/absent-folder/picture.svg" << 1 << "Cannot create file";
    QTest::newRow("vector output is a folder") << "good.grvlk"
                                               << "out/folder.PDF" << 1 << "Cannot create file";
}

void TestGrvlk::renderFailuresLeaveNothing()
{
    QFETCH(QString, input);
    QFETCH(QString, output);
    QFETCH(int, status);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath("out/folder.bmp"));
    QVERIFY(QDir(dir.path()).mkpath("out/folder.PDF"));
    QVERIFY(writeFile(dir.filePath("good.grvlk"), sampleScheme(842, 595, false)));
    QVERIFY(writeFile(dir.filePath("bad.grvlk"), "842\n-3\n"));
    // An earlier picture of the same name is left as it was.
    QVERIFY(writeFile(dir.filePath("out/picture.bmp"), "old"));
    const QStringList before = entries(dir.filePath("out"));

    const Run run = grvlk({"render", dir.filePath(input), dir.filePath(output)});
    QCOMPARE(run.status, status);
    QVERIFY2(run.err.startsWith("grvlk: ") && run.err.contains(message), qPrintable(run.err));
    QCOMPARE(run.out, QString());
    QCOMPARE(entries(dir.filePath("out")), before);
    QCOMPARE(readAll(dir.filePath("out/picture.bmp")), QByteArray("old"));
}

void TestGrvlk::binaryWithoutDisplay()
{
    const QString in = m_dir.filePath("process.grvlk");
    const QString viaProcess = m_dir.filePath("process.bmp");
    const QString inProcess = m_dir.filePath("in-process.bmp");
    QVERIFY(writeFile(in, sampleScheme(842, 595, false)));
    QCOMPARE(grvlk({"render", in, inProcess}).status, 0);

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("QT_QPA_PLATFORM");
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(GRAVELINK_CLI_PATH, {"render", in, viaProcess});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(readAll(viaProcess), readAll(inProcess));

    process.start(GRAVELINK_CLI_PATH, {"check", in, m_dir.filePath("nothing-here.grvlk")});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 1);
    QCOMPARE(QString::fromLocal8Bit(process.readAllStandardOutput()).count('\n'), 2);

    process.start(GRAVELINK_CLI_PATH, {"render", in});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 2);
    QVERIFY(process.readAllStandardError().contains("Usage: grvlk"));

    // The input is read while Qt starts; its failure still comes after the output name's check,
    // and no warning about Qt's main thread comes with it.
    const QString missing = m_dir.filePath("missing.grvlk");
    const struct {
        const char *output;
        int status;
        const char *message;
    } failures[] = {{"missing.bmp", 1, "missing.grvlk"}, {"missing.txt", 2, "output name"}};
    for (const auto &f : failures) {
        process.start(GRAVELINK_CLI_PATH, {"render", missing, m_dir.filePath(f.output)});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), f.status);
        const QString err = QString::fromLocal8Bit(process.readAllStandardError());
        QVERIFY2(err.startsWith("grvlk: ") && err.contains(f.message) && !err.contains("thread"),
                 qPrintable(err));
    }
}

// The batch form: every good input drawn as the single form draws it, one line per failed
// input, status 1; the standard output form gives the same bytes.
void TestGrvlk::batch()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath("out"));
    QVERIFY(QDir(dir.path()).mkpath("other"));
    QVERIFY(writeFile(dir.filePath("a.grvlk"), sampleScheme(842, 595, false)));
    QVERIFY(writeFile(dir.filePath("b.grvlk"), "842\n-3\n"));
    QVERIFY(writeFile(dir.filePath("c.grvlk"), sampleScheme(600, 400, true)));
    QVERIFY(writeFile(dir.filePath("other/c.grvlk"), sampleScheme(600, 400, false)));
    const Run run = grvlk({"render", "-o", dir.filePath("out"), "--format", "PNG", dir.filePath("a.grvlk"),
                           dir.filePath("b.grvlk"), dir.filePath("c.grvlk"), dir.filePath("other/c.grvlk")});
    QCOMPARE(run.status, 1);
    const QStringList lines = run.err.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 3); // b, and both inputs named c
    QVERIFY(lines[0].contains("b.grvlk: Line 2"));
    QCOMPARE(entries(dir.filePath("out")), QStringList{"a.png"});
    QCOMPARE(grvlk({"render", dir.filePath("a.grvlk"), dir.filePath("single.png")}).status, 0);
    QCOMPARE(readAll(dir.filePath("out/a.png")), readAll(dir.filePath("single.png")));

    QProcess process;
    process.start(GRAVELINK_CLI_PATH, {"render", "--format", "png", dir.filePath("a.grvlk"), "-"});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(process.readAllStandardOutput(), readAll(dir.filePath("single.png")));
}

QTEST_MAIN(TestGrvlk)
#include "tst_grvlk.moc"
