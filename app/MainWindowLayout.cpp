// Controls of the main window and their placement.
#include "app/ColorBox.h"
#include "app/FindBar.h"
#include "app/Glyphs.h"
#include "app/MainWindow.h"
#include "app/Panels.h"
#include "toolkit/CaptionFont.h"
#include "toolkit/CodePage.h"
#include "view/SheetView.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QToolButton>

namespace {

// Toolbar width at which the declared positions hold; wider toolbars stretch m_ui.captionEdit and
// move the right-anchored controls.
constexpr int kDesignToolbarWidth = 688;

QToolButton *speedButton(QWidget *parent, const QString &hint, Glyph glyph, bool flat,
                         QSize glyphSize = {16, 16})
{
    auto *b = new QToolButton(parent);
    b->setToolTip(hint);
    b->setCursor(Qt::PointingHandCursor);
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoRaise(flat);
    b->setIcon(QIcon(glyphPixmap(glyph)));
    b->setIconSize(glyphSize);
    b->setToolButtonStyle(Qt::ToolButtonIconOnly);
    return b;
}

QLabel *label(QWidget *parent, const QString &text, int x, int y)
{
    auto *l = new QLabel(text, parent);
    l->move(x, y);
    l->adjustSize();
    return l;
}

// Keeps only the characters the scheme file's code page can store, typed or pasted. A pasted
// line break becomes a blank: a cell is one line of the scheme file.
class CodePageValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override
    {
        for (QChar &c : input)
            if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QChar(0))
                c = QLatin1Char(' ');
        if (fitsCodePage(input))
            return Acceptable;
        QString kept;
        int newPos = pos;
        for (int i = 0; i < input.size(); ++i) {
            const QChar c = input.at(i);
            if (fitsCodePage(QString(c)))
                kept += c;
            else if (i < pos)
                --newPos;
        }
        input = kept;
        pos = qBound(0, newPos, int(kept.size()));
        return Acceptable;
    }
};

} // namespace

void MainWindow::buildToolbar()
{
    m_ui.toolbar = new Panel(m_ui.mainPanel);
    m_ui.toolbar->setMouseTracking(true);
    m_ui.toolbar->onMouseMove = [this] { toolbarHover(); };

    m_ui.menuButton = speedButton(m_ui.toolbar, tr("Menu"), Glyph::Menu, false, {7, 7});
    m_ui.menuButton->setGeometry(2, 2, 22, 22);

    m_ui.cursorTool = speedButton(m_ui.toolbar, tr("Cursor"), Glyph::Cursor, true);
    m_ui.cursorTool->setGeometry(33, 2, 22, 22);
    m_ui.rectangleTool = speedButton(m_ui.toolbar, tr("Rectangle (Right click)"), Glyph::Rectangle, true);
    m_ui.rectangleTool->setGeometry(57, 2, 22, 22);
    m_ui.pointTool = speedButton(m_ui.toolbar, tr("Point (middle mouse button)"), Glyph::Point, true);
    m_ui.pointTool->setGeometry(81, 2, 22, 22);
    m_ui.lineTool = speedButton(m_ui.toolbar, tr("Line (Double click)"), Glyph::Line, true);
    m_ui.lineTool->setGeometry(105, 2, 22, 22);
    m_ui.lineTool->setEnabled(false);
    for (QToolButton *b : m_ui.tools())
        b->setCheckable(true);
    m_ui.cursorTool->setChecked(true);

    m_ui.colorBox = new ColorBox(m_ui.toolbar);
    m_ui.colorBox->setGeometry(138, 2, 39, 22);
    m_ui.colorBox->setToolTip(tr("Select color rectangle"));
    QFont boxFont = font();
    boxFont.setPixelSize(12);
    m_ui.colorBox->setFont(boxFont);

    m_ui.captionLabel = label(m_ui.toolbar, tr("Text:"), 179, 6);
    m_ui.captionEdit = new QLineEdit(tr("Name"), m_ui.toolbar);
    m_ui.captionEdit->setToolTip(tr("Text + [ENTER]"));
    m_ui.captionEdit->setMaxLength(128);
    m_ui.captionEdit->setValidator(new CodePageValidator(m_ui.captionEdit));

    m_ui.xLabel = label(m_ui.toolbar, tr("Xc:"), 530, 6);
    m_ui.xEdit = new QLineEdit(QStringLiteral("0"), m_ui.toolbar);
    m_ui.yLabel = label(m_ui.toolbar, tr("Yc:"), 583, 6);
    m_ui.yEdit = new QLineEdit(QStringLiteral("0"), m_ui.toolbar);
    // Typed coordinates are digits only; a leading minus can only come with a pasted number.
    const QRegularExpression number(QStringLiteral("-?[0-9]*"));
    m_ui.xEdit->setValidator(new QRegularExpressionValidator(number, m_ui.xEdit));
    m_ui.yEdit->setValidator(new QRegularExpressionValidator(number, m_ui.yEdit));

    m_ui.reverseLineButton = commandButton(Command::ReverseLine);
    m_ui.deleteButton = commandButton(Command::Delete);

    for (QLineEdit *e : {m_ui.captionEdit, m_ui.xEdit, m_ui.yEdit})
        e->installEventFilter(this);
    m_ui.colorBox->installEventFilter(this);
}

