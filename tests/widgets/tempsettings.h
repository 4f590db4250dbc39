#pragma once

#include "core/settings/settingsstore.h"

#include <QMap>
#include <QSettings>
#include <QTemporaryDir>
#include <QVariant>

#include <memory>

// A settings store on an INI file of its own, gone with the fixture.
class TempSettings
{
public:
    TempSettings()
        : m_store(CSettingsStore::OpenFile(m_dir.filePath(QStringLiteral("settings.ini"))))
    {
    }
    CSettingsStore& operator*() { return *m_store; }
    CSettingsStore* operator->() { return m_store.get(); }

    bool Has(const QString& section, const char* key) const
    {
        return m_store->Backend().contains(section + QLatin1Char('/') + QLatin1String(key));
    }
    // Every value written so far, by "section/key".
    QMap<QString, QVariant> All() const
    {
        QMap<QString, QVariant> values;
        for (const QString& key : m_store->Backend().allKeys())
            values.insert(key, m_store->Backend().value(key));
        return values;
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<CSettingsStore> m_store;
};
