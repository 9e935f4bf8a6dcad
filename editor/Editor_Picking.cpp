// Hit testing on the sheet picture and the single selection.
#include "editor/ColorItems.h"
#include "editor/Editor.h"
#include "editor/SquaredDistance.h"

#include "render/ConnectorLines.h"
#include "render/ElementDrawing.h"
#include "render/Palette.h"
#include "toolkit/ColorText.h"
#include "toolkit/IntText.h"

namespace {

constexpr int kMaxFoundText = 128;

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
    m_sel.kind = ElementKind::None;
    switch (searchFor(m_doc.sheet().canvas().pixel(X, Y))) {
    case SearchKind::Lines: {
        const QPoint arrow = getPixelLine(m_doc.sheet().canvas(), X, Y);
        if (arrow.x() != -1 && arrow.y() != -1) {
            GetRecHPE_on_Coord(arrow.x(), arrow.y(), m_doc.lines());
            if (m_sel.kind == ElementKind::Line) {
                const LineEnds ends =
                    get_2points(m_doc.tables(), m_doc.lines().Cells(ColName, m_doc.lines().Row()));
                m_sel.selX = ends.x1;
                m_sel.selY = ends.y1;
                m_sel.selX2 = ends.x2;
                m_sel.selY2 = ends.y2;
            }
        }
        break;
    }
    case SearchKind::Points:
        GetRecHPE_on_Coord(X, Y, m_doc.points());
        break;
    case SearchKind::Rectangles:
        GetRecHPE_on_Coord(X, Y, m_doc.rectangles());
        break;
    case SearchKind::None:
        break;
    }

    refreshOverlay();

    if (m_sel.kind == ElementKind::None) {
        m_ui.setText(Ctl::CaptionEdit, QString());
        m_sel.foundName.clear();
        m_multi.clear();
    }
    updateCommandStates();
    SetStateLine();
}

void Editor::GetRecHPE_on_Coord(int X, int Y, const StringGrid &table)
{
    m_distances.clear();
    m_sel.selX = m_sel.selY = m_sel.selX2 = m_sel.selY2 = -1;
    m_sel.selCaption.clear();

    int row = -1;
    if (&table == &m_doc.rectangles()) {
        row = GetNumRowRect(X, Y, table);
    } else {
        for (int r = 1; r < table.RowCount(); ++r) {
            if (!rowInUse(table, r))
                continue;
            const int rx = StrToInt(table.Cells(ColX, r));
            const int ry = StrToInt(table.Cells(ColY, r));
            m_distances.add(squaredDistanceText(rx, ry, X, Y));
        }
        // The list has one entry per in-use row; rows with an empty name may lie between
        // them (a hand-edited file), so the position is mapped back to its row.
        if (m_distances.count() > 0)
            row = inUseRowAt(table, GetNumRow_onMinValue());
    }
    if (row == -1)
        return;
    selectRow(row, table);
}

void Editor::selectRow(int row, const StringGrid &table)
{
    m_sel.foundName = table.Cells(ColName, row).left(kMaxFoundText);
    m_sel.foundX = StrToInt(table.Cells(ColX, row));
    m_sel.foundY = StrToInt(table.Cells(ColY, row));
    m_sel.foundCaption = table.Cells(ColCaption, row).left(kMaxFoundText);
    m_sel.selCaption = m_sel.foundCaption;

    if (&table != &m_doc.lines()) {
        const QString colorText = table.Cells(ColColor, row);
        const int index = colorBoxIndexOf(colorText);
        if (index >= 0 && !m_sel.keyMoveActive) {
            m_ui.setColorIndex(index);
            m_sel.currentColor = StringToColor(colorText);
        }
    }

    m_doc.setCurrentRow(table, row);
    m_sel.kind = &table == &m_doc.rectangles() ? ElementKind::Rectangle
                 : &table == &m_doc.points()   ? ElementKind::Point
                                               : ElementKind::Line;
    ShowProperties(row, table);
    m_sel.selX = m_sel.foundX;
    m_sel.selY = m_sel.foundY;
}

void Editor::selectElementRow(int row, const StringGrid &table)
{
    m_sel.selX2 = m_sel.selY2 = -1;
    selectRow(row, table);
    refreshOverlay();
    updateCommandStates();
    SetStateLine();
}

PixelBox Editor::elementExtent(int row, const StringGrid &table) const
{
    return drawnElementBox(&table == &m_doc.rectangles() ? ElementKind::Rectangle : ElementKind::Point, table,
                           row);
}

PixelBox drawnElementBox(ElementKind kind, const StringGrid &table, int row)
{
    Canvas measure(nullptr);
    measure.setFontName(captionFontName());
    measure.setFontSize(kCaptionPixelSize);
    const QSize text = measure.TextExtent(table.Cells(ColCaption, row));
    return elementBox(kind, StrToInt(table.Cells(ColX, row)), StrToInt(table.Cells(ColY, row)), text.width(),
                      text.height(), 0);
}

int Editor::GetNumRowRect(int X, int Y, const StringGrid &table)
{
    m_sel.selX = m_sel.selY = m_sel.selX2 = m_sel.selY2 = -1;
    m_sel.selCaption.clear();

    // Found from what the sheet shows when that is up to date, without reading every row again.
    if (const std::optional<int> row = m_doc.drawnRectangleAt(X, Y, kCaptionPixelSize))
        return *row;
    // Measured as the element drawing measures it: the caption font on the sheet bitmap.
    Canvas measure = m_doc.sheet().canvas();
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
    if (m_distances.count() == 0)
        return -1;
    int position = 1;
    const QString *minimum = &m_distances.item(0);
    for (int k = 2; k <= m_distances.count(); ++k) {
        if (distanceTextLess(m_distances.item(k - 1), *minimum)) {
            minimum = &m_distances.item(k - 1);
            position = k;
        }
    }
    return position;
}

void Editor::SelectAllObjects()
{
    m_multi.clear();
    for (const StringGrid *table : {&m_doc.points(), &m_doc.rectangles()})
        for (int r = 1; r < table->RowCount(); ++r)
            if (rowInUse(*table, r))
                m_multi.add(table->Cells(ColName, r));
    updateCommandStates();
    UpdateImageModel();
}

void Editor::ShowProperties(int row, const StringGrid &table)
{
    m_ui.setText(Ctl::CaptionEdit, QString());
    m_ui.setText(Ctl::CaptionEdit, table.Cells(ColCaption, row));
    m_ui.setText(Ctl::XEdit, table.Cells(ColX, row));
    m_ui.setText(Ctl::YEdit, table.Cells(ColY, row));
}
