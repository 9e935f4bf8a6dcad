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

#include <optional>

namespace {

constexpr QChar kEnter(13);
constexpr QChar kBackspace(8);

} // namespace

QChar Editor::captionKeyFilter(QChar key)
{
    if (key != kEnter)
        return key;
    sel.keyMoveActive = false;
    doc.setStepName(QStringLiteral("Edit"));
    ChangePropSelection(0, 0, ApplyStyle::Caption);
    return QChar(0);
}

QChar Editor::coordinateKeyFilter(QChar key)
{
    if (key == kBackspace || (key >= QLatin1Char('0') && key <= QLatin1Char('9')))
        return key;
    if (key == kEnter) {
        sel.keyMoveActive = false;
        if ((sel.kind == ElementKind::Rectangle && !ui.text(Ctl::CaptionEdit).isEmpty()) ||
            sel.kind == ElementKind::Point) {
            doc.setStepName(QStringLiteral("Edit"));
            ChangePropSelection(0, 0, ApplyStyle::Caption);
        }
    }
    return QChar(0);
}

void Editor::colorChosen()
{
    const int index = ui.colorIndex();
    if (index < 0 || index >= colorBoxItems().size())
        return;
    // sel.kind is read again after the first apply: the re-selection may change it.
    for (ElementKind kind : {ElementKind::Rectangle, ElementKind::Point}) {
        if (sel.kind != kind)
            continue;
        sel.currentColor = StringToColor(colorBoxItems().at(index));
        sel.keyMoveActive = false;
        doc.setStepName(QStringLiteral("Recolour"));
        ChangePropSelection(0, 0, ApplyStyle::CaptionAndColour);
    }
}

void Editor::ChangePropSelection(qint64 dx, qint64 dy, ApplyStyle style)
{
    m_lastTable = nullptr;
    const bool captionEmpty = ui.text(Ctl::CaptionEdit).isEmpty();

    if (multi.count() <= 1) {
        switch (sel.kind) {
        case ElementKind::Rectangle:
            if (!captionEmpty) {
                ChangePropElement(doc.rectangles().Row(), doc.rectangles(), 0, 0, style);
                m_lastTable = &doc.rectangles();
            }
            break;
        case ElementKind::Point:
            ChangePropElement(doc.points().Row(), doc.points(), 0, 0, style);
            m_lastTable = &doc.points();
            break;
        case ElementKind::Line:
            ChangePropElement(doc.lines().Row(), doc.lines(), 0, 0, style);
            m_lastTable = &doc.lines();
            break;
        default:
            break;
        }
    } else if (sel.kind != ElementKind::None) {
        const QStringList names = multi.items();
        for (const QString &name : names) {
            if (name.isEmpty())
                continue;
            const StringGrid &table = doc.tables().tableForName(name);
            const int row = GetRowObjByName(doc.tables(), name);
            if (row != -1 && (&table != &doc.rectangles() || !captionEmpty))
                ChangePropElement(row, table, dx, dy, style);
            m_lastTable = &table;
        }
    }

    if (sel.kind == ElementKind::None)
        return;
    if (m_lastTable) {
        // Select the element again at its possibly new place. The hit test reads the doc.sheet()
        // picture, so the picture is brought up to date with the doc.tables() first.
        try {
            doc.redraw(multi.list());
            multi.lookDrawn();
            const int row = m_lastTable->Row();
            Find_and_Select(StrToInt(m_lastTable->Cells(ColX, row)), StrToInt(m_lastTable->Cells(ColY, row)));
        } catch (const ConvertError &) {
            // The redraw below shows what went wrong, if anything.
        }
    }
    UpdateImageModel();
    sel.keyMoveActive = false;
}

void Editor::ChangePropElement(int row, const StringGrid &table, qint64 dx, qint64 dy, ApplyStyle style)
{
    if (&table != &doc.lines()) {
        if (multi.count() <= 1) {
            // The boxes take only digits, but may be empty or hold pasted text: a position
            // cell always holds an integer, so such a box leaves the position as it is.
            const std::optional<int> x = tryStrToInt(ui.text(Ctl::XEdit));
            const std::optional<int> y = tryStrToInt(ui.text(Ctl::YEdit));
            if (x && y) {
                doc.setCell(table, ColX, row, IntToStr(*x));
                doc.setCell(table, ColY, row, IntToStr(*y));
            }
        } else if (dx != 0 || dy != 0) {
            const QPoint moved = movedCentre(table, row, dx, dy);
            doc.setCell(table, ColX, row, IntToStr(moved.x()));
            doc.setCell(table, ColY, row, IntToStr(moved.y()));
        }
        if (style == ApplyStyle::CaptionAndColour)
            doc.setCell(table, ColColor, row, ColorToString(sel.currentColor));
    }
    if (ui.hasFocus(Ctl::CaptionEdit) && style != ApplyStyle::Keep) {
        const QString caption = ui.text(Ctl::CaptionEdit);
        if (caption.isEmpty() && &table == &doc.rectangles())
            doc.setCell(table, ColCaption, row, table.Cells(ColName, row));
        else
            doc.setCell(table, ColCaption, row, caption);
    }
    doc.setModified(true);
}
