#define QTEST_QPA_MOUSE_HANDLING
#include "app/ColorBox.h"
#include "app/Form1Fixture.h"
#include "app/Panels.h"
#include "model/TableOps.h"
#include "toolkit/Errors.h"
#include "toolkit/IntText.h"

#include <QAction>
#include <QButtonGroup>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QToolButton>

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void startupState();
    void startupLayout();
    void toolbarHints();
    void menuItems();
    void resizeStretchesToolbarAndMovesCorners();
    void minimumSize();
    void aboutText();
    void aboutKeepsStartupTitle();
    void captionSetsApplicationTitle();
    void menuLatch();
    void menuCommandRunsAfterPopupReturns();
    void shortcutRule_data();
    void shortcutRule();
    void escQuitsFromAField();
    void pasteFilters_data();
    void pasteFilters();
    void captionLimit();
    void typedKeys_data();
    void typedKeys();
    void colorIndexFromProgramIsSilent();
    void toolGroupHasOneDown();
    void guardShowsErrorsAndSwallowsAborts();
    void failureInAClickShowsTheErrorBox();
    void menuItemFollowsActionButKeepsOwnState();
    void doubleClickReachesTheSheet();
};

void TestMainWindow::startupState()
{
    Form1Fixture f;
    TForm1 &w = *f.form;
    QCOMPARE(w.windowTitle(), QStringLiteral("Gravelink"));
    QCOMPARE(f.editor().AppTitle, QStringLiteral("Gravelink"));
    QVERIFY(w.sbCursor->isChecked());
    for (QToolButton *b : {w.sbH, w.sbP, w.sbE})
        QVERIFY(!b->isChecked());
    for (Ctl c : {Ctl::sbE, Ctl::sbArrowChange, Ctl::deleteElem1, Ctl::Action_delete, Ctl::Action_ChangeLine,
                  Ctl::ChangeLine1, Ctl::ActionSelectAll})
        QVERIFY2(!w.isEnabled(c), qPrintable(QString::number(int(c))));
    for (Ctl c : {Ctl::sbCursor, Ctl::sbH, Ctl::sbP, Ctl::ColorBox1, Ctl::edCaption, Ctl::edXc, Ctl::edYc,
                  Ctl::sbCanvaTop, Ctl::sbCanvaBottom, Ctl::sbCanvaLeft, Ctl::sbCanvaRight})
        QVERIFY(w.isEnabled(c));
    QCOMPARE(w.text(Ctl::edCaption), QStringLiteral("Name"));
    QCOMPARE(w.text(Ctl::edXc), QStringLiteral("0"));
    QCOMPARE(w.text(Ctl::edYc), QStringLiteral("0"));
    QCOMPARE(w.colorIndex(), 0);
    QVERIFY(w.isChecked(Ctl::Action_view_navigator));
    QVERIFY(w.Viewnavigator1->isChecked());
    QVERIFY(!w.isChecked(Ctl::Action_Lock));
    QVERIFY(!w.Lock1->isChecked());
    QVERIFY(w.isVisible(Ctl::PanelView));
    QVERIFY(w.isVisible(Ctl::Panel_btn_vert));
    QCOMPARE(f.editor().sheet.width(), 842);
    QCOMPARE(f.editor().sheet.height(), 595);
    QCOMPARE(w.PaintBox1->geometry(), QRect(0, 0, 842, 595));
    QCOMPARE(f.editor().overlayImage.size(), QSize(842, 595));
    // The sheet's grey frame: columns 1 and 840, rows 1 and 593.
    const QImage &sheet = f.editor().sheet.image();
    QCOMPARE(sheet.pixel(1, 300), qRgb(128, 128, 128));
    QCOMPARE(sheet.pixel(840, 300), qRgb(128, 128, 128));
    QCOMPARE(sheet.pixel(400, 1), qRgb(128, 128, 128));
    QCOMPARE(sheet.pixel(400, 593), qRgb(128, 128, 128));
    QCOMPARE(f.editor().PanAnchorX + f.editor().PanAnchorY + f.editor().PanStepX + f.editor().PanStepY, 0);
    QVERIFY(!f.editor().Modified);
    QVERIFY(w.NewFileDlg && w.NewFileDlg->isHidden());
    // The shortcuts given at creation.
    QCOMPARE(w.Quit->shortcut(), QKeySequence(Qt::Key_Escape));
    QCOMPARE(w.ActMoveLeft->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Left));
    QCOMPARE(w.ActMoveSheetDown->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_Down));
}

