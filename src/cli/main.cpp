#include "clicommands.h"
#include "settings/settingsstore.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QLatin1String(CSettingsStore::kOrganisation));
    QCoreApplication::setApplicationName(QLatin1String(CSettingsStore::kApplication));

    QTextStream out(stdout);
    QTextStream err(stderr);
    const auto settings = CSettingsStore::OpenUserStore();
    return RunCli(QCoreApplication::arguments().mid(1), *settings, out, err);
}
