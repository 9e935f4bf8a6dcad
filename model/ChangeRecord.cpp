#include "model/ChangeRecord.h"

#include "toolkit/IntText.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

// First byte of a change: its kind (2 bits) and table (2 bits); for a cell, how its old and
// new texts are packed (2 bits each).
constexpr int kTableShift = 2;
constexpr int kBeforeShift = 4;
constexpr int kAfterShift = 6;

// How a text is packed.
enum TextTag : quint8 {
    kInt,      // a whole number as IntToStr writes it
    kIntDelta, // the same, as its difference from the text before it (a cell's old text)
    kLatin1,   // one byte a character
    kUtf16,    // two bytes a character
};

quint64 zigzag(qint64 v)
{
    return (quint64(v) << 1) ^ quint64(v >> 63);
}

qint64 unzigzag(quint64 v)
{
    return qint64(v >> 1) ^ -qint64(v & 1);
}

void putNumber(std::string &out, quint64 v)
{
    while (v >= 0x80) {
        out.push_back(char((v & 0x7F) | 0x80));
        v >>= 7;
    }
    out.push_back(char(v));
}

std::optional<int> wholeNumber(const QString &text)
{
    const std::optional<int> v = text.isEmpty() || text.size() > 11 ? std::nullopt : tryStrToInt(text);
    return v && isIntText(text, *v) ? v : std::nullopt;
}

// Writes a text and returns how it is packed; `base` is the whole number the text before it
// held, if any.
TextTag putText(std::string &out, const QString &text, const std::optional<int> &number,
                const std::optional<int> &base = std::nullopt)
{
    if (number && base) {
        putNumber(out, zigzag(qint64(*number) - *base));
        return kIntDelta;
    }
    if (number) {
        putNumber(out, zigzag(*number));
        return kInt;
    }
    putNumber(out, quint64(text.size()));
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x100; })) {
        for (QChar c : text)
            out.push_back(char(c.unicode()));
        return kLatin1;
    }
    for (QChar c : text) {
        out.push_back(char(c.unicode() & 0xFF));
        out.push_back(char(c.unicode() >> 8));
    }
    return kUtf16;
}

// A text with its tag before it.
void putTaggedText(std::string &out, const QString &text)
{
    const size_t at = out.size();
    out.push_back(0);
    out[at] = char(putText(out, text, wholeNumber(text)));
}

class Reader {
public:
    Reader(const std::string &bytes, size_t at) : m_p(bytes.data() + at) {}

    size_t offset(const std::string &bytes) const { return size_t(m_p - bytes.data()); }
    quint8 byte() { return quint8(*m_p++); }
    quint64 number()
    {
        quint64 v = 0;
        for (int shift = 0;; shift += 7) {
            const quint8 b = byte();
            v |= quint64(b & 0x7F) << shift;
            if (!(b & 0x80))
                return v;
        }
    }
    // A text; `base` is the number the text before it held, for kIntDelta.
    QString text(quint8 tag, qint64 *number = nullptr, qint64 base = 0)
    {
        if (tag == kInt || tag == kIntDelta) {
            const qint64 v = unzigzag(this->number()) + (tag == kIntDelta ? base : 0);
            if (number)
                *number = v;
            return IntToStr(v);
        }
        const qsizetype n = qsizetype(this->number());
        QString s(n, Qt::Uninitialized);
        QChar *d = s.data();
        for (qsizetype i = 0; i < n; ++i)
            d[i] = tag == kLatin1 ? QChar(byte()) : QChar(char16_t(byte() | byte() << 8));
        return s;
    }

private:
    const char *m_p;
};

} // namespace

void ChangeRecord::append(const SchemeChange &c)
{
    const size_t head = m_bytes.size();
    m_bytes.push_back(char(int(c.kind) | int(c.table) << kTableShift));
    ++m_count;
    switch (c.kind) {
    case SchemeChange::Kind::Cell: {
        putNumber(m_bytes, quint64(c.col));
        putNumber(m_bytes, zigzag(qint64(c.row) - m_lastRow));
        m_lastRow = c.row;
        const std::optional<int> before = wholeNumber(c.before);
        const TextTag beforeTag = putText(m_bytes, c.before, before);
        const TextTag afterTag = putText(m_bytes, c.after, wholeNumber(c.after), before);
        m_bytes[head] = char(quint8(m_bytes[head]) | beforeTag << kBeforeShift | afterTag << kAfterShift);
        break;
    }
    case SchemeChange::Kind::InsertRow:
    case SchemeChange::Kind::RemoveRow:
        putNumber(m_bytes, zigzag(qint64(c.row) - m_lastRow));
        m_lastRow = c.row;
        putNumber(m_bytes, quint64(c.cells.size()));
        for (const QString &cell : c.cells)
            putTaggedText(m_bytes, cell);
        break;
    case SchemeChange::Kind::SheetSize:
        m_resizes = true;
        for (int v : {c.sizeBefore.width(), c.sizeBefore.height(), c.sizeAfter.width(), c.sizeAfter.height()})
            putNumber(m_bytes, zigzag(v));
        break;
    }
}

void ChangeRecord::clear()
{
    m_bytes.clear();
    m_count = 0;
    m_lastRow = 0;
    m_resizes = false;
}

void ChangeRecord::forEach(bool forward, const std::function<void(const SchemeChange &)> &visit) const
{
    // Rows are kept relative to the change before, so a backward pass finds where each change
    // starts and its row first.
    struct Start {
        size_t at;
        int rowBefore;
    };
    std::vector<Start> starts;
    if (!forward)
        starts.reserve(m_count);
    SchemeChange c;
    int row = 0;
    const auto read = [&](size_t at, int rowBefore) {
        Reader in(m_bytes, at);
        c = SchemeChange();
        const quint8 head = in.byte();
        c.kind = SchemeChange::Kind(head & 3);
        c.table = TableId((head >> kTableShift) & 3);
        switch (c.kind) {
        case SchemeChange::Kind::Cell: {
            c.col = int(in.number());
            c.row = int(rowBefore + unzigzag(in.number()));
            qint64 before = 0;
            c.before = in.text((head >> kBeforeShift) & 3, &before);
            c.after = in.text(head >> kAfterShift, nullptr, before);
            break;
        }
        case SchemeChange::Kind::InsertRow:
        case SchemeChange::Kind::RemoveRow: {
            c.row = int(rowBefore + unzigzag(in.number()));
            const qsizetype n = qsizetype(in.number());
            c.cells.reserve(n);
            for (qsizetype i = 0; i < n; ++i)
                c.cells.append(in.text(in.byte()));
            break;
        }
        case SchemeChange::Kind::SheetSize: {
            int v[4];
            for (int &x : v)
                x = int(unzigzag(in.number()));
            c.sizeBefore = QSize(v[0], v[1]);
            c.sizeAfter = QSize(v[2], v[3]);
            break;
        }
        }
        if (c.kind != SchemeChange::Kind::SheetSize)
            row = c.row;
        return in.offset(m_bytes);
    };
    for (size_t at = 0; at < m_bytes.size();) {
        const int rowBefore = row;
        const size_t next = read(at, rowBefore);
        if (forward)
            visit(c);
        else
            starts.push_back({at, rowBefore});
        at = next;
    }
    for (auto s = starts.rbegin(); s != starts.rend(); ++s) {
        read(s->at, s->rowBefore);
        visit(c);
    }
}

ChangeList ChangeRecord::toList() const
{
    ChangeList list;
    list.reserve(m_count);
    forEach(true, [&list](const SchemeChange &c) { list.push_back(c); });
    return list;
}