void TestMainWindow::startupLayout()
{
    Form1Fixture f;
    TForm1 &w = *f.form;
    QCOMPARE(w.size(), QSize(700, 540));
    QCOMPARE(w.Panel3->height(), 29);
    const QSize area = w.drawingAreaClientSize();
    QCOMPARE(area, QSize(698, 509));
    QCOMPARE(w.PanelSheet->size(), QSize(35, 25));
    QCOMPARE(w.PanelView->geometry(), QRect(2, area.height() - 25 - 2, 35, 25));
    QCOMPARE(w.shVisible->geometry(), QRect(0, 0, 29, 21));
    QCOMPARE(w.Shape1->geometry(), QRect(0, 0, 35, 25));
    QCOMPARE(w.Panel_btn_horiz->pos(), QPoint(area.width() - 31 - 2, 2));
    QCOMPARE(w.Panel_btn_vert->pos(), QPoint(area.width() - 25 - 2, area.height() - 31 - 2));
    QCOMPARE(w.sbMenu->geometry(), QRect(2, 2, 22, 22));
    QCOMPARE(w.ColorBox1->geometry(), QRect(138, 2, 39, 22));
    QCOMPARE(w.sbCanvaTop->geometry(), QRect(2, 2, 21, 13));
    QCOMPARE(w.sbCanvaRight->geometry(), QRect(16, 2, 13, 20));
    // The small panels lie above the sheet.
    const QObjectList kids = w.Panel2->children();
    QVERIFY(kids.indexOf(w.PaintBox1) < kids.indexOf(w.PanelView));
    QVERIFY(kids.indexOf(w.PaintBox1) < kids.indexOf(w.Panel_btn_vert));
}

