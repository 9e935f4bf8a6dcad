// Controls of the main window and their placement.
#include "app/ColorBox.h"
#include "app/Glyphs.h"
#include "app/Panels.h"
#include "app/Unit1.h"
#include "toolkit/CaptionFont.h"
#include "toolkit/CodePage.h"
#include "view/SheetView.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QToolButton>

namespace {

// Toolbar width at which the declared positions hold; wider toolbars stretch edCaption and
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

void TForm1::buildToolbar()
{
    Panel3 = new Panel(Panel1);
    Panel3->setMouseTracking(true);
    Panel3->onMouseMove = [this] { Panel3MouseMove(); };

    sbMenu = speedButton(Panel3, QStringLiteral("Menu"), Glyph::Menu, false, {7, 7});
    sbMenu->setGeometry(2, 2, 22, 22);

    sbCursor = speedButton(Panel3, QStringLiteral("Cursor"), Glyph::Cursor, true);
    sbCursor->setGeometry(33, 2, 22, 22);
    sbH = speedButton(Panel3, QStringLiteral("Rectangle (Right click)"), Glyph::Rectangle, true);
    sbH->setGeometry(57, 2, 22, 22);
    sbP = speedButton(Panel3, QStringLiteral("Point (middle mouse button)"), Glyph::Point, true);
    sbP->setGeometry(81, 2, 22, 22);
    sbE = speedButton(Panel3, QStringLiteral("Line (Double click)"), Glyph::Line, true);
    sbE->setGeometry(105, 2, 22, 22);
    sbE->setEnabled(false);
    toolGroup = new QButtonGroup(this);
    toolGroup->setExclusive(true);
    for (QToolButton *b : {sbCursor, sbH, sbP, sbE}) {
        b->setCheckable(true);
        toolGroup->addButton(b);
    }
    sbCursor->setChecked(true);

    ColorBox1 = new ColorBox(Panel3);
    ColorBox1->setGeometry(138, 2, 39, 22);
    ColorBox1->setToolTip(QStringLiteral("Select color rectangle"));
    QFont boxFont = font();
    boxFont.setPixelSize(12);
    ColorBox1->setFont(boxFont);

    lbText = label(Panel3, QStringLiteral("Text:"), 179, 6);
    edCaption = new QLineEdit(QStringLiteral("Name"), Panel3);
    edCaption->setToolTip(QStringLiteral("Text + [ENTER]"));
    edCaption->setMaxLength(128);
    edCaption->setValidator(new CodePageValidator(edCaption));

    lbXc = label(Panel3, QStringLiteral("Xc:"), 530, 6);
    edXc = new QLineEdit(QStringLiteral("0"), Panel3);
    lbYc = label(Panel3, QStringLiteral("Yc:"), 583, 6);
    edYc = new QLineEdit(QStringLiteral("0"), Panel3);
    // Typed coordinates are digits only; a leading minus can only come with a pasted number.
    const QRegularExpression number(QStringLiteral("-?[0-9]*"));
    edXc->setValidator(new QRegularExpressionValidator(number, edXc));
    edYc->setValidator(new QRegularExpressionValidator(number, edYc));

    sbArrowChange = speedButton(Panel3, QStringLiteral("Change line"), Glyph::ChangeLine, false);
    sbArrowChange->setEnabled(false);
    deleteElem1 = speedButton(Panel3, QStringLiteral("Delete element"), Glyph::Delete, false);
    deleteElem1->setEnabled(false);

    for (QLineEdit *e : {edCaption, edXc, edYc})
        e->installEventFilter(this);
    ColorBox1->installEventFilter(this);
}

void TForm1::buildDrawingArea()
{
    Panel4 = new Panel(Panel1);
    Panel2 = new Panel(Panel4, true);
    QFont areaFont(captionFamily());
    areaFont.setPixelSize(11);
    Panel2->setFont(areaFont);

    PaintBox1 = new SheetView(Panel2);
    PaintBox1->setImage(&m_editor.overlayImage);

    Panel_btn_vert = new Panel(Panel2);
    Panel_btn_vert->resize(25, 31);
    sbCanvaTop = speedButton(Panel_btn_vert, QStringLiteral("Height -"), Glyph::TriangleUp, false);
    sbCanvaTop->setGeometry(2, 2, 21, 13);
    sbCanvaBottom = speedButton(Panel_btn_vert, QStringLiteral("Height +"), Glyph::TriangleDown, false);
    sbCanvaBottom->setGeometry(2, 16, 21, 13);

    Panel_btn_horiz = new Panel(Panel2);
    Panel_btn_horiz->resize(31, 24);
    sbCanvaLeft = speedButton(Panel_btn_horiz, QStringLiteral("Width -"), Glyph::TriangleLeft, false);
    sbCanvaLeft->setGeometry(2, 2, 13, 20);
    sbCanvaRight = speedButton(Panel_btn_horiz, QStringLiteral("Width +"), Glyph::TriangleRight, false);
    sbCanvaRight->setGeometry(16, 2, 13, 20);

    PanelView = new Panel(Panel2);
    PanelView->resize(51, 40);
    PanelSheet = new Panel(PanelView);
    PanelSheet->setBackground(Qt::white);
    Shape1 = new Shape(QColor(0xDC, 0xDC, 0xDC), Qt::black, PanelSheet);
    Shape1->setToolTip(QStringLiteral("Navigator"));
    shVisible = new Shape(QColor(0xE9, 0x96, 0x7A), Qt::red, PanelSheet);
    shVisible->setToolTip(QStringLiteral("Navigator"));
    shVisible->setEnabled(false);

    // The small panels lie above the sheet.
    Panel_btn_vert->raise();
    Panel_btn_horiz->raise();
    PanelView->raise();
}

void TForm1::layoutToolbar()
{
    const int dx = Panel3->width() - kDesignToolbarWidth;
    edCaption->setGeometry(207, 3, qMax(20, 316 + dx), 21);
    lbXc->move(530 + dx, 6);
    edXc->setGeometry(548 + dx, 3, 29, 21);
    lbYc->move(583 + dx, 6);
    edYc->setGeometry(601 + dx, 3, 29, 21);
    sbArrowChange->setGeometry(635 + dx, 2, 22, 22);
    deleteElem1->setGeometry(665 + dx, 2, 22, 22);
}

void TForm1::layoutPanels()
{
    // One pixel of border around Panel1; the toolbar row on top, the drawing area below.
    Panel1->setGeometry(1, 1, qMax(0, width() - 2), qMax(0, height() - 2));
    Panel3->setGeometry(0, 0, Panel1->width(), 29);
    Panel4->setGeometry(0, 29, Panel1->width(), qMax(0, Panel1->height() - 29));
    Panel2->setGeometry(0, 0, Panel4->width(), Panel4->height());
    layoutToolbar();
}
