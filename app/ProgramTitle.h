#pragma once

#include <QString>

// The application title: the start title, then a copy of the window caption. The program keeps
// it itself and leaves Qt's application display name empty, because the window system would
// otherwise show that name after every caption that does not end in it.
QString programTitle();
void setProgramTitle(const QString &title);
