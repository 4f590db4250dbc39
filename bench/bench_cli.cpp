// Turning a folder of notes into PDFs with one call of the command-line tool: the
// fonts and settings are loaded once, so what counts is the work per note.
#include "cli/clicommands.h"
#include "core/documents/cmrdoc.h"
#include "core/settings/settingsstore.h"
#include "guibenchmain.h"

#include <QDir>
#include <QGuiApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>

#include <benchmark/benchmark.h>

namespace {

// Notes as clerks fill them: most boxes hold a line or two.
QStringList WriteNotes(CSettingsStore& settings, const QString& dir, int count)
{
    QStringList paths;
    for (int n = 0; n < count; ++n) {
        CCMRDoc note(settings);
        note.OnNewDocument();
        for (quint16 i = 0; i < note.GetStore().GetFieldCount(); i += 2)
            note.GetStore().SetFieldText(
                i, QStringLiteral("Spedition %1 GmbH\r\nHafenstraße %2").arg(n).arg(i), 1);
        const QString path = QDir(dir).filePath(QStringLiteral("note%1.cmr").arg(n));
        if (const Error error = note.OnSaveDocument(path))
            return {};
        paths << path;
    }
    return paths;
}

void BM_RenderBatchToPdf(benchmark::State& state)
{
    QTemporaryDir dir;
    CSettingsStore settings(
        std::make_unique<QSettings>(dir.filePath(QStringLiteral("b.ini")), QSettings::IniFormat));
    const int count = int(state.range(0));
    const QStringList notes = WriteNotes(settings, dir.path(), count);
    if (notes.size() != count) {
        state.SkipWithError("cannot write the notes");
        return;
    }
    const QStringList args =
        QStringList{QStringLiteral("render"), QStringLiteral("--output-dir"), dir.filePath("pdf")} +
        notes;
    QString out, err;
    QTextStream o(&out), e(&err);
    for (auto _ : state) {
        if (RunCli(args, settings, o, e) != 0) {
            state.SkipWithError("render failed");
            return;
        }
    }
    // Seconds per note.
    state.counters["per_note"] = benchmark::Counter(
        double(count), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_RenderBatchToPdf)->Arg(200)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    return RunGuiBenchmarks<QGuiApplication>(argc, argv);
}
