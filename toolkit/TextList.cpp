#include "toolkit/TextList.h"

#include "toolkit/CodePage.h"
#include "toolkit/Errors.h"
#include "toolkit/FileWrite.h"

#include <algorithm>
#include <cstring>
#include <future>

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

// The lines of a text (CR LF, lone CR and lone LF end one), appended to `lines`.
void appendLines(QStringList &lines, QByteArrayView text)
{
    const qsizetype end = text.size();
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < end) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.append(decodeCodePage(text.sliced(start, i - start)));
            if (c == '\r' && i + 1 < end && text[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
        ++i;
    }
    if (start < end)
        lines.append(decodeCodePage(text.sliced(start, end - start)));
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
