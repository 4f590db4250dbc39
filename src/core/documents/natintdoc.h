#pragma once

#include "core/documents/krdocument.h"

// A Kombi consignment note (".fb1") for national and international use: one page
// of 138 boxes and the four terms check boxes at its foot.
class CFrachtbriefNatIntDoc : public CKrDocument
{
public:
    static constexpr quint16 kVersion = 300;
    static constexpr quint16 kOldestVersion = 102;

    explicit CFrachtbriefNatIntDoc(CSettingsStore& settings);

    void DeleteContents() override;

    quint16 GetCheckWord() const override { return m_wTerms; }
    void SetCheckWord(quint16 word) override { m_wTerms = word; }

    // Which terms check box is crossed: 0 none, 1 ADR, 2 HGB, 3 VBGL/AGL, 4 ADSp.
    quint16 m_wTerms = 0;

private:
    void Store(CArchive& ar) override;
    void Load(CArchive& ar) override;
    void LoadLegacy(CArchive& ar, quint16 version);
};
