#include "editor/DocumentCommands.h"
#include "model/SchemeFile.h"
#include "model/TableOps.h"
#include "support/EditorRig.h"
#include "support/EditorTestAccess.h"
#include "support/TableEdits.h"
#include "toolkit/Errors.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

// The editor on the start-up sheet with the document commands and a folder for files.
struct Rig : EditorRig {
    DocumentCommands doc{e};
    QTemporaryDir dir;

    Rig() { e.UpdateImageModel(); }
    QString path(const QString &name) const { return dir.filePath(name); }
    void addScheme()
    {
        e.doc().appendRow(e.doc().rectangles(), {"R1", "120", "100", "Store", "$0099FFFF"});
        e.doc().appendRow(e.doc().points(), {"P1", "400", "300", "Gate", "$00CCFFCC"});
        e.doc().appendRow(e.doc().lines(), {"R1-P1", "", "", "to gate"});
        e.UpdateImageModel();
        e.doc().markModified();
    }
};

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

QByteArray exampleFile(bool locked = false)
{
    ElementTables t;
    appendRow(t.HGrid, {"R1", "120", "100", "Store", "$0099FFFF"});
    appendRow(t.PGrid, {"P1", "400", "300", "Gate", "$00CCFFCC"});
    appendRow(t.EGrid, {"R1-P1", "260", "200", ""});
    return schemeBytes(500, 400, t, locked);
}

// Runs one of the commands that ask about unsaved changes; true when it went on.
enum class Asker { New, Open, Close };
bool runAsker(Rig &r, Asker which)
{
    try {
        switch (which) {
        case Asker::New:
            r.doc.newScheme();
            return r.ui.newSheetDialogs > 0;
        case Asker::Open:
            r.doc.openScheme();
            return !r.ui.opens.isEmpty();
        case Asker::Close: {
            bool canClose = true;
            r.doc.closeQuery(canClose);
            return canClose;
        }
        }
    } catch (const SilentAbort &) {
    }
    return false;
}

// Limits the size of files this process may write, so that a write fails even for root.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

} // namespace

Q_DECLARE_METATYPE(Asker)

class TestDocumentCommands : public QObject {
    Q_OBJECT

private slots:
    void questionExactlyWhenModified_data()
    {
        QTest::addColumn<Asker>("which");
        QTest::addColumn<bool>("modified");
        for (bool modified : {false, true}) {
            const char *m = modified ? "modified" : "unmodified";
            QTest::addRow("new, %s", m) << Asker::New << modified;
            QTest::addRow("open, %s", m) << Asker::Open << modified;
            QTest::addRow("close, %s", m) << Asker::Close << modified;
        }
    }
    void questionExactlyWhenModified()
    {
        QFETCH(Asker, which);
        QFETCH(bool, modified);
        Rig r;
        r.addScheme();
        modified ? r.e.doc().markModified() : r.e.doc().markSaved();
        // Cancel: a modified scheme stays as it is and the command stops.
        const bool wentOn = runAsker(r, which);
        QCOMPARE(r.ui.questions, modified ? QStringList{"Do you save the scheme?"} : QStringList{});
        QCOMPARE(wentOn, !modified);
        if (modified) {
            QCOMPARE(r.e.doc().rectangles().RowCount(), 3);
            QVERIFY(r.e.doc().modified());
        }
    }

    void noDropsTheChanges()
    {
        Rig r;
        r.addScheme();
        r.ui.onAsk = [](const QString &) { return SaveAnswer::No; };
        r.ui.onNewSheet = [](int &w, int &h) {
            w = 600;
            h = 300;
            return true;
        };
        r.doc.newScheme();
        QCOMPARE(r.e.doc().rectangles().RowCount(), 2);
        QCOMPARE(r.e.doc().sheet().width(), 600);
        QCOMPARE(r.e.doc().sheet().height(), 300);
        QVERIFY(!r.e.doc().modified());
        QVERIFY(r.ui.saves.isEmpty());
    }

