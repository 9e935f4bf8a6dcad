#include "dialogs/NewSheetDialog.h"

#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

class TestNewSheetDialog : public QObject {
    Q_OBJECT

    QSize m_area{688, 473};

    static QSize fields(const NewSheetDialog &dlg) { return {dlg.sheetWidth(), dlg.sheetHeight()}; }
    static void type(QSpinBox *field, const QString &text)
    {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
    }

private slots:
    void layoutAndItemTexts()
    {
        NewSheetDialog dlg;
        QCOMPARE(dlg.size(), QSize(291, 176));
        QCOMPARE(dlg.minimumSize(), dlg.maximumSize());
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Dialog"));
        const QStringList expected{
            "A0       2380x3368",
            "A1       1684x2380",
            "A2       1190x1684",
            "A3       842x1190",
            "A4       595x842",
            "A5       421x595",
            "A6       297x421",
            "B5       501x709",
            "Letter (8.5\"x11\")        612x792",
            "Legal (8.5\"x14\")        612x1008",
            "Ledger (17\"x11\")      792x1224",
            "Fit",
        };
        QCOMPARE(dlg.formatList->count(), expected.size());
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(dlg.formatList->itemText(i), expected.at(i));
        QVERIFY(!dlg.formatList->isEditable());
        QCOMPARE(dlg.okButton->text(), QStringLiteral("OK"));
        QVERIFY(dlg.okButton->isDefault());
        QCOMPARE(dlg.cancelButton->text(), QStringLiteral("Cancel"));
        QCOMPARE(dlg.widthField->minimum(), 0);
        QCOMPARE(dlg.widthField->maximum(), 3368);
        QCOMPARE(dlg.heightField->maximum(), 3368);
        QCOMPARE(dlg.widthField->findChild<QLineEdit *>()->maxLength(), 4);
        QCOMPARE(dlg.preview->geometry(), QRect(208, 54, 57, 33));
        QCOMPARE(dlg.bevel->geometry(), QRect(8, 8, 273, 121));
        // English texts fit their places: nothing moves for them.
        QCOMPARE(dlg.formatList->geometry(), QRect(56, 24, 209, 21));
        QCOMPARE(dlg.portraitButton->geometry(), QRect(56, 56, 49, 17));
        QCOMPARE(dlg.landscapeButton->geometry(), QRect(112, 56, 57, 17));
        QCOMPARE(dlg.widthField->geometry(), QRect(56, 95, 73, 22));
        QCOMPARE(dlg.heightField->geometry(), QRect(192, 95, 73, 22));
    }

    void prepareResetsEveryShowing()
    {
        NewSheetDialog dlg;
        dlg.portraitButton->setChecked(true);
        choose(dlg, 0);
        dlg.setWindowTitle("x");
        dlg.prepare();
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QCOMPARE(dlg.windowTitle(), QStringLiteral("New canvas"));
        QCOMPARE(dlg.formatList->currentText(), QStringLiteral("A4       595x842"));
        QVERIFY(dlg.landscapeButton->isChecked());
        QCOMPARE(dlg.focusWidget(), static_cast<QWidget *>(dlg.widthField));
        QCOMPARE(fields(dlg), QSize(842, 595));
        QCOMPARE(dlg.preview->size(), QSize(57, 33));
    }

    void formats_data()
    {
        QTest::addColumn<bool>("book");
        QTest::addColumn<int>("index");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("A3 album") << false << 3 << QSize(1190, 842);
        QTest::newRow("A0 book") << true << 0 << QSize(2380, 3368);
        QTest::newRow("A6 album") << false << 6 << QSize(421, 297);
        QTest::newRow("Letter book") << true << 8 << QSize(612, 792);
        QTest::newRow("Legal album") << false << 9 << QSize(1008, 612);
        QTest::newRow("Ledger book") << true << 10 << QSize(792, 1224);
        QTest::newRow("Fit book") << true << 11 << QSize(687, 472);
        QTest::newRow("Fit album") << false << 11 << QSize(472, 687);
    }
    void formats()
    {
        QFETCH(bool, book);
        QFETCH(int, index);
        QFETCH(QSize, expected);
        NewSheetDialog dlg(nullptr, [this] { return m_area; });
        dlg.prepare();
        if (book)
            dlg.portraitButton->setChecked(true);
        choose(dlg, index);
        QCOMPARE(fields(dlg), expected);
    }

    void orientationSwapsWhateverTheFieldsHold()
    {
        NewSheetDialog dlg;
        dlg.prepare();
        choose(dlg, 3);
        QCOMPARE(fields(dlg), QSize(1190, 842));
        QTest::mouseClick(dlg.portraitButton, Qt::LeftButton);
        QCOMPARE(fields(dlg), QSize(842, 1190));
        QCOMPARE(dlg.preview->size(), QSize(25, 33));
        choose(dlg, 0);
        QCOMPARE(fields(dlg), QSize(2380, 3368));

        dlg.prepare();
        type(dlg.widthField, "700");
        type(dlg.heightField, "500");
        QTest::mouseClick(dlg.portraitButton, Qt::LeftButton);
        QCOMPARE(fields(dlg), QSize(500, 700));
        QTest::mouseClick(dlg.landscapeButton, Qt::LeftButton);
        QCOMPARE(fields(dlg), QSize(700, 500));
        QCOMPARE(dlg.preview->size(), QSize(57, 33));
        // Clicking the button that is already checked exchanges nothing.
        QTest::mouseClick(dlg.landscapeButton, Qt::LeftButton);
        QCOMPARE(fields(dlg), QSize(700, 500));
    }

