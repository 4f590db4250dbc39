// Printing onto pre-printed CMR sheets: the PDF of `tarvelomark-cli print` read
// back with pdftotext, positions in millimetres of the paper; and the marks and
// the permit cross in a raster of 0.1 mm pixels.
#include "cli/clicommands.h"
#include "cmrfixtures.h"
#include "core/documents/cmrdoc.h"
#include "core/forms/cmrlayout.h"
#include "core/settings/settingkeys.h"
#include "guienvironment.h"
#include "printedpdf.h"
#include "render/printing/formprint.h"
#include "render/printing/printjob.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextStream>

#include <cctype>
#include <climits>
#include <optional>

namespace {

TVM_GUI_TEST_ENVIRONMENT();

const QString kCmr = QStringLiteral("CMR");
const QString kSettings = QStringLiteral("Settings");

// Boxes of the fixture: a word each, all left-aligned in size step 2.
constexpr int kSender = 0;
constexpr int kGoodsMarks = 8;
constexpr int kTariffFrom = 126;
const char* const kSenderText = "Spedition";
const char* const kGoodsText = "Kisten";
const char* const kTariffText = "Hamburg";
const char* const kPermitText = "CEMT-4711";
const char* const kBackText = "Vereinbarung";

using Word = PdfWord;
using Page = PdfPage;

QByteArray FixtureDocument(quint16 permitType)
{
    QStringList texts(CmrLayout::kBoxCount);
    texts[kSender] = kSenderText;
    texts[kGoodsMarks] = kGoodsText;
    texts[kTariffFrom] = kTariffText;
    texts[CmrLayout::kPermitGuardBox] = kPermitText;
    return CmrFixture::Current(302, permitType, texts, kBackText);
}

class PrintTest : public PrintedPdfTest
{
protected:
    CSettingsStore& Settings() { return env.Settings(); }

    // Prints the fixture through the command-line tool and reads the PDF back.
    PrintedPdf Print(const QStringList& options = {}, quint16 permitType = 4)
    {
        const QString document = env.FilePath(QStringLiteral("note.cmr"));
        QFile file(document);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(FixtureDocument(permitType));
        file.close();
        const QString pdf = env.FilePath(QStringLiteral("print.pdf"));
        QFile::remove(pdf);
        QString out, err;
        QTextStream o(&out), e(&err);
        const int code =
            RunCli(QStringList{QStringLiteral("print"), document, pdf} + options, Settings(), o, e);
        e.flush();
        EXPECT_EQ(code, 0) << err.toStdString();
        return ReadPdfWords(pdf);
    }

