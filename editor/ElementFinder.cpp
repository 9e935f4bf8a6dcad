#include "editor/ElementFinder.h"

#include "toolkit/IntText.h"

#include <algorithm>
#include <limits>

namespace {

// A coordinate as a sort key: a cell that is not a number sorts last.
qint64 readingKey(const QString &cell)
{
    const std::optional<int> value = tryStrToInt(cell);
    return value ? qint64(*value) : std::numeric_limits<qint64>::max();
}

} // namespace

void ElementFinder::order(const ElementTables &tables)
{
    struct Keyed {
        qint64 y, x;
        Found found;
    };
    std::vector<Keyed> keyed;
    for (TableId id : {TableId::Rectangles, TableId::Points}) {
        const StringGrid &t = tables.table(id);
        for (int r = 1; r < t.RowCount(); ++r) {
            if (!rowInUse(t, r))
                continue;
            keyed.push_back({readingKey(t.Cells(ColY, r)), readingKey(t.Cells(ColX, r)), {id, r}});
        }
    }
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const Keyed &a, const Keyed &b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
    m_reading.clear();
    m_reading.reserve(keyed.size());
    m_starts.clear();
    m_starts.reserve(keyed.size());
    m_folded.clear();
    for (const Keyed &k : keyed) {
        m_reading.push_back(k.found);
        m_starts.push_back(m_folded.size());
        const StringGrid &t = tables.table(k.found.table);
        m_folded += t.Cells(ColName, k.found.row).toCaseFolded();
        m_folded += QLatin1Char('\n');
        m_folded += t.Cells(ColCaption, k.found.row).toCaseFolded();
        m_folded += QLatin1Char('\n');
    }
}

void ElementFinder::search(const ElementTables &tables, quint64 revision, const QString &text)
{
    if (revision != m_revision) {
        order(tables);
        m_revision = revision;
    }
    m_matches.clear();
    m_current = -1;
    const QString wanted = text.toCaseFolded();
    if (wanted.isEmpty() || wanted.contains(QLatin1Char('\n')))
        return;
    for (qsizetype at = m_folded.indexOf(wanted); at >= 0;) {
        const size_t i =
            size_t(std::upper_bound(m_starts.begin(), m_starts.end(), at) - m_starts.begin()) - 1;
        m_matches.push_back(m_reading[i]);
        if (i + 1 == m_starts.size())
            break;
        at = m_folded.indexOf(wanted, m_starts[i + 1]);
    }
}

std::optional<ElementFinder::Found> ElementFinder::step(bool forward)
{
    if (m_matches.empty())
        return std::nullopt;
    const int n = count();
    m_current = m_current < 0 ? (forward ? 0 : n - 1) : (m_current + (forward ? 1 : n - 1)) % n;
    return m_matches[size_t(m_current)];
}

std::optional<ElementFinder::Found> ElementFinder::first()
{
    m_current = -1;
    return step(true);
}
