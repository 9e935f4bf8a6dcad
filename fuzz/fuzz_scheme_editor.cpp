// Feeds bytes to the scheme reader; an accepted scheme is loaded into the editor, redrawn, hit at
// a few points and saved, and the saved file must read back to the same tables. Then a short
// run of user commands chosen by the input is made and undone: the scheme must come back to
// exactly what was loaded.
#include "support/TableEdits.h"
#include "editor/Editor.h"
#include "model/SchemeFile.h"
#include "support/FakeUi.h"
#include "support/RandomCommands.h"
#include "toolkit/Errors.h"

#include <QGuiApplication>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "scheme editor fuzz: %s\n", what);
        std::abort();
    }
}

QGuiApplication &application()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    // Never destroyed: libFuzzer leaves through exit(), after Qt's thread storage is gone, and
    // destroying the application then crashes inside Qt.
    static QGuiApplication *app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    return *app;
}

// Sheets are kept small so that one input costs little; the drawing clips what lies beyond.
constexpr int kMaxFuzzSide = 96;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    application();
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const SchemeReadResult r = readScheme(bytes);
    if (!r.ok)
        return 0;

    FakeUi ui;
    Editor editor(ui);
    editor.doc().adoptTables(ElementTables(r.tables));
    editor.doc().setLocked(r.locked);
    ui.setChecked(Ctl::LockAction, r.locked);
    editor.doc().createSheet(std::min(r.width, kMaxFuzzSide), std::min(r.height, kMaxFuzzSide));
    try {
        editor.UpdateImageModel();
        // Hit tests at element centres, the sheet's corners and points taken from the input.
        QList<QPoint> probes{
            {0, 0}, {editor.doc().sheet().width() - 1, editor.doc().sheet().height() - 1}, {-5, 7}};
        for (const StringGrid *g :
             {&editor.doc().rectangles(), &editor.doc().points(), &editor.doc().lines()})
            for (int row = 1; row < g->RowCount() - 1 && row < 5; ++row)
                probes.append({g->Cells(ColX, row).toInt(), g->Cells(ColY, row).toInt()});
        for (std::size_t i = 0; i + 4 <= size && i < 16; i += 4)
            probes.append({(data[i] << 8 | data[i + 1]) % (kMaxFuzzSide + 20) - 10,
                           (data[i + 2] << 8 | data[i + 3]) % (kMaxFuzzSide + 20) - 10});
        for (const QPoint &p : probes) {
            editor.Find_and_Select(p.x(), p.y());
            if (editor.selection().kind != ElementKind::None) {
                const StringGrid &t = editor.selection().kind == ElementKind::Rectangle
                                          ? editor.doc().rectangles()
                                      : editor.selection().kind == ElementKind::Point ? editor.doc().points()
                                                                                      : editor.doc().lines();
                require(!t.Cells(ColName, t.Row()).isEmpty(), "selection refers to an empty row");
            }
        }
    } catch (const AppError &) {
        require(false, "an accepted scheme failed to redraw or hit-test");
    }
    const QByteArray written = schemeBytes(r.width, r.height, editor.doc().tables(), editor.locked());
    const SchemeReadResult again = readScheme(written);
    require(again.ok, "saved scheme does not read");
    require(sameCells(again.tables, editor.doc().tables()), "tables changed by saving");

    // Commands from the input's bytes, then undo them all.
    if (editor.locked())
        return 0;
    const auto sheetBytes = [&editor] {
        return schemeBytes(editor.doc().sheet().width(), editor.doc().sheet().height(), editor.doc().tables(),
                           editor.locked());
    };
    editor.doc().startHistory();
    const QByteArray loaded = sheetBytes();
    std::size_t next = 0;
    RandomCommands commands(editor, ui, [&](int n) {
        const int byte = size > 0 ? data[next++ % size] : 0;
        return n > 0 ? byte % n : 0;
    });
    // One to twelve commands, as many as the input's length says.
    const int count = 1 + int(size % 12);
    for (int i = 0; i < count; ++i)
        commands.run();
    const QByteArray edited = sheetBytes();
    while (editor.doc().undoStack().canUndo())
        editor.undo();
    require(sheetBytes() == loaded, "undoing every command did not give back the loaded scheme");
    while (editor.doc().undoStack().canRedo())
        editor.redo();
    require(sheetBytes() == edited, "redoing every command did not give back the edited scheme");
    return 0;
}
