#include "editor/Editor.h"

#include "editor/SelectionFill.h"
#include "model/TableOps.h"
#include "render/SceneRedraw.h"

Editor::Editor(EditorUi &ui_) : ui(ui_)
{
    overlay.setDamageLog(&overlayDamage);
}

bool Editor::getCountElements() const
{
    return !locked() && (PGrid.RowCount() > 2 || HGrid.RowCount() > 2);
}

void Editor::DeleteElementModel(int row, StringGrid &table)
{
    deleteElementRows(tables, row, table, Modified);
    ui.setText(Ctl::edCaption, QString());
    ui.setText(Ctl::edXc, QString());
    ui.setText(Ctl::edYc, QString());
    SelectedKind = 0;
    refreshOverlay();
    ui.setEnabled(Ctl::deleteElem1, false);
    ui.setEnabled(Ctl::Action_delete, false);
    ui.setEnabled(Ctl::sbArrowChange, false);
    ui.setEnabled(Ctl::Action_ChangeLine, false);
    SetStateLine();
    ui.setEnabled(Ctl::ActionSelectAll, getCountElements());
}

void Editor::ClearAll()
{
    ClearSelectedTable(HGrid);
    ClearSelectedTable(PGrid);
    ClearSelectedTable(EGrid);
    SelX = SelY = SelX2 = SelY2 = -1;
    SelCaption = QStringLiteral("HP");
    SelectedKind = 0;
    refreshOverlay();
    CurrentFileName.clear();
    ListLoadsave.clear();
    ListNameEl.clear();
    ListDist.clear();
    ui.setEnabled(Ctl::deleteElem1, false);
    ui.setEnabled(Ctl::Action_delete, false);
    ui.setEnabled(Ctl::sbArrowChange, false);
    ui.setEnabled(Ctl::Action_ChangeLine, false);
    ui.setEnabled(Ctl::ActionSelectAll, false);
    ui.setWindowCaption(AppTitle);
    ui.setChecked(Ctl::Action_Lock, false);
    InstrumEnabled(true);
    PanStepX = PanStepY = PanAnchorX = PanAnchorY = 0;
    sheet.left = 0;
    sheet.top = 0;
    ui.sheetGeometryChanged();
    ListShiftObj.clear();
    refreshOverlay();
}

void Editor::InstrumEnabled(bool enabled)
{
    SelectedKind = 0;
    for (Ctl c : {Ctl::sbCursor, Ctl::sbH, Ctl::sbP, Ctl::sbE, Ctl::ColorBox1, Ctl::edCaption, Ctl::edXc,
                  Ctl::edYc, Ctl::sbCanvaTop, Ctl::sbCanvaBottom, Ctl::sbCanvaLeft, Ctl::sbCanvaRight,
                  Ctl::lbText, Ctl::lbXc, Ctl::lbYc})
        ui.setEnabled(c, enabled);
    ui.setVisible(Ctl::Panel_btn_vert, enabled);
    ui.setVisible(Ctl::Panel_btn_horiz, enabled);
    ui.setEnabled(Ctl::sbArrowChange, false);
    ui.setEnabled(Ctl::Action_ChangeLine, false);
    ui.setEnabled(Ctl::deleteElem1, false);
    ui.setEnabled(Ctl::Action_delete, false);
    SetStateLine();
}

void Editor::SetStateLine()
{
    if (locked())
        return;
    ui.setEnabled(Ctl::sbE, PGrid.RowCount() + HGrid.RowCount() - 2 >= 4);
}

void Editor::UpdateImageModel()
{
    ::UpdateImageModel(tables, sheet.canvas(), ListShiftObj);
    refreshOverlay();
}

void Editor::refreshOverlay()
{
    // The overlay's buffer is kept while the sheet keeps its size and layout; then only the
    // areas the sheet or the last overlay drawing changed are copied back from the sheet.
    // The grid's dots are not logged: a paint that draws the grid puts them back unchanged,
    // and one that does not starts from the whole picture.
    const QImage &picture = sheet.image();
    DamageLog &sheetDamage = sheet.damage();
    if (!picture.isNull() && overlayImage.size() == picture.size() &&
        overlayImage.format() == picture.format() && overlayImage.bytesPerLine() == picture.bytesPerLine()) {
        if (sheetDamage.all() || (m_gridOnOverlay && (locked() || !GridVisible)))
            overlayDamage.addAll();
        if (!overlayDamage.all())
            copyDamage(sheetDamage, picture, overlayImage);
        copyDamage(overlayDamage, picture, overlayImage);
        if (overlayDamage.all())
            m_gridOnOverlay = false;
    } else {
        overlayImage = picture.copy();
        m_gridOnOverlay = false;
    }
    sheetDamage.clear();
    overlayDamage.clear();
    overlay.setImage(&overlayImage);
    PaintBox1Paint();
    ui.overlayChanged();
}

void Editor::PaintBox1Paint()
{
    // The overlay canvas starts each paint with a white brush and the window's caption font.
    overlay.setBrushColor(clWhite);
    overlay.setFontName(QStringLiteral("tahoma"));
    overlay.setFontSize(11);
    OverlayState state;
    state.locked = locked();
    state.gridVisible = GridVisible;
    state.selectedKind = SelectedKind;
    state.selX = SelX;
    state.selY = SelY;
    state.selX2 = SelX2;
    state.selY2 = SelY2;
    state.selCaption = SelCaption;
    state.currentColor = selectionFillColor(*this);
    overlay.setDamageLog(nullptr);
    m_gridOnOverlay = paintOverlayGrid(overlay, state) || m_gridOnOverlay;
    overlay.setDamageLog(&overlayDamage);
    paintOverlaySelection(overlay, state);
}
