#pragma once

#include <QSpinBox>

#include <optional>

// A number field with step buttons whose range is checked when the dialog
// takes its value, not while the user types. QSpinBox corrects a typed value
// behind the user's back (0 becomes the last valid value, the third digit of
// 150 is dropped, an emptied field reverts on leaving it); here the field keeps
// exactly what was typed, and the dialog refuses a value outside the range with
// a message (CheckValue) instead of printing or storing another one.
//
// The step buttons keep to the range; from an empty field they go to its lower
// (up) or upper (down) end, from a number outside it to its nearer end.
// value() answers -1 for an empty field and any typed number as it stands; use
// CheckedValue() for the number the dialog may use.
class CRangeSpinBox : public QSpinBox
{
    Q_OBJECT

public:
    explicit CRangeSpinBox(QWidget* parent = nullptr);

    // The numbers the dialog accepts. A value set later with SetInitialValue is
    // brought into this range (a stored setting is no typed entry).
    void SetAllowedRange(int minimum, int maximum);
    int AllowedMinimum() const { return m_minimum; }
    int AllowedMaximum() const { return m_maximum; }
    void SetInitialValue(int value);

    // The typed number when it lies within the allowed range.
    std::optional<int> CheckedValue() const;
    // CheckedValue, or: the message "Bitte geben Sie eine ganze Zahl zwischen
    // <min> und <max> ein." over `dialogTitle`, the focus back on the field and
    // its text selected, and nothing.
    std::optional<int> CheckValue(const QString& dialogTitle);

    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
    void stepBy(int steps) override;

protected:
    int valueFromText(const QString& text) const override;
    QString textFromValue(int value) const override;
    StepEnabled stepEnabled() const override;

private:
    int m_minimum = 0;
    int m_maximum = 99;
};
