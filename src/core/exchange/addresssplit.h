#pragma once

#include "core/exchange/consignment.h"

#include <QString>
#include <QVector>

// Turns the lines of an address box into name, street, postcode, town, country
// and contact, and back.
//
// Reading, line by line after the lines are trimmed, blanks inside them
// collapsed and empty lines dropped (a single line is read as lines apart by
// commas when that shows a town or a country):
//  - a party's contact lines anywhere after the first: "Tel.", "Telefon",
//    "Fax", "E-Mail" or a bare address, "z. Hd.", "Attn.";
//  - a last line that names a country in German, English or French, or by its
//    ISO or vehicle code ("Frankreich", "France", "FR", "F");
//  - then the last line, when it holds a postcode and a town: "D-28197
//    Bremen", "28197 Bremen", "69002 Lyon", "NL-1012 AB Amsterdam", "00-950
//    Warszawa", "111 22 Stockholm", "SW1A 1AA London" and "London SW1A 1AA"; a
//    prefix gives the country where no country line does, and so does
//    ", Frankreich" after the town;
//  - the line before it when it reads as a street (it has a digit or a
//    street word) or a post office box ("Postfach 10 12 34");
//  - a place without a postcode line takes its first line as the town.
// The first line of a party is always a name line. Every other line stays
// whole, in order, in the name lines; nothing is dropped. The issues say what
// could not be read.
//
// Writing gives name lines, "z. Hd." and the person, street or post office
// box, postcode and town (a British postcode after the town, unless the
// line then reads otherwise), the
// country's German name, then "Tel.", "Fax" and "E-Mail" lines; a place
// without a postcode starts with its town. Writing and reading again gives the
// same address.
namespace Exchange {

enum class AddressRole : quint8 {
    Party, // the first line is the name
    Place, // a place of the carriage: no name first
};

struct AddressSplit
{
    Address address;
    Contact contact;
    QVector<AddressIssue> issues;
};

AddressSplit SplitAddress(const QString& text, AddressRole role);
// The lines of an address, LF apart.
QString ComposeAddress(const Address& address, const Contact& contact, AddressRole role);

Party ReadParty(const QString& text);
Place ReadPlace(const QString& text);
QString PartyText(const Party& party);
QString PlaceText(const Place& place);

} // namespace Exchange
