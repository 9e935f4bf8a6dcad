// The selection told in words.
#include "editor/Editor.h"

QString Editor::selectionDescription() const
{
    if (m_multi.count() > 1)
        return tr("%n items selected", nullptr, m_multi.count());
    switch (m_sel.kind) {
    case ElementKind::Rectangle:
        return tr("Rectangle \"%1\" at %2, %3").arg(m_sel.selCaption).arg(m_sel.selX).arg(m_sel.selY);
    case ElementKind::Point:
        return tr("Point \"%1\" at %2, %3").arg(m_sel.selCaption).arg(m_sel.selX).arg(m_sel.selY);
    case ElementKind::Line:
        return tr("Line \"%1\" from %2, %3 to %4, %5")
            .arg(m_sel.selCaption)
            .arg(m_sel.selX)
            .arg(m_sel.selY)
            .arg(m_sel.selX2)
            .arg(m_sel.selY2);
    case ElementKind::None:
        break;
    }
    return tr("Nothing selected");
}