    void programSelectionAppliesNothing()
    {
        NewSheetDialog dlg;
        dlg.prepare();
        dlg.formatList->setCurrentIndex(0);
        QCOMPARE(fields(dlg), QSize(842, 595));
    }

    void valuesStayInRange_data()
    {
        QTest::addColumn<QSize>("area");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("huge area") << QSize(5000, 4000) << QSize(3368, 3368);
        QTest::newRow("tiny area") << QSize(1, 1) << QSize(0, 0);
    }
    void valuesStayInRange()
    {
        QFETCH(QSize, area);
        QFETCH(QSize, expected);
        NewSheetDialog dlg(nullptr, [area] { return area; });
        dlg.prepare();
        dlg.portraitButton->setChecked(true);
        choose(dlg, 11);
        QCOMPARE(fields(dlg), expected);
    }

    void typedValuesAreBroughtIntoRange()
    {
        NewSheetDialog dlg;
        dlg.prepare();
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        type(dlg.widthField, "9999");
        type(dlg.heightField, "-5");
        QTest::keyClick(dlg.heightField, Qt::Key_Return);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QVERIFY(dlg.sheetWidth() >= 1 && dlg.sheetWidth() <= 3368);
        QVERIFY(dlg.sheetHeight() >= 1 && dlg.sheetHeight() <= 3368);
    }

    void typedValueAboveRangeIsBroughtIntoRangeOnFocusLoss()
    {
        NewSheetDialog dlg;
        dlg.prepare();
        dlg.show();
        QApplication::setActiveWindow(&dlg);
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        type(dlg.widthField, "4000");
        QCOMPARE(dlg.widthField->text(), QStringLiteral("4000"));
        QTest::keyClick(dlg.widthField, Qt::Key_Tab);
        QVERIFY(!dlg.widthField->hasFocus());
        QCOMPARE(dlg.widthField->text(), QStringLiteral("3368"));
        QCOMPARE(dlg.sheetWidth(), 3368);
    }

    void zeroSideRefusesOk_data()
    {
        QTest::addColumn<bool>("width");
        QTest::newRow("width 0") << true;
        QTest::newRow("height 0") << false;
    }
    void zeroSideRefusesOk()
    {
        QFETCH(bool, width);
        NewSheetDialog dlg;
        dlg.prepare();
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QSpinBox *field = width ? dlg.widthField : dlg.heightField;
        type(field, "0");
        QString warned;
        QTimer::singleShot(0, &dlg, [&warned] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (box) {
                warned = box->text();
                box->accept();
            }
        });
        QTest::mouseClick(dlg.okButton, Qt::LeftButton);
        QCOMPARE(warned, dlg.hint());
        QVERIFY(dlg.isVisible());
        QVERIFY(dlg.hint().contains(width ? "width" : "height"));
        QCOMPARE(dlg.focusWidget(), static_cast<QWidget *>(field));
        type(field, "1");
        QTest::mouseClick(dlg.okButton, Qt::LeftButton);
        QVERIFY(!dlg.isVisible());
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QVERIFY(dlg.hint().isEmpty());
    }

    void execForGivesTheSizeOrCancels_data()
    {
        QTest::addColumn<int>("how"); // 0 OK, 1 Cancel, 2 Esc, 3 close box
        QTest::addColumn<bool>("accepted");
        QTest::newRow("OK") << 0 << true;
        QTest::newRow("Cancel") << 1 << false;
        QTest::newRow("Esc") << 2 << false;
        QTest::newRow("close box") << 3 << false;
    }
    void execForGivesTheSizeOrCancels()
    {
        QFETCH(int, how);
        QFETCH(bool, accepted);
        NewSheetDialog dlg;
        dlg.portraitButton->setChecked(true); // reset by the showing
        QTimer::singleShot(0, &dlg, [&dlg, how] {
            QTRY_VERIFY(dlg.isVisible());
            choose(dlg, 5);
            if (how == 0)
                QTest::keyClick(dlg.widthField, Qt::Key_Return);
            else if (how == 1)
                dlg.cancelButton->click();
            else if (how == 2)
                QTest::keyClick(&dlg, Qt::Key_Escape);
            else
                dlg.close();
        });
        int w = -7, h = -7;
        QCOMPARE(dlg.execFor(w, h), accepted);
        QCOMPARE(QSize(w, h), accepted ? QSize(595, 421) : QSize(-7, -7));
    }

private:
    static void choose(NewSheetDialog &dlg, int index)
    {
        dlg.formatList->setCurrentIndex(index);
        emit dlg.formatList->activated(index);
    }
};

QTEST_MAIN(TestNewSheetDialog)
#include "tst_new_sheet_dialog.moc"
