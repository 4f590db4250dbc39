#pragma once

#include <QString>
#include <QStringView>

#include <optional>
#include <string>

// A decimal number kept as its digits, of any length, so that sums and
// rounding work on the digits a user typed and not on the nearest binary
// fraction: the double nearest to 1.005 lies just below it and would round
// down to 1.00, and 1.004 + 0.001 as doubles is not 1.005 either.
//
// A value class. Its size is that of its significant digits; writing it
// (ToFixed) writes every digit before the point, so 1e300 gives 301 of them.
// Callers keep what they write within sense (a finite double, a typed count).
class DecimalNumber
{
public:
    DecimalNumber() = default; // 0

    // The whole of `text` in the C library's form of a decimal number: an
    // optional sign, digits with at most one '.' (at least one digit), an
    // optional exponent ('e' or 'E', an optional sign, digits). Null for any
    // other text, white space included.
    static std::optional<DecimalNumber> FromCText(QStringView text);
    // The shortest decimal that reads back as `value`: 1.005 for the double
    // nearest to 1.005. Null for infinities and NaN.
    static std::optional<DecimalNumber> FromDouble(double value);

    bool IsZero() const { return m_digits.empty(); }
    bool IsNegative() const { return m_negative; }

    // Rounded to `decimals` (0 or more) places after the point, an exact half
    // away from zero, as merchants round: 2.5 gives 3, -0.125 gives -0.13.
    DecimalNumber Rounded(int decimals) const;
    // Fixed-point with '.' as the point and exactly `decimals` places, rounded
    // as Rounded; no grouping. The minus sign stands only before a value that
    // is not 0 after rounding.
    QString ToFixed(int decimals) const;

    friend DecimalNumber operator+(const DecimalNumber& a, const DecimalNumber& b);
    friend bool operator==(const DecimalNumber& a, const DecimalNumber& b)
    {
        return a.m_negative == b.m_negative && a.m_digits == b.m_digits &&
               a.m_exponent == b.m_exponent;
    }
    friend bool operator!=(const DecimalNumber& a, const DecimalNumber& b) { return !(a == b); }

private:
    DecimalNumber(bool negative, std::string digits, qint64 exponent);

    bool m_negative = false;
    std::string m_digits;  // '0'..'9' without leading or trailing zeros; empty for 0
    qint64 m_exponent = 0; // the value is digits x 10^exponent
};
