#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <utility>

// Every failure that core and render report, as one value: what went wrong (a
// code), where (the file; the byte offset, line or entry), the values its
// message names, and what caused it when that is a failure of its own (the
// system's refusal beneath a file that could not be written).
//
// The words come from one translated table at the edge: ErrorMessage()
// (core/errors/errortext.h) is called by the widgets and the command-line tool
// where they show a failure. Core and render never put a sentence together.
//
// Shape: readers of damaged files throw an Error (a std::exception, so one catch
// takes every kind); everything else returns one. A function that succeeds or
// fails returns an Error that is empty on success; one that makes a value
// returns Expected<T>.
//
// The comment after each code names what its message shows: the file, the
// position, the arguments in their order, the cause.
enum class ErrorCode {
    None,

    // Reading and writing the binary encodings of documents and the address book.
    Truncated,             // position: where the file ends inside an item
    ReadFailed,            // position; the device's text
    BadBlockLength,        // position; bytes needed, bytes left
    BadStringLength,       // position; bytes needed, bytes left
    BadStringListLength,   // position; bytes needed, bytes left
    BadWordListLength,     // position; bytes needed, bytes left
    TooManyStrings,        // position; count, largest count possible
    TooManyWords,          // position; count, largest count possible
    UnknownFieldRecord,    // position of the record
    FieldsDoNotFitForm,    // position
    TooFewBoxes,           // position; boxes the record has
    ShortList,             // position; entries the list has
    TooFewBoxTexts,        // position; texts the list has
    ArchiveOpenForWriting, // reading from an archive that stores
    ArchiveOpenForReading, // writing into an archive that loads
    ArchiveWriteFailed,    // the device's text
    OutOfMemoryForFile,

    // A document file the document refuses (the load message ids 24 to 29).
    FileTooOld,
    FileTooNew,
    NotCmrFile,
    NotNationalFile,
    NotKombiFile,
    NotForwardingFile,

    // Opening and saving documents.
    DocumentNotFound,       // file
    DocumentOpenFailed,     // cause
    DocumentSaveFailed,     // cause
    OutOfMemoryForDocument, // file

    // Writing, opening and locking files, and the system's causes.
    WriteFailed,        // file; cause
    WriteFailedOldKept, // file; cause
    FileNotOpened,      // file; cause
    FileInUse,          // file
    LockDenied,         // file: the lock file
    LockFailed,         // file: the lock file; cause when one is known
    DiskFull,
    QuotaExceeded,
    FileTooLarge,
    AccessDenied,
    ReadOnlyDisk,
    FolderMissing,
    TargetIsFolder,
    TargetNotRegularFile,
    ForeignLink, // file: the link
    TooManyLinks,
    NameTooLong,
    DiskIoError,
    SystemError,   // the error number, the system's text for it
    SystemMessage, // the system's own words (QFileDevice::errorString())

    // The address book.
    AddressFileNotCreated,     // file: a missing file the user chose not to create
    AddressFileAccessDenied,   // file
    AddressFileNotOpened,      // cause
    AddressFileWrongType,      //
    AddressFileNotWritable,    // file; cause
    NewAddressFileNotWritable, // cause

    // Addresses taken from other programs' files.
    NotCsvText,
    NotVCardText,
    NoAddresses,
    NoVCardEntries,
    CsvUnclosedQuote,        // position: the line
    VCardUnterminated,       // position: the entry
    VCardUnsupportedVersion, // position: the entry; the version
    VCardNoNameOrAddress,    // position: the entry

    // A document described in JSON (the command-line tool).
    JsonFieldNotPair,
    JsonFormatOutOfRange,
    JsonUnknownMember,      // the member
    JsonNotFieldList,       // the member
    JsonWrongType,          // the member
    JsonNumberOutOfRange,   // the member
    JsonNoCheckBoxes,       // the form's name
    JsonTooManyFields,      //
    JsonTooManyFollowBoxes, // the follow-on boxes the form keeps

