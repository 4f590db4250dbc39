#include "widgets/update/webupdatecommands.h"

#include "core/settings/regeditmanagment.h"
#include "core/settings/settingsstore.h"
#include "core/update/updatepage.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QStandardPaths>

namespace {

const QString kSection = QLatin1String(Settings::kSectionSettings);

} // namespace

BrowserOpener DesktopBrowserOpener()
{
    return [](const QUrl& url) { return QDesktopServices::openUrl(url); };
}

ProgramVersion InstalledProgramVersion()
{
    ProductVersion version;
    ParseProductVersion(CRegeditManagment::BuiltProductVersion(), &version);
    return {version.major, version.minor, version.build};
}

WebUpdateSetup ReadWebUpdateSetup(const CSettingsStore& settings, BrowserOpener opener)
{
    WebUpdateSetup setup;
    setup.installed = InstalledProgramVersion();
    setup.updateServer = settings.Get(kSection, Settings::UpdateServer);
    setup.homePage = settings.Get(kSection, Settings::Homepage);
    setup.pageFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    setup.openBrowser = std::move(opener);
    return setup;
}

void CheckForUpdate(const CSettingsStore& settings, QWidget* parent, BrowserOpener opener)
{
    Common_DlgWebUpdateD dialog(ReadWebUpdateSetup(settings, std::move(opener)), parent);
    dialog.exec();
}

void OpenHomepage(const CSettingsStore& settings, QWidget* parent, BrowserOpener opener)
{
    const QString configured = settings.Get(kSection, Settings::Homepage);
    const std::optional<QUrl> home = WebAddress(configured);
    if (!home) {
        QMessageBox::critical(parent, QStringLiteral("Tarvelomark"),
                              InvalidWebAddressText(Settings::Homepage.key, configured));
        return;
    }
    if (!opener || !opener(*home))
        QMessageBox::warning(parent, QStringLiteral("Tarvelomark"), NoBrowserText());
}
