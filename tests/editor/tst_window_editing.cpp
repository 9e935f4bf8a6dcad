#define QTEST_QPA_MOUSE_HANDLING
#include "app/Form1Fixture.h"

#include "app/ColorBox.h"
#include "app/Panels.h"
#include "dialogs/Unit_new.h"
#include "model/TableOps.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

// The editing commands as a user drives them on the real main window.
class TestWindowEditing : public QObject {
    Q_OBJECT

    std::unique_ptr<Form1Fixture> fx;
    TForm1 *form = nullptr;

    Editor &ed() { return form->editor(); }
    QString cell(const QString &name, int col)
    {
        return ed().tables.tableForName(name).Cells(col, GetRowObjByName(ed().tables, name));
    }
    QPoint centre(const QString &name) { return {cell(name, ColX).toInt(), cell(name, ColY).toInt()}; }
    void addRect(const QString &name, int x, int y, const QString &caption)
    {
        appendRow(ed().HGrid, {name, QString::number(x), QString::number(y), caption, "$0099FFFF"});
        ed().UpdateImageModel();
    }
    void addPoint(const QString &name, int x, int y)
    {
        appendRow(ed().PGrid, {name, QString::number(x), QString::number(y), "pt", "$0099FFFF"});
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
        fx = std::make_unique<Form1Fixture>();
        form = fx->form.get();
        QVERIFY(fx->show());
    }
    void cleanup()
    {
        ed().Modified = false;
        fx.reset();
        form = nullptr;
    }

    void typeCoordinateAndEnter()
    {
        addRect("R1", 400, 300, "Other");
        addRect("R2", 120, 80, "Pump");
        clickSheet(120, 80);
        QCOMPARE(form->edCaption->text(), QStringLiteral("Pump"));
        QCOMPARE(form->edXc->text(), QStringLiteral("120"));
        retype(form->edXc, "2x-0a0");
        QCOMPARE(form->edXc->text(), QStringLiteral("200")); // letters and minus are not typed
        QTest::keyClick(form->edXc, Qt::Key_Return);
        QCOMPARE(centre("R2"), QPoint(200, 80));
        QCOMPARE(cell("R2", ColCaption), QStringLiteral("Pump"));
        QCOMPARE(ed().FoundName, QStringLiteral("R2"));
        QCOMPARE(form->edXc->text(), QStringLiteral("200"));

        // An emptied box applies no position.
        retype(form->edYc, QString());
        QTest::keyClick(form->edYc, Qt::Key_Return);
        QCOMPARE(centre("R2"), QPoint(200, 80));
        QVERIFY(fx->modal.errors.isEmpty());
    }

    void captionEnter()
    {
        addPoint("P1", 300, 200);
        clickSheet(300, 200);
        QVERIFY(form->edCaption->hasFocus()); // a release gives the caption box the focus
        QTest::keyClicks(form->edCaption, "Valve");
        QTest::keyClick(form->edCaption, Qt::Key_Return);
        QCOMPARE(cell("P1", ColCaption), QStringLiteral("Valve"));
        QVERIFY(ed().Modified);
    }

    void keyboardMoves()
    {
        addPoint("P1", 300, 200);
        clickSheet(300, 200);
        ctrl(Qt::Key_Right);
        ctrl(Qt::Key_Right);
        ctrl(Qt::Key_Up);
        QCOMPARE(centre("P1"), QPoint(302, 199));
        QCOMPARE(form->edXc->text(), QStringLiteral("302"));

        retype(form->edXc, QString());
        ctrl(Qt::Key_Left);
        QCOMPARE(fx->modal.errors, QStringList{"'' is not a valid integer value"});
        QCOMPARE(centre("P1"), QPoint(302, 199));
    }

    void colourChoiceByKeyboard()
    {
        addPoint("P1", 300, 200);
        clickSheet(300, 200);
        form->ColorBox1->setFocus();
        QTest::keyClick(form->ColorBox1, Qt::Key_Down);
        QCOMPARE(form->ColorBox1->currentIndex(), 1);
        QCOMPARE(cell("P1", ColColor), QStringLiteral("$00CCFFCC"));
    }