void TestMainWindow::toolbarHints()
{
    Form1Fixture f;
    TForm1 &w = *f.form;
    const std::pair<QWidget *, const char *> hints[] = {
        {w.sbMenu, "Menu"},
        {w.sbCursor, "Cursor"},
        {w.sbH, "Rectangle (Right click)"},
        {w.sbP, "Point (middle mouse button)"},
        {w.sbE, "Line (Double click)"},
        {w.ColorBox1, "Select color rectangle"},
        {w.edCaption, "Text + [ENTER]"},
        {w.sbArrowChange, "Change line"},
        {w.deleteElem1, "Delete element"},
        {w.sbCanvaTop, "Height -"},
        {w.sbCanvaBottom, "Height +"},
        {w.sbCanvaLeft, "Width -"},
        {w.sbCanvaRight, "Width +"},
        {w.Shape1, "Navigator"},
        {w.shVisible, "Navigator"},
    };
    for (const auto &[widget, hint] : hints)
        QCOMPARE(widget->toolTip(), QString::fromLatin1(hint));
    for (QToolButton *b : {w.sbMenu, w.sbCursor, w.sbH, w.sbP, w.sbE, w.sbArrowChange, w.deleteElem1}) {
        QCOMPARE(b->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(b->focusPolicy(), Qt::NoFocus);
    }
    QCOMPARE(w.lbText->text(), QStringLiteral("Text:"));
    QCOMPARE(w.lbXc->text(), QStringLiteral("Xc:"));
    QCOMPARE(w.lbYc->text(), QStringLiteral("Yc:"));
    QVERIFY(!w.shVisible->isEnabled());
}

void TestMainWindow::menuItems()
{
    Form1Fixture f;
    QStringList shown;
    for (QAction *item : f.form->Menu1->actions())
        shown << (item->isSeparator() ? QStringLiteral("-") : item->text());
    // One item a line, as the menu shows them.
    // clang-format off
    const QStringList expected{
        QStringLiteral("New\tCtrl+N"),
        QStringLiteral("Open\tCtrl+O"),
        QStringLiteral("Save\tCtrl+S"),
        QStringLiteral("Save as"),
        QStringLiteral("Copy Image"),
        QStringLiteral("Save as Bitmap"),
        QStringLiteral("Export..."),
        QStringLiteral("-"),
        QStringLiteral("Delete\tCtrl+Del"),
        QStringLiteral("ChangeLine\tCtrl+X"),
        QStringLiteral("Select All\tCtrl+A"),
        QStringLiteral("-"),
        QStringLiteral("View navigator"),
        QStringLiteral("Lock\tCtrl+L"),
        QStringLiteral("Help\tF1"),
        QStringLiteral("Quit\tEsc"),
    };
    // clang-format on
    QCOMPARE(shown, expected);
    for (QAction *withPicture :
         {f.form->New1, f.form->Open1, f.form->Save2, f.form->Saveas2, f.form->CopyImage1,
          f.form->SaveasBitmap1, f.form->Delete1, f.form->ChangeLine1})
        QVERIFY(!withPicture->icon().isNull());
    QVERIFY(f.form->SelectAll1->icon().isNull());
}

void TestMainWindow::resizeStretchesToolbarAndMovesCorners()
{
    Form1Fixture f;
    TForm1 &w = *f.form;
    QVERIFY(f.show());
    w.resize(1000, 800);
    QTRY_COMPARE(w.drawingAreaClientSize(), QSize(998, 769));
    const int dx = 998 - 688;
    QCOMPARE(w.edCaption->geometry(), QRect(207, 3, 316 + dx, 21));
    QCOMPARE(w.edXc->geometry(), QRect(548 + dx, 3, 29, 21));
    QCOMPARE(w.deleteElem1->geometry(), QRect(665 + dx, 2, 22, 22));
    // FormResize re-sizes the navigator: the whole sheet is visible now.
    QCOMPARE(w.shVisible->size(), QSize(35, 25));
    QCOMPARE(w.PanelView->pos(), QPoint(2, 769 - 25 - 2));
    QCOMPARE(w.Panel_btn_vert->pos(), QPoint(998 - 25 - 2, 769 - 31 - 2));
}

void TestMainWindow::minimumSize()
{
    Form1Fixture f;
    QCOMPARE(f.form->minimumSize(), QSize(700, 540));
    f.form->resize(500, 400);
    QCOMPARE(f.form->size(), QSize(700, 540));
}

void TestMainWindow::aboutText()
{
    Form1Fixture f;
    f.editor().MenuPopped = true;
    f.form->Action_about->trigger();
    const QString expected = QStringLiteral(
        "Gravelink - version 1.1\r\n\r\nProgram for schematic notes.\r\n\r\n\r\n"
        "Rectangle - Right click\r\nPoint - Middle mouse button\r\nLine - Double click on a object\r\n\r\n"
        "Move a object - [Ctrl]+ keypress[left,top,right,down]\r\n"
        "Move a sheet - [Shift]+ keypress[left,top,right,down]\r\n"
        "Multi select - [Shift]+ left click\r\n"
        "Multi move - pressed[Shift] + drag&drop with left mouse button");
    QCOMPARE(f.modal.infos, QStringList{expected});
    QVERIFY(!f.editor().MenuPopped);
}

void TestMainWindow::aboutKeepsStartupTitle()
{
    Form1Fixture f;
    f.form->setWindowCaption(QStringLiteral("[plan]-Gravelink"));
    f.form->Action_about->trigger();
    QVERIFY(f.modal.infos.value(0).startsWith(QStringLiteral("Gravelink - version 1.1\r\n")));
}

void TestMainWindow::captionSetsApplicationTitle()
{
    Form1Fixture f;
    f.form->setWindowCaption(QStringLiteral("[plan]-Gravelink"));
    QCOMPARE(f.form->windowTitle(), QStringLiteral("[plan]-Gravelink"));
    QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("[plan]-Gravelink"));
}