    // The download page of the web update.
    UpdatePageNotWritten, // file; cause

    // Measuring the printer.
    CalibrationReadingNotNumber,
    CalibrationReadingOutOfRangeAcross,    // the crosshair (1, 2), reading, reach (mm)
    CalibrationReadingOutOfRangeDown,      // the crosshair (1, 2), reading, reach (mm)
    CalibrationCorrectionOutOfRangeAcross, // per cent
    CalibrationCorrectionOutOfRangeDown,   // per cent
    CalibrationMarginOutOfRangeLeft,       // margin, largest margin (mm)
    CalibrationMarginOutOfRangeTop,        // margin, largest margin (mm)
    CalibrationMarksTooClose,

    // Drawing and printing.
    NoSuchPage,           // the page
    ZoomOutOfRange,       // smallest, largest zoom
    CopiesOutOfRange,     // largest number of copies
    NoteCopiesOutOfRange, // largest number of copies
    NoPageChosen,
    PrintJobFailed,
    OutputNotWritten,      // file
    UnsupportedOutputType, // file
};

// The number of codes, None included; the text table checks it has a row for
// each. Update it when a code is added after UnsupportedOutputType.
inline constexpr int kErrorCodeCount = int(ErrorCode::UnsupportedOutputType) + 1;

class Error : public std::exception
{
public:
    // No failure.
    Error() = default;
    explicit Error(ErrorCode code, QStringList arguments = {})
        : m_code(code), m_arguments(std::move(arguments))
    {
    }

    // Builders, for `throw Error(ErrorCode::Truncated).at(offset);`.
    Error& inFile(const QString& path)
    {
        m_file = path;
        m_what.clear();
        return *this;
    }
    Error& at(qint64 position)
    {
        m_position = position;
        m_what.clear();
        return *this;
    }
    // An empty cause is none.
    Error& because(const Error& cause)
    {
        m_cause = cause ? std::make_shared<const Error>(cause) : nullptr;
        return *this;
    }

    // True when something failed, as std::error_code reads.
    explicit operator bool() const { return m_code != ErrorCode::None; }

    ErrorCode code() const { return m_code; }
    QString file() const { return m_file; }
    // The byte offset in the file, or the line or entry of a text file; -1 when
    // none applies.
    qint64 position() const { return m_position; }
    const QStringList& arguments() const { return m_arguments; }
    // The failure beneath this one, or null.
    const Error* cause() const { return m_cause.get(); }
    // This error or the first of its causes with `code`, or null.
    const Error* find(ErrorCode code) const;

    // For logs and debuggers only; a person reads ErrorMessage().
    const char* what() const noexcept override;

    friend bool operator==(const Error& a, const Error& b);
    friend bool operator!=(const Error& a, const Error& b) { return !(a == b); }

private:
    ErrorCode m_code = ErrorCode::None;
    QString m_file;
    qint64 m_position = -1;
    QStringList m_arguments;
    std::shared_ptr<const Error> m_cause;
    mutable std::string m_what;
};

// The cause a system error number (errno) stands for: the usual ones by their
// own codes, any other as SystemError with the system's text.
Error SystemError(int errorNumber);

// A value, or the error that kept it from being made. Reads like std::optional:
// true when it holds the value.
template <typename T> class Expected
{
public:
    Expected(T value) : m_value(std::move(value)) {}
    // `error` must be a failure.
    Expected(Error error) : m_error(std::move(error)) { Q_ASSERT(m_error); }

    explicit operator bool() const { return m_value.has_value(); }
    const T& operator*() const { return *m_value; }
    T& operator*() { return *m_value; }
    const T* operator->() const { return &*m_value; }
    T* operator->() { return &*m_value; }
    // Empty while there is a value.
    const Error& error() const { return m_error; }

private:
    std::optional<T> m_value;
    Error m_error;
};
