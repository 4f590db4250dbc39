// Opening the address book with many records: reading the file, sorting the
// names and showing the list must stay quick for the largest books customers
// keep (a hundred thousand records).
#include "core/addresses/addressfile.h"
#include "guibenchmain.h"
#include "widgets/addresses/common_dlgadressdaten.h"

#include <QAbstractButton>
#include <QApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace {

class QuietPrompter : public CAddressFilePrompter
{
public:
    bool AskCreateMissingFile(const QString&) override { return false; }
};

// Names as an address book holds them: mixed case, umlauts, repeats.
QStringList MakeRecords(int count)
{
    static const char* const kStems[] = {"Müller", "Spedition", "Öztürk", "Hansen",   "über",
                                         "Zander", "Ärztehaus", "Nord",   "logistik", "Bäcker"};
    QRandomGenerator random(17);
    QStringList records;
    records.reserve(count);
    for (int i = 0; i < count; ++i)
        records << QStringLiteral("%1 %2 GmbH\r\nHafenstraße %3\r\n%4 Hamburg")
                       .arg(QString::fromUtf8(kStems[random.bounded(10)]))
                       .arg(random.bounded(100000))
                       .arg(random.bounded(200))
                       .arg(20000 + random.bounded(80000));
    return records;
}

void BM_OpenAddressDialog(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("TMAdress.dat"));
    QuietPrompter prompter;
    if (CAddressFile(prompter).SaveAddressFile(path, MakeRecords(int(state.range(0))))) {
        state.SkipWithError("cannot write the address file");
        return;
    }
    for (auto _ : state) {
        Common_DlgAdressDaten dialog;
        if (dialog.OpenAddressFile(path) != 0) {
            state.SkipWithError("cannot open the address file");
            return;
        }
        // Closed as soon as it has been shown.
        auto* close = dialog.findChild<QAbstractButton*>(QStringLiteral("closeDialog"));
        QTimer::singleShot(0, close, &QAbstractButton::click);
        dialog.ShowEditDialog();
    }
}
BENCHMARK(BM_OpenAddressDialog)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunGuiBenchmarks<QApplication>(argc, argv);
}
