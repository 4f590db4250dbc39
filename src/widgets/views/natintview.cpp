#include "views/natintview.h"

#include "documents/natintdoc.h"

CFrachtbriefNatIntView::CFrachtbriefNatIntView(CFrachtbriefNatIntDoc& document,
                                               CSettingsStore& settings, CMainFrame& frame,
                                               QWidget* parent)
    : CKRFormView(KombiLayout::Description(), document, settings, frame, parent)
{
}

CKRDFormEditWindow* CFrachtbriefNatIntView::CreateEditWindow()
{
    return new CKRDEditWindow_NatIntFb(Settings(), this);
}
