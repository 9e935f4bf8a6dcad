// Zooming and panning a big scheme: the editor's part and the view's picture of a 1200 x 900
// drawing area, as one painted frame.
#include "bench/SchemeGenerator.h"
#include "editor/Editor.h"
#include "model/TableOps.h"
#include "support/FakeUi.h"
#include "toolkit/IntText.h"
#include "view/SheetView.h"

#include <benchmark/benchmark.h>

namespace {

const QSize kArea(1200, 900);

struct ZoomRig {
    FakeUi ui;
    Editor e{ui};
    SheetView view;

    explicit ZoomRig(int count)
    {
        ui.clientSize = kArea;
        SchemeOptions options;
        options.elements = count;
        options.lines = count;
        ElementTables tables;
        generateScheme(tables, options);
        e.doc().adoptTables(std::move(tables));
        e.doc().createSheet(options.sheet.width(), options.sheet.height());
        e.UpdateImageModel();
        e.doc().closeStep();
        view.setImage(&e.overlayImage());
        view.setScaleSource([this] { return e.viewport().scale(); }, &e.reducedOverlay());
    }
    // What the window does after a view change: the view follows, then paints what is in view.
    QImage frame()
    {
        const Viewport &v = e.viewport();
        const QRect visible = QRect(-v.sheetLeft(), -v.sheetTop(), kArea.width(), kArea.height()) &
                              QRect(0, 0, v.viewWidth(), v.viewHeight());
        return view.render(visible);
    }
};

ViewScale percent(int p)
{
    return p == 67 ? ViewScale{2, 3} : p == 33 ? ViewScale{1, 3} : ViewScale{p, 100};
}

// One Ctrl+wheel step about the area's centre to the scale given and back, each with its frame.
void BM_ZoomStep(benchmark::State &state)
{
    static ZoomRig rig(100000);
    const ViewScale to = percent(int(state.range(0)));
    const ViewScale from = ViewScale::stepOut(to);
    rig.e.zoomTo(from, 600, 450);
    bool in = true;
    for (auto _ : state) {
        rig.e.zoomTo(in ? to : from, 600, 450);
        benchmark::DoNotOptimize(rig.frame().constBits());
        in = !in;
    }
    state.counters["reduced MB"] = double(rig.e.reducedOverlay().bytes()) / 1e6;
    state.counters["sheet MB"] = double(rig.e.doc().sheet().image().sizeInBytes()) / 1e6;
}

// A pan of 20 view pixels with its frame, to and fro.
void BM_PanFrame(benchmark::State &state)
{
    static ZoomRig rig(100000);
    rig.e.zoomTo(percent(int(state.range(0))), 600, 450);
    int dx = 20;
    for (auto _ : state) {
        rig.e.scrollBy(dx, dx);
        benchmark::DoNotOptimize(rig.frame().constBits());
        dx = -dx;
    }
}

// Fit Sheet from 100 %, with the reduced copies made afresh, and its frame.
void BM_FitSheet(benchmark::State &state)
{
    static ZoomRig rig(100000);
    for (auto _ : state) {
        state.PauseTiming();
        rig.e.zoomActualSize();
        state.ResumeTiming();
        rig.e.zoomToFit();
        benchmark::DoNotOptimize(rig.frame().constBits());
    }
}

// Ctrl+Right and Ctrl+Left of one rectangle on the 10,000 + 10,000 scheme at the scale given:
// the move, redraw, overlay refresh and, below 100 %, the reduced copies brought up to date
// (without the frame). The rectangle is BM_KeyMoveOne's: the first one a click on its centre
// selects.
void BM_KeyMoveAtScale(benchmark::State &state)
{
    ZoomRig rig(10000);
    const StringGrid &rects = rig.e.doc().rectangles();
    for (int row = 1; row < rects.RowCount() - 1; ++row) {
        rig.e.Find_and_Select(StrToInt(rects.Cells(ColX, row)), StrToInt(rects.Cells(ColY, row)));
        if (rig.e.selection().kind == ElementKind::Rectangle && rects.Row() == row)
            break;
    }
    if (rig.e.selection().kind != ElementKind::Rectangle)
        state.SkipWithError("no rectangle was selected");
    rig.e.zoomTo(ViewScale{int(state.range(0)), 100}, 0, 0);
    bool right = true;
    for (auto _ : state) {
        rig.e.ObjMoveOnCanvas(right ? Direction::Right : Direction::Left);
        rig.e.doc().closeStep();
        right = !right;
    }
}

} // namespace

BENCHMARK(BM_ZoomStep)
    ->Arg(10)
    ->Arg(25)
    ->Arg(50)
    ->Arg(67)
    ->Arg(100)
    ->Arg(200)
    ->Arg(400)
    ->Arg(1600)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PanFrame)->Arg(25)->Arg(100)->Arg(400)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FitSheet)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_KeyMoveAtScale)->Arg(100)->Arg(25)->Unit(benchmark::kMillisecond);

namespace {

// Waits for the mirror that a full redraw builds in the background, as the next change does.
void settle(Editor &e)
{
    const StringGrid &points = e.doc().points();
    e.doc().setCell(points, ColName, 1, points.Cells(ColName, 1));
}

// Copy of a select-all on the 10,000 + 10,000 scheme: the clip, its file bytes and its text (the
// picture is made only when another program asks for it).
void BM_CopySelectAll(benchmark::State &state)
{
    ZoomRig rig(10000);
    rig.e.SelectAllObjects();
    for (auto _ : state) {
        rig.e.copySelection();
        benchmark::DoNotOptimize(rig.ui.clipText.size());
    }
}

// Pastes the copy in each iteration, with its redraw, and undoes it outside the timing.
void timePaste(benchmark::State &state, ZoomRig &rig)
{
    rig.e.copySelection();
    settle(rig.e);
    for (auto _ : state) {
        rig.e.paste();
        state.PauseTiming();
        rig.e.undo();
        settle(rig.e);
        state.ResumeTiming();
    }
}

// Paste of that copy (20,000 new rows).
void BM_PasteSelectAll(benchmark::State &state)
{
    ZoomRig rig(10000);
    rig.e.SelectAllObjects();
    timePaste(state, rig);
}

// Paste of one element into the scheme: the first point a click finds (another element's text
// may cover a point's centre).
void BM_PasteOne(benchmark::State &state)
{
    ZoomRig rig(10000);
    const StringGrid &points = rig.e.doc().points();
    for (int r = 1; r < points.RowCount() && !rig.e.selection().elementSelected(); ++r)
        rig.e.Find_and_Select(StrToInt(points.Cells(ColX, r)), StrToInt(points.Cells(ColY, r)));
    if (!rig.e.selection().elementSelected()) {
        state.SkipWithError("no element could be selected");
        return;
    }
    timePaste(state, rig);
}

// One keystroke of Find on 100,000 + 100,000: the search, the selection and scrolling to it.
void BM_FindKeystroke(benchmark::State &state)
{
    static ZoomRig rig(100000);
    const QString texts[] = {QStringLiteral("Ta"), QStringLiteral("Task 9"), QStringLiteral("no such")};
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(rig.e.findText(texts[i++ % 3]));
}

} // namespace

BENCHMARK(BM_CopySelectAll)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PasteSelectAll)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PasteOne)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindKeystroke)->Unit(benchmark::kMillisecond);
