#include "model/SchemeFindings.h"

#include <QHash>

#include <algorithm>
#include <array>

namespace {

// A marker in another letter case or with spaces around it, which the reader passes over.
bool looksLikeMarker(const QString &text)
{
    static const std::array<QString, 5> kMarkers{QStringLiteral("[H]"), QStringLiteral("[P]"),
                                                 QStringLiteral("[E]"), QStringLiteral("[~]"),
                                                 QStringLiteral("LOCK")};
    const QString norm = text.trimmed().toUpper();
    return norm != text && std::find(kMarkers.begin(), kMarkers.end(), norm) != kMarkers.end();
}

void findIgnored(const TextList &lines, const SchemeReadTrace &trace, std::vector<SchemeFinding> &out)
{
    const std::vector<int> &ignored = trace.ignoredLines;
    for (size_t k = 0; k < ignored.size();) {
        const int first = ignored[k];
        const QString &text = lines.item(first);
        if (looksLikeMarker(text)) {
            out.push_back({SchemeFinding::Kind::NotAMarker, first + 1, 0, 0, text, {}});
            ++k;
            continue;
        }
        // A run of neighbouring lines, up to the next line that looks like a marker.
        size_t last = k;
        while (last + 1 < ignored.size() && ignored[last + 1] == ignored[last] + 1 &&
               !looksLikeMarker(lines.item(ignored[last + 1])))
            ++last;
        out.push_back({SchemeFinding::Kind::Ignored, first + 1, ignored[last] + 1, 0, text, {}});
        k = last + 1;
    }
}

void findReplacedSections(const SchemeReadTrace &trace, std::vector<SchemeFinding> &out)
{
    static const QString kMarkers[3] = {QStringLiteral("[H]"), QStringLiteral("[P]"), QStringLiteral("[E]")};
    const SchemeReadTrace::Section *last[3] = {};
    for (const SchemeReadTrace::Section &s : trace.sections) {
        if (const SchemeReadTrace::Section *before = last[int(s.table)])
            out.push_back({SchemeFinding::Kind::SectionReplaced,
                           s.line + 1,
                           before->line + 1,
                           before->rows,
                           kMarkers[int(s.table)],
                           {}});
        last[int(s.table)] = &s;
    }
}

// Each name of the table's rows, with its row's line; a name met again is a finding.
void collectNames(const StringGrid &grid, const std::vector<int> &rowLines, QHash<QString, int> &names,
                  std::vector<SchemeFinding> &out)
{
    for (int r = 1; r < grid.RowCount() && size_t(r) <= rowLines.size(); ++r) {
        const QString &name = grid.Cells(ColName, r);
        const int line = rowLines[size_t(r - 1)] + 1;
        const auto it = names.constFind(name);
        if (it == names.cend())
            names.insert(name, line);
        else
            out.push_back(
                {SchemeFinding::Kind::DuplicateName, std::max(line, *it), std::min(line, *it), 0, name, {}});
    }
}

} // namespace

std::vector<SchemeFinding> schemeFindings(const TextList &lines, const SchemeReadResult &read,
                                          const SchemeReadTrace &trace)
{
    std::vector<SchemeFinding> out;
    findIgnored(lines, trace, out);
    findReplacedSections(trace, out);

    const ElementTables &t = read.tables;
    QHash<QString, int> elements, lineNames;
    collectNames(t.HGrid, trace.rowLines[int(TableId::Rectangles)], elements, out);
    collectNames(t.PGrid, trace.rowLines[int(TableId::Points)], elements, out);
    collectNames(t.EGrid, trace.rowLines[int(TableId::Lines)], lineNames, out);

    const std::vector<int> &lineRows = trace.rowLines[int(TableId::Lines)];
    for (int r = 1; r < t.EGrid.RowCount() && size_t(r) <= lineRows.size(); ++r) {
        const QString &name = t.EGrid.Cells(ColName, r);
        const int line = lineRows[size_t(r - 1)] + 1;
        if (!name.contains(QLatin1Char('-'))) {
            out.push_back({SchemeFinding::Kind::LineWithoutEnds, line, 0, 0, name, {}});
            continue;
        }
        const QString first = getNameBefore(QLatin1Char('-'), name);
        const QString second = getNameAfter(QLatin1Char('-'), name);
        if (!elements.contains(first))
            out.push_back({SchemeFinding::Kind::MissingLineEnd, line, 0, 0, name, first});
        if (second != first && !elements.contains(second))
            out.push_back({SchemeFinding::Kind::MissingLineEnd, line, 0, 0, name, second});
    }
    std::stable_sort(out.begin(), out.end(),
                     [](const SchemeFinding &a, const SchemeFinding &b) { return a.line < b.line; });
    return out;
}
