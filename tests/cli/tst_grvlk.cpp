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

#include <unistd.h>

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

// A file of the given lines, each ended by LF.
QByteArray fileOf(const QStringList &lines)
{
    return (lines.join('\n') + '\n').toUtf8();
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
    void options_data();
    void options();
    void helpFitsTheTerminal_data();
    void helpFitsTheTerminal();
    void replacedOutput();
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

    // Read without complaint, but not meaning what it seems.
    QStringList eight{"842", "595", "[H]", "10", "5"};
    for (int i = 1; i <= 8; ++i)
        eight << QStringList{"R" + QString::number(i), QString::number(i * 20), "10", "", "clRed"};
    eight << QStringList{"[~]", "[H]", "3", "5", "R9", "10", "10", "", "clRed", "[~]"};
    QTest::newRow("second [H] section")
        << fileOf(eight)
        << "%1: sheet 842 x 595, 1 rectangle, 0 points, 0 lines, unlocked\n"
           "%1: Line 47: this [H] section replaces the one on line 3 and its 8 "
           "rectangles"
        << 1;
    QTest::newRow("names and line ends")
        << fileOf({"842", "595", "[H]",   "4",   "5",     "R1", "10", "10", "",      "clRed", "R1", "20",
                   "20",  "",    "clRed", "[~]", "[P]",   "3",  "5",  "R1", "30",    "30",    "",   "clRed",
                   "[~]", "[E]", "5",     "4",   "R1-P9", "0",  "0",  "",   "R1-R1", "0",     "0",  "",
                   "R1",  "0",   "0",     "",    "R1-R1", "0",  "0",  "",   "[~]"})
        << "%1: sheet 842 x 595, 2 rectangles, 1 point, 4 lines, unlocked\n"
           "%1: Line 11: the name 'R1' is already used on line 6\n"
           "%1: Line 20: the name 'R1' is already used on line 6\n"
           "%1: Line 29: the line 'R1-P9' joins 'P9', which is no rectangle or point (it is drawn to the "
           "sheet's corner)\n"
           "%1: Line 37: the line name 'R1' does not name two elements joined by \"-\" (it is drawn to the "
           "sheet's corner)\n"
           "%1: Line 41: the name 'R1-R1' is already used on line 33"
        << 1;
    QTest::newRow("markers and lines read as nothing")
        << fileOf({"842", "595", "[h]", "2", "5", "[~]", "[P]", "2", "5", "[~]", "", "note", "[E] ", "Lock"})
        << "%1: sheet 842 x 595, 0 rectangles, 0 points, 0 lines, locked\n"
           "%1: Line 3: warning: '[h]' is not read as a marker (a marker is exactly [H], [P], [E], [~] or "
           "LOCK); the line is ignored\n"
           "%1: Line 4: warning: lines 4 to 6 belong to no section and are ignored\n"
           "%1: Line 11: warning: lines 11 to 12 belong to no section and are ignored\n"
           "%1: Line 13: warning: '[E] ' is not read as a marker (a marker is exactly [H], [P], [E], [~] or "
           "LOCK); the line is ignored"
        << 0;
    QTest::newRow("control characters shown escaped")
        << fileOf({"842", "595", "[H]", "3", "5", "R\x1b]0;x\x07", "1", "1", "", "\x1b[31m", "[~]"})
        << "%1: Line 10: the colour '\\x1b[31m' of 'R\\x1b]0;x\\x07' is not a colour" << 1;
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

// Options anywhere among the files, "--name=value" and "--"; unknown, repeated and incomplete
// options refused with the command's usage; each command's own help.
void TestGrvlk::options_data()
{
    QTest::addColumn<QStringList>("arguments"); // %1 stands for the test folder
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out"); // what the output starts with
    QTest::addColumn<QString>("err"); // what the errors start with

    const QString checkUsage =
        "\nUsage: grvlk check [--porcelain] FILE...\nTry \"grvlk check --help\" for more.\n";
    QTest::newRow("check --help") << QStringList{"check", "%1/good.grvlk", "--help"} << 0
                                  << "Usage: grvlk check [--porcelain] FILE...\n\nReads each"
                                  << "";
    QTest::newRow("render -h") << QStringList{"render", "-h"} << 0 << "Usage: grvlk render IN.grvlk OUT.bmp|"
                               << "";
    QTest::newRow("unknown option") << QStringList{"check", "--help-me", "%1/good.grvlk"} << 2 << ""
                                    << "grvlk: unknown option \"--help-me\"" + checkUsage;
    QTest::newRow("unknown short option")
        << QStringList{"render", "%1/good.grvlk", "-x", "%1/x.bmp"} << 2 << ""
        << "grvlk: unknown option \"-x\"\nUsage: grvlk render";
    QTest::newRow("unknown option first") << QStringList{"--porcelain", "check"} << 2 << ""
                                          << "grvlk: unknown option \"--porcelain\"\nUsage: grvlk render";
    QTest::newRow("-o twice") << QStringList{"render", "-o", "%1", "-o", "%1/out", "%1/good.grvlk"} << 2 << ""
                              << "grvlk: -o is given more than once\nUsage: grvlk render";
    QTest::newRow("value missing") << QStringList{"render", "%1/good.grvlk", "--format"} << 2 << ""
                                   << "grvlk: --format needs a value\nUsage: grvlk render";
    QTest::newRow("--format=png after the file")
        << QStringList{"render", "%1/good.grvlk", "-o", "%1", "--format=png"} << 0 << ""
        << "";
    QTest::newRow("-- ends the options")
        << QStringList{"check", "--", "--porcelain"} << 1 << "--porcelain: Cannot open file \"--porcelain\""
        << "";
}

void TestGrvlk::options()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QVERIFY(writeFile(m_dir.filePath("good.grvlk"), sampleScheme(842, 595, false)));
    for (QString &a : arguments)
        a.replace("%1", m_dir.path());
    const Run run = grvlk(arguments);
    QCOMPARE(run.status, status);
    QVERIFY2(out.isEmpty() ? run.out.isEmpty() : run.out.startsWith(out), qPrintable(run.out));
    QVERIFY2(err.isEmpty() ? run.err.isEmpty() : run.err.startsWith(err), qPrintable(run.err));
}

