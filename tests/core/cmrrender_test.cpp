// The drawn CMR form: caption extents measured with the real fonts, the box
// texts and the permit cross in control renders, the PNG and PDF output of the
// command-line tool, and the zoom arithmetic of the form views.
#include "cli/clicommands.h"
#include "core/documents/cmrdoc.h"
#include "core/documents/documentfactory.h"
#include "core/fields/fieldstore.h"
#include "core/forms/cmrlayout.h"
#include "core/settings/settingkeys.h"
#include "guienvironment.h"
#include "render/rendercontext.h"
#include "render/views/formpainter.h"
#include "render/views/formrender.h"
#include "render/views/viewzoom.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTextStream>

using namespace CmrLayout;

namespace {

TVM_GUI_TEST_ENVIRONMENT();

QString CmrSection()
{
    return GetFormTypeInfo(FormType::Cmr).section;
}

// ---------------------------------------------------------------------------
// Caption extents

struct Caption
{
    QString text;
    QRectF ink;  // what the glyphs cover
    QRectF caps; // the band between baseline and cap height, across the advance
    bool formVersion;
};

QVector<Caption> Page1Captions(const CFormPainter& painter)
{
    QVector<Caption> captions;
    int inGroup[4] = {};
    for (int r = 0; r < kCaptionRecordsPage1Count; ++r) {
        const CaptionRecord& c = kCaptionRecordsPage1[r];
        const int g = c.group;
        const bool bold = g == 0 || (g == 1 && inGroup[g] < kTitleLineCount);
        ++inGroup[g];
        const QFontMetricsF metrics(bold ? painter.Font(CmrLayout::kBoldCaptionFont)
                                         : painter.Font(CmrLayout::kCaptionFont));
        const QString text = g == 3 ? FormVersionLine(3) : QString::fromUtf8(c.text);
        const qreal width = metrics.horizontalAdvance(text);
        const qreal x = c.x - (g == 0 ? width : 0);
        const qreal baseline = -c.y - metrics.descent();
        captions.append({text, metrics.tightBoundingRect(text).translated(x, baseline),
                         QRectF(x, baseline - metrics.capHeight(), width, metrics.capHeight()),
                         g == 3});
    }
    return captions;
}

QRectF TypingArea(int i)
{
    const CmrRect& r = kBoxRecords[i].rect;
    return QRectF(QPointF(r.left, r.top), QPointF(r.right, r.bottom));
}

QRectF LineArea(const Segment& s, int penWidth)
{
    const qreal half = penWidth / 2.0;
    return QRectF(QPointF(qMin(s.x1, s.x2), -qMax(s.y1, s.y2)),
                  QPointF(qMax(s.x1, s.x2), -qMin(s.y1, s.y2)))
        .adjusted(-half, -half, half, half);
}

TEST(CmrFormCaptions, FontHeightsFollowTheZoom)
{
    EXPECT_EQ(CFormPainter::FontHeight(CmrLayout::kCaptionFont, 10), 30);
    EXPECT_EQ(CFormPainter::FontHeight(CmrLayout::kBoldCaptionFont, 10), 33);
    EXPECT_EQ(CFormPainter::FontHeight(CmrLayout::kCaptionFont, 14), 43);
    EXPECT_EQ(CFormPainter::FontHeight(CmrLayout::kBoldCaptionFont, 14), 46);
}

// Every caption lies inside the frame, clear of the typing areas and of every
// line, and no two captions collide.
TEST(CmrFormCaptions, Page1CaptionsStayInTheirBoxes)
{
    const CFormPainter painter(CmrLayout::Description(), 10);
    const QVector<Caption> captions = Page1Captions(painter);
    ASSERT_EQ(captions.size(), kCaptionRecordsPage1Count);
    const QRectF frame(QPointF(kFrameLeft, kFrameTop), QPointF(kFrameRight, kFrameBottom));
    const auto lineGroups = LineGroups(kLinesPage1);

    for (const Caption& c : captions) {
        const std::string name = c.text.toStdString();
        if (c.formVersion) {
            EXPECT_GT(c.ink.top(), frame.bottom()) << name;
            EXPECT_LT(c.ink.bottom(), kSheetHeight) << name;
            continue;
        }
        EXPECT_TRUE(frame.contains(c.ink)) << name;
        for (int i = 0; i < kPage2Entry; ++i)
            EXPECT_FALSE(c.ink.intersects(TypingArea(i))) << name << " over box " << i;
        for (int g = 0; g < lineGroups.size(); ++g)
            for (const Segment& s : lineGroups[g])
                EXPECT_FALSE(c.ink.intersects(LineArea(s, PenWidth(Page1LineGroup(g)))))
                    << name << " on the line " << s.x1 << ',' << s.y1 << ' ' << s.x2 << ',' << s.y2;
    }
    for (int a = 0; a < captions.size(); ++a)
        for (int b = a + 1; b < captions.size(); ++b)
            EXPECT_FALSE(captions[a].caps.intersects(captions[b].caps))
                << captions[a].text.toStdString() << " / " << captions[b].text.toStdString();
}

TEST(CmrFormCaptions, Page2CaptionsStayOnTheSheetAndOffTheAgreementsBox)
{
    const QFontMetricsF metrics(
        CFormPainter(CmrLayout::Description(), 10).Font(CmrLayout::kCaptionFont));
    for (int i = 0; i < kCaptionRecordsPage2Count; ++i) {
        const CaptionRecord& c = kCaptionRecordsPage2[i];
        const QString text = QString::fromUtf8(c.text);
        const QRectF ink =
            metrics.tightBoundingRect(text).translated(c.x, -c.y - metrics.descent());
        EXPECT_TRUE(QRectF(0, 0, kSheetWidth, kSheetHeight).contains(ink)) << i;
        EXPECT_FALSE(ink.intersects(TypingArea(kPage2Entry))) << i;
        for (const Segment& s : LineGroups(kLinesPage2).value(0).mid(kPage2FilledRectCount))
            EXPECT_FALSE(ink.intersects(LineArea(s, 2))) << i;
    }
}

// ---------------------------------------------------------------------------
// Control renders: one pixel is 0.1 mm, so table coordinates are pixels.

QImage RenderAtTableScale(const CKrDocument& document, CSettingsStore& settings, int page = 1)
{
    QImage image(kSheetWidth, kSheetHeight, QImage::Format_RGB32);
    image.setDotsPerMeterX(10000);
    image.setDotsPerMeterY(10000);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setTransform(Render::TenthMillimetreTransform(image, 10));
    RenderFormPage(painter, document, PrintContext::Read(document.Form(), settings), page, 10);
    return image;
}

bool IsEditBlue(QRgb pixel)
{
    return qBlue(pixel) > 200 && qRed(pixel) < 100 && qGreen(pixel) < 100;
}

int BlueIn(const QImage& image, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += IsEditBlue(image.pixel(x, y));
    return count;
}

QRect Area(const CmrRect& r, int inset = 0)
{
    return QRect(QPoint(r.left + inset, r.top + inset), QPoint(r.right - inset, r.bottom - inset));
}

struct PermitCase
{
    const char* what;
    const char* permitNumber; // box 174
    const char* box172;
    quint16 permitType;
    int crossedCheckbox; // 0..3, or -1 for none
};

void PrintTo(const PermitCase& c, std::ostream* os)
{
    *os << c.what;
}

class CmrPermitCross : public testing::TestWithParam<PermitCase>
{
};

TEST_P(CmrPermitCross, IsDrawnOnlyWhenThePermitNumberIsFilledIn)
{
    const PermitCase& c = GetParam();
    TestEnvironment env;
    CCMRDoc document(env.Settings());
    document.OnNewDocument();
    document.GetStore().SetFieldText(kPermitGuardBox, QString::fromUtf8(c.permitNumber), 1);
    document.GetStore().SetFieldText(172, QString::fromUtf8(c.box172), 1);
    document.m_wPermitType = c.permitType;
    const QImage image = RenderAtTableScale(document, env.Settings());

    for (int k = 0; k < kPermitBoxCount; ++k) {
        const int blue = BlueIn(image, Area(kBoxRecords[kFirstPermitBox + k].rect, 4));
        if (k == c.crossedCheckbox)
            EXPECT_GT(blue, 40) << c.what << ": checkbox " << k;
        else
            EXPECT_EQ(blue, 0) << c.what << ": checkbox " << k;
    }
    // Where an out-of-range permit type would point: box 0 and the back page's
    // box, both empty in this document.
    EXPECT_EQ(BlueIn(image, Area(kBoxRecords[0].rect)), 0) << c.what;
    EXPECT_EQ(BlueIn(image, Area(kBoxRecords[kPage2Entry].rect)), 0) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CmrPermitCross,
    testing::Values(PermitCase{"EG with a permit number", "D-0815", "", 3, 2},
                    PermitCase{"National with a permit number", "D-0815", "", 1, 0},
                    PermitCase{"CEMT with a permit number", "D-0815", "", 4, 3},
                    PermitCase{"no permit number, only pallets", "", "X", 3, -1},
                    PermitCase{"a permit number of white space", " \t\r\n ", "", 3, -1},
                    PermitCase{"no permit type", "D-0815", "", 0, -1},
                    PermitCase{"a permit type the form does not have", "D-0815", "", 5, -1},
                    PermitCase{"a permit type far beyond the form", "D-0815", "", 7, -1}),
    [](const testing::TestParamInfo<PermitCase>& info) { return TestCaseName(info.param.what); });

TEST(CmrRender, BoxTextsLieInTheirBoxesInTheEditColour)
{
    TestEnvironment env;
    CCMRDoc document(env.Settings());
    document.OnNewDocument();
    document.GetStore().SetFieldText(0, QStringLiteral("Muster GmbH\r\nHamburg"), 1);
    document.GetStore().SetFieldText(14, QStringLiteral("2,4"), 1); // right-aligned
    document.GetStore().SetFieldText(0, QStringLiteral("Sonstige Vereinbarung"), 2);
    const QImage front = RenderAtTableScale(document, env.Settings());
    EXPECT_GT(BlueIn(front, Area(kBoxRecords[0].rect)), 100);
    const CmrRect volume = kBoxRecords[14].rect;
    const int mid = (volume.left + volume.right) / 2;
    EXPECT_EQ(BlueIn(front, QRect(QPoint(volume.left, volume.top), QPoint(mid, volume.bottom))), 0);
    EXPECT_GT(BlueIn(front, QRect(QPoint(mid, volume.top), QPoint(volume.right, volume.bottom))),
              0);

    const QImage back = RenderAtTableScale(document, env.Settings(), 2);
    EXPECT_GT(BlueIn(back, Area(kBoxRecords[kPage2Entry].rect)), 100);
    EXPECT_EQ(back.pixel(200, 2000), qRgb(0xC0, 0xC0, 0xC0)); // a translation column
    EXPECT_EQ(BlueIn(back, Area(kBoxRecords[14].rect)), 0);   // the front's texts stay on the front
}

TEST(CmrRender, ThePublisherChangesOnlyTheFootOfTheForm)
{
    TestEnvironment env;
    CCMRDoc document(env.Settings());
    document.OnNewDocument();
    env.Settings().Set(CmrSection(), Settings::Publisher, 0);
    const QImage publisher0 = RenderAtTableScale(document, env.Settings());
    env.Settings().Set(CmrSection(), Settings::Publisher, 2);
    const QImage publisher2 = RenderAtTableScale(document, env.Settings());
    ASSERT_EQ(publisher0.size(), publisher2.size());
    int firstDifferentRow = -1;
    for (int y = 0; y < publisher0.height() && firstDifferentRow < 0; ++y)
        if (memcmp(publisher0.constScanLine(y), publisher2.constScanLine(y),
                   publisher0.bytesPerLine()) != 0)
            firstDifferentRow = y;
    EXPECT_GT(firstDifferentRow, kFrameBottom);
}

// ---------------------------------------------------------------------------
// Files and the command-line tool

class CmrRenderFiles : public testing::Test
{
protected:
    void SetUp() override
    {
        CCMRDoc document(env.Settings());
        document.OnNewDocument();
        document.GetStore().SetFieldText(0, QStringLiteral("Muster GmbH"), 1);
        cmrPath = env.FilePath(QStringLiteral("note.cmr"));
        ASSERT_TRUE(Succeeded(document.OnSaveDocument(cmrPath)));
    }

