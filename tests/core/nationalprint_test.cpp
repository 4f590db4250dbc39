// National notes through `tarvelomark-cli print` and `render`, read back from the
// PDF in millimetres: which sheet each publisher prints on (the texts by
// pdftotext, the marks and the cross in a raster of 0.1 mm pixels), the margins
// of the national section, the edition line, and a check word no box belongs to.
#include "clirunner.h"
#include "core/documents/natdoc.h"
#include "core/forms/nationallayout.h"
#include "core/settings/settingkeys.h"
#include "docfixtures.h"
#include "guienvironment.h"
#include "printedpdf.h"
#include "render/printing/printjob.h"
#include "render/printing/wholenote.h"

#include <gtest/gtest.h>

#include <QFile>

TVM_GUI_TEST_ENVIRONMENT();

namespace {

const QString kSection = QStringLiteral("NatFrachtbrief");

const char* const kSenderText = "Spedition";
const char* const kNumberText = "4711";
const char* const kIssueText = "Kiel";

enum class Sheet { K, L };

struct SheetCase
{
    const char* name;
    int publisher;
    NationalEdition edition;
    Sheet sheet;
};

std::ostream& operator<<(std::ostream& os, const SheetCase& c)
{
    return os << c.name;
}

class NationalPrint : public PrintedPdfTest
{
protected:
    CSettingsStore& Settings() { return env.Settings(); }

