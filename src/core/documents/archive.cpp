#include "core/documents/archive.h"

#include "core/documents/codepage.h"

#include <QIODevice>
#include <QSysInfo>
#include <QtEndian>

// A file's size does not change while it is read; asking the device for it
// before every string (a system call per string for a file) made large address
// books slow to open.
CArchive::CArchive(QIODevice* device, Mode mode)
    : m_device(device), m_mode(mode),
      m_size(mode == Load && device && !device->isSequential() ? device->size() : -1)
{
}

qint64 CArchive::Position() const
{
    return m_device->pos();
}

qint64 CArchive::BytesLeft() const
{
    return m_size >= 0 ? m_size - m_device->pos() : m_device->bytesAvailable();
}

void CArchive::RequireLoading() const
{
    if (m_mode != Load)
        throw Error(ErrorCode::ArchiveOpenForWriting).at(Position());
}

void CArchive::RequireStoring() const
{
    if (m_mode != Store)
        throw Error(ErrorCode::ArchiveOpenForReading).at(Position());
}

void CArchive::ReadExactly(char* data, qint64 count)
{
    RequireLoading();
    const qint64 start = Position();
    qint64 done = 0;
    while (done < count) {
        const qint64 got = m_device->read(data + done, count - done);
        if (got < 0)
            throw Error(ErrorCode::ReadFailed, {m_device->errorString()}).at(start + done);
        if (got == 0)
            throw Error(ErrorCode::Truncated).at(start + done);
        done += got;
    }
}

void CArchive::WriteExactly(const char* data, qint64 count)
{
    RequireStoring();
    if (m_device->write(data, count) != count)
        throw Error(ErrorCode::ArchiveWriteFailed, {m_device->errorString()}).at(Position());
}

void CArchive::CheckLength(quint64 bytesNeeded, ErrorCode badLength) const
{
    const qint64 left = BytesLeft();
    if (left < 0 || bytesNeeded > static_cast<quint64>(left))
        throw Error(badLength, {QString::number(bytesNeeded), QString::number(left)})
            .at(Position());
}

quint8 CArchive::ReadByte()
{
    char b;
    ReadExactly(&b, 1);
    return static_cast<quint8>(b);
}

quint16 CArchive::ReadWord()
{
    uchar b[2];
    ReadExactly(reinterpret_cast<char*>(b), 2);
    return qFromLittleEndian<quint16>(b);
}

quint32 CArchive::ReadDWord()
{
    uchar b[4];
    ReadExactly(reinterpret_cast<char*>(b), 4);
    return qFromLittleEndian<quint32>(b);
}

quint64 CArchive::ReadQWord()
{
    uchar b[8];
    ReadExactly(reinterpret_cast<char*>(b), 8);
    return qFromLittleEndian<quint64>(b);
}

QByteArray CArchive::ReadRaw(qint64 count)
{
    RequireLoading();
    CheckLength(static_cast<quint64>(count), ErrorCode::BadBlockLength);
    QByteArray bytes(count, Qt::Uninitialized);
    ReadExactly(bytes.data(), count);
    return bytes;
}

void CArchive::Skip(qint64 count)
{
    ReadRaw(count);
}

void CArchive::WriteByte(quint8 value)
{
    const char b = static_cast<char>(value);
    WriteExactly(&b, 1);
}

void CArchive::WriteWord(quint16 value)
{
    uchar b[2];
    qToLittleEndian(value, b);
    WriteExactly(reinterpret_cast<const char*>(b), 2);
}

void CArchive::WriteDWord(quint32 value)
{
    uchar b[4];
    qToLittleEndian(value, b);
    WriteExactly(reinterpret_cast<const char*>(b), 4);
}

void CArchive::WriteRaw(const QByteArray& bytes)
{
    WriteExactly(bytes.constData(), bytes.size());
}

QString CArchive::ReadLineString()
{
    RequireLoading();
    QString text;
    uchar b[2];
    while (m_device->read(reinterpret_cast<char*>(b), 2) == 2) {
        const char16_t unit = qFromLittleEndian<quint16>(b);
        if (unit == u'\n')
            break;
        if (unit == u'\r') {
            m_device->read(reinterpret_cast<char*>(b), 2); // CR LF: the LF goes too
            break;
        }
        text.append(QChar(unit));
    }
    return text;
}

