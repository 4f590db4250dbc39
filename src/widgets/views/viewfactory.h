#pragma once

#include "core/forms/formtype.h"

class CFormView;
class CKrDocument;
class CMainFrame;
class CSettingsStore;
class QWidget;

// Creates the view of a document window for the document's form. The view is
// owned by the window it is placed in; the document outlives it.
CFormView* CreateFormView(CKrDocument& document, CSettingsStore& settings, CMainFrame& frame);