void TestMainWindow::menuLatch()
{
    Form1Fixture f;
    TForm1 &w = *f.form;
    QVERIFY(f.show());
    QTest::mouseClick(w.sbMenu, Qt::LeftButton);
    QCOMPARE(f.modal.menuPopups, 1);
    QCOMPARE(f.modal.lastMenuPos, w.mapToGlobal(QPoint(0, 27)));
    QVERIFY(f.editor().MenuPopped);
    // The click that closes the open menu leaves it closed.
    QTest::mouseClick(w.sbMenu, Qt::LeftButton);
    QCOMPARE(f.modal.menuPopups, 1);
    QVERIFY(!f.editor().MenuPopped);
    QTest::mouseClick(w.sbMenu, Qt::LeftButton);
    QCOMPARE(f.modal.menuPopups, 2);
    // A move over a label of the toolbar does not re-arm the button; over the toolbar's own
    // surface it does.
    QTest::mouseMove(w.Panel3, w.lbText->geometry().center());
    QVERIFY(f.editor().MenuPopped);
    QTest::mouseMove(w.Panel3, QPoint(131, 14));
    QVERIFY(!f.editor().MenuPopped);
    QTest::mouseClick(w.sbMenu, Qt::LeftButton);
    QCOMPARE(f.modal.menuPopups, 3);
}

void TestMainWindow::menuCommandRunsAfterPopupReturns()
{
    Form1Fixture f;
    TForm1 &w = *f.form;
    QVERIFY(f.show());
    f.modal.onMenu = [&w](QMenu *) { w.About1->trigger(); };
    w.sbMenuClick();
    QVERIFY(f.modal.infos.isEmpty());
    QVERIFY(f.editor().MenuPopped);
    QTRY_COMPARE(f.modal.infos.size(), 1);
    // About clears the latch after the menu call set it.
    QVERIFY(!f.editor().MenuPopped);
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
        << "edCaption"
        << "Action_ChangeLine" << false << int(Qt::Key_X) << ctrl << ""
        << "";
    QTest::newRow("Ctrl+X, ChangeLine enabled: runs it")
        << "edCaption"
        << "Action_ChangeLine" << true << int(Qt::Key_X) << ctrl << "Name"
        << "Name";
    QTest::newRow("Ctrl+A, Select All disabled: selects the text")
        << "edCaption"
        << "ActionSelectAll" << false << int(Qt::Key_A) << ctrl << "Name"
        << "Name";
    QTest::newRow("Ctrl+A, Select All enabled: runs it")
        << "edCaption"
        << "ActionSelectAll" << true << int(Qt::Key_A) << ctrl << "Name"
        << "";
    QTest::newRow("Ctrl+Left moves the element, not the cursor")
        << "edCaption"
        << "ActMoveLeft" << true << int(Qt::Key_Left) << ctrl << "Name"
        << "";
    QTest::newRow("Shift+Left pans, selects nothing")
        << "edXc"
        << "ActMoveSheetLeft" << true << int(Qt::Key_Left) << shift << "Name"
        << "";
    QTest::newRow("Ctrl+Delete, Delete disabled: edits")
        << "edCaption"
        << "Action_delete" << false << int(Qt::Key_Delete) << ctrl << "Na"
        << "";
    QTest::newRow("Ctrl+Delete, Delete enabled: runs it")
        << "edYc"
        << "Action_delete" << true << int(Qt::Key_Delete) << ctrl << "Name"
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

    Form1Fixture f;
    TForm1 &w = *f.form;
    QVERIFY(f.show());
    auto *edit = w.findChild<QLineEdit *>(QString(), Qt::FindChildrenRecursively);
    for (QLineEdit *e : {w.edCaption, w.edXc, w.edYc})
        if ((field == QLatin1String("edCaption") && e == w.edCaption) ||
            (field == QLatin1String("edXc") && e == w.edXc) ||
            (field == QLatin1String("edYc") && e == w.edYc))
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
    Form1Fixture f;
    TForm1 &w = *f.form;
    QVERIFY(f.show());
    QSignalSpy quit(w.Quit, &QAction::triggered);
    w.edXc->setFocus();
    QTRY_VERIFY(w.edXc->hasFocus());
    QTest::keyClick(w.edXc, Qt::Key_Escape);
    QCOMPARE(quit.count(), 1);
    // An unmodified scheme closes without a question.
    QTRY_VERIFY(!w.QWidget::isVisible());
    QVERIFY(f.modal.questions.isEmpty());
}

