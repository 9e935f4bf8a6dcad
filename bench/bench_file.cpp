#include "bench/SchemeGenerator.h"
#include "model/SchemeFile.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// state.range(0) rectangles and points with as many lines, line midpoints filled in.
ElementTables schemeTables(int count)
{
    ElementTables tables;
    SchemeOptions options;
    options.elements = count;
    options.lines = count;
    generateScheme(tables, options);
    for (int r = 1; r < tables.EGrid.RowCount() - 1; ++r) {
        tables.EGrid.setCell(ColX, r, QStringLiteral("1190"));
        tables.EGrid.setCell(ColY, r, QStringLiteral("1684"));
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

// A whole load and save through files, as Open and Save do it (without the redraw).
void BM_LoadSaveFile(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("scheme.grvlk"));
    TextList list;
    writeScheme(list, 2380, 3368, schemeTables(int(state.range(0))), false);
    list.saveToFile(path);
    for (auto _ : state) {
        TextList loaded;
        loaded.loadFromFile(path);
        const SchemeReadResult result = readScheme(loaded);
        if (!result.ok)
            state.SkipWithError("read failed");
        writeScheme(loaded, result.width, result.height, result.tables, result.locked);
        loaded.saveToFile(path);
    }
}

} // namespace

BENCHMARK(BM_ReadScheme)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteScheme)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadSaveFile)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
