// The arithmetic of the printer calibration: readings of a calibration page
// printed on a printer with a known offset and scale must give back the margins
// and the print-area correction that cancel them, on every form and page.
#include "core/errors/errortext.h"
#include "core/printing/printcalibration.h"
#include "core/settings/settingkeys.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using Calibration::PrintSettings;
using Result = Expected<Calibration::Solution>;

// What the clerk types: millimetres with one decimal.
Calibration::Readings Typed(const Calibration::Readings& exact)
{
    Calibration::Readings typed{};
    for (size_t i = 0; i < exact.size(); ++i)
        typed[i] = QPointF(std::round(exact[i].x()), std::round(exact[i].y()));
    return typed;
}

struct Page
{
    const Forms::FormDescription* form;
    int page;
    int publisher;
};

// Every page of every form, on the first publisher's sheet and on another one.
QVector<Page> AllPages()
{
    QVector<Page> pages;
    for (const Forms::FormDescription* form : Forms::AllFormDescriptions())
        for (int page = 1; page <= form->pageCount; ++page)
            for (int publisher : {0, 2})
                pages.append({form, page, publisher});
    return pages;
}

struct SolveCase
{
    const char* name;
    PrintSettings current;  // what the calibration page was printed with
    QPointF printerOffset;  // 0.1 mm the printer puts everything off
    QPointF printerScale;   // and its scale
    PrintSettings expected; // what brings the boxes back onto the sheet
    // How far the corners may still lie from the crosshairs of a second page: the
    // print routine truncates to whole tenths, and a factor in whole thousandths
    // cannot undo every scale exactly (a few hundredths over a sheet's width).
    double secondPageWithin = 1.2;
};

class CalibrationSolve : public testing::TestWithParam<SolveCase>
{
};

TEST_P(CalibrationSolve, RecoversTheSettingsOnEveryPage)
{
    const SolveCase& c = GetParam();
    for (const Page& p : AllPages()) {
        SCOPED_TRACE(testing::Message() << GetFormTypeInfo(p.form->type).name.data() << " page "
                                        << p.page << " publisher " << p.publisher);
        const Calibration::Marks marks = Calibration::MarksFor(*p.form, p.page, p.publisher);
        const Calibration::Readings readings = Typed(
            Calibration::SimulatedReadings(marks, c.current, c.printerOffset, c.printerScale));
        const Result result = Calibration::Solve(marks, readings, c.current);
        ASSERT_TRUE(Succeeded(result.error()));

        // Within 0.1 mm and 0.1 %.
        EXPECT_NEAR(result->settings.margins.x(), c.expected.margins.x(), 1);
        EXPECT_NEAR(result->settings.margins.y(), c.expected.margins.y(), 1);
        EXPECT_NEAR(result->settings.factorH, c.expected.factorH, 1);
        EXPECT_NEAR(result->settings.factorV, c.expected.factorV, 1);

        // The second calibration page: both corners on their boxes, and the
        // residual the assistant announces is the one that page shows, as far as
        // readings to a tenth of a millimetre tell.
        const Calibration::Readings second = Calibration::SimulatedReadings(
            marks, result->settings, c.printerOffset, c.printerScale);
        for (size_t i = 0; i < second.size(); ++i) {
            EXPECT_LE(std::abs(second[i].x()), c.secondPageWithin) << "mark " << i;
            EXPECT_LE(std::abs(second[i].y()), c.secondPageWithin) << "mark " << i;
            EXPECT_NEAR(result->residual[i].x(), second[i].x(), 1.0) << "mark " << i;
            EXPECT_NEAR(result->residual[i].y(), second[i].y(), 1.0) << "mark " << i;
        }
    }
}

const PrintSettings kUnchanged{};
const PrintSettings kEarlierTries{QPoint(20, -5), 1010, 990};

INSTANTIATE_TEST_SUITE_P(
    Printers, CalibrationSolve,
    testing::Values(
        SolveCase{"true", kUnchanged, {0, 0}, {1, 1}, kUnchanged},
        SolveCase{"offset", kUnchanged, {15, -10}, {1, 1}, {QPoint(-15, 10), 1000, 1000}},
        SolveCase{"scale", kUnchanged, {0, 0}, {1.005, 1.005}, {QPoint(0, 0), 995, 995}},
        // A printout 1.5 mm right, 1 mm high and 100.5 % large.
        SolveCase{
            "offsetAndScale", kUnchanged, {15, -10}, {1.005, 1.005}, {QPoint(-15, 10), 995, 995}},
        // A sheet that wants 1.5 mm right, 1 mm up and 100.5 %.
        SolveCase{"wantsOffsetAndScale",
                  kUnchanged,
                  {-15, 10},
                  {1 / 1.005, 1 / 1.005},
                  {QPoint(15, -10), 1005, 1005}},
        SolveCase{"axesApart", kUnchanged, {3, 7}, {0.99, 1.02}, {QPoint(-3, -7), 1010, 980}, 2.0},
        // Printed with the settings of earlier tries: the printer's needs stay
        // what they are.
        SolveCase{"afterEarlierTries",
                  kEarlierTries,
                  {15, -10},
                  {1.005, 1.005},
                  {QPoint(-15, 10), 995, 995}},
        // The most the margin dialogs and the correction dialog take.
        SolveCase{"limits",
                  {QPoint(150, -150), 1000, 1000},
                  {-195, 195},
                  {1 / 1.03, 1 / 0.97},
                  {QPoint(195, -195), 1030, 970}}),
    [](const testing::TestParamInfo<SolveCase>& info) { return std::string(info.param.name); });