    void deleteAndReverse()
    {
        addRect("R1", 100, 100, "Box");
        addPoint("P1", 400, 300);
        appendRow(ed().EGrid, {"R1-P1", "", "", "flow"});
        ed().UpdateImageModel();
        // Select the line through its arrow head at the stored midpoint.
        const QPoint mid = centre("R1-P1");
        ed().Find_and_Select(mid.x(), mid.y());
        QCOMPARE(ed().SelectedKind, 3);
        QVERIFY(form->sbArrowChange->isEnabled());
        QTest::mouseClick(form->sbArrowChange, Qt::LeftButton);
        QCOMPARE(ed().EGrid.Cells(ColName, 1), QStringLiteral("P1-R1"));
        form->Action_ChangeLine->trigger();
        QCOMPARE(ed().EGrid.Cells(ColName, 1), QStringLiteral("R1-P1"));

        clickSheet(100, 100);
        QCOMPARE(ed().FoundName, QStringLiteral("R1"));
        QTest::mouseClick(form->deleteElem1, Qt::LeftButton);
        QCOMPARE(ed().HGrid.RowCount(), 2);
        QCOMPARE(ed().EGrid.RowCount(), 2);
        QVERIFY(!form->deleteElem1->isEnabled());

        // Select All on the one remaining element enables Delete, which deletes it.
        ctrl(Qt::Key_A);
        QVERIFY(form->deleteElem1->isEnabled());
        fx->key(Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(ed().PGrid.RowCount(), 2);
    }

    void lockAndUnlock()
    {
        addRect("R1", 100, 100, "Box");
        addPoint("P1", 400, 300);
        clickSheet(100, 100);
        ctrl(Qt::Key_L);
        QVERIFY(form->Lock1->isChecked());
        for (QWidget *w : std::initializer_list<QWidget *>{
                 form->sbCursor, form->sbH, form->sbP, form->sbE, form->ColorBox1, form->edCaption,
                 form->edXc, form->edYc, form->deleteElem1, form->sbArrowChange})
            QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
        QVERIFY(!form->Panel_btn_vert->isVisible());
        QVERIFY(!form->Panel_btn_horiz->isVisible());
        QVERIFY(!form->ActionSelectAll->isEnabled());

        // A keyboard move does nothing while locked.
        ed().SelectedKind = 1;
        ctrl(Qt::Key_Right);
        QCOMPARE(centre("R1"), QPoint(100, 100));

        ctrl(Qt::Key_L);
        QVERIFY(!form->Lock1->isChecked());
        QVERIFY(form->edCaption->isEnabled());
        QVERIFY(form->sbE->isEnabled());
        QVERIFY(!form->deleteElem1->isEnabled());
        QVERIFY(!form->sbArrowChange->isEnabled());
        QVERIFY(form->Panel_btn_vert->isVisible());
    }

    void sheetSizeButtons()
    {
        addRect("R1", 100, 100, "Box");
        QTest::mouseClick(form->sbCanvaRight, Qt::LeftButton);
        QCOMPARE(ed().sheet.width(), 892);
        QCOMPARE(form->PaintBox1->size(), QSize(892, 595));
        QTest::mouseClick(form->sbCanvaTop, Qt::LeftButton);
        QCOMPARE(ed().sheet.height(), 545);
        QCOMPARE(centre("R1"), QPoint(100, 100));
        QVERIFY(ed().Modified);
    }
    void newSheetThroughTheDialog()
    {
        addRect("R1", 100, 100, "Box");
        ed().Modified = false;
        QSize shown;
        fx->modal.onNewSheet = [&shown](QWidget *dialog, int &width, int &height) {
            auto *dlg = qobject_cast<TNewFileDlg *>(dialog);
            if (!dlg)
                return false;
            QTimer::singleShot(0, dlg, [dlg, &shown] {
                shown = {dlg->sheetWidth(), dlg->sheetHeight()};
                QTest::keyClick(dlg->FormatBox, Qt::Key_Down); // A5, landscape
                QTest::mouseClick(dlg->rbBook, Qt::LeftButton);
                QTest::keyClick(dlg->WidthEdit, Qt::Key_Return);
            });
            return dlg->execFor(width, height);
        };
        ctrl(Qt::Key_N);
        QCOMPARE(fx->modal.newSheetCalls, 1);
        QCOMPARE(shown, QSize(842, 595));
        QCOMPARE(QSize(ed().sheet.width(), ed().sheet.height()), QSize(421, 595));
        QCOMPARE(ed().HGrid.RowCount(), 2);
    }
};

QTEST_MAIN(TestWindowEditing)
#include "tst_window_editing.moc"
