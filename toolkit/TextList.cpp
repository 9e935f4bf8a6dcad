#include "toolkit/TextList.h"

#include "toolkit/CodePage.h"
#include "toolkit/Errors.h"
#include "toolkit/FileWrite.h"
#include "toolkit/TextLines.h"

#include <algorithm>
#include <cstring>
#include <future>
#include <utility>
#include <vector>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

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

namespace {

// Decodes lines; in a large text, the lines that hold the same small whole number or the same
// colour share one text: a scheme's coordinates and colours repeat, and each text of its own
// would cost far more than its characters.
class LineDecoder {
public:
    explicit LineDecoder(bool share) : m_share(share) {}

    QString decode(QByteArrayView line)
    {
        if (!m_share || line.isEmpty() || line.size() > 9)
            return decodeCodePage(line);
        if (const int n = smallNumber(line); n >= 0) {
            if (m_numbers.empty())
                m_numbers.resize(kNumbers);
            QString &text = m_numbers[size_t(n)];
            if (text.isNull())
                text = decodeCodePage(line);
            return text;
        }
        if (line.front() == '$') {
            for (const auto &[bytes, text] : m_colours)
                if (bytes == line)
                    return text;
            QString text = decodeCodePage(line);
            if (m_colours.size() < kColours)
                m_colours.emplace_back(line.toByteArray(), text);
            return text;
        }
        return decodeCodePage(line);
    }

private:
    static constexpr int kNumbers = 1 << 15; // a sheet's side is below
    static constexpr size_t kColours = 32;

    // The value of a line that is a number below kNumbers written without a sign or leading
    // zero, or -1.
    static int smallNumber(QByteArrayView line)
    {
        if (line.size() > 5 || (line.front() == '0' && line.size() > 1))
            return -1;
        int n = 0;
        for (char c : line) {
            if (c < '0' || c > '9')
                return -1;
            n = n * 10 + (c - '0');
        }
        return n < kNumbers ? n : -1;
    }

    bool m_share;
    std::vector<QString> m_numbers;
    std::vector<std::pair<QByteArray, QString>> m_colours;
};

// Texts from this size on share their repeated numbers and colours.
constexpr qsizetype kShareFromBytes = qsizetype(1) << 16;

// The lines of a text, appended to `lines`.
void appendLines(QStringList &lines, QByteArrayView text)
{
    LineDecoder decoder(text.size() >= kShareFromBytes);
    forEachLine(text, [&](qsizetype start, qsizetype length) {
        lines.append(decoder.decode(text.sliced(start, length)));
    });
}

// Texts at least this long are decoded in two halves at once.
constexpr qsizetype kSplitTextBytes = qsizetype(1) << 20;

} // namespace

void TextList::setFromBytes(const QByteArray &bytes)
{
    m_items.clear();
    qsizetype end = bytes.indexOf('\0');
    if (end < 0)
        end = bytes.size();
    const QByteArrayView text(bytes.constData(), end);
    m_items.reserve(std::count(text.begin(), text.end(), '\n') + 1);
    // A large text is split just after a line feed (so no CR LF is cut), and its second half
    // decoded on another thread.
    const qsizetype split = end >= kSplitTextBytes ? text.indexOf('\n', end / 2) + 1 : 0;
    if (split <= 0 || split >= end) {
        appendLines(m_items, text);
        return;
    }
    std::future<QStringList> second = std::async(std::launch::async, [&] {
        QStringList lines;
        lines.reserve(std::count(text.begin() + split, text.end(), '\n') + 1);
        appendLines(lines, text.sliced(split));
        return lines;
    });
    appendLines(m_items, text.first(split));
    m_items.append(second.get());
}

void TextList::setFromText(QStringView text)
{
    m_items.clear();
    forEachLine(text, [&](qsizetype start, qsizetype length) {
        m_items.append(text.sliced(start, length).toString());
    });
}

void TextList::saveToFile(const QString &path) const
{
    writeFileSafely(path, toBytes());
}

DiskStamp TextList::loadFromFile(const QString &path)
{
    // Only a regular file: opening or reading a named pipe or a device can wait for ever.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        throw AppError(
            QCoreApplication::translate("TextList", "Cannot open file \"%1\". %2")
                .arg(path, info.isDir()
                               ? QCoreApplication::translate("TextList", "It is a folder.")
                               : QCoreApplication::translate("TextList", "It is not a regular file.")));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QCoreApplication::translate("TextList", "Cannot open file \"%1\". %2")
                           .arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    setFromBytes(bytes);
    return DiskStamp(path, bytes, info.size(), info.lastModified());
}
