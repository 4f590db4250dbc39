#pragma once

#include <QStringList>

class CSettingsStore;

// The recent-file list of six entries, most recent first, kept in the section
// "Recent File List" as "File1" to "File6".
class CRecentFileList
{
public:
    static constexpr int kSize = 6;

    void Load(const CSettingsStore& settings);
    void Save(CSettingsStore& settings) const;

    // Moves the path to the top (adding it if new); the oldest entry falls off.
    void Add(const QString& path);
    void Remove(const QString& path);
    const QStringList& Files() const { return m_files; }

private:
    QStringList m_files;
};
