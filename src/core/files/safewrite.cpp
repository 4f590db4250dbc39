#include "core/files/safewrite.h"

#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QList>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <QCryptographicHash>

#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QSaveFile>
#endif

namespace {

QString Native(const QByteArray& path)
{
    return QFile::decodeName(path);
}

#ifdef Q_OS_UNIX

// The kernel's own limit for links on one path.
constexpr int kMaxLinks = 40;

// A QIODevice over a file descriptor, so that a failed write keeps its errno
// and can be told in German.
class DescriptorDevice : public QIODevice
{
public:
    explicit DescriptorDevice(int fd) : m_fd(fd) { open(QIODevice::WriteOnly | Unbuffered); }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        for (;;) {
            const ssize_t written = ::write(m_fd, data, size_t(size));
            if (written >= 0)
                return written;
            if (errno != EINTR) {
                setErrorString(SystemErrorText(errno));
                return -1;
            }
        }
    }

private:
    int m_fd;
};

QByteArray ParentOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash <= 0 ? QByteArray("/") : path.left(slash);
}

// Follows `path` to the name that will be replaced, refusing links of others.
// Names that do not exist yet are taken as they are; creating the temporary file
// then tells what is missing.
bool ResolveTarget(const QString& path, QByteArray& resolved, QString& cause)
{
    QList<QByteArray> pending = QFile::encodeName(QFileInfo(path).absoluteFilePath()).split('/');
    QByteArray current; // empty: the root folder
    int links = 0;
    while (!pending.isEmpty()) {
        const QByteArray name = pending.takeFirst();
        if (name.isEmpty() || name == ".")
            continue;
        if (name == "..") {
            current.truncate(qMax<qsizetype>(0, current.lastIndexOf('/')));
            continue;
        }
        const QByteArray next = current + '/' + name;
        struct stat entry;
        if (::lstat(next.constData(), &entry) != 0) {
            if (errno != ENOENT && errno != ENOTDIR) {
                cause = SystemErrorText(errno);
                return false;
            }
            current = next;
            for (const QByteArray& rest : pending)
                if (!rest.isEmpty())
                    current += '/' + rest;
            break;
        }
        if (!S_ISLNK(entry.st_mode)) {
            current = next;
            continue;
        }
        struct stat folder;
        const QByteArray folderPath = current.isEmpty() ? QByteArray("/") : current;
        if (::stat(folderPath.constData(), &folder) != 0) {
            cause = SystemErrorText(errno);
            return false;
        }
        if (entry.st_uid != ::geteuid() && entry.st_uid != folder.st_uid) {
            cause = QStringLiteral("%1 ist eine Verknüpfung, die einem anderen Benutzer gehört; "
                                   "durch sie wird nicht geschrieben.")
                        .arg(Native(next));
            return false;
        }
        if (++links > kMaxLinks) {
            cause = SystemErrorText(ELOOP);
            return false;
        }
        QByteArray target(qMax<qsizetype>(entry.st_size, 255) + 1, '\0');
        const ssize_t length = ::readlink(next.constData(), target.data(), size_t(target.size()));
        if (length < 0 || length >= target.size()) {
            cause = SystemErrorText(length < 0 ? errno : ENAMETOOLONG);
            return false;
        }
        target.truncate(length);
        if (target.startsWith('/'))
            current.clear();
        pending = target.split('/') + pending;
    }
    resolved = current.isEmpty() ? QByteArray("/") : current;
    return true;
}

// Leaves room for the dot, the random part and the ending within a file name's
// 255 bytes.
constexpr int kMaxTemporaryStem = 200;
constexpr int kRandomLetters = 6;
constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr char kTemporaryEnding[] = ".tvm-tmp";
// A save takes seconds; a temporary file this old is one a killed save left.
constexpr time_t kLeftoverAgeSeconds = 60 * 60;

// The part of the temporary name that stands for the target: its name, or for a
// long one its beginning and a checksum of the whole, so that leftovers of two
// long names alike in their beginnings are still told apart.
QByteArray TemporaryStem(const QByteArray& targetName)
{
    if (targetName.size() <= kMaxTemporaryStem)
        return targetName;
    const QByteArray sum =
        QCryptographicHash::hash(targetName, QCryptographicHash::Sha1).toHex().left(8);
    return targetName.left(kMaxTemporaryStem - sum.size() - 1) + '~' + sum;
}

