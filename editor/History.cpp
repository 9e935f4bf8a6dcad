// Undo and redo: each command's recorded changes become one step.
#include "editor/Editor.h"
#include "editor/SchemeStep.h"

#include <exception>
#include <utility>

void Editor::closeStep()
{
    if (!doc.hasChanges()) {
        doc.setStepName(QString());
        return;
    }
    QString name = doc.stepName();
    if (name.isEmpty())
        name = QStringLiteral("Edit");
    doc.setStepName(QString());
    history.push(new SchemeStep(name, doc.takeChanges(), [this](const ChangeList &changes, bool forward) {
        applyStep(changes, forward);
    }));
}

void Editor::undo()
{
    if (!canUndo())
        return;
    closeStep();
    history.undo();
    doc.setModified(!history.isClean());
    rethrowStepFailure();
}

void Editor::redo()
{
    if (!canRedo())
        return;
    closeStep();
    history.redo();
    doc.setModified(!history.isClean());
    rethrowStepFailure();
}

void Editor::rethrowStepFailure()
{
    if (std::exception_ptr failure = std::exchange(m_stepFailure, nullptr))
        std::rethrow_exception(failure);
}

void Editor::clearHistory()
{
    doc.takeChanges();
    doc.setStepName(QString());
    history.clear();
}

void Editor::clearSelection()
{
    sel.kind = ElementKind::None;
    sel.foundName.clear();
    sel.selX = sel.selY = sel.selX2 = sel.selY2 = -1;
    multi.clear();
    for (Ctl c : {Ctl::DeleteButton, Ctl::DeleteAction, Ctl::ReverseLineButton, Ctl::ReverseLineAction,
                  Ctl::ReverseLineItem})
        ui.setEnabled(c, false);
    ui.setText(Ctl::CaptionEdit, QString());
    ui.setText(Ctl::XEdit, QString());
    ui.setText(Ctl::YEdit, QString());
}

void Editor::applyStep(const ChangeList &changes, bool forward)
{
    doc.applyChanges(changes, forward);
    bool resized = false;
    for (const SchemeChange &c : changes)
        resized = resized || c.kind == SchemeChange::Kind::SheetSize;
    if (resized) {
        ui.sheetGeometryChanged();
        ui.navigateView(true, false);
    }
    clearSelection();
    SetStateLine();
    ui.setEnabled(Ctl::SelectAllAction, getCountElements());
    // The redraw also puts back the line midpoints of this state. A failure is reported after
    // the history has moved, so that the history and the tables stay in step.
    try {
        UpdateImageModel();
    } catch (...) {
        m_stepFailure = std::current_exception();
    }
}
