#pragma once

#include "model/SchemeFile.h"

#include <QString>

#include <vector>

// What a scheme file holds that the reader takes without complaint but that does not mean what
// it seems to: the faults change what is drawn, the notes are lines that are read as nothing.
struct SchemeFinding {
    enum class Kind {
        // Faults.
        SectionReplaced, // a later section (marker `text`) of the same table; `other` is the
                         // replaced one's marker line, `count` its rows
        DuplicateName,   // `text` names an element again; `other` is its first row's line
        MissingLineEnd,  // the line `text` joins `end`, which is no rectangle or point
        LineWithoutEnds, // the line name `text` holds no "-" between two names
        // Notes.
        NotAMarker, // `text` is a marker in another letter case or with spaces
        Ignored,    // lines `line` to `other` belong to no section; `text` is the first
    };
    Kind kind;
    int line; // 1-based, as all lines here
    int other = 0;
    int count = 0;
    QString text;
    QString end;

    bool fault() const { return kind < Kind::NotAMarker; }
};

// The findings of a file read without failure, by line.
std::vector<SchemeFinding> schemeFindings(const TextList &lines, const SchemeReadResult &read,
                                          const SchemeReadTrace &trace);
