#pragma once

#include "core/format/decimalnumber.h"

#include <QChar>
#include <QString>
#include <QStringView>

#include <optional>

class QDate;
class QLocale;

// The user's number conventions as the formatter uses them. Tests build one by
// hand; the program takes the user's locale (FromLocale).
struct RegionalValues
{
    QChar thousandsSeparator = QLatin1Char('.');
    QChar decimalSeparator = QLatin1Char(',');
    QString currencySymbol = QStringLiteral(" ");
    quint16 grouping = 3; // digits per group; 0 means no grouping
    quint16 digits = 2;   // decimals when a number format code asks for the default
    int countryCode = -1; // telephone country code of the locale, -1 without one

    // The defaults of a country: German separators, except the English ones
    // ("," thousands, "." decimal) for 1, 44 and 353; the currency symbol by
    // country (" " for codes the program does not know).
    static RegionalValues ForCountry(int countryCode);
    // ForCountry(CountryCodeFor(locale)), then the locale's own thousands and
    // decimal separators and currency symbol where it has them. The C locale
    // counts as no locale and keeps the defaults of country -1. The locale's
    // grouping and number of decimals are not published by Qt; they stay at the
    // country defaults (3 and 2).
    static RegionalValues FromLocale(const QLocale& locale);
};

// The telephone country code the program assigns to a locale: 49, 43, 41, 352,
// 32, 45, 33, 39, 31, 1, 44 or 353 for the Windows locales it knows (de-DE,
// de-AT, the Swiss and Liechtenstein ones, de-LU, nl-BE, da-DK, fr-FR and fr-LU,
// it-IT, nl-NL, en-US, en-GB, en-IE); 49 for any other locale; -1 for the C
// locale, which stands for none.
int CountryCodeFor(const QLocale& locale);

// A typed number as ParseNumber reads it, and what the reading left out, so
// that a caller can tell a user whose text lost more than white space.
struct NumberReading
{
    double value = 0.0; // ParseNumber's result
    bool found = false; // a number was read at all (the value is 0 otherwise)
    // The number took the whole text: nothing but white space and removed
    // thousands characters around it.
    bool whole = false;
    // Every thousands character that was removed stood between groups of three
    // digits of the number's whole part ("1.234.567,8"); "12.5" read as 125 is
    // not grouped.
    bool grouped = true;
    // The number digit for digit as it was read; none when no number was read
    // or when it is beyond a double (an infinity).
    std::optional<DecimalNumber> exact;
};

// Dates and numbers as the forms write them, and numbers as users type them.
// A value class, created where it is needed; creating it with no argument reads
// the user's locale (QLocale::system()).
class CStringFormat
{
public:
    CStringFormat();
    explicit CStringFormat(const RegionalValues& values);

    const RegionalValues& Values() const { return m_values; }
    int GetCountryCode() const { return m_values.countryCode; }

    // Format codes: 0 "05.03.2024", 1 "05.03.24", 2 "05. März 2024",
    // 3 "05. März 24" (short German month names), 16 "03/05/2024", 17 "03/05/24",
    // 18 "March 05, 2024"; any other code formats like 0. A day outside 1..31 and
    // a month outside 1..12 count as 1. The two-digit year is the last two
    // characters of the year written with at least four digits.
    static QString FormatDate(int code, int day, int month, int year);
    // An invalid date formats as day 1, month 1, year 0.
    static QString FormatDate(int code, const QDate& date);
    // Today's local date.
    static QString FormatToday(int code);

    // Reads a typed number: the thousands character is removed wherever it occurs
    // except at the very start (which stops the removal), the first decimal
    // character becomes the decimal point, and the longest leading decimal number
    // (after white space) is read, independent of any locale. No number gives 0;
    // an overflow gives an infinity.
    static double ParseNumber(const QString& text, QChar decimalChar, QChar thousandsChar);
    // ParseNumber with the details of the reading.
    static NumberReading ReadNumber(const QString& text, QChar decimalChar, QChar thousandsChar);
    // How many characters from `from` on are digits in groups of three: one to
    // three digits, then one or more times the thousands character and exactly
    // three digits, with no digit and no thousands character right after them
    // ("1.234.567" gives 9). 0 when the text there is not such a run.
    static qsizetype GroupedDigitsLength(QStringView text, qsizetype from, QChar thousandsChar);

    // Writes a number in fixed-point with the regional separators. Code 0xFFFF
    // (-1) takes the regional decimals and grouping; otherwise bits 0-3 give the
    // decimals (regional ones from 6 up) and bits 4-7 the group size (regional
    // one above 5), so 48 + n gives n decimals in groups of three. A group size
    // of 0 means no grouping. Rounds on the value's shortest decimal form (the
    // digits that read back as the same double, so 1.005 and not the binary
    // fraction just below it), an exact half away from zero: 2.5 gives 3,
    // -0.125 with two decimals -0,13. No separator follows the minus sign, and
    // no minus sign stands before a value rounded to 0. Infinities and NaN are
    // written as printf writes them.
    QString FormatNumber(double value, int code) const;
    // The same for a number kept as its digits, rounded on exactly those.
    QString FormatNumber(const DecimalNumber& value, int code) const;

private:
    RegionalValues m_values;
};
