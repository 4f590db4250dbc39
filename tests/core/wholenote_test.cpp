// The whole note on plain paper: the PDF that "Als PDF speichern..." and
// `tarvelomark-cli render --copies` write, read back with the poppler tools; the
// ink of the originals in a picture of a page; and outputs that cannot be
// written completely, which must leave the file that was there as it was.
#include "clirunner.h"
#include "cmrfixtures.h"
#include "core/documents/cmrdoc.h"
#include "core/documents/documentfactory.h"
#include "core/forms/cmrlayout.h"
#include "core/settings/regeditmanagment.h"
#include "guienvironment.h"
#include "printedpdf.h"
#include "render/printing/wholenote.h"
#include "render/views/formpainter.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

TVM_GUI_TEST_ENVIRONMENT();

const char* const kSenderText = "Nordwind-Logistik";
const char* const kBackText = "Vereinbarung";
const char* const kLabels[] = {"1 Exemplar für den Absender", "2 Exemplar für den Empfänger",
                               "3 Exemplar für den Frachtführer", "4 Weiteres Exemplar"};

class WholeNoteTest : public testing::Test
{
protected:
    void SetUp() override
    {
        if (!PopplerToolsInstalled())
            GTEST_SKIP() << "pdftotext and pdftoppm (poppler-utils) are not installed; "
                            "scripts/deps.sh installs them";
        QStringList texts(CmrLayout::kBoxCount);
        texts[0] = kSenderText;
        QFile file(cmrPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(CmrFixture::Current(302, 0, texts, kBackText));
    }

    // Renders through the command-line tool; the exit code.
    int Render(const QStringList& options, const QString& out)
    {
        return cli.Run(QStringList{QStringLiteral("render"), cmrPath, out} + options);
    }

    TestEnvironment env;
    CliRunner cli{env.Settings()};
    const QString cmrPath = env.FilePath(QStringLiteral("note.cmr"));
    const QString pdf = env.FilePath(QStringLiteral("note.pdf"));
};

struct CopiesCase
{
    const char* name;
    QStringList options;
    // Per page of the PDF: the label it carries (0 none, else 1..4) and the
    // page of the form it shows.
    QVector<QPair<int, int>> pages;
};

void PrintTo(const CopiesCase& c, std::ostream* os)
{
    *os << c.name;
}

class Copies : public WholeNoteTest, public testing::WithParamInterface<CopiesCase>
{
};

TEST_P(Copies, EveryCopyIsAPageOfItsOwnWithItsLabelAndTheTextsAsText)
{
    const CopiesCase& c = GetParam();
    ASSERT_EQ(Render(c.options, pdf), 0) << cli.err.toStdString();
    const PrintedPdf read = ReadPdfWords(pdf);
    ASSERT_EQ(read.pages.size(), c.pages.size());
    // The sheet at true size.
    EXPECT_NEAR(read.pageMm.width(), 205.0, 0.2);
    EXPECT_NEAR(read.pageMm.height(), 298.0, 0.2);
    for (int i = 0; i < c.pages.size(); ++i) {
        const auto [label, formPage] = c.pages[i];
        const QString text = PdfPageText(pdf, i + 1);
        SCOPED_TRACE(i + 1);
        for (int k = 1; k <= 4; ++k)
            EXPECT_EQ(text.contains(QString::fromUtf8(kLabels[k - 1])), k == label)
                << kLabels[k - 1] << " in: " << text.toStdString();
        // The texts are real text, where the screen shows them: box 1 starts at
        // 7 mm, 15 mm, its text 1.2 mm further right.
        const auto typed = FindWord(read.pages[i], formPage == 1 ? kSenderText : kBackText);
        ASSERT_TRUE(typed.has_value());
        EXPECT_NEAR(typed->mm.left(), formPage == 1 ? 8.2 : 11.2, 0.3);
        // And the form with them.
        EXPECT_TRUE(FindWord(read.pages[i], formPage == 1 ? "INTERNATIONALER" : "Sonstige"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cmr, Copies,
    testing::Values(CopiesCase{"labelled", {"--copies", "labelled"}, {{1, 1}, {2, 1}, {3, 1}}},
                    CopiesCase{"labelled with the fourth",
                               {"--copies", "labelled-all"},
                               {{1, 1}, {2, 1}, {3, 1}, {4, 1}}},
                    CopiesCase{"labelled, both pages",
                               {"--copies", "labelled", "--page", "all"},
                               {{1, 1}, {1, 2}, {2, 1}, {2, 2}, {3, 1}, {3, 2}}},
                    CopiesCase{"labelled back page",
                               {"--page", "2", "--copies", "labelled"},
                               {{1, 2}, {2, 2}, {3, 2}}},
                    CopiesCase{"plain copies of both pages",
                               {"--copies", "2", "--page", "all"},
                               {{0, 1}, {0, 2}, {0, 1}, {0, 2}}},
                    CopiesCase{"all pages once", {"--page", "all"}, {{0, 1}, {0, 2}}}),
    [](const testing::TestParamInfo<CopiesCase>& info) {
        std::string name;
        for (const char* p = info.param.name; *p; ++p)
            name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
        return name;
    });

TEST_F(WholeNoteTest, PdfIsTitledWithTheDocumentAndNamesTheProgram)
{
    ASSERT_EQ(Render({"--copies", "labelled"}, pdf), 0) << cli.err.toStdString();
    QProcess info;
    info.start(QStandardPaths::findExecutable(QStringLiteral("pdfinfo")), {pdf});
    ASSERT_TRUE(info.waitForFinished(30000));
    const QString text = QString::fromUtf8(info.readAllStandardOutput());
    ProductVersion version;
    ASSERT_TRUE(ParseProductVersion(CRegeditManagment::BuiltProductVersion(), &version));
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Title:\\s+note\\.cmr\\n"))))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QRegularExpression(
        QStringLiteral("Creator:\\s+Tarvelomark %1\\n").arg(FormatVersionText(version)))))
        << text.toStdString();
}

// A form without originals has plain copies; it refuses labelled ones.
TEST_F(WholeNoteTest, KombiNoteHasPlainCopiesOnly)
{
    const QString kombi = env.FilePath(QStringLiteral("note.fb1"));
    auto document = CreateDocument(FormType::Kombi, env.Settings());
    document->OnNewDocument();
    document->GetStore().SetFieldText(0, QString::fromUtf8(kSenderText), 1);
    ASSERT_TRUE(Succeeded(document->OnSaveDocument(kombi)));

    ASSERT_EQ(cli.Run({"render", kombi, pdf, "--copies", "2"}), 0) << cli.err.toStdString();
    const PrintedPdf read = ReadPdfWords(pdf);
    ASSERT_EQ(read.pages.size(), 2);
    EXPECT_NEAR(read.pageMm.width(), 210.0, 0.2);
    for (const PdfPage& page : read.pages)
        EXPECT_TRUE(FindWord(page, kSenderText));

    EXPECT_EQ(cli.Run({"render", kombi, env.FilePath("x.pdf"), "--copies", "labelled"}), 1);
    EXPECT_TRUE(cli.err.contains(QStringLiteral("keine beschrifteten Exemplare")));
    // The Kombi note has no back page to write.
    EXPECT_EQ(cli.Run({"render", kombi, env.FilePath("x.pdf"), "--page", "2", "--copies", "2"}), 1);
    EXPECT_FALSE(QFile::exists(env.FilePath("x.pdf")));
}

TEST_F(WholeNoteTest, RefusedRequestsWriteNothing)
{
    const struct
    {
        QStringList options;
        QString out;
        int code;
    } cases[] = {
        {{"--copies", "labelled"}, env.FilePath("note.png"), 1},
        {{"--page", "all"}, env.FilePath("note.png"), 1},
        {{"--copies", "2", "--zoom", "12"}, pdf, 1},
        {{"--copies", "0"}, pdf, 2},
        {{"--copies", "100"}, pdf, 2},
        {{"--copies", "beschriftet"}, pdf, 2},
        {{"--page", "3", "--copies", "2"}, pdf, 2},
        {{"--copies", "labelled"}, env.FilePath("no/such/folder/note.pdf"), 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Render(c.options, c.out), c.code) << c.options.join(' ').toStdString();
        EXPECT_FALSE(QFile::exists(c.out)) << c.options.join(' ').toStdString();
    }
}

// ---------------------------------------------------------------------------
// The ink of the originals, in a picture of one pixel per 0.1 mm

class WholeNoteInk : public testing::Test
{
protected:
    QImage Draw(const NoteCopy& copy)
    {
        CCMRDoc document(env.Settings());
        document.OnNewDocument();
        document.GetStore().SetFieldText(0, QStringLiteral("MMMMMMMM"), 1);
        QImage image(CmrLayout::kSheetWidth, CmrLayout::kSheetHeight, QImage::Format_RGB32);
        image.setDotsPerMeterX(10000);
        image.setDotsPerMeterY(10000);
        image.fill(Qt::white);
        QPainter painter(&image);
        DrawWholeNotePage(painter, document, PrintContext::Read(document.Form(), env.Settings()), 1,
                          copy);
        return image;
    }

