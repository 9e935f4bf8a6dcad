// Coordinates anywhere in the int range and megabyte captions: a scheme holding them opens,
// draws, edits and saves back without overflow or loss.
#include "editor/DocumentCommands.h"
#include "model/TableOps.h"
#include "support/EditorRig.h"
#include "support/EditorTestAccess.h"
#include "toolkit/CodePage.h"
#include "toolkit/Errors.h"
#include "toolkit/IntText.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <limits>

namespace {

constexpr int kIntMax = std::numeric_limits<int>::max();
constexpr int kIntMin = std::numeric_limits<int>::min();

QByteArray lines(const QStringList &list)
{
    QByteArray out;
    for (const QString &line : list)
        out += encodeCodePage(line) + "\r\n";
    return out;
}

// A scheme with the rectangle R1 far to the right carrying `caption`, the point P1 on the sheet
// and the line R1-P1 between them, as the program itself writes it.
QByteArray farScheme(int rectX, int rectY, const QString &caption, int pointX, int pointY)
{
    const qint64 midX = (qint64(rectX) + pointX) / 2;
    const qint64 midY = (qint64(rectY) + pointY) / 2;
    return lines({"842",
                  "595",
                  "[H]",
                  "3",
                  "5",
                  "R1",
                  QString::number(rectX),
                  QString::number(rectY),
                  caption,
                  "$0099FFFF",
                  "[~]",
                  "[P]",
                  "3",
                  "5",
                  "P1",
                  QString::number(pointX),
                  QString::number(pointY),
                  "Gate",
                  "$00CCFFCC",
                  "[~]",
                  "[E]",
                  "3",
                  "4",
                  "R1-P1",
                  QString::number(midX),
                  QString::number(midY),
                  "flow",
                  "[~]"});
}

QString megabyteCaption()
{
    QString text;
    text.reserve(1 << 20);
    const QString piece = QStringLiteral("Насос 42 pump ");
    while (text.size() < (1 << 20))
        text += piece;
    text.truncate(1 << 20);
    return text;
}

// The editor on the start-up sheet with the document commands and a folder for files.
struct Rig : EditorRig {
    DocumentCommands docs{e};
    QTemporaryDir dir;

    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(name);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            return {};
        return path;
    }
    QByteArray read(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Selects the element whose row is given, as a hit test on it would.
    void select(const StringGrid &table, int row)
    {
        e.GetRecHPE_on_Coord(StrToInt(table.Cells(ColX, row)), StrToInt(table.Cells(ColY, row)), table);
    }
};

} // namespace

class TestBigValues : public QObject {
    Q_OBJECT
private slots:
    void farElementWithMegabyteCaptionRoundTrips_data();
    void farElementWithMegabyteCaptionRoundTrips();
    void keyboardMoveAtTheIntEdges_data();
    void keyboardMoveAtTheIntEdges();
    void typedHugeCoordinateIsNotApplied();
    void dragWithHugeGrabOffsetStaysInRange();
    void groupDragClampsEveryMember();
};

void TestBigValues::farElementWithMegabyteCaptionRoundTrips_data()
{
    QTest::addColumn<int>("rectX");
    QTest::addColumn<int>("rectY");
    QTest::addColumn<int>("pointX");
    QTest::addColumn<int>("pointY");
    QTest::newRow("two billion") << 2'000'000'000 << 300 << 100 << 100;
    QTest::newRow("int max and min") << kIntMax << kIntMax << kIntMin << kIntMin;
    QTest::newRow("far left above") << kIntMin << -2'000'000'000 << 400 << 300;
}

