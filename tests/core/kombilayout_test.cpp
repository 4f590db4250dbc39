// The Kombi note as data: its telling rows on the screen and on both sheets,
// its lines and captions as the paper form has them, the registration marks, and
// the rules of arrows, addresses and the terms word. The invariants every form
// keeps are tested over all forms in formlayouts_test.cpp.
#include "core/fields/fieldstore.h"
#include "core/forms/kombilayout.h"
#include "core/settings/settingkeys.h"
#include "formtablestest.h"
#include "guienvironment.h"
#include "render/views/formpainter.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <ostream>

TVM_GUI_TEST_ENVIRONMENT();

namespace {

using namespace KombiLayout;
using Forms::BoxRect;
using FormTables::Segment;

const Forms::FormDescription& Kombi()
{
    return Description();
}

// ---------------------------------------------------------------------------
// Telling rows: the screen, publisher 0's sheet (K) and publisher 1's (O)

// A telling row of all three tables at once.
struct KombiRow
{
    const char* what;
    int index;
    BoxRect screen, printK, printO;
};

void PrintTo(const KombiRow& row, std::ostream* os)
{
    *os << row.what;
}

class KombiTellingRows : public testing::TestWithParam<KombiRow>
{
};

TEST_P(KombiTellingRows, MatchExactly)
{
    const KombiRow& row = GetParam();
    EXPECT_EQ(Kombi().BoxEntry(row.index, 1), row.screen);
    EXPECT_EQ(Kombi().PrintEntry(row.index, 1, 0, false), row.printK);
    EXPECT_EQ(Kombi().PrintEntry(row.index, 1, 1, false), row.printO);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, KombiTellingRows,
    testing::Values(
        KombiRow{"sender", 0, {120, 100, 930, 320}, {120, 110, 930, 330}, {120, 100, 930, 320}},
        KombiRow{"place of issue",
                 44,
                 {160, 1738, 450, 1778},
                 {160, 1905, 450, 1945},
                 {160, 1738, 450, 1778}},
        KombiRow{"ADR check box",
                 138,
                 {100, 2820, 130, 2850},
                 {110, 2750, 140, 2780},
                 {100, 2800, 130, 2830}},
        KombiRow{"HGB check box",
                 139,
                 {1050, 2860, 1080, 2890},
                 {1050, 2840, 1080, 2870},
                 {1050, 2840, 1080, 2870}}),
    [](const testing::TestParamInfo<KombiRow>& info) { return TestCaseName(info.param.what); });

TEST(KombiLayout, TheFollowOnBoxFollowsTheCheckBoxesAndPrintsWhereItIsShown)
{
    EXPECT_EQ(Kombi().boxCount, 138);
    EXPECT_EQ(Kombi().checkBoxCount, 4);
    EXPECT_EQ(Kombi().FollowBox(), (BoxRect{100, 250, 1870, 1100}));
    EXPECT_EQ(Kombi().BoxEntry(143, 1), Kombi().BoxEntry(0, 1)); // beyond the table: box 0
    for (int publisher : {0, 1})
        EXPECT_EQ(Kombi().PrintEntry(0, 2, publisher, false), Kombi().FollowBox());
}

// Publisher 0 has a sheet of its own; 1 ("Formularverlag Henkel") shares the
// sheet of 2 and 3, and so does any other number.
TEST(KombiLayout, OnlyPublisherZeroPrintsOnTableK)
{
    ASSERT_EQ(Kombi().publisherGroups.size(), 2);
    EXPECT_EQ(Kombi().GroupOf(0).publishers, QVector<int>{0});
    for (int publisher : {1, 2, 3, 9})
        EXPECT_EQ(&Kombi().GroupOf(publisher), &Kombi().publisherGroups[1]) << publisher;
}

// ---------------------------------------------------------------------------
// Lines

bool Has(const QVector<Segment>& group, const Segment& s)
{
    for (const Segment& g : group)
        if (g.x1 == s.x1 && g.y1 == s.y1 && g.x2 == s.x2 && g.y2 == s.y2)
            return true;
    return false;
}

TEST(KombiLayout, ThreeLineGroupsWithTheirPens)
{
    const Forms::PageDrawing& page = Kombi().pages.at(0);
    const auto groups = FormTables::LineGroups(page.lines);
    ASSERT_EQ(groups.size(), kLineGroupCount);
    EXPECT_EQ(groups[0].size(), 112);
    EXPECT_EQ(groups[1].size(), 12);
    EXPECT_EQ(groups[2].size(), 6);
    ASSERT_EQ(page.lineStyles.size(), 3);
    const struct
    {
        int width;
        quint32 rgb;
    } pens[] = {{2, 0x000000}, {6, 0x000000}, {2, 0x808080}};
    for (int g = 0; g < 3; ++g) {
        EXPECT_EQ(page.lineStyles[g].penWidth, pens[g].width) << g;
        EXPECT_EQ(page.lineStyles[g].rgb, pens[g].rgb) << g;
        EXPECT_EQ(page.lineStyles[g].filledRects, 0) << g;
        EXPECT_TRUE(page.lineStyles[g].drawn) << g;
    }
    EXPECT_TRUE(Has(groups[0], {100, -50, 2000, -50}));
    EXPECT_TRUE(Has(groups[0], {100, -50, 100, -2795}));
    EXPECT_TRUE(Has(groups[1], {1310, -1700, 2000, -1700}));
    EXPECT_TRUE(Has(groups[1], {100, -1990, 2000, -1990}));
    EXPECT_TRUE(Has(groups[2], {150, -1780, 460, -1780}));
}

// ---------------------------------------------------------------------------
// Captions

QStringList Texts(const QVector<CFormPainter::PlacedCaption>& captions,
                  const Forms::CaptionFont& font)
{
    QStringList texts;
    for (const CFormPainter::PlacedCaption& c : captions)
        if (c.font == font)
            texts << c.text;
    return texts;
}

QStringList Utf8List(std::initializer_list<const char*> texts)
{
    QStringList list;
    for (const char* t : texts)
        list << QString::fromUtf8(t);
    return list;
}

// Every caption of the form in its font and in table order; the small group
// ends with the edition line.
TEST(KombiLayout, CaptionsComeInTheirFontsAndInTableOrder)
{
    const auto captions = CFormPainter(Kombi(), 10).Captions(1, 0);
    // clang-format off
    EXPECT_EQ(Texts(captions, {40, 700}), Utf8List({
        "FRACHTBRIEF", "national* / international*", "Nr.", "A", "B", "C", "D", "E", "F", "G",
        "H", "I", "K", "L", "M", "O", "P", "Q", "R", "T", "SN", "1", "2", "3", "4", "5"}));
    EXPECT_EQ(Texts(captions, {37, 400}), Utf8List({
        "für den gewerblichen", "Güterfernverkehr", "Versandort", "Bestimmungsort",
        "Erklärungen, Vereinbarungen", "Weitere", "Beladestellen", "Weitere", "Entladestellen",
        "KFZ-Wechsel", "in", "Bezeichnung der Sendung", "Frachtberechnung im Binnenverkehr",
        "Beförderung vereinbart nach Abschnitt 1.5.1 des ADR (M 121)",
        "Güterkraftverkehr innerdeutsch"}));
    QStringList small = Utf8List({
        "Absender (Name, Anschrift, Land)", "Expéditeur (nom, adresse, pays)",
        "Empfänger (Name, Anschrift, Land)", "Destinataire (nom, adresse, pays)",
        "Anweisungen des Absenders (Zoll- und sonstige amtliche Behandlung)",
        "Instructions de l'expéditeur (formalités douaniéres et autres)", "Ort / Lieu",
        "Beladestelle", "Gemeinde-", " bereich", "Land / Pays", "Ort / Lieu", "Entladestelle",
        "Gemeinde-", " bereich", "Land / Pays", "Kennzeichen/Nr.", "Marques et numéros",
        "Anzahl der Packstücke", "Nombre dés colis", "Art der Verpackung", "Mode d`emballage",
        "Bezeichnung des Gutes", "Nature de la marchandise", "Bruttogewicht kg", "Pois brut. kg",
        "Umfang in m³", "Cubage m³", "*nichtzutreffendes streichen!",
        "Ordnungs-Nr. der Genehmigung", "Amtliches Kennzeichen LKW", "Nutzlast", "Anhänger",
        "Nutzlast", "Fahrzeug-", "führer", "Begleiter", "Entfer-", "nung km",
        "Beladung Fahrzeug bereitgestellt", "Tag", "Stunde", "Beladung beendet", "Tag", "Stunde",
        "Entladung Fahrzeug bereitgestellt", "Tag", "Stunde", "Entladung beendet", "Tag",
        "Stunde", "Statistiknummer", "No. statistique", "1", "2", "3", "4", "5",
        "Sondervorschriften", "Prescriptions particulières", "Frachtzahlungsanweisungen",
        "Prescription d´affranchissement", "Freivermerk", "Nachnahme", "Ausgefertigt in",
        "Etablie à", "Empfang der Sendung bescheinigt", "Réception des marchandises",
        "Gut und Frachtbrief übernommen", ",den", ",den", "Tag", "Stunde",
        "Unterschrift und Stempel des Absenders", "(Signature et timbre de l`expéditeur)",
        "Unterschrift und Stempel des Empfängers", "(Signature et timbre de destinataire)",
        "Unterschrift und Stempel des Frachtführers", "(Signature et timbre de transporteur)",
        "frachtpfl. Gew. kg", "Bezeichnung", "vereinbarte Fracht", "Betrag",
        "zusätzliche Vereinbarungen", "Betrag", "Summe", "Zwischensumme", "Nebenleistungen",
        "Nettobtrag", "+        % Umsatzsteuer", "Beförderungsentgelt", "Gesamtsumme",
        "Paletten-Absender - Expéditeur des palettes",
        "Paletten-Empfänger - Destinataire des palettes", "Art", "Anzahl", "Kein", "Tausch",
        "Tausch", "Art", "Anzahl", "Kein", "Tausch", "Tausch", "Euro-Palette",
        "Gitterbox-Palette", "Einfach-Palette", "Euro-Palette", "Gitterbox-Palette",
        "Einfach-Palette", "Bestätigung des Empfängers/Datum/Unterschrift",
        "Bestätigung des Fahrers/Datum/Unterschrift", "Für die Beförderung gelten",
        "die Bestimmungen", "des HGB §§ 407 ff (ohne allge-", "meine Geschäftsbedingungen)",
        "Für die Beförderung", "gelten die Bestimmungen", "des VBGL / AGL", "Für die Beförderung",
        "gelten die Bestimmungen", "der ADSp", "Bez.", "s.H.", "Nom", "voit H",
        "Gefahrzettelmuster-Nr.", "Numéro d'etiquette", "UN-Nummer", "Numéro UN", "UN",
        "Verp.-Gruppe", "Groupe d'emballage"});
    // clang-format on
    small << QString::fromUtf8("01.2007 - Wilhelm K\u00f6hler Verlag");
    EXPECT_EQ(Texts(captions, {34, 400}), small);
    EXPECT_EQ(captions.size(), 26 + 15 + 133 + 1);
}

// Two French captions write the apostrophe as a grave accent, as the printed
// form does; they must not be "corrected".
TEST(KombiLayout, TwoFrenchCaptionsKeepTheGraveAccent)
{
    const QStringList texts = Texts(CFormPainter(Kombi(), 10).Captions(1, 0), kSmallFont);
    EXPECT_TRUE(texts.contains(QStringLiteral("Mode d\u0060emballage")));
    EXPECT_TRUE(texts.contains(QStringLiteral("(Signature et timbre de l\u0060exp\u00e9diteur)")));
}

TEST(KombiLayout, EditionLineNamesTheKnownPublishers)
{
    const CFormPainter painter(Kombi(), 10);
    const struct
    {
        int publisher;
        const char* text;
    } cases[] = {{0, "01.2007 - Wilhelm K\u00f6hler Verlag"},
                 {1, "01.2007 - Formularverlag Henkel"},
                 {2, "01.2007 - LION GmbH"},
                 {3, "01.2007 - Verkehrs Verlag Fischer"},
                 {4, "01.2007"},
                 {-1, "01.2007"}};
    for (const auto& c : cases) {
        const CFormPainter::PlacedCaption edition = painter.Captions(1, c.publisher).last();
        EXPECT_EQ(edition.text, QString::fromUtf8(c.text)) << c.publisher;
        EXPECT_EQ(edition.at, QPoint(100, 2970));
        EXPECT_EQ(edition.font, kSmallFont);
    }
}

// ---------------------------------------------------------------------------
// Marks, keys, moves, the terms word

using Marks = QVector<Forms::MarkPolyline>;

TEST(KombiLayout, RegistrationMarksOfBothSheets)
{
    const Forms::MarkPolyline corner{{100, 80}, {100, 50}, {130, 50}};
    const Forms::MarkPolyline low{{100, 2620}, {100, 2650}};
    const Forms::MarkPolyline middle{{100, 2130}, {100, 2100}};
    EXPECT_EQ(Kombi().GroupOf(0).marks,
              (Marks{corner, low, {{100, 335}, {100, 355}}, {{100, 345}, {120, 345}}, middle}));
    EXPECT_EQ(Kombi().GroupOf(1).marks,
              (Marks{corner, low, {{100, 315}, {100, 335}}, {{100, 325}, {120, 325}}, middle}));
}

TEST(KombiLayout, KeysAddressBoxesAndWindowIds)
{
    EXPECT_EQ(Kombi().Section(), QStringLiteral("KombiFrachtbrief"));
    ASSERT_EQ(Kombi().margins.size(), 1);
    EXPECT_STREQ(Kombi().margins[0].left.key, "LeftMargin");
    EXPECT_STREQ(Kombi().margins[0].top.key, "TopMargin");
    EXPECT_EQ(Kombi().addressBoxes, (QVector<int>{0, 1, 5}));
    EXPECT_EQ(Kombi().contextMenuId, 119);
    EXPECT_EQ(Kombi().checkGuardBox, -1);
    EXPECT_FALSE(Kombi().homeScrollsToTop);
}

TEST(KombiLayout, ArrowKeysMoveBetweenTheRowsOfTheTables)
{
    const struct
    {
        bool down;
        int from, to; // -1: no move
    } cases[] = {
        {true, 18, 21},    {true, 20, 23},   {true, 29, 32},   {true, 30, -1},
        {false, 23, 20},   {false, 20, -1},  {true, 77, 85},   {true, 86, -1},
        {false, 93, 85},   {true, 92, 94},   {true, 93, 95},   {false, 95, 93},
        {true, 96, 99},    {true, 101, 104}, {true, 102, -1},  {true, 104, 106},
        {false, 96, -1},   {false, 97, 94},  {true, 106, 109}, {false, 106, 104},
        {true, 107, -1},   {false, 107, -1}, {true, 109, 111}, {false, 109, 106},
        {false, 111, 109}, {true, 112, 115}, {true, 118, 122}, {false, 122, 118},
        {true, 121, -1},   {false, 121, -1}, {true, 133, 137}, {false, 137, 133},
        {true, 134, -1},   {true, 137, -1},  {true, 0, -1},    {false, 44, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Kombi().ArrowTarget(c.down, c.from), c.to)
            << (c.down ? "down from " : "up from ") << c.from;
}

// The terms word selects one of the four check boxes; any other value a damaged
// file may bring crosses none of them (and nothing after them).
TEST(KombiLayout, TermsWordCrossesOneCheckBoxOrNone)
{
    CFieldStore store;
    const struct
    {
        quint16 word;
        int crossed;
    } cases[] = {{0, -1}, {1, 0}, {2, 1}, {3, 2}, {4, 3}, {5, -1}, {0xFFFF, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(Kombi().CrossedCheckBox(c.word, store), c.crossed) << c.word;
}

} // namespace
