// The forwarding order's formatting of the box being left and the sums of the
// goods table, on a field store without any window.
#include "core/fields/fieldstore.h"
#include "core/format/stringformat.h"
#include "core/forms/forwardinglayout.h"
#include "core/forms/forwardingsums.h"
#include "core/settings/settingkeys.h"
#include "testsupport.h"

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

void ApplyOptions(CSettingsStore& settings, const Options& options)
{
    settings.Set(kSection, Settings::DecimalsColumn23, options.decimals23);
    settings.Set(kSection, Settings::DecimalsColumn24, options.decimals24);
    settings.Set(kSection, Settings::SumColumn25, options.sum25);
    settings.Set(kSection, Settings::SumColumn27, options.sum27);
    settings.Set(kSection, Settings::SumColumn28, options.sum28);
}

class ForwardingSums_Leave : public testing::TestWithParam<LeaveCase>
{
};

TEST_P(ForwardingSums_Leave, FormatsTheBoxAndItsColumnsSum)
{
    const LeaveCase& c = GetParam();
    TestEnvironment env;
    CSettingsStore& settings = env.Settings();
    ApplyOptions(settings, c.options);

    CFieldStore store;
    ForwardingLayout::Description().DefineBoxes(store);
    QMap<int, QString> expected;
    for (const auto& [box, text] : c.before) {
        store.SetFieldText(quint16(box), QString::fromUtf8(text), 1);
        expected[box] = QString::fromUtf8(text);
    }
    for (const auto& [box, text] : c.after)
        expected[box] = QString::fromUtf8(text);

    const CStringFormat format(RegionalValues::ForCountry(c.options.english ? 44 : 49));
    ForwardingSums::LeaveBox(store, settings, c.left, format);

    for (int box = 0; box < store.GetFieldCount(); ++box)
        EXPECT_EQ(store.GetFieldText(quint16(box), 1), expected.value(box)) << "box " << box;
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
        // A whole number grouped by thousands points in threes is read whole;
        // any other point ends the number.
        LeaveCase{"a thousand grouped by a point",
                  {{Count(0), "1.000"}, {Count(1), "12.500"}},
                  Count(0),
                  {{Count(0), "1000"}, {kCountSum, "13500"}}},
        LeaveCase{"a million grouped by points",
                  {{Count(0), " 1.000.000 "}},
                  Count(0),
                  {{Count(0), "1000000"}, {kCountSum, "1000000"}}},
        LeaveCase{"a negative grouped count",
                  {{Count(0), "-1.000"}, {Count(1), "2.000"}},
                  Count(0),
                  {{Count(0), "-1000"}, {kCountSum, "1000"}}},
        LeaveCase{"two decimals after the point are no group",
                  {{Count(0), "1.00"}},
                  Count(0),
                  {{Count(0), "1"}, {kCountSum, "1"}}},
        LeaveCase{"four digits after the point are no group",
                  {{Count(0), "1.0000"}},
                  Count(0),
                  {{Count(0), "1"}, {kCountSum, "1"}}},
        LeaveCase{"a first group of four digits",
                  {{Count(0), "1000.000"}},
                  Count(0),
                  {{Count(0), "1000"}, {kCountSum, "1000"}}},
        LeaveCase{"a grouped count followed by a word",
                  {{Count(0), "1.000 Paletten"}},
                  Count(0),
                  {{Count(0), "1"}, {kCountSum, "1"}}},
        LeaveCase{"blanks around a count",
                  {{Count(0), " 12 "}},
                  Count(0),
                  {{Count(0), "12"}, {kCountSum, "12"}}},
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
        // Halves round away from zero, the cells as their sums, and on the
        // digits: 1,004 + 0,001 is 1,005 exactly, if not as a double.
        LeaveCase{"a half rounds up",
                  {{Gross(0), "300,5"}, {Gross(1), "2,5"}},
                  Gross(0),
                  {{Gross(0), "301"}, {kGrossSum, "304"}}}, // 301 + 2,5
        LeaveCase{"a sum of cells with more decimals than the column keeps",
                  {{Loading(0), "1,004"}, {Loading(1), "0,001"}},
                  Loading(2),
                  {{kLoadingSum, "1,01"}},
                  Decimals(2, 0)},
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

using Kind = Forms::BoxChange::Kind;

struct ReportCase
{
    const char* what;
    int box;
    const char* typed;
    Kind kind;
    const char* after; // the cell's text afterwards
    int decimals = 0;  // of both weight columns
};

void PrintTo(const ReportCase& c, std::ostream* os)
{
    *os << c.what;
}

class ForwardingSums_Report : public testing::TestWithParam<ReportCase>
{
};

// What leaving a cell changed beyond trimming and rewriting the same value is
// reported with the cell's field and row as the form numbers them; anything
// else is not.
TEST_P(ForwardingSums_Report, TellsWhatTheFormattingChanged)
{
    const ReportCase& c = GetParam();
    TestEnvironment env;
    ApplyOptions(env.Settings(), Decimals(c.decimals, c.decimals));
    CFieldStore store;
    ForwardingLayout::Description().DefineBoxes(store);
    store.SetFieldText(quint16(c.box), QString::fromUtf8(c.typed), 1);

    const Forms::BoxChange change = ForwardingSums::LeaveBox(
        store, env.Settings(), c.box, CStringFormat(RegionalValues::ForCountry(49)));

    const QString after = QString::fromUtf8(c.after);
    EXPECT_EQ(store.GetFieldText(quint16(c.box), 1).toStdString(), after.toStdString());
    EXPECT_EQ(change.kind, c.kind);
    if (c.kind == Kind::None) {
        EXPECT_EQ(change.box, -1);
        return;
    }
    const int column = (c.box - 21) % 7;
    EXPECT_EQ(change.box, c.box);
    EXPECT_EQ(change.field, 18 + column);
    EXPECT_EQ(change.row, (c.box - 21) / 7 + 1);
    EXPECT_EQ(change.before.toStdString(), QString::fromUtf8(c.typed).trimmed().toStdString());
    EXPECT_EQ(change.after.toStdString(), after.toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ForwardingSums_Report,
    testing::Values(
        // Counts, field 19.
        ReportCase{"count of letters", Count(1), "abc", Kind::NotANumber, ""},
        ReportCase{"count of a sign alone", Count(0), "-", Kind::NotANumber, ""},
        ReportCase{"count with a word", Count(0), "7 Paletten", Kind::CutToNumber, "7"},
        ReportCase{"count with two decimals", Count(0), "1.00", Kind::CutToNumber, "1"},
        ReportCase{"count with four decimals", Count(0), "1.0000", Kind::CutToNumber, "1"},
        ReportCase{"count with a decimal comma", Count(2), "2,5", Kind::CutToNumber, "2"},
        ReportCase{"count of 0 with a word", Count(0), "0 Paletten", Kind::Zero, ""},
        ReportCase{"count grouped in threes", Count(0), "1.000", Kind::None, "1000"},
        ReportCase{"count of 12.500", Count(0), "12.500", Kind::None, "12500"},
        ReportCase{"count of a million", Count(0), "1.000.000", Kind::None, "1000000"},
        ReportCase{"negative count", Count(0), "-5", Kind::None, "-5"},
        ReportCase{"count in blanks", Count(0), " 12 ", Kind::None, "12"},
        ReportCase{"count with sign and zeros", Count(0), "+0012", Kind::None, "12"},
        ReportCase{"count of 0", Count(0), "0", Kind::None, ""},
        ReportCase{"empty count", Count(0), "", Kind::None, ""},
        // Weights, fields 23 and 24.
        ReportCase{"weight of letters", Gross(1), "abc", Kind::NotANumber, ""},
        ReportCase{"weight about 7", Gross(0), "ca. 7", Kind::NotANumber, ""},
        ReportCase{"negative weight", Loading(2), "-50", Kind::Negative, ""},
        ReportCase{"negative weight with a unit", Loading(0), "-5 kg", Kind::Negative, ""},
        ReportCase{"weight with a word", Loading(0), "7 Paletten", Kind::CutToNumber, "7"},
        ReportCase{"weight of 0 with a unit", Gross(0), "0 kg", Kind::Zero, ""},
        ReportCase{"weight of 0", Gross(0), "0", Kind::None, ""},
        ReportCase{"point where no group stands", Gross(0), "12.5", Kind::ReadWithThousands,
                   "125,0", 1},
        ReportCase{"a trailing point", Gross(0), "1.000.", Kind::ReadWithThousands, "1.000"},
        ReportCase{"a half rounded up", Gross(0), "300,5", Kind::Rounded, "301"},
        ReportCase{"1,005 to two decimals", Gross(0), "1,005", Kind::Rounded, "1,01", 2},
        ReportCase{"last row", Gross(7), " 2,5 ", Kind::Rounded, "3"},
        ReportCase{"grouped weight", Gross(0), "1.500,5", Kind::None, "1.500,5", 1},
        ReportCase{"weight given decimals", Gross(0), "1500", Kind::None, "1.500,00", 2},
        ReportCase{"a zero decimal dropped", Loading(0), "300,50", Kind::None, "300,5", 1},
        ReportCase{"a note trimmed", 18, "  Express ", Kind::None, "Express"}),
    [](const testing::TestParamInfo<ReportCase>& info) { return TestCaseName(info.param.what); });

// The rules apply to the box being left; a box the form does not have changes
// nothing.
TEST(ForwardingSums, OnlyBoxesOfTheFormAreFormatted)
{
    TestEnvironment env;
    CFieldStore store;
    ForwardingLayout::Description().DefineBoxes(store);
    store.SetFieldText(quint16(Count(0)), QStringLiteral("7 Kisten"), 1);
    const CStringFormat format(RegionalValues::ForCountry(49));
    for (int box : {-1, 106, 5000})
        ForwardingSums::LeaveBox(store, env.Settings(), box, format);
    EXPECT_EQ(store.GetFieldText(quint16(Count(0)), 1), QStringLiteral("7 Kisten"));
    EXPECT_EQ(store.GetFieldText(kCountSum, 1), QString());
}

} // namespace
