#include "dialogs/Unit_new.h"

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

#include <utility>

namespace {

// A numeric spin field of at most four characters.
class SizeSpinBox : public ClampedSpinBox {
public:
    explicit SizeSpinBox(QWidget *parent) : ClampedSpinBox(parent)
    {
        setRange(0, TNewFileDlg::kMaxSide);
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

} // namespace

TNewFileDlg::TNewFileDlg(QWidget *parent, std::function<QSize()> drawingAreaSize)
    : QDialog(parent), m_drawingAreaSize(std::move(drawingAreaSize))
{
    setWindowTitle(QStringLiteral("Dialog"));
    // Tahoma, or the face that stands in for it, so that the labels fit their places.
    QFont font(captionFamily());
    font.setPixelSize(11);
    setFont(font);
    setFixedSize(291, 176);

    // Created first, so it lies below the fields it frames.
    Bevel1 = new QFrame(this);
    Bevel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Bevel1->setGeometry(8, 8, 273, 121);

    Label3 = makeLabel(QStringLiteral("Format:"), 16, 27, this);
    FormatBox = new QComboBox(this);
    FormatBox->setGeometry(56, 24, 209, 21);
    for (const PaperFormat &format : kPaperFormats)
        FormatBox->addItem(QString::fromUtf8(format.text));
    FormatBox->addItem(QStringLiteral("Fit"));
    FormatBox->setCurrentIndex(kDefaultFormatIndex);

    rbBook = new QRadioButton(QStringLiteral("Book"), this);
    rbBook->setGeometry(56, 56, 49, 17);
    rbBook->setCursor(Qt::PointingHandCursor);
    rbAlbum = new QRadioButton(QStringLiteral("Album"), this);
    rbAlbum->setGeometry(112, 56, 57, 17);
    rbAlbum->setCursor(Qt::PointingHandCursor);
    rbAlbum->setChecked(true);

    Shape1 = new QFrame(this);
    Shape1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Shape1->setLineWidth(1);
    QPalette shapePalette = Shape1->palette();
    shapePalette.setColor(QPalette::Window, Qt::white);
    shapePalette.setColor(QPalette::WindowText, Qt::black);
    Shape1->setPalette(shapePalette);
    Shape1->setAutoFillBackground(true);
    Shape1->setGeometry(208, 54, 57, 33);

    Label1 = makeLabel(QStringLiteral("Width:"), 16, 99, this);
    WidthEdit = new SizeSpinBox(this);
    WidthEdit->setGeometry(56, 95, 73, 22);
    WidthEdit->setValue(842);
    Label2 = makeLabel(QStringLiteral("Height:"), 152, 99, this);
    HeightEdit = new SizeSpinBox(this);
    HeightEdit->setGeometry(192, 95, 73, 22);
    HeightEdit->setValue(595);

    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setGeometry(68, 140, 75, 25);
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    CancelBtn->setGeometry(148, 140, 75, 25);
    CancelBtn->setAutoDefault(false);

    // Only a choice by the user applies a format; the program's own selection does not.
    connect(FormatBox, &QComboBox::activated, this, [this] { FormatBoxChange(); });
    connect(rbBook, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            rbAlbumClick(rbBook);
    });
    connect(rbAlbum, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            rbAlbumClick(rbAlbum);
    });
    connect(OKBtn, &QPushButton::clicked, this, &TNewFileDlg::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &TNewFileDlg::reject);
}

void TNewFileDlg::setDrawingAreaSize(std::function<QSize()> drawingAreaSize)
{
    m_drawingAreaSize = std::move(drawingAreaSize);
}

void TNewFileDlg::prepare()
{
    m_hint.clear();
    setWindowTitle(QStringLiteral("New canvas"));
    FormatBox->setCurrentIndex(kDefaultFormatIndex);
    rbAlbum->setChecked(true);
    WidthEdit->setFocus();
    WidthEdit->setValue(842);
    HeightEdit->setValue(595);
    WidthEdit->selectAll();
}

bool TNewFileDlg::execFor(int &width, int &height)
{
    prepare();
    if (exec() != QDialog::Accepted)
        return false;
    width = sheetWidth();
    height = sheetHeight();
    return true;
}

int TNewFileDlg::sheetWidth() const
{
    return WidthEdit->value();
}

int TNewFileDlg::sheetHeight() const
{
    return HeightEdit->value();
}

void TNewFileDlg::FormatBoxChange()
{
    const int index = FormatBox->currentIndex();
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
    if (rbAlbum->isChecked())
        std::swap(width, height);
    WidthEdit->setValue(width);
    HeightEdit->setValue(height);
}

void TNewFileDlg::rbAlbumClick(QObject *sender)
{
    if (sender == rbAlbum) {
        Shape1->resize(57, 33);
        swapFields();
    } else {
        swapFields();
        Shape1->resize(25, 33);
    }
}

void TNewFileDlg::swapFields()
{
    const int width = WidthEdit->value();
    WidthEdit->setValue(HeightEdit->value());
    HeightEdit->setValue(width);
}

void TNewFileDlg::accept()
{
    // A value still being typed counts as entered; the fields keep it within 0..3368.
    WidthEdit->interpretText();
    HeightEdit->interpretText();
    if (WidthEdit->value() < 1) {
        refuse(WidthEdit, QStringLiteral("The width must be from 1 to %1 pixels.").arg(kMaxSide));
        return;
    }
    if (HeightEdit->value() < 1) {
        refuse(HeightEdit, QStringLiteral("The height must be from 1 to %1 pixels.").arg(kMaxSide));
        return;
    }
    m_hint.clear();
    QDialog::accept();
}

void TNewFileDlg::refuse(QSpinBox *field, const QString &hint)
{
    m_hint = hint;
    QMessageBox::warning(this, windowTitle(), hint);
    field->setFocus();
    field->selectAll();
}