    // The darkest pixel of an area.
    static QColor Darkest(const QImage& image, const QRect& area)
    {
        QColor darkest = Qt::white;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (qGray(image.pixel(x, y)) < qGray(darkest.rgb()))
                    darkest = image.pixelColor(x, y);
        return darkest;
    }

    TestEnvironment env;
};

TEST_F(WholeNoteInk, TheFormIsInTheColourOfItsOriginalAndTheTextsStayBlack)
{
    const QVector<NoteCopy> copies = PlanCopies(CmrLayout::Description(), CopyPlan{5, true});
    ASSERT_EQ(copies.size(), 5);
    EXPECT_TRUE(copies[4].label.isEmpty()); // beyond the originals: plain
    // Where the frame's left line runs, and where the sender's text and the
    // labels stand.
    const QRect frameLine(CmrLayout::kFrameLeft - 5, 1000, 11, 1);
    const QRect senderText(80, 150, 300, 60);
    const QRect margin(CmrLayout::kFrameRight + 30, 0,
                       CmrLayout::kSheetWidth - CmrLayout::kFrameRight - 31, 1500);
    const QColor inks[] = {QColor(0xC8, 0x10, 0x2E), QColor(0x1F, 0x4E, 0x9C),
                           QColor(0x00, 0x84, 0x3D), QColor(Qt::black), QColor(Qt::black)};
    for (int k = 0; k < copies.size(); ++k) {
        SCOPED_TRACE(k + 1);
        const QImage image = Draw(copies[k]);
        const QColor line = Darkest(image, frameLine);
        EXPECT_LE(qAbs(line.red() - inks[k].red()) + qAbs(line.green() - inks[k].green()) +
                      qAbs(line.blue() - inks[k].blue()),
                  30)
            << line.name().toStdString();
        const QColor text = Darkest(image, senderText);
        EXPECT_LT(qMax(text.red(), qMax(text.green(), text.blue())), 60)
            << text.name().toStdString();
        const QColor label = Darkest(image, margin);
        if (k < 4)
            EXPECT_LE(qAbs(label.red() - inks[k].red()) + qAbs(label.green() - inks[k].green()) +
                          qAbs(label.blue() - inks[k].blue()),
                      30)
                << label.name().toStdString();
        else
            EXPECT_EQ(label, QColor(Qt::white));
    }
}

// ---------------------------------------------------------------------------
// A disk that fills up while an output is written

TEST_F(WholeNoteTest, OutputThatDoesNotFitKeepsTheOldFile)
{
    const struct
    {
        QStringList args;
        QString out;
    } cases[] = {
        {{"render", cmrPath, pdf, "--copies", "labelled"}, pdf},
        {{"render", cmrPath, pdf}, pdf},
        {{"render", cmrPath, env.FilePath("note.png")}, env.FilePath("note.png")},
        {{"print", cmrPath, pdf, "--copies", "3"}, pdf},
    };
    for (const auto& c : cases) {
        const std::string name = c.args.join(' ').toStdString();
        QFile old(c.out);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("alt");
        old.close();
        {
            const FileSizeLimit full(2000);
            EXPECT_EQ(cli.Run(c.args), 1) << name;
        }
        EXPECT_TRUE(cli.err.contains(c.out)) << name << ": " << cli.err.toStdString();
        ASSERT_TRUE(old.open(QIODevice::ReadOnly));
        EXPECT_EQ(old.readAll(), QByteArray("alt")) << name;
        old.close();
        // Nothing half-written beside it either.
        for (const QString& file : QDir(env.FilePath(QString())).entryList(QDir::Files))
            EXPECT_TRUE(file == QLatin1String("settings.ini") ||
                        file == QLatin1String("note.cmr") || file == QFileInfo(c.out).fileName())
                << name << ": " << file.toStdString();
        // With room the file is replaced.
        EXPECT_EQ(cli.Run(c.args), 0) << name << ": " << cli.err.toStdString();
        EXPECT_GT(QFileInfo(c.out).size(), 2000) << name;
        QFile::remove(c.out);
    }
}

} // namespace
