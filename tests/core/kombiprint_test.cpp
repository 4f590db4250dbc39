// The Kombi note on paper and on the screen: the PDF of `tarvelomark-cli print`
// read back in millimetres of the paper (the words with pdftotext, the marks and
// the terms cross in a raster of 0.1 mm pixels), and the terms cross the screen
// draws.
#include "clirunner.h"
#include "core/documents/natintdoc.h"
#include "core/fields/fieldstore.h"
#include "core/forms/kombilayout.h"
#include "core/settings/settingkeys.h"
#include "guienvironment.h"
#include "printedpdf.h"
#include "render/rendercontext.h"
#include "render/views/formrender.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>

namespace {

TVM_GUI_TEST_ENVIRONMENT();

const QString kKombi = QStringLiteral("KombiFrachtbrief");

// Left-aligned boxes of the fixture, one word each, from the regions that the
// two sheets place differently.
const struct
{
    int box;
    const char* text;
} kFixtureTexts[] = {
    {0, "Spedition"}, // sender
    {44, "Hamburg"},  // place of issue
    {62, "Montag"},   // vehicle provided for loading: day
    {134, "Chep"},    // consignee's pallets, free row: kind
};

class KombiPrint : public PrintedPdfTest
{
protected:
    // A note with the fixture's words and the terms word, saved where the
    // command-line tool can open it. Only the fixture's boxes hold text.
    QString SaveNote(quint16 terms)
    {
        CFrachtbriefNatIntDoc doc(env.Settings());
        doc.OnNewDocument();
        for (int i = 0; i < KombiLayout::kBoxCount; ++i)
            doc.GetStore().SetFieldText(quint16(i), QString(), 1);
        for (const auto& t : kFixtureTexts)
            doc.GetStore().SetFieldText(quint16(t.box), QString::fromUtf8(t.text), 1);
        doc.m_wTerms = terms;
        const QString path = env.FilePath(QStringLiteral("note.fb1"));
        EXPECT_TRUE(Succeeded(doc.OnSaveDocument(path)));
        return path;
    }

    QString Print(quint16 terms = 0)
    {
        const QString pdf = env.FilePath(QStringLiteral("print%1.pdf").arg(terms));
        CliRunner cli(env.Settings());
        EXPECT_EQ(cli.Run({QStringLiteral("print"), SaveNote(terms), pdf,
                           QStringLiteral("--copies"), QStringLiteral("1")}),
                  0)
            << cli.err.toStdString();
        return pdf;
    }

    void SetSheet(int publisher, int left = 0, int top = 0)
    {
        env.Settings().Set(kKombi, Settings::Publisher, publisher);
        env.Settings().Set(kKombi, Settings::LeftMargin, left);
        env.Settings().Set(kKombi, Settings::TopMargin, top);
    }

