// The file safety test's helper (tests/files/files_test.sh).
//
//   tvm_files_helper stale-lock FILE
//
// Takes the lock of FILE (FILE.lock, QLockFile's own format and rights, as
// earlier versions of the program made it) and ends without releasing it, as a
// program does that crashes while it holds the lock. Prints the process id.
//
//   tvm_files_helper killed-save FILE BYTES KILLED_AFTER
//
// Saves BYTES bytes into FILE through the program's safe writer and is killed
// (SIGKILL, as by kill -9) once KILLED_AFTER of them are in the temporary file.
#include "core/files/safewrite.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QLockFile>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Passes writes on and kills the process once `limit` bytes have gone through.
class KillingDevice : public QIODevice
{
public:
    KillingDevice(QIODevice& inner, qint64 limit) : m_inner(inner), m_limit(limit)
    {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        const qint64 written = m_inner.write(data, qMin(size, m_limit - m_written));
        m_written += qMax<qint64>(written, 0);
        if (m_written >= m_limit)
            std::raise(SIGKILL);
        return written;
    }

private:
    QIODevice& m_inner;
    qint64 m_limit;
    qint64 m_written = 0;
};

int Usage()
{
    std::fprintf(stderr, "Aufruf: tvm_files_helper stale-lock DATEI\n"
                         "        tvm_files_helper killed-save DATEI BYTES ABBRUCH_NACH\n");
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "stale-lock") == 0) {
        QLockFile lock(QString::fromLocal8Bit(argv[2]) + QLatin1String(".lock"));
        if (!lock.tryLock(0))
            return 1;
        std::printf("%lld\n", static_cast<long long>(QCoreApplication::applicationPid()));
        std::fflush(stdout);
        std::_Exit(0); // no unlock, no destructors: the lock stays behind
    }
    if (argc == 5 && std::strcmp(argv[1], "killed-save") == 0) {
        const qint64 killedAfter = std::atoll(argv[4]);
        CSafeFileWriter writer(QString::fromLocal8Bit(argv[2]));
        writer.SetDeviceFilter([killedAfter](QIODevice& temporary) {
            return std::make_unique<KillingDevice>(temporary, killedAfter);
        });
        writer.Write(QByteArray(std::atoll(argv[3]), 'x'));
        return 1; // not killed: the test has asked for more than it writes
    }
    return Usage();
}
