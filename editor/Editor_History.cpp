// Undo and redo of the document's steps, with the window brought up to date.
#include "editor/Editor.h"

#include <exception>
#include <utility>

void Editor::undo()
{
    if (!canUndo())
        return;
    m_doc.undo();
    rethrowStepFailure();
}

void Editor::redo()
{
    if (!canRedo())
        return;
    m_doc.redo();
    rethrowStepFailure();
}

void Editor::rethrowStepFailure()
{
    if (std::exception_ptr failure = std::exchange(m_stepFailure, nullptr))
        std::rethrow_exception(failure);
}

void Editor::clearSelection()
{
    m_sel.kind = ElementKind::None;
    m_sel.foundName.clear();
    m_sel.selX = m_sel.selY = m_sel.selX2 = m_sel.selY2 = -1;
    m_multi.clear();
    updateCommandStates();
    m_ui.setText(Ctl::CaptionEdit, QString());
    m_ui.setText(Ctl::XEdit, QString());
    m_ui.setText(Ctl::YEdit, QString());
}

void Editor::applyStep(const ChangeRecord &changes, bool)
{
    if (changes.resizesSheet()) {
        m_ui.sheetGeometryChanged();
        m_ui.navigateView(true, false);
    }
    clearSelection();
    SetStateLine();
    updateCommandStates();
    // The redraw also puts back the line midpoints of this state. A failure is reported after
    // the history has moved, so that the history and the tables stay in step.
    try {
        UpdateImageModel();
    } catch (...) {
        m_stepFailure = std::current_exception();
    }
}
