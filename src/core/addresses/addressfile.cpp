#include "core/addresses/addressfile.h"

#include "core/documents/archive.h"
#include "core/files/filelock.h"
#include "core/files/safewrite.h"
#include "core/settings/settingsstore.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

namespace {

constexpr int kHeaderSize = 32;
constexpr quint8 kEndMark = 0x40;
const QByteArray kHeader = QByteArrayLiteral("Adressdaten 2.00KRD.............");
const QByteArray kOldHeader = QByteArrayLiteral("Tarvelomark.....Adressdaten 1.00");

static_assert(sizeof("Adressdaten 2.00KRD.............") - 1 == kHeaderSize);
static_assert(sizeof("Tarvelomark.....Adressdaten 1.00") - 1 == kHeaderSize);

// A file we could not write later is refused before the lock is taken, as is a
// folder.
bool MayReadAndWrite(const QString& path)
{
    const QFileInfo info(path);
    return !info.isDir() && (!info.exists() || (info.isReadable() && info.isWritable()));
}

} // namespace

Error ReplaceAddressFile(const QString& path, const QStringList& records)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    WriteAddressList(buffer, records);
    // The address book's own message names the file; what it needs from the
    // writer is the cause.
    const Error written = WriteFileSafely(path, bytes);
    return written.cause() ? *written.cause() : written;
}

MissingAddressFileTexts GetMissingAddressFileTexts(const QString& path)
{
    const QString file = QDir::toNativeSeparators(path);
    MissingAddressFileTexts texts;
    texts.title = QCoreApplication::translate("MissingAddressFile", "Adressdatendatei");
    texts.text =
        QCoreApplication::translate("MissingAddressFile", "Die Datei\n%1\nist nicht vorhanden!")
            .arg(file);
    texts.createLink =
        QCoreApplication::translate("MissingAddressFile", "Die Datei &neu erzeugen.");
    texts.cancelLink =
        QCoreApplication::translate("MissingAddressFile", "&Abbruch, Datei nicht erzeugen.");
    texts.moreInformation = QCoreApplication::translate("MissingAddressFile", "Mehr Informationen");
    texts.lessInformation =
        QCoreApplication::translate("MissingAddressFile", "Weniger Informationen");
    texts.details = QCoreApplication::translate(
        "MissingAddressFile",
        "Die Datei kann an der angegebenen Stelle jetzt erzeugt werden, oder der Vorgang "
        "wird abgebrochen um den Dateinamen in den Programmeinstellungen neu zu "
        "definieren.");
    texts.question = QCoreApplication::translate("MissingAddressFile",
                                                 "Die Datei\n%1\nist nicht vorhanden!\nMöchten "
                                                 "Sie die Datei jetzt neu anlegen?")
                         .arg(file);
    return texts;
}

QString SampleAddressRecord()
{
    return QStringLiteral("Beispieladresse\r\nStrasse\r\nOrt");
}

AddressFileHeader AddressFileHeaderOf(const QByteArray& firstBytes)
{
    const QByteArray header = firstBytes.left(kHeaderSize);
    if (header == kHeader)
        return AddressFileHeader::Current;
    if (header == kOldHeader)
        return AddressFileHeader::Old;
    return AddressFileHeader::Unknown;
}

AddressFileHeader ReadAddressList(QIODevice& device, QStringList& records)
{
    const AddressFileHeader header = AddressFileHeaderOf(device.read(kHeaderSize));
    if (header == AddressFileHeader::Unknown)
        return header;
    CArchive ar(&device, CArchive::Load);
    records = ar.ReadStringList();
    return header;
}

void WriteAddressList(QIODevice& device, const QStringList& records)
{
    CArchive ar(&device, CArchive::Store);
    ar.WriteRaw(kHeader);
    ar.WriteStringList(records);
    ar.WriteByte(kEndMark);
}

CAddressFile::CAddressFile(CAddressFilePrompter& prompter)
    : m_prompter(prompter), m_sleep([](int ms) { QThread::msleep(ulong(ms)); })
{
}

Error CAddressFile::LoadAddressFile(const QString& path)
{
    m_loaded = false;

    if (!QFileInfo::exists(path)) {
        if (!m_prompter.AskCreateMissingFile(path))
            return Error(ErrorCode::AddressFileNotCreated).inFile(path);
        m_list = QStringList{SampleAddressRecord()};
        if (Error error = SaveAddressFile(path, m_list))
            return error;
    }

    CSharedFileLock lock(path);
    QFile file(path);
    Error firstFailure;
    for (int attempt = 0;; ++attempt) {
        const Error locked =
            MayReadAndWrite(path) ? lock.TryLock() : Error(ErrorCode::LockDenied).inFile(path);
        Error reason;
        if (!locked) {
            if (file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly))
                break;
            reason = Error(ErrorCode::FileNotOpened)
                         .inFile(path)
                         .because(Error(ErrorCode::SystemMessage, {file.errorString()}));
            lock.Unlock();
        } else if (locked.code() == ErrorCode::LockDenied) {
            return Error(ErrorCode::AddressFileAccessDenied).inFile(path);
        } else if (locked.code() == ErrorCode::LockFailed) {
            // Waiting would not make the disk any emptier.
            return Error(ErrorCode::AddressFileNotOpened).inFile(path).because(locked);
        } else {
            reason = locked;
        }
        if (attempt == 0)
            firstFailure = reason;
        if (attempt == kLockRetries || !WaitBeforeRetry(attempt + 1))
            return Error(ErrorCode::AddressFileNotOpened).inFile(path).because(firstFailure);
    }

    QStringList records;
    AddressFileHeader header;
    try {
        header = ReadAddressList(file, records);
    } catch (const Error& e) {
        Error damaged = e;
        return damaged.inFile(path);
    }
    if (header == AddressFileHeader::Unknown)
        return Error(ErrorCode::AddressFileWrongType).inFile(path);
    m_list = std::move(records);
    m_loaded = true;
    return Error();
}

bool CAddressFile::WaitBeforeRetry(int failedAttempts)
{
    if (m_progress && !m_progress(failedAttempts, kLockRetries))
        return false;
    m_sleep(kRetryDelayMs);
    return true;
}

Error CAddressFile::LockFile(CSharedFileLock& lock)
{
    for (int attempt = 0;; ++attempt) {
        Error result = lock.TryLock();
        if (result.code() != ErrorCode::FileInUse || attempt == kLockRetries ||
            !WaitBeforeRetry(attempt + 1))
            return result;
    }
}

Error CAddressFile::SaveAddressFile(const QString& path, const QStringList& list)
{
    // The default address book lives in a folder of the program's own that a new
    // user does not have yet.
    QDir().mkpath(QFileInfo(path).absolutePath());
    CSharedFileLock lock(path);
    Error cause = LockFile(lock);
    if (!cause)
        cause = ReplaceAddressFile(path, list);
    if (!cause)
        return Error();
    return Error(ErrorCode::AddressFileNotWritable).inFile(path).because(cause);
}

Error CreateAddressFile(const QString& path, CSettingsStore& settings)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    CSharedFileLock lock(path);
    Error cause = lock.TryLock();
    if (!cause)
        cause = ReplaceAddressFile(path, {SampleAddressRecord()});
    if (cause)
        return Error(ErrorCode::NewAddressFileNotWritable).inFile(path).because(cause);
    settings.Set(QLatin1String(Settings::kSectionSettings), Settings::AddressFile, path);
    return Error();
}
