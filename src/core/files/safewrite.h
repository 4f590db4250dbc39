#pragma once

#include "core/errors/error.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

class QIODevice;

// Writing a whole file so that nothing is lost when anything goes wrong. Every
// file the program writes (documents, the address book, the settings, outputs
// of the command-line tool) goes through here.
//
// The contents go into a new temporary file next to the target
// (".NAME.XXXXXX.tvm-tmp", six random letters or digits; a name longer than 200
// bytes is cut and ends in "~" and a checksum of the whole); every write, the
// sync to disk and the closing are checked, and only then does a rename put the
// new file in the target's place. A full disk, a missing right or a refused link
// fail the write: the target stays exactly as it was and the temporary file is
// removed.
//
// Leftovers: a process killed during a save cannot remove its temporary file.
// The next write of the same target removes those that are at least an hour old
// (younger ones may belong to a save still running), and only regular files of
// the running user with exactly this name pattern for this target; links and
// files of other users or programs stay.
//
// Links: the path is followed one name at a time. A symbolic link is followed
// only when it belongs to the running user or to the owner of the folder that
// holds it; in a shared folder, a link someone else planted would otherwise
// choose which file we overwrite. The name at the end must be a regular file or
// missing. A link of one's own keeps pointing at its file, which gets the new
// contents.
//
// Ownership: the new file takes the old one's permission bits (without set-id
// bits) and group, and its owner where the running user may give files away
// (root), so that a shared file stays usable for those who share it. A new file
// gets 0666 less the umask, like any new file. Further hard links to the old file
// keep the old contents.
class CSafeFileWriter
{
public:
    explicit CSafeFileWriter(const QString& path);

    // Replaces the file with `contents`. When it could not: WriteFailed, or
    // WriteFailedOldKept when a file was there and stays as it was, naming the
    // path, with the cause beneath (DiskFull, AccessDenied, ForeignLink, ... or
    // the device's own words).
    Error Write(const QByteArray& contents);

    // Test seam: the contents are written through the device the filter makes of
    // the temporary file (for instance one whose writes fail after some bytes).
    // The device must pass writes on unbuffered; syncing, closing and renaming
    // still act on the temporary file itself.
    using DeviceFilter = std::function<std::unique_ptr<QIODevice>(QIODevice& temporary)>;
    void SetDeviceFilter(DeviceFilter filter) { m_filter = std::move(filter); }

private:
    Error Fail(const Error& cause, bool targetExisted) const;

    QString m_path;
    DeviceFilter m_filter;
};

// The same in one call.
Error WriteFileSafely(const QString& path, const QByteArray& contents);
