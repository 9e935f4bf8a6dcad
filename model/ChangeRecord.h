#pragma once

#include "model/SchemeChange.h"

#include <QtGlobal>

#include <functional>
#include <string>

// The changes of one command, packed into bytes: a cell change takes a few bytes, a whole
// number in a cell a variable-length number (the new one as its difference from the old), other
// texts one byte a character when they allow it, and rows count from the previous change's.
class ChangeRecord {
public:
    void append(const SchemeChange &change);
    void clear();
    // Gives back the room kept for more changes.
    void shrink() { m_bytes.shrink_to_fit(); }

    bool empty() const { return m_count == 0; }
    size_t size() const { return m_count; }
    // Bytes the record holds.
    qint64 bytes() const { return qint64(sizeof(*this) + m_bytes.capacity()); }
    // Whether a change sets the sheet size.
    bool resizesSheet() const { return m_resizes; }

    // Calls `visit` with each change, first to last (forward) or last to first.
    void forEach(bool forward, const std::function<void(const SchemeChange &)> &visit) const;
    ChangeList toList() const;

private:
    std::string m_bytes;
    size_t m_count = 0;
    int m_lastRow = 0;
    bool m_resizes = false;
};
