#include "cli/Grvlk.h"
#include "model/SchemeFile.h"
#include "model/TableOps.h"
#include "support/TableEdits.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

const char *const kMixed = "Длинное название отдела Information Technology Department";

// Rectangles, points with and without caption, lines across, down and slanted, on A4 landscape;
// a caption mixing scripts, one with a tab, and a line left of the sheet.
QByteArray planScheme()
{
    ElementTables t;
    appendRow(t.HGrid, {"R1", "200", "150", "Store", "$0099FFFF"});
    appendRow(t.HGrid, {"R2", "600", "150", "Shop", "$00CCCCFF"});
    appendRow(t.HGrid, {"R3", "600", "300", QString::fromUtf8(kMixed), "$00CCFFCC"});
    appendRow(t.HGrid, {"R4", "200", "520", "tab\there", "$00FFCC99"});
    appendRow(t.PGrid, {"P1", "200", "400", "Gate", "$00CCFFCC"});
    appendRow(t.PGrid, {"P2", "600", "450", "", "$00FFCC99"});
    appendRow(t.PGrid, {"P3", "-70", "500", "", "$00FFCC99"});
    appendRow(t.PGrid, {"P4", "-30", "540", "", "$00FFCC99"});
    appendRow(t.EGrid, {"R1-R2", "0", "0", "across"});
    appendRow(t.EGrid, {"R1-P1", "0", "0", "down"});
    appendRow(t.EGrid, {"P1-P2", "0", "0", "slant"});
    appendRow(t.EGrid, {"P3-P4", "0", "0", "qqqq"});
    return schemeBytes(842, 595, t, false);
}

int grvlk(const QStringList &arguments, QString *errors = nullptr)
{
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const int status = runGrvlk(arguments, outStream, errStream);
    if (errors)
        *errors = err;
    return status;
}

// Runs a command whose arguments name %1 and %2; its output, or empty after a failure.
QByteArray run(QStringList command, const QString &one, const QString &two)
{
    for (QString &a : command)
        a.replace("%1", one).replace("%2", two);
    QProcess process;
    process.start(command.takeFirst(), command);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QByteArray();
    return process.readAllStandardOutput();
}

// The first pixel of a colour from `start` on in steps of `step`.
QPoint firstOf(const QImage &image, QPoint start, QPoint step, QRgb colour)
{
    for (QPoint p = start; image.rect().contains(p); p += step)
        if (image.pixel(p) == colour)
            return p;
    return QPoint(-1, -1);
}

// Around an edge met going in steps of `step`: the pixel before it, the edge and two after.
QList<QPoint> across(QPoint edge, QPoint step)
{
    return {edge - step, edge, edge + step, edge + 2 * step};
}

// The pixels of `area` whose 8 neighbours have their colour: a fill away from its outline.
QList<QPoint> inside(const QImage &image, const QRect &area, QRgb colour)
{
    QList<QPoint> points;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            bool all = true;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    all = all && image.pixel(x + dx, y + dy) == colour;
            if (all)
                points << QPoint(x, y);
        }
    return points;
}

} // namespace

