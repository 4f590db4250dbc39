#include "views/speditionsauftragview.h"

#include "documents/spedauftragdoc.h"

CSpeditionsauftragView::CSpeditionsauftragView(CSpeditionsauftragDoc& document,
                                               CSettingsStore& settings, CMainFrame& frame,
                                               QWidget* parent)
    : CKRFormView(ForwardingLayout::Description(), document, settings, frame, parent)
{
}

CKRDFormEditWindow* CSpeditionsauftragView::CreateEditWindow()
{
    return new CKRDEditWindow_Spedauf(Settings(), this);
}
