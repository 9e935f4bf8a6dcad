#pragma once

#include <QString>
#include <QStringList>

class QFontMetrics;

// The rich text of a message box's plain `text` in which each of `wholeLines` (paths) stands on
// a line of its own with the characters attached to it (quotation marks, a question mark),
// never broken, shortened in the middle when the line would be wider than `maxWidth` pixels.
// The rest wraps as usual; line breaks stay.
QString messageHtml(const QString &text, const QStringList &wholeLines, const QFontMetrics &metrics,
                    int maxWidth);

// The widest a message box's line may be on a screen `screenWidth` pixels wide, with room for
// the box's icon and margins (the box grows to at most about this width and then wraps anywhere).
int messageLineWidth(int screenWidth);
