// The toolbar as the property editor of the selection: caption box, coordinate boxes and the
// colour box write their values back into the selected element or every member of the
// multi-selection.
#include "editor/ColorItems.h"
#include "editor/Editor.h"
#include "editor/GroupMove.h"
#include "model/RowLookup.h"
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
    m_sel.keyMoveActive = false;
    const Document::Step step(m_doc, tr("Edit"));
    ChangePropSelection(0, 0, ApplyStyle::Caption);
    return QChar(0);
}

QChar Editor::coordinateKeyFilter(QChar key)
{
    if (key == kBackspace || (key >= QLatin1Char('0') && key <= QLatin1Char('9')))
        return key;
    if (key == kEnter) {
        m_sel.keyMoveActive = false;
        if ((m_sel.kind == ElementKind::Rectangle && !m_ui.text(Ctl::CaptionEdit).isEmpty()) ||
            m_sel.kind == ElementKind::Point) {
            const Document::Step step(m_doc, tr("Edit"));
            ChangePropSelection(0, 0, ApplyStyle::Caption);
        }
    }
    return QChar(0);
}

void Editor::colorChosen()
{
    const int index = m_ui.colorIndex();
    if (index < 0 || index >= colorBoxItems().size())
        return;
    // m_sel.kind is read again after the first apply: the re-selection may change it.
    const Document::Step step(m_doc, tr("Recolour"));
    for (ElementKind kind : {ElementKind::Rectangle, ElementKind::Point}) {
        if (m_sel.kind != kind)
            continue;
        m_sel.currentColor = StringToColor(colorBoxItems().at(index));
        m_sel.keyMoveActive = false;
        ChangePropSelection(0, 0, ApplyStyle::CaptionAndColour);
    }
}

void Editor::ChangePropSelection(qint64 dx, qint64 dy, ApplyStyle style)
{
    m_lastTable = nullptr;
    const bool captionEmpty = m_ui.text(Ctl::CaptionEdit).isEmpty();

    if (m_multi.count() <= 1) {
        switch (m_sel.kind) {
        case ElementKind::Rectangle:
            if (!captionEmpty) {
                ChangePropElement(m_doc.rectangles().Row(), m_doc.rectangles(), 0, 0, style);
                m_lastTable = &m_doc.rectangles();
            }
            break;
        case ElementKind::Point:
            ChangePropElement(m_doc.points().Row(), m_doc.points(), 0, 0, style);
            m_lastTable = &m_doc.points();
            break;
        case ElementKind::Line:
            ChangePropElement(m_doc.lines().Row(), m_doc.lines(), 0, 0, style);
            m_lastTable = &m_doc.lines();
            break;
        default:
            break;
        }
    } else if (m_sel.kind != ElementKind::None) {
        const QStringList names = m_multi.items();
        RowLookup rows(m_doc.tables()); // the group's edits change no name and move no row
        for (const QString &name : names) {
            if (name.isEmpty())
                continue;
            const StringGrid &table = m_doc.tables().tableForName(name);
            const int row = rows.row(name);
            if (row != -1 && (&table != &m_doc.rectangles() || !captionEmpty))
                ChangePropElement(row, table, dx, dy, style);
            m_lastTable = &table;
        }
    }

    if (m_sel.kind == ElementKind::None)
        return;
    if (m_lastTable) {
        // Select the element again at its possibly new place. The hit test reads the sheet
        // picture, so the picture is brought up to date with the tables first.
        try {
            m_doc.redraw(m_multi.list());
            m_multi.lookDrawn();
            const int row = m_lastTable->Row();
            Find_and_Select(StrToInt(m_lastTable->Cells(ColX, row)), StrToInt(m_lastTable->Cells(ColY, row)));
        } catch (const ConvertError &) {
            // The redraw below shows what went wrong, if anything.
        }
    }
    UpdateImageModel();
    m_sel.keyMoveActive = false;
}

void Editor::ChangePropElement(int row, const StringGrid &table, qint64 dx, qint64 dy, ApplyStyle style)
{
    if (&table != &m_doc.lines()) {
        if (m_multi.count() <= 1) {
            // The boxes take only digits, but may be empty or hold pasted text: a position
            // cell always holds an integer, so such a box leaves the position as it is.
            const std::optional<int> x = tryStrToInt(m_ui.text(Ctl::XEdit));
            const std::optional<int> y = tryStrToInt(m_ui.text(Ctl::YEdit));
            if (x && y) {
                m_doc.setCell(table, ColX, row, IntToStr(*x));
                m_doc.setCell(table, ColY, row, IntToStr(*y));
            }
        } else if (dx != 0 || dy != 0) {
            const QPoint moved = movedCentre(table, row, dx, dy);
            m_doc.setCell(table, ColX, row, IntToStr(moved.x()));
            m_doc.setCell(table, ColY, row, IntToStr(moved.y()));
        }
        if (style == ApplyStyle::CaptionAndColour)
            m_doc.setCell(table, ColColor, row, ColorToString(m_sel.currentColor));
    }
    if (m_ui.hasFocus(Ctl::CaptionEdit) && style != ApplyStyle::Keep) {
        const QString caption = m_ui.text(Ctl::CaptionEdit);
        if (caption.isEmpty() && &table == &m_doc.rectangles())
            m_doc.setCell(table, ColCaption, row, table.Cells(ColName, row));
        else
            m_doc.setCell(table, ColCaption, row, caption);
    }
    // Applying counts as a change also when every value was already there.
    m_doc.markModified();
}
