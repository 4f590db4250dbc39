// Notes read into the consignment record and records written into the boxes of
// a form: what each box means arrives in the record, a round trip keeps every
// box, and what a form has no box for is reported.
#include "core/exchange/addresssplit.h"
#include "core/exchange/noteexchange.h"
#include "exchangefixtures.h"
#include "testsupport.h"

#include <gtest/gtest.h>

namespace {

using namespace Exchange;
using ExchangeFixture::FilledNote;
using Forms::BoxMeaning;

DecimalNumber Dec(const char* text)
{
    return *DecimalNumber::FromCText(QString::fromLatin1(text));
}

const Charge* FindCharge(const Consignment& c, ChargeKind kind, Payer payer, int row = 0)
{
    for (const Charge& charge : c.charges)
        if (charge.kind == kind && charge.payer == payer && charge.row == row)
            return &charge;
    return nullptr;
}

TEST(ReadNote, cmrBoxesArriveInTheRecord)
{
    const FilledNote note = ExchangeFixture::Cmr();
    const Consignment c = ReadNote(*note.form, note.texts, note.checkWord);

    EXPECT_EQ(c.noteNumber, QStringLiteral("CMR-2024-0815"));
    EXPECT_EQ(c.sender.address.nameLines, QStringList{QStringLiteral("Müller Logistik GmbH")});
    EXPECT_EQ(c.sender.address.countryCode, QStringLiteral("DE"));
    EXPECT_EQ(c.sender.contact.phone, QStringLiteral("0421 123456"));
    EXPECT_EQ(c.consignee.address.town, QStringLiteral("Lyon"));
    EXPECT_EQ(c.consignee.address.countryCode, QStringLiteral("FR"));
    EXPECT_EQ(c.successiveCarriers.size(), 1);
    EXPECT_EQ(c.successiveCarriers.value(0).address.countryCode, QStringLiteral("CH"));
    EXPECT_EQ(c.orderingParty.address.town, QStringLiteral("Bremen"));
    EXPECT_EQ(c.takingOverPlace.address.town, QStringLiteral("Bremen"));
    EXPECT_EQ(c.takingOverPlace.address.countryCode, QStringLiteral("DE"));
    EXPECT_EQ(c.takingOverDate.date, QDate(2024, 3, 5));
    EXPECT_EQ(c.deliveryPlace.address.countryCode, QStringLiteral("FR"));
    EXPECT_EQ(c.attachedDocuments.size(), 2);
    EXPECT_EQ(c.placeOfIssue.address.town, QStringLiteral("Bremen"));
    EXPECT_EQ(c.dateOfIssue.date, QDate(2024, 3, 5));

    ASSERT_EQ(c.goods.size(), 2);
    EXPECT_EQ(c.goods[0].marks, QStringLiteral("ML 1-12"));
    EXPECT_EQ(*c.goods[0].packages.value, Dec("12"));
    EXPECT_EQ(c.goods[0].packing, QStringLiteral("Paletten"));
    EXPECT_EQ(c.goods[0].statisticalNumber, QStringLiteral("8483 40"));
    EXPECT_EQ(*c.goods[0].grossWeight.value, Dec("4850"));
    EXPECT_EQ(c.goods[0].grossWeight.unit, QStringLiteral("KGM"));
    EXPECT_EQ(*c.goods[1].volume.value, Dec("0.8"));
    EXPECT_EQ(c.dangerousGoods.unNumber, QStringLiteral("UN 1263"));
    EXPECT_EQ(c.dangerousGoods.tunnelCode, QStringLiteral("(D/E)"));

    const Charge* carriage = FindCharge(c, ChargeKind::Carriage, Payer::Sender);
    ASSERT_TRUE(carriage);
    EXPECT_EQ(*carriage->amount.value, Dec("1250"));
    EXPECT_EQ(carriage->amount.unit, QStringLiteral("EUR"));
    ASSERT_TRUE(FindCharge(c, ChargeKind::Total, Payer::Sender));
    EXPECT_EQ(c.paymentInstructions, QStringLiteral("frei"));
    EXPECT_EQ(c.vehiclePlate, QStringLiteral("HB-NW 123"));
    EXPECT_EQ(c.trailerPlate, QStringLiteral("HB-NW 456"));
    EXPECT_EQ(c.permit, Permit::Cemt);

    // The carrier's reservations and the permit number mean nothing to the
    // exchange: they stay listed as they are.
    ASSERT_EQ(c.freeBoxes.size(), 2);
    EXPECT_EQ(c.freeBoxes[0], (FreeBox{7, QStringLiteral("Plomben unversehrt")}));
    EXPECT_EQ(c.freeBoxes[1].box, 174);
}

TEST(ReadNote, domesticNotesReadTheirCombinedBoxes)
{
    const FilledNote national = ExchangeFixture::National(NationalEdition::Edition2009);
    const Consignment n = ReadNote(*national.form, national.texts, national.checkWord);
    EXPECT_EQ(n.placeOfIssue.address.town, QStringLiteral("Bremen"));
    EXPECT_EQ(n.dateOfIssue.date, QDate(2024, 3, 5));
    EXPECT_EQ(*n.goods[0].packages.value, Dec("12"));
    EXPECT_EQ(n.goods[0].packing, QStringLiteral("Paletten"));
    EXPECT_EQ(*n.goods[0].grossWeight.value, Dec("9600"));
    EXPECT_TRUE(n.goods[1].grossWeight.IsEmpty());
    EXPECT_EQ(*n.goods[1].volume.value, Dec("2.5"));
    EXPECT_EQ(n.takingOverPlace.address.street, QStringLiteral("Werk 2, Tor 3"));
    EXPECT_EQ(n.takingOverDate.time, QTime(14, 30));
    EXPECT_EQ(n.furtherLoadingPlaces.size(), 1);
    EXPECT_EQ(n.furtherUnloadingPlaces.size(), 1);
    EXPECT_EQ(n.openVehicle, std::optional<bool>(false));
    const Charge* total = FindCharge(n, ChargeKind::Total, Payer::None);
    ASSERT_TRUE(total);
    EXPECT_EQ(*total->amount.value, Dec("1011.5"));
    EXPECT_EQ(total->amount.unit, QStringLiteral("EUR"));
    // The change of vehicle and the tax rate have no meaning.
    EXPECT_EQ(n.freeBoxes, QVector<FreeBox>({FreeBox{18, QStringLiteral("Kassel")},
                                             FreeBox{96, QStringLiteral("19")}}));

    const FilledNote kombi = ExchangeFixture::Kombi();
    const Consignment k = ReadNote(*kombi.form, kombi.texts, kombi.checkWord);
    EXPECT_EQ(k.takingOverPlace.address.town, QStringLiteral("Bremen"));
    EXPECT_EQ(k.takingOverPlace.address.nameLines, QStringList({"Werk 2", "Hemelingen"}));
    EXPECT_EQ(k.goods[0].statisticalNumber, QStringLiteral("8483 40"));
    EXPECT_EQ(*FindCharge(k, ChargeKind::Tax, Payer::None)->amount.value, Dec("161.5"));
    EXPECT_EQ(k.takingOverDate.time, QTime(8, 0));
    EXPECT_EQ(k.terms, ContractTerms::Adsp);

    const FilledNote forwarding = ExchangeFixture::Forwarding();
    const Consignment f = ReadNote(*forwarding.form, forwarding.texts, forwarding.checkWord);
    EXPECT_EQ(f.forwarder.contact.phone, QStringLiteral("0421 987654"));
    EXPECT_EQ(f.forwarder.contact.fax, QStringLiteral("0421 987655"));
    EXPECT_EQ(*f.goods[0].loadingWeight.value, Dec("4800"));
    EXPECT_EQ(f.deliveryPlace.address.nameLines, QStringList{QStringLiteral("Lager Nord")});
}

TEST(ReadNote, thePermitCrossCountsOnlyWithAPermitNumber)
{
    FilledNote note = ExchangeFixture::Cmr();
    note.texts[174].clear();
    EXPECT_EQ(ReadNote(*note.form, note.texts, note.checkWord).permit, Permit::None);
}

class NoteRoundTrip : public ::testing::TestWithParam<FilledNote>
{
};

// Read and written again into the same form, every box holds what it held.
TEST_P(NoteRoundTrip, writingTheSameFormKeepsEveryBox)
{
    const FilledNote& note = GetParam();
    const Consignment c = ReadNote(*note.form, note.texts, note.checkWord);
    const BoxTexts written = BoxTextsFor(c, *note.form, WriteOptions{2});
    EXPECT_EQ(written.texts, note.texts);
    EXPECT_EQ(written.checkWord, note.checkWord);
    EXPECT_TRUE(written.report.isEmpty());
}

// Without the texts it was read from, the record's values written as the form
// writes them read back as the same values.
TEST_P(NoteRoundTrip, valuesWrittenAfreshReadBackTheSame)
{
    const FilledNote& note = GetParam();
    Consignment c = ReadNote(*note.form, note.texts, note.checkWord);
    c.sources.clear();
    for (int dateFormat : {0, 2, 18}) {
        const BoxTexts written = BoxTextsFor(c, *note.form, WriteOptions{dateFormat});
        const Consignment again = ReadNote(*note.form, written.texts, written.checkWord);
        EXPECT_TRUE(SameContents(again, c)) << dateFormat;
        EXPECT_TRUE(written.report.isEmpty()) << dateFormat;
    }
}

INSTANTIATE_TEST_SUITE_P(AllForms, NoteRoundTrip, ::testing::ValuesIn(ExchangeFixture::AllNotes()),
                         [](const ::testing::TestParamInfo<FilledNote>& info) {
                             return std::string(info.param.name);
                         });

bool Reports(const Report& report, ReportKind kind, BoxMeaning meaning)
{
    for (const ReportItem& item : report)
        if (item.kind == kind && item.meaning == meaning)
            return true;
    return false;
}

// A record of the international note written into the Kombi note: what it
// has boxes for goes there, the rest is reported.
TEST(BoxTextsFor, anotherFormReportsWhatItHasNoBoxFor)
{
    const FilledNote cmr = ExchangeFixture::Cmr();
    const Consignment c = ReadNote(*cmr.form, cmr.texts, cmr.checkWord);
    const Forms::FormDescription& kombi = KombiLayout::Description();
    const BoxTexts written = BoxTextsFor(c, kombi, WriteOptions{0});

    EXPECT_EQ(written.texts[0], cmr.texts[0]);                      // sender
    EXPECT_EQ(written.texts[53], QStringLiteral("CMR-2024-0815"));  // note number
    EXPECT_EQ(written.texts[18], QStringLiteral("Maschinenteile")); // description
    EXPECT_EQ(written.texts[19], QStringLiteral("4.850"));
    EXPECT_EQ(written.texts[33], QStringLiteral("8483 40")); // statistical number
    EXPECT_EQ(written.texts[38], QStringLiteral("UN 1263"));
    EXPECT_EQ(written.texts[2], QStringLiteral("Bremen"));
    EXPECT_EQ(written.texts[5], QStringLiteral("Deutschland"));
    EXPECT_EQ(written.texts[50], QStringLiteral("05.03.2024"));
    EXPECT_EQ(written.checkWord, 0);

    for (BoxMeaning lost :
         {BoxMeaning::DangerousTunnelCode, BoxMeaning::GoodsMarks, BoxMeaning::GoodsPackages,
          BoxMeaning::GoodsPacking, BoxMeaning::SuccessiveCarriers, BoxMeaning::OrderingParty,
          BoxMeaning::AttachedDocuments, BoxMeaning::PayableBySender, BoxMeaning::PermitCemt,
          BoxMeaning::SpecialAgreements, BoxMeaning::Carrier})
        EXPECT_TRUE(Reports(written.report, ReportKind::NoBox, lost)) << int(lost);
    for (BoxMeaning kept :
         {BoxMeaning::Sender, BoxMeaning::Consignee, BoxMeaning::NoteNumber,
          BoxMeaning::GoodsDescription, BoxMeaning::DangerousUnNumber, BoxMeaning::TakingOverPlace,
          BoxMeaning::TakingOverDate, BoxMeaning::GoodsStatisticalNumber})
        EXPECT_FALSE(Reports(written.report, ReportKind::NoBox, kept)) << int(kept);
    // The free boxes of the international note are no boxes of this form.
    EXPECT_TRUE(Reports(written.report, ReportKind::NoBox, BoxMeaning::None));
}

// A record from elsewhere (the import) has no texts: its values are written in
// the form's way, dates in the format asked for, and a place with more lines
// than the form has boxes keeps them all, the last ones joined.
TEST(BoxTextsFor, recordsFromElsewhereAreWrittenInTheFormsWay)
{
    Consignment c;
    c.noteNumber = QStringLiteral("4711");
    c.dateOfIssue.date = QDate(2024, 3, 5);
    c.placeOfIssue.address.town = QStringLiteral("Bremen");
    c.deliveryPlace.address.nameLines = {QStringLiteral("Lager Nord"), QStringLiteral("Tor 4")};
    c.deliveryPlace.address.street = QStringLiteral("Industrieweg 4");
    c.deliveryPlace.address.postcode = QStringLiteral("80939");
    c.deliveryPlace.address.town = QStringLiteral("München");
    GoodsItem goods;
    goods.grossWeight.value = Dec("1250.5");
    goods.grossWeight.unit = QStringLiteral("KGM");
    c.goods = {goods};
    Charge total{ChargeKind::Total, Payer::None, 0, Quantity()};
    total.amount.value = Dec("1011.5");
    total.amount.unit = QStringLiteral("EUR");
    c.charges = {total};

    const Forms::FormDescription& national =
        NationalLayout::Description(NationalEdition::Edition2009);
    const BoxTexts written = BoxTextsFor(c, national, WriteOptions{2});
    EXPECT_EQ(written.texts[48], QStringLiteral("Bremen - 05. März 2024"));
    EXPECT_EQ(written.texts[23], QStringLiteral("1.250,5"));
    EXPECT_EQ(written.texts[98], QStringLiteral("1.011,50"));
    EXPECT_EQ(written.texts[7], QStringLiteral("Lager Nord"));
    EXPECT_EQ(written.texts[8], QStringLiteral("Tor 4"));
    EXPECT_EQ(written.texts[9], QStringLiteral("Industrieweg 4, 80939 München"));
    EXPECT_TRUE(Reports(written.report, ReportKind::LinesJoined, BoxMeaning::DeliveryPlace));

    const Forms::FormDescription& kombi = KombiLayout::Description();
    const BoxTexts inKombi = BoxTextsFor(c, kombi, WriteOptions{0});
    EXPECT_EQ(inKombi.texts[110], QStringLiteral("1.011"));
    EXPECT_EQ(inKombi.texts[111], QStringLiteral("50"));
    EXPECT_EQ(inKombi.texts[44], QStringLiteral("Bremen"));
    EXPECT_EQ(inKombi.texts[45], QStringLiteral("05.03.2024"));
}

} // namespace