// Crosshairs that lie on their corners call for no change, whatever settings
// the page was printed with: the assistant must not move the printout by a
// tenth each time the clerk takes the values of a second page that is right.
TEST(CalibrationSolve, CrosshairsOnTheirCornersKeepTheSettings)
{
    const PrintSettings printedWith[] = {kUnchanged, kEarlierTries, {QPoint(-15, 10), 995, 1004}};
    for (const PrintSettings& current : printedWith) {
        for (const Page& p : AllPages()) {
            SCOPED_TRACE(testing::Message()
                         << GetFormTypeInfo(p.form->type).name.data() << " page " << p.page
                         << " publisher " << p.publisher << " margins " << current.margins.x()
                         << "," << current.margins.y() << " factors " << current.factorH << ","
                         << current.factorV);
            const Result result = Calibration::Solve(
                Calibration::MarksFor(*p.form, p.page, p.publisher), {}, current);
            ASSERT_TRUE(Succeeded(result.error()));
            EXPECT_EQ(result->settings, current);
            EXPECT_EQ(result->residual, Calibration::Readings{});
        }
    }
}

struct RefusalCase
{
    const char* name;
    PrintSettings current;
    Calibration::Readings readings; // 0.1 mm
    ErrorCode code;                 // the axis it concerns included
    const char* inText;             // what the message must quote
};

class CalibrationRefusal : public testing::TestWithParam<RefusalCase>
{
};

TEST_P(CalibrationRefusal, RefusesWithAClearMessage)
{
    const RefusalCase& c = GetParam();
    const Forms::FormDescription& cmr = *Forms::AllFormDescriptions().first();
    const Calibration::Marks marks = Calibration::MarksFor(cmr, 1, 0);
    const Result result = Calibration::Solve(marks, c.readings, c.current);
    ASSERT_FALSE(result);
    EXPECT_EQ(result.error().code(), c.code);
    const QString text = ErrorMessage(result.error());
    EXPECT_TRUE(text.contains(QString::fromUtf8(c.inText))) << text.toStdString();
}

// Readings from the corners of CMR box 0 (7/15 mm) and the bottom right: a
// scale of 1.04 shows as 10 mm over the 250 mm between them.
INSTANTIATE_TEST_SUITE_P(
    Readings, CalibrationRefusal,
    testing::Values(RefusalCase{"beyondTheScale",
                                kUnchanged,
                                {QPointF(0, 0), QPointF(151, 0)},
                                ErrorCode::CalibrationReadingOutOfRangeAcross,
                                "Kreuz 2 (waagerecht) von 15,1 mm"},
                    RefusalCase{"beyondTheScaleUpwards",
                                kUnchanged,
                                {QPointF(0, -200), QPointF(0, 0)},
                                ErrorCode::CalibrationReadingOutOfRangeDown,
                                "Kreuz 1 (senkrecht) von -20,0 mm"},
                    RefusalCase{"notANumber",
                                kUnchanged,
                                {QPointF(0, 0), QPointF(0, std::nan(""))},
                                ErrorCode::CalibrationReadingOutOfRangeDown,
                                "Kreuz 2"},
                    RefusalCase{"printerFarTooSmall",
                                kUnchanged,
                                {QPointF(0, 0), QPointF(100, 0)},
                                ErrorCode::CalibrationCorrectionOutOfRangeAcross,
                                "97 bis 103 %"},
                    RefusalCase{"printerFarTooLarge",
                                kUnchanged,
                                {QPointF(0, 0), QPointF(0, -120)},
                                ErrorCode::CalibrationCorrectionOutOfRangeDown,
                                "vertikal"},
                    // Already 19 mm to the right, and the boxes lie 5 mm further right still.
                    RefusalCase{"marginBeyondTheDialogs",
                                {QPoint(190, 0), 1000, 1000},
                                {QPointF(50, 0), QPointF(50, 0)},
                                ErrorCode::CalibrationMarginOutOfRangeLeft,
                                "linker Rand von 24,0 mm"}),
    [](const testing::TestParamInfo<RefusalCase>& info) { return std::string(info.param.name); });