QToolButton *MainWindow::commandButton(Command id)
{
    const CommandRow &row = commandRow(id);
    QToolButton *b = speedButton(m_ui.toolbar, QCoreApplication::translate("MainWindow", row.toolbarHint),
                                 *row.glyph, false);
    b->setEnabled(row.enabledAtStart);
    // The button leaves the Menu button's latch as it is.
    connect(b, &QToolButton::clicked, this, [this, &row] { guard([this, &row] { row.run(*this); }); });
    return b;
}

void MainWindow::buildDrawingArea()
{
    m_ui.drawingFrame = new Panel(m_ui.mainPanel);
    m_ui.drawingArea = new Panel(m_ui.drawingFrame, true);
    m_ui.drawingArea->setFont(controlFont());

    m_ui.sheetView = new SheetView(m_ui.drawingArea);
    m_ui.sheetView->setImage(&m_editor.overlayImage());

    m_ui.heightButtons = new Panel(m_ui.drawingArea);
    m_ui.heightButtons->resize(25, 31);
    m_ui.heightMinus = speedButton(m_ui.heightButtons, tr("Height -"), Glyph::TriangleUp, false);
    m_ui.heightMinus->setGeometry(2, 2, 21, 13);
    m_ui.heightPlus = speedButton(m_ui.heightButtons, tr("Height +"), Glyph::TriangleDown, false);
    m_ui.heightPlus->setGeometry(2, 16, 21, 13);

    m_ui.widthButtons = new Panel(m_ui.drawingArea);
    m_ui.widthButtons->resize(31, 24);
    m_ui.widthMinus = speedButton(m_ui.widthButtons, tr("Width -"), Glyph::TriangleLeft, false);
    m_ui.widthMinus->setGeometry(2, 2, 13, 20);
    m_ui.widthPlus = speedButton(m_ui.widthButtons, tr("Width +"), Glyph::TriangleRight, false);
    m_ui.widthPlus->setGeometry(16, 2, 13, 20);

    m_ui.navigator = new Panel(m_ui.drawingArea);
    m_ui.navigator->resize(51, 40);
    m_ui.navigatorSheet = new Panel(m_ui.navigator);
    m_ui.navigatorSheet->setBackground(Qt::white);
    m_ui.navigatorSheetShape = new Shape(QColor(0xDC, 0xDC, 0xDC), Qt::black, m_ui.navigatorSheet);
    m_ui.navigatorSheetShape->setToolTip(tr("Navigator"));
    m_ui.navigatorVisiblePart = new Shape(QColor(0xE9, 0x96, 0x7A), Qt::red, m_ui.navigatorSheet);
    m_ui.navigatorVisiblePart->setToolTip(tr("Navigator"));
    m_ui.navigatorVisiblePart->setEnabled(false);

    m_ui.scaleLabel = new QLabel(m_ui.drawingArea);
    m_ui.scaleLabel->setObjectName(QStringLiteral("scaleLabel"));
    m_ui.scaleLabel->setAutoFillBackground(true);
    m_ui.scaleLabel->setFrameShape(QFrame::Box);
    m_ui.scaleLabel->setMargin(1);
    m_ui.scaleLabel->hide();

    m_ui.findBar = new FindBar(m_ui.drawingArea);
    m_ui.findBar->move(4, 4);
    m_ui.findBar->edit()->installEventFilter(this);
    m_ui.findBar->onTextChanged = [this](const QString &text) {
        guard([&] {
            m_editor.findText(text);
            m_ui.findBar->showCount(m_editor.finder().current(), m_editor.finder().count());
        });
    };
    m_ui.findBar->onStep = [this](bool forward) { guard([&] { findStep(forward); }); };

    // The small panels lie above the sheet.
    m_ui.heightButtons->raise();
    m_ui.widthButtons->raise();
    m_ui.navigator->raise();
    m_ui.scaleLabel->raise();
    m_ui.findBar->raise();
}

void MainWindow::layoutToolbar()
{
    const int dx = m_ui.toolbar->width() - kDesignToolbarWidth;
    // A longer translation of the caption label pushes the caption box's left edge right.
    const int captionLeft = qMax(207, m_ui.captionLabel->geometry().right() + 2);
    m_ui.captionEdit->setGeometry(captionLeft, 3, qMax(20, 316 + dx - (captionLeft - 207)), 21);
    m_ui.xLabel->move(530 + dx, 6);
    m_ui.xEdit->setGeometry(548 + dx, 3, 29, 21);
    m_ui.yLabel->move(583 + dx, 6);
    m_ui.yEdit->setGeometry(601 + dx, 3, 29, 21);
    m_ui.reverseLineButton->setGeometry(635 + dx, 2, 22, 22);
    m_ui.deleteButton->setGeometry(665 + dx, 2, 22, 22);
}

void MainWindow::layoutPanels()
{
    // One pixel of border around m_ui.mainPanel; the toolbar row on top, the drawing area below.
    m_ui.mainPanel->setGeometry(1, 1, qMax(0, width() - 2), qMax(0, height() - 2));
    m_ui.toolbar->setGeometry(0, 0, m_ui.mainPanel->width(), 29);
    m_ui.drawingFrame->setGeometry(0, 29, m_ui.mainPanel->width(), qMax(0, m_ui.mainPanel->height() - 29));
    m_ui.drawingArea->setGeometry(0, 0, m_ui.drawingFrame->width(), m_ui.drawingFrame->height());
    layoutToolbar();
}
