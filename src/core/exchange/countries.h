#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// The countries and currencies the data exchange knows: each by its ISO code,
// with the names, symbols and vehicle registration codes addresses and amounts
// on a note name them by. Every code here is one of the code lists of the
// exchange schema.
namespace Exchange {

// The ISO 3166-1 alpha-2 code of a country a text names whole: its German,
// English or French name (case, accents, dots and "ß"/"ss" aside), its ISO
// code or its vehicle registration code ("D", "F", "NL"). Empty for any other
// text.
QString CountryCodeFromName(QStringView text);
// The code of a postcode's prefix ("D" of "D-28197", "NL" of "NL-1012"): a
// vehicle registration code or an ISO code, upper case. Empty otherwise.
QString CountryCodeFromPrefix(QStringView prefix);
// The German name of a country, as an address line on a German form names it;
// empty for a code the table does not know.
QString CountryName(const QString& code);
// Every country code of the table.
QStringList KnownCountryCodes();

// The ISO 4217 code of a currency a text names whole: a code ("EUR"), a symbol
// ("€", "£", "SFr.") or a name ("Euro"). Empty for any other text.
QString CurrencyCodeFromText(QStringView text);
// Every currency code of the table.
QStringList KnownCurrencyCodes();

} // namespace Exchange
