// Reads arbitrary bytes as the update index, the way the update dialog reads a
// server's answer: every input must end the search cleanly within the n + 2
// entries the header allows, never crash, hang or read without bound. The last
// entry read then goes into the download page, whose markup must not change
// with what the entry's texts hold.
#include "core/update/updateindex.h"
#include "core/update/updatepage.h"
#include "updatefixtures.h"

#include <QBuffer>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using End = UpdateIndexReading::End;
    const QString program = QStringLiteral("Tarvelomark");
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    const UpdateIndexReading r = ReadUpdateIndex(in, program);

    Check(r.lineEndLength == 1 || r.lineEndLength == 2);
    Check(r.entriesRead <= std::max(0, r.declaredEntries + 2));
    Check(in.pos() <= 27 + qint64(r.entriesRead + 1) * (kUpdateIndexEntryLength + 2));
    Check((r.end == End::Found) == (r.entry.name == program));
    if (r.end == End::NoHeader || r.end == End::ReadFailed)
        Check(r.entry.name == QLatin1String(kNoUpdateEntry));
    if (r.end == End::ReadFailed)
        Check(r.failedAt == bytes.size());

    const QUrl server = *WebAddress(QStringLiteral("https://update.norvak.de/programme"));
    const std::optional<QUrl> download = DownloadUrl(server, r.entry.downloadPath);
    if (!download)
        return 0;
    const ProgramVersion installed{3, 1, 5};
    const QUrl home = *WebAddress(QStringLiteral("https://www.norvak.de"));
    const QByteArray page = BuildUpdatePage({r.entry, installed, *download, home});

    // The same page for harmless texts that keep the free/paid decision.
    UpdateIndexEntry plain;
    plain.name = program;
    plain.version = IsFreeUpdate(installed, r.entry.version) ? QStringLiteral("3") : QString();
    const QByteArray plainPage =
        BuildUpdatePage({plain, installed, *DownloadUrl(server, QStringLiteral("/x")), home});
    Check(UpdateFixtures::MarkupSkeleton(page) == UpdateFixtures::MarkupSkeleton(plainPage));
    return 0;
}
