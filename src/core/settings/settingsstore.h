#pragma once

#include "core/settings/settingkeys.h"

#include <QString>

#include <memory>

class QSettings;
class QVariant;

// The one place every setting of the program is read and written.
//
// Values are addressed by section and key below the program's root (on Linux the
// per-user file QSettings keeps under XDG_CONFIG_HOME/Norvak/Tarvelomark.conf; on
// Windows HKEY_CURRENT_USER\Software\Norvak\Tarvelomark). An empty section means
// the root itself. Integers are written as integers and texts as texts, so a
// native backend keeps their types apart (an INI file shows both as plain text).
//
// Reading: a missing value, or one that cannot be read as the asked type (a text
// that is no decimal integer, a value the file holds as a list or as an invalid
// variant), gives the caller's default. Reading never writes; unlike the
// registry, it also leaves no empty section behind.
//
// Writing creates the section when needed and returns false, keeping the old
// value, when the backing store cannot be written; callers go on silently. A
// file the disk refuses to take whole is never committed: the old file stays,
// and the new value is written with the next write that succeeds.
// Section and key names are case-sensitive here (the registry's are not); the
// program spells every name through the key table.
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

    // The user's own store of the running program. Only the user's tree counts:
    // organisation-wide and system-wide fallbacks are off, so that a deleted
    // tree really reads as defaults. On Linux the file is written in
    // CheckedIniFormat, so that a full disk never cuts it off.
    static std::unique_ptr<CSettingsStore> OpenUserStore();
    // A store on an INI file of that name, written the same checked way.
    static std::unique_ptr<CSettingsStore> OpenFile(const QString& path);

    int GetProfileInt(const QString& section, const QString& key, int defaultValue) const;
    bool WriteProfileInt(const QString& section, const QString& key, int value);
    QString GetProfileString(const QString& section, const QString& key,
                             const QString& defaultValue) const;
    bool WriteProfileString(const QString& section, const QString& key, const QString& value);

    // The resets: every value of the program, or one section with all it holds.
    // An empty section name deletes nothing (it would mean the whole tree).
    // False when the backing store cannot be written.
    bool DeleteAll();
    bool DeleteSection(const QString& section);
    // One value; a missing one is no error.
    bool DeleteValue(const QString& section, const QString& key);

    // Typed access through the key table: the key's own default applies, and an
    // integer is clamped to the key's range.
    int Get(const QString& section, const IntSetting& setting) const
    {
        return qBound(setting.minimum,
                      GetProfileInt(section, QLatin1String(setting.key), setting.defaultValue),
                      setting.maximum);
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
    bool Write(const QString& section, const QString& key, const QVariant& value);
    bool Commit();

    std::unique_ptr<QSettings> m_settings;
};
