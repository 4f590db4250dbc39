#include "documents/natintdoc.h"

#include "documents/archive.h"
#include "documents/loadmessages.h"

namespace {

const QByteArray kMagic = QByteArrayLiteral("KRD-FBNI@");
constexpr quint8 kEndMark = 0x40;
constexpr qsizetype kLegacyBoxes = 138;

} // namespace

CFrachtbriefNatIntDoc::CFrachtbriefNatIntDoc(CSettingsStore& settings)
    : CKrDocument(FormType::Kombi, settings)
{
}

void CFrachtbriefNatIntDoc::DeleteContents()
{
    m_wTerms = 0;
    CKrDocument::DeleteContents();
}

void CFrachtbriefNatIntDoc::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        Store(ar);
    else
        Load(ar);
}

// File layout, version 300:
//   "KRD-FBNI@", u16 version 300, i32 reserved, 17 x 0xFF,
//   line string computer name, line string user name,
//   u16 terms word, field store record, u8 end mark 0x40.
void CFrachtbriefNatIntDoc::Store(CArchive& ar)
{
    WriteHeader(ar, kMagic, kVersion);
    ar.WriteWord(m_wTerms);
    GetStore().Serialize(ar);
    ar.WriteByte(kEndMark);
    SetLoadError(kLoadOk);
}

void CFrachtbriefNatIntDoc::Load(CArchive& ar)
{
    if (ar.ReadRaw(kMagic.size()) != kMagic) {
        SetLoadError(kLoadNotKombi);
        return;
    }
    const quint16 version = ar.ReadWord();
    SetFileVersion(version);
    if (version < kOldestVersion) {
        SetLoadError(kLoadTooOld);
        return;
    }
    if (version > kVersion) {
        SetLoadError(kLoadTooNew);
        return;
    }

    if (version == kVersion) {
        SkipHeaderRest(ar, kMagic);
        m_wTerms = ar.ReadWord();
        GetStore().Serialize(ar);
    } else {
        LoadLegacy(ar, version);
    }
    SetLoadError(kLoadOk);
}

// Versions 102 to 299: 7 bytes skipped, then the box texts as a string list. They
// kept no terms word, so the reset value stays.
void CFrachtbriefNatIntDoc::LoadLegacy(CArchive& ar, quint16 version)
{
    ar.Skip(7);
    QStringList texts = ar.ReadStringList();
    texts.resize(kLegacyBoxes);
    if (version == 102)
        texts.swapItemsAt(38, 39); // the UN number and the label model were swapped

    CFieldStore& store = GetStore();
    for (quint16 i = 0; i < kLegacyBoxes; ++i)
        store.SetFieldText(i, texts[i], 1);
}
