// Addresses in and out as CSV and vCard: files as spreadsheets and address
// programs write them, round trips of our own files, and files that are not
// what they claim.
#include "core/addresses/addressexchange.h"
#include "core/addresses/addressmerge.h"
#include "testsupport.h"

#include <gtest/gtest.h>

namespace {

QString R(std::initializer_list<const char*> lines)
{
    QStringList list;
    for (const char* line : lines)
        list.append(QString::fromUtf8(line));
    return list.join(QStringLiteral("\r\n"));
}

const QStringList kRecords = {
    R({"Spedition Berg GmbH", "Hafenstraße 12", "24103 Kiel"}),
    R({"Lumière Logistique SARL", "8 Rue des Docks", "69002 Lyon", "Frankreich"}),
    R({"Müller; Söhne & \"Partner\"", "z. Hd. Frau Öztürk, Einkauf", "Postfach 12 34",
       "D-80331 München"}),
    R({"Nur ein Name"}),
    R({"Ohne Postleitzahl", "Am Kai 3", "Kiel"}),
    R({"Eine sehr lange Firmenbezeichnung mit Umlauten äöü ÄÖÜ ß, die über fünfundsiebzig "
       "Bytes hinausgeht",
       "Straße", "1010 Wien", "Österreich"}),
};

TEST(AddressExchange, OwnFilesComeBackUnchanged)
{
    for (AddressFormat format : {AddressFormat::Csv, AddressFormat::VCard}) {
        const QByteArray bytes =
            format == AddressFormat::Csv ? WriteAddressCsv(kRecords) : WriteAddressVCards(kRecords);
        const AddressImport import = ReadAddresses(bytes, format);
        EXPECT_TRUE(Succeeded(import.error));
        EXPECT_TRUE(import.refused.isEmpty());
        EXPECT_EQ(import.records, kRecords) << int(format);
    }
}

TEST(AddressExchange, CsvIsWrittenForGermanSpreadsheets)
{
    const QByteArray csv = WriteAddressCsv({R({"A; B", "Straße"}), R({"C \"D\""})});
    EXPECT_EQ(csv, QByteArray("\xEF\xBB\xBF"
                              "Zeile 1;Zeile 2\r\n"
                              "\"A; B\";Stra\xC3\x9F"
                              "e\r\n"
                              "\"C \"\"D\"\"\"\r\n"));
}

TEST(AddressExchange, VCardLinesAreFoldedWithinCharacters)
{
    const QByteArray vcf = WriteAddressVCards({kRecords.last()});
    for (const QByteArray& line : vcf.split('\n')) {
        EXPECT_LE(line.size(), 76) << line.toStdString(); // 75 octets and the CR
        EXPECT_FALSE(QString::fromUtf8(line).contains(QChar::ReplacementCharacter));
    }
    EXPECT_TRUE(vcf.startsWith("BEGIN:VCARD\r\nVERSION:3.0\r\n"));
}

struct ImportCase
{
    const char* what;
    AddressFormat format;
    QByteArray bytes;
    QStringList records;
    QList<Error> refused;
};

TEST(AddressExchange, FilesOfOtherPrograms)
{
    const ImportCase cases[] = {
        {"spreadsheet CSV: quotes, umlauts, a line break in a cell, an empty row",
         AddressFormat::Csv,
         "\xEF\xBB\xBF"
         "Spedition Berg GmbH;Hafenstra\xC3\x9F"
         "e 12;24103 Kiel\r\n"
         "\r\n"
         "\"M\xC3\xBCller; S\xC3\xB6hne\";\"Lager 2\r\nTor \"\"Nord\"\"\";80331 M\xC3\xBCnchen\r\n",
         {R({"Spedition Berg GmbH", "Hafenstraße 12", "24103 Kiel"}),
          R({"Müller; Söhne", "Lager 2", "Tor \"Nord\"", "80331 München"})},
         {}},
        {"older spreadsheet: Windows-1252, no mark, LF only",
         AddressFormat::Csv,
         "M\xFCller GmbH;Stra\xDF"
         "e 1;12345 K\xF6ln\n",
         {R({"Müller GmbH", "Straße 1", "12345 Köln"})},
         {}},
        {"Unicode text: UTF-16 with tabs",
         AddressFormat::Csv,
         QByteArray("\xFF\xFE") + QByteArray(reinterpret_cast<const char*>(u"Berg\tKai 3\r\n"), 24),
         {R({"Berg", "Kai 3"})},
         {}},
        {"our own header row is skipped",
         AddressFormat::Csv,
         "Zeile 1;Zeile 2\r\nA;B\r\n",
         {R({"A", "B"})},
         {}},
        {"a file cut inside quotes keeps the rows before",
         AddressFormat::Csv,
         "A;B\r\n\"C;D\r\nE",
         {R({"A", "B"})},
         {Error(ErrorCode::CsvUnclosedQuote).at(2)}},
        {"address program vCard 3.0: folding, escapes, groups, parameters",
         AddressFormat::VCard,
         "BEGIN:VCARD\r\n"
         "VERSION:3.0\r\n"
         "N:\xC3\x96zt\xC3\xBCrk;Ay\xC5\x9F"
         "e;;;\r\n"
         "FN:Ay\xC5\x9F"
         "e \xC3\x96zt\xC3\xBCrk\r\n"
         "ORG:Berg\\, Kiel GmbH;Einkauf\r\n"
         "item1.ADR;TYPE=WORK,PREF:;;Hafenstra\xC3\x9F"
         "e 12\\nTor 3;Ki\r\n"
         " el;;24103;Deutschland\r\n"
         "item1.X-ABLabel:Arbeit\r\n"
         "TEL;TYPE=WORK:0431 1\r\n"
         "END:VCARD\r\n",
         {R({"Berg, Kiel GmbH", "Ayşe Öztürk", "Hafenstraße 12", "Tor 3", "24103 Kiel",
             "Deutschland"})},
         {}},
        {"vCard 4.0 with a name only in N and a quoted parameter",
         AddressFormat::VCard,
         "BEGIN:VCARD\nVERSION:4.0\nN:Hansen;Jens;;Dr.;\n"
         "ADR;LABEL=\"Kai 3: Tor 1\":;;Kai 3;Kiel;;24143;\nEND:VCARD\n",
         {R({"Dr. Jens Hansen", "Kai 3", "24143 Kiel"})},
         {}},
        {"vCard 2.1, a card without name and address, a cut-off card",
         AddressFormat::VCard,
         "BEGIN:VCARD\r\nVERSION:2.1\r\nFN:Alt\r\nEND:VCARD\r\n"
         "BEGIN:VCARD\r\nVERSION:3.0\r\nTEL:1\r\nEND:VCARD\r\n"
         "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Gut\r\nEND:VCARD\r\n"
         "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Halb",
         {R({"Gut"})},
         {Error(ErrorCode::VCardUnsupportedVersion, {"2.1"}).at(1),
          Error(ErrorCode::VCardNoNameOrAddress).at(2), Error(ErrorCode::VCardUnterminated).at(4)}},
    };
    for (const ImportCase& c : cases) {
        const AddressImport import = ReadAddresses(c.bytes, c.format);
        EXPECT_TRUE(Succeeded(import.error)) << c.what;
        EXPECT_EQ(import.records, c.records) << c.what;
        EXPECT_EQ(import.refused, c.refused) << c.what;
    }
}

TEST(AddressExchange, FilesThatAreNoneAreRefusedWhole)
{
    const struct
    {
        AddressFormat format;
        QByteArray bytes;
    } cases[] = {
        {AddressFormat::Csv, QByteArray("Adressdaten 2.00KRD\0\0\0", 22)},
        {AddressFormat::Csv, ""},
        {AddressFormat::Csv, "\r\n;;\r\n"},
        {AddressFormat::VCard, "FN:Ohne Rahmen\r\n"},
        {AddressFormat::VCard, QByteArray("\x00\x01", 2)},
    };
    for (const auto& c : cases) {
        const AddressImport import = ReadAddresses(c.bytes, c.format);
        EXPECT_TRUE(import.error) << c.bytes.toHex().toStdString();
        EXPECT_TRUE(import.records.isEmpty());
    }
}

// A file cut anywhere gives what lies before the cut, a refusal naming the
// entry, or a message for the whole file; never a record that was not written.
TEST(AddressExchange, EveryTruncationIsReadOrRefused)
{
    for (AddressFormat format : {AddressFormat::Csv, AddressFormat::VCard}) {
        const QByteArray whole =
            format == AddressFormat::Csv ? WriteAddressCsv(kRecords) : WriteAddressVCards(kRecords);
        for (qsizetype size = 0; size < whole.size(); ++size) {
            const AddressImport import = ReadAddresses(whole.left(size), format);
            if (import.error)
                continue;
            ASSERT_LE(import.records.size(), kRecords.size()) << size;
            for (qsizetype i = 0; i + 1 < import.records.size(); ++i)
                EXPECT_EQ(import.records.at(i), kRecords.at(i)) << int(format) << " at " << size;
            if (format == AddressFormat::VCard && !import.records.isEmpty())
                EXPECT_EQ(import.records.last(), kRecords.at(import.records.size() - 1)) << size;
        }
    }
}

TEST(AddressExchange, DuplicatesOfTheBookAndOfTheFileAreDropped)
{
    AddressImport import;
    import.records = {R({"A", "1"}), R({"B"}), R({"A", "1"}), R({"C"})};
    DropKnownAddresses(import, {R({"B"}), R({"A"})});
    EXPECT_EQ(import.records, (QStringList{R({"A", "1"}), R({"C"})}));
    EXPECT_EQ(import.duplicates, 2);

    // Under the lock the list may hold records another user imported meanwhile.
    QStringList list = {R({"C"})};
    ApplyAddressChangeToList(list, AddressChange::Import({R({"A", "1"}), R({"C"})}));
    EXPECT_EQ(list, (QStringList{R({"C"}), R({"A", "1"})}));
}

} // namespace
