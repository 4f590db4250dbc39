#include "core/format/stringformat.h"

#include <QDate>
#include <QLocale>

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

// Month names are the program's own, not the locale's.
const char* const kGermanMonths[12] = {"Januar",    "Februar", "März",     "April",
                                       "Mai",       "Juni",    "Juli",     "August",
                                       "September", "Oktober", "November", "Dezember"};
const char* const kGermanShortMonths[12] = {"Jan.", "Feb.", "März",  "Apr.", "Mai",  "Juni",
                                            "Juli", "Aug.", "Sept.", "Okt.", "Nov.", "Dez."};
const char* const kEnglishMonths[12] = {"January",   "February", "March",    "April",
                                        "May",       "June",     "July",     "August",
                                        "September", "October",  "November", "December"};

struct LocaleCountry
{
    QLocale::Language language;
    QLocale::Territory territory;
    int countryCode;
};

// The Windows locales the program knows, with their identifiers.
constexpr LocaleCountry kLocaleCountries[] = {
    {QLocale::German, QLocale::Germany, 49},        // 00000407
    {QLocale::German, QLocale::Austria, 43},        // 00000C07
    {QLocale::German, QLocale::Switzerland, 41},    // 00000807
    {QLocale::French, QLocale::Switzerland, 41},    // 0000100C
    {QLocale::Italian, QLocale::Switzerland, 41},   // 00000810
    {QLocale::German, QLocale::Liechtenstein, 41},  // 00001407
    {QLocale::German, QLocale::Luxembourg, 352},    // 00001007
    {QLocale::Dutch, QLocale::Belgium, 32},         // 00000813
    {QLocale::Danish, QLocale::Denmark, 45},        // 00000406
    {QLocale::French, QLocale::France, 33},         // 0000040C
    {QLocale::French, QLocale::Luxembourg, 33},     // 0000140C
    {QLocale::Italian, QLocale::Italy, 39},         // 00000410
    {QLocale::Dutch, QLocale::Netherlands, 31},     // 00000413
    {QLocale::English, QLocale::UnitedStates, 1},   // 00000409
    {QLocale::English, QLocale::UnitedKingdom, 44}, // 00000809
    {QLocale::English, QLocale::Ireland, 353},      // 00001809
};

constexpr int kUnknownLocaleCountry = 49;
constexpr int kMaxCurrencySymbol = 8;
constexpr int kDefaultNumberFormat = 0xFFFF;

QString Month(const char* const (&names)[12], int month)
{
    return QString::fromUtf8(names[month - 1]);
}

// A regional separator fits the member only as one UTF-16 character; anything
// else keeps the present value.
void TakeSeparator(QChar& member, const QString& value)
{
    if (value.size() == 1)
        member = value.front();
}

bool IsCSpace(QChar c)
{
    return c == QLatin1Char(' ') || (c >= QLatin1Char('\t') && c <= QLatin1Char('\r'));
}

bool IsDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The longest prefix of text from pos that the C library reads as a decimal
// floating-point number: sign, digits with at most one point (at least one
// digit), and an exponent only when it has digits.
QString DecimalPrefix(const QString& text, qsizetype pos)
{
    const qsizetype start = pos;
    auto digitsFrom = [&](qsizetype& at) {
        const qsizetype from = at;
        while (at < text.size() && IsDigit(text[at]))
            ++at;
        return at - from;
    };
    if (pos < text.size() && (text[pos] == QLatin1Char('+') || text[pos] == QLatin1Char('-')))
        ++pos;
    qsizetype mantissaDigits = digitsFrom(pos);
    if (pos < text.size() && text[pos] == QLatin1Char('.')) {
        ++pos;
        mantissaDigits += digitsFrom(pos);
    }
    if (mantissaDigits == 0)
        return QString();
    if (pos < text.size() && (text[pos] == QLatin1Char('e') || text[pos] == QLatin1Char('E'))) {
        qsizetype at = pos + 1;
        if (at < text.size() && (text[at] == QLatin1Char('+') || text[at] == QLatin1Char('-')))
            ++at;
        if (digitsFrom(at) > 0)
            pos = at;
    }
    return text.mid(start, pos - start);
}

} // namespace

RegionalValues RegionalValues::ForCountry(int countryCode)
{
    RegionalValues values;
    values.countryCode = countryCode;
    switch (countryCode) {
    case 31:
    case 32:
    case 33:
    case 39:
    case 43:
    case 49:
    case 352:
        values.currencySymbol = QStringLiteral("EUR");
        break;
    case 41:
        values.currencySymbol = QStringLiteral("SFr.");
        break;
    case 45:
        values.currencySymbol = QStringLiteral("kr");
        break;
    case 1:
    case 44:
    case 353:
        values.currencySymbol = countryCode == 1    ? QStringLiteral("$")
                                : countryCode == 44 ? QStringLiteral("£")
                                                    : QStringLiteral("EUR");
        values.thousandsSeparator = QLatin1Char(',');
        values.decimalSeparator = QLatin1Char('.');
        break;
    default:
        break;
    }
    return values;
}

RegionalValues RegionalValues::FromLocale(const QLocale& locale)
{
    RegionalValues values = ForCountry(CountryCodeFor(locale));
    if (locale.language() == QLocale::C)
        return values;
    TakeSeparator(values.thousandsSeparator, locale.groupSeparator());
    TakeSeparator(values.decimalSeparator, locale.decimalPoint());
    const QString currency = locale.currencySymbol();
    if (!currency.isEmpty() && currency.size() <= kMaxCurrencySymbol)
        values.currencySymbol = currency;
    return values;
}

