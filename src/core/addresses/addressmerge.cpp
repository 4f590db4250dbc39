#include "core/addresses/addressmerge.h"

#include "core/addresses/addressfile.h"

#include <QFile>
#include <QSet>

namespace {

qsizetype FindPrevious(const QStringList& list, const AddressChange& change)
{
    if (change.position >= 0 && change.position < list.size() &&
        list.at(change.position) == change.previous)
        return change.position;
    return list.indexOf(change.previous);
}

// The list the file holds now, or nothing when it holds none.
bool ReadCurrentList(const QString& path, QStringList& records)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    try {
        return ReadAddressList(file, records) != AddressFileHeader::Unknown;
    } catch (const Error&) {
        return false;
    }
}

} // namespace

void ApplyAddressChangeToList(QStringList& list, const AddressChange& change)
{
    switch (change.kind) {
    case AddressChange::Kind::Add:
        list.append(change.record);
        return;
    case AddressChange::Kind::Replace: {
        const qsizetype at = FindPrevious(list, change);
        if (at < 0)
            list.append(change.record);
        else
            list[at] = change.record;
        return;
    }
    case AddressChange::Kind::Delete: {
        const qsizetype at = FindPrevious(list, change);
        if (at >= 0)
            list.removeAt(at);
        return;
    }
    case AddressChange::Kind::Import: {
        QSet<QString> known(list.cbegin(), list.cend());
        for (const QString& record : change.records) {
            if (!known.contains(record)) {
                known.insert(record);
                list.append(record);
            }
        }
        return;
    }
    }
}

Error ApplyAddressChange(CAddressFile& addresses, const QString& path, const AddressChange& change)
{
    QStringList own = addresses.List();
    ApplyAddressChangeToList(own, change);

    const auto fail = [&](const Error& cause) {
        addresses.List() = own;
        return Error(ErrorCode::AddressFileNotWritable).inFile(path).because(cause);
    };

    // The lock is the one every reader and writer of the address file takes
    // (see addressfile.h); it is held from the reading to the renaming.
    CSharedFileLock lock(path);
    if (Error locked = addresses.LockFile(lock))
        return fail(locked);

    QStringList merged;
    if (ReadCurrentList(path, merged))
        ApplyAddressChangeToList(merged, change);
    else
        merged = own;
    if (Error cause = ReplaceAddressFile(path, merged))
        return fail(cause);
    addresses.List() = merged;
    return Error();
}
