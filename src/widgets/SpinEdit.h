#pragma once

#include <QSpinBox>

// A whole-number spinner that keeps a typed number as typed: only digits, "+" and "-" can be
// typed, any such text is read at once (empty or unreadable text as 0, a number outside the
// range as its nearest bound), and the text is brought into the range when the spinner
// loses the focus. The buttons, arrow keys and wheel step by 1, the page keys by 10, and
// stepping stops at the bounds.
class SpinEdit : public QSpinBox {
    Q_OBJECT
public:
    SpinEdit(int minimum, int maximum, QWidget* parent = nullptr);

    QValidator::State validate(QString& input, int& pos) const override;

protected:
    int valueFromText(const QString& text) const override;
};
