// The calibration page as the printer gets it: crosshairs exactly where the box
// texts land, found again in a raster of the printed PDF, and one pass of
// reading, solving and printing again that brings a printer with a known offset
// and scale onto the sheet.
#include "core/settings/settingkeys.h"
#include "guienvironment.h"
#include "printedpdf.h"
#include "render/printing/calibrationprint.h"
#include "testsupport.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

#include <gtest/gtest.h>

#include <cmath>

namespace {

TVM_GUI_TEST_ENVIRONMENT();

using Calibration::PrintSettings;

const Forms::FormDescription& Form(FormType type)
{
    for (const Forms::FormDescription* form : Forms::AllFormDescriptions())
        if (form->type == type)
            return *form;
    throw std::logic_error("form without a description");
}

// Darkness of a raster pixel, 0 outside the page.
int Darkness(const QImage& image, int x, int y)
{
    return image.rect().contains(x, y) ? 255 - qGray(image.pixel(x, y)) : 0;
}

// Where an arm of a crosshair lies across `axis`: the darkest line near
// `expected`, refined to the middle of its darkness. The arm is sampled 4 to
// 14 mm either side of the centre, clear of the numbers of the scales.
double FindArm(const QImage& image, const QPoint& centre, bool horizontalArm)
{
    const auto lineDarkness = [&](int across) {
        int sum = 0;
        for (int along = 40; along <= 140; ++along) {
            for (int side : {-1, 1}) {
                sum += horizontalArm ? Darkness(image, centre.x() + side * along, across)
                                     : Darkness(image, across, centre.y() + side * along);
            }
        }
        return sum;
    };
    const int expected = horizontalArm ? centre.y() : centre.x();
    int peak = expected;
    for (int at = expected - 20; at <= expected + 20; ++at)
        if (lineDarkness(at) > lineDarkness(peak))
            peak = at;
    double weight = 0, moment = 0;
    for (int at = peak - 2; at <= peak + 2; ++at) {
        weight += lineDarkness(at);
        moment += lineDarkness(at) * (at + 0.5); // a pixel's middle
    }
    return moment / weight;
}

class CalibrationPrint : public testing::Test
{
protected:
    void SetUp() override
    {
        if (!PopplerToolsInstalled())
            GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed; scripts/deps.sh "
                            "installs it";
    }

    void UseSettings(const Forms::FormDescription& form, int page, int publisher,
                     const PrintSettings& values)
    {
        env.Settings().Set(form.Section(), Settings::Publisher, publisher);
        ASSERT_TRUE(Calibration::WritePrintSettings(form, page, values, env.Settings()));
    }

    // The crosshair centres of the printed page in 0.1 mm of the paper.
    std::array<QPointF, 2> PrintAndFind(const Forms::FormDescription& form, int page)
    {
        const QString pdf = env.FilePath(QStringLiteral("calibration%1.pdf").arg(++m_prints));
        EXPECT_TRUE(Succeeded(
            PrintCalibrationPageToPdf(form, page, PrintContext::Read(form, env.Settings()), pdf)));
        const QImage raster = RasterPdfPage(pdf);
        EXPECT_NEAR(raster.width(), 2100, 1);
        EXPECT_NEAR(raster.height(), 2970, 1);
        std::array<QPointF, 2> found;
        const auto expected =
            CalibrationCrosshairs(form, page, PrintContext::Read(form, env.Settings()));
        for (size_t i = 0; i < found.size(); ++i) {
            found[i] =
                QPointF(FindArm(raster, expected[i], false), FindArm(raster, expected[i], true));
            // On paper where the page meant to put it, to half a raster pixel.
            EXPECT_NEAR(found[i].x(), expected[i].x(), 0.5) << "mark " << i;
            EXPECT_NEAR(found[i].y(), expected[i].y(), 0.5) << "mark " << i;
        }
        return found;
    }

