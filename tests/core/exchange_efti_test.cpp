// The eFTI export against the schema itself: every form's filled note gives a
// document the schema accepts, holding the note's values in the schema's
// formats; what does not fit is reported, never cut; and the mapping table
// names the schema's elements in its order, with its formats and limits.
// The schema is read from TVM_EFTI_SCHEMA_DIR (libxml2, in this test only).
#include "core/exchange/countries.h"
#include "core/exchange/eftiexport.h"
#include "core/exchange/eftimap.h"
#include "core/exchange/noteexchange.h"
#include "exchangefixtures.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xmlschemas.h>
#include <libxml/xpath.h>
#include <libxml/xpathInternals.h>

namespace {

using namespace Exchange;
using ExchangeFixture::FilledNote;

const QString kSchemaDir = QStringLiteral(TVM_EFTI_SCHEMA_DIR);

QString SchemaFile(const char* name)
{
    return QDir(kSchemaDir).filePath(QString::fromLatin1(name));
}

void CollectError(void* errors, xmlErrorPtr error)
{
    static_cast<QStringList*>(errors)->append(QString::fromUtf8(error->message).trimmed() +
                                              QStringLiteral(" (line %1)").arg(error->line));
}

// The schema, parsed once for every test.
class SchemaTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        if (!QDir(kSchemaDir).exists())
            return;
        xmlSchemaParserCtxtPtr parser =
            xmlSchemaNewParserCtxt(SchemaFile("consignment-common.xsd").toLocal8Bit().constData());
        s_schema = xmlSchemaParse(parser);
        xmlSchemaFreeParserCtxt(parser);
    }
    static void TearDownTestSuite()
    {
        if (s_schema)
            xmlSchemaFree(s_schema);
        s_schema = nullptr;
    }
    void SetUp() override
    {
        if (!QDir(kSchemaDir).exists())
            GTEST_SKIP() << "the eFTI schema folder " << kSchemaDir.toStdString()
                         << " is missing (set TVM_EFTI_SCHEMA_DIR)";
        ASSERT_NE(s_schema, nullptr) << "the schema did not parse";
    }

    // The schema's complaints about a document; empty when it is valid.
    static QStringList Validate(const QByteArray& xml)
    {
        QStringList errors;
        xmlDocPtr doc =
            xmlReadMemory(xml.constData(), int(xml.size()), "export.xml", nullptr, XML_PARSE_NONET);
        if (!doc)
            return {QStringLiteral("not well-formed")};
        xmlSchemaValidCtxtPtr context = xmlSchemaNewValidCtxt(s_schema);
        xmlSchemaSetValidStructuredErrors(context, CollectError, &errors);
        if (xmlSchemaValidateDoc(context, doc) != 0 && errors.isEmpty())
            errors.append(QStringLiteral("invalid"));
        xmlSchemaFreeValidCtxt(context);
        xmlFreeDoc(doc);
        return errors;
    }

    static xmlSchemaPtr s_schema;
};

xmlSchemaPtr SchemaTest::s_schema = nullptr;

// The texts an XPath expression (prefix "e" for the document's namespace)
// finds in a document.
QStringList Find(const QByteArray& xml, const char* path)
{
    QStringList found;
    xmlDocPtr doc =
        xmlReadMemory(xml.constData(), int(xml.size()), "export.xml", nullptr, XML_PARSE_NONET);
    if (!doc)
        return found;
    xmlXPathContextPtr context = xmlXPathNewContext(doc);
    xmlXPathRegisterNs(context, BAD_CAST "e", BAD_CAST Efti::kNamespace);
    xmlXPathObjectPtr result = xmlXPathEvalExpression(BAD_CAST path, context);
    if (result && result->nodesetval) {
        for (int i = 0; i < result->nodesetval->nodeNr; ++i) {
            xmlChar* text = xmlNodeGetContent(result->nodesetval->nodeTab[i]);
            found.append(QString::fromUtf8(reinterpret_cast<const char*>(text)));
            xmlFree(text);
        }
    }
    xmlXPathFreeObject(result);
    xmlXPathFreeContext(context);
    xmlFreeDoc(doc);
    return found;
}

QString One(const QByteArray& xml, const char* path)
{
    const QStringList found = Find(xml, path);
    return found.size() == 1 ? found.first() : QStringLiteral("<%1 found>").arg(found.size());
}

ExportOptions German()
{
    return ExportOptions{QStringLiteral("DE"), QStringLiteral("EUR")};
}

