#include "app/MessageText.h"

#include <QFontMetrics>
#include <QList>

#include <algorithm>
#include <utility>

namespace {

QString paragraph(const QString &plain, bool whole = false)
{
    QString html = plain.toHtmlEscaped();
    html.replace(QLatin1Char('\n'), QLatin1String("<br>"));
    return (whole ? QLatin1String("<p style=\"margin:0; white-space:pre\">")
                  : QLatin1String("<p style=\"margin:0\">")) +
           html + QLatin1String("</p>");
}

} // namespace

QString messageHtml(const QString &text, const QStringList &wholeLines, const QFontMetrics &metrics,
                    int maxWidth)
{
    // Where each stands, in the order of the text (a translation may change the order).
    QList<std::pair<qsizetype, QString>> found;
    for (const QString &whole : wholeLines)
        if (const qsizetype at = whole.isEmpty() ? -1 : text.indexOf(whole); at >= 0)
            found.append({at, whole});
    std::ranges::sort(found);
    QString html;
    qsizetype from = 0;
    for (const auto &[at, whole] : found) {
        if (at < from)
            continue;
        // The line takes the characters attached to either side.
        qsizetype start = at;
        while (start > from && !text.at(start - 1).isSpace())
            --start;
        qsizetype end = at + whole.size();
        while (end < text.size() && !text.at(end).isSpace())
            ++end;
        const QString before = text.mid(start, at - start);
        const QString after = text.mid(at + whole.size(), end - at - whole.size());
        const int room = maxWidth - metrics.horizontalAdvance(before + after);
        const QString shown = metrics.elidedText(whole, Qt::ElideMiddle, std::max(room, 0));
        const QString lead = text.mid(from, start - from).trimmed();
        if (!lead.isEmpty())
            html += paragraph(lead);
        html += paragraph(before + shown + after, true);
        from = end;
    }
    const QString rest = text.mid(from).trimmed();
    if (!rest.isEmpty() || html.isEmpty())
        html += paragraph(rest);
    return html;
}

int messageLineWidth(int screenWidth)
{
    const int widest = screenWidth <= 1024 ? screenWidth : std::min(screenWidth - 480, 1000);
    return std::max(widest - 120, widest / 2);
}
