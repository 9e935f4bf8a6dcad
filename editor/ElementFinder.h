#pragma once

#include "model/ElementTables.h"

#include <QString>

#include <optional>
#include <vector>

// Find: the rectangles and points whose caption or name holds a text (without regard to case),
// in reading order (top to bottom, then left to right), with the one last gone to.
class ElementFinder {
public:
    struct Found {
        TableId table;
        int row;
    };

    // Searches anew; `revision` tells when the tables changed since the last search.
    void search(const ElementTables &tables, quint64 revision, const QString &text);
    int count() const { return int(m_matches.size()); }
    // The position of the match last gone to (from 0), or -1.
    int current() const { return m_current; }
    // Goes to the next match (forward) or the previous one, round the end; nothing without one.
    std::optional<Found> step(bool forward);
    // The first match, from the start of the reading order.
    std::optional<Found> first();

private:
    void order(const ElementTables &tables);

    std::vector<Found> m_reading; // every element in reading order
    // Their names and captions folded to one case, each followed by a line break, one element
    // after another, and where each element starts: a search is one scan of one text.
    QString m_folded;
    std::vector<qsizetype> m_starts;
    quint64 m_revision = ~quint64(0);
    std::vector<Found> m_matches;
    int m_current = -1;
};
