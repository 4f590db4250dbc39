#pragma once

#include "core/errors/error.h"

#include <QString>
#include <QStringList>
#include <QVector>

class QIODevice;

// Reads or writes the binary encodings shared by every document file and the
// address data file. All integers are little-endian; there is no alignment.
//
// Strings come in two encodings:
//  - line string: UTF-16LE code units up to a line feed (a carriage return also
//    ends it and swallows the following unit); no length prefix;
//  - counted string: a prefix of 0xFF-escaped lengths, 8-bit (Windows-1252) or
//    UTF-16LE characters. Writing always produces UTF-16: FF FE FF len ...
//
// Every length or count read from the file is checked against the bytes that are
// left before anything is allocated. Failures are thrown as Error with the byte
// offset: a length or count the file cannot hold is one of the Bad...Length and
// TooMany... codes, an item cut short is Truncated, a device that refuses is
// ReadFailed or ArchiveWriteFailed.
//
// The archive does not own the device. The device must be open in the right
// mode; it should be a random-access device (file, buffer) so that the bytes
// left can be known.
class CArchive
{
public:
    enum Mode { Load, Store };

    CArchive(QIODevice* device, Mode mode);

    bool IsLoading() const { return m_mode == Load; }
    bool IsStoring() const { return m_mode == Store; }
    QIODevice* Device() const { return m_device; }

    qint64 Position() const;
    qint64 BytesLeft() const;

    quint8 ReadByte();
    quint16 ReadWord();
    quint32 ReadDWord();
    qint32 ReadInt() { return static_cast<qint32>(ReadDWord()); }
    quint64 ReadQWord();
    QByteArray ReadRaw(qint64 count);
    void Skip(qint64 count);

    void WriteByte(quint8 value);
    void WriteWord(quint16 value);
    void WriteDWord(quint32 value);
    void WriteInt(qint32 value) { WriteDWord(static_cast<quint32>(value)); }
    void WriteRaw(const QByteArray& bytes);

    // Never fails at the end of the file: yields what was read so far.
    QString ReadLineString();
    void WriteLineString(const QString& text);

    quint32 ReadCount();
    void WriteCount(quint32 count);

    QString ReadString();
    void WriteString(const QString& text);

    // A count above maxCount is refused (TooManyStrings, TooManyWords) before
    // anything is read, so that a crafted file cannot make the reader build
    // millions of entries.
    QStringList ReadStringList(quint32 maxCount = 0xFFFFFFFFu);
    void WriteStringList(const QStringList& list);

    QVector<quint16> ReadWordList(quint32 maxCount = 0xFFFFFFFFu);
    void WriteWordList(const QVector<quint16>& list);

private:
    void RequireLoading() const;
    void RequireStoring() const;
    void ReadExactly(char* data, qint64 count);
    void WriteExactly(const char* data, qint64 count);
    void CheckCount(quint32 count, quint32 maxCount, ErrorCode tooMany) const;
    // Refuses a length that would need more bytes than remain.
    void CheckLength(quint64 bytesNeeded, ErrorCode badLength) const;

    QIODevice* m_device;
    Mode m_mode;
    qint64 m_size; // of a file being read; -1 for a stream, whose size is unknown
};
