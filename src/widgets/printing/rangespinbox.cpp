#include "widgets/printing/rangespinbox.h"

#include <QLineEdit>
#include <QMessageBox>

#include <algorithm>

namespace {

// What the field can hold: nothing (-1) or up to nine digits, so that no typed
// number is cut short and every one fits an int.
constexpr int kEmpty = -1;
constexpr int kMaxDigits = 9;
constexpr int kLargest = 999999999;

} // namespace

CRangeSpinBox::CRangeSpinBox(QWidget* parent) : QSpinBox(parent)
{
    QSpinBox::setRange(kEmpty, kLargest);
    setAlignment(Qt::AlignRight);
}

void CRangeSpinBox::SetAllowedRange(int minimum, int maximum)
{
    m_minimum = std::max(0, minimum);
    m_maximum = std::clamp(maximum, m_minimum, kLargest);
}

void CRangeSpinBox::SetInitialValue(int value)
{
    setValue(std::clamp(value, m_minimum, m_maximum));
}

std::optional<int> CRangeSpinBox::CheckedValue() const
{
    const QString text = lineEdit()->text().trimmed();
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok || number < m_minimum || number > m_maximum)
        return std::nullopt;
    return number;
}

std::optional<int> CRangeSpinBox::CheckValue(const QString& dialogTitle)
{
    if (const std::optional<int> number = CheckedValue())
        return number;
    QMessageBox::warning(window(), dialogTitle,
                         tr("Bitte geben Sie eine ganze Zahl zwischen %1 und %2 ein.")
                             .arg(m_minimum)
                             .arg(m_maximum));
    setFocus(Qt::OtherFocusReason);
    selectAll();
    return std::nullopt;
}

QValidator::State CRangeSpinBox::validate(QString& input, int& pos) const
{
    Q_UNUSED(pos);
    const QString text = input.trimmed();
    if (text.size() > kMaxDigits)
        return QValidator::Invalid;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return QValidator::Invalid;
    return QValidator::Acceptable;
}

void CRangeSpinBox::fixup(QString& input) const
{
    // Nothing is corrected: what the user typed is what the dialog checks.
    Q_UNUSED(input);
}

int CRangeSpinBox::valueFromText(const QString& text) const
{
    const QString trimmed = text.trimmed();
    return trimmed.isEmpty() ? kEmpty : trimmed.toInt();
}

QString CRangeSpinBox::textFromValue(int value) const
{
    return value == kEmpty ? QString() : QString::number(value);
}

void CRangeSpinBox::stepBy(int steps)
{
    // From an empty or out-of-range entry the buttons lead back into the range
    // first, at the nearer end.
    const int current = value();
    int target;
    if (current == kEmpty)
        target = steps > 0 ? m_minimum : m_maximum;
    else if (current < m_minimum || current > m_maximum)
        target = std::clamp(current, m_minimum, m_maximum);
    else
        target = std::clamp(current + steps, m_minimum, m_maximum);
    setValue(target);
    selectAll();
}

QAbstractSpinBox::StepEnabled CRangeSpinBox::stepEnabled() const
{
    const int current = value();
    if (current == kEmpty)
        return StepUpEnabled | StepDownEnabled;
    StepEnabled enabled = StepNone;
    if (current < m_maximum)
        enabled |= StepUpEnabled;
    if (current > m_minimum)
        enabled |= StepDownEnabled;
    return enabled;
}
