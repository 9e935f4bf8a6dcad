#include "toolkit/TextList.h"

#include "toolkit/CodePage.h"
#include "toolkit/Errors.h"
#include "toolkit/FileWrite.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include <QFile>

namespace {

// Scheme files repeat many short lines (coordinates, colours, captions): a line met again
// shares the text decoded the first time instead of a copy of its own. A small table keyed
// by the bytes remembers the latest line of each key's slot.
class RepeatedLines {
public:
    explicit RepeatedLines(qsizetype lineCount)
    {
        int bits = 6;
        while (bits < 14 && (qsizetype(1) << (bits + 2)) < lineCount)
            ++bits;
        m_shift = 64 - bits;
        m_slots.resize(size_t(1) << bits);
    }

    QString decode(QByteArrayView bytes)
    {
        const qsizetype n = bytes.size();
        if (n == 0 || n > 16)
            return decodeCodePage(bytes);
        std::uint64_t a = 0;
        std::uint64_t b = 0;
        std::memcpy(&a, bytes.data(), size_t(std::min<qsizetype>(n, 8)));
        if (n > 8)
            std::memcpy(&b, bytes.data() + 8, size_t(n - 8));
        const std::uint64_t hash = (a ^ std::uint64_t(n)) * 0x9E3779B97F4A7C15u + b * 0xC2B2AE3D27D4EB4Fu;
        Slot &slot = m_slots[size_t(hash >> m_shift)];
        if (slot.size != n || slot.a != a || slot.b != b) {
            slot.text = decodeCodePage(bytes);
            slot.size = n;
            slot.a = a;
            slot.b = b;
        }
        return slot.text;
    }

private:
    struct Slot {
        std::uint64_t a = 0;
        std::uint64_t b = 0;
        qsizetype size = 0; // 0: empty slot
        QString text;
    };
    int m_shift = 0;
    std::vector<Slot> m_slots;
};

} // namespace

int TextList::indexOf(const QString &text) const
{
    for (int i = 0; i < count(); ++i)
        if (m_items.at(i).compare(text, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QByteArray TextList::toBytes() const
{
    // Written straight into a buffer of the usual size: one byte per character and CR LF.
    qsizetype size = 0;
    for (const QString &line : m_items)
        size += line.size() + 2;
    QByteArray out(size, Qt::Uninitialized);
    qsizetype pos = 0;
    const auto room = [&](qsizetype n) {
        if (pos + n > out.size())
            out.resize(std::max(pos + n, 2 * out.size()));
    };
    for (const QString &line : m_items) {
        room(line.size() + 2);
        if (encodeCodePageTo(out.data() + pos, line)) {
            pos += line.size();
        } else {
            const QByteArray encoded = encodeCodePage(line);
            room(encoded.size() + 2);
            std::memcpy(out.data() + pos, encoded.constData(), size_t(encoded.size()));
            pos += encoded.size();
        }
        out[pos++] = '\r';
        out[pos++] = '\n';
    }
    out.truncate(pos);
    return out;
}

void TextList::setFromBytes(const QByteArray &bytes)
{
    m_items.clear();
    qsizetype end = bytes.indexOf('\0');
    if (end < 0)
        end = bytes.size();
    const QByteArrayView text(bytes.constData(), end);
    const qsizetype lineCount = std::count(text.begin(), text.end(), '\n') + 1;
    m_items.reserve(lineCount);
    RepeatedLines lines(lineCount);
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < end) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            m_items.append(lines.decode(text.sliced(start, i - start)));
            if (c == '\r' && i + 1 < end && text[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
        ++i;
    }
    if (start < end)
        m_items.append(lines.decode(text.sliced(start, end - start)));
}

void TextList::saveToFile(const QString &path) const
{
    writeFileSafely(path, toBytes());
}

void TextList::loadFromFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    setFromBytes(file.readAll());
}
