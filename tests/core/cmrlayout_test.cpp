#include "core/forms/cmrlayout.h"
#include "formtablestest.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <QStringList>

using namespace CmrLayout;

namespace {

bool Inside(const CmrRect& inner, const CmrRect& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

bool InteriorsOverlap(const CmrRect& a, const CmrRect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Table segments have y negative; rectangles y positive. Only horizontal and
// vertical lines exist on the form.
bool CrossesInterior(const Segment& s, const CmrRect& r)
{
    const int x1 = qMin(s.x1, s.x2), x2 = qMax(s.x1, s.x2);
    const int y1 = qMin(-s.y1, -s.y2), y2 = qMax(-s.y1, -s.y2);
    if (y1 == y2)
        return y1 > r.top && y1 < r.bottom && x1 < r.right && x2 > r.left;
    return x1 > r.left && x1 < r.right && y1 < r.bottom && y2 > r.top;
}

const CmrRect kFrame{kFrameLeft, kFrameTop, kFrameRight, kFrameBottom};
const CmrRect kSheet{0, 0, kSheetWidth, kSheetHeight};

} // namespace

// ---------------------------------------------------------------------------
// Box rectangles

TEST(CmrLayoutBoxes, EveryPage1BoxLiesInsideTheFrameAndNoTwoOverlap)
{
    for (int i = 0; i < kPage2Entry; ++i) {
        const CmrRect& a = kBoxRecords[i].rect;
        EXPECT_LT(a.left, a.right) << i;
        EXPECT_LT(a.top, a.bottom) << i;
        EXPECT_TRUE(Inside(a, kFrame)) << "box " << i << ' ' << a;
        for (int j = i + 1; j < kPage2Entry; ++j)
            EXPECT_FALSE(InteriorsOverlap(a, kBoxRecords[j].rect)) << "boxes " << i << " and " << j;
    }
    EXPECT_TRUE(Inside(kBoxRecords[kPage2Entry].rect, kSheet));
}

TEST(CmrLayoutBoxes, NoLineRunsThroughATypingArea)
{
    const auto groups = LineGroups(kLinesPage1);
    for (const auto& group : groups)
        for (const Segment& s : group)
            for (int i = 0; i < kBoxCount; ++i)
                EXPECT_FALSE(CrossesInterior(s, kBoxRecords[i].rect))
                    << "segment " << s.x1 << ',' << s.y1 << ' ' << s.x2 << ',' << s.y2
                    << " crosses box " << i;
}

TEST(CmrLayoutBoxes, PrintRectanglesLieOnTheSheet)
{
    for (int i = 0; i < kPrintTableSize; ++i) {
        for (const CmrRect& r :
             {GetPrintTableRect(i, 1, 0, false), GetPrintTableRect(i, 1, 1, false)}) {
            EXPECT_LT(r.left, r.right) << i;
            EXPECT_LT(r.top, r.bottom) << i;
            EXPECT_TRUE(Inside(r, kSheet)) << i << ' ' << r;
        }
    }
}

class CmrLayoutTellingRows : public testing::TestWithParam<TellingRow>
{
};

TEST_P(CmrLayoutTellingRows, MatchExactly)
{
    EXPECT_EQ(GetParam().Actual(Description()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CmrLayoutTellingRows,
    testing::Values(TellingRow{"sender", -1, 0, {70, 150, 950, 350}},
                    TellingRow{"carrier", -1, 5, {990, 405, 1870, 605}},
                    TellingRow{"goods row 1, box 6", -1, 8, {70, 1168, 360, 1208}},
                    TellingRow{"goods row 1, box 7", -1, 9, {370, 1168, 620, 1208}},
                    TellingRow{"goods row 1, box 8", -1, 10, {630, 1168, 850, 1208}},
                    TellingRow{"goods row 1, box 9", -1, 11, {860, 1168, 1180, 1208}},
                    TellingRow{"goods row 1, box 10", -1, 12, {1205, 1168, 1415, 1208}},
                    TellingRow{"goods row 1, box 11", -1, 13, {1430, 1168, 1645, 1208}},
                    TellingRow{"goods row 1, box 12", -1, 14, {1660, 1168, 1870, 1208}},
                    TellingRow{"goods row 9, box 6", -1, 64, {70, 1488, 360, 1528}},
                    TellingRow{"goods row 9, box 12", -1, 70, {1660, 1488, 1870, 1528}},
                    TellingRow{"permit number", -1, 174, {350, 2790, 1000, 2850}},
                    TellingRow{"beside the title", -1, 175, {1400, 150, 1850, 210}},
                    TellingRow{"checkbox National", -1, 176, {1010, 2800, 1060, 2855}},
                    TellingRow{"checkbox Bilateral", -1, 177, {1240, 2800, 1290, 2855}},
                    TellingRow{"checkbox EG", -1, 178, {1470, 2800, 1520, 2855}},
                    TellingRow{"checkbox CEMT", -1, 179, {1670, 2800, 1720, 2855}},
                    TellingRow{"back page", -1, 180, {100, 250, 1870, 1100}},
                    TellingRow{"print 0: sender", 0, 0, {70, 150, 950, 350}},
                    TellingRow{"print 1-3: sender", 1, 0, {70, 150, 950, 350}},
                    TellingRow{"print 0: goods", 0, 8, {70, 1158, 360, 1198}},
                    TellingRow{"print 1-3: goods", 1, 8, {70, 1168, 360, 1208}},
                    TellingRow{"print 0: permit no.", 0, 174, {350, 2780, 1000, 2840}},
                    TellingRow{"print 1-3: permit no.", 1, 174, {350, 2860, 1000, 2920}},
                    TellingRow{"print 0: checkbox", 0, 176, {1010, 2790, 1060, 2835}},
                    TellingRow{"print 1-3: checkbox", 1, 176, {1020, 2860, 1050, 2900}}),
    [](const testing::TestParamInfo<TellingRow>& info) { return TestCaseName(info.param.what); });

TEST(CmrLayoutBoxes, GoodsRowsFollowEachOther40Apart)
{
    for (int r = 1; r < kGoodsRowCount; ++r)
        for (int c = 0; c < kGoodsRowStride; ++c) {
            const CmrRect& above = kBoxRecords[kGoodsFirstBox + 7 * (r - 1) + c].rect;
            const CmrRect& box = kBoxRecords[kGoodsFirstBox + 7 * r + c].rect;
            EXPECT_EQ(box, (CmrRect{above.left, above.top + 40, above.right, above.bottom + 40}))
                << "row " << r << " column " << c;
        }
}

// ---------------------------------------------------------------------------
// Line and caption tables

TEST(CmrLayoutLines, Page1GroupsHaveTheirSizesAndTheFrameComesFirst)
{
    const auto groups = LineGroups(kLinesPage1);
    ASSERT_EQ(groups.size(), kPage1LineGroupCount);
    EXPECT_EQ(groups[0].size(), 4);
    EXPECT_EQ(groups[1].size(), 44);
    EXPECT_EQ(groups[2].size(), 13);
    EXPECT_EQ(groups[3].size(), 32);
    const Segment frame[] = {{50, -100, 1880, -100},
                             {50, -100, 50, -2855},
                             {50, -2855, 1880, -2855},
                             {1880, -100, 1880, -2855}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(groups[1][i].x1, frame[i].x1) << i;
        EXPECT_EQ(groups[1][i].y1, frame[i].y1) << i;
        EXPECT_EQ(groups[1][i].x2, frame[i].x2) << i;
        EXPECT_EQ(groups[1][i].y2, frame[i].y2) << i;
    }
    EXPECT_EQ(PenWidth(Page1LineGroup::DangerousGoods), 2);
    EXPECT_EQ(PenWidth(Page1LineGroup::MainDivision), 2);
    EXPECT_EQ(PenWidth(Page1LineGroup::Heavy), 6);
    EXPECT_EQ(PenWidth(Page1LineGroup::Fine), 1);
}

TEST(CmrLayoutLines, Page2StartsWithTheGreyColumnsAndHasNoSeparators)
{
    const auto groups = LineGroups(kLinesPage2);
    ASSERT_EQ(groups.size(), 1);
    const Segment fills[] = {{75, -1300, 405, -2780},
                             {575, -1300, 905, -2780},
                             {1075, -1300, 1405, -2780},
                             {1565, -1300, 1895, -2780}};
    ASSERT_GT(groups[0].size(), kPage2FilledRectCount);
    bool ruleFound = false;
    for (int i = 0; i < groups[0].size(); ++i) {
        const Segment& s = groups[0][i];
        if (i < kPage2FilledRectCount) {
            EXPECT_EQ(s.x1, fills[i].x1);
            EXPECT_EQ(s.y1, fills[i].y1);
            EXPECT_EQ(s.x2, fills[i].x2);
            EXPECT_EQ(s.y2, fills[i].y2);
        }
        ruleFound = ruleFound || (s.x1 == 70 && s.y1 == -1130 && s.x2 == 1880 && s.y2 == -1130);
    }
    EXPECT_TRUE(ruleFound);
}

// The captions of a page in drawing order.
QVector<CaptionRecord> Captions(int page)
{
    const Forms::PageDrawing& drawing = Description().pages.at(page - 1);
    return QVector<CaptionRecord>(drawing.captions, drawing.captions + drawing.captionCount);
}

TEST(CmrLayoutCaptions, Page1TextsComeInDrawingOrder)
{
    QStringList expected;
    for (int i = 1; i <= 27; ++i)
        expected << QStringLiteral("%1 ").arg(i);
    expected << QStringLiteral("INTERNATIONALER") << QStringLiteral("FRACHTBRIEF")
             << QStringLiteral("LETTRE DE VOITURE") << QStringLiteral("INTERNATIONAL");
    for (const char* text : {"Absender (Name, Anschrift, Land)",
                             "Empfänger (Name, Anschrift, Land)",
                             "Auslieferungsort des Gutes",
                             "Ort",
                             "Land",
                             "Ort und Tag der Übernahme des Gutes",
                             "Ort",
                             "Land",
                             "Datum",
                             "Beigefügte Dokumente",
                             "Kennzeichen",
                             "Anzahl",
                             "Art d. Verp.",
                             "Bezeichnung",
                             "Statistiknr.",
                             "Bruttogewicht",
                             "Umfang in m³",
                             "Anweisungen des Absenders",
                             "Rückerst.",
                             "Frachtzahlungsanweisungen",
                             "Frei",
                             "Unfrei",
                             "Frachtführer (Name, Anschrift, Land)",
                             "Nachfolgende Frachtführer (Name, Anschrift, Land)",
                             "Vorbehalte und Bemerkungen der Frachtführer",
                             "Zu zahlen vom:",
                             "Absender",
                             "Währung",
                             "Empfänger",
                             "Fracht",
                             "Ermäßigungen",
                             "Zwischensumme",
                             "Zuschläge",
                             "Nebengebühren",
                             "Sonstiges",
                             "Gesamtsumme",
                             "Besondere Vereinbarungen",
                             "Ausgef. in:",
                             "am",
                             "Unterschrift und Stempel des Absenders",
                             "Unterschrift und Stempel des Frachtführers",
                             "Gut empfangen",
                             "Datum",
                             "am_______________20___",
                             "Unterschrift und Stempel des Empfängers",
                             "Angaben zur Ermittlung der Tarifentfernung",
                             "von",
                             "bis",
                             "km",
                             "Vertragspartner d. Frachtf.",
                             "Amtl. Kennzeichen",
                             "Nutzlast in kg",
                             "Kfz",
                             "Anhänger",
                             "Benutzte Gen.-Nr.",
                             "National",
                             "Bilateral",
                             "EG",
                             "CEMT",
                             "Paletten-Absender",
                             "Paletten-Empfänger",
                             "Art",
                             "Anzahl",
                             "Kein",
                             "Tausch",
                             "Tausch",
                             "Euro-Palette",
                             "Gitterboxpalette",
                             "Einfach-Palette",
                             "Art",
                             "Anzahl",
                             "Kein",
                             "Tausch",
                             "Tausch",
                             "Euro-Palette",
                             "Gitterboxpalette",
                             "Einfach-Palette",
                             "Bestätigung des Empfängers",
                             "Bestätigung des Fahrers",
                             "UN",
                             "UN-Nummer",
                             "Bez.",
                             "s. Nr. 9",
                             "Gefahrzettel-",
                             "muster-Nr.",
                             "Verp.",
                             "Gruppe",
                             "Tunnelbeschränk-",
                             "ungscode"})
        expected << QString::fromUtf8(text);

    // The groups follow each other: 27 box numbers, 84 title lines and
    // captions, 9 dangerous-goods captions, and the form-version line, which
    // has no text of its own.
    const QVector<CaptionRecord> captions = Captions(1);
    ASSERT_EQ(captions.size(), 27 + 84 + 9 + 1);
    QStringList actual;
    for (int i = 0; i < captions.size(); ++i) {
        const int group = i < 27 ? 0 : i < 27 + 84 ? 1 : i < 27 + 84 + 9 ? 2 : 3;
        EXPECT_EQ(captions[i].group, group) << i;
        if (group < 3)
            actual << QString::fromUtf8(captions[i].text);
    }
    EXPECT_EQ(actual, expected);
    EXPECT_EQ(captions.last().x, 10);
    EXPECT_EQ(captions.last().y, -2950);
    EXPECT_EQ(captions.last().text, nullptr);
    EXPECT_STREQ(kEditionText, "2009");
}

TEST(CmrLayoutCaptions, TellingPositions)
{
    struct Expected
    {
        const char* text;
        int x, y;
    };
    const Expected telling[] = {
        {"1 ", 104, -135},
        {"Absender (Name, Anschrift, Land)", 104, -135},
        {"INTERNATIONALER", 1024, -170},
        {"FRACHTBRIEF", 1024, -220},
        {"LETTRE DE VOITURE", 1024, -270},
        {"INTERNATIONAL", 1024, -320},
        {"Kennzeichen", 104, -1155},
        {"Benutzte Gen.-Nr.", 70, -2840},
        {"National", 1075, -2850},
        {"Bilateral", 1305, -2850},
        {"EG", 1535, -2850},
        {"CEMT", 1740, -2850},
    };
    const QVector<CaptionRecord> captions = Captions(1);
    for (const Expected& e : telling) {
        bool found = false;
        for (const CaptionRecord& c : captions)
            found = found || (c.text && qstrcmp(c.text, e.text) == 0 && c.x == e.x && c.y == e.y);
        EXPECT_TRUE(found) << e.text;
    }
    // The dangerous-goods row is a two-line heading.
    for (const CaptionRecord& c : captions) {
        if (c.group == int(Page1CaptionGroup::DangerousGoods)) {
            EXPECT_TRUE(c.y == -1570 || c.y == -1590) << c.y;
        }
    }
}

TEST(CmrLayoutCaptions, Page2PointsAndTexts)
{
    const QVector<CaptionRecord> captions = Captions(2);
    const QPoint expected[] = {{70, -180}, {70, -1270}, {570, -1270}, {1070, -1270}, {1560, -1270}};
    ASSERT_EQ(captions.size(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(QPoint(captions[i].x, captions[i].y), expected[i]) << i;
        EXPECT_EQ(captions[i].group, 0) << i;
    }
    EXPECT_TRUE(QString::fromUtf8(captions[0].text)
                    .startsWith(QLatin1String("Sonstige Vereinbarungen / ")));
    EXPECT_STREQ(captions[4].text, "DANSK OVERSAETTELSE");
}

// Caption anchors and the cell above them stay out of every typing area; the
// drawn extents are checked with real fonts by the render tests.
TEST(CmrLayoutCaptions, AnchorsLieInsideTheFrameAndOutsideTypingAreas)
{
    for (const CaptionRecord& p : Captions(1)) {
        if (p.group == int(Page1CaptionGroup::FormVersion)) {
            EXPECT_GT(-p.y, kFrameBottom);
            continue;
        }
        const CmrRect cell{p.x - 1, -p.y - 30, p.x + 1, -p.y};
        EXPECT_TRUE(Inside(cell, kFrame)) << p.x << ',' << p.y;
        for (int i = 0; i < kPage2Entry; ++i)
            EXPECT_FALSE(InteriorsOverlap(cell, kBoxRecords[i].rect))
                << p.x << ',' << p.y << " in box " << i;
    }
}

// ---------------------------------------------------------------------------
// Scaling and the view's rectangles

TEST(CmrLayoutScale, TruncatesTowardsZeroAndKeepsTheMarkersAtEveryZoom)
{
    EXPECT_EQ(Scale(-1155, 13), -1501); // -1501.5
    EXPECT_EQ(Scale(1155, 13), 1501);
    EXPECT_EQ(Scale(-135, 14), -189);

    for (int zoom : {10, 14, 20, 25}) {
        const QVector<qint32> lines = ScaleTable(kLinesPage1, 4, zoom);
        const auto groups = LineGroups(lines.constData());
        ASSERT_EQ(groups.size(), kPage1LineGroupCount) << zoom;
        EXPECT_EQ(groups[3].size(), 32) << zoom;
        EXPECT_EQ(groups[1][3].y2, Scale(-2855, zoom)) << zoom;
        EXPECT_EQ(lines.last(), kTableEnd);
    }
}

TEST(CmrLayoutView, GetBoxRectScalesAndFallsBackToBox0)
{
    EXPECT_EQ(GetBoxRect(5, 1, 14, false), (CmrRect{1386, 567, 2618, 847}));
    EXPECT_EQ(GetBoxRect(0, 2, 10, false), kBoxRecords[kPage2Entry].rect);
    EXPECT_EQ(GetBoxRect(180, 1, 10, false), kBoxRecords[kPage2Entry].rect);
    EXPECT_EQ(GetBoxRect(181, 1, 10, false), kBoxRecords[0].rect);
    EXPECT_EQ(GetBoxRect(-1, 1, 10, false), kBoxRecords[0].rect);
}

TEST(CmrLayoutView, MergedGoodsRowsStretchTheFirstBoxOverTheFourth)
{
    for (int r = 0; r < kGoodsRowCount; ++r) {
        const int first = kGoodsFirstBox + kGoodsRowStride * r;
        const CmrRect merged = GetBoxRect(first, 1, 10, true);
        EXPECT_EQ(merged.left, kBoxRecords[first].rect.left);
        EXPECT_EQ(merged.top, kBoxRecords[first].rect.top);
        EXPECT_EQ(merged.right, kBoxRecords[first + 3].rect.right);
        EXPECT_EQ(merged.bottom, kBoxRecords[first + 3].rect.bottom);
        EXPECT_EQ(GetBoxRect(first, 1, 10, false), kBoxRecords[first].rect);
        EXPECT_EQ(GetBoxRect(first + 1, 1, 10, true), kBoxRecords[first + 1].rect);
        const CmrRect printed = GetPrintTableRect(first, 1, 0, true);
        EXPECT_EQ(printed.right, GetPrintTableRect(first + 3, 1, 0, false).right);
    }
    // The merged box does not spill onto the page's other boxes.
    EXPECT_EQ(GetBoxRect(0, 2, 10, true), kBoxRecords[kPage2Entry].rect);
}

TEST(CmrLayoutView, MergedGoodsTargets)
{
    const std::pair<int, int> cases[] = {{8, 8},   {9, 8},   {10, 8},  {11, 8},   {12, 12},
                                         {16, 15}, {18, 15}, {65, 64}, {67, 64},  {68, 68},
                                         {7, 7},   {71, 71}, {0, 0},   {175, 175}};
    for (const auto& [index, target] : cases)
        EXPECT_EQ(MergedGoodsTarget(index), target) << index;
    EXPECT_TRUE(IsGoodsRowStart(64));
    EXPECT_FALSE(IsGoodsRowStart(71)); // the first box after the nine rows
    EXPECT_FALSE(IsGoodsRowStart(1));
}

TEST(CmrLayoutView, PrintTablesByPublisher)
{
    for (int i = 0; i < kPrintTableSize; ++i) {
        EXPECT_EQ(GetPrintTableRect(i, 1, 1, false), GetPrintTableRect(i, 1, 2, false)) << i;
        EXPECT_EQ(GetPrintTableRect(i, 1, 3, false), GetPrintTableRect(i, 1, 2, false)) << i;
        EXPECT_EQ(GetPrintTableRect(i, 1, 7, false), GetPrintTableRect(i, 1, 2, false)) << i;
    }
    EXPECT_FALSE(GetPrintTableRect(8, 1, 0, false) == GetPrintTableRect(8, 1, 2, false));
    for (int publisher : {0, 1, 2, 3})
        EXPECT_EQ(GetPrintTableRect(0, 2, publisher, false), kBoxRecords[kPage2Entry].rect);
    // The print tables end with the checkboxes; beyond them box 0 is used.
    EXPECT_EQ(GetPrintTableRect(180, 1, 0, false), GetPrintTableRect(0, 1, 0, false));
}

TEST(CmrLayoutView, FormVersionLineNamesThePublisher)
{
    EXPECT_EQ(FormVersionLine(0), QString::fromUtf8("2009 - Wilhelm Köhler Verlag"));
    EXPECT_EQ(FormVersionLine(1), QLatin1String("2009 - Formularverlag Henkel"));
    EXPECT_EQ(FormVersionLine(2), QLatin1String("2009 - LION GmbH"));
    EXPECT_EQ(FormVersionLine(3), QLatin1String("2009 - Verkehrs Verlag Fischer"));
    EXPECT_EQ(FormVersionLine(7), QLatin1String("2009"));
    EXPECT_EQ(FormVersionLine(-1), QLatin1String("2009"));
}
