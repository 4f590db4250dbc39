#include "core/addresses/addressfile.h"

#include "core/documents/archive.h"
#include "core/files/filelock.h"
#include "core/files/safewrite.h"
#include "core/settings/settingsstore.h"

#include <QBuffer>
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

bool ReplaceAddressFile(const QString& path, const QStringList& records, QString* cause)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    WriteAddressList(buffer, records);
    CSafeFileWriter writer(path);
    if (writer.Write(bytes))
        return true;
    if (cause)
        *cause = writer.Cause();
    return false;
}

QString CannotWriteAddressFileMessage(const QString& path, const QString& cause)
{
    QString text =
        QStringLiteral("Die Adressdatei \"%1\"\nkonnte nicht zum Schreiben geöffnet werden")
            .arg(path);
    if (!cause.isEmpty())
        text += QLatin1String("\n\n") + cause;
    return text;
}

MissingAddressFileTexts GetMissingAddressFileTexts(const QString& path)
{
    MissingAddressFileTexts texts;
    texts.title = QStringLiteral("Adressdatendatei");
    texts.text = QStringLiteral("Die Datei\n%1\nist nicht vorhanden!").arg(path);
    texts.createLink = QStringLiteral("Die Datei &neu erzeugen.");
    texts.cancelLink = QStringLiteral("&Abbruch, Datei nicht erzeugen.");
    texts.moreInformation = QStringLiteral("Mehr Informationen");
    texts.lessInformation = QStringLiteral("Weniger Informationen");
    texts.details = QStringLiteral(
        "Die Datei kann an der angegebenen Stelle jetzt erzeugt werden, oder der Vorgang "
        "wird abgebrochen um den Dateinamen in den Programmeinstellungen neu zu "
        "definieren.");
    texts.question =
        QStringLiteral("Die Datei\n%1\nist nicht vorhanden!\nMöchten Sie die Datei jetzt neu "
                       "anlegen?")
            .arg(path);
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

int CAddressFile::LoadAddressFile(const QString& path)
{
    using Icon = CAddressFilePrompter::Icon;
    m_loaded = false;

    if (!QFileInfo::exists(path)) {
        if (!m_prompter.AskCreateMissingFile(path))
            return kAddressFileNotCreated;
        m_list = QStringList{SampleAddressRecord()};
        if (!SaveAddressFile(path, m_list))
            return kAddressFileNotWritten;
    }

    CSharedFileLock lock(path);
    QFile file(path);
    QString firstFailure;
    for (int attempt = 0;; ++attempt) {
        QString reason;
        const CSharedFileLock::Result locked =
            MayReadAndWrite(path) ? lock.TryLock() : CSharedFileLock::Result::Denied;
        if (locked == CSharedFileLock::Result::Locked) {
            if (file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly))
                break;
            reason = QStringLiteral("Die Datei %1 konnte nicht geöffnet werden.\n%2")
                         .arg(path, file.errorString());
            lock.Unlock();
        } else if (locked == CSharedFileLock::Result::Denied) {
            m_prompter.ShowMessage(
                QStringLiteral("Zugriff auf die Datei %1 wurde verweigert.\nBitte wählen Sie "
                               "eine Datei bzw. Speicherort aus, zu dem Sie Zugriffsrechte "
                               "haben")
                    .arg(path),
                Icon::Error);
            return kAddressFileAccessDenied;
        } else if (locked == CSharedFileLock::Result::Failed) {
            // Waiting would not make the disk any emptier.
            m_prompter.ShowMessage(
                QStringLiteral("Adressdatei konnte nicht geöffent werden"), // sic
                Icon::None);
            m_prompter.ShowMessage(lock.ErrorString(), Icon::Error);
            return kAddressFileNoLock;
        } else {
            reason = lock.ErrorString();
        }
        if (attempt == 0)
            firstFailure = reason;
        if (attempt == kLockRetries || !WaitBeforeRetry(attempt + 1)) {
            m_prompter.ShowMessage(
                QStringLiteral("Adressdatei konnte nicht geöffent werden"), // sic
                Icon::None);
            m_prompter.ShowMessage(firstFailure, Icon::Error);
            return kAddressFileLocked;
        }
    }

    QStringList records;
    AddressFileHeader header;
    try {
        header = ReadAddressList(file, records);
    } catch (const CArchiveException& e) {
        m_prompter.ShowMessage(e.message(), Icon::Error);
        return kAddressFileDamaged;
    }
    if (header == AddressFileHeader::Unknown) {
        m_prompter.ShowMessage(
            QStringLiteral("Adressdatei konnte nicht geöffent werden (Falscher Typ)"), // sic
            Icon::None);
        return kAddressFileWrongType;
    }
    m_list = std::move(records);
    m_loaded = true;
    return kAddressFileOk;
}

bool CAddressFile::WaitBeforeRetry(int failedAttempts)
{
    if (m_progress && !m_progress(failedAttempts, kLockRetries))
        return false;
    m_sleep(kRetryDelayMs);
    return true;
}

CSharedFileLock::Result CAddressFile::LockFile(CSharedFileLock& lock)
{
    for (int attempt = 0;; ++attempt) {
        const CSharedFileLock::Result result = lock.TryLock();
        if (result != CSharedFileLock::Result::InUse || attempt == kLockRetries ||
            !WaitBeforeRetry(attempt + 1))
            return result;
    }
}

bool CAddressFile::SaveAddressFile(const QString& path, const QStringList& list)
{
    // The default address book lives in a folder of the program's own that a new
    // user does not have yet.
    QDir().mkpath(QFileInfo(path).absolutePath());
    CSharedFileLock lock(path);
    QString cause;
    if (LockFile(lock) != CSharedFileLock::Result::Locked)
        cause = lock.ErrorString();
    else if (ReplaceAddressFile(path, list, &cause))
        return true;
    m_prompter.ShowMessage(CannotWriteAddressFileMessage(path, cause),
                           CAddressFilePrompter::Icon::None);
    return false;
}

bool CreateAddressFile(const QString& path, CSettingsStore& settings,
                       CAddressFilePrompter& prompter)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    CSharedFileLock lock(path);
    QString cause;
    bool written = false;
    if (lock.TryLock() != CSharedFileLock::Result::Locked)
        cause = lock.ErrorString();
    else
        written = ReplaceAddressFile(path, {SampleAddressRecord()}, &cause);
    if (written) {
        settings.Set(QLatin1String(Settings::kSectionSettings), Settings::AddressFile, path);
        return true;
    }
    prompter.ShowMessage(QStringLiteral("Adressdatei konnte nicht zum Schreiben geöffnet werden") +
                             (cause.isEmpty() ? QString() : QLatin1String("\n\n") + cause),
                         CAddressFilePrompter::Icon::None);
    return false;
}
