#pragma once

#include <QString>

#include <optional>

class QIODevice;

// The update index: a small fixed-width 8-bit text file ("UpdateIndex.krdidx" at
// the root of the update server) that names the current version of each of the
// maker's programs. The program looks for its own entry and compares versions.
//
// Layout (all lines end alike: CR LF or one single character):
//   header  25 characters; characters 23 and 24 hold the number of entries n as
//           decimal digits, the rest is not read
//   entry   176 characters of fixed-width fields (positions from 0):
//             0-19  program name          20-27  version, e.g. "3.01.005"
//            28-35  not used (kept as it is)
//            36-79  download path, appended to the update server's address
//            80-89  download note (e.g. the file size)
//            90-133, 134-143  not used
//           144-173 name of the version information page
//           174-175 not read
// Texts are Windows-1252; every field but the one at 28 loses its trailing
// white space, and a field ends at its first NUL byte as a C buffer would.

inline constexpr char kUpdateIndexFileName[] = "UpdateIndex.krdidx";
inline constexpr int kUpdateIndexHeaderLength = 25;
inline constexpr int kUpdateIndexEntryLength = 176;

// The name of an entry before any entry was read and after a read failed.
inline constexpr char kNoUpdateEntry[] = "@";

// A program version as major, minor and build number.
struct ProgramVersion
{
    int major = 0;
    int minor = 0;
    int build = 0;
};

// The version as the index spells it: "%d.%02d.%03d", so 3.1.5 is "3.01.005".
QString FormatIndexVersion(const ProgramVersion& version);
// The major number an index version starts with ("4.00.000" gives 4); nothing
// when it does not start with a decimal number that fits an int.
std::optional<int> IndexVersionMajor(const QString& indexVersion);

struct UpdateIndexEntry
{
    QString name = QLatin1String(kNoUpdateEntry);
    QString version;
    QString reserved; // positions 28-35, untrimmed
    QString downloadPath;
    QString downloadNote;
    QString unused90;
    QString unused134;
    QString infoPage;
};

struct UpdateIndexReading
{
    enum class End {
        Found,        // the entry is the program's
        NoHeader,     // the header line could not be read
        ReadFailed,   // an entry line was cut short; the entry name is "@" again
        LimitReached, // n + 2 entries read, none of them the program's
    };

    UpdateIndexEntry entry; // the last entry read
    End end = End::NoHeader;
    int lineEndLength = 2;   // 1 or 2 bytes
    int declaredEntries = 0; // n of the header
    int entriesRead = 0;     // complete entry lines read
    qint64 failedAt = -1;    // bytes of the index read when an entry came up short
};

// Reads the index from the device's current position up to the program's entry
// (case-sensitive name comparison), a short read or n + 2 entries, whichever
// comes first. Never throws and never reads more than
// 27 + (n + 2) * (178) bytes; n is at most 99, so a hostile server cannot make
// it read or keep more than about 18 KB.
UpdateIndexReading ReadUpdateIndex(QIODevice& device, const QString& programName);

// What the query tells the user.
enum class UpdateCheckOutcome {
    TransferError,   // no entry of the program: not an index, truncated, foreign
    UpToDate,        // the entry's version text is the installed one
    UpdateAvailable, // any other version text, also a lower one
};

UpdateCheckOutcome DecideUpdate(const UpdateIndexEntry& entry, const QString& programName,
                                const ProgramVersion& installed);

// The status line of the update dialog for an outcome.
QString UpdateStatusText(UpdateCheckOutcome outcome, const QString& programName,
                         const QString& entryVersion);
// The status line before the first query.
QString UpdateStatusNoData();