    // A note of the edition with the sender, the note number and the place of
    // issue filled in, and the check word as given.
    QString WriteNote(NationalEdition edition, quint16 checkWord)
    {
        const bool is2009 = edition == NationalEdition::Edition2009;
        Settings().Set(kSection, Settings::NatVersion, is2009 ? 2009 : 2007);
        QStringList texts(is2009 ? 127 : 126);
        texts[0] = kSenderText;
        texts[1] = kNumberText;
        texts[is2009 ? 48 : 47] = kIssueText;
        const QString path = env.FilePath(QStringLiteral("note.fbr"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(DocFixture::Header("KRD-FBR@", is2009 ? 310 : 300) + Word(checkWord) +
                   DocFixture::Record(texts) + '\x40');
        return path;
    }

    // Runs the tool on the note into `out` and answers the file written.
    QString Run(const char* command, const QString& note, const QString& out,
                const QStringList& options = {})
    {
        QFile::remove(out);
        CliRunner cli(Settings());
        EXPECT_EQ(cli.Run(QStringList{QLatin1String(command), note, out} + options), 0)
            << cli.err.toStdString();
        return out;
    }
    QString Print(const QString& note,
                  const QStringList& options = {QStringLiteral("--copies"), QStringLiteral("1")})
    {
        return Run("print", note, env.FilePath(QStringLiteral("print.pdf")), options);
    }

    // Ink near a point of a raster of 0.1 mm pixels (lines one pixel wide may be
    // shared out over two, each of them lighter).
    static bool Ink(const QImage& image, int x, int y) { return DarkNear(image, x, y, 160); }

    TestEnvironment env;
};

void ExpectStartsAt(const PdfPage& page, const char* text, double xMm, double yMm)
{
    ::ExpectStartsAt(FindWord(page, text), xMm, yMm, text);
}

// ---------------------------------------------------------------------------
// The sheets of the publishers

class NationalSheets : public NationalPrint, public testing::WithParamInterface<SheetCase>
{
};

// Texts start 1 mm right of their box; sheet K has the sender 1 mm higher, the
// note number 2 mm and the place of issue 9 mm lower than sheet L.
TEST_P(NationalSheets, TextsMarksAndCrossLieWhereTheSheetHasThem)
{
    const SheetCase& c = GetParam();
    Settings().Set(kSection, Settings::Publisher, c.publisher);
    const QString pdf = Print(WriteNote(c.edition, 1));
    const PrintedPdf printed = ReadPdfWords(pdf);
    ASSERT_EQ(printed.pages.size(), 1);
    EXPECT_NEAR(printed.pageMm.width(), 210.0, 0.5);
    EXPECT_NEAR(printed.pageMm.height(), 297.0, 0.5);
    const PdfPage& page = printed.pages[0];
    EXPECT_EQ(page.size(), 3) << "only the box texts, no caption";
    const bool k = c.sheet == Sheet::K;
    ExpectStartsAt(page, kSenderText, 13.0, k ? 10.3 : 11.3);
    ExpectStartsAt(page, kNumberText, 167.0, k ? 20.7 : 18.7);
    ExpectStartsAt(page, kIssueText, 13.0, k ? 185.0 : 176.0);

    const QImage image = RasterPdfPage(pdf);
    ASSERT_EQ(image.width(), 2100);
    // Sheet K: a corner from 7.5 mm down to 4.5 mm and right to 13 mm, and a
    // tick at 210 to 213 mm; sheet L: a corner from 12 mm left to 10 mm and down
    // to 8.3 mm, and a tick at 180 to 182 mm. Both at 10 mm from the left edge.
    EXPECT_EQ(Ink(image, 100, 60), k);    // K's upright stroke
    EXPECT_EQ(Ink(image, 120, 45), k);    // K's crossbar
    EXPECT_EQ(Ink(image, 100, 2115), k);  // K's tick
    EXPECT_EQ(Ink(image, 110, 63), !k);   // L's crossbar
    EXPECT_EQ(Ink(image, 100, 78), !k);   // L's upright stroke
    EXPECT_EQ(Ink(image, 100, 1810), !k); // L's tick
    EXPECT_FALSE(Ink(image, 115, 70));    // inside either corner
    EXPECT_FALSE(Ink(image, 90, 60));     // left of the marks

    // The cross over "ja": both diagonals of the sheet's square.
    const QRect ja = k ? QRect(QPoint(630, 1145), QPoint(680, 1195))
                       : QRect(QPoint(630, 1020), QPoint(670, 1060));
    EXPECT_TRUE(Ink(image, ja.center().x(), ja.center().y()));
    EXPECT_TRUE(Ink(image, ja.left() + 3, ja.top() + 3));
    EXPECT_TRUE(Ink(image, ja.left() + 3, ja.bottom() - 3));
    EXPECT_FALSE(Ink(image, ja.center().x(), ja.top() + 3));
}

INSTANTIATE_TEST_SUITE_P(
    Publishers, NationalSheets,
    testing::Values(SheetCase{"publisher_1_2009", 1, NationalEdition::Edition2009, Sheet::K},
                    SheetCase{"publisher_3_2009", 3, NationalEdition::Edition2009, Sheet::L},
                    SheetCase{"publisher_9_2009", 9, NationalEdition::Edition2009, Sheet::L},
                    SheetCase{"publisher_0_2007", 0, NationalEdition::Edition2007, Sheet::K},
                    SheetCase{"publisher_2_2007", 2, NationalEdition::Edition2007, Sheet::L}),
    [](const testing::TestParamInfo<SheetCase>& info) { return std::string(info.param.name); });

TEST_F(NationalPrint, AnUnknownPublisherPrintsLikePublisher3)
{
    const QString note = WriteNote(NationalEdition::Edition2009, 2);
    Settings().Set(kSection, Settings::Publisher, 3);
    const QString pdf3 = Print(note);
    const PdfPage words3 = ReadPdfWords(pdf3).pages.value(0);
    const QImage image3 = RasterPdfPage(pdf3);
    Settings().Set(kSection, Settings::Publisher, 9);
    const QString pdf9 = Print(note);
    const PdfPage words9 = ReadPdfWords(pdf9).pages.value(0);
    ASSERT_EQ(words9.size(), words3.size());
    for (int i = 0; i < words3.size(); ++i) {
        EXPECT_EQ(words9[i].text, words3[i].text);
        EXPECT_EQ(words9[i].mm, words3[i].mm) << words3[i].text.toStdString();
    }
    EXPECT_EQ(RasterPdfPage(pdf9), image3);
}

// The national section's "LeftMargin" and "TopMargin" shift the sheet; the CMR
// note's page keys do not; "DruckAnzahl" is the section's.
TEST_F(NationalPrint, MarginsAndCopiesOfTheNationalSection)
{
    const QString note = WriteNote(NationalEdition::Edition2009, 2);
    Settings().Set(kSection, Settings::Publisher, 3);
    Settings().Set(kSection, Settings::LeftMargin, 15);
    Settings().Set(kSection, Settings::TopMargin, -10);
    Settings().Set(kSection, Settings::LeftMargin1, 50);
    Settings().Set(kSection, Settings::TopMargin1, 50);
    Settings().Set(kSection, Settings::Copies, 2);
    const QString pdf = Print(note, {});
    const PrintedPdf printed = ReadPdfWords(pdf);
    ASSERT_EQ(printed.pages.size(), 2);
    for (const PdfPage& page : printed.pages)
        ExpectStartsAt(page, kSenderText, 14.5, 10.3);
    const QImage image = RasterPdfPage(pdf);
    EXPECT_TRUE(Ink(image, 115, 1800)); // the tick, 1.5 mm right and 1 mm up
    EXPECT_FALSE(Ink(image, 100, 1815));
}

// The rendered note ends with the edition line: the edition and the publisher,
// or the edition alone for a publisher the program does not know.
TEST_F(NationalPrint, EditionLineOfTheRenderedNote)
{
    const struct
    {
        NationalEdition edition;
        int publisher;
        const char* editionText;
        QStringList rest;
    } cases[] = {
        {NationalEdition::Edition2009, 3, "07/2009", {"-", "Verkehrs", "Verlag", "Fischer"}},
        {NationalEdition::Edition2009, 9, "07/2009", {}},
        {NationalEdition::Edition2007, 1, "01/2007", {"-", "Formularverlag", "Henkel"}},
        {NationalEdition::Edition2007, 9, "01/2007", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.publisher);
        Settings().Set(kSection, Settings::Publisher, c.publisher);
        const QString pdf =
            Run("render", WriteNote(c.edition, 2), env.FilePath(QStringLiteral("form.pdf")));
        const PrintedPdf rendered = ReadPdfWords(pdf);
        ASSERT_EQ(rendered.pages.size(), 1);
        EXPECT_NEAR(rendered.pageMm.width(), 205.0, 0.5);
        EXPECT_NEAR(rendered.pageMm.height(), 298.0, 0.5);
        const auto edition = FindWord(rendered.pages[0], c.editionText);
        ASSERT_TRUE(edition.has_value());
        EXPECT_NEAR(edition->mm.left(), 1.0, kWordToleranceMm);
        QStringList rest;
        for (const PdfWord& w : rendered.pages[0])
            if (qAbs(w.mm.top() - edition->mm.top()) < 0.5 && w.mm.left() > edition->mm.left())
                rest << w.text;
        EXPECT_EQ(rest, c.rest);
    }
}

// Only a file can bring a check word above 2. No box follows the two check
// boxes, so such a word crosses nothing, on the screen and on the sheet.
TEST_F(NationalPrint, ACheckWordBeyondTheCheckBoxesCrossesNothing)
{
    for (int publisher : {1, 3}) {
        SCOPED_TRACE(publisher);
        Settings().Set(kSection, Settings::Publisher, publisher);
        const auto outputs = [this](quint16 word) {
            const QString note = WriteNote(NationalEdition::Edition2009, word);
            const QImage printed = RasterPdfPage(Print(note));
            const QImage screen(Run("render", note, env.FilePath(QStringLiteral("screen.png"))));
            return std::pair{printed, screen};
        };
        const auto none = outputs(0);
        const auto ja = outputs(1);
        const auto damaged = outputs(3);
        EXPECT_NE(ja.first, none.first);
        EXPECT_NE(ja.second, none.second);
        EXPECT_EQ(damaged.first, none.first);
        EXPECT_EQ(damaged.second, none.second);
    }
}

} // namespace

// A note keeps its edition: a 2007 note prints and renders as a 2007 note after
// the setting has turned to 2009 (the 2009 table put every box from the tunnel
// code on one box off).
TEST_F(NationalPrint, ANoteKeepsItsEditionWhenTheSettingChanges)
{
    Settings().Set(kSection, Settings::NatVersion, 2007);
    CFrachtbriefNatDoc note(Settings());
    note.OnNewDocument();
    note.GetStore().SetFieldText(47, QString::fromLatin1(kIssueText), 1); // box L of 2007
    note.GetStore().SetFieldText(125, QStringLiteral("Palette"), 1);      // its last box

    const auto printed = [&](const char* name) {
        const PrintContext context = PrintContext::Read(note.Form(), Settings());
        const QString print = env.FilePath(QStringLiteral("print-%1.pdf").arg(name));
        EXPECT_TRUE(Succeeded(PrintDocumentToPdf(note, context, print, 1, 1)));
        const QString whole = env.FilePath(QStringLiteral("whole-%1.pdf").arg(name));
        EXPECT_TRUE(Succeeded(SaveWholeNotePdf(note, context, AllPagesJob(note.Form()), whole)));
        return std::make_pair(ReadPdfWords(print).pages.value(0),
                              ReadPdfWords(whole).pages.value(0));
    };
    const auto as2007 = printed("2007");
    Settings().Set(kSection, Settings::NatVersion, 2009);
    const auto after = printed("2009");
    for (const char* word : {kIssueText, "Palette"}) {
        const auto before = FindWord(as2007.first, word);
        ASSERT_TRUE(before) << word;
        ExpectStartsAt(after.first, word, before->mm.left(), before->mm.top());
        const auto drawn = FindWord(as2007.second, word);
        ASSERT_TRUE(drawn) << word;
        ExpectStartsAt(after.second, word, drawn->mm.left(), drawn->mm.top());
    }
}
