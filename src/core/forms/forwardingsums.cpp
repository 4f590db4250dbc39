#include "core/forms/forwardingsums.h"

#include "core/fields/fieldstore.h"
#include "core/format/stringformat.h"
#include "core/forms/formtype.h"
#include "core/settings/settingkeys.h"
#include "core/settings/settingsstore.h"

#include <QLocale>

namespace ForwardingSums {

namespace {

// Goods columns, counted from 0 (column 18 of the form).
constexpr int kCountColumn = 1;
constexpr int kLoadingWeightColumn = 5;
constexpr int kGrossWeightColumn = 6;
// FormatNumber's code for n decimals in groups of three is this plus n.
constexpr int kGroupsOfThree = 48;
constexpr int kMaxDecimals = 5;
// The form numbers the goods columns as its fields 18 to 24.
constexpr int kFirstColumnField = 18;

using Forms::BoxChange;
using Kind = BoxChange::Kind;

int GoodsColumn(int box)
{
    const int offset = box - kFirstGoodsBox;
    if (offset < 0 || offset >= kGoodsRows * kGoodsColumns)
        return -1;
    return offset % kGoodsColumns;
}

quint16 Cell(int row, int column)
{
    return quint16(kFirstGoodsBox + row * kGoodsColumns + column);
}

bool IsDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

struct CountReading
{
    DecimalNumber value;
    bool found = false; // the text has a number at its start
    bool whole = false; // the number is the whole text (white space around it aside)
};

// German clerks group thousands with a point: "1.000" is a thousand, not 1 and
// a fraction. Any other text counts with its leading whole number as the C
// library reads one (white space, a sign, the digits up to the first other
// character), kept as digits, so that no count is too long to be read or added.
CountReading ReadCount(const QString& text, QChar thousandsChar)
{
    const QString trimmed = text.trimmed();
    qsizetype at = 0;
    if (at < trimmed.size() && (trimmed[at] == QLatin1Char('+') || trimmed[at] == QLatin1Char('-')))
        ++at;
    qsizetype end = at + CStringFormat::GroupedDigitsLength(trimmed, at, thousandsChar);
    if (end == at || end != trimmed.size()) {
        end = at;
        while (end < trimmed.size() && IsDigit(trimmed[end]))
            ++end;
    }
    CountReading count;
    count.found = end > at;
    count.whole = end == trimmed.size();
    if (count.found) {
        const QString number = trimmed.left(end).remove(thousandsChar);
        count.value = DecimalNumber::FromCText(number).value_or(DecimalNumber());
    }
    return count;
}

// As "%.0d" writes it: nothing for 0.
QString CountText(const DecimalNumber& count)
{
    return count.IsZero() ? QString() : count.ToFixed(0);
}

Kind CountChange(const QString& trimmed, const CountReading& count)
{
    if (!count.found)
        return trimmed.isEmpty() ? Kind::None : Kind::NotANumber;
    if (count.whole)
        return Kind::None;
    return count.value.IsZero() ? Kind::Zero : Kind::CutToNumber;
}

// Weights are read with the separators they are written with. Read always with
// the German ones, a weight written under English settings ("1,500.00") would
// count as 1.5 in the sum and shrink to "1.50" when its cell is left again.
NumberReading ReadWeight(const QString& text, const CStringFormat& format)
{
    return CStringFormat::ReadNumber(text, format.Values().decimalSeparator,
                                     format.Values().thousandsSeparator);
}

// Rounded on the digits as typed: 1,005 is 1,01 with two decimals, although
// the double nearest to it lies below.
QString WeightText(const CStringFormat& format, const NumberReading& weight, int decimals)
{
    if (!(weight.value > 0))
        return QString();
    return weight.exact ? format.FormatNumber(*weight.exact, kGroupsOfThree + decimals)
                        : format.FormatNumber(weight.value, kGroupsOfThree + decimals);
}

Kind WeightChange(const QString& trimmed, const NumberReading& weight, int decimals)
{
    if (!weight.found)
        return trimmed.isEmpty() ? Kind::None : Kind::NotANumber;
    if (weight.value < 0)
        return Kind::Negative;
    if (weight.value == 0)
        return weight.whole ? Kind::None : Kind::Zero;
    if (!weight.whole)
        return Kind::CutToNumber;
    if (!weight.grouped)
        return Kind::ReadWithThousands;
    if (weight.exact && weight.exact->Rounded(decimals) != *weight.exact)
        return Kind::Rounded;
    return Kind::None;
}

// Added digit for digit, so that a sum never wraps round into a wrong or
// negative total and rounds as its cells would.
void WriteCountSum(CFieldStore& store, QChar thousandsChar)
{
    DecimalNumber sum;
    for (int row = 0; row < kGoodsRows; ++row)
        sum = sum + ReadCount(store.GetFieldText(Cell(row, kCountColumn), 1), thousandsChar).value;
    store.SetFieldText(kCountSumBox, CountText(sum), 1);
}

void WriteWeightSum(CFieldStore& store, int column, const CStringFormat& format, int decimals)
{
    DecimalNumber exact;
    double approximate = 0;
    bool allExact = true;
    for (int row = 0; row < kGoodsRows; ++row) {
        const NumberReading weight = ReadWeight(store.GetFieldText(Cell(row, column), 1), format);
        approximate += weight.value;
        if (weight.exact)
            exact = exact + *weight.exact;
        else if (weight.found)
            allExact = false; // a weight beyond a double makes the sum one too
    }
    const int code = kGroupsOfThree + decimals;
    store.SetFieldText(
        column == kLoadingWeightColumn ? kLoadingWeightSumBox : kGrossWeightSumBox,
        allExact ? format.FormatNumber(exact, code) : format.FormatNumber(approximate, code), 1);
}

} // namespace

BoxChange LeaveBox(CFieldStore& store, const CSettingsStore& settings, int box,
                   const CStringFormat& format)
{
    if (box < 0 || box >= store.GetFieldCount())
        return {};
    const QString section = GetFormTypeInfo(FormType::Forwarding).section;
    const int column = GoodsColumn(box);
    const bool weight = column == kLoadingWeightColumn || column == kGrossWeightColumn;
    // A number of decimals that FormatNumber's code cannot carry (only a
    // hand-edited setting has one) would bring other decimals or another group
    // size; it counts as 0, as the defaults dialog shows it.
    const int stored =
        settings.Get(section, column == kLoadingWeightColumn ? Settings::DecimalsColumn23
                                                             : Settings::DecimalsColumn24);
    const int decimals = stored >= 0 && stored <= kMaxDecimals ? stored : 0;
    const QChar thousandsChar = format.Values().thousandsSeparator;

    const QString typed = store.GetFieldText(quint16(box), 1);
    const QString trimmed = typed.trimmed();
    BoxChange change;
    change.after = trimmed;
    if (column == kCountColumn) {
        const CountReading count = ReadCount(trimmed, thousandsChar);
        change.after = CountText(count.value);
        change.kind = CountChange(trimmed, count);
    } else if (weight) {
        const NumberReading reading = ReadWeight(trimmed, format);
        change.after = WeightText(format, reading, decimals);
        change.kind = WeightChange(trimmed, reading, decimals);
    }
    if (change.after != typed)
        store.SetFieldText(quint16(box), change.after, 1);

    if (column == kCountColumn && settings.Get(section, Settings::SumColumn25) != 0)
        WriteCountSum(store, thousandsChar);
    if (weight &&
        settings.Get(section, column == kLoadingWeightColumn ? Settings::SumColumn27
                                                             : Settings::SumColumn28) != 0)
        WriteWeightSum(store, column, format, decimals);

    if (!change)
        return {};
    change.box = box;
    change.field = kFirstColumnField + column;
    change.row = (box - kFirstGoodsBox) / kGoodsColumns + 1;
    change.before = trimmed;
    return change;
}

BoxChange LeaveBoxHook(CFieldStore& store, const CSettingsStore& settings, int box)
{
    return LeaveBox(store, settings, box, CStringFormat(RegionalValues::FromLocale(QLocale())));
}

} // namespace ForwardingSums