TEST(CalibrationMarks, CornersLieFarApartOnEveryPage)
{
    for (const Page& p : AllPages()) {
        SCOPED_TRACE(testing::Message() << GetFormTypeInfo(p.form->type).name.data() << " page "
                                        << p.page << " publisher " << p.publisher);
        const Calibration::Marks marks = Calibration::MarksFor(*p.form, p.page, p.publisher);
        EXPECT_EQ(marks[0].corner, Calibration::Corner::TopLeft);
        EXPECT_EQ(marks[1].corner, Calibration::Corner::BottomRight);
        // At least 8 cm apart either way, so that a tenth of a millimetre read
        // wrongly moves the scale by no more than 0.013 %.
        EXPECT_GE(marks[1].sheet.x() - marks[0].sheet.x(), 800);
        EXPECT_GE(marks[1].sheet.y() - marks[0].sheet.y(), 800);
        // Real corners of the boxes named, on the publisher's sheet.
        const Forms::BoxRect first = p.form->PrintEntry(marks[0].box, p.page, p.publisher, false);
        const Forms::BoxRect last = p.form->PrintEntry(marks[1].box, p.page, p.publisher, false);
        EXPECT_EQ(marks[0].sheet, QPoint(first.left, first.top));
        EXPECT_EQ(marks[1].sheet, QPoint(last.right, last.bottom));
    }
}

// A crosshair keeps its whole scales where the printable area has room; an arm
// that would leave the area ends just inside its edge, and the circle round the
// centre shrinks to what the arms leave it. A centre off the area has none.
TEST(CalibrationCrosshair, ArmsEndAtTheEdgeOfThePrintableArea)
{
    using Calibration::CrosshairExtent;
    const QSize a4(2100, 2970);
    const QSize printer(2016, 2886); // A4 less 4.2 mm all round
    const struct
    {
        const char* name;
        QPoint centre;
        QSize area;
        CrosshairExtent expected; // on page; left, right, up, down; circle
    } cases[] = {
        {"room all round", {1000, 1500}, a4, {true, 150, 150, 150, 150, 20}},
        {"cmr corner, left", {70, 150}, a4, {true, 69, 150, 149, 150, 20}},
        {"national corner, top", {120, 103}, a4, {true, 119, 150, 102, 150, 20}},
        {"forwarding corner on a printer", {2005, 2860}, printer, {true, 150, 10, 150, 25, 10}},
        {"a tenth inside", {1, 1}, a4, {false}},
        {"two tenths inside", {2, 2968}, a4, {true, 1, 150, 150, 1, 1}},
        {"on the edge", {0, 500}, a4, {false}},
        {"beyond the right edge", {2100, 500}, a4, {false}},
        {"shifted off the area", {-130, -50}, a4, {false}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CrosshairExtent got = Calibration::FitCrosshair(c.centre, c.area);
        EXPECT_EQ(got.onPage, c.expected.onPage);
        if (!c.expected.onPage)
            continue;
        EXPECT_EQ(got.left, c.expected.left);
        EXPECT_EQ(got.right, c.expected.right);
        EXPECT_EQ(got.up, c.expected.up);
        EXPECT_EQ(got.down, c.expected.down);
        EXPECT_EQ(got.circle, c.expected.circle);
    }
}

TEST(CalibrationSettings, StoredUnderThePagesKeysAndTheProgramsCorrection)
{
    TestEnvironment env;
    CSettingsStore& settings = env.Settings();
    const Forms::FormDescription& cmr = Forms::DescriptionForNew(FormType::Cmr, settings);
    const Forms::FormDescription& kombi = Forms::DescriptionForNew(FormType::Kombi, settings);

    ASSERT_TRUE(Calibration::WritePrintSettings(cmr, 2, {QPoint(-15, 10), 995, 1005}, settings));
    EXPECT_EQ(settings.Get(QStringLiteral("CMR"), Settings::LeftMargin2), -15);
    EXPECT_EQ(settings.Get(QStringLiteral("CMR"), Settings::TopMargin2), 10);
    EXPECT_EQ(settings.Get(QStringLiteral("CMR"), Settings::LeftMargin1), 0);
    EXPECT_EQ(settings.Get(QStringLiteral("Settings"), Settings::PrnFactorH), 995);
    EXPECT_EQ(settings.Get(QStringLiteral("Settings"), Settings::PrnFactorV), 1005);

    ASSERT_TRUE(Calibration::WritePrintSettings(kombi, 1, {QPoint(7, -3), 1000, 1000}, settings));
    EXPECT_EQ(settings.Get(QStringLiteral("KombiFrachtbrief"), Settings::LeftMargin), 7);
    EXPECT_EQ(settings.Get(QStringLiteral("KombiFrachtbrief"), Settings::TopMargin), -3);

    const PrintSettings back = Calibration::ReadPrintSettings(cmr, 2, settings);
    EXPECT_EQ(back, (PrintSettings{QPoint(-15, 10), 1000, 1000}));
}

} // namespace
