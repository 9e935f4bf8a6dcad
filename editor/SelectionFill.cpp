#include "editor/SelectionFill.h"

#include "editor/ColorItems.h"
#include "toolkit/ColorText.h"

TColor selectionFillColor(const Selection &selection, const ElementTables &tables)
{
    const StringGrid *table = selection.kind == ElementKind::Rectangle ? &tables.HGrid
                              : selection.kind == ElementKind::Point   ? &tables.PGrid
                                                                       : nullptr;
    if (!table || table->Row() < 1 || table->Row() >= table->RowCount())
        return selection.currentColor;
    const QString text = table->Cells(ColColor, table->Row());
    if (colorBoxIndexOf(text) >= 0)
        return selection.currentColor;
    return tryStringToColor(text).value_or(selection.currentColor);
}
