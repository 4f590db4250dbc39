#pragma once

#include "cmrfixtures.h"
#include "core/errors/error.h"

#include <QBuffer>
#include <QVector>

// Hand-built national, Kombi and forwarding-order files.
namespace DocFixture {

using CmrFixture::Numbered;
using CmrFixture::StringList;

// Magic, version, reserved integer, 0xFF bytes up to offset 32, then the
// computer and user names the test environment pins.
inline QByteArray Header(const QByteArray& magic, quint16 version)
{
    return magic + Word(version) + Hex("00000000") + QByteArray(32 - magic.size() - 6, '\xFF') +
           Utf16(QStringLiteral("PC1\n")) + Utf16(QStringLiteral("anna\n"));
}

inline QByteArray WordList(const QVector<quint16>& words)
{
    QByteArray bytes = Word(quint16(words.size()));
    for (quint16 w : words)
        bytes += Word(w);
    return bytes;
}

// A field store record: the page-1 texts, all with the format word 2, and one
// follow-on box.
inline QByteArray Record(const QStringList& texts, const QString& follow = QString())
{
    return Word(0x1206) + Word(2) + StringList(texts) +
           WordList(QVector<quint16>(texts.size(), 2)) + Word(0x2002) + Word(1) +
           StringList({follow}) + WordList({2});
}

inline QStringList WithBoxes(QStringList texts, std::initializer_list<std::pair<int, QString>> set)
{
    for (const auto& [box, text] : set)
        texts[box] = text;
    return texts;
}

// Loads bytes into a document, as opening a file does after the reset.
template <typename Doc> std::unique_ptr<Doc> LoadAs(CSettingsStore& settings, QByteArray bytes)
{
    auto doc = std::make_unique<Doc>(settings);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    doc->LoadFromDevice(buffer);
    return doc;
}

template <typename Doc> QByteArray SavedBytes(Doc& doc)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    doc.SaveToDevice(buffer);
    return bytes;
}

template <typename Doc> QString Text(const Doc& doc, int box)
{
    return doc.GetStore().GetFieldText(quint16(box), 1);
}

template <typename Doc> quint16 Format(const Doc& doc, int box)
{
    return doc.GetStore().GetFieldFormat(quint16(box), 1);
}

} // namespace DocFixture