    int Run(const QStringList& args)
    {
        out.clear();
        err.clear();
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        return RunCli(args, env.Settings(), outStream, errStream);
    }

    TestEnvironment env;
    QString cmrPath;
    QString out;
    QString err;
};

TEST_F(CmrRenderFiles, PngHasTheSheetsSizeAtTheZoom)
{
    const QString real = env.FilePath(QStringLiteral("real.png"));
    const QString zoomed = env.FilePath(QStringLiteral("zoomed.png"));
    ASSERT_EQ(Run({QStringLiteral("render"), cmrPath, real}), 0) << err.toStdString();
    ASSERT_EQ(Run({QStringLiteral("render"), cmrPath, zoomed, QStringLiteral("--zoom"),
                   QStringLiteral("15"), QStringLiteral("--page"), QStringLiteral("2")}),
              0)
        << err.toStdString();
    // 205 x 298 mm at 96 dots per inch.
    EXPECT_EQ(QImage(real).size(), QSize(775, 1127));
    EXPECT_EQ(QImage(zoomed).size(), QSize(1163, 1690));
}

TEST_F(CmrRenderFiles, PdfPageIsTheSheet)
{
    const QString pdf = env.FilePath(QStringLiteral("note.pdf"));
    ASSERT_EQ(Run({QStringLiteral("render"), cmrPath, pdf}), 0) << err.toStdString();
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString content = QString::fromLatin1(file.readAll());
    const auto match = QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"))
                           .match(content);
    ASSERT_TRUE(match.hasMatch());
    constexpr qreal kPointsPerMm = 72 / 25.4;
    EXPECT_NEAR(match.captured(1).toDouble() / kPointsPerMm, 205, 0.5);
    EXPECT_NEAR(match.captured(2).toDouble() / kPointsPerMm, 298, 0.5);
}

TEST_F(CmrRenderFiles, RefusedRequests)
{
    const QString png = env.FilePath(QStringLiteral("x.png"));
    struct Refusal
    {
        QStringList args;
        int code;
    };
    const Refusal refusals[] = {
        {{QStringLiteral("render"), cmrPath}, 2},
        {{QStringLiteral("render"), cmrPath, png, QStringLiteral("--zoom")}, 2},
        {{QStringLiteral("render"), cmrPath, png, QStringLiteral("--zoom"), QStringLiteral("9")},
         2},
        {{QStringLiteral("render"), cmrPath, png, QStringLiteral("--zoom"), QStringLiteral("26")},
         2},
        {{QStringLiteral("render"), cmrPath, png, QStringLiteral("--page"), QStringLiteral("3")},
         2},
        {{QStringLiteral("render"), cmrPath, png, QStringLiteral("--size"), QStringLiteral("1")},
         2},
        {{QStringLiteral("render"), cmrPath, env.FilePath(QStringLiteral("x.bmp"))}, 1},
        {{QStringLiteral("render"), env.FilePath(QStringLiteral("missing.cmr")), png}, 1},
        {{QStringLiteral("render"), cmrPath, env.FilePath(QStringLiteral("no/such/dir/x.png"))}, 1},
        {{QStringLiteral("render"), cmrPath, env.FilePath(QStringLiteral("no/such/dir/x.pdf"))}, 1},
    };
    for (const Refusal& r : refusals) {
        EXPECT_EQ(Run(r.args), r.code) << r.args.join(QLatin1Char(' ')).toStdString();
        EXPECT_FALSE(err.isEmpty()) << r.args.join(QLatin1Char(' ')).toStdString();
    }
    EXPECT_FALSE(QFile::exists(png));
}

// Every form has its drawn replica now: a new document of each, the national
// note in both editions, renders without a message.
TEST_F(CmrRenderFiles, EveryFormHasAReplica)
{
    const QString png = env.FilePath(QStringLiteral("n.png"));
    const QString national = GetFormTypeInfo(FormType::National).section;
    for (int version : {2009, 2007}) {
        env.Settings().Set(national, Settings::NatVersion, version);
        for (FormType type :
             {FormType::Cmr, FormType::National, FormType::Kombi, FormType::Forwarding}) {
            SCOPED_TRACE(GetFormTypeInfo(type).name.data());
            auto document = CreateDocument(type, env.Settings());
            document->OnNewDocument();
            EXPECT_TRUE(Succeeded(RenderDocumentToFile(
                *document, PrintContext::Read(document->Form(), env.Settings()), png, 1, 10)));
            EXPECT_TRUE(QFile::remove(png));
        }
    }
}

// ---------------------------------------------------------------------------
// Zoom arithmetic

TEST(ViewZoomStart, StepsByDesktopHeight)
{
    const std::pair<int, int> cases[] = {{0, 22},   {489, 22}, {490, 18}, {609, 18},
                                         {610, 16}, {769, 16}, {770, 14}, {1080, 14}};
    for (const auto& [height, zoom] : cases) {
        EXPECT_EQ(ViewZoom::StartingZoom(height, false), zoom) << height;
        EXPECT_EQ(ViewZoom::StartingZoom(height, true), zoom - 3) << height;
    }
    EXPECT_EQ(ViewZoom::ScaledFactor(96), 100);
    EXPECT_EQ(ViewZoom::ScaledFactor(120), 125);
    EXPECT_EQ(ViewZoom::ScaledFactor(144), 150);
    EXPECT_EQ(ViewZoom::ScaledFactor(0), 100);
}

// The zoom that follows the window: the largest that fits the CMR sheet
// (205 x 298 mm, the document 205 x 350 mm) besides the scroll bars the
// document then needs, at 96 dpi.
TEST(ViewZoomFit, LargestZoomThatFitsTheWindow)
{
    using ViewZoom::ZoomFit;
    const QSize sheet(2050, 2980);
    const QSize document(2050, 3500);
    const qreal perUnit = 96 / 254.0;
    struct Case
    {
        const char* what;
        ZoomFit fit;
        QSize window;
        QSize document;
        int zoom;
    };
    const Case cases[] = {
        // The form window of a 1366 x 768 screen with its bars.
        {"1366 x 768, whole page", ZoomFit::WholePage, {1364, 592}, document, 5},
        {"1366 x 768, page width", ZoomFit::PageWidth, {1364, 592}, document, 17},
        {"page width beside the vertical bar", ZoomFit::PageWidth, {1320, 592}, document, 16},
        {"page width, nothing to scroll", ZoomFit::PageWidth, {1320, 5000}, sheet, 17},
        {"too small for any zoom", ZoomFit::WholePage, {300, 200}, document, ViewZoom::kMinZoom},
        {"huge window", ZoomFit::PageWidth, {10000, 10000}, document, ViewZoom::kMaxZoom},
        {"not fitted", ZoomFit::Off, {1364, 592}, document, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ViewZoom::FitZoom(c.fit, {sheet, c.document}, {c.window, 16, perUnit, perUnit}),
                  c.zoom)
            << c.what;
}

struct ZoomCase
{
    const char* what;
    ViewZoom::ScreenMetrics screen;
    int storedFactor; // "ZoomFactor", or -1 for none
    int override;     // "WinFormScaledFactorOv", or -1 for none
    int zoom;
    int writtenFactor; // "ZoomFactorLU"
    int writtenScale;  // "WinFormScaledFactor"
};

void PrintTo(const ZoomCase& c, std::ostream* os)
{
    *os << c.what;
}

class ViewZoomCompute : public testing::TestWithParam<ZoomCase>
{
};

TEST_P(ViewZoomCompute, FromScreenAndSettings)
{
    const ZoomCase& c = GetParam();
    TestEnvironment env;
    CSettingsStore& settings = env.Settings();
    const QString section = CmrSection();
    const QString general = QLatin1String(Settings::kSectionSettings);
    if (c.storedFactor != -1)
        settings.WriteProfileInt(section, QLatin1String(Settings::kZoomFactor), c.storedFactor);
    if (c.override != -1)
        settings.WriteProfileInt(general, QLatin1String(Settings::kWinFormScaledFactorOv),
                                 c.override);

    EXPECT_EQ(ViewZoom::ComputeZoom(settings, section, c.screen), c.zoom) << c.what;
    EXPECT_EQ(settings.GetProfileInt(section, QLatin1String(Settings::kZoomFactorLU), -1),
              c.writtenFactor)
        << c.what;
    EXPECT_EQ(settings.GetProfileInt(section, QLatin1String(Settings::kWinFormScaledFactor), -1),
              c.writtenScale)
        << c.what;
    // The override is only read.
    EXPECT_EQ(settings.GetProfileInt(general, QLatin1String(Settings::kWinFormScaledFactorOv), -1),
              c.override)
        << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ViewZoomCompute,
    testing::Values(
        ZoomCase{"768 px, Windows 7, 96 dpi", {768, 96, false}, -1, -1, 16, 16, 100},
        ZoomCase{"768 px, Windows 10, 96 dpi", {768, 96, true}, -1, -1, 13, 13, 100},
        ZoomCase{"1080 px, Windows 10, 120 dpi", {1080, 120, true}, -1, -1, 13, 11, 125},
        ZoomCase{"override 80 with factor 14", {1080, 96, false}, -1, 80, 11, 14, 100},
        ZoomCase{"a stored zoom is scaled again", {1080, 120, true}, 13, -1, 16, 13, 125},
        ZoomCase{"no screen", {0, 0, true}, -1, -1, 19, 19, 100},
        ZoomCase{"an override of 0", {1080, 96, true}, -1, 0, 1, 11, 100},
        ZoomCase{"a negative stored zoom", {1080, 96, true}, -5, -1, 1, -5, 100},
        ZoomCase{"an absurd stored zoom", {1080, 96, true}, 2000000000, -1, 100, 2000000000, 100}),
    [](const testing::TestParamInfo<ZoomCase>& info) { return TestCaseName(info.param.what); });

} // namespace

namespace {

// One process draws a folder of notes: each gets an output of its name, one
// unreadable note is named and the others are still drawn, and the command then
// tells the failure by its exit code.
TEST_F(CmrRenderFiles, ABatchDrawsEveryReadableNoteAndNamesTheOthers)
{
    const QString broken = env.FilePath(QStringLiteral("kaputt.cmr"));
    {
        QFile file(broken);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("KRD-CMR@");
    }
    const QString dir = env.FilePath(QStringLiteral("pdf"));
    EXPECT_EQ(Run({"render", cmrPath, broken, "--output-dir", dir}), 1);
    EXPECT_TRUE(QFile::exists(dir + QStringLiteral("/note.pdf")));
    EXPECT_FALSE(QFile::exists(dir + QStringLiteral("/kaputt.pdf")));
    EXPECT_TRUE(err.contains(broken)) << err.toStdString();

    EXPECT_EQ(Run({"print", cmrPath, "--output-dir", dir}), 0) << err.toStdString();
    EXPECT_EQ(Run({"render", cmrPath, "--output-dir", dir, "--format", "png"}), 0);
    EXPECT_TRUE(QImage(dir + QStringLiteral("/note.png")).width() > 0);

    // Several inputs need a folder; standard output is no file to draw into.
    EXPECT_EQ(Run({"render", cmrPath, cmrPath, env.FilePath(QStringLiteral("x.pdf"))}), 2);
    EXPECT_EQ(Run({"render", cmrPath, "-"}), 2);
    EXPECT_FALSE(QFile::exists(QStringLiteral("-")));
}

} // namespace
