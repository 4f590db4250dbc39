#include "core/documents/spedauftragdoc.h"

#include "core/documents/archive.h"
#include "core/errors/messageids.h"
#include "core/forms/forwardinglayout.h"

namespace {

const QByteArray kMagic = QByteArrayLiteral("KR-SPEDAUFTR@ ");
const QByteArray kMagicS883_2004 = QByteArrayLiteral("KR-S883_2004@ ");
const QByteArray kMagicS883 = QByteArrayLiteral("KR-S883@"); // the 6 bytes after it vary
constexpr quint16 kBoxes = 106;

// The older headers end in a free text line.
void SkipThroughLineFeed(CArchive& ar)
{
    while (ar.ReadByte() != 0x0A) {
    }
}

// Removes an entry that every file of the oldest form has; a list without it
// cannot be converted.
template <typename List> void RemoveEntry(const CArchive& ar, List& list, qsizetype index)
{
    if (index >= list.size())
        throw Error(ErrorCode::ShortList, {QString::number(list.size())}).at(ar.Position());
    list.remove(index);
}

} // namespace

CSpeditionsauftragDoc::CSpeditionsauftragDoc(CSettingsStore& settings)
    : CKrDocument(ForwardingLayout::Description(), settings)
{
}

// File layout, version 300:
//   "KR-SPEDAUFTR@ " (14 bytes, the last a space), u16 version 300, i32 reserved,
//   12 x 0xFF, line string computer name, line string user name,
//   field store record, u8 end mark 0x40.
void CSpeditionsauftragDoc::Store(CArchive& ar)
{
    StoreCurrentVersion(ar, kMagic, kVersion);
}

void CSpeditionsauftragDoc::Load(CArchive& ar)
{
    const QByteArray magic = ar.ReadRaw(kMagic.size());
    if (magic == kMagic) {
        const quint16 version = ar.ReadWord();
        SetFileVersion(version);
        if (version > kVersion) {
            SetLoadError(kLoadTooNew);
            return;
        }
        // Older versions of this header held nothing worth reading; such a file
        // opens with the default texts.
        if (version == kVersion)
            LoadCurrentVersion(ar, kMagic);
    } else if (magic == kMagicS883_2004) {
        LoadS883_2004(ar);
    } else if (magic.startsWith(kMagicS883)) {
        LoadS883(ar);
    } else {
        SetLoadError(kLoadNotForwarding);
    }
}

// "KR-S883_2004@ ", u16 and 16 bytes skipped, a text line of single bytes up to
// and including 0x0A, then the field store record.
void CSpeditionsauftragDoc::LoadS883_2004(CArchive& ar)
{
    ar.Skip(2 + 16);
    SkipThroughLineFeed(ar);
    ReadStoreRecord(ar);
}

// "KR-S883@" and 6 further bytes, 14 bytes skipped, a text line of single bytes
// up to and including 0x0A, two words skipped, then the box texts as a string
// list and their format words as a word list, in the old box arrangement.
void CSpeditionsauftragDoc::LoadS883(CArchive& ar)
{
    ar.Skip(14);
    SkipThroughLineFeed(ar);
    CFieldStore& store = GetStore();
    store.DefineFields(kBoxes, 0, true);
    ar.Skip(4);
    QStringList texts = ar.ReadStringList();
    QVector<quint16> formats = ar.ReadWordList();
    if (texts.size() < 8)
        throw Error(ErrorCode::TooFewBoxTexts, {QString::number(texts.size())}).at(ar.Position());

    // The oldest arrangement had a box at 7 and 21 boxes from 77 on that the
    // current one lacks, and no dangerous-goods boxes: 81 to 86 start empty.
    RemoveEntry(ar, texts, 7);
    RemoveEntry(ar, formats, 7);
    for (int i = 0; i < 21; ++i) {
        RemoveEntry(ar, texts, 77);
        RemoveEntry(ar, formats, 77);
    }
    texts.resize(kBoxes);
    formats.resize(kBoxes);
    for (int g = 104; g >= 80; --g) {
        texts[g] = texts[g - 3];
        formats[g] = formats[g - 3];
    }
    texts[87] = texts[86];
    formats[87] = formats[86];
    for (int i = 81; i <= 86; ++i) {
        texts[i].clear();
        formats[i] = 1;
    }

    for (quint16 j = 0; j < kBoxes; ++j) {
        store.SetFieldText(j, texts[j], 1);
        store.SetFieldFormat(j, 1, formats[j]);
    }
}
