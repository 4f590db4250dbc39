#include "core/exchange/noteexchange.h"

#include "core/documents/krdocument.h"
#include "core/exchange/addresssplit.h"
#include "core/exchange/boxvalues.h"
#include "core/exchange/countries.h"
#include "core/exchange/meaningslots.h"
#include "core/format/linebreaks.h"

#include <QRegularExpression>

namespace Exchange {

namespace {

template <typename T> T& RowAt(QVector<T>& rows, int row)
{
    if (rows.size() <= row)
        rows.resize(row + 1);
    return rows[row];
}

template <typename T> void DropEmptyTail(QVector<T>& rows)
{
    while (!rows.isEmpty() && rows.last().IsEmpty())
        rows.removeLast();
}

Charge& ChargeAt(Consignment& consignment, ChargeKind kind, Payer payer, int row)
{
    for (Charge& charge : consignment.charges)
        if (charge.kind == kind && charge.payer == payer && charge.row == row)
            return charge;
    consignment.charges.append(Charge{kind, payer, row, Quantity()});
    return consignment.charges.last();
}

const Charge* FindCharge(const Consignment& consignment, ChargeKind kind, Payer payer, int row)
{
    for (const Charge& charge : consignment.charges)
        if (charge.kind == kind && charge.payer == payer && charge.row == row)
            return &charge;
    return nullptr;
}

// The freight calculations of the domestic notes are in euros: their boxes
// name no currency.
bool IsEuroCalculation(BoxMeaning meaning)
{
    return IsAmount(meaning) && meaning != BoxMeaning::CashOnDelivery &&
           meaning != BoxMeaning::PayableBySender && meaning != BoxMeaning::PayableByConsignee;
}

// The charge a slot of an amount or a currency holds.
struct ChargeKey
{
    ChargeKind kind;
    Payer payer;
    int row;
};

std::optional<ChargeKey> ChargeOfSlot(BoxMeaning meaning, int row)
{
    switch (meaning) {
    case BoxMeaning::PayableBySender:
    case BoxMeaning::SenderCurrency:
        return ChargeKey{PayableRowKind(row), Payer::Sender, 0};
    case BoxMeaning::PayableByConsignee:
    case BoxMeaning::ConsigneeCurrency:
        return ChargeKey{PayableRowKind(row), Payer::Consignee, 0};
    case BoxMeaning::FreightSum:
        return ChargeKey{ChargeKind::Carriage, Payer::None, row};
    case BoxMeaning::ServiceAmount:
        return ChargeKey{ChargeKind::Service, Payer::None, row};
    case BoxMeaning::Subtotal:
        return ChargeKey{ChargeKind::Subtotal, Payer::None, 0};
    case BoxMeaning::NetAmount:
        return ChargeKey{ChargeKind::Net, Payer::None, 0};
    case BoxMeaning::TaxAmount:
        return ChargeKey{ChargeKind::Tax, Payer::None, 0};
    case BoxMeaning::TotalAmount:
        return ChargeKey{ChargeKind::Total, Payer::None, 0};
    default:
        return std::nullopt;
    }
}

QString CurrencyOrText(const QString& text)
{
    const QString code = CurrencyCodeFromText(text.trimmed());
    return code.isEmpty() ? text.trimmed() : code;
}

void MergeInto(QString& field, const QString& value)
{
    if (value.isEmpty() || field == value)
        return;
    field = field.isEmpty() ? value : field + QStringLiteral(", ") + value;
}

QStringList Blocks(const QString& text)
{
    static const QRegularExpression blankLine(QStringLiteral("\\n[ \\t]*\\n"));
    QStringList blocks;
    for (const QString& block : text.split(blankLine))
        if (!block.trimmed().isEmpty())
            blocks.append(block);
    return blocks;
}

QStringList NonEmptyLines(const QString& text)
{
    QStringList lines;
    for (const QString& line : text.split(QLatin1Char('\n')))
        if (!line.trimmed().isEmpty())
            lines.append(line.trimmed());
    return lines;
}

// The meanings whose boxes hold a text of the record as it is: its lines, or
// one line. Reading, writing and the search for lost values take them from
// here.
template <typename Owner> struct TextMember
{
    BoxMeaning meaning;
    QString Owner::*member;
    bool oneLine;
};

const TextMember<Consignment> kConsignmentTexts[] = {
    {BoxMeaning::NoteNumber, &Consignment::noteNumber, true},
    {BoxMeaning::SenderInstructions, &Consignment::senderInstructions, false},
    {BoxMeaning::SpecialAgreements, &Consignment::specialAgreements, false},
    {BoxMeaning::PaymentInstructions, &Consignment::paymentInstructions, false},
    {BoxMeaning::VehiclePlate, &Consignment::vehiclePlate, true},
    {BoxMeaning::TrailerPlate, &Consignment::trailerPlate, true},
};

const TextMember<DangerousGoods> kDangerousTexts[] = {
    {BoxMeaning::DangerousUnNumber, &DangerousGoods::unNumber, true},
    {BoxMeaning::DangerousName, &DangerousGoods::name, false},
    {BoxMeaning::DangerousLabel, &DangerousGoods::label, true},
    {BoxMeaning::DangerousPackingGroup, &DangerousGoods::packingGroup, true},
    {BoxMeaning::DangerousTunnelCode, &DangerousGoods::tunnelCode, true},
};

const TextMember<GoodsItem> kGoodsTexts[] = {
    {BoxMeaning::GoodsMarks, &GoodsItem::marks, false},
    {BoxMeaning::GoodsPacking, &GoodsItem::packing, false},
    {BoxMeaning::GoodsDescription, &GoodsItem::description, false},
    {BoxMeaning::GoodsStatisticalNumber, &GoodsItem::statisticalNumber, true},
};

struct GoodsQuantity
{
    BoxMeaning meaning;
    Quantity GoodsItem::*member;
    QuantityKind kind;
};

const GoodsQuantity kGoodsQuantities[] = {
    {BoxMeaning::GoodsPackages, &GoodsItem::packages, QuantityKind::Count},
    {BoxMeaning::GoodsGrossWeight, &GoodsItem::grossWeight, QuantityKind::Weight},
    {BoxMeaning::GoodsVolume, &GoodsItem::volume, QuantityKind::Volume},
    {BoxMeaning::GoodsLoadingWeight, &GoodsItem::loadingWeight, QuantityKind::Weight},
};

template <typename Row, std::size_t N> const Row* RowFor(const Row (&rows)[N], BoxMeaning meaning)
{
    for (const Row& row : rows)
        if (row.meaning == meaning)
            return &row;
    return nullptr;
}

// A place with a date line among its lines (the international note's box 4).
void ReadPlaceWithDateLine(Consignment& consignment, const QString& text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = int(lines.size()) - 1; i >= 0; --i) {
        if (!FindDate(lines[i]))
            continue;
        const PlaceAndDate read = ReadPlaceAndDate(lines[i]);
        consignment.takingOverDate = read.date;
        if (read.place.isEmpty())
            lines.removeAt(i);
        else
            lines[i] = read.place;
        break;
    }
    consignment.takingOverPlace = ReadPlace(lines.join(QLatin1Char('\n')));
}

// Reads the texts of a slot's boxes (LF line breaks), the cents after them.
void ReadSlot(Consignment& c, const Slot& slot, const QStringList& texts, const QString& cents)
{
    const QString text = TrimTrailingSpace(texts.join(QLatin1Char('\n')));
    const QString line = text.trimmed();
    if (const auto* row = RowFor(kConsignmentTexts, slot.meaning)) {
        c.*row->member = row->oneLine ? line : text;
        return;
    }
    if (const auto* row = RowFor(kDangerousTexts, slot.meaning)) {
        c.dangerousGoods.*row->member = row->oneLine ? line : text;
        return;
    }
    if (const auto* row = RowFor(kGoodsTexts, slot.meaning)) {
        RowAt(c.goods, slot.row).*row->member = row->oneLine ? line : text;
        return;
    }
    if (const auto* row = RowFor(kGoodsQuantities, slot.meaning)) {
        RowAt(c.goods, slot.row).*row->member = ReadQuantity(line, row->kind);
        return;
    }
    if (const std::optional<ChargeKey> key = ChargeOfSlot(slot.meaning, slot.row)) {
        Charge& charge = ChargeAt(c, key->kind, key->payer, key->row);
        if (!IsAmount(slot.meaning)) { // a currency box
            charge.amount.unit = CurrencyOrText(line);
            return;
        }
        Quantity amount =
            slot.centsBox >= 0 ? ReadAmount(line, cents) : ReadQuantity(line, QuantityKind::Amount);
        if (amount.unit.isEmpty())
            amount.unit =
                IsEuroCalculation(slot.meaning) ? QStringLiteral("EUR") : charge.amount.unit;
        charge.amount = amount;
        return;
    }
    switch (slot.meaning) {
    case BoxMeaning::PlaceOfIssue:
        c.placeOfIssue = ReadPlace(text);
        break;
    case BoxMeaning::DateOfIssue:
        c.dateOfIssue = ReadDate(text);
        break;
    case BoxMeaning::PlaceAndDateOfIssue: {
        const PlaceAndDate read = ReadPlaceAndDate(text);
        c.placeOfIssue = ReadPlace(read.place);
        c.dateOfIssue = read.date;
        break;
    }
    case BoxMeaning::Sender:
        c.sender = ReadParty(text);
        break;
    case BoxMeaning::Consignee:
        c.consignee = ReadParty(text);
        break;
    case BoxMeaning::Carrier:
        c.carrier = ReadParty(text);
        break;
    case BoxMeaning::SuccessiveCarriers:
        for (const QString& block : Blocks(text))
            c.successiveCarriers.append(ReadParty(block));
        break;
    case BoxMeaning::Forwarder:
        c.forwarder = ReadParty(text);
        break;
    case BoxMeaning::OrderingParty:
        c.orderingParty = ReadParty(text);
        break;
    case BoxMeaning::ForwarderPhone:
        MergeInto(c.forwarder.contact.phone, line);
        break;
    case BoxMeaning::ForwarderFax:
        MergeInto(c.forwarder.contact.fax, line);
        break;
    case BoxMeaning::TakingOverPlace:
        c.takingOverPlace = ReadPlace(text);
        break;
    case BoxMeaning::TakingOverPlaceAndDate:
        ReadPlaceWithDateLine(c, text);
        break;
    case BoxMeaning::TakingOverDate: {
        const DateText read = ReadDate(text);
        c.takingOverDate.text = read.text;
        c.takingOverDate.date = read.date;
        if (read.time.isValid())
            c.takingOverDate.time = read.time;
        break;
    }
    case BoxMeaning::TakingOverTime: {
        const QTime time = ReadTime(line);
        if (time.isValid())
            c.takingOverDate.time = time;
        else
            c.takingOverDate.timeText = line;
        break;
    }
    case BoxMeaning::DeliveryPlace:
        c.deliveryPlace = ReadPlace(text);
        break;
    case BoxMeaning::FurtherLoadingPlace:
        RowAt(c.furtherLoadingPlaces, slot.row) = ReadPlace(text);
        break;
    case BoxMeaning::FurtherUnloadingPlace:
        RowAt(c.furtherUnloadingPlaces, slot.row) = ReadPlace(text);
        break;
    case BoxMeaning::GoodsPackagesAndPacking: {
        static const QRegularExpression count(QStringLiteral("^(\\d[\\d.]*)(?:\\s+(.*))?$"),
                                              QRegularExpression::DotMatchesEverythingOption);
        GoodsItem& goods = RowAt(c.goods, slot.row);
        const QRegularExpressionMatch m = count.match(line);
        const Quantity packages =
            m.hasMatch() ? ReadQuantity(m.captured(1), QuantityKind::Count) : Quantity();
        if (packages.value) {
            goods.packages = packages;
            goods.packing = m.captured(2).trimmed();
        } else {
            goods.packing = line;
        }
        break;
    }
    case BoxMeaning::GoodsWeightOrVolume: {
        const Quantity read = ReadQuantity(line, QuantityKind::WeightOrVolume);
        GoodsItem& goods = RowAt(c.goods, slot.row);
        if (read.unit == QLatin1String("MTQ") || read.unit == QLatin1String("LTR"))
            goods.volume = read;
        else
            goods.grossWeight = read;
        break;
    }
    case BoxMeaning::AttachedDocuments:
        c.attachedDocuments = NonEmptyLines(text);
        break;
    case BoxMeaning::CashOnDelivery:
        c.cashOnDelivery =
            slot.centsBox >= 0 ? ReadAmount(line, cents) : ReadQuantity(line, QuantityKind::Amount);
        break;
    default:
        break;
    }
}

QString OneLine(const QString& lines)
{
    return lines.split(QLatin1Char('\n')).join(QStringLiteral(", "));
}

QString QuantityCanonical(const Quantity& quantity)
{
    return quantity.value ? quantity.value->ToFixed(6) + QLatin1Char(' ') + quantity.unit
                          : quantity.text + QLatin1Char(' ') + quantity.unit;
}

QString DateCanonical(const DateText& date)
{
    const QString time =
        date.time.isValid() ? date.time.toString(QStringLiteral("HH:mm")) : date.timeText;
    return (date.date.isValid() ? date.date.toString(Qt::ISODate) : date.text) + QLatin1Char(' ') +
           time;
}

// Writes the values of a slot into texts for its boxes (LF line breaks), the
// cents last.
QStringList ComposeSlot(const Consignment& c, const Slot& slot, const QVector<Slot>& slots,
                        const WriteOptions& options)
{
    const int row = slot.row;
    const GoodsItem goods = row < c.goods.size() ? c.goods[row] : GoodsItem();
    auto amountTexts = [&](const Quantity& amount, bool euro) -> QStringList {
        Quantity shown = amount;
        if (euro && shown.unit == QLatin1String("EUR"))
            shown.unit.clear();
        if (slot.centsBox >= 0)
            return AmountTexts(shown);
        return {QuantityText(shown, QuantityKind::Amount)};
    };
    if (const auto* text = RowFor(kConsignmentTexts, slot.meaning))
        return {c.*text->member};
    if (const auto* text = RowFor(kDangerousTexts, slot.meaning))
        return {c.dangerousGoods.*text->member};
    if (const auto* text = RowFor(kGoodsTexts, slot.meaning))
        return {goods.*text->member};
    if (const auto* quantity = RowFor(kGoodsQuantities, slot.meaning))
        return {QuantityText(goods.*quantity->member, quantity->kind)};
    if (const std::optional<ChargeKey> key = ChargeOfSlot(slot.meaning, row)) {
        const Charge* charge = FindCharge(c, key->kind, key->payer, key->row);
        if (!IsAmount(slot.meaning)) // a currency box
            return {charge ? charge->amount.unit : QString()};
        if (!charge)
            return slot.centsBox >= 0 ? QStringList{QString(), QString()} : QStringList{QString()};
        Quantity amount = charge->amount;
        // The table of charges names the currency in boxes of its own.
        if (key->payer != Payer::None)
            amount.unit.clear();
        return amountTexts(amount, IsEuroCalculation(slot.meaning));
    }
    switch (slot.meaning) {
    case BoxMeaning::PlaceOfIssue:
        return {OneLine(PlaceText(c.placeOfIssue))};
    case BoxMeaning::DateOfIssue:
        return {DateTextFor(c.dateOfIssue, options.dateFormat)};
    case BoxMeaning::PlaceAndDateOfIssue: {
        const QString place = OneLine(PlaceText(c.placeOfIssue));
        const QString date = DateTextFor(c.dateOfIssue, options.dateFormat);
        if (place.isEmpty() || date.isEmpty())
            return {place + date};
        return {place + QStringLiteral(" - ") + date};
    }
    case BoxMeaning::Sender:
        return {PartyText(c.sender)};
    case BoxMeaning::Consignee:
        return {PartyText(c.consignee)};
    case BoxMeaning::Carrier:
        return {PartyText(c.carrier)};
    case BoxMeaning::SuccessiveCarriers: {
        QStringList blocks;
        for (const Party& party : c.successiveCarriers)
            blocks.append(PartyText(party));
        return {blocks.join(QStringLiteral("\n\n"))};
    }
    case BoxMeaning::Forwarder: {
        Party forwarder = c.forwarder;
        if (FindSlot(slots, BoxMeaning::ForwarderPhone))
            forwarder.contact.phone.clear();
        if (FindSlot(slots, BoxMeaning::ForwarderFax))
            forwarder.contact.fax.clear();
        return {PartyText(forwarder)};
    }
    case BoxMeaning::OrderingParty:
        return {OneLine(PartyText(c.orderingParty))};
    case BoxMeaning::ForwarderPhone:
        return {c.forwarder.contact.phone};
    case BoxMeaning::ForwarderFax:
        return {c.forwarder.contact.fax};
    case BoxMeaning::TakingOverPlace:
        return {PlaceText(c.takingOverPlace)};
    case BoxMeaning::TakingOverPlaceAndDate: {
        const QString place = PlaceText(c.takingOverPlace);
        const QString date = DateTextFor(c.takingOverDate, options.dateFormat);
        if (place.isEmpty() || date.isEmpty())
            return {place + date};
        return {place + QLatin1Char('\n') + date};
    }
    case BoxMeaning::TakingOverDate: {
        DateText date = c.takingOverDate;
        if (FindSlot(slots, BoxMeaning::TakingOverTime))
            date.time = QTime();
        return {DateTextFor(date, options.dateFormat)};
    }
    case BoxMeaning::TakingOverTime:
        return {c.takingOverDate.time.isValid() ? TimeText(c.takingOverDate.time)
                                                : c.takingOverDate.timeText};
    case BoxMeaning::DeliveryPlace:
        return {PlaceText(c.deliveryPlace)};
    case BoxMeaning::FurtherLoadingPlace:
        return {row < c.furtherLoadingPlaces.size()
                    ? OneLine(PlaceText(c.furtherLoadingPlaces[row]))
                    : QString()};
    case BoxMeaning::FurtherUnloadingPlace:
        return {row < c.furtherUnloadingPlaces.size()
                    ? OneLine(PlaceText(c.furtherUnloadingPlaces[row]))
                    : QString()};
    case BoxMeaning::GoodsPackagesAndPacking: {
        QStringList parts{QuantityText(goods.packages, QuantityKind::Count), goods.packing};
        parts.removeAll(QString());
        return {parts.join(QLatin1Char(' '))};
    }
    case BoxMeaning::GoodsWeightOrVolume:
        return {goods.grossWeight.IsEmpty()
                    ? QuantityText(goods.volume, QuantityKind::WeightOrVolume)
                    : QuantityText(goods.grossWeight, QuantityKind::WeightOrVolume)};
    case BoxMeaning::AttachedDocuments:
        return {c.attachedDocuments.join(QLatin1Char('\n'))};
    case BoxMeaning::CashOnDelivery:
        return amountTexts(c.cashOnDelivery, false);
    default:
        return {QString()};
    }
}

// A value of the record as the meaning (and row) that holds it, canonical, so
// that what a form lost can be found by comparison.
struct Atom
{
    BoxMeaning meaning;
    int row;
    QString value;

