#pragma once

#include <QSpinBox>

// A spin box that lets a typed number above its maximum stand while it is being typed and
// brings it into the range when the text is taken (the field loses the focus, Enter,
// interpretText()), instead of refusing the keystroke that leaves the range.
class ClampedSpinBox : public QSpinBox {
public:
    using QSpinBox::QSpinBox;

protected:
    QValidator::State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;
};
