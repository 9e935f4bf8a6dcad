#include "bench/SchemeGenerator.h"
#include "model/TableOps.h"
#include "support/EditorRig.h"
#include "support/EditorTestAccess.h"
#include "toolkit/IntText.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

// An editor holding a generated scheme of `count` elements and as many lines (or `lines`),
// drawn on an A0 sheet, with nothing selected.
EditorRig generatedRig(int count, int lines = -1)
{
    SchemeOptions options;
    options.elements = count;
    options.lines = lines < 0 ? count : lines;
    ElementTables tables;
    generateScheme(tables, options);
    return EditorRig(std::move(tables), options.sheet);
}

// Centres of the first elements of both tables, and points between them.
std::vector<QPoint> probePoints(const Editor &e)
{
    std::vector<QPoint> points;
    for (const StringGrid *table : {&e.doc().rectangles(), &e.doc().points()})
        for (int r = 1; r < std::min(table->RowCount() - 1, 33); ++r)
            points.emplace_back(StrToInt(table->Cells(ColX, r)), StrToInt(table->Cells(ColY, r)));
    for (int i = 0; i < 32; ++i)
        points.emplace_back(37 * i + 11, 61 * i + 7);
    return points;
}

// A left press on the sheet with the cursor tool: hit test, selection and overlay refresh.
void BM_FindAndSelect(benchmark::State &state)
{
    EditorRig rig = generatedRig(int(state.range(0)));
    const std::vector<QPoint> points = probePoints(rig.e);
    size_t i = 0;
    for (auto _ : state) {
        const QPoint p = points[i++ % points.size()];
        rig.e.Find_and_Select(p.x(), p.y());
        benchmark::DoNotOptimize(rig.e.selection().kind);
    }
}

// The search behind a hit test, without the overlay refresh: the nearest point to a position,
// or the topmost rectangle under it, alternately.
void BM_HitTestSearch(benchmark::State &state)
{
    EditorRig rig = generatedRig(int(state.range(0)));
    const std::vector<QPoint> points = probePoints(rig.e);
    size_t i = 0;
    for (auto _ : state) {
        const QPoint p = points[i % points.size()];
        rig.e.GetRecHPE_on_Coord(p.x(), p.y(), i % 2 ? rig.e.doc().points() : rig.e.doc().rectangles());
        ++i;
        benchmark::DoNotOptimize(rig.e.selection().kind);
    }
}

// The press that creates one more rectangle: its name, its row, its drawing and its selection.
void BM_CreateElement(benchmark::State &state)
{
    EditorRig rig = generatedRig(int(state.range(0)));
    Editor &e = rig.e;
    int i = 0;
    for (auto _ : state) {
        EditorTestAccess::gesture(e).tool = Tool::Rectangle;
        e.sheetPress(mbLeft, 0, 100 + (i * 53) % 2000, 100 + (i * 71) % 3000);
        ++i;
        state.PauseTiming();
        if (e.selection().kind != ElementKind::Rectangle)
            state.SkipWithError("the new rectangle was not selected");
        e.doc().removeRow(e.doc().rectangles(), e.doc().rectangles().RowCount() - 2);
        e.doc().takeChanges();
        state.ResumeTiming();
    }
}

// Deleting a point that has `state.range(0)` lines, in a scheme of 10,000 elements.
void BM_DeletePointWithLines(benchmark::State &state)
{
    const int lines = int(state.range(0));
    EditorRig rig = generatedRig(10000, 10000);
    Editor &e = rig.e;
    const QString hub = e.doc().points().Cells(ColName, 1);
    for (int k = 0; k < lines; ++k) {
        const StringGrid &table = k % 2 ? e.doc().points() : e.doc().rectangles();
        e.doc().appendRow(e.doc().lines(),
                          {hub + '-' + table.Cells(ColName, 2 + k / 2), "0", "0", QString()});
    }
    const ElementTables before = e.doc().tables();
    int attached = 0;
    for (int r = 1; r < before.EGrid.RowCount() - 1; ++r) {
        const QString &name = before.EGrid.Cells(ColName, r);
        attached += getNameBefore('-', name) == hub || getNameAfter('-', name) == hub;
    }
    for (auto _ : state) {
        state.PauseTiming();
        e.doc().adoptTables(ElementTables(before));
        state.ResumeTiming();
        EditorTestAccess::DeleteElementModel(e, 1, e.doc().points());
        state.PauseTiming();
        e.doc().takeChanges();
        state.ResumeTiming();
        benchmark::DoNotOptimize(e.doc().lines().RowCount());
    }
    if (e.doc().lines().RowCount() != before.EGrid.RowCount() - attached)
        state.SkipWithError("not every line of the point was deleted");
}

// Undo and redo of a one-element keyboard move: each applies the step and redraws the sheet.
void BM_UndoRedoMove(benchmark::State &state)
{
    EditorRig rig = generatedRig(int(state.range(0)));
    Editor &e = rig.e;
    const StringGrid &points = e.doc().points();
    e.Find_and_Select(StrToInt(points.Cells(ColX, 1)), StrToInt(points.Cells(ColY, 1)));
    e.ObjMoveOnCanvas(Direction::Right);
    e.doc().closeStep();
    if (!e.doc().undoStack().canUndo())
        state.SkipWithError("the move made no step");
    for (auto _ : state) {
        e.undo();
        e.redo();
    }
    state.counters["changes"] = double(e.doc().undoStack().changes(0).size());
}

// A select-all keyboard move: what it records, and taking it back and making it again without
// the redraw that follows.
void BM_ApplySelectAllMove(benchmark::State &state)
{
    EditorRig rig = generatedRig(int(state.range(0)));
    Editor &e = rig.e;
    e.SelectAllObjects();
    const StringGrid &points = e.doc().points();
    e.Find_and_Select(StrToInt(points.Cells(ColX, 1)), StrToInt(points.Cells(ColY, 1)));
    e.ObjMoveOnCanvas(Direction::Right);
    e.doc().closeStep();
    const ChangeRecord &changes = e.doc().undoStack().changes(0);
    for (auto _ : state) {
        e.doc().applyChanges(changes, false);
        e.doc().applyChanges(changes, true);
    }
    state.counters["changes"] = double(changes.size());
    state.counters["bytes"] = double(changes.bytes());
}

} // namespace

BENCHMARK(BM_UndoRedoMove)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ApplySelectAllMove)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HitTestSearch)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FindAndSelect)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CreateElement)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DeletePointWithLines)->Arg(1000)->Unit(benchmark::kMicrosecond);
