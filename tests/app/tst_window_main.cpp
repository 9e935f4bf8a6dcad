#define QTEST_QPA_MOUSE_HANDLING
#include "app/ColorBox.h"
#include "app/Panels.h"
#include "app/ShortcutsDialog.h"
#include "model/TableOps.h"
#include "support/MainWindowFixture.h"
#include "toolkit/Errors.h"
#include "toolkit/IntText.h"

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void startupState();
    void startupLayout();
    void toolbarHints();
    void menuItems();
    void openRecent();
    void resizeStretchesToolbarAndMovesCorners();
    void minimumSize();
    void aboutText();
    void aboutKeepsStartupTitle();
    void shortcutsListEveryCommand();
    void captionSetsApplicationTitle();
    void menuLatch();
    void menuCommandRunsAfterPopupReturns();
    void menuButtonClosesOpenMenuThenOpensIt_data();
    void menuButtonClosesOpenMenuThenOpensIt();
    void shortcutRule_data();
    void shortcutRule();
    void escQuitsFromAField();
    void escInOpenColourListDoesNotQuit();
    void pasteFilters_data();
    void pasteFilters();
    void captionLimit();
    void typedKeys_data();
    void typedKeys();
    void colorIndexFromProgramIsSilent();
    void toolGroupHasOneDown();
    void tabGoesOverTheTools();
    void guardShowsErrorsAndSwallowsAborts();
    void failureInAClickShowsTheErrorBox();
    void menuItemFollowsActionButKeepsOwnState();
    void doubleClickReachesTheSheet();
};

void TestMainWindow::startupState()
{
    MainWindowFixture f;
    MainWindow &w = *f.window;
    QCOMPARE(w.windowTitle(), QStringLiteral("Gravelink"));
    QCOMPARE(f.window->applicationTitle(), QStringLiteral("Gravelink"));
    QVERIFY(w.controls().cursorTool->isChecked());
    for (QToolButton *b : {w.controls().rectangleTool, w.controls().pointTool, w.controls().lineTool})
        QVERIFY(!b->isChecked());
    for (Ctl c : {Ctl::LineTool, Ctl::ReverseLineButton, Ctl::DeleteButton, Ctl::DeleteAction,
                  Ctl::ReverseLineAction, Ctl::ReverseLineItem, Ctl::SelectAllAction})
        QVERIFY2(!w.isEnabled(c), qPrintable(QString::number(int(c))));
    for (Ctl c : {Ctl::CursorTool, Ctl::RectangleTool, Ctl::PointTool, Ctl::ColorList, Ctl::CaptionEdit,
                  Ctl::XEdit, Ctl::YEdit, Ctl::HeightMinus, Ctl::HeightPlus, Ctl::WidthMinus, Ctl::WidthPlus})
        QVERIFY(w.isEnabled(c));
    QCOMPARE(w.text(Ctl::CaptionEdit), QStringLiteral("Name"));
    QCOMPARE(w.text(Ctl::XEdit), QStringLiteral("0"));
    QCOMPARE(w.text(Ctl::YEdit), QStringLiteral("0"));
    QCOMPARE(w.colorIndex(), 0);
    QVERIFY(w.isChecked(Ctl::NavigatorAction));
    QVERIFY(w.commands().item(Command::Navigator)->isChecked());
    QVERIFY(!w.isChecked(Ctl::LockAction));
    QVERIFY(!w.commands().item(Command::Lock)->isChecked());
    QVERIFY(w.isVisible(Ctl::Navigator));
    QVERIFY(w.isVisible(Ctl::HeightButtons));
    QCOMPARE(f.editor().doc().sheet().width(), 842);
    QCOMPARE(f.editor().doc().sheet().height(), 595);
    QCOMPARE(w.controls().sheetView->geometry(), QRect(0, 0, 842, 595));
    QCOMPARE(f.editor().overlayImage().size(), QSize(842, 595));
    // The sheet's grey frame: columns 1 and 840, rows 1 and 593.
    const QImage &sheet = f.editor().doc().sheet().image();
    QCOMPARE(sheet.pixel(1, 300), qRgb(128, 128, 128));
    QCOMPARE(sheet.pixel(840, 300), qRgb(128, 128, 128));
    QCOMPARE(sheet.pixel(400, 1), qRgb(128, 128, 128));
    QCOMPARE(sheet.pixel(400, 593), qRgb(128, 128, 128));
    QCOMPARE(f.editor().viewport().panAnchorX() + f.editor().viewport().panAnchorY() +
                 f.editor().viewport().panStepX() + f.editor().viewport().panStepY(),
             0);
    QVERIFY(!f.editor().doc().modified());
    QVERIFY(w.newSheetDialog() && w.newSheetDialog()->isHidden());
    // The shortcuts given at creation.
    QCOMPARE(w.commands().action(Command::Quit)->shortcut(), QKeySequence(Qt::Key_Escape));
    QCOMPARE(w.commands().action(Command::MoveLeft)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Left));
    QCOMPARE(w.commands().action(Command::ScrollDown)->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_Down));
}

