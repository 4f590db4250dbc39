#include "views/viewfactory.h"

#include "documents/cmrdoc.h"
#include "documents/krdocument.h"
#include "documents/natdoc.h"
#include "documents/natintdoc.h"
#include "documents/spedauftragdoc.h"
#include "views/cmrview.h"
#include "views/frachtbriefnatview.h"
#include "views/natintview.h"
#include "views/placeholderview.h"
#include "views/speditionsauftragview.h"

CFormView* CreateFormView(CKrDocument& document, CSettingsStore& settings, CMainFrame& frame)
{
    if (auto* cmr = dynamic_cast<CCMRDoc*>(&document))
        return new CCMRView(*cmr, settings, frame);
    if (auto* national = dynamic_cast<CFrachtbriefNatDoc*>(&document))
        return new CFrachtbriefNatView(*national, settings, frame);
    if (auto* kombi = dynamic_cast<CFrachtbriefNatIntDoc*>(&document))
        return new CFrachtbriefNatIntView(*kombi, settings, frame);
    if (auto* forwarding = dynamic_cast<CSpeditionsauftragDoc*>(&document))
        return new CSpeditionsauftragView(*forwarding, settings, frame);
    return new CPlaceholderView(document);
}