    friend bool operator==(const Atom& a, const Atom& b)
    {
        return a.meaning == b.meaning && a.row == b.row && a.value == b.value;
    }
};

QVector<Atom> Atoms(const Consignment& c, bool withFreeBoxes)
{
    QVector<Atom> atoms;
    auto add = [&](BoxMeaning meaning, int row, const QString& value) {
        if (!value.trimmed().isEmpty())
            atoms.append(Atom{meaning, row, value});
    };
    for (const auto& text : kConsignmentTexts)
        add(text.meaning, 0, c.*text.member);
    for (const auto& text : kDangerousTexts)
        add(text.meaning, 0, c.dangerousGoods.*text.member);
    add(BoxMeaning::PlaceOfIssue, 0, PlaceText(c.placeOfIssue));
    add(BoxMeaning::DateOfIssue, 0, DateCanonical(c.dateOfIssue));
    add(BoxMeaning::Sender, 0, PartyText(c.sender));
    add(BoxMeaning::Consignee, 0, PartyText(c.consignee));
    add(BoxMeaning::Carrier, 0, PartyText(c.carrier));
    for (int i = 0; i < c.successiveCarriers.size(); ++i)
        add(BoxMeaning::SuccessiveCarriers, i, PartyText(c.successiveCarriers[i]));
    add(BoxMeaning::Forwarder, 0, PartyText(c.forwarder));
    add(BoxMeaning::OrderingParty, 0, PartyText(c.orderingParty));
    add(BoxMeaning::TakingOverPlace, 0, PlaceText(c.takingOverPlace));
    add(BoxMeaning::TakingOverDate, 0, DateCanonical(c.takingOverDate));
    add(BoxMeaning::DeliveryPlace, 0, PlaceText(c.deliveryPlace));
    for (int i = 0; i < c.furtherLoadingPlaces.size(); ++i)
        add(BoxMeaning::FurtherLoadingPlace, i, PlaceText(c.furtherLoadingPlaces[i]));
    for (int i = 0; i < c.furtherUnloadingPlaces.size(); ++i)
        add(BoxMeaning::FurtherUnloadingPlace, i, PlaceText(c.furtherUnloadingPlaces[i]));
    for (int i = 0; i < c.goods.size(); ++i) {
        for (const auto& text : kGoodsTexts)
            add(text.meaning, i, c.goods[i].*text.member);
        for (const auto& quantity : kGoodsQuantities)
            if (!(c.goods[i].*quantity.member).IsEmpty())
                add(quantity.meaning, i, QuantityCanonical(c.goods[i].*quantity.member));
    }
    for (int i = 0; i < c.attachedDocuments.size(); ++i)
        add(BoxMeaning::AttachedDocuments, i, c.attachedDocuments[i]);
    if (!c.cashOnDelivery.IsEmpty())
        add(BoxMeaning::CashOnDelivery, 0, QuantityCanonical(c.cashOnDelivery));
    for (const Charge& charge : c.charges) {
        int row = 0;
        const BoxMeaning meaning = ChargeMeaning(charge, &row);
        add(meaning, row, QuantityCanonical(charge.amount));
    }
    for (BoxMeaning check :
         {BoxMeaning::PermitNational, BoxMeaning::PermitBilateral, BoxMeaning::PermitEc,
          BoxMeaning::PermitCemt, BoxMeaning::OpenVehicleYes, BoxMeaning::OpenVehicleNo,
          BoxMeaning::TermsAdr, BoxMeaning::TermsHgb, BoxMeaning::TermsVbglAgl,
          BoxMeaning::TermsAdsp})
        if (IsChecked(c, check))
            add(check, 0, QStringLiteral("x"));
    if (withFreeBoxes)
        for (const FreeBox& free : c.freeBoxes)
            add(BoxMeaning::None, free.box, free.text);
    return atoms;
}

// Spreads a slot's texts over its boxes: the lines of a line meaning one a
// box, the rest of them joined into the last.
QStringList SpreadOverBoxes(const Slot& slot, const QStringList& composed, Report& report)
{
    QStringList texts;
    if (slot.boxes.size() == 1) {
        texts = composed;
    } else {
        QStringList lines = composed.value(0).split(QLatin1Char('\n'));
        const int count = int(slot.boxes.size());
        if (lines.size() > count) {
            const QStringList rest = lines.mid(count - 1);
            lines = lines.mid(0, count - 1);
            lines.append(rest.join(QStringLiteral(", ")));
            ReportItem item;
            item.kind = ReportKind::LinesJoined;
            item.box = slot.boxes.last();
            item.meaning = slot.meaning;
            report.append(item);
        }
        // A place's country goes into the last box, where the forms ask for it.
        const bool place = slot.meaning == BoxMeaning::TakingOverPlace ||
                           slot.meaning == BoxMeaning::DeliveryPlace;
        const bool countryLast =
            place && lines.size() > 1 && !CountryCodeFromName(lines.last()).isEmpty();
        while (lines.size() < count)
            lines.insert(countryLast ? lines.size() - 1 : lines.size(), QString());
        texts = lines;
        if (slot.centsBox >= 0)
            texts.append(composed.value(1));
    }
    return texts;
}

QVector<int> AllBoxes(const Slot& slot)
{
    QVector<int> boxes = slot.boxes;
    if (slot.centsBox >= 0)
        boxes.append(slot.centsBox);
    return boxes;
}

// Reads texts of a slot's boxes (cents last) into a record of their own.
Consignment ReadAlone(const Slot& slot, const QStringList& texts)
{
    Consignment alone;
    QStringList lines;
    for (int i = 0; i < slot.boxes.size(); ++i)
        lines.append(ToEditLines(texts.value(i)));
    ReadSlot(alone, slot, lines,
             slot.centsBox >= 0 ? ToEditLines(texts.value(int(slot.boxes.size()))) : QString());
    return alone;
}

} // namespace