void TestMainWindow::startupLayout()
{
    MainWindowFixture f;
    MainWindow &w = *f.window;
    QCOMPARE(w.size(), QSize(700, 540));
    QCOMPARE(w.controls().toolbar->height(), 29);
    const QSize area = w.drawingAreaClientSize();
    QCOMPARE(area, QSize(698, 509));
    QCOMPARE(w.controls().navigatorSheet->size(), QSize(35, 25));
    QCOMPARE(w.controls().navigator->geometry(), QRect(2, area.height() - 25 - 2, 35, 25));
    QCOMPARE(w.controls().navigatorVisiblePart->geometry(), QRect(0, 0, 29, 21));
    QCOMPARE(w.controls().navigatorSheetShape->geometry(), QRect(0, 0, 35, 25));
    QCOMPARE(w.controls().widthButtons->pos(), QPoint(area.width() - 31 - 2, 2));
    QCOMPARE(w.controls().heightButtons->pos(), QPoint(area.width() - 25 - 2, area.height() - 31 - 2));
    QCOMPARE(w.controls().menuButton->geometry(), QRect(2, 2, 22, 22));
    QCOMPARE(w.controls().colorBox->geometry(), QRect(138, 2, 39, 22));
    QCOMPARE(w.controls().heightMinus->geometry(), QRect(2, 2, 21, 13));
    QCOMPARE(w.controls().widthPlus->geometry(), QRect(16, 2, 13, 20));
    // The small panels lie above the sheet.
    const QObjectList kids = w.controls().drawingArea->children();
    QVERIFY(kids.indexOf(w.controls().sheetView) < kids.indexOf(w.controls().navigator));
    QVERIFY(kids.indexOf(w.controls().sheetView) < kids.indexOf(w.controls().heightButtons));
}

void TestMainWindow::toolbarHints()
{
    MainWindowFixture f;
    MainWindow &w = *f.window;
    const std::pair<QWidget *, const char *> hints[] = {
        {w.controls().menuButton, "Menu"},
        {w.controls().cursorTool, "Cursor"},
        {w.controls().rectangleTool, "Rectangle (Right click)"},
        {w.controls().pointTool, "Point (middle mouse button)"},
        {w.controls().lineTool, "Line (Double click)"},
        {w.controls().colorBox, "Select color rectangle"},
        {w.controls().captionEdit, "Text + [ENTER]"},
        {w.controls().reverseLineButton, "Change line"},
        {w.controls().deleteButton, "Delete element"},
        {w.controls().heightMinus, "Height -"},
        {w.controls().heightPlus, "Height +"},
        {w.controls().widthMinus, "Width -"},
        {w.controls().widthPlus, "Width +"},
        {w.controls().navigatorSheetShape, "Navigator"},
        {w.controls().navigatorVisiblePart, "Navigator"},
    };
    for (const auto &[widget, hint] : hints)
        QCOMPARE(widget->toolTip(), QString::fromLatin1(hint));
    for (QToolButton *b : {w.controls().menuButton, w.controls().cursorTool, w.controls().rectangleTool,
                           w.controls().pointTool, w.controls().lineTool, w.controls().reverseLineButton,
                           w.controls().deleteButton}) {
        QCOMPARE(b->cursor().shape(), Qt::PointingHandCursor);
        // A click leaves the focus where it was; only Tab stops on the button.
        QCOMPARE(b->focusPolicy(), Qt::TabFocus);
    }
    QCOMPARE(w.controls().captionLabel->text(), QStringLiteral("Text:"));
    QCOMPARE(w.controls().xLabel->text(), QStringLiteral("Xc:"));
    QCOMPARE(w.controls().yLabel->text(), QStringLiteral("Yc:"));
    QVERIFY(!w.controls().navigatorVisiblePart->isEnabled());
}

