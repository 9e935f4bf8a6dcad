#pragma once

#include <QtGlobal>

// The lines of a text, as scheme files and clipboard texts are split: a line ends at CR LF, a
// lone CR or a lone LF, and a final line break adds no empty line. Calls line(start, length) for
// each line in order. Text is a QByteArrayView or a QStringView.
template <typename Text, typename Line>
void forEachLine(Text text, Line &&line)
{
    const qsizetype end = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < end; ++i) {
        const auto c = text[i];
        if (c == u'\r' || c == u'\n') {
            line(start, i - start);
            if (c == u'\r' && i + 1 < end && text[i + 1] == u'\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < end)
        line(start, end - start);
}