// ".STEM.XXXXXX.tvm-tmp", exactly as CreateTemporary makes them.
bool IsTemporaryOf(const char* name, const QByteArray& stem)
{
    const QByteArray entry(name);
    const qsizetype ending = qsizetype(sizeof(kTemporaryEnding) - 1);
    if (entry.size() != 1 + stem.size() + 1 + kRandomLetters + ending || !entry.startsWith('.') ||
        entry.mid(1, stem.size()) != stem || entry.at(1 + stem.size()) != '.' ||
        !entry.endsWith(kTemporaryEnding))
        return false;
    for (const char c : entry.mid(stem.size() + 2, kRandomLetters))
        if (c == '\0' || !std::strchr(kLetters, c))
            return false;
    return true;
}

// Removes what saves of `target` that were killed part way left behind. Only
// regular files of the running user named as this writer names the target's
// temporary files, and an hour old: a younger one may belong to a save running
// now. Links are never followed, and nothing that fails here fails the save.
void RemoveLeftovers(const QByteArray& target)
{
    const int folder = ::open(ParentOf(target).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return;
    DIR* entries = ::fdopendir(folder);
    if (!entries) {
        ::close(folder);
        return;
    }
    const QByteArray stem = TemporaryStem(target.mid(target.lastIndexOf('/') + 1));
    const time_t before = ::time(nullptr) - kLeftoverAgeSeconds;
    while (const dirent* entry = ::readdir(entries)) {
        if (!IsTemporaryOf(entry->d_name, stem))
            continue;
        struct stat st;
        if (::fstatat(folder, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(st.st_mode) && st.st_uid == ::geteuid() && st.st_mtime <= before)
            (void)::unlinkat(folder, entry->d_name, 0);
    }
    ::closedir(entries); // closes `folder` too
}

// Creates the temporary file exclusively (never through a link someone put in
// its place) with the mode a new file gets.
int CreateTemporary(const QByteArray& target, QByteArray& temporaryPath)
{
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = target.left(slash + 1);
    const QByteArray stem = TemporaryStem(target.mid(slash + 1));
    for (int attempt = 0; attempt < 100; ++attempt) {
        QByteArray suffix(kRandomLetters, '\0');
        for (char& c : suffix)
            c = kLetters[QRandomGenerator::global()->bounded(int(sizeof(kLetters) - 1))];
        temporaryPath = folder + '.' + stem + '.' + suffix + kTemporaryEnding;
        const int fd = ::open(temporaryPath.constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// The old file's group and mode, and its owner where we may set it. A group we
// do not belong to cannot be kept; the mode still is.
bool KeepOwnership(int fd, const struct stat& old)
{
    if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
        if (::fchown(fd, old.st_uid, old.st_gid) != 0)
            (void)::fchown(fd, uid_t(-1), old.st_gid);
    }
    return ::fchmod(fd, old.st_mode & 0777) == 0;
}

#endif

bool WriteAll(QIODevice& device, const QByteArray& contents, QString& cause)
{
    qint64 done = 0;
    while (done < contents.size()) {
        const qint64 written = device.write(contents.constData() + done, contents.size() - done);
        if (written <= 0) {
            cause = device.errorString().isEmpty() ? SystemErrorText(EIO) : device.errorString();
            return false;
        }
        done += written;
    }
    return true;
}

} // namespace

QString SystemErrorText(int errorNumber)
{
    switch (errorNumber) {
    case ENOSPC:
        return QStringLiteral("Auf dem Datenträger ist nicht genug Platz.");
#ifdef EDQUOT
    case EDQUOT:
        return QStringLiteral("Der zugeteilte Speicherplatz ist erschöpft.");
#endif
    case EFBIG:
        return QStringLiteral("Die Datei wird zu groß.");
    case EACCES:
    case EPERM:
        return QStringLiteral("Zugriff verweigert.");
    case EROFS:
        return QStringLiteral("Der Datenträger ist schreibgeschützt.");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("Der Ordner ist nicht vorhanden.");
    case EISDIR:
        return QStringLiteral("Am Ziel steht ein Ordner.");
    case ELOOP:
        return QStringLiteral("Zu viele Verknüpfungen auf dem Weg zur Datei.");
    case ENAMETOOLONG:
        return QStringLiteral("Der Dateiname ist zu lang.");
    case EIO:
        return QStringLiteral("Ein- oder Ausgabefehler des Datenträgers.");
    default:
        return QStringLiteral("Systemfehler %1 (%2).")
            .arg(errorNumber)
            .arg(QString::fromLocal8Bit(std::strerror(errorNumber)));
    }
}

CSafeFileWriter::CSafeFileWriter(const QString& path) : m_path(path) {}

bool CSafeFileWriter::Fail(const QString& cause, bool targetExisted)
{
    m_cause = cause;
    m_error = targetExisted ? QStringLiteral("Die Datei %1 konnte nicht geschrieben werden; die "
                                             "bisherige Datei bleibt unverändert.\n%2")
                                  .arg(m_path, cause)
                            : QStringLiteral("Die Datei %1 konnte nicht geschrieben werden.\n%2")
                                  .arg(m_path, cause);
    return false;
}

#ifdef Q_OS_UNIX

bool CSafeFileWriter::Write(const QByteArray& contents)
{
    m_error.clear();
    m_cause.clear();
    QString cause;
    QByteArray target;
    if (!ResolveTarget(m_path, target, cause))
        return Fail(cause, QFileInfo::exists(m_path));

    struct stat old;
    const bool exists = ::lstat(target.constData(), &old) == 0;
    if (!exists && errno != ENOENT)
        return Fail(SystemErrorText(errno), false);
    if (exists && !S_ISREG(old.st_mode))
        return Fail(S_ISDIR(old.st_mode) ? SystemErrorText(EISDIR)
                                         : QStringLiteral("Am Ziel steht keine gewöhnliche Datei."),
                    false);

    // Before the new temporary file: what a killed save left may be what keeps
    // this one from fitting on the disk.
    RemoveLeftovers(target);
    QByteArray temporary;
    int fd = CreateTemporary(target, temporary);
    if (fd < 0)
        return Fail(SystemErrorText(errno), exists);
    const auto discard = [&](const QString& why) {
        if (fd >= 0)
            ::close(fd);
        ::unlink(temporary.constData());
        return Fail(why, exists);
    };

    {
        DescriptorDevice file(fd);
        std::unique_ptr<QIODevice> filtered = m_filter ? m_filter(file) : nullptr;
        if (!WriteAll(filtered ? *filtered : file, contents, cause))
            return discard(cause);
    }
    if (exists && !KeepOwnership(fd, old))
        return discard(SystemErrorText(errno));
    // The data must be on the disk before the name points at it; some file
    // systems report a full disk only here.
    if (::fsync(fd) != 0 && errno != EINVAL && errno != ENOTSUP)
        return discard(SystemErrorText(errno));
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0 && errno != EINTR)
        return discard(SystemErrorText(errno));
    if (::rename(temporary.constData(), target.constData()) != 0)
        return discard(SystemErrorText(errno));

    // The rename itself lasts only once the folder is on the disk too.
    const int folder = ::open(ParentOf(target).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        (void)::fsync(folder);
        ::close(folder);
    }
    return true;
}

#else

bool CSafeFileWriter::Write(const QByteArray& contents)
{
    m_error.clear();
    m_cause.clear();
    const bool exists = QFileInfo::exists(m_path);
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return Fail(file.errorString(), exists);
    QString cause;
    std::unique_ptr<QIODevice> filtered = m_filter ? m_filter(file) : nullptr;
    if (!WriteAll(filtered ? *filtered : file, contents, cause) || !file.flush()) {
        const QString why = cause.isEmpty() ? file.errorString() : cause;
        file.cancelWriting();
        file.commit();
        return Fail(why, exists);
    }
    if (!file.commit())
        return Fail(file.errorString(), exists);
    return true;
}

#endif

bool WriteFileSafely(const QString& path, const QByteArray& contents, QString* error)
{
    CSafeFileWriter writer(path);
    if (writer.Write(contents))
        return true;
    if (error)
        *error = writer.ErrorString();
    return false;
}
