// Temporary definitions of what is not built yet; each is removed when it is implemented.
#include "app/DocumentCommands.h"

DocumentCommands::DocumentCommands(Editor &editor) : m_editor(editor) {}
void DocumentCommands::SaveModel(const QString &) {}
void DocumentCommands::LoadModel(const QString &) {}
void DocumentCommands::CheckFileSave() {}
void DocumentCommands::sbNewClick() {}
void DocumentCommands::sbOpenClick() {}
void DocumentCommands::Save1Click() {}
void DocumentCommands::Action_saveAsExecute() {}
void DocumentCommands::Action_save_bitmapExecute() {}
void DocumentCommands::Action_copyExecute() {}
void DocumentCommands::FormCloseQuery(bool &) {}
void DocumentCommands::FormShow(const QStringList &) {}
QString DocumentCommands::get_Shortfilename(const QString &path) { return path; }
QString DocumentCommands::dialogFolder() const { return {}; }
