#include "updatecases.h"

#include "localhttpserver.h"
#include "updatefixtures.h"

namespace F = UpdateFixtures;

const QList<UpdateServerCase>& UpdateServerCases()
{
    static const QList<UpdateServerCase> cases = {
        {"aktuell", "the installed version: up to date"},
        {"update", "a newer build: free update"},
        {"upgrade", "the next major version: paid upgrade"},
        {"aelter", "a lower version: offered all the same"},
        {"lf", "a newer build in an index with LF line ends"},
        {"abgeschnitten", "an index cut inside the program's entry"},
        {"abbruch", "the connection closes inside the program's entry"},
        {"fehlt", "no index: the server's 404 page"},
        {"umleitung", "a redirection to the \"update\" index, not followed"},
        {"boese", "a newer version with markup and script in every text"},
        {"langsam", "the server never answers: time-out"},
    };
    return cases;
}

void ServeUpdateCases(LocalHttpServer& server, const ProgramVersion& installed)
{
    const auto version = [](const ProgramVersion& v) { return FormatIndexVersion(v).toLatin1(); };
    const ProgramVersion newer{installed.major, installed.minor, installed.build + 1};
    const ProgramVersion nextMajor{installed.major + 1, 0, 0};
    const ProgramVersion lower =
        installed.build > 0 ? ProgramVersion{installed.major, installed.minor, installed.build - 1}
                            : ProgramVersion{installed.major, installed.minor - 1, 999};
    const auto index = [&server](const char* folder, const QByteArray& bytes) {
        LocalHttpServer::Response response;
        response.body = bytes;
        server.Serve(QByteArray("/") + folder + "/UpdateIndex.krdidx", response);
        return response;
    };

    index("aktuell", F::ThreePrograms(version(installed)));
    index("update", F::ThreePrograms(version(newer)));
    index("upgrade", F::ThreePrograms(version(nextMajor)));
    index("aelter", F::ThreePrograms(version(lower)));
    index("lf", F::ThreePrograms(version(newer), "\n"));
    const QByteArray whole = F::ThreePrograms(version(newer));
    const qsizetype insideOurs = 27 + 178 + 100;
    index("abgeschnitten", whole.left(insideOurs));
    LocalHttpServer::Response cut;
    cut.body = whole;
    cut.cutBodyAt = insideOurs;
    server.Serve("/abbruch/UpdateIndex.krdidx", cut);

    LocalHttpServer::Response redirect;
    redirect.status = 302;
    redirect.contentType = "text/html";
    redirect.body = "<html><body>Moved</body></html>";
    redirect.headers = {{"Location", "/update/UpdateIndex.krdidx"}};
    server.Serve("/umleitung/UpdateIndex.krdidx", redirect);

    index("boese", F::Index({{"Tarvelomark", "<i>9</i>", "/x'\"><b>", "</SMALL>",
                              "<script>alert(1)</script>"}}));

    // The download the pages link to, so that a click in the browser gets a file.
    LocalHttpServer::Response setup;
    setup.body = "Testdatei des Update-Testservers\n";
    for (const UpdateServerCase& c : UpdateServerCases())
        server.Serve(QByteArray("/") + c.folder + "/download/TarvelomarkSetup.exe", setup);

    LocalHttpServer::Response hang;
    hang.hang = true;
    server.Serve("/langsam/UpdateIndex.krdidx", hang);
}
