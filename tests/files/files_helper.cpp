// The shared-file test's helper (tests/files/files_test.sh).
//
//   tvm_files_helper stale-lock FILE
//
// Takes the lock of FILE (FILE.lock, QLockFile's own format and rights, as
// earlier versions of the program made it) and ends without releasing it, as a
// program does that crashes while it holds the lock. Prints the process id.
#include <QCoreApplication>
#include <QLockFile>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3 || std::strcmp(argv[1], "stale-lock") != 0) {
        std::fprintf(stderr, "Aufruf: tvm_files_helper stale-lock DATEI\n");
        return 2;
    }
    QLockFile lock(QString::fromLocal8Bit(argv[2]) + QLatin1String(".lock"));
    if (!lock.tryLock(0))
        return 1;
    std::printf("%lld\n", static_cast<long long>(QCoreApplication::applicationPid()));
    std::fflush(stdout);
    std::_Exit(0); // no unlock, no destructors: the lock stays behind
}
