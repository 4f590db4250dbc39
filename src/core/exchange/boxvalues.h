#pragma once

#include "core/exchange/consignment.h"

#include <QString>

#include <optional>

// Numbers, amounts and dates as the forms' boxes hold them, read into the
// record's values and written back.
//
// Numbers are read as the program reads what a clerk types (",", decimal
// comma; ".", thousands point: CStringFormat::ReadNumber) and count only when
// they take the whole text apart from a unit or currency, and when every point
// stands between groups of three digits ("12.5" is no number here, not 125).
// They are written in the same way, with the decimals the value has ("1.250,5").
//
// Dates are read in every format the program writes (CStringFormat::FormatDate)
// and as "2024-03-05"; a two-digit year is one of this century. They are
// written in the format code given (the form's "Datumformat").
namespace Exchange {

enum class QuantityKind : quint8 {
    Count,          // a whole number, no unit
    Weight,         // kg unless "t" or "g" follow
    Volume,         // m³ unless "l" or "cdm" follow
    WeightOrVolume, // a volume where its unit says so, a weight otherwise
    Amount,         // a currency code, symbol or name before or after
};

Quantity ReadQuantity(const QString& text, QuantityKind kind);
// An amount and its cents from two boxes ("1.250" and "50").
Quantity ReadAmount(const QString& units, const QString& cents);
// A number as the boxes hold it: its decimals, at most five, thousands grouped.
QString FormatDecimal(const DecimalNumber& value);
// The decimals a value has after the point, up to six.
int DecimalPlaces(const DecimalNumber& value);
// A quantity's box text: the value with its unit where the unit is not the
// kind's own ("2,5 t", "400 l", "1.500,00 CHF"); the text where there is no
// value. Amounts get two decimals.
QString QuantityText(const Quantity& quantity, QuantityKind kind);
// An amount's two boxes, units and cents ("1.250", "50"); the whole text in the
// first where there is no value.
QStringList AmountTexts(const Quantity& quantity);

// The last date a text names, where it starts and how long it is.
struct DateInText
{
    QDate date;
    qsizetype start = 0;
    qsizetype length = 0;
};
std::optional<DateInText> FindDate(const QString& text);
DateText ReadDate(const QString& text);
// A time of day: "14:30", "14.30 Uhr", "14 Uhr".
QTime ReadTime(const QString& text);
QString TimeText(const QTime& time);
// A date's box text in the format code, its time after it; the text where
// there is no date.
QString DateTextFor(const DateText& date, int dateFormat);

// A box with a place and a date ("Bremen - 05.03.2024", "Bremen, den
// 5. März 2024"): the place is what is left of the text without the date and
// its separators.
struct PlaceAndDate
{
    QString place;
    DateText date;
};
PlaceAndDate ReadPlaceAndDate(const QString& text);

} // namespace Exchange
