#pragma once

#include "core/documents/krdocument.h"

// A forwarding order (".spa"): one page of 106 boxes and no check boxes.
//
// Besides its own files it reads the two older forms of the same order, which
// began with "KR-S883_2004@ " and "KR-S883@". Files of the oldest form are
// converted to the current box arrangement; the boxes that arrangement no longer
// has (entry 7 and the 21 entries from 77 on) are dropped.
class CSpeditionsauftragDoc : public CKrDocument
{
public:
    static constexpr quint16 kVersion = 300;

    explicit CSpeditionsauftragDoc(CSettingsStore& settings);

    bool HasCheckWord() const override { return false; }
    quint16 GetCheckWord() const override { return 0; }
    void SetCheckWord(quint16) override {}

private:
    void Store(CArchive& ar) override;
    void Load(CArchive& ar) override;
    void LoadS883_2004(CArchive& ar);
    void LoadS883(CArchive& ar);
};
