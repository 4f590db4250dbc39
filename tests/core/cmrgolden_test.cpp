// A filled CMR note drawn on the screen and printed onto the sheet, compared with
// reference pictures in tests/data/golden. They were drawn before the form
// drawing became one engine for every form, so they pin the CMR note's exact
// look through any rework of that engine.
//
// Set TVM_WRITE_GOLDEN=1 to write the pictures anew (after a wanted change of
// the look, and only then).
#include "core/documents/cmrdoc.h"
#include "core/settings/settingkeys.h"
#include "guienvironment.h"
#include "render/printing/formprint.h"
#include "render/rendercontext.h"
#include "render/views/formrender.h"
#include "testsupport.h"

#include <QDir>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <functional>

TVM_GUI_TEST_ENVIRONMENT();

namespace {

const QString kCmr = QStringLiteral("CMR");

// Every box filled, one or two lines, size steps and bold varying, the box's
// own alignment kept; the permit cross set and its guard filled.
void Fill(CCMRDoc& document)
{
    CFieldStore& store = document.GetStore();
    for (int i = 0; i < store.GetFieldCount(); ++i) {
        const QString text =
            i % 4 ? QStringLiteral(
                        "Feld %1 \u00e4\u00f6\u00fc\r\nZweite Zeile %1 mit etwas mehr Text")
                        .arg(i)
                  : QStringLiteral("Kasten %1").arg(i);
        store.SetFieldText(quint16(i), text, 1);
        const quint16 format = store.GetFieldFormat(quint16(i), 1);
        store.SetFieldFormat(quint16(i), 1,
                             quint16((format & 0xFF00) | (i % 5) | (i % 3 == 0 ? 0x10 : 0)));
    }
    store.SetFieldText(0, QStringLiteral("R\u00fcckseite: Sonstige Vereinbarungen\r\nZeile zwei"),
                       2);
    document.SetCheckWord(3);
}

QImage Blank(int dotsPerMetre, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    return image;
}

// The screen's drawing of a page at 96 dots per inch.
QImage Screen(const CKrDocument& document, CSettingsStore& settings, int page, int zoom)
{
    QImage image = Blank(3780, QSize(205 * zoom * 96 / 254, 298 * zoom * 96 / 254));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setTransform(Render::TenthMillimetreTransform(image, 10));
    RenderFormPage(painter, document, PrintContext::Read(document.Form(), settings), page, zoom);
    return image;
}

// What the printer gets, at 5 dots per millimetre on an A4 sheet; it prints
// black only.
QImage Printed(const CKrDocument& document, CSettingsStore& settings, int page)
{
    QImage image = Blank(5000, QSize(1050, 1485));
    {
        QPainter painter(&image);
        CFormPrint(document, PrintContext::Read(document.Form(), settings))
            .PrintPage(painter, page);
    }
    return image.convertToFormat(QImage::Format_Grayscale8);
}

// The largest difference of a colour channel, or -1 when the sizes differ.
int LargestDifference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return -1;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    int largest = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col) {
            largest = qMax(largest, qAbs(qRed(p[col]) - qRed(q[col])));
            largest = qMax(largest, qAbs(qGreen(p[col]) - qGreen(q[col])));
            largest = qMax(largest, qAbs(qBlue(p[col]) - qBlue(q[col])));
        }
    }
    return largest;
}

struct GoldenCase
{
    const char* name;
    std::function<QImage(const CKrDocument&, CSettingsStore&)> draw;
    std::function<void(CSettingsStore&)> settings;
};

void PrintTo(const GoldenCase& c, std::ostream* os)
{
    *os << c.name;
}

class CmrGolden : public testing::TestWithParam<GoldenCase>
{
};

TEST_P(CmrGolden, LooksAsBefore)
{
    TestEnvironment env;
    if (GetParam().settings)
        GetParam().settings(env.Settings());
    CCMRDoc document(env.Settings());
    document.OnNewDocument();
    Fill(document);
    const QImage drawn = GetParam().draw(document, env.Settings());

    const QString path =
        QStringLiteral(TVM_TEST_DATA_DIR "/golden/%1.png").arg(QLatin1String(GetParam().name));
    if (qEnvironmentVariableIntValue("TVM_WRITE_GOLDEN") == 1) {
        QDir().mkpath(QStringLiteral(TVM_TEST_DATA_DIR "/golden"));
        ASSERT_TRUE(drawn.save(path, "PNG"));
        return;
    }
    const QImage golden(path);
    ASSERT_FALSE(golden.isNull()) << path.toStdString();
    // Anti-aliased edges may round by a step on another processor; a text or a
    // line out of place differs by far more.
    const int difference = LargestDifference(drawn, golden);
    if (difference < 0 || difference > 2) {
        const QString actual = QDir::temp().filePath(
            QStringLiteral("%1-actual.png").arg(QLatin1String(GetParam().name)));
        drawn.save(actual, "PNG");
        FAIL() << GetParam().name << " differs by " << difference << "; see "
               << actual.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, CmrGolden,
    testing::Values(
        GoldenCase{"cmr-screen-page1-zoom10",
                   [](const CKrDocument& d, CSettingsStore& s) { return Screen(d, s, 1, 10); },
                   {}},
        GoldenCase{"cmr-screen-page2-zoom14",
                   [](const CKrDocument& d, CSettingsStore& s) { return Screen(d, s, 2, 14); },
                   {}},
        GoldenCase{"cmr-screen-page1-publisher2-merged",
                   [](const CKrDocument& d, CSettingsStore& s) { return Screen(d, s, 1, 11); },
                   [](CSettingsStore& s) {
                       s.Set(kCmr, Settings::Publisher, 2);
                       s.Set(kCmr, Settings::MergedGoodsRows, 1);
                       s.Set(kCmr, Settings::EditTextColor, 0x0000C0);
                   }},
        GoldenCase{"cmr-print-page1-publisher0",
                   [](const CKrDocument& d, CSettingsStore& s) { return Printed(d, s, 1); },
                   {}},
        GoldenCase{"cmr-print-page1-publisher2-merged-shifted",
                   [](const CKrDocument& d, CSettingsStore& s) { return Printed(d, s, 1); },
                   [](CSettingsStore& s) {
                       s.Set(kCmr, Settings::Publisher, 2);
                       s.Set(kCmr, Settings::MergedGoodsRows, 1);
                       s.Set(kCmr, Settings::LeftMargin1, 15);
                       s.Set(kCmr, Settings::TopMargin1, -10);
                       s.Set(kCmr, Settings::PrinterFontFactor, 110);
                       s.Set(QStringLiteral("Settings"), Settings::PrnFactorV, 1010);
                   }},
        GoldenCase{"cmr-print-page2",
                   [](const CKrDocument& d, CSettingsStore& s) { return Printed(d, s, 2); },
                   [](CSettingsStore& s) {
                       s.Set(kCmr, Settings::LeftMargin2, -20);
                       s.Set(kCmr, Settings::TopMargin2, 30);
                   }}),
    [](const testing::TestParamInfo<GoldenCase>& info) {
        std::string name = info.param.name;
        for (char& c : name)
            if (c == '-')
                c = '_';
        return name;
    });

} // namespace
