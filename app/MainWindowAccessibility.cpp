// Accessible names, descriptions and the Tab order of the main window's controls.
#include "app/ColorBox.h"
#include "app/FindBar.h"
#include "app/MainWindow.h"
#include "view/SheetView.h"

#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace {

void describe(QWidget *control, const QString &name, const QString &description)
{
    control->setAccessibleName(name);
    control->setAccessibleDescription(description);
}

} // namespace

void MainWindow::describeControls()
{
    // Buttons say what they are; their hint becomes the description.
    const std::pair<QToolButton *, QString> buttons[] = {{m_ui.menuButton, tr("Menu")},
                                                         {m_ui.cursorTool, tr("Cursor")},
                                                         {m_ui.rectangleTool, tr("Rectangle")},
                                                         {m_ui.pointTool, tr("Point")},
                                                         {m_ui.lineTool, tr("Line")},
                                                         {m_ui.reverseLineButton, tr("Change line")},
                                                         {m_ui.deleteButton, tr("Delete element")},
                                                         {m_ui.heightMinus, tr("Height -")},
                                                         {m_ui.heightPlus, tr("Height +")},
                                                         {m_ui.widthMinus, tr("Width -")},
                                                         {m_ui.widthPlus, tr("Width +")}};
    for (const auto &[button, name] : buttons) {
        describe(button, name, button->toolTip());
        // Reached with Tab; a click still leaves the focus where it was.
        button->setFocusPolicy(Qt::TabFocus);
    }
    describe(m_ui.colorBox, tr("Color"), m_ui.colorBox->toolTip());
    describe(m_ui.captionEdit, tr("Text"), m_ui.captionEdit->toolTip());
    describe(m_ui.xEdit, tr("Centre X"), tr("Centre X of the selected element + [ENTER]"));
    describe(m_ui.yEdit, tr("Centre Y"), tr("Centre Y of the selected element + [ENTER]"));
    m_ui.captionLabel->setBuddy(m_ui.captionEdit);
    m_ui.xLabel->setBuddy(m_ui.xEdit);
    m_ui.yLabel->setBuddy(m_ui.yEdit);
    for (QWidget *mark : {m_ui.navigatorSheetShape, m_ui.navigatorVisiblePart})
        describe(mark, tr("Navigator"), tr("The whole sheet, with the part the window shows"));
    describe(m_ui.scaleLabel, tr("Scale"), tr("The view scale"));
    describe(m_ui.findBar->edit(), tr("Find"), tr("Text to find in captions and names + [ENTER]"));

    // The sheet takes the focus from Tab only, so that a screen reader can stop on it and read
    // the selection from its description.
    m_ui.sheetView->setAccessibleName(tr("Sheet"));
    m_ui.sheetView->setFocusPolicy(Qt::TabFocus);
    describeSelection();

    // Left to right along the toolbar, then the sheet and the sheet-size buttons.
    QWidget *const order[] = {m_ui.menuButton,     m_ui.cursorTool,        m_ui.rectangleTool, m_ui.pointTool,
                              m_ui.lineTool,       m_ui.colorBox,          m_ui.captionEdit,   m_ui.xEdit,
                              m_ui.yEdit,          m_ui.reverseLineButton, m_ui.deleteButton,  m_ui.sheetView,
                              m_ui.heightMinus,    m_ui.heightPlus,        m_ui.widthMinus,    m_ui.widthPlus,
                              m_ui.findBar->edit()};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void MainWindow::describeSelection()
{
    const QString description = m_editor.selectionDescription();
    if (m_ui.sheetView->accessibleDescription() != description)
        m_ui.sheetView->setAccessibleDescription(description);
}