Consignment ReadNote(const Forms::FormDescription& form, const QStringList& texts,
                     quint16 checkWord)
{
    Consignment c;
    c.form = form.type;
    c.sourceForm = &form;
    QVector<bool> taken(form.boxCount, false);
    for (const Slot& slot : Slots(form)) {
        const QVector<int> boxes = AllBoxes(slot);
        QStringList raw;
        bool any = false;
        for (int box : boxes) {
            raw.append(texts.value(box));
            any = any || !raw.last().trimmed().isEmpty();
            taken[box] = true;
        }
        if (!any)
            continue;
        QStringList lines;
        for (int i = 0; i < slot.boxes.size(); ++i)
            lines.append(ToEditLines(raw[i]));
        ReadSlot(c, slot, lines, slot.centsBox >= 0 ? ToEditLines(raw.last()) : QString());
        c.sources.append(SourceBoxes{slot.meaning, slot.row, boxes, raw});
    }
    for (int box = 0; box < form.boxCount; ++box)
        if (!taken[box] && !texts.value(box).trimmed().isEmpty())
            c.freeBoxes.append(FreeBox{box, ToEditLines(texts.value(box))});
    const int crossed = form.checkGuardBox >= 0
                            ? form.CrossedCheckBox(checkWord, texts.value(form.checkGuardBox))
                            : form.CrossedCheckBox(checkWord, QString());
    if (crossed >= 0)
        SetCheck(c, form.boxes[form.boxCount + crossed].meaning);
    DropEmptyTail(c.goods);
    DropEmptyTail(c.furtherLoadingPlaces);
    DropEmptyTail(c.furtherUnloadingPlaces);
    return c;
}

