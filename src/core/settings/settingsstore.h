#pragma once

#include "settings/settingkeys.h"

#include <QString>

#include <memory>

class QSettings;

// The one place every setting of the program is read and written.
//
// Values are addressed by section and key below the program's root (on Linux the
// per-user file QSettings keeps under XDG_CONFIG_HOME/Norvak/Tarvelomark.conf; on
// Windows HKEY_CURRENT_USER\Software\Norvak\Tarvelomark). An empty section means
// the root itself. Reads give the caller's default when the value is missing; no
// value is ever written just because it was read. Write failures are silent.
class CSettingsStore
{
public:
    static constexpr const char* kOrganisation = "Norvak";
    static constexpr const char* kApplication = "Tarvelomark";

    // Takes ownership of the QSettings, e.g. an INI file in a test folder.
    explicit CSettingsStore(std::unique_ptr<QSettings> settings);
    ~CSettingsStore();
    CSettingsStore(const CSettingsStore&) = delete;
    CSettingsStore& operator=(const CSettingsStore&) = delete;

    // The user's own store of the running program.
    static std::unique_ptr<CSettingsStore> OpenUserStore();

    int GetProfileInt(const QString& section, const QString& key, int defaultValue) const;
    bool WriteProfileInt(const QString& section, const QString& key, int value);
    QString GetProfileString(const QString& section, const QString& key,
                             const QString& defaultValue) const;
    bool WriteProfileString(const QString& section, const QString& key, const QString& value);

    // Typed access through the key table: the key's own default applies.
    int Get(const QString& section, const IntSetting& setting) const
    {
        return GetProfileInt(section, QLatin1String(setting.key), setting.defaultValue);
    }
    QString Get(const QString& section, const TextSetting& setting) const
    {
        return GetProfileString(section, QLatin1String(setting.key),
                                QString::fromUtf8(setting.defaultValue));
    }
    bool Set(const QString& section, const IntSetting& setting, int value)
    {
        return WriteProfileInt(section, QLatin1String(setting.key), value);
    }
    bool Set(const QString& section, const TextSetting& setting, const QString& value)
    {
        return WriteProfileString(section, QLatin1String(setting.key), value);
    }

    QSettings& Backend() const { return *m_settings; }

private:
    std::unique_ptr<QSettings> m_settings;
};
