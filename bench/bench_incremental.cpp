// Commands that change one element on a big scheme: each redraws only what it touched.
#include "support/TableEdits.h"
#include "bench/SchemeGenerator.h"
#include "editor/Editor.h"
#include "model/TableOps.h"
#include "support/FakeUi.h"
#include "toolkit/IntText.h"

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

// An editor holding a generated scheme of `count` elements and as many lines on an A0 sheet,
// drawn, with its first rectangle selected.
struct SelectedRig {
    FakeUi ui;
    Editor e{ui};
    int x = 0, y = 0, row = 1;

    explicit SelectedRig(int count, int hubLines = 0)
    {
        SchemeOptions options;
        options.elements = count;
        options.lines = count;
        ElementTables tables;
        generateScheme(tables, options);
        // Lines from the first rectangles to points, so that the selected one has them too.
        for (int r = 1; r < std::min(tables.HGrid.RowCount() - 1, 21) && hubLines > 0; ++r)
            for (int k = 0; k < hubLines; ++k)
                appendRow(tables.EGrid,
                          {tables.HGrid.Cells(ColName, r) + '-' + tables.PGrid.Cells(ColName, 1 + k), "0",
                           "0", QString()});
        e.doc().adoptTables(std::move(tables));
        e.doc().createSheet(options.sheet.width(), options.sheet.height());
        e.UpdateImageModel();
        e.doc().closeStep();
        // The first rectangle that a click on its centre selects (others may lie over it).
        for (row = 1; row < e.doc().rectangles().RowCount() - 1; ++row) {
            x = StrToInt(e.doc().rectangles().Cells(ColX, row));
            y = StrToInt(e.doc().rectangles().Cells(ColY, row));
            select();
            if (selected())
                break;
        }
    }

    void select()
    {
        e.Find_and_Select(x, y);
        e.doc().closeStep();
    }
    bool selected() const
    {
        return e.selection().kind == ElementKind::Rectangle && e.doc().rectangles().Row() == row;
    }
};

// Ctrl+Right and Ctrl+Left in turn: the move, its redraw and overlay refresh, the undo step.
void BM_KeyMoveOne(benchmark::State &state)
{
    SelectedRig rig(int(state.range(0)));
    if (!rig.selected())
        state.SkipWithError("the rectangle was not selected");
    bool right = true;
    for (auto _ : state) {
        rig.e.ObjMoveOnCanvas(right ? Direction::Right : Direction::Left);
        rig.e.doc().closeStep();
        right = !right;
    }
}

// Only the redraw and the overlay refresh after the selected rectangle moved one pixel.
void BM_RedrawAfterMove(benchmark::State &state)
{
    SelectedRig rig(int(state.range(0)));
    Editor &e = rig.e;
    int dx = 1;
    for (auto _ : state) {
        state.PauseTiming();
        rig.x += dx;
        dx = -dx;
        e.doc().setCell(e.doc().rectangles(), ColX, rig.row, QString::number(rig.x));
        state.ResumeTiming();
        e.UpdateImageModel();
        e.doc().closeStep();
    }
}

// A drag of the selected rectangle by 40 pixels: the release moves it.
void BM_DragReleaseOne(benchmark::State &state)
{
    SelectedRig rig(int(state.range(0)));
    Editor &e = rig.e;
    int dx = 40;
    for (auto _ : state) {
        state.PauseTiming();
        e.sheetPress(mbLeft, 0, rig.x, rig.y);
        e.sheetMove(0, rig.x + dx / 2, rig.y);
        state.ResumeTiming();
        e.sheetRelease(mbLeft, 0, rig.x + dx, rig.y);
        e.doc().closeStep();
        state.PauseTiming();
        rig.x += dx;
        dx = -dx;
        if (!rig.selected())
            state.SkipWithError("the rectangle did not stay selected");
        state.ResumeTiming();
    }
}

// The selected rectangle's caption typed longer and shorter in turn, then Enter.
void BM_CaptionEditOne(benchmark::State &state)
{
    SelectedRig rig(int(state.range(0)));
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        rig.ui.setText(Ctl::CaptionEdit,
                       i++ % 2 ? QStringLiteral("Box") : QStringLiteral("A much longer caption"));
        state.ResumeTiming();
        rig.e.captionKeyFilter(QChar(13));
        rig.e.doc().closeStep();
    }
}

// Deleting the selected rectangle with its 10 lines; undone between runs.
void BM_DeleteWithLines(benchmark::State &state)
{
    SelectedRig rig(int(state.range(0)), 10);
    if (rig.row > 20)
        state.SkipWithError("the selected rectangle has no lines of its own");
    for (auto _ : state) {
        rig.e.deleteSelection();
        rig.e.doc().closeStep();
        state.PauseTiming();
        rig.e.undo();
        rig.select();
        if (!rig.selected())
            state.SkipWithError("the rectangle did not come back");
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_KeyMoveOne)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();
BENCHMARK(BM_RedrawAfterMove)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();
BENCHMARK(BM_DragReleaseOne)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();
BENCHMARK(BM_CaptionEditOne)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();
BENCHMARK(BM_DeleteWithLines)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();