    void yesWithoutSaveStops_data()
    {
        QTest::addColumn<Asker>("which");
        QTest::addColumn<QString>("saveName");
        for (const char *name : {"", "picture.bmp"}) {
            QTest::addRow("new, '%s'", name) << Asker::New << QString::fromLatin1(name);
            QTest::addRow("open, '%s'", name) << Asker::Open << QString::fromLatin1(name);
            QTest::addRow("close, '%s'", name) << Asker::Close << QString::fromLatin1(name);
        }
    }
    void yesWithoutSaveStops()
    {
        QFETCH(Asker, which);
        QFETCH(QString, saveName);
        Rig r;
        r.addScheme();
        r.ui.onAsk = [](const QString &) { return SaveAnswer::Yes; };
        const QString target = saveName.isEmpty() ? QString() : r.path(saveName);
        r.ui.onSave = [&] { return target; };
        r.ui.onNewSheet = [](int &, int &) { return true; };
        QVERIFY(!runAsker(r, which));
        QCOMPARE(r.ui.saves.size(), 1);
        QCOMPARE(r.ui.newSheetDialogs, 0);
        QVERIFY(r.ui.opens.isEmpty());
        QVERIFY(r.e.doc().modified());
        QCOMPARE(r.e.doc().rectangles().RowCount(), 3);
        QVERIFY(r.ui.errors.isEmpty());
    }

    // New and Open start a new history; Save keeps it and marks the saved state.
    void historyAcrossNewOpenAndSave()
    {
        Rig r;
        r.addScheme();
        r.e.doc().closeStep();
        QCOMPARE(r.e.doc().undoStack().count(), 1);
        const QString file = r.path(QStringLiteral("plan.grvlk"));
        r.ui.onSave = [&] { return file; };
        r.doc.saveAs();
        QCOMPARE(r.e.doc().undoStack().count(), 1);
        QVERIFY(r.e.doc().undoStack().isClean());
        r.ui.onOpen = [&] { return file; };
        r.doc.openScheme();
        r.e.doc().closeStep();
        QCOMPARE(r.e.doc().undoStack().count(), 0);
        r.addScheme();
        r.e.doc().closeStep();
        r.ui.onAsk = [](const QString &) { return SaveAnswer::No; };
        r.ui.onNewSheet = [](int &, int &) { return true; };
        r.doc.newScheme();
        r.e.doc().closeStep();
        QCOMPARE(r.e.doc().undoStack().count(), 0);
        QVERIFY(!r.e.doc().modified());
    }

    void yesSavesThenGoesOn()
    {
        Rig r;
        r.addScheme();
        r.ui.onAsk = [](const QString &) { return SaveAnswer::Yes; };
        const QString target = r.path(QStringLiteral("kept.grvlk"));
        r.ui.onSave = [&] { return target; };
        bool canClose = true;
        r.doc.closeQuery(canClose);
        QVERIFY(canClose);
        QVERIFY(!r.e.doc().modified());
        QVERIFY(readScheme(readAll(target)).ok);
        QCOMPARE(readScheme(readAll(target)).tables.HGrid.Cells(ColName, 1), QStringLiteral("R1"));
    }

    void saveAsNamesTheScheme()
    {
        Rig r;
        r.addScheme();
        const QString target = r.path(QStringLiteral("plan.grvlk"));
        r.ui.onSave = [&] { return target; };
        r.doc.save();
        QCOMPARE(r.ui.saves.size(), 1);
        QCOMPARE(r.ui.saves[0].filter, QStringLiteral("Gravelink file (*.grvlk)|*.grvlk"));
        QCOMPARE(r.ui.saves[0].suffix, QStringLiteral("grvlk"));
        QCOMPARE(r.ui.caption, QStringLiteral("[plan]-Gravelink"));
        QCOMPARE(r.e.doc().fileName(), target);
        QVERIFY(!r.e.doc().modified());
        QCOMPARE(readAll(target), schemeBytes(842, 595, r.e.doc().tables(), false));

        // The next Save writes there without a dialog; the dialogs now start in its folder.
        r.e.doc().appendRow(r.e.doc().points(), {"P2", "1", "2", "", "$00CCFFCC"});
        r.e.doc().markModified();
        r.doc.save();
        QCOMPARE(r.ui.saves.size(), 1);
        QCOMPARE(readScheme(readAll(target)).tables.PGrid.RowCount(), 4);
        QCOMPARE(r.doc.dialogFolder(), QFileInfo(target).absolutePath());
    }

