#include "core/exchange/boxvalues.h"

#include "core/exchange/countries.h"
#include "core/format/stringformat.h"

#include <QRegularExpression>

#include <vector>

namespace Exchange {

namespace {

// The number as ReadNumber reads it, when it takes the whole text and every
// thousands point stands between groups of three.
std::optional<DecimalNumber> WholeNumber(const QString& text)
{
    if (text.trimmed().isEmpty())
        return std::nullopt;
    const NumberReading reading =
        CStringFormat::ReadNumber(text, QLatin1Char(','), QLatin1Char('.'));
    if (!reading.found || !reading.whole || !reading.grouped)
        return std::nullopt;
    return reading.exact;
}

struct UnitRow
{
    const char* pattern;
    const char* code;
};

// The units a box may name after a number, by the kind's default first.
const UnitRow kWeightUnits[] = {
    {"kg|kgs|kilo|kilogramm", "KGM"}, {"t|to|tonnen|tons?", "TNE"}, {"g|gramm", "GRM"}};
const UnitRow kVolumeUnits[] = {{"m³|m3|cbm|kubikmeter", "MTQ"},
                                {"l|ltr|liter|litres?|cdm|dm³|dm3", "LTR"}};

struct UnitSuffix
{
    QRegularExpression suffix;
    const char* code;
};

template <std::size_t N> std::vector<UnitSuffix> Suffixes(const UnitRow (&units)[N])
{
    std::vector<UnitSuffix> all;
    for (const UnitRow& unit : units)
        all.push_back(
            {QRegularExpression(QStringLiteral("\\s*(?:") + QString::fromUtf8(unit.pattern) +
                                    QStringLiteral(")\\.?$"),
                                QRegularExpression::CaseInsensitiveOption),
             unit.code});
    return all;
}

// Splits a unit off the end of a text: the code, and the text before it.
QString TakeUnit(QString& text, const std::vector<UnitSuffix>& units)
{
    for (const UnitSuffix& unit : units) {
        const QRegularExpressionMatch m = unit.suffix.match(text);
        if (m.hasMatch() && m.capturedStart() > 0) {
            text.truncate(m.capturedStart());
            return QString::fromLatin1(unit.code);
        }
    }
    return {};
}

const std::vector<UnitSuffix>& WeightUnits()
{
    static const std::vector<UnitSuffix> units = Suffixes(kWeightUnits);
    return units;
}

const std::vector<UnitSuffix>& VolumeUnits()
{
    static const std::vector<UnitSuffix> units = Suffixes(kVolumeUnits);
    return units;
}

const char* DefaultUnit(QuantityKind kind)
{
    switch (kind) {
    case QuantityKind::Weight:
    case QuantityKind::WeightOrVolume:
        return "KGM";
    case QuantityKind::Volume:
        return "MTQ";
    case QuantityKind::Count:
    case QuantityKind::Amount:
        break;
    }
    return "";
}

QString UnitText(const QString& code)
{
    static const struct
    {
        const char* code;
        const char* text;
    } kTexts[] = {{"KGM", "kg"}, {"TNE", "t"}, {"GRM", "g"}, {"MTQ", "m³"}, {"LTR", "l"}};
    for (const auto& row : kTexts)
        if (code == QLatin1String(row.code))
            return QString::fromUtf8(row.text);
    return code;
}

// An amount's number and currency: "1.500,00 EUR", "€ 1.500", "1.500,-".
Quantity ReadAmountText(const QString& text)
{
    Quantity quantity;
    quantity.text = text.trimmed();
    static const QRegularExpression parts(
        QStringLiteral("^(\\D*?)\\s*([-+]?\\d[\\d.,]*?)(?:,-+)?\\s*(\\D*)$"));
    const QRegularExpressionMatch m = parts.match(quantity.text);
    if (!m.hasMatch())
        return quantity;
    const QString before = m.captured(1).trimmed();
    const QString after = m.captured(3).trimmed();
    if (!before.isEmpty() && !after.isEmpty())
        return quantity;
    const QString currency = before.isEmpty() ? after : before;
    if (!currency.isEmpty()) {
        quantity.unit = CurrencyCodeFromText(currency);
        if (quantity.unit.isEmpty())
            return quantity;
    }
    quantity.value = WholeNumber(m.captured(2));
    return quantity;
}

const QString kMonthsDe = QStringLiteral(
    "januar|februar|märz|maerz|april|mai|juni|juli|august|september|oktober|november|"
    "dezember|jan|feb|mär|apr|jun|jul|aug|sept|sep|okt|nov|dez");
const QString kMonthsEn = QStringLiteral(
    "january|february|march|april|may|june|july|august|september|october|november|december");

int MonthNumber(const QString& name)
{
    static const struct
    {
        const char* prefix;
        int month;
    } kPrefixes[] = {{"jan", 1},  {"feb", 2},  {"mär", 3},  {"mae", 3},  {"mar", 3}, {"apr", 4},
                     {"mai", 5},  {"may", 5},  {"jun", 6},  {"jul", 7},  {"aug", 8}, {"sep", 9},
                     {"okt", 10}, {"oct", 10}, {"nov", 11}, {"dez", 12}, {"dec", 12}};
    const QString lower = name.toLower();
    for (const auto& row : kPrefixes)
        if (lower.startsWith(QString::fromUtf8(row.prefix)))
            return row.month;
    return 0;
}

int FullYear(const QString& digits)
{
    const int year = digits.toInt();
    return digits.size() <= 2 ? 2000 + year : year;
}

} // namespace

Quantity ReadQuantity(const QString& text, QuantityKind kind)
{
    if (kind == QuantityKind::Amount)
        return ReadAmountText(text);
    Quantity quantity;
    quantity.text = text.trimmed();
    QString number = quantity.text;
    switch (kind) {
    case QuantityKind::Weight:
        quantity.unit = TakeUnit(number, WeightUnits());
        break;
    case QuantityKind::Volume:
        quantity.unit = TakeUnit(number, VolumeUnits());
        break;
    case QuantityKind::WeightOrVolume:
        quantity.unit = TakeUnit(number, VolumeUnits());
        if (quantity.unit.isEmpty())
            quantity.unit = TakeUnit(number, WeightUnits());
        break;
    case QuantityKind::Count:
    case QuantityKind::Amount:
        break;
    }
    quantity.value = WholeNumber(number);
    if (quantity.value && kind == QuantityKind::Count &&
        quantity.value->Rounded(0) != *quantity.value)
        quantity.value.reset();
    if (quantity.unit.isEmpty() && quantity.value)
        quantity.unit = QString::fromLatin1(DefaultUnit(kind));
    return quantity;
}

Quantity ReadAmount(const QString& units, const QString& cents)
{
    const QString trimmedCents = cents.trimmed();
    if (trimmedCents.isEmpty() || trimmedCents.startsWith(QLatin1Char('-')))
        return ReadAmountText(units);
    // The two boxes as one number: "1.250" and "5" are 1.250,50.
    static const QRegularExpression centsDigits(QStringLiteral("^\\d{1,2}$"));
    const bool readable =
        centsDigits.match(trimmedCents).hasMatch() && !units.contains(QLatin1Char(','));
    Quantity quantity = ReadAmountText(units.trimmed() + QLatin1Char(',') +
                                       trimmedCents.leftJustified(2, QLatin1Char('0')));
    quantity.text = units.trimmed() + QLatin1Char(',') + trimmedCents;
    if (!readable)
        quantity.value.reset();
    return quantity;
}

int DecimalPlaces(const DecimalNumber& value)
{
    const QString fixed = value.ToFixed(6);
    int decimals = 6;
    while (decimals > 0 && fixed.at(fixed.size() - 1 - (6 - decimals)) == QLatin1Char('0'))
        --decimals;
    return decimals;
}

QString FormatDecimal(const DecimalNumber& value)
{
    const int decimals = qMin(DecimalPlaces(value), 5);
    return CStringFormat(RegionalValues()).FormatNumber(value, 48 + decimals);
}

QString QuantityText(const Quantity& quantity, QuantityKind kind)
{
    if (!quantity.value)
        return quantity.text;
    if (kind == QuantityKind::Amount) {
        const QString number =
            CStringFormat(RegionalValues()).FormatNumber(*quantity.value, 48 + 2);
        return quantity.unit.isEmpty() ? number : number + QLatin1Char(' ') + quantity.unit;
    }
    const QString number = FormatDecimal(*quantity.value);
    if (quantity.unit.isEmpty() || quantity.unit == QLatin1String(DefaultUnit(kind)))
        return number;
    return number + QLatin1Char(' ') + UnitText(quantity.unit);
}

QStringList AmountTexts(const Quantity& quantity)
{
    if (!quantity.value)
        return {quantity.text, QString()};
    const QString fixed = quantity.value->ToFixed(2); // "-1250.50"
    const qsizetype point = fixed.indexOf(QLatin1Char('.'));
    const std::optional<DecimalNumber> units = DecimalNumber::FromCText(fixed.left(point));
    QString unitsText = CStringFormat(RegionalValues()).FormatNumber(*units, 48);
    if (fixed.startsWith(QLatin1Char('-')) && !unitsText.startsWith(QLatin1Char('-')))
        unitsText.prepend(QLatin1Char('-'));
    return {unitsText, fixed.mid(point + 1)};
}

std::optional<DateInText> FindDate(const QString& text)
{
    static const QRegularExpression patterns[] = {
        QRegularExpression(
            QStringLiteral("(?<!\\d)(\\d{1,2})\\. ?(\\d{1,2})\\. ?(\\d{4}|\\d{2})(?!\\d)")),
        QRegularExpression(QStringLiteral("(?<!\\d)(\\d{1,2})\\.? ?(") + kMonthsDe +
                               QStringLiteral(")\\.? ?(\\d{4}|\\d{2})(?!\\d)"),
                           QRegularExpression::CaseInsensitiveOption),
        QRegularExpression(QStringLiteral("(") + kMonthsEn +
                               QStringLiteral(") (\\d{1,2}),? (\\d{4})(?!\\d)"),
                           QRegularExpression::CaseInsensitiveOption),
        QRegularExpression(QStringLiteral("(?<!\\d)(\\d{1,2})/(\\d{1,2})/(\\d{4}|\\d{2})(?!\\d)")),
        QRegularExpression(QStringLiteral("(?<!\\d)(\\d{4})-(\\d{2})-(\\d{2})(?!\\d)")),
    };
    std::optional<DateInText> last;
    for (int p = 0; p < 5; ++p) {
        QRegularExpressionMatchIterator it = patterns[p].globalMatch(text);
        while (it.hasNext()) {
            const QRegularExpressionMatch m = it.next();
            int day = 0, month = 0, year = 0;
            switch (p) {
            case 0:
                day = m.captured(1).toInt();
                month = m.captured(2).toInt();
                year = FullYear(m.captured(3));
                break;
            case 1:
                day = m.captured(1).toInt();
                month = MonthNumber(m.captured(2));
                year = FullYear(m.captured(3));
                break;
            case 2:
                month = MonthNumber(m.captured(1));
                day = m.captured(2).toInt();
                year = m.captured(3).toInt();
                break;
            case 3: // the program writes month/day/year
                month = m.captured(1).toInt();
                day = m.captured(2).toInt();
                year = FullYear(m.captured(3));
                if (month > 12 && day <= 12)
                    std::swap(month, day);
                break;
            default:
                year = m.captured(1).toInt();
                month = m.captured(2).toInt();
                day = m.captured(3).toInt();
                break;
            }
            const QDate date(year, month, day);
            if (!date.isValid())
                continue;
            if (!last || m.capturedStart() > last->start)
                last = DateInText{date, m.capturedStart(), m.capturedLength()};
        }
    }
    return last;
}

DateText ReadDate(const QString& text)
{
    DateText date;
    date.text = text.trimmed();
    if (const std::optional<DateInText> found = FindDate(date.text)) {
        date.date = found->date;
        date.time = ReadTime(date.text.mid(found->start + found->length));
    }
    return date;
}

QTime ReadTime(const QString& text)
{
    static const QRegularExpression withMinutes(
        QStringLiteral("(?<![\\d.:])(\\d{1,2})[:.](\\d{2})(?![\\d.:])"));
    static const QRegularExpression hoursOnly(
        QStringLiteral("(?<![\\d.:])(\\d{1,2}) ?(?:Uhr|h)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    QRegularExpressionMatch m = withMinutes.match(text);
    if (m.hasMatch())
        return QTime(m.captured(1).toInt(), m.captured(2).toInt());
    m = hoursOnly.match(text);
    if (m.hasMatch())
        return QTime(m.captured(1).toInt(), 0);
    return {};
}

QString TimeText(const QTime& time)
{
    return time.isValid() ? time.toString(QStringLiteral("HH:mm")) : QString();
}

QString DateTextFor(const DateText& date, int dateFormat)
{
    if (!date.date.isValid())
        return date.text;
    const QString day = CStringFormat::FormatDate(dateFormat, date.date);
    return date.time.isValid() ? day + QLatin1Char(' ') + TimeText(date.time) : day;
}

PlaceAndDate ReadPlaceAndDate(const QString& text)
{
    PlaceAndDate read;
    const QString trimmed = text.trimmed();
    const std::optional<DateInText> found = FindDate(trimmed);
    if (!found) {
        read.place = trimmed;
        return read;
    }
    // The separators and the words that lead to the date: "Bremen, den",
    // "Bremen -", "Lyon, le".
    static const QRegularExpression lead(
        QStringLiteral("[\\s,;\\-–/]*(?:\\b(?:den|am|le)\\b)?[\\s,;\\-–/]*$"),
        QRegularExpression::CaseInsensitiveOption);
    QString place = trimmed.left(found->start);
    place.remove(lead);
    const QString after = trimmed.mid(found->start + found->length).trimmed();
    read.date.date = found->date;
    read.date.text = trimmed.mid(found->start, found->length);
    static const QRegularExpression timeOnly(
        QStringLiteral("^(?:\\d{1,2}[:.]\\d{2}|\\d{1,2} ?Uhr)(?: ?Uhr)?$"),
        QRegularExpression::CaseInsensitiveOption);
    if (timeOnly.match(after).hasMatch()) {
        read.date.time = ReadTime(after);
        read.date.text = trimmed.mid(found->start);
    } else if (!after.isEmpty()) {
        // What is not the date stays with the place.
        place = place.trimmed().isEmpty() ? after : place.trimmed() + QLatin1Char(' ') + after;
    }
    read.place = place.trimmed();
    return read;
}

} // namespace Exchange
