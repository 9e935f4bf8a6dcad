// Writes a generated scheme file for timing the editor and grvlk on large schemes:
//   gravelink-make-scheme ELEMENTS OUT.grvlk [SEED]
// ELEMENTS rectangles and points with as many lines on an A0 sheet.
#include "bench/SchemeGenerator.h"
#include "model/SchemeFile.h"
#include "model/TableOps.h"
#include "render/SceneRedraw.h"
#include "toolkit/Errors.h"

#include <QGuiApplication>
#include <QImage>

#include <cstdio>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    bool ok = argc >= 3 && argc <= 5;
    SchemeOptions options;
    if (ok)
        options.elements = options.lines = QByteArray(argv[1]).toInt(&ok);
    if (ok && argc >= 4)
        options.seed = QByteArray(argv[3]).toUInt(&ok);
    if (ok && argc == 5) { // WIDTHxHEIGHT of the sheet
        const QList<QByteArray> sides = QByteArray(argv[4]).split('x');
        bool high = false;
        ok = sides.size() == 2;
        if (ok)
            options.sheet = QSize(sides[0].toInt(&ok), sides[1].toInt(&high));
        ok = ok && high;
    }
    if (!ok) {
        std::fprintf(stderr, "Usage: gravelink-make-scheme ELEMENTS OUT.grvlk [SEED [WIDTHxHEIGHT]]\n");
        return 2;
    }
    ElementTables tables;
    generateScheme(tables, options);
    // Drawn once, as the editor does before saving, so that every line carries its midpoint.
    QImage sheet(options.sheet, QImage::Format_RGB32);
    Canvas canvas(&sheet);
    UpdateImageModel(tables, canvas, TextList(), [&tables](int row, const LineEnds &ends) {
        setLineMidpoint(tables.EGrid, row, lineMidpoint(ends));
    });
    TextList lines;
    writeScheme(lines, options.sheet.width(), options.sheet.height(), tables, false);
    try {
        lines.saveToFile(QString::fromLocal8Bit(argv[2]));
    } catch (const AppError &error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
        return 1;
    }
    return 0;
}
