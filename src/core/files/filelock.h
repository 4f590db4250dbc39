#pragma once

#include "core/errors/error.h"

#include <QLockFile>
#include <QString>

// The lock that keeps two programs from using one shared file at once: a lock
// file named after the file with ".lock" appended, in the format of QLockFile
// (process id, program, computer), so that earlier versions of the program see
// it too.
//
// Shared use: the lock file takes the permission bits (read and write only) and
// the group of the file it guards, so that everyone who may write that file may
// also remove a lock left behind.
//
// Stale locks: a lock whose process no longer runs on this computer, or one made
// on another computer and not touched for kStaleAfterMs, is removed whoever owns
// it; removing it needs only the right to delete names in the folder. A lock
// whose owner still holds it open is never removed (the holder keeps an
// exclusive flock on it, which the removal must get first).
//
// Outcomes of one attempt: locked (no error); FileInUse (another program holds
// it, worth waiting for); LockDenied (no right to create files in the folder)
// and LockFailed (the lock file could not be made, e.g. on a full disk, with
// the cause when it can be seen), both worth no waiting.
class CSharedFileLock
{
public:
    static constexpr int kStaleAfterMs = 30000;

    explicit CSharedFileLock(const QString& guardedFile);
    // Releases the lock if it is held.
    ~CSharedFileLock() = default;
    CSharedFileLock(const CSharedFileLock&) = delete;
    CSharedFileLock& operator=(const CSharedFileLock&) = delete;

    static QString LockPathFor(const QString& guardedFile);

    // One attempt, without waiting; a stale lock is removed first.
    Error TryLock();
    void Unlock() { m_lock.unlock(); }
    bool IsLocked() const { return m_lock.isLocked(); }

private:
    bool RemoveIfStale();
    void ShareWithWriters();

    QString m_guarded;
    QLockFile m_lock;
};
