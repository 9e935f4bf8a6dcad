#include "editor/SelectionFill.h"

#include "editor/ColorItems.h"
#include "editor/Editor.h"
#include "toolkit/ColorText.h"

TColor selectionFillColor(const Editor &editor)
{
    const StringGrid *table = editor.SelectedKind == 1   ? &editor.HGrid
                              : editor.SelectedKind == 2 ? &editor.PGrid
                                                         : nullptr;
    if (!table || table->Row() < 1 || table->Row() >= table->RowCount())
        return editor.CurrentColor;
    const QString text = table->Cells(ColColor, table->Row());
    if (colorBoxIndexOf(text) >= 0)
        return editor.CurrentColor;
    return tryStringToColor(text).value_or(editor.CurrentColor);
}
