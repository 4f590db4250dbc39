#include "views/viewfactory.h"

#include "documents/cmrdoc.h"
#include "documents/krdocument.h"
#include "documents/natdoc.h"
#include "documents/natintdoc.h"
#include "documents/spedauftragdoc.h"
#include "views/cmrview.h"
#include "views/frachtbriefnatview.h"
#include "views/natintview.h"
#include "views/speditionsauftragview.h"

// Every form has its drawn view. A document's form type is its class, as
// CreateDocument makes it.
CFormView* CreateFormView(CKrDocument& document, CSettingsStore& settings, CMainFrame& frame)
{
    switch (document.GetFormType()) {
    case FormType::Cmr:
        break;
    case FormType::National:
        return new CFrachtbriefNatView(static_cast<CFrachtbriefNatDoc&>(document), settings, frame);
    case FormType::Kombi:
        return new CFrachtbriefNatIntView(static_cast<CFrachtbriefNatIntDoc&>(document), settings,
                                          frame);
    case FormType::Forwarding:
        return new CSpeditionsauftragView(static_cast<CSpeditionsauftragDoc&>(document), settings,
                                          frame);
    }
    return new CCMRView(static_cast<CCMRDoc&>(document), settings, frame);
}
