// The address splitter on the addresses clerks type: German and European
// postcodes, country lines in three languages and as codes, contact lines, and
// what it cannot split, which stays whole. Each case is also written back and
// read again, which must give the same address.
#include "core/exchange/addresssplit.h"
#include "core/exchange/countries.h"
#include "testsupport.h"

#include <gtest/gtest.h>

namespace {

using Exchange::AddressIssue;
using Exchange::AddressRole;
using Exchange::AddressSplit;

struct AddressCase
{
    const char* what;
    AddressRole role;
    const char* text;
    // Expected: name lines apart by '|', then the fields.
    const char* names;
    const char* street;
    const char* postcode;
    const char* town;
    const char* country;
    QVector<AddressIssue> issues = {};
    const char* contact = ""; // person|phone|fax|email
    const char* postOfficeBox = "";
};

void PrintTo(const AddressCase& c, std::ostream* os)
{
    *os << c.what;
}

const AddressCase kCases[] = {
    {"German address with the vehicle prefix", AddressRole::Party,
     "Müller Logistik GmbH\nHafenstraße 12\nD-28197 Bremen", "Müller Logistik GmbH",
     "Hafenstraße 12", "28197", "Bremen", "DE"},
    {"domestic address without country",
     AddressRole::Party,
     "Spedition Nordweg\r\nAm Speicher 5\r\n28217 Bremen",
     "Spedition Nordweg",
     "Am Speicher 5",
     "28217",
     "Bremen",
     "",
     {AddressIssue::NoCountry}},
    {"street without a number",
     AddressRole::Party,
     "Ratsapotheke\nAm Markt\n28195 Bremen",
     "Ratsapotheke",
     "Am Markt",
     "28195",
     "Bremen",
     "",
     {AddressIssue::NoCountry}},
    {"French address with a German country line", AddressRole::Party,
     "Transports Dupont SA\n12 rue de la République\n69002 Lyon\nFrankreich",
     "Transports Dupont SA", "12 rue de la République", "69002", "Lyon", "FR"},
    {"Dutch postcode with letters", AddressRole::Party,
     "Van Dijk BV\nKeizersgracht 123\nNL-1012 AB Amsterdam", "Van Dijk BV", "Keizersgracht 123",
     "1012 AB", "Amsterdam", "NL"},
    {"British postcode before the town", AddressRole::Party,
     "Acme Ltd\n10 Downing Street\nSW1A 2AA London\nUnited Kingdom", "Acme Ltd",
     "10 Downing Street", "SW1A 2AA", "London", "GB"},
    {"British postcode after the town", AddressRole::Party,
     "Acme Ltd\nUnit 4 Dock Road\nLondon SW1A 1AA\nUK", "Acme Ltd", "Unit 4 Dock Road", "SW1A 1AA",
     "London", "GB"},
    {"commas before the British postcode",
     AddressRole::Party,
     "Acme Ltd\nLondon,, SW1A 1AA",
     "Acme Ltd",
     "",
     "SW1A 1AA",
     "London",
     "",
     {AddressIssue::NoCountry}},
    {"commas after the town",
     AddressRole::Party,
     "Acme Ltd\nSW1A 1AA London,,",
     "Acme Ltd",
     "",
     "SW1A 1AA",
     "London",
     "",
     {AddressIssue::NoCountry}},
    {"Polish postcode and an ISO code", AddressRole::Party,
     "Kowalski Sp. z o.o.\nul. Prosta 20\n00-850 Warszawa\nPL", "Kowalski Sp. z o.o.",
     "ul. Prosta 20", "00-850", "Warszawa", "PL"},
    {"Swedish postcode and an English country name", AddressRole::Party,
     "Nordic Freight AB\nStorgatan 1\n111 22 Stockholm\nSweden", "Nordic Freight AB", "Storgatan 1",
     "111 22", "Stockholm", "SE"},
    {"French country name", AddressRole::Party, "Rossi SpA\nVia Roma 1\n20121 Milano\nItalie",
     "Rossi SpA", "Via Roma 1", "20121", "Milano", "IT"},
    {"Swiss prefix", AddressRole::Party, "Transalpin AG\nIndustriestrasse 8\nCH-4133 Pratteln",
     "Transalpin AG", "Industriestrasse 8", "4133", "Pratteln", "CH"},
    {"country after the town", AddressRole::Party, "Dupont\nQuai Perrache 3\n69002 Lyon, France",
     "Dupont", "Quai Perrache 3", "69002", "Lyon", "FR"},
    {"country code after the town and a comma", AddressRole::Party, "Dupont\n69002 Lyon, F,",
     "Dupont", "", "69002", "Lyon", "FR"},
    {"second name line", AddressRole::Party, "Müller GmbH\nAbt. Versand\nHafenstr. 5\nA-1010 Wien",
     "Müller GmbH|Abt. Versand", "Hafenstr. 5", "1010", "Wien", "AT"},
    {"contact lines",
     AddressRole::Party,
     "Müller GmbH\nz. Hd. Frau Schulz\nHafenstr. 5\n28197 Bremen\nTel.: 0421 12345\nFax 0421 "
     "12346\ninfo@mueller.de",
     "Müller GmbH",
     "Hafenstr. 5",
     "28197",
     "Bremen",
     "",
     {AddressIssue::NoCountry},
     "Frau Schulz|0421 12345|0421 12346|info@mueller.de"},
    {"street that begins like a telephone line",
     AddressRole::Party,
     "Funkhaus\nTelegrafenstraße 3\n28195 Bremen\nTelefon 0421 555",
     "Funkhaus",
     "Telegrafenstraße 3",
     "28195",
     "Bremen",
     "",
     {AddressIssue::NoCountry},
     "|0421 555||"},
    {"post office box",
     AddressRole::Party,
     "Müller GmbH\nPostfach 10 12 34\n28012 Bremen",
     "Müller GmbH",
     "",
     "28012",
     "Bremen",
     "",
     {AddressIssue::NoCountry},
     "",
     "10 12 34"},
    {"one line apart by commas",
     AddressRole::Party,
     "Müller GmbH, Hafenstr. 5, 28197 Bremen",
     "Müller GmbH",
     "Hafenstr. 5",
     "28197",
     "Bremen",
     "",
     {AddressIssue::NoCountry}},
    {"name with a comma",
     AddressRole::Party,
     "Schmidt, Hans",
     "Schmidt, Hans",
     "",
     "",
     "",
     "",
     {AddressIssue::NoTown, AddressIssue::NoCountry}},
    {"no postcode stays whole",
     AddressRole::Party,
     "Müller GmbH\nirgendwo im Norden",
     "Müller GmbH|irgendwo im Norden",
     "",
     "",
     "",
     "",
     {AddressIssue::NoTown, AddressIssue::NoCountry}},
    {"a line after the town stays whole",
     AddressRole::Party,
     "Müller GmbH\nHafenstr. 5\n28197 Bremen\nLager 3",
     "Müller GmbH|Hafenstr. 5|28197 Bremen|Lager 3",
     "",
     "",
     "",
     "",
     {AddressIssue::NoTown, AddressIssue::NoCountry}},
    {"prefix and country line disagree",
     AddressRole::Party,
     "Dupont\nF-69002 Lyon\nDeutschland",
     "Dupont",
     "",
     "69002",
     "Lyon",
     "DE",
     {AddressIssue::CountryConflict}},
    {"continental postcode with a British country line",
     AddressRole::Party,
     "Acme Ltd\nD-28197 Bremen\nUK",
     "Acme Ltd",
     "",
     "28197",
     "Bremen",
     "GB",
     {AddressIssue::CountryConflict}},
    {"unknown prefix is no postcode",
     AddressRole::Party,
     "Dupont\nXY-69002 Lyon",
     "Dupont|XY-69002 Lyon",
     "",
     "",
     "",
     "",
     {AddressIssue::NoTown, AddressIssue::NoCountry}},
    {"place and country", AddressRole::Place, "Lyon\r\nFrankreich", "", "", "", "Lyon", "FR"},
    {"place of four lines", AddressRole::Place, "Bremen\nWerk 2\nHemelingen\nDeutschland",
     "Werk 2|Hemelingen", "", "", "Bremen", "DE"},
    {"place with street and postcode",
     AddressRole::Place,
     "Werk 2, Tor 3\n28197 Bremen",
     "",
     "Werk 2, Tor 3",
     "28197",
     "Bremen",
     "",
     {AddressIssue::NoCountry}},
    {"place in one line", AddressRole::Place, "Lyon, Frankreich", "", "", "", "Lyon", "FR"},
    {"country alone",
     AddressRole::Place,
     "Österreich",
     "",
     "",
     "",
     "",
     "AT",
     {AddressIssue::NoTown}},
    {"empty", AddressRole::Party, " \r\n ", "", "", "", "", ""},
};

class SplitAddress : public ::testing::TestWithParam<AddressCase>
{
};

TEST_P(SplitAddress, readsTheLinesAndWritesThemBackTheSame)
{
    const AddressCase& c = GetParam();
    const AddressSplit split = Exchange::SplitAddress(QString::fromUtf8(c.text), c.role);
    const QString names = QString::fromUtf8(c.names);
    EXPECT_EQ(split.address.nameLines,
              names.isEmpty() ? QStringList() : names.split(QLatin1Char('|')));
    EXPECT_EQ(split.address.street, QString::fromUtf8(c.street));
    EXPECT_EQ(split.address.postcode, QString::fromUtf8(c.postcode));
    EXPECT_EQ(split.address.town, QString::fromUtf8(c.town));
    EXPECT_EQ(split.address.countryCode, QString::fromUtf8(c.country));
    EXPECT_EQ(split.address.postOfficeBox, QString::fromUtf8(c.postOfficeBox));
    EXPECT_EQ(split.issues, c.issues);
    const QStringList contact = QString::fromUtf8(c.contact).split(QLatin1Char('|'));
    EXPECT_EQ(split.contact.person, contact.value(0));
    EXPECT_EQ(split.contact.phone, contact.value(1));
    EXPECT_EQ(split.contact.fax, contact.value(2));
    EXPECT_EQ(split.contact.email, contact.value(3));

    const QString written = Exchange::ComposeAddress(split.address, split.contact, c.role);
    const AddressSplit again = Exchange::SplitAddress(written, c.role);
    EXPECT_EQ(again.address, split.address) << written.toStdString();
    EXPECT_EQ(again.contact, split.contact) << written.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Addresses, SplitAddress, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<AddressCase>& info) {
                             return TestCaseName(info.param.what);
                         });

