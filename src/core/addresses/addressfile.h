#pragma once

#include "core/errors/error.h"
#include "core/files/filelock.h"

#include <QString>
#include <QStringList>

#include <functional>

class CSettingsStore;
class QIODevice;

// The address book: one file holding a list of address records. A record is a
// text whose lines are separated by CR LF; its first line names it in the list.
//
// File layout (little-endian):
//   32 bytes  header "Adressdaten 2.00KRD............." (8-bit, no terminator);
//             "Tarvelomark.....Adressdaten 1.00" is also read
//   count     number of records (u16, or 0xFFFF and a u32)
//   strings   the records as counted strings; written as UTF-16, read also as
//             8-bit Windows-1252
//   u8        end mark 0x40, written and never read
//
// Exclusive access: the file is open only while it is read or written, and no two
// programs may have it open at once, so that a reader or writer waits while
// another user writes. Files have no mandatory locks on Linux, so the exclusion
// is an advisory lock file next to the address file (CSharedFileLock, the name
// with ".lock" appended). Every reader and writer of this module takes it; other
// programs that touch the file do not see it. A lock left by a crashed program on
// the same computer is taken over at once whoever made it, one left from another
// computer after 30 s. A lock that cannot be made at all (full disk, no right in
// the folder) fails at once instead of being waited for.
//
// Writing replaces the file whole through CSafeFileWriter, so a crash or a full
// disk while saving leaves the old address book whole, and a shared file keeps
// its group and permissions.

// The question of the address file. The program asks it with a dialog, the
// command-line tool answers it from its arguments.
class CAddressFilePrompter
{
public:
    virtual ~CAddressFilePrompter() = default;
    // No file exists at path: true to create it with the sample record. What to
    // show is GetMissingAddressFileTexts(path), with an information icon: on the
    // first use of the address book this is the normal case.
    virtual bool AskCreateMissingFile(const QString& path) = 0;
};

// The texts of the question about a missing file: a task dialog where the
// platform has one, else a Yes/No message box with `question`.
struct MissingAddressFileTexts
{
    QString title;
    QString text;
    QString createLink; // the default choice
    QString cancelLink;
    QString moreInformation; // labels of the expandable area
    QString lessInformation;
    QString details;
    QString question;
};
MissingAddressFileTexts GetMissingAddressFileTexts(const QString& path);

// The one record of a new address file.
QString SampleAddressRecord();

enum class AddressFileHeader { Current, Old, Unknown };

// The header the first bytes of a file carry (Unknown when fewer than 32).
AddressFileHeader AddressFileHeaderOf(const QByteArray& firstBytes);
// Reads the header and, when it is one of the two, the records into `records`.
// Throws the archive's Error (Truncated, with the offset) when the file ends
// inside the list; `records` is then unchanged.
AddressFileHeader ReadAddressList(QIODevice& device, QStringList& records);
// Writes the current header, the records and the end mark.
void WriteAddressList(QIODevice& device, const QStringList& records);
// Writes the list into a temporary file that replaces the file at path only when
// everything has been written; when it could not, the cause (DiskFull, ...).
// The caller holds the lock.
Error ReplaceAddressFile(const QString& path, const QStringList& records);

// The address list of one address file, as the address dialog keeps it.
//
// The prompter must outlive the object. The functions block: a locked file is
// tried once a second for up to 100 seconds. They show nothing; whoever calls
// them shows the Error they return (AddressFileResultOf, core/errors/
// messageids.h, gives the failure code the program has always answered).
class CAddressFile
{
public:
    static constexpr int kLockRetries = 100;
    static constexpr int kRetryDelayMs = 1000;

    explicit CAddressFile(CAddressFilePrompter& prompter);

    // Reads the list from the file. A missing file is created on request. On
    // failure the list keeps what it held, the file counts as not loaded, and
    // the error says why: AddressFileNotCreated (the user declined),
    // AddressFileNotWritable (creating it failed), AddressFileAccessDenied,
    // AddressFileNotOpened with the cause (the lock stayed taken or could not be
    // made), AddressFileWrongType, or what the reader threw (Truncated, ...),
    // each naming the path as its file.
    Error LoadAddressFile(const QString& path);
    // Writes the whole list anew, waiting for the lock like LoadAddressFile. On
    // failure AddressFileNotWritable with the cause; the file on disk is then
    // unchanged.
    Error SaveAddressFile(const QString& path, const QStringList& list);

    bool IsLoaded() const { return m_loaded; }
    QStringList& List() { return m_list; }
    const QStringList& List() const { return m_list; }

    // The wait between two attempts on a locked file; tests replace it.
    void SetSleep(std::function<void(int milliseconds)> sleep) { m_sleep = std::move(sleep); }
    // Told before each wait on a locked file how many attempts have failed
    // (1..kLockRetries) and how many there will be at most, so that a program can
    // show the waiting. Answering false gives up: the file then counts as locked.
    using Progress = std::function<bool(int failedAttempts, int maxAttempts)>;
    void SetProgress(Progress progress) { m_progress = std::move(progress); }
    // One wait between two attempts on the lock: the progress, then the sleep.
    // False when the progress gave up. For every user of the lock in this module.
    bool WaitBeforeRetry(int failedAttempts);
    // Takes the address file's lock, trying again after each wait while another
    // program holds it. Empty when locked, or why not: FileInUse when the
    // attempts ran out or the progress gave up, LockDenied or LockFailed at once.
    Error LockFile(CSharedFileLock& lock);

private:
    CAddressFilePrompter& m_prompter;
    QStringList m_list;
    bool m_loaded = false;
    std::function<void(int)> m_sleep;
    Progress m_progress;
};

// Replaces whatever is at path by an address file holding only the sample record
// and, on success, stores path as the address file setting. Tries the lock once.
// On failure NewAddressFileNotWritable with the cause.
Error CreateAddressFile(const QString& path, CSettingsStore& settings);
