// The national note's tables in both editions: the telling rows exact, the
// 2007 edition made from the 2009 one, lines and captions by group and edition,
// and the arrow-key moves. What every form keeps (boxes apart, captions clear)
// is tested for all forms in formlayouts_test.cpp.
#include "core/forms/nationallayout.h"
#include "formtablestest.h"
#include "guienvironment.h"
#include "render/views/formpainter.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <QStringList>

TVM_GUI_TEST_ENVIRONMENT();

namespace {

using namespace NationalLayout;
using Edition = NationalEdition;
using FormTables::Segment;

const Forms::FormDescription& Form(Edition edition)
{
    return Description(edition);
}

// ---------------------------------------------------------------------------
// Boxes and print rectangles

TEST(NationalLayoutBoxes, EditionsHaveTheirBoxCountsAndCheckBoxes)
{
    EXPECT_EQ(Form(Edition::Edition2009).boxCount, 127);
    EXPECT_EQ(Form(Edition::Edition2007).boxCount, 126);
    for (Edition edition : {Edition::Edition2009, Edition::Edition2007}) {
        const Forms::FormDescription& form = Form(edition);
        EXPECT_EQ(form.checkBoxCount, 2);
        EXPECT_EQ(form.checkGuardBox, -1); // the question always takes a click
        EXPECT_EQ(form.pageCount, 1);
        EXPECT_EQ(form.sheetWidth, 2050);
        EXPECT_EQ(form.sheetHeight, 2980);
        EXPECT_EQ(form.contextMenuId, 119);
        EXPECT_EQ(form.addressBoxes, QVector<int>({0, 5}));
        ASSERT_EQ(form.margins.size(), 1);
        EXPECT_STREQ(form.margins[0].left.key, "LeftMargin");
        EXPECT_STREQ(form.margins[0].top.key, "TopMargin");
    }
}

// A telling row of one edition's screen table or of a publisher's print table.
struct NationalRow
{
    const char* what;
    Edition edition;
    int publisher; // -1: the screen
    int index;
    FormTables::BoxRect expected;
};

void PrintTo(const NationalRow& row, std::ostream* os)
{
    *os << row.what;
}

class NationalTellingRows : public testing::TestWithParam<NationalRow>
{
};

TEST_P(NationalTellingRows, MatchExactly)
{
    const NationalRow& row = GetParam();
    const Forms::FormDescription& form = Form(row.edition);
    const FormTables::BoxRect actual = row.publisher < 0
                                           ? form.BoxEntry(row.index, 1)
                                           : form.PrintEntry(row.index, 1, row.publisher, false);
    EXPECT_EQ(actual, row.expected);
}

// Publishers 0 and 1 print on sheet K, every other publisher on sheet L; the
// 2007 edition has the same rows one index lower after the dangerous goods.
constexpr Edition k2009 = Edition::Edition2009;
constexpr Edition k2007 = Edition::Edition2007;
INSTANTIATE_TEST_SUITE_P(
    Rows, NationalTellingRows,
    testing::Values(NationalRow{"sender", k2009, -1, 0, {120, 113, 900, 300}},
                    NationalRow{"note number", k2009, -1, 1, {1660, 187, 1930, 239}},
                    NationalRow{"place and date of issue", k2009, -1, 48, {120, 1760, 680, 1950}},
                    NationalRow{"ja", k2009, -1, 127, {635, 1008, 685, 1058}},
                    NationalRow{"nein", k2009, -1, 128, {735, 1008, 785, 1058}},
                    NationalRow{"follow-on box", k2009, -1, 129, {100, 250, 1870, 1100}},
                    NationalRow{"K sender", k2009, 0, 0, {120, 103, 900, 290}},
                    NationalRow{"K note number", k2009, 1, 1, {1660, 207, 1930, 259}},
                    NationalRow{"K place and date", k2009, 1, 48, {120, 1850, 680, 2040}},
                    NationalRow{"K ja", k2009, 1, 127, {630, 1145, 680, 1195}},
                    NationalRow{"K nein", k2009, 0, 128, {735, 1145, 785, 1195}},
                    NationalRow{"L sender", k2009, 2, 0, {120, 113, 900, 300}},
                    NationalRow{"L note number", k2009, 3, 1, {1660, 187, 1930, 239}},
                    NationalRow{"L place and date", k2009, 3, 48, {120, 1760, 680, 1950}},
                    NationalRow{"L ja", k2009, 3, 127, {630, 1020, 670, 1060}},
                    NationalRow{
                        "L nein of an unknown publisher", k2009, 9, 128, {730, 1020, 770, 1060}},
                    NationalRow{"2007 place and date", k2007, -1, 47, {120, 1760, 680, 1950}},
                    NationalRow{"2007 ja", k2007, -1, 126, {635, 1008, 685, 1058}},
                    NationalRow{"2007 nein", k2007, -1, 127, {735, 1008, 785, 1058}},
                    NationalRow{"2007 follow-on box", k2007, -1, 128, {100, 250, 1870, 1100}},
                    NationalRow{"2007 K place and date", k2007, 0, 47, {120, 1850, 680, 2040}},
                    NationalRow{"2007 K ja", k2007, 1, 126, {630, 1145, 680, 1195}},
                    NationalRow{"2007 L ja", k2007, 2, 126, {630, 1020, 670, 1060}},
                    NationalRow{"2007 L nein", k2007, 3, 127, {730, 1020, 770, 1060}}),
    [](const testing::TestParamInfo<NationalRow>& info) { return TestCaseName(info.param.what); });

// Every screen and print table of the 2007 edition is the 2009 one without the
// tunnel restriction code, with a wider label model number and packing group.
TEST(NationalLayoutBoxes, The2007TablesAreThe2009OnesWithoutTheTunnelCode)
{
    const Forms::FormDescription& e2009 = Form(k2009);
    const Forms::FormDescription& e2007 = Form(k2007);
    for (int publisher : {-1, 0, 3}) {
        SCOPED_TRACE(publisher);
        const auto entry = [publisher](const Forms::FormDescription& form, int i) {
            return publisher < 0 ? form.BoxEntry(i, 1) : form.PrintEntry(i, 1, publisher, false);
        };
        for (int i = 0; i < e2007.boxCount + e2007.checkBoxCount; ++i) {
            if (i == kLabelModelBox || i == kPackingGroupBox)
                continue;
            EXPECT_EQ(entry(e2007, i), entry(e2009, i < kTunnelCodeBox ? i : i + 1)) << i;
        }
        for (int i : {kLabelModelBox, kPackingGroupBox}) {
            const FormTables::BoxRect wide = entry(e2007, i);
            const FormTables::BoxRect narrow = entry(e2009, i);
            EXPECT_EQ(wide.top, narrow.top) << i;
            EXPECT_GT(wide.right - wide.left, narrow.right - narrow.left) << i;
        }
        // The wider boxes take the room of the three: up to the 2009 code's right edge.
        EXPECT_EQ(entry(e2007, kPackingGroupBox).right, entry(e2009, kTunnelCodeBox).right);
    }
}

// Sheet K shifts the rows by region; no two boxes may come to lie on each other.
TEST(NationalLayoutBoxes, PrintTablesKeepTheBoxesApart)
{
    for (Edition edition : {k2009, k2007}) {
        const Forms::FormDescription& form = Form(edition);
        const int entries = form.boxCount + form.checkBoxCount;
        for (int publisher : {0, 3}) {
            for (int i = 0; i < entries; ++i) {
                const FormTables::BoxRect a = form.PrintEntry(i, 1, publisher, false);
                for (int j = i + 1; j < entries; ++j) {
                    const FormTables::BoxRect b = form.PrintEntry(j, 1, publisher, false);
                    EXPECT_FALSE(a.left < b.right && b.left < a.right && a.top < b.bottom &&
                                 b.top < a.bottom)
                        << "publisher " << publisher << ": boxes " << i << " and " << j;
                }
            }
        }
    }
}

TEST(NationalLayoutBoxes, IndicesBeyondTheTablesFallBackToBox0)
{
    for (Edition edition : {k2009, k2007}) {
        const Forms::FormDescription& form = Form(edition);
        const int entries = form.boxCount + form.checkBoxCount;
        EXPECT_EQ(form.BoxEntry(entries + 1, 1), form.BoxEntry(0, 1));
        EXPECT_EQ(form.BoxEntry(-1, 1), form.BoxEntry(0, 1));
        EXPECT_EQ(form.BoxEntry(0, 2), form.FollowBox());
        for (int publisher : {0, 3}) {
            EXPECT_EQ(form.PrintEntry(entries, 1, publisher, false),
                      form.PrintEntry(0, 1, publisher, false));
            // The follow-on box lies alike on every sheet.
            EXPECT_EQ(form.PrintEntry(0, 2, publisher, false), form.FollowBox());
        }
    }
}

// ---------------------------------------------------------------------------
// Lines

TEST(NationalLayoutLines, GroupsHaveTheirSizesPensAndTellingSegments)
{
    const auto groups = FormTables::LineGroups(kLines);
    ASSERT_EQ(groups.size(), kLineGroupCount);
    const int sizes[] = {30, 12, 1, 2, 104};
    const int pens[] = {2, 6, 1, 1, 1};
    for (int g = 0; g < kLineGroupCount; ++g) {
        EXPECT_EQ(groups[g].size(), sizes[g]) << g;
        EXPECT_EQ(PenWidth(LineGroup(g)), pens[g]) << g;
    }
    const auto has = [&groups](LineGroup group, const Segment& s) {
        return groups[int(group)].contains(s);
    };
    EXPECT_TRUE(has(LineGroup::MainDivision, {20, -50, 80, -50}));
    EXPECT_TRUE(has(LineGroup::MainDivision, {100, -50, 1535, -50}));
    EXPECT_TRUE(has(LineGroup::Heavy, {1535, -50, 1950, -50}));
    EXPECT_TRUE(has(LineGroup::Heavy, {1950, -50, 1950, -2906}));
    EXPECT_EQ(groups[int(LineGroup::Only2007)], QVector<Segment>({{810, -1510, 810, -1637}}));
    EXPECT_EQ(groups[int(LineGroup::Only2009)],
              QVector<Segment>({{620, -1510, 620, -1637}, {760, -1510, 760, -1637}}));

    // The 45 ticks of the left strip, one every 63.5 units from 11.3 mm down,
    // and the two 5 mm squares of the open-vehicle question.
    for (int i = 0; i < 45; ++i) {
        const qint32 y = -(113 + 127 * i / 2);
        EXPECT_TRUE(has(LineGroup::Fine, {20, y, 80, y})) << "tick " << i;
    }
    for (int x : {635, 735}) {
        EXPECT_TRUE(has(LineGroup::Fine, {x, -1008, x + 50, -1008})) << x;
        EXPECT_TRUE(has(LineGroup::Fine, {x + 50, -1008, x + 50, -1058})) << x;
        EXPECT_TRUE(has(LineGroup::Fine, {x + 50, -1058, x, -1058})) << x;
        EXPECT_TRUE(has(LineGroup::Fine, {x, -1058, x, -1008})) << x;
    }
}

TEST(NationalLayoutLines, EachEditionDrawsItsOwnDangerousGoodsColumns)
{
    for (Edition edition : {k2009, k2007}) {
        const QVector<Forms::LineStyle>& styles = Form(edition).pages[0].lineStyles;
        ASSERT_EQ(styles.size(), kLineGroupCount);
        EXPECT_TRUE(styles[int(LineGroup::MainDivision)].drawn);
        EXPECT_TRUE(styles[int(LineGroup::Heavy)].drawn);
        EXPECT_TRUE(styles[int(LineGroup::Fine)].drawn);
        EXPECT_EQ(styles[int(LineGroup::Only2007)].drawn, edition == k2007);
        EXPECT_EQ(styles[int(LineGroup::Only2009)].drawn, edition == k2009);
    }
}

// ---------------------------------------------------------------------------
// Captions

QStringList DrawnTexts(Edition edition, int publisher)
{
    const CFormPainter painter(Form(edition), 10);
    QStringList texts;
    for (const CFormPainter::PlacedCaption& c : painter.Captions(1, publisher))
        texts << c.text;
    return texts;
}

TEST(NationalLayoutCaptions, GroupsHoldTheFormsTexts)
{
    // The groups follow each other in drawing order.
    const int sizes[] = {17, 45, 16, 85, 2, 6, 1};
    int first[kCaptionGroupCount] = {};
    for (int g = 0, next = 0; g < kCaptionGroupCount; ++g) {
        first[g] = next;
        next += sizes[g];
    }
    ASSERT_EQ(kCaptionRecordCount, 17 + 45 + 16 + 85 + 2 + 6 + 1);
    for (int g = 0; g < kCaptionGroupCount; ++g)
        for (int i = first[g]; i < first[g] + sizes[g]; ++i)
            EXPECT_EQ(kCaptionRecords[i].group, g) << i;
    const auto text = [](int i) { return QString::fromUtf8(kCaptionRecords[i].text); };

    const int letters = first[int(CaptionGroup::Letters)];
    EXPECT_EQ(text(letters), QLatin1String("FRACHTBRIEF"));
    EXPECT_EQ(text(letters + 1), QLatin1String("NR."));
    QString groupLetters;
    for (int i = 2; i < 17; ++i)
        groupLetters += text(letters + i);
    EXPECT_EQ(groupLetters, QLatin1String("ABCDEFGHIKLMNOP"));

    // Line numbers 1 to 45, right-aligned at x 65, one every 63.5 units.
    const int numbers = first[int(CaptionGroup::LineNumbers)];
    for (int i = 0; i < 45; ++i) {
        const FormTables::CaptionRecord& p = kCaptionRecords[numbers + i];
        EXPECT_EQ(text(numbers + i), QString::number(i + 1));
        EXPECT_EQ(p.x, 65);
        EXPECT_EQ(p.y, -(100 + 127 * i / 2)) << i;
    }
    // The edition line takes the edition's text with the publisher.
    const FormTables::CaptionRecord& edition =
        kCaptionRecords[first[int(CaptionGroup::EditionLine)]];
    EXPECT_EQ(edition.x, 10);
    EXPECT_EQ(edition.y, -2950);
    EXPECT_EQ(edition.text, nullptr);
    EXPECT_EQ(Form(k2007).editionText, QLatin1String("01/2007"));
    EXPECT_EQ(Form(k2009).editionText, QLatin1String("07/2009"));

    const int headings = first[int(CaptionGroup::Headings)];
    EXPECT_EQ(text(headings), QLatin1String("Frachtberechnung"));
    EXPECT_EQ(text(headings + 15), QString::fromUtf8("Gut und Frachtbrief übernommen"));
    const int captions = first[int(CaptionGroup::Captions)];
    EXPECT_EQ(text(captions), QLatin1String("Meldeadresse"));
    EXPECT_EQ(text(captions + 15), QLatin1String("Brutogewicht kg/"));
    EXPECT_EQ(text(captions + 84), QLatin1String("s. oben"));
    EXPECT_EQ(text(first[int(CaptionGroup::Only2007)]), QLatin1String("Gefahrenzettelmuster-Nr."));
    EXPECT_EQ(text(first[int(CaptionGroup::Only2009)] + 5), QLatin1String("ungscode"));

    const Forms::PageDrawing& page = Form(k2009).pages[0];
    EXPECT_EQ(page.captions, kCaptionRecords);
    EXPECT_EQ(page.captionGroups[int(CaptionGroup::Letters)].font.weight, 700);
    EXPECT_EQ(page.captionGroups[int(CaptionGroup::LineNumbers)].anchor,
              Forms::Anchor::RightBottom);
    EXPECT_EQ(page.captionGroups[int(CaptionGroup::Captions)].anchor, Forms::Anchor::LeftBottom);
}

// Groups 5 and 6 are drawn in one edition each, so each edition draws its own
// headings and nothing after them shifts.
TEST(NationalLayoutCaptions, EachEditionDrawsItsOwnDangerousGoodsHeadings)
{
    const QStringList only2007 = {"Gefahrenzettelmuster-Nr.", "Verp.-Gruppe"};
    const QStringList only2009 = {"Gefahrenzettel-", "muster-Nr.",       "Verp.-",
                                  "Gruppe",          "Tunnelbeschränk-", "ungscode"};
    const QStringList drawn2009 = DrawnTexts(k2009, 0);
    const QStringList drawn2007 = DrawnTexts(k2007, 0);
    for (const QString& text : only2009) {
        EXPECT_TRUE(drawn2009.contains(text)) << text.toStdString();
        EXPECT_FALSE(drawn2007.contains(text)) << text.toStdString();
    }
    for (const QString& text : only2007) {
        EXPECT_TRUE(drawn2007.contains(text)) << text.toStdString();
        EXPECT_FALSE(drawn2009.contains(text)) << text.toStdString();
    }
    EXPECT_EQ(drawn2009.size(), drawn2007.size() + 4);
    EXPECT_EQ(drawn2009.mid(0, 163), drawn2007.mid(0, 163)); // groups 1 to 4
}

TEST(NationalLayoutCaptions, EditionLineNamesThePublisher)
{
    const struct
    {
        Edition edition;
        int publisher;
        const char* line;
    } cases[] = {
        {k2009, 0, "07/2009 - Wilhelm Köhler Verlag"},
        {k2009, 1, "07/2009 - Formularverlag Henkel"},
        {k2009, 9, "07/2009"},
        {k2007, 2, "01/2007 - LION GmbH"},
        {k2007, 3, "01/2007 - Verkehrs Verlag Fischer"},
        {k2007, -1, "01/2007"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DrawnTexts(c.edition, c.publisher).last(), QString::fromUtf8(c.line))
            << c.publisher;
}

// ---------------------------------------------------------------------------
// Arrow keys

struct MoveCase
{
    Edition edition;
    bool down;
    int from;
    int to; // -1: no move
};

TEST(NationalLayoutMoves, ArrowKeysJoinTheRowsOfTheTables)
{
    const MoveCase cases[] = {
        // goods rows
        {k2009, true, 20, 24},
        {k2009, true, 35, 39},
        {k2009, true, 36, -1},
        {k2009, false, 24, 20},
        {k2009, false, 39, 35},
        {k2009, false, 23, -1},
        // freight rows, sub-total and totals
        {k2009, true, 81, 87},
        {k2009, true, 82, -1},
        {k2009, true, 87, 88},
        {k2009, true, 88, 90},
        {k2009, true, 92, 94},
        {k2009, true, 93, -1},
        {k2009, true, 94, 95},
        {k2009, true, 95, 97},
        {k2009, true, 96, -1},
        {k2009, true, 97, 98},
        {k2009, true, 98, -1},
        {k2009, false, 76, 70},
        {k2009, false, 75, -1},
        {k2009, false, 88, 87},
        {k2009, false, 89, -1},
        {k2009, false, 90, 88},
        {k2009, false, 94, 92},
        {k2009, false, 95, 94},
        {k2009, false, 96, -1},
        {k2009, false, 97, 95},
        {k2009, false, 98, 97},
        // pallets
        {k2009, true, 99, 102},
        {k2009, true, 102, 106},
        {k2009, true, 105, 109},
        {k2009, true, 109, -1},
        {k2009, true, 116, 120},
        {k2009, false, 102, 99},
        {k2009, false, 105, -1},
        {k2009, false, 106, 102},
        {k2009, false, 126, 122},
        {k2009, false, 113, -1},
        // the 2007 edition: the same boxes, one index lower from 45 on
        {k2007, true, 35, 39},
        {k2007, true, 36, -1},
        {k2007, true, 86, 87},
        {k2007, false, 87, 86},
        {k2007, true, 98, 101},
        {k2007, false, 125, 121},
        {k2007, true, 44, -1},
        {k2007, false, 104, -1},
    };
    for (const MoveCase& c : cases)
        EXPECT_EQ(Form(c.edition).ArrowTarget(c.down, c.from), c.to)
            << (c.edition == k2009 ? 2009 : 2007) << (c.down ? " down from " : " up from ")
            << c.from;
}

} // namespace