    TestEnvironment env;
    int m_prints = 0;
};

// The crosshairs go where the print routine puts the box corners, by the
// arithmetic the assistant inverts, whatever the margins and the correction.
TEST_F(CalibrationPrint, CrosshairsAreWhereTheBoxCornersArePrinted)
{
    const PrintSettings settings[] = {
        {QPoint(0, 0), 1000, 1000},
        {QPoint(15, -10), 1005, 1005},
        {QPoint(-37, 23), 971, 1029},
        {QPoint(-200, -200), 1030, 970},
    };
    for (const Forms::FormDescription* form : Forms::AllFormDescriptions()) {
        for (int page = 1; page <= form->pageCount; ++page) {
            for (int publisher : {0, 1}) {
                for (const PrintSettings& values : settings) {
                    UseSettings(*form, page, publisher, values);
                    const Calibration::Marks marks = Calibration::MarksFor(*form, page, publisher);
                    const auto at = CalibrationCrosshairs(
                        *form, page, PrintContext::Read(*form, env.Settings()));
                    for (size_t i = 0; i < at.size(); ++i)
                        EXPECT_EQ(at[i], Calibration::PrintedPosition(marks[i].sheet, values))
                            << GetFormTypeInfo(form->type).name.data() << " page " << page
                            << " publisher " << publisher << " mark " << i;
                }
            }
        }
    }
}

struct PassCase
{
    const char* name;
    FormType form;
    int page;
    int publisher;
    PrintSettings current;
};

class CalibrationPass : public CalibrationPrint, public testing::WithParamInterface<PassCase>
{
};

// A printer that puts everything 1.5 mm right and 1 mm high and prints 100.5 %
// large: the readings of its calibration page give the settings that undo it
// within 0.1 mm and 0.1 %, and its second calibration page shows the corners on
// their boxes.
TEST_P(CalibrationPass, OnePassBringsThePrinterOntoTheSheet)
{
    const PassCase& c = GetParam();
    const Forms::FormDescription& form = Form(c.form);
    UseSettings(form, c.page, c.publisher, c.current);
    const Calibration::Marks marks = Calibration::MarksFor(form, c.page, c.publisher);
    const QPointF offset(15, -10);
    const double scale = 1.005;
    // What the clerk reads at each crosshair, to a tenth of a millimetre.
    const auto read = [&](const std::array<QPointF, 2>& printed) {
        Calibration::Readings readings{};
        for (size_t i = 0; i < printed.size(); ++i) {
            const QPointF paper = offset + printed[i] * scale;
            readings[i] = QPointF(std::round(marks[i].sheet.x() - paper.x()),
                                  std::round(marks[i].sheet.y() - paper.y()));
        }
        return readings;
    };

    const Expected<Calibration::Solution> result =
        Calibration::Solve(marks, read(PrintAndFind(form, c.page)), c.current);
    ASSERT_TRUE(Succeeded(result.error()));
    EXPECT_NEAR(result->settings.margins.x(), -15, 1);
    EXPECT_NEAR(result->settings.margins.y(), 10, 1);
    EXPECT_NEAR(result->settings.factorH, 995, 1);
    EXPECT_NEAR(result->settings.factorV, 995, 1);

    UseSettings(form, c.page, c.publisher, result->settings);
    const Calibration::Readings second = read(PrintAndFind(form, c.page));
    for (size_t i = 0; i < second.size(); ++i) {
        EXPECT_LE(std::abs(second[i].x()), 1) << "mark " << i;
        EXPECT_LE(std::abs(second[i].y()), 1) << "mark " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pages, CalibrationPass,
    testing::Values(
        PassCase{"cmrFront", FormType::Cmr, 1, 2, {}},
        PassCase{"cmrBackAfterEarlierTries", FormType::Cmr, 2, 0, {QPoint(20, -5), 1010, 990}},
        PassCase{"kombi", FormType::Kombi, 1, 0, {QPoint(-7, 4), 1000, 1000}}),
    [](const testing::TestParamInfo<PassCase>& info) { return std::string(info.param.name); });

// Ink outside `area` of a grey image whose pixels are tenths of a millimetre:
// the first few places, "x,y" from the area's corner.
QStringList InkOutside(const QImage& image, const QRect& area)
{
    QStringList found;
    for (int y = 0; y < image.height() && found.size() < 5; ++y) {
        const uchar* line = image.constScanLine(y);
        const bool rowInside = y >= area.top() && y <= area.bottom();
        for (int x = 0; x < image.width() && found.size() < 5; ++x) {
            if (rowInside && x == area.left())
                x = area.right() + 1; // the area itself
            if (x < image.width() && line[x] < 215)
                found << QStringLiteral("%1,%2").arg(x - area.x()).arg(y - area.y());
        }
    }
    return found;
}

// Everything of the page stays on the area the printer can print: a whole A4
// page (the PDF), a laser printer's area and a tight one, with margins that
// push a corner towards the edge and beyond it. Arms that would leave the area
// are shortened, a crosshair whose centre is off it is left out and named.
TEST(CalibrationPageArea, EverythingStaysOnThePrintableArea)
{
    TestEnvironment env;
    constexpr int band = 200; // room round the area, where no ink may go
    const QSize areas[] = {{2100, 2970}, {2016, 2886}, {1950, 2800}};
    const PrintSettings settings[] = {
        {QPoint(0, 0), 1000, 1000},
        {QPoint(-60, 60), 1030, 1030},
        {QPoint(-200, -200), 1000, 1000},
    };
    for (const Forms::FormDescription* form : Forms::AllFormDescriptions()) {
        for (int page = 1; page <= form->pageCount; ++page) {
            for (const PrintSettings& values : settings) {
                env.Settings().Set(form->Section(), Settings::Publisher, 0);
                ASSERT_TRUE(Calibration::WritePrintSettings(*form, page, values, env.Settings()));
                const auto centres =
                    CalibrationCrosshairs(*form, page, PrintContext::Read(*form, env.Settings()));
                for (const QSize& area : areas) {
                    SCOPED_TRACE(testing::Message()
                                 << GetFormTypeInfo(form->type).name.data() << " page " << page
                                 << " margins " << values.margins.x() << "," << values.margins.y()
                                 << " area " << area.width() << "x" << area.height());
                    QImage image(area + QSize(2 * band, 2 * band), QImage::Format_Grayscale8);
                    image.fill(Qt::white);
                    image.setDotsPerMeterX(10000); // 254 dpi: a pixel a tenth of a millimetre
                    image.setDotsPerMeterY(10000);
                    {
                        QPainter painter(&image);
                        painter.setViewport(band, band, image.width(), image.height());
                        painter.setWindow(0, 0, image.width(), image.height());
                        DrawCalibrationPage(painter, *form, page,
                                            PrintContext::Read(*form, env.Settings()), area);
                    }
                    const QRect inside(QPoint(band, band), area);
                    const QStringList outside = InkOutside(image, inside);
                    EXPECT_TRUE(outside.isEmpty()) << outside.join(' ').toStdString();
                    for (size_t i = 0; i < centres.size(); ++i) {
                        const QPoint at = centres[i] + QPoint(band, band);
                        const bool drawn = Darkness(image, at.x(), at.y()) > 100;
                        EXPECT_EQ(drawn, Calibration::FitCrosshair(centres[i], area).onPage)
                            << "mark " << i << " at " << centres[i].x() << "," << centres[i].y();
                    }
                }
            }
        }
    }
}

// On a device that cannot print to the paper's edge (a PDF with margins, as a
// printer): the page takes the area from the device, keeps within it and names
// the crosshair that falls outside it.
TEST_F(CalibrationPrint, KeepsToTheAreaTheDeviceCanPrint)
{
    const Forms::FormDescription& form = Form(FormType::Forwarding);
    UseSettings(form, 1, 0, {});
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(6, 6, 6, 6), QPageLayout::Millimeter));
    // Whole device pixels, never more than the area.
    const QSize area = PrintableArea(writer);
    EXPECT_NEAR(area.width(), 1980, 1);
    EXPECT_NEAR(area.height(), 2850, 1);
    EXPECT_LE(area.width(), 1980);
    ASSERT_TRUE(
        Succeeded(PrintCalibrationPage(writer, form, 1, PrintContext::Read(form, env.Settings()))));
    buffer.close();
    const QString pdf = env.FilePath(QStringLiteral("margins.pdf"));
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
    file.close();

