#pragma once

#include "editor/krdeditwindows.h"
#include "views/forwardinglayout.h"
#include "views/krformview.h"

class CSpeditionsauftragDoc;

// The forwarding order on the screen: the form view on the forwarding order's
// description, with its editor class. Leaving a box formats it and updates the
// sums of the goods table (ForwardingSums, the description's leave-box hook).
class CSpeditionsauftragView : public CKRFormView
{
    Q_OBJECT

public:
    CSpeditionsauftragView(CSpeditionsauftragDoc& document, CSettingsStore& settings,
                           CMainFrame& frame, QWidget* parent = nullptr);

    CKRDEditWindow_Spedauf* Editor() const
    {
        return static_cast<CKRDEditWindow_Spedauf*>(FormEditor());
    }

protected:
    CKRDFormEditWindow* CreateEditWindow() override;
};