    void saveAfterOpenUsesTheFile()
    {
        Rig r;
        const QString file = r.path(QStringLiteral("plan.v2.grvlk"));
        writeFile(file, exampleFile());
        r.ui.onOpen = [&] { return file; };
        r.doc.openScheme();
        QCOMPARE(r.ui.opens.size(), 1);
        QCOMPARE(r.ui.opens[0].filter, QStringLiteral("Gravelink file (*.grvlk)|*.grvlk"));
        QCOMPARE(r.ui.caption, QStringLiteral("[plan.v2]-Gravelink"));
        QCOMPARE(r.e.doc().sheet().width(), 500);
        QCOMPARE(r.e.doc().rectangles().Cells(ColCaption, 1), QStringLiteral("Store"));
        QVERIFY(r.e.gridVisible());
        QVERIFY(r.ui.isEnabled(Ctl::SelectAllAction));
        QVERIFY(r.ui.isEnabled(Ctl::LineTool));
        QVERIFY(!r.e.doc().modified());

        r.e.doc().appendRow(r.e.doc().rectangles(), {"R2", "10", "10", "New", "$0099FFFF"});
        r.e.doc().markModified();
        r.doc.save();
        QVERIFY(r.ui.saves.isEmpty());
        QCOMPARE(readScheme(readAll(file)).tables.HGrid.Cells(ColName, 2), QStringLiteral("R2"));
    }

    // The scheme's path is fixed when it is opened, as the system reads the name given then.
    void openedPathIsAbsolute_data()
    {
        QTest::addColumn<QString>("given"); // relative to the work folder
        QTest::addColumn<QString>("meant"); // relative to the rig's folder
        QTest::newRow("relative") << "plan.grvlk"
                                  << "plan.grvlk";
        QTest::newRow("dot dot") << "deep/../plan.grvlk"
                                 << "plan.grvlk";
        QTest::newRow("dot dot after a link") << "link/../plan.grvlk"
                                              << "deep/plan.grvlk";
        QTest::newRow("linked file") << "alias.grvlk"
                                     << "alias.grvlk";
    }
    void openedPathIsAbsolute()
    {
        QFETCH(QString, given);
        QFETCH(QString, meant);
        Rig r;
        QVERIFY(QDir(r.dir.path()).mkpath("deep/inner"));
        QVERIFY(QFile::link(r.path("deep/inner"), r.path("link")));
        writeFile(r.path("plan.grvlk"), exampleFile());
        writeFile(r.path("deep/plan.grvlk"), exampleFile());
        QVERIFY(QFile::link(r.path("plan.grvlk"), r.path("alias.grvlk")));
        const QString work = QDir::currentPath();
        QDir::setCurrent(r.dir.path());
        r.doc.LoadModel(given);
        QDir::setCurrent(QDir::tempPath()); // another folder: Save still writes the file opened
        r.addScheme();
        r.doc.save();
        QDir::setCurrent(work);
        const QString path = QDir(r.dir.path()).canonicalPath() + "/" + meant;
        QCOMPARE(r.e.doc().fileName(), path);
        QCOMPARE(r.doc.recentFiles().paths(), QStringList{path});
        QCOMPARE(readScheme(readAll(path)).tables.PGrid.RowCount(), 4);
        QVERIFY(QFileInfo(r.path("alias.grvlk")).isSymLink());
    }

