#include "core/exchange/consignment.h"

namespace Exchange {

namespace {

bool IsEmpty(const Address& a)
{
    return a.nameLines.isEmpty() && a.street.isEmpty() && a.postOfficeBox.isEmpty() &&
           a.postcode.isEmpty() && a.town.isEmpty() && a.countryCode.isEmpty();
}

} // namespace

bool Place::IsEmpty() const
{
    return Exchange::IsEmpty(address);
}

bool Party::IsEmpty() const
{
    return Exchange::IsEmpty(address) && contact.person.isEmpty() && contact.phone.isEmpty() &&
           contact.fax.isEmpty() && contact.email.isEmpty();
}

bool GoodsItem::IsEmpty() const
{
    return marks.isEmpty() && packages.IsEmpty() && packing.isEmpty() && description.isEmpty() &&
           statisticalNumber.isEmpty() && grossWeight.IsEmpty() && volume.IsEmpty() &&
           loadingWeight.IsEmpty();
}

bool DangerousGoods::IsEmpty() const
{
    return unNumber.isEmpty() && name.isEmpty() && label.isEmpty() && packingGroup.isEmpty() &&
           tunnelCode.isEmpty();
}

int Consignment::SourceBox(Forms::BoxMeaning meaning, int row) const
{
    for (const SourceBoxes& source : sources)
        if (source.meaning == meaning && source.row == row && !source.boxes.isEmpty())
            return source.boxes.first();
    return -1;
}

bool operator==(const Address& a, const Address& b)
{
    return a.nameLines == b.nameLines && a.street == b.street &&
           a.postOfficeBox == b.postOfficeBox && a.postcode == b.postcode && a.town == b.town &&
           a.countryCode == b.countryCode;
}

bool operator==(const Contact& a, const Contact& b)
{
    return a.person == b.person && a.phone == b.phone && a.fax == b.fax && a.email == b.email;
}

bool operator==(const Place& a, const Place& b)
{
    return a.address == b.address;
}

bool operator==(const Party& a, const Party& b)
{
    return a.address == b.address && a.contact == b.contact;
}

bool operator==(const DateText& a, const DateText& b)
{
    if (a.timeText != b.timeText)
        return false;
    if (a.date.isValid() || b.date.isValid())
        return a.date == b.date && a.time == b.time;
    return a.text == b.text;
}

bool operator==(const Quantity& a, const Quantity& b)
{
    if (a.value || b.value)
        return a.value == b.value && a.unit == b.unit;
    return a.text == b.text && a.unit == b.unit;
}

bool operator==(const GoodsItem& a, const GoodsItem& b)
{
    return a.marks == b.marks && a.packages == b.packages && a.packing == b.packing &&
           a.description == b.description && a.statisticalNumber == b.statisticalNumber &&
           a.grossWeight == b.grossWeight && a.volume == b.volume &&
           a.loadingWeight == b.loadingWeight;
}

bool operator==(const DangerousGoods& a, const DangerousGoods& b)
{
    return a.unNumber == b.unNumber && a.name == b.name && a.label == b.label &&
           a.packingGroup == b.packingGroup && a.tunnelCode == b.tunnelCode;
}

bool operator==(const Charge& a, const Charge& b)
{
    return a.kind == b.kind && a.payer == b.payer && a.row == b.row && a.amount == b.amount;
}

bool operator==(const FreeBox& a, const FreeBox& b)
{
    return a.box == b.box && a.text == b.text;
}

bool SameContents(const Consignment& a, const Consignment& b)
{
    return a.noteNumber == b.noteNumber && a.placeOfIssue == b.placeOfIssue &&
           a.dateOfIssue == b.dateOfIssue && a.sender == b.sender && a.consignee == b.consignee &&
           a.carrier == b.carrier && a.successiveCarriers == b.successiveCarriers &&
           a.forwarder == b.forwarder && a.orderingParty == b.orderingParty &&
           a.takingOverPlace == b.takingOverPlace && a.takingOverDate == b.takingOverDate &&
           a.deliveryPlace == b.deliveryPlace && a.furtherLoadingPlaces == b.furtherLoadingPlaces &&
           a.furtherUnloadingPlaces == b.furtherUnloadingPlaces && a.goods == b.goods &&
           a.dangerousGoods == b.dangerousGoods && a.senderInstructions == b.senderInstructions &&
           a.specialAgreements == b.specialAgreements &&
           a.attachedDocuments == b.attachedDocuments &&
           a.paymentInstructions == b.paymentInstructions && a.cashOnDelivery == b.cashOnDelivery &&
           a.charges == b.charges && a.vehiclePlate == b.vehiclePlate &&
           a.trailerPlate == b.trailerPlate && a.permit == b.permit &&
           a.openVehicle == b.openVehicle && a.terms == b.terms && a.freeBoxes == b.freeBoxes;
}

} // namespace Exchange
