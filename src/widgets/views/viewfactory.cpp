#include "widgets/views/viewfactory.h"

#include "widgets/views/krformview.h"

CFormView* CreateFormView(CKrDocument& document, CSettingsStore& settings, CMainFrame& frame)
{
    return new CKRFormView(document, settings, frame);
}