// Every help fits 80 columns in every language, from the program as a user runs it.
void TestGrvlk::helpFitsTheTerminal_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("arguments");
    for (const char *locale : {"C.UTF-8", "ru_RU.UTF-8", "de_DE.UTF-8"})
        for (const QStringList &arguments : {QStringList{"--help"}, QStringList{"render", "--help"},
                                             QStringList{"check", "--help"}, QStringList{"check", "-x"}})
            QTest::addRow("%s %s", locale, qPrintable(arguments.join(' '))) << locale << arguments;
}

void TestGrvlk::helpFitsTheTerminal()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, arguments);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("LANGUAGE");
    env.insert("LC_ALL", locale);
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(GRAVELINK_CLI_PATH, arguments);
    QVERIFY(process.waitForFinished(60000));
    const QString text = QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
    QVERIFY(text.count('\n') > 2);
    // The translated texts are in use: no English "Usage:" outside English.
    QCOMPARE(text.contains("Usage:"), locale.startsWith("C"));
    for (const QString &line : text.split('\n'))
        QVERIFY2(line.size() <= 80, qPrintable(line));
}

// A picture replacing an existing file writes through a symbolic link and keeps the file's
// permissions; an output that is the input, by any name, is refused and left as it was.
void TestGrvlk::replacedOutput()
{
    QTemporaryDir dir;
    const QString in = dir.filePath("in.grvlk");
    QVERIFY(writeFile(in, sampleScheme(842, 595, false)));
    QVERIFY(QDir(dir.path()).mkpath("pictures"));
    const QString target = dir.filePath("pictures/target.png");
    QVERIFY(writeFile(target, "old"));
    QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    QVERIFY(QFile::link(target, dir.filePath("link.png")));
    QCOMPARE(grvlk({"render", in, dir.filePath("link.png")}).status, 0);
    QVERIFY(QFileInfo(dir.filePath("link.png")).isSymLink());
    QCOMPARE(QFile::permissions(target),
             QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadUser | QFile::WriteUser);
    QVERIFY(readAll(target).startsWith("\x89PNG"));

    // The input, also named by a link, by a hard link and as the batch form's output.
    const QByteArray scheme = readAll(in);
    QVERIFY(writeFile(dir.filePath("scheme.png"), scheme));
    QVERIFY(QFile::link(in, dir.filePath("to-input.bmp")));
    QVERIFY(::link(QFile::encodeName(in).constData(),
                   QFile::encodeName(dir.filePath("hard.pdf")).constData()) == 0);
    const struct {
        QStringList arguments;
        int status;
        QString file;
    } refused[] = {
        {{"render", dir.filePath("scheme.png"), dir.filePath("scheme.png")}, 2, "scheme.png"},
        {{"render", in, dir.filePath("to-input.bmp")}, 2, "in.grvlk"},
        {{"render", in, dir.filePath("hard.pdf")}, 2, "in.grvlk"},
        {{"render", "-o", dir.path(), "--format", "png", dir.filePath("scheme.png")}, 1, "scheme.png"},
    };
    for (const auto &r : refused) {
        const Run run = grvlk(r.arguments);
        QCOMPARE(run.status, r.status);
        QVERIFY2(run.err.contains("is the input"), qPrintable(run.err));
        QCOMPARE(readAll(dir.filePath(r.file)), scheme);
    }
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
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    QProcess process;
    // Whatever platform the environment names, none is needed.
    for (const char *platform : {"", "xcb", "wayland"}) {
        env.insert("QT_QPA_PLATFORM", platform);
        process.setProcessEnvironment(env);
        process.start(GRAVELINK_CLI_PATH, {"render", in, viaProcess});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(readAll(viaProcess), readAll(inProcess));
        QFile::remove(viaProcess);
    }

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
