#include "widgets/SpinEdit.h"

#include "runtime/WholeNumber.h"

#include <algorithm>

SpinEdit::SpinEdit(int minimum, int maximum, QWidget* parent) : QSpinBox(parent) {
    setRange(minimum, maximum);
    setSingleStep(1);
    setWrapping(false);
    setKeyboardTracking(true);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

QValidator::State SpinEdit::validate(QString& input, int& /*pos*/) const {
    const bool typeable = std::all_of(input.cbegin(), input.cend(), [](QChar c) {
        return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('+') ||
               c == QLatin1Char('-');
    });
    return typeable ? QValidator::Acceptable : QValidator::Invalid;
}

// The spinner itself brings the number into its range.
int SpinEdit::valueFromText(const QString& text) const {
    return parseWholeNumber(text.toLatin1()).value_or(0);
}
