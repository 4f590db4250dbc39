#include "core/app/recentfiles.h"

#include "core/app/commandline.h"
#include "core/settings/settingsstore.h"

#include <QSettings>

namespace {

QString Section()
{
    return QLatin1String(Settings::kSectionRecentFiles);
}

QString Key(int i)
{
    return QStringLiteral("File%1").arg(i + 1);
}

} // namespace

void CRecentFileList::Load(const CSettingsStore& settings)
{
    m_files.clear();
    for (int i = 0; i < kSize; ++i) {
        const QString path = settings.GetProfileString(Section(), Key(i), QString());
        if (!path.isEmpty())
            m_files << path;
    }
}

void CRecentFileList::Save(CSettingsStore& settings) const
{
    for (int i = 0; i < kSize; ++i)
        settings.WriteProfileString(Section(), Key(i), m_files.value(i));
}

void CRecentFileList::Add(const QString& path)
{
    Remove(path);
    m_files.prepend(path);
    while (m_files.size() > kSize)
        m_files.removeLast();
}

void CRecentFileList::Remove(const QString& path)
{
    m_files.removeIf([&](const QString& p) { return SameDocumentPath(p, path); });
}

template <typename Change> bool CRecentFileList::Store(CSettingsStore& settings, Change change)
{
    // The settings cache what they read; another copy of the program may have
    // written the file since.
    settings.Backend().sync();
    Load(settings);
    change();
    bool written = true;
    for (int i = 0; i < kSize; ++i) {
        const QString path = m_files.value(i);
        if (settings.GetProfileString(Section(), Key(i), QString()) != path)
            written = settings.WriteProfileString(Section(), Key(i), path) && written;
    }
    return written;
}

bool CRecentFileList::AddAndStore(const QString& path, CSettingsStore& settings)
{
    return Store(settings, [&] { Add(path); });
}

bool CRecentFileList::RemoveAndStore(const QString& path, CSettingsStore& settings)
{
    return Store(settings, [&] { Remove(path); });
}
