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

Editor::Editor(EditorUi &ui_) : ui(ui_)
{
    history.setUndoLimit(kHistorySteps);
    overlay.setDamageLog(&overlayDamage);
}

bool Editor::getCountElements() const
{
    return !locked() && (doc.points().RowCount() > 2 || doc.rectangles().RowCount() > 2);
}

void Editor::DeleteElementModel(int row, const StringGrid &table)
{
    doc.deleteElement(row, table);
    ui.setText(Ctl::CaptionEdit, QString());
    ui.setText(Ctl::XEdit, QString());
    ui.setText(Ctl::YEdit, QString());
    sel.kind = ElementKind::None;
    refreshOverlay();
    ui.setEnabled(Ctl::DeleteButton, false);
    ui.setEnabled(Ctl::DeleteAction, false);
    ui.setEnabled(Ctl::ReverseLineButton, false);
    ui.setEnabled(Ctl::ReverseLineAction, false);
    SetStateLine();
    ui.setEnabled(Ctl::SelectAllAction, getCountElements());
}

void Editor::ClearAll()
{
    doc.clearTables();
    sel.selX = sel.selY = sel.selX2 = sel.selY2 = -1;
    sel.selCaption = QStringLiteral("HP");
    sel.kind = ElementKind::None;
    refreshOverlay();
    doc.setFileName(QString());
    ListLoadsave.clear();
    ListDist.clear();
    ui.setEnabled(Ctl::DeleteButton, false);
    ui.setEnabled(Ctl::DeleteAction, false);
    ui.setEnabled(Ctl::ReverseLineButton, false);
    ui.setEnabled(Ctl::ReverseLineAction, false);
    ui.setEnabled(Ctl::SelectAllAction, false);
    ui.setWindowCaption(AppTitle);
    doc.setLocked(false);
    ui.setChecked(Ctl::LockAction, false);
    InstrumEnabled(true);
    view.panStepX = view.panStepY = view.panAnchorX = view.panAnchorY = 0;
    doc.sheet().left = 0;
    doc.sheet().top = 0;
    ui.sheetGeometryChanged();
    multi.clear();
    refreshOverlay();
}

void Editor::InstrumEnabled(bool enabled)
{
    sel.kind = ElementKind::None;
    for (Ctl c : {Ctl::CursorTool, Ctl::RectangleTool, Ctl::PointTool, Ctl::LineTool, Ctl::ColorList,
                  Ctl::CaptionEdit, Ctl::XEdit, Ctl::YEdit, Ctl::HeightMinus, Ctl::HeightPlus,
                  Ctl::WidthMinus, Ctl::WidthPlus, Ctl::CaptionLabel, Ctl::XLabel, Ctl::YLabel})
        ui.setEnabled(c, enabled);
    ui.setVisible(Ctl::HeightButtons, enabled);
    ui.setVisible(Ctl::WidthButtons, enabled);
    ui.setEnabled(Ctl::ReverseLineButton, false);
    ui.setEnabled(Ctl::ReverseLineAction, false);
    ui.setEnabled(Ctl::DeleteButton, false);
    ui.setEnabled(Ctl::DeleteAction, false);
    SetStateLine();
}

void Editor::SetStateLine()
{
    if (locked())
        return;
    ui.setEnabled(Ctl::LineTool, doc.points().RowCount() + doc.rectangles().RowCount() - 2 >= 4);
}

void Editor::UpdateImageModel()
{
    doc.redraw(multi.list());
    multi.lookDrawn();
    refreshOverlay();
}

void Editor::refreshOverlay()
{
    // The overlay's buffer is kept while the doc.sheet() keeps its size and layout; then only the
    // areas the doc.sheet() or the last overlay drawing changed are copied back from the doc.sheet().
    // The grid's dots are not logged: a paint that draws the grid puts them back unchanged,
    // and one that does not starts from the whole picture.
    const QImage &picture = doc.sheet().image();
    DamageLog &sheetDamage = doc.sheet().damage();
    // While the grid's dots stay on the overlay, they are drawn again only where copying wiped them.
    std::vector<QRect> gridAreas;
    bool wholeGrid = true;
    if (!picture.isNull() && overlayImage.size() == picture.size() &&
        overlayImage.format() == picture.format() && overlayImage.bytesPerLine() == picture.bytesPerLine()) {
        if (sheetDamage.all() || (m_gridOnOverlay && (locked() || !view.gridVisible)))
            overlayDamage.addAll();
        if (!overlayDamage.all() && m_gridOnOverlay) {
            wholeGrid = false;
            gridAreas = sheetDamage.rects();
            gridAreas.insert(gridAreas.end(), overlayDamage.rects().begin(), overlayDamage.rects().end());
        }
        if (!overlayDamage.all())
            copyDamage(sheetDamage, picture, overlayImage);
        copyDamage(overlayDamage, picture, overlayImage);
        if (overlayDamage.all())
            m_gridOnOverlay = false;
    } else {
        overlayImage = overlayCopy(picture);
        m_gridOnOverlay = false;
    }
    sheetDamage.clear();
    overlayDamage.clear();
    overlay.setImage(&overlayImage);
    paintOverlay(wholeGrid ? nullptr : &gridAreas);
    ui.overlayChanged();
}

void Editor::paintOverlay(const std::vector<QRect> *gridAreas)
{
    // The overlay canvas starts each paint with a white brush and the window's caption font.
    overlay.setBrushColor(clWhite);
    overlay.setFontName(captionFontName());
    overlay.setFontSize(kCaptionPixelSize);
    OverlayState state;
    state.locked = locked();
    state.gridVisible = view.gridVisible;
    state.selectedKind = sel.kind;
    state.selX = sel.selX;
    state.selY = sel.selY;
    state.selX2 = sel.selX2;
    state.selY2 = sel.selY2;
    state.selCaption = sel.selCaption;
    state.currentColor = selectionFillColor(*this);
    overlay.setDamageLog(nullptr);
    m_gridOnOverlay = paintOverlayGrid(overlay, state, gridAreas) || m_gridOnOverlay;
    overlay.setDamageLog(&overlayDamage);
    paintOverlaySelection(overlay, state);
}
