#include "views/cmrview.h"

#include "documents/cmrdoc.h"

CCMRView::CCMRView(CCMRDoc& document, CSettingsStore& settings, CMainFrame& frame, QWidget* parent)
    : CKRFormView(CmrLayout::Description(), document, settings, frame, parent)
{
}

CKRDFormEditWindow* CCMRView::CreateEditWindow()
{
    return new CKRDEditWindow_CMR(Settings(), this);
}
