#pragma once

#include "core/errors/error.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The address book in and out of other programs: CSV for spreadsheets and vCard
// for address programs. A record of the address book is a text of lines
// separated by CR LF; these functions turn records into file bytes and back and
// never touch the address file itself (an import goes through the shared-file
// merge of addressmerge.h, so that nothing another user saved meanwhile is lost).
//
// CSV: UTF-8 with a byte-order mark and semicolons, as a German spreadsheet
// opens it, one row per record and one column per line, after a header row
// "Zeile 1;Zeile 2;...". Read: UTF-8 (with or without mark), UTF-16 with mark,
// else Windows-1252 as older spreadsheets save it; semicolon, tab or comma,
// whichever the first row uses; quoted cells with doubled quotes and line breaks
// inside (a line break in a cell starts a new line of the record).
//
// vCard: 3.0 written; 3.0 and 4.0 read, with folded lines, escapes, groups and
// parameters. A record's first line is the organisation and the name, its last
// lines the postcode with the town and an optional country, the lines between
// the street; read, the organisation comes first, then a name that differs from
// it, then the address lines.

enum class AddressFormat { Csv, VCard };

// From the file name's extension: ".csv", or ".vcf"/".vcard"; none otherwise.
std::optional<AddressFormat> AddressFormatForPath(const QString& path);

QByteArray WriteAddressCsv(const QStringList& records);
QByteArray WriteAddressVCards(const QStringList& records);

// What a file offers. `error` set: the file as a whole is not one of its kind
// (nothing may be taken from it). Otherwise `records` holds the records in file
// order and `refused` one error per entry that could not be read, with the line
// (CSV) or the entry's number (vCard) as its position.
struct AddressImport
{
    QStringList records;
    QList<Error> refused;
    int duplicates = 0; // dropped by DropKnownAddresses
    Error error;
};

AddressImport ReadAddressCsv(const QByteArray& bytes);
AddressImport ReadAddressVCards(const QByteArray& bytes);
AddressImport ReadAddresses(const QByteArray& bytes, AddressFormat format);

// Drops the records that `existing` holds already, or that come twice in the
// import, exactly as written, and counts them in `duplicates`.
void DropKnownAddresses(AddressImport& import, const QStringList& existing);
