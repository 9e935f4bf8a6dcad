#include "support/MainWindowFixture.h"

#include "app/Recovery.h"
#include "editor/Autosaver.h"
#include "editor/RecoveryStore.h"
#include "model/SchemeFile.h"
#include "model/TableOps.h"

#include <QDir>
#include <QTemporaryDir>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestWindowRecovery : public QObject {
    Q_OBJECT
private slots:
    void startOffersRecovery_data();
    void startOffersRecovery();
};

void TestWindowRecovery::startOffersRecovery_data()
{
    QTest::addColumn<bool>("broken");
    QTest::addColumn<bool>("answer");
    QTest::newRow("Yes recovers") << false << true;
    QTest::newRow("No deletes") << false << false;
    QTest::newRow("broken file set aside") << true << true;
}

void TestWindowRecovery::startOffersRecovery()
{
    QFETCH(bool, broken);
    QFETCH(bool, answer);
    QTemporaryDir dir;
    const QString folder = dir.path() + "/recovery";
    const QString original = dir.path() + "/plan.grvlk";
    ElementTables tables;
    appendRow(tables.HGrid, {"R1", "120", "100", "Store", "$0099FFFF"});
    const QByteArray whole = schemeBytes(900, 600, tables, false);
    QString path;
    {
        RecoveryStore crashed(folder);
        crashed.write(whole, original, QDateTime::currentDateTimeUtc());
        path = crashed.schemePath();
    }
    // Cut at a line end: the part left still reads as a scheme.
    if (broken)
        QVERIFY(QFile::resize(path, whole.indexOf("[P]")));

    MainWindowFixture f;
    f.window->startAutosave(folder);
    f.modal.onYesNo = [answer](const QString &) { return answer; };
    const bool recovered = offerRecovery(*f.window, folder);

    QCOMPARE(recovered, answer && !broken);
    QCOMPARE(f.modal.questions.size(), broken ? 0 : 1);
    QCOMPARE(f.modal.infos.size(), broken ? 1 : 0);
    QVERIFY(f.modal.errors.isEmpty());
    QCOMPARE(QFile::exists(path + ".broken"), broken);
    QCOMPARE(f.editor().doc.fileName(), recovered ? original : QString());
    QCOMPARE(f.editor().doc.modified(), recovered);
    QCOMPARE(f.editor().doc.rectangles().RowCount(), recovered ? 3 : 2);
    if (recovered) {
        QVERIFY(f.modal.questions[0].contains("\"plan.grvlk\""));
        // The recovered copy carries on as this window's own until the scheme is saved.
        QCOMPARE(f.window->autosaver()->schemePath(), path);
        f.documents().save();
        f.window->endCommand();
        f.window->autosaver()->waitForJobs();
        QCOMPARE(fileBytes(original), whole);
    }
    QVERIFY(!QFile::exists(path));
    QVERIFY(findRecoveryFiles(folder).empty());
}

QTEST_MAIN(TestWindowRecovery)
#include "tst_window_recovery.moc"
