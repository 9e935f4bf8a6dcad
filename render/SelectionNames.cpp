#include "render/SelectionNames.h"

SelectionNames::SelectionNames(const TextList &list)
{
    if (list.count() < 2)
        return;
    m_names.reserve(list.count());
    for (const QString &name : list.items())
        m_names.insert(folded(name));
}

QString SelectionNames::folded(const QString &text)
{
    QString out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        char32_t ch = text.at(i).unicode();
        if (QChar::isHighSurrogate(ch) && i + 1 < n && text.at(i + 1).isLowSurrogate()) {
            ch = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
            ++i;
        } else if (QChar::isSurrogate(ch)) {
            ch = QChar::ReplacementCharacter; // a lone surrogate compares as U+FFFD
        }
        const char32_t f = QChar::toCaseFolded(ch);
        if (QChar::requiresSurrogates(f)) {
            out.append(QChar(QChar::highSurrogate(f)));
            out.append(QChar(QChar::lowSurrogate(f)));
        } else {
            out.append(QChar(char16_t(f)));
        }
    }
    return out;
}
