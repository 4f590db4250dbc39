#include "core/documents/cmrdoc.h"

#include "core/documents/archive.h"
#include "core/forms/cmrlayout.h"
#include "core/settings/settingsstore.h"

namespace {

const QByteArray kMagic = QByteArrayLiteral("KRD-CMR@");
constexpr qsizetype kLegacyFrontBoxes = 173;

} // namespace

CCMRDoc::CCMRDoc(CSettingsStore& settings) : CKrDocument(CmrLayout::Description(), settings) {}

void CCMRDoc::DeleteContents()
{
    m_wPermitType = 1;
    CKrDocument::DeleteContents();
}

// File layout, version 302:
//   "KRD-CMR@", u16 version 302, i32 reserved, 18 x 0xFF,
//   line string computer name, line string user name,
//   u16 permit type, field store record, u8 end mark 0x40.
void CCMRDoc::Store(CArchive& ar)
{
    StoreCurrentVersion(ar, kMagic, kVersion);
}

void CCMRDoc::Load(CArchive& ar)
{
    const std::optional<quint16> version =
        ReadMagicAndVersion(ar, kMagic, kOldestVersion, kVersion);
    if (!version)
        return;

    if (*version >= 300) {
        LoadCurrentVersion(ar, kMagic);
        if (*version == 301) {
            InsertDefinedBox(143);
            InsertDefinedBox(145);
            SplitAfterFirstLineBreak(142);
            SplitAfterFirstLineBreak(144);
        } else if (*version == 300) {
            InsertBox75();
        }
    } else {
        LoadLegacy(ar, *version);
    }
}

void CCMRDoc::LoadLegacy(CArchive& ar, quint16 version)
{
    ar.Skip(4);
    m_wPermitType = ar.ReadWord();
    QStringList front = ar.ReadStringList();
    QStringList back = ar.ReadStringList();
    front.resize(kLegacyFrontBoxes);
    back.resize(1);

    if (version == 110) {
        const QString old71 = front[71], old72 = front[72], old73 = front[73];
        front[71] = old73;
        front[73] = old72;
        front[72] = old71;
    }
    if (GetSettings().Get(GetFormTypeInfo(FormType::Cmr).section, Settings::MergedGoodsRows)) {
        // In that mode boxes 7 to 9 of each goods row are part of box 6.
        for (int row = 0; row < 9; ++row)
            for (int box = 9; box <= 11; ++box)
                front[box + 7 * row].clear();
    }

    CFieldStore& store = GetStore();
    for (quint16 i = 0; i < kLegacyFrontBoxes; ++i)
        store.SetFieldText(i, front[i], 1);
    store.SetFieldText(0, back[0], 2);
    InsertBox75();
}

void CCMRDoc::InsertBox75()
{
    InsertDefinedBox(75);
}

void CCMRDoc::SplitAfterFirstLineBreak(quint16 box)
{
    CFieldStore& store = GetStore();
    const QString text = store.GetFieldText(box, 1);
    const qsizetype brk = text.indexOf(QLatin1String("\r\n"));
    if (brk < 0)
        return;
    store.SetFieldText(box, text.left(brk), 1);
    store.SetFieldText(quint16(box + 1), text.mid(brk + 2), 1);
}