Consignment ReadNote(const CKrDocument& document)
{
    return ReadNote(document.Form(), document.GetStore().PageTexts(),
                    document.HasCheckWord() ? document.GetCheckWord() : 0);
}

BoxTexts BoxTextsFor(const Consignment& consignment, const Forms::FormDescription& form,
                     const WriteOptions& options)
{
    BoxTexts out;
    out.texts = QStringList(form.boxCount, QString());
    const QVector<Slot> slots = Slots(form);
    for (const Slot& slot : slots) {
        const QVector<int> boxes = AllBoxes(slot);
        QStringList texts =
            SpreadOverBoxes(slot, ComposeSlot(consignment, slot, slots, options), out.report);
        for (QString& text : texts)
            text = ToStoredLines(text);
        for (const SourceBoxes& source : consignment.sources) {
            if (source.meaning != slot.meaning || source.row != slot.row ||
                source.texts.size() != boxes.size())
                continue;
            if (SameContents(ReadAlone(slot, source.texts), ReadAlone(slot, texts)))
                texts = source.texts;
        }
        for (int i = 0; i < boxes.size(); ++i)
            out.texts[boxes[i]] = texts.value(i);
    }
    const bool sameForm = consignment.sourceForm == &form;
    if (sameForm)
        for (const FreeBox& free : consignment.freeBoxes)
            if (free.box >= 0 && free.box < form.boxCount && out.texts[free.box].isEmpty())
                out.texts[free.box] = ToStoredLines(free.text);
    for (int k = 0; k < form.checkBoxCount; ++k)
        if (IsChecked(consignment, form.boxes[form.boxCount + k].meaning))
            out.checkWord = quint16(k + 1);

    // What the form lost: the values the boxes written do not give back.
    const QVector<Atom> written = Atoms(ReadNote(form, out.texts, out.checkWord), !sameForm);
    for (const Atom& atom : Atoms(consignment, !sameForm)) {
        if (written.contains(atom))
            continue;
        ReportItem item;
        item.kind = ReportKind::NoBox;
        item.meaning = atom.meaning;
        item.row = atom.row;
        item.text = atom.value;
        out.report.append(item);
    }
    return out;
}

} // namespace Exchange
