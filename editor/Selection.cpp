// Hit testing on the sheet picture and the single selection.
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
    SelectedKind = 0;
    switch (searchFor(sheet.canvas().pixel(X, Y))) {
    case SearchKind::Lines: {
        const QPoint arrow = getPixelLine(sheet.canvas(), X, Y);
        if (arrow.x() != -1 && arrow.y() != -1) {
            GetRecHPE_on_Coord(arrow.x(), arrow.y(), EGrid);
            if (SelectedKind == 3) {
                const LineEnds ends = get_2points(tables, EGrid.Cells(ColName, EGrid.Row()));
                SelX = ends.x1;
                SelY = ends.y1;
                SelX2 = ends.x2;
                SelY2 = ends.y2;
            }
        }
        break;
    }
    case SearchKind::Points:
        GetRecHPE_on_Coord(X, Y, PGrid);
        break;
    case SearchKind::Rectangles:
        GetRecHPE_on_Coord(X, Y, HGrid);
        break;
    case SearchKind::None:
        break;
    }

    refreshOverlay();

    if (SelectedKind != 0) {
        ui.setEnabled(Ctl::DeleteButton, true);
        ui.setEnabled(Ctl::DeleteAction, true);
        const bool line = SelectedKind == 3;
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
        FoundName.clear();
        ListShiftObj.clear();
    }
    SetStateLine();
}

void Editor::GetRecHPE_on_Coord(int X, int Y, StringGrid &table)
{
    ListDist.clear();
    SelX = SelY = SelX2 = SelY2 = -1;
    SelCaption.clear();

    int row = -1;
    if (&table == &HGrid) {
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

    FoundName = table.Cells(ColName, row).left(kMaxFoundText);
    FoundX = StrToInt(table.Cells(ColX, row));
    FoundY = StrToInt(table.Cells(ColY, row));
    FoundCaption = table.Cells(ColCaption, row).left(kMaxFoundText);
    SelCaption = FoundCaption;

    if (&table != &EGrid) {
        const QString colorText = table.Cells(ColColor, row);
        const int index = colorBoxIndexOf(colorText);
        if (index >= 0 && !KeyMoveActive) {
            ui.setColorIndex(index);
            CurrentColor = StringToColor(colorText);
        }
    }

    table.setRow(row);
    SelectedKind = &table == &HGrid ? 1 : &table == &PGrid ? 2 : 3;
    ShowProperties(row, table);
    SelX = FoundX;
    SelY = FoundY;
}

int Editor::GetNumRowRect(int X, int Y, StringGrid &table)
{
    SelX = SelY = SelX2 = SelY2 = -1;
    SelCaption.clear();

    // Measured as the element drawing measures it: the caption font on the sheet bitmap.
    Canvas measure = sheet.canvas();
    measure.setFontName(QStringLiteral("tahoma"));
    measure.setFontSize(11);

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
    ListShiftObj.clear();
    for (const StringGrid *table : {&PGrid, &HGrid})
        for (int r = 1; r < table->RowCount(); ++r)
            if (rowInUse(*table, r))
                ListShiftObj.add(table->Cells(ColName, r));
    if (ListShiftObj.count() > 0) {
        ui.setEnabled(Ctl::DeleteAction, true);
        ui.setEnabled(Ctl::DeleteButton, true);
    }
    UpdateImageModel();
}

void Editor::selectAllCommand()
{
    SelectAllObjects();
}

void Editor::ShowProperties(int row, StringGrid &table)
{
    ui.setText(Ctl::CaptionEdit, QString());
    ui.setText(Ctl::CaptionEdit, table.Cells(ColCaption, row));
    ui.setText(Ctl::XEdit, table.Cells(ColX, row));
    ui.setText(Ctl::YEdit, table.Cells(ColY, row));
}
