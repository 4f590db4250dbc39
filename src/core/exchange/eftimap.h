#pragma once

#include "core/exchange/consignment.h"
#include "core/forms/formtype.h"

#include <QString>

// Where the record's values go in the eFTI common data set (schema version 0.8,
// root "consignment", namespace below): the one table of element names,
// nesting, order, formats and length limits. The schema is still a draft; when
// it changes, this table changes and the export follows.
//
// The schema's types are shared, but the data set defines per place which of
// their elements exist and in which format (a trade party as consignor has an
// e-mail address, as carrier a contact person, as freight forwarder neither).
// So the table has a row per element and place: a row is a part of a scope
// (the consignment, a party, a place), below the element of its parent row.
// Rows of one parent stand in the schema's order, which is the order the
// export writes them in. A value whose part a scope lacks has no element.
namespace Exchange::Efti {

inline constexpr const char* kNamespace = "http://efti.eu/v1/consignment/common";
inline constexpr const char* kRootName = "consignment";

// The record's parties and places, and the consignment itself.
enum class Scope : quint8 {
    Consignment,
    Consignor,
    Consignee,
    Carrier,
    ConnectingCarrier,
    Forwarder,
    TakingOverPlace,
    DeliveryPlace,
    LoadingPlace,
    UnloadingPlace,
    IssuePlace,
};

// What of a scope a row holds.
enum class Part : quint8 {
    None, // the root: the parent of the consignment's own rows
    // A party's or place's own element and its parts.
    Group,
    Contact,
    EmailGroup,
    Email,
    FaxGroup,
    Fax,
    Person,
    PhoneGroup,
    Phone,
    Name,
    Address,
    City,
    Country,
    PostBox,
    Postcode,
    Street,
    // The consignment's parts.
    Charge,
    ChargeAmount,
    ChargeType,
    ChargePayer,
    AttachedDocument,
    DocumentId,
    CashOnDelivery,
    TakingOverDateTime,
    BorderInstructions,
    InstructionText,
    ContractTerms,
    Item,
    Dangerous,
    DangerousLabel,
    DangerousPackingGroup,
    DangerousName,
    DangerousTunnelCode,
    DangerousUnNumber,
    TotalVolume,
    TotalWeight,
    MainCarriage,
    DangerousGoodsIndicator,
    LoadingEvent,
    ModeCode,
    UnloadingEvent,
    TransportMeans,
    VehicleId,
    CargoNature,
    CargoDescription,
    PackageCount,
    PaymentArrangement,
    ContractDocument,
    IssueDateTime,
    NoteNumber,
    DocumentType,
    Package,
    PackageQuantity,
    ShippingMarks,
    MarkingText,
    PackingText,
    Equipment,
    EquipmentCategory,
    EquipmentId,
};

// What an element holds and how the export writes it.
enum class Content : quint8 {
    Group,    // child elements only
    Rows,     // child elements only, one such element per row of the record
    Text,     // text of at most `limit` characters
    Code,     // a code (a token of at most `limit` characters)
    Integer,  // a whole number of at most `limit` digits
    Measure,  // a decimal of at most `limit` digits, six after the point, with unitId
    Amount,   // a decimal of at most `limit` digits, three after the point, with currencyId
    DateTime, // CCYYMMDD (formatId 102) or CCYYMMDDHHMM (203)
    Country,  // an ISO 3166-1 alpha-2 code of the schema's list
    Boolean,
};

struct Element
{
    Scope scope;
    Part part;
    Scope parentScope;
    Part parentPart;
    const char* name;
    Content content = Content::Group;
    // The element's format at this place: characters for text and codes
    // (an..35: 35), digits for numbers (n..16,6: 16). 0: none.
    int limit = 0;
    // The schema type's own maximum length of a text (LimitedString70: 70), 0
    // for none; beyond it a document does not validate.
    int typeLimit = 0;
    // The element may repeat: a longer text goes into several of them.
    bool repeats = false;
};

// The table.
const Element* Elements(int* count);
// The row of a scope's part, or -1 where the scope lacks the part.
int RowOf(Scope scope, Part part);
// The rows from the root's child down to `row`.
const QVector<int>& Chain(int row);
// The element names from the root's child down to `row`, '/' apart.
QString PathOf(int row);

// The codes the export writes for the record's values. The schema names no
// code list for the type of a service charge (an..5): the program writes its
// own codes, "CARR", "DEDUC", "SUBT", "SUPPL", "OTHER", "MISC", "TOTAL",
// "SERV", "NET", "TAX". The others are UN/EDIFACT codes: party roles (3035)
// "CZ" consignor, "CN" consignee; document names (1001) "730" road consignment
// note, "610" forwarding instructions; payment arrangements (4237) "P"
// prepaid, "C" collect; transport mode (8067) "3" road; equipment (8053) "TE"
// trailer.
QString ChargeTypeCode(ChargeKind kind);
QString PayerRoleCode(Payer payer);
QString DocumentTypeCode(FormType form);
inline constexpr const char* kRoadTransport = "3";
inline constexpr const char* kTrailerCategory = "TE";
// The payment arrangement a box's words name ("frei", "frei Haus", "franco",
// "unfrei"); empty for any other text.
QString PaymentArrangementCode(const QString& instructions);
// The contract terms a check box names, as the contract terms text says them.
QString ContractTermsText(ContractTerms terms);

} // namespace Exchange::Efti
