// Numbers, amounts and dates as boxes hold them: what reads as a value, what
// does not (and keeps its text), and how values are written back.
#include "core/exchange/boxvalues.h"
#include "testsupport.h"

#include <gtest/gtest.h>

namespace {

using Exchange::Quantity;
using Exchange::QuantityKind;

struct QuantityCase
{
    const char* what;
    QuantityKind kind;
    const char* text;
    const char* value; // C form, null: no value
    const char* unit;
};

void PrintTo(const QuantityCase& c, std::ostream* os)
{
    *os << c.what;
}

const QuantityCase kQuantities[] = {
    {"weight with thousands point", QuantityKind::Weight, "4.850", "4850", "KGM"},
    {"weight with decimal comma", QuantityKind::Weight, "120,5", "120.5", "KGM"},
    {"weight in tonnes", QuantityKind::Weight, "2,5 t", "2.5", "TNE"},
    {"weight with kg", QuantityKind::Weight, "12 kg", "12", "KGM"},
    {"point between too few digits is no number", QuantityKind::Weight, "12.5", nullptr, ""},
    {"words are no number", QuantityKind::Weight, "ca. zwölf", nullptr, ""},
    {"volume", QuantityKind::Volume, "18,5", "18.5", "MTQ"},
    {"volume in litres", QuantityKind::Volume, "400 l", "400", "LTR"},
    {"volume in a weight-or-volume box", QuantityKind::WeightOrVolume, "2,5 m³", "2.5", "MTQ"},
    {"weight in a weight-or-volume box", QuantityKind::WeightOrVolume, "9.600", "9600", "KGM"},
    {"count", QuantityKind::Count, "12", "12", ""},
    {"count with decimals is no count", QuantityKind::Count, "1,5", nullptr, ""},
    {"amount with code after", QuantityKind::Amount, "1.500,00 EUR", "1500", "EUR"},
    {"amount with symbol before and no cents", QuantityKind::Amount, "€ 1.500,-", "1500", "EUR"},
    {"amount in Swiss francs", QuantityKind::Amount, "1.250,50 SFr.", "1250.5", "CHF"},
    {"amount without currency", QuantityKind::Amount, "850,00", "850", ""},
    {"amount with an unknown currency", QuantityKind::Amount, "100 Taler", nullptr, ""},
};

class ReadQuantity : public ::testing::TestWithParam<QuantityCase>
{
};

TEST_P(ReadQuantity, readsTheValueOrKeepsTheText)
{
    const QuantityCase& c = GetParam();
    const Quantity read = Exchange::ReadQuantity(QString::fromUtf8(c.text), c.kind);
    EXPECT_EQ(read.text, QString::fromUtf8(c.text));
    if (c.value) {
        ASSERT_TRUE(read.value);
        EXPECT_EQ(*read.value, *DecimalNumber::FromCText(QString::fromLatin1(c.value)));
        EXPECT_EQ(read.unit, QString::fromLatin1(c.unit));
        // Written back and read again, the value stays.
        const Quantity again = Exchange::ReadQuantity(Exchange::QuantityText(read, c.kind), c.kind);
        EXPECT_EQ(again, read) << Exchange::QuantityText(read, c.kind).toStdString();
    } else {
        EXPECT_FALSE(read.value);
    }
}

INSTANTIATE_TEST_SUITE_P(Boxes, ReadQuantity, ::testing::ValuesIn(kQuantities),
                         [](const ::testing::TestParamInfo<QuantityCase>& info) {
                             return TestCaseName(info.param.what);
                         });

TEST(Amounts, unitsAndCentsBoxesAreOneAmount)
{
    EXPECT_EQ(*Exchange::ReadAmount(QStringLiteral("1.011"), QStringLiteral("50")).value,
              *DecimalNumber::FromCText(QStringLiteral("1011.5")));
    EXPECT_EQ(*Exchange::ReadAmount(QStringLiteral("-12"), QStringLiteral("5")).value,
              *DecimalNumber::FromCText(QStringLiteral("-12.5")));
    EXPECT_EQ(*Exchange::ReadAmount(QStringLiteral("850"), QStringLiteral("--")).value,
              *DecimalNumber::FromCText(QStringLiteral("850")));
    const Quantity odd = Exchange::ReadAmount(QStringLiteral("850"), QStringLiteral("abc"));
    EXPECT_FALSE(odd.value);
    EXPECT_EQ(odd.text, QStringLiteral("850,abc"));
    Quantity amount;
    amount.value = DecimalNumber::FromCText(QStringLiteral("1011.5"));
    EXPECT_EQ(Exchange::AmountTexts(amount), QStringList({"1.011", "50"}));
    amount.value = DecimalNumber::FromCText(QStringLiteral("-0.5"));
    EXPECT_EQ(Exchange::AmountTexts(amount), QStringList({"-0", "50"}));
    EXPECT_EQ(*Exchange::ReadAmount(QStringLiteral("-0"), QStringLiteral("50")).value,
              *DecimalNumber::FromCText(QStringLiteral("-0.5")));
}

struct DateCase
{
    const char* text;
    int year, month, day;
};

TEST(Dates, everyFormatTheProgramWritesReadsBack)
{
    const DateCase cases[] = {
        {"05.03.2024", 2024, 3, 5},  {"05.03.24", 2024, 3, 5},       {"05. März 2024", 2024, 3, 5},
        {"05. März 24", 2024, 3, 5}, {"09. Jan. 25", 2025, 1, 9},    {"03/05/2024", 2024, 3, 5},
        {"03/05/24", 2024, 3, 5},    {"March 05, 2024", 2024, 3, 5}, {"2024-03-05", 2024, 3, 5},
        {"5.3.2024", 2024, 3, 5},    {"am 05.03.2024", 2024, 3, 5},
    };
    for (const DateCase& c : cases)
        EXPECT_EQ(Exchange::ReadDate(QString::fromUtf8(c.text)).date, QDate(c.year, c.month, c.day))
            << c.text;
    EXPECT_FALSE(Exchange::ReadDate(QStringLiteral("31.02.2024")).date.isValid());
    EXPECT_FALSE(Exchange::ReadDate(QStringLiteral("nächste Woche")).date.isValid());
    for (int code : {0, 1, 2, 3, 16, 17, 18}) {
        Exchange::DateText date;
        date.date = QDate(2024, 12, 31);
        EXPECT_EQ(Exchange::ReadDate(Exchange::DateTextFor(date, code)).date, date.date) << code;
    }
}

TEST(Dates, placeAndDateInOneBox)
{
    struct Case
    {
        const char* text;
        const char* place;
        QDate date;
        QTime time;
    } const cases[] = {
        {"Bremen - 05.03.2024", "Bremen", QDate(2024, 3, 5), QTime()},
        {"Bremen, den 5. März 2024", "Bremen", QDate(2024, 3, 5), QTime()},
        {"Lyon, le 05.03.2024 14:30", "Lyon", QDate(2024, 3, 5), QTime(14, 30)},
        {"Bremen\n05.03.2024", "Bremen", QDate(2024, 3, 5), QTime()},
        {"05.03.2024", "", QDate(2024, 3, 5), QTime()},
        {"Bremen", "Bremen", QDate(), QTime()},
        {"Baden-Baden 05.03.2024 Halle 3", "Baden-Baden Halle 3", QDate(2024, 3, 5), QTime()},
    };
    for (const auto& c : cases) {
        const Exchange::PlaceAndDate read = Exchange::ReadPlaceAndDate(QString::fromUtf8(c.text));
        EXPECT_EQ(read.place, QString::fromUtf8(c.place)) << c.text;
        EXPECT_EQ(read.date.date, c.date) << c.text;
        EXPECT_EQ(read.date.time, c.time) << c.text;
    }
}

TEST(Times, hourBoxes)
{
    EXPECT_EQ(Exchange::ReadTime(QStringLiteral("14:30")), QTime(14, 30));
    EXPECT_EQ(Exchange::ReadTime(QStringLiteral("14.30 Uhr")), QTime(14, 30));
    EXPECT_EQ(Exchange::ReadTime(QStringLiteral("8 Uhr")), QTime(8, 0));
    EXPECT_FALSE(Exchange::ReadTime(QStringLiteral("morgens")).isValid());
    EXPECT_FALSE(Exchange::ReadTime(QStringLiteral("25:00")).isValid());
}

} // namespace
