#include "views/frachtbriefnatview.h"

#include "documents/natdoc.h"
#include "views/nationallayout.h"

// The document took its edition from "Version" when it was made; its boxes are
// that edition's.
CFrachtbriefNatView::CFrachtbriefNatView(CFrachtbriefNatDoc& document, CSettingsStore& settings,
                                         CMainFrame& frame, QWidget* parent)
    : CKRFormView(NationalLayout::Description(document.GetEdition()), document, settings, frame,
                  parent)
{
}

CKRDFormEditWindow* CFrachtbriefNatView::CreateEditWindow()
{
    return new CKRDEditWindow_NatFb(Settings(), this);
}