    TestEnvironment env;
};

// The command-line tool draws the note as the screen shows it, on A4, and knows
// that the form has one page only.
TEST_F(KombiPrint, CommandLineRendersTheOnePageForm)
{
    const QString note = SaveNote(0);
    const QString png = env.FilePath(QStringLiteral("note.png"));
    const QString pdf = env.FilePath(QStringLiteral("note.pdf"));
    CliRunner cli(env.Settings());
    ASSERT_EQ(cli.Run({QStringLiteral("render"), note, png}), 0) << cli.err.toStdString();
    EXPECT_EQ(QImage(png).size(), QSize(794, 1123)); // 210 x 297 mm at 96 dots per inch
    ASSERT_EQ(cli.Run({QStringLiteral("render"), note, pdf}), 0) << cli.err.toStdString();
    const PrintedPdf drawn = ReadPdfWords(pdf);
    ASSERT_EQ(drawn.pages.size(), 1);
    EXPECT_NEAR(drawn.pageMm.width(), 210.0, 0.5);
    EXPECT_NEAR(drawn.pageMm.height(), 297.0, 0.5);
    // The title at 99 mm, and the sender's text where the screen has its box.
    const auto title = FindWord(drawn.pages[0], "FRACHTBRIEF");
    ASSERT_TRUE(title.has_value());
    EXPECT_NEAR(title->mm.left(), 99.0, 0.5);
    ExpectStartsAt(FindWord(drawn.pages[0], "Spedition"), 13.2, 10.0, "sender");

    for (const char* command : {"render", "print"}) {
        const QString second = env.FilePath(QStringLiteral("page2.pdf"));
        EXPECT_EQ(cli.Run({QString::fromLatin1(command), note, second, QStringLiteral("--page"),
                           QStringLiteral("2")}),
                  1)
            << command;
        EXPECT_EQ(cli.err.trimmed(), QStringLiteral("Das Formular hat keine Seite 2.")) << command;
        EXPECT_FALSE(QFile::exists(second)) << command;
    }
}

// ---------------------------------------------------------------------------
// Where the texts land: table K for publisher 0, table O for every other one

struct PlacementCase
{
    const char* name;
    int publisher;
    int leftMargin, topMargin;
    // Where each fixture word starts: its box's left edge + 1 mm, its top.
    double xMm[4], yMm[4];
};

std::ostream& operator<<(std::ostream& os, const PlacementCase& c)
{
    return os << c.name;
}

class KombiPlacement : public KombiPrint, public testing::WithParamInterface<PlacementCase>
{
};

TEST_P(KombiPlacement, TextsStartWhereTheSheetHasTheirBoxes)
{
    const PlacementCase& c = GetParam();
    SetSheet(c.publisher, c.leftMargin, c.topMargin);
    const PrintedPdf pdf = ReadPdfWords(Print());
    ASSERT_EQ(pdf.pages.size(), 1);
    EXPECT_NEAR(pdf.pageMm.width(), 210.0, 0.5);
    EXPECT_NEAR(pdf.pageMm.height(), 297.0, 0.5);
    for (int i = 0; i < 4; ++i)
        ExpectStartsAt(FindWord(pdf.pages[0], kFixtureTexts[i].text), c.xMm[i], c.yMm[i],
                       kFixtureTexts[i].text);
}

// Sender 120, 110 (K) / 120, 100 (O); place of issue 160, 1905 / 160, 1738;
// loading day 550, 1712 / 550, 2538; consignee's free row 1320, 2661 / 1320, 2610.
INSTANTIATE_TEST_SUITE_P(
    Kombi, KombiPlacement,
    testing::Values(
        PlacementCase{
            "publisher 0", 0, 0, 0, {13.0, 17.0, 56.0, 133.0}, {11.0, 190.5, 171.2, 266.1}},
        PlacementCase{
            "publisher 1", 1, 0, 0, {13.0, 17.0, 56.0, 133.0}, {10.0, 173.8, 253.8, 261.0}},
        PlacementCase{
            "publisher 2", 2, 0, 0, {13.0, 17.0, 56.0, 133.0}, {10.0, 173.8, 253.8, 261.0}},
        PlacementCase{
            "publisher 3", 3, 0, 0, {13.0, 17.0, 56.0, 133.0}, {10.0, 173.8, 253.8, 261.0}},
        PlacementCase{
            "unknown publisher", 9, 0, 0, {13.0, 17.0, 56.0, 133.0}, {10.0, 173.8, 253.8, 261.0}},
        PlacementCase{"margins of publisher 1",
                      1,
                      15,
                      -10,
                      {14.5, 18.5, 57.5, 134.5},
                      {9.0, 172.8, 252.8, 260.0}}),
    [](const testing::TestParamInfo<PlacementCase>& info) {
        return TestCaseName(info.param.name);
    });

// ---------------------------------------------------------------------------
// Marks and the terms cross on the printed page, one pixel per 0.1 mm

int DarkPixels(const QImage& image, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += qGray(image.pixel(x, y)) < 128;
    return count;
}

TEST_F(KombiPrint, MarksLieWhereTheSheetOfThePublisherNeedsThem)
{
    const struct
    {
        int publisher, left, top;
        int markY; // the middle of the publisher's mark beside the consignee's box
    } cases[] = {{0, 0, 0, 345}, {1, 0, 0, 325}, {3, 0, 0, 325}, {1, 15, -10, 325}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "publisher " << c.publisher << " margins " << c.left << ", " << c.top);
        SetSheet(c.publisher, c.left, c.top);
        const QImage page = RasterPdfPage(Print());
        ASSERT_NEAR(page.width(), 2100, 1); // A4 in whole pixels
        ASSERT_NEAR(page.height(), 2970, 1);
        const int x = 100 + c.left, y = c.top;
        // 1: the corner at the top-left of the frame
        EXPECT_TRUE(DarkNear(page, x + 20, y + 50));
        EXPECT_TRUE(DarkNear(page, x, y + 65));
        EXPECT_FALSE(DarkNear(page, x + 15, y + 65));
        EXPECT_FALSE(DarkNear(page, x, y + 95));
        // 2: the tick at 262 to 265 mm
        EXPECT_TRUE(DarkNear(page, x, y + 2635));
        EXPECT_FALSE(DarkNear(page, x, y + 2605));
        EXPECT_FALSE(DarkNear(page, x, y + 2665));
        // 3: the publisher's mark, 2 mm long with a 2 mm stroke to the right
        EXPECT_TRUE(DarkNear(page, x, y + c.markY));
        EXPECT_TRUE(DarkNear(page, x + 15, y + c.markY));
        const int otherY = c.markY == 345 ? 320 : 350; // where the other sheet has it
        EXPECT_FALSE(DarkNear(page, x, y + otherY));
        EXPECT_FALSE(DarkNear(page, x + 15, y + otherY));
        // 4: the tick at 210 to 213 mm
        EXPECT_TRUE(DarkNear(page, x, y + 2115));
        EXPECT_FALSE(DarkNear(page, x, y + 2085));
        EXPECT_FALSE(DarkNear(page, x, y + 2145));
    }
}