EftiExport ExportNote(const FilledNote& note)
{
    return ExportEfti(ReadNote(*note.form, note.texts, note.checkWord), German());
}

bool Has(const Report& report, ReportKind kind, int box)
{
    for (const ReportItem& item : report)
        if (item.kind == kind && item.box == box)
            return true;
    return false;
}

class FilledNotes : public SchemaTest, public ::testing::WithParamInterface<FilledNote>
{
};

TEST_P(FilledNotes, exportValidatesAgainstTheSchema)
{
    const EftiExport exported = ExportNote(GetParam());
    EXPECT_EQ(Validate(exported.xml), QStringList()) << exported.xml.toStdString();
    EXPECT_EQ(One(exported.xml, "/e:consignment/e:consignor/e:name"),
              QStringLiteral("Müller Logistik GmbH"));
    EXPECT_EQ(One(exported.xml, "/e:consignment/e:consignor/e:postalAddress/e:cityName"),
              QStringLiteral("Bremen"));
    EXPECT_EQ(One(exported.xml, "/e:consignment/e:consignor/e:postalAddress/e:countryCode"),
              QStringLiteral("DE"));
    EXPECT_EQ(One(exported.xml, "/e:consignment/e:mainCarriageTransportMovement/e:modeCode"),
              QStringLiteral("3"));
    EXPECT_EQ(One(exported.xml,
                  "/e:consignment/e:includedConsignmentItem/e:transportDangerousGoods/e:uNDGID"),
              QStringLiteral("1263"));
    EXPECT_EQ(One(exported.xml, "/e:consignment/e:transportContractDocument/e:typeCode"),
              GetParam().form->type == FormType::Forwarding ? QStringLiteral("610")
                                                            : QStringLiteral("730"));
    EXPECT_EQ(
        One(exported.xml, "/e:consignment/e:transportContractDocument/e:formattedIssueDateTime"),
        QStringLiteral("20240305"));
}