void TestMainWindow::pasteFilters_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("clip");
    QTest::addColumn<QString>("after");

    QTest::newRow("digits into Xc") << "edXc"
                                    << "125"
                                    << "125";
    QTest::newRow("letters into Xc are refused") << "edXc"
                                                 << "12a"
                                                 << "";
    QTest::newRow("minus inside a number is refused") << "edYc"
                                                      << "1-2"
                                                      << "";
    QTest::newRow("Cyrillic into the caption")
        << "edCaption" << QString::fromUtf8("Насос 1") << QString::fromUtf8("Насос 1");
    QTest::newRow("what cp1251 cannot hold is dropped")
        << "edCaption" << QString::fromUtf8("A\u4e2dB\u00e9C") << "ABC";
}

void TestMainWindow::pasteFilters()
{
    QFETCH(QString, field);
    QFETCH(QString, clip);
    QFETCH(QString, after);
    Form1Fixture f;
    TForm1 &w = *f.form;
    QVERIFY(f.show());
    QLineEdit *edit = field == QLatin1String("edXc")   ? w.edXc
                      : field == QLatin1String("edYc") ? w.edYc
                                                       : w.edCaption;
    edit->clear();
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    QGuiApplication::clipboard()->setText(clip);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit->text(), after);
}

void TestMainWindow::captionLimit()
{
    Form1Fixture f;
    TForm1 &w = *f.form;
    QVERIFY(f.show());
    QCOMPARE(w.edCaption->maxLength(), 128);
    w.edCaption->clear();
    w.edCaption->setFocus();
    QTRY_VERIFY(w.edCaption->hasFocus());
    QGuiApplication::clipboard()->setText(QString(200, QLatin1Char('x')));
    QTest::keyClick(w.edCaption, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(w.edCaption->text().size(), 128);
    QTest::keyClick(w.edCaption, Qt::Key_Y);
    QCOMPARE(w.edCaption->text().size(), 128);
}

void TestMainWindow::typedKeys_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");

    QTest::newRow("Xc takes digits only") << "edXc"
                                          << ""
                                          << "a5-b7 "
                                          << "57";
    QTest::newRow("Yc takes digits only") << "edYc"
                                          << "1"
                                          << "x2"
                                          << "12";
    QTest::newRow("caption takes letters") << "edCaption"
                                           << ""
                                           << "Pump 2"
                                           << "Pump 2";
    QTest::newRow("caption drops what cp1251 cannot hold") << "edCaption"
                                                           << "A" << QString::fromUtf8("\u4e2dB") << "AB";
}

void TestMainWindow::typedKeys()
{
    QFETCH(QString, field);
    QFETCH(QString, start);
    QFETCH(QString, typed);
    QFETCH(QString, after);
    Form1Fixture f;
    TForm1 &w = *f.form;
    QVERIFY(f.show());
    QLineEdit *edit = field == QLatin1String("edXc")   ? w.edXc
                      : field == QLatin1String("edYc") ? w.edYc
                                                       : w.edCaption;
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
    Form1Fixture f;
    TForm1 &w = *f.form;
    QSignalSpy user(w.ColorBox1, &ColorBox::userChanged);
    w.setColorIndex(4);
    QCOMPARE(w.colorIndex(), 4);
    QCOMPARE(user.count(), 0);
    QVERIFY(f.show());
    w.ColorBox1->setFocus();
    QTRY_VERIFY(w.ColorBox1->hasFocus());
    QTest::keyClick(w.ColorBox1, Qt::Key_Down);
    QCOMPARE(w.colorIndex(), 5);
    QCOMPARE(user.count(), 1);
}

void TestMainWindow::toolGroupHasOneDown()
{
    Form1Fixture f;
    TForm1 &w = *f.form;
    w.setToolDown(Ctl::sbP);
    QVERIFY(w.sbP->isChecked());
    QCOMPARE(w.toolGroup->checkedButton(), w.sbP);
    w.setToolDown(Ctl::sbH);
    QCOMPARE(w.toolGroup->checkedButton(), w.sbH);
    QVERIFY(!w.sbP->isChecked());
    // A click on the button that is down keeps it down.
    QVERIFY(f.show());
    QTest::mouseClick(w.sbH, Qt::LeftButton);
    QCOMPARE(w.toolGroup->checkedButton(), w.sbH);
    QTest::mouseClick(w.sbCursor, Qt::LeftButton);
    QCOMPARE(w.toolGroup->checkedButton(), w.sbCursor);
}

