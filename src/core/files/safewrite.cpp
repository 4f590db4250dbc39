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
// and its cause can be told by its code.
class DescriptorDevice : public QIODevice
{
public:
    explicit DescriptorDevice(int fd) : m_fd(fd) { open(QIODevice::WriteOnly | Unbuffered); }
    bool isSequential() const override { return true; }
    int LastErrorNumber() const { return m_errorNumber; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        for (;;) {
            const ssize_t written = ::write(m_fd, data, size_t(size));
            if (written >= 0)
                return written;
            if (errno != EINTR) {
                m_errorNumber = errno;
                setErrorString(QString::fromLocal8Bit(std::strerror(errno)));
                return -1;
            }
        }
    }

private:
    int m_fd;
    int m_errorNumber = 0;
};

QByteArray ParentOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash <= 0 ? QByteArray("/") : path.left(slash);
}

// Follows `path` to the name that will be replaced, refusing links of others.
// Names that do not exist yet are taken as they are; creating the temporary file
// then tells what is missing.
Error ResolveTarget(const QString& path, QByteArray& resolved)
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
            if (errno != ENOENT && errno != ENOTDIR)
                return SystemError(errno);
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
        if (::stat(folderPath.constData(), &folder) != 0)
            return SystemError(errno);
        if (entry.st_uid != ::geteuid() && entry.st_uid != folder.st_uid)
            return Error(ErrorCode::ForeignLink).inFile(Native(next));
        if (++links > kMaxLinks)
            return SystemError(ELOOP);
        QByteArray target(qMax<qsizetype>(entry.st_size, 255) + 1, '\0');
        const ssize_t length = ::readlink(next.constData(), target.data(), size_t(target.size()));
        if (length < 0 || length >= target.size())
            return SystemError(length < 0 ? errno : ENAMETOOLONG);
        target.truncate(length);
        if (target.startsWith('/'))
            current.clear();
        pending = target.split('/') + pending;
    }
    resolved = current.isEmpty() ? QByteArray("/") : current;
    return Error();
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

// Why a write failed: the system's error number where our own device has one,
// else the words of the device (a test's filter, QSaveFile).
Error WriteFailure(const QIODevice& device)
{
#ifdef Q_OS_UNIX
    if (const auto* own = dynamic_cast<const DescriptorDevice*>(&device);
        own && own->LastErrorNumber() != 0)
        return SystemError(own->LastErrorNumber());
#endif
    if (device.errorString().isEmpty())
        return SystemError(EIO);
    return Error(ErrorCode::SystemMessage, {device.errorString()});
}

Error WriteAll(QIODevice& device, const QByteArray& contents)
{
    qint64 done = 0;
    while (done < contents.size()) {
        const qint64 written = device.write(contents.constData() + done, contents.size() - done);
        if (written <= 0)
            return WriteFailure(device);
        done += written;
    }
    return Error();
}

} // namespace

CSafeFileWriter::CSafeFileWriter(const QString& path) : m_path(path) {}

Error CSafeFileWriter::Fail(const Error& cause, bool targetExisted) const
{
    return Error(targetExisted ? ErrorCode::WriteFailedOldKept : ErrorCode::WriteFailed)
        .inFile(m_path)
        .because(cause);
}

#ifdef Q_OS_UNIX

Error CSafeFileWriter::Write(const QByteArray& contents)
{
    QByteArray target;
    if (const Error cause = ResolveTarget(m_path, target))
        return Fail(cause, QFileInfo::exists(m_path));

    struct stat old;
    const bool exists = ::lstat(target.constData(), &old) == 0;
    if (!exists && errno != ENOENT)
        return Fail(SystemError(errno), false);
    if (exists && !S_ISREG(old.st_mode))
        return Fail(S_ISDIR(old.st_mode) ? SystemError(EISDIR)
                                         : Error(ErrorCode::TargetNotRegularFile),
                    false);

    // Before the new temporary file: what a killed save left may be what keeps
    // this one from fitting on the disk.
    RemoveLeftovers(target);
    QByteArray temporary;
    int fd = CreateTemporary(target, temporary);
    if (fd < 0)
        return Fail(SystemError(errno), exists);
    const auto discard = [&](const Error& why) {
        if (fd >= 0)
            ::close(fd);
        ::unlink(temporary.constData());
        return Fail(why, exists);
    };

    {
        DescriptorDevice file(fd);
        std::unique_ptr<QIODevice> filtered = m_filter ? m_filter(file) : nullptr;
        if (const Error cause = WriteAll(filtered ? *filtered : file, contents))
            return discard(cause);
    }
    if (exists && !KeepOwnership(fd, old))
        return discard(SystemError(errno));
    // The data must be on the disk before the name points at it; some file
    // systems report a full disk only here.
    if (::fsync(fd) != 0 && errno != EINVAL && errno != ENOTSUP)
        return discard(SystemError(errno));
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0 && errno != EINTR)
        return discard(SystemError(errno));
    if (::rename(temporary.constData(), target.constData()) != 0)
        return discard(SystemError(errno));

    // The rename itself lasts only once the folder is on the disk too.
    const int folder = ::open(ParentOf(target).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        (void)::fsync(folder);
        ::close(folder);
    }
    return Error();
}

#else

Error CSafeFileWriter::Write(const QByteArray& contents)
{
    const bool exists = QFileInfo::exists(m_path);
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return Fail(WriteFailure(file), exists);
    std::unique_ptr<QIODevice> filtered = m_filter ? m_filter(file) : nullptr;
    Error cause = WriteAll(filtered ? *filtered : file, contents);
    if (cause || !file.flush()) {
        if (!cause)
            cause = WriteFailure(file);
        file.cancelWriting();
        file.commit();
        return Fail(cause, exists);
    }
    if (!file.commit())
        return Fail(WriteFailure(file), exists);
    return Error();
}

#endif

Error WriteFileSafely(const QString& path, const QByteArray& contents)
{
    return CSafeFileWriter(path).Write(contents);
}