    const QImage raster = RasterPdfPage(pdf).convertToFormat(QImage::Format_Grayscale8);
    const QStringList outside = InkOutside(raster, QRect(60, 60, 1980, 2850));
    EXPECT_TRUE(outside.isEmpty()) << outside.join(' ').toStdString();
    // The lower right corner of the forwarding order lies beyond such an area.
    const auto centres = CalibrationCrosshairs(form, 1, PrintContext::Read(form, env.Settings()));
    EXPECT_TRUE(Calibration::FitCrosshair(centres[0], QSize(1980, 2850)).onPage);
    EXPECT_FALSE(Calibration::FitCrosshair(centres[1], QSize(1980, 2850)).onPage);
    QStringList words;
    for (const PdfWord& word : ReadPdfWords(pdf).pages.value(0))
        words << word.text;
    EXPECT_TRUE(words.join(QLatin1Char(' ')).contains(QStringLiteral("Kreuz 2 fehlt")))
        << words.join(QLatin1Char(' ')).toStdString();
}

TEST_F(CalibrationPrint, PageSaysWhatItIsAndWithWhichSettings)
{
    const Forms::FormDescription& cmr = Form(FormType::Cmr);
    UseSettings(cmr, 2, 3, {QPoint(15, -10), 1005, 990});
    const QString pdf = env.FilePath(QStringLiteral("words.pdf"));
    ASSERT_TRUE(
        Succeeded(PrintCalibrationPageToPdf(cmr, 2, PrintContext::Read(cmr, env.Settings()), pdf)));
    const PrintedPdf printed = ReadPdfWords(pdf);
    ASSERT_EQ(printed.pages.size(), 1);
    QStringList words;
    for (const PdfWord& word : printed.pages[0])
        words << word.text;
    const QString text = words.join(QLatin1Char(' '));
    for (const char* expected :
         {"Kalibrierblatt", "CMR-Frachtbrief, Rückseite; Hersteller: Verkehrs Verlag Fischer",
          "links 1,5 mm und oben -1,0 mm", "horizontal 100,5 % und vertikal 99,0 %",
          "Ecke oben links", "Ecke unten rechts", "+10", "\u221210"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;

    // A file that cannot be written is told by its name.
    const QString nowhere = env.FilePath(QStringLiteral("fehlt/blatt.pdf"));
    const Error error =
        PrintCalibrationPageToPdf(cmr, 1, PrintContext::Read(cmr, env.Settings()), nowhere);
    EXPECT_EQ(error.code(), ErrorCode::WriteFailed);
    EXPECT_EQ(error.file(), nowhere);
    EXPECT_FALSE(QFile::exists(nowhere));
}

} // namespace
