#include "editor/Autosaver.h"
#include "editor/Document.h"
#include "editor/RecoveryStore.h"
#include "model/SchemeFile.h"
#include "model/TableOps.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

ElementTables sampleTables()
{
    ElementTables t;
    appendRow(t.HGrid, {"R1", "120", "100", "Lager \u00e9t\u00e9", "$0099FFFF"});
    appendRow(t.PGrid, {"P1", "400", "300", "Gate", "$00CCFFCC"});
    appendRow(t.EGrid, {"R1-P1", "260", "200", ""});
    return t;
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Writes a recovery file as an editor that then went away (its lock released, files kept).
QString leaveRecoveryFile(const QString &folder, const QByteArray &scheme, const QString &original,
                          QByteArray *lockContent = nullptr)
{
    RecoveryStore store(folder);
    store.write(scheme, original, QDateTime::currentDateTimeUtc());
    if (lockContent)
        *lockContent = fileBytes(QString(store.schemePath()).replace(".grvlk", ".lock"));
    return store.schemePath();
}

} // namespace

class TestRecovery : public QObject {
    Q_OBJECT
private slots:
    void roundTrip_data();
    void roundTrip();
    void onlyDeadEditorsFilesOffered_data();
    void onlyDeadEditorsFilesOffered();
    void setAsideFileNotOfferedAgain();
    void autosaverWritesAndRemoves();
    void failedWriteRetriedAtNextChange();
};

void TestRecovery::roundTrip_data()
{
    QTest::addColumn<QString>("original");
    QTest::addColumn<bool>("locked");
    QTest::newRow("new scheme") << QString() << false;
    QTest::newRow("named, locked") << QStringLiteral("/home/\u00e9l\u00e8ve/plan = 1.grvlk") << true;
}

void TestRecovery::roundTrip()
{
    QFETCH(QString, original);
    QFETCH(bool, locked);
    QTemporaryDir dir;
    const QByteArray bytes = schemeBytes(842, 595, sampleTables(), locked);
    const QString path = leaveRecoveryFile(dir.path(), bytes, original);

    QCOMPARE(fileBytes(path), bytes);
    const SchemeReadResult read = readScheme(fileBytes(path));
    QVERIFY(read.ok);
    QCOMPARE(schemeBytes(read.width, read.height, read.tables, read.locked), bytes);

    std::vector<RecoveredFile> found = findRecoveryFiles(dir.path());
    QCOMPARE(found.size(), size_t(1));
    QCOMPARE(found[0].schemePath, path);
    QCOMPARE(found[0].originalPath, original);
    QVERIFY(found[0].intact());
    QVERIFY(qAbs(found[0].time.secsTo(QDateTime::currentDateTimeUtc())) < 60);
}

void TestRecovery::onlyDeadEditorsFilesOffered_data()
{
    QTest::addColumn<QString>("owner");
    QTest::addColumn<bool>("offered");
    QTest::newRow("running editor") << "live" << false;
    QTest::newRow("editor closed its lock") << "released" << true;
    QTest::newRow("stale lock of a dead editor") << "dead" << true;
}

void TestRecovery::onlyDeadEditorsFilesOffered()
{
    QFETCH(QString, owner);
    QFETCH(bool, offered);
    QTemporaryDir dir;
    const QByteArray bytes = schemeBytes(842, 595, sampleTables(), false);
    std::unique_ptr<RecoveryStore> live;
    if (owner == "live") {
        live = std::make_unique<RecoveryStore>(dir.path());
        live->write(bytes, QString(), QDateTime::currentDateTimeUtc());
    } else {
        QByteArray lock;
        const QString path = leaveRecoveryFile(dir.path(), bytes, QString(), &lock);
        if (owner == "dead") {
            // The same lock as written by a process that has exited.
            QProcess gone;
            gone.start("true");
            QVERIFY(gone.waitForStarted());
            const QByteArray pid = QByteArray::number(gone.processId());
            QVERIFY(gone.waitForFinished());
            QFile f(QString(path).replace(".grvlk", ".lock"));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(pid + lock.mid(lock.indexOf('\n')));
        }
    }
    QCOMPARE(findRecoveryFiles(dir.path()).size(), size_t(offered ? 1 : 0));
    // What is offered is held for this editor until released.
    std::vector<RecoveredFile> first = findRecoveryFiles(dir.path());
    QCOMPARE(findRecoveryFiles(dir.path()).size(), size_t(0));
}

