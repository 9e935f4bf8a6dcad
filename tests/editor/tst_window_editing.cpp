#define QTEST_QPA_MOUSE_HANDLING
#include "support/EditorTestAccess.h"
#include "support/MainWindowFixture.h"

#include "app/ColorBox.h"
#include "app/Panels.h"
#include "dialogs/NewSheetDialog.h"
#include "model/TableOps.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMimeData>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

// The editing commands as a user drives them on the real main window.
class TestWindowEditing : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> fx;
    MainWindow *window = nullptr;

    Editor &ed() { return window->editor(); }
    QString cell(const QString &name, int col)
    {
        return ed().doc().tables().tableForName(name).Cells(col, GetRowObjByName(ed().doc().tables(), name));
    }
    QPoint centre(const QString &name) { return {cell(name, ColX).toInt(), cell(name, ColY).toInt()}; }
    void addRect(const QString &name, int x, int y, const QString &caption)
    {
        ed().doc().appendRow(ed().doc().rectangles(),
                             {name, QString::number(x), QString::number(y), caption, "$0099FFFF"});
        ed().UpdateImageModel();
    }
    void addPoint(const QString &name, int x, int y)
    {
        ed().doc().appendRow(ed().doc().points(),
                             {name, QString::number(x), QString::number(y), "pt", "$0099FFFF"});
        ed().UpdateImageModel();
    }
    void clickSheet(int x, int y, Qt::KeyboardModifiers keys = {})
    {
        fx->click(QPoint(x, y), Qt::LeftButton, keys);
    }
    // Replaces the text of an edit the way a user does: End, Backspaces, then typing.
    void retype(QLineEdit *edit, const QString &text)
    {
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_End);
        while (!edit->text().isEmpty())
            QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }
    void ctrl(Qt::Key key) { fx->key(key, Qt::ControlModifier); }

