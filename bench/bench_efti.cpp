// Exporting filled notes as eFTI documents: a batch of 1,000 notes of every
// form, each read from its boxes and written as XML, must take well under
// 2 ms a note on one core. The notes differ in their numbers, names and goods
// so that no cache sees the same text twice in a row.
#include "core/exchange/eftiexport.h"
#include "core/exchange/noteexchange.h"
#include "exchangefixtures.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kNotes = 1000;

QVector<ExchangeFixture::FilledNote> Notes()
{
    const QVector<ExchangeFixture::FilledNote> forms = ExchangeFixture::AllNotes();
    QVector<ExchangeFixture::FilledNote> notes;
    for (int i = 0; i < kNotes; ++i) {
        ExchangeFixture::FilledNote note = forms[i % forms.size()];
        // The sender, the first goods row's weight and the note number of
        // each form differ from note to note.
        note.texts[note.form->type == FormType::Forwarding ? 2 : 0] =
            QStringLiteral("Spedition Nummer %1 GmbH\r\nHafenstraße %2\r\nD-%3 Bremen")
                .arg(i)
                .arg(i % 200 + 1)
                .arg(28000 + i % 900);
        for (int box = 0; box < note.form->boxCount; ++box) {
            const Forms::BoxMeaning meaning = note.form->boxes[box].meaning;
            if (meaning == Forms::BoxMeaning::NoteNumber)
                note.texts[box] = QStringLiteral("FB-2024-%1").arg(i, 5, 10, QLatin1Char('0'));
            if (meaning == Forms::BoxMeaning::GoodsGrossWeight && !note.texts[box].isEmpty())
                note.texts[box] = QStringLiteral("%1,5").arg(1000 + i);
        }
        notes.append(note);
    }
    return notes;
}

void BM_ExportThousandNotes(benchmark::State& state)
{
    const QVector<ExchangeFixture::FilledNote> notes = Notes();
    const Exchange::ExportOptions options{QStringLiteral("DE"), QStringLiteral("EUR")};
    qint64 bytes = 0;
    for (auto _ : state) {
        for (const ExchangeFixture::FilledNote& note : notes) {
            const Exchange::Consignment record =
                Exchange::ReadNote(*note.form, note.texts, note.checkWord);
            const Exchange::EftiExport exported = Exchange::ExportEfti(record, options);
            bytes += exported.xml.size();
            benchmark::DoNotOptimize(exported.report.size());
        }
    }
    state.SetBytesProcessed(bytes);
    // The time a note takes, the figure to keep under 2 ms.
    state.counters["per_note"] =
        benchmark::Counter(double(state.iterations()) * kNotes,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ExportThousandNotes)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
