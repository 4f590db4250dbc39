#pragma once

#include "core/documents/krdocument.h"

// A CMR consignment note (".cmr"): 176 boxes on the front, one on the back, and
// the permit type crossed at the foot of the front page.
class CCMRDoc : public CKrDocument
{
public:
    static constexpr quint16 kVersion = 302;
    static constexpr quint16 kOldestVersion = 110;

    explicit CCMRDoc(CSettingsStore& settings);

    void DeleteContents() override;

    quint16 GetCheckWord() const override { return m_wPermitType; }
    void SetCheckWord(quint16 word) override { m_wPermitType = word; }

    // 0 none, 1 "National", 2 "Bilateral", 3 "EG", 4 "CEMT".
    quint16 m_wPermitType = 1;

private:
    void Store(CArchive& ar) override;
    void Load(CArchive& ar) override;
    void LoadLegacy(CArchive& ar, quint16 version);
    // Version 301 kept the boxes 142/143 and 144/145 as one box each, the two
    // lines separated by CR LF.
    void SplitAfterFirstLineBreak(quint16 box);
    // Files up to version 300 lack the box at index 75.
    void InsertBox75();
};
