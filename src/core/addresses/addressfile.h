#pragma once

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

// The failure codes of LoadAddressFile.
enum AddressFileResult {
    kAddressFileOk = 0,
    kAddressFileNoLock = 250,       // the lock file could not be made (full disk)
    kAddressFileNotWritten = 3,     // a missing file could not be created
    kAddressFileAccessDenied = 251, // no right to read and write it (or a folder)
    kAddressFileDamaged = 252,      // the file ends inside the list
    kAddressFileWrongType = 253,    // not an address file
    kAddressFileLocked = 254,       // another program kept it open
    kAddressFileNotCreated = 255,   // the user declined to create a missing file
};

// The questions and messages of the address file. The program answers them with
// dialogs, the command-line tool from its arguments.
class CAddressFilePrompter
{
public:
    enum class Icon { None, Error };

    virtual ~CAddressFilePrompter() = default;
    // No file exists at path: true to create it with the sample record. What to
    // show is GetMissingAddressFileTexts(path), with an information icon: on the
    // first use of the address book this is the normal case.
    virtual bool AskCreateMissingFile(const QString& path) = 0;
    virtual void ShowMessage(const QString& text, Icon icon) = 0;
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

// "The address file could not be opened for writing", followed by the cause
// when there is one.
QString CannotWriteAddressFileMessage(const QString& path, const QString& cause);

// The one record of a new address file.
QString SampleAddressRecord();

enum class AddressFileHeader { Current, Old, Unknown };

// The header the first bytes of a file carry (Unknown when fewer than 32).
AddressFileHeader AddressFileHeaderOf(const QByteArray& firstBytes);
// Reads the header and, when it is one of the two, the records into `records`.
// Throws CArchiveException when the file ends inside the list; `records` is then
// unchanged.
AddressFileHeader ReadAddressList(QIODevice& device, QStringList& records);
// Writes the current header, the records and the end mark.
void WriteAddressList(QIODevice& device, const QStringList& records);
// Writes the list into a temporary file that replaces the file at path only when
// everything has been written; false, with the cause in German, when it could
// not. The caller holds the lock.
bool ReplaceAddressFile(const QString& path, const QStringList& records, QString* cause = nullptr);

// The address list of one address file, as the address dialog keeps it.
//
// The prompter must outlive the object. The functions block: a locked file is
// tried once a second for up to 100 seconds.
class CAddressFile
{
public:
    static constexpr int kLockRetries = 100;
    static constexpr int kRetryDelayMs = 1000;

    explicit CAddressFile(CAddressFilePrompter& prompter);

    // Reads the list from the file; 0 or a failure code (AddressFileResult),
    // each reported through the prompter. A missing file is created on request.
    // On failure the list keeps what it held and the file counts as not loaded.
    int LoadAddressFile(const QString& path);
    // Writes the whole list anew, waiting for the lock like LoadAddressFile. False
    // after the message that the file could not be written, with the cause; the
    // file on disk is then unchanged.
    bool SaveAddressFile(const QString& path, const QStringList& list);

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
    // program holds it. Locked, or why not: InUse when the attempts ran out or
    // the progress gave up, Denied or Failed at once.
    CSharedFileLock::Result LockFile(CSharedFileLock& lock);

    CAddressFilePrompter& Prompter() const { return m_prompter; }

private:
    CAddressFilePrompter& m_prompter;
    QStringList m_list;
    bool m_loaded = false;
    std::function<void(int)> m_sleep;
    Progress m_progress;
};

// Replaces whatever is at path by an address file holding only the sample record
// and, on success, stores path as the address file setting. Tries the lock once.
// False after the message that the file could not be written, with the cause.
bool CreateAddressFile(const QString& path, CSettingsStore& settings,
                       CAddressFilePrompter& prompter);
