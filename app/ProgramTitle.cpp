#include "app/ProgramTitle.h"

#include "app/Application.h"

#include <QGuiApplication>

namespace {
QString &storedTitle()
{
    static QString title = applicationTitle();
    return title;
}
} // namespace

QString programTitle()
{
    return storedTitle();
}

void setProgramTitle(const QString &title)
{
    storedTitle() = title;
    // Set, but empty: every title ends in it, so none gets anything appended.
    QGuiApplication::setApplicationDisplayName(QStringLiteral(""));
}
