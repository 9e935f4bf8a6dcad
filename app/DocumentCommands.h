#pragma once

#include "editor/Editor.h"

#include <QString>
#include <QStringList>

// The commands that act on the scheme as a whole (New, Open, Save, Save as, Save as Bitmap,
// Copy Image, the close query and the start-up file) and the scheme file glue.
// They throw AppError (shown by the window's error box) and SilentAbort (ends the command
// without a message); the window catches both at the event boundary.
class DocumentCommands {
public:
    explicit DocumentCommands(Editor &editor);

    // Writes the scheme; throws AppError naming the file and the reason when it cannot. The file
    // is replaced in one piece, so a failed write leaves its old content.
    void SaveModel(const QString &fileName);
    // Reads a scheme; reports a failure to the user (file, line, what is wrong).
    void LoadModel(const QString &fileName);
    // Opens a recovery copy as the scheme of `originalFile` (empty: a new scheme), modified.
    void recoverModel(const QString &recoveryFile, const QString &originalFile);

    // Throws SilentAbort when the user cancels (or when Yes did not save).
    void CheckFileSave();

    void newScheme();
    void openScheme();
    void save();
    void saveAs();
    void saveAsBitmap();
    void copyImage();
    // Never throws: a cancelled question or a failed save (shown in an error box) keep the
    // window open.
    void closeQuery(bool &canClose);
    // `arguments`: the command-line arguments after the program's own path.
    void FormShow(const QStringList &arguments);

    static QString get_Shortfilename(const QString &path);
    // The extension of a path's file name, from its last dot on (".grvlk"), or empty.
    static QString fileExtension(const QString &path);
    // Starting folder of the file dialogs: the current file's folder, else the folder last
    // used, else the working directory.
    QString dialogFolder() const;

private:
    // Save and Save as: true when the scheme was written.
    bool saveScheme();
    bool saveSchemeAs();
    // Writes the sheet bitmap as a 24-bit BMP file; throws AppError when it cannot.
    void writeBitmap(const QString &fileName);
    void rememberFolder(const QString &path);
    void showFileCaption();

    Editor &m_editor;
    QString m_lastFolder;
};
