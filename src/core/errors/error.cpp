#include "core/errors/error.h"

#include <cerrno>
#include <cstring>

const Error* Error::find(ErrorCode code) const
{
    for (const Error* e = this; e; e = e->cause())
        if (e->code() == code)
            return e;
    return nullptr;
}

const char* Error::what() const noexcept
{
    try {
        if (m_what.empty()) {
            m_what = "Tarvelomark error " + std::to_string(int(m_code));
            if (m_position >= 0)
                m_what += " at " + std::to_string(m_position);
            if (!m_file.isEmpty())
                m_what += " in " + m_file.toStdString();
        }
        return m_what.c_str();
    } catch (...) {
        return "Tarvelomark error";
    }
}

bool operator==(const Error& a, const Error& b)
{
    if (a.m_code != b.m_code || a.m_file != b.m_file || a.m_position != b.m_position ||
        a.m_arguments != b.m_arguments || bool(a.m_cause) != bool(b.m_cause))
        return false;
    return !a.m_cause || *a.m_cause == *b.m_cause;
}

Error SystemError(int errorNumber)
{
    switch (errorNumber) {
    case ENOSPC:
        return Error(ErrorCode::DiskFull);
#ifdef EDQUOT
    case EDQUOT:
        return Error(ErrorCode::QuotaExceeded);
#endif
    case EFBIG:
        return Error(ErrorCode::FileTooLarge);
    case EACCES:
    case EPERM:
        return Error(ErrorCode::AccessDenied);
    case EROFS:
        return Error(ErrorCode::ReadOnlyDisk);
    case ENOENT:
    case ENOTDIR:
        return Error(ErrorCode::FolderMissing);
    case EISDIR:
        return Error(ErrorCode::TargetIsFolder);
    case ELOOP:
        return Error(ErrorCode::TooManyLinks);
    case ENAMETOOLONG:
        return Error(ErrorCode::NameTooLong);
    case EIO:
        return Error(ErrorCode::DiskIoError);
    default:
        return Error(ErrorCode::SystemError, {QString::number(errorNumber),
                                              QString::fromLocal8Bit(std::strerror(errorNumber))});
    }
}