    TestEnvironment env;
};

// ---------------------------------------------------------------------------
// Where the texts land

struct PlacementCase
{
    const char* name;
    int publisher;
    int leftMargin1, topMargin1, leftMargin2, topMargin2;
    int prnFactorV, prnFactorH;
    int page;
    const char* text;
    double xMm, yMm; // where the text starts: the box's left edge + 1 mm, its top
};

std::ostream& operator<<(std::ostream& os, const PlacementCase& c)
{
    return os << c.name;
}

class Placement : public PrintTest, public testing::WithParamInterface<PlacementCase>
{
};

TEST_P(Placement, TextStartsWhereTheSheetHasTheBox)
{
    const PlacementCase& c = GetParam();
    Settings().Set(kCmr, Settings::Publisher, c.publisher);
    Settings().Set(kCmr, Settings::LeftMargin1, c.leftMargin1);
    Settings().Set(kCmr, Settings::TopMargin1, c.topMargin1);
    Settings().Set(kCmr, Settings::LeftMargin2, c.leftMargin2);
    Settings().Set(kCmr, Settings::TopMargin2, c.topMargin2);
    Settings().Set(kSettings, Settings::PrnFactorV, c.prnFactorV);
    Settings().Set(kSettings, Settings::PrnFactorH, c.prnFactorH);
    const PrintedPdf pdf = Print({QStringLiteral("--page"), QString::number(c.page),
                                  QStringLiteral("--copies"), QStringLiteral("1")});
    ASSERT_EQ(pdf.pages.size(), 1);
    ExpectStartsAt(FindWord(pdf.pages[0], c.text), c.xMm, c.yMm, c.name);
}

// Box 8 lies at 70, 1158 on publisher 0's sheet and 70, 1168 on the others';
// the back page's box at 100, 250 on every sheet.
INSTANTIATE_TEST_SUITE_P(
    Cmr, Placement,
    testing::Values(PlacementCase{"goods row of publisher 0", 0, 0, 0, 0, 0, 1000, 1000, 1,
                                  kGoodsText, 8.0, 115.8},
                    PlacementCase{"goods row of publisher 2", 2, 0, 0, 0, 0, 1000, 1000, 1,
                                  kGoodsText, 8.0, 116.8},
                    PlacementCase{"goods row of an unknown publisher", 7, 0, 0, 0, 0, 1000, 1000, 1,
                                  kGoodsText, 8.0, 116.8},
                    PlacementCase{"front margins move the front", 0, 15, -10, 0, 0, 1000, 1000, 1,
                                  kSenderText, 9.5, 14.0},
                    PlacementCase{"front margins leave the back", 0, 15, -10, 0, 0, 1000, 1000, 2,
                                  kBackText, 11.0, 25.0},
                    PlacementCase{"back margins move the back", 0, 0, 0, -20, 30, 1000, 1000, 2,
                                  kBackText, 9.0, 28.0},
                    PlacementCase{"back page of publisher 0", 0, 0, 0, 0, 0, 1000, 1000, 2,
                                  kBackText, 11.0, 25.0},
                    PlacementCase{"back page of publisher 1", 1, 0, 0, 0, 0, 1000, 1000, 2,
                                  kBackText, 11.0, 25.0},
                    PlacementCase{"back page of publisher 3", 3, 0, 0, 0, 0, 1000, 1000, 2,
                                  kBackText, 11.0, 25.0},
                    // Box 126 of publisher 0 starts at 2553; the margin brings it to 2500,
                    // which the vertical correction stretches to 2525, margins included.
                    PlacementCase{"vertical correction 250 mm down", 0, 0, -53, 0, 0, 1010, 1000, 1,
                                  kTariffText, 6.5, 252.5},
                    // The left edge 70 becomes 69.3, then the text moves 1 mm in.
                    PlacementCase{"horizontal correction", 0, 0, 0, 0, 0, 1000, 990, 1, kSenderText,
                                  7.9, 15.0}),
    [](const testing::TestParamInfo<PlacementCase>& info) {
        return TestCaseName(info.param.name);
    });

// ---------------------------------------------------------------------------
// What the job holds

TEST_F(PrintTest, EveryCopyIsAPageOfItsOwnWithTheSameTexts)
{
    const PrintedPdf pdf = Print({QStringLiteral("--copies"), QStringLiteral("3")});
    ASSERT_EQ(pdf.pages.size(), 3);
    EXPECT_NEAR(pdf.pageMm.width(), 210.0, 0.5);
    EXPECT_NEAR(pdf.pageMm.height(), 297.0, 0.5);
    for (const Page& page : pdf.pages) {
        // Only the texts of the boxes: no caption of the form.
        QStringList words;
        for (const Word& w : page)
            words << w.text;
        words.sort();
        EXPECT_EQ(words, QStringList({kPermitText, kTariffText, kGoodsText, kSenderText}));
        ExpectStartsAt(FindWord(page, kSenderText), 8.0, 15.0, "sender");
    }
}

TEST_F(PrintTest, WithoutCopiesTheStoredCountApplies)
{
    EXPECT_EQ(Print().pages.size(), 4); // "DruckAnzahl" missing
    Settings().Set(kCmr, Settings::Copies, 2);
    EXPECT_EQ(Print().pages.size(), 2);
    Settings().Set(kCmr, Settings::Copies, 0); // as the print dialog would offer it
    EXPECT_EQ(Print().pages.size(), 1);
}

// A box's text is printed in the printer font of its size step scaled by the
// form's factor: size step 2 ("PFont2" = 36) is 34 units high at 95 %.
TEST_F(PrintTest, PrinterFontFactorScalesTheTextHeight)
{
    const PrintedPdf standard = Print({QStringLiteral("--copies"), QStringLiteral("1")});
    Settings().Set(kCmr, Settings::PrinterFontFactor, 150);
    const PrintedPdf large = Print({QStringLiteral("--copies"), QStringLiteral("1")});
    const auto a = FindWord(standard.pages.value(0), kSenderText);
    const auto b = FindWord(large.pages.value(0), kSenderText);
    ASSERT_TRUE(a && b);
    // The face is sized in whole pixels of 0.1 mm, so the cell may be a little short.
    EXPECT_NEAR(a->mm.height(), 3.4, 0.15);
    EXPECT_NEAR(b->mm.height(), 5.4, 0.15);
    EXPECT_NEAR(b->mm.width() / a->mm.width(), 54.0 / 34.0, 0.05);
}

TEST_F(PrintTest, RefusedRequestsWriteNothing)
{
    const QString document = env.FilePath(QStringLiteral("note.cmr"));
    QFile file(document);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(FixtureDocument(1));
    file.close();
    const QString pdf = env.FilePath(QStringLiteral("out.pdf"));
    const struct
    {
        QStringList args;
        int code;
    } cases[] = {
        {{"print", document, pdf, "--copies", "0"}, 2},
        {{"print", document, pdf, "--copies", "100"}, 2},
        {{"print", document, pdf, "--page", "3"}, 2},
        {{"print", document, pdf, "--copies"}, 2},
        {{"print", document, env.FilePath("out.png")}, 1},
        {{"print", env.FilePath("missing.cmr"), pdf}, 1},
        {{"print", document, env.FilePath("no/such/folder/out.pdf")}, 1},
    };
    for (const auto& c : cases) {
        QString out, err;
        QTextStream o(&out), e(&err);
        EXPECT_EQ(RunCli(c.args, Settings(), o, e), c.code) << c.args.join(' ').toStdString();
        EXPECT_FALSE(QFile::exists(pdf)) << c.args.join(' ').toStdString();
    }
}

// ---------------------------------------------------------------------------
// The print preview: the same page drawn over the faint form, read back from a
// PDF page of the paper's size

class PreviewTest : public PrintTest
{
protected:
    // The preview of a page as a printer whose printable area begins at
    // `corner` (0.1 mm) shows it, on an A4 page from that corner.
    PdfPage Preview(int page, const QPointF& corner = {})
    {
        CCMRDoc document(Settings());
        QBuffer buffer;
        QByteArray bytes = FixtureDocument(4);
        buffer.setBuffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        document.LoadFromDevice(buffer);
        const QString pdf = env.FilePath(QStringLiteral("preview.pdf"));
        {
            QPdfWriter writer(pdf);
            writer.setPageLayout(
                QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
            QPainter painter(&writer);
            CFormPrint(document, PrintContext::Read(document.Form(), Settings()))
                .PreviewPage(painter, page, corner);
        }
        return ReadPdfWords(pdf).pages.value(0);
    }
};

struct PreviewCase
{
    const char* name;
    int publisher;
    int leftMargin1, topMargin1, leftMargin2, topMargin2;
    int page;
};

void PrintTo(const PreviewCase& c, std::ostream* os)
{
    *os << c.name;
}

class PreviewPlacement : public PreviewTest, public testing::WithParamInterface<PreviewCase>
{
};

// Every text of the preview lies where the printed PDF has it, to the
// hundredth of a millimetre, and the form lies under it.
TEST_P(PreviewPlacement, TextsLieWhereThePrintPutsThem)
{
    const PreviewCase& c = GetParam();
    Settings().Set(kCmr, Settings::Publisher, c.publisher);
    Settings().Set(kCmr, Settings::LeftMargin1, c.leftMargin1);
    Settings().Set(kCmr, Settings::TopMargin1, c.topMargin1);
    Settings().Set(kCmr, Settings::LeftMargin2, c.leftMargin2);
    Settings().Set(kCmr, Settings::TopMargin2, c.topMargin2);
    const PrintedPdf printed = Print({QStringLiteral("--page"), QString::number(c.page),
                                      QStringLiteral("--copies"), QStringLiteral("1")});
    ASSERT_EQ(printed.pages.size(), 1);
    const PdfPage preview = Preview(c.page);
    ASSERT_FALSE(printed.pages[0].isEmpty());
    for (const Word& word : printed.pages[0]) {
        const auto shown = FindWord(preview, word.text.toUtf8().constData());
        ASSERT_TRUE(shown.has_value()) << word.text.toStdString();
        EXPECT_NEAR(shown->mm.left(), word.mm.left(), 0.01) << word.text.toStdString();
        EXPECT_NEAR(shown->mm.top(), word.mm.top(), 0.01) << word.text.toStdString();
    }
    // The form's captions come with the preview only.
    const char* caption = c.page == 1 ? "INTERNATIONALER" : "Sonstige";
    EXPECT_TRUE(FindWord(preview, caption).has_value());
    EXPECT_FALSE(FindWord(printed.pages[0], caption).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Cmr, PreviewPlacement,
    testing::Values(PreviewCase{"publisher 0", 0, 0, 0, 0, 0, 1},
                    PreviewCase{"publisher 2", 2, 0, 0, 0, 0, 1},
                    PreviewCase{"publisher 0 with front margins", 0, 15, -10, 0, 0, 1},
                    PreviewCase{"publisher 2 with front margins", 2, -20, 35, 0, 0, 1},
                    PreviewCase{"back page with its margins", 2, 15, -10, -20, 30, 2}),
    [](const testing::TestParamInfo<PreviewCase>& info) {
        std::string name;
        for (const char* p = info.param.name; *p; ++p)
            name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
        return name;
    });

// A printer that cannot reach the edge starts its printout inside the paper;
// the paper, and the form on it, lies that far up and left of the printout.
TEST_F(PreviewTest, FormLiesFromTheCornerOfThePaper)
{
    const PdfPage edge = Preview(1);
    const PdfPage inside = Preview(1, QPointF(42, 30));
    const auto title = FindWord(edge, "INTERNATIONALER");
    const auto titleInside = FindWord(inside, "INTERNATIONALER");
    const auto sender = FindWord(edge, kSenderText);
    const auto senderInside = FindWord(inside, kSenderText);
    ASSERT_TRUE(title && titleInside && sender && senderInside);
    EXPECT_NEAR(titleInside->mm.left(), title->mm.left() - 4.2, 0.02);
    EXPECT_NEAR(titleInside->mm.top(), title->mm.top() - 3.0, 0.02);
    EXPECT_NEAR(senderInside->mm.left(), sender->mm.left(), 0.01);
    EXPECT_NEAR(senderInside->mm.top(), sender->mm.top(), 0.01);
}

// ---------------------------------------------------------------------------
// Marks and the permit cross, in a raster of one pixel per 0.1 mm

class PrintRaster : public testing::Test
{
protected:
    QImage PrintFront(quint16 permitType, bool guardFilled)
    {
        CCMRDoc document(env.Settings());
        QBuffer buffer;
        QByteArray bytes = FixtureDocument(permitType);
        buffer.setBuffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        document.LoadFromDevice(buffer);
        if (!guardFilled)
            document.GetStore().SetFieldText(CmrLayout::kPermitGuardBox, QStringLiteral(" \t"), 1);
        document.GetStore().SetFieldText(kSender, QString(), 1);

        QImage image(2100, 2970, QImage::Format_RGB32);
        image.setDotsPerMeterX(10000);
        image.setDotsPerMeterY(10000);
        image.fill(Qt::white);
        QPainter painter(&image);
        CFormPrint(document, PrintContext::Read(document.Form(), env.Settings()))
            .PrintPage(painter, 1);
        return image;
    }

    static bool Dark(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 128; }
    static int DarkPixels(const QImage& image, const QRect& area)
    {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                count += Dark(image, x, y);
        return count;
    }

    TestEnvironment env;
};

TEST_F(PrintRaster, AlignmentMarksFollowPublisherAndMargins)
{
    const struct
    {
        int publisher, left, top;
        int cornerY; // the corner's horizontal stroke
    } cases[] = {{0, 0, 0, 100}, {2, 0, 0, 120}, {2, 15, -10, 110}};
    for (const auto& c : cases) {
        env.Settings().Set(kCmr, Settings::Publisher, c.publisher);
        env.Settings().Set(kCmr, Settings::LeftMargin1, c.left);
        env.Settings().Set(kCmr, Settings::TopMargin1, c.top);
        const QImage image = PrintFront(0, false);
        const int x = 50 + c.left;
        SCOPED_TRACE(c.publisher * 1000 + c.left * 10 + c.top);
        EXPECT_TRUE(Dark(image, x + 20, c.cornerY));       // horizontal stroke
        EXPECT_TRUE(Dark(image, x, c.cornerY + 20));       // vertical stroke
        EXPECT_FALSE(Dark(image, x + 20, c.cornerY + 20)); // inside the corner
        EXPECT_FALSE(Dark(image, x - 10, c.cornerY + 20));
        EXPECT_TRUE(Dark(image, x, 2115 + c.top)); // the tick further down
        EXPECT_FALSE(Dark(image, x, 2145 + c.top));
    }
}

TEST_F(PrintRaster, PermitCrossNeedsThePermitNumberAndAKnownType)
{
    env.Settings().Set(kCmr, Settings::Publisher, 2);
    const QRect second = CFormPrint::PrintRect(CmrLayout::Description(),
                                               CmrLayout::kFirstPermitBox + 1, 1, 2, false, {});
    const QRect sender = CFormPrint::PrintRect(CmrLayout::Description(), kSender, 1, 2, false, {});

    const QImage crossed = PrintFront(2, true);
    EXPECT_TRUE(Dark(crossed, second.center().x(), second.center().y()));
    EXPECT_TRUE(Dark(crossed, second.left() + 2, second.top() + 2));
    EXPECT_TRUE(Dark(crossed, second.left() + 2, second.bottom() - 2));

    EXPECT_EQ(DarkPixels(PrintFront(2, false), second.adjusted(-5, -5, 5, 5)), 0);
    // A damaged file's type 5 has no box; it must not cross the sender's box.
    EXPECT_EQ(DarkPixels(PrintFront(5, true), sender), 0);
}

// Issue 15: settings edited beyond what their dialogs allow print as the nearest
// allowed value. At the integer limits the print arithmetic overflowed, and a
// font factor of 1000000 printed black blobs.
TEST_F(PrintRaster, SettingsBeyondTheirRangePrintLikeTheirLimits)
{
    const struct
    {
        QString section;
        IntSetting setting;
        int beyond, limit;
    } cases[] = {
        {kCmr, Settings::PrinterFontFactor, 1000000, 150},
        {kCmr, Settings::PrinterFontFactor, INT_MIN, 50},
        {kCmr, Settings::LeftMargin1, INT_MAX, 200},
        {kCmr, Settings::TopMargin1, INT_MIN, -200},
        {kSettings, Settings::PrnFactorV, INT_MAX, 1030},
        {kSettings, Settings::PrnFactorH, INT_MIN, 970},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.setting.key << " " << c.beyond);
        env.Settings().Set(c.section, c.setting, c.beyond);
        const QImage beyond = PrintFront(4, true);
        env.Settings().Set(c.section, c.setting, c.limit);
        EXPECT_TRUE(beyond == PrintFront(4, true));
        env.Settings().Set(c.section, c.setting, c.setting.defaultValue);
    }
}

} // namespace
