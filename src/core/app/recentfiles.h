#pragma once

#include <QStringList>

class CSettingsStore;

// The recent-file list of six entries, most recent first, kept in the section
// "Recent File List" as "File1" to "File6".
//
// The program stores every change at once (AddAndStore, RemoveAndStore), so the
// list survives a crash or a killed process. Several copies of the program may
// run; each change is made to the list as stored at that moment, so that one
// copy does not drop what another has added meanwhile.
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

    // Add and Remove on the list as the settings hold it now, written back at
    // once where they change it. False when the settings could not be written;
    // Files() shows the change all the same.
    bool AddAndStore(const QString& path, CSettingsStore& settings);
    bool RemoveAndStore(const QString& path, CSettingsStore& settings);

private:
    template <typename Change> bool Store(CSettingsStore& settings, Change change);

    QStringList m_files;
};
