#include "dialogs/ClampedSpinBox.h"

#include <algorithm>

namespace {

bool allDigits(const QString &text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
}

} // namespace

QValidator::State ClampedSpinBox::validate(QString &input, int &pos) const
{
    const QValidator::State state = QSpinBox::validate(input, pos);
    if (state == QValidator::Invalid && allDigits(input.trimmed()))
        return QValidator::Intermediate;
    return state;
}

void ClampedSpinBox::fixup(QString &input) const
{
    const QString digits = input.trimmed();
    if (!allDigits(digits)) {
        QSpinBox::fixup(input);
        return;
    }
    bool fits = false;
    const qlonglong value = digits.toLongLong(&fits);
    input = textFromValue(fits ? int(std::clamp<qlonglong>(value, minimum(), maximum())) : maximum());
}