INSTANTIATE_TEST_SUITE_P(AllForms, FilledNotes, ::testing::ValuesIn(ExchangeFixture::AllNotes()),
                         [](const ::testing::TestParamInfo<FilledNote>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(SchemaTest, cmrValuesInTheSchemasFormatsAndUnits)
{
    const EftiExport exported = ExportNote(ExchangeFixture::Cmr());
    const QByteArray& xml = exported.xml;
    // Two goods rows: their weights and volumes summed, in kg and m³.
    EXPECT_EQ(One(xml, "/e:consignment/e:grossWeight"), QStringLiteral("4970.5"));
    EXPECT_EQ(One(xml, "/e:consignment/e:grossWeight/@unitId"), QStringLiteral("KGM"));
    EXPECT_EQ(One(xml, "/e:consignment/e:grossVolume"), QStringLiteral("19.3"));
    EXPECT_EQ(One(xml, "/e:consignment/e:grossVolume/@unitId"), QStringLiteral("MTQ"));
    EXPECT_EQ(One(xml, "/e:consignment/e:numberOfPackages"), QStringLiteral("13"));
    EXPECT_EQ(Find(xml, "/e:consignment/e:transportPackage/e:typeText"),
              QStringList({"Paletten", "Kiste"}));
    EXPECT_EQ(Find(xml, "/e:consignment/e:natureIdentificationCargo/e:identificationText"),
              QStringList({"Maschinenteile", "Ersatzteile"}));
    EXPECT_EQ(One(xml, "/e:consignment/e:carrierAcceptanceDateTime/@formatId"),
              QStringLiteral("102"));
    EXPECT_EQ(One(xml, "/e:consignment/e:carrierAcceptanceLocation/e:postalAddress/e:countryCode"),
              QStringLiteral("DE"));
    EXPECT_EQ(One(xml, "/e:consignment/e:consigneeReceiptLocation/e:postalAddress/e:cityName"),
              QStringLiteral("Lyon"));
    EXPECT_EQ(One(xml, "/e:consignment/e:connectingCarrier/e:postalAddress/e:countryCode"),
              QStringLiteral("CH"));
    EXPECT_EQ(Find(xml, "/e:consignment/e:applicableServiceCharge/e:appliedAmount"),
              QStringList({"1250", "1250"}));
    EXPECT_EQ(Find(xml, "/e:consignment/e:applicableServiceCharge/e:id"),
              QStringList({"CARR", "TOTAL"}));
    EXPECT_EQ(Find(xml, "/e:consignment/e:applicableServiceCharge/e:payingPartyRoleCode"),
              QStringList({"CZ", "CZ"}));
    EXPECT_EQ(One(xml, "/e:consignment/e:applicableServiceCharge[1]/e:appliedAmount/@currencyId"),
              QStringLiteral("EUR"));
    EXPECT_EQ(One(xml, "/e:consignment/e:includedConsignmentItem/e:transportDangerousGoods/"
                       "e:tunnelRestrictionCode"),
              QStringLiteral("D/E"));
    EXPECT_EQ(One(xml, "/e:consignment/e:paymentArrangementCode"), QStringLiteral("P"));
    EXPECT_EQ(One(xml, "/e:consignment/e:usedTransportEquipment/e:id"),
              QStringLiteral("HB-NW 456"));
    EXPECT_EQ(One(xml, "/e:consignment/e:usedTransportEquipment/e:categoryCode"),
              QStringLiteral("TE"));
    EXPECT_EQ(One(xml, "/e:consignment/e:mainCarriageTransportMovement/e:usedTransportMeans/e:id"),
              QStringLiteral("HB-NW 123"));
    EXPECT_EQ(
        One(xml, "/e:consignment/e:consignor/e:definedContactDetails/e:telephone/e:completeNumber"),
        QStringLiteral("0421 123456"));

    const Report& report = exported.report;
    EXPECT_TRUE(Has(report, ReportKind::FreeText, 7));    // reservations
    EXPECT_TRUE(Has(report, ReportKind::FreeText, 174));  // permit number
    EXPECT_TRUE(Has(report, ReportKind::NoElement, 12));  // statistical number
    EXPECT_TRUE(Has(report, ReportKind::NoElement, 179)); // CEMT cross
    EXPECT_TRUE(Has(report, ReportKind::NoElement, 141)); // ordering party
    for (int box : {13, 20, 14, 21})
        EXPECT_TRUE(Has(report, ReportKind::Summed, box)) << box;
    // The domestic addresses of the note name no country: Germany is assumed.
    EXPECT_TRUE(Has(report, ReportKind::Assumed, 5));
}

TEST_F(SchemaTest, domesticNotesWriteTheTimeAndTheirEuroCalculation)
{
    const EftiExport national = ExportNote(ExchangeFixture::National(NationalEdition::Edition2009));
    EXPECT_EQ(One(national.xml, "/e:consignment/e:carrierAcceptanceDateTime"),
              QStringLiteral("202403051430"));
    EXPECT_EQ(One(national.xml, "/e:consignment/e:carrierAcceptanceDateTime/@formatId"),
              QStringLiteral("203"));
    EXPECT_EQ(One(national.xml, "/e:consignment/e:grossVolume"), QStringLiteral("2.5"));
    EXPECT_EQ(One(national.xml, "/e:consignment/e:cODAmount"), QStringLiteral("1500"));
    EXPECT_EQ(Find(national.xml, "/e:consignment/e:mainCarriageTransportMovement/e:loadingEvent/"
                                 "e:occurrenceLocation/e:postalAddress/e:cityName"),
              QStringList{QStringLiteral("Hannover")});
    EXPECT_EQ(Find(national.xml,
                   "/e:consignment/e:applicableServiceCharge[e:id='TOTAL']/e:appliedAmount"),
              QStringList{QStringLiteral("1011.5")});
    EXPECT_TRUE(Has(national.report, ReportKind::NoElement, 128)); // "nein" to the open vehicle

    const EftiExport kombi = ExportNote(ExchangeFixture::Kombi());
    EXPECT_EQ(Find(kombi.xml, "/e:consignment/e:contractTermsText"),
              QStringList{QStringLiteral("ADSp")});
    EXPECT_EQ(One(kombi.xml, "/e:consignment/e:paymentArrangementCode"), QStringLiteral("C"));
    EXPECT_EQ(One(kombi.xml, "/e:consignment/e:consignee/e:postalAddress/e:countryCode"),
              QStringLiteral("AT"));

    const EftiExport forwarding = ExportNote(ExchangeFixture::Forwarding());
    // The data set has no contact for a freight forwarder.
    EXPECT_EQ(One(forwarding.xml, "/e:consignment/e:freightForwarder/e:name"),
              QStringLiteral("Spedition Nordweg GmbH"));
    EXPECT_TRUE(Has(forwarding.report, ReportKind::NoElement, 13));
    EXPECT_TRUE(Has(forwarding.report, ReportKind::NoElement, 26)); // loading weight
    EXPECT_TRUE(Has(forwarding.report, ReportKind::FreeText, 105));
}

// Longer than the element: repeated elements where the schema lets it repeat,
// the whole text where it does not; reported either way, never cut.
TEST_F(SchemaTest, longTextsAreSplitOrWrittenWholeAndReported)
{
    FilledNote note = ExchangeFixture::Cmr();
    note.texts[0] = QStringLiteral("Norddeutsche Maschinen- und Anlagenbau Gesellschaft mbH\r\n"
                                   "Hafenstraße 12\r\n28197 Bremen");
    note.texts[175] = QStringLiteral("CMR-2024-0815-000042"); // 20 characters: type allows 35
    note.texts[8] = QStringLiteral("Kistennummern 1 bis 12 je mit Aufkleber \"Vorsicht Glas\" und "
                                   "Pfeil nach oben versehen");
    const EftiExport exported = ExportNote(note);
    EXPECT_EQ(Validate(exported.xml), QStringList());
    EXPECT_EQ(Find(exported.xml, "/e:consignment/e:consignor/e:name"),
              QStringList({"Norddeutsche Maschinen- und", "Anlagenbau Gesellschaft mbH"}));
    EXPECT_EQ(One(exported.xml, "/e:consignment/e:transportContractDocument/e:id"),
              QStringLiteral("CMR-2024-0815-000042"));
    EXPECT_EQ(
        Find(exported.xml, "/e:consignment/e:transportPackage[1]/e:shippingMarks/e:markingText")
            .join(QLatin1Char(' ')),
        note.texts[8]);

    auto item = [&](ReportKind kind, int box) -> const ReportItem* {
        for (const ReportItem& i : exported.report)
            if (i.kind == kind && i.box == box)
                return &i;
        return nullptr;
    };
    const ReportItem* name = item(ReportKind::Split, 0);
    ASSERT_TRUE(name);
    EXPECT_EQ(name->element, QStringLiteral("consignor/name"));
    EXPECT_EQ(name->limit, 35);
    const ReportItem* number = item(ReportKind::TooLong, 175);
    ASSERT_TRUE(number);
    EXPECT_EQ(number->element, QStringLiteral("transportContractDocument/id"));
    EXPECT_EQ(number->limit, 17);
    EXPECT_FALSE(number->breaksSchema);
    ASSERT_TRUE(item(ReportKind::Split, 8));

    // Beyond the schema type's own maximum the whole text still goes out; the
    // report says the document will not validate.
    note.texts[175] = QStringLiteral("Frachtbrief zur Sammelsendung Nr. 2024-0815");
    const EftiExport tooLong = ExportNote(note);
    EXPECT_EQ(One(tooLong.xml, "/e:consignment/e:transportContractDocument/e:id"), note.texts[175]);
    const ReportItem* breaking = nullptr;
    for (const ReportItem& i : tooLong.report)
        if (i.kind == ReportKind::TooLong && i.box == 175)
            breaking = &i;
    ASSERT_TRUE(breaking);
    EXPECT_TRUE(breaking->breaksSchema);
    EXPECT_FALSE(Validate(tooLong.xml).isEmpty());
}

// What does not read as the element's value is left out and reported; the
// document stays valid.
TEST_F(SchemaTest, unreadableValuesAreLeftOutAndReported)
{
    FilledNote note = ExchangeFixture::Cmr();
    note.texts[13] = QStringLiteral("ca. 5 t");
    note.texts[71] = QStringLiteral("siehe Anlage");
    note.texts[120] = QStringLiteral("100 Taler");
    note.texts[119] = QStringLiteral("nach Vereinbarung");
    note.texts[123] = QStringLiteral("nächste Woche");
    note.texts[1] = QStringLiteral("Dupont\x01 SA\r\n69002 Lyon\r\nFrankreich");
    const EftiExport exported = ExportNote(note);
    EXPECT_EQ(Validate(exported.xml), QStringList());
    EXPECT_TRUE(Has(exported.report, ReportKind::NotANumber, 13));
    EXPECT_TRUE(Has(exported.report, ReportKind::NotACode, 71));
    EXPECT_TRUE(Has(exported.report, ReportKind::NotANumber, 120));
    EXPECT_TRUE(Has(exported.report, ReportKind::NotACode, 119));
    EXPECT_TRUE(Has(exported.report, ReportKind::NotADate, 123));
    EXPECT_EQ(One(exported.xml, "/e:consignment/e:grossWeight"), QStringLiteral("120.5"));
    EXPECT_EQ(Find(exported.xml, "//e:uNDGID"), QStringList());
}

TEST_F(SchemaTest, emptyRecordGivesAValidDocument)
{
    const EftiExport exported = ExportEfti(Consignment(), ExportOptions());
    EXPECT_EQ(Validate(exported.xml), QStringList());
    EXPECT_TRUE(exported.report.isEmpty());
}

// The code lists the program's tables draw on are the schema's.
TEST_F(SchemaTest, countriesAndCurrenciesAreInTheSchemasCodeLists)
{
    auto enumeration = [](const char* file) {
        QFile in(SchemaFile(file));
        EXPECT_TRUE(in.open(QIODevice::ReadOnly)) << file;
        QStringList values;
        static const QRegularExpression value(QStringLiteral("enumeration value=\"([^\"]+)\""));
        QRegularExpressionMatchIterator it = value.globalMatch(QString::fromUtf8(in.readAll()));
        while (it.hasNext())
            values.append(it.next().captured(1));
        return values;
    };
    const QStringList countries =
        enumeration("codes/ISO_ISOTwo-letterCountryCode_SecondEdition2006.xsd");
    for (const QString& code : KnownCountryCodes())
        EXPECT_TRUE(countries.contains(code)) << code.toStdString();
    const QStringList currencies = enumeration("codes/ISO_ISO3AlphaCurrencyCode_2012-08-31.xsd");
    for (const QString& code : KnownCurrencyCodes())
        EXPECT_TRUE(currencies.contains(code)) << code.toStdString();
}

// The schema's types as read from its file: per complex type, its elements in
// order with their type, repetition and format.
struct SchemaElement
{
    QString name;
    QString type;
    bool unbounded = false;
    // The element's eFTI ids, and its format below each parent (by the
    // parent's id): one element may have a format per place it is used.
    QStringList ids;
    QVector<QPair<QString, QString>> formats;
};

QHash<QString, QVector<SchemaElement>> SchemaTypes()
{
    QHash<QString, QVector<SchemaElement>> types;
    xmlDocPtr doc = xmlReadFile(SchemaFile("consignment-common.xsd").toLocal8Bit().constData(),
                                nullptr, XML_PARSE_NONET);
    if (!doc)
        return types;
    auto attribute = [](xmlNodePtr node, const char* name) {
        xmlChar* value = xmlGetProp(node, BAD_CAST name);
        const QString text =
            value ? QString::fromUtf8(reinterpret_cast<const char*>(value)) : QString();
        xmlFree(value);
        return text;
    };
    auto named = [](xmlNodePtr node, const char* name) {
        return node->type == XML_ELEMENT_NODE && xmlStrcmp(node->name, BAD_CAST name) == 0;
    };
    for (xmlNodePtr type = xmlDocGetRootElement(doc)->children; type; type = type->next) {
        if (!named(type, "complexType"))
            continue;
        QVector<SchemaElement>& elements = types[attribute(type, "name")];
        for (xmlNodePtr sequence = type->children; sequence; sequence = sequence->next) {
            if (!named(sequence, "sequence"))
                continue;
            for (xmlNodePtr element = sequence->children; element; element = element->next) {
                if (!named(element, "element"))
                    continue;
                SchemaElement e{attribute(element, "name"),
                                attribute(element, "type"),
                                attribute(element, "maxOccurs") == QLatin1String("unbounded"),
                                {},
                                {}};
                // annotation/appinfo/efti: id, format, parentId
                for (xmlNodePtr a = element->children; a; a = a->next)
                    for (xmlNodePtr b = named(a, "annotation") ? a->children : nullptr; b;
                         b = b->next)
                        for (xmlNodePtr c = named(b, "appinfo") ? b->children : nullptr; c;
                             c = c->next)
                            if (named(c, "efti")) {
                                e.ids.append(attribute(c, "id"));
                                e.formats.append(
                                    {attribute(c, "parentId"), attribute(c, "format")});
                            }
                elements.append(e);
            }
        }
    }
    xmlFreeDoc(doc);
    return types;
}

// The largest length or number of digits a format allows: an..35 gives 35,
// n..16,6 16, a2 2, empty 0.
int FormatLimit(const QString& format)
{
    static const QRegularExpression digits(QStringLiteral("^[an]+(?:\\.\\.)?(\\d+)"));
    const QRegularExpressionMatch m = digits.match(format);
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

int TypeLimit(const QString& type)
{
    static const QRegularExpression sized(
        QStringLiteral("(?:LimitedString|LocalizedString|Identifier)(\\d+)$"));
    const QRegularExpressionMatch m = sized.match(type);
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

// Every row of the mapping table is an element the data set defines below its
// parent's element (the schema's annotation for that parent), in the schema's
// order, with the data set's format there, the schema type's limit and its
// repetition.
TEST_F(SchemaTest, mappingTableFollowsTheSchema)
{
    using Efti::Content;
    using Efti::Element;
    const QHash<QString, QVector<SchemaElement>> types = SchemaTypes();
    const QVector<SchemaElement> root = types.value(QStringLiteral("SupplyChainConsignment"));
    ASSERT_FALSE(root.isEmpty());
    ASSERT_FALSE(root.first().formats.isEmpty());
    const QString rootContext = root.first().formats.first().first;
    int count = 0;
    const Element* rows = Efti::Elements(&count);

    // Per row: the schema type of its element and its context id.
    QVector<QString> typeOf(count);
    QVector<QString> contextOf(count);
    QHash<int, int> lastIndexBelow; // parent row (-1: root) → schema index of the last child
    for (int r = 0; r < count; ++r) {
        const Element& row = rows[r];
        const QVector<int>& chain = Efti::Chain(r);
        ASSERT_EQ(chain.last(), r);
        const int parent = chain.size() > 1 ? chain[chain.size() - 2] : -1;
        ASSERT_LT(parent, r) << row.name << ": a parent row comes before its children";
        const QString parentType =
            parent < 0 ? QStringLiteral("SupplyChainConsignment") : typeOf[parent];
        const QString parentContext = parent < 0 ? rootContext : contextOf[parent];
        const std::string where = Efti::PathOf(r).toStdString();
        const QVector<SchemaElement> elements = types.value(parentType);
        int at = -1;
        for (int i = 0; i < elements.size(); ++i)
            if (elements[i].name == QLatin1String(row.name))
                at = i;
        ASSERT_GE(at, 0) << where << " is no element of " << parentType.toStdString();
        const SchemaElement& e = elements[at];
        QString format;
        for (int i = 0; i < e.formats.size(); ++i) {
            if (e.formats[i].first == parentContext) {
                format = e.formats[i].second;
                contextOf[r] = e.ids[i];
            }
        }
        ASSERT_FALSE(contextOf[r].isEmpty()) << where << " is not in the data set there";
        typeOf[r] = e.type.section(QLatin1Char(':'), 1);

        EXPECT_GT(at, lastIndexBelow.value(parent, -1)) << where << " is out of the schema's order";
        lastIndexBelow[parent] = at;
        EXPECT_EQ(row.limit, FormatLimit(format)) << where << " format " << format.toStdString();
        EXPECT_EQ(row.typeLimit, TypeLimit(e.type)) << where << " type " << e.type.toStdString();
        EXPECT_TRUE(e.unbounded || !(row.repeats || row.content == Content::Rows))
            << where << " does not repeat";
        switch (row.content) {
        case Content::Group:
        case Content::Rows:
            EXPECT_TRUE(e.type.startsWith(QLatin1String("efti:"))) << where;
            break;
        case Content::Amount:
            EXPECT_EQ(e.type, QStringLiteral("types:Amount")) << where;
            break;
        case Content::Measure:
            EXPECT_TRUE(e.type.endsWith(QLatin1String("Measure"))) << where;
            break;
        case Content::DateTime:
            EXPECT_EQ(e.type, QStringLiteral("types:DateTime")) << where;
            break;
        case Content::Country:
            EXPECT_EQ(e.type, QStringLiteral("codes:CountryCode")) << where;
            break;
        case Content::Integer:
            EXPECT_TRUE(e.type.startsWith(QLatin1String("types:Integer"))) << where;
            break;
        case Content::Boolean:
            EXPECT_EQ(e.type, QStringLiteral("xsd:boolean")) << where;
            break;
        case Content::Text:
        case Content::Code:
            EXPECT_FALSE(e.type.startsWith(QLatin1String("efti:"))) << where;
            break;
        }
    }
}

} // namespace
