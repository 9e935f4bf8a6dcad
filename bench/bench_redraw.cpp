#include "bench/SchemeGenerator.h"
#include "model/TableOps.h"
#include "render/SceneRedraw.h"
#include "render/SheetBands.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

namespace {

// Stores the midpoints of the lines drawn, as the editor's redraw does.
LineEndsFound midpointsInto(ElementTables &t)
{
    return [&t](int row, const LineEnds &ends) { setLineMidpoint(t.EGrid, row, lineMidpoint(ends)); };
}

// Full redraw of a generated scheme with state.range(0) rectangles and points and as many
// lines on an A0 sheet; the sheet buffer is kept between redraws as the editor keeps it.
void BM_UpdateImageModel(benchmark::State &state)
{
    const int count = int(state.range(0));
    ElementTables tables;
    SchemeOptions options;
    options.elements = count;
    options.lines = count;
    generateScheme(tables, options);
    QImage sheet(options.sheet, QImage::Format_RGB32);
    Canvas canvas(&sheet);
    TextList selection;
    for (auto _ : state) {
        UpdateImageModel(tables, canvas, selection, midpointsInto(tables));
        benchmark::DoNotOptimize(sheet.constBits());
    }
    state.SetItemsProcessed(state.iterations() * count * 2);
}

// The same with a multi-selection of every tenth element.
void BM_UpdateImageModelSelected(benchmark::State &state)
{
    const int count = int(state.range(0));
    ElementTables tables;
    SchemeOptions options;
    options.elements = count;
    options.lines = count;
    generateScheme(tables, options);
    TextList selection;
    for (int r = 1; r < tables.HGrid.RowCount() - 1; r += 10)
        selection.add(tables.HGrid.Cells(ColName, r));
    for (int r = 1; r < tables.EGrid.RowCount() - 1; r += 10)
        selection.add(tables.EGrid.Cells(ColName, r));
    QImage sheet(options.sheet, QImage::Format_RGB32);
    Canvas canvas(&sheet);
    for (auto _ : state) {
        UpdateImageModel(tables, canvas, selection, midpointsInto(tables));
        benchmark::DoNotOptimize(sheet.constBits());
    }
}

// The full redraw on state.range(0) threads of an A0 scheme of state.range(1) elements and as
// many lines; wall-clock time, CPU time of all threads.
void BM_FullRedrawThreads(benchmark::State &state)
{
    ElementTables tables;
    SchemeOptions options;
    options.elements = int(state.range(1));
    options.lines = int(state.range(1));
    generateScheme(tables, options);
    QImage sheet(options.sheet, QImage::Format_RGB32);
    Canvas canvas(&sheet);
    TextList selection;
    for (auto _ : state) {
        redrawSheetInBands(tables, canvas, selection, kSheetBandRows, int(state.range(0)), {},
                           BandPixels::Sheet, midpointsInto(tables));
        benchmark::DoNotOptimize(sheet.constBits());
    }
}

} // namespace

BENCHMARK(BM_FullRedrawThreads)
    ->Args({1, 10000})
    ->Args({2, 10000})
    ->Args({1, 100000})
    ->Args({2, 100000})
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UpdateImageModel)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UpdateImageModelSelected)->Arg(10000)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    // Text measuring and drawing need the GUI application's fonts.
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv); // the view benchmarks draw with a widget
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
