// Drawing a completely filled form page at the largest zoom: what one repaint
// of a form view costs in the worst case; and the largest PDF of a whole note.
#include "core/documents/cmrdoc.h"
#include "core/documents/natdoc.h"
#include "core/documents/natintdoc.h"
#include "core/documents/spedauftragdoc.h"
#include "core/errors/errortext.h"
#include "core/forms/formdescription.h"
#include "core/settings/settingsstore.h"
#include "guibenchmain.h"
#include "render/printing/wholenote.h"
#include "render/rendercontext.h"
#include "render/text/fieldpainter.h"
#include "render/views/formpainter.h"
#include "render/views/formrender.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kZoom = 25;

// A note of the form with every page-1 box holding two lines, and a picture of
// the sheet's size at the largest zoom and 96 dots per inch.
template <typename Doc> struct FilledPage
{
    QTemporaryDir dir;
    CSettingsStore settings{
        std::make_unique<QSettings>(dir.filePath(QStringLiteral("b.ini")), QSettings::IniFormat)};
    Doc doc{settings};
    const Forms::FormDescription* form = nullptr;
    QImage image;

    explicit FilledPage(quint16 checkWord)
    {
        doc.OnNewDocument();
        for (quint16 i = 0; i < doc.GetStore().GetFieldCount(); ++i)
            doc.GetStore().SetFieldText(
                i, QStringLiteral("Mustermann GmbH\r\nHafenstraße %1").arg(i), 1);
        doc.SetCheckWord(checkWord);
        form = &doc.Form();
        image =
            QImage(int(form->sheetWidth * kZoom / 100.0 / 25.4 * 96) + 1,
                   int(form->sheetHeight * kZoom / 100.0 / 25.4 * 96) + 1, QImage::Format_RGB32);
    }
};

// Draws page 1 at the largest zoom, anti-aliased, as `render` draws it: painters
// and fonts made anew every time.
template <typename Doc> void RenderFilledPage1(benchmark::State& state, quint16 checkWord)
{
    FilledPage<Doc> f(checkWord);
    for (auto _ : state) {
        f.image.fill(Qt::white);
        QPainter painter(&f.image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setTransform(Render::TenthMillimetreTransform(f.image, 10));
        RenderFormPage(painter, f.doc, PrintContext::Read(f.doc.Form(), f.settings), 1, kZoom);
        painter.end();
        benchmark::DoNotOptimize(f.image.constBits());
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
    FilledPage<CCMRDoc> f(0);
    const Forms::FormDescription& form = *f.form;
    WholeNoteJob job = AllPagesJob(form);
    job.copies = LabelledOriginals(form, true);
    qsizetype bytes = 0;
    for (auto _ : state) {
        const Expected<QByteArray> pdf =
            WholeNotePdf(f.doc, PrintContext::Read(f.doc.Form(), f.settings), job);
        if (!pdf) {
            state.SkipWithError(qPrintable(ErrorMessage(pdf.error())));
            return;
        }
        benchmark::DoNotOptimize(pdf->constData());
        bytes = pdf->size();
    }
    state.counters["bytes"] = double(bytes);
}
BENCHMARK(BM_LabelledCmrPdfInMemory)->Unit(benchmark::kMillisecond);

// A full repaint of the form view, as when it is uncovered or scrolled: the view
// keeps its form painter and its box fonts between paints and paints without
// antialiasing of lines, as here; only the picture is the whole sheet instead
// of the window's part of it. The first paint draws the page; the others find
// it unchanged.
void BM_RepaintCmrViewPage1Zoom25(benchmark::State& state)
{
    FilledPage<CCMRDoc> f(1);
    const CFormPainter formPainter(*f.form, kZoom);
    CFieldPainter fields(CBoxFontHeights::Read(f.settings));
    fields.CreateScreenFonts(f.image.logicalDpiY(), kZoom);
    for (auto _ : state) {
        QPainter painter(&f.image);
        painter.setTransform(Render::TenthMillimetreTransform(f.image, 10));
        formPainter.DrawPage(painter, 1, 0, fields, f.doc.GetStore(), f.doc.GetCheckWord(), false,
                             Qt::black);
        painter.end();
        benchmark::DoNotOptimize(f.image.constBits());
    }
}
BENCHMARK(BM_RepaintCmrViewPage1Zoom25)->Unit(benchmark::kMillisecond);

// A CMR note drawn into a PDF file as `render` writes it, with every box holding
// `range(0)` kilobytes of words and line breaks (0: the two lines of a filled
// note). Boxes far fuller than the page must not cost more than a normal note.
void BM_RenderCmrToPdf(benchmark::State& state)
{
    QTemporaryDir dir;
    CSettingsStore settings(
        std::make_unique<QSettings>(dir.filePath(QStringLiteral("b.ini")), QSettings::IniFormat));
    CCMRDoc doc(settings);
    doc.OnNewDocument();
    QString big;
    for (int line = 0; big.size() < state.range(0) * 1024; ++line)
        big += QStringLiteral("Palette %1 Stückgut Hafenstraße Mustermann GmbH 20457 Hamburg "
                              "Lieferschein %2\r\n")
                   .arg(line)
                   .arg(line * 7);
    for (quint16 i = 0; i < doc.GetStore().GetFieldCount(); ++i)
        doc.GetStore().SetFieldText(
            i,
            state.range(0) > 0 ? big.left(state.range(0) * 1024)
                               : QStringLiteral("Mustermann GmbH\r\nHafenstraße %1").arg(i),
            1);
    const QString path = dir.filePath(QStringLiteral("note.pdf"));
    for (auto _ : state) {
        if (const Error error =
                RenderDocumentToFile(doc, PrintContext::Read(doc.Form(), settings), path, 1, 10)) {
            state.SkipWithError(qPrintable(ErrorMessage(error)));
            return;
        }
    }
}
BENCHMARK(BM_RenderCmrToPdf)->Arg(0)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunGuiBenchmarks<QGuiApplication>(argc, argv);
}
