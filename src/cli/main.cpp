#include "cli/clicommands.h"
#include "core/settings/language.h"
#include "core/settings/settingsstore.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>
#include <memory>

namespace {

// Qt's own notes (a missing runtime folder, font cache chatter) are no business
// of a tool whose standard error carries its messages; TVM_CLI_QT_MESSAGES=1
// shows them for debugging.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("TVM_CLI_QT_MESSAGES"))
        qInstallMessageHandler(QuietQtMessages);
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
    // Before the arguments are read, so that --help and every message speak the
    // program's language.
    InstallTranslators(ChooseProgramLanguage(*settings));
    return RunCli(QCoreApplication::arguments().mid(1), *settings, out, err);
}
