// The forwarding order's formatting of the box being left and the sums of the
// goods table, on a field store without any window.
#include "editor/fieldstore.h"
#include "format/stringformat.h"
#include "settings/settingkeys.h"
#include "testsupport.h"
#include "views/formdefinition.h"
#include "views/forwardingsums.h"

#include <gtest/gtest.h>

#include <QMap>

#include <utility>
#include <vector>

namespace {

using Texts = std::vector<std::pair<int, const char*>>;

// Goods cells of row r: count 22 + 7r, loading weight 26 + 7r, gross weight 27 + 7r.
constexpr int Count(int row)
{
    return 22 + 7 * row;
}
constexpr int Loading(int row)
{
    return 26 + 7 * row;
}
constexpr int Gross(int row)
{
    return 27 + 7 * row;
}
constexpr int kCountSum = 77;
constexpr int kLoadingSum = 79;
constexpr int kGrossSum = 80;

struct Options
{
    int decimals23 = 0;
    int decimals24 = 0;
    int sum25 = 1;
    int sum27 = 1;
    int sum28 = 1;
    bool english = false;
};

struct LeaveCase
{
    const char* what;
    Texts before; // texts of the store, the box being left included
    int left;
    Texts after; // the texts expected afterwards (others unchanged)
    Options options = {};
};

void PrintTo(const LeaveCase& c, std::ostream* os)
{
    *os << c.what;
}

const QString kSection = QStringLiteral("Speditionsauftrag");

class ForwardingSums_Leave : public testing::TestWithParam<LeaveCase>
{
};

TEST_P(ForwardingSums_Leave, FormatsTheBoxAndItsColumnsSum)
{
    const LeaveCase& c = GetParam();
    TestEnvironment env;
    CSettingsStore& settings = env.Settings();
    settings.Set(kSection, Settings::DecimalsColumn23, c.options.decimals23);
    settings.Set(kSection, Settings::DecimalsColumn24, c.options.decimals24);
    settings.Set(kSection, Settings::SumColumn25, c.options.sum25);
    settings.Set(kSection, Settings::SumColumn27, c.options.sum27);
    settings.Set(kSection, Settings::SumColumn28, c.options.sum28);

    CFieldStore store;
    ApplyFormDefinition(store, GetForwardingFormDefinition());
    QMap<int, QString> expected;
    for (const auto& [box, text] : c.before) {
        store.SetFieldText(quint16(box), QString::fromUtf8(text), 1);
        expected[box] = QString::fromUtf8(text);
    }
    for (const auto& [box, text] : c.after)
        expected[box] = QString::fromUtf8(text);
    store.ActivateField(quint16(c.left), 1);

    const CStringFormat format(RegionalValues::ForCountry(c.options.english ? 44 : 49));
    ForwardingSums::LeaveBox(store, settings, c.left, format);

    for (int box = 0; box < store.GetFieldCount(); ++box)
        EXPECT_EQ(store.GetFieldText(quint16(box), 1), expected.value(box)) << "box " << box;
    EXPECT_EQ(store.GetCurrentField(), c.left);
}

Options Decimals(int d23, int d24)
{
    Options o;
    o.decimals23 = d23;
    o.decimals24 = d24;
    return o;
}

Options SumsOff()
{
    Options o;
    o.sum25 = o.sum27 = o.sum28 = 0;
    return o;
}

Options English(int d23)
{
    Options o = Decimals(d23, 0);
    o.english = true;
    return o;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ForwardingSums_Leave,
    testing::Values(
        // Every box is trimmed, and only that outside the three columns.
        LeaveCase{"blanks around a note", {{18, "  Express\t "}}, 18, {{18, "Express"}}},
        LeaveCase{"line breaks at the end of an address",
                  {{2, "Berg KG\r\nKiel\r\n\r\n"}},
                  2,
                  {{2, "Berg KG\r\nKiel"}}},
        LeaveCase{"package column is only trimmed",
                  {{23, " 12 Kisten "}, {kCountSum, "x"}},
                  23,
                  {{23, "12 Kisten"}}},

        // Column 19: the leading whole number, nothing for 0; the sum into 77.
        LeaveCase{"counts of two rows",
                  {{Count(0), "12"}, {Count(1), "8"}},
                  Count(1),
                  {{kCountSum, "20"}}},
        LeaveCase{"a count followed by a word",
                  {{Count(0), "7 Paletten"}},
                  Count(0),
                  {{Count(0), "7"}, {kCountSum, "7"}}},
        LeaveCase{"a count of 0 is emptied",
                  {{Count(0), "0"}, {kCountSum, "3"}},
                  Count(0),
                  {{Count(0), ""}, {kCountSum, ""}}},
        LeaveCase{"letters without digits",
                  {{Count(2), "viele"}, {Count(0), "4"}},
                  Count(2),
                  {{Count(2), ""}, {kCountSum, "4"}}},
        LeaveCase{"sign and leading zeros",
                  {{Count(0), " +0012 St."}},
                  Count(0),
                  {{Count(0), "12"}, {kCountSum, "12"}}},
        LeaveCase{"a negative count is kept and subtracted",
                  {{Count(0), "-5"}, {Count(7), "3 Kisten"}},
                  Count(0),
                  {{Count(0), "-5"}, {kCountSum, "-2"}}},
        LeaveCase{"counts that cancel out",
                  {{Count(0), "-20"}, {Count(3), "20"}},
                  Count(0),
                  {{kCountSum, ""}}},
        LeaveCase{"the sum counts the other cells as they stand",
                  {{Count(0), "2"}, {Count(1), " 3 Sack"}},
                  Count(0),
                  {{kCountSum, "5"}}},
        LeaveCase{"no sum with SummeFeld25 off",
                  {{Count(0), "7 Kisten"}, {kCountSum, "99"}},
                  Count(0),
                  {{Count(0), "7"}},
                  SumsOff()},

        // Sums past 32 bits stay exact, and so does a count too long for any
        // integer type.
        LeaveCase{"sum past 32 bits",
                  {{Count(0), "2147483647"}, {Count(1), "1"}},
                  Count(1),
                  {{kCountSum, "2147483648"}}},
        LeaveCase{"two counts of four thousand million",
                  {{Count(0), "4000000000"}, {Count(5), "4000000000"}},
                  Count(5),
                  {{kCountSum, "8000000000"}}},
        LeaveCase{"sum past 64 bits",
                  {{Count(0), "9223372036854775807"}, {Count(1), "9223372036854775807"}},
                  Count(0),
                  {{kCountSum, "18446744073709551614"}}},
        LeaveCase{"a count longer than any integer",
                  {{Count(0), "99999999999999999999 Stueck"}, {Count(1), "1"}},
                  Count(0),
                  {{Count(0), "99999999999999999999"}, {kCountSum, "100000000000000000000"}}},
        LeaveCase{"a long negative count with a borrow across digits",
                  {{Count(0), "-100000000000000000000"}, {Count(1), "1"}},
                  Count(1),
                  {{kCountSum, "-99999999999999999999"}}},

        // Columns 23 and 24: under German settings "," decimal comma, "."
        // thousands point; emptied at 0 or less; the decimals of the setting.
        LeaveCase{"loading weight with 2 decimals",
                  {{Loading(0), "1500"}},
                  Loading(0),
                  {{Loading(0), "1.500,00"}, {kLoadingSum, "1.500,00"}},
                  Decimals(2, 0)},
        LeaveCase{"a decimal comma gets the decimals",
                  {{Loading(3), "1.234,5"}},
                  Loading(3),
                  {{Loading(3), "1.234,50"}, {kLoadingSum, "1.234,50"}},
                  Decimals(2, 0)},
        LeaveCase{"a weight of 0 is emptied, the sum shows 0",
                  {{Loading(0), "0"}},
                  Loading(0),
                  {{Loading(0), ""}, {kLoadingSum, "0,00"}},
                  Decimals(2, 0)},
        LeaveCase{"a negative weight is emptied",
                  {{Loading(0), "-5"}, {Loading(1), "2"}},
                  Loading(0),
                  {{Loading(0), ""}, {kLoadingSum, "2"}}},
        LeaveCase{"gross weight keeps its comma",
                  {{Gross(0), "1.500,5"}},
                  Gross(0),
                  {{Gross(0), "1.500,5"}, {kGrossSum, "1.500,5"}},
                  Decimals(0, 1)},
        LeaveCase{"a point is a thousands point",
                  {{Gross(0), "12.5"}},
                  Gross(0),
                  {{Gross(0), "125,0"}, {kGrossSum, "125,0"}},
                  Decimals(0, 1)},
        LeaveCase{"the gross sum adds every row",
                  {{Gross(0), "1.000"}, {Gross(4), "250,6"}, {Gross(7), "kg"}},
                  Gross(0),
                  {{kGrossSum, "1.251"}}},
        // Under English settings weights are read the English way too, so that
        // a formatted weight keeps its value in the sum and when left again.
        LeaveCase{"English separators",
                  {{Loading(0), "1500"}, {Loading(1), "1,500.00"}},
                  Loading(0),
                  {{Loading(0), "1,500.00"}, {kLoadingSum, "3,000.00"}},
                  English(2)},
        LeaveCase{"an English weight left again",
                  {{Loading(2), "1,234.5"}},
                  Loading(2),
                  {{Loading(2), "1,234.50"}, {kLoadingSum, "1,234.50"}},
                  English(2)},
        LeaveCase{"no sum with SummeFeld27 off",
                  {{Loading(0), "20"}, {kLoadingSum, "von Hand"}},
                  Loading(0),
                  {{Loading(0), "20"}},
                  SumsOff()},
        LeaveCase{"no gross sum with SummeFeld28 off",
                  {{Gross(0), "20"}, {kGrossSum, "1"}},
                  Gross(0),
                  {{Gross(0), "20"}},
                  SumsOff()},
        // The decimals of one column do not apply to the other.
        LeaveCase{"column 24 takes its own decimals",
                  {{Gross(1), "3"}},
                  Gross(1),
                  {{Gross(1), "3,000"}, {kGrossSum, "3,000"}},
                  Decimals(1, 3)},
        // A setting FormatNumber's code cannot carry would group in pairs or
        // fours; it counts as 0.
        LeaveCase{"decimals of -1",
                  {{Loading(0), "123456"}},
                  Loading(0),
                  {{Loading(0), "123.456"}, {kLoadingSum, "123.456"}},
                  Decimals(-1, 0)},
        LeaveCase{"decimals of 16",
                  {{Gross(0), "123456"}},
                  Gross(0),
                  {{Gross(0), "123.456"}, {kGrossSum, "123.456"}},
                  Decimals(0, 16)}),
    [](const testing::TestParamInfo<LeaveCase>& info) { return TestCaseName(info.param.what); });

// The rules apply to the current box, the one being left; a mismatch (or a box
// the form does not have) changes nothing.
TEST(ForwardingSums, OnlyTheCurrentBoxOfTheFormIsFormatted)
{
    TestEnvironment env;
    CFieldStore store;
    ApplyFormDefinition(store, GetForwardingFormDefinition());
    store.SetFieldText(quint16(Count(0)), QStringLiteral("7 Kisten"), 1);
    store.ActivateField(0, 1);
    const CStringFormat format(RegionalValues::ForCountry(49));
    for (int box : {Count(0), -1, 106, 5000})
        ForwardingSums::LeaveBox(store, env.Settings(), box, format);
    EXPECT_EQ(store.GetFieldText(quint16(Count(0)), 1), QStringLiteral("7 Kisten"));
    EXPECT_EQ(store.GetFieldText(kCountSum, 1), QString());
}

} // namespace