private slots:
    void init()
    {
        fx = std::make_unique<MainWindowFixture>();
        window = fx->window.get();
        QVERIFY(fx->show());
    }
    void cleanup()
    {
        ed().doc().markSaved();
        fx.reset();
        window = nullptr;
    }

    void typeCoordinateAndEnter()
    {
        addRect("R1", 400, 300, "Other");
        addRect("R2", 120, 80, "Pump");
        clickSheet(120, 80);
        QCOMPARE(window->controls().captionEdit->text(), QStringLiteral("Pump"));
        QCOMPARE(window->controls().xEdit->text(), QStringLiteral("120"));
        retype(window->controls().xEdit, "2x-0a0");
        QCOMPARE(window->controls().xEdit->text(), QStringLiteral("200")); // letters and minus are not typed
        QTest::keyClick(window->controls().xEdit, Qt::Key_Return);
        QCOMPARE(centre("R2"), QPoint(200, 80));
        QCOMPARE(cell("R2", ColCaption), QStringLiteral("Pump"));
        QCOMPARE(ed().selection().foundName, QStringLiteral("R2"));
        QCOMPARE(window->controls().xEdit->text(), QStringLiteral("200"));

        // An emptied box applies no position.
        retype(window->controls().yEdit, QString());
        QTest::keyClick(window->controls().yEdit, Qt::Key_Return);
        QCOMPARE(centre("R2"), QPoint(200, 80));
        QVERIFY(fx->modal.errors.isEmpty());
    }

    void captionEnter()
    {
        addPoint("P1", 300, 200);
        clickSheet(300, 200);
        QVERIFY(window->controls().captionEdit->hasFocus()); // a release gives the caption box the focus
        QTest::keyClicks(window->controls().captionEdit, "Valve");
        QTest::keyClick(window->controls().captionEdit, Qt::Key_Return);
        QCOMPARE(cell("P1", ColCaption), QStringLiteral("Valve"));
        QVERIFY(ed().doc().modified());

        // Undo takes back typing not yet applied first, then the scheme's steps.
        QLineEdit *edit = window->controls().captionEdit;
        QTest::keyClicks(edit, " 2");
        ctrl(Qt::Key_Z);
        QCOMPARE(edit->text(), QStringLiteral("Valve"));
        ctrl(Qt::Key_Y);
        QCOMPARE(edit->text(), QStringLiteral("Valve 2"));
        QCOMPARE(cell("P1", ColCaption), QStringLiteral("Valve"));
        while (edit->isUndoAvailable())
            ctrl(Qt::Key_Z);
        ctrl(Qt::Key_Z);
        QCOMPARE(cell("P1", ColCaption), QStringLiteral("pt"));

        // Ctrl+C copies the element after a click (the caption's text was selected for the
        // user, not by them), the caption's text once the user selects some; Ctrl+V pastes
        // elements while the clipboard holds a scheme.
        clickSheet(300, 200);
        ctrl(Qt::Key_C);
        QVERIFY(QGuiApplication::clipboard()->mimeData()->hasFormat("application/x-gravelink-scheme"));
        QTest::keyClick(edit, Qt::Key_End);
        QTest::keyClick(edit, Qt::Key_Home, Qt::ShiftModifier);
        ctrl(Qt::Key_C);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("pt"));
        ctrl(Qt::Key_V);
        QCOMPARE(ed().doc().points().RowCount(), 3); // text pastes into the box
        clickSheet(300, 200);
        ctrl(Qt::Key_C);
        ctrl(Qt::Key_V);
        QCOMPARE(ed().doc().points().RowCount(), 4);
    }

    void keyboardMoves()
    {
        addPoint("P1", 300, 200);
        clickSheet(300, 200);
        ctrl(Qt::Key_Right);
        ctrl(Qt::Key_Right);
        ctrl(Qt::Key_Up);
        QCOMPARE(centre("P1"), QPoint(302, 199));
        QCOMPARE(window->controls().xEdit->text(), QStringLiteral("302"));

        retype(window->controls().xEdit, QString());
        ctrl(Qt::Key_Left);
        QCOMPARE(fx->modal.errors, QStringList{"'' is not a valid integer value"});
        QCOMPARE(centre("P1"), QPoint(302, 199));
    }

    void colourChoiceByKeyboard()
    {
        addPoint("P1", 300, 200);
        clickSheet(300, 200);
        window->controls().colorBox->setFocus();
        QTest::keyClick(window->controls().colorBox, Qt::Key_Down);
        QCOMPARE(window->controls().colorBox->currentIndex(), 1);
        QCOMPARE(cell("P1", ColColor), QStringLiteral("$00CCFFCC"));
    }

    void deleteAndReverse()
    {
        addRect("R1", 100, 100, "Box");
        addPoint("P1", 400, 300);
        ed().doc().appendRow(ed().doc().lines(), {"R1-P1", "", "", "flow"});
        ed().UpdateImageModel();
        // Select the line through its arrow head at the stored midpoint.
        const QPoint mid = centre("R1-P1");
        ed().Find_and_Select(mid.x(), mid.y());
        QCOMPARE(ed().selection().kind, ElementKind::Line);
        QVERIFY(window->controls().reverseLineButton->isEnabled());
        QTest::mouseClick(window->controls().reverseLineButton, Qt::LeftButton);
        QCOMPARE(ed().doc().lines().Cells(ColName, 1), QStringLiteral("P1-R1"));
        window->commands().action(Command::ReverseLine)->trigger();
        QCOMPARE(ed().doc().lines().Cells(ColName, 1), QStringLiteral("R1-P1"));

        clickSheet(100, 100);
        QCOMPARE(ed().selection().foundName, QStringLiteral("R1"));
        QTest::mouseClick(window->controls().deleteButton, Qt::LeftButton);
        QCOMPARE(ed().doc().rectangles().RowCount(), 2);
        QCOMPARE(ed().doc().lines().RowCount(), 2);
        QVERIFY(!window->controls().deleteButton->isEnabled());

        // Select All on the one remaining element enables Delete, which deletes it.
        ctrl(Qt::Key_A);
        QVERIFY(window->controls().deleteButton->isEnabled());
        fx->key(Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(ed().doc().points().RowCount(), 2);
    }

    void lockAndUnlock()
    {
        addRect("R1", 100, 100, "Box");
        addPoint("P1", 400, 300);
        clickSheet(100, 100);
        ctrl(Qt::Key_L);
        QVERIFY(window->commands().item(Command::Lock)->isChecked());
        for (QWidget *w : std::initializer_list<QWidget *>{
                 window->controls().cursorTool, window->controls().rectangleTool,
                 window->controls().pointTool, window->controls().lineTool, window->controls().colorBox,
                 window->controls().captionEdit, window->controls().xEdit, window->controls().yEdit,
                 window->controls().deleteButton, window->controls().reverseLineButton})
            QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
        QVERIFY(!window->controls().heightButtons->isVisible());
        QVERIFY(!window->controls().widthButtons->isVisible());
        QVERIFY(!window->commands().action(Command::SelectAll)->isEnabled());

        // A keyboard move does nothing while locked.
        EditorTestAccess::selection(ed()).kind = ElementKind::Rectangle;
        ctrl(Qt::Key_Right);
        QCOMPARE(centre("R1"), QPoint(100, 100));

        ctrl(Qt::Key_L);
        QVERIFY(!window->commands().item(Command::Lock)->isChecked());
        QVERIFY(window->controls().captionEdit->isEnabled());
        QVERIFY(window->controls().lineTool->isEnabled());
        QVERIFY(!window->controls().deleteButton->isEnabled());
        QVERIFY(!window->controls().reverseLineButton->isEnabled());
        QVERIFY(window->controls().heightButtons->isVisible());
    }

    void sheetSizeButtons()
    {
        addRect("R1", 100, 100, "Box");
        QTest::mouseClick(window->controls().widthPlus, Qt::LeftButton);
        QCOMPARE(ed().doc().sheet().width(), 892);
        QCOMPARE(window->controls().sheetView->size(), QSize(892, 595));
        QTest::mouseClick(window->controls().heightMinus, Qt::LeftButton);
        QCOMPARE(ed().doc().sheet().height(), 545);
        QCOMPARE(centre("R1"), QPoint(100, 100));
        QVERIFY(ed().doc().modified());
    }
    void newSheetThroughTheDialog()
    {
        addRect("R1", 100, 100, "Box");
        ed().doc().markSaved();
        QSize shown;
        fx->modal.onNewSheet = [&shown](NewSheetDialog *dlg, int &width, int &height) {
            if (!dlg)
                return false;
            QTimer::singleShot(0, dlg, [dlg, &shown] {
                shown = {dlg->sheetWidth(), dlg->sheetHeight()};
                QTest::keyClick(dlg->formatList, Qt::Key_Down); // A5, landscape
                QTest::mouseClick(dlg->portraitButton, Qt::LeftButton);
                QTest::keyClick(dlg->widthField, Qt::Key_Return);
            });
            return dlg->execFor(width, height);
        };
        ctrl(Qt::Key_N);
        QCOMPARE(fx->modal.newSheetCalls, 1);
        QCOMPARE(shown, QSize(842, 595));
        QCOMPARE(QSize(ed().doc().sheet().width(), ed().doc().sheet().height()), QSize(421, 595));
        QCOMPARE(ed().doc().rectangles().RowCount(), 2);
    }
};

QTEST_MAIN(TestWindowEditing)
#include "tst_window_editing.moc"
