#include "core/update/updateindex.h"

#include "core/documents/codepage.h"
#include "core/format/linebreaks.h"

#include <QCoreApplication>
#include <QIODevice>

namespace {

// The header and the first line end: enough to see whether lines end in CR LF.
constexpr int kProbeLength = 27;

// Reads up to `length` bytes; a device may hand out less than it has per call.
QByteArray ReadUpTo(QIODevice& device, qint64 length)
{
    QByteArray bytes;
    while (bytes.size() < length) {
        const QByteArray part = device.read(length - bytes.size());
        if (part.isEmpty())
            break;
        bytes += part;
    }
    return bytes;
}

QString RawField(const QByteArray& line, int position, int width)
{
    QByteArray bytes = line.mid(position, width);
    const qsizetype nul = bytes.indexOf('\0');
    if (nul >= 0)
        bytes.truncate(nul);
    return DecodeWindows1252(bytes);
}

QString Field(const QByteArray& line, int position, int width)
{
    return TrimTrailingSpace(RawField(line, position, width));
}

// The decimal value of the count characters as the C library's atoi reads it:
// leading blanks, an optional sign, digits up to the first other character.
int CountOf(const QByteArray& digits)
{
    qsizetype i = 0;
    while (i < digits.size() && (digits[i] == ' ' || (digits[i] >= '\t' && digits[i] <= '\r')))
        ++i;
    int sign = 1;
    if (i < digits.size() && (digits[i] == '+' || digits[i] == '-'))
        sign = digits[i++] == '-' ? -1 : 1;
    int value = 0;
    for (; i < digits.size() && digits[i] >= '0' && digits[i] <= '9'; ++i)
        value = value * 10 + (digits[i] - '0');
    return sign * value;
}

UpdateIndexEntry ParseEntry(const QByteArray& line)
{
    UpdateIndexEntry entry;
    entry.name = Field(line, 0, 20);
    entry.version = Field(line, 20, 8);
    entry.reserved = RawField(line, 28, 8);
    entry.downloadPath = Field(line, 36, 44);
    entry.downloadNote = Field(line, 80, 10);
    entry.unused90 = Field(line, 90, 44);
    entry.unused134 = Field(line, 134, 10);
    entry.infoPage = Field(line, 144, 30);
    return entry;
}

} // namespace

QString FormatIndexVersion(const ProgramVersion& version)
{
    return QString::asprintf("%d.%02d.%03d", version.major, version.minor, version.build);
}

std::optional<int> IndexVersionMajor(const QString& indexVersion)
{
    qsizetype end = 0;
    while (end < indexVersion.size() && end < 9 && indexVersion[end] >= QLatin1Char('0') &&
           indexVersion[end] <= QLatin1Char('9'))
        ++end;
    if (end == 0 || (end < indexVersion.size() && indexVersion[end].isDigit()))
        return std::nullopt;
    return indexVersion.left(end).toInt();
}

UpdateIndexReading ReadUpdateIndex(QIODevice& device, const QString& programName)
{
    UpdateIndexReading result;

    // Read and put back, so that sequential devices (a network reply) work too.
    device.startTransaction();
    const QByteArray probe = ReadUpTo(device, kProbeLength);
    device.rollbackTransaction();
    if (probe.size() == kProbeLength)
        result.lineEndLength = probe.endsWith("\r\n") ? 2 : 1;

    const QByteArray header = ReadUpTo(device, kUpdateIndexHeaderLength + result.lineEndLength);
    if (header.size() < kUpdateIndexHeaderLength + result.lineEndLength) {
        result.end = UpdateIndexReading::End::NoHeader;
        return result;
    }
    result.declaredEntries = CountOf(header.mid(23, 2));

    const qint64 lineLength = kUpdateIndexEntryLength + result.lineEndLength;
    const int limit = result.declaredEntries + 2;
    result.end = UpdateIndexReading::End::LimitReached;
    for (int i = 0; i < limit; ++i) {
        const QByteArray line = ReadUpTo(device, lineLength);
        if (line.size() < lineLength) {
            result.entry = UpdateIndexEntry();
            result.end = UpdateIndexReading::End::ReadFailed;
            result.failedAt = header.size() + result.entriesRead * lineLength + line.size();
            break;
        }
        ++result.entriesRead;
        result.entry = ParseEntry(line);
        if (result.entry.name == programName) {
            result.end = UpdateIndexReading::End::Found;
            break;
        }
    }
    return result;
}

UpdateCheckOutcome DecideUpdate(const UpdateIndexEntry& entry, const QString& programName,
                                const ProgramVersion& installed)
{
    if (entry.name != programName)
        return UpdateCheckOutcome::TransferError;
    // A text comparison: any other version counts as an update, a lower one too.
    if (FormatIndexVersion(installed) == entry.version)
        return UpdateCheckOutcome::UpToDate;
    return UpdateCheckOutcome::UpdateAvailable;
}

QString UpdateStatusText(UpdateCheckOutcome outcome, const QString& programName,
                         const QString& entryVersion)
{
    switch (outcome) {
    case UpdateCheckOutcome::UpToDate:
        return QCoreApplication::translate("UpdateStatus",
                                           "Die benutzte Version von %1 ist auf dem aktuellen "
                                           "Stand.")
            .arg(programName);
    case UpdateCheckOutcome::UpdateAvailable:
        return QCoreApplication::translate("UpdateStatus",
                                           "Die derzeit aktuelle Version von %1 ist die Version %2")
            .arg(programName, entryVersion);
    case UpdateCheckOutcome::TransferError:
        break;
    }
    return QCoreApplication::translate("UpdateStatus", "Fehler bei der Übertragung");
}

QString UpdateStatusNoData()
{
    return QCoreApplication::translate("UpdateStatus", "Es sind noch keine Daten geladen.");
}
