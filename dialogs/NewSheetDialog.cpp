#include "dialogs/NewSheetDialog.h"

#include "dialogs/ClampedSpinBox.h"
#include "dialogs/PaperFormats.h"
#include "toolkit/CaptionFont.h"

#include <QComboBox>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>

#include <utility>

namespace {

// A numeric spin field of at most four characters.
class SizeSpinBox : public ClampedSpinBox {
public:
    explicit SizeSpinBox(QWidget *parent) : ClampedSpinBox(parent)
    {
        setRange(0, NewSheetDialog::kMaxSide);
        setSingleStep(1);
        lineEdit()->setMaxLength(4);
    }
};

QLabel *makeLabel(const QString &text, int left, int top, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->adjustSize();
    label->move(left, top);
    return label;
}

// The width a radio button's mark and text take.
int radioWidth(const QRadioButton *button)
{
    const QStyle *style = button->style();
    return style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, button) +
           style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, button) +
           button->fontMetrics().horizontalAdvance(button->text());
}

// A translated label longer than its place pushes the left edge of the control after it right;
// the control's right edge stays.
void fitAfter(const QLabel *label, QWidget *control)
{
    const QRect place = control->geometry();
    const int left = qMax(place.left(), label->geometry().right() + 3);
    control->setGeometry(left, place.top(), place.right() - left + 1, place.height());
}

} // namespace

NewSheetDialog::NewSheetDialog(QWidget *parent, std::function<QSize()> drawingAreaSize)
    : QDialog(parent), m_drawingAreaSize(std::move(drawingAreaSize))
{
    setWindowTitle(tr("Dialog"));
    // Tahoma, or the face that stands in for it, so that the labels fit their places.
    setFont(controlFont());
    setFixedSize(291, 176);

    // Created first, so it lies below the fields it frames.
    bevel = new QFrame(this);
    bevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bevel->setGeometry(8, 8, 273, 121);

    formatLabel = makeLabel(tr("Format:"), 16, 27, this);
    formatList = new QComboBox(this);
    formatList->setGeometry(56, 24, 209, 21);
    for (const PaperFormat &format : kPaperFormats)
        formatList->addItem(QString::fromUtf8(format.text));
    formatList->addItem(tr("Fit"));
    formatList->setCurrentIndex(kDefaultFormatIndex);

    portraitButton = new QRadioButton(tr("Book"), this);
    portraitButton->setGeometry(56, 56, 49, 17);
    portraitButton->setCursor(Qt::PointingHandCursor);
    landscapeButton = new QRadioButton(tr("Album"), this);
    landscapeButton->setGeometry(112, 56, 57, 17);
    landscapeButton->setCursor(Qt::PointingHandCursor);
    landscapeButton->setChecked(true);
    // Longer translations widen the radio buttons, up to the preview.
    portraitButton->resize(qMax(portraitButton->width(), radioWidth(portraitButton)), 17);
    landscapeButton->move(qMax(landscapeButton->x(), portraitButton->geometry().right() + 5), 56);
    landscapeButton->resize(
        qBound(landscapeButton->width(), radioWidth(landscapeButton), 204 - landscapeButton->x()), 17);

    preview = new QFrame(this);
    preview->setFrameStyle(QFrame::Box | QFrame::Plain);
    preview->setLineWidth(1);
    QPalette shapePalette = preview->palette();
    shapePalette.setColor(QPalette::Window, Qt::white);
    shapePalette.setColor(QPalette::WindowText, Qt::black);
    preview->setPalette(shapePalette);
    preview->setAutoFillBackground(true);
    preview->setGeometry(208, 54, 57, 33);

    widthLabel = makeLabel(tr("Width:"), 16, 99, this);
    widthField = new SizeSpinBox(this);
    widthField->setGeometry(56, 95, 73, 22);
    widthField->setValue(842);
    heightLabel = makeLabel(tr("Height:"), 152, 99, this);
    heightField = new SizeSpinBox(this);
    heightField->setGeometry(192, 95, 73, 22);
    heightField->setValue(595);
    fitAfter(formatLabel, formatList);
    fitAfter(widthLabel, widthField);
    fitAfter(heightLabel, heightField);

    okButton = new QPushButton(tr("OK"), this);
    okButton->setGeometry(68, 140, 75, 25);
    okButton->setDefault(true);
    cancelButton = new QPushButton(tr("Cancel"), this);
    cancelButton->setGeometry(148, 140, 75, 25);
    cancelButton->setAutoDefault(false);

    // Only a choice by the user applies a format; the program's own selection does not.
    connect(formatList, &QComboBox::activated, this, [this] { formatChosen(); });
    connect(portraitButton, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            orientationChosen(portraitButton);
    });
    connect(landscapeButton, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            orientationChosen(landscapeButton);
    });
    connect(okButton, &QPushButton::clicked, this, &NewSheetDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &NewSheetDialog::reject);
}

void NewSheetDialog::setDrawingAreaSize(std::function<QSize()> drawingAreaSize)
{
    m_drawingAreaSize = std::move(drawingAreaSize);
}

void NewSheetDialog::prepare()
{
    m_hint.clear();
    setWindowTitle(tr("New canvas"));
    formatList->setCurrentIndex(kDefaultFormatIndex);
    landscapeButton->setChecked(true);
    widthField->setFocus();
    widthField->setValue(842);
    heightField->setValue(595);
    widthField->selectAll();
}

bool NewSheetDialog::execFor(int &width, int &height)
{
    prepare();
    if (exec() != QDialog::Accepted)
        return false;
    width = sheetWidth();
    height = sheetHeight();
    return true;
}

int NewSheetDialog::sheetWidth() const
{
    return widthField->value();
}

int NewSheetDialog::sheetHeight() const
{
    return heightField->value();
}

void NewSheetDialog::formatChosen()
{
    const int index = formatList->currentIndex();
    int width = 0;
    int height = 0;
    if (index >= 0 && index < kFitFormatIndex) {
        width = kPaperFormats[static_cast<std::size_t>(index)].width;
        height = kPaperFormats[static_cast<std::size_t>(index)].height;
    } else if (index == kFitFormatIndex && m_drawingAreaSize) {
        const QSize area = m_drawingAreaSize();
        width = area.width() - 1;
        height = area.height() - 1;
    } else {
        return;
    }
    if (landscapeButton->isChecked())
        std::swap(width, height);
    widthField->setValue(width);
    heightField->setValue(height);
}

void NewSheetDialog::orientationChosen(QObject *sender)
{
    if (sender == landscapeButton) {
        preview->resize(57, 33);
        swapFields();
    } else {
        swapFields();
        preview->resize(25, 33);
    }
}

void NewSheetDialog::swapFields()
{
    const int width = widthField->value();
    widthField->setValue(heightField->value());
    heightField->setValue(width);
}

void NewSheetDialog::accept()
{
    // A value still being typed counts as entered; the fields keep it within 0..3368.
    widthField->interpretText();
    heightField->interpretText();
    if (widthField->value() < 1) {
        refuse(widthField, tr("The width must be from 1 to %1 pixels.").arg(kMaxSide));
        return;
    }
    if (heightField->value() < 1) {
        refuse(heightField, tr("The height must be from 1 to %1 pixels.").arg(kMaxSide));
        return;
    }
    m_hint.clear();
    QDialog::accept();
}

void NewSheetDialog::refuse(QSpinBox *field, const QString &hint)
{
    m_hint = hint;
    QMessageBox::warning(this, windowTitle(), hint);
    field->setFocus();
    field->selectAll();
}
