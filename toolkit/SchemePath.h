#pragma once

#include <QString>

// The absolute, clean form of a file path, fixed when a scheme is opened or saved so that it
// names the same file whatever the working folder is later. The folder part is resolved through
// symbolic links ("link/.." is the link target's parent, as the system reads it); the file name
// is kept as given, so a linked file is still saved through its link.
QString absoluteSchemePath(const QString &path);

// Whether `path` is absolute and its folder exists.
bool folderExists(const QString &path);
