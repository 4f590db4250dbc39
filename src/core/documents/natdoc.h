#pragma once

#include "core/documents/krdocument.h"
#include "core/forms/nationallayout.h"

// A national consignment note (".fbr"): one page in the 2009 edition (127 boxes)
// or the 2007 edition (126 boxes, no tunnel restriction code at index 44), and
// the open-vehicle question of box E.
//
// The edition is the one in force when the document is created and stays fixed
// for its life: it is the document's form (Form()), which the view, the print
// and every export take. Files of the other edition are converted on loading,
// and saving writes the version of the document's own edition.
class CFrachtbriefNatDoc : public CKrDocument
{
public:
    static constexpr quint16 kVersion2009 = 310;
    static constexpr quint16 kVersion2007 = 300;
    static constexpr quint16 kOldestVersion = 102;

    // A note of the edition "Version" chooses now, or of the one given.
    explicit CFrachtbriefNatDoc(CSettingsStore& settings);
    CFrachtbriefNatDoc(CSettingsStore& settings, NationalEdition edition);

    // Also sets m_wFeldE from the national "FeldE" setting.
    void DeleteContents() override;

    quint16 GetCheckWord() const override { return m_wFeldE; }
    void SetCheckWord(quint16 word) override { m_wFeldE = word; }

    NationalEdition GetEdition() const { return NationalLayout::EditionOf(Form()); }

    // Box E, "Beförderung mit offenem Fahrzeug": 0 no cross, 1 "ja", 2 "nein".
    quint16 m_wFeldE = 2;

private:
    void Store(CArchive& ar) override;
    void Load(CArchive& ar) override;
    void LoadLegacy(CArchive& ar, quint16 version);
    // The 2009 edition has a box at index 44 that the 2007 edition lacks.
    void InsertTunnelCodeBox(const CArchive& ar);
    void DeleteTunnelCodeBox(const CArchive& ar);
};
