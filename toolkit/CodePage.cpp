#include "toolkit/CodePage.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <array>

namespace {

constexpr const char *kCodePage = "windows-1251";

// Qt's conversion of every single byte and of the characters they decode to, asked once, so
// that texts are converted by table lookups with exactly Qt's results. Characters outside the
// table (and every text, should a byte not decode to one character) go through Qt's converter.
struct CodeTable {
    bool decodeByTable = true;
    std::array<char16_t, 256> toUnicode{};
    std::array<std::int16_t, 0x10000> fromUnicode; // byte, or -1 when not in the table

    CodeTable()
    {
        fromUnicode.fill(-1);
        for (int b = 0; b < 256; ++b) {
            QStringDecoder decoder(kCodePage);
            const QString decoded = decoder.decode(QByteArray(1, char(b)));
            if (decoded.size() != 1 || decoder.hasError()) {
                decodeByTable = false;
                continue;
            }
            const char16_t u = decoded.at(0).unicode();
            toUnicode[size_t(b)] = u;
            if (fromUnicode[u] >= 0 || QChar::isSurrogate(u))
                continue;
            QStringEncoder encoder(kCodePage);
            const QByteArray encoded = encoder.encode(decoded);
            if (encoded.size() == 1 && !encoder.hasError())
                fromUnicode[u] = std::int16_t(std::uint8_t(encoded.at(0)));
        }
    }
};

const CodeTable &codeTable()
{
    static const CodeTable table;
    return table;
}

} // namespace

bool encodeCodePageTo(char *dst, QStringView text)
{
    const CodeTable &table = codeTable();
    for (QChar c : text) {
        const std::int16_t b = table.fromUnicode[c.unicode()];
        if (b < 0)
            return false;
        *dst++ = char(b);
    }
    return true;
}

void appendCodePage(QByteArray &out, const QString &text)
{
    const qsizetype start = out.size();
    out.resize(start + text.size());
    if (encodeCodePageTo(out.data() + start, text))
        return;
    out.truncate(start);
    QStringEncoder encoder(kCodePage);
    out += encoder.encode(text);
}

QByteArray encodeCodePage(const QString &text)
{
    QByteArray out;
    appendCodePage(out, text);
    return out;
}

QString decodeCodePage(QByteArrayView bytes)
{
    const CodeTable &table = codeTable();
    if (!table.decodeByTable) {
        QStringDecoder decoder(kCodePage);
        return decoder.decode(bytes);
    }
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *p = out.data();
    for (char b : bytes)
        *p++ = QChar(table.toUnicode[std::uint8_t(b)]);
    return out;
}

bool fitsCodePage(const QString &text)
{
    // The encoder holds a lone surrogate back as unfinished input instead of flagging it; no
    // single-byte code page stores half a character.
    if (std::any_of(text.begin(), text.end(), [](QChar c) { return c.isSurrogate(); }))
        return false;
    QStringEncoder encoder(kCodePage);
    QByteArray bytes = encoder.encode(text);
    return !encoder.hasError();
}
