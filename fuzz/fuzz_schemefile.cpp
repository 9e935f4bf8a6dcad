// Feeds bytes to the scheme reader; an accepted scheme must write back and read again to the
// same scheme, and nothing read may be larger than the file.
#include "support/TableEdits.h"
#include "model/SchemeFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "scheme fuzz: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    TextList lines;
    lines.setFromBytes(bytes);
    const int n = lines.count();

    const SchemeReadResult r = readScheme(bytes);
    for (const StringGrid *g : {&r.tables.HGrid, &r.tables.PGrid, &r.tables.EGrid}) {
        require(g->RowCount() >= 2 && g->RowCount() <= n + 2, "row count beyond the file");
        require(g->ColCount() <= kSchemeMaxColumns, "column count beyond the limit");
        require(qint64(g->RowCount() - 2) * g->ColCount() <= n, "cells beyond the file");
        require(g->Cells(0, g->RowCount() - 1).isEmpty(), "trailing row not empty");
    }
    if (!r.ok) {
        require(r.errorLine >= 1 && r.errorLine <= (n > 2 ? n : 2), "failure line outside the file");
        require(!r.locked, "failed load reports a lock");
        return 0;
    }
    require(sheetSizeAllowed(r.width, r.height), "sheet size accepted beyond the bounds");
    const QByteArray written = schemeBytes(r.width, r.height, r.tables, r.locked);
    const SchemeReadResult again = readScheme(written);
    require(again.ok, "written scheme does not read");
    require(again.width == r.width && again.height == r.height && again.locked == r.locked,
            "size or lock changed by a round trip");
    require(sameCells(again.tables, r.tables), "tables changed by a round trip");
    require(schemeBytes(again.width, again.height, again.tables, again.locked) == written,
            "second write differs");
    return 0;
}
