// Hit testing on the doc.sheet() picture and the single selection.
#include "editor/ColorItems.h"
#include "editor/Editor.h"
#include "editor/SquaredDistance.h"

#include "render/ConnectorLines.h"
#include "render/ElementDrawing.h"
#include "toolkit/ColorText.h"
#include "toolkit/IntText.h"

namespace {

constexpr int kMaxFoundText = 128;

constexpr TColor clFrameGrey = 0x00808080;

enum class SearchKind { Lines, Points, None, Rectangles };

SearchKind searchFor(std::optional<TColor> pixel)
{
    // A position off the bitmap has no colour of its own; only the rectangle test, which works
    // on geometry alone, can find something there.
    if (!pixel)
        return SearchKind::Rectangles;
    switch (*pixel) {
    case clWhite:
    case clArrowOutline:
    case clArrowFill:
        return SearchKind::Lines;
    case clPointFill:
    case clPointGhostPen:
        return SearchKind::Points;
    case clFrameGrey:
    case clLineStroke:
        return SearchKind::None;
    default:
        return SearchKind::Rectangles;
    }
}

// The row of the position-th in-use row (counted from 1), or -1.
int inUseRowAt(const StringGrid &table, int position)
{
    int seen = 0;
    for (int r = 1; r < table.RowCount(); ++r) {
        if (!rowInUse(table, r))
            continue;
        if (++seen == position)
            return r;
    }
    return -1;
}

} // namespace

void Editor::Find_and_Select(int X, int Y)
{
    sel.kind = ElementKind::None;
    switch (searchFor(doc.sheet().canvas().pixel(X, Y))) {
    case SearchKind::Lines: {
        const QPoint arrow = getPixelLine(doc.sheet().canvas(), X, Y);
        if (arrow.x() != -1 && arrow.y() != -1) {
            GetRecHPE_on_Coord(arrow.x(), arrow.y(), doc.lines());
            if (sel.kind == ElementKind::Line) {
                const LineEnds ends =
                    get_2points(doc.tables(), doc.lines().Cells(ColName, doc.lines().Row()));
                sel.selX = ends.x1;
                sel.selY = ends.y1;
                sel.selX2 = ends.x2;
                sel.selY2 = ends.y2;
            }
        }
        break;
    }
    case SearchKind::Points:
        GetRecHPE_on_Coord(X, Y, doc.points());
        break;
    case SearchKind::Rectangles:
        GetRecHPE_on_Coord(X, Y, doc.rectangles());
        break;
    case SearchKind::None:
        break;
    }

    refreshOverlay();

    if (sel.kind != ElementKind::None) {
        ui.setEnabled(Ctl::DeleteButton, true);
        ui.setEnabled(Ctl::DeleteAction, true);
        const bool line = sel.kind == ElementKind::Line;
        ui.setEnabled(Ctl::ReverseLineButton, line);
        ui.setEnabled(Ctl::ReverseLineAction, line);
        ui.setEnabled(Ctl::ReverseLineItem, line);
    } else {
        ui.setEnabled(Ctl::DeleteButton, false);
        ui.setEnabled(Ctl::DeleteAction, false);
        ui.setEnabled(Ctl::ReverseLineButton, false);
        ui.setEnabled(Ctl::ReverseLineAction, false);
        ui.setEnabled(Ctl::ReverseLineItem, false);
        ui.setText(Ctl::CaptionEdit, QString());
        sel.foundName.clear();
        multi.clear();
    }
    SetStateLine();
}

