// The forwarding order's tables as the engine draws and prints them: the
// telling rows, the lines and captions, the note and footer per publisher (in
// the rendered PDF), and which publisher's sheet the printout follows (in the
// printed PDF, in millimetres). The invariants every form keeps are in
// formlayouts_test.cpp.
#include "clirunner.h"
#include "core/documents/spedauftragdoc.h"
#include "core/forms/forwardinglayout.h"
#include "core/settings/settingkeys.h"
#include "formtablestest.h"
#include "guienvironment.h"
#include "printedpdf.h"
#include "render/printing/formprint.h"
#include "render/views/formpainter.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <tuple>

using namespace ForwardingLayout;

TVM_GUI_TEST_ENVIRONMENT();

namespace {

const QString kSection = QStringLiteral("Speditionsauftrag");

// ---------------------------------------------------------------------------
// Tables

class ForwardingTellingRows : public testing::TestWithParam<TellingRow>
{
};

TEST_P(ForwardingTellingRows, MatchExactly)
{
    EXPECT_EQ(GetParam().Actual(Description()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ForwardingTellingRows,
    testing::Values(TellingRow{"order number", -1, 0, {1400, 60, 1990, 120}},
                    TellingRow{"shipper", -1, 2, {160, 110, 1050, 300}},
                    TellingRow{"count of row 0", -1, 22, {630, 1030, 740, 1075}},
                    TellingRow{"sum of the counts", -1, 77, {630, 1440, 740, 1485}},
                    TellingRow{"sum of the gross weights", -1, 80, {1825, 1440, 2005, 1485}},
                    TellingRow{"foot area", -1, 105, {160, 2620, 2005, 2850}},
                    TellingRow{"follow on box", -1, kFollowEntry, {100, 250, 1870, 1100}},
                    TellingRow{"K order number", 0, 0, {1400, 90, 1990, 140}},
                    TellingRow{"K shipper", 0, 2, {160, 110, 1080, 300}},
                    TellingRow{"K count of row 0", 0, 22, {630, 1030, 740, 1075}},
                    TellingRow{"K sum of the counts", 0, 77, {630, 1430, 740, 1475}},
                    TellingRow{"K sum of the gross weights", 0, 80, {1825, 1430, 2005, 1475}},
                    TellingRow{"K foot area", 0, 105, {160, 2630, 2005, 2860}},
                    TellingRow{"O order number", 1, 0, {1400, 60, 1990, 120}},
                    TellingRow{"O shipper", 1, 2, {160, 110, 1050, 300}},
                    TellingRow{"O count of row 0", 1, 22, {620, 1030, 730, 1075}},
                    TellingRow{"O sum of the counts", 1, 77, {620, 1430, 730, 1475}},
                    TellingRow{"O sum of the gross weights", 1, 80, {1815, 1430, 1980, 1475}},
                    TellingRow{"O foot area", 1, 105, {160, 2600, 2005, 2830}}),
    [](const testing::TestParamInfo<TellingRow>& info) { return TestCaseName(info.param.what); });

TEST(ForwardingLayout, GoodsRowsLie45UnitsApartInTheirColumns)
{
    const int columnLines[] = {150, 620, 750, 1035, 1080, 1670, 1810, 2010};
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 7; ++column) {
            const BoxRect& r = kBoxRecords[21 + 7 * row + column].rect;
            EXPECT_EQ(r.top, 1030 + 45 * row) << row << '/' << column;
            EXPECT_EQ(r.bottom, 1075 + 45 * row) << row << '/' << column;
            EXPECT_GT(r.left, columnLines[column]) << row << '/' << column;
            EXPECT_LT(r.right, columnLines[column + 1]) << row << '/' << column;
        }
    }
}

TEST(ForwardingLayout, LinesAreTheFormsThirtyOneSegmentsWithTheTwoUnitPen)
{
    const Forms::PageDrawing& page = Description().pages.at(0);
    const auto groups = FormTables::LineGroups(page.lines);
    ASSERT_EQ(groups.size(), 1);
    ASSERT_EQ(page.lineStyles.size(), 1);
    EXPECT_EQ(page.lineStyles[0].penWidth, 2);

    using Key = std::tuple<int, int, int, int>;
    QVector<Key> drawn;
    for (const FormTables::Segment& s : groups[0])
        drawn.append({s.x1, s.y1, s.x2, s.y2});
    QVector<Key> expected = {
        {150, -50, 150, -2850},     {2010, -50, 2010, -2850},   {150, -50, 2010, -50},
        {150, -940, 2010, -940},    {150, -1025, 2010, -1025},  {150, -1405, 2010, -1405},
        {150, -1490, 2010, -1490},  {150, -1955, 2010, -1955},  {150, -2040, 2010, -2040},
        {150, -2605, 2010, -2605},  {1080, -50, 1080, -1405},   {1080, -220, 2010, -220},
        {1080, -730, 2010, -730},   {620, -940, 620, -1490},    {750, -940, 750, -1490},
        {1035, -940, 1035, -1405},  {1670, -940, 1670, -1490},  {1810, -940, 1810, -1490},
        {1080, -2040, 1080, -2605}, {770, -1955, 770, -2040},   {1385, -1955, 1385, -2040},
        {150, -2340, 1080, -2340},  {150, -2550, 1080, -2550},  {1080, -2210, 2010, -2210},
        {1080, -2465, 2010, -2465}, {1720, -2465, 1720, -2605}, {1820, -260, 2010, -260},
        {1820, -350, 2010, -350},   {1820, -260, 1820, -350},   {1885, -260, 1885, -350},
        {1950, -260, 1950, -350}};
    std::sort(drawn.begin(), drawn.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(drawn, expected);
}

TEST(ForwardingLayout, CaptionsAreTheFormsOwnTexts)
{
    const CFormPainter painter(Description(), 10);
    QStringList texts;
    for (const CFormPainter::PlacedCaption& c : painter.Captions(1, 0))
        if (c.font == kCaptionFont)
            texts << c.text;
    const QStringList expected = {
        "1) Versender/Lieferant",
        "2) Lieferanten-Nr.",
        "3) Speditionsauftrags-Nr.",
        "4) Nr. Versender beim Versand-Spediteur:",
        "5) Beladestelle",
        "6) Datum",
        "7) Relations-Nr.",
        "8) Sendungsnummer",
        "9) Versandspediteur",
        "10) Spediteur-Nr.",
        "11) Empfänger",
        "12) Empfänger-Nr.",
        "13) Bordero-/Ladeliste-Nr.",
        "14) Anliefer-/Abladestelle",
        "15) Versandvermerk für den Versandspediteur",
        "16) Eintrefftermin",
        "17) Eintreffzeit",
        "18) Zeichen und Nr.",
        "19)",
        "20)",
        "21)",
        "22)",
        "23) Lade-",
        "24) Brutto-",
        "25)",
        "26)",
        "27)",
        "28)",
        "29) Gefahrgut",
        "30) Frankatur",
        "31) Warenwert für Transportversicherung",
        "32) Versender-Nachnahme",
        "33) Anlagen",
        "34) Auftragsnummer-Kunde",
        "35) Kontierung",
        "36) Transportmittel-Nr.",
        "37) LKW-Code",
        "38) Versandart",
        "39) Abrechnungs-Schl.",
        "40) Empfangsbestätigung des Warenempfängers",
        "41) Empfangsbestätigung des Fahrers",
        "42) Diese Sendung enthält",
        "43) Es gelten die Allgemeinen Deutschen Spediteurbedingungen (ADSp)",
        "in ihrer jeweils neuesten Fassung.",
        "46) Für",
        "Telefon",
        "Fax",
        "Packstück-Identifikations-Nr.",
        "Anzahl",
        "Packstück",
        "SF",
        "Inhalt",
        "Gewicht kg",
        "Gewicht kg",
        "Summe",
        "Rauminhalt cdm / Lademeter",
        "Summen",
        "UN-Nr.:",
        "Gefahrgut-Bezeichnung",
        "Gefahrzettelmuster-Nr.",
        "Verpackungsgruppe",
        "Nettomasse kg/l",
        "Hinweise auf Sondervorschriften",
        "Obige Sendung vollständig und in ordnungsgemäßem Zustand erhalten",
        "Firmenstempel / Unterschrift",
        "Obige Sendung vollständig und in ordnungsgemäßem Zustand übernommen",
        "Datum",
        "Uhrzeit",
        "Unterschnrift",
        "davon getauscht",
        "Euro-Flach-Pal.",
        "Euro-Flach-Pal.",
        "Euro-Gitter-Pal.",
        "Euro-Gitter-Pal.",
    };
    EXPECT_EQ(texts, expected);
    EXPECT_EQ(painter.Captions(1, 0).first().at, QPoint(1090, 280)); // the title first
}

// What differs between publishers is the note's place and the footer.
TEST(ForwardingLayout, NoteAndFooterFollowThePublisher)
{
    const CFormPainter painter(Description(), 10);
    struct Expected
    {
        int publisher;
        QPoint note;
        QStringList footer;
    } cases[] = {
        {0, {110, 1350}, {"Wilhelm Köhler Verlag", "Bestell-Nr. 883"}},
        {1, {140, 2850}, {"Formularverlag Henkel"}},
        {2, {140, 2850}, {"LION GmbH"}},
        {3, {140, 2850}, {"Verkehrs Verlag Fischer"}},
        {9, {140, 2850}, {}},
    };
    for (const Expected& c : cases) {
        QStringList footer;
        int notes = 0;
        for (const CFormPainter::PlacedCaption& caption : painter.Captions(1, c.publisher)) {
            if (!caption.font.upwards)
                continue;
            if (caption.text.startsWith(QLatin1String("Vordruck entspricht"))) {
                ++notes;
                EXPECT_EQ(caption.at, c.note) << c.publisher;
                EXPECT_EQ(caption.text, QStringLiteral("Vordruck entspricht VDA-Empfehlung 4922 "
                                                       "Vers. 3, Ausgabe September 2004 nach "
                                                       "DIN 5018"));
            } else {
                footer << caption.text;
                EXPECT_EQ(caption.at.y(), 2900);
            }
        }
        EXPECT_EQ(notes, 1) << c.publisher;
        EXPECT_EQ(footer, c.footer) << c.publisher;
    }
}

TEST(ForwardingLayout, FontsAtTheZoom)
{
    EXPECT_EQ(CFormPainter::FontHeight(kTitleFont, 10), 60); // 6 x zoom, bold
    EXPECT_EQ(kTitleFont.weight, 700);
    EXPECT_EQ(CFormPainter::FontHeight(kCaptionFont, 10), 28);
    EXPECT_EQ(CFormPainter::FontHeight(kCaptionFont, 14), 39);
    EXPECT_EQ(CFormPainter::FontHeight(kUpwardsFont, 10), 25);
    EXPECT_EQ(CFormPainter::FontHeight(kUpwardsFont, 14), 35);
    EXPECT_TRUE(kUpwardsFont.upwards);
}

TEST(ForwardingLayout, EditingAndPrintingOfTheForm)
{
    const Forms::FormDescription& d = Description();
    EXPECT_EQ(d.boxCount, 106);
    EXPECT_EQ(d.checkBoxCount, 0);
    EXPECT_EQ(d.contextMenuId, 119);
    EXPECT_TRUE(d.homeScrollsToTop);
    ASSERT_EQ(d.margins.size(), 1);
    EXPECT_STREQ(d.margins[0].left.key, "LeftMargin");
    EXPECT_STREQ(d.margins[0].top.key, "TopMargin");

    const struct
    {
        bool down;
        int from;
        int to;
    } moves[] = {{true, 21, 28},  {true, 64, 71}, {true, 69, 76},  {true, 71, -1},
                 {true, 20, -1},  {true, 77, -1}, {false, 28, 21}, {false, 76, 69},
                 {false, 27, -1}, {false, 77, -1}};
    for (const auto& m : moves)
        EXPECT_EQ(d.ArrowTarget(m.down, m.from), m.to) << m.down << ' ' << m.from;

    // Publisher 0 prints on sheet K, every other publisher on sheet O.
    ASSERT_EQ(d.publisherGroups.size(), 2);
    EXPECT_EQ(d.GroupOf(0).publishers, QVector<int>{0});
    for (int publisher : {1, 2, 3, 9})
        EXPECT_EQ(&d.GroupOf(publisher), &d.publisherGroups[1]) << publisher;
}

// ---------------------------------------------------------------------------
// The rendered form and the printout, through the command-line tool

class ForwardingFiles : public PrintedPdfTest
{
protected:
    void SetUp() override
    {
        PrintedPdfTest::SetUp();
        if (IsSkipped())
            return;
        CSpeditionsauftragDoc document(env.Settings());
        document.OnNewDocument();
        CFieldStore& store = document.GetStore();
        store.SetFieldText(0, QStringLiteral("A-4711"), 1);
        store.SetFieldText(22, QStringLiteral("12"), 1);
        store.SetFieldText(80, QStringLiteral("1.500"), 1);
        store.SetFieldText(105, QStringLiteral("Fusstext"), 1);
        path = env.FilePath(QStringLiteral("order.spa"));
        ASSERT_TRUE(Succeeded(document.OnSaveDocument(path)));
    }

    PrintedPdf Run(const char* command, int publisher, const QStringList& options = {})
    {
        env.Settings().Set(kSection, Settings::Publisher, publisher);
        const QString pdf = env.FilePath(QStringLiteral("out.pdf"));
        CliRunner cli(env.Settings());
        EXPECT_EQ(cli.Run(QStringList{QString::fromLatin1(command), path, pdf} + options), 0)
            << cli.err.toStdString();
        return ReadPdfWords(pdf);
    }

    TestEnvironment env;
    QString path;
};

// The note reads upwards from its point: its first word lowest, its last word
// highest, all in one narrow column left of the frame.
TEST_F(ForwardingFiles, RenderedNoteAndFooterFollowThePublisher)
{
    const struct
    {
        int publisher;
        double noteFromMm;
        double noteXMm; // the side of the note's line that faces the frame
        QStringList footer;
        QStringList absent;
    } cases[] = {
        {0, 135.0, 11.0, {"Wilhelm", "Köhler", "Verlag", "Bestell-Nr.", "883"}, {"Fischer"}},
        {3, 285.0, 14.0, {"Verkehrs", "Verlag", "Fischer"}, {"Wilhelm", "Bestell-Nr.", "883"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.publisher);
        const PrintedPdf pdf = Run("render", c.publisher);
        ASSERT_EQ(pdf.pages.size(), 1);
        const PdfPage& page = pdf.pages[0];
        const auto first = FindWord(page, QStringLiteral("Vordruck"));
        const auto last = FindWord(page, QStringLiteral("5018"));
        ASSERT_TRUE(first && last);
        EXPECT_NEAR(first->mm.bottom(), c.noteFromMm, kWordToleranceMm);
        EXPECT_LT(last->mm.bottom(), first->mm.top()); // upwards
        EXPECT_GT(first->mm.height(), first->mm.width());
        EXPECT_NEAR(first->mm.right(), c.noteXMm, 0.8);
        EXPECT_LT(first->mm.right(), 15.0); // left of the frame
        for (const QString& word : c.footer) {
            const auto w = FindWord(page, word);
            ASSERT_TRUE(w) << word.toStdString();
            EXPECT_LT(w->mm.right(), 13.5) << word.toStdString();
            EXPECT_GT(w->mm.height(), w->mm.width()) << word.toStdString();
            EXPECT_LE(w->mm.bottom(), 290.0 + kWordToleranceMm) << word.toStdString();
        }
        for (const QString& word : c.absent)
            EXPECT_FALSE(FindWord(page, word)) << word.toStdString();
    }
}

struct PrintedBox
{
    const char* text;
    bool rightAligned;
    double xMm; // left edge + 1 mm, or right edge - 1.2 mm for right-aligned texts
    double yMm; // top
};

// Publisher 0 prints on the K sheet, every other publisher on the O sheet.
TEST_F(ForwardingFiles, PrintoutFollowsThePublishersSheet)
{
    const PrintedBox onK[] = {{"A-4711", false, 141.0, 9.0},
                              {"12", true, 72.8, 103.0},
                              {"1.500", true, 199.3, 143.0},
                              {"Fusstext", false, 17.0, 263.0}};
    const PrintedBox onO[] = {{"A-4711", false, 141.0, 6.0},
                              {"12", true, 71.8, 103.0},
                              {"1.500", true, 196.8, 143.0},
                              {"Fusstext", false, 17.0, 260.0}};
    for (int publisher : {0, 1, 2, 3, 9}) {
        SCOPED_TRACE(publisher);
        const PrintedPdf pdf =
            Run("print", publisher, {QStringLiteral("--copies"), QStringLiteral("1")});
        ASSERT_EQ(pdf.pages.size(), 1);
        EXPECT_NEAR(pdf.pageMm.width(), 210.0, 0.5);
        EXPECT_NEAR(pdf.pageMm.height(), 297.0, 0.5);
        for (const PrintedBox& box : publisher == 0 ? onK : onO) {
            const auto word = FindWord(pdf.pages[0], QString::fromUtf8(box.text));
            ASSERT_TRUE(word) << box.text;
            EXPECT_NEAR(box.rightAligned ? word->mm.right() : word->mm.left(), box.xMm,
                        kWordToleranceMm)
                << box.text;
            EXPECT_NEAR(word->mm.top(), box.yMm, kWordToleranceMm) << box.text;
        }
        // Only the texts: no caption, note or footer of the form.
        EXPECT_EQ(pdf.pages[0].size(), 4);
    }
}

TEST_F(ForwardingFiles, MarginsShiftThePrintout)
{
    env.Settings().Set(kSection, Settings::LeftMargin, 15);
    env.Settings().Set(kSection, Settings::TopMargin, -10);
    const PrintedPdf pdf = Run("print", 3, {QStringLiteral("--copies"), QStringLiteral("1")});
    ASSERT_EQ(pdf.pages.size(), 1);
    const auto word = FindWord(pdf.pages[0], QStringLiteral("A-4711"));
    ASSERT_TRUE(word);
    EXPECT_NEAR(word->mm.left(), 142.5, kWordToleranceMm);
    EXPECT_NEAR(word->mm.top(), 5.0, kWordToleranceMm);
}

// The marks are the same on every sheet: a corner at the frame's top-left and
// two ticks on its left edge, shifted with the margins.
TEST(ForwardingPrint, MarksInARasterOfTenthMillimetres)
{
    TestEnvironment env;
    CSpeditionsauftragDoc document(env.Settings());
    document.OnNewDocument();
    for (int publisher : {0, 2}) {
        SCOPED_TRACE(publisher);
        env.Settings().Set(kSection, Settings::Publisher, publisher);
        env.Settings().Set(kSection, Settings::LeftMargin, 20);
        env.Settings().Set(kSection, Settings::TopMargin, 10);
        QImage image(2100, 2970, QImage::Format_RGB32);
        image.setDotsPerMeterX(10000);
        image.setDotsPerMeterY(10000);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            CFormPrint(document, PrintContext::Read(document.Form(), env.Settings()))
                .PrintPage(painter, 1);
        }
        auto dark = [&image](int x, int y) { return qGray(image.pixel(x + 20, y + 10)) < 128; };
        EXPECT_TRUE(dark(160, 50));  // the corner's horizontal stroke
        EXPECT_TRUE(dark(150, 60));  // and its vertical one
        EXPECT_FALSE(dark(160, 60)); // inside the corner
        EXPECT_FALSE(dark(180, 50));
        EXPECT_TRUE(dark(150, 1915));
        EXPECT_FALSE(dark(150, 1950));
        EXPECT_TRUE(dark(150, 2115));
        EXPECT_FALSE(dark(150, 2000));
    }
}

} // namespace
