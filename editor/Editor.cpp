#include "editor/Editor.h"

#include "editor/SelectionFill.h"
#include "model/TableOps.h"
#include "render/OverlayPaint.h"
#include "toolkit/SheetImage.h"

#include <cstring>

namespace {

// The overlay's copy of the sheet's picture, in memory of the same kind: on huge pages for a
// large sheet, which keeps copying scattered areas back from the sheet cheap.
QImage overlayCopy(const QImage &picture)
{
    if (picture.format() != QImage::Format_RGB32)
        return picture.copy();
    QImage copy = newSheetImage(picture.width(), picture.height(), false);
    if (copy.isNull() || copy.bytesPerLine() != picture.bytesPerLine())
        return picture.copy();
    std::memcpy(copy.bits(), picture.constBits(), size_t(picture.sizeInBytes()));
    return copy;
}

} // namespace

Editor::Editor(EditorUi &ui) : m_ui(ui)
{
    m_overlay.setDamageLog(&m_overlayDamage);
    m_doc.setStepApplier([this](const ChangeRecord &changes, bool forward) { applyStep(changes, forward); });
}

bool Editor::getCountElements() const
{
    return !locked() && (m_doc.points().RowCount() > 2 || m_doc.rectangles().RowCount() > 2);
}

void Editor::DeleteElementModel(int row, const StringGrid &table)
{
    m_doc.deleteElement(row, table);
    m_ui.setText(Ctl::CaptionEdit, QString());
    m_ui.setText(Ctl::XEdit, QString());
    m_ui.setText(Ctl::YEdit, QString());
    m_sel.kind = ElementKind::None;
    refreshOverlay();
    SetStateLine();
    updateCommandStates();
}

void Editor::ClearAll()
{
    m_doc.clearTables();
    m_sel.selX = m_sel.selY = m_sel.selX2 = m_sel.selY2 = -1;
    m_sel.selCaption = QStringLiteral("HP");
    m_sel.kind = ElementKind::None;
    refreshOverlay();
    m_doc.setFileName(QString());
    m_distances.clear();
    m_ui.setWindowCaption(m_ui.applicationTitle());
    m_doc.setLocked(false);
    m_ui.setChecked(Ctl::LockAction, false);
    InstrumEnabled(true);
    m_view.reset();
    m_ui.sheetGeometryChanged();
    m_multi.clear();
    updateCommandStates();
    refreshOverlay();
}

void Editor::InstrumEnabled(bool enabled)
{
    m_sel.kind = ElementKind::None;
    for (Ctl c : {Ctl::CursorTool, Ctl::RectangleTool, Ctl::PointTool, Ctl::LineTool, Ctl::ColorList,
                  Ctl::CaptionEdit, Ctl::XEdit, Ctl::YEdit, Ctl::HeightMinus, Ctl::HeightPlus,
                  Ctl::WidthMinus, Ctl::WidthPlus, Ctl::CaptionLabel, Ctl::XLabel, Ctl::YLabel})
        m_ui.setEnabled(c, enabled);
    m_ui.setVisible(Ctl::HeightButtons, enabled);
    m_ui.setVisible(Ctl::WidthButtons, enabled);
    updateCommandStates();
    SetStateLine();
}

void Editor::updateCommandStates()
{
    // Delete takes the selected element or line, or the members of Select All; ChangeLine a
    // selected line. A locked scheme has neither.
    const bool editable = !locked();
    const bool anything = m_sel.kind != ElementKind::None || m_multi.count() > 0;
    const bool line = m_sel.kind == ElementKind::Line;
    for (Ctl c : {Ctl::DeleteButton, Ctl::DeleteAction})
        m_ui.setEnabled(c, editable && anything);
    for (Ctl c : {Ctl::ReverseLineButton, Ctl::ReverseLineAction, Ctl::ReverseLineItem})
        m_ui.setEnabled(c, editable && line);
    m_ui.setEnabled(Ctl::SelectAllAction, getCountElements());

    // Copy takes the selected rectangles and points, also while locked; the others change the
    // scheme. Align needs two elements of the multi-selection, Distribute three (counted no
    // further than that).
    int members = 0;
    for (int i = 0; i < m_multi.count() && members < 3; ++i)
        members += !m_multi.item(i).isEmpty() && !m_multi.item(i).contains(QLatin1Char('-'));
    const bool elements = members > 0 || m_sel.elementSelected();
    m_ui.setEnabled(Ctl::CopyAction, elements);
    for (Ctl c : {Ctl::CutAction, Ctl::DuplicateAction})
        m_ui.setEnabled(c, editable && elements);
    m_ui.setEnabled(Ctl::PasteAction, editable);
    m_ui.setEnabled(Ctl::AlignActions, editable && members >= 2);
    m_ui.setEnabled(Ctl::DistributeActions, editable && members >= 3);
}

