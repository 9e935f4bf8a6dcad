#include "model/TableOps.h"
#include "render/RenderTestUtil.h"
#include "render/ScenePicture.h"
#include "render/SceneRedraw.h"
#include "toolkit/Canvas.h"
#include "toolkit/Errors.h"

#include <QtTest>

namespace {

QStringList cells(const StringGrid &g)
{
    QStringList all;
    for (int r = 0; r < g.RowCount(); ++r)
        for (int c = 0; c < g.ColCount(); ++c)
            all << g.Cells(c, r);
    return all;
}

} // namespace

class TestScenePicture : public QObject {
    Q_OBJECT
private slots:
    void formatFromName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("format"); // -1: none
        QTest::newRow("svg") << "a/plan.svg" << int(VectorFormat::Svg);
        QTest::newRow("PDF, capitals") << "plan.PDF" << int(VectorFormat::Pdf);
        QTest::newRow("mixed case") << "plan.Svg" << int(VectorFormat::Svg);
        QTest::newRow("bitmap") << "plan.png" << -1;
        QTest::newRow("only the last extension counts") << "plan.pdf.bmp" << -1;
        QTest::newRow("no extension") << "pdf" << -1;
    }
    void formatFromName()
    {
        QFETCH(QString, name);
        QFETCH(int, format);
        const std::optional<VectorFormat> f = vectorFormatOf(name);
        QCOMPARE(f ? int(*f) : -1, format);
    }

    // The tables end as a redraw leaves them, stale midpoints rewritten; a cell that does not
    // convert fails the picture as it fails the redraw.
    void tablesAsARedrawLeavesThem_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("colour");
        QTest::newRow("svg") << int(VectorFormat::Svg) << "clRed";
        QTest::newRow("pdf") << int(VectorFormat::Pdf) << "clRed";
        QTest::newRow("svg, bad colour") << int(VectorFormat::Svg) << "reddish";
        QTest::newRow("pdf, bad colour") << int(VectorFormat::Pdf) << "reddish";
    }
    void tablesAsARedrawLeavesThem()
    {
        QFETCH(int, format);
        QFETCH(QString, colour);
        ElementTables vector;
        appendRow(vector.HGrid, {"R1", "100", "80", "Store", "clYellow"});
        appendRow(vector.PGrid, {"P1", "301", "215", "Gate", colour});
        appendRow(vector.EGrid, {"R1-P1", "7", "7", "to gate"});
        appendRow(vector.EGrid, {"P1-R1", "", "", ""});
        ElementTables bitmap = vector;
        QImage image = blankImage(400, 300);
        Canvas canvas(&image);

        bool redrawFailed = false;
        try {
            UpdateImageModel(bitmap, canvas, TextList());
        } catch (const ConvertError &) {
            redrawFailed = true;
        }
        bool pictureFailed = false;
        try {
            const QByteArray bytes = sheetVectorPicture(vector, 400, 300, VectorFormat(format));
            QVERIFY(!bytes.isEmpty());
        } catch (const ConvertError &) {
            pictureFailed = true;
        }
        QCOMPARE(pictureFailed, redrawFailed);
        QCOMPARE(redrawFailed, colour == QLatin1String("reddish"));
        QCOMPARE(cells(vector.EGrid), cells(bitmap.EGrid));
        QCOMPARE(cells(vector.HGrid), cells(bitmap.HGrid));
        QCOMPARE(cells(vector.PGrid), cells(bitmap.PGrid));
    }
};

QTEST_MAIN(TestScenePicture)
#include "tst_scenepicture.moc"
