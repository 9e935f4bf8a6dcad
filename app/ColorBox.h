#pragma once

#include "toolkit/Color.h"

#include <QComboBox>

// A drop-down list of the colour texts of colorBoxItems() ("$0099FFFF") drawn as swatches, the closed box
// included. userChanged is emitted only for a choice made by the user; setIndex from the
// program stays silent.
class ColorBox : public QComboBox {
    Q_OBJECT
public:
    explicit ColorBox(QWidget *parent = nullptr);

    static constexpr int kItemHeight = 16;

    void setIndex(int index);
    // The colour of an item's text (black for an index out of range or an unreadable text).
    TColor itemColor(int index) const;

    // Draws the swatch of item `index` in `rect`: inset by 2, outlined, filled with the colour.
    void drawSwatch(QPainter &painter, const QRect &rect, int index) const;

signals:
    void userChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    // While the list is dropped down it has the keyboard: Esc closes it and runs no shortcut.
    bool eventFilter(QObject *watched, QEvent *event) override;
};
