#include "app/ColorBox.h"

#include "editor/ColorItems.h"
#include "toolkit/ColorText.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStylePainter>
#include <QStyledItemDelegate>

namespace {

class SwatchDelegate : public QStyledItemDelegate {
public:
    explicit SwatchDelegate(ColorBox *box) : QStyledItemDelegate(box), m_box(box) {}

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        painter->save();
        painter->fillRect(option.rect, Qt::white);
        m_box->drawSwatch(*painter, option.rect, index.row());
        if (option.state & (QStyle::State_Selected | QStyle::State_MouseOver)) {
            // The item under the pointer gets a dotted frame in the margin around its swatch.
            QPen dots(Qt::black, 1, Qt::DotLine);
            painter->setPen(dots);
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
        }
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), ColorBox::kItemHeight};
    }

private:
    ColorBox *m_box;
};

// What a screen reader hears of the box: its own name, the current colour's name as its value
// (the item texts are colour codes), and the list of colours.
class ColorBoxAccessible : public QAccessibleWidget {
public:
    explicit ColorBoxAccessible(ColorBox *box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override
    {
        const auto *box = static_cast<const ColorBox *>(widget());
        if (t == QAccessible::Value)
            return box->currentData(Qt::AccessibleTextRole).toString();
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return 1; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(static_cast<ColorBox *>(widget())->view())
                          : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && child->object() == static_cast<ColorBox *>(widget())->view() ? 0 : -1;
    }
};

QAccessibleInterface *colorBoxAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("ColorBox") && object && object->isWidgetType())
        return new ColorBoxAccessible(static_cast<ColorBox *>(object));
    return nullptr;
}

} // namespace

ColorBox::ColorBox(QWidget *parent) : QComboBox(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(colorBoxAccessible);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    addItems(colorBoxItems());
    // Names in the order of colorBoxItems().
    const QString names[] = {tr("Light yellow"), tr("Light green"), tr("Light blue"), tr("Pink"), tr("Lilac"),
                             tr("Lime"),         tr("Light cyan"),  tr("Lavender"),   tr("Peach")};
    for (int i = 0; i < count() && i < int(std::size(names)); ++i)
        setItemData(i, names[i], Qt::AccessibleTextRole);
    setItemDelegate(new SwatchDelegate(this));
    setMaxVisibleItems(9);
    setIndex(0);
    QPalette pal = palette();
    pal.setColor(QPalette::Base, Qt::white);
    setPalette(pal);
    connect(this, &QComboBox::currentIndexChanged, this, [this] { emit userChanged(); });
    // The popup window that holds the list; keys in the list that it ignores come to it.
    view()->window()->installEventFilter(this);
}

bool ColorBox::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride && watched == view()->window()) {
        event->accept();
        return true;
    }
    return QComboBox::eventFilter(watched, event);
}

void ColorBox::setIndex(int index)
{
    const QSignalBlocker quiet(this);
    setCurrentIndex(index);
    update();
}

TColor ColorBox::itemColor(int index) const
{
    if (index < 0 || index >= count())
        return clBlack;
    return tryStringToColor(itemText(index)).value_or(clBlack);
}

void ColorBox::drawSwatch(QPainter &painter, const QRect &rect, int index) const
{
    if (index < 0 || index >= count())
        return;
    const QRect inner = rect.adjusted(2, 2, -2, -2);
    if (inner.width() <= 0 || inner.height() <= 0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(inner, QColor::fromRgb(toQRgb(itemColor(index))));
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(inner.adjusted(0, 0, -1, -1));
    painter.restore();
}

void ColorBox::paintEvent(QPaintEvent *)
{
    QStylePainter p(this);
    QStyleOptionComboBox opt;
    initStyleOption(&opt);
    opt.currentText.clear();
    opt.currentIcon = QIcon();
    p.drawComplexControl(QStyle::CC_ComboBox, opt);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, this);
    p.fillRect(field, isEnabled() ? Qt::white : palette().color(QPalette::Window));
    drawSwatch(p, field, currentIndex());
}
