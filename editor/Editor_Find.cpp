// Find: elements by caption or name, shown in the middle of the view.
#include "editor/Editor.h"

#include "toolkit/IntText.h"

int Editor::findText(const QString &text)
{
    m_finder.search(m_doc.tables(), m_doc.revision(), text);
    findNext(true);
    return m_finder.count();
}

void Editor::findNext(bool forward)
{
    const std::optional<ElementFinder::Found> found = m_finder.step(forward);
    if (!found)
        return;
    const StringGrid &table = m_doc.tables().table(found->table);
    if (!rowInUse(table, found->row))
        return;
    if (m_multi.count() > 0) {
        m_multi.clear();
        UpdateImageModel(); // its members are no longer marked
    }
    selectElementRow(found->row, table);
    if (const auto x = tryStrToInt(table.Cells(ColX, found->row)),
        y = tryStrToInt(table.Cells(ColY, found->row));
        x && y)
        centreOn(*x, *y);
}

void Editor::centreOn(int X, int Y)
{
    m_view.centreOn(QPoint(X, Y));
    viewScrolled();
}
