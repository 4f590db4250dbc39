// Drawing a completely filled form page at the largest zoom: what one repaint
// of a form view costs in the worst case; and the largest PDF of a whole note.
#include "documents/cmrdoc.h"
#include "documents/natdoc.h"
#include "documents/natintdoc.h"
#include "documents/spedauftragdoc.h"
#include "printing/wholenote.h"
#include "rendercontext.h"
#include "settings/settingsstore.h"
#include "views/formdescription.h"
#include "views/formrender.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kZoom = 25;

// Fills every page-1 box with two lines and draws page 1 at the largest zoom,
// anti-aliased, into a picture of the sheet's size at 96 dots per inch.
template <typename Doc> void RenderFilledPage1(benchmark::State& state, quint16 checkWord)
{
    QTemporaryDir dir;
    CSettingsStore settings(
        std::make_unique<QSettings>(dir.filePath(QStringLiteral("b.ini")), QSettings::IniFormat));
    Doc doc(settings);
    doc.OnNewDocument();
    for (quint16 i = 0; i < doc.GetStore().GetFieldCount(); ++i)
        doc.GetStore().SetFieldText(i, QStringLiteral("Mustermann GmbH\r\nHafenstraße %1").arg(i),
                                    1);
    doc.SetCheckWord(checkWord);
    const Forms::FormDescription* form = Forms::FindFormDescription(doc.GetFormType(), settings);
    QImage image(int(form->sheetWidth * kZoom / 100.0 / 25.4 * 96) + 1,
                 int(form->sheetHeight * kZoom / 100.0 / 25.4 * 96) + 1, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setTransform(Render::TenthMillimetreTransform(image, 10));
        RenderFormPage(painter, doc, settings, 1, kZoom);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_RenderFilledCmrPage1Zoom25(benchmark::State& state)
{
    RenderFilledPage1<CCMRDoc>(state, 1);
}
BENCHMARK(BM_RenderFilledCmrPage1Zoom25)->Unit(benchmark::kMillisecond);

// The national note in the 2009 edition, which the settings of a new user
// choose, with "nein" crossed as in a new note.
void BM_RenderFilledNationalZoom25(benchmark::State& state)
{
    RenderFilledPage1<CFrachtbriefNatDoc>(state, 2);
}
BENCHMARK(BM_RenderFilledNationalZoom25)->Unit(benchmark::kMillisecond);

// The Kombi note: an A4 sheet with 138 boxes and 175 captions.
void BM_RenderFilledKombiZoom25(benchmark::State& state)
{
    RenderFilledPage1<CFrachtbriefNatIntDoc>(state, 2);
}
BENCHMARK(BM_RenderFilledKombiZoom25)->Unit(benchmark::kMillisecond);

// The forwarding order also draws its note and footer turned; it has no check
// box.
void BM_RenderFilledForwardingZoom25(benchmark::State& state)
{
    RenderFilledPage1<CSpeditionsauftragDoc>(state, 0);
}
BENCHMARK(BM_RenderFilledForwardingZoom25)->Unit(benchmark::kMillisecond);
// The PDF of "Als PDF speichern..." at its largest: both pages of a filled CMR
// note for each of the four labelled originals, eight pages, made in memory.
void BM_LabelledCmrPdfInMemory(benchmark::State& state)
{
    QTemporaryDir dir;
    CSettingsStore settings(
        std::make_unique<QSettings>(dir.filePath(QStringLiteral("b.ini")), QSettings::IniFormat));
    CCMRDoc doc(settings);
    doc.OnNewDocument();
    for (quint16 i = 0; i < doc.GetStore().GetFieldCount(); ++i)
        doc.GetStore().SetFieldText(i, QStringLiteral("Mustermann GmbH\r\nHafenstraße %1").arg(i),
                                    1);
    const Forms::FormDescription& form = *Forms::FindFormDescription(FormType::Cmr, settings);
    WholeNoteJob job = AllPagesJob(form);
    job.copies = LabelledOriginals(form, true);
    QByteArray pdf;
    for (auto _ : state) {
        WholeNotePdf(doc, settings, job, &pdf, nullptr);
        benchmark::DoNotOptimize(pdf.constData());
    }
    state.counters["bytes"] = double(pdf.size());
}
BENCHMARK(BM_LabelledCmrPdfInMemory)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