void TestMainWindow::guardShowsErrorsAndSwallowsAborts()
{
    Form1Fixture f;
    bool rest = false;
    QVERIFY(!f.form->guard([&] {
        throw ConvertError(QStringLiteral("'x' is not a valid integer value"));
        rest = true;
    }));
    QCOMPARE(f.modal.errors, QStringList{QStringLiteral("'x' is not a valid integer value")});
    QVERIFY(!f.form->guard([] { throw SilentAbort(); }));
    QCOMPARE(f.modal.errors.size(), 1);
    QVERIFY(f.form->guard([&] { rest = true; }));
    QVERIFY(rest);
}

void TestMainWindow::failureInAClickShowsTheErrorBox()
{
    // A rectangle whose x cell is not a number: the redraw of a tool click fails, the error box
    // shows the conversion message and the window goes on.
    Form1Fixture f;
    TForm1 &w = *f.form;
    appendRow(f.editor().HGrid, {QStringLiteral("R1"), QStringLiteral("abc"), QStringLiteral("20"),
                                 QStringLiteral("R1"), QStringLiteral("$0099FFFF")});
    QVERIFY(f.show());
    QTest::mouseClick(w.sbH, Qt::LeftButton);
    QCOMPARE(f.modal.errors, QStringList{notAnIntegerMessage(QStringLiteral("abc"))});
    QVERIFY(w.QWidget::isVisible());
    f.editor().HGrid.setCell(1, 1, QStringLiteral("40"));
    QTest::mouseClick(w.sbCursor, Qt::LeftButton);
    QCOMPARE(f.modal.errors.size(), 1);
}

void TestMainWindow::menuItemFollowsActionButKeepsOwnState()
{
    Form1Fixture f;
    TForm1 &w = *f.form;
    w.setEnabled(Ctl::Action_ChangeLine, true);
    QVERIFY(w.ChangeLine1->isEnabled());
    w.setEnabled(Ctl::ChangeLine1, false);
    QVERIFY(!w.isEnabled(Ctl::ChangeLine1));
    QVERIFY(w.isEnabled(Ctl::Action_ChangeLine));
    w.setEnabled(Ctl::Action_ChangeLine, false);
    w.setEnabled(Ctl::Action_ChangeLine, true);
    QVERIFY(w.ChangeLine1->isEnabled());

    w.setChecked(Ctl::Action_Lock, true);
    QVERIFY(w.Lock1->isChecked());
    QVERIFY(w.Lock1->text().startsWith(QStringLiteral("Lock")));
    // Choosing a checkable item does not change the check mark by itself.
    w.Viewnavigator1->trigger();
    QVERIFY(w.Viewnavigator1->isChecked() == w.isChecked(Ctl::Action_view_navigator));
}

void TestMainWindow::doubleClickReachesTheSheet()
{
    // The double click on the sheet reaches the overlay's handlers in the platform's order;
    // the window routes them (the probe replaces the handlers on the same widget).
    Form1Fixture f;
    TForm1 &w = *f.form;
    QVERIFY(f.show());
    QStringList log;
    w.PaintBox1->onDblClick = [&] { log << QStringLiteral("dbl"); };
    w.PaintBox1->onMouseDown = [&](MouseButton, ShiftState s, int x, int y) {
        log << QStringLiteral("down%1 %2,%3").arg((s & ssDouble) ? "+dbl" : "").arg(x).arg(y);
    };
    w.PaintBox1->onMouseUp = [&](MouseButton, ShiftState, int, int) { log << QStringLiteral("up"); };
    f.doubleClick(QPoint(100, 60));
    QCOMPARE(log, (QStringList{"down 100,60", "up", "dbl", "down+dbl 100,60", "up"}));
}

QTEST_MAIN(TestMainWindow)
#include "tst_window_main.moc"
