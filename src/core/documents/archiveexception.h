#pragma once

#include <QString>

#include <stdexcept>

// Raised by CArchive when a document or address file cannot be read or written.
// The offset is the byte position in the file where the problem was found, so
// that a damaged file can be looked at with a hex viewer.
class CArchiveException : public std::runtime_error
{
public:
    enum Cause {
        EndOfFile,   // the file ends inside an item
        BadLength,   // a length or count is larger than what is left of the file
        ReadOnly,    // writing into an archive opened for loading
        WriteOnly,   // reading from an archive opened for storing
        DeviceError, // the device refused to read or write
    };

    CArchiveException(Cause cause, qint64 offset, const QString& message);

    Cause cause() const { return m_cause; }
    qint64 offset() const { return m_offset; }
    // German text for the user, including the offset.
    QString message() const { return m_message; }

private:
    Cause m_cause;
    qint64 m_offset;
    QString m_message;
};

// Raised where a field store operation indexes its lists with a position
// that does not exist; mirrors the framework's invalid-argument error.
class CInvalidArgException : public std::invalid_argument
{
public:
    explicit CInvalidArgException(const char* what) : std::invalid_argument(what) {}
};
