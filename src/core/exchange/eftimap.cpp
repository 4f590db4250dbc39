#include "core/exchange/eftimap.h"

#include <QHash>
#include <QRegularExpression>
#include <QStringList>

#include <array>
#include <iterator>

namespace Exchange::Efti {

namespace {

using C = Content;
using P = Part;
using S = Scope;
constexpr bool kRepeats = true;

// Rows of a trade party's or location's postal address at one place.
#define TVM_ADDRESS_ROW(scope, part, name, content, limit, typeLimit, repeats)                     \
    {                                                                                              \
        scope, P::part, scope, P::Address, name, content, limit, typeLimit, repeats                \
    }

// The formats are the data set's at each place (an element's "format" for
// its parent there), the type limits those of the schema's types
// (LimitedString35, Identifier17, ...). The test of the export holds the
// table to the schema.
// clang-format off
const Element kElements[] = {
    {S::Consignment, P::Charge, S::Consignment, P::None, "applicableServiceCharge", C::Rows},
    {S::Consignment, P::ChargeAmount, S::Consignment, P::Charge, "appliedAmount", C::Amount, 16, 0, kRepeats},
    {S::Consignment, P::ChargeType, S::Consignment, P::Charge, "id", C::Code, 5},
    {S::Consignment, P::ChargePayer, S::Consignment, P::Charge, "payingPartyRoleCode", C::Code, 3},
    {S::Consignment, P::AttachedDocument, S::Consignment, P::None, "associatedDocument", C::Rows},
    {S::Consignment, P::DocumentId, S::Consignment, P::AttachedDocument, "id", C::Text, 17, 35},
    {S::Consignment, P::CashOnDelivery, S::Consignment, P::None, "cODAmount", C::Amount, 16},

    {S::Carrier, P::Group, S::Consignment, P::None, "carrier"},
    {S::Carrier, P::Contact, S::Carrier, P::Group, "definedContactDetails"},
    {S::Carrier, P::Person, S::Carrier, P::Contact, "personName", C::Text, 35, 35, kRepeats},
    {S::Carrier, P::PhoneGroup, S::Carrier, P::Contact, "telephone"},
    {S::Carrier, P::Phone, S::Carrier, P::PhoneGroup, "completeNumber", C::Text, 35, 35},
    {S::Carrier, P::Name, S::Carrier, P::Group, "name", C::Text, 35, 70, kRepeats},
    {S::Carrier, P::Address, S::Carrier, P::Group, "postalAddress"},
    TVM_ADDRESS_ROW(S::Carrier, City, "cityName", C::Text, 35, 35, kRepeats),
    TVM_ADDRESS_ROW(S::Carrier, Country, "countryCode", C::Country, 2, 0, false),
    TVM_ADDRESS_ROW(S::Carrier, PostBox, "postOfficeBox", C::Text, 17, 17, false),
    TVM_ADDRESS_ROW(S::Carrier, Postcode, "postcode", C::Code, 17, 0, false),
    TVM_ADDRESS_ROW(S::Carrier, Street, "streetName", C::Text, 35, 35, kRepeats),

    {S::Consignment, P::TakingOverDateTime, S::Consignment, P::None, "carrierAcceptanceDateTime", C::DateTime, 20},
    {S::TakingOverPlace, P::Group, S::Consignment, P::None, "carrierAcceptanceLocation"},
    {S::TakingOverPlace, P::Name, S::TakingOverPlace, P::Group, "name", C::Text, 35, 256, kRepeats},
    {S::TakingOverPlace, P::Address, S::TakingOverPlace, P::Group, "postalAddress"},
    TVM_ADDRESS_ROW(S::TakingOverPlace, City, "cityName", C::Text, 35, 35, kRepeats),
    TVM_ADDRESS_ROW(S::TakingOverPlace, Country, "countryCode", C::Country, 2, 0, false),
    TVM_ADDRESS_ROW(S::TakingOverPlace, Postcode, "postcode", C::Code, 17, 0, false),
    TVM_ADDRESS_ROW(S::TakingOverPlace, Street, "streetName", C::Text, 35, 35, kRepeats),

    {S::ConnectingCarrier, P::Group, S::Consignment, P::None, "connectingCarrier", C::Rows},
    {S::ConnectingCarrier, P::Name, S::ConnectingCarrier, P::Group, "name", C::Text, 35, 70, kRepeats},
    {S::ConnectingCarrier, P::Address, S::ConnectingCarrier, P::Group, "postalAddress"},
    TVM_ADDRESS_ROW(S::ConnectingCarrier, City, "cityName", C::Text, 35, 35, kRepeats),
    TVM_ADDRESS_ROW(S::ConnectingCarrier, Country, "countryCode", C::Country, 2, 0, false),
    TVM_ADDRESS_ROW(S::ConnectingCarrier, PostBox, "postOfficeBox", C::Text, 17, 17, false),
    TVM_ADDRESS_ROW(S::ConnectingCarrier, Postcode, "postcode", C::Code, 17, 0, false),
    TVM_ADDRESS_ROW(S::ConnectingCarrier, Street, "streetName", C::Text, 35, 35, kRepeats),

    {S::Consignee, P::Group, S::Consignment, P::None, "consignee"},
    {S::Consignee, P::Contact, S::Consignee, P::Group, "definedContactDetails"},
    {S::Consignee, P::EmailGroup, S::Consignee, P::Contact, "emailAddress"},
    {S::Consignee, P::Email, S::Consignee, P::EmailGroup, "uRI", C::Text, 35, 35},
    {S::Consignee, P::FaxGroup, S::Consignee, P::Contact, "fax"},
    {S::Consignee, P::Fax, S::Consignee, P::FaxGroup, "completeNumber", C::Text, 35, 35},
    {S::Consignee, P::Person, S::Consignee, P::Contact, "personName", C::Text, 35, 35, kRepeats},
    {S::Consignee, P::PhoneGroup, S::Consignee, P::Contact, "telephone"},
    {S::Consignee, P::Phone, S::Consignee, P::PhoneGroup, "completeNumber", C::Text, 35, 35},
    {S::Consignee, P::Name, S::Consignee, P::Group, "name", C::Text, 35, 70, kRepeats},
    {S::Consignee, P::Address, S::Consignee, P::Group, "postalAddress"},
    TVM_ADDRESS_ROW(S::Consignee, City, "cityName", C::Text, 35, 35, kRepeats),
    TVM_ADDRESS_ROW(S::Consignee, Country, "countryCode", C::Country, 2, 0, false),
    TVM_ADDRESS_ROW(S::Consignee, PostBox, "postOfficeBox", C::Text, 17, 17, false),
    TVM_ADDRESS_ROW(S::Consignee, Postcode, "postcode", C::Code, 17, 0, false),
    TVM_ADDRESS_ROW(S::Consignee, Street, "streetName", C::Text, 35, 35, kRepeats),

    {S::DeliveryPlace, P::Group, S::Consignment, P::None, "consigneeReceiptLocation"},
    {S::DeliveryPlace, P::Name, S::DeliveryPlace, P::Group, "name", C::Text, 35, 256, kRepeats},
    {S::DeliveryPlace, P::Address, S::DeliveryPlace, P::Group, "postalAddress"},
    TVM_ADDRESS_ROW(S::DeliveryPlace, City, "cityName", C::Text, 35, 35, kRepeats),
    TVM_ADDRESS_ROW(S::DeliveryPlace, Country, "countryCode", C::Country, 2, 0, false),
    TVM_ADDRESS_ROW(S::DeliveryPlace, Postcode, "postcode", C::Code, 17, 0, false),
    TVM_ADDRESS_ROW(S::DeliveryPlace, Street, "streetName", C::Text, 35, 35, kRepeats),

    {S::Consignor, P::Group, S::Consignment, P::None, "consignor"},
    {S::Consignor, P::Contact, S::Consignor, P::Group, "definedContactDetails"},
    {S::Consignor, P::EmailGroup, S::Consignor, P::Contact, "emailAddress"},
    {S::Consignor, P::Email, S::Consignor, P::EmailGroup, "uRI", C::Text, 35, 35},
    {S::Consignor, P::PhoneGroup, S::Consignor, P::Contact, "telephone"},
    {S::Consignor, P::Phone, S::Consignor, P::PhoneGroup, "completeNumber", C::Text, 35, 35},
    {S::Consignor, P::Name, S::Consignor, P::Group, "name", C::Text, 35, 70, kRepeats},
    {S::Consignor, P::Address, S::Consignor, P::Group, "postalAddress"},
    TVM_ADDRESS_ROW(S::Consignor, City, "cityName", C::Text, 35, 35, kRepeats),
    TVM_ADDRESS_ROW(S::Consignor, Country, "countryCode", C::Country, 2, 0, false),
    TVM_ADDRESS_ROW(S::Consignor, PostBox, "postOfficeBox", C::Text, 17, 17, false),
    TVM_ADDRESS_ROW(S::Consignor, Postcode, "postcode", C::Code, 17, 0, false),
    TVM_ADDRESS_ROW(S::Consignor, Street, "streetName", C::Text, 35, 35, kRepeats),

    {S::Consignment, P::BorderInstructions, S::Consignment, P::None, "consignorProvidedBorderClearanceInstructions"},
    {S::Consignment, P::InstructionText, S::Consignment, P::BorderInstructions, "description", C::Text, 256, 256, kRepeats},
    {S::Consignment, P::ContractTerms, S::Consignment, P::None, "contractTermsText", C::Text, 256, 256, kRepeats},

    {S::Forwarder, P::Group, S::Consignment, P::None, "freightForwarder"},
    {S::Forwarder, P::Name, S::Forwarder, P::Group, "name", C::Text, 35, 70, kRepeats},
    {S::Forwarder, P::Address, S::Forwarder, P::Group, "postalAddress"},
    TVM_ADDRESS_ROW(S::Forwarder, City, "cityName", C::Text, 35, 35, kRepeats),
    TVM_ADDRESS_ROW(S::Forwarder, Country, "countryCode", C::Country, 2, 0, false),
    TVM_ADDRESS_ROW(S::Forwarder, PostBox, "postOfficeBox", C::Text, 17, 17, false),
    TVM_ADDRESS_ROW(S::Forwarder, Postcode, "postcode", C::Code, 17, 0, false),
    TVM_ADDRESS_ROW(S::Forwarder, Street, "streetName", C::Text, 35, 35, kRepeats),

    {S::Consignment, P::TotalVolume, S::Consignment, P::None, "grossVolume", C::Measure, 16, 0, kRepeats},
    {S::Consignment, P::TotalWeight, S::Consignment, P::None, "grossWeight", C::Measure, 16, 0, kRepeats},
    {S::Consignment, P::Item, S::Consignment, P::None, "includedConsignmentItem"},
    {S::Consignment, P::Dangerous, S::Consignment, P::Item, "transportDangerousGoods"},
    {S::Consignment, P::DangerousLabel, S::Consignment, P::Dangerous, "labelTypeCode", C::Code, 3, 0, kRepeats},
    {S::Consignment, P::DangerousPackingGroup, S::Consignment, P::Dangerous, "packagingDangerLevelCode", C::Code, 3},
    {S::Consignment, P::DangerousName, S::Consignment, P::Dangerous, "properShippingName", C::Text, 128, 128, kRepeats},
    {S::Consignment, P::DangerousTunnelCode, S::Consignment, P::Dangerous, "tunnelRestrictionCode", C::Code, 3},
    {S::Consignment, P::DangerousUnNumber, S::Consignment, P::Dangerous, "uNDGID", C::Code, 4},

    {S::Consignment, P::MainCarriage, S::Consignment, P::None, "mainCarriageTransportMovement"},
    {S::Consignment, P::DangerousGoodsIndicator, S::Consignment, P::MainCarriage, "dangerousGoodsIndicator", C::Boolean},
    {S::Consignment, P::LoadingEvent, S::Consignment, P::MainCarriage, "loadingEvent", C::Rows},
    {S::LoadingPlace, P::Group, S::Consignment, P::LoadingEvent, "occurrenceLocation"},
    {S::LoadingPlace, P::Name, S::LoadingPlace, P::Group, "name", C::Text, 35, 256, kRepeats},
    {S::LoadingPlace, P::Address, S::LoadingPlace, P::Group, "postalAddress"},
    TVM_ADDRESS_ROW(S::LoadingPlace, City, "cityName", C::Text, 35, 35, kRepeats),
    TVM_ADDRESS_ROW(S::LoadingPlace, Country, "countryCode", C::Country, 2, 0, false),
    TVM_ADDRESS_ROW(S::LoadingPlace, PostBox, "postOfficeBox", C::Text, 17, 17, false),
    TVM_ADDRESS_ROW(S::LoadingPlace, Postcode, "postcode", C::Code, 17, 0, false),
    TVM_ADDRESS_ROW(S::LoadingPlace, Street, "streetName", C::Text, 35, 35, kRepeats),
    {S::Consignment, P::ModeCode, S::Consignment, P::MainCarriage, "modeCode", C::Code, 1},
    {S::Consignment, P::UnloadingEvent, S::Consignment, P::MainCarriage, "unloadingEvent", C::Rows},
    {S::UnloadingPlace, P::Group, S::Consignment, P::UnloadingEvent, "occurrenceLocation"},
    {S::UnloadingPlace, P::Name, S::UnloadingPlace, P::Group, "name", C::Text, 35, 256, kRepeats},
    {S::UnloadingPlace, P::Address, S::UnloadingPlace, P::Group, "postalAddress"},
    TVM_ADDRESS_ROW(S::UnloadingPlace, City, "cityName", C::Text, 35, 35, kRepeats),
    TVM_ADDRESS_ROW(S::UnloadingPlace, Country, "countryCode", C::Country, 2, 0, false),
    TVM_ADDRESS_ROW(S::UnloadingPlace, PostBox, "postOfficeBox", C::Text, 17, 17, false),
    TVM_ADDRESS_ROW(S::UnloadingPlace, Postcode, "postcode", C::Code, 17, 0, false),
    TVM_ADDRESS_ROW(S::UnloadingPlace, Street, "streetName", C::Text, 35, 35, kRepeats),
    {S::Consignment, P::TransportMeans, S::Consignment, P::MainCarriage, "usedTransportMeans"},
    {S::Consignment, P::VehicleId, S::Consignment, P::TransportMeans, "id", C::Text, 17, 17},

    {S::Consignment, P::CargoNature, S::Consignment, P::None, "natureIdentificationCargo"},
    {S::Consignment, P::CargoDescription, S::Consignment, P::CargoNature, "identificationText", C::Text, 512, 512, kRepeats},
    {S::Consignment, P::PackageCount, S::Consignment, P::None, "numberOfPackages", C::Integer, 8},
    {S::Consignment, P::PaymentArrangement, S::Consignment, P::None, "paymentArrangementCode", C::Code, 3},

    {S::Consignment, P::ContractDocument, S::Consignment, P::None, "transportContractDocument"},
    {S::Consignment, P::IssueDateTime, S::Consignment, P::ContractDocument, "formattedIssueDateTime", C::DateTime, 20},
    {S::Consignment, P::NoteNumber, S::Consignment, P::ContractDocument, "id", C::Text, 17, 35},
    {S::IssuePlace, P::Group, S::Consignment, P::ContractDocument, "issueLocation"},
    {S::IssuePlace, P::Name, S::IssuePlace, P::Group, "name", C::Text, 256, 256, kRepeats},
    {S::Consignment, P::DocumentType, S::Consignment, P::ContractDocument, "typeCode", C::Code, 3},

    {S::Consignment, P::Package, S::Consignment, P::None, "transportPackage", C::Rows},
    {S::Consignment, P::PackageQuantity, S::Consignment, P::Package, "itemQuantity", C::Integer, 8},
    {S::Consignment, P::ShippingMarks, S::Consignment, P::Package, "shippingMarks"},
    {S::Consignment, P::MarkingText, S::Consignment, P::ShippingMarks, "markingText", C::Text, 70, 70, kRepeats},
    {S::Consignment, P::PackingText, S::Consignment, P::Package, "typeText", C::Text, 35, 35, kRepeats},

    {S::Consignment, P::Equipment, S::Consignment, P::None, "usedTransportEquipment", C::Rows},
    {S::Consignment, P::EquipmentCategory, S::Consignment, P::Equipment, "categoryCode", C::Code, 3},
    {S::Consignment, P::EquipmentId, S::Consignment, P::Equipment, "id", C::Text, 17, 17},
};
// clang-format on
#undef TVM_ADDRESS_ROW

constexpr int kCount = int(std::size(kElements));

} // namespace

const Element* Elements(int* count)
{
    *count = kCount;
    return kElements;
}

int RowOf(Scope scope, Part part)
{
    static const QHash<int, int> rows = [] {
        QHash<int, int> found;
        for (int i = 0; i < kCount; ++i)
            found.insert(int(kElements[i].scope) << 8 | int(kElements[i].part), i);
        return found;
    }();
    return rows.value(int(scope) << 8 | int(part), -1);
}

const QVector<int>& Chain(int row)
{
    static const QVector<QVector<int>> chains = [] {
        QVector<QVector<int>> all(kCount);
        for (int i = 0; i < kCount; ++i) {
            for (int at = i; at >= 0;) {
                all[i].prepend(at);
                const Element& e = kElements[at];
                at = e.parentPart == Part::None ? -1 : RowOf(e.parentScope, e.parentPart);
            }
        }
        return all;
    }();
    return chains[row];
}

QString PathOf(int row)
{
    QStringList names;
    for (int at : Chain(row))
        names.append(QLatin1String(kElements[at].name));
    return names.join(QLatin1Char('/'));
}

QString ChargeTypeCode(ChargeKind kind)
{
    switch (kind) {
    case ChargeKind::Carriage:
        return QStringLiteral("CARR");
    case ChargeKind::Deductions:
        return QStringLiteral("DEDUC");
    case ChargeKind::Subtotal:
        return QStringLiteral("SUBT");
    case ChargeKind::Supplements:
        return QStringLiteral("SUPPL");
    case ChargeKind::OtherCharges:
        return QStringLiteral("OTHER");
    case ChargeKind::Miscellaneous:
        return QStringLiteral("MISC");
    case ChargeKind::Total:
        return QStringLiteral("TOTAL");
    case ChargeKind::Service:
        return QStringLiteral("SERV");
    case ChargeKind::Net:
        return QStringLiteral("NET");
    case ChargeKind::Tax:
        return QStringLiteral("TAX");
    }
    return {};
}

QString PayerRoleCode(Payer payer)
{
    switch (payer) {
    case Payer::Sender:
        return QStringLiteral("CZ");
    case Payer::Consignee:
        return QStringLiteral("CN");
    case Payer::None:
        break;
    }
    return {};
}

QString DocumentTypeCode(FormType form)
{
    return form == FormType::Forwarding ? QStringLiteral("610") : QStringLiteral("730");
}

QString PaymentArrangementCode(const QString& instructions)
{
    static const QRegularExpression prepaid(
        QStringLiteral("^(frei|frei haus|franko|franco|franco domicile|prepaid|port payé)$"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression collect(QStringLiteral("^(unfrei|unfranko|collect|port dû)$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QString words = instructions.simplified();
    if (prepaid.match(words).hasMatch())
        return QStringLiteral("P");
    if (collect.match(words).hasMatch())
        return QStringLiteral("C");
    return {};
}

QString ContractTermsText(ContractTerms terms)
{
    switch (terms) {
    case ContractTerms::Adr:
        return QStringLiteral("ADR 1.5.1");
    case ContractTerms::Hgb:
        return QStringLiteral("HGB §§ 407 ff.");
    case ContractTerms::VbglAgl:
        return QStringLiteral("VBGL/AGL");
    case ContractTerms::Adsp:
        return QStringLiteral("ADSp");
    case ContractTerms::None:
        break;
    }
    return {};
}

} // namespace Exchange::Efti