void TestMainWindow::menuItems()
{
    MainWindowFixture f;
    QStringList shown;
    for (QAction *item : f.window->controls().popupMenu->actions())
        shown << (item->isSeparator() ? QStringLiteral("-") : item->text());
    // One item a line, as the menu shows them.
    // clang-format off
    const QStringList expected{
        QStringLiteral("New\tCtrl+N"),
        QStringLiteral("Open\tCtrl+O"),
        QStringLiteral("Open Recent"),
        QStringLiteral("Save\tCtrl+S"),
        QStringLiteral("Save as"),
        QStringLiteral("Copy Image"),
        QStringLiteral("Save as Bitmap"),
        QStringLiteral("Export..."),
        QStringLiteral("Print...\tCtrl+P"),
        QStringLiteral("-"),
        QStringLiteral("Undo\tCtrl+Z"),
        QStringLiteral("Redo\tCtrl+Y"),
        QStringLiteral("Cut\tShift+Del"),
        QStringLiteral("Copy\tCtrl+C"),
        QStringLiteral("Paste\tCtrl+V"),
        QStringLiteral("Duplicate\tCtrl+D"),
        QStringLiteral("Delete\tCtrl+Del"),
        QStringLiteral("ChangeLine\tCtrl+X"),
        QStringLiteral("Select All\tCtrl+A"),
        QStringLiteral("Find...\tCtrl+F"),
        QStringLiteral("Align"),
        QStringLiteral("-"),
        QStringLiteral("View navigator"),
        QStringLiteral("Zoom In\tCtrl+="),
        QStringLiteral("Zoom Out\tCtrl+-"),
        QStringLiteral("Actual Size\tCtrl+0"),
        QStringLiteral("Fit Sheet\tCtrl+Shift+H"),
        QStringLiteral("Snap to Grid"),
        QStringLiteral("Lock\tCtrl+L"),
        QStringLiteral("Help\tF1"),
        QStringLiteral("Keyboard Shortcuts"),
        QStringLiteral("Quit\tEsc"),
    };
    // clang-format on
    QCOMPARE(shown, expected);
    for (QAction *withPicture :
         {f.window->commands().item(Command::New), f.window->commands().item(Command::Open),
          f.window->commands().item(Command::Save), f.window->commands().item(Command::SaveAs),
          f.window->commands().item(Command::CopyImage), f.window->commands().item(Command::SaveBitmap),
          f.window->commands().item(Command::Export), f.window->commands().item(Command::Delete),
          f.window->commands().item(Command::ReverseLine)})
        QVERIFY(!withPicture->icon().isNull());
    QVERIFY(f.window->commands().item(Command::SelectAll)->icon().isNull());
}

// The schemes opened and saved, newest first, kept between runs; a file gone leaves the list.
void TestMainWindow::openRecent()
{
    QTemporaryDir dir;
    QSettings settings(dir.filePath("gravelink.conf"), QSettings::IniFormat);
    const QString a = dir.filePath("a.grvlk"), b = dir.filePath("b.grvlk"), c = dir.filePath("c.grvlk");
    QStringList shown;
    const auto items = [&](MainWindowFixture &f) {
        shown.clear();
        QMenu *menu = f.window->controls().recentMenu;
        for (QAction *item : menu->actions())
            shown << (item->isSeparator() ? QStringLiteral("-") : item->text());
        return menu->actions();
    };
    {
        MainWindowFixture f;
        f.window->useSettings(&settings);
        f.modal.onSave = [&](const ScriptedModal::FileCall &) { return b; };
        f.documents().saveAs();
        f.modal.onSave = [&](const ScriptedModal::FileCall &) { return a; };
        f.documents().saveAs();
        f.documents().LoadModel(b);
        f.documents().LoadModel(c); // cannot be read: not remembered
    }
    MainWindowFixture f;
    f.window->useSettings(&settings);
    QList<QAction *> list = items(f);
    QCOMPARE(shown, (QStringList{"&1 " + b, "&2 " + a, "-", "Clear Menu"}));
    QVERIFY(QFile::remove(a));
    list[1]->trigger();
    f.settle();
    QCOMPARE(f.modal.errors.size(), 1);
    QVERIFY(f.modal.errors[0].contains(a));
    list = items(f);
    QCOMPARE(shown, (QStringList{"&1 " + b, "-", "Clear Menu"}));
    list[0]->trigger();
    f.settle();
    QCOMPARE(f.editor().doc().fileName(), b);
    items(f).last()->trigger();
    items(f);
    QCOMPARE(shown, (QStringList{"-", "Clear Menu"}));
    QVERIFY(settings.value("recentFiles").toStringList().isEmpty());
}

