#pragma once

#include "editor/Editor.h"
#include "editor/RecentFiles.h"
#include "toolkit/DiskStamp.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The commands that act on the scheme as a whole (New, Open, Save, Save as, Save as Bitmap,
// Copy Image, the close query and the start-up file) and the scheme file glue.
// They throw AppError (shown by the window's error box) and SilentAbort (ends the command
// without a message); the window catches both at the event boundary.
class DocumentCommands {
    Q_DECLARE_TR_FUNCTIONS(DocumentCommands)

public:
    explicit DocumentCommands(Editor &editor);

    // Writes the scheme; throws AppError naming the file and the reason when it cannot. The file
    // is replaced in one piece, so a failed write leaves its old content. The file is read back
    // and compared with what was meant. When the file is the one opened or last saved and another
    // program changed it since, asks first; No throws SilentAbort, leaving file and scheme alone.
    void SaveModel(const QString &fileName);
    // Reads a scheme; reports a failure to the user (file, line, what is wrong). The scheme's
    // path is made absolute here, so that it names the same file whatever the working folder.
    void LoadModel(const QString &fileName);
    // Opens a recovery copy as the scheme of `originalFile` (empty: a new scheme), modified.
    // A path that is not absolute, or whose folder is gone, opens as a new scheme.
    void recoverModel(const QString &recoveryFile, const QString &originalFile);
    // The window became active: an unmodified scheme whose file another program changed is
    // offered for reloading, once per change.
    void checkFileOnDisk();

    // Throws SilentAbort when the user cancels (or when Yes did not save).
    void CheckFileSave();

    void newScheme();
    void openScheme();
    // Open Recent: a path of recentFiles().
    void openRecent(const QString &path);
    void save();
    void saveAs();
    void saveAsBitmap();
    void copyImage();
    // Never throws: a cancelled question or a failed save (shown in an error box) keep the
    // window open.
    void closeQuery(bool &canClose);
    // `arguments`: the command-line arguments after the program's own path.
    void FormShow(const QStringList &arguments);
    // The absolute path of the scheme FormShow would open for `arguments`, or empty.
    static QString startupScheme(const QStringList &arguments);

    // The schemes last opened or saved.
    RecentFiles &recentFiles() { return m_recent; }

    static QString get_Shortfilename(const QString &path);
    // The extension of a path's file name, from its last dot on (".grvlk"), or empty.
    static QString fileExtension(const QString &path);
    // Starting folder of the file dialogs: the current file's folder, else the folder last
    // used, else the working directory.
    QString dialogFolder() const;

private:
    // LoadModel; `remember`: the file goes into the recent files.
    void loadScheme(const QString &fileName, bool remember);
    // Save and Save as: true when the scheme was written.
    bool saveScheme();
    bool saveSchemeAs();
    // Writes the sheet bitmap as a 24-bit BMP file; throws AppError when it cannot.
    void writeBitmap(const QString &fileName);
    void rememberFolder(const QString &path);
    void showFileCaption();

    Editor &m_editor;
    EditorUi &m_ui;
    QString m_lastFolder;
    RecentFiles m_recent;
    // What the scheme's file held when it was opened or last saved, and a change of it already
    // offered for reloading.
    DiskStamp m_stamp;
    DiskStamp m_offeredChange;
};
