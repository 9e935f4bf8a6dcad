// The toolbar as the property editor of the selection: caption box, coordinate boxes and the
// colour box write their values back into the selected element or every member of the
// multi-selection.
#include "editor/ColorItems.h"
#include "editor/Editor.h"
#include "editor/GroupMove.h"
#include "model/TableOps.h"
#include "render/SceneRedraw.h"
#include "toolkit/ColorText.h"
#include "toolkit/Errors.h"
#include "toolkit/IntText.h"

#include <exception>
#include <optional>

namespace {

constexpr QChar kEnter(13);
constexpr QChar kBackspace(8);

} // namespace

QChar Editor::captionKeyFilter(QChar key)
{
    if (key != kEnter)
        return key;
    KeyMoveActive = false;
    ChangePropSelection(0, 0, false);
    return QChar(0);
}

QChar Editor::coordinateKeyFilter(QChar key)
{
    if (key == kBackspace || (key >= QLatin1Char('0') && key <= QLatin1Char('9')))
        return key;
    if (key == kEnter) {
        KeyMoveActive = false;
        if ((SelectedKind == 1 && !ui.text(Ctl::CaptionEdit).isEmpty()) || SelectedKind == 2)
            ChangePropSelection(0, 0, false);
    }
    return QChar(0);
}

void Editor::colorChosen()
{
    const int index = ui.colorIndex();
    if (index < 0 || index >= colorBoxItems().size())
        return;
    // SelectedKind is read again after the first apply: the re-selection may change it.
    for (int kind : {1, 2}) {
        if (SelectedKind != kind)
            continue;
        CurrentColor = StringToColor(colorBoxItems().at(index));
        KeyMoveActive = false;
        ChangePropSelection(0, 0, false);
    }
}

void Editor::ChangePropSelection(qint64 dx, qint64 dy, bool keepStyle)
{
    m_lastTable = nullptr;
    const bool captionEmpty = ui.text(Ctl::CaptionEdit).isEmpty();

    if (ListShiftObj.count() <= 1) {
        switch (SelectedKind) {
        case 1:
            if (!captionEmpty) {
                ChangePropElement(HGrid.Row(), HGrid, 0, 0, keepStyle);
                m_lastTable = &HGrid;
            }
            break;
        case 2:
            ChangePropElement(PGrid.Row(), PGrid, 0, 0, keepStyle);
            m_lastTable = &PGrid;
            break;
        case 3:
            ChangePropElement(EGrid.Row(), EGrid, 0, 0, keepStyle);
            m_lastTable = &EGrid;
            break;
        default:
            break;
        }
    } else if (SelectedKind != 0) {
        const QStringList names = ListShiftObj.items();
        for (const QString &name : names) {
            if (name.isEmpty())
                continue;
            StringGrid &table = tables.tableForName(name);
            const int row = GetRowObjByName(tables, name);
            if (row != -1 && (&table != &HGrid || !captionEmpty))
                ChangePropElement(row, table, dx, dy, keepStyle);
            m_lastTable = &table;
        }
    }

    if (SelectedKind == 0)
        return;
    if (m_lastTable) {
        // Select the element again at its possibly new place. The hit test reads the sheet
        // picture, so the picture is brought up to date with the tables first.
        try {
            ::UpdateImageModel(tables, sheet.canvas(), ListShiftObj);
            const int row = m_lastTable->Row();
            Find_and_Select(StrToInt(m_lastTable->Cells(ColX, row)), StrToInt(m_lastTable->Cells(ColY, row)));
        } catch (const std::exception &) {
            // The redraw below shows what went wrong, if anything.
        }
    }
    UpdateImageModel();
    KeyMoveActive = false;
}

void Editor::ChangePropElement(int row, StringGrid &table, qint64 dx, qint64 dy, bool keepStyle)
{
    if (&table != &EGrid) {
        if (ListShiftObj.count() <= 1) {
            // The boxes take only digits, but may be empty or hold pasted text: a position
            // cell always holds an integer, so such a box leaves the position as it is.
            const std::optional<int> x = tryStrToInt(ui.text(Ctl::XEdit));
            const std::optional<int> y = tryStrToInt(ui.text(Ctl::YEdit));
            if (x && y) {
                table.setCell(ColX, row, IntToStr(*x));
                table.setCell(ColY, row, IntToStr(*y));
            }
        } else if (dx != 0 || dy != 0) {
            const QPoint moved = movedCentre(table, row, dx, dy);
            table.setCell(ColX, row, IntToStr(moved.x()));
            table.setCell(ColY, row, IntToStr(moved.y()));
        }
        if (!keepStyle)
            table.setCell(ColColor, row, ColorToString(CurrentColor));
    }
    if (ui.hasFocus(Ctl::CaptionEdit) && !keepStyle) {
        const QString caption = ui.text(Ctl::CaptionEdit);
        if (caption.isEmpty() && &table == &HGrid)
            table.setCell(ColCaption, row, table.Cells(ColName, row));
        else
            table.setCell(ColCaption, row, caption);
    }
    Modified = true;
}
