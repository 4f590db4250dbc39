#include "core/format/linebreaks.h"
#include "core/format/stringformat.h"

#include <QDate>
#include <QLocale>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

RegionalValues German()
{
    return RegionalValues::ForCountry(49);
}

RegionalValues English()
{
    return RegionalValues::ForCountry(44);
}

TEST(StringFormat, FormatDateByCode)
{
    struct Case
    {
        int code, day, month, year;
        const char* expected;
    };
    const Case cases[] = {
        {0, 5, 3, 2024, "05.03.2024"},
        {1, 5, 3, 2024, "05.03.24"},
        {2, 5, 3, 2024, "05. März 2024"},
        {3, 5, 3, 2024, "05. März 24"},
        {16, 5, 3, 2024, "03/05/2024"},
        {17, 5, 3, 2024, "03/05/24"},
        {18, 5, 3, 2024, "March 05, 2024"},
        {3, 9, 1, 2025, "09. Jan. 25"},
        {3, 30, 9, 2025, "30. Sept. 25"},
        {2, 24, 12, 2025, "24. Dezember 2025"},
        {18, 1, 12, 2023, "December 01, 2023"},
        // Unknown codes format like 0; out-of-range day and month count as 1.
        {7, 5, 3, 2024, "05.03.2024"},
        {-1, 5, 3, 2024, "05.03.2024"},
        {0, 32, 13, 2024, "01.01.2024"},
        {2, 0, 0, 2024, "01. Januar 2024"},
        {16, -4, 12, 2024, "12/01/2024"},
        // The two-digit year is the tail of the year written with four digits.
        {1, 5, 3, 7, "05.03.07"},
        {0, 5, 3, 7, "05.03.0007"},
        {17, 5, 3, 12345, "03/05/45"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CStringFormat::FormatDate(c.code, c.day, c.month, c.year),
                  QString::fromUtf8(c.expected))
            << c.code << " " << c.day << "." << c.month << "." << c.year;

    EXPECT_EQ(CStringFormat::FormatDate(2, QDate(2024, 3, 5)), QStringLiteral("05. März 2024"));
    EXPECT_EQ(CStringFormat::FormatDate(0, QDate()), QStringLiteral("01.01.0000"));
}

TEST(StringFormat, ParseNumberReadsTypedNumbers)
{
    struct Case
    {
        const char* text;
        double expected;
    };
    const Case cases[] = {
        {"1.234.567,89", 1234567.89},
        {"", 0.0},
        {"12 kg", 12.0},
        {"  -3,5", -3.5},
        {"+7", 7.0},
        {"1.5", 15.0},      // the full stop is the thousands character
        {"1.000.", 1000.0}, // every one of them goes
        {"1,5,6", 1.5},     // only the first comma is the decimal point
        {"1,5e3", 1500.0},
        {"2e", 2.0},
        {"abc", 0.0},
        {"-", 0.0},
        {"0x10", 0.0}, // decimal numbers only
        // A thousands character at the very start stops the removal and is then
        // read as the decimal point.
        {".5", 0.5},
        {".5.000", 0.5},
        {"..5", 0.0},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(CStringFormat::ParseNumber(QString::fromUtf8(c.text), QLatin1Char(','),
                                                    QLatin1Char('.')),
                         c.expected)
            << c.text;

    EXPECT_DOUBLE_EQ(
        CStringFormat::ParseNumber(QStringLiteral("1 234.5"), QLatin1Char('.'), QLatin1Char(' ')),
        1234.5);
    EXPECT_TRUE(std::isinf(
        CStringFormat::ParseNumber(QStringLiteral("1e999"), QLatin1Char(','), QLatin1Char('.'))));
}

// What ReadNumber tells beside the value: whether the number was the whole
// text and whether its thousands characters stood between groups of three.
TEST(StringFormat, ReadNumberTellsWhatTheReadingLeftOut)
{
    struct Case
    {
        const char* text;
        bool found;
        bool whole;
        bool grouped;
        const char* exact; // the digits read, as a C number; null for none
    };
    const Case cases[] = {
        {"1.234.567,89", true, true, true, "1234567.89"},
        {"  -1.234 ", true, true, true, "-1234"},
        {"1,005", true, true, true, "1.005"},
        {"1,5e3", true, true, true, "1500"},
        {"12.5", true, true, false, "125"},
        {"1.000.", true, true, false, "1000"},
        {"1.0000", true, true, false, "10000"},
        {"1000.000", true, true, false, "1000000"},
        {"7 Paletten", true, false, true, "7"},
        {"1.000 kg", true, false, true, "1000"},
        {"7 Pal.", true, false, false, "7"},
        {"abc", false, false, true, nullptr},
        {"ca. 7", false, false, false, nullptr},
        {"", false, false, true, nullptr},
        {"1e999", true, true, true, nullptr}, // an infinity as a double
    };
    for (const Case& c : cases) {
        const NumberReading reading = CStringFormat::ReadNumber(QString::fromUtf8(c.text),
                                                                QLatin1Char(','), QLatin1Char('.'));
        EXPECT_EQ(reading.found, c.found) << c.text;
        EXPECT_EQ(reading.whole, c.whole) << c.text;
        EXPECT_EQ(reading.grouped, c.grouped) << c.text;
        if (c.exact)
            EXPECT_EQ(reading.exact, DecimalNumber::FromCText(QString::fromUtf8(c.exact)))
                << c.text;
        else
            EXPECT_FALSE(reading.exact) << c.text;
    }
}

TEST(StringFormat, GroupedDigitsLength)
{
    struct Case
    {
        const char* text;
        int from;
        int expected;
    };
    const Case cases[] = {
        {"1.000", 0, 5},   {"12.500", 0, 6},   {"1.000.000", 0, 9}, {"-1.000", 1, 5},
        {"1.234,5", 0, 5}, {"1.000 kg", 0, 5}, {"1000", 0, 0},      {"1.00", 0, 0},
        {"1.0000", 0, 0},  {"1000.000", 0, 0}, {"1.000.", 0, 0},    {".000", 0, 0},
        {"", 0, 0},        {"1.000", 5, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(
            CStringFormat::GroupedDigitsLength(QString::fromUtf8(c.text), c.from, QLatin1Char('.')),
            c.expected)
            << c.text;
}

// Rounding and adding on the digits, halves away from zero, at any number of
// places and of any size.
TEST(DecimalNumber, RoundsAndAddsOnItsDigits)
{
    struct Case
    {
        const char* a;
        const char* b; // added to a; null for none
        int decimals;
        const char* expected;
    };
    const Case cases[] = {
        {"2.5", nullptr, 0, "3"},
        {"-2.5", nullptr, 0, "-3"},
        {"0.5", nullptr, 0, "1"},
        {"0.49999999999999999999", nullptr, 0, "0"},
        {"0.25", nullptr, 1, "0.3"},
        {"0.125", nullptr, 2, "0.13"},
        {"-0.125", nullptr, 2, "-0.13"},
        {"1.005", nullptr, 2, "1.01"},
        {"9.995", nullptr, 2, "10.00"},
        {"0.0625", nullptr, 3, "0.063"},
        {"-0.0005", nullptr, 3, "-0.001"},
        {"-0.0004", nullptr, 3, "0.000"},
        {"0.004", nullptr, 2, "0.00"},
        {"00012.3400", nullptr, 3, "12.340"},
        {"1e3", nullptr, 0, "1000"},
        {"15e-2", nullptr, 1, "0.2"},
        {"123", nullptr, 2, "123.00"},
        {"-0", nullptr, 1, "0.0"},
        {"1.004", "0.001", 2, "1.01"},
        {"0.1", "0.2", 17, "0.30000000000000000"},
        {"-20", "20", 0, "0"},
        {"100000000000000000000", "-1", 0, "99999999999999999999"},
        {"-1.5", "0.25", 2, "-1.25"},
        {"0.75", "-1", 1, "-0.3"},
        {"99999999999999999999.5", "0.5", 0, "100000000000000000000"},
    };
    for (const Case& c : cases) {
        std::optional<DecimalNumber> value = DecimalNumber::FromCText(QString::fromUtf8(c.a));
        ASSERT_TRUE(value) << c.a;
        if (c.b) {
            const std::optional<DecimalNumber> other =
                DecimalNumber::FromCText(QString::fromUtf8(c.b));
            ASSERT_TRUE(other) << c.b;
            value = *value + *other;
        }
        EXPECT_EQ(value->ToFixed(c.decimals).toStdString(), c.expected) << c.a;
    }

    for (const char* text : {"", "+", ".", "-.", "1.2.3", "1e", "1e+", " 1", "1 ", "0x10", "1,5"})
        EXPECT_FALSE(DecimalNumber::FromCText(QString::fromUtf8(text))) << text;
}

TEST(DecimalNumber, FromDoubleTakesTheShortestDigits)
{
    EXPECT_EQ(DecimalNumber::FromDouble(1.005), DecimalNumber::FromCText(u"1.005"));
    EXPECT_EQ(DecimalNumber::FromDouble(0.1 + 0.2),
              DecimalNumber::FromCText(u"0.30000000000000004"));
    EXPECT_EQ(DecimalNumber::FromDouble(-1e20), DecimalNumber::FromCText(u"-1e20"));
    EXPECT_EQ(DecimalNumber::FromDouble(-0.0), DecimalNumber());
    EXPECT_FALSE(DecimalNumber::FromDouble(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(DecimalNumber::FromDouble(std::numeric_limits<double>::quiet_NaN()));
}

TEST(StringFormat, FormatNumberGroupsAndRounds)
{
    struct Case
    {
        RegionalValues values;
        double value;
        int code;
        const char* expected;
    };
    RegionalValues noGrouping = German();
    noGrouping.grouping = 0;
    const Case cases[] = {
        {German(), 1234567.891, 48 + 2, "1.234.567,89"},
        {German(), 999.6, 48, "1.000"},
        {German(), -123.4, 48 + 1, "-123,4"},
        {German(), -1234.5, 48 + 1, "-1.234,5"},
        {German(), -123456.0, 48, "-123.456"}, // no separator right after the sign
        {German(), 1500.0, 48 + 2, "1.500,00"},
        {German(), 0.0, 48 + 3, "0,000"},
        // Halves round away from zero, on the decimal digits of the value: the
        // double nearest to 1.005 lies below it, 0.125 and 2.0625 are exact
        // halves that printf would round to even.
        {German(), 2.5, 48, "3"},
        {German(), 300.5, 48, "301"},
        {German(), 300.7, 48, "301"},
        {German(), 0.5, 48, "1"},
        {German(), 999.5, 48, "1.000"},
        {German(), 0.49999999999999994, 48, "0"},
        {German(), 0.25, 48 + 1, "0,3"},
        {German(), 0.35, 48 + 1, "0,4"},
        {German(), 0.125, 48 + 2, "0,13"},
        {German(), 1.005, 48 + 2, "1,01"},
        {German(), 2.675, 48 + 2, "2,68"},
        {German(), 1.004, 48 + 2, "1,00"},
        {German(), 2.0625, 48 + 3, "2,063"},
        {German(), 1.0005, 48 + 3, "1,001"},
        {German(), 1.000005, 48 + 5, "1,00001"},
        {German(), -2.5, 48, "-3"},
        {German(), -0.125, 48 + 2, "-0,13"},
        {German(), -1.005, 48 + 2, "-1,01"},
        {German(), -1234.55, 48 + 1, "-1.234,6"},
        {German(), -0.004, 48 + 2, "0,00"}, // no sign before a value rounded to 0
        {German(), 1e20, 48, "100.000.000.000.000.000.000"},
        // 0xFFFF (or -1): the regional decimals and grouping.
        {German(), 1234.5, 0xFFFF, "1.234,50"},
        {German(), 1234.5, -1, "1.234,50"},
        // Decimals from 6 up and group sizes above 5 fall back to the regional ones.
        {German(), 1234567.0, 0x26, "1.23.45.67,00"},
        {German(), 1234.5, 0x63, "1.234,500"},
        // A group size of 0 means no grouping.
        {German(), 1234567.0, 0, "1234567"},
        {noGrouping, 1234567.0, -1, "1234567,00"},
        {English(), 1234567.891, 48 + 2, "1,234,567.89"},
        {English(), -0.5, 48 + 1, "-0.5"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CStringFormat(c.values).FormatNumber(c.value, c.code),
                  QString::fromUtf8(c.expected))
            << c.value << " code " << c.code;
}

TEST(StringFormat, CountryDefaults)
{
    struct Case
    {
        int country;
        const char* currency;
        char thousands, decimal;
    };
    const Case cases[] = {
        {49, "EUR", '.', ','},  {31, "EUR", '.', ','},  {352, "EUR", '.', ','},
        {41, "SFr.", '.', ','}, {45, "kr", '.', ','},   {1, "$", ',', '.'},
        {44, "£", ',', '.'},    {353, "EUR", ',', '.'}, {7, " ", '.', ','},
        {-1, " ", '.', ','},
    };
    for (const Case& c : cases) {
        const RegionalValues values = RegionalValues::ForCountry(c.country);
        EXPECT_EQ(values.countryCode, c.country);
        EXPECT_EQ(values.currencySymbol, QString::fromUtf8(c.currency)) << c.country;
        EXPECT_EQ(values.thousandsSeparator, QLatin1Char(c.thousands)) << c.country;
        EXPECT_EQ(values.decimalSeparator, QLatin1Char(c.decimal)) << c.country;
        EXPECT_EQ(values.grouping, 3);
        EXPECT_EQ(values.digits, 2);
    }
}

TEST(StringFormat, CountryCodeOfLocale)
{
    struct Case
    {
        const char* locale;
        int country;
    };
    const Case cases[] = {
        {"de_DE", 49},
        {"de_AT", 43},
        {"de_CH", 41},
        {"fr_CH", 41},
        {"it_CH", 41},
        {"de_LI", 41},
        {"de_LU", 352},
        {"nl_BE", 32},
        {"da_DK", 45},
        {"fr_FR", 33},
        {"fr_LU", 33},
        {"it_IT", 39},
        {"nl_NL", 31},
        {"en_US", 1},
        {"en_GB", 44},
        {"en_IE", 353},
        // Locales the program does not know count as German; C stands for none.
        {"fr_BE", 49},
        {"es_ES", 49},
        {"en_CA", 49},
        {"C", -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CountryCodeFor(QLocale(QLatin1String(c.locale))), c.country) << c.locale;
}

TEST(StringFormat, RegionalValuesFromLocale)
{
    const RegionalValues de = RegionalValues::FromLocale(QLocale(QStringLiteral("de_DE")));
    EXPECT_EQ(de.countryCode, 49);
    EXPECT_EQ(de.thousandsSeparator, QLatin1Char('.'));
    EXPECT_EQ(de.decimalSeparator, QLatin1Char(','));
    EXPECT_EQ(de.currencySymbol, QStringLiteral("€"));

    const RegionalValues gb = RegionalValues::FromLocale(QLocale(QStringLiteral("en_GB")));
    EXPECT_EQ(gb.countryCode, 44);
    EXPECT_EQ(gb.thousandsSeparator, QLatin1Char(','));
    EXPECT_EQ(gb.decimalSeparator, QLatin1Char('.'));
    EXPECT_EQ(gb.currencySymbol, QStringLiteral("£"));
    EXPECT_EQ(CStringFormat(gb).FormatNumber(1234.5, 48 + 2), QStringLiteral("1,234.50"));

    // No locale: the defaults, whatever the C locale's own separators are.
    const RegionalValues none = RegionalValues::FromLocale(QLocale::c());
    EXPECT_EQ(none.countryCode, -1);
    EXPECT_EQ(none.thousandsSeparator, QLatin1Char('.'));
    EXPECT_EQ(none.decimalSeparator, QLatin1Char(','));
    EXPECT_EQ(none.currencySymbol, QStringLiteral(" "));
}

} // namespace

TEST(LineBreaks, StoredTextsUseCrLfEditControlsLf)
{
    const struct
    {
        const char* stored;
        const char* edited;
    } cases[] = {
        {"a\r\nb", "a\nb"},
        {"a\rb", "a\nb"}, // a lone CR is a line break too
        {"a\r\n\r\nb", "a\n\nb"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToEditLines(QString::fromUtf8(c.stored)), QString::fromUtf8(c.edited));
        EXPECT_EQ(ToStoredLines(QString::fromUtf8(c.edited)),
                  ToStoredLines(QString::fromUtf8(c.stored)));
    }
    EXPECT_EQ(ToStoredLines(QStringLiteral("a\nb")), QStringLiteral("a\r\nb"));
    EXPECT_EQ(TrimTrailingSpace(QStringLiteral("abc \t\r\n")), QStringLiteral("abc"));
}