void TestMainWindow::resizeStretchesToolbarAndMovesCorners()
{
    MainWindowFixture f;
    MainWindow &w = *f.window;
    QVERIFY(f.show());
    w.resize(1000, 800);
    QTRY_COMPARE(w.drawingAreaClientSize(), QSize(998, 769));
    const int dx = 998 - 688;
    QCOMPARE(w.controls().captionEdit->geometry(), QRect(207, 3, 316 + dx, 21));
    QCOMPARE(w.controls().xEdit->geometry(), QRect(548 + dx, 3, 29, 21));
    QCOMPARE(w.controls().deleteButton->geometry(), QRect(665 + dx, 2, 22, 22));
    // FormResize re-sizes the navigator: the whole sheet is visible now.
    QCOMPARE(w.controls().navigatorVisiblePart->size(), QSize(35, 25));
    QCOMPARE(w.controls().navigator->pos(), QPoint(2, 769 - 25 - 2));
    QCOMPARE(w.controls().heightButtons->pos(), QPoint(998 - 25 - 2, 769 - 31 - 2));
}

void TestMainWindow::minimumSize()
{
    MainWindowFixture f;
    QCOMPARE(f.window->minimumSize(), QSize(700, 540));
    f.window->resize(500, 400);
    QCOMPARE(f.window->size(), QSize(700, 540));
}

void TestMainWindow::aboutText()
{
    MainWindowFixture f;
    f.window->setMenuLatched(true);
    f.window->commands().action(Command::About)->trigger();
    const QString expected = QStringLiteral(
        "Gravelink - version 1.1\r\n\r\nProgram for schematic notes.\r\n\r\n\r\n"
        "Rectangle - Right click\r\nPoint - Middle mouse button\r\nLine - Double click on a object\r\n\r\n"
        "Move a object - [Ctrl]+ keypress[left,top,right,down]\r\n"
        "Move a sheet - [Shift]+ keypress[left,top,right,down]\r\n"
        "Multi select - [Shift]+ left click\r\n"
        "Multi move - pressed[Shift] + drag&drop with left mouse button");
    QCOMPARE(f.modal.infos, QStringList{expected});
    QVERIFY(!f.window->menuLatched());
}

void TestMainWindow::aboutKeepsStartupTitle()
{
    MainWindowFixture f;
    f.window->setWindowCaption(QStringLiteral("[plan]-Gravelink"));
    f.window->commands().action(Command::About)->trigger();
    QVERIFY(f.modal.infos.value(0).startsWith(QStringLiteral("Gravelink - version 1.1\r\n")));
}

void TestMainWindow::shortcutsListEveryCommand()
{
    MainWindowFixture f;
    const CommandActions &commands = f.window->commands();
    QStringList listed; // "what<TAB>how" of each row that has none under it
    f.modal.onDialog = [&listed](QDialog *dialog) {
        auto *list = static_cast<ShortcutsDialog *>(dialog)->list();
        for (QTreeWidgetItemIterator it(list, QTreeWidgetItemIterator::NoChildren); *it; ++it)
            listed << (*it)->text(0) + '\t' + (*it)->text(1);
    };
    commands.action(Command::Shortcuts)->trigger();
    // Each command once, as its menu item (or action) and its keys show it; then the gestures.
    for (const CommandRow &row : commandTable()) {
        const QAction *a = commands.action(row.id);
        QStringList keys;
        for (const QKeySequence &key : a->shortcuts())
            keys << key.toString(QKeySequence::NativeText);
        const QAction *shown = commands.item(row.id) ? commands.item(row.id) : a;
        QCOMPARE(listed.removeAll(shown->text().section('\t', 0, 0) + '\t' + keys.join(", ")), 1);
    }
    QVERIFY(listed.contains("Zoom about the pointer\tCtrl+Wheel"));
}

void TestMainWindow::captionSetsApplicationTitle()
{
    MainWindowFixture f;
    f.window->setWindowCaption(QStringLiteral("[plan]-Gravelink"));
    QCOMPARE(f.window->windowTitle(), QStringLiteral("[plan]-Gravelink"));
    QCOMPARE(programTitle(), QStringLiteral("[plan]-Gravelink"));
}

