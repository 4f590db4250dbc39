#include "core/files/filelock.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QStorageInfo>
#include <QSysInfo>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

#ifdef Q_OS_UNIX

// What a lock file says about its maker: process id, program, computer, and
// since Qt 5.10 the machine and boot ids.
struct LockInfo
{
    qint64 pid = 0;
    QByteArray host, machineId, bootId;
};

bool ParseLock(const QByteArray& contents, LockInfo& info)
{
    const QList<QByteArray> lines = contents.split('\n');
    if (lines.size() < 3)
        return false;
    bool ok = false;
    info.pid = lines[0].toLongLong(&ok);
    if (!ok || info.pid <= 0)
        return false;
    info.host = lines[2];
    info.machineId = lines.value(3);
    info.bootId = lines.value(4);
    return true;
}

bool ProcessRuns(qint64 pid)
{
    // Another user's process answers EPERM; it runs all the same.
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

bool IsStale(const QByteArray& contents, const struct stat& st)
{
    LockInfo info;
    if (ParseLock(contents, info)) {
        const bool thisComputer =
            info.host == QSysInfo::machineHostName().toUtf8() &&
            (info.machineId.isEmpty() || info.machineId == QSysInfo::machineUniqueId());
        if (thisComputer) {
            if (!info.bootId.isEmpty() && info.bootId != QSysInfo::bootUniqueId())
                return true; // made before the computer last started
            return !ProcessRuns(info.pid);
        }
    }
    // Another computer's process cannot be asked, nor can an unreadable lock's:
    // untouched for long enough, it is taken as left behind. Clocks may differ
    // either way.
    const qint64 age =
        QDateTime::fromSecsSinceEpoch(st.st_mtime).msecsTo(QDateTime::currentDateTimeUtc());
    return qAbs(age) > CSharedFileLock::kStaleAfterMs;
}

bool HeldByItsOwner(int fd)
{
    // A live QLockFile keeps flock and a POSIX write lock on its file. flock
    // with a read-only descriptor fails on NFS (EBADF); the POSIX read lock
    // then tells.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK)
        return true;
    struct flock region = {};
    region.l_type = F_RDLCK;
    region.l_whence = SEEK_SET;
    return ::fcntl(fd, F_SETLK, &region) != 0 && (errno == EACCES || errno == EAGAIN);
}

// Removes the lock file when it is stale; true when it is gone (also when it
// vanished meanwhile), so that locking is worth another attempt.
bool RemoveStaleLockFile(const QByteArray& path)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return true;
        struct stat st;
        // A lock we may not even read: only its age tells.
        if (errno != EACCES || ::lstat(path.constData(), &st) != 0 || !S_ISREG(st.st_mode) ||
            !IsStale(QByteArray(), st))
            return false;
        return ::unlink(path.constData()) == 0;
    }
    bool removed = false;
    struct stat opened, named;
    char buffer[4096];
    const ssize_t length = ::pread(fd, buffer, sizeof buffer, 0);
    const QByteArray contents(buffer, length > 0 ? qsizetype(length) : 0);
    // The name must still be the file we looked at; whoever replaced it would
    // have needed the flock we now hold.
    if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) && IsStale(contents, opened) &&
        !HeldByItsOwner(fd) && ::lstat(path.constData(), &named) == 0 &&
        named.st_dev == opened.st_dev && named.st_ino == opened.st_ino)
        removed = ::unlink(path.constData()) == 0;
    ::close(fd);
    return removed;
}

#endif

// QLockFile keeps the system's error to itself; the usual causes can be seen.
Error LockFailureCause(const QString& lockPath)
{
    const QString folder = QFileInfo(lockPath).absolutePath();
    if (!QFileInfo(folder).isDir())
        return SystemError(ENOENT);
    const QStorageInfo storage(folder);
    if (storage.isValid() && storage.bytesAvailable() < 4096)
        return SystemError(ENOSPC);
    return Error();
}

} // namespace

CSharedFileLock::CSharedFileLock(const QString& guardedFile)
    : m_guarded(guardedFile), m_lock(LockPathFor(guardedFile))
{
    m_lock.setStaleLockTime(kStaleAfterMs);
}

QString CSharedFileLock::LockPathFor(const QString& guardedFile)
{
    return guardedFile + QLatin1String(".lock");
}

Error CSharedFileLock::TryLock()
{
    bool retried = false;
    for (;;) {
        if (m_lock.tryLock(0)) {
            ShareWithWriters();
            return Error();
        }
        const QString lockPath = LockPathFor(m_guarded);
        switch (m_lock.error()) {
        case QLockFile::LockFailedError:
            if (!retried && RemoveIfStale()) {
                retried = true;
                continue;
            }
            return Error(ErrorCode::FileInUse).inFile(m_guarded);
        case QLockFile::PermissionError:
            return Error(ErrorCode::LockDenied).inFile(lockPath);
        default:
            return Error(ErrorCode::LockFailed)
                .inFile(lockPath)
                .because(LockFailureCause(lockPath));
        }
    }
}

bool CSharedFileLock::RemoveIfStale()
{
#ifdef Q_OS_UNIX
    return RemoveStaleLockFile(QFile::encodeName(LockPathFor(m_guarded)));
#else
    return m_lock.removeStaleLockFile();
#endif
}

void CSharedFileLock::ShareWithWriters()
{
#ifdef Q_OS_UNIX
    // The guarded file's rights, or its folder's while the file does not exist.
    struct stat model;
    if (::stat(QFile::encodeName(m_guarded).constData(), &model) != 0 &&
        ::stat(QFile::encodeName(QFileInfo(m_guarded).absolutePath()).constData(), &model) != 0)
        return;
    const int fd = ::open(QFile::encodeName(LockPathFor(m_guarded)).constData(),
                          O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat own;
    if (::fstat(fd, &own) == 0 && own.st_uid == ::geteuid()) {
        if (own.st_gid != model.st_gid)
            (void)::fchown(fd, uid_t(-1), model.st_gid);
        (void)::fchmod(fd, (model.st_mode & 0666) | 0644);
    }
    ::close(fd);
#endif
}