void TestBigValues::farElementWithMegabyteCaptionRoundTrips()
{
    QFETCH(int, rectX);
    QFETCH(int, rectY);
    QFETCH(int, pointX);
    QFETCH(int, pointY);
    Rig rig;
    const QByteArray original = farScheme(rectX, rectY, megabyteCaption(), pointX, pointY);
    const QString path = rig.write(QStringLiteral("far.grvlk"), original);
    QVERIFY(!path.isEmpty());

    QElapsedTimer timer;
    timer.start();
    rig.docs.LoadModel(path);
    const qint64 loadMs = timer.elapsed();
    QVERIFY2(rig.ui.errors.isEmpty(), qPrintable(rig.ui.errors.value(0)));
    QCOMPARE(rig.e.doc().fileName(), path);
    QCOMPARE(rig.cell("R1", ColX), QString::number(rectX));
    QCOMPARE(rig.cell("R1", ColCaption).size(), 1 << 20);

    // Drawing again, selecting the far rectangle (its caption makes it wider than the sheet)
    // and the point: nothing overflows, the picture stays the sheet's size.
    timer.restart();
    rig.e.UpdateImageModel();
    const qint64 redrawMs = timer.elapsed();
    rig.select(rig.e.doc().rectangles(), 1);
    QCOMPARE(rig.e.selection().kind, ElementKind::Rectangle);
    QCOMPARE(rig.e.selection().foundX, rectX);
    QCOMPARE(rig.e.selection().foundCaption.size(), 128); // what the caption box can hold
    rig.e.Find_and_Select(pointX, pointY);
    rig.e.UpdateImageModel();
    QCOMPARE(rig.e.doc().sheet().image().size(), QSize(842, 595));
    qInfo("load %lld ms, redraw %lld ms", static_cast<long long>(loadMs), static_cast<long long>(redrawMs));

    const QString copy = rig.dir.filePath(QStringLiteral("copy.grvlk"));
    rig.docs.SaveModel(copy);
    QVERIFY(rig.read(copy) == original);
}

void TestBigValues::keyboardMoveAtTheIntEdges_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("direction");
    QTest::addColumn<bool>("moves");
    QTest::newRow("right at max") << kIntMax << 2 << false;
    QTest::newRow("left at min") << kIntMin << 0 << false;
    QTest::newRow("left at max") << kIntMax << 0 << true;
    QTest::newRow("right at min") << kIntMin << 2 << true;
}

void TestBigValues::keyboardMoveAtTheIntEdges()
{
    QFETCH(int, x);
    QFETCH(int, direction);
    QFETCH(bool, moves);
    Rig rig;
    rig.e.doc().appendRow(rig.e.doc().points(), {"P1", QString::number(x), "100", "edge", "$0099FFFF"});
    rig.e.doc().appendRow(rig.e.doc().points(), {"P2", "10", "10", "other", "$0099FFFF"});
    rig.select(rig.e.doc().points(), 1);
    QCOMPARE(rig.ui.texts[Ctl::XEdit], QString::number(x));

    bool refused = false;
    try {
        rig.e.ObjMoveOnCanvas(Direction(direction));
    } catch (const AppError &e) {
        refused = true;
        QVERIFY2(e.message().contains(QString::number(qint64(x) + (direction == 2 ? 1 : -1))),
                 qPrintable(e.message()));
    }
    QCOMPARE(refused, !moves);
    const qint64 expected = moves ? qint64(x) + (direction == 2 ? 1 : -1) : x;
    QCOMPARE(rig.e.doc().points().Cells(ColX, 1), QString::number(expected));
    QVERIFY(!rig.e.selection().keyMoveActive);

    // A multi-selection at the edge is refused whole: no member moves.
    EditorTestAccess::multi(rig.e).add(QStringLiteral("P2"));
    EditorTestAccess::multi(rig.e).add(QStringLiteral("P1"));
    rig.e.doc().setCell(rig.e.doc().points(), ColX, 1, QString::number(x));
    rig.select(rig.e.doc().points(), 1);
    try {
        rig.e.ObjMoveOnCanvas(Direction(direction));
    } catch (const AppError &) {
    }
    QCOMPARE(rig.e.doc().points().Cells(ColX, 2),
             moves ? QString::number(10 + (direction == 2 ? 1 : -1)) : "10");
}

