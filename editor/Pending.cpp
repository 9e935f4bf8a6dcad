// Temporary definitions of what is not built yet; each is removed when it is implemented.
#include "editor/Editor.h"

void Editor::Find_and_Select(int, int) {}
void Editor::GetRecHPE_on_Coord(int, int, StringGrid &) {}
int Editor::GetNumRowRect(int, int, StringGrid &) { return -1; }
int Editor::GetNumRow_onMinValue() { return 1; }
void Editor::SelectAllObjects() {}
void Editor::ActionSelectAllExecute() {}
void Editor::ShowProperties(int, StringGrid &) {}
void Editor::SelectedTool(Ctl) {}
void Editor::PaintBox1MouseDown(MouseButton, ShiftState, int, int) {}
void Editor::PaintBox1MouseMove(ShiftState, int, int) {}
void Editor::PaintBox1MouseUp(MouseButton, ShiftState, int, int) {}
void Editor::PaintBox1DblClick() {}
void Editor::ChangeCoordObj(qint64, qint64) {}
void Editor::MoveSheet(int, int) {}
void Editor::ActMoveSheetLeftExecute() {}
void Editor::ActMoveSheetRightExecute() {}
void Editor::ActMoveSheetTopExecute() {}
void Editor::ActMoveSheetDownExecute() {}
void Editor::Action_view_navigatorExecute() {}
