#include "core/documents/natintdoc.h"

#include "core/documents/archive.h"
#include "core/errors/messageids.h"
#include "core/forms/kombilayout.h"

namespace {

const QByteArray kMagic = QByteArrayLiteral("KRD-FBNI@");
constexpr qsizetype kLegacyBoxes = 138;

} // namespace

CFrachtbriefNatIntDoc::CFrachtbriefNatIntDoc(CSettingsStore& settings)
    : CKrDocument(KombiLayout::Description(), settings)
{
}

void CFrachtbriefNatIntDoc::DeleteContents()
{
    m_wTerms = 0;
    CKrDocument::DeleteContents();
}

// File layout, version 300:
//   "KRD-FBNI@", u16 version 300, i32 reserved, 17 x 0xFF,
//   line string computer name, line string user name,
//   u16 terms word, field store record, u8 end mark 0x40.
void CFrachtbriefNatIntDoc::Store(CArchive& ar)
{
    StoreCurrentVersion(ar, kMagic, kVersion);
}

void CFrachtbriefNatIntDoc::Load(CArchive& ar)
{
    const std::optional<quint16> version =
        ReadMagicAndVersion(ar, kMagic, kOldestVersion, kVersion);
    if (!version)
        return;
    if (*version == kVersion)
        LoadCurrentVersion(ar, kMagic);
    else
        LoadLegacy(ar, *version);
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