void TestMainWindow::menuLatch()
{
    MainWindowFixture f;
    MainWindow &w = *f.window;
    QVERIFY(f.show());
    QTest::mouseClick(w.controls().menuButton, Qt::LeftButton);
    QCOMPARE(f.modal.menuPopups, 1);
    QCOMPARE(f.modal.lastMenuPos, w.mapToGlobal(QPoint(0, 27)));
    QVERIFY(f.window->menuLatched());
    // The click that closes the open menu leaves it closed.
    QTest::mouseClick(w.controls().menuButton, Qt::LeftButton);
    QCOMPARE(f.modal.menuPopups, 1);
    QVERIFY(!f.window->menuLatched());
    QTest::mouseClick(w.controls().menuButton, Qt::LeftButton);
    QCOMPARE(f.modal.menuPopups, 2);
    // A move over a label of the toolbar does not re-arm the button; over the toolbar's own
    // surface it does.
    QTest::mouseMove(w.controls().toolbar, w.controls().captionLabel->geometry().center());
    QVERIFY(f.window->menuLatched());
    QTest::mouseMove(w.controls().toolbar, QPoint(131, 14));
    QVERIFY(!f.window->menuLatched());
    QTest::mouseClick(w.controls().menuButton, Qt::LeftButton);
    QCOMPARE(f.modal.menuPopups, 3);
}

void TestMainWindow::menuCommandRunsAfterPopupReturns()
{
    MainWindowFixture f;
    MainWindow &w = *f.window;
    QVERIFY(f.show());
    f.modal.onMenu = [&w](QMenu *) { w.commands().item(Command::About)->trigger(); };
    w.menuButtonClick();
    QVERIFY(f.modal.infos.isEmpty());
    QVERIFY(f.window->menuLatched());
    QTRY_COMPARE(f.modal.infos.size(), 1);
    // About clears the latch after the menu call set it.
    QVERIFY(!f.window->menuLatched());
}

void TestMainWindow::menuButtonClosesOpenMenuThenOpensIt_data()
{
    QTest::addColumn<QString>("closing");
    QTest::newRow("press on the Menu button") << "button";
    QTest::newRow("Esc") << "Esc";
    QTest::newRow("command chosen") << "command";
}

void TestMainWindow::menuButtonClosesOpenMenuThenOpensIt()
{
    QFETCH(QString, closing);
    MainWindowFixture f;
    MainWindow &w = *f.window;
    QVERIFY(f.show());
    w.setModalProvider(nullptr); // the real popup menu
    // Low on the screen, where the menu does not fit below the button (whatever the fonts).
    w.move(w.x(), w.screen()->availableGeometry().bottom() - w.height());
    QMenu *menu = w.controls().popupMenu;
    QToolButton *button = w.controls().menuButton;
    bool stuck = false; // a menu still open after 5 seconds is closed: the test fails, never hangs
    QTimer::singleShot(5000, menu, [&] {
        stuck = menu->isVisible();
        menu->hide();
    });
    int opened = 0;
    // A click on the Menu button; `whileOpen` runs while the menu is open.
    const auto click = [&](const std::function<void()> &whileOpen) {
        QTimer::singleShot(0, &w, [&] {
            opened += menu->isVisible();
            if (menu->isVisible())
                whileOpen();
        });
        QTest::mouseClick(button, Qt::LeftButton);
        QCoreApplication::processEvents();
    };
    click([&] {
        if (closing == "button") // the window system gives this press to the menu
            QTest::mousePress(menu, Qt::LeftButton, {},
                              menu->mapFromGlobal(button->mapToGlobal(button->rect().center())));
        else if (closing == "Esc")
            QTest::keyClick(menu, Qt::Key_Escape);
        else
            QTest::mouseClick(menu, Qt::LeftButton, {},
                              menu->actionGeometry(w.commands().item(Command::Navigator)).center());
    });
    QVERIFY(!menu->isVisible());
    QCOMPARE(w.isChecked(Ctl::NavigatorAction), closing != "command");
    click([&] { menu->hide(); }); // the next click opens the menu again
    QCOMPARE(opened, 2);
    QVERIFY(!stuck);
}

void TestMainWindow::shortcutRule_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("textAfter"); // the field's text after the key
    QTest::addColumn<QString>("selectedAfter");

    const int ctrl = int(Qt::ControlModifier);
    const int shift = int(Qt::ShiftModifier);
    // The field holds "Name" with the cursor after "Na" and nothing selected, except where the
    // key is about cutting (all selected).
    QTest::newRow("Ctrl+X, ChangeLine disabled: cuts")
        << "captionEdit"
        << "reverseLineAction" << false << int(Qt::Key_X) << ctrl << ""
        << "";
    QTest::newRow("Ctrl+X, ChangeLine enabled: runs it")
        << "captionEdit"
        << "reverseLineAction" << true << int(Qt::Key_X) << ctrl << "Name"
        << "Name";
    QTest::newRow("Ctrl+A, Select All disabled: selects the text")
        << "captionEdit"
        << "selectAllAction" << false << int(Qt::Key_A) << ctrl << "Name"
        << "Name";
    QTest::newRow("Ctrl+A, Select All enabled: runs it")
        << "captionEdit"
        << "selectAllAction" << true << int(Qt::Key_A) << ctrl << "Name"
        << "";
    QTest::newRow("Ctrl+Left moves the element, not the cursor")
        << "captionEdit"
        << "moveLeftAction" << true << int(Qt::Key_Left) << ctrl << "Name"
        << "";
    QTest::newRow("Shift+Left pans, selects nothing")
        << "xEdit"
        << "scrollLeftAction" << true << int(Qt::Key_Left) << shift << "Name"
        << "";
    QTest::newRow("Ctrl+Delete, Delete disabled: edits")
        << "captionEdit"
        << "deleteAction" << false << int(Qt::Key_Delete) << ctrl << "Na"
        << "";
    QTest::newRow("Ctrl+Delete, Delete enabled: runs it")
        << "yEdit"
        << "deleteAction" << true << int(Qt::Key_Delete) << ctrl << "Name"
        << "";
}