void TestBigValues::typedHugeCoordinateIsNotApplied()
{
    Rig rig;
    rig.e.doc().appendRow(rig.e.doc().points(), {"P1", "50", "60", "pt", "$0099FFFF"});
    rig.select(rig.e.doc().points(), 1);
    for (const QString &typed : {QStringLiteral("123456789012"), QStringLiteral("2147483648"),
                                 QStringLiteral("99999999999999999999999999999999")}) {
        rig.ui.texts[Ctl::XEdit] = typed;
        rig.e.coordinateKeyFilter(QChar(13));
        QCOMPARE(rig.e.doc().points().Cells(ColX, 1), QStringLiteral("50"));
    }
    rig.ui.texts[Ctl::XEdit] = QStringLiteral("2147483647");
    rig.e.coordinateKeyFilter(QChar(13));
    QCOMPARE(rig.e.doc().points().Cells(ColX, 1), QStringLiteral("2147483647"));
    QVERIFY(rig.ui.errors.isEmpty());
}

void TestBigValues::dragWithHugeGrabOffsetStaysInRange()
{
    Rig rig;
    // A rectangle whose megabyte caption makes it millions of pixels wide, centred at int max:
    // grabbing it near its left edge gives a grab offset of millions of pixels.
    rig.e.doc().appendRow(rig.e.doc().rectangles(),
                          {"R1", QString::number(kIntMax), "100", megabyteCaption(), "$0099FFFF"});
    rig.e.doc().appendRow(rig.e.doc().points(), {"P1", "10", "10", "p", "$0099FFFF"});
    rig.e.UpdateImageModel();
    Canvas measure = rig.e.doc().sheet().canvas();
    measure.setFontName(captionFontName());
    measure.setFontSize(kCaptionPixelSize);
    const int half = measure.TextExtent(rig.cell("R1", ColCaption)).width() / 2;
    QVERIFY(half > 1'000'000);
    const int grabX = kIntMax - half + 100;

    rig.e.sheetPress(mbLeft, ssLeft, grabX, 100);
    QCOMPARE(rig.e.selection().kind, ElementKind::Rectangle);
    rig.e.sheetMove(ssLeft, grabX + 50, 100);
    QVERIFY(rig.e.gesture().grabOffsetX > 1'000'000);
    // Released further right: the new centre would pass int max and stops there.
    rig.e.sheetRelease(mbLeft, 0, grabX + 50, 100);
    QCOMPARE(rig.cell("R1", ColX), QString::number(kIntMax));

    // Dragged far left, to the int minimum: the centre follows with the grab offset.
    rig.e.sheetPress(mbLeft, ssLeft, grabX, 100);
    rig.e.sheetMove(ssLeft, kIntMin, 100);
    rig.e.sheetRelease(mbLeft, 0, kIntMin, 100);
    QCOMPARE(rig.cell("R1", ColX), QString::number(qint64(kIntMin) + (qint64(kIntMax) - grabX)));
    QVERIFY(rig.ui.errors.isEmpty());
}

void TestBigValues::groupDragClampsEveryMember()
{
    Rig rig;
    rig.e.doc().appendRow(rig.e.doc().points(), {"P1", "400", "300", "a", "$0099FFFF"});
    rig.e.doc().appendRow(rig.e.doc().points(),
                          {"P2", QString::number(kIntMin + 5), "300", "b", "$0099FFFF"});
    rig.e.UpdateImageModel();
    EditorTestAccess::multi(rig.e).add(QStringLiteral("P1"));
    EditorTestAccess::multi(rig.e).add(QStringLiteral("P2"));
    // Drag P1 to the left by 1000: P2 would pass the int minimum.
    rig.e.sheetPress(mbLeft, ssShift | ssLeft, 400, 300);
    QCOMPARE(rig.e.selection().foundName, QStringLiteral("P1"));
    rig.e.sheetMove(ssShift | ssLeft, 0, 300);
    rig.e.sheetRelease(mbLeft, ssShift, 0, 300);
    QCOMPARE(rig.cell("P1", ColX), QStringLiteral("0"));
    QCOMPARE(rig.cell("P2", ColX), QString::number(kIntMin));
}

QTEST_MAIN(TestBigValues)
#include "tst_bigvalues.moc"
