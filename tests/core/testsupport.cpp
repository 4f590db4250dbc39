#include "testsupport.h"

#include "core/errors/errortext.h"

#include <QSettings>
#include <QtEndian>

#include <csignal>
#include <sys/resource.h>

QByteArray Hex(const char* hex)
{
    return QByteArray::fromHex(QByteArray(hex).replace(' ', ""));
}

QByteArray Word(quint16 value)
{
    QByteArray bytes(2, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

::testing::AssertionResult Succeeded(const Error& error)
{
    if (!error)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << ErrorMessage(error).toStdString();
}

void PrintTo(const Error& error, std::ostream* os)
{
    *os << (error ? ErrorMessage(error).toStdString() : std::string("no error"));
}

std::string TestCaseName(const char* description)
{
    std::string name;
    bool upper = true;
    for (const char* p = description; *p; ++p) {
        const char c = *p;
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) {
            name += upper && c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
            upper = false;
        } else {
            upper = true;
        }
    }
    return name;
}

QByteArray Utf16(const QString& text)
{
    QByteArray bytes;
    for (QChar c : text)
        bytes += Word(c.unicode());
    return bytes;
}

QByteArray CountedString(const QString& text)
{
    Q_ASSERT(text.size() < 0xFF);
    return Hex("FF FEFF") + char(text.size()) + Utf16(text);
}

QByteArray NarrowString(const QByteArray& bytes)
{
    Q_ASSERT(bytes.size() < 0xFF);
    return char(bytes.size()) + bytes;
}

TestEnvironment::TestEnvironment()
    : m_settings(CSettingsStore::OpenFile(m_dir.filePath(QStringLiteral("settings.ini"))))
{
    const SaverIdentity who{QLatin1String(kComputer), QLatin1String(kUser)};
    SetSaverIdentityOverride(&who);
}

TestEnvironment::~TestEnvironment()
{
    SetSaverIdentityOverride(nullptr);
}

FileSizeLimit::FileSizeLimit(qint64 bytes)
{
    // The signal would end the process; ignored, the write fails with EFBIG.
    m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit;
    getrlimit(RLIMIT_FSIZE, &limit);
    m_oldSoftLimit = qint64(limit.rlim_cur);
    limit.rlim_cur = rlim_t(bytes);
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    rlimit limit;
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = rlim_t(m_oldSoftLimit);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, m_oldHandler);
}
