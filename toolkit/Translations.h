#pragma once

class QCoreApplication;

// Installs the program's translation for the user's language (the system locale), and Qt's own
// for its standard buttons and dialogs, when there are translations for it: from the program's
// resources, else from the installed data folder (share/gravelink/translations beside the
// program's bin folder). English needs none: the program's texts are English.
void installTranslations(QCoreApplication &app);
