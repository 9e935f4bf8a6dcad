// Copy, Cut, Paste and Duplicate of rectangles and points with the lines between them.
#include "editor/CoordMath.h"
#include "editor/Editor.h"
#include "editor/SchemeClip.h"

#include "model/SchemeFile.h"
#include "model/TableOps.h"
#include "render/ElementDrawing.h"
#include "render/SceneRedraw.h"
#include "toolkit/CaptionFont.h"
#include "toolkit/Errors.h"
#include "toolkit/SheetImage.h"

namespace {

constexpr int kNearby = 10; // pixels right and below for Duplicate, and Paste away from the pointer

} // namespace

QSet<QString> Editor::selectedElementNames() const
{
    QSet<QString> names;
    const auto addElement = [&](const QString &name) {
        if (!name.isEmpty() && !name.contains(QLatin1Char('-')))
            names.insert(name);
    };
    if (m_multi.count() >= 2) {
        for (const QString &name : m_multi.items())
            addElement(name);
    } else if (m_sel.elementSelected()) {
        addElement(m_sel.foundName);
    } else if (m_multi.count() == 1) {
        addElement(m_multi.item(0));
    }
    return names;
}

void Editor::copySelection()
{
    const QSet<QString> names = selectedElementNames();
    if (names.isEmpty())
        return;
    const ElementTables clip = clipOf(m_doc.tables(), names);
    const int width = m_doc.sheet().width(), height = m_doc.sheet().height();
    const QByteArray bytes = schemeBytes(width, height, clip, false);
    TextList lines;
    lines.setFromBytes(bytes);
    const QString text = lines.items().join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    // The picture, made when a program asks for it: the clip drawn as the sheet draws it, cut to
    // the elements' boxes.
    m_ui.setClipboardScheme(bytes, text, [tables = ElementTables(clip), width, height] {
        try {
            return clipPicture(tables, width, height);
        } catch (const ConvertError &) {
            return QImage(); // a cell that does not convert: no picture
        }
    });
}

QImage Editor::clipPicture(const ElementTables &tables, int width, int height)
{
    PixelBox box;
    for (ElementKind kind : {ElementKind::Rectangle, ElementKind::Point}) {
        const StringGrid &t = kind == ElementKind::Rectangle ? tables.HGrid : tables.PGrid;
        for (int r = 1; r < t.RowCount() - 1; ++r) {
            const PixelBox b = drawnElementBox(kind, t, r);
            box = box.empty() ? b : box.united(b);
        }
    }
    box = box.clipped({0, 0, width, height});
    QImage sheet = newSheetImage(width, height);
    if (sheet.isNull() || box.empty())
        return QImage();
    Canvas canvas(&sheet);
    ::UpdateImageModel(tables, canvas, TextList());
    return sheet.copy(QRect(int(box.l), int(box.t), int(box.r - box.l), int(box.b - box.t)));
}

void Editor::cutSelection()
{
    if (locked() || selectedElementNames().isEmpty())
        return;
    const Document::Step step(m_doc, tr("Cut"));
    copySelection();
    deleteSelection();
}

void Editor::paste()
{
    if (locked())
        return;
    const std::optional<SchemeReadResult> read = readClip(m_ui.clipboardSchemeText());
    if (!read)
        return;
    const QPoint centre = clipCentre(read->tables);
    qint64 dx = kNearby, dy = kNearby;
    if (const std::optional<QPoint> pointer = m_ui.pointerInDrawingArea()) {
        const QPoint at = m_view.areaToSheet(*pointer);
        dx = qint64(at.x()) - centre.x();
        dy = qint64(at.y()) - centre.y();
        if (dx == 0 && dy == 0)
            dx = dy = kNearby; // never exactly on top of the original
    }
    addClip(read->tables, dx, dy, tr("Paste"));
}

void Editor::duplicateSelection()
{
    const QSet<QString> names = selectedElementNames();
    if (locked() || names.isEmpty())
        return;
    addClip(clipOf(m_doc.tables(), names), kNearby, kNearby, tr("Duplicate"));
}

void Editor::addClip(const ElementTables &clip, qint64 dx, qint64 dy, const QString &stepName)
{
    if (m_snapToGrid) {
        const QPoint centre = clipCentre(clip);
        const QPoint to = snapped(QPoint(clampToInt(centre.x() + dx), clampToInt(centre.y() + dy)));
        dx = qint64(to.x()) - centre.x();
        dy = qint64(to.y()) - centre.y();
    }
    const ClipRows ready = renamedClip(clip, m_doc.tables(), dx, dy);
    const Document::Step step(m_doc, stepName);
    QStringList names;
    const StringGrid *lastTable = nullptr;
    int lastRow = -1;
    for (const StringGrid *to : {&m_doc.rectangles(), &m_doc.points()}) {
        const std::vector<QStringList> &rows = to == &m_doc.rectangles() ? ready.rectangles : ready.points;
        if (rows.empty())
            continue;
        lastTable = to;
        lastRow = m_doc.appendRows(*to, rows);
        for (const QStringList &cells : rows)
            names << cells[ColName];
    }
    m_doc.appendRows(m_doc.lines(), ready.lines);
    if (!lastTable)
        return;
    // One element is the single selection; several the multi-selection too, the last of them
    // selected as Shift+clicks would leave it.
    m_multi.clear();
    if (names.size() >= 2)
        m_multi.setItems(names);
    UpdateImageModel();
    selectElementRow(lastRow, *lastTable);
}
