#pragma once

#include "model/ElementTables.h"
#include "toolkit/Color.h"
#include "toolkit/TextList.h"

#include <QString>
#include <QStringList>

// The names of the multi-selection. Its members are drawn marked, so every change to the list
// raises lookChanged() until the next redraw has drawn it.
class MultiSelection {
public:
    const TextList &list() const { return m_names; }
    QStringList items() const { return m_names.items(); }
    int count() const { return m_names.count(); }
    const QString &item(int i) const { return m_names.item(i); }
    int indexOf(const QString &name) const { return m_names.indexOf(name); }

    void add(const QString &name)
    {
        m_names.add(name);
        m_lookChanged = true;
    }
    void clear()
    {
        if (m_names.count() > 0)
            m_lookChanged = true;
        m_names.clear();
    }
    void setItems(const QStringList &names)
    {
        m_names.items() = names;
        m_lookChanged = true;
    }

    bool lookChanged() const { return m_lookChanged; }
    void lookDrawn() { m_lookChanged = false; }

private:
    TextList m_names;
    bool m_lookChanged = false;
};

// The single selection: what the last hit test found and what the overlay marks.
struct Selection {
    ElementKind kind = ElementKind::None;
    QString foundName;
    int foundX = 0, foundY = 0;
    QString foundCaption;
    // The marked element's centre (a line: both ends) and caption, as the overlay draws them.
    int selX = -1, selY = -1, selX2 = -1, selY2 = -1;
    QString selCaption;
    TColor currentColor = clBlack;
    // A keyboard move is running: the re-selection keeps the colour list as it is.
    bool keyMoveActive = false;

    bool elementSelected() const { return kind == ElementKind::Rectangle || kind == ElementKind::Point; }
};
