#include "core/documents/natdoc.h"

#include "core/documents/archive.h"
#include "core/errors/messageids.h"
#include "core/settings/settingsstore.h"

namespace {

const QByteArray kMagic = QByteArrayLiteral("KRD-FBR@");
constexpr qsizetype kLegacyBoxes = 126;
constexpr quint16 kTunnelCodeBox = 44;
constexpr quint16 kFeldEYes = 1;
constexpr quint16 kFeldENo = 2;

// A record the field store refused (wrong magic or record version) leaves a
// single box, which no edition conversion can apply to; such a file is damaged.
void RequireBox(const CArchive& ar, const CFieldStore& store, quint16 index)
{
    if (index < store.GetFieldCount())
        return;
    throw Error(ErrorCode::TooFewBoxes, {QString::number(store.GetFieldCount())}).at(ar.Position());
}

} // namespace

CFrachtbriefNatDoc::CFrachtbriefNatDoc(CSettingsStore& settings)
    : CFrachtbriefNatDoc(settings, GetNationalEdition(settings))
{
}

CFrachtbriefNatDoc::CFrachtbriefNatDoc(CSettingsStore& settings, NationalEdition edition)
    : CKrDocument(NationalLayout::Description(edition), settings)
{
}

void CFrachtbriefNatDoc::DeleteContents()
{
    m_wFeldE =
        quint16(GetSettings().Get(GetFormTypeInfo(FormType::National).section, Settings::NatBoxE));
    CKrDocument::DeleteContents();
}

// File layout, version 310 (2009 edition) or 300 (2007 edition):
//   "KRD-FBR@", u16 version, i32 reserved, 18 x 0xFF,
//   line string computer name, line string user name,
//   u16 box E word, field store record, u8 end mark 0x40.
void CFrachtbriefNatDoc::Store(CArchive& ar)
{
    StoreCurrentVersion(ar, kMagic,
                        GetEdition() == NationalEdition::Edition2009 ? kVersion2009 : kVersion2007);
}

void CFrachtbriefNatDoc::Load(CArchive& ar)
{
    const std::optional<quint16> version =
        ReadMagicAndVersion(ar, kMagic, kOldestVersion, kVersion2009);
    if (!version)
        return;

    if (*version == kVersion2009 || *version == kVersion2007) {
        LoadCurrentVersion(ar, kMagic);
        if (*version == kVersion2009 && GetEdition() == NationalEdition::Edition2007)
            DeleteTunnelCodeBox(ar);
        else if (*version == kVersion2007 && GetEdition() == NationalEdition::Edition2009)
            InsertTunnelCodeBox(ar);
    } else {
        LoadLegacy(ar, *version);
    }
}

// Versions 102 to 309 apart from 300: u8 flag of box E, u8 and u16 skipped, then
// the texts of the 2007 boxes as a string list.
void CFrachtbriefNatDoc::LoadLegacy(CArchive& ar, quint16 version)
{
    m_wFeldE = ar.ReadByte() != 0 ? kFeldEYes : kFeldENo;
    ar.Skip(3);
    QStringList texts = ar.ReadStringList();
    texts.resize(kLegacyBoxes);

    if (version == 102) {
        // Version 102 had no box at 40; its boxes from 40 on sit one place lower.
        texts.removeLast();
        texts.insert(40, QString());
    }
    if (version == 102 || version == 110) {
        // Up to version 110 the boxes 40 to 42 were in another order.
        const QString old41 = texts[41], old42 = texts[42];
        texts[40] = old42;
        texts[42] = old41;
        texts[41].clear();
    }

    CFieldStore& store = GetStore();
    for (quint16 i = 0; i < kLegacyBoxes; ++i)
        store.SetFieldText(i, texts[i], 1);
    if (GetEdition() == NationalEdition::Edition2009)
        InsertTunnelCodeBox(ar);
}

void CFrachtbriefNatDoc::InsertTunnelCodeBox(const CArchive& ar)
{
    RequireBox(ar, GetStore(), kTunnelCodeBox - 1);
    InsertDefinedBox(kTunnelCodeBox);
}

void CFrachtbriefNatDoc::DeleteTunnelCodeBox(const CArchive& ar)
{
    RequireBox(ar, GetStore(), kTunnelCodeBox);
    GetStore().DeleteField(kTunnelCodeBox, 1);
    // A record shorter than its edition was padded to the 2009 boxes before
    // box 44 went; the 2007 form still needs all of its own, else its last box
    // would be missing until the file is opened again.
    const quint16 formBoxes = quint16(Form().boxCount);
    while (GetStore().GetFieldCount() < formBoxes)
        InsertDefinedBox(GetStore().GetFieldCount());
}
