#include "model/SchemeFile.h"

#include "model/TableOps.h"
#include "toolkit/ColorText.h"
#include "toolkit/IntText.h"

#include <QCoreApplication>

#include <algorithm>
#include <span>

namespace {

const QString kEndMarker = QStringLiteral("[~]");
const QString kLockMarker = QStringLiteral("LOCK");

// A cell holding a line break or a zero byte would split into several lines and shift every
// line after it; such characters are written as blanks.
QString lineSafe(const QString &text)
{
    const auto breaks = [](QChar ch) {
        return ch == QLatin1Char('\r') || ch == QLatin1Char('\n') || ch == QChar(0);
    };
    if (std::none_of(text.begin(), text.end(), breaks))
        return text;
    QString out = text;
    for (QChar &ch : out)
        if (ch == QLatin1Char('\r') || ch == QLatin1Char('\n') || ch == QChar(0))
            ch = QLatin1Char(' ');
    return out;
}

struct ReadFailure {
    int index; // 0-based line
    QString text;
};

class SchemeReader {
public:
    SchemeReader(const QStringList &lines, SchemeReadResult &result, SchemeReadTrace *trace)
        : m_lines(lines), m_n(static_cast<int>(lines.size())), m_result(result), m_trace(trace)
    {}

    void run()
    {
        readSize();
        bool locked = false;
        for (int i = 2; i < m_n;) {
            const QString &text = m_lines.at(i);
            if (text == QLatin1String("[H]"))
                i = readSection(i, m_result.tables.HGrid, 5);
            else if (text == QLatin1String("[P]"))
                i = readSection(i, m_result.tables.PGrid, 5);
            else if (text == QLatin1String("[E]"))
                i = readSection(i, m_result.tables.EGrid, 4);
            else {
                if (text.compare(kLockMarker, Qt::CaseInsensitive) == 0)
                    locked = true;
                else if (m_trace)
                    m_trace->ignoredLines.push_back(i);
                ++i;
            }
        }
        m_result.locked = locked;
    }

private:
    [[noreturn]] static void fail(int index, const QString &text) { throw ReadFailure{index, text}; }

    int readSide(int index, const char *what)
    {
        if (index >= m_n)
            fail(index, QCoreApplication::translate("SchemeFile", "the sheet %1 is missing")
                            .arg(QCoreApplication::translate("SchemeFile", what)));
        const auto value = tryStrToInt(m_lines.at(index));
        if (!value)
            fail(index, QCoreApplication::translate("SchemeFile", "the sheet %1 %2 is not a number")
                            .arg(QCoreApplication::translate("SchemeFile", what),
                                 quotedSchemeText(m_lines.at(index))));
        if (*value < 1 || *value > kMaxSheetSide)
            fail(index, QCoreApplication::translate("SchemeFile", "the sheet %1 %2 is not between 1 and %3")
                            .arg(QCoreApplication::translate("SchemeFile", what))
                            .arg(*value)
                            .arg(kMaxSheetSide));
        return *value;
    }

    void readSize()
    {
        const int width = readSide(0, QT_TRANSLATE_NOOP("SchemeFile", "width"));
        const int height = readSide(1, QT_TRANSLATE_NOOP("SchemeFile", "height"));
        if (!sheetSizeAllowed(width, height))
            fail(1, QCoreApplication::translate("SchemeFile",
                                                "a sheet of %1 x %2 pixels is too large (at most %3 pixels)")
                        .arg(width)
                        .arg(height)
                        .arg(kMaxSheetPixels));
        m_result.width = width;
        m_result.height = height;
        m_result.sizeRead = true;
    }

    [[noreturn]] void failAtEnd(int marker) const
    {
        fail(m_n - 1, QCoreApplication::translate(
                          "SchemeFile", "the file ends inside the %1 section of line %2 (no \"[~]\")")
                          .arg(m_lines.at(marker))
                          .arg(marker + 1));
    }

    // Reads the section whose marker is on line `marker` into grid; returns the line after "[~]".
    int readSection(int marker, StringGrid &grid, int columns)
    {
        int i = marker + 1;
        if (i >= m_n)
            failAtEnd(marker);
        // The stored row count is checked but not used: the rows present decide the size.
        const auto rowCount = tryStrToInt(m_lines.at(i));
        if (!rowCount)
            fail(i, QCoreApplication::translate("SchemeFile", "the row count %1 is not a number")
                        .arg(quotedSchemeText(m_lines.at(i))));
        if (*rowCount < 0)
            fail(i, QCoreApplication::translate("SchemeFile", "the row count %1 is negative").arg(*rowCount));
        if (++i >= m_n)
            failAtEnd(marker);
        const auto colCount = tryStrToInt(m_lines.at(i));
        if (!colCount)
            fail(i, QCoreApplication::translate("SchemeFile", "the column count %1 is not a number")
                        .arg(quotedSchemeText(m_lines.at(i))));
        if (*colCount < columns)
            fail(i,
                 QCoreApplication::translate("SchemeFile", "the column count %1 is too small (at least %2)")
                     .arg(*colCount)
                     .arg(columns));
        if (*colCount > kSchemeMaxColumns)
            fail(i, QCoreApplication::translate("SchemeFile", "the column count %1 is too large (at most %2)")
                        .arg(*colCount)
                        .arg(kSchemeMaxColumns));

        ClearSelectedTable(grid);
        std::vector<int> *rowLines = nullptr;
        if (m_trace) {
            const TableId table = m_result.tables.idOf(grid);
            m_trace->sections.push_back({table, marker, 0});
            rowLines = &m_trace->rowLines[int(table)];
            rowLines->clear();
        }
        grid.setColCount(*colCount);
        ++i;
        grid.reserveRows(namedRowsFrom(i, *colCount) + 2);
        for (;;) {
            if (i >= m_n)
                failAtEnd(marker);
            if (m_lines.at(i) == kEndMarker) {
                if (rowLines)
                    m_trace->sections.back().rows = int(rowLines->size());
                return i + 1;
            }
            if (*colCount > m_n - i)
                failAtEnd(marker);
            const std::span<const QString> cells(m_lines.constData() + i, size_t(*colCount));
            // A row without a name is not in use; it is not kept.
            if (!cells[ColName].isEmpty()) {
                checkRow(cells, i, columns == 5);
                const int row = grid.RowCount() - 1;
                grid.setRowCount(row + 2);
                for (int c = 0; c < *colCount; ++c)
                    grid.setCell(c, row, cells[size_t(c)]);
                if (rowLines)
                    rowLines->push_back(i);
            }
            i += *colCount;
        }
    }

