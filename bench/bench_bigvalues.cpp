#include "support/TableEdits.h"
#include "model/TableOps.h"
#include "render/SceneRedraw.h"

#include <QImage>

#include <benchmark/benchmark.h>

namespace {

// A scheme on the start-up sheet with a rectangle at x = 2,000,000,000 whose caption is 1 MB
// long, a point on the sheet and a line between them: the redraw should cost what the visible
// part costs.
void BM_RedrawFarElementAndLongCaption(benchmark::State &state)
{
    ElementTables tables;
    appendRow(tables.HGrid, {QStringLiteral("R1"), QStringLiteral("2000000000"), QStringLiteral("300"),
                             QString(1 << 20, QLatin1Char('W')), QStringLiteral("$0099FFFF")});
    appendRow(tables.PGrid, {QStringLiteral("P1"), QStringLiteral("100"), QStringLiteral("100"),
                             QString(1 << 20, QLatin1Char('x')), QStringLiteral("$00CCFFCC")});
    appendRow(tables.EGrid, {QStringLiteral("P1-R1"), QString(), QString(), QStringLiteral("far")});
    QImage sheet(842, 595, QImage::Format_RGB32);
    Canvas canvas(&sheet);
    TextList selection;
    for (auto _ : state) {
        UpdateImageModel(tables, canvas, selection);
        benchmark::DoNotOptimize(sheet.constBits());
    }
}

} // namespace

BENCHMARK(BM_RedrawFarElementAndLongCaption)->Unit(benchmark::kMillisecond);
