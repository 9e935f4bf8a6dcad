#include "app/ModalProvider.h"
#include "editor/Editor.h"
#include "editor/ExportPicture.h"
#include "model/TableOps.h"
#include "render/ScenePrint.h"
#include "render/SceneRedraw.h"
#include "support/FakeUi.h"
#include "toolkit/Canvas.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

struct Rig {
    FakeUi ui;
    Editor e{ui};
    QTemporaryDir dir;

    Rig()
    {
        e.doc().sheet().CreateBitmap(500, 400);
        e.doc().appendRow(e.doc().rectangles(), {"R1", "120", "100", "Store", "$0099FFFF"});
        e.doc().appendRow(e.doc().points(), {"P1", "400", "300", "Gate", "$00CCFFCC"});
        e.doc().appendRow(e.doc().lines(), {"R1-P1", "", "", "to gate"});
        e.SelectAllObjects(); // a multi-selection, marked on the sheet
        e.doc().markModified();
    }
    QString path(const QString &name) const { return dir.filePath(name); }
};

QStringList cells(const ElementTables &t)
{
    QStringList all;
    for (const StringGrid *g : {&t.HGrid, &t.PGrid, &t.EGrid})
        for (int r = 0; r < g->RowCount(); ++r)
            for (int c = 0; c < g->ColCount(); ++c)
                all << g->Cells(c, r);
    return all;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestExport : public QObject {
    Q_OBJECT
private slots:
    // The picture is the scheme as a redraw with nothing marked draws it; the scheme, its
    // state and the sheet stay as they were.
    void writesTheSchemeOnly_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("png") << "plan.PNG" << QByteArray("\x89PNG");
        QTest::newRow("svg") << "plan.svg" << QByteArray("<?xml");
        QTest::newRow("svgz") << "plan.SVGZ" << QByteArray("\x1f\x8b");
        QTest::newRow("pdf") << "plan.Pdf" << QByteArray("%PDF-");
    }
    void writesTheSchemeOnly()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, start);
        Rig r;
        const QStringList before = cells(r.e.doc().tables());
        const quint64 revision = r.e.doc().revision();
        const QImage sheet = r.e.doc().sheet().image().copy();
        r.ui.onSave = [&] { return r.path(name); };
        exportPicture(r.e, r.dir.path());
        QCOMPARE(r.ui.errors + r.ui.infos, QStringList());
        QCOMPARE(cells(r.e.doc().tables()), before);
        QCOMPARE(r.e.doc().revision(), revision);
        QVERIFY(r.e.doc().modified());
        QCOMPARE(r.e.multiSelection().count(), 2);
        QCOMPARE(r.e.doc().sheet().image(), sheet);
        const QByteArray written = readAll(r.path(name));
        QVERIFY(written.startsWith(start));
        if (start.startsWith('\x89')) {
            QImage expected(500, 400, QImage::Format_RGB32);
            Canvas canvas(&expected);
            ElementTables tables = r.e.doc().tables();
            UpdateImageModel(tables, canvas, TextList());
            QCOMPARE(QImage::fromData(written).convertToFormat(QImage::Format_RGB32), expected);
            QVERIFY(expected != sheet); // the sheet shows the selection
        }
    }

    // Printing to a PDF printer: fitted on one page, or at 96 sheet pixels an inch over as many
    // A4 pages as the sheet needs; the scheme stays as it was.
    void prints_data()
    {
        QTest::addColumn<QSize>("sheet");
        QTest::addColumn<bool>("fit");
        QTest::addColumn<int>("pages");
        QTest::newRow("fitted") << QSize(1600, 1000) << true << 1;
        QTest::newRow("actual size, 3 across") << QSize(1600, 1000) << false << 3;
        QTest::newRow("actual size, 2 x 2") << QSize(1000, 1200) << false << 4;
    }
    void prints()
    {
        QFETCH(QSize, sheet);
        QFETCH(bool, fit);
        QFETCH(int, pages);
        Rig r;
        ElementTables tables = r.e.doc().tables();
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(r.path("printed.pdf"));
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageMargins(QMarginsF());
        QCOMPARE(printScheme(printer, tables, sheet.width(), sheet.height(),
                             fit ? PrintScale::FitToPage : PrintScale::ActualSize),
                 pages);
        QProcess info;
        info.start("pdfinfo", {r.path("printed.pdf")});
        QVERIFY(info.waitForFinished());
        const QString text = QString::fromUtf8(info.readAllStandardOutput());
        QVERIFY2(text.contains(QRegularExpression(QString("Pages:\\s+%1\\n").arg(pages))), qPrintable(text));
        QVERIFY2(text.contains("(A4)"), qPrintable(text));
    }

    // In the real save dialog a name typed without extension takes that of the chosen type.
    void dialogSuffixFollowsTheChosenType()
    {
        QTemporaryDir dir;
        QTimer::singleShot(0, [] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            // The type chosen as a user does, in the type list.
            QTest::keyClick(dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo")), Qt::Key_Down);
            dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("plan"));
            QMetaObject::invokeMethod(dialog, "accept");
        });
        QtModalProvider modal;
        const QString chosen =
            modal.chooseSaveFile(nullptr, qtFileFilter("PNG picture (*.png)|*.png|SVG picture (*.svg)|*.svg"),
                                 QStringLiteral("png"), dir.path());
        QCOMPARE(chosen, dir.filePath("plan.svg"));
    }
};

QTEST_MAIN(TestExport)
#include "tst_export.moc"