    // How many rows with a name follow from line `first` up to the section's end: room for
    // the table in one piece instead of growing it row by row.
    int namedRowsFrom(int first, int colCount) const
    {
        int rows = 0;
        for (int i = first; i < m_n && m_lines.at(i) != kEndMarker && colCount <= m_n - i; i += colCount)
            if (!m_lines.at(i + ColName).isEmpty())
                ++rows;
        return rows;
    }

    static void checkRow(std::span<const QString> cells, int first, bool hasColor)
    {
        const QString &name = cells[ColName];
        for (int col : {int(ColX), int(ColY)})
            if (!tryStrToInt(cells[size_t(col)]))
                fail(first + col, QCoreApplication::translate(
                                      "SchemeFile", "the %1 coordinate %2 of %3 is not a whole number")
                                      .arg(col == ColX ? QLatin1Char('X') : QLatin1Char('Y'))
                                      .arg(quotedSchemeText(cells[size_t(col)]), quotedSchemeText(name)));
        if (hasColor && !tryStringToColor(cells[ColColor]))
            fail(first + ColColor,
                 QCoreApplication::translate("SchemeFile", "the colour %1 of %2 is not a colour")
                     .arg(quotedSchemeText(cells[ColColor]), quotedSchemeText(name)));
    }

    const QStringList &m_lines;
    const int m_n;
    SchemeReadResult &m_result;
    SchemeReadTrace *m_trace;
};

// Lines of a table's section body: the two counts, the cells of the named rows and "[~]".
qsizetype sectionLineCount(const StringGrid &grid)
{
    qsizetype rows = 0;
    for (int r = 1; r < grid.RowCount(); ++r)
        if (!grid.Cells(ColName, r).isEmpty())
            ++rows;
    return 3 + rows * grid.ColCount();
}

} // namespace

void AddValuesInList(TextList &list, const StringGrid &grid)
{
    QStringList &lines = list.items();
    lines.append(IntToStr(grid.RowCount()));
    lines.append(IntToStr(grid.ColCount()));
    for (int r = 1; r < grid.RowCount(); ++r) {
        if (grid.Cells(ColName, r).isEmpty())
            continue;
        for (int c = 0; c < grid.ColCount(); ++c)
            lines.append(lineSafe(grid.Cells(c, r)));
    }
    lines.append(kEndMarker);
}

void writeScheme(TextList &list, int width, int height, const ElementTables &tables, bool locked)
{
    list.clear();
    list.items().reserve(6 + sectionLineCount(tables.HGrid) + sectionLineCount(tables.PGrid) +
                         sectionLineCount(tables.EGrid) + (locked ? 1 : 0));
    list.add(IntToStr(width));
    list.add(IntToStr(height));
    list.add(QStringLiteral("[H]"));
    AddValuesInList(list, tables.HGrid);
    list.add(QStringLiteral("[P]"));
    AddValuesInList(list, tables.PGrid);
    list.add(QStringLiteral("[E]"));
    AddValuesInList(list, tables.EGrid);
    if (locked)
        list.add(kLockMarker);
}

QByteArray schemeBytes(int width, int height, const ElementTables &tables, bool locked)
{
    TextList list;
    writeScheme(list, width, height, tables, locked);
    return list.toBytes();
}

QString quotedSchemeText(const QString &text)
{
    constexpr int kShown = 40;
    return QLatin1Char('\'') + (text.size() > kShown ? text.left(kShown) + QStringLiteral("...") : text) +
           QLatin1Char('\'');
}

SchemeReadResult readScheme(const TextList &lines, SchemeReadTrace *trace)
{
    SchemeReadResult result;
    try {
        SchemeReader(lines.items(), result, trace).run();
        result.ok = true;
    } catch (const ReadFailure &failure) {
        result.errorLine = failure.index + 1;
        result.error =
            QCoreApplication::translate("SchemeFile", "Line %1: %2").arg(result.errorLine).arg(failure.text);
    }
    return result;
}

SchemeReadResult readScheme(const QByteArray &bytes)
{
    TextList lines;
    lines.setFromBytes(bytes);
    return readScheme(lines);
}