TEST(ComposeAddress, writesTheCountryInGermanAndTheBritishTownFirst)
{
    Exchange::Address address;
    address.nameLines = {QStringLiteral("Acme Ltd")};
    address.postcode = QStringLiteral("SW1A 1AA");
    address.town = QStringLiteral("London");
    address.countryCode = QStringLiteral("GB");
    Exchange::Contact contact;
    contact.phone = QStringLiteral("+44 20 7946 0000");
    EXPECT_EQ(
        Exchange::ComposeAddress(address, contact, AddressRole::Party),
        QStringLiteral("Acme Ltd\nLondon SW1A 1AA\nVereinigtes Königreich\nTel. +44 20 7946 0000"));
}

TEST(Countries, namesCodesAndSymbolsReadAsIsoCodes)
{
    EXPECT_EQ(Exchange::CountryCodeFromName(u"Österreich"), QStringLiteral("AT"));
    EXPECT_EQ(Exchange::CountryCodeFromName(u"OESTERREICH"), QStringLiteral("AT"));
    EXPECT_EQ(Exchange::CountryCodeFromName(u"Pays-Bas"), QStringLiteral("NL"));
    EXPECT_EQ(Exchange::CountryCodeFromName(u"Grossbritannien"), QStringLiteral("GB"));
    EXPECT_EQ(Exchange::CountryCodeFromName(u"Bremen"), QString());
    EXPECT_EQ(Exchange::CountryCodeFromPrefix(u"d"), QStringLiteral("DE"));
    EXPECT_EQ(Exchange::CountryCodeFromPrefix(u"SLO"), QStringLiteral("SI"));
    EXPECT_EQ(Exchange::CurrencyCodeFromText(u"€"), QStringLiteral("EUR"));
    EXPECT_EQ(Exchange::CurrencyCodeFromText(u"SFr."), QStringLiteral("CHF"));
    EXPECT_EQ(Exchange::CurrencyCodeFromText(u"Taler"), QString());
    EXPECT_EQ(Exchange::CountryName(QStringLiteral("FR")), QStringLiteral("Frankreich"));
}

} // namespace
