#pragma once

#include <QString>

class Editor;

// Export...: writes the scheme as a picture to a file chosen in a save dialog, in one of the
// exported picture formats as its extension says (any letter case), drawn as the full
// redraw draws it with nothing marked. Nothing about the scheme changes. A name with another
// extension is refused with a note; a failure throws AppError naming the file and the reason,
// and the file is then left as it was.
void exportPicture(Editor &editor, const QString &startFolder);
