// The forms' records against what the paper and the settings fix: captions
// (point, group, text) at telling places of the drawing order and the count of
// each page's captions, boxes whose alignment or name the form fixes, and the
// boxes a new note fills by itself. Each form's telling rows of the box and
// print tables are tested with the form; what every table keeps is tested in
// formlayouts_test.cpp.
#include "core/forms/cmrlayout.h"
#include "core/forms/formdescription.h"
#include "core/forms/forwardinglayout.h"
#include "core/forms/kombilayout.h"
#include "core/forms/nationallayout.h"
#include "formtablestest.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <QSet>

#include <ostream>

namespace {

using Forms::BoxFill;
using Forms::FormDescription;

// A caption at place `index` of a page's drawing order; a null text: the
// caption has no text of its own (the edition line, a hook's).
struct TellingCaption
{
    int page;
    int index;
    qint32 x, y;
    int group;
    const char* text;
};

// A box whose alignment the form fixes, and its name where the captions do
// not tell it (null: named by the captions).
struct TellingBox
{
    int index;
    quint8 align;
    const char* name;
};

struct DefaultTextRole
{
    int box;
    const char* key;
};

struct FillRole
{
    int box;
    BoxFill fill;
};

struct Telling
{
    const char* what;
    const FormDescription& (*form)();
    QVector<int> captionCounts; // per page
    QVector<TellingCaption> captions;
    QVector<TellingBox> boxes;
    QVector<DefaultTextRole> defaultTexts;
    QVector<FillRole> fills;
};

void PrintTo(const Telling& telling, std::ostream* os)
{
    *os << telling.what;
}

const FormDescription& National2009()
{
    return NationalLayout::Description(NationalEdition::Edition2009);
}

const FormDescription& National2007()
{
    return NationalLayout::Description(NationalEdition::Edition2007);
}

using Cmr = CmrLayout::Page1CaptionGroup;
using National = NationalLayout::CaptionGroup;
using Kombi = KombiLayout::CaptionGroup;
using Forwarding = ForwardingLayout::CaptionGroupId;
using Forms::kCentred;
using Forms::kLeft;
using Forms::kRight;

// clang-format off
const Telling kTelling[] = {
    {"CMR", &CmrLayout::Description, {27 + 84 + 9 + 1, 5},
     {{1, 0, 104, -135, int(Cmr::BoxNumbers), "1 "},
      {1, 26, 104, -2095, int(Cmr::BoxNumbers), "27 "},
      {1, 27, 1024, -170, int(Cmr::Captions), "INTERNATIONALER"},
      {1, 30, 1024, -320, int(Cmr::Captions), "INTERNATIONAL"},
      {1, 31, 104, -135, int(Cmr::Captions), "Absender (Name, Anschrift, Land)"},
      {1, 41, 104, -1155, int(Cmr::Captions), "Kennzeichen"},
      {1, 85, 70, -2840, int(Cmr::Captions), "Benutzte Gen.-Nr."},
      {1, 86, 1075, -2850, int(Cmr::Captions), "National"},
      {1, 89, 1740, -2850, int(Cmr::Captions), "CEMT"},
      {1, 111, 70, -1590, int(Cmr::DangerousGoods), "UN-Nummer"},
      {1, 120, 10, -2950, int(Cmr::FormVersion), nullptr},
      {2, 0, 70, -180, 0, "Sonstige Vereinbarungen / Conventions particullères / Speciale "
                          "overeenkomsten / Convenzioni particolari / Special agreements / "
                          "Saerlige aftaler"},
      {2, 1, 70, -1270, 0, "NEDERLANDS TEKST"},
      {2, 2, 570, -1270, 0, "TRADUZIONE ITALIANA"},
      {2, 3, 1070, -1270, 0, "ENGLISH TRANSLATION"},
      {2, 4, 1560, -1270, 0, "DANSK OVERSAETTELSE"}},
     {{0, kLeft, nullptr},
      {76, kRight, "20 Fracht, Absender"},
      {117, kLeft, "20 Gesamtsumme, Empfänger, Cent"},
      {120, kLeft, "15 Rückerstattung"},
      {123, kLeft, "21 Ausgefertigt am"},
      {140, kRight, "25 Tarifentfernung, Abschnitt 5: km"},
      {159, kLeft, "Paletten-Absender: Bestätigung des Fahrers"},
      {171, kCentred, "Paletten-Empfänger: andere Art, kein Tausch"},
      {175, kLeft, "Feld neben dem Titel"}},
     {{0, "Feld1"}, {5, "Feld16"}, {124, "Feld22"}, {125, "Feld23"}},
     {{122, BoxFill::Place}, {123, BoxFill::Date}}},
    {"national 2009", &National2009, {17 + 45 + 16 + 85 + 2 + 6 + 1},
     {{1, 0, 1550, -100, int(National::Letters), "FRACHTBRIEF"},
      {1, 17, 65, -100, int(National::LineNumbers), "1"},
      {1, 61, 65, -2894, int(National::LineNumbers), "45"},
      {1, 62, 150, -2048, int(National::Headings), "Frachtberechnung"},
      {1, 78, 120, -594, int(National::Captions), "Meldeadresse"},
      {1, 163, 413, -1567, int(National::Only2007), "Gefahrenzettelmuster-Nr."},
      {1, 170, 767, -1569, int(National::Only2009), "ungscode"},
      {1, 171, 10, -2950, int(National::EditionLine), nullptr}},
     {{0, kLeft, nullptr}, {23, kRight, nullptr}, {44, kLeft, nullptr}, {88, kRight, nullptr},
      {96, kLeft, nullptr}, {100, kCentred, nullptr}, {126, kCentred, nullptr}},
     {{0, "FeldA"}, {2, "FeldB1"}, {3, "FeldB2"}, {4, "FeldB3"}},
     {{48, BoxFill::PlaceAndDate}}},
    {"national 2007", &National2007, {17 + 45 + 16 + 85 + 2 + 6 + 1},
     {{1, 163, 413, -1567, int(National::Only2007), "Gefahrenzettelmuster-Nr."},
      {1, 171, 10, -2950, int(National::EditionLine), nullptr}},
     {{23, kRight, nullptr}, {87, kRight, nullptr}, {95, kLeft, nullptr},
      {99, kCentred, nullptr}, {125, kCentred, nullptr}},
     {{0, "FeldA"}, {2, "FeldB1"}, {3, "FeldB2"}, {4, "FeldB3"}},
     {{47, BoxFill::PlaceAndDate}}},
    {"Kombi", &KombiLayout::Description, {26 + 15 + 133 + 1},
     {{1, 0, 990, -105, int(Kombi::Bold), "FRACHTBRIEF"},
      {1, 3, 108, -85, int(Kombi::Bold), "A"},
      {1, 26, 1540, -100, int(Kombi::Normal), "für den gewerblichen"},
      {1, 41, 140, -76, int(Kombi::Small), "Absender (Name, Anschrift, Land)"},
      {1, 174, 100, -2970, int(Kombi::EditionLine), nullptr}},
     {{0, kLeft, nullptr}, {18, kLeft, nullptr}, {19, kRight, nullptr}, {20, kRight, nullptr},
      {55, kRight, nullptr}, {113, kCentred, nullptr}, {121, kLeft, nullptr}},
     {{0, "FeldA"}, {2, "Feld2A"}, {3, "Feld2B"}, {4, "Feld2C"}, {5, "Feld2D"}},
     {{44, BoxFill::PlaceIfGiven}, {45, BoxFill::Date}}},
    {"forwarding order", &ForwardingLayout::Description, {1 + 74 + 1 + 2},
     {{1, 0, 1090, -280, int(Forwarding::Title), "SPEDITIONSAUFTRAG"},
      {1, 1, 160, -85, int(Forwarding::Captions), "1) Versender/Lieferant"},
      {1, 75, 140, -2850, int(Forwarding::VdaNote),
       "Vordruck entspricht VDA-Empfehlung 4922 Vers. 3, Ausgabe September 2004 nach DIN 5018"},
      {1, 76, 50, -2900, int(Forwarding::Footer), nullptr},
      {1, 77, 130, -2900, int(Forwarding::Footer), nullptr}},
     {{2, kLeft, nullptr}, {7, kCentred, nullptr}, {9, kCentred, nullptr},
      {22, kRight, nullptr}, {75, kRight, nullptr}, {80, kRight, nullptr},
      {104, kRight, nullptr}},
     {{2, "Feld1"}},
     {}},
};
// clang-format on

class FormRecords : public testing::TestWithParam<Telling>
{
};

TEST_P(FormRecords, CaptionsHaveTheirPointsGroupsAndTexts)
{
    const Telling& telling = GetParam();
    const FormDescription& form = telling.form();
    ASSERT_EQ(form.pages.size(), telling.captionCounts.size());
    for (int page = 0; page < form.pages.size(); ++page)
        EXPECT_EQ(form.pages[page].captionCount, telling.captionCounts[page])
            << "page " << page + 1;
    for (const TellingCaption& expected : telling.captions) {
        SCOPED_TRACE(testing::Message()
                     << "page " << expected.page << " caption " << expected.index);
        const FormTables::CaptionRecord& record =
            form.pages[expected.page - 1].captions[expected.index];
        EXPECT_EQ(record.x, expected.x);
        EXPECT_EQ(record.y, expected.y);
        EXPECT_EQ(record.group, expected.group);
        if (expected.text) {
            EXPECT_STREQ(record.text, expected.text);
        } else {
            EXPECT_EQ(record.text, nullptr);
        }
    }
}

TEST_P(FormRecords, BoxesHaveTheirAlignmentsAndNames)
{
    const Telling& telling = GetParam();
    const FormDescription& form = telling.form();
    for (const TellingBox& expected : telling.boxes) {
        const Forms::BoxRecord& box = form.Box(expected.index);
        EXPECT_EQ(box.align, expected.align) << "box " << expected.index;
        EXPECT_EQ(form.InitialFormat(expected.index, 1), form.fontSizeStep | expected.align << 8)
            << "box " << expected.index;
        if (expected.name) {
            EXPECT_STREQ(box.name, expected.name) << "box " << expected.index;
        } else {
            EXPECT_EQ(box.name, nullptr) << "box " << expected.index;
        }
    }
}

// Every role the records give, and no other.
TEST_P(FormRecords, NewNotesFillTheirBoxes)
{
    const Telling& telling = GetParam();
    const FormDescription& form = telling.form();
    QVector<QPair<int, QByteArray>> texts, expectedTexts;
    QVector<QPair<int, BoxFill>> fills, expectedFills;
    for (int i = 0; i < form.boxCount; ++i) {
        if (form.Box(i).defaultText)
            texts.append({i, form.Box(i).defaultText->key});
        if (form.Box(i).fill != BoxFill::None)
            fills.append({i, form.Box(i).fill});
    }
    for (const DefaultTextRole& role : telling.defaultTexts)
        expectedTexts.append({role.box, role.key});
    for (const FillRole& role : telling.fills)
        expectedFills.append({role.box, role.fill});
    EXPECT_EQ(texts, expectedTexts);
    EXPECT_EQ(fills, expectedFills);
}

INSTANTIATE_TEST_SUITE_P(Forms, FormRecords, testing::ValuesIn(kTelling),
                         [](const testing::TestParamInfo<Telling>& info) {
                             return TestCaseName(info.param.what);
                         });

// A publisher's sheet from the screen's table: runs of boxes moved, the first
// row naming a box moving it; a few boxes of their own, the last override of a
// box winning; rows and overrides beyond the table left out.
TEST(SheetTable, MovesRowsAndTakesTheBoxesOfItsOwn)
{
    using FormTables::BoxRect;
    const QVector<BoxRect> screen{
        {0, 0, 10, 10}, {20, 0, 30, 10}, {40, 0, 50, 10}, {60, 0, 70, 10}};
    const QVector<BoxRect> sheet = FormTables::SheetTable(
        screen, {{1, 2, 5, -3}, {2, 2, 100, 100}, {3, 9, 0, 7}},
        {{0, {1, 2, 3, 4}}, {0, {5, 6, 7, 8}}, {4, {9, 9, 9, 9}}, {-1, {9, 9, 9, 9}}});
    const QVector<BoxRect> expected{
        {5, 6, 7, 8}, {25, -3, 35, 7}, {45, -3, 55, 7}, {60, 7, 70, 17}};
    EXPECT_EQ(sheet, expected);
    EXPECT_EQ(FormTables::SheetTable(screen, {}), screen);
}

// The CMR note's alignments are fixed box by box: these centred, these right,
// every other page-1 box left.
TEST(CmrRecords, EveryBoxHasItsAlignment)
{
    const QSet<int> centred{73,  147, 148, 150, 151, 153, 154, 157, 158,
                            161, 162, 164, 165, 167, 168, 171, 172};
    const QSet<int> right{12,  13,  14,  19,  20,  21,  26,  27,  28,  33,  34,  35,  40,
                          41,  42,  47,  48,  49,  54,  55,  56,  61,  62,  63,  69,  70,
                          71,  76,  79,  80,  82,  85,  86,  88,  91,  92,  94,  97,  98,
                          100, 103, 104, 106, 109, 110, 112, 115, 116, 128, 131, 134, 137,
                          140, 144, 145, 146, 149, 152, 156, 160, 163, 166, 170};
    const FormDescription& cmr = CmrLayout::Description();
    for (int i = 0; i < cmr.boxCount; ++i)
        EXPECT_EQ(cmr.Box(i).align, centred.contains(i) ? kCentred
                                    : right.contains(i) ? kRight
                                                        : kLeft)
            << "box " << i;
}

} // namespace
