#pragma once

#include "editor/Editor.h"

#include <QString>
#include <QStringList>

// The commands that act on the scheme as a whole (New, Open, Save, Save as, Save as Bitmap,
// Copy Image, the close query and the start-up file) and the scheme file glue.
class DocumentCommands {
public:
    explicit DocumentCommands(Editor &editor);

    // Writes the scheme; throws AppError naming the file and the reason when it cannot.
    void SaveModel(const QString &fileName);
    // Reads a scheme; reports a failure to the user (file, line, what is wrong).
    void LoadModel(const QString &fileName);

    // Throws SilentAbort when the user cancels (or when Yes did not save).
    void CheckFileSave();

    void sbNewClick();
    void sbOpenClick();
    void Save1Click();
    void Action_saveAsExecute();
    void Action_save_bitmapExecute();
    void Action_copyExecute();
    void FormCloseQuery(bool &canClose);
    void FormShow(const QStringList &arguments);

    static QString get_Shortfilename(const QString &path);
    // Starting folder of the file dialogs.
    QString dialogFolder() const;

private:
    Editor &m_editor;
    QString m_lastFolder;
};
