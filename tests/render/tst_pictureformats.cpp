// The table of picture formats: each suffix chooses its own writer; other names are refused.
#include "render/PictureFormats.h"
#include "support/TableEdits.h"

#include <QTemporaryDir>
#include <QtTest>

class TestPictureFormats : public QObject {
    Q_OBJECT
private slots:
    void suffixChoosesWriter_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("start"); // of the file written
        QTest::newRow("bmp") << "plan.bmp" << QByteArray("BM");
        QTest::newRow("png") << "plan.Png" << QByteArray("\x89PNG");
        QTest::newRow("svg") << "plan.SVG" << QByteArray("<?xml");
        QTest::newRow("svgz") << "plan.svgz" << QByteArray("\x1f\x8b");
        QTest::newRow("pdf") << "plan.pdf" << QByteArray("%PDF");
    }
    void suffixChoosesWriter()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, start);
        ElementTables t;
        appendRow(t.HGrid, {"R1", "40", "30", "Box", "$0099FFFF"});
        QTemporaryDir dir;
        const PictureFormat *format = pictureFormatOf(name);
        QVERIFY(format);
        format->write(t, 120, 80, dir.filePath(name));
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.read(start.size()), start);
    }

    void suffixesDistinctOthersRefused()
    {
        for (const PictureFormat &f : pictureFormats())
            QCOMPARE(pictureFormatNamed(QString::fromLatin1(f.suffix).toUpper()), &f);
        for (const char *name : {"plan.gif", "plan", "plan.png.txt", "plan.", ".bmpx"})
            QVERIFY2(!pictureFormatOf(QLatin1String(name)), name);
    }
};

QTEST_MAIN(TestPictureFormats)
#include "tst_pictureformats.moc"
