#include "bench/SchemeGenerator.h"
#include "editor/Document.h"
#include "model/SchemeFile.h"
#include "model/TableOps.h"
#include "render/SceneRedraw.h"
#include "toolkit/FileWrite.h"
#include "toolkit/IntText.h"
#include "toolkit/SheetImage.h"

#include <QHash>
#include <QPoint>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// state.range(0) rectangles and points with as many lines, line midpoints filled in as a
// redraw stores them.
ElementTables schemeTables(int count)
{
    ElementTables tables;
    SchemeOptions options;
    options.elements = count;
    options.lines = count;
    generateScheme(tables, options);
    QHash<QString, QPoint> places;
    for (const StringGrid *grid : {&tables.HGrid, &tables.PGrid})
        for (int r = 1; r < grid->RowCount() - 1; ++r)
            places.insert(grid->Cells(ColName, r),
                          QPoint(StrToInt(grid->Cells(ColX, r)), StrToInt(grid->Cells(ColY, r))));
    for (int r = 1; r < tables.EGrid.RowCount() - 1; ++r) {
        const QString &name = tables.EGrid.Cells(ColName, r);
        const QPoint a = places.value(getNameBefore(QLatin1Char('-'), name));
        const QPoint b = places.value(getNameAfter(QLatin1Char('-'), name));
        tables.EGrid.setCell(ColX, r, IntToStr((a.x() + b.x()) / 2));
        tables.EGrid.setCell(ColY, r, IntToStr((a.y() + b.y()) / 2));
    }
    return tables;
}

// Reading file bytes: splitting into lines, decoding and the section reader.
void BM_ReadScheme(benchmark::State &state)
{
    const QByteArray bytes = schemeBytes(2380, 3368, schemeTables(int(state.range(0))), false);
    for (auto _ : state) {
        SchemeReadResult result = readScheme(bytes);
        if (!result.ok)
            state.SkipWithError("read failed");
        benchmark::DoNotOptimize(result);
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

// Writing: the lines of all tables and their encoding to file bytes.
void BM_WriteScheme(benchmark::State &state)
{
    const ElementTables tables = schemeTables(int(state.range(0)));
    qint64 size = 0;
    for (auto _ : state) {
        const QByteArray bytes = schemeBytes(2380, 3368, tables, false);
        size = bytes.size();
        benchmark::DoNotOptimize(bytes.constData());
    }
    state.SetBytesProcessed(state.iterations() * size);
}

// A whole load and save through files, as Open and Save do it (without the redraw): the
// document's lines and tables live on from one Open to the next, and Open clears them first.
void BM_LoadSaveFile(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("scheme.grvlk"));
    TextList lines;
    ElementTables tables = schemeTables(int(state.range(0)));
    writeScheme(lines, 2380, 3368, tables, false);
    writeFileSafely(path, lines.toBytes());
    for (auto _ : state) {
        // Open
        ClearSelectedTable(tables.HGrid);
        ClearSelectedTable(tables.PGrid);
        ClearSelectedTable(tables.EGrid);
        lines.clear();
        lines.loadFromFile(path);
        SchemeReadResult result = readScheme(lines);
        if (!result.ok)
            state.SkipWithError("read failed");
        tables = std::move(result.tables);
        // Save
        writeScheme(lines, result.width, result.height, tables, result.locked);
        writeFileSafely(path, lines.toBytes());
    }
}

// Open as the editor does it: the file read into the document's tables, a new sheet, then the
// first redraw, after which the window shows the picture. The mirror of the scheme that later
// edits redraw from is then built on another thread; with a second argument of 1 the time
// includes waiting for it, as an edit made at once would.
void BM_OpenAndRedraw(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("scheme.grvlk"));
    TextList lines;
    writeScheme(lines, 2380, 3368, schemeTables(int(state.range(0))), false);
    writeFileSafely(path, lines.toBytes());
    const bool waitForMirror = state.range(1) != 0;
    Document doc;
    for (auto _ : state) {
        state.PauseTiming();
        doc.clearTables(); // waits for the previous mirror
        state.ResumeTiming();
        lines.clear();
        lines.loadFromFile(path);
        SchemeReadResult result = readScheme(lines);
        if (!result.ok)
            state.SkipWithError("read failed");
        doc.adoptTables(std::move(result.tables));
        doc.createSheet(result.width, result.height);
        doc.redraw(TextList());
        if (waitForMirror) // an edit that changes nothing
            doc.setCell(doc.rectangles(), ColCaption, 1, doc.rectangles().Cells(ColCaption, 1));
        benchmark::DoNotOptimize(doc.sheet().image().constBits());
    }
}

} // namespace

BENCHMARK(BM_OpenAndRedraw)
    ->Args({10000, 0})
    ->Args({100000, 0})
    ->Args({100000, 1})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadScheme)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteScheme)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadSaveFile)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