void TestMainWindow::shortcutRule()
{
    QFETCH(QString, field);
    QFETCH(QString, action);
    QFETCH(bool, enabled);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, textAfter);
    QFETCH(QString, selectedAfter);

    MainWindowFixture f;
    MainWindow &w = *f.window;
    QVERIFY(f.show());
    auto *edit = w.findChild<QLineEdit *>(QString(), Qt::FindChildrenRecursively);
    for (QLineEdit *e : {w.controls().captionEdit, w.controls().xEdit, w.controls().yEdit})
        if ((field == QLatin1String("captionEdit") && e == w.controls().captionEdit) ||
            (field == QLatin1String("xEdit") && e == w.controls().xEdit) ||
            (field == QLatin1String("yEdit") && e == w.controls().yEdit))
            edit = e;
    auto *act = w.findChild<QAction *>(action);
    QVERIFY(act);
    act->setEnabled(enabled);
    QSignalSpy ran(act, &QAction::triggered);

    edit->setText(QStringLiteral("Name"));
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    if (key == Qt::Key_X)
        edit->selectAll();
    else
        edit->setCursorPosition(2);
    QGuiApplication::clipboard()->clear();

    QTest::keyClick(edit, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(ran.count(), enabled ? 1 : 0);
    QCOMPARE(edit->text(), textAfter);
    QCOMPARE(edit->selectedText(), selectedAfter);
    if (key == Qt::Key_X && !enabled)
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Name"));
}

void TestMainWindow::escQuitsFromAField()
{
    MainWindowFixture f;
    MainWindow &w = *f.window;
    QVERIFY(f.show());
    QSignalSpy quit(w.commands().action(Command::Quit), &QAction::triggered);
    w.controls().xEdit->setFocus();
    QTRY_VERIFY(w.controls().xEdit->hasFocus());
    QTest::keyClick(w.controls().xEdit, Qt::Key_Escape);
    QCOMPARE(quit.count(), 1);
    // An unmodified scheme closes without a question.
    QTRY_VERIFY(!w.QWidget::isVisible());
    QVERIFY(f.modal.questions.isEmpty());
}

void TestMainWindow::escInOpenColourListDoesNotQuit()
{
    MainWindowFixture f;
    MainWindow &w = *f.window;
    QVERIFY(f.show());
    QSignalSpy quit(w.commands().action(Command::Quit), &QAction::triggered);
    w.controls().colorBox->showPopup();
    QWidget *list = w.controls().colorBox->view();
    QTRY_VERIFY(list->isVisible());
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : list, Qt::Key_Escape);
    QTRY_VERIFY(!list->isVisible());
    QCOMPARE(quit.count(), 0);
    QVERIFY(w.QWidget::isVisible());
    // With the list closed, Esc quits again.
    f.key(Qt::Key_Escape);
    QCOMPARE(quit.count(), 1);
}

void TestMainWindow::pasteFilters_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("clip");
    QTest::addColumn<QString>("after");

    QTest::newRow("digits into Xc") << "xEdit"
                                    << "125"
                                    << "125";
    QTest::newRow("letters into Xc are refused") << "xEdit"
                                                 << "12a"
                                                 << "";
    QTest::newRow("minus inside a number is refused") << "yEdit"
                                                      << "1-2"
                                                      << "";
    QTest::newRow("Cyrillic into the caption")
        << "captionEdit" << QString::fromUtf8("Насос 1") << QString::fromUtf8("Насос 1");
    QTest::newRow("what cp1251 cannot hold is dropped")
        << "captionEdit" << QString::fromUtf8("A\u4e2dB\u00e9C") << "ABC";
}

