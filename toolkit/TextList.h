#pragma once

#include "toolkit/DiskStamp.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// A list of texts, as the hidden list boxes hold them.
class TextList {
public:
    void add(const QString &text) { m_items.append(text); }
    void clear() { m_items.clear(); }
    int count() const { return static_cast<int>(m_items.size()); }
    const QString &item(int index) const { return m_items.at(index); }
    QString value(int index) const { return m_items.value(index); }
    void removeAt(int index) { m_items.removeAt(index); }

    // Position of the first item equal to text without regard to case, or -1.
    int indexOf(const QString &text) const;

    const QStringList &items() const { return m_items; }
    QStringList &items() { return m_items; }

    // Every item followed by CR LF, in the Windows-1251 code page.
    QByteArray toBytes() const;
    // Replaces the items by the lines of `bytes` (Windows-1251). Lines end at CR LF, lone CR
    // or lone LF; a final line break adds no empty line; a zero byte ends the text.
    void setFromBytes(const QByteArray &bytes);
    // Replaces the items by the lines of a text, split as setFromBytes splits them.
    void setFromText(QStringView text);

    // Writes toBytes() to a file atomically (QSaveFile); throws AppError naming the file and
    // the system's reason on failure, leaving any previous file untouched.
    void saveToFile(const QString &path) const;
    // Reads a file with setFromBytes(); throws AppError naming the file on failure, also for
    // anything that is not a regular file (a folder, a named pipe, a device). Returns what the
    // file held, to tell later whether another program changed it.
    DiskStamp loadFromFile(const QString &path);

private:
    QStringList m_items;
};
