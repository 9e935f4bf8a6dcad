#pragma once

#include <QDialog>
#include <QSize>
#include <QString>

#include <functional>

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

// The new-sheet dialog: a paper format in portrait (Book) or landscape (Album) orientation, or
// a size typed into the two fields. Created once and hidden between uses.
//
// Use: dialog.execFor(width, height) resets the dialog, shows it modally and, on OK, gives a
// size of 1 to 3368 pixels each way; it returns false on Cancel.
class NewSheetDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMaxSide = 3368;

    // drawingAreaSize gives the client size of the main window's drawing area, read when the
    // format "Fit" is chosen.
    explicit NewSheetDialog(QWidget *parent = nullptr, std::function<QSize()> drawingAreaSize = {});

    void setDrawingAreaSize(std::function<QSize()> drawingAreaSize);

    // The state before each showing: caption "New canvas", A4, Album, 842 x 595, width focused.
    void prepare();
    // prepare(), then shows the dialog modally. On OK stores the chosen size and returns true.
    bool execFor(int &width, int &height);

    int sheetWidth() const;
    int sheetHeight() const;
    // The hint shown when OK was refused, empty after a showing without one.
    QString hint() const { return m_hint; }

    // A choice in the format list (by the user only).
    void formatChosen();
    // Runs when portraitButton or landscapeButton becomes checked.
    void orientationChosen(QObject *sender);

    void accept() override;

    QPushButton *okButton;
    QPushButton *cancelButton;
    QFrame *bevel;
    QSpinBox *widthField;
    QSpinBox *heightField;
    QLabel *widthLabel;
    QLabel *heightLabel;
    QComboBox *formatList;
    QLabel *formatLabel;
    QRadioButton *portraitButton;
    QRadioButton *landscapeButton;
    QFrame *preview;

private:
    void swapFields();
    void refuse(QSpinBox *field, const QString &hint);

    std::function<QSize()> m_drawingAreaSize;
    QString m_hint;
};
