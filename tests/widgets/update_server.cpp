// The update server for trying the update dialog by hand:
//
//     build/tests/tvm_update_server [PORT]
//
// serves on 127.0.0.1 (port 8080 unless given) one update index per case, for
// the version of this build, and prints the "UpdateServer" value of each case.
#include "localhttpserver.h"
#include "updatecases.h"
#include "widgets/update/webupdatecommands.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const quint16 port = argc > 1 ? quint16(QByteArray(argv[1]).toUShort()) : quint16(8080);
    LocalHttpServer server;
    if (!server.Listen(port)) {
        std::fprintf(stderr, "Port %u ist belegt.\n", unsigned(port));
        return 1;
    }
    ServeUpdateCases(server, InstalledProgramVersion());
    std::printf("Installed version %s. Put one of these into the settings file\n"
                "($XDG_CONFIG_HOME/Norvak/Tarvelomark.conf, section [Settings]):\n\n",
                qPrintable(FormatIndexVersion(InstalledProgramVersion())));
    for (const UpdateServerCase& c : UpdateServerCases())
        std::printf("UpdateServer=%s/%-14s  %s\n", qPrintable(server.BaseUrl()), c.folder,
                    c.description);
    std::printf("\nAny other folder answers with a 404 page; a closed port gives "
                "\"connection refused\".\n");
    std::fflush(stdout);
    return app.exec();
}
