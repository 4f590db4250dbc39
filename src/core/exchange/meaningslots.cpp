#include "core/exchange/meaningslots.h"

#include <algorithm>
#include <iterator>

namespace Exchange {

Spread SpreadOf(BoxMeaning meaning)
{
    switch (meaning) {
    case BoxMeaning::TakingOverPlace:
    case BoxMeaning::DeliveryPlace:
    case BoxMeaning::SenderInstructions:
    case BoxMeaning::SpecialAgreements:
        return Spread::Lines;
    case BoxMeaning::FurtherLoadingPlace:
    case BoxMeaning::FurtherUnloadingPlace:
    case BoxMeaning::GoodsMarks:
    case BoxMeaning::GoodsPackages:
    case BoxMeaning::GoodsPacking:
    case BoxMeaning::GoodsPackagesAndPacking:
    case BoxMeaning::GoodsDescription:
    case BoxMeaning::GoodsStatisticalNumber:
    case BoxMeaning::GoodsGrossWeight:
    case BoxMeaning::GoodsVolume:
    case BoxMeaning::GoodsWeightOrVolume:
    case BoxMeaning::GoodsLoadingWeight:
    case BoxMeaning::PayableBySender:
    case BoxMeaning::SenderCurrency:
    case BoxMeaning::ConsigneeCurrency:
    case BoxMeaning::PayableByConsignee:
    case BoxMeaning::FreightSum:
    case BoxMeaning::ServiceAmount:
        return Spread::Rows;
    case BoxMeaning::Cents:
        return Spread::Cents;
    case BoxMeaning::PermitNational:
    case BoxMeaning::PermitBilateral:
    case BoxMeaning::PermitEc:
    case BoxMeaning::PermitCemt:
    case BoxMeaning::OpenVehicleYes:
    case BoxMeaning::OpenVehicleNo:
    case BoxMeaning::TermsAdr:
    case BoxMeaning::TermsHgb:
    case BoxMeaning::TermsVbglAgl:
    case BoxMeaning::TermsAdsp:
        return Spread::Check;
    default:
        return Spread::Single;
    }
}

bool IsAddressBlock(BoxMeaning meaning)
{
    switch (meaning) {
    case BoxMeaning::Sender:
    case BoxMeaning::Consignee:
    case BoxMeaning::Carrier:
    case BoxMeaning::SuccessiveCarriers:
    case BoxMeaning::Forwarder:
        return true;
    default:
        return false;
    }
}

bool IsAmount(BoxMeaning meaning)
{
    switch (meaning) {
    case BoxMeaning::CashOnDelivery:
    case BoxMeaning::PayableBySender:
    case BoxMeaning::PayableByConsignee:
    case BoxMeaning::FreightSum:
    case BoxMeaning::ServiceAmount:
    case BoxMeaning::Subtotal:
    case BoxMeaning::NetAmount:
    case BoxMeaning::TaxAmount:
    case BoxMeaning::TotalAmount:
        return true;
    default:
        return false;
    }
}

QVector<Slot> Slots(const Forms::FormDescription& form)
{
    QVector<Slot> slots;
    QVector<int> rowsSeen(256, 0);
    for (int box = 0; box < form.boxCount; ++box) {
        const BoxMeaning meaning = form.boxes[box].meaning;
        switch (meaning == BoxMeaning::None ? Spread::Check : SpreadOf(meaning)) {
        case Spread::Single:
            if (!FindSlot(slots, meaning))
                slots.append(Slot{meaning, 0, {box}, -1});
            break;
        case Spread::Lines: {
            auto found = std::find_if(slots.begin(), slots.end(), [meaning](const Slot& slot) {
                return slot.meaning == meaning;
            });
            if (found != slots.end())
                found->boxes.append(box);
            else
                slots.append(Slot{meaning, 0, {box}, -1});
            break;
        }
        case Spread::Rows:
            slots.append(Slot{meaning, rowsSeen[int(meaning)]++, {box}, -1});
            break;
        case Spread::Cents:
            if (!slots.isEmpty() && slots.last().boxes.last() == box - 1 &&
                IsAmount(slots.last().meaning) && slots.last().centsBox < 0)
                slots.last().centsBox = box;
            break;
        case Spread::Check:
            break;
        }
    }
    return slots;
}

const Slot* FindSlot(const QVector<Slot>& slots, BoxMeaning meaning, int row)
{
    for (const Slot& slot : slots)
        if (slot.meaning == meaning && slot.row == row)
            return &slot;
    return nullptr;
}

namespace {

// The rows of the international note's table of charges, in its order.
constexpr ChargeKind kPayableRows[] = {ChargeKind::Carriage,     ChargeKind::Deductions,
                                       ChargeKind::Subtotal,     ChargeKind::Supplements,
                                       ChargeKind::OtherCharges, ChargeKind::Miscellaneous,
                                       ChargeKind::Total};

} // namespace

ChargeKind PayableRowKind(int row)
{
    return kPayableRows[row >= 0 && row < PayableRowCount() ? row : 0];
}

int PayableRowCount()
{
    return int(std::size(kPayableRows));
}

BoxMeaning ChargeMeaning(const Charge& charge, int* row)
{
    *row = charge.row;
    if (charge.payer != Payer::None) {
        for (int r = 0; r < PayableRowCount(); ++r)
            if (kPayableRows[r] == charge.kind)
                *row = r;
        return charge.payer == Payer::Sender ? BoxMeaning::PayableBySender
                                             : BoxMeaning::PayableByConsignee;
    }
    switch (charge.kind) {
    case ChargeKind::Carriage:
        return BoxMeaning::FreightSum;
    case ChargeKind::Service:
        return BoxMeaning::ServiceAmount;
    case ChargeKind::Subtotal:
        return BoxMeaning::Subtotal;
    case ChargeKind::Net:
        return BoxMeaning::NetAmount;
    case ChargeKind::Tax:
        return BoxMeaning::TaxAmount;
    case ChargeKind::Total:
        return BoxMeaning::TotalAmount;
    default:
        return BoxMeaning::None;
    }
}

void SetCheck(Consignment& consignment, BoxMeaning meaning)
{
    switch (meaning) {
    case BoxMeaning::PermitNational:
        consignment.permit = Permit::National;
        break;
    case BoxMeaning::PermitBilateral:
        consignment.permit = Permit::Bilateral;
        break;
    case BoxMeaning::PermitEc:
        consignment.permit = Permit::Ec;
        break;
    case BoxMeaning::PermitCemt:
        consignment.permit = Permit::Cemt;
        break;
    case BoxMeaning::OpenVehicleYes:
        consignment.openVehicle = true;
        break;
    case BoxMeaning::OpenVehicleNo:
        consignment.openVehicle = false;
        break;
    case BoxMeaning::TermsAdr:
        consignment.terms = ContractTerms::Adr;
        break;
    case BoxMeaning::TermsHgb:
        consignment.terms = ContractTerms::Hgb;
        break;
    case BoxMeaning::TermsVbglAgl:
        consignment.terms = ContractTerms::VbglAgl;
        break;
    case BoxMeaning::TermsAdsp:
        consignment.terms = ContractTerms::Adsp;
        break;
    default:
        break;
    }
}

bool IsChecked(const Consignment& consignment, BoxMeaning meaning)
{
    Consignment checked;
    SetCheck(checked, meaning);
    return (checked.permit != Permit::None && checked.permit == consignment.permit) ||
           (checked.openVehicle && checked.openVehicle == consignment.openVehicle) ||
           (checked.terms != ContractTerms::None && checked.terms == consignment.terms);
}

} // namespace Exchange