TEST_F(KombiPrint, TermsCrossOnTheSheetOfThePublisher)
{
    // ADR: 110, 2750 .. 140, 2780 on publisher 0's sheet, 100, 2800 .. 130, 2830 on
    // the others'.
    const QRect adrK(110, 2750, 30, 30), adrO(100, 2800, 30, 30);
    SetSheet(0);
    QImage page = RasterPdfPage(Print(1));
    EXPECT_TRUE(DarkNear(page, adrK.center().x(), adrK.center().y()));
    EXPECT_TRUE(DarkNear(page, adrK.left() + 2, adrK.bottom() - 2));
    EXPECT_EQ(DarkPixels(page, adrO.adjusted(0, 5, 0, 0)), 0);

    SetSheet(1);
    page = RasterPdfPage(Print(1));
    EXPECT_TRUE(DarkNear(page, adrO.center().x(), adrO.center().y()));
    EXPECT_TRUE(DarkNear(page, adrO.right() - 2, adrO.top() + 2));
    EXPECT_EQ(DarkPixels(page, adrK.adjusted(12, 0, 0, 0)), 0);
}

// A terms word above 4 can only come from a damaged file. It prints no cross at
// all, not one over whatever follows the four check boxes in the tables.
TEST_F(KombiPrint, TermsWordOfADamagedFilePrintsNoCross)
{
    for (int publisher : {0, 1}) {
        SetSheet(publisher);
        const QImage none = RasterPdfPage(Print(0));
        ASSERT_FALSE(none.isNull());
        EXPECT_EQ(RasterPdfPage(Print(5)), none) << publisher;
        EXPECT_EQ(RasterPdfPage(Print(0xFFFF)), none) << publisher;
        EXPECT_NE(RasterPdfPage(Print(4)), none) << publisher;
    }
}

// ---------------------------------------------------------------------------
// The terms cross on the screen

class KombiScreen : public testing::Test
{
protected:
    // The form at real size, one pixel per 0.1 mm.
    QImage Render(quint16 terms)
    {
        CFrachtbriefNatIntDoc doc(env.Settings());
        doc.OnNewDocument();
        doc.m_wTerms = terms;
        QImage image(2100, 2970, QImage::Format_RGB32);
        image.setDotsPerMeterX(10000);
        image.setDotsPerMeterY(10000);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setTransform(Render::TenthMillimetreTransform(image, 10));
        RenderFormPage(painter, doc, PrintContext::Read(doc.Form(), env.Settings()), 1, 10);
        return image;
    }

    // Where two pictures differ.
    static QRect Difference(const QImage& a, const QImage& b)
    {
        QRect changed;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                if (a.pixel(x, y) != b.pixel(x, y))
                    changed |= QRect(x, y, 1, 1);
        return changed;
    }

    TestEnvironment env;
};

TEST_F(KombiScreen, TermsCrossFillsItsSquareOrNothing)
{
    const QImage none = Render(0);
    const struct
    {
        quint16 terms;
        int box; // -1: no cross
    } cases[] = {{1, 138}, {2, 139}, {3, 140}, {4, 141}, {5, -1}, {0xFFFF, -1}};
    for (const auto& c : cases) {
        const QRect changed = Difference(Render(c.terms), none);
        if (c.box < 0) {
            EXPECT_TRUE(changed.isEmpty()) << c.terms;
            continue;
        }
        const Forms::BoxRect r = KombiLayout::Description().BoxEntry(c.box, 1);
        const QRect square(QPoint(r.left, r.top), QPoint(r.right, r.bottom));
        // The cross reaches the square's corners, and its 6-unit pen half a pen
        // beyond them.
        EXPECT_TRUE(square.adjusted(-4, -4, 4, 4).contains(changed)) << c.terms;
        EXPECT_GT(changed.width(), square.width() - 2) << c.terms;
    }
}

} // namespace
