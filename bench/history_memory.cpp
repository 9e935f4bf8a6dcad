// Peak memory of the window-free editor holding a scheme and a full history of select-all
// keyboard moves:
//   gravelink-history-memory SCHEME.grvlk [MOVES]
// Opens the scheme as the editor does (read, drawn, mirrored), selects all rectangles and
// points and moves them MOVES times (default 1,000) by one pixel, each move one undo step with
// its redraw; then undoes and redoes one step. Prints the history's steps and bytes and the
// process's peak resident memory (VmHWM) in MB (10^6 bytes).
#include "model/SchemeFile.h"
#include "support/EditorRig.h"
#include "toolkit/IntText.h"

#include <QFile>
#include <QGuiApplication>

#include <array>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <cstdio>

namespace {

long long peakKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    return -1;
}

} // namespace

int main(int argc, char **argv)
{
#ifdef __GLIBC__
    // As the editor does.
    mallopt(M_ARENA_MAX, 1);
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
#endif
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "Usage: gravelink-history-memory SCHEME.grvlk [MOVES]\n");
        return 2;
    }
    const int moves = argc == 3 ? QByteArray(argv[2]).toInt() : 1000;
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    SchemeReadResult scheme = readScheme(file.readAll());
    if (!scheme.ok) {
        std::fprintf(stderr, "%s\n", qPrintable(scheme.error));
        return 1;
    }
    EditorRig rig(std::move(scheme.tables), QSize(scheme.width, scheme.height));
    Editor &e = rig.e;
    e.doc().startHistory();
    std::printf("opened: peak %lld MB\n", peakKilobytes() * 1024 / 1000000);
    // The first point a click finds (another element's text may cover a point's centre), then
    // every element.
    const StringGrid &points = e.doc().points();
    for (int r = 1; r < points.RowCount() && !e.selection().elementSelected(); ++r)
        e.Find_and_Select(StrToInt(points.Cells(ColX, r)), StrToInt(points.Cells(ColY, r)));
    e.SelectAllObjects();
    if (!e.selection().elementSelected() || e.multiSelection().count() < 2) {
        std::fprintf(stderr, "no element could be selected\n");
        return 1;
    }
    for (int i = 0; i < moves; ++i) {
        // Right, down, left, up: the elements stay near where they were.
        e.ObjMoveOnCanvas(
            std::array{Direction::Right, Direction::Down, Direction::Left, Direction::Up}[i % 4]);
        e.doc().closeStep();
    }
    e.undo();
    e.redo();
    const History &history = e.doc().undoStack();
    std::printf("history: %d steps, %lld bytes (%lld changes in the last)\n", history.count(),
                static_cast<long long>(history.bytes()),
                static_cast<long long>(history.count() ? history.changes(history.count() - 1).size() : 0));
    std::printf("peak RSS: %lld MB\n", peakKilobytes() * 1024 / 1000000);
    return 0;
}