int CountryCodeFor(const QLocale& locale)
{
    if (locale.language() == QLocale::C)
        return -1;
    for (const LocaleCountry& entry : kLocaleCountries)
        if (entry.language == locale.language() && entry.territory == locale.territory())
            return entry.countryCode;
    return kUnknownLocaleCountry;
}

CStringFormat::CStringFormat() : m_values(RegionalValues::FromLocale(QLocale::system())) {}

CStringFormat::CStringFormat(const RegionalValues& values) : m_values(values) {}

QString CStringFormat::FormatDate(int code, int day, int month, int year)
{
    if (day < 1 || day > 31)
        day = 1;
    if (month < 1 || month > 12)
        month = 1;
    const QString dd = QString::asprintf("%02d", day);
    const QString mm = QString::asprintf("%02d", month);
    const QString yyyy = QString::asprintf("%04d", year);
    const QString yy = yyyy.right(2);
    switch (code) {
    case 1:
        return QStringLiteral("%1.%2.%3").arg(dd, mm, yy);
    case 2:
        return QStringLiteral("%1. %2 %3").arg(dd, Month(kGermanMonths, month), yyyy);
    case 3:
        return QStringLiteral("%1. %2 %3").arg(dd, Month(kGermanShortMonths, month), yy);
    case 16:
        return QStringLiteral("%1/%2/%3").arg(mm, dd, yyyy);
    case 17:
        return QStringLiteral("%1/%2/%3").arg(mm, dd, yy);
    case 18:
        return QStringLiteral("%1 %2, %3").arg(Month(kEnglishMonths, month), dd, yyyy);
    default:
        return QStringLiteral("%1.%2.%3").arg(dd, mm, yyyy);
    }
}

QString CStringFormat::FormatDate(int code, const QDate& date)
{
    // QDate gives 0 for each part of an invalid date.
    return FormatDate(code, date.day(), date.month(), date.year());
}

QString CStringFormat::FormatToday(int code)
{
    return FormatDate(code, QDate::currentDate());
}

double CStringFormat::ParseNumber(const QString& text, QChar decimalChar, QChar thousandsChar)
{
    return ReadNumber(text, decimalChar, thousandsChar).value;
}

NumberReading CStringFormat::ReadNumber(const QString& text, QChar decimalChar, QChar thousandsChar)
{
    NumberReading reading;
    if (text.isEmpty())
        return reading;
    QString copy = text;
    bool removed = false;
    for (qsizetype at = copy.indexOf(thousandsChar); at > 0; at = copy.indexOf(thousandsChar)) {
        copy.remove(at, 1);
        removed = true;
    }
    const qsizetype decimalAt = copy.indexOf(decimalChar);
    if (decimalAt >= 0)
        copy[decimalAt] = QLatin1Char('.');

    qsizetype start = 0;
    while (start < copy.size() && IsCSpace(copy[start]))
        ++start;
    const QString number = DecimalPrefix(copy, start);
    if (removed) {
        // The removal ran over the whole text, so the groups must hold every
        // thousands character of it.
        qsizetype at = 0;
        while (at < text.size() && IsCSpace(text[at]))
            ++at;
        if (at < text.size() && (text[at] == QLatin1Char('+') || text[at] == QLatin1Char('-')))
            ++at;
        const qsizetype length = GroupedDigitsLength(text, at, thousandsChar);
        reading.grouped = length > 0 && text.indexOf(thousandsChar, at + length) < 0;
    }
    if (number.isEmpty())
        return reading;
    reading.found = true;
    // QLocale::c() reads without regard to the process's C locale, which the
    // application object has set to the user's.
    reading.value = QLocale::c().toDouble(number);
    reading.whole = std::all_of(copy.cbegin() + start + number.size(), copy.cend(), IsCSpace);
    if (std::isfinite(reading.value))
        reading.exact = DecimalNumber::FromCText(number);
    return reading;
}

qsizetype CStringFormat::GroupedDigitsLength(QStringView text, qsizetype from, QChar thousandsChar)
{
    auto digitsFrom = [&text](qsizetype at) {
        qsizetype end = at;
        while (end < text.size() && IsDigit(text[end]))
            ++end;
        return end - at;
    };
    const qsizetype lead = from < text.size() ? digitsFrom(from) : 0;
    if (lead < 1 || lead > 3)
        return 0;
    qsizetype at = from + lead;
    int groups = 0;
    for (; at < text.size() && text[at] == thousandsChar; at += 4, ++groups) {
        if (digitsFrom(at + 1) != 3)
            return 0;
    }
    return groups > 0 ? at - from : 0;
}

QString CStringFormat::FormatNumber(double value, int code) const
{
    if (const std::optional<DecimalNumber> decimal = DecimalNumber::FromDouble(value))
        return FormatNumber(*decimal, code);
    char buffer[8];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, written.ptr - buffer);
}

QString CStringFormat::FormatNumber(const DecimalNumber& value, int code) const
{
    const quint16 word = quint16(code);
    int decimals = m_values.digits;
    int groupSize = m_values.grouping;
    if (word != kDefaultNumberFormat) {
        if ((word & 0x0F) < 6)
            decimals = word & 0x0F;
        if (((word >> 4) & 0x0F) <= 5)
            groupSize = (word >> 4) & 0x0F;
    }

    QString text = value.ToFixed(decimals);
    qsizetype p = text.indexOf(QLatin1Char('.'));
    if (p >= 0)
        text[p] = m_values.decimalSeparator;
    else
        p = text.size();
    const qsizetype q = text.startsWith(QLatin1Char('-')) ? 1 : 0;
    if (groupSize > 0) {
        while (groupSize < p - q) {
            p -= groupSize;
            text.insert(p, m_values.thousandsSeparator);
        }
    }
    return text;
}