void CArchive::WriteLineString(const QString& text)
{
    for (QChar c : text)
        WriteWord(c.unicode());
    WriteWord(u'\n');
}

quint32 CArchive::ReadCount()
{
    const quint16 w = ReadWord();
    return w == 0xFFFF ? ReadDWord() : w;
}

void CArchive::WriteCount(quint32 count)
{
    if (count < 0xFFFF) {
        WriteWord(static_cast<quint16>(count));
    } else {
        WriteWord(0xFFFF);
        WriteDWord(count);
    }
}

QString CArchive::ReadString()
{
    bool wide = false;
    quint64 length = ReadByte();
    if (length == 0xFF) {
        quint16 w = ReadWord();
        if (w == 0xFFFE) {
            wide = true;
            const quint8 b = ReadByte();
            w = b < 0xFF ? b : ReadWord();
        }
        if (w < 0xFFFF) {
            length = w;
        } else {
            const quint32 d = ReadDWord();
            length = d < 0xFFFFFFFFu ? d : ReadQWord();
        }
    }

    if (!wide) {
        CheckLength(length, ErrorCode::BadStringLength);
        return DecodeWindows1252(ReadRaw(static_cast<qint64>(length)));
    }
    // Compare before multiplying: a 64-bit length times two could wrap.
    CheckLength(length, ErrorCode::BadStringLength);
    CheckLength(length * 2, ErrorCode::BadStringLength);
    // Read straight into the string: the file holds UTF-16 in little-endian
    // order, which on most machines is the string's own.
    QString text(static_cast<qsizetype>(length), Qt::Uninitialized);
    ReadExactly(reinterpret_cast<char*>(text.data()), static_cast<qint64>(length * 2));
    if constexpr (QSysInfo::ByteOrder == QSysInfo::BigEndian)
        qFromLittleEndian<quint16>(text.constData(), text.size(), text.data());
    return text;
}

void CArchive::WriteString(const QString& text)
{
    const auto length = static_cast<quint64>(text.size());
    WriteByte(0xFF);
    WriteWord(0xFFFE);
    if (length < 0xFF) {
        WriteByte(static_cast<quint8>(length));
    } else if (length < 0xFFFE) {
        WriteByte(0xFF);
        WriteWord(static_cast<quint16>(length));
    } else {
        WriteByte(0xFF);
        WriteWord(0xFFFF);
        WriteDWord(static_cast<quint32>(length));
    }
    QByteArray bytes(static_cast<qsizetype>(length * 2), Qt::Uninitialized);
    auto* dst = reinterpret_cast<uchar*>(bytes.data());
    for (qsizetype i = 0; i < text.size(); ++i)
        qToLittleEndian<quint16>(text[i].unicode(), dst + 2 * i);
    WriteRaw(bytes);
}

void CArchive::CheckCount(quint32 count, quint32 maxCount, ErrorCode tooMany) const
{
    if (count > maxCount)
        throw Error(tooMany, {QString::number(count), QString::number(maxCount)}).at(Position());
}

QStringList CArchive::ReadStringList(quint32 maxCount)
{
    const quint32 count = ReadCount();
    CheckCount(count, maxCount, ErrorCode::TooManyStrings);
    CheckLength(count, ErrorCode::BadStringListLength); // every string takes at least one byte
    QStringList list;
    list.reserve(static_cast<qsizetype>(count));
    for (quint32 i = 0; i < count; ++i)
        list.append(ReadString());
    return list;
}

void CArchive::WriteStringList(const QStringList& list)
{
    WriteCount(static_cast<quint32>(list.size()));
    for (const QString& s : list)
        WriteString(s);
}

QVector<quint16> CArchive::ReadWordList(quint32 maxCount)
{
    const quint32 count = ReadCount();
    CheckCount(count, maxCount, ErrorCode::TooManyWords);
    CheckLength(quint64(count) * 2, ErrorCode::BadWordListLength);
    QVector<quint16> list;
    list.reserve(static_cast<qsizetype>(count));
    for (quint32 i = 0; i < count; ++i)
        list.append(ReadWord());
    return list;
}

void CArchive::WriteWordList(const QVector<quint16>& list)
{
    WriteCount(static_cast<quint32>(list.size()));
    for (quint16 w : list)
        WriteWord(w);
}