void Editor::GetRecHPE_on_Coord(int X, int Y, const StringGrid &table)
{
    ListDist.clear();
    sel.selX = sel.selY = sel.selX2 = sel.selY2 = -1;
    sel.selCaption.clear();

    int row = -1;
    if (&table == &doc.rectangles()) {
        row = GetNumRowRect(X, Y, table);
    } else {
        for (int r = 1; r < table.RowCount(); ++r) {
            if (!rowInUse(table, r))
                continue;
            const int rx = StrToInt(table.Cells(ColX, r));
            const int ry = StrToInt(table.Cells(ColY, r));
            ListDist.add(squaredDistanceText(rx, ry, X, Y));
        }
        // The list has one entry per in-use row; rows with an empty name may lie between
        // them (a hand-edited file), so the position is mapped back to its row.
        if (ListDist.count() > 0)
            row = inUseRowAt(table, GetNumRow_onMinValue());
    }
    if (row == -1)
        return;

    sel.foundName = table.Cells(ColName, row).left(kMaxFoundText);
    sel.foundX = StrToInt(table.Cells(ColX, row));
    sel.foundY = StrToInt(table.Cells(ColY, row));
    sel.foundCaption = table.Cells(ColCaption, row).left(kMaxFoundText);
    sel.selCaption = sel.foundCaption;

    if (&table != &doc.lines()) {
        const QString colorText = table.Cells(ColColor, row);
        const int index = colorBoxIndexOf(colorText);
        if (index >= 0 && !sel.keyMoveActive) {
            ui.setColorIndex(index);
            sel.currentColor = StringToColor(colorText);
        }
    }

    doc.setCurrentRow(table, row);
    sel.kind = &table == &doc.rectangles() ? ElementKind::Rectangle
               : &table == &doc.points()   ? ElementKind::Point
                                           : ElementKind::Line;
    ShowProperties(row, table);
    sel.selX = sel.foundX;
    sel.selY = sel.foundY;
}

int Editor::GetNumRowRect(int X, int Y, const StringGrid &table)
{
    sel.selX = sel.selY = sel.selX2 = sel.selY2 = -1;
    sel.selCaption.clear();

    // Found from what the sheet shows when that is up to date, without reading every row again.
    if (const std::optional<int> row = doc.drawnRectangleAt(X, Y, kCaptionPixelSize))
        return *row;
    // Measured as the element drawing measures it: the caption font on the doc.sheet() bitmap.
    Canvas measure = doc.sheet().canvas();
    measure.setFontName(captionFontName());
    measure.setFontSize(kCaptionPixelSize);

    for (int r = table.RowCount() - 1; r >= 1; --r) {
        if (!rowInUse(table, r))
            continue;
        const qint64 cx = StrToInt(table.Cells(ColX, r));
        const qint64 cy = StrToInt(table.Cells(ColY, r));
        const QSize extent = measure.TextExtent(table.Cells(ColCaption, r));
        const qint64 half = extent.width() / 2;
        const qint64 h = extent.height();
        if (cx - half - 8 <= X && X <= cx + half + 8 && cy - h <= Y && Y <= cy + h)
            return r;
    }
    return -1;
}

int Editor::GetNumRow_onMinValue()
{
    if (ListDist.count() == 0)
        return -1;
    int position = 1;
    const QString *minimum = &ListDist.item(0);
    for (int k = 2; k <= ListDist.count(); ++k) {
        if (distanceTextLess(ListDist.item(k - 1), *minimum)) {
            minimum = &ListDist.item(k - 1);
            position = k;
        }
    }
    return position;
}

void Editor::SelectAllObjects()
{
    multi.clear();
    for (const StringGrid *table : {&doc.points(), &doc.rectangles()})
        for (int r = 1; r < table->RowCount(); ++r)
            if (rowInUse(*table, r))
                multi.add(table->Cells(ColName, r));
    if (multi.count() > 0) {
        ui.setEnabled(Ctl::DeleteAction, true);
        ui.setEnabled(Ctl::DeleteButton, true);
    }
    UpdateImageModel();
}

void Editor::selectAllCommand()
{
    SelectAllObjects();
}

void Editor::ShowProperties(int row, const StringGrid &table)
{
    ui.setText(Ctl::CaptionEdit, QString());
    ui.setText(Ctl::CaptionEdit, table.Cells(ColCaption, row));
    ui.setText(Ctl::XEdit, table.Cells(ColX, row));
    ui.setText(Ctl::YEdit, table.Cells(ColY, row));
}
