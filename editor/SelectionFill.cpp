#include "editor/SelectionFill.h"

#include "editor/ColorItems.h"
#include "editor/Editor.h"
#include "toolkit/ColorText.h"

TColor selectionFillColor(const Editor &editor)
{
    const StringGrid *table = editor.selection().kind == ElementKind::Rectangle ? &editor.doc().rectangles()
                              : editor.selection().kind == ElementKind::Point   ? &editor.doc().points()
                                                                                : nullptr;
    if (!table || table->Row() < 1 || table->Row() >= table->RowCount())
        return editor.selection().currentColor;
    const QString text = table->Cells(ColColor, table->Row());
    if (colorBoxIndexOf(text) >= 0)
        return editor.selection().currentColor;
    return tryStringToColor(text).value_or(editor.selection().currentColor);
}
