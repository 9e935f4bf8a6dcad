#pragma once

#include "toolkit/TextList.h"

#include <QSet>
#include <QString>

// The names of a multi-selection for membership tests in constant time, compared without regard
// to case as the list's own lookup compares (each code point case-folded on its own). A list
// of fewer than two names is no multi-selection and contains nothing.
class SelectionNames {
public:
    explicit SelectionNames(const TextList &list);

    bool contains(const QString &name) const { return !m_names.isEmpty() && m_names.contains(folded(name)); }

    static QString folded(const QString &text);

private:
    QSet<QString> m_names;
};
