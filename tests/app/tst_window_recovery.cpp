#include "support/MainWindowFixture.h"
#include "support/TableEdits.h"

#include "app/Recovery.h"
#include "editor/Autosaver.h"
#include "editor/RecoveryStore.h"
#include "model/SchemeFile.h"
#include "model/TableOps.h"

#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>

#include <algorithm>

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
    void recoveredPath_data();
    void recoveredPath();
    void questionShowsPathsWhole();
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
    QCOMPARE(f.editor().doc().fileName(), recovered ? original : QString());
    QCOMPARE(f.editor().doc().modified(), recovered);
    QCOMPARE(f.editor().doc().rectangles().RowCount(), recovered ? 3 : 2);
    if (recovered) {
        QVERIFY(f.modal.questions[0].contains('"' + original + '"'));
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

// Which file a recovered scheme is saved to, and what the question says about it.
void TestWindowRecovery::recoveredPath_data()
{
    QTest::addColumn<QString>("recorded"); // in the recovery record; "@" is the test's folder
    QTest::addColumn<QString>("named");    // named on the command line
    QTest::addColumn<QString>("savedTo");  // empty: Save asks for a name
    QTest::addColumn<QString>("asked");    // a part of the question
    QTest::newRow("absolute") << "@/w/plan.grvlk"
                              << ""
                              << "@/w/plan.grvlk"
                              << "Recover the unsaved changes to \"@/w/plan.grvlk\" from ";
    QTest::newRow("record of an older version") << "plan.grvlk"
                                                << ""
                                                << ""
                                                << "Its folder no longer exists";
    QTest::newRow("folder gone") << "@/gone/plan.grvlk"
                                 << ""
                                 << ""
                                 << "Its folder no longer exists";
    QTest::newRow("the same file named") << "@/w/plan.grvlk"
                                         << "@/w/plan.grvlk"
                                         << "@/w/plan.grvlk"
                                         << "Recover the unsaved changes to \"@/w/plan.grvlk\" from ";
    QTest::newRow("another file named") << "@/w/plan.grvlk"
                                        << "@/plan.grvlk"
                                        << "@/w/plan.grvlk"
                                        << "Recover them instead of opening \"@/plan.grvlk\"?";
}

void TestWindowRecovery::recoveredPath()
{
    QFETCH(QString, recorded);
    QFETCH(QString, named);
    QFETCH(QString, savedTo);
    QFETCH(QString, asked);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("w"));
    for (QString *text : {&recorded, &named, &savedTo, &asked})
        text->replace('@', dir.path());
    const QString folder = dir.path() + "/recovery";
    ElementTables tables;
    appendRow(tables.HGrid, {"R1", "120", "100", "Store", "$0099FFFF"});
    RecoveryStore(folder).write(schemeBytes(900, 600, tables, false), recorded,
                                QDateTime::currentDateTimeUtc());

    MainWindowFixture f;
    f.window->startAutosave(folder);
    f.modal.onYesNo = [](const QString &) { return true; };
    const QString other = dir.path() + "/other.grvlk";
    f.modal.onSave = [&](const ScriptedModal::FileCall &) { return other; };
    QVERIFY(offerRecovery(*f.window, folder, named));
    QVERIFY2(f.modal.questions.value(0).contains(asked), qPrintable(f.modal.questions.value(0)));
    QCOMPARE(f.editor().doc().fileName(), savedTo);
    f.documents().save();
    QCOMPARE(f.modal.saveCalls.size(), savedTo.isEmpty() ? 1 : 0);
    QCOMPARE(fileBytes(savedTo.isEmpty() ? other : savedTo), schemeBytes(900, 600, tables, false));
}

// The real question box: each path on a line of its own, whole, or shortened in the middle
// when it is wider than the box can be.
void TestWindowRecovery::questionShowsPathsWhole()
{
    QTemporaryDir dir;
    QString original = dir.path();
    for (int i = 0; i < 14; ++i)
        original += QStringLiteral("/a-folder-with-a-name-%1").arg(i, 2, 10, QLatin1Char('0'));
    RecoveryStore(dir.path() + "/r")
        .write(schemeBytes(900, 600, {}, false), original + "/plan.grvlk", QDateTime::currentDateTimeUtc());
    MainWindowFixture f;
    f.window->setModalProvider(nullptr);
    QStringList lines; // the lines of the box's text that fit its width
    QTimer::singleShot(0, f.window.get(), [&lines] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        const auto *label = box->findChild<QLabel *>("qt_msgbox_label");
        QTextDocument doc; // laid out as the label lays it out
        doc.setDocumentMargin(0);
        doc.setDefaultFont(label->font());
        label->textFormat() == Qt::RichText ? doc.setHtml(label->text()) : doc.setPlainText(label->text());
        doc.setTextWidth(label->contentsRect().width());
        doc.size();
        for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
            for (int i = 0; i < block.layout()->lineCount(); ++i)
                if (const QTextLine line = block.layout()->lineAt(i);
                    line.naturalTextWidth() <= doc.textWidth())
                    lines << block.text().mid(line.textStart(), line.textLength()).trimmed();
        box->button(QMessageBox::No)->click();
    });
    // Another scheme named on the command line: the question names it too.
    const QString named = dir.path() + "/w/other.grvlk";
    QVERIFY(!offerRecovery(*f.window, dir.path() + "/r", named));
    QVERIFY2(lines.contains('"' + named + "\"?"), qPrintable(lines.join('\n')));
    QVERIFY2(std::ranges::any_of(lines,
                                 [&](const QString &line) {
                                     return line.startsWith('"' + dir.path()) &&
                                            line.contains(QChar(0x2026)) && line.endsWith("-13/plan.grvlk\"");
                                 }),
             qPrintable(lines.join('\n')));
}

QTEST_MAIN(TestWindowRecovery)
#include "tst_window_recovery.moc"
