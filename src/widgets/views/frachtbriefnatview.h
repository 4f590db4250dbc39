#pragma once

#include "editor/krdeditwindows.h"
#include "views/krformview.h"

class CFrachtbriefNatDoc;

// The national consignment note on the screen: the form view on the national
// note's description of the document's edition, with its editor class. The
// check boxes "ja" and "nein" set the document's word m_wFeldE (1, 2).
class CFrachtbriefNatView : public CKRFormView
{
    Q_OBJECT

public:
    CFrachtbriefNatView(CFrachtbriefNatDoc& document, CSettingsStore& settings, CMainFrame& frame,
                        QWidget* parent = nullptr);

    CKRDEditWindow_NatFb* Editor() const
    {
        return static_cast<CKRDEditWindow_NatFb*>(FormEditor());
    }

protected:
    CKRDFormEditWindow* CreateEditWindow() override;
};
