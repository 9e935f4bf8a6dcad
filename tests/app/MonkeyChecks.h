#pragma once

// Invariants of the editor state that must hold after every event, whatever the user did.

#include "support/TableEdits.h"
#include "editor/Editor.h"
#include "model/SchemeFile.h"
#include "model/TableOps.h"
#include "render/OverlayPaint.h"
#include "support/EditorTestAccess.h"
#include "toolkit/ColorText.h"
#include "toolkit/IntText.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

namespace monkey {

// The first broken table invariant, or an empty text.
inline QString checkTable(const StringGrid &grid, const char *title, bool hasColor)
{
    const QString t = QLatin1String(title);
    if (grid.RowCount() < 2)
        return t + QStringLiteral(": RowCount %1 < 2").arg(grid.RowCount());
    const int last = grid.RowCount() - 1;
    for (int c = 0; c < grid.ColCount(); ++c) {
        if (!grid.Cells(c, 0).isEmpty())
            return t + QStringLiteral(": header cell %1 is '%2'").arg(c).arg(grid.Cells(c, 0).left(40));
        if (!grid.Cells(c, last).isEmpty())
            return t + QStringLiteral(": trailing row %1 cell %2 is '%3'")
                           .arg(last)
                           .arg(c)
                           .arg(grid.Cells(c, last).left(40));
    }
    QSet<QString> names;
    for (int r = 1; r < last; ++r) {
        const QString name = grid.Cells(ColName, r);
        if (name.isEmpty())
            return t + QStringLiteral(": data row %1 has an empty name").arg(r);
        if (names.contains(name.toUpper()))
            return t + QStringLiteral(": name '%1' occurs twice").arg(name);
        names.insert(name.toUpper());
        for (int col : {int(ColX), int(ColY)})
            if (!tryStrToInt(grid.Cells(col, r)))
                return t + QStringLiteral(": row %1 (%2) position cell %3 is '%4'")
                               .arg(r)
                               .arg(name)
                               .arg(col)
                               .arg(grid.Cells(col, r).left(40));
        if (hasColor && !tryStringToColor(grid.Cells(ColColor, r)))
            return t +
                   QStringLiteral(": row %1 (%2) colour is '%3'").arg(r).arg(name, grid.Cells(ColColor, r));
    }
    return {};
}

inline QString checkNames(const ElementTables &tables)
{
    static const QRegularExpression rectName(QStringLiteral("^R[1-9][0-9]*$"));
    static const QRegularExpression pointName(QStringLiteral("^P[1-9][0-9]*$"));
    for (int r = 1; r < tables.HGrid.RowCount() - 1; ++r)
        if (!rectName.match(tables.HGrid.Cells(ColName, r)).hasMatch())
            return QStringLiteral("HGrid: bad name '%1'").arg(tables.HGrid.Cells(ColName, r));
    for (int r = 1; r < tables.PGrid.RowCount() - 1; ++r)
        if (!pointName.match(tables.PGrid.Cells(ColName, r)).hasMatch())
            return QStringLiteral("PGrid: bad name '%1'").arg(tables.PGrid.Cells(ColName, r));
    QSet<QString> pairs;
    for (int r = 1; r < tables.EGrid.RowCount() - 1; ++r) {
        const QString name = tables.EGrid.Cells(ColName, r);
        const QStringList ends = name.split(QLatin1Char('-'));
        if (ends.size() != 2 || ends[0].isEmpty() || ends[1].isEmpty())
            return QStringLiteral("EGrid: line name '%1' is not two names joined by '-'").arg(name);
        for (const QString &end : ends)
            if (end.contains(QLatin1Char('-')) || GetRowObjByName(tables, end) == -1)
                return QStringLiteral("EGrid: line '%1' has no end element '%2'").arg(name, end);
        if (ends[0].compare(ends[1], Qt::CaseInsensitive) == 0)
            return QStringLiteral("EGrid: line '%1' joins an element to itself").arg(name);
        QStringList key{ends[0].toUpper(), ends[1].toUpper()};
        key.sort();
        if (pairs.contains(key.join(QLatin1Char('-'))))
            return QStringLiteral("EGrid: a second line between %1 and %2").arg(ends[0], ends[1]);
        pairs.insert(key.join(QLatin1Char('-')));
    }
    return {};
}

inline QString checkSelection(Editor &e)
{
    const StringGrid *table = nullptr;
    switch (e.selection().kind) {
    case ElementKind::None:
        return {};
    case ElementKind::Rectangle:
        table = &e.doc().rectangles();
        break;
    case ElementKind::Point:
        table = &e.doc().points();
        break;
    case ElementKind::Line:
        table = &e.doc().lines();
        break;
    }
    const int row = table->Row();
    if (!isDataRow(*table, row) || !rowInUse(*table, row))
        return QStringLiteral(
                   "selection kind %1 but the current row %2 is not an in-use data row (RowCount %3)")
            .arg(int(e.selection().kind))
            .arg(row)
            .arg(table->RowCount());
    return {};
}

// Writing the tables and reading them back gives the same tables, size and lock.
inline QString checkRoundTrip(Editor &e)
{
    const QByteArray bytes =
        schemeBytes(e.doc().sheet().width(), e.doc().sheet().height(), e.doc().tables(), e.locked());
    const SchemeReadResult back = readScheme(bytes);
    if (!back.ok)
        return QStringLiteral("the saved scheme does not read back: ") + back.error;
    if (back.width != e.doc().sheet().width() || back.height != e.doc().sheet().height())
        return QStringLiteral("the sheet size does not read back");
    if (back.locked != e.locked())
        return QStringLiteral("the lock does not read back");
    for (const auto &[a, b, title] : {std::tuple{&back.tables.HGrid, &e.doc().rectangles(), "HGrid"},
                                      std::tuple{&back.tables.PGrid, &e.doc().points(), "PGrid"},
                                      std::tuple{&back.tables.EGrid, &e.doc().lines(), "EGrid"}})
        if (!sameCells(*a, *b)) {
            QString where = QStringLiteral("rows %1 vs %2").arg(a->RowCount()).arg(b->RowCount());
            for (int r = 0; r < qMin(a->RowCount(), b->RowCount()); ++r)
                for (int c = 0; c < qMin(a->ColCount(), b->ColCount()); ++c)
                    if (a->Cells(c, r) != b->Cells(c, r)) {
                        where = QStringLiteral("cell %1,%2 reads back as '%3' instead of '%4'")
                                    .arg(c)
                                    .arg(r)
                                    .arg(a->Cells(c, r).left(40), b->Cells(c, r).left(40));
                        r = a->RowCount();
                        break;
                    }
            return QStringLiteral("%1 does not read back the same: %2").arg(QLatin1String(title), where);
        }
    return {};
}

// An unmodified scheme with a file name is exactly what that file holds: no change went
// unnoticed by the modified flag.
inline QString checkSavedFile(Editor &e)
{
    if (e.doc().modified() || e.doc().fileName().isEmpty())
        return {};
    QFile file(e.doc().fileName());
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("the current file cannot be read back");
    if (file.readAll() !=
        schemeBytes(e.doc().sheet().width(), e.doc().sheet().height(), e.doc().tables(), e.locked()))
        return QStringLiteral("the scheme is not modified but differs from its file");
    return {};
}

// An error text a user can read: a short sentence, not an exception's internals.
inline bool readableError(const QString &text)
{
    if (text.trimmed().isEmpty() || text.size() > 600)
        return false;
    for (const char *raw :
         {"std::", "exception", "bad_alloc", "basic_string", "vector", "what()", "Q_ASSERT"})
        if (text.contains(QLatin1String(raw), Qt::CaseInsensitive))
            return false;
    return text.contains(QLatin1Char(' '));
}

// The overlay is the sheet picture plus drawing in logged areas and the grid: restoring those
// areas from the picture gives the picture back (grid dots aside), so a refresh that copies
// only them shows the right sheet.
inline QString checkOverlay(Editor &e)
{
    const QImage &picture = e.doc().sheet().image();
    if (picture.isNull() || e.overlayImage().size() != picture.size() ||
        e.overlayImage().format() != picture.format())
        return {}; // the next refresh copies the whole picture
    QImage restored = e.overlayImage().copy();
    copyDamage(e.doc().sheet().damage(), picture, restored);
    if (!e.doc().sheet().damage().all())
        copyDamage(EditorTestAccess::overlayDamage(e), picture, restored);
    QImage expected = picture.copy();
    if (e.gridOnOverlay()) {
        // Grid dots are put back by the next paint; compare everything else.
        Canvas a(&restored), b(&expected);
        paintOverlayGrid(a, OverlayState{});
        paintOverlayGrid(b, OverlayState{});
    }
    if (restored != expected)
        return QStringLiteral("the overlay differs from the sheet outside the logged areas");
    return {};
}

inline QString checkAll(Editor &e)
{
    for (const QString &failure :
         {checkTable(e.doc().rectangles(), "HGrid", true), checkTable(e.doc().points(), "PGrid", true),
          checkTable(e.doc().lines(), "EGrid", false), checkNames(e.doc().tables()), checkSelection(e),
          checkRoundTrip(e), checkOverlay(e)})
        if (!failure.isEmpty())
            return failure;
    return {};
}

} // namespace monkey
