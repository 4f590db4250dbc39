#pragma once

#include "testsupport.h"

#include <QStringList>

// Hand-built CMR files of every layout the program reads.
namespace CmrFixture {

// "KRD-CMR@", version, reserved, 18 x 0xFF, computer and user names.
inline QByteArray Header(quint16 version)
{
    return QByteArray("KRD-CMR@") + Word(version) + Hex("00000000") + QByteArray(18, '\xFF') +
           Utf16(QStringLiteral("PC1\n")) + Utf16(QStringLiteral("anna\n"));
}

inline QByteArray StringList(const QStringList& texts)
{
    QByteArray bytes = Word(quint16(texts.size()));
    for (const QString& t : texts)
        bytes += CountedString(t);
    return bytes;
}

// A version-300-or-later file whose record holds the given page-1 texts, all
// with format word 2, and one page-2 text.
inline QByteArray Current(quint16 version, quint16 permit, const QStringList& texts,
                          const QString& back = QString())
{
    QByteArray bytes = Header(version) + Word(permit) + Word(0x1206) + Word(2) + StringList(texts) +
                       Word(quint16(texts.size()));
    for (qsizetype i = 0; i < texts.size(); ++i)
        bytes += Word(2);
    bytes += Word(0x2002) + Word(1) + StringList({back}) + Word(1) + Word(2);
    return bytes + '\x40';
}

// Versions 110 to 299: two skipped words, the permit type, then string lists A
// (front) and B (back).
inline QByteArray Legacy(quint16 version, quint16 permit, const QByteArray& listA,
                         const QByteArray& listB)
{
    return QByteArray("KRD-CMR@") + Word(version) + Word(0) + Word(0) + Word(permit) + listA +
           listB;
}

inline QStringList Numbered(int count, const QString& prefix = QStringLiteral("b"))
{
    QStringList texts;
    for (int i = 0; i < count; ++i)
        texts << prefix + QString::number(i);
    return texts;
}

} // namespace CmrFixture
