#include "core/settings/checkedini.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QMutex>
#include <QSet>
#include <QTemporaryFile>

namespace {

QMutex& UnreadableLock()
{
    static QMutex mutex;
    return mutex;
}

// Files whose last read failed; they are not written over.
QSet<QString>& Unreadable()
{
    static QSet<QString> files;
    return files;
}

// Values as text, so that an integer written and the text read back compare
// equal, while a cut-off value or a missing key does not.
QString Normalised(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::QByteArray:
        return QString::fromLatin1(value.toByteArray().toHex());
    case QMetaType::QStringList:
        return value.toStringList().join(QChar(0x1F));
    default:
        return value.toString();
    }
}

bool SameSettings(const QSettings::SettingsMap& a, const QSettings::SettingsMap& b)
{
    if (a.size() != b.size())
        return false;
    for (auto it = a.constBegin(); it != a.constEnd(); ++it) {
        const auto other = b.constFind(it.key());
        if (other == b.constEnd() || Normalised(*other) != Normalised(it.value()))
            return false;
    }
    return true;
}

QString NameOf(const QIODevice& device)
{
    const auto* file = qobject_cast<const QFileDevice*>(&device);
    return file ? file->fileName() : QString();
}

void MarkReadable(const QString& name, bool readable)
{
    if (name.isEmpty())
        return;
    QMutexLocker locker(&UnreadableLock());
    if (readable)
        Unreadable().remove(name);
    else
        Unreadable().insert(name);
}

bool IsMarkedUnreadable(const QString& name)
{
    QMutexLocker locker(&UnreadableLock());
    return Unreadable().contains(name);
}

// Scratch files live in memory where the system offers a folder for that: QSettings
// syncs every file it writes to the disk, which would double the cost of each
// setting written.
QString ScratchTemplate()
{
    static const QString folder = [] {
        const QFileInfo shm(QStringLiteral("/dev/shm"));
        return shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath();
    }();
    return folder + QStringLiteral("/tarvelomark-XXXXXX.ini");
}

// Qt's INI reader on a scratch copy of the bytes; false when the copy could
// not be made whole.
bool ParseIni(const QByteArray& bytes, QSettings::SettingsMap& map)
{
    QTemporaryFile scratch(ScratchTemplate());
    if (!scratch.open() || scratch.write(bytes) != bytes.size() || !scratch.flush())
        return false;
    scratch.close();
    const QSettings ini(scratch.fileName(), QSettings::IniFormat);
    for (const QString& key : ini.allKeys())
        map.insert(key, ini.value(key));
    return ini.status() == QSettings::NoError;
}

// Qt's INI writer on a scratch file. It suffers from the very fault this format
// works around, so what it wrote is read back and compared before it is used.
bool FormatIni(const QSettings::SettingsMap& map, QByteArray& bytes)
{
    QTemporaryFile scratch(ScratchTemplate());
    if (!scratch.open())
        return false;
    scratch.close();
    {
        QSettings ini(scratch.fileName(), QSettings::IniFormat);
        for (auto it = map.constBegin(); it != map.constEnd(); ++it)
            ini.setValue(it.key(), it.value());
        ini.sync();
        if (ini.status() != QSettings::NoError)
            return false;
    }
    QFile formatted(scratch.fileName());
    if (!formatted.open(QIODevice::ReadOnly))
        return false;
    bytes = formatted.readAll();
    QSettings::SettingsMap readBack;
    return ParseIni(bytes, readBack) && SameSettings(map, readBack);
}

bool ReadIni(QIODevice& device, QSettings::SettingsMap& map)
{
    const bool ok = ParseIni(device.readAll(), map);
    MarkReadable(NameOf(device), ok);
    return ok;
}

bool WriteIni(QIODevice& device, const QSettings::SettingsMap& map)
{
    QByteArray bytes;
    if (IsMarkedUnreadable(NameOf(device)) || !FormatIni(map, bytes))
        return false;
    if (device.write(bytes) != bytes.size())
        return false;
    // QSaveFile buffers; the flush is where a full disk shows.
    auto* file = qobject_cast<QFileDevice*>(&device);
    return !file || (file->flush() && file->error() == QFileDevice::NoError);
}

} // namespace

QSettings::Format CheckedIniFormat()
{
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("conf"), ReadIni, WriteIni);
    return format;
}
