#include "render/SceneRedraw.h"

#include "render/ConnectorLines.h"
#include "render/ElementDrawing.h"
#include "render/ElementIndex.h"
#include "render/Relief.h"
#include "toolkit/ColorText.h"

#include <QSet>

namespace {

constexpr TColor clFrame = 0x00808080;

// The multi-selection's names for membership tests without regard to case, in constant time.
// Each code point is case-folded on its own, as the list's case-insensitive lookup compares.
class SelectionNames {
public:
    explicit SelectionNames(const TextList &list)
    {
        // A single name is no multi-selection.
        if (list.count() < 2)
            return;
        m_names.reserve(list.count());
        for (const QString &name : list.items())
            m_names.insert(folded(name));
    }

    bool contains(const QString &name) const { return !m_names.isEmpty() && m_names.contains(folded(name)); }

private:
    static QString folded(const QString &text)
    {
        QString out;
        out.reserve(text.size());
        const qsizetype n = text.size();
        for (qsizetype i = 0; i < n; ++i) {
            char32_t ch = text.at(i).unicode();
            if (QChar::isHighSurrogate(ch) && i + 1 < n && text.at(i + 1).isLowSurrogate()) {
                ch = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
                ++i;
            } else if (QChar::isSurrogate(ch)) {
                ch = QChar::ReplacementCharacter; // a lone surrogate compares as U+FFFD
            }
            const char32_t f = QChar::toCaseFolded(ch);
            if (QChar::requiresSurrogates(f)) {
                out.append(QChar(QChar::highSurrogate(f)));
                out.append(QChar(QChar::lowSurrogate(f)));
            } else {
                out.append(QChar(char16_t(f)));
            }
        }
        return out;
    }

    QSet<QString> m_names;
};

void drawElements(const StringGrid &table, const TableCoords &coords, Canvas &canvas,
                  const SelectionNames &selection, int kind)
{
    for (int r = 1; r < table.RowCount(); ++r) {
        const QString &name = table.Cells(ColName, r);
        if (name.isEmpty())
            continue;
        const QPoint centre = coords.centreOfRow(r);
        const TColor colour = StringToColor(table.Cells(ColColor, r));
        DrawToolElement(centre.x(), centre.y(), table.Cells(ColCaption, r), canvas, colour, clBlack,
                        selection.contains(name), false, kind);
    }
}

} // namespace

void UpdateImageModel(ElementTables &tables, Canvas &sheetCanvas, const TextList &multiSelection)
{
    sheetCanvas.setBrushColor(clWhite);
    sheetCanvas.FillRect(0, 0, sheetCanvas.width(), sheetCanvas.height());

    const SelectionNames selection(multiSelection);
    const ElementIndex index(tables);

    StringGrid &lines = tables.EGrid;
    for (int r = 1; r < lines.RowCount(); ++r) {
        const QString name = lines.Cells(ColName, r);
        if (name.isEmpty())
            continue;
        DrawLineTool(tables, sheetCanvas, name, lines.Cells(ColCaption, r), r, selection.contains(name),
                     index);
    }

    drawElements(tables.HGrid, index.rects(), sheetCanvas, selection, KindRect);
    drawElements(tables.PGrid, index.points(), sheetCanvas, selection, KindPoint);

    DrawRelief(sheetCanvas, QRect(0, 0, sheetCanvas.width(), sheetCanvas.height()), clFrame, clFrame, 1, 1,
               2);
}
