#include "support/TableEdits.h"
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

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray sampleBytes(bool locked)
{
    ElementTables t;
    appendRow(t.HGrid, {"R1", "120", "100", "Lager \u00e9t\u00e9", "$0099FFFF"});
    appendRow(t.EGrid, {"R1-R1", "260", "200", ""});
    return schemeBytes(842, 595, t, locked);
}

} // namespace

class TestRecovery : public QObject {
    Q_OBJECT
private slots:
    void roundTrip_data();
    void roundTrip();
    void onlyDeadEditorsFilesOffered_data();
    void onlyDeadEditorsFilesOffered();
    void autosaverFollowsChanges();
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
    const QByteArray bytes = sampleBytes(locked);
    RecoveryStore(dir.path()).write(bytes, original, QDateTime::currentDateTimeUtc());

    std::vector<RecoveredFile> found = findRecoveryFiles(dir.path());
    QCOMPARE(found.size(), size_t(1));
    QCOMPARE(fileBytes(found[0].schemePath), bytes);
    const SchemeReadResult read = readScheme(bytes);
    QVERIFY(read.ok);
    QCOMPARE(schemeBytes(read.width, read.height, read.tables, read.locked), bytes);
    QCOMPARE(found[0].originalPath, original);
    QVERIFY(found[0].intact());
    QVERIFY(qAbs(found[0].time.secsTo(QDateTime::currentDateTimeUtc())) < 60);
    // Cut short: no longer whole.
    QVERIFY(QFile::resize(found[0].schemePath, bytes.indexOf("[E]")));
    QVERIFY(!found[0].intact());
}

void TestRecovery::onlyDeadEditorsFilesOffered_data()
{
    QTest::addColumn<QString>("owner");
    QTest::addColumn<bool>("offered");
    QTest::newRow("running editor") << "live" << false;
    QTest::newRow("editor released its lock") << "released" << true;
    QTest::newRow("stale lock of a dead editor") << "dead" << true;
}

void TestRecovery::onlyDeadEditorsFilesOffered()
{
    QFETCH(QString, owner);
    QFETCH(bool, offered);
    QTemporaryDir dir;
    auto editor = std::make_unique<RecoveryStore>(dir.path());
    editor->write(sampleBytes(false), QString(), QDateTime::currentDateTimeUtc());
    const QString lockPath = QString(editor->schemePath()).replace(".grvlk", ".lock");
    const QByteArray lock = fileBytes(lockPath);
    if (owner != "live")
        editor.reset();
    if (owner == "dead") {
        // The same lock as written by a process that has exited.
        QProcess gone;
        gone.start("true");
        QVERIFY(gone.waitForStarted());
        const QByteArray pid = QByteArray::number(gone.processId());
        QVERIFY(gone.waitForFinished());
        QFile f(lockPath);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(pid + lock.mid(lock.indexOf('\n')));
    }
    const std::vector<RecoveredFile> first = findRecoveryFiles(dir.path());
    QCOMPARE(first.size(), size_t(offered ? 1 : 0));
    // What is offered is held until released: a second editor starting meanwhile sees nothing.
    QVERIFY(findRecoveryFiles(dir.path()).empty());
}

void TestRecovery::autosaverFollowsChanges()
{
    QTemporaryDir dir;
    const QString folder = dir.path() + "/recovery";
    QFile blocker(folder); // the folder cannot be made while a file has its name
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Document doc;
    doc.createSheet(842, 595);
    Autosaver autosaver(doc, folder);
    QStringList reasons;
    autosaver.setFailureHandler([&](const QString &reason) { reasons << reason; });
    doc.appendRow(doc.points(), {"P1", "400", "300", "Gate", "$00CCFFCC"});
    doc.markModified();
    for (int attempt = 0; attempt < 2; ++attempt) { // said once
        autosaver.sync();
        autosaver.writeNow();
        autosaver.waitForJobs();
        QCoreApplication::processEvents();
    }
    QVERIFY(autosaver.lastWriteFailed());
    QVERIFY(autosaver.schemePath().isEmpty());
    QCOMPARE(reasons, QStringList{QString("Cannot create the folder \"%1\".").arg(folder)});

    // The next change is written after the delay.
    QVERIFY(QFile::remove(folder));
    doc.setCell(doc.points(), ColCaption, 1, "Door");
    autosaver.sync();
    QTRY_VERIFY_WITH_TIMEOUT(!autosaver.schemePath().isEmpty(), 10000);
    const QString path = autosaver.schemePath();
    QCOMPARE(fileBytes(path), schemeBytes(842, 595, doc.tables(), false));

    // Saved: the copy goes.
    doc.markSaved();
    autosaver.sync();
    QVERIFY(autosaver.schemePath().isEmpty());
    QVERIFY(!QFile::exists(path));

    // The lock is a change too; a normal close removes the copy.
    doc.setLocked(true);
    doc.markModified();
    autosaver.sync();
    QTRY_VERIFY_WITH_TIMEOUT(!autosaver.schemePath().isEmpty(), 10000);
    QCOMPARE(fileBytes(autosaver.schemePath()), schemeBytes(842, 595, doc.tables(), true));
    autosaver.closeNormally();
    QVERIFY(QDir(folder).isEmpty());
}

QTEST_GUILESS_MAIN(TestRecovery)
#include "tst_recovery.moc"