void TestRecovery::setAsideFileNotOfferedAgain()
{
    QTemporaryDir dir;
    const QByteArray bytes = schemeBytes(842, 595, sampleTables(), false);
    const QString path = leaveRecoveryFile(dir.path(), bytes, QString());
    QVERIFY(QFile::resize(path, bytes.size() / 2));
    std::vector<RecoveredFile> found = findRecoveryFiles(dir.path());
    QCOMPARE(found.size(), size_t(1));
    QVERIFY(!found[0].intact());
    QCOMPARE(found[0].setAside(), path + ".broken");
    found.clear();
    QCOMPARE(fileBytes(path + ".broken"), bytes.left(bytes.size() / 2));
    QVERIFY(findRecoveryFiles(dir.path()).empty());
}

void TestRecovery::autosaverWritesAndRemoves()
{
    QTemporaryDir dir;
    const QString folder = dir.path() + "/recovery";
    Document doc;
    doc.createSheet(842, 595);
    Autosaver autosaver(doc, folder);
    doc.setFileName("/tmp/plan.grvlk");
    doc.appendRow(doc.rectangles(), {"R1", "120", "100", "Store", "$0099FFFF"});
    doc.setModified(true);
    autosaver.sync();
    QTRY_VERIFY_WITH_TIMEOUT(!autosaver.schemePath().isEmpty(), 10000);
    const QString path = autosaver.schemePath();
    QCOMPARE(fileBytes(path), schemeBytes(842, 595, doc.tables(), false));
    QVERIFY(findRecoveryFiles(folder).empty());

    // Saved: the copy goes.
    doc.setModified(false);
    autosaver.sync();
    QVERIFY(autosaver.schemePath().isEmpty());
    QVERIFY(!QFile::exists(path));

    // The lock is a change too; a normal close removes the copy.
    doc.setLocked(true);
    doc.setModified(true);
    autosaver.sync();
    autosaver.writeNow();
    QTRY_VERIFY(!autosaver.schemePath().isEmpty());
    QCOMPARE(fileBytes(autosaver.schemePath()), schemeBytes(842, 595, doc.tables(), true));
    autosaver.closeNormally();
    QVERIFY(QDir(folder).isEmpty());
}

void TestRecovery::failedWriteRetriedAtNextChange()
{
    QTemporaryDir dir;
    const QString folder = dir.path() + "/recovery";
    QFile blocker(folder);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Document doc;
    doc.createSheet(842, 595);
    Autosaver autosaver(doc, folder);
    doc.appendRow(doc.points(), {"P1", "400", "300", "Gate", "$00CCFFCC"});
    doc.setModified(true);
    autosaver.sync();
    autosaver.writeNow();
    autosaver.waitForJobs();
    QVERIFY(autosaver.lastWriteFailed());
    QVERIFY(autosaver.schemePath().isEmpty());

    QVERIFY(QFile::remove(folder));
    doc.setCell(doc.points(), ColCaption, 1, "Door");
    autosaver.sync();
    QTRY_VERIFY_WITH_TIMEOUT(!autosaver.schemePath().isEmpty(), 10000);
    QVERIFY(!autosaver.lastWriteFailed());
    QCOMPARE(fileBytes(autosaver.schemePath()), schemeBytes(842, 595, doc.tables(), false));
}

QTEST_GUILESS_MAIN(TestRecovery)
#include "tst_recovery.moc"
