#pragma once

#include "editor/krdeditwindows.h"
#include "views/kombilayout.h"
#include "views/krformview.h"

class CFrachtbriefNatIntDoc;

// The Kombi consignment note on the screen: the form view on the Kombi note's
// description, with its editor class. The four terms check boxes set the
// document's terms word (1 ADR, 2 HGB, 3 VBGL/AGL, 4 ADSp).
class CFrachtbriefNatIntView : public CKRFormView
{
    Q_OBJECT

public:
    CFrachtbriefNatIntView(CFrachtbriefNatIntDoc& document, CSettingsStore& settings,
                           CMainFrame& frame, QWidget* parent = nullptr);

    CKRDEditWindow_NatIntFb* Editor() const
    {
        return static_cast<CKRDEditWindow_NatIntFb*>(FormEditor());
    }

protected:
    CKRDFormEditWindow* CreateEditWindow() override;
};
