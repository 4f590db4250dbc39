#include "views/viewfactory.h"

#include "documents/krdocument.h"
#include "views/placeholderview.h"

CFormView* CreateFormView(CKrDocument& document, CSettingsStore& settings, CMainFrame& frame)
{
    Q_UNUSED(settings);
    Q_UNUSED(frame);
    return new CPlaceholderView(document);
}
