// Load and save of a filled CMR note: opening and saving must feel instant even
// for a note with every box filled.
#include "core/documents/cmrdoc.h"
#include "core/documents/saveridentity.h"
#include "core/settings/settingsstore.h"

#include <QBuffer>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

struct Fixture
{
    QTemporaryDir dir;
    CSettingsStore settings{
        std::make_unique<QSettings>(dir.filePath(QStringLiteral("b.ini")), QSettings::IniFormat)};
    QByteArray filled;

    Fixture()
    {
        CCMRDoc doc(settings);
        doc.OnNewDocument();
        for (quint16 i = 0; i < doc.GetStore().GetFieldCount(); ++i)
            doc.GetStore().SetFieldText(
                i,
                QStringLiteral("Spedition Mustermann GmbH\r\nHafenstraße %1\r\n20457 Hamburg")
                    .arg(i),
                1);
        QBuffer buffer(&filled);
        buffer.open(QIODevice::WriteOnly);
        doc.SaveToDevice(buffer);
    }
};

Fixture& Shared()
{
    static Fixture fixture;
    return fixture;
}

void BM_LoadFilledCmr(benchmark::State& state)
{
    Fixture& f = Shared();
    CCMRDoc doc(f.settings);
    for (auto _ : state) {
        QBuffer buffer(&f.filled);
        buffer.open(QIODevice::ReadOnly);
        doc.LoadFromDevice(buffer);
        benchmark::DoNotOptimize(doc.GetStore().PageTexts().size());
    }
    state.SetBytesProcessed(state.iterations() * f.filled.size());
}
BENCHMARK(BM_LoadFilledCmr);

void BM_SaveFilledCmr(benchmark::State& state)
{
    Fixture& f = Shared();
    CCMRDoc doc(f.settings);
    QBuffer in(&f.filled);
    in.open(QIODevice::ReadOnly);
    doc.LoadFromDevice(in);
    for (auto _ : state) {
        QByteArray out;
        out.reserve(f.filled.size());
        QBuffer buffer(&out);
        buffer.open(QIODevice::WriteOnly);
        doc.SaveToDevice(buffer);
        benchmark::DoNotOptimize(out.size());
    }
    state.SetBytesProcessed(state.iterations() * f.filled.size());
}
BENCHMARK(BM_SaveFilledCmr);

} // namespace

BENCHMARK_MAIN();