    // Another program's change is caught before Save replaces it, and offered for reloading
    // while the scheme is unmodified; a file touched with the same bytes is no change.
    void fileChangedOnDisk_data()
    {
        QTest::addColumn<QByteArray>("caption");
        QTest::addColumn<bool>("changed");
        QTest::newRow("other size") << QByteArray("Stores") << true;
        QTest::newRow("same size, other bytes") << QByteArray("Stork") << true;
        QTest::newRow("same bytes, touched") << QByteArray("Store") << false;
    }
    void fileChangedOnDisk()
    {
        QFETCH(QByteArray, caption);
        QFETCH(bool, changed);
        Rig r;
        const QString file = r.path(QStringLiteral("plan.grvlk"));
        QByteArray theirs = exampleFile().replace("Store", caption);
        const auto otherProgramWrites = [&] {
            writeFile(file, theirs);
            QFile f(file);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(
                f.setFileTime(QDateTime::currentDateTime().addSecs(10), QFileDevice::FileModificationTime));
        };
        writeFile(file, exampleFile());
        r.doc.LoadModel(file);
        otherProgramWrites();
        r.e.doc().appendRow(r.e.doc().rectangles(), {"R2", "10", "10", "Mine", "$0099FFFF"});
        r.e.doc().markModified();
        r.doc.checkFileOnDisk(); // modified: nothing offered
        QVERIFY(r.ui.questions.isEmpty());

        bool saved = false;
        try {
            r.doc.save(); // No (the default) keeps both
            saved = true;
        } catch (const SilentAbort &) {
        }
        QCOMPARE(saved, !changed);
        QCOMPARE(readAll(file) == theirs, changed);
        QCOMPARE(r.e.doc().modified(), changed);
        if (changed) {
            QCOMPARE(r.ui.questions,
                     QStringList{QString("The file \"%1\" was changed by another program after it "
                                         "was opened. Replace it with this scheme?")
                                     .arg(file)});
            r.ui.onYesNo = [](const QString &) { return true; };
            r.doc.save();
            QVERIFY(!r.e.doc().modified());
        }
        QCOMPARE(readScheme(readAll(file)).tables.HGrid.Cells(ColCaption, 2), QStringLiteral("Mine"));

        // Unmodified: reloaded on Yes, asked once per change.
        r.ui.questions.clear();
        r.ui.onYesNo = [](const QString &) { return true; };
        if (!changed)
            theirs = readAll(file);
        otherProgramWrites();
        r.doc.checkFileOnDisk();
        r.doc.checkFileOnDisk();
        QCOMPARE(r.ui.questions.size(), changed ? 1 : 0);
        QCOMPARE(r.e.doc().rectangles().RowCount(), changed ? 3 : 4);
        QCOMPARE(r.e.doc().rectangles().Cells(ColCaption, 1), QString(caption));
        QVERIFY(!r.e.doc().modified());
    }

    void openLockedScheme()
    {
        Rig r;
        const QString file = r.path(QStringLiteral("locked.grvlk"));
        writeFile(file, exampleFile(true));
        r.e.doc().markModified();
        r.doc.LoadModel(file);
        QVERIFY(r.ui.isChecked(Ctl::LockAction));
        QVERIFY(!r.ui.isEnabled(Ctl::RectangleTool));
        QVERIFY(!r.ui.isEnabled(Ctl::SelectAllAction));
        QVERIFY(!r.e.doc().modified());
        // Saving it keeps the lock.
        r.doc.save();
        QVERIFY(readScheme(readAll(file)).locked);
    }