void TestMainWindow::pasteFilters()
{
    QFETCH(QString, field);
    QFETCH(QString, clip);
    QFETCH(QString, after);
    MainWindowFixture f;
    MainWindow &w = *f.window;
    QVERIFY(f.show());
    QLineEdit *edit = field == QLatin1String("xEdit")   ? w.controls().xEdit
                      : field == QLatin1String("yEdit") ? w.controls().yEdit
                                                        : w.controls().captionEdit;
    edit->clear();
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    QGuiApplication::clipboard()->setText(clip);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit->text(), after);
}

void TestMainWindow::captionLimit()
{
    MainWindowFixture f;
    MainWindow &w = *f.window;
    QVERIFY(f.show());
    QCOMPARE(w.controls().captionEdit->maxLength(), 128);
    w.controls().captionEdit->clear();
    w.controls().captionEdit->setFocus();
    QTRY_VERIFY(w.controls().captionEdit->hasFocus());
    QGuiApplication::clipboard()->setText(QString(200, QLatin1Char('x')));
    QTest::keyClick(w.controls().captionEdit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(w.controls().captionEdit->text().size(), 128);
    QTest::keyClick(w.controls().captionEdit, Qt::Key_Y);
    QCOMPARE(w.controls().captionEdit->text().size(), 128);
}

void TestMainWindow::typedKeys_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");

    QTest::newRow("Xc takes digits only") << "xEdit"
                                          << ""
                                          << "a5-b7 "
                                          << "57";
    QTest::newRow("Yc takes digits only") << "yEdit"
                                          << "1"
                                          << "x2"
                                          << "12";
    QTest::newRow("caption takes letters") << "captionEdit"
                                           << ""
                                           << "Pump 2"
                                           << "Pump 2";
    QTest::newRow("caption drops what cp1251 cannot hold") << "captionEdit"
                                                           << "A" << QString::fromUtf8("\u4e2dB") << "AB";
}

void TestMainWindow::typedKeys()
{
    QFETCH(QString, field);
    QFETCH(QString, start);
    QFETCH(QString, typed);
    QFETCH(QString, after);
    MainWindowFixture f;
    MainWindow &w = *f.window;
    QVERIFY(f.show());
    QLineEdit *edit = field == QLatin1String("xEdit")   ? w.controls().xEdit
                      : field == QLatin1String("yEdit") ? w.controls().yEdit
                                                        : w.controls().captionEdit;
    edit->setText(start);
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    edit->end(false);
    for (QChar ch : typed) {
        const Qt::Key code = ch.unicode() < 128 ? Qt::Key(ch.toUpper().unicode()) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, edit, code, QString(ch), Qt::NoModifier);
    }
    QCOMPARE(edit->text(), after);
    // Backspace is typed normally, Enter never is.
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), after.left(after.size() - 1));
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(edit->text(), after.left(after.size() - 1));
}

void TestMainWindow::colorIndexFromProgramIsSilent()
{
    MainWindowFixture f;
    MainWindow &w = *f.window;
    QSignalSpy user(w.controls().colorBox, &ColorBox::userChanged);
    w.setColorIndex(4);
    QCOMPARE(w.colorIndex(), 4);
    QCOMPARE(user.count(), 0);
    QVERIFY(f.show());
    w.controls().colorBox->setFocus();
    QTRY_VERIFY(w.controls().colorBox->hasFocus());
    QTest::keyClick(w.controls().colorBox, Qt::Key_Down);
    QCOMPARE(w.colorIndex(), 5);
    QCOMPARE(user.count(), 1);
}

void TestMainWindow::toolGroupHasOneDown()
{
    MainWindowFixture f;
    MainWindow &w = *f.window;
    w.setToolDown(Ctl::PointTool);
    QVERIFY(w.controls().pointTool->isChecked());
    QVERIFY(!w.controls().cursorTool->isChecked());
    w.setToolDown(Ctl::RectangleTool);
    QVERIFY(w.controls().rectangleTool->isChecked());
    QVERIFY(!w.controls().pointTool->isChecked());
    // A click on the button that is down keeps it down.
    QVERIFY(f.show());
    QTest::mouseClick(w.controls().rectangleTool, Qt::LeftButton);
    QVERIFY(w.controls().rectangleTool->isChecked());
    QTest::mouseClick(w.controls().cursorTool, Qt::LeftButton);
    QVERIFY(w.controls().cursorTool->isChecked() && !w.controls().rectangleTool->isChecked());
}