// grvlk writes SVG and PDF pictures whose texts stay texts and whose fills and outlines,
// rasterised at 1:1 by common tools, lie on the pixels of the bitmap.
class TestVectorExport : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        for (const char *tool : {"rsvg-convert", "pdftoppm", "pdftotext"})
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
                QSKIP(qPrintable(QStringLiteral("%1 is not installed").arg(QLatin1String(tool))));
        QVERIFY(m_dir.isValid());
        m_scheme = m_dir.filePath("plan.grvlk");
        QFile file(m_scheme);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(planScheme()) > 0);
        file.close();
        QCOMPARE(grvlk({"render", m_scheme, m_dir.filePath("plan.bmp")}), 0);
        m_bitmap = QImage(m_dir.filePath("plan.bmp")).convertToFormat(QImage::Format_RGB32);
        QVERIFY(!m_bitmap.isNull());
    }

    void rasterisedOnTheBitmapsPixels_data()
    {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QStringList>("rasterise"); // %1 the picture, %2 the PNG without extension
        QTest::addColumn<QStringList>("text");      // its text, off the page too; none: the file is text
        QTest::addColumn<QString>("fontMark");      // that the font is named or embedded
        QTest::newRow("svg") << "plan.SVG" << QStringList{"rsvg-convert", "-o", "%2.png", "%1"}
                             << QStringList() << "font-family=\"[^\"]+, sans-serif\"";
        QTest::newRow("svgz") << "plan.Svgz" << QStringList{"rsvg-convert", "-o", "%2.png", "%1"}
                              << QStringList{"gzip", "-dc", "%1"} << "";
        QTest::newRow("pdf") << "plan.Pdf"
                             << QStringList{"pdftoppm", "-r", "72", "-png", "-singlefile", "%1", "%2"}
                             << QStringList{"pdftotext", "-x", "-99", "-W", "999", "-H", "999", "%1", "-"}
                             << "/FontFile2";
    }

    void rasterisedOnTheBitmapsPixels()
    {
        QFETCH(QString, picture);
        QFETCH(QStringList, rasterise);
        QFETCH(QStringList, text);
        QFETCH(QString, fontMark);
        const QString path = m_dir.filePath(picture);
        const QString png = path + "-raster";
        QCOMPARE(grvlk({"render", m_scheme, path}), 0);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString content = QString::fromUtf8(file.readAll());
        QString texts = text.isEmpty() ? content : QString::fromUtf8(run(text, path, png));
        texts.remove(QRegularExpression("<[^>]*>"));
        for (const char *caption : {"Store", "Shop", "Gate", "across", "down", "slant", kMixed})
            QVERIFY2(texts.contains(QString::fromUtf8(caption)), caption);
        QVERIFY(!texts.contains(QLatin1Char('q')));
        QVERIFY(content.contains(QRegularExpression(fontMark)));

        run(rasterise, path, png);
        const QImage raster = QImage(png + ".png").convertToFormat(QImage::Format_RGB32);
        QCOMPARE(raster.size(), m_bitmap.size());

        const QImage &b = m_bitmap;
        const QRgb black = qRgb(0, 0, 0), grey = qRgb(128, 128, 128);
        const int w = b.width(), h = b.height();
        QMap<QString, QList<QPoint>> facts;
        facts["frame"] = {{0, h / 2}, {1, h / 2}, {2, h / 2}, {w - 2, h / 2}, {w / 2, 1}, {w / 2, h - 2}};
        facts["rectangle edges"] = across(firstOf(b, {200, 100}, {0, 1}, black), {0, 1}) +
                                   across(firstOf(b, {120, 150}, {1, 0}, black), {1, 0}) +
                                   across(firstOf(b, {680, 150}, {-1, 0}, black), {-1, 0});
        facts["line across"] = {{300, 149}, {300, 150}, {300, 151}};
        facts["line down"] = {{199, 300}, {200, 300}, {201, 300}};
        facts["point"] = inside(b, {194, 394, 12, 12}, b.pixel(200, 400));
        facts["point caption box"] = across(firstOf(b, {150, 417}, {1, 0}, grey), {1, 0}) +
                                     across(firstOf(b, {200, 450}, {0, -1}, grey), {0, -1});
        facts["arrow head"] = inside(b, {391, 141, 19, 19}, qRgb(0xD2, 0xD2, 0xD2));
        // Texts keep the bitmap's widths in another face, and the text after a tab its place.
        facts["right of the mixed caption"] =
            inside(b, {firstOf(b, {830, 300}, {-1, 0}, black).x() + 2, 293, 40, 15}, b.pixel(830, 300));
        const int tabBox = firstOf(b, {100, 520}, {1, 0}, black).x();
        facts["tab's gap"] = inside(b, {tabBox + 40, 510, 40, 20}, b.pixel(tabBox + 3, 520));
        for (auto fact = facts.cbegin(); fact != facts.cend(); ++fact) {
            QVERIFY2(fact->size() > 1 && std::all_of(fact->begin(), fact->end(),
                                                     [&](QPoint p) { return b.rect().contains(p); }),
                     qPrintable(fact.key()));
            for (const QPoint &p : *fact)
                QVERIFY2(raster.pixel(p) == b.pixel(p),
                         qPrintable(QStringLiteral("%1 at (%2, %3)").arg(fact.key()).arg(p.x()).arg(p.y())));
        }
    }

    // A vector picture is titled with the scheme's file name; SOURCE_DATE_EPOCH dates a PDF, so
    // that runs in any time zone give the same bytes, and the PDF's offsets stay right.
    void titledAndDated()
    {
        const QString scheme = m_dir.filePath("R&D <plan>.grvlk");
        QVERIFY(QFile::copy(m_scheme, scheme));
        QByteArray pdf[2];
        for (int i = 0; i < 2; ++i) {
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert("SOURCE_DATE_EPOCH", "1700000000");
            env.insert("TZ", i == 0 ? "UTC0" : "IST-5:30"); // a POSIX zone, no tzdata needed
            QProcess process;
            process.setProcessEnvironment(env);
            const QString path = m_dir.filePath(QStringLiteral("dated%1.pdf").arg(i));
            process.start(GRAVELINK_CLI_PATH, {"render", scheme, path});
            QVERIFY(process.waitForFinished(60000));
            QCOMPARE(process.exitCode(), 0);
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            pdf[i] = file.readAll();
        }
        QCOMPARE(pdf[0], pdf[1]);
        const QByteArray &b = pdf[0];
        const qsizetype xref =
            b.mid(b.lastIndexOf("startxref\n") + 10).trimmed().split('\n').first().toLongLong();
        QVERIFY(b.mid(xref).startsWith("xref\n0 "));
        const QList<QByteArray> entries = b.mid(xref).split('\n');
        for (int k = 1; k < entries.value(1).split(' ').value(1).toInt(); ++k)
            QVERIFY2(b.mid(entries[k + 2].left(10).toLongLong()).startsWith(QByteArray::number(k) + " 0 obj"),
                     qPrintable(QString::number(k)));
        QProcess pdfinfo;
        QProcessEnvironment utc = QProcessEnvironment::systemEnvironment();
        utc.insert("TZ", "UTC");
        pdfinfo.setProcessEnvironment(utc);
        pdfinfo.start("pdfinfo", {m_dir.filePath("dated1.pdf")});
        QVERIFY(pdfinfo.waitForFinished(60000));
        const QString info = QString::fromUtf8(pdfinfo.readAllStandardOutput());
        QVERIFY2(info.contains(QRegularExpression("Title: +R&D <plan>.grvlk\n")) &&
                     info.contains(QRegularExpression("CreationDate: +Tue Nov 14 22:13:20 2023 UTC")),
                 qPrintable(info));

        const QString svg = m_dir.filePath("titled.svg");
        QCOMPARE(grvlk({"render", scheme, svg}), 0);
        QFile file(svg);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("<title>R&amp;D &lt;plan&gt;.grvlk</title>"));
        run({"rsvg-convert", "-o", "%2", "%1"}, svg, svg + ".png");
        QCOMPARE(QImage(svg + ".png").size(), QSize(842, 595));
    }

private:
    QTemporaryDir m_dir;
    QString m_scheme;
    QImage m_bitmap;
};

QTEST_MAIN(TestVectorExport)
#include "tst_vector_export.moc"
