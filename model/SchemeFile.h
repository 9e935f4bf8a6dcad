#pragma once

#include "model/ElementTables.h"
#include "model/SheetLimits.h"
#include "toolkit/TextList.h"

#include <QByteArray>
#include <QString>

#include <vector>

// The scheme file: the sheet size, the three element tables cell by cell and an optional
// lock marker, one text per line.
//
//   width, height
//   [H] rowCount colCount cells... [~]     (likewise [P] and [E])
//   LOCK                                   (only when locked)

// Largest column count a section may give.
constexpr int kSchemeMaxColumns = 10000;

// Writes one table's section (AddValuesInList): row count and column count as the table holds
// them, the cells of every row with a name, and "[~]".
void AddValuesInList(TextList &list, const StringGrid &grid);

// Replaces the list's lines by the whole scheme.
void writeScheme(TextList &list, int width, int height, const ElementTables &tables, bool locked);

// The scheme as file bytes: every line followed by CR LF, in the scheme code page.
QByteArray schemeBytes(int width, int height, const ElementTables &tables, bool locked);

// What a scheme file held. On failure it carries what was read before the failing line: the
// size once both lines passed, the rows of the sections read (also those of an unfinished
// section), and never the lock.
struct SchemeReadResult {
    bool ok = false;
    bool sizeRead = false;
    int width = 0;
    int height = 0;
    ElementTables tables;
    bool locked = false;
    int errorLine = 0; // 1-based line of the failure
    QString error;     // "Line 4: the row count 'x' is not a number"
};

// Where the reader found what it read, for reporting on a file: the sections in file order,
// the first line of each row of the tables as read, and the lines it passed over. Lines are
// 0-based.
struct SchemeReadTrace {
    struct Section {
        TableId table;
        int line; // the marker's
        int rows; // rows with a name
    };
    std::vector<Section> sections;
    std::vector<int> rowLines[3];  // by TableId; entry k is table row k + 1
    std::vector<int> ignoredLines; // outside every section, neither a marker nor LOCK
};

// Reads the lines of a scheme file. Sections are read one after another; a marker ("[H]",
// "[P]", "[E]", "LOCK" in any letter case) counts only on a line outside a section. A table
// read from a section holds exactly its named rows plus the header and trailing rows.
// With `trace`, also records where everything was found.
SchemeReadResult readScheme(const TextList &lines, SchemeReadTrace *trace = nullptr);
// The same from file bytes (CR LF, lone CR and lone LF end a line; a zero byte ends the text).
SchemeReadResult readScheme(const QByteArray &bytes);

// A text from a file as messages quote it: in single quotes, cut after 40 characters.
QString quotedSchemeText(const QString &text);
