#include "core/settings/settingsstore.h"

#include "core/settings/checkedini.h"

#include <QSettings>

#include <optional>

namespace {

QString KeyPath(const QString& section, const QString& key)
{
    return section.isEmpty() ? key : section + QLatin1Char('/') + key;
}

// The stored value as text, or nothing when it has none (missing, invalid, or a
// list, which is what an INI file makes of an unquoted text with commas). An
// empty text is a value like any other.
std::optional<QString> AsText(QVariant value)
{
    if (!value.isValid() || !value.convert(QMetaType::fromType<QString>()))
        return std::nullopt;
    return value.toString();
}

} // namespace

CSettingsStore::CSettingsStore(std::unique_ptr<QSettings> settings)
    : m_settings(std::move(settings))
{
}

CSettingsStore::~CSettingsStore() = default;

std::unique_ptr<CSettingsStore> CSettingsStore::OpenUserStore()
{
#ifdef Q_OS_WIN
    const QSettings::Format format = QSettings::NativeFormat; // the registry
#else
    const QSettings::Format format = CheckedIniFormat();
#endif
    auto settings = std::make_unique<QSettings>(
        format, QSettings::UserScope, QLatin1String(kOrganisation), QLatin1String(kApplication));
    settings->setFallbacksEnabled(false);
    return std::make_unique<CSettingsStore>(std::move(settings));
}

std::unique_ptr<CSettingsStore> CSettingsStore::OpenFile(const QString& path)
{
    return std::make_unique<CSettingsStore>(std::make_unique<QSettings>(path, CheckedIniFormat()));
}

int CSettingsStore::GetProfileInt(const QString& section, const QString& key,
                                  int defaultValue) const
{
    // Through the text, so that an INI file's "5" and a native integer read
    // alike, and an out-of-range or non-decimal text is refused rather than cut.
    bool ok = false;
    const int value =
        AsText(m_settings->value(KeyPath(section, key))).value_or(QString()).toInt(&ok);
    return ok ? value : defaultValue;
}

bool CSettingsStore::WriteProfileInt(const QString& section, const QString& key, int value)
{
    return Write(section, key, value);
}

QString CSettingsStore::GetProfileString(const QString& section, const QString& key,
                                         const QString& defaultValue) const
{
    return AsText(m_settings->value(KeyPath(section, key))).value_or(defaultValue);
}

bool CSettingsStore::WriteProfileString(const QString& section, const QString& key,
                                        const QString& value)
{
    return Write(section, key, value);
}

bool CSettingsStore::DeleteAll()
{
    if (!m_settings->isWritable())
        return false;
    m_settings->clear();
    return Commit();
}

bool CSettingsStore::DeleteSection(const QString& section)
{
    if (section.isEmpty() || !m_settings->isWritable())
        return false;
    m_settings->remove(section);
    return Commit();
}

bool CSettingsStore::DeleteValue(const QString& section, const QString& key)
{
    if (key.isEmpty() || !m_settings->isWritable())
        return false;
    m_settings->remove(KeyPath(section, key));
    return Commit();
}

bool CSettingsStore::Write(const QString& section, const QString& key, const QVariant& value)
{
    // Refusing up front leaves the old value in place, as a failed registry write
    // does; QSettings would otherwise keep the new value in memory and write it
    // at some later sync.
    if (!m_settings->isWritable())
        return false;
    m_settings->setValue(KeyPath(section, key), value);
    return Commit();
}

bool CSettingsStore::Commit()
{
    // QSettings keeps its first error for good; once it has one, only the
    // isWritable check before each change tells a later failure.
    const bool clean = m_settings->status() == QSettings::NoError;
    m_settings->sync();
    return !clean || m_settings->status() == QSettings::NoError;
}