void Editor::SetStateLine()
{
    if (locked())
        return;
    m_ui.setEnabled(Ctl::LineTool, m_doc.points().RowCount() + m_doc.rectangles().RowCount() - 2 >= 4);
}

void Editor::UpdateImageModel()
{
    m_doc.redraw(m_multi.list());
    m_multi.lookDrawn();
    refreshOverlay();
}

void Editor::refreshOverlay()
{
    // The overlay's buffer is kept while the sheet keeps its size and layout; then only the
    // areas the sheet or the last overlay drawing changed are copied back from the sheet.
    // The grid's dots are not logged: a paint that draws the grid puts them back unchanged,
    // and one that does not starts from the whole picture.
    const QImage &picture = m_doc.sheet().image();
    DamageLog &sheetDamage = m_doc.sheet().damage();
    // While the grid's dots stay on the overlay, they are drawn again only where copying wiped them.
    std::vector<QRect> gridAreas;
    bool wholeGrid = true;
    if (!picture.isNull() && m_overlayImage.size() == picture.size() &&
        m_overlayImage.format() == picture.format() &&
        m_overlayImage.bytesPerLine() == picture.bytesPerLine()) {
        if (sheetDamage.all() || (m_gridOnOverlay && (locked() || !m_gridVisible)))
            m_overlayDamage.addAll();
        if (!m_overlayDamage.all() && m_gridOnOverlay) {
            wholeGrid = false;
            gridAreas = sheetDamage.rects();
            gridAreas.insert(gridAreas.end(), m_overlayDamage.rects().begin(), m_overlayDamage.rects().end());
        }
        if (!m_overlayDamage.all()) {
            copyDamage(sheetDamage, picture, m_overlayImage);
            noteOverlayChange(sheetDamage);
        }
        copyDamage(m_overlayDamage, picture, m_overlayImage);
        noteOverlayChange(m_overlayDamage);
        if (m_overlayDamage.all())
            m_gridOnOverlay = false;
    } else {
        m_overlayImage = overlayCopy(picture);
        m_gridOnOverlay = false;
        m_reducedDamage.addAll();
    }
    sheetDamage.clear();
    m_overlayDamage.clear();
    m_overlay.setImage(&m_overlayImage);
    const bool gridBefore = m_gridOnOverlay;
    paintOverlay(wholeGrid ? nullptr : &gridAreas);
    if (wholeGrid && m_gridOnOverlay && !gridBefore)
        m_reducedDamage.addAll();
    else
        for (const QRect &r : gridAreas)
            m_reducedDamage.add(r.left(), r.top(), r.right() + 1, r.bottom() + 1);
    showOverlay();
}

void Editor::noteOverlayChange(const DamageLog &copied)
{
    if (copied.all())
        m_reducedDamage.addAll();
    else
        for (const QRect &r : copied.rects())
            m_reducedDamage.add(r.left(), r.top(), r.right() + 1, r.bottom() + 1);
}

void Editor::showOverlay()
{
    if (m_view.scale().num < m_view.scale().den) {
        // What changed since the last time: the areas noted, and what was drawn on the overlay
        // since its last refresh (those are still logged, for the next copy back).
        if (m_reducedDamage.all() || m_overlayDamage.all() || !m_reduced.fits(m_overlayImage)) {
            m_reduced.rebuild(m_overlayImage);
        } else {
            std::vector<QRect> areas = m_reducedDamage.rects();
            areas.insert(areas.end(), m_overlayDamage.rects().begin(), m_overlayDamage.rects().end());
            m_reduced.update(m_overlayImage, areas);
        }
        m_reducedDamage.clear();
    } else if (!m_reduced.empty()) {
        // Not needed at this scale: made again when the view is reduced.
        m_reduced.clear();
        m_reducedDamage.addAll();
    }
    m_ui.overlayChanged();
}

void Editor::paintOverlay(const std::vector<QRect> *gridAreas)
{
    // The overlay canvas starts each paint with a white brush and the window's caption font.
    m_overlay.setBrushColor(clWhite);
    m_overlay.setFontName(captionFontName());
    m_overlay.setFontSize(kCaptionPixelSize);
    OverlayState state;
    state.locked = locked();
    state.gridVisible = m_gridVisible;
    state.selectedKind = m_sel.kind;
    state.selX = m_sel.selX;
    state.selY = m_sel.selY;
    state.selX2 = m_sel.selX2;
    state.selY2 = m_sel.selY2;
    state.selCaption = m_sel.selCaption;
    state.currentColor = selectionFillColor(m_sel, m_doc.tables());
    m_overlay.setDamageLog(nullptr);
    m_gridOnOverlay = paintOverlayGrid(m_overlay, state, gridAreas) || m_gridOnOverlay;
    m_overlay.setDamageLog(&m_overlayDamage);
    paintOverlaySelection(m_overlay, state);
}
