#pragma once

#include "core/format/decimalnumber.h"
#include "core/forms/formdescription.h"
#include "core/forms/formtype.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QVector>

#include <optional>

// One consignment note as data, whatever form it was filled in on: what its
// boxes mean (the box meanings of the form tables), not where they lie. The
// record is the meeting point of the data exchange: a note is read into it
// (ReadNote), an export writes it out, an import fills it and the note's boxes
// are written from it (BoxTextsFor).
//
// A value class without invariants: every member may be empty. Texts keep line
// breaks as LF; numbers, dates and codes keep the text they were read from, so
// that nothing a box held is lost where it did not read as a value.
namespace Exchange {

// An address as the splitter reads it from a box's lines (SplitAddress).
struct Address
{
    // The name and further name lines, and every line that could not be placed
    // (kept whole, in the order of the box).
    QStringList nameLines;
    QString street;        // street and house number as written
    QString postOfficeBox; // the number of a "Postfach" line
    QString postcode;
    QString town;
    QString countryCode; // ISO 3166-1 alpha-2; empty: the text names no country
};

struct Contact
{
    QString person;
    QString phone;
    QString fax;
    QString email;
};

// What the splitter could not do with a box's lines; the lines concerned are
// kept whole in the name lines.
enum class AddressIssue : quint8 {
    // A party's last line (before country and contact) holds no postcode and
    // town, or a place has no line but its country.
    NoTown,
    NoCountry,       // neither a country line nor a country prefix of the postcode
    CountryConflict, // the postcode's prefix and the country line name two countries
};

// A place of the carriage (taking over, delivery, issue, further loading and
// unloading places): its name lines and address.
struct Place
{
    Address address;
    QVector<AddressIssue> issues;

    bool IsEmpty() const;
};

// A party of the note (sender, consignee, carrier, ...).
struct Party
{
    Address address;
    Contact contact;
    QVector<AddressIssue> issues;

    bool IsEmpty() const;
};

// A date, and the time of day where a box gives one, with the text read.
struct DateText
{
    QString text;
    QDate date; // null: the text did not read as a date
    QTime time; // null: no time of day
    // The text of a box of its own for the time where it did not read as one.
    QString timeText;
};

// A number with its unit, and the text read. `unit` is a UN/ECE unit code
// ("KGM", "TNE", "MTQ", "LTR") for measures and an ISO 4217 code for amounts;
// empty where the text names none.
struct Quantity
{
    QString text;
    std::optional<DecimalNumber> value; // none: the text did not read as a number
    // For an amount, the currency as the box names it where it is no code the
    // program knows.
    QString unit;

    bool IsEmpty() const { return text.isEmpty() && !value; }
};

struct GoodsItem
{
    QString marks;
    Quantity packages; // a whole number
    QString packing;
    QString description;
    QString statisticalNumber;
    Quantity grossWeight; // kg unless the text names another unit
    Quantity volume;      // m³ unless the text names another unit
    Quantity loadingWeight;

    bool IsEmpty() const;
};

struct DangerousGoods
{
    QString unNumber;
    QString name;
    QString label;
    QString packingGroup;
    QString tunnelCode;

    bool IsEmpty() const;
};

enum class ChargeKind : quint8 {
    Carriage,
    Deductions,
    Subtotal,
    Supplements,
    OtherCharges,
    Miscellaneous,
    Total,
    Service,
    Net,
    Tax,
};

enum class Payer : quint8 { None, Sender, Consignee };

// An amount of a freight calculation or of the table of charges; `amount.unit`
// is the currency. `row` tells rows of one kind apart (the freight rows of a
// domestic calculation).
struct Charge
{
    ChargeKind kind = ChargeKind::Carriage;
    Payer payer = Payer::None;
    int row = 0;
    Quantity amount;
};

enum class Permit : quint8 { None, National, Bilateral, Ec, Cemt };
enum class ContractTerms : quint8 { None, Adr, Hgb, VbglAgl, Adsp };

// A box without a meaning that holds text (page 1 index).
struct FreeBox
{
    int box = -1;
    QString text;
};

// Where the record's values came from: the boxes of one meaning (and row) of
// the note read, with their texts. Writing the same form again keeps these
// texts wherever they still say what the record says.
struct SourceBoxes
{
    Forms::BoxMeaning meaning = Forms::BoxMeaning::None;
    int row = 0;
    QVector<int> boxes;
    QStringList texts;
};

struct Consignment
{
    // The form the note was filled in on; an export names the document after it.
    FormType form = FormType::Cmr;
    // The form and edition the record was read from (static data), null for a
    // record made elsewhere. Free boxes are boxes of this form.
    const Forms::FormDescription* sourceForm = nullptr;

    QString noteNumber;
    Place placeOfIssue;
    DateText dateOfIssue;

    Party sender;
    Party consignee;
    Party carrier;
    QVector<Party> successiveCarriers;
    Party forwarder;
    Party orderingParty;

    Place takingOverPlace;
    DateText takingOverDate;
    Place deliveryPlace;
    QVector<Place> furtherLoadingPlaces;
    QVector<Place> furtherUnloadingPlaces;

    QVector<GoodsItem> goods; // by row of the form; rows may be empty
    DangerousGoods dangerousGoods;

    QString senderInstructions;
    QString specialAgreements;
    QStringList attachedDocuments; // one document a line
    QString paymentInstructions;
    Quantity cashOnDelivery;
    QVector<Charge> charges;

    QString vehiclePlate;
    QString trailerPlate;

    Permit permit = Permit::None;
    std::optional<bool> openVehicle;
    ContractTerms terms = ContractTerms::None;

    QVector<FreeBox> freeBoxes;
    QVector<SourceBoxes> sources;

    // The first box of the note a meaning and row were read from, or -1.
    int SourceBox(Forms::BoxMeaning meaning, int row = 0) const;
};

// Equality of what a record says, what a round trip must keep: a value that was
// read compares by its value (1.250 kg and 1250 are the same weight), one that
// was not by its text. SameContents leaves out the sources and the form.
bool operator==(const Address& a, const Address& b);
bool operator==(const Contact& a, const Contact& b);
bool operator==(const Place& a, const Place& b);
bool operator==(const Party& a, const Party& b);
bool operator==(const DateText& a, const DateText& b);
bool operator==(const Quantity& a, const Quantity& b);
bool operator==(const GoodsItem& a, const GoodsItem& b);
bool operator==(const DangerousGoods& a, const DangerousGoods& b);
bool operator==(const Charge& a, const Charge& b);
bool operator==(const FreeBox& a, const FreeBox& b);
bool SameContents(const Consignment& a, const Consignment& b);

} // namespace Exchange
