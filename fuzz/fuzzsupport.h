// What the document fuzz targets share: settings stores that live in memory, and
// the check that a document survives a save and a reload unchanged.
#pragma once

#include "core/documents/documentfactory.h"
#include "core/settings/settingsstore.h"

#include <QBuffer>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace Fuzz {

// A settings store on a file in a folder of its own, in memory where the system
// has a folder for that: the targets set their values once, never per input.
inline std::unique_ptr<CSettingsStore> MakeSettings()
{
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/tvm-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/tvm-fuzz-XXXXXX"));
    static int count = 0;
    return std::make_unique<CSettingsStore>(std::make_unique<QSettings>(
        dir.filePath(QStringLiteral("settings%1.ini").arg(++count)), QSettings::IniFormat));
}

// Qt's own comparison of two empty word lists hands memcmp a null pointer, which
// UBSan reports; this one does not.
inline bool SameWords(const QVector<quint16>& a, const QVector<quint16>& b)
{
    return a.size() == b.size() && std::equal(a.cbegin(), a.cend(), b.cbegin());
}

// Everything the file holds of a document: box texts, box formats, the check
// box word. Boxes beyond the form's own (older layouts converted, extra boxes
// given to build) get format 1 whenever a record is read, as the store's
// reading rule has it, so only their texts count.
inline bool SameContents(const CKrDocument& a, const CKrDocument& b)
{
    const CFieldStore& x = a.GetStore();
    const CFieldStore& y = b.GetStore();
    const qsizetype formBoxes = a.Form().boxCount;
    return x.PageTexts() == y.PageTexts() && x.FollowTexts() == y.FollowTexts() &&
           SameWords(x.PageFormats().mid(0, formBoxes), y.PageFormats().mid(0, formBoxes)) &&
           SameWords(x.FollowFormats(), y.FollowFormats()) &&
           x.GetFieldCount() == y.GetFieldCount() &&
           x.GetFollowFieldCount() == y.GetFollowFieldCount() &&
           (!a.HasCheckWord() || a.GetCheckWord() == b.GetCheckWord());
}

// Saves the document (which trims the texts it writes, in the store too), reads
// the file back into a new document of the same form and aborts when anything
// differs or the saved file does not open.
inline void CheckSaveAndReload(CKrDocument& document, CSettingsStore& settings)
{
    QByteArray saved;
    QBuffer out(&saved);
    out.open(QIODevice::WriteOnly);
    document.SaveToDevice(out);
    auto reloaded = CreateDocument(document.GetFormType(), settings);
    QBuffer in(&saved);
    in.open(QIODevice::ReadOnly);
    const Error failed = reloaded->OpenFromDevice(in);
    if (failed || reloaded->GetLoadError() != 0 || !SameContents(document, *reloaded))
        std::abort();
}

} // namespace Fuzz
