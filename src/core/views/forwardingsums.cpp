#include "views/forwardingsums.h"

#include "editor/fieldstore.h"
#include "format/stringformat.h"
#include "settings/settingkeys.h"
#include "settings/settingsstore.h"
#include "views/formtype.h"

#include <QLocale>

#include <algorithm>

namespace ForwardingSums {

namespace {

// Goods columns, counted from 0 (column 18 of the form).
constexpr int kCountColumn = 1;
constexpr int kLoadingWeightColumn = 5;
constexpr int kGrossWeightColumn = 6;
// FormatNumber's code for n decimals in groups of three is this plus n.
constexpr int kGroupsOfThree = 48;
constexpr int kMaxDecimals = 5;

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

// A whole number kept as its sign and its digits without leading zeros (none
// for 0), so that no count is too long to be read or added.
struct Count
{
    bool negative = false;
    QString digits;
};

Count LeadingCount(const QString& text)
{
    qsizetype at = 0;
    while (at < text.size() && text[at].isSpace())
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == QLatin1Char('+') || text[at] == QLatin1Char('-')))
        negative = text[at++] == QLatin1Char('-');
    while (at < text.size() && text[at] == QLatin1Char('0'))
        ++at;
    const qsizetype first = at;
    while (at < text.size() && IsDigit(text[at]))
        ++at;
    Count count;
    count.digits = text.mid(first, at - first);
    count.negative = negative && !count.digits.isEmpty();
    return count;
}

// As "%.0d" writes it: nothing for 0.
QString CountText(const Count& count)
{
    return count.negative ? QLatin1Char('-') + count.digits : count.digits;
}

int CompareMagnitudes(const QString& a, const QString& b)
{
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b); // digits of equal length compare like their values
}

int DigitAt(const QString& digits, qsizetype i)
{
    return i >= 0 ? digits[i].unicode() - '0' : 0;
}

QString AddMagnitudes(const QString& a, const QString& b)
{
    QString reversed;
    int carry = 0;
    for (qsizetype i = a.size() - 1, j = b.size() - 1; i >= 0 || j >= 0 || carry; --i, --j) {
        const int digit = DigitAt(a, i) + DigitAt(b, j) + carry;
        reversed.append(QChar(u'0' + digit % 10));
        carry = digit / 10;
    }
    std::reverse(reversed.begin(), reversed.end());
    return reversed;
}

// a - b for a >= b.
QString SubtractMagnitudes(const QString& a, const QString& b)
{
    QString reversed;
    int borrow = 0;
    for (qsizetype i = a.size() - 1, j = b.size() - 1; i >= 0; --i, --j) {
        int digit = DigitAt(a, i) - DigitAt(b, j) - borrow;
        borrow = digit < 0 ? 1 : 0;
        reversed.append(QChar(u'0' + digit + 10 * borrow));
    }
    while (reversed.endsWith(QLatin1Char('0')))
        reversed.chop(1);
    std::reverse(reversed.begin(), reversed.end());
    return reversed;
}

Count Add(const Count& a, const Count& b)
{
    if (a.negative == b.negative)
        return {a.negative, AddMagnitudes(a.digits, b.digits)};
    const int order = CompareMagnitudes(a.digits, b.digits);
    if (order == 0)
        return {};
    const Count& larger = order > 0 ? a : b;
    const Count& smaller = order > 0 ? b : a;
    return {larger.negative, SubtractMagnitudes(larger.digits, smaller.digits)};
}

// Weights are read with the separators they are written with. Read always with
// the German ones, a weight written under English settings ("1,500.00") would
// count as 1.5 in the sum and shrink to "1.50" when its cell is left again.
double Weight(const QString& text, const CStringFormat& format)
{
    return CStringFormat::ParseNumber(text, format.Values().decimalSeparator,
                                      format.Values().thousandsSeparator);
}

QString WeightText(const CStringFormat& format, double value, int decimals)
{
    return format.FormatNumber(value, kGroupsOfThree + decimals);
}

} // namespace

void LeaveBox(CFieldStore& store, const CSettingsStore& settings, int box,
              const CStringFormat& format)
{
    if (box < 0 || box >= store.GetFieldCount() || box != store.GetCurrentField() ||
        store.GetCurrentPage() != 1)
        return;
    const QString section = GetFormTypeInfo(FormType::Forwarding).section;
    const int column = GoodsColumn(box);
    // A number of decimals that FormatNumber's code cannot carry (only a
    // hand-edited setting has one) would bring other decimals or another group
    // size; it counts as 0, as the defaults dialog shows it.
    const int stored =
        settings.Get(section, column == kLoadingWeightColumn ? Settings::DecimalsColumn23
                                                             : Settings::DecimalsColumn24);
    const int decimals = stored >= 0 && stored <= kMaxDecimals ? stored : 0;

    const QString typed = store.GetCurrentText();
    QString text = typed.trimmed();
    if (column == kCountColumn) {
        text = CountText(LeadingCount(text));
    } else if (column == kLoadingWeightColumn || column == kGrossWeightColumn) {
        const double value = Weight(text, format);
        text = value > 0 ? WeightText(format, value, decimals) : QString();
    }
    if (text != typed)
        store.SetCurrentText(text);

    if (column == kCountColumn) {
        if (settings.Get(section, Settings::SumColumn25) == 0)
            return;
        Count sum;
        for (int row = 0; row < kGoodsRows; ++row)
            sum = Add(sum, LeadingCount(store.GetFieldText(Cell(row, column), 1)));
        store.SetFieldText(kCountSumBox, CountText(sum), 1);
    } else if (column == kLoadingWeightColumn || column == kGrossWeightColumn) {
        const bool loading = column == kLoadingWeightColumn;
        if (settings.Get(section, loading ? Settings::SumColumn27 : Settings::SumColumn28) == 0)
            return;
        double sum = 0;
        for (int row = 0; row < kGoodsRows; ++row)
            sum += Weight(store.GetFieldText(Cell(row, column), 1), format);
        store.SetFieldText(loading ? kLoadingWeightSumBox : kGrossWeightSumBox,
                           WeightText(format, sum, decimals), 1);
    }
}

void LeaveBoxHook(CFieldStore& store, const CSettingsStore& settings, int box)
{
    LeaveBox(store, settings, box, CStringFormat(RegionalValues::FromLocale(QLocale())));
}

} // namespace ForwardingSums
