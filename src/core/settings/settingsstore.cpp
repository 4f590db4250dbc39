#include "settings/settingsstore.h"

#include <QSettings>

namespace {

QString KeyPath(const QString& section, const QString& key)
{
    return section.isEmpty() ? key : section + QLatin1Char('/') + key;
}

} // namespace

CSettingsStore::CSettingsStore(std::unique_ptr<QSettings> settings)
    : m_settings(std::move(settings))
{
}

CSettingsStore::~CSettingsStore() = default;

std::unique_ptr<CSettingsStore> CSettingsStore::OpenUserStore()
{
    return std::make_unique<CSettingsStore>(std::make_unique<QSettings>(
        QSettings::NativeFormat, QSettings::UserScope, QLatin1String(kOrganisation),
        QLatin1String(kApplication)));
}

int CSettingsStore::GetProfileInt(const QString& section, const QString& key,
                                  int defaultValue) const
{
    bool ok = false;
    const int value = m_settings->value(KeyPath(section, key)).toInt(&ok);
    return ok ? value : defaultValue;
}

bool CSettingsStore::WriteProfileInt(const QString& section, const QString& key, int value)
{
    m_settings->setValue(KeyPath(section, key), value);
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

QString CSettingsStore::GetProfileString(const QString& section, const QString& key,
                                         const QString& defaultValue) const
{
    const QVariant value = m_settings->value(KeyPath(section, key));
    return value.isValid() ? value.toString() : defaultValue;
}

bool CSettingsStore::WriteProfileString(const QString& section, const QString& key,
                                        const QString& value)
{
    m_settings->setValue(KeyPath(section, key), value);
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}
