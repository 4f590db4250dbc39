#include "core/exchange/eftiexport.h"

#include "core/exchange/addresssplit.h"
#include "core/exchange/boxvalues.h"
#include "core/exchange/countries.h"
#include "core/exchange/eftimap.h"
#include "core/exchange/meaningslots.h"

#include <QBuffer>
#include <QRegularExpression>
#include <QXmlStreamWriter>

#include <algorithm>

namespace Exchange {

namespace {

using namespace Efti;

// Where a value goes: a scope's part, in the record's row `instance` where the
// element's parent takes one element per row.
struct Target
{
    Scope scope;
    Part part;
    int instance = 0;
};

Target At(Part part, int instance = 0)
{
    return Target{Scope::Consignment, part, instance};
}

// An element with text, its place in the document as the row and instance of
// every element from the root down.
struct Leaf
{
    QVector<quint32> key;
    QString value;
    QLatin1String attribute;
    QString attributeValue;
};

// Code points, as the schema counts a text's length.
int Length(const QString& text)
{
    int surrogates = 0;
    for (const QChar c : text)
        if (c.isLowSurrogate())
            ++surrogates;
    return int(text.size()) - surrogates;
}

// What XML can hold: characters it cannot are replaced by U+FFFD.
QString XmlSafe(const QString& text)
{
    QString safe = text;
    for (qsizetype i = 0; i < safe.size(); ++i) {
        const char16_t c = safe.at(i).unicode();
        const bool pair =
            QChar::isHighSurrogate(c) && i + 1 < safe.size() && safe.at(i + 1).isLowSurrogate();
        if (pair) {
            ++i;
            continue;
        }
        if ((c < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0xFFFE || c == 0xFFFF ||
            QChar::isSurrogate(c))
            safe[i] = QChar(QChar::ReplacementCharacter);
    }
    return safe;
}

// A line in pieces of at most `limit` characters, cut at blanks where there
// are any.
QStringList Pieces(const QString& line, int limit)
{
    QStringList pieces;
    QString rest = line;
    while (Length(rest) > limit) {
        qsizetype cut = rest.lastIndexOf(QLatin1Char(' '), limit);
        if (cut <= 0) {
            cut = limit;
            if (rest.at(cut - 1).isHighSurrogate())
                --cut;
        }
        pieces.append(rest.left(cut).trimmed());
        rest = rest.mid(cut).trimmed();
    }
    if (!rest.isEmpty())
        pieces.append(rest);
    return pieces;
}

class Builder
{
public:
    Builder(Report& report, const ExportOptions& options) : m_report(report), m_options(options) {}

    void Text(const Target& target, const QString& text, int box);
    void Code(const Target& target, const QString& code, int box);
    bool Integer(const Target& target, const Quantity& quantity, int box);
    void Measure(const Target& target, const DecimalNumber& value, const QString& unit, int box);
    bool Amount(const Target& target, const Quantity& amount, int box);
    void Date(const Target& target, const DateText& date, int box);
    void Country(const Target& target, const QString& code);
    void Boolean(const Target& target, bool value);

    ReportItem& Tell(ReportKind kind, int box, const Target& target, const QString& text,
                     int limit = 0);
    ReportItem& Tell(ReportKind kind, int box, const QString& text);
    QByteArray Xml();

private:
    void Add(const Target& target, const QString& value, QLatin1String attribute = QLatin1String(),
             const QString& attributeValue = QString());
    QString Decimal(const Target& target, const DecimalNumber& value, int fraction, int box);

    Report& m_report;
    const ExportOptions& m_options;
    QVector<Leaf> m_leaves;
};

const Element& RowElement(const Target& target)
{
    int count = 0;
    return Elements(&count)[RowOf(target.scope, target.part)];
}

ReportItem& Builder::Tell(ReportKind kind, int box, const QString& text)
{
    ReportItem item;
    item.kind = kind;
    item.box = box;
    item.text = text;
    m_report.append(item);
    return m_report.last();
}

ReportItem& Builder::Tell(ReportKind kind, int box, const Target& target, const QString& text,
                          int limit)
{
    ReportItem& item = Tell(kind, box, text);
    item.element = PathOf(RowOf(target.scope, target.part));
    item.limit = limit;
    return item;
}

void Builder::Add(const Target& target, const QString& value, QLatin1String attribute,
                  const QString& attributeValue)
{
    int count = 0;
    const Element* elements = Elements(&count);
    Leaf leaf;
    for (int row : Chain(RowOf(target.scope, target.part))) {
        const quint32 instance =
            elements[row].content == Content::Rows ? quint32(target.instance) : 0;
        leaf.key.append(quint32(row) << 16 | instance);
    }
    leaf.value = XmlSafe(value);
    leaf.attribute = attribute;
    leaf.attributeValue = attributeValue;
    m_leaves.append(leaf);
}

void Builder::Text(const Target& target, const QString& text, int box)
{
    const Element& element = RowElement(target);
    QStringList lines;
    for (const QString& line : text.split(QLatin1Char('\n')))
        if (!line.trimmed().isEmpty())
            lines.append(line.simplified());
    if (lines.isEmpty())
        return;
    if (element.repeats) {
        bool split = false;
        for (const QString& line : lines) {
            const QStringList pieces = Pieces(line, element.limit);
            split = split || pieces.size() > 1;
            for (const QString& piece : pieces)
                Add(target, piece);
        }
        if (split)
            Tell(ReportKind::Split, box, target, text, element.limit);
        return;
    }
    const QString whole = lines.join(QStringLiteral(", "));
    if (Length(whole) > element.limit)
        Tell(ReportKind::TooLong, box, target, whole, element.limit).breaksSchema =
            element.typeLimit > 0 && Length(whole) > element.typeLimit;
    Add(target, whole);
}

void Builder::Code(const Target& target, const QString& code, int box)
{
    const QString value = code.simplified();
    if (value.isEmpty())
        return;
    const Element& element = RowElement(target);
    if (Length(value) > element.limit)
        Tell(ReportKind::TooLong, box, target, value, element.limit);
    Add(target, value);
}

QString Builder::Decimal(const Target& target, const DecimalNumber& value, int fraction, int box)
{
    const Element& element = RowElement(target);
    const DecimalNumber rounded = value.Rounded(fraction);
    if (rounded != value)
        Tell(ReportKind::Rounded, box, target, value.ToFixed(DecimalPlaces(value)), fraction);
    const QString text = rounded.ToFixed(DecimalPlaces(rounded));
    QString digits = text;
    digits.remove(QLatin1Char('-'));
    digits.remove(QLatin1Char('.'));
    while (digits.startsWith(QLatin1Char('0')) && digits.size() > 1)
        digits.remove(0, 1);
    if (digits.size() > element.limit) {
        Tell(ReportKind::OutOfRange, box, target, text, element.limit);
        return {};
    }
    return text;
}

bool Builder::Integer(const Target& target, const Quantity& quantity, int box)
{
    if (quantity.IsEmpty())
        return false;
    const Element& element = RowElement(target);
    if (!quantity.value) {
        Tell(ReportKind::NotANumber, box, target, quantity.text);
        return false;
    }
    const QString text = quantity.value->ToFixed(0);
    if (quantity.value->IsNegative() || quantity.value->Rounded(0) != *quantity.value ||
        text.size() > element.limit) {
        Tell(ReportKind::OutOfRange, box, target, quantity.text, element.limit);
        return false;
    }
    Add(target, text);
    return true;
}

void Builder::Measure(const Target& target, const DecimalNumber& value, const QString& unit,
                      int box)
{
    const QString text = Decimal(target, value, 6, box);
    if (!text.isEmpty())
        Add(target, text, QLatin1String("unitId"), unit);
}

bool Builder::Amount(const Target& target, const Quantity& amount, int box)
{
    if (amount.IsEmpty())
        return false;
    if (!amount.value) {
        Tell(ReportKind::NotANumber, box, target, amount.text);
        return false;
    }
    const QString text = Decimal(target, *amount.value, 3, box);
    if (text.isEmpty())
        return false;
    QString currency = amount.unit;
    if (currency.isEmpty() && !m_options.defaultCurrency.isEmpty()) {
        currency = m_options.defaultCurrency;
        Tell(ReportKind::Assumed, box, target, currency);
    }
    static const QStringList known = KnownCurrencyCodes();
    if (!currency.isEmpty() && !known.contains(currency)) {
        Tell(ReportKind::NotACode, box, target, currency);
        currency.clear();
    }
    if (currency.isEmpty())
        Add(target, text);
    else
        Add(target, text, QLatin1String("currencyId"), currency);
    return true;
}

void Builder::Date(const Target& target, const DateText& date, int box)
{
    if (!date.date.isValid()) {
        if (!date.text.trimmed().isEmpty())
            Tell(ReportKind::NotADate, box, target, date.text);
        return;
    }
    if (!date.timeText.isEmpty())
        Tell(ReportKind::NotADate, box, target, date.timeText);
    if (date.time.isValid())
        Add(target,
            date.date.toString(QStringLiteral("yyyyMMdd")) +
                date.time.toString(QStringLiteral("HHmm")),
            QLatin1String("formatId"), QStringLiteral("203"));
    else
        Add(target, date.date.toString(QStringLiteral("yyyyMMdd")), QLatin1String("formatId"),
            QStringLiteral("102"));
}

void Builder::Country(const Target& target, const QString& code)
{
    static const QStringList known = KnownCountryCodes();
    if (known.contains(code))
        Add(target, code);
}

void Builder::Boolean(const Target& target, bool value)
{
    Add(target, value ? QStringLiteral("true") : QStringLiteral("false"));
}

QByteArray Builder::Xml()
{
    std::stable_sort(m_leaves.begin(), m_leaves.end(),
                     [](const Leaf& a, const Leaf& b) { return a.key < b.key; });
    int count = 0;
    const Element* elements = Elements(&count);
    QByteArray xml;
    QBuffer buffer(&xml);
    buffer.open(QIODevice::WriteOnly);
    QXmlStreamWriter writer(&buffer);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeDefaultNamespace(QLatin1String(kNamespace));
    writer.writeStartElement(QLatin1String(kNamespace), QLatin1String(kRootName));
    QVector<quint32> open;
    for (const Leaf& leaf : m_leaves) {
        const qsizetype groups = leaf.key.size() - 1;
        qsizetype common = 0;
        while (common < open.size() && common < groups && open[common] == leaf.key[common])
            ++common;
        while (open.size() > common) {
            writer.writeEndElement();
            open.removeLast();
        }
        for (qsizetype level = common; level < groups; ++level) {
            writer.writeStartElement(QLatin1String(elements[leaf.key[level] >> 16].name));
            open.append(leaf.key[level]);
        }
        writer.writeStartElement(QLatin1String(elements[leaf.key.last() >> 16].name));
        if (leaf.attribute.size() > 0)
            writer.writeAttribute(leaf.attribute, leaf.attributeValue);
        writer.writeCharacters(leaf.value);
        writer.writeEndElement();
    }
    while (!open.isEmpty()) {
        writer.writeEndElement();
        open.removeLast();
    }
    writer.writeEndElement();
    writer.writeEndDocument();
    return xml;
}

// The export of one record.
class Exporter
{
public:
    Exporter(const Consignment& c, const ExportOptions& options, Report& report)
        : m_c(c), m_options(options), m_b(report, options)
    {
    }

    QByteArray Run();

private:
    int Box(std::initializer_list<BoxMeaning> meanings, int row = 0) const;
    // A value of a scope where the scope has the part; reported otherwise.
    void WritePart(Scope scope, Part part, const QString& text, int box, BoxMeaning meaning,
                   int instance = 0);
    void WriteParty(Scope scope, const Party& party, int box, BoxMeaning meaning, int instance = 0);
    void WritePlace(Scope scope, const Place& place, int box, BoxMeaning meaning, int instance = 0);
    void WriteAddress(Scope scope, const Address& address, const QVector<AddressIssue>& issues,
                      int box, BoxMeaning meaning, int instance);
    void Charges();
    void Goods();
    void WriteDangerousGoods();
    void LeftOut();

    const Consignment& m_c;
    const ExportOptions& m_options;
    Builder m_b;
};

int Exporter::Box(std::initializer_list<BoxMeaning> meanings, int row) const
{
    for (BoxMeaning meaning : meanings) {
        const int box = m_c.SourceBox(meaning, row);
        if (box >= 0)
            return box;
    }
    return -1;
}

void Exporter::WritePart(Scope scope, Part part, const QString& text, int box, BoxMeaning meaning,
                         int instance)
{
    if (text.trimmed().isEmpty())
        return;
    if (RowOf(scope, part) < 0) {
        m_b.Tell(ReportKind::NoElement, box, text).meaning = meaning;
        return;
    }
    const Target target{scope, part, instance};
    if (part == Part::Postcode)
        m_b.Code(target, text, box);
    else
        m_b.Text(target, text, box);
}

void Exporter::WriteAddress(Scope scope, const Address& address,
                            const QVector<AddressIssue>& issues, int box, BoxMeaning meaning,
                            int instance)
{
    WritePart(scope, Part::City, address.town, box, meaning, instance);
    QString country = address.countryCode;
    const bool located =
        !address.town.isEmpty() || !address.postcode.isEmpty() || !address.street.isEmpty();
    if (country.isEmpty() && located && !m_options.homeCountry.isEmpty()) {
        country = m_options.homeCountry;
        m_b.Tell(ReportKind::Assumed, box, Target{scope, Part::Country, instance}, country);
    }
    if (!country.isEmpty())
        m_b.Country(Target{scope, Part::Country, instance}, country);
    WritePart(scope, Part::PostBox, address.postOfficeBox, box, meaning, instance);
    WritePart(scope, Part::Postcode, address.postcode, box, meaning, instance);
    WritePart(scope, Part::Street, address.street, box, meaning, instance);
    for (AddressIssue issue : issues)
        if (issue != AddressIssue::NoCountry || (country.isEmpty() && located))
            m_b.Tell(ReportKind::AddressNotSplit, box, Target{scope, Part::Group, instance},
                     QString())
                .issue = issue;
}

void Exporter::WriteParty(Scope scope, const Party& party, int box, BoxMeaning meaning,
                          int instance)
{
    if (party.IsEmpty())
        return;
    WritePart(scope, Part::Email, party.contact.email, box, meaning, instance);
    // The forwarding order has boxes of their own for the forwarder's numbers.
    const bool forwarder = meaning == BoxMeaning::Forwarder;
    const int faxBox = forwarder ? Box({BoxMeaning::ForwarderFax, meaning}) : box;
    const int phoneBox = forwarder ? Box({BoxMeaning::ForwarderPhone, meaning}) : box;
    WritePart(scope, Part::Fax, party.contact.fax, faxBox, meaning, instance);
    WritePart(scope, Part::Person, party.contact.person, box, meaning, instance);
    WritePart(scope, Part::Phone, party.contact.phone, phoneBox, meaning, instance);
    WritePart(scope, Part::Name, party.address.nameLines.join(QLatin1Char('\n')), box, meaning,
              instance);
    WriteAddress(scope, party.address, party.issues, box, meaning, instance);
}

// A place whose element has no address takes all its lines as its name.
void Exporter::WritePlace(Scope scope, const Place& place, int box, BoxMeaning meaning,
                          int instance)
{
    if (place.IsEmpty())
        return;
    if (RowOf(scope, Part::Address) < 0) {
        WritePart(scope, Part::Name, PlaceText(place), box, meaning, instance);
        return;
    }
    WritePart(scope, Part::Name, place.address.nameLines.join(QLatin1Char('\n')), box, meaning,
              instance);
    WriteAddress(scope, place.address, place.issues, box, meaning, instance);
}

void Exporter::Charges()
{
    int written = 0;
    for (const Charge& charge : m_c.charges) {
        int row = 0;
        const BoxMeaning meaning = ChargeMeaning(charge, &row);
        const int box = m_c.SourceBox(meaning, row);
        if (!m_b.Amount(At(Part::ChargeAmount, written), charge.amount, box))
            continue;
        m_b.Code(At(Part::ChargeType, written), ChargeTypeCode(charge.kind), box);
        m_b.Code(At(Part::ChargePayer, written), PayerRoleCode(charge.payer), box);
        ++written;
    }
}

// The goods rows: a transport package each, the descriptions as the cargo's
// identification, the weights, volumes and counts summed.
void Exporter::Goods()
{
    std::optional<DecimalNumber> weight;
    std::optional<DecimalNumber> volume;
    std::optional<DecimalNumber> packages;
    QVector<int> weightBoxes;
    QVector<int> volumeBoxes;
    int package = 0;
    auto scaled = [](const DecimalNumber& value, const char* exponent) {
        return *DecimalNumber::FromCText(value.ToFixed(DecimalPlaces(value)) +
                                         QLatin1String(exponent));
    };
    for (int row = 0; row < m_c.goods.size(); ++row) {
        const GoodsItem& g = m_c.goods[row];
        bool packageWritten = false;
        const int packagesBox =
            Box({BoxMeaning::GoodsPackages, BoxMeaning::GoodsPackagesAndPacking}, row);
        if (m_b.Integer(At(Part::PackageQuantity, package), g.packages, packagesBox)) {
            packageWritten = true;
            packages = packages ? *packages + *g.packages.value : *g.packages.value;
        }
        if (!g.marks.trimmed().isEmpty()) {
            m_b.Text(At(Part::MarkingText, package), g.marks, Box({BoxMeaning::GoodsMarks}, row));
            packageWritten = true;
        }
        if (!g.packing.trimmed().isEmpty()) {
            m_b.Text(At(Part::PackingText, package), g.packing,
                     Box({BoxMeaning::GoodsPacking, BoxMeaning::GoodsPackagesAndPacking}, row));
            packageWritten = true;
        }
        if (packageWritten)
            ++package;
        m_b.Text(At(Part::CargoDescription), g.description,
                 Box({BoxMeaning::GoodsDescription}, row));

        const int weightBox =
            Box({BoxMeaning::GoodsGrossWeight, BoxMeaning::GoodsWeightOrVolume}, row);
        if (!g.grossWeight.IsEmpty()) {
            if (!g.grossWeight.value) {
                m_b.Tell(ReportKind::NotANumber, weightBox, At(Part::TotalWeight),
                         g.grossWeight.text);
            } else {
                DecimalNumber kg = *g.grossWeight.value;
                if (g.grossWeight.unit == QLatin1String("TNE"))
                    kg = scaled(kg, "e3");
                else if (g.grossWeight.unit == QLatin1String("GRM"))
                    kg = scaled(kg, "e-3");
                weight = weight ? *weight + kg : kg;
                weightBoxes.append(weightBox);
            }
        }
        const int volumeBox = Box({BoxMeaning::GoodsVolume, BoxMeaning::GoodsWeightOrVolume}, row);
        if (!g.volume.IsEmpty()) {
            if (!g.volume.value) {
                m_b.Tell(ReportKind::NotANumber, volumeBox, At(Part::TotalVolume), g.volume.text);
            } else {
                const DecimalNumber m3 = g.volume.unit == QLatin1String("LTR")
                                             ? scaled(*g.volume.value, "e-3")
                                             : *g.volume.value;
                volume = volume ? *volume + m3 : m3;
                volumeBoxes.append(volumeBox);
            }
        }
        if (!g.statisticalNumber.trimmed().isEmpty())
            m_b.Tell(ReportKind::NoElement, Box({BoxMeaning::GoodsStatisticalNumber}, row),
                     g.statisticalNumber)
                .meaning = BoxMeaning::GoodsStatisticalNumber;
        if (!g.loadingWeight.IsEmpty())
            m_b.Tell(ReportKind::NoElement, Box({BoxMeaning::GoodsLoadingWeight}, row),
                     g.loadingWeight.text)
                .meaning = BoxMeaning::GoodsLoadingWeight;
    }
    if (weight) {
        m_b.Measure(At(Part::TotalWeight), *weight, QStringLiteral("KGM"), weightBoxes.value(0));
        if (weightBoxes.size() > 1)
            for (int box : weightBoxes)
                m_b.Tell(ReportKind::Summed, box, At(Part::TotalWeight), QString());
    }
    if (volume) {
        m_b.Measure(At(Part::TotalVolume), *volume, QStringLiteral("MTQ"), volumeBoxes.value(0));
        if (volumeBoxes.size() > 1)
            for (int box : volumeBoxes)
                m_b.Tell(ReportKind::Summed, box, At(Part::TotalVolume), QString());
    }
    if (packages)
        m_b.Integer(At(Part::PackageCount), Quantity{QString(), packages, QString()}, -1);
}

void Exporter::WriteDangerousGoods()
{
    const DangerousGoods& dg = m_c.dangerousGoods;
    if (dg.IsEmpty())
        return;
    static const QRegularExpression separators(QStringLiteral("[,+/;]|\\s+"));
    const int labelBox = Box({BoxMeaning::DangerousLabel});
    for (const QString& label : dg.label.split(separators, Qt::SkipEmptyParts))
        m_b.Code(At(Part::DangerousLabel), label, labelBox);
    m_b.Code(At(Part::DangerousPackingGroup), dg.packingGroup,
             Box({BoxMeaning::DangerousPackingGroup}));
    m_b.Text(At(Part::DangerousName), dg.name, Box({BoxMeaning::DangerousName}));
    QString tunnel = dg.tunnelCode.trimmed();
    if (tunnel.startsWith(QLatin1Char('(')) && tunnel.endsWith(QLatin1Char(')')))
        tunnel = tunnel.mid(1, tunnel.size() - 2).trimmed();
    m_b.Code(At(Part::DangerousTunnelCode), tunnel, Box({BoxMeaning::DangerousTunnelCode}));
    static const QRegularExpression unNumber(QStringLiteral("^(?:UN ?)?(\\d{4})$"),
                                             QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = unNumber.match(dg.unNumber.trimmed());
    const int unBox = Box({BoxMeaning::DangerousUnNumber});
    if (m.hasMatch())
        m_b.Code(At(Part::DangerousUnNumber), m.captured(1), unBox);
    else if (!dg.unNumber.trimmed().isEmpty())
        m_b.Tell(ReportKind::NotACode, unBox, At(Part::DangerousUnNumber), dg.unNumber);
    m_b.Boolean(At(Part::DangerousGoodsIndicator), true);
}

// What the data set has no element for: the ordering party, the crosses of the
// permit and the open vehicle, the free boxes.
void Exporter::LeftOut()
{
    if (!m_c.orderingParty.IsEmpty())
        m_b.Tell(ReportKind::NoElement, Box({BoxMeaning::OrderingParty}),
                 PartyText(m_c.orderingParty))
            .meaning = BoxMeaning::OrderingParty;
    QVector<BoxMeaning> crosses;
    if (m_c.permit != Permit::None)
        crosses.append(BoxMeaning(int(BoxMeaning::PermitNational) + int(m_c.permit) - 1));
    if (m_c.openVehicle)
        crosses.append(*m_c.openVehicle ? BoxMeaning::OpenVehicleYes : BoxMeaning::OpenVehicleNo);
    const Forms::FormDescription* form = m_c.sourceForm;
    for (BoxMeaning cross : crosses) {
        int box = -1;
        for (int k = 0; form && k < form->checkBoxCount; ++k)
            if (form->boxes[form->boxCount + k].meaning == cross)
                box = form->boxCount + k;
        m_b.Tell(ReportKind::NoElement, box, QString()).meaning = cross;
    }
    for (const FreeBox& free : m_c.freeBoxes)
        m_b.Tell(ReportKind::FreeText, free.box, free.text);
}

QByteArray Exporter::Run()
{
    Charges();
    for (int i = 0; i < m_c.attachedDocuments.size(); ++i)
        m_b.Text(At(Part::DocumentId, i), m_c.attachedDocuments[i],
                 Box({BoxMeaning::AttachedDocuments}));
    m_b.Amount(At(Part::CashOnDelivery), m_c.cashOnDelivery, Box({BoxMeaning::CashOnDelivery}));
    WriteParty(Scope::Carrier, m_c.carrier, Box({BoxMeaning::Carrier}), BoxMeaning::Carrier);
    const int takingOverBox = Box({BoxMeaning::TakingOverDate, BoxMeaning::TakingOverPlaceAndDate});
    m_b.Date(At(Part::TakingOverDateTime), m_c.takingOverDate, takingOverBox);
    WritePlace(Scope::TakingOverPlace, m_c.takingOverPlace,
               Box({BoxMeaning::TakingOverPlace, BoxMeaning::TakingOverPlaceAndDate}),
               BoxMeaning::TakingOverPlace);
    for (int i = 0; i < m_c.successiveCarriers.size(); ++i)
        WriteParty(Scope::ConnectingCarrier, m_c.successiveCarriers[i],
                   Box({BoxMeaning::SuccessiveCarriers}), BoxMeaning::SuccessiveCarriers, i);
    WriteParty(Scope::Consignee, m_c.consignee, Box({BoxMeaning::Consignee}),
               BoxMeaning::Consignee);
    WritePlace(Scope::DeliveryPlace, m_c.deliveryPlace, Box({BoxMeaning::DeliveryPlace}),
               BoxMeaning::DeliveryPlace);
    WriteParty(Scope::Consignor, m_c.sender, Box({BoxMeaning::Sender}), BoxMeaning::Sender);
    m_b.Text(At(Part::InstructionText), m_c.senderInstructions,
             Box({BoxMeaning::SenderInstructions}));
    m_b.Text(At(Part::ContractTerms), m_c.specialAgreements, Box({BoxMeaning::SpecialAgreements}));
    m_b.Text(At(Part::ContractTerms), ContractTermsText(m_c.terms), -1);
    WriteParty(Scope::Forwarder, m_c.forwarder,
               Box({BoxMeaning::Forwarder, BoxMeaning::ForwarderPhone, BoxMeaning::ForwarderFax}),
               BoxMeaning::Forwarder);
    Goods();
    WriteDangerousGoods();
    for (int i = 0; i < m_c.furtherLoadingPlaces.size(); ++i)
        WritePlace(Scope::LoadingPlace, m_c.furtherLoadingPlaces[i],
                   Box({BoxMeaning::FurtherLoadingPlace}, i), BoxMeaning::FurtherLoadingPlace, i);
    m_b.Code(At(Part::ModeCode), QLatin1String(kRoadTransport), -1);
    for (int i = 0; i < m_c.furtherUnloadingPlaces.size(); ++i)
        WritePlace(Scope::UnloadingPlace, m_c.furtherUnloadingPlaces[i],
                   Box({BoxMeaning::FurtherUnloadingPlace}, i), BoxMeaning::FurtherUnloadingPlace,
                   i);
    m_b.Text(At(Part::VehicleId), m_c.vehiclePlate, Box({BoxMeaning::VehiclePlate}));
    if (!m_c.paymentInstructions.trimmed().isEmpty()) {
        const QString code = PaymentArrangementCode(m_c.paymentInstructions);
        const int box = Box({BoxMeaning::PaymentInstructions});
        if (code.isEmpty())
            m_b.Tell(ReportKind::NotACode, box, At(Part::PaymentArrangement),
                     m_c.paymentInstructions);
        else
            m_b.Code(At(Part::PaymentArrangement), code, box);
    }
    m_b.Date(At(Part::IssueDateTime), m_c.dateOfIssue,
             Box({BoxMeaning::DateOfIssue, BoxMeaning::PlaceAndDateOfIssue}));
    m_b.Text(At(Part::NoteNumber), m_c.noteNumber, Box({BoxMeaning::NoteNumber}));
    WritePlace(Scope::IssuePlace, m_c.placeOfIssue,
               Box({BoxMeaning::PlaceOfIssue, BoxMeaning::PlaceAndDateOfIssue}),
               BoxMeaning::PlaceOfIssue);
    m_b.Code(At(Part::DocumentType), DocumentTypeCode(m_c.form), -1);
    if (!m_c.trailerPlate.trimmed().isEmpty()) {
        m_b.Code(At(Part::EquipmentCategory), QLatin1String(kTrailerCategory), -1);
        m_b.Text(At(Part::EquipmentId), m_c.trailerPlate, Box({BoxMeaning::TrailerPlate}));
    }
    LeftOut();
    return m_b.Xml();
}

} // namespace

EftiExport ExportEfti(const Consignment& consignment, const ExportOptions& options)
{
    EftiExport result;
    Exporter exporter(consignment, options, result.report);
    result.xml = exporter.Run();
    return result;
}

} // namespace Exchange
