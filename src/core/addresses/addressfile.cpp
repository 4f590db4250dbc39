#include "addresses/addressfile.h"

#include "documents/archive.h"
#include "settings/settingsstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QThread>

namespace {

constexpr int kHeaderSize = 32;
constexpr quint8 kEndMark = 0x40;
const QByteArray kHeader = QByteArrayLiteral("Adressdaten 2.00KRD.............");
const QByteArray kOldHeader = QByteArrayLiteral("Tarvelomark.....Adressdaten 1.00");

static_assert(sizeof("Adressdaten 2.00KRD.............") - 1 == kHeaderSize);
static_assert(sizeof("Tarvelomark.....Adressdaten 1.00") - 1 == kHeaderSize);

QString LockPath(const QString& path)
{
    return path + QLatin1String(".lock");
}

enum class OpenOutcome { Open, Denied, Busy };

// One attempt at the exclusive open: the lock, then the file for reading and
// writing. A file we could not write later is refused now, as is a folder.
OpenOutcome TryOpenExclusive(QLockFile& lock, QFile& file, QString& reason)
{
    const QFileInfo info(file.fileName());
    if (info.isDir() || (info.exists() && (!info.isReadable() || !info.isWritable())))
        return OpenOutcome::Denied;
    if (!lock.tryLock(0)) {
        if (lock.error() == QLockFile::PermissionError)
            return OpenOutcome::Denied;
        reason = QStringLiteral("Die Datei %1 wird von einem anderen Programm verwendet.")
                     .arg(file.fileName());
        return OpenOutcome::Busy;
    }
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly)) {
        reason = QStringLiteral("Die Datei %1 konnte nicht geöffnet werden.\n%2")
                     .arg(file.fileName(), file.errorString());
        lock.unlock();
        return OpenOutcome::Busy;
    }
    return OpenOutcome::Open;
}

// Writes the list under the lock. The folder is made first: the default address
// book lives in a folder of the program's own that a new user does not have yet.
bool WriteFileExclusive(const QString& path, const QStringList& records)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QLockFile lock(LockPath(path));
    if (!lock.tryLock(0))
        return false;
    return ReplaceAddressFile(path, records);
}

} // namespace

bool ReplaceAddressFile(const QString& path, const QStringList& records)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    try {
        WriteAddressList(file, records);
    } catch (const CArchiveException&) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
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

    QLockFile lock(LockPath(path));
    QFile file(path);
    QString firstFailure;
    for (int attempt = 0;; ++attempt) {
        QString reason;
        const OpenOutcome outcome = TryOpenExclusive(lock, file, reason);
        if (outcome == OpenOutcome::Open)
            break;
        if (outcome == OpenOutcome::Denied) {
            m_prompter.ShowMessage(
                QStringLiteral("Zugriff auf die Datei %1 wurde verweigert.\nBitte wählen Sie "
                               "eine Datei bzw. Speicherort aus, zu dem Sie Zugriffsrechte "
                               "haben")
                    .arg(path),
                Icon::Error);
            return kAddressFileAccessDenied;
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

bool CAddressFile::SaveAddressFile(const QString& path, const QStringList& list)
{
    if (WriteFileExclusive(path, list))
        return true;
    m_prompter.ShowMessage(
        QStringLiteral("Die Adressdatei \"%1\"\nkonnte nicht zum Schreiben geöffnet werden")
            .arg(path),
        CAddressFilePrompter::Icon::None);
    return false;
}

bool CreateAddressFile(const QString& path, CSettingsStore& settings,
                       CAddressFilePrompter& prompter)
{
    if (!WriteFileExclusive(path, {SampleAddressRecord()})) {
        prompter.ShowMessage(
            QStringLiteral("Adressdatei konnte nicht zum Schreiben geöffnet werden"),
            CAddressFilePrompter::Icon::None);
        return false;
    }
    settings.Set(QLatin1String(Settings::kSectionSettings), Settings::AddressFile, path);
    return true;
}