    void failedOpenIsReported_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("rectangles");
        QTest::addColumn<int>("width");
        QTest::newRow("first line") << QByteArray("wide\r\n595\r\n")
                                    << "Line 1: the sheet width 'wide' is not a number" << 0 << 842;
        QTest::newRow("ends in a section")
            << QByteArray("300\r\n200\r\n[H]\r\n4\r\n5\r\nR1\r\n1\r\n2\r\nA\r\n0\r\nR2\r\n5\r\n")
            << "Line 12: the file ends inside the [H] section of line 3" << 1 << 300;
        QTest::newRow("missing file") << QByteArray() << "Cannot open file" << 0 << 842;
    }
    void failedOpenIsReported()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, expected);
        QFETCH(int, rectangles);
        QFETCH(int, width);
        Rig r;
        r.addScheme();
        const QString file = r.path(QStringLiteral("bad.grvlk"));
        if (!content.isEmpty())
            writeFile(file, content);
        r.ui.onAsk = [](const QString &) { return SaveAnswer::No; };
        r.ui.onOpen = [&] { return file; };
        r.doc.openScheme();
        QCOMPARE(r.ui.errors.size(), 1);
        QVERIFY2(r.ui.errors[0].contains(expected), qPrintable(r.ui.errors[0]));
        QVERIFY(r.ui.errors[0].contains(QStringLiteral("bad.grvlk")));
        QCOMPARE(r.e.doc().rectangles().RowCount(), rectangles + 2);
        QCOMPARE(r.e.doc().points().RowCount(), 2);
        QCOMPARE(r.e.doc().sheet().width(), width);
        QVERIFY(r.e.doc().fileName().isEmpty());
        QCOMPARE(r.ui.caption, QStringLiteral("Gravelink"));
        QVERIFY(r.e.doc().modified()); // as before the load
        QVERIFY(r.e.gridVisible());
        QVERIFY(!r.ui.isChecked(Ctl::LockAction));
        // The sheet shows what the tables hold: the old rectangle is gone.
        QVERIFY(r.e.doc().sheet().image().pixel(120, 100) != toQRgb(0x0099FFFF));
    }

    void failingSaveKeepsTheFile()
    {
        Rig r;
        r.addScheme();
        const QString file = r.path(QStringLiteral("plan.grvlk"));
        const QByteArray old("old content\r\n");
        writeFile(file, old);
        r.e.doc().setFileName(file);
        QString message;
        try {
            FileSizeLimit limit(old.size());
            r.doc.save();
        } catch (const AppError &error) {
            message = error.message();
        }
        QVERIFY2(message.contains(file), qPrintable(message));
        QCOMPARE(readAll(file), old);
        QVERIFY(r.e.doc().modified());

        // Save as to a place that cannot be written keeps the scheme's name.
        r.ui.onSave = [&] { return r.path(QStringLiteral("no/such/folder/x.grvlk")); };
        QVERIFY_THROWS_EXCEPTION(AppError, r.doc.saveAs());
        QCOMPARE(r.e.doc().fileName(), file);

        // During the close query the failure is shown and the window stays open.
        r.ui.onAsk = [](const QString &) { return SaveAnswer::Yes; };
        bool canClose = true;
        {
            FileSizeLimit limit(old.size());
            r.doc.closeQuery(canClose);
        }
        QVERIFY(!canClose);
        QCOMPARE(r.ui.errors.size(), 1);
        QVERIFY(r.ui.errors[0].contains(file));
        QCOMPARE(readAll(file), old);
    }

    void bitmapNames_data()
    {
        QTest::addColumn<bool>("viaSaveAs");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("bitmapWritten");
        QTest::addColumn<bool>("schemeWritten");
        QTest::newRow("save as .bmp") << true << "picture.bmp" << true << false;
        QTest::newRow("save as .BMP is a scheme") << true << "picture.BMP" << false << true;
        QTest::newRow("bitmap .bmp") << false << "picture.bmp" << true << false;
        QTest::newRow("bitmap .BMP") << false << "picture.BMP" << true << false;
        QTest::newRow("bitmap .png") << false << "picture.png" << false << false;
        QTest::newRow("bitmap, bmp inside") << false << "picture.bmp.txt" << false << false;
    }
    void bitmapNames()
    {
        QFETCH(bool, viaSaveAs);
        QFETCH(QString, name);
        QFETCH(bool, bitmapWritten);
        QFETCH(bool, schemeWritten);
        Rig r;
        r.addScheme();
        const QString target = r.path(name);
        r.ui.onSave = [&] { return target; };
        if (viaSaveAs)
            r.doc.saveAs();
        else
            r.doc.saveAsBitmap();
        if (!viaSaveAs) {
            QCOMPARE(r.ui.saves[0].filter, QStringLiteral("Bitmap (*.bmp)|*.bmp"));
            QCOMPARE(r.ui.saves[0].suffix, QStringLiteral("bmp"));
        }
        const QByteArray bytes = readAll(target);
        QCOMPARE(bytes.startsWith("BM"), bitmapWritten);
        QCOMPARE(readScheme(bytes).ok, schemeWritten);
        QCOMPARE(r.e.doc().modified(), !schemeWritten);
        QCOMPARE(r.e.doc().fileName().isEmpty(), !schemeWritten);
        QCOMPARE(r.ui.caption, schemeWritten ? "[picture]-Gravelink" : "Gravelink");
        // A refused name is explained; nothing is reported otherwise.
        QCOMPARE(r.ui.infos.size(), !bitmapWritten && !schemeWritten ? 1 : 0);
    }

    void bitmapIsTheSheet()
    {
        Rig r;
        r.addScheme();
        // A selection and the grid are overlay drawing and stay out of the picture.
        EditorTestAccess::selection(r.e).kind = ElementKind::Rectangle;
        EditorTestAccess::selection(r.e).selX = 120;
        EditorTestAccess::selection(r.e).selY = 100;
        r.e.refreshOverlay();
        const QString target = r.path(QStringLiteral("sheet.bmp"));
        r.ui.onSave = [&] { return target; };
        r.doc.saveAsBitmap();
        const QByteArray bytes = readAll(target);
        QVERIFY(bytes.size() > 54);
        QCOMPARE(int(quint8(bytes[28])) | int(quint8(bytes[29])) << 8, 24); // bits per pixel
        QCOMPARE(int(quint8(bytes[30])), 0);                                // uncompressed
        QImage saved;
        QVERIFY(saved.loadFromData(bytes, "BMP"));
        QCOMPARE(saved.convertToFormat(QImage::Format_RGB32),
                 r.e.doc().sheet().image().convertToFormat(QImage::Format_RGB32));
        QVERIFY(r.e.overlayImage() != r.e.doc().sheet().image());

        r.doc.copyImage();
        QCOMPARE(r.ui.clipboard, r.e.doc().sheet().image());
    }

    // A bitmap written in pieces that fails part-way leaves the previous picture whole and
    // no piece of the new one behind.
    void failingBitmapSaveKeepsTheFile()
    {
        Rig r;
        r.e.doc().sheet().CreateBitmap(2380, 3368); // a 24 MB picture
        r.addScheme();
        const QString target = r.path(QStringLiteral("sheet.bmp"));
        const QByteArray old("an older picture");
        writeFile(target, old);
        r.ui.onSave = [&] { return target; };
        QString message;
        try {
            FileSizeLimit limit(3 << 20); // beyond the first pieces, short of the whole picture
            r.doc.saveAsBitmap();
        } catch (const AppError &error) {
            message = error.message();
        }
        QVERIFY2(message.contains(target), qPrintable(message));
        QCOMPARE(readAll(target), old);
        QCOMPARE(QDir(r.dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("sheet.bmp")});
    }

    void commandLineStart_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("create");
        QTest::addColumn<bool>("opened");
        QTest::addColumn<QString>("error"); // the end of the message shown, if any
        QTest::newRow("upper-case extension") << "plan.GRVLK" << true << true << "";
        QTest::newRow("text file") << "plan.txt" << true << false << "";
        QTest::newRow("missing file") << "plan.grvlk" << false << false << "";
        QTest::newRow("folder") << "folder.grvlk" << false << false << "folder.grvlk\". It is a folder.";
        QTest::newRow("named pipe") << "pipe" << false << false << "pipe\". It is not a regular file.";
        QTest::newRow("no argument") << "" << false << false << "";
    }
    void commandLineStart()
    {
        QFETCH(QString, name);
        QFETCH(bool, create);
        QFETCH(bool, opened);
        QFETCH(QString, error);
        Rig r;
        if (create)
            writeFile(r.path(name), exampleFile());
        if (name.startsWith(QLatin1String("folder")))
            QVERIFY(QDir(r.dir.path()).mkdir(name));
        if (name == QLatin1String("pipe"))
            QCOMPARE(::mkfifo(QFile::encodeName(r.path(name)).constData(), 0600), 0);
        r.doc.FormShow(name.isEmpty() ? QStringList{} : QStringList{r.path(name), r.path("second.grvlk")});
        QVERIFY(r.ui.questions.isEmpty());
        QCOMPARE(r.ui.errors.size(), error.isEmpty() ? 0 : 1);
        if (!error.isEmpty())
            QVERIFY2(r.ui.errors[0].endsWith(error), qPrintable(r.ui.errors[0]));
        QCOMPARE(r.e.doc().rectangles().RowCount(), opened ? 3 : 2);
        QCOMPARE(r.e.doc().sheet().width(), opened ? 500 : 842);
        QCOMPARE(r.ui.caption, opened ? "[plan]-Gravelink" : "Gravelink");
    }

    void newSheet()
    {
        Rig r;
        r.addScheme();
        r.e.doc().setFileName(r.path(QStringLiteral("a.grvlk")));
        r.ui.caption = QStringLiteral("[a]-Gravelink");
        r.ui.onAsk = [](const QString &) { return SaveAnswer::No; };

        // Cancelled: nothing changes.
        r.doc.newScheme();
        QCOMPARE(r.e.doc().rectangles().RowCount(), 3);
        QVERIFY(r.e.doc().modified());
        QCOMPARE(r.e.doc().fileName(), r.path(QStringLiteral("a.grvlk")));

        r.e.doc().setLocked(true);
        r.ui.checked[Ctl::LockAction] = true;
        QSize offered;
        r.ui.onNewSheet = [&](int &w, int &h) {
            offered = QSize(w, h);
            w = 1191;
            h = 842;
            return true;
        };
        r.doc.newScheme();
        QCOMPARE(offered, QSize(842, 595));
        QCOMPARE(r.e.doc().sheet().width(), 1191);
        QCOMPARE(r.e.doc().sheet().height(), 842);
        QCOMPARE(r.e.doc().rectangles().RowCount(), 2);
        QCOMPARE(r.e.doc().lines().RowCount(), 2);
        QVERIFY(!r.e.doc().modified());
        QVERIFY(r.e.doc().fileName().isEmpty());
        QCOMPARE(r.ui.caption, QStringLiteral("Gravelink"));
        QVERIFY(!r.ui.isChecked(Ctl::LockAction));
        QCOMPARE(r.e.doc().sheet().image().pixel(600, 400), qRgb(255, 255, 255));

        // The next Save asks for a name, starting in the folder last used.
        r.doc.save();
        QCOMPARE(r.ui.saves.size(), 1);
        QCOMPARE(r.ui.saves[0].folder, QDir::currentPath());
    }

    void dialogFolder()
    {
        Rig r;
        QCOMPARE(r.doc.dialogFolder(), QDir::currentPath());
        QVERIFY(QDir(r.dir.path()).mkdir(QStringLiteral("sub")));
        const QString file = r.path(QStringLiteral("sub/x.grvlk"));
        writeFile(file, exampleFile());
        r.ui.onOpen = [&] { return file; };
        r.doc.openScheme();
        QCOMPARE(r.doc.dialogFolder(), r.path(QStringLiteral("sub")));
        // A failed open still remembers where the user looked.
        writeFile(r.path(QStringLiteral("bad.grvlk")), "x\r\n");
        r.ui.onOpen = [&] { return r.path(QStringLiteral("bad.grvlk")); };
        r.doc.openScheme();
        QVERIFY(r.e.doc().fileName().isEmpty());
        QCOMPARE(r.doc.dialogFolder(), QDir(r.dir.path()).absolutePath());
    }

    void shortFileName_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("shortName");
        QTest::addColumn<QString>("extension");
        QTest::newRow("windows") << "C:\\notes\\plan.v2.grvlk"
                                 << "plan.v2"
                                 << ".grvlk";
        QTest::newRow("unix") << "/home/u/plan.grvlk"
                              << "plan"
                              << ".grvlk";
        QTest::newRow("drive only") << "C:plan.GRVLK"
                                    << "plan"
                                    << ".GRVLK";
        QTest::newRow("dot in folder") << "/a.b/plan"
                                       << "plan"
                                       << "";
        QTest::newRow("bare") << "plan"
                              << "plan"
                              << "";
        QTest::newRow("only extension") << "/x/.grvlk"
                                        << ""
                                        << ".grvlk";
        QTest::newRow("mixed separators") << "C:/notes\\sub/plan.grvlk"
                                          << "plan"
                                          << ".grvlk";
    }
    void shortFileName()
    {
        QFETCH(QString, path);
        QFETCH(QString, shortName);
        QFETCH(QString, extension);
        QCOMPARE(DocumentCommands::get_Shortfilename(path), shortName);
        QCOMPARE(DocumentCommands::fileExtension(path), extension);
    }
};

QTEST_MAIN(TestDocumentCommands)
#include "tst_documentcommands.moc"
