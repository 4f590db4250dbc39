#include "clicommands.h"
#include "settings/settingsstore.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>
#include <memory>

int main(int argc, char* argv[])
{
    // Drawing a form needs the fonts of a GUI application, though never a screen.
    const bool render =
        argc > 1 && (qstrcmp(argv[1], "render") == 0 || qstrcmp(argv[1], "print") == 0);
    if (render && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> app =
        render ? std::make_unique<QGuiApplication>(argc, argv)
               : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setOrganizationName(QLatin1String(CSettingsStore::kOrganisation));
    QCoreApplication::setApplicationName(QLatin1String(CSettingsStore::kApplication));

    QTextStream out(stdout);
    QTextStream err(stderr);
    const auto settings = CSettingsStore::OpenUserStore();
    return RunCli(QCoreApplication::arguments().mid(1), *settings, out, err);
}
