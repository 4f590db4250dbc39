#include "core/errors/messageids.h"

Error LoadMessageError(int id)
{
    switch (id) {
    case kLoadTooOld:
        return Error(ErrorCode::FileTooOld);
    case kLoadTooNew:
        return Error(ErrorCode::FileTooNew);
    case kLoadNotCmr:
        return Error(ErrorCode::NotCmrFile);
    case kLoadNotNational:
        return Error(ErrorCode::NotNationalFile);
    case kLoadNotKombi:
        return Error(ErrorCode::NotKombiFile);
    case kLoadNotForwarding:
        return Error(ErrorCode::NotForwardingFile);
    default:
        return Error();
    }
}

AddressFileResult AddressFileResultOf(const Error& error)
{
    switch (error.code()) {
    case ErrorCode::None:
        return kAddressFileOk;
    case ErrorCode::AddressFileNotCreated:
        return kAddressFileNotCreated;
    case ErrorCode::AddressFileNotWritable:
        return kAddressFileNotWritten;
    case ErrorCode::AddressFileAccessDenied:
        return kAddressFileAccessDenied;
    case ErrorCode::AddressFileWrongType:
        return kAddressFileWrongType;
    case ErrorCode::AddressFileNotOpened:
        // Waiting would not have made a lock that cannot be made.
        return error.find(ErrorCode::LockFailed) ? kAddressFileNoLock : kAddressFileLocked;
    default:
        // What the reader threw: the file ends inside the list or is damaged.
        return kAddressFileDamaged;
    }
}
