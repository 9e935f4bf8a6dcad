#include "bench/SchemeGenerator.h"
#include "editor/RecoveryStore.h"
#include "model/SchemeFile.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

ElementTables generated(int count)
{
    ElementTables tables;
    SchemeOptions options;
    options.elements = count;
    options.lines = count;
    generateScheme(tables, options);
    return tables;
}

// What autosave does on the window's thread: a copy of the tables (shared strings).
void BM_RecoveryCopy(benchmark::State &state)
{
    const ElementTables tables = generated(int(state.range(0)));
    for (auto _ : state) {
        ElementTables copy = tables;
        benchmark::DoNotOptimize(copy);
    }
}

// The whole recovery write as the worker runs it: bytes, meta and scheme file, each flushed to
// the disk and renamed into place.
void BM_RecoveryWrite(benchmark::State &state)
{
    const ElementTables tables = generated(int(state.range(0)));
    QTemporaryDir dir;
    RecoveryStore store(dir.path());
    qint64 size = 0;
    for (auto _ : state) {
        const QByteArray bytes = schemeBytes(2380, 3368, tables, false);
        store.write(bytes, QStringLiteral("/home/user/plan.grvlk"), QDateTime::currentDateTimeUtc());
        size = bytes.size();
    }
    state.SetBytesProcessed(state.iterations() * size);
}

} // namespace

BENCHMARK(BM_RecoveryCopy)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecoveryWrite)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
