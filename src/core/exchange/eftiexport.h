#pragma once

#include "core/exchange/consignment.h"
#include "core/exchange/exchangereport.h"

#include <QByteArray>
#include <QString>

// The consignment record as an eFTI common data set document (UTF-8 XML,
// schema version 0.8; element names, order, formats and the places each
// element exists at come from the one table of eftimap.h).
//
// What the document holds and how:
//  - numbers in the schema's units: gross weights in kg ("KGM"; a box's "t" or
//    "g" converted), volumes in m³ ("MTQ"; litres converted), amounts with at
//    most three decimals and their currency's ISO code, counts as whole
//    numbers; dates as CCYYMMDD (formatId 102), with a time as CCYYMMDDHHMM
//    (203); countries and currencies only from the schema's code lists;
//  - the goods rows as one transport package each (count, marks, packing),
//    their descriptions as the cargo's identification texts, their gross
//    weights, volumes and counts summed into the consignment's totals (the data
//    set holds no weight per row), the dangerous goods as those of the first
//    consignment item;
//  - a party's contact only where the data set has it for that party (the
//    consignor an e-mail address and a telephone, the consignee all four, the
//    carrier a person and a telephone, connecting carriers and the forwarder
//    none); the place of issue as its lines (the data set gives it a name only);
//  - a text longer than its element's format is never cut: where the element
//    repeats it goes into several elements of at most the format's length (cut
//    at blanks; each line of a box an element of its own), where it does not
//    it is written whole. Both are reported (Split, TooLong); TooLong says
//    whether the text is beyond the schema type's own maximum, when the
//    document will not validate;
//  - what the data set has no element for (statistical numbers, loading
//    weights, the ordering party, contacts a party has no place for, the permit
//    type and the open-vehicle answer) and the boxes without a meaning are left
//    out and reported (NoElement, FreeText); so is a value that does not read
//    as the element's number, date or code (NotANumber, NotADate, NotACode).
// Characters XML cannot hold (control characters of a damaged file) are
// written as U+FFFD.
//
// The export never fails: every record gives a document, and the report says
// what it does not hold as the note does.
namespace Exchange {

struct ExportOptions
{
    // The country of an address that names none (ISO code, e.g. "DE"), empty
    // for none: such addresses then go without a country. Reported as Assumed.
    QString homeCountry;
    // The currency of an amount that names none (ISO code), empty for none.
    // Reported as Assumed.
    QString defaultCurrency;
};

struct EftiExport
{
    QByteArray xml;
    Report report;
};

EftiExport ExportEfti(const Consignment& consignment, const ExportOptions& options);

} // namespace Exchange
