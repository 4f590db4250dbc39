#include "core/format/decimalnumber.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

// Beyond any exponent a text in a box can balance with digits; a larger one
// only has to stay larger without overflowing.
constexpr qint64 kExponentLimit = qint64(1) << 40;

bool IsDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

int DigitAt(const std::string& digits, qint64 i)
{
    return i >= 0 ? digits[size_t(i)] - '0' : 0;
}

// Magnitudes as digit strings of equal exponent, most significant first.
int CompareMagnitudes(const std::string& a, const std::string& b)
{
    const std::string::size_type start = std::min(a.find_first_not_of('0'), a.size());
    const std::string::size_type startB = std::min(b.find_first_not_of('0'), b.size());
    const auto lengthA = a.size() - start;
    const auto lengthB = b.size() - startB;
    if (lengthA != lengthB)
        return lengthA < lengthB ? -1 : 1;
    return a.compare(start, lengthA, b, startB, lengthB);
}

std::string AddMagnitudes(const std::string& a, const std::string& b)
{
    std::string sum;
    int carry = 0;
    for (qint64 i = qint64(a.size()) - 1, j = qint64(b.size()) - 1; i >= 0 || j >= 0 || carry;
         --i, --j) {
        const int digit = DigitAt(a, i) + DigitAt(b, j) + carry;
        sum.push_back(char('0' + digit % 10));
        carry = digit / 10;
    }
    std::reverse(sum.begin(), sum.end());
    return sum;
}

// a - b for a >= b.
std::string SubtractMagnitudes(const std::string& a, const std::string& b)
{
    std::string difference;
    int borrow = 0;
    for (qint64 i = qint64(a.size()) - 1, j = qint64(b.size()) - 1; i >= 0; --i, --j) {
        int digit = DigitAt(a, i) - DigitAt(b, j) - borrow;
        borrow = digit < 0 ? 1 : 0;
        difference.push_back(char('0' + digit + 10 * borrow));
    }
    std::reverse(difference.begin(), difference.end());
    return difference;
}

} // namespace

DecimalNumber::DecimalNumber(bool negative, std::string digits, qint64 exponent)
{
    const auto first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return; // 0, without a sign
    const auto last = digits.find_last_not_of('0');
    m_negative = negative;
    m_exponent = exponent + qint64(digits.size() - 1 - last);
    m_digits = digits.substr(first, last - first + 1);
}

std::optional<DecimalNumber> DecimalNumber::FromCText(QStringView text)
{
    qsizetype at = 0;
    bool negative = false;
    if (at < text.size() && (text[at] == QLatin1Char('+') || text[at] == QLatin1Char('-')))
        negative = text[at++] == QLatin1Char('-');
    std::string digits;
    qint64 exponent = 0;
    bool point = false;
    for (; at < text.size(); ++at) {
        if (IsDigit(text[at])) {
            digits.push_back(char(text[at].unicode()));
            if (point)
                --exponent;
        } else if (text[at] == QLatin1Char('.') && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digits.empty())
        return std::nullopt;
    if (at < text.size() && (text[at] == QLatin1Char('e') || text[at] == QLatin1Char('E'))) {
        ++at;
        bool negativeExponent = false;
        if (at < text.size() && (text[at] == QLatin1Char('+') || text[at] == QLatin1Char('-')))
            negativeExponent = text[at++] == QLatin1Char('-');
        const qsizetype first = at;
        qint64 power = 0;
        for (; at < text.size() && IsDigit(text[at]); ++at)
            power = std::min(power * 10 + (text[at].unicode() - '0'), kExponentLimit);
        if (at == first)
            return std::nullopt;
        exponent += negativeExponent ? -power : power;
    }
    if (at != text.size())
        return std::nullopt;
    return DecimalNumber(negative, std::move(digits), exponent);
}

std::optional<DecimalNumber> DecimalNumber::FromDouble(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    // The shortest form that reads back as the same double, as std::to_chars
    // writes it without a precision.
    char buffer[64];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    return FromCText(QString::fromLatin1(buffer, written.ptr - buffer));
}

DecimalNumber DecimalNumber::Rounded(int decimals) const
{
    const qint64 dropped = -qint64(decimals) - m_exponent;
    if (dropped <= 0)
        return *this;
    const qint64 kept = qint64(m_digits.size()) - dropped;
    if (kept < 0)
        return DecimalNumber(); // below a tenth of the last place kept
    std::string digits = m_digits.substr(0, size_t(kept));
    if (m_digits[size_t(kept)] >= '5')
        digits = AddMagnitudes(digits, "1");
    return DecimalNumber(m_negative, std::move(digits), -qint64(decimals));
}

QString DecimalNumber::ToFixed(int decimals) const
{
    const DecimalNumber rounded = Rounded(decimals);
    std::string whole = rounded.m_digits;
    std::string fraction;
    if (rounded.m_exponent >= 0) {
        whole.append(size_t(rounded.m_exponent), '0');
    } else {
        const size_t places = size_t(-rounded.m_exponent);
        if (whole.size() <= places)
            whole.insert(0, places - whole.size() + 1, '0');
        fraction = whole.substr(whole.size() - places);
        whole.erase(whole.size() - places);
    }
    if (whole.empty())
        whole = "0";
    fraction.append(size_t(decimals) - fraction.size(), '0');
    std::string text = rounded.m_negative ? "-" + whole : whole;
    if (decimals > 0)
        text += '.' + fraction;
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

DecimalNumber operator+(const DecimalNumber& a, const DecimalNumber& b)
{
    if (a.IsZero())
        return b;
    if (b.IsZero())
        return a;
    const qint64 exponent = std::min(a.m_exponent, b.m_exponent);
    const std::string x = a.m_digits + std::string(size_t(a.m_exponent - exponent), '0');
    const std::string y = b.m_digits + std::string(size_t(b.m_exponent - exponent), '0');
    if (a.m_negative == b.m_negative)
        return DecimalNumber(a.m_negative, AddMagnitudes(x, y), exponent);
    const int order = CompareMagnitudes(x, y);
    if (order == 0)
        return DecimalNumber();
    return order > 0 ? DecimalNumber(a.m_negative, SubtractMagnitudes(x, y), exponent)
                     : DecimalNumber(b.m_negative, SubtractMagnitudes(y, x), exponent);
}