void TestMainWindow::tabGoesOverTheTools()
{
    MainWindowFixture f;
    MainWindow &w = *f.window;
    QVERIFY(f.show());
    w.setToolDown(Ctl::PointTool);
    w.setEnabled(Ctl::LineTool, true);
    const MainWindowControls &c = w.controls();
    const QList<QWidget *> expected{c.cursorTool, c.rectangleTool, c.pointTool, c.lineTool, c.colorBox};
    c.menuButton->setFocus(Qt::TabFocusReason);
    QList<QWidget *> visited;
    while (visited.size() < expected.size()) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget();
    }
    QCOMPARE(visited, expected);
}

void TestMainWindow::guardShowsErrorsAndSwallowsAborts()
{
    MainWindowFixture f;
    bool rest = false;
    QVERIFY(!f.window->guard([&] {
        throw ConvertError(QStringLiteral("'x' is not a valid integer value"));
        rest = true;
    }));
    QCOMPARE(f.modal.errors, QStringList{QStringLiteral("'x' is not a valid integer value")});
    QVERIFY(!f.window->guard([] { throw SilentAbort(); }));
    QCOMPARE(f.modal.errors.size(), 1);
    QVERIFY(f.window->guard([&] { rest = true; }));
    QVERIFY(rest);
}

void TestMainWindow::failureInAClickShowsTheErrorBox()
{
    // A rectangle whose x cell is not a number: the redraw of a tool click fails, the error box
    // shows the conversion message and the window goes on.
    MainWindowFixture f;
    MainWindow &w = *f.window;
    f.editor().doc().appendRow(f.editor().doc().rectangles(),
                               {QStringLiteral("R1"), QStringLiteral("abc"), QStringLiteral("20"),
                                QStringLiteral("R1"), QStringLiteral("$0099FFFF")});
    QVERIFY(f.show());
    QTest::mouseClick(w.controls().rectangleTool, Qt::LeftButton);
    QCOMPARE(f.modal.errors, QStringList{notAnIntegerMessage(QStringLiteral("abc"))});
    QVERIFY(w.QWidget::isVisible());
    f.editor().doc().setCell(f.editor().doc().rectangles(), 1, 1, QStringLiteral("40"));
    QTest::mouseClick(w.controls().cursorTool, Qt::LeftButton);
    QCOMPARE(f.modal.errors.size(), 1);
}

void TestMainWindow::menuItemFollowsActionButKeepsOwnState()
{
    MainWindowFixture f;
    MainWindow &w = *f.window;
    w.setEnabled(Ctl::ReverseLineAction, true);
    QVERIFY(w.commands().item(Command::ReverseLine)->isEnabled());
    w.setEnabled(Ctl::ReverseLineItem, false);
    QVERIFY(!w.isEnabled(Ctl::ReverseLineItem));
    QVERIFY(w.isEnabled(Ctl::ReverseLineAction));
    w.setEnabled(Ctl::ReverseLineAction, false);
    w.setEnabled(Ctl::ReverseLineAction, true);
    QVERIFY(w.commands().item(Command::ReverseLine)->isEnabled());

    w.setChecked(Ctl::LockAction, true);
    QVERIFY(w.commands().item(Command::Lock)->isChecked());
    QVERIFY(w.commands().item(Command::Lock)->text().startsWith(QStringLiteral("Lock")));
    // Choosing a checkable item does not change the check mark by itself.
    w.commands().item(Command::Navigator)->trigger();
    QVERIFY(w.commands().item(Command::Navigator)->isChecked() == w.isChecked(Ctl::NavigatorAction));
}

void TestMainWindow::doubleClickReachesTheSheet()
{
    // The double click on the sheet reaches the overlay's handlers in the platform's order;
    // the window routes them (the probe replaces the handlers on the same widget).
    MainWindowFixture f;
    MainWindow &w = *f.window;
    QVERIFY(f.show());
    QStringList log;
    w.controls().sheetView->onDblClick = [&] { log << QStringLiteral("dbl"); };
    w.controls().sheetView->onMouseDown = [&](MouseButton, ShiftState s, int x, int y) {
        log << QStringLiteral("down%1 %2,%3").arg((s & ssDouble) ? "+dbl" : "").arg(x).arg(y);
    };
    w.controls().sheetView->onMouseUp = [&](MouseButton, ShiftState, int, int) {
        log << QStringLiteral("up");
    };
    f.doubleClick(QPoint(100, 60));
    QCOMPARE(log, (QStringList{"down 100,60", "up", "dbl", "down+dbl 100,60", "up"}));
}

QTEST_MAIN(TestMainWindow)
#include "tst_window_main.moc"
